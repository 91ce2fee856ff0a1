// The commands of indicators and formulas: `precheck`, `name`, `eval`, `series`, `catalogue`.
#include "cli/candidate.h"
#include "cli/command.h"
#include "cli/common.h"
#include "cli/formulacheck.h"

#include <ostream>

#include "core/workspace.h"
#include "formula/evalfailure.h"
#include "formula/precheck.h"
#include "formula/selfzb.h"
#include "formula/tgs.h"
#include "indicators/catalogue.h"
#include "indicators/context.h"
#include "indicators/registry.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kEvalUsage = "用法: eval FORMULA [--period P] [--candidate \"N1 N2 .. [+ S1 ..]\"] [--lenient]";

int evalFormula(const CommandCall& c) {
    const Options& opts = c.options;
    if (opts.positional.size() != 1) return usage(c.err, kEvalUsage);
    const std::string& formula = opts.positional[0];
    if (!opts.has("--lenient") && refusedFormula(formula, c.err)) return kStopped;
    std::optional<DrawRecord> candidate;
    if (opts.has("--candidate")) {
        std::string problem;
        candidate = parseCandidate(opts.value("--candidate"), drawRulesOf(c.ws), problem);
        if (!candidate)
            return usage(c.err, "--candidate 应为 " + std::to_string(c.ws.game.zhgs) + " 个主号，可用 + 接副号");
        if (!problem.empty()) {
            c.err << problem << '\n';
            return kStopped;
        }
    }
    const t_s_dm& sjk = c.ws.sjk;
    int at = sjk.RecordCount();
    if (opts.has("--period")) {
        std::optional<int> wanted = parseInteger(opts.value("--period"));
        if (!wanted) return usage(c.err, "--period 必须是期数");
        at = sjk.indexOfPeriod(*wanted);
        if (at == 0) {
            c.err << "数据库中没有第" << *wanted << "期的记录" << '\n';
            return kStopped;
        }
    }
    SeriesMemo memo;
    IndicatorContext ctx = indicatorContext(c.ws, &memo, candidate ? candidate->data() : nullptr);
    if (candidate) {
        // The ticket is the newest draw: after the last record, or in the place of the chosen
        // period with the history cut before it, as a filter run for that period sees it.
        if (!opts.has("--period")) at += 1;
        ctx.history.realCount = at - 1;
    }
    if (at < 1) {
        c.err << "没有开奖数据" << '\n';
        return kStopped;
    }
    const EvalResult result = tgs(formula).evaluate(ctx, at);
    if (!result.ok) {
        c.err << evaluationFailure(result) << '\n';
        return kStopped;
    }
    c.out << result.value << '\n';
    return kDone;
}

int precheckOf(const CommandCall& c) {
    if (c.options.positional.size() != 1) return usage(c.err, "用法: precheck FORMULA");
    const std::string message = precheckEnteredFormula(trimFormulaText(c.options.positional[0]));
    if (!message.empty()) {
        c.err << message << '\n';
        return kStopped;
    }
    c.out << "ok" << '\n';
    return kDone;
}

int nameOf(const CommandCall& c) {
    if (c.options.positional.size() != 1) return usage(c.err, "用法: name ID");
    const std::string& id = c.options.positional[0];
    tsetaccostr entry;
    if (!Registry::instance().lookup_name(id, c.ws.game, c.ws.current().specname, entry)) {
        c.err << "“" << id << "”不是系统指标" << '\n';
        return kStopped;
    }
    c.rows.columns({"代码", "名称", "最小值", "最大值"});
    c.rows.textColumns({0, 1});
    c.rows.row({entry.id, entry.name, std::to_string(entry.min), std::to_string(entry.max)});
    return kDone;
}

int seriesOf(const CommandCall& c) {
    if (c.options.positional.size() != 1) return usage(c.err, "用法: series FORMULA [--lenient]");
    const std::string& text = c.options.positional[0];
    if (!c.options.has("--lenient") && refusedFormula(text, c.err)) return kStopped;
    SeriesMemo memo;
    const IndicatorContext ctx = indicatorContext(c.ws, &memo);
    const tgs formula(text);
    c.rows.columns({"期数", "值"});
    for (int n = 1; n <= c.ws.sjk.RecordCount(); ++n) {
        const EvalResult result = formula.evaluate(ctx, n);
        if (!result.ok) {
            c.err << evaluationFailure(result) << '\n';
            return kStopped;
        }
        c.rows.row({std::to_string(ctx.history.record(n)[0]), std::to_string(result.value)});
    }
    return kDone;
}

int listCatalogue(const CommandCall& c) {
    const bool dialog = c.options.has("--dialog");
    c.rows.columns({"系列", "代码", "名称"});
    c.rows.textColumns({0, 1, 2});
    auto print = [&](const CatalogueSeries& series) {
        for (const CatalogueEntry& entry : series.entries) c.rows.row({series.caption, entry.code, entry.name});
    };
    for (const CatalogueSeries& series : dialog ? formulaDialogCatalogue() : indicatorCatalogue()) print(series);
    if (dialog) print(formulaOperatorPage());
    CatalogueSeries saved{dialog ? "保存的自定义指标" : "已保存的自定义指标", {}};
    const SelfzbLoad selfzb = loadSelfzbFile(c.ws.folder);
    for (const std::string& line : selfzb.lines) {
        auto [code, name] = splitSelfzbLine(line);
        saved.entries.push_back({code, name});
    }
    print(saved);
    if (!selfzb.message.empty()) {
        c.err << selfzb.message << '\n';
        return kStopped;
    }
    return kDone;
}

}  // namespace

std::vector<Command> formulaCommands() {
    return {
        {"precheck", "precheck FORMULA", "输入公式时的检查（空格、括号、指标名），通过时输出 ok", 1, {}, precheckOf},
        {"name",
         "name ID",
         "指标代码的名称和取值范围：代码 名称 最小值 最大值",
         1,
         {},
         nameOf,
         OnTimeLimit::Exit,
         true},
        {"eval",
         "eval FORMULA [--period P] [--candidate \"N1 N2 .. [+ S1 ..]\"] [--lenient]",
         "公式在某期（默认最后一期）的值；有 --candidate 时为该组号代替该期\n"
         "（无 --period 时接在最后一期之后）的值；--lenient 不检查公式，未知指标为 -999",
         1,
         {valued("--period"), valued("--candidate"), flagged("--lenient")},
         evalFormula,
         OnTimeLimit::Exit,
         false,
         false,
         HistoryUse::Ordered},
        {"series",
         "series FORMULA [--lenient]",
         "公式在每一期的值：期数 值",
         1,
         {flagged("--lenient")},
         seriesOf,
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"catalogue",
         "catalogue [--dialog]",
         "指标目录：系列 代码 名称",
         0,
         {flagged("--dialog")},
         listCatalogue,
         OnTimeLimit::Exit,
         true},
    };
}

}  // namespace lottodesk::cli
