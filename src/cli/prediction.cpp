// The fix-and-kill commands: `schemes`, `backtest`, `verdicts` and `search`, computed by the same
// engine as the window, printed one record per line with TAB-separated fields.
#include "cli/command.h"
#include "cli/formulacheck.h"

#include <algorithm>
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

namespace lottodesk::cli {

namespace {

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

// The draw cell of a back-test row ("01 05 ", or "01  05  :07  " on the custom page) as numbers
// separated by one blank, the zones by " + ".
std::string drawnText(const std::string& cell) {
    std::string text;
    size_t at = 0;
    while (at < cell.size()) {
        if (cell[at] == ' ') {
            ++at;
            continue;
        }
        const size_t end = std::min(cell.find(' ', at), cell.size());
        std::string token = cell.substr(at, end - at);
        if (token[0] == ':') {
            text += " +";
            token.erase(0, 1);
        }
        if (!token.empty()) text += (text.empty() ? "" : " ") + token;
        at = end;
    }
    return text;
}

std::optional<PageKind> schemeKind(const std::string& code) {
    const std::optional<PageKind> kind = pageKindFromCode(code);
    if (!kind || !hasSchemeFile(*kind)) return std::nullopt;
    return kind;
}

// The back-test as data, not as the page draws it: per tested period its draw, each formula's
// value (where it failed, the page's own cell: "-1", blank on the custom kill page) and the formulas
// judged right; then the forecast row and the accuracy row.
void printBacktest(const BacktestResult& result, TableWriter& out) {
    const int n = result.formulaCount;
    std::vector<std::string> cells = {"期数", "开奖号码"};
    for (int j = 1; j <= n; ++j) cells.push_back("公式" + std::to_string(j));
    cells.push_back("正确公式");
    out.header(cells);
    for (int r = 1; r <= result.forecastRow(); ++r) {
        const bool forecast = r == result.forecastRow();
        cells.assign({forecast ? "预测期" : std::to_string(result.periods[static_cast<size_t>(r)]),
                      forecast ? std::string() : drawnText(result.cell(r, 2))});
        std::string right;
        for (int j = 1; j <= n; ++j) {
            const CellState state = result.state(r, j);
            cells.push_back(state == CellState::Failed ? result.cell(r, result.firstFormulaColumn() + j - 1)
                                                       : std::to_string(result.value(r, j)));
            if (state == CellState::Right && !forecast) right += (right.empty() ? "" : " ") + std::to_string(j);
        }
        cells.push_back(right);
        out.row(cells);
    }
    cells.assign({"正确率", ""});
    for (int j = 1; j <= n; ++j)
        cells.push_back(result.cell(result.accuracyRow(), result.firstFormulaColumn() + j - 1));
    cells.emplace_back();
    out.row(cells);
}

int runSchemes(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    if (opts.positional.size() != 1 || !schemeKind(opts.positional[0]))
        return usage(err, "用法: schemes hmsh|lmsh|hmtd|fqtd|hmsw");
    const SchemeLoad load = loadSchemeFile(ws.folder, *schemeKind(opts.positional[0]), ws.curcp);
    for (const std::string& problem : load.problems) err << problem << '\n';
    const SchemeStore& store = load.store;
    out.columns({"方案", "序号", "公式"});
    out.textColumns({2});
    for (int s = 0; s < kSchemeCount; ++s)
        for (int k = 1; k <= store.slots; ++k)
            out.row({std::to_string(s + 1), std::to_string(k), field(store.formula(s, k))});
    return kDone;
}

int runBacktestCommand(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    const char* synopsis =
        "用法: backtest hmsh|lmsh|hmtd|fqtd|hmsw|selfsh [--scheme N] [--count N] [--start P] [--display "
        "plain|low|high] "
        "[--formulas FILE] [--scs FILE] [--export FILE]";
    if (opts.positional.size() != 1 || !pageKindFromCode(opts.positional[0])) return usage(err, synopsis);
    const PageKind kind = *pageKindFromCode(opts.positional[0]);
    const PageKindInfo& info = pageKindInfo(kind);
    int scheme = 1, count = info.defaultCount, start = 0;
    if (!integerOption(opts, "--scheme", 0, scheme, err) || !integerOption(opts, "--count", 0, count, err) ||
        !integerOption(opts, "--start", 0, start, err))
        return kUsage;
    if (scheme < 1 || scheme > kSchemeCount) return usage(err, "--scheme 应为 1..10");
    if (count < 1 || count > info.slots) return usage(err, "--count 应为 1.." + std::to_string(info.slots));
    BacktestRequest request;
    request.kind = kind;
    request.startPeriod = start;
    if (opts.has("--display")) {
        const std::string& d = opts.value("--display");
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
        if (!opts.has("--scs")) return usage(err, "selfsh 需要 --scs FILE（自定义杀号文件）");
        CustomKillLoad load = loadCustomKillFile(opts.value("--scs"));
        for (const std::string& p : load.problems) err << p << '\n';
        if (!load.ok) return kStopped;
        request.target = load.kill.target;
        request.formulas = load.kill.firstFormulas(scheme - 1, count);
    } else {
        SchemeLoad load = loadSchemeFile(ws.folder, kind, ws.curcp);
        for (const std::string& p : load.problems) err << p << '\n';
        request.formulas = load.store.firstFormulas(scheme - 1, count);
    }
    if (opts.has("--formulas")) {
        FormulaSetLoad set = loadFormulaSet(opts.value("--formulas"), info.slots);
        for (const std::string& p : set.problems) err << p << '\n';
        if (!set.ok) return kStopped;
        if (set.formulas.empty()) {
            err << "公式集文件中没有公式" << '\n';
            return kStopped;
        }
        if (!opts.has("--count")) count = static_cast<int>(set.formulas.size());
        set.formulas.resize(static_cast<size_t>(std::min<int>(count, static_cast<int>(set.formulas.size()))));
        request.formulas = std::move(set.formulas);
    }

    const BacktestResult result = runBacktest(ws, request);
    if (result.stopped) {
        err << result.message << '\n';
        return kStopped;
    }
    printBacktest(result, out);
    if (!result.message.empty()) err << result.message << '\n';
    if (opts.has("--export")) {
        const Status saved = saveFileAtomically(opts.value("--export"), utf8ToGbk(backtestExportText(result)));
        if (!saved) {
            err << saved.message << '\n';
            return kStopped;
        }
    }
    return kDone;
}

int runVerdicts(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    const char* synopsis = "用法: verdicts KIND FORMULA [--from P1] [--to P2] [--lenient]";
    if (opts.positional.size() != 2) return usage(err, synopsis);
    if (!opts.has("--lenient") && refusedFormula(opts.positional[1], err)) return kStopped;
    int from = 0, to = 0;
    if (!integerOption(opts, "--from", 0, from, err) || !integerOption(opts, "--to", 0, to, err)) return kUsage;
    const VerdictSeries series = verdictSeries(ws, opts.positional[0], opts.positional[1], from, to);
    if (series.stopped) {
        err << series.message << '\n';
        return kStopped;
    }
    out.columns({"期数", "值", "对错"});
    for (const PeriodVerdict& row : series.rows)
        out.row(
            {std::to_string(row.period), row.ok ? std::to_string(row.value) : std::string(), row.right ? "1" : "0"});
    if (!series.message.empty()) err << series.message << '\n';
    return kDone;
}

int runSearch(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    const char* synopsis =
        "用法: search KIND --indicator ID [--back N] [--range LO HI] [--from P1] [--to P2] [--band AMIN AMAX] [--want "
        "K] "
        "[--random] [--slow] [--formula-run L] [--scheme-run L G] [--last-run L G] [--same-period L G] --seed S "
        "[--limit C]";
    if (opts.positional.size() != 1 || !opts.has("--indicator")) return usage(err, synopsis);
    if (!opts.has("--lenient") && refusedFormula(opts.value("--indicator"), err)) return kStopped;
    SearchParams p;
    p.kind = opts.positional[0];
    p.indicator = opts.value("--indicator");
    p.randomOnly = opts.has("--random");
    p.fast = !opts.has("--slow");
    int limit = 1'000'000;
    bool ok = integerOption(opts, "--back", 0, p.back, err) && integerOption(opts, "--range", 0, p.low, err) &&
              integerOption(opts, "--range", 1, p.high, err) && integerOption(opts, "--from", 0, p.fromPeriod, err) &&
              integerOption(opts, "--to", 0, p.toPeriod, err) && integerOption(opts, "--band", 0, p.accuracyLow, err) &&
              integerOption(opts, "--band", 1, p.accuracyHigh, err) &&
              integerOption(opts, "--want", 0, p.wanted, err) && integerOption(opts, "--limit", 0, limit, err);
    auto constraint = [&](const std::string& name, SearchConstraint& c, bool withCount) {
        if (!opts.has(name)) return true;
        c.on = true;
        return integerOption(opts, name, 0, c.limit, err) &&
               (!withCount || integerOption(opts, name, 1, c.applies, err));
    };
    ok = ok && constraint("--formula-run", p.formulaRun, false) && constraint("--scheme-run", p.schemeRun, true) &&
         constraint("--last-run", p.lastRun, true) && constraint("--same-period", p.samePeriod, true);
    if (!ok) return kUsage;
    if (!opts.has("--seed")) return usage(err, "search 需要 --seed S（同一种子得到同样的公式）");
    // Digits only: "-1" is no seed (a conversion that wraps it would give 2^64-1).
    const std::optional<uint64_t> parsedSeed = seedValue(opts.value("--seed"));
    if (!parsedSeed) return usage(err, "--seed 必须是非负整数");
    p.seed = *parsedSeed;
    if (limit < 1) return usage(err, "--limit 必须是正整数");

    FormulaSearch search(ws, p);
    search.run(static_cast<uint64_t>(limit));
    out.columns({"公式", "正确期数", "测试期数"});
    out.textColumns({0});
    for (const AcceptedFormula& a : search.accepted())
        out.row({a.text, std::to_string(a.right), std::to_string(a.tested)});
    err << "已尝试候选公式" << search.tried() << "个" << '\n';
    if (search.failed()) {
        err << search.message() << '\n';
        return kStopped;
    }
    return kDone;
}

}  // namespace

std::vector<Command> predictionCommands() {
    return {
        {"schemes",
         "schemes KIND",
         "提胆杀号页面的方案文件（KIND: hmsh lmsh hmtd fqtd hmsw）：方案 序号 公式",
         1,
         {},
         [](const CommandCall& c) { return runSchemes(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Opened},
        {"backtest",
         "backtest KIND [--scheme N] [--count N] [--start P] [--display plain|low|high] [--formulas FILE] [--scs FILE] "
         "[--export FILE]",
         "提胆杀号页面的回测表格（KIND 另可为 selfsh），每行一行表格，单元格以TAB分隔",
         1,
         {valued("--scheme"), valued("--count"), valued("--start"), valued("--display"), valued("--formulas"),
          valued("--scs"), valued("--export")},
         [](const CommandCall& c) { return runBacktestCommand(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"verdicts",
         "verdicts KIND FORMULA [--from P1] [--to P2] [--lenient]",
         "公式在每一期按页面规则的对错：期数 值 1(对)/0(错)",
         2,
         {valued("--from"), valued("--to"), flagged("--lenient")},
         [](const CommandCall& c) { return runVerdicts(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"search",
         "search KIND --indicator ID [--back N] [--range LO HI] [--from P1] [--to P2] [--band AMIN AMAX] [--want K] "
         "[--random] [--slow] [--formula-run L] [--scheme-run L G] [--last-run L G] [--same-period L G] --seed S "
         "[--limit C] [--lenient]",
         "公式搜索（默认加速模式）：公式 正确期数 测试期数",
         1,
         {valued("--indicator"), valued("--back"), valued("--range", 2), valued("--from"), valued("--to"),
          valued("--band", 2), valued("--want"), valued("--seed"), valued("--limit"), valued("--formula-run"),
          valued("--scheme-run", 2), valued("--last-run", 2), valued("--same-period", 2), flagged("--random"),
          flagged("--slow"), flagged("--lenient")},
         [](const CommandCall& c) { return runSearch(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
    };
}

}  // namespace lottodesk::cli
