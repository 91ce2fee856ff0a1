// `convert`, `convert-inverse`, `convert-kill`: the conversion table of an indicator, the indicator
// values that give chosen values of one of its columns next period, and the conversion-table kill,
// printed header first, one row per line, cells TAB-separated.
#include "cli/command.h"
#include "cli/common.h"

#include <optional>
#include <ostream>

#include "core/integertext.h"
#include "core/workspace.h"
#include "prediction/conversionkill.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kConvertUsage = "用法: convert ID [--columns N]";
constexpr const char* kInverseUsage = "用法: convert-inverse ID --column 指标值|K VALUE...";
constexpr const char* kKillUsage = "用法: convert-kill ID [--from P1] [--to P2] [--columns A B]";

int stopped(std::ostream& err, const Status& status) {
    err << status.message << '\n';
    return kStopped;
}

// A conversion column: "指标值" (or 0) for the indicator, 1..200 for "转换" + k; otherwise nothing,
// after the refusal went to err.
std::optional<int> columnOf(const std::string& text, std::ostream& err) {
    if (text == "指标值") return 0;
    return boundedValue(text, "--column", {0, kConversionColumns}, err, kInverseUsage,
                        "--column 必须是 指标值 或 1..200 的整数");
}

int runConvert(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    if (opts.positional.size() != 1) return usage(err, kConvertUsage);
    const std::optional<int> columns =
        boundedOption(opts, "--columns", kConversionColumns, {0, kConversionColumns}, err, kConvertUsage);
    if (!columns) return kUsage;
    const ConversionTable table = conversionTable(ws, opts.positional[0], *columns);
    if (!table.status) return stopped(err, table.status);
    out.header(table.header);
    std::vector<std::string> cells(table.header.size());
    for (int r = 1; r <= table.rows(); ++r) {
        for (size_t c = 0; c < cells.size(); ++c) cells[c] = table.cell(r, static_cast<int>(c));
        out.row(cells);
    }
    return kDone;
}

int runConvertInverse(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    // ID, then the values of the column.
    if (opts.positional.size() < 2 || !opts.has("--column")) return usage(err, kInverseUsage);
    const std::optional<int> column = columnOf(opts.value("--column"), err);
    if (!column) return kUsage;
    const ConversionTable table = conversionTable(ws, opts.positional[0]);
    if (!table.status) return stopped(err, table.status);
    out.header({"此列的预测期取值", "对应指标值"});
    for (size_t i = 1; i < opts.positional.size(); ++i) {
        const std::string& value = opts.positional[i];
        std::string text;
        if (const Status s = table.correspondingValues(*column, value, text); !s) return stopped(err, s);
        if (!text.empty()) text.pop_back();  // the blank that follows every value on the page
        out.row({value, text});
    }
    return kDone;
}

int runConvertKill(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    if (opts.positional.size() != 1) return usage(err, kKillUsage);
    ConversionKillOptions o;
    if (opts.has("--columns")) {
        // "<=转换表使用范围<=": two of the columns 1..200, the first not after the second.
        constexpr const char* message = "--columns 的两列必须在 1..200 之间";
        const std::optional<int> a =
            boundedValue(opts.value("--columns", 0), "--columns", {1, kConversionColumns}, err, kKillUsage, message);
        if (!a) return kUsage;
        const std::optional<int> b =
            boundedValue(opts.value("--columns", 1), "--columns", {1, kConversionColumns}, err, kKillUsage, message);
        if (!b) return kUsage;
        if (*a > *b) return refuse(err, kKillUsage, "--columns 的第一列不能大于第二列");
        o.firstColumn = *a;
        o.lastColumn = *b;
    }
    for (const char* name : {"--from", "--to"}) {
        if (!opts.has(name)) continue;
        const std::optional<int> period = parseInteger(opts.value(name));
        if (!period) return usage(err, kKillUsage);
        (std::string(name) == "--from" ? o.fromPeriod : o.toPeriod) = *period;
    }
    const ConversionKill kill = conversionKill(ws, opts.positional[0], o);
    if (!kill.status) return stopped(err, kill.status);
    out.header(kill.header);
    const bool secondary = kill.header.size() == 7;
    for (const ConversionKillRow& row : kill.rows) {
        std::vector<std::string> cells = {row.period, row.draw};
        if (secondary) cells.push_back(row.secondary);
        for (const std::string* cell : {&row.value, &row.kills, &row.verdict, &row.positions}) cells.push_back(*cell);
        out.row(cells);
    }
    return kDone;
}

}  // namespace

std::vector<Command> convertCommands() {
    return {
        {"convert",
         "convert ID [--columns N]",
         "转换表：期数 开奖号 指标值 转换1..转换N（默认 200 列）",
         1,
         {valued("--columns")},
         [](const CommandCall& c) { return runConvert(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"convert-inverse",
         "convert-inverse ID --column 指标值|K VALUE...",
         "计算对应值：该列下期取各值时的指标值（无则为 无）：取值 对应指标值",
         kAnyCount,
         {valued("--column")},
         [](const CommandCall& c) { return runConvertInverse(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"convert-kill",
         "convert-kill ID [--from P1] [--to P2] [--columns A B]",
         "转换法杀号（默认全部期数，转换1..转换30）：期数 开奖号 [副号] 指标值 杀号 是否正确 杀号位置",
         1,
         {valued("--from"), valued("--to"), valued("--columns", 2)},
         [](const CommandCall& c) { return runConvertKill(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
    };
}

}  // namespace lottodesk::cli
