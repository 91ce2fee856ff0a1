#include "cli/table.h"
#include "cli/charts.h"
#include "cli/analysis.h"
#include "cli/common.h"
#include "cli/drawwindow.h"
#include "cli/patterns.h"
#include "cli/trendtable.h"

#include <map>
#include <optional>
#include <ostream>

#include "analysis/numberformat.h"
#include "analysis/statsarea.h"
#include "core/integertext.h"
#include "core/workspace.h"

namespace lottodesk {
namespace {

using cli::kDone;
using cli::kStopped;
using cli::kUsage;
using cli::usage;

constexpr const char* kStatsUsage =
    "用法: table stats [--recent N|所有] [--from P1 --to P2] [--page chart|1|2|labels] [--zone main|secondary]\n"
    "                  [--order number|hits|omission] [--divisor 3|4|5] [--secondary-divisor 3|4|5]";

std::optional<std::map<std::string, std::string>> options(const std::vector<std::string>& args, size_t from,
                                                          const std::vector<std::string>& allowed) {
    return cli::viewOptions(args, allowed, from);
}

void printGroups(const std::vector<StatGroup>& groups, const std::string& secondaryLabel, std::ostream& out) {
    out << "分组\t项目\t数值\t比例\n";
    for (const StatGroup& group : groups) {
        const std::string title = group.secondary ? secondaryLabel + group.title : group.title;
        for (const StatLine& line : group.lines)
            out << title << '\t' << line.label << '\t' << line.value << '\t' << line.share << '\n';
    }
}

int statsTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto opts = options(
        args, 1, {"--recent", "--from", "--to", "--page", "--zone", "--order", "--divisor", "--secondary-divisor"});
    if (!opts) return usage(err, kStatsUsage);
    auto value = [&](const char* name, const char* fallback) {
        auto it = opts->find(name);
        return it == opts->end() ? std::string(fallback) : it->second;
    };

    StatsOptions o;
    cli::DrawWindowArgs window;
    if (const int code = cli::parseDrawWindow(ws.sjk, *opts, kStatsUsage, window, err); code != kDone) return code;
    if (window.custom) {
        o.mode = StatsWindowMode::Custom;
        o.fromPeriod = window.fromPeriod;
        o.toPeriod = window.toPeriod;
    } else {
        o.recent = window.recent;
    }
    // "除三余数", "除四余数", "除五余数".
    const std::optional<int> mainDivisor = cli::boundedOption(*opts, "--divisor", 3, {3, 5}, err, kStatsUsage);
    if (!mainDivisor) return kUsage;
    const std::optional<int> secondaryDivisor =
        cli::boundedOption(*opts, "--secondary-divisor", 3, {3, 5}, err, kStatsUsage);
    if (!secondaryDivisor) return kUsage;
    o.mainDivisor = *mainDivisor;
    o.secondaryDivisor = *secondaryDivisor;

    const std::string page = value("--page", "chart");
    const std::string zone = value("--zone", "main");
    const std::string order = value("--order", "number");
    if (page != "chart" && page != "1" && page != "2" && page != "labels") return usage(err, kStatsUsage);
    if (zone != "main" && zone != "secondary") return usage(err, kStatsUsage);
    if (order != "number" && order != "hits" && order != "omission") return usage(err, kStatsUsage);

    StatsArea area;
    const StatsResult& r = area.run(ws, o);
    if (page == "chart") {
        const ZoneNumbers& numbers = zone == "main" ? r.main : r.secondary;
        const BarOrder bars = order == "hits"       ? BarOrder::ByHits
                              : order == "omission" ? BarOrder::ByOmission
                                                    : BarOrder::ByNumber;
        out << "号码\t出现次数\t遗漏次数\n";
        for (const NumberStat& n : numbers.ordered(bars))
            out << n.number << '\t' << n.hits << '\t' << n.omission << '\n';
    } else if (page == "labels") {
        out << "标签\t文字\n";
        out << "统计期数\t" << r.caption << '\n';
        out << "红码冷热号\t" << r.mainColdHot << '\n';
        out << "蓝码冷热号\t" << r.secondaryColdHot << '\n';
    } else {
        const std::string secondaryLabel = ws.current().specname.empty() ? "副区" : ws.current().specname;
        printGroups(page == "1" ? r.pages.page1 : r.pages.page2, secondaryLabel, out);
    }
    return kDone;
}

}  // namespace

std::string tableHelp() {
    return "table VIEW [OPTIONS]   分析视图的表格，首行为表头，每行一条，单元格以TAB分隔\n"
           "视图:\n"
           "  stats   统计区（近N期或自定义期间内各号码的出现次数、遗漏次数和分项统计）\n"
           "    --recent N|所有        近N期统计（默认 100；“所有”为全部开奖记录）\n"
           "    --from P1 --to P2      自定义：从P1期到P2期（P2在P1之前时为0期）\n"
           "    --page chart|1|2|labels\n"
           "                           chart 号码统计柱状图的数据（默认）：号码 出现次数 遗漏次数\n"
           "                           1 分项统计一、2 分项统计二：分组 项目 数值 比例\n"
           "                           labels 统计期数和冷温热号：标签 文字\n"
           "    --zone main|secondary  红码统计（默认）或蓝码统计\n"
           "    --order number|hits|omission\n"
           "                           按号码显示（默认）、按出现次数顺序、按遗漏次数顺序\n"
           "    --divisor 3|4|5        主区余数统计的除数（默认 3）\n"
           "    --secondary-divisor 3|4|5\n"
           "                           副区余数统计的除数（默认 3）\n" +
           trendTableHelp() + chartsTableHelp() + analysisTableHelp() + patternTableHelp();
}

int runTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return usage(err, "用法: table VIEW [OPTIONS]  (lottodesk-cli help table)");
    if (args[0] == "stats") return statsTable(ws, args, out, err);
    if (isTrendView(args[0])) return runTrendTable(ws, args, out, err);
    if (isChartsView(args[0])) return runChartsTable(ws, args, out, err);
    if (args[0] == "analysis") return runAnalysisTable(ws, args, out, err);
    if (args[0] == "patterns") return runPatternTable(ws, args, out, err);
    return usage(err, "未知视图: " + args[0] + "  (lottodesk-cli help table)");
}

}  // namespace lottodesk
