#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "core/drawtext.h"
#include "indicators/comboindicators.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

const GameParams kSsq{6, 1, 33, 1, 1, 16, true};
const GameParams kDlt{5, 1, 35, 2, 1, 12, true};
const GameParams kDigits{5, 0, 9, 0, 0, 0, false};  // 0..9, no secondary zone

// A history of the given draws (numbers only; slot 0 gets a period), with partitions of the game.
struct History {
    GameParams game;
    ZonePartitions partitions;
    std::vector<int32_t> slots;

    History(const GameParams& g, const std::vector<std::vector<int32_t>>& draws) : game(g) {
        partitions.rebuild(game.zh_to);
        slots.assign((draws.size() + 1) * kSlots, 0);
        for (size_t n = 0; n < draws.size(); ++n) {
            int32_t* r = slots.data() + (n + 1) * kSlots;
            r[0] = 2003001 + static_cast<int32_t>(n);
            std::copy(draws[n].begin(), draws[n].end(), r + 1);
        }
    }
    IndicatorContext context() const {
        IndicatorContext ctx;
        ctx.history = {slots.data(), static_cast<int>(slots.size() / kSlots) - 1, nullptr};
        ctx.game = game;
        ctx.partitions = &partitions;
        return ctx;
    }
};

const IndicatorDef& def(const std::string& id) {
    for (const IndicatorDef& d : comboIndicatorDefs())
        if (id == d.id) return d;
    ADD_FAILURE() << "no indicator " << id;
    static const IndicatorDef none{"", "", {}, {}, nullptr};
    return none;
}

int32_t valueOf(const std::string& id, const GameParams& game, const std::vector<int32_t>& numbers) {
    const History h(game, {numbers});
    const IndicatorDef& d = def(id);
    return d.value ? d.value(h.context(), 1) : -12345;
}

struct Case {
    const char* id;
    GameParams game;
    std::vector<int32_t> draw;  // main numbers, then secondary numbers
    int32_t expected;
};

void check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string numbers;
        for (int32_t v : c.draw) numbers += std::to_string(v) + " ";
        EXPECT_EQ(valueOf(c.id, c.game, c.draw), c.expected) << c.id << " of " << numbers;
    }
}

TEST(ComboIndicators, RunOfSixConsecutiveNumbers) {
    const std::vector<int32_t> d = {1, 2, 3, 4, 5, 6, 9};
    check({
        {"z_hz", kSsq, d, 21},     {"z_hw", kSsq, d, 1},    {"z_wh", kSsq, d, 21},    {"z_lmzs", kSsq, d, 5},
        {"z_maxlh", kSsq, d, 6},   {"z_jjgs", kSsq, d, 1},  {"z_zdjj", kSsq, d, 1},   {"z_zxjj", kSsq, d, 1},
        {"z_ac", kSsq, d, 0},      {"z_zsgs", kSsq, d, 4},  {"z_jhlx", kSsq, d, 0},   {"z_zhlx", kSsq, d, 2},
        {"z_sd", kSsq, d, 1},      {"z_aver", kSsq, d, 4},  {"z_ohlx", kSsq, d, 0},   {"z_hhlx", kSsq, d, 0},
        {"z_jsgs", kSsq, d, 3},    {"z_dsgs", kSsq, d, 0},  {"z_gwgs", kSsq, d, 2},   {"z_gwhe", kSsq, d, 11},
        {"z_zshe", kSsq, d, 11},   {"z_hshe", kSsq, d, 10}, {"z_c3yshe", kSsq, d, 6}, {"z_c4yshe", kSsq, d, 9},
        {"z_c5yshe", kSsq, d, 11}, {"z_c3y0", kSsq, d, 2},  {"z_c4y1", kSsq, d, 2},   {"z_c5y0", kSsq, d, 1},
    });
}

