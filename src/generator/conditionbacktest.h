#pragma once
// The condition back-test ("条件回测"): how the main-zone conditions would have done on the last N
// real draws. For each of them the filter runs with the history cut before that draw (the filter
// period), and the draw is checked against the conditions as the "条件对错" report checks it: the
// result count, whether the draw's main numbers were among the results, and which conditions it
// failed. Then the survival rate and the mean result count.

#include <cstdint>
#include <string>
#include <vector>

#include "generator.h"

namespace lottodesk {

// "database/backtest.txt": the report file of the window.
inline constexpr const char* kConditionBacktestFile = "database/backtest.txt";
inline constexpr const char* kConditionBacktestTooFewDraws = "开奖数据不足两期，无法进行条件回测";

struct ConditionBacktestPeriod {
    int32_t period = 0;
    std::vector<int32_t> numbers;  // the draw's main numbers, ascending
    size_t resultCount = 0;
    bool survived = false;
    // What the draw failed: the captions of the failed conditions ("（容错）" after a tolerant one),
    // then "总容错" when the count of tolerated failures is outside the chosen range, then
    // "不允许和历史数据相同" when the rule is on and the draw repeats an earlier one.
    std::vector<std::string> rejectedBy;
};

struct ConditionBacktest {
    bool completed = false;  // false: stopped (message) or cancelled; periods holds those finished
    std::string message;     // why it stopped, to show in a message box; empty when cancelled
    std::vector<ConditionBacktestPeriod> periods;  // oldest first
    int survivedCount = 0;
    double survivalRate = 0;  // survived / periods, 0..1
    double meanResultCount = 0;
};

// Runs `generator.conditions` for each of the last `n` real draws of the history, oldest first.
// Only draws with at least one earlier draw are tested, so n is cut to the draws after the first.
// options.filterPeriod is ignored; options.cancel stops after the run in progress;
// options.progress is called on the calling thread after each draw (done, total draws).
// The generator's results are replaced by those of the last run: give it a worker generator.
ConditionBacktest conditionBacktest(Generator& generator, const Workspace& ws, int n, const RunOptions& options);

// The rejected-by list of one period joined by "，".
std::string rejectedText(const ConditionBacktestPeriod& period);
// The summary: "保留率 k/N = x.xx%  平均结果个数 y.y".
std::string conditionBacktestSummary(const ConditionBacktest& result);
// The report lines (UTF-8, no line ends): a heading, one line per period, the summary.
std::vector<std::string> conditionBacktestReport(const ConditionBacktest& result);

}  // namespace lottodesk
