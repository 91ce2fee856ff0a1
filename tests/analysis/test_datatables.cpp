#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "analysis/coldhotperiod.h"
#include "analysis/datatables.h"
#include "support/games.h"

namespace lottodesk {
namespace {

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts;
    size_t at = 0;
    for (size_t comma; (comma = text.find(',', at)) != std::string::npos; at = comma + 1)
        parts.push_back(text.substr(at, comma - at));
    return parts;
}

void appendDraw(t_s_dm& store, int32_t period, std::initializer_list<int32_t> numbers) {
    DrawRecord record{};
    record[0] = period;
    size_t slot = 1;
    for (int32_t n : numbers) record[slot++] = n;
    store.Append();
    store.setRecord(store.RecNo(), record);
}

// A literal reading of the two tables' definitions, kept apart from the engine's indicators.
namespace literal {

bool prime(int n) {
    if (n == 1 || n == 2) return true;
    if (n < 3) return false;
    for (int d = n - 1; d >= 2; --d)
        if (n % d == 0) return false;
    return true;
}

std::string list(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) text += twoDigits(n) + ",";
    return text;
}

std::vector<int> mainOf(const int32_t* record, int k) {
    std::vector<int> v(record + 1, record + 1 + k);
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<std::string> row1(const t_s_dm& store, const GameParams& g, int n) {
    const int k = g.zhgs, m = g.fhgs;
    const int32_t* r = store.record(n);
    const int32_t* before = store.record(n > 1 ? n - 1 : n);
    const std::vector<int> v = mainOf(r, k);
    std::vector<std::string> row = {r[0] == kPredictionPeriod ? "预测区" : std::to_string(r[0])};
    for (int s = 1; s <= k + m; ++s) row.push_back(twoDigits(r[s]));
    std::set<int> tails;
    int pairs = 0, repeats = 0, neighbours = 0, odd = 0, primes = 0, sum = 0, tailSum = 0;
    std::vector<int> odds, evens, ps, cs, near;
    std::vector<int> gaps;
    for (int i = 0; i < k; ++i) {
        tails.insert(v[i] % 10);
        if (i > 0) gaps.push_back(v[i] - v[i - 1]);
        if (i > 0 && v[i] - v[i - 1] == 1) ++pairs;
        bool repeat = false, neighbour = false;
        for (int j = 1; j <= k; ++j) {
            repeat = repeat || (n > 1 && before[j] == v[i]);
            neighbour = neighbour || std::abs(before[j] - v[i]) == 1;
        }
        repeats += repeat;
        neighbours += neighbour;
        if (neighbour) near.push_back(v[i]);
        (v[i] % 2 == 1 ? odds : evens).push_back(v[i]);
        (prime(v[i]) ? ps : cs).push_back(v[i]);
        odd += v[i] % 2 == 1;
        primes += prime(v[i]);
        sum += v[i];
        tailSum += v[i] % 10;
    }
    std::string runs, sameTail;
    for (int i = 0; i < k;) {
        int j = i + 1;
        while (j < k && v[j] == v[j - 1] + 1) ++j;
        if (j - i >= 2) runs += (runs.empty() ? "" : " ") + list(std::vector<int>(v.begin() + i, v.begin() + j));
        i = j;
    }
    std::set<int> seen;
    for (int i = 0; i < k; ++i) {
        if (seen.count(v[i] % 10)) continue;
        seen.insert(v[i] % 10);
        std::vector<int> group;
        for (int j = i; j < k; ++j)
            if (v[j] % 10 == v[i] % 10) group.push_back(v[j]);
        if (group.size() >= 2) sameTail += (sameTail.empty() ? "" : " ") + list(group);
    }
    std::string gapText;
    for (int gap : gaps) gapText += std::to_string(gap) + ",";
    const std::set<int> distinctGaps(gaps.begin(), gaps.end());
    row.insert(row.end(), {std::to_string(std::abs(r[k] - r[1])),
                           std::to_string(tails.size()),
                           std::to_string(pairs),
                           std::to_string(repeats),
                           std::to_string(neighbours),
                           std::to_string(odd) + ":" + std::to_string(k - odd),
                           list(odds),
                           list(evens),
                           std::to_string(primes) + ":" + std::to_string(k - primes),
                           list(ps),
                           list(cs),
                           runs,
                           sameTail,
                           gapText,
                           std::to_string(*std::max_element(gaps.begin(), gaps.end())),
                           std::to_string(*std::min_element(gaps.begin(), gaps.end())),
                           std::to_string(distinctGaps.size()),
                           std::to_string(sum),
                           std::to_string(sum % 3),
                           std::to_string(tailSum),
                           std::to_string(tailSum % 3),
                           list(near)});
    return row;
}

// Counts of the main numbers per class, joined by ":".
template <typename ClassOf>
std::string counts(const int32_t* r, int k, int classes, ClassOf classOf) {
    std::vector<int> c(static_cast<size_t>(classes), 0);
    for (int s = 1; s <= k; ++s) {
        const int cls = classOf(r[s]);
        if (cls >= 0 && cls < classes) ++c[static_cast<size_t>(cls)];
    }
    std::string text;
    for (int x : c) text += (text.empty() ? "" : ":") + std::to_string(x);
    return text;
}

// Zone of n (0-based) in partition(N, 1, hi), from the rule: width, the last `rest` zones one wider.
int zone(int N, int hi, int n) {
    const int width = hi / N, rest = hi % N;
    int bound = 0;
    for (int j = 1; j <= N; ++j) {
        bound += width + (N - j < rest ? 1 : 0);
        if (n >= 1 && n <= bound) return j - 1;
    }
    return -1;
}

std::vector<std::string> row2(const t_s_dm& store, const GameParams& g, int n) {
    const int32_t* r = store.record(n);
    const int k = g.zhgs;
    const int half = (g.zh_to - g.zh_from + 1) / 2;
    return {r[0] == kPredictionPeriod ? "预测区" : std::to_string(r[0]),
            counts(r, k, 2, [&](int x) { return x > half ? 1 : 0; }),
            counts(r, k, 3, [&](int x) { return zone(3, g.zh_to, x); }),
            counts(r, k, 5, [&](int x) { return zone(5, g.zh_to, x); }),
            counts(r, k, 7, [&](int x) { return zone(7, g.zh_to, x); }),
            counts(r, k, 3, [](int x) { return x % 3; }),
            counts(r, k, 4, [](int x) { return x % 4; }),
            counts(r, k, 5, [](int x) { return x % 5; })};
}

}  // namespace literal

std::vector<std::string> rowOf(const DataTable& t, int r) {
    std::vector<std::string> row;
    for (int c = 0; c < t.columns(); ++c) row.push_back(t.cell(r, c));
    return row;
}

// Every row of both tables against the literal reading, on every sample game (双色球 and the
// seven-number 七乐彩 among them), with a prediction record at the end.
TEST(DataTables12, AgreeWithTheLiteralReadingOnEveryGame) {
    for (const test::SampleGame& g : test::sampleGames()) {
        t_s_dm store;
        test::fillSample(store, g);
        test::addPrediction(store, {1, 2, 3, 11, 21, 29, 30});
        const ZonePartitions partitions = test::partitionsOf(g.game);
        const DataTable t1 = dataTable1(store, g.game, partitions, "红号", "蓝号");
        const DataTable t2 = dataTable2(store, g.game, partitions);
        ASSERT_EQ(t1.columns(), 1 + g.game.zhgs + g.game.fhgs + 22) << g.name;
        ASSERT_EQ(t1.rows(), store.RecordCount());
        ASSERT_EQ(t2.rows(), store.RecordCount());
        for (int n = 1; n <= store.RecordCount(); ++n) {
            ASSERT_EQ(rowOf(t1, n - 1), literal::row1(store, g.game, n)) << g.name << " record " << n;
            ASSERT_EQ(rowOf(t2, n - 1), literal::row2(store, g.game, n)) << g.name << " record " << n;
        }
    }
}

TEST(DataTables12, CaptionsAndOneDrawWorkedByHand) {
    t_s_dm store;
    appendDraw(store, 2001, {3, 8, 15, 22, 27, 31, 9});
    appendDraw(store, 2002, {4, 8, 16, 23, 30, 33, 1});
    appendDraw(store, 2003, {1, 2, 3, 13, 23, 33, 5});
    const GameParams ssq{6, 1, 33, 1, 1, 16, true};
    const ZonePartitions partitions = test::partitionsOf(ssq);
    const DataTable t1 = dataTable1(store, ssq, partitions, "红号", "蓝号");
    EXPECT_EQ(t1.header[1], "红号1");
    EXPECT_EQ(t1.header[7], "蓝号");
    EXPECT_EQ(t1.header.back(), "邻位号");
    auto at = [&](int row, const char* caption) {
        const auto it = std::find(t1.header.begin(), t1.header.end(), caption);
        return t1.cell(row, static_cast<int>(it - t1.header.begin()));
    };
    EXPECT_EQ(at(1, "重复号数"), "1");
    EXPECT_EQ(at(1, "邻号组数"), "4");
    EXPECT_EQ(at(1, "邻位号"), "04,16,23,30,");
    EXPECT_EQ(at(2, "主区连续号"), "01,02,03,");
    EXPECT_EQ(at(2, "主区同尾号"), "03,13,23,33,");
    EXPECT_EQ(at(2, "主区邻位间距"), "1,1,10,10,10,");
    EXPECT_EQ(at(2, "邻位间距个数"), "2");
    EXPECT_EQ(at(2, "主区质合比"), "5:1") << "1, 2, 3, 13 and 23 are prime";
    EXPECT_EQ(at(2, "跨度"), "32");
    EXPECT_EQ(at(2, "和值012路"), "0") << "sum 75";
    const DataTable t2 = dataTable2(store, ssq, partitions);
    EXPECT_EQ(rowOf(t2, 2), (std::vector<std::string>{"2003", "4:2", "3:1:2", "3:0:1:1:1", "3:0:1:0:1:0:1", "2:2:2",
                                                      "0:3:1:2", "0:1:1:4:0"}));

    const GameParams twoSecondary{5, 1, 35, 2, 1, 12, true};
    const DataTable dlt = dataTable1(t_s_dm{}, twoSecondary, test::partitionsOf(twoSecondary), "前区", "后区");
    EXPECT_EQ(dlt.header[6], "后区1");
    EXPECT_EQ(dlt.header[7], "后区2");
    EXPECT_EQ(dlt.rows(), 0);
}

// Every row against the one-pass classification of every number at every record: the drawn
// numbers sorted into the classes of the period before, and the ratio their counts.
TEST(DataTable3, AgreesWithTheClassificationTimelineOnEveryGame) {
    for (const test::SampleGame& g : test::sampleGames()) {
        t_s_dm store;
        test::fillSample(store, g);
        const ColdHotSettings settings;
        const DataTable t = dataTable3(store, g.game, settings, "红号", "蓝号");
        ASSERT_EQ(t.columns(), 11) << g.name;
        ASSERT_EQ(t.rows(), store.RecordCount());
        const WarmthTimeline main = mainWarmthTimeline(DrawHistory::of(store), g.game, settings);
        const WarmthTimeline sec = secondaryWarmthTimeline(DrawHistory::of(store), g.game, settings);
        for (int n = 2; n <= store.RecordCount(); ++n) {
            const int32_t* record = store.record(n);
            std::array<std::vector<std::string>, 3> mainKinds, secKinds;
            std::array<int, 3> counts{};
            for (int s = 1; s <= g.game.zhgs; ++s) {
                const int kind = static_cast<int>(main.at(n - 1, record[s]));
                mainKinds[static_cast<size_t>(kind)].push_back(twoDigits(record[s]));
                ++counts[static_cast<size_t>(kind)];
            }
            for (int s = g.game.zhgs + 1; s <= g.game.zhgs + g.game.fhgs; ++s)
                secKinds[static_cast<size_t>(sec.at(n - 1, record[s]))].push_back(twoDigits(record[s]));
            for (size_t k = 0; k < 3; ++k) {
                ASSERT_EQ(split(t.cell(n - 1, 2 + static_cast<int>(k))), mainKinds[k]) << g.name << " record " << n;
                ASSERT_EQ(split(t.cell(n - 1, 7 + static_cast<int>(k))), secKinds[k]) << g.name << " record " << n;
            }
            ASSERT_EQ(t.cell(n - 1, 1),
                      std::to_string(counts[0]) + ":" + std::to_string(counts[1]) + ":" + std::to_string(counts[2]));
        }
    }
}

TEST(DataTable3, TextsOfTheLastPeriodAndThePredictionRow) {
    t_s_dm store;
    test::fillSsq(store);
    const GameParams ssq{6, 1, 33, 1, 1, 16, true};
    test::addPrediction(store, {1, 2, 3, 4, 5, 6});
    const DataTable t = dataTable3(store, ssq, ColdHotSettings{}, "红号", "蓝号");
    EXPECT_EQ(t.header[1], "红号冷温热比");
    EXPECT_EQ(t.header[6], "蓝号冷温热比");
    const int last = t.rows() - 2;
    EXPECT_EQ(t.cell(last, 0), "2026096");
    const ColdWarmHotLists lists = coldWarmHotAt(store, ssq, ColdHotSettings{}, 2026096);
    std::string expected = "冷号：";
    for (int32_t n : lists.cold.values()) expected += twoDigits(n) + ",";
    expected += " 温号：";
    for (int32_t n : lists.warm.values()) expected += twoDigits(n) + ",";
    expected += " 热号：";
    for (int32_t n : lists.hot.values()) expected += twoDigits(n) + ",";
    EXPECT_EQ(t.cell(last, 5), expected);
    EXPECT_EQ(t.cell(last + 1, 0), "预测区");
    EXPECT_EQ(t.cell(last + 1, 6), "0:0:0") << "the prediction record has no secondary number";

    const GameParams noSecondary{5, 1, 35, 0, 0, 0, false};
    EXPECT_EQ(dataTable3(store, noSecondary, ColdHotSettings{}, "红号", "").columns(), 6);
    EXPECT_EQ(dataTable3(t_s_dm{}, ssq, ColdHotSettings{}, "红号", "蓝号").rows(), 0);
}

}  // namespace
}  // namespace lottodesk
