#include "cli/convert.h"
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

}  // namespace

int runConvert(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err) {
    if (args.empty() || args[0].rfind("--", 0) == 0) return usage(err, kConvertUsage);
    int columns = kConversionColumns;
    for (size_t i = 1; i < args.size(); i += 2) {
        if (args[i] != "--columns" || i + 1 >= args.size()) return usage(err, kConvertUsage);
        const std::optional<int> n =
            boundedValue(args[i + 1], "--columns", {0, kConversionColumns}, err, kConvertUsage);
        if (!n) return kUsage;
        columns = *n;
    }
    const ConversionTable table = conversionTable(ws, args[0], columns);
    if (!table.status) return stopped(err, table.status);
    out.header(table.header);
    std::vector<std::string> cells(table.header.size());
    for (int r = 1; r <= table.rows(); ++r) {
        for (size_t c = 0; c < cells.size(); ++c) cells[c] = table.cell(r, static_cast<int>(c));
        out.row(cells);
    }
    return kDone;
}

int runConvertInverse(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err) {
    if (args.size() < 4 || args[1] != "--column") return usage(err, kInverseUsage);
    const std::optional<int> column = columnOf(args[2], err);
    if (!column) return kUsage;
    const ConversionTable table = conversionTable(ws, args[0]);
    if (!table.status) return stopped(err, table.status);
    out.header({"此列的预测期取值", "对应指标值"});
    for (size_t i = 3; i < args.size(); ++i) {
        std::string text;
        if (const Status s = table.correspondingValues(*column, args[i], text); !s) return stopped(err, s);
        if (!text.empty()) text.pop_back();  // the blank that follows every value on the page
        out.row({args[i], text});
    }
    return kDone;
}

int runConvertKill(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err) {
    if (args.empty() || args[0].rfind("--", 0) == 0) return usage(err, kKillUsage);
    ConversionKillOptions o;
    for (size_t i = 1; i < args.size();) {
        const std::string& name = args[i];
        const size_t values = name == "--columns" ? 2 : 1;
        if ((name != "--from" && name != "--to" && name != "--columns") || i + values >= args.size())
            return usage(err, kKillUsage);
        if (name == "--columns") {
            // "<=转换表使用范围<=": two of the columns 1..200, the first not after the second.
            constexpr const char* message = "--columns 的两列必须在 1..200 之间";
            const std::optional<int> a =
                boundedValue(args[i + 1], name, {1, kConversionColumns}, err, kKillUsage, message);
            if (!a) return kUsage;
            const std::optional<int> b =
                boundedValue(args[i + 2], name, {1, kConversionColumns}, err, kKillUsage, message);
            if (!b) return kUsage;
            if (*a > *b) return refuse(err, kKillUsage, "--columns 的第一列不能大于第二列");
            o.firstColumn = *a;
            o.lastColumn = *b;
        } else {
            const std::optional<int> period = parseInteger(args[i + 1]);
            if (!period) return usage(err, kKillUsage);
            (name == "--from" ? o.fromPeriod : o.toPeriod) = *period;
        }
        i += values + 1;
    }
    const ConversionKill kill = conversionKill(ws, args[0], o);
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

}  // namespace lottodesk::cli
