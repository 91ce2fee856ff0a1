#include "verdicts.h"

#include "forecastview.h"
#include "formula/evalfailure.h"
#include "formula/tgs.h"
#include "indicators/seriesmemo.h"
#include "judge.h"
#include "pagekind.h"

namespace lottodesk {

namespace {

// A stopped evaluation (a division by zero) ends the whole run; its sentence names the formula.
VerdictSeries stoppedSeries(const EvalResult& stop) {
    VerdictSeries series;
    series.stopped = true;
    series.message = stop.message;
    return series;
}

}  // namespace

VerdictSeries verdictSeries(const Workspace& ws, const std::string& kind, const std::string& formula, int32_t from,
                            int32_t to) {
    VerdictSeries series;
    const ForecastView view(ws);
    const int real = view.realCount();
    const int first = from != 0 ? ws.sjk.indexOfPeriod(from) : 1;
    const int last = to != 0 ? ws.sjk.indexOfPeriod(to) : real;
    if (first < 1 || first > real || last < 1 || last > real) {
        series.stopped = true;
        series.message = "数据库中没有第" + std::to_string(first < 1 || first > real ? from : to) + "期的开奖记录";
        return series;
    }
    if (last < first) return series;
    SeriesMemo memo;
    const IndicatorContext ctx = view.context(&memo);
    const std::optional<PageKind> page = pageKindFromCode(kind);
    const bool custom = !page || *page == PageKind::selfsh;
    DrawJudge judge(view, custom ? Verdict::CustomKill : pageKindInfo(*page).verdict,
                    !custom && pageKindInfo(*page).secondaryZone, first, last);
    if (custom) {
        const tgs target(kind);
        std::vector<int32_t> values;
        std::vector<uint8_t> ok;
        for (int n = first; n <= last; ++n) {
            const EvalResult r = target.evaluate(ctx, n);
            if (r.fault == EvalResult::Fault::Stop) return stoppedSeries(r);
            values.push_back(r.value);
            ok.push_back(r.ok);
            if (!r.ok) series.message = "要杀号的指标有误：" + evaluationFailure(r);
        }
        judge.setTargets(std::move(values), std::move(ok));
    }
    const tgs compiled(formula);
    for (int n = first; n <= last; ++n) {
        PeriodVerdict row;
        row.period = view.record(n)[0];
        const EvalResult r = compiled.evaluate(ctx, n);
        if (r.fault == EvalResult::Fault::Stop) return stoppedSeries(r);
        row.ok = r.ok;
        row.value = r.value;
        row.right = r.ok && judge.right(n, r.value);
        if (!r.ok) series.message = evaluationFailure(r);
        series.rows.push_back(row);
    }
    return series;
}

}  // namespace lottodesk