TEST(ComboIndicators, TailsZonesAndTheCountRule) {
    const std::vector<int32_t> d = {1, 11, 21, 31, 32, 33, 5};
    check({
        {"z_wzgs", kSsq, d, 3},
        {"z_gwgs", kSsq, d, 0},
        {"z_dsgs", kSsq, d, 4},
        {"z_3fq_1qgs", kSsq, d, 2},
        {"z_3fq_2qgs", kSsq, d, 1},
        {"z_3fq_3qgs", kSsq, d, 3},
        {"z_dzxqxshe", kSsq, d, 12},
        {"z_dzxqzshe", kSsq, d, 21},
        {"z_dzxqdshe", kSsq, d, 96},
        {"z_dxqdshe", kSsq, d, 117},
        {"z_dxqxshe", kSsq, d, 12},
        {"z_lmzs", kSsq, d, 2},
        {"z_maxlh", kSsq, d, 3},
        {"z_jjgs", kSsq, d, 2},
        {"z_zdjj", kSsq, d, 10},
        {"z_ac", kSsq, d, 6},
        {"z_sd", kSsq, d, 10},
        {"z_jhlx", kSsq, d, 3},
        // 1, 11 and 31 are prime: only 1-11 is a prime pair, only 32-33 a composite one.
        {"z_zsgs", kSsq, d, 3},
        {"z_zhlx", kSsq, d, 1},
        {"z_hhlx", kSsq, d, 1},
    });
}

TEST(ComboIndicators, SumsOfHighTailsOneAsPrimeAndHalfUpMean) {
    check({
        {"z_gwhe", kSsq, {5, 16, 27, 28, 29, 30, 1}, 35},
        {"z_gwgs", kSsq, {5, 16, 27, 28, 29, 30, 1}, 5},
        {"z_aver", kSsq, {10, 12, 15, 18, 20, 24, 1}, 17},  // 99 / 6 = 16.5
        {"z_aver", kSsq, {10, 12, 15, 18, 20, 23, 1}, 16},  // 98 / 6 = 16.33
        {"z_zshe", kSsq, {1, 4, 9, 13, 22, 33, 1}, 14},
        {"z_hshe", kSsq, {1, 4, 9, 13, 22, 33, 1}, 68},
        {"z_jshe", kSsq, {1, 4, 9, 13, 22, 33, 1}, 56},
        {"z_oshe", kSsq, {1, 4, 9, 13, 22, 33, 1}, 26},
        {"z_0lhe", kSsq, {1, 4, 9, 13, 22, 33, 1}, 42},
        {"z_1lhe", kSsq, {1, 4, 9, 13, 22, 33, 1}, 40},
        {"z_2lhe", kSsq, {1, 4, 9, 13, 22, 33, 1}, 0},
        {"z_num3_w", kSsq, {1, 4, 9, 13, 22, 33, 1}, 9},
    });
}

TEST(ComboIndicators, ZoneSumsUseTheZoneRuleAndBigCountsUseTheCountRule) {
    // For 0..9 the zones are 1-4 and 5-9, while the count rule calls 6..9 big.
    const std::vector<int32_t> d = {1, 4, 5, 6, 9};
    check({
        {"z_dsgs", kDigits, d, 2},
        {"z_dxqdshe", kDigits, d, 20},
        {"z_dxqxshe", kDigits, d, 5},
        {"z_xjhe", kDigits, d, 1},
        {"z_djhe", kDigits, d, 14},
        {"z_xohe", kDigits, d, 4},
        {"z_dohe", kDigits, d, 6},
        {"z_xzhe", kDigits, d, 1},
        {"z_dzhe", kDigits, d, 5},
        {"z_xhhe", kDigits, d, 4},
        {"z_dhhe", kDigits, d, 15},
    });
}

