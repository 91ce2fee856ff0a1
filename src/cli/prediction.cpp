#include "cli/prediction.h"

#include <charconv>
#include <map>
#include <optional>
#include <ostream>

#include "core/fileio.h"
#include "core/gbk.h"
#include "core/integertext.h"
#include "cli/common.h"
#include "core/workspace.h"
#include "formula/precheck.h"
#include "prediction/backtest.h"
#include "prediction/formulasearch.h"
#include "prediction/schemefiles.h"
#include "prediction/verdicts.h"

namespace lottodesk {

namespace {

using cli::kDone;
using cli::kStopped;
using cli::kUsage;
using cli::usage;

std::string field(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

// "--name value" options (a count of values per name), flags, and the positional arguments.
struct Options {
    std::map<std::string, std::vector<std::string>> values;
    std::vector<std::string> flags;
    std::vector<std::string> positional;
    bool has(const std::string& name) const { return values.count(name) != 0; }
    bool flag(const std::string& name) const { return std::find(flags.begin(), flags.end(), name) != flags.end(); }
    const std::string& value(const std::string& name, size_t i = 0) const { return values.at(name)[i]; }
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, const std::map<std::string, int>& named,
                                    const std::vector<std::string>& flags, std::string& problem) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            options.positional.push_back(arg);
            continue;
        }
        if (std::find(flags.begin(), flags.end(), arg) != flags.end()) {
            options.flags.push_back(arg);
            continue;
        }
        auto it = named.find(arg);
        if (it == named.end()) {
            problem = "未知选项: " + arg;
            return std::nullopt;
        }
        if (i + static_cast<size_t>(it->second) >= args.size()) {
            problem = "选项缺少参数: " + arg;
            return std::nullopt;
        }
        std::vector<std::string>& values = options.values[arg];
        values.clear();
        for (int k = 0; k < it->second; ++k) values.push_back(args[++i]);
    }
    return options;
}

// The integer of an option, or a usage message.
bool integerOption(const Options& o, const std::string& name, size_t i, int& value, std::ostream& err) {
    if (!o.has(name)) return true;
    const std::optional<int> parsed = parseInteger(o.value(name, i));
    if (!parsed) {
        err << name << " 必须是整数: " << o.value(name, i) << '\n';
        return false;
    }
    value = *parsed;
    return true;
}

std::optional<PageKind> schemeKind(const std::string& code) {
    const std::optional<PageKind> kind = pageKindFromCode(code);
    if (!kind || !hasSchemeFile(*kind)) return std::nullopt;
    return kind;
}

}  // namespace

int runSchemes(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || !schemeKind(args[0])) return usage(err, "用法: schemes hmsh|lmsh|hmtd|fqtd|hmsw");
    const SchemeLoad load = loadSchemeFile(ws.folder, *schemeKind(args[0]), ws.curcp);
    for (const std::string& problem : load.problems) err << problem << '\n';
    const SchemeStore& store = load.store;
    for (int s = 0; s < kSchemeCount; ++s)
        for (int k = 1; k <= store.slots; ++k) out << s + 1 << '\t' << k << '\t' << field(store.formula(s, k)) << '\n';
    return kDone;
}

