#include "conditionbacktest.h"

#include <algorithm>
#include <cstdio>

#include "condreport.h"
#include "core/drawtext.h"
#include "indicators/context.h"
#include "runframe.h"

namespace lottodesk {
namespace {

std::vector<int32_t> sortedMainNumbers(const t_s_dm& sjk, int n, int m) {
    const int32_t* record = sjk.record(n);
    std::vector<int32_t> numbers(record + 1, record + 1 + m);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The results are few enough, and a run costs far more than one pass over them.
bool amongResults(const std::vector<Ticket>& tickets, const std::vector<int32_t>& numbers) {
    const int m = static_cast<int>(numbers.size());
    return std::any_of(tickets.begin(), tickets.end(), [&](const Ticket& t) {
        for (int i = 0; i < m; ++i)
            if (t[i] != numbers[i]) return false;
        return true;
    });
}

bool repeatsEarlierDraw(const t_s_dm& sjk, int n, const std::vector<int32_t>& numbers) {
    const int m = static_cast<int>(numbers.size());
    for (int earlier = 1; earlier < n; ++earlier) {
        int32_t other[kMaxTicketNumbers];
        std::copy(sjk.record(earlier) + 1, sjk.record(earlier) + 1 + m, other);
        sortAscending(other, m);
        if (std::equal(other, other + m, numbers.begin())) return true;
    }
    return false;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace

ConditionBacktest conditionBacktest(Generator& generator, const Workspace& ws, int n, const RunOptions& options) {
    ConditionBacktest result;
    result.message = runStartMessage(ws, generator.conditions);
    if (!result.message.empty()) return result;
    const std::vector<int32_t> periods = ws.sjk.realPeriods();
    // The first draw has no history to filter with.
    const int count = std::min<int>(std::max(n, 0), static_cast<int>(periods.size()) - 1);
    if (count <= 0) {
        result.message = kConditionBacktestTooFewDraws;
        return result;
    }
    const int m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    const MainConditions& c = generator.conditions;
    RunOptions runOptions = options;
    runOptions.progress = nullptr;
    double resultSum = 0;
    for (int i = 0; i < count; ++i) {
        if (options.cancel && *options.cancel) return result;
        ConditionBacktestPeriod row;
        row.period = periods[periods.size() - count + i];
        runOptions.filterPeriod = row.period;
        const RunReport run = generator.run(ws, runOptions);
        if (!run.completed) {
            result.message = run.message;
            return result;
        }
        const int at = ws.sjk.indexOfPeriod(row.period);
        row.numbers = sortedMainNumbers(ws.sjk, at, m);
        row.resultCount = generator.results.tickets.size();
        row.survived = amongResults(generator.results.tickets, row.numbers);

        // Which conditions the draw fails, as the check report finds them.
        const CheckReport check = checkReport(c, indicatorContext(ws, nullptr), at, CheckMode::WrongOnly);
        if (!check.status) {
            result.message = check.status.message;
            return result;
        }
        int tolerated = 0;
        for (const FailedRow& failed : check.failed) {
            row.rejectedBy.push_back(failed.tolerant ? failed.caption + "（容错）" : failed.caption);
            tolerated += failed.tolerant ? 1 : 0;
        }
        if (c.totalToleranceEnabled && (tolerated < c.totalFrom || tolerated > c.totalTo))
            row.rejectedBy.push_back("总容错");
        if (c.noPastDraws && repeatsEarlierDraw(ws.sjk, at, row.numbers))
            row.rejectedBy.push_back("不允许和历史数据相同");

        result.survivedCount += row.survived ? 1 : 0;
        resultSum += static_cast<double>(row.resultCount);
        result.periods.push_back(std::move(row));
        if (options.progress) options.progress(i + 1, count);
    }
    result.survivalRate = static_cast<double>(result.survivedCount) / count;
    result.meanResultCount = resultSum / count;
    result.completed = true;
    return result;
}

std::string rejectedText(const ConditionBacktestPeriod& period) {
    std::string text;
    for (const std::string& caption : period.rejectedBy) {
        if (!text.empty()) text += "，";
        text += caption;
    }
    return text;
}

std::string conditionBacktestSummary(const ConditionBacktest& result) {
    return "保留率 " + std::to_string(result.survivedCount) + "/" + std::to_string(result.periods.size()) + " = " +
           fixed(result.survivalRate * 100, 2) + "%  平均结果个数 " + fixed(result.meanResultCount, 1);
}

std::vector<std::string> conditionBacktestReport(const ConditionBacktest& result) {
    std::vector<std::string> lines;
    lines.push_back("条件回测：最近" + std::to_string(result.periods.size()) + "期，每期用该期之前的开奖数据过滤");
    lines.push_back("");
    for (const ConditionBacktestPeriod& p : result.periods) {
        std::string line = std::to_string(p.period) + "  ";
        for (int32_t number : p.numbers) line += twoDigits(number) + " ";
        line += " 结果" + std::to_string(p.resultCount) + "个  ";
        line += p.survived ? "保留" : "淘汰";
        if (!p.rejectedBy.empty()) line += "  未通过：" + rejectedText(p);
        lines.push_back(std::move(line));
    }
    lines.push_back("");
    lines.push_back(conditionBacktestSummary(result));
    return lines;
}

}  // namespace lottodesk