TEST(ComboIndicators, SlotOrderIsKeptAndNegativeGapsAreReturnedAsComputed) {
    const std::vector<int32_t> d = {10, 5, 20, 25, 30, 33, 7};
    check({
        {"xc21", kSsq, d, -5},
        {"z_zxjj", kSsq, d, -5},
        {"z_zdjj", kSsq, d, 15},
        {"xh21", kSsq, d, 15},
        {"z_num2", kSsq, d, 5},
        {"xc61", kSsq, d, 23},
        {"z_lmzs", kSsq, d, 0},
        {"z_jjgs", kSsq, d, 4},
    });
    // Positions beyond zhgs read the slots after the main numbers: the secondary number, then 0.
    const std::vector<int32_t> e = {3, 7, 12, 19, 25, 31, 9};
    check({
        {"xh61", kSsq, e, 34},
        {"xc61", kSsq, e, 28},
        {"z_num7", kSsq, e, 9},
        {"xh76", kSsq, e, 40},
        {"xc76", kSsq, e, -22},
        {"xh71", kSsq, e, 12},
        {"z_num7_w", kSsq, e, 9},
        {"f_num2", kSsq, e, 0},
    });
}

TEST(ComboIndicators, ShortDrawsAndTheSecondaryZone) {
    const GameParams one{1, 1, 33, 1, 1, 16, true};
    const GameParams two{2, 1, 33, 1, 1, 16, true};
    check({
        {"z_sd", one, {7, 3}, 255},
        {"z_zxjj", one, {7, 3}, 999},
        {"z_zdjj", one, {7, 3}, 1},
        {"z_jjgs", one, {7, 3}, 1},
        {"z_jhlx", one, {7, 3}, 0},
        {"z_maxlh", one, {7, 3}, 1},
        {"z_ac", one, {7, 3}, 0},
        {"z_aver", one, {7, 3}, 7},
        {"z_jjgs", two, {7, 9, 3}, 1},
        {"z_zxjj", two, {7, 9, 3}, 2},
        {"z_ac", two, {7, 9, 3}, 0},
        // One secondary number.
        {"f_num1", kSsq, {1, 2, 3, 4, 5, 6, 9}, 9},
        {"f_hz", kSsq, {1, 2, 3, 4, 5, 6, 9}, 9},
        {"f_aver", kSsq, {1, 2, 3, 4, 5, 6, 9}, 9},
        {"f_sd", kSsq, {1, 2, 3, 4, 5, 6, 9}, 255},
        {"f_cz", kSsq, {1, 2, 3, 4, 5, 6, 9}, -9},
        // Two secondary numbers: 03 and 08.
        {"f_num1", kDlt, {2, 9, 17, 28, 35, 3, 8}, 3},
        {"f_num2", kDlt, {2, 9, 17, 28, 35, 3, 8}, 8},
        {"f_hz", kDlt, {2, 9, 17, 28, 35, 3, 8}, 11},
        {"f_cz", kDlt, {2, 9, 17, 28, 35, 3, 8}, 5},
        {"f_aver", kDlt, {2, 9, 17, 28, 35, 3, 8}, 6},
        {"f_sd", kDlt, {2, 9, 17, 28, 35, 3, 8}, 5},
        {"z_hz", kDlt, {2, 9, 17, 28, 35, 3, 8}, 91},
        {"z_num6", kDlt, {2, 9, 17, 28, 35, 3, 8}, 3},
        // No secondary zone: every secondary indicator is 0, whatever the slots hold.
        {"f_num1", kDigits, {1, 2, 3, 4, 5, 6, 7}, 0},
        {"f_num2", kDigits, {1, 2, 3, 4, 5, 6, 7}, 0},
        {"f_hz", kDigits, {1, 2, 3, 4, 5, 6, 7}, 0},
        {"f_cz", kDigits, {1, 2, 3, 4, 5, 6, 7}, 0},
        {"f_aver", kDigits, {1, 2, 3, 4, 5, 6, 7}, 0},
        {"f_sd", kDigits, {1, 2, 3, 4, 5, 6, 7}, 0},
    });
}

