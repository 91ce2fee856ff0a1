// The indicator analysis on the real 双色球 history: "开始剖析" of catalogue entries (the series
// and its range) and the data of the first views computed from it.

#include <benchmark/benchmark.h>

#include "analysis/analysisseries.h"
#include "analysis/signalchart.h"
#include "analysis/valueviews.h"
#include "core/workspace.h"
#include "samplehistory.h"

namespace lottodesk {
namespace {

struct Ssq {
    Ssq() : ws("/nonexistent/") {
        ws.game = GameParams{6, 1, 33, 1, 1, 16, true};
        bench::loadSsq(ws.sjk);
        ws.partitions.rebuild(ws.game.zh_to);
    }
    Workspace ws;
};

Ssq& ssq() {
    static Ssq h;
    return h;
}

const char* const kEntries[] = {
    "z_num1", "z_hz", "xh21%10", "getzf(z_dsgs)", "z_num1yl", "z_ylhz", "min(f_num1,[-1]f_num1,[-2]f_num1)"};

// "开始剖析" alone, a fresh session each time (no memo carried over).
void BM_Analyse(benchmark::State& state) {
    Workspace& ws = ssq().ws;
    const char* text = kEntries[state.range(0)];
    state.SetLabel(text);
    for (auto _ : state) {
        AnalysisSession session;
        benchmark::DoNotOptimize(session.analyse(ws, text, std::nullopt, text).ok);
    }
}
BENCHMARK(BM_Analyse)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// "开始剖析" and the first view's data: the signal chart (transform, candles, signal row).
void BM_AnalyseAndSignalChart(benchmark::State& state) {
    Workspace& ws = ssq().ws;
    const char* text = kEntries[state.range(0)];
    state.SetLabel(text);
    for (auto _ : state) {
        AnalysisSession session;
        session.analyse(ws, text, std::nullopt, text);
        const std::vector<int32_t> t = transformedSeries(session.series()->values, {KLineKind::Omission});
        benchmark::DoNotOptimize(candles(t).data());
        benchmark::DoNotOptimize(signalRow(t, SignalKind::RiseFall, 0).data());
    }
}
BENCHMARK(BM_AnalyseAndSignalChart)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// Switching views: counts, omission statistics and class statistics of a computed series.
void BM_ValueViews(benchmark::State& state) {
    Workspace& ws = ssq().ws;
    AnalysisSession session;
    session.analyse(ws, "z_hz", std::nullopt, "和值");
    const AnalysisSeries& s = *session.series();
    const DrawWindow all = recentWindow(DrawHistory::of(ws.sjk), 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(valueCounts(s.values.data(), all, s.range).counts.data());
        benchmark::DoNotOptimize(valueOmissions(s.values.data(), all, s.range).stats.current.data());
        benchmark::DoNotOptimize(classCounts(s.values.data(), all, s.range, ClassFamily::Zones, 15).counts.data());
    }
}
BENCHMARK(BM_ValueViews)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lottodesk

BENCHMARK_MAIN();
