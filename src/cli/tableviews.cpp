#include "cli/common.h"
#include "cli/drawwindow.h"
#include "cli/tableviews.h"

#include <algorithm>
#include <ostream>

#include "analysis/numberformat.h"
#include "analysis/statsarea.h"
#include "core/integertext.h"
#include "core/workspace.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kStatsUsage =
    "用法: table stats [--recent N|所有] [--from P1 --to P2] [--page chart|1|2|labels] [--zone main|secondary]\n"
    "                  [--order number|hits|omission] [--divisor 3|4|5] [--secondary-divisor 3|4|5]";

void printGroups(const std::vector<StatGroup>& groups, const std::string& secondaryLabel, TableWriter& rows) {
    rows.header({"分组", "项目", "数值", "比例"});
    for (const StatGroup& group : groups) {
        const std::string title = group.secondary ? secondaryLabel + group.title : group.title;
        for (const StatLine& line : group.lines) rows.row({title, line.label, line.value, line.share});
    }
}

int statsTable(const ViewCall& call) {
    const Workspace& ws = call.ws;
    const Options& opts = call.options;
    std::ostream& err = call.err;

    StatsOptions o;
    DrawWindowArgs window;
    if (const int code = parseDrawWindow(ws.sjk, opts, kStatsUsage, window, err); code != kDone) return code;
    if (window.custom) {
        o.mode = StatsWindowMode::Custom;
        o.fromPeriod = window.fromPeriod;
        o.toPeriod = window.toPeriod;
    } else {
        o.recent = window.recent;
    }
    // "除三余数", "除四余数", "除五余数".
    const std::optional<int> mainDivisor = boundedOption(opts, "--divisor", 3, {3, 5}, err, kStatsUsage);
    if (!mainDivisor) return kUsage;
    const std::optional<int> secondaryDivisor = boundedOption(opts, "--secondary-divisor", 3, {3, 5}, err, kStatsUsage);
    if (!secondaryDivisor) return kUsage;
    o.mainDivisor = *mainDivisor;
    o.secondaryDivisor = *secondaryDivisor;

    const std::string page = opts.valueOr("--page", "chart");
    const std::string zone = opts.valueOr("--zone", "main");
    const std::string order = opts.valueOr("--order", "number");
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
        call.rows.header({"号码", "出现次数", "遗漏次数"});
        for (const NumberStat& n : numbers.ordered(bars))
            call.rows.row({std::to_string(n.number), std::to_string(n.hits), std::to_string(n.omission)});
    } else if (page == "labels") {
        call.rows.header({"标签", "文字"});
        call.rows.textColumns({1});
        call.rows.row({"统计期数", r.caption});
        call.rows.row({"红码冷热号", r.mainColdHot});
        call.rows.row({"蓝码冷热号", r.secondaryColdHot});
    } else {
        const std::string secondaryLabel = ws.current().specname.empty() ? "副区" : ws.current().specname;
        printGroups(page == "1" ? r.pages.page1 : r.pages.page2, secondaryLabel, call.rows);
    }
    return kDone;
}

}  // namespace

std::vector<TableView> statsTableViews() {
    return {{"stats",
             {},
             0,
             {valued("--recent"), valued("--from"), valued("--to"), valued("--page"), valued("--zone"),
              valued("--order"), valued("--divisor"), valued("--secondary-divisor")},
             kStatsUsage,
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
             "                           副区余数统计的除数（默认 3）\n",
             statsTable}};
}

const std::vector<TableView>& tableViews() {
    static const std::vector<TableView> views = [] {
        std::vector<TableView> all;
        for (auto area : {statsTableViews, trendTableViews, chartsTableViews, gridTableViews, analysisTableViews,
                          patternTableViews})
            for (TableView& view : area()) all.push_back(std::move(view));
        return all;
    }();
    return views;
}

std::string tableHelp() {
    std::string text =
        "table VIEW [OPTIONS] [--format tsv|csv|json]   分析视图的表格，首行为表头，每行一条，单元格以TAB分隔\n"
        "视图:\n";
    for (const TableView& view : tableViews()) text += view.help;
    return text;
}

int runTable(const Workspace& ws, const std::vector<std::string>& args, TableWriter& rows, std::ostream& err) {
    if (args.empty()) return usage(err, "用法: table VIEW [OPTIONS]  (lottodesk-cli help table)");
    for (const TableView& view : tableViews()) {
        if (view.name != args[0] && std::find(view.aliases.begin(), view.aliases.end(), args[0]) == view.aliases.end())
            continue;
        std::string problem;
        const std::optional<Options> options = readOptions(args, view.options, view.positional, problem, 1);
        if (!options) return refuse(err, view.usage, problem);
        return view.run({ws, *options, rows, err});
    }
    return usage(err, "未知视图: " + args[0] + "  (lottodesk-cli help table)");
}

}  // namespace lottodesk::cli
