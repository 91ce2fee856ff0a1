#include "cli/common.h"
#include "cli/tableviews.h"
#include "cli/drawwindow.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

#include "analysis/association.h"
#include "analysis/combinedpatterns.h"
#include "analysis/drawwindow.h"
#include "analysis/pairs.h"
#include "core/integertext.h"
#include "core/workspace.h"
#include "indicators/context.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kPairsUsage =
    "用法: table pairs [--recent N|所有] [--from P1 --to P2] [--together N] [--apart N]\n"
    "                  [--page grid|marks|together|apart|labels]";

constexpr const char* kPatternsUsage =
    "用法: table combined [--class K|名称] [--divisor 6..10] [--tails yes|no] [--hide-gaps yes|no]";

constexpr const char* kAssociationUsage =
    "用法: table association [--positions V1,...,V7] [--unbound yes|no] [--tail all|0..9]\n"
    "                        [--slot1 EXPR [--values1 V,V,...]] [--slot2 ...] [--slot3 ...]\n"
    "                        [--page table|caption|export|export-main]";

// "yes" or "no".
std::optional<bool> flag(const std::string& text) {
    if (text == "yes") return true;
    if (text == "no") return false;
    return std::nullopt;
}

// Every record's row, oldest first; the class cells show the class value that also picks their colour.
int patternsTable(const ViewCall& call) {
    const Workspace& ws = call.ws;
    const Options& opts = call.options;
    TableWriter& rows = call.rows;
    std::ostream& err = call.err;
    const std::optional<bool> tails = flag(opts.valueOr("--tails", "yes"));
    const std::optional<bool> hide = flag(opts.valueOr("--hide-gaps", "no"));
    if (!tails || !hide) return usage(err, kPatternsUsage);
    const std::optional<int> cls = numberedChoice(opts, "--class", "0", patternClassNames(), err, kPatternsUsage);
    if (!cls) return kUsage;
    // "除" n: the divisors after 除三, 除四 and 除五余数.
    const std::optional<int> divisor = boundedOption(opts, "--divisor", 6, {6, 10}, err, kPatternsUsage);
    if (!divisor) return kUsage;
    CombinedPatternOptions o;
    o.patternClass = static_cast<PatternClass>(*cls);
    o.divisor = *divisor;
    o.tails = *tails;
    o.hideGaps = *hide;
    const CombinedPatternTable t =
        combinedPatternTable(ws.sjk, ws.game, ws.partitions, ws.current().zhname, ws.current().specname, o);
    rows.header(t.header);
    std::vector<std::string> cells(t.header.size());
    for (int r = 0; r < t.rows(); ++r) {
        for (int c = 0; c < t.columns(); ++c) cells[static_cast<size_t>(c)] = t.cell(r, c);
        rows.row(cells);
    }
    return kDone;
}

