#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/columnorder.h"
#include "analysis/trendomission.h"
#include "support/games.h"

namespace lottodesk {
namespace {

const GameParams kSsq{6, 1, 33, 1, 1, 16, true};

// The omission run as the text walks it, row by row, for the numbers in `order`; `drawnIn` says
// whether n is drawn in a record. Returns per column {hits, longest, average, previous, current}
// and the omission cells (0 where drawn).
struct Literal {
    std::vector<std::vector<int32_t>> stats;  // [stat][column], stats 1..5 of the rows
    std::vector<int32_t> cells;
};

template <typename Drawn>
Literal literalRun(const t_s_dm& store, int first, int last, const std::vector<int>& order, Drawn drawnIn) {
    const size_t columns = order.size();
    std::vector<int32_t> hits(columns, 0), longest(columns, -1), shortest(columns, 99999), sum(columns, 0),
        previous(columns, 0), cell(columns, 0);
    std::vector<bool> wasDrawn(columns, false);
    Literal out;
    for (int n = first, r = 1; n <= last; ++n, ++r) {
        const int32_t* record = store.record(n);
        for (size_t c = 0; c < columns; ++c) {
            if (drawnIn(record, order[c])) {
                ++hits[c];
                if (r > 1) {
                    const int32_t o = wasDrawn[c] ? 0 : cell[c];
                    previous[c] = o;
                    sum[c] += o;
                    longest[c] = std::max(longest[c], o);
                    shortest[c] = std::min(shortest[c], o);
                }
                wasDrawn[c] = true;
            } else {
                cell[c] = (r == 1 || wasDrawn[c]) ? 1 : cell[c] + 1;
                wasDrawn[c] = false;
            }
            out.cells.push_back(wasDrawn[c] ? 0 : cell[c]);
        }
    }
    std::vector<int32_t> average(columns), current(columns);
    for (size_t c = 0; c < columns; ++c) {
        if (longest[c] == -1) {
            longest[c] = average[c] = previous[c] = 9999;
        } else {
            // sum / hits to the nearest integer, halves to even
            const int32_t q = sum[c] / hits[c], rem = sum[c] % hits[c];
            average[c] = q + ((rem * 2 > hits[c] || (rem * 2 == hits[c] && q % 2 == 1)) ? 1 : 0);
        }
        current[c] = last >= first && !wasDrawn[c] ? cell[c] : 0;
    }
    out.stats = {{}, hits, longest, average, previous, current};
    return out;
}

bool inSlots(const int32_t* record, int from, int count, int n) {
    for (int s = from; s < from + count; ++s)
        if (record[s] == n) return true;
    return false;
}

void expectSame(const OmissionView& v, const Literal& literal, const std::string& what) {
    ASSERT_TRUE(v.status) << v.status.message;
    EXPECT_EQ(v.table.cells, literal.cells) << what;
    for (int stat = 1; stat < kOmissionStatRows; ++stat) {
        const std::vector<std::string> row = v.statRow(stat);
        for (int c = 0; c < v.numberColumns(); ++c)
            ASSERT_EQ(row[static_cast<size_t>(c) + 1],
                      std::to_string(literal.stats[static_cast<size_t>(stat)][static_cast<size_t>(c)]))
                << what << " " << kOmissionStatLabels[stat] << " column " << c;
    }
}

class TrendOmission : public ::testing::Test {
protected:
    TrendOmission() { test::fillSsq(store); }
    t_s_dm store;
};

TEST_F(TrendOmission, EqualsTheLiteralRunOnTheRealHistory) {
    const int count = store.RecordCount();
    struct Case {
        OmissionVariant variant;
        OmissionZone zone;
        bool withSecondary;
        int order;
        int first, last;
    };
    const Case cases[] = {
        {OmissionVariant::Main, OmissionZone::Main, false, 0, 1, count},
        {OmissionVariant::Main, OmissionZone::Main, false, 1, count - 299, count},
        {OmissionVariant::Main, OmissionZone::Both, false, 5, 1000, 1500},
        {OmissionVariant::Main, OmissionZone::Secondary, false, 2, 1, count},
        {OmissionVariant::Secondary, OmissionZone::Main, false, 0, 1, count},
        {OmissionVariant::Secondary, OmissionZone::Main, false, 3, 20, 120},
        {OmissionVariant::Tails, OmissionZone::Main, false, 0, 1, count},
        {OmissionVariant::Tails, OmissionZone::Main, true, 2, count - 99, count},
    };
    for (const Case& k : cases) {
        OmissionOptions o;
        o.variant = k.variant;
        o.zone = k.zone;
        o.tailsWithSecondary = k.withSecondary;
        o.order = k.order;
        o.fromPeriod = store.record(k.first)[0];
        o.toPeriod = store.record(k.last)[0];
        const OmissionView v = computeOmissionView(store, kSsq, o);
        const std::string what = std::to_string(static_cast<int>(k.variant)) + "/" +
                                 std::to_string(static_cast<int>(k.zone)) + "/" + std::to_string(k.order) + " " +
                                 std::to_string(k.first);
        Literal literal;
        std::vector<int> order;  // the columns: tails 0..9, secondary 1..16 or main 1..33, in the chosen order
        if (k.variant == OmissionVariant::Tails) {
            const int slots = 6 + (k.withSecondary ? 1 : 0);
            order = columnOrder(k.order, 0, 9);
            literal = literalRun(store, k.first, k.last, order, [&](const int32_t* r, int t) {
                for (int s = 1; s <= slots; ++s)
                    if (r[s] % 10 == t) return true;
                return false;
            });
        } else if (k.variant == OmissionVariant::Secondary || k.zone == OmissionZone::Secondary) {
            const int hi = k.variant == OmissionVariant::Secondary ? 16 : 33;
            order = columnOrder(k.order, 1, hi);
            literal = literalRun(store, k.first, k.last, order,
                                 [](const int32_t* r, int n) { return inSlots(r, 7, 1, n); });
        } else {
            const int slots = k.zone == OmissionZone::Both ? 7 : 6;
            order = columnOrder(k.order, 1, 33);
            literal = literalRun(store, k.first, k.last, order,
                                 [&](const int32_t* r, int n) { return inSlots(r, 1, slots, n); });
        }
        expectSame(v, literal, what);
        EXPECT_EQ(v.numbers, std::vector<int32_t>(order.begin(), order.end())) << what;
    }
}

// The five most recent draws: 2026092 09 11 12 25 30 33 + 11, 2026093 05 08 15 20 21 24 + 09,
// 2026094 06 13 15 17 24 25 + 01, 2026095 04 06 14 21 22 33 + 16, 2026096 01 04 16 22 26 31 + 04.
TEST_F(TrendOmission, HandCheckedCasesAndTexts) {
    OmissionOptions o;
    o.fromPeriod = 2026092;
    o.toPeriod = 2026096;
    const OmissionView v = computeOmissionView(store, kSsq, o);
    ASSERT_EQ(v.rows(), 5);
    ASSERT_EQ(v.header.size(), 35u);
    EXPECT_EQ(v.header[0], "期号");
    EXPECT_EQ(v.header[1], "01");
    EXPECT_EQ(v.header[34], "开奖号码");
    EXPECT_EQ(v.cell(0, 0), "2026092");
    EXPECT_EQ(v.cell(0, 34), "09 11 12 25 30 33 ");
    // 33: drawn in rows 1 and 4: hits 2, one omission of 2 (rows 2 and 3), average 2 / 2 = 1.
    EXPECT_EQ(v.cell(0, 33), "33");
    EXPECT_EQ(v.cell(2, 33), "2");
    EXPECT_EQ(v.cell(4, 33), "1");
    EXPECT_EQ(v.statRow(1)[33], "2");
    EXPECT_EQ(v.statRow(2)[33], "2");
    EXPECT_EQ(v.statRow(3)[33], "1");
    EXPECT_EQ(v.statRow(4)[33], "2");
    EXPECT_EQ(v.statRow(5)[33], "1");
    // 02: never drawn: hits 0, 9999 four times, current omission = the rows.
    EXPECT_EQ(v.statRow(1)[2], "0");
    for (int stat = 2; stat <= 4; ++stat) EXPECT_EQ(v.statRow(stat)[2], "9999");
    EXPECT_EQ(v.statRow(5)[2], "5");
    // 04: drawn in the last two rows: current 0, previous 0.
    EXPECT_EQ(v.statRow(5)[4], "0");
    EXPECT_EQ(v.statRow(4)[4], "0");
    EXPECT_EQ(v.statRow(0)[0], "选号区");
    EXPECT_EQ(v.statRow(0)[1], "01");
    EXPECT_EQ(v.statRow(0).back(), "");

    o.zone = OmissionZone::Both;
    EXPECT_EQ(computeOmissionView(store, kSsq, o).cell(0, 34), "09 11 12 25 30 33 | 11,");
    o.zone = OmissionZone::Secondary;
    EXPECT_EQ(computeOmissionView(store, kSsq, o).cell(0, 34), "11 ");
    o.variant = OmissionVariant::Tails;
    o.tailsWithSecondary = true;
    const OmissionView tails = computeOmissionView(store, kSsq, o);
    EXPECT_EQ(tails.cell(0, 11), "9 1 2 5 0 3 | 1,");
    EXPECT_EQ(tails.header[1], "0");
    EXPECT_EQ(tails.cell(0, 1), "0") << "a drawn tail shows its digit, the omission of 0 is in the flags";
    EXPECT_EQ(tails.statRow(5)[1], "3") << "tail 0 last came with 20 in 2026093";
}

TEST_F(TrendOmission, RangesOrdersHighlightsAndZones) {
    OmissionOptions o;
    o.fromPeriod = 2026096;
    o.toPeriod = 2026092;  // start after end: an empty range
    OmissionView v = computeOmissionView(store, kSsq, o);
    ASSERT_TRUE(v.status);
    EXPECT_EQ(v.rows(), 0);
    for (int c = 1; c <= 33; ++c) {
        EXPECT_EQ(v.statRow(1)[static_cast<size_t>(c)], "0");
        for (int stat = 2; stat <= 4; ++stat) EXPECT_EQ(v.statRow(stat)[static_cast<size_t>(c)], "9999");
        EXPECT_EQ(v.statRow(5)[static_cast<size_t>(c)], "0");
    }

    o = {};
    o.fromPeriod = 1999001;
    v = computeOmissionView(store, kSsq, o);
    EXPECT_FALSE(v.status);
    EXPECT_EQ(v.status.code, StatusCode::NoSuchPeriod);
    EXPECT_EQ(v.status.message, "数据库中没有第1999001期的记录");

    // The default range is the whole history with the prediction record as its last row.
    t_s_dm withPrediction;
    test::fillSsq(withPrediction);
    test::addPrediction(withPrediction, {1, 2, 3, 4, 5, 6});
    v = computeOmissionView(withPrediction, kSsq, {});
    EXPECT_EQ(v.rows(), withPrediction.RecordCount());
    EXPECT_EQ(v.cell(v.rows() - 1, 0), "预测区");
    EXPECT_EQ(v.statRow(5)[2], "0") << "02 is drawn in the prediction row";

    o = {};
    o.order = 2;
    o.highlight = TypeHighlight::Prime;
    o.zones = 3;
    v = computeOmissionView(store, kSsq, o);
    EXPECT_EQ(v.numbers.front(), 2) << "even numbers first";
    EXPECT_EQ(v.header[1], "02");
    EXPECT_EQ(v.highlighted[0], 1) << "2 is prime";
    EXPECT_EQ(v.highlighted[1], 0) << "4 is not";
    // 33 columns in three zones of 11: shades 0, 1, 0.
    EXPECT_EQ(v.shade[10], 0);
    EXPECT_EQ(v.shade[11], 1);
    EXPECT_EQ(v.shade[21], 1);
    EXPECT_EQ(v.shade[22], 0);

    // A seven-number game follows its own ranges.
    const GameParams qlc{7, 1, 30, 1, 1, 30, true};
    t_s_dm q;
    test::fillSample(q, test::sampleGames()[2]);
    v = computeOmissionView(q, qlc, {});
    EXPECT_EQ(v.numberColumns(), 30);
    o = {};
    o.variant = OmissionVariant::Secondary;
    EXPECT_EQ(computeOmissionView(q, qlc, o).numberColumns(), 30);
}

TEST_F(TrendOmission, PageKeepsItsRunUntilSomethingChanges) {
    OmissionPage page;
    OmissionOptions o;
    const OmissionView* first = &page.run(store, kSsq, o);
    EXPECT_EQ(&page.run(store, kSsq, o), first);
    const int rows = first->rows();
    test::addPrediction(store, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(page.run(store, kSsq, o).rows(), rows + 1) << "a new record is a new version";
}

}  // namespace
}  // namespace lottodesk
