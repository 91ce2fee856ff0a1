// The commands of the data transform: `ranking [--period P]` prints the rankings of the applied
// transform, `restore RESULTS [--period P] [--out FILE [--print]]` maps a result file made on
// transformed data back to drawn numbers ("恢复到原始投注结果"). Both need the global `--transform N`.
#include "cli/command.h"
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

std::string numbersText(const int32_t* numbers, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += twoDigits(numbers[i]);
    }
    return text;
}

std::string noPeriodMessage(int period) { return "数据库中没有第" + std::to_string(period) + "期的记录"; }

int runRanking(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    constexpr const char* kUsageText = "用法: lottodesk-cli --transform N ranking [--period P]（N 为 1..4）";
    if (ws.transform == 0) return usage(err, kUsageText);
    const std::string period = opts.valueOr("--period", "");
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

int runRestore(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    constexpr const char* kUsageText =
        "用法: lottodesk-cli --transform N restore RESULTS [--period P] [--out FILE [--print]]（N 为 1..4）";
    if (opts.positional.size() != 1 || ws.transform == 0 || (opts.has("--print") && !opts.has("--out")))
        return usage(err, kUsageText);
    const std::string& file = opts.positional[0];
    const std::string period = opts.valueOr("--period", "");
    const std::string target = opts.valueOr("--out", "");
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
    // With --out the results went to the file; they are printed only when --print asks for them.
    if (!target.empty()) err << "共" << parsed.tickets.size() << "注" << '\n';
    if (!target.empty() && !opts.has("--print")) return kDone;
    out.columns({"号码"});
    int32_t numbers[8] = {};
    for (const Ticket& ticket : parsed.tickets) {
        for (int i = 0; i < m; ++i) numbers[i] = ticket[static_cast<size_t>(i)];
        out.row({numbersText(numbers, m)});
    }
    return kDone;
}

}  // namespace

std::vector<Command> transformCommands() {
    return {
        {"ranking",
         "ranking [--period P]",
         "数据变换的号码排序（需 --transform N）：期数 排序",
         0,
         {valued("--period")},
         [](const CommandCall& c) { return runRanking(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"restore",
         "restore RESULTS [--period P] [--out FILE [--print]]",
         "恢复到原始投注结果：变换数据上得到的组号文件按该期（默认未开奖期）的排序换回原号码（需 --transform N）；\n"
         "有 --out 时只写文件，加 --print 同时输出",
         1,
         {valued("--period"), valued("--out"), flagged("--print")},
         [](const CommandCall& c) { return runRestore(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
    };
}

}  // namespace lottodesk::cli