// "V,V,..." of integers 0..1000, ascending without repeats.
std::optional<std::vector<int32_t>> valueList(const std::string& text) {
    std::vector<int32_t> values;
    size_t at = 0;
    while (at <= text.size()) {
        size_t comma = text.find(',', at);
        if (comma == std::string::npos) comma = text.size();
        std::optional<int> v = parseInteger(text.substr(at, comma - at));
        if (!v || *v < 0 || *v > 1000) return std::nullopt;
        values.push_back(*v);
        at = comma + 1;
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

int associationTable(const ViewCall& call) {
    const Workspace& ws = call.ws;
    const Options& opts = call.options;
    TableWriter& rows = call.rows;
    std::ostream& err = call.err;
    AssociationOptions o;
    if (opts.has("--positions")) {
        const std::string text = opts.valueOr("--positions", "") + ",";
        size_t at = 0;
        for (int p = 0; at < text.size(); ++p) {
            const size_t comma = text.find(',', at);
            const std::string box = text.substr(at, comma - at);
            at = comma + 1;
            std::optional<int> v = parseInteger(box);
            if (p >= kAssociationPositions || (box != "all" && (box.size() != 2 || !v || *v < 0 || *v > 49)))
                return usage(err, "--positions 是最多7个以逗号分隔的 all 或 00..49");
            if (box != "all") o.positions[static_cast<size_t>(p)] = *v;
        }
    }
    const std::optional<bool> unbound = flag(opts.valueOr("--unbound", "no"));
    const std::string tail = opts.valueOr("--tail", "all");
    const std::string page = opts.valueOr("--page", "table");
    if (!unbound || (page != "table" && page != "caption" && page != "export" && page != "export-main"))
        return usage(err, kAssociationUsage);
    o.unbound = *unbound;
    if (tail != "all") {
        // The period tail list: "all", "0" .. "9".
        const std::optional<int> digit = tail.size() == 1 ? parseInteger(tail) : std::nullopt;
        if (!digit) return refuse(err, kAssociationUsage, "--tail 必须是 all 或 0..9 之间的整数");
        o.periodTail = *digit;
    }
    for (int i = 1; i <= kAssociationSlots; ++i) {
        const std::string slot = "--slot" + std::to_string(i), values = "--values" + std::to_string(i);
        if (!opts.has(slot)) {
            if (opts.has(values)) return usage(err, kAssociationUsage);
            continue;
        }
        AssociationSlot& s = o.slots[static_cast<size_t>(i - 1)];
        s.active = true;
        s.expression = opts.valueOr(slot, "");
        if (opts.has(values)) {
            std::optional<std::vector<int32_t>> allowed = valueList(opts.valueOr(values, ""));
            if (!allowed) return usage(err, values + " 是以逗号分隔的 0..1000 的整数");
            s.allowed = std::move(*allowed);
        }
    }

    SeriesMemo memo;
    const AssociationTable t =
        lottodesk::associationTable(indicatorContext(ws, &memo), ws.current().zhname, ws.current().specname, o);
    if (!t.status) {
        err << t.status.message << '\n';
        return kStopped;
    }
    if (page == "caption") {
        rows.columns({"说明"});
        rows.textColumns({0});
        rows.row({t.caption});
    } else if (page == "table") {
        rows.header(t.header);
        std::vector<std::string> cells(t.header.size());
        for (int r = 0; r < t.rows(); ++r) {
            for (int c = 0; c < t.columns(); ++c) cells[static_cast<size_t>(c)] = t.cell(r, c);
            rows.row(cells);
        }
    } else {
        rows.columns({"开奖数据"});
        for (const std::string& line : associationExportLines(t, ws.game.zhgs, ws.game.fhgs, page == "export"))
            rows.row({line});
    }
    return kDone;
}

int pairsTable(const ViewCall& call) {
    const Workspace& ws = call.ws;
    const Options& opts = call.options;
    TableWriter& rows = call.rows;
    std::ostream& err = call.err;
    PairOptions o;
    DrawWindowArgs window;
    if (const int code = parseDrawWindow(ws.sjk, opts, kPairsUsage, window, err); code != kDone) return code;
    o.custom = window.custom;
    if (o.custom) {
        o.fromPeriod = window.fromPeriod;
        o.toPeriod = window.toPeriod;
    } else {
        o.recent = window.recent;
    }
    // The threshold lists hold 0..1000.
    const std::optional<int> together = boundedOption(opts, "--together", 6, {0, 1000}, err, kPairsUsage);
    if (!together) return kUsage;
    const std::optional<int> apart = boundedOption(opts, "--apart", 1, {0, 1000}, err, kPairsUsage);
    if (!apart) return kUsage;
    o.together = *together;
    o.apart = *apart;
    const std::string page = opts.valueOr("--page", "grid");
    if (page != "grid" && page != "marks" && page != "together" && page != "apart" && page != "labels")
        return usage(err, kPairsUsage);

    PairPage pairs;
    const PairView& v = pairs.run(ws.sjk, ws.game, o);
    if (page == "together" || page == "apart") {
        const bool with = page == "together";
        rows.header({with ? v.togetherLabel() : v.apartLabel()});
        for (const PairEntry& e : with ? v.together : v.apart) rows.row({pairEntryText(e)});
        return kDone;
    }
    if (page == "labels") {
        rows.header({"标签", "文字"});
        rows.textColumns({1});
        rows.row({"相生", v.togetherLabel()});
        rows.row({"相克", v.apartLabel()});
        rows.row({"统计期数", v.caption});
        return kDone;
    }
    std::vector<std::string> cells(static_cast<size_t>(v.top) + 1);
    cells[0] = "号码";
    for (int y = 1; y <= v.top; ++y) cells[static_cast<size_t>(y)] = v.header[static_cast<size_t>(y - 1)];
    rows.header(cells);
    for (int x = 1; x <= v.top; ++x) {
        cells[0] = v.header[static_cast<size_t>(x - 1)];
        for (int y = 1; y <= v.top; ++y)
            cells[static_cast<size_t>(y)] =
                page == "grid" ? v.cell(x, y) : std::to_string(static_cast<int>(v.mark(x, y)));
        rows.row(cells);
    }
    return kDone;
}

}  // namespace

std::vector<TableView> chartsTableViews() {
    return {
        {"combined",
         {"patterns-combined"},
         0,
         {valued("--class"), valued("--divisor"), valued("--tails"), valued("--hide-gaps")},
         kPatternsUsage,
         "  combined  综合形态（也可写作 patterns-combined）：期号 开奖号码 各号码的形态 间隔数 "
         "各间隔的形态，每条记录一行\n"
         "    --class K|名称         形态：0 大小（默认）1 大中小 2 奇偶 3 质合 4 除三余数 5 除四余数 6 除五余数\n"
         "                           7 除n余数（n 为 --divisor）\n"
         "    --divisor 6..10        除n余数的 n（默认 6）\n"
         "    --tails yes|no         尾号分析（默认 yes：按尾数分类，含蓝号尾；no：按号码和间隔数本身分类）\n"
         "    --hide-gaps yes|no     隐掉间隔数（该列留空）\n",
         patternsTable},
        {"association",
         {},
         0,
         {valued("--positions"), valued("--unbound"), valued("--tail"), valued("--slot1"), valued("--values1"),
          valued("--slot2"), valued("--values2"), valued("--slot3"), valued("--values3"), valued("--page")},
         kAssociationUsage,
         "  association  关联分析：满足条件的各期（本期期号 各号码 指标i）及其下一期（下期期号 ...）\n"
         "    --positions V1,...,V7  位置1..7 的条件：all（默认）或 00..49，以逗号分隔，可少于7个\n"
         "    --unbound yes|no       红球不对位（yes 时位置1..主号个数的值可在任一主号位置）\n"
         "    --tail all|0..9        期号尾\n"
         "    --slotI EXPR           指标一..指标三（I 为 1..3）：指标或公式，取值见 --valuesI\n"
         "    --valuesI V,V,...      该指标允许的取值（0..1000；不给时任何值）\n"
         "    --page table|caption|export|export-main\n"
         "                           表格（默认）；caption 本期系列一共有M条;下期系列一共有N条；\n"
         "                           export 导出下期系列开奖数据（含蓝号），export-main 只含红号\n",
         associationTable},
        {"pairs",
         {},
         0,
         {valued("--recent"), valued("--from"), valued("--to"), valued("--together"), valued("--apart"),
          valued("--page")},
         kPairsUsage,
         "  pairs     相生相克：各对红号在统计区域内同时开出的次数（行、列表头为 1..最大号码，对角线为空）\n"
         "    --recent N|所有        近N期（默认 100；“所有”或超过记录数时为全部开奖记录）\n"
         "    --from P1 --to P2      自定义：从P1期到P2期（P1在P2之后时不统计）\n"
         "    --together N           相生：次数大于 N（0..1000，默认 6）\n"
         "    --apart N              相克：次数小于 N（0..1000，默认 1）\n"
         "    --page grid|marks|together|apart|labels\n"
         "                           grid 次数表格（默认）；marks 颜色：1 相生（红），2 相克（绿），0 无\n"
         "                           together 相生列表、apart 相克列表：首行 相生[N] 或 相克[N]，每行一对如 "
         "03:17==>9次\n"
         "                           labels 相生[N] 相克[N] 和自定义时的 共N期：标签 文字\n",
         pairsTable},
    };
}

}  // namespace lottodesk::cli