int runBacktestCommand(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err) {
    const char* synopsis =
        "用法: backtest hmsh|lmsh|hmtd|fqtd|hmsw|selfsh [--scheme N] [--count N] [--start P] [--display "
        "plain|low|high] "
        "[--formulas FILE] [--scs FILE] [--export FILE]";
    std::string problem;
    const std::optional<Options> o = parseOptions(args,
                                                  {{"--scheme", 1},
                                                   {"--count", 1},
                                                   {"--start", 1},
                                                   {"--display", 1},
                                                   {"--formulas", 1},
                                                   {"--scs", 1},
                                                   {"--export", 1}},
                                                  {}, problem);
    if (!o) return usage(err, problem + "\n" + synopsis);
    if (o->positional.size() != 1 || !pageKindFromCode(o->positional[0])) return usage(err, synopsis);
    const PageKind kind = *pageKindFromCode(o->positional[0]);
    const PageKindInfo& info = pageKindInfo(kind);
    int scheme = 1, count = info.defaultCount, start = 0;
    if (!integerOption(*o, "--scheme", 0, scheme, err) || !integerOption(*o, "--count", 0, count, err) ||
        !integerOption(*o, "--start", 0, start, err))
        return kUsage;
    if (scheme < 1 || scheme > kSchemeCount) return usage(err, "--scheme 应为 1..10");
    if (count < 1 || count > info.slots) return usage(err, "--count 应为 1.." + std::to_string(info.slots));
    BacktestRequest request;
    request.kind = kind;
    request.startPeriod = start;
    if (o->has("--display")) {
        const std::string& d = o->value("--display");
        if (d == "plain")
            request.display = ListDisplay::Plain;
        else if (d == "low")
            request.display = ListDisplay::LowToHigh;
        else if (d == "high")
            request.display = ListDisplay::HighToLow;
        else
            return usage(err, "--display 应为 plain、low 或 high");
    }
    if (start != 0 &&
        (ws.sjk.indexOfPeriod(start) == 0 || ws.sjk.FieldValueAt(ws.sjk.indexOfPeriod(start), 0) >= kCandidatePeriod)) {
        err << "数据库中没有第" << start << "期的开奖记录" << '\n';
        return kStopped;
    }

    if (kind == PageKind::selfsh) {
        if (!o->has("--scs")) return usage(err, "selfsh 需要 --scs FILE（自定义杀号文件）");
        CustomKillLoad load = loadCustomKillFile(o->value("--scs"));
        for (const std::string& p : load.problems) err << p << '\n';
        if (!load.ok) return kStopped;
        request.target = load.kill.target;
        request.formulas = load.kill.firstFormulas(scheme - 1, count);
    } else {
        SchemeLoad load = loadSchemeFile(ws.folder, kind, ws.curcp);
        for (const std::string& p : load.problems) err << p << '\n';
        request.formulas = load.store.firstFormulas(scheme - 1, count);
    }
    if (o->has("--formulas")) {
        FormulaSetLoad set = loadFormulaSet(o->value("--formulas"), info.slots);
        for (const std::string& p : set.problems) err << p << '\n';
        if (!set.ok) return kStopped;
        if (set.formulas.empty()) {
            err << "公式集文件中没有公式" << '\n';
            return kStopped;
        }
        if (!o->has("--count")) count = static_cast<int>(set.formulas.size());
        set.formulas.resize(static_cast<size_t>(std::min<int>(count, static_cast<int>(set.formulas.size()))));
        request.formulas = std::move(set.formulas);
    }

    const BacktestResult result = runBacktest(ws, request);
    std::string text;
    for (int r = 0; r < result.rows; ++r) {
        for (int c = 0; c < result.columns; ++c) {
            if (c) text += '\t';
            text += field(result.cell(r, c));
        }
        text += '\n';
    }
    out << text;
    if (!result.message.empty()) err << result.message << '\n';
    if (o->has("--export")) {
        const Status saved = saveFileAtomically(o->value("--export"), utf8ToGbk(backtestExportText(result)));
        if (!saved) {
            err << saved.message << '\n';
            return kStopped;
        }
    }
    return kDone;
}

// A formula or identifier typed by the user is checked as the formula dialog checks it (unknown
// identifiers, unbalanced parentheses) before anything is evaluated.
static bool refusedFormula(const std::string& formula, std::ostream& err) {
    const std::string message = precheckEnteredFormula(trimFormulaText(formula));
    if (message.empty()) return false;
    err << "公式有误:" << message << '\n';
    return true;
}

int runVerdicts(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const char* synopsis = "用法: verdicts KIND FORMULA [--from P1] [--to P2] [--lenient]";
    std::string problem;
    const std::optional<Options> o = parseOptions(args, {{"--from", 1}, {"--to", 1}}, {"--lenient"}, problem);
    if (!o) return usage(err, problem + "\n" + synopsis);
    if (o->positional.size() != 2) return usage(err, synopsis);
    if (!o->flag("--lenient") && refusedFormula(o->positional[1], err)) return kStopped;
    int from = 0, to = 0;
    if (!integerOption(*o, "--from", 0, from, err) || !integerOption(*o, "--to", 0, to, err)) return kUsage;
    const VerdictSeries series = verdictSeries(ws, o->positional[0], o->positional[1], from, to);
    if (series.stopped) {
        err << series.message << '\n';
        return kStopped;
    }
    std::string text;
    for (const PeriodVerdict& row : series.rows) {
        text += std::to_string(row.period) + '\t' + (row.ok ? std::to_string(row.value) : std::string()) + '\t' +
                (row.right ? "1" : "0") + '\n';
    }
    out << text;
    if (!series.message.empty()) err << series.message << '\n';
    return kDone;
}

