#include "cli/common.h"
#include "cli/tableviews.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

#include "analysis/columnorder.h"
#include "analysis/datatables.h"
#include "analysis/distribution.h"
#include "analysis/trendomission.h"
#include "core/integertext.h"
#include "core/workspace.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kOmissionUsage =
    "用法: table omission [--variant main|secondary|tails] [--from P1] [--to P2] [--zone main|secondary|both]\n"
    "                     [--tails main|both] [--order K|名称] [--highlight all|odd|even|prime|composite|0|1|2]\n"
    "                     [--zones N] [--page table|marks|drawn]";
constexpr const char* kDistributionUsage =
    "用法: table distribution [--to P] [--rows N] [--rule K|名称] [--view pattern|coldhot] [--page chart|marks]";

// "分区": "常规顺序" (0, no zones) or 2..15 zones, as the window's list offers them.
constexpr const char* kZonesMessage = "--zones 必须是 0（常规顺序）或 2..15 之间的整数";

std::optional<int32_t> periodOption(const Options& opts, const char* name) {
    if (!opts.has(name)) return 0;
    return parseInteger(opts.value(name));
}

int omissionTable(const ViewCall& call) {
    const Workspace& ws = call.ws;
    const Options& opts = call.options;
    TableWriter& rows = call.rows;
    std::ostream& err = call.err;
    OmissionOptions o;
    const std::optional<int> variant = choiceOf(opts.valueOr("--variant", "main"), {"main", "secondary", "tails"});
    const std::optional<int> zone = choiceOf(opts.valueOr("--zone", "main"), {"main", "secondary", "both"});
    const std::optional<int> tails = choiceOf(opts.valueOr("--tails", "main"), {"main", "both"});
    const std::optional<int> highlight =
        choiceOf(opts.valueOr("--highlight", "all"), {"all", "odd", "even", "prime", "composite", "0", "1", "2"});
    const std::optional<int32_t> from = periodOption(opts, "--from");
    const std::optional<int32_t> to = periodOption(opts, "--to");
    const std::string page = opts.valueOr("--page", "table");
    if (!variant || !zone || !tails || !highlight || !from || !to ||
        (page != "table" && page != "marks" && page != "drawn"))
        return usage(err, kOmissionUsage);
    const std::optional<int> order = numberedChoice(opts, "--order", "0", columnOrderNames(), err, kOmissionUsage);
    if (!order) return kUsage;
    const std::optional<int> zones = boundedOption(opts, "--zones", 0, {0, 15}, err, kOmissionUsage, kZonesMessage);
    if (!zones) return kUsage;
    if (*zones == 1) return refuse(err, kOmissionUsage, kZonesMessage);
    o.variant = static_cast<OmissionVariant>(*variant);
    o.zone = static_cast<OmissionZone>(*zone);
    o.tailsWithSecondary = *tails == 1;
    o.order = *order;
    o.highlight = static_cast<TypeHighlight>(*highlight);
    o.zones = *zones;
    o.fromPeriod = *from;
    o.toPeriod = *to;

    OmissionPage omissions;
    const OmissionView& v = omissions.run(ws, o);
    if (!v.status) {
        err << v.status.message << '\n';
        return kStopped;
    }
    rows.header(v.header);
    if (page == "marks") {
        std::vector<std::string> highlighted = {"按类型显示"}, shade = {"分区"};
        for (int c = 0; c < v.numberColumns(); ++c) {
            highlighted.push_back(std::to_string(v.highlighted[static_cast<size_t>(c)]));
            shade.push_back(std::to_string(v.shade[static_cast<size_t>(c)]));
        }
        rows.row(highlighted);
        rows.row(shade);
        return kDone;
    }
    // A drawn cell shows its number, as in the window, where its colour tells it from an omission;
    // `--page drawn` gives that colour as 1/0 and JSON types the cell {"drawn": n}.
    const int last = static_cast<int>(v.header.size()) - 1;
    if (page == "drawn") {
        std::vector<std::string> cells(v.header.size());
        for (int r = 0; r < v.rows(); ++r) {
            cells.front() = v.cell(r, 0);
            for (int c = 1; c < last; ++c) cells[static_cast<size_t>(c)] = v.drawn(r, c - 1) ? "1" : "0";
            cells.back() = v.cell(r, last);
            rows.row(cells);
        }
        return kDone;
    }
    std::vector<TableWriter::Cell> cells(v.header.size());
    for (int r = 0; r < v.rows(); ++r) {
        for (int c = 0; c <= last; ++c) {
            std::string text = v.cell(r, c);
            const bool drawn = c > 0 && c < last && v.drawn(r, c - 1);
            std::string json = drawn ? "{\"drawn\":" + jsonCell(text) + "}" : std::string();
            cells[static_cast<size_t>(c)] = {std::move(text), std::move(json)};
        }
        rows.typedRow(cells);
    }
    for (int stat = 0; stat < kOmissionStatRows; ++stat) rows.row(v.statRow(stat));
    return kDone;
}

