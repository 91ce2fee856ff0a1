#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "analysis/datatables.h"
#include "analysis/distribution.h"
#include "support/games.h"

namespace lottodesk {
namespace {

void appendDraw(t_s_dm& store, int32_t period, std::initializer_list<int32_t> numbers) {
    DrawRecord record{};
    record[0] = period;
    size_t slot = 1;
    for (int32_t n : numbers) record[slot++] = n;
    store.Append();
    store.setRecord(store.RecNo(), record);
}

// A literal reading of the mark rules, cell by cell: the drawn matrix D of the rows from two before
// the first visible row to one after the last, numbers zh_from..zh_to.
struct Literal {
    std::vector<std::vector<bool>> D;
    int top = 0;  // the row of D[0]
    int lo = 0;

    Literal(const t_s_dm& store, const GameParams& g, int first, int count) : lo(g.zh_from) {
        top = std::max(first - 2, 0);
        // 44 periods from two before the first row (at least the rows shown and the one after).
        const int bottom = std::min(std::max(top + 44, first + count + 1), store.RecordCount());
        for (int row = top; row < bottom; ++row) {
            std::vector<bool> drawn(static_cast<size_t>(g.zh_to - g.zh_from + 1), false);
            for (int s = 1; s <= g.zhgs; ++s) drawn[static_cast<size_t>(store.record(row + 1)[s] - lo)] = true;
            D.push_back(drawn);
        }
    }
    bool d(int h, int i) const {
        return h >= 0 && h < static_cast<int>(D.size()) && i >= 0 && i < static_cast<int>(D[0].size()) &&
               D[static_cast<size_t>(h)][static_cast<size_t>(i)];
    }

