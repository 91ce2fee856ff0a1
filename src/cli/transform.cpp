#include "cli/transform.h"
#include "cli/common.h"

#include <algorithm>
#include <ostream>

#include "core/datatransform.h"
#include "core/drawtext.h"
#include "core/fileio.h"
#include "core/integertext.h"
#include "core/workspace.h"
#include "generator/resultfile.h"

namespace lottodesk::cli {
namespace {

// Reads "--period P" and at most one positional argument; false on anything else.
bool periodArgs(const std::vector<std::string>& args, std::string* positional, std::string& period,
                std::string* out = nullptr) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--period" && i + 1 < args.size()) {
            period = args[++i];
        } else if (out && arg == "--out" && i + 1 < args.size()) {
            *out = args[++i];
        } else if (positional && positional->empty() && arg.rfind("--", 0) != 0) {
            *positional = arg;
        } else {
            return false;
        }
    }
    return true;
}

std::string numbersText(const int32_t* numbers, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += twoDigits(numbers[i]);
    }
    return text;
}

std::string noPeriodMessage(int period) { return "数据库中没有第" + std::to_string(period) + "期的记录"; }

}  // namespace

int runRanking(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err) {
    constexpr const char* kUsageText = "用法: lottodesk-cli --transform N ranking [--period P]（N 为 1..4）";
    std::string period;
    if (!periodArgs(args, nullptr, period) || ws.transform == 0) return usage(err, kUsageText);
    const t_s_dm& rankings = ws.sjk_bh;
    const int d = ws.game.zh_to - ws.game.zh_from + 1;
    int first = 1, last = rankings.RecordCount();
    if (!period.empty()) {
        const std::optional<int> wanted = parseInteger(period);
        if (!wanted) return usage(err, "--period 必须是期数");
        first = last = rankings.indexOfPeriod(*wanted);
        if (first == 0) {
            err << noPeriodMessage(*wanted) << '\n';
            return kStopped;
        }
    }
    out.columns({"期数", "排序"});
    for (int k = first; k <= last; ++k)
        out.row({std::to_string(rankings.FieldValueAt(k, 0)), numbersText(rankings.record(k) + 1, d)});
    return kDone;
}

int runRestore(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err) {
    constexpr const char* kUsageText =
        "用法: lottodesk-cli --transform N restore RESULTS [--period P] [--out FILE]（N 为 1..4）";
    std::string file, period, target;
    if (!periodArgs(args, &file, period, &target) || file.empty() || ws.transform == 0) return usage(err, kUsageText);
    int32_t filterPeriod = 0;
    if (!period.empty()) {
        const std::optional<int> wanted = parseInteger(period);
        if (!wanted) return usage(err, "--period 必须是期数");
        filterPeriod = *wanted;
    }
    const std::vector<int32_t> ranking = rankingForFilterPeriod(ws, filterPeriod);
    if (ranking.empty()) {
        err << noPeriodMessage(filterPeriod) << '\n';
        return kStopped;
    }
    const int m = std::clamp(ws.game.zhgs, 1, static_cast<int>(Ticket{}.size()) - 1);
    ResultTextParse parsed = loadResultFile(file, m);
    if (!parsed.ok()) {
        err << parsed.error << '\n';
        return kStopped;
    }
    for (Ticket& ticket : parsed.tickets) restoreTicket(ticket.data(), m, ranking);
    if (!target.empty()) {
        const Status saved = saveResultFile(target, parsed.tickets, m);
        if (!saved) {
            err << saved.message << '\n';
            return kStopped;
        }
    }
    out.columns({"号码"});
    int32_t numbers[8] = {};
    for (const Ticket& ticket : parsed.tickets) {
        for (int i = 0; i < m; ++i) numbers[i] = ticket[static_cast<size_t>(i)];
        out.row({numbersText(numbers, m)});
    }
    return kDone;
}

}  // namespace lottodesk::cli