// Data tables 1..3; `which` is the table's number.
int dataTable(const ViewCall& call, int which) {
    const Workspace& ws = call.ws;
    TableWriter& rows = call.rows;
    const DataTable t =
        which == 1   ? dataTable1(ws.sjk, ws.game, ws.partitions, ws.current().zhname, ws.current().specname)
        : which == 2 ? dataTable2(ws.sjk, ws.game, ws.partitions)
                     : dataTable3(ws.sjk, ws.game, ws.settings, ws.current().zhname, ws.current().specname);
    rows.header(t.header);
    std::vector<std::string> cells(t.header.size());
    for (int r = 0; r < t.rows(); ++r) {
        for (int c = 0; c < t.columns(); ++c) cells[static_cast<size_t>(c)] = t.cell(r, c);
        rows.row(cells);
    }
    return kDone;
}

// The visible rows of the chart, the selection row after them; with --page marks each drawn cell
// shows its mark (pattern view) or its class 冷/温/热 (cold/warm/hot view) instead of the number.
int distributionTable(const ViewCall& call) {
    const Workspace& ws = call.ws;
    const Options& opts = call.options;
    TableWriter& out = call.rows;
    std::ostream& err = call.err;
    const std::optional<int> view = choiceOf(opts.valueOr("--view", "pattern"), {"pattern", "coldhot"});
    const std::optional<int> page = choiceOf(opts.valueOr("--page", "chart"), {"chart", "marks"});
    const std::optional<int32_t> to = periodOption(opts, "--to");
    if (!view || !page || !to) return usage(err, kDistributionUsage);
    const std::optional<int> rule = numberedChoice(opts, "--rule", "0", markRuleNames(), err, kDistributionUsage);
    if (!rule) return kUsage;
    // The rows the chart's area shows; more than the history shows all of it.
    const std::optional<int> rows = boundedOption(opts, "--rows", 30, {1, INT_MAX}, err, kDistributionUsage);
    if (!rows) return kUsage;

    const DistributionChart chart = distributionChart(ws.sjk, ws.game);
    int end = chart.rows();  // one past the last visible row
    if (*to != 0) {
        end = ws.sjk.indexOfPeriod(*to);
        if (end == 0) {
            err << "数据库中没有第" << *to << "期的记录\n";
            return kStopped;
        }
    }
    const int first = std::max(end - *rows, 0);
    const int count = end - first;
    out.header(chart.header);
    std::vector<std::string> cells(chart.header.size());
    const MarkMatrix marks =
        markMatrix(chart, *view == 0 ? static_cast<MarkRule>(*rule) : MarkRule::None, first, count);
    WarmthMarks warmth;
    if (*view == 1 && *page == 1)
        warmth = warmthMarks(chart, mainWarmthTimeline(DrawHistory::of(ws.sjk), ws.game, ws.settings), first, count);
    for (int row = first; row < first + count; ++row) {
        cells[0] = chart.periodText(row);
        cells[1] = chart.draws[static_cast<size_t>(row)];
        for (int c = 0; c < chart.columns; ++c) {
            std::string& cell = cells[static_cast<size_t>(2 + c)];
            if (!chart.isDrawn(row, c))
                cell.clear();
            else if (*page == 0)
                cell = chart.header[static_cast<size_t>(2 + c)];
            else if (*view == 0)
                cell = std::to_string(marks.at(row, c));
            else
                cell = warmth.at(row, c) < 0
                           ? ""
                           : std::vector<std::string>{"冷", "温", "热"}[static_cast<size_t>(warmth.at(row, c))];
        }
        out.row(cells);
    }
    cells[0] = "选号区";
    cells[1].clear();
    for (int c = 0; c < chart.columns; ++c)
        cells[static_cast<size_t>(2 + c)] = chart.header[static_cast<size_t>(2 + c)];
    out.row(cells);
    return kDone;
}

}  // namespace