int runSearch(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const char* synopsis =
        "用法: search KIND --indicator ID [--back N] [--range LO HI] [--from P1] [--to P2] [--band AMIN AMAX] [--want "
        "K] "
        "[--random] [--slow] [--formula-run L] [--scheme-run L G] [--last-run L G] [--same-period L G] --seed S "
        "[--limit C]";
    std::string problem;
    const std::optional<Options> o = parseOptions(args,
                                                  {{"--indicator", 1},
                                                   {"--back", 1},
                                                   {"--range", 2},
                                                   {"--from", 1},
                                                   {"--to", 1},
                                                   {"--band", 2},
                                                   {"--want", 1},
                                                   {"--seed", 1},
                                                   {"--limit", 1},
                                                   {"--formula-run", 1},
                                                   {"--scheme-run", 2},
                                                   {"--last-run", 2},
                                                   {"--same-period", 2}},
                                                  {"--random", "--slow"}, problem);
    if (!o) return usage(err, problem + "\n" + synopsis);
    if (o->positional.size() != 1 || !o->has("--indicator")) return usage(err, synopsis);
    if (refusedFormula(o->value("--indicator"), err)) return kStopped;
    SearchParams p;
    p.kind = o->positional[0];
    p.indicator = o->value("--indicator");
    p.randomOnly = o->flag("--random");
    p.fast = !o->flag("--slow");
    int limit = 1'000'000;
    bool ok = integerOption(*o, "--back", 0, p.back, err) && integerOption(*o, "--range", 0, p.low, err) &&
              integerOption(*o, "--range", 1, p.high, err) && integerOption(*o, "--from", 0, p.fromPeriod, err) &&
              integerOption(*o, "--to", 0, p.toPeriod, err) && integerOption(*o, "--band", 0, p.accuracyLow, err) &&
              integerOption(*o, "--band", 1, p.accuracyHigh, err) && integerOption(*o, "--want", 0, p.wanted, err) &&
              integerOption(*o, "--limit", 0, limit, err);
    auto constraint = [&](const std::string& name, SearchConstraint& c, bool withCount) {
        if (!o->has(name)) return true;
        c.on = true;
        return integerOption(*o, name, 0, c.limit, err) && (!withCount || integerOption(*o, name, 1, c.applies, err));
    };
    ok = ok && constraint("--formula-run", p.formulaRun, false) && constraint("--scheme-run", p.schemeRun, true) &&
         constraint("--last-run", p.lastRun, true) && constraint("--same-period", p.samePeriod, true);
    if (!ok) return kUsage;
    if (!o->has("--seed")) return usage(err, "search 需要 --seed S（同一种子得到同样的公式）");
    // Digits only: "-1" is no seed (a conversion that wraps it would give 2^64-1).
    const std::string& seedText = o->value("--seed");
    uint64_t seedValue = 0;
    const auto [seedEnd, seedError] = std::from_chars(seedText.data(), seedText.data() + seedText.size(), seedValue);
    const std::optional<uint64_t> parsedSeed =
        seedText.empty() || seedError != std::errc() || seedEnd != seedText.data() + seedText.size()
            ? std::nullopt
            : std::optional<uint64_t>(seedValue);
    if (!parsedSeed) return usage(err, "--seed 必须是非负整数");
    p.seed = *parsedSeed;
    if (limit < 1) return usage(err, "--limit 必须是正整数");

    FormulaSearch search(ws, p);
    search.run(static_cast<uint64_t>(limit));
    for (const AcceptedFormula& a : search.accepted()) out << a.text << '\t' << a.right << '\t' << a.tested << '\n';
    err << "已尝试候选公式" << search.tried() << "个" << '\n';
    if (search.failed()) {
        err << search.message() << '\n';
        return kStopped;
    }
    return kDone;
}

}  // namespace lottodesk
