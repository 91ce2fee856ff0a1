#include "cli_analysis.h"
#include "cli_common.h"

#include <map>
#include <optional>
#include <ostream>

#include "analysis/analysisseries.h"
#include "core/integertext.h"
#include "core/workspace.h"

namespace lottodesk {
namespace {

using cli::kDone;
using cli::kStopped;
using cli::printRow;
using cli::usage;

constexpr const char* kAnalyseUsage = "用法: analyse TEXT [--from A] [--to B]";

// "--name value" pairs after the first `skip` arguments, each name at most once and from `allowed`.
std::optional<std::map<std::string, std::string>> options(const std::vector<std::string>& args, size_t skip,
                                                          const std::vector<std::string>& allowed) {
    std::map<std::string, std::string> parsed;
    for (size_t i = skip; i < args.size(); i += 2) {
        bool known = false;
        for (const std::string& name : allowed) known = known || args[i] == name;
        if (!known || i + 1 >= args.size() || parsed.count(args[i])) return std::nullopt;
        parsed[args[i]] = args[i + 1];
    }
    return parsed;
}

// The typed range of the two range fields: only when both hold a number. A field that holds text
// is refused with the conversion message.
bool typedRange(const std::map<std::string, std::string>& opts, std::optional<ValueRange>& range, std::ostream& err) {
    const auto from = opts.find("--from"), to = opts.find("--to");
    std::optional<int> lo, hi;
    if (from != opts.end() && !(lo = parseInteger(from->second))) {
        err << notAnIntegerMessage(from->second) << '\n';
        return false;
    }
    if (to != opts.end() && !(hi = parseInteger(to->second))) {
        err << notAnIntegerMessage(to->second) << '\n';
        return false;
    }
    if (lo && hi) range = ValueRange{*lo, *hi};
    return true;
}

// "开始剖析" of `text` into the session; prints the failure.
bool analysed(AnalysisSession& session, const Workspace& ws, const std::string& text,
              const std::optional<ValueRange>& typed, std::ostream& err) {
    const Status status = session.analyse(ws, text, typed, text);
    if (!status) err << status.message << '\n';
    return status.ok;
}

}  // namespace

int runAnalyse(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return usage(err, kAnalyseUsage);
    const auto opts = options(args, 1, {"--from", "--to"});
    if (!opts) return usage(err, kAnalyseUsage);
    std::optional<ValueRange> typed;
    if (!typedRange(*opts, typed, err)) return kStopped;
    AnalysisSession session;
    if (!analysed(session, ws, args[0], typed, err)) return kStopped;
    const AnalysisSeries& s = *session.series();
    std::string text = std::to_string(s.range.lo) + '\t' + std::to_string(s.range.hi) + '\n';
    for (int n = 1; n <= s.count(); ++n) {
        text += std::to_string(ws.sjk.record(n)[0]);
        text += '\t';
        text += std::to_string(s.values[static_cast<size_t>(n)]);
        text += '\n';
    }
    out << text;
    return kDone;
}

int runAnalysisTable(const Workspace&, const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    return usage(err, "用法: table analysis TEXT [--from A] [--to B] --view V");
}

std::string analysisTableHelp() { return {}; }

}  // namespace lottodesk