std::vector<TableView> trendTableViews() {
    return {
        {"omission",
         {},
         0,
         {valued("--variant"), valued("--from"), valued("--to"), valued("--zone"), valued("--tails"), valued("--order"),
          valued("--highlight"), valued("--zones"), valued("--page")},
         kOmissionUsage,
         "  omission  遗漏图表（期号 各号码 开奖号码，然后 选号区 出现次数 最大遗漏 平均遗漏 上次遗漏 本次遗漏）\n"
         "    --variant main|secondary|tails  红号遗漏图表（默认）、蓝号遗漏图表、尾数遗漏图表\n"
         "    --from P1 --to P2      分析区域（默认全部记录，有预测区时含预测区；P1在P2之后时为空）\n"
         "    --zone main|secondary|both  红号遗漏图表的 红号（默认）、蓝号、红号和蓝号\n"
         "    --tails main|both      尾数遗漏图表的 主号（默认）或 主号和特别号\n"
         "    --order K|名称         按类型排序：0 常规顺序（默认），1 按质合，2 按奇偶，3..20 按除K余数\n"
         "    --highlight all|odd|even|prime|composite|0|1|2  按类型显示（--page marks 列出）\n"
         "    --zones N              分区：2..15 个区交替着色，0 常规顺序（默认）（--page marks 列出）\n"
         "    --page table|marks|drawn  表格（默认），或 按类型显示 和 分区 的标记行（1 标记，0 不标记），\n"
         "                           或 各期开出的号码（1 开出，0 遗漏；表格中开出的格显示号码，JSON 为 {\"drawn\": "
         "n}）\n",
         omissionTable},
        {"data1",
         {},
         0,
         {},
         "用法: table data1  (不接受选项)",
         "  data1     数据表1：期数 各位置红号 蓝号 跨度 尾组个数 连号组数 重复号数 邻号组数 主区奇偶比 ... 邻位号\n"
         "            （号码列表按升序，每个号码两位并跟\",\"；连续号与同尾号各组之间空一格）\n",
         [](const ViewCall& call) { return dataTable(call, 1); }},
        {"data2",
         {},
         0,
         {},
         "用法: table data2  (不接受选项)",
         "  data2     数据表2：期数 小大比 三区比 五区比 七区比 除三余数比 除四余数比 除五余数比\n",
         [](const ViewCall& call) { return dataTable(call, 2); }},
        {"data3",
         {},
         0,
         {},
         "用法: table data3  (不接受选项)",
         "  data3     数据表3：期数 红号冷温热比 本期开奖冷号 本期开奖温号 本期开奖热号 "
         "下期冷温热号，有副号时副区同样五列\n"
         "            （冷温热按 qs coldcs hotcs、f_qs f_coldcs f_hotcs；本期开奖号按上一期的分类）\n",
         [](const ViewCall& call) { return dataTable(call, 3); }},
        {"distribution",
         {},
         0,
         {valued("--to"), valued("--rows"), valued("--rule"), valued("--view"), valued("--page")},
         kDistributionUsage,
         "  distribution  红号分布图：期号 开奖号码 各红号（开出的号码显示号码），最后一行 选号区\n"
         "    --to P                 显示到第P期（默认最新一期，有预测区时含预测区）\n"
         "    --rows N               显示的期数（正整数，默认30；超过记录数时为全部）\n"
         "    --rule K|名称          关联分布的标识：0 连号（默认）1 重号 2 左斜连号 3 右斜连号 4 斜连号\n"
         "                           5 左上三角 6 右上三角 7 左下三角 8 右下三角 9 三角\n"
         "                           10 标识二个以上连号,重号,斜连号 11 标识三个以上连号,重号,斜连号 12 取消标识\n"
         "    --view pattern|coldhot 关联分布（默认）或 冷温热分布（按上一期的冷温热分类）\n"
         "    --page chart|marks     图表（默认），或开出号码的标识：0 无标识，1 标识，组合标识 1..6；冷温热分布为 冷 "
         "温 热\n"
         "                           （标识按显示的各期及其前两期、后一期计算）\n",
         distributionTable},
    };
}

}  // namespace lottodesk::cli
