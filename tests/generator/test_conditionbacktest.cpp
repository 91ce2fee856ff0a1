#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "generator/condfile.h"
#include "generator/conditionbacktest.h"
#include "generator/condreport.h"
#include "support/history.h"

namespace lottodesk {
namespace {

class ConditionBacktestRuns : public ::testing::Test {
protected:
    void SetUp() override { test::setUpSsq(ws); }

    MainConditions typical() {
        MainConditionLoad load =
            loadMainConditions(std::string(LOTTODESK_TEST_DATA_DIR) + "/typical.zh", ws.game.zh_to);
        EXPECT_TRUE(load.status) << load.status.message;
        return load.conditions;
    }

    // Two numbers of the newest draw fixed, nothing else: the newest draw survives, earlier draws
    // only when they hold both numbers, and "胆码" names the failure.
    MainConditions fixedFromNewest() {
        MainConditions c = resetConditions(33);
        c.noEqualSpacing = c.noSpecialRuns = false;
        const int32_t* newest = ws.sjk.record(ws.sjk.newestRealRecord());
        c.fixed[newest[1]] = true;
        c.fixed[newest[2]] = true;
        return c;
    }

    static bool holds(const std::vector<Ticket>& tickets, const std::vector<int32_t>& numbers) {
        return std::any_of(tickets.begin(), tickets.end(),
                           [&](const Ticket& t) { return std::equal(numbers.begin(), numbers.end(), t.begin()); });
    }

    test::TempFolder home;
    Workspace ws{home.path()};
};

TEST_F(ConditionBacktestRuns, EachPeriodIsTheRunAtItsFilterPeriod) {
    Generator generator{1};
    generator.conditions = typical();
    RunOptions options;
    options.threads = 2;
    const ConditionBacktest result = conditionBacktest(generator, ws, 5, options);
    ASSERT_TRUE(result.completed) << result.message;
    ASSERT_EQ(result.periods.size(), 5u);

    const std::vector<int32_t> periods = ws.sjk.realPeriods();
    int survived = 0;
    double sum = 0;
    for (size_t i = 0; i < 5; ++i) {
        const ConditionBacktestPeriod& row = result.periods[i];
        EXPECT_EQ(row.period, periods[periods.size() - 5 + i]);
        // A run of its own at that filter period gives the same figures (the oldest and newest).
        if (i == 0 || i == 4) {
            Generator direct{2};
            direct.conditions = generator.conditions;
            RunOptions at;
            at.filterPeriod = row.period;
            ASSERT_TRUE(direct.run(ws, at).completed);
            EXPECT_EQ(row.resultCount, direct.results.tickets.size()) << row.period;
            EXPECT_EQ(row.survived, holds(direct.results.tickets, row.numbers)) << row.period;
        }
        // The check report and the run agree: a draw survives exactly when no condition rejects it.
        const bool rejected = std::any_of(row.rejectedBy.begin(), row.rejectedBy.end(),
                                          [](const std::string& r) { return r.find("（容错）") == std::string::npos; });
        EXPECT_EQ(row.survived, !rejected) << row.period << " " << rejectedText(row);
        survived += row.survived;
        sum += static_cast<double>(row.resultCount);
    }
    EXPECT_EQ(result.survivedCount, survived);
    EXPECT_DOUBLE_EQ(result.survivalRate, survived / 5.0);
    EXPECT_DOUBLE_EQ(result.meanResultCount, sum / 5);
    // The history is as it was.
    EXPECT_EQ(ws.sjk.realPeriods(), periods);
}

TEST_F(ConditionBacktestRuns, SurvivalAndTheFailedConditionsOfKnownDraws) {
    Generator generator{1};
    generator.conditions = fixedFromNewest();
    const ConditionBacktest result = conditionBacktest(generator, ws, 3, RunOptions{});
    ASSERT_TRUE(result.completed) << result.message;
    ASSERT_EQ(result.periods.size(), 3u);
    for (const ConditionBacktestPeriod& row : result.periods) {
        EXPECT_EQ(row.resultCount, 31u * 30 * 29 * 28 / 24) << row.period;
        const bool both = std::count_if(row.numbers.begin(), row.numbers.end(),
                                        [&](int32_t n) { return generator.conditions.fixed[n]; }) == 2;
        EXPECT_EQ(row.survived, both) << row.period;
        EXPECT_EQ(rejectedText(row), both ? "" : "胆码") << row.period;
    }
    EXPECT_TRUE(result.periods.back().survived);
    const std::vector<std::string> lines = conditionBacktestReport(result);
    ASSERT_EQ(lines.size(), 3u + 4);
    EXPECT_EQ(lines[0], "条件回测：最近3期，每期用该期之前的开奖数据过滤");
    EXPECT_NE(lines[4].find("  结果31465个  保留"), std::string::npos) << lines[4];
    EXPECT_EQ(lines.back(), conditionBacktestSummary(result));
}

TEST_F(ConditionBacktestRuns, TotalToleranceAndPastDrawsAreNamed) {
    // A tolerant row every draw fails, with "总容错" demanding two tolerated failures.
    MainConditions c = resetConditions(33);
    c.rows[2] = {true, {-1}, true, {}, {}};
    c.totalToleranceEnabled = true;
    c.totalFrom = 2;
    c.totalTo = 2;
    c.noPastDraws = true;
    Generator generator{1};
    generator.conditions = c;
    const ConditionBacktest result = conditionBacktest(generator, ws, 1, RunOptions{});
    ASSERT_TRUE(result.completed) << result.message;
    ASSERT_EQ(result.periods.size(), 1u);
    EXPECT_EQ(result.periods[0].resultCount, 0u);
    EXPECT_FALSE(result.periods[0].survived);
    EXPECT_EQ(rejectedText(result.periods[0]), "奇数个数（容错），总容错");
    EXPECT_EQ(conditionBacktestSummary(result), "保留率 0/1 = 0.00%  平均结果个数 0.0");
}

TEST_F(ConditionBacktestRuns, StopsAndRefusals) {
    Generator generator{1};
    generator.conditions = fixedFromNewest();

    // Cancelled: nothing finished, no message.
    std::atomic<bool> cancel{true};
    RunOptions cancelled;
    cancelled.cancel = &cancel;
    ConditionBacktest result = conditionBacktest(generator, ws, 3, cancelled);
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(result.message.empty());

    // Progress after each draw, on this thread; N beyond the history is cut to the draws after the first.
    test::fill(ws.sjk, {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 12, 2}, {1, 2, 13, 14, 15, 16, 3}});
    generator.conditions = resetConditions(33);
    generator.conditions.noEqualSpacing = generator.conditions.noSpecialRuns = false;
    generator.conditions.fixed[1] = generator.conditions.fixed[2] = true;
    std::vector<std::pair<int, int>> calls;
    RunOptions progress;
    progress.progress = [&](int done, int total) { calls.emplace_back(done, total); };
    result = conditionBacktest(generator, ws, 100, progress);
    ASSERT_TRUE(result.completed) << result.message;
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    ASSERT_EQ(result.periods.size(), 2u);
    EXPECT_FALSE(result.periods[0].survived);
    EXPECT_TRUE(result.periods[1].survived);

