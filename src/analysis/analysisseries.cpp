#include "analysisseries.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

#include "formula/tgs.h"
#include "indicators/context.h"
#include "indicators/registry.h"

namespace lottodesk {

uint64_t nextSeriesStamp() {
    static std::atomic<uint64_t> counter{0};
    return ++counter;
}

ValueRange singleValueRange(int32_t value, int zhgs) {
    const int64_t hi = int64_t{value} + std::max(zhgs, 1) - 1;
    return {value, static_cast<int32_t>(std::min<int64_t>(hi, INT32_MAX))};
}

ValueRange seriesRange(const std::vector<int32_t>& values, const std::optional<ValueRange>& typed, int zhgs) {
    // A typed range given high end first is meant the other way round.
    if (typed) return typed->lo <= typed->hi ? *typed : ValueRange{typed->hi, typed->lo};
    ValueRange range;
    if (values.size() > 1) {
        const auto [lo, hi] = std::minmax_element(values.begin() + 1, values.end());
        range = {*lo, *hi};
    }
    if (range.lo == range.hi) range = singleValueRange(range.lo, zhgs);
    return range;
}

SeriesBuild buildSeries(const IndicatorContext& ctx, std::string_view text, const std::optional<ValueRange>& typed,
                        std::string caption) {
    SeriesBuild build;
    const tgs formula(text);
    const int count = ctx.history.count();
    std::vector<int32_t> values(static_cast<size_t>(count) + 1, 0);
    for (int n = 1; n <= count; ++n) {
        const EvalResult result = formula.evaluate(ctx, n);
        if (!result.ok) {
            build.status = Status::failure(StatusCode::BadFormula, result.fault == EvalResult::Fault::Stop
                                                                       ? result.message
                                                                       : "公式有误:" + result.message);
            return build;
        }
        values[static_cast<size_t>(n)] = result.value;
    }
    AnalysisSeries& s = build.series;
    s.range = seriesRange(values, typed, ctx.game.zhgs);
    s.values = std::move(values);
    s.caption = std::move(caption);
    (Registry::instance().find(text) ? s.identifier : s.formula) = std::string(text);
    return build;
}

void AnalysisSession::replace(AnalysisSeries series, bool onDerived) {
    series.stamp = nextSeriesStamp();
    m_series = std::make_unique<AnalysisSeries>(std::move(series));
    m_onDerived = onDerived;
}

Status AnalysisSession::analyse(const Workspace& ws, std::string_view text, const std::optional<ValueRange>& typed,
                                std::string caption) {
    // `test` in the text reads the series being replaced (while it belongs to this history), as
    // it read the values the previous analysis left.
    const AuxiliaryValues current = m_series && !m_onDerived && !stale(ws) ? m_series->auxiliary() : AuxiliaryValues{};
    SeriesMemo memo;
    SeriesBuild build = buildSeries(indicatorContext(ws, &memo, nullptr, current), text, typed, std::move(caption));
    if (!build.status) return build.status;
    build.series.historyVersion = ws.sjk.version();
    replace(std::move(build.series), false);
    return Status::success();
}

void AnalysisSession::adopt(const Workspace& ws, std::vector<int32_t> values, const std::optional<ValueRange>& typed,
                            std::string caption) {
    AnalysisSeries s;
    values.resize(static_cast<size_t>(ws.sjk.RecordCount()) + 1, 0);
    s.range = seriesRange(values, typed, ws.game.zhgs);
    s.values = std::move(values);
    s.caption = std::move(caption);
    s.historyVersion = ws.sjk.version();
    replace(std::move(s), false);
}

void AnalysisSession::adoptDerived(const Workspace& ws, DerivedStore store, const std::optional<ValueRange>& typed,
                                   std::string caption) {
    store.finish();
    AnalysisSeries s;
    s.values = store.values();
    s.range = seriesRange(s.values, typed, ws.game.zhgs);
    s.caption = std::move(caption);
    m_derived = std::move(store);
    s.historyVersion = m_derived.records().version();
    replace(std::move(s), true);
}

IndicatorContext AnalysisSession::context(const Workspace& ws) {
    const AuxiliaryValues auxiliary = m_series ? m_series->auxiliary() : AuxiliaryValues{};
    if (m_onDerived) return indicatorContext(ws, m_derived.records(), &m_memo, auxiliary);
    return indicatorContext(ws, &m_memo, nullptr, auxiliary);
}

int AnalysisSession::openingRecord(const Workspace& ws) const { return std::max(1, history(ws).RecordCount() - 36); }

}  // namespace lottodesk
