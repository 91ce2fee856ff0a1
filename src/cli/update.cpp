#include "cli/command.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

#include "cli/common.h"
#include "core/drawtext.h"
#include "core/drawupdate.h"
#include "core/fileio.h"
#include "core/integertext.h"
#include "core/prizetables.h"
#include "core/workspace.h"
#include "cli/httpget.h"
#include "plugin/sources/resultsources.h"

namespace lottodesk {
namespace {

using cli::kDone;
using cli::kStopped;
using cli::kUsage;

// A new history is fetched whole: 30 draws a page, a few thousand draws at most.
constexpr int kMaxPages = 400;

int stopped(std::ostream& err, const std::string& message) {
    err << message << '\n';
    return kStopped;
}

// Where the draws come from: a built-in service (with its base replaced), or an address or file
// in the import format.
struct Source {
    std::optional<sources::SourceKind> kind;
    std::string base;
    std::string address;
    std::string file;
};

Source sourceOf(const std::string& text) {
    Source source;
    if (const auto named = sources::namedSource(text)) {
        source.kind = named->kind;
        source.base = named->base;
    } else if (text.rfind("http://", 0) == 0 || text.rfind("https://", 0) == 0) {
        source.address = text;
    } else {
        source.file = text;
    }
    return source;
}

// The import-format text as hand-over lines (period, numbers, an empty line per draw), in period
// order as the plug-in hands them over; a period given twice keeps its first line.
std::optional<std::vector<std::string>> handOverOf(std::string_view text, std::string& error) {
    std::map<int64_t, std::string> draws;
    size_t lineNumber = 0;
    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        std::vector<long long> values;
        std::string what;
        switch (parseDrawLine(line, values, what)) {
        case DrawLine::Blank: return true;
        case DrawLine::End: return false;
        case DrawLine::Error: error = drawLineError(lineNumber, what); return false;
        case DrawLine::Draw: break;
        }
        std::string numbers;
        for (size_t i = 1; i < values.size(); ++i) numbers += (i > 1 ? " " : "") + std::to_string(values[i]);
        draws.emplace(values[0], numbers);
        return true;
    });
    if (!error.empty()) return std::nullopt;
    std::vector<std::string> lines;
    for (const auto& [period, numbers] : draws) {
        lines.push_back(std::to_string(period));
        lines.push_back(numbers);
        lines.emplace_back();
    }
    return lines;
}

int runUpdate(Workspace& ws, const cli::Options& opts, std::ostream& out, std::ostream& err) {
    const bool dryRun = opts.has("--dry-run");
    long timeout = 20;
    if (opts.has("--timeout")) {
        const std::optional<int> seconds = parseInteger(opts.value("--timeout"));
        if (!seconds || *seconds < 1 || *seconds > 600) return cli::usage(err, "--timeout 必须是 1..600 秒");
        timeout = *seconds;
    }
    std::optional<std::string> sourceText;
    if (opts.has("--source")) sourceText = opts.value("--source");
    const std::string typeName = ws.current().cpmm;
    Source source;
    if (sourceText) {
        source = sourceOf(*sourceText);
    } else {
        source.kind = sources::sourceOfType(typeName);
        if (!source.kind)
            return stopped(err, "彩种“" + typeName + "”没有内置的开奖数据来源，请用 --source 指定网址或文件");
    }

    std::string text;
    std::vector<sources::SourceDraw> fetched;
    const int32_t bound = downloadLowerBound(ws.sjk, typeName);
    if (source.kind) {
        // Newest draws first, page by page, until the newest stored draw is reached.
        for (int page = 1; page <= kMaxPages; ++page) {
            const std::string address = sources::pageAddress(*source.kind, source.base, typeName, page);
            const HttpAnswer answer = httpGet(address, timeout);
            if (!answer.ok) return stopped(err, answer.error);
            const sources::SourcePage read = sources::readPage(*source.kind, answer.body, ws.game.zhgs);
            if (!read.ok()) return stopped(err, read.error + "：" + address);
            fetched.insert(fetched.end(), read.draws.begin(), read.draws.end());
            const bool reached = std::any_of(read.draws.begin(), read.draws.end(), [&](const sources::SourceDraw& d) {
                return bound != -1 && d.period <= bound;
            });
            if (read.draws.empty() || reached || page >= read.pages) break;
        }
        if (fetched.empty()) return stopped(err, "结果服务没有返回开奖数据");
        text = sources::importText(fetched);
    } else if (!source.address.empty()) {
        const HttpAnswer answer = httpGet(source.address, timeout, kMaxImportBytes);
        if (!answer.ok) return stopped(err, answer.error);
        text = answer.body;
    } else {
        const std::optional<std::string> bytes = readWholeFile(source.file, kMaxImportBytes);
        if (!bytes) return stopped(err, "无法读取文件（或文件大于8MB）：" + source.file);
        text = *bytes;
    }

    std::string error;
    const std::optional<std::vector<std::string>> lines = handOverOf(text, error);
    if (!lines) return stopped(err, error);
    if (lines->empty()) return stopped(err, kNoDrawsInFileMessage);
    // Without a window nobody is asked: a download after a gap keeps the stored draws ("否").
    const DownloadOutcome outcome = applyDownload(
        ws.sjk, -1, *lines, [] { return false; }, dryRun);
    if (!outcome.status) return stopped(err, outcome.status.message);
    std::string printed;
    for (int32_t period : outcome.added) printed += std::to_string(period) + '\n';
    out << printed << outcome.summary << (dryRun ? "（试运行，数据库未作改动）" : "") << '\n';

    if (!dryRun && !fetched.empty()) {
        // The prize tables of the draws the history now holds as downloaded.
        std::vector<PrizeTable> tables;
        for (const sources::SourceDraw& d : fetched) {
            if (std::find(outcome.conflicting.begin(), outcome.conflicting.end(), d.period) !=
                outcome.conflicting.end())
                continue;
            if (d.levels.empty() && d.sales < 0 && d.pool < 0) continue;
            PrizeTable table{d.period, d.date, d.sales, d.pool, {}};
            for (const sources::PrizeLevel& level : d.levels)
                table.levels.push_back({level.name, level.winners, level.amount});
            tables.push_back(std::move(table));
        }
        if (!tables.empty())
            if (const Status saved = savePrizeTables(prizeTablePath(ws.folder, ws.curcp), tables); !saved)
                err << saved.message << '\n';
    }
    return kDone;
}

}  // namespace

namespace cli {

std::vector<Command> updateCommands() {
    return {{"update",
             "update [--source NAME[=BASE]|ADDRESS|FILE] [--dry-run] [--timeout SECONDS]",
             "下载最新一期之后的开奖数据（默认按彩种：cwl 福彩、sporttery 体彩；=BASE 换用其他服务器），\n"
             "或从网址、文件读取导入格式的数据；每新增一期输出一行，最后一行为汇总；--dry-run 不作改动",
             0,
             {valued("--source"), valued("--timeout"), flagged("--dry-run")},
             [](const CommandCall& c) { return runUpdate(c.ws, c.options, c.out, c.err); },
             OnTimeLimit::Finish,
             false,
             false,
             HistoryUse::Opened}};
}

}  // namespace cli
}  // namespace lottodesk
