#pragma once
// The history as a back-test or a search sees it: the real draws of the store followed by a
// temporary forecast record (period 9999999, every number 0) for the undrawn period. The view only
// reads the store: a user's prediction record in it is left out, never deleted or changed, and the
// store's cursor never moves.

#include "core/s_dm.h"
#include "core/workspace.h"
#include "indicators/context.h"

namespace lottodesk {

class ForecastView {
public:
    explicit ForecastView(const Workspace& ws) : m_ws(ws), m_real(ws.sjk.newestRealRecord()) {
        m_forecast.fill(0);
        m_forecast[0] = kPredictionPeriod;
    }
    ForecastView(const ForecastView&) = delete;
    ForecastView& operator=(const ForecastView&) = delete;

    // Records 1..realCount() are draws; realCount() + 1 is the forecast record.
    int realCount() const { return m_real; }
    int forecastRecord() const { return m_real + 1; }
    const int32_t* record(int n) const { return n > m_real ? m_forecast.data() : m_ws.sjk.record(n); }
    const GameParams& game() const { return m_ws.game; }

    // An evaluation context over the view; `memo` belongs to one thread.
    IndicatorContext context(SeriesMemo* memo, bool withForecast = true) const {
        IndicatorContext ctx = indicatorContext(m_ws, memo);
        ctx.history.realCount = m_real;
        ctx.history.candidate = withForecast ? m_forecast.data() : nullptr;
        return ctx;
    }

private:
    const Workspace& m_ws;
    int m_real;
    DrawRecord m_forecast;
};

}  // namespace lottodesk