TEST(ComboIndicators, DefinitionsCarryTheNamesRangesAndRegistryOrder) {
    const auto& defs = comboIndicatorDefs();
    const char* lineOrder[] = {"21", "32", "43", "54", "65", "76", "31", "42", "53", "64", "75",
                               "41", "52", "63", "74", "51", "62", "61", "73", "72", "71"};
    ASSERT_GE(defs.size(), 42u);
    for (int p = 0; p < 21; ++p) {
        EXPECT_EQ(std::string(defs[p].id), std::string("xh") + lineOrder[p]);
        EXPECT_EQ(std::string(defs[21 + p].id), std::string("xc") + lineOrder[p]);
        EXPECT_EQ(kLinePairs[p].i * 10 + kLinePairs[p].j, std::stoi(lineOrder[p]));
    }
    std::set<std::string> ids;
    for (const IndicatorDef& d : defs) {
        EXPECT_TRUE(ids.insert(d.id).second) << "twice: " << d.id;
        EXPECT_NE(d.value, nullptr) << d.id;
    }
    EXPECT_EQ(defs.size(), 42u + 2 + 27 + 7 + 7 + 2 + 34);

    struct Expect {
        const char* id;
        const char* name;
        int32_t min, max;  // for the 6-of-33 game
    } expected[] = {
        {"z_num1", "红号一", 1, 33},
        {"z_num7", "红号七", 1, 33},
        {"z_num4_w", "红号四尾数", 0, 9},
        {"f_num1", "蓝号", 1, 16},
        {"f_num2", "副号二", 2, 12},
        {"xh61", "线和6_1", 3, 65},
        {"xc71", "线差7_1", 1, 32},
        {"z_hz", "主区和值", 30, 180},
        {"z_jshe", "主区奇数和", 0, 150},
        {"z_xjhe", "小奇数和值", 0, 198},
        {"z_c4yshe", "主区除四余数和", 0, 21},
        {"z_dsgs", "主区大数个数", 0, 6},
        {"z_wzgs", "主区尾组个数", 2, 6},
        {"z_jjgs", "主区邻位间距个数", 1, 5},
        {"z_aver", "主区平均值", 3, 30},
        {"z_zdjj", "主区最大邻位间距", 1, 32},
        {"z_c4y3", "除4余3个数", 0, 6},
        {"z_3fq_2qgs", "三分区的二区个数", 0, 6},
        {"z_ac", "主区AC值", 0, 14},
        {"f_sd", "副区散度", 0, 16},
        {"f_cz", "副区差值", 1, 11},
    };
    for (const Expect& e : expected) {
        const IndicatorDef& d = def(e.id);
        EXPECT_STREQ(d.name, e.name) << e.id;
        EXPECT_EQ(d.min.resolve(kSsq), e.min) << e.id;
        EXPECT_EQ(d.max.resolve(kSsq), e.max) << e.id;
    }
}

// Reference computations written from the definitions with containers, to compare with the flat
// ones over the real history.
int referenceAc(std::vector<int> v) {
    std::set<int> diffs;
    for (size_t i = 0; i < v.size(); ++i)
        for (size_t j = i + 1; j < v.size(); ++j) diffs.insert(std::abs(v[j] - v[i]));
    return static_cast<int>(diffs.size()) - static_cast<int>(v.size()) + 1;
}
int referenceSd(const std::vector<int>& v) {
    int largest = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        int nearest = 255;
        for (size_t j = 0; j < v.size(); ++j)
            if (i != j) nearest = std::min(nearest, std::abs(v[i] - v[j]));
        largest = std::max(largest, nearest);
    }
    return largest;
}

