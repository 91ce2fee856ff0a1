#include <gtest/gtest.h>

#include "generator/generator.h"
#include "generator/secondaryfilter.h"
#include "indicators/context.h"
#include "indicators/registry.h"
#include "support/history.h"

namespace lottodesk {
namespace {

// 超级大乐透: five of 1..35 and two of 1..12, over its real history.
void setUpDlt(Workspace& ws) {
    ws.sjk.Clear(false);
    for (const DrawRecord& record : parseDrawText(test::readFile(test::samplePath("dlt.txt")), 7).records) {
        ws.sjk.Append();
        ws.sjk.setRecord(ws.sjk.RecNo(), record);
    }
    ws.game = {5, 1, 35, 2, 1, 12, true};
    ws.partitions.rebuild(35);
}

std::vector<std::pair<int, int>> pairsOf(const SecondaryRun& run) {
    std::vector<std::pair<int, int>> pairs;
    for (const Ticket& t : run.results) pairs.emplace_back(t[0], t[1]);
    return pairs;
}

class SecondaryFilter : public ::testing::Test {
protected:
    void SetUp() override { setUpDlt(ws); }
    test::TempFolder home;
    Workspace ws{home.path()};
    SecondaryConditions c = resetSecondaryConditions(12);
};

TEST_F(SecondaryFilter, EveryPairInEnumerationOrder) {
    const SecondaryRun run = runSecondaryFilter(ws, c);
    ASSERT_TRUE(run.completed) << run.message;
    const auto pairs = pairsOf(run);
    ASSERT_EQ(pairs.size(), 66u);
    EXPECT_EQ(pairs[0], std::make_pair(11, 12));
    EXPECT_EQ(pairs[1], std::make_pair(10, 12));
    EXPECT_EQ(pairs[11], std::make_pair(10, 11));
    EXPECT_EQ(pairs.back(), std::make_pair(1, 2));
    EXPECT_EQ(run.statusText, "超强组号  已得到符合条件的副号组有66个");
    EXPECT_EQ(run.countText, "投注结果：共66注");

    c.fixed[5] = true;
    const auto fixed = pairsOf(runSecondaryFilter(ws, c));
    ASSERT_EQ(fixed.size(), 11u);
    EXPECT_EQ(fixed[0], std::make_pair(5, 12));
    EXPECT_EQ(fixed.back(), std::make_pair(1, 5));
    c.fixed[7] = c.fixed[9] = true;
    EXPECT_TRUE(runSecondaryFilter(ws, c).results.empty()) << "more fixed numbers than the zone holds";
}

TEST_F(SecondaryFilter, RowsToleranceAndTotal) {
    c.rows[SecondaryConditions::Sum] = {true, {13}, false};
    EXPECT_EQ(pairsOf(runSecondaryFilter(ws, c)),
              (std::vector<std::pair<int, int>>{{1, 12}, {2, 11}, {3, 10}, {4, 9}, {5, 8}, {6, 7}}));

    c.rows[SecondaryConditions::Sum] = {true, {13}, true};
    c.rows[SecondaryConditions::Span] = {true, {1}, true};
    EXPECT_EQ(pairsOf(runSecondaryFilter(ws, c)).size(), 66u) << "tolerated failures pass without 总容错";
    c.totalToleranceEnabled = true;
    c.totalFrom = c.totalTo = 0;
    EXPECT_EQ(pairsOf(runSecondaryFilter(ws, c)), (std::vector<std::pair<int, int>>{{6, 7}}));
    c.totalFrom = c.totalTo = 2;
    EXPECT_EQ(pairsOf(runSecondaryFilter(ws, c)).size(), 66u - 6 - 11 + 1) << "neither sum 13 nor span 1";

    // An enabled row with an empty set takes no part.
    SecondaryConditions empty = resetSecondaryConditions(12);
    empty.rows[SecondaryConditions::Num1] = {true, {}, false};
    EXPECT_EQ(runSecondaryFilter(ws, empty).results.size(), 66u);
}

// Each row, 副区偏度 included, keeps exactly the pairs whose indicator value the registry gives on
// the candidate draw is allowed, also with the history cut before a filter period.
TEST_F(SecondaryFilter, EveryRowAgreesWithTheRegistry) {
    const int32_t period = ws.sjk.FieldValueAt(ws.sjk.RecordCount() - 20, 0);
    for (int32_t filterPeriod : {0, period}) {
        for (int row = 1; row <= 8; ++row) {
            const std::string id = kSecondaryRowIds[row];
            // The allowed values: those of every third pair, so each row keeps some and drops some.
            t_s_dm& sjk = ws.sjk;
            const int cut = filterPeriod == 0 ? sjk.RecordCount() : sjk.indexOfPeriod(filterPeriod) - 1;
            auto valueOf = [&](int a, int b) {
                DrawRecord record{};
                record[0] = kCandidatePeriod;
                record[6] = a;
                record[7] = b;
                DrawHistory history{sjk.record(0), cut, record.data()};
                const IndicatorContext ctx{history, ws.game, &ws.partitions, ws.settings, nullptr};
                return getzb(id, ctx, cut + 1);
            };
            std::vector<int32_t> allowed;
            int k = 0;
            for (int a = 1; a <= 12; ++a)
                for (int b = a + 1; b <= 12; ++b)
                    if (k++ % 3 == 0) allowed.push_back(valueOf(a, b));
            SecondaryConditions one = resetSecondaryConditions(12);
            one.rows[static_cast<size_t>(row)] = {true, allowed, false};
            const SecondaryRun run = runSecondaryFilter(ws, one, filterPeriod);
            std::vector<std::pair<int, int>> expected;
            for (int b = 12; b >= 1; --b)
                for (int a = b - 1; a >= 1; --a)
                    if (std::find(allowed.begin(), allowed.end(), valueOf(a, b)) != allowed.end())
                        expected.emplace_back(a, b);
            EXPECT_EQ(pairsOf(run), expected) << id << " " << filterPeriod;
            EXPECT_LT(expected.size(), 66u) << id;
        }
    }
}

TEST_F(SecondaryFilter, RefusalsAndCustomIndicators) {
    ASSERT_TRUE(c.custom.add("f_hz%2", false, {0}));
    c.customEnabled = true;
    EXPECT_EQ(runSecondaryFilter(ws, c).results.size(), 30u) << "even sums: 6 * 5 pairs";
    SecondaryConditions stop = resetSecondaryConditions(12);
    ASSERT_TRUE(stop.custom.add("1/(f_hz-13)", false, {0}));
    stop.customEnabled = true;
    const SecondaryRun stopped = runSecondaryFilter(ws, stop);
    EXPECT_FALSE(stopped.completed);
    EXPECT_FALSE(stopped.message.empty()) << "a division by zero stops the run with its message";

    DrawRecord prediction{};
    prediction[0] = kPredictionPeriod;
    ws.sjk.Append();
    ws.sjk.setRecord(ws.sjk.RecNo(), prediction);
    EXPECT_EQ(runSecondaryFilter(ws, c).message, kPredictionPresentMessage);
    ASSERT_TRUE(removePredictionRecord(ws.sjk));

    ws.game.fhgs = 1;
    EXPECT_EQ(runSpecialFilter(ws, {}).completed, true);
    ws.game.fhgs = 0;
    EXPECT_EQ(runSecondaryFilter(ws, c).message, kSecondaryFilterShapeMessage);
    EXPECT_EQ(runSpecialFilter(ws, {}).message, kSpecialFilterShapeMessage);
}

TEST(SpecialFilter, MeansInExactTenths) {
    EXPECT_EQ(meanTenths(5, 2), 25);
    EXPECT_EQ(meanTenths(1, 4), 2) << "0.25 to even";
    EXPECT_EQ(meanTenths(3, 4), 8) << "0.75 to even";
    EXPECT_EQ(meanTenths(21, 4), 52);
    EXPECT_EQ(meanTenths(23, 4), 58);
    EXPECT_EQ(meanTenths(10, 3), 33);
    EXPECT_EQ(meanTenths(20, 3), 67);
    EXPECT_EQ(meanTenths(81, 10), 81);
}

class SpecialFilterSsq : public ::testing::Test {
protected:
    void SetUp() override { test::setUpSsq(ws); }
    std::vector<int> numbers() const { return runSpecialFilter(ws, c).results; }
    test::TempFolder home;
    Workspace ws{home.path()};
    SpecialNumberConditions c;
};

TEST_F(SpecialFilterSsq, ChoiceAndValueRows) {
    EXPECT_EQ(numbers().size(), 16u);
    EXPECT_EQ(runSpecialFilter(ws, c).countText, "过滤结果：共16个");
    struct Case {
        std::function<void(SpecialNumberConditions&)> set;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {[](auto& s) {
             s.parity = {true, 0, false};
         },
         {1, 3, 5, 7, 9, 11, 13, 15}},
        {[](auto& s) {
             s.parity = {true, 1, false};
         },
         {2, 4, 6, 8, 10, 12, 14, 16}},
        {[](auto& s) {
             s.primality = {true, 0, false};
         },
         {1, 2, 3, 5, 7, 11, 13}},
        {[](auto& s) {
             s.zone = {true, 0, false};
         },
         {1, 2, 3, 4, 5, 6, 7, 8}},
        {[](auto& s) {
             s.zone = {true, 1, false};
         },
         {9, 10, 11, 12, 13, 14, 15, 16}},
        {[](auto& s) {
             s.values[0] = {true, {0}, false};
         },
         {3, 6, 9, 12, 15}},
        {[](auto& s) {
             s.values[2] = {true, {1, 2}, false};
         },
         {1, 2, 6, 7, 11, 12, 16}},
        // The newest blue number is 04: amplitude |J - 4| in {0, 2}.
        {[](auto& s) {
             s.values[3] = {true, {0, 2}, false};
         },
         {2, 4, 6}},
        // Two-period mean of J and 04 within 2.5..3.0: J = 1 (2.5) and 2 (3.0).
        {[](auto& s) {
             s.means[0] = {true, 2.5, 3.0, false};
         },
         {1, 2}},
        {[](auto& s) {
             s.means[0] = {true, 2.5, std::nullopt, false};
         },
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        c = {};
        cases[i].set(c);
        EXPECT_EQ(numbers(), cases[i].expected) << i;
    }
}

TEST_F(SpecialFilterSsq, OmissionAgreesWithTheRegistry) {
    std::vector<int> expected;
    std::vector<int32_t> allowed = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int J = 1; J <= 16; ++J) {
        DrawRecord record{};
        record[0] = kCandidatePeriod;
        for (int i = 1; i <= 6; ++i) record[i] = i;
        record[7] = J;
        SeriesMemo memo;
        const int32_t value = getzb("f_num1yl", indicatorContext(ws, &memo, record.data()), ws.sjk.RecordCount() + 1);
        if (std::find(allowed.begin(), allowed.end(), value) != allowed.end()) expected.push_back(J);
    }
    c.values[4] = {true, allowed, false};
    EXPECT_EQ(numbers(), expected);
    EXPECT_FALSE(expected.empty());
    EXPECT_LT(expected.size(), 16u);
}

TEST_F(SpecialFilterSsq, ToleranceCodesAndTotal) {
    c.parity = {true, 0, true};
    c.zone = {true, 0, true};
    SpecialRun run = runSpecialFilter(ws, c);
    EXPECT_EQ(run.results.size(), 16u) << "总容错 applies only when ticked";
    EXPECT_EQ(run.codes[1], 0);
    EXPECT_EQ(run.codes[2], 1);
    EXPECT_EQ(run.codes[9], 3);
    EXPECT_EQ(run.codes[10], 3) << "the last tolerated failure";
    c.totalToleranceEnabled = true;
    c.totalFrom = c.totalTo = 0;
    run = runSpecialFilter(ws, c);
    EXPECT_EQ(run.results, (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(run.passed[1], 1);
    EXPECT_EQ(run.passed[2], 0);
    c.totalFrom = c.totalTo = 2;
    EXPECT_EQ(runSpecialFilter(ws, c).results, (std::vector<int>{10, 12, 14, 16}));

    c = {};
    c.parity = {true, 0, false};
    c.zone = {true, 0, true};
    run = runSpecialFilter(ws, c);
    EXPECT_EQ(run.results.size(), 8u);
    EXPECT_EQ(run.codes[9], 3);
}

}  // namespace
}  // namespace lottodesk
