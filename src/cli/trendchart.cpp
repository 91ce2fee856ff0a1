// `trend CODE` (the indicator trend) and `chart KIND` (the chart pages of the trend analysis).
#include "cli/command.h"
#include "cli/common.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "analysis/indicatortrend.h"
#include "analysis/trendcharts.h"
#include "core/integertext.h"
#include "core/workspace.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kTrendUsage =
    "用法: trend CODE [--feature 奇偶|质合|012路|尾数|振幅|遗漏|遗漏振幅|大小|除余数] [--middle M] [--divisor N]\n"
    "                 [--stats all|P1-P2]";
constexpr const char* kChartUsage =
    "用法: chart remainders [--k 3|4|5] | chart spacing | chart dispersion | chart omission N | chart omission2 N";

std::string periodText(int32_t period) { return period == kPredictionPeriod ? "预测区" : std::to_string(period); }

// Whole values print as integers, the others with two decimals.
std::string valueText(double v) {
    if (v == std::floor(v) && std::abs(v) < 1e15) return std::to_string(static_cast<long long>(v));
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// The statistics range of --stats: every record, or the records of periods P1..P2.
bool statsRange(const std::string& text, const std::vector<int32_t>& periods, int& first, int& last) {
    first = 0;
    last = static_cast<int>(periods.size()) - 1;
    if (text == "all") return true;
    const size_t dash = text.find('-');
    if (dash == std::string::npos) return false;
    const std::optional<int> from = parseInteger(text.substr(0, dash));
    const std::optional<int> to = parseInteger(text.substr(dash + 1));
    if (!from || !to) return false;
    first = static_cast<int>(std::lower_bound(periods.begin(), periods.end(), std::min(*from, *to)) - periods.begin());
    last =
        static_cast<int>(std::upper_bound(periods.begin(), periods.end(), std::max(*from, *to)) - periods.begin()) - 1;
    return true;
}

// The two series, one row per record; with --stats the statistics box instead.
int runTrend(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    if (opts.positional.size() != 1) return usage(err, kTrendUsage);
    const std::string& code = opts.positional[0];
    FeatureOptions options;
    const std::string feature = opts.valueOr("--feature", "奇偶");
    const auto& names = trendFeatureNames();
    const auto named = std::find(names.begin(), names.end(), feature);
    if (named == names.end()) return usage(err, kTrendUsage);
    // "中间值" 1..1000 and the divisor list "4".."20".
    const std::optional<int> middle = boundedOption(opts, "--middle", 17, {1, 1000}, err, kTrendUsage);
    if (!middle) return kUsage;
    const std::optional<int> divisor = boundedOption(opts, "--divisor", 4, {4, 20}, err, kTrendUsage);
    if (!divisor) return kUsage;
    options.feature = static_cast<TrendFeature>(named - names.begin());
    options.middle = *middle;
    options.divisor = *divisor;

    const IndicatorTrend trend = indicatorTrend(ws, code, options);
    if (!trend.status) {
        err << trend.status.message << '\n';
        return kStopped;
    }
    const std::string featureName = code + "的" + featureTitle(options);
    if (opts.has("--stats")) {
        int first = 0, last = 0;
        if (!statsRange(opts.value("--stats"), trend.periods, first, last)) return usage(err, kTrendUsage);
        out.columns({"统计"});
        out.textColumns({0});
        out.row({statisticsLine(code, trendStatistics(trend.values, first, last))});
        out.row({statisticsLine(featureName, trendStatistics(trend.features, first, last))});
        if (first <= last)
            out.row({statisticsRangeLine(trend.periods[static_cast<size_t>(first)],
                                         trend.periods[static_cast<size_t>(last)])});
        return kDone;
    }
    out.header({"期数", code, featureName});
    for (size_t i = 0; i < trend.periods.size(); ++i)
        out.row({periodText(trend.periods[i]), std::to_string(trend.values[i]), std::to_string(trend.features[i])});
    return kDone;
}

// KIND, and N for the omission trends; --k for the remainders only.
int runChart(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    const std::vector<std::string>& args = opts.positional;
    if (args.empty() || (opts.has("--k") && args[0] != "remainders")) return usage(err, kChartUsage);
    const std::string& kind = args[0];
    TrendChartData chart;
    if (kind == "remainders" && args.size() == 1) {
        // "除三余数", "除四余数", "除五余数".
        const std::optional<int> k = boundedOption(opts, "--k", 3, {3, 5}, err, kChartUsage);
        if (!k) return kUsage;
        chart = remainderChart(ws.sjk, ws.game, *k);
    } else if ((kind == "spacing" || kind == "dispersion") && args.size() == 1) {
        chart = kind == "spacing" ? spacingChart(ws.sjk, ws.game) : dispersionChart(ws.sjk, ws.game);
    } else if ((kind == "omission" || kind == "omission2") && args.size() == 2) {
        const bool secondary = kind == "omission2";
        const std::optional<int> number = parseInteger(args[1]);
        const int lo = secondary ? ws.game.spec_from : ws.game.zh_from;
        const int hi = secondary ? ws.game.spec_to : ws.game.zh_to;
        if (secondary && (!ws.game.hasspec || ws.game.fhgs == 0)) {
            err << "该彩种没有副号\n";
            return kStopped;
        }
        if (!number || *number < lo || *number > hi) {
            err << "号码应在" << lo << "到" << hi << "之间\n";
            return kStopped;
        }
        chart = omissionTrendChart(ws.sjk, ws.game, secondary, *number);
    } else {
        return usage(err, kChartUsage);
    }
    std::vector<std::string> cells = {"期数"};
    cells.insert(cells.end(), chart.names.begin(), chart.names.end());
    out.header(cells);
    for (size_t i = 0; i < chart.periods.size(); ++i) {
        cells.assign(1, periodText(chart.periods[i]));
        for (const auto& s : chart.series) cells.push_back(valueText(s[i]));
        out.row(cells);
    }
    return kDone;
}

}  // namespace

std::vector<Command> trendCommands() {
    return {
        {"trend",
         "trend CODE [--feature 特征] [--middle M] [--divisor N] [--stats all|P1-P2]",
         "指标走势：期数 指标值 特征值；--stats 统计框的三行",
         1,
         {valued("--feature"), valued("--middle"), valued("--divisor"), valued("--stats")},
         [](const CommandCall& c) { return runTrend(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"chart",
         "chart remainders [--k 3|4|5] | spacing | dispersion | omission N | omission2 N",
         "走势图表页（余数图、间隔分析、离中量、主号/副号遗漏走势）：期数 各系列",
         2,
         {valued("--k")},
         [](const CommandCall& c) { return runChart(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
    };
}

}  // namespace lottodesk::cli