    // A draw that repeats an earlier one, with the rule on: the run drops it and the rule is named.
    test::fill(ws.sjk, {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 12, 2}, {6, 5, 4, 3, 2, 1, 3}});
    generator.conditions.noPastDraws = true;
    result = conditionBacktest(generator, ws, 2, RunOptions{});
    ASSERT_TRUE(result.completed) << result.message;
    EXPECT_EQ(rejectedText(result.periods[0]), "胆码");
    EXPECT_FALSE(result.periods[1].survived);
    EXPECT_EQ(rejectedText(result.periods[1]), "不允许和历史数据相同");
    generator.conditions.noPastDraws = false;

    // Too few draws, a prediction record, a range row without bounds: the run's own messages.
    test::fill(ws.sjk, {{1, 2, 3, 4, 5, 6, 1}});
    EXPECT_EQ(conditionBacktest(generator, ws, 5, RunOptions{}).message, kConditionBacktestTooFewDraws);
    test::setUpSsq(ws);
    ws.sjk.Append();
    ws.sjk.SetFieldValue(0, kPredictionPeriod);
    EXPECT_EQ(conditionBacktest(generator, ws, 5, RunOptions{}).message, kPredictionPresentMessage);
    EXPECT_TRUE(removePredictionRecord(ws.sjk));
    generator.conditions.rows[34].enabled = true;
    EXPECT_EQ(conditionBacktest(generator, ws, 5, RunOptions{}).message, kDeviationRangeMissing);
}

}  // namespace
}  // namespace lottodesk