    // The shapes each rule marks, as offsets from an anchor cell: a cell is marked when it lies in
    // some placement of a shape whose cells are all drawn.
    using Shape = std::vector<std::pair<int, int>>;
    static std::vector<Shape> shapes(MarkRule rule) {
        switch (rule) {
        case MarkRule::Consecutive: return {{{0, 0}, {0, 1}}};
        case MarkRule::Repeat: return {{{0, 0}, {1, 0}}};
        case MarkRule::LeftDiagonal: return {{{0, 0}, {1, -1}}};
        case MarkRule::RightDiagonal: return {{{0, 0}, {1, 1}}};
        case MarkRule::Diagonal: return {{{0, 0}, {1, -1}}, {{0, 0}, {1, 1}}};
        case MarkRule::UpperLeftTriangle: return {{{0, 0}, {1, 0}, {0, 1}}};
        case MarkRule::UpperRightTriangle: return {{{0, 0}, {0, 1}, {1, 1}}};
        case MarkRule::LowerLeftTriangle: return {{{0, 0}, {1, 0}, {1, 1}}};
        case MarkRule::LowerRightTriangle: return {{{0, 0}, {1, 0}, {1, -1}}};
        case MarkRule::Triangle:  // three of the four cells of a square
            return {
                {{0, 0}, {0, 1}, {1, 0}}, {{0, 0}, {0, 1}, {1, 1}}, {{0, 0}, {1, 0}, {1, 1}}, {{0, 1}, {1, 0}, {1, 1}}};
        default: return {};
        }
    }
    int single(MarkRule rule, int h, int i) const {
        for (const Shape& shape : shapes(rule))
            for (const auto& [ah, ai] : shape) {  // the cell as each member of the shape
                bool all = true;
                for (const auto& [oh, oi] : shape) all = all && d(h - ah + oh, i - ai + oi);
                if (all) return 1;
            }
        return 0;
    }
    // The length of the run through (h, i) along (dh, di), walked both ways.
    int run(int h, int i, int dh, int di) const {
        int length = 1;
        for (int s = 1; d(h + s * dh, i + s * di); ++s) ++length;
        for (int s = 1; d(h - s * dh, i - s * di); ++s) ++length;
        return length;
    }
    int combined(int h, int i, bool threeOrMore) const {
        int code = 0;
        auto take = [&](int length, int two, int longer) {
            if (length < 2) return;
            const int c = length == 2 ? two : longer;
            if (code == 0 || c >= 5) code = c;
        };
        take(run(h, i, 0, 1), 1, 4);
        take(run(h, i, 1, 0), 2, 5);
        take(run(h, i, 1, -1), 3, 6);
        take(run(h, i, 1, 1), 3, 6);
        return threeOrMore && code < 4 ? 0 : code;
    }
    int mark(MarkRule rule, int row, int number) const {
        const int h = row - top, i = number - lo;
        if (!d(h, i) || rule == MarkRule::None) return 0;
        if (rule == MarkRule::CombinedTwoOrMore || rule == MarkRule::CombinedThreeOrMore)
            return combined(h, i, rule == MarkRule::CombinedThreeOrMore);
        return single(rule, h, i);
    }
};

// Every rule on windows all along the real histories of 双色球 and the seven-number 七乐彩, of 41,
// 7 and 1 visible rows, and over the whole history at once.
TEST(DistributionMarks, AgreeWithTheLiteralReadingOnRealHistories) {
    for (const test::SampleGame& g : test::sampleGames()) {
        if (std::string(g.name) != "ssq" && std::string(g.name) != "qlc") continue;
        t_s_dm store;
        test::fillSample(store, g);
        const DistributionChart chart = distributionChart(store, g.game);
        ASSERT_EQ(chart.rows(), store.RecordCount());
        ASSERT_EQ(chart.columns, g.game.zh_to);
        std::vector<std::pair<int, int>> windows = {{0, chart.rows()}, {0, 41}, {chart.rows() - 41, 41}};
        for (int first = 1; first < chart.rows(); first += 211)
            windows.push_back({first, std::min(first % 2 ? 41 : 7, chart.rows() - first)});
        windows.push_back({chart.rows() - 1, 1});
        for (size_t r = 0; r < markRuleNames().size(); ++r) {
            const MarkRule rule = static_cast<MarkRule>(r);
            for (const auto& [first, count] : windows) {
                const MarkMatrix m = markMatrix(chart, rule, first, count);
                ASSERT_EQ(m.rows, count);
                const Literal literal(store, g.game, first, count);
                for (int row = first; row < first + count; ++row)
                    for (int c = 0; c < chart.columns; ++c)
                        ASSERT_EQ(m.at(row, c), literal.mark(rule, row, chart.lo + c))
                            << g.name << " " << markRuleNames()[r] << " window " << first << "+" << count << " row "
                            << row << " number " << chart.lo + c;
            }
        }
    }
}

TEST(DistributionMarks, CombinedCodesOfRunsAndTheWindowEdges) {
    const GameParams game{3, 1, 10, 0, 0, 0, false};
    t_s_dm store;
    appendDraw(store, 1, {1, 5, 9});
    appendDraw(store, 2, {1, 5, 9});
    appendDraw(store, 3, {1, 2, 3});   // three consecutive numbers; 1 the third time running
    appendDraw(store, 4, {6, 7, 10});  // two consecutive numbers
    const DistributionChart chart = distributionChart(store, game);
    EXPECT_EQ(chart.draws[0], "01 05 09 ");
    const MarkMatrix two = markMatrix(chart, MarkRule::CombinedTwoOrMore, 0, 4);
    EXPECT_EQ(two.at(0, 0), kVerticalLong);
    EXPECT_EQ(two.at(1, 0), kVerticalLong);
    EXPECT_EQ(two.at(2, 0), kVerticalLong) << "the vertical run of three replaces the horizontal 4";
    EXPECT_EQ(two.at(2, 1), kHorizontalLong);
    EXPECT_EQ(two.at(2, 2), kHorizontalLong);
    EXPECT_EQ(two.at(0, 4), kVerticalTwo);
    EXPECT_EQ(two.at(3, 5), kHorizontalTwo);
    EXPECT_EQ(two.at(3, 6), kHorizontalTwo);
    EXPECT_EQ(two.at(3, 9), 0) << "10 has no neighbour above the main maximum";
    EXPECT_EQ(two.at(2, 4), 0) << "not drawn";
    const MarkMatrix three = markMatrix(chart, MarkRule::CombinedThreeOrMore, 0, 4);
    EXPECT_EQ(three.at(3, 5), 0);
    EXPECT_EQ(three.at(2, 1), kHorizontalLong);

    // Showing one row, the matrix holds the two rows before it and the 41 after; runs are seen
    // only as far as the matrix reaches.
    const MarkMatrix last = markMatrix(chart, MarkRule::CombinedTwoOrMore, 3, 1);
    EXPECT_EQ(last.first, 3);
    EXPECT_EQ(last.at(3, 5), kHorizontalTwo);
    const MarkMatrix middle = markMatrix(chart, MarkRule::Repeat, 2, 1);
    EXPECT_EQ(middle.at(2, 0), 1);
    EXPECT_EQ(middle.at(2, 1), 0);
    EXPECT_EQ(markMatrix(chart, MarkRule::CombinedTwoOrMore, 2, 1).at(2, 0), kVerticalLong);
    t_s_dm longer;
    for (int32_t p = 1; p <= 4; ++p) appendDraw(longer, p, {4, 8, 9});
    const DistributionChart four = distributionChart(longer, game);
    EXPECT_EQ(markMatrix(four, MarkRule::CombinedTwoOrMore, 3, 1).at(3, 3), kVerticalLong);
    EXPECT_EQ(markMatrix(four, MarkRule::CombinedTwoOrMore, 3, 1).at(3, 7), kVerticalLong)
        << "the vertical code of three replaces the horizontal 1";
    EXPECT_EQ(markMatrix(four, MarkRule::CombinedTwoOrMore, 0, 1).at(0, 3), kVerticalLong)
        << "the run goes on below the range: the matrix reaches 44 periods from two before it";
    EXPECT_EQ(markMatrix(four, MarkRule::CombinedTwoOrMore, 0, 1).at(0, 7), kVerticalLong)
        << "9 below 9 four times: the vertical run replaces the horizontal pair 8 9";
    appendDraw(longer, 5, {1, 2, 3});
    const DistributionChart five = distributionChart(longer, game);
    EXPECT_EQ(markMatrix(five, MarkRule::CombinedTwoOrMore, 4, 1).at(4, 0), kHorizontalLong);
    EXPECT_EQ(markMatrix(five, MarkRule::Repeat, 0, 1).at(0, 3), 1) << "the row after the range is in the matrix";

    // The mark of a row does not depend on where the window ends: a vertical run of 50 periods
    // shows the long code on the last visible row of every window that starts at the same row.
    t_s_dm run;
    for (int32_t p = 1; p <= 50; ++p) appendDraw(run, p, {2, 5, 9});
    const DistributionChart fifty = distributionChart(run, game);
    for (int count = 1; count <= 40; ++count)
        EXPECT_EQ(markMatrix(fifty, MarkRule::CombinedTwoOrMore, 0, count).at(count - 1, 4), kVerticalLong) << count;
    EXPECT_EQ(markMatrix(fifty, MarkRule::CombinedTwoOrMore, 2, 1).at(2, 1), kVerticalLong);

    EXPECT_EQ(markMatrix(chart, MarkRule::Consecutive, 3, 10).rows, 1) << "clipped to the chart";
    EXPECT_EQ(markMatrix(chart, MarkRule::Consecutive, 9, 10).rows, 0);
    EXPECT_EQ(newestWindowStart(chart, 3), 1);
    EXPECT_EQ(newestWindowStart(chart, 30), 0);
    EXPECT_EQ(markRuleNames().size(), 13u);
}

// A main range from 0: the columns follow the game, 0 beside 1.
TEST(DistributionMarks, ColumnsFollowTheGameRange) {
    const GameParams game{2, 0, 9, 0, 0, 0, false};
    t_s_dm store;
    appendDraw(store, 1, {0, 1});
    const DistributionChart chart = distributionChart(store, game);
    EXPECT_EQ(chart.header[2], "00");
    EXPECT_EQ(chart.header.back(), "09");
    EXPECT_EQ(markMatrix(chart, MarkRule::Consecutive, 0, 1).at(0, 0), 1);
}

// "冷温热分布": the class of each drawn number is the one data table 3 sorts it into.
TEST(DistributionWarmth, DrawnCellsTakeTheClassOfThePeriodBefore) {
    t_s_dm store;
    test::fillSsq(store);
    test::addPrediction(store, {2, 3, 5, 7, 11, 13});
    const GameParams ssq{6, 1, 33, 1, 1, 16, true};
    const ColdHotSettings settings;
    const DistributionChart chart = distributionChart(store, ssq);
    EXPECT_EQ(chart.periodText(chart.rows() - 1), "预测区");
    EXPECT_EQ(chart.draws[static_cast<size_t>(chart.rows() - 2)], "01 04 16 22 26 31 - 04 ");
    const WarmthTimeline timeline = mainWarmthTimeline(DrawHistory::of(store), ssq, settings);
    const DataTable t3 = dataTable3(store, ssq, settings, "红号", "蓝号");
    for (const int first : {0, chart.rows() - 40}) {
        const WarmthMarks w = warmthMarks(chart, timeline, first, 40);
        for (int row = first; row < first + 40; ++row)
            for (int c = 0; c < chart.columns; ++c) {
                const int8_t kind = w.at(row, c);
                if (!chart.isDrawn(row, c)) {
                    ASSERT_EQ(kind, -1);
                    continue;
                }
                ASSERT_GE(kind, 0);
                ASSERT_NE(t3.cell(row, 2 + kind).find(chart.header[static_cast<size_t>(2 + c)] + ","),
                          std::string::npos)
                    << "row " << row << " number " << chart.header[static_cast<size_t>(2 + c)];
            }
    }
}

}  // namespace
}  // namespace lottodesk