TEST(ComboIndicators, AgreeWithTheirDefinitionsOverTheRealHistory) {
    const DrawTextParse parsed = parseDrawText(test::readFile(test::samplePath("ssq.txt")), 7);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_GT(parsed.records.size(), 3000u);
    std::vector<std::vector<int32_t>> draws;
    for (const DrawRecord& r : parsed.records) draws.emplace_back(r.begin() + 1, r.begin() + 8);
    const History h(kSsq, draws);
    const IndicatorContext ctx = h.context();
    auto at = [&](const char* id, int n) { return def(id).value(ctx, n); };

    for (int n = 1; n <= ctx.history.count(); ++n) {
        const int32_t* r = ctx.history.record(n);
        const std::vector<int> v(r + 1, r + 7);
        const int hz = at("z_hz", n);
        SCOPED_TRACE(r[0]);
        EXPECT_EQ(hz, v[0] + v[1] + v[2] + v[3] + v[4] + v[5]);
        EXPECT_EQ(at("z_jshe", n) + at("z_oshe", n), hz);
        EXPECT_EQ(at("z_zshe", n) + at("z_hshe", n), hz);
        EXPECT_EQ(at("z_dzxqxshe", n) + at("z_dzxqzshe", n) + at("z_dzxqdshe", n), hz);
        EXPECT_EQ(at("z_0lhe", n) + at("z_1lhe", n) + at("z_2lhe", n), hz);
        EXPECT_EQ(at("z_xjhe", n) + at("z_djhe", n) + at("z_xohe", n) + at("z_dohe", n), hz);
        EXPECT_EQ(at("z_xzhe", n) + at("z_dzhe", n) + at("z_xhhe", n) + at("z_dhhe", n), hz);
        EXPECT_EQ(at("z_xjhe", n) + at("z_xohe", n), at("z_dxqxshe", n));
        EXPECT_EQ(at("z_c5y0", n) + at("z_c5y1", n) + at("z_c5y2", n) + at("z_c5y3", n) + at("z_c5y4", n), 6);
        EXPECT_EQ(at("z_3fq_1qgs", n) + at("z_3fq_2qgs", n) + at("z_3fq_3qgs", n), 6);
        EXPECT_EQ(at("z_ac", n), referenceAc(v));
        EXPECT_EQ(at("z_sd", n), referenceSd(v));
        std::set<int> tails, gaps;
        for (int x : v) tails.insert(x % 10);
        for (int i = 1; i < 6; ++i) gaps.insert(v[i] - v[i - 1]);
        EXPECT_EQ(at("z_wzgs", n), static_cast<int>(tails.size()));
        EXPECT_EQ(at("z_jjgs", n), static_cast<int>(gaps.size()));
        EXPECT_EQ(at("z_zdjj", n), *gaps.rbegin());
        EXPECT_EQ(at("z_zxjj", n), *gaps.begin());
        EXPECT_EQ(at("z_aver", n), static_cast<int>(std::floor(hz / 6.0 + 0.5)));
        EXPECT_EQ(at("f_num1", n), r[7]);
        EXPECT_EQ(at("xc61", n), v[5] - v[0]);
        // Ascending draws stay within the declared ranges of these indicators.
        for (const char* id : {"z_ac", "z_wzgs", "z_lmzs", "z_maxlh", "z_jjgs", "z_sd", "z_aver"}) {
            const IndicatorDef& d = def(id);
            EXPECT_GE(at(id, n), d.min.resolve(kSsq)) << id;
            EXPECT_LE(at(id, n), d.max.resolve(kSsq)) << id;
        }
    }
}

TEST(ComboIndicators, StandardDeviationAndCoefficientOfVariation) {
    struct SdCase {
        std::vector<int32_t> numbers;
        float cvPercent;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6}, 48.8f},        // sd 1.7078 / mean 3.5 = 0.48795 -> 0.488
        {{10, 11, 12, 13, 26, 28}, 44.3f},  // sd 7.3862 / mean 16.667 = 0.44317 -> 0.443
        {{7, 7, 7, 7, 7, 7}, 0.0f},
    };
    for (const SdCase& c : cases) {
        int32_t record[kSlots] = {2003001};
        std::copy(c.numbers.begin(), c.numbers.end(), record + 1);
        const int k = static_cast<int>(c.numbers.size());
        double mean = 0, squares = 0;
        for (int32_t v : c.numbers) mean += v;
        mean /= k;
        for (int32_t v : c.numbers) squares += (v - mean) * (v - mean);
        const double sd = std::sqrt(squares / k);
        EXPECT_NEAR(standardDeviation(record, k), sd, 1e-5) << c.numbers[0];
        EXPECT_FLOAT_EQ(coefficientOfVariation(record, k), c.cvPercent) << c.numbers[0];
    }
    int32_t zeros[kSlots] = {};
    EXPECT_EQ(coefficientOfVariation(zeros, 6), 0.0f) << "a zero mean gives 0, not a division by zero";
    EXPECT_EQ(standardDeviation(zeros, 0), 0.0f);
}

}  // namespace
}  // namespace lottodesk
