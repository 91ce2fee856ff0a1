// The chart, indicator-trend and combination pages of the trend analysis over the whole real
// 双色球 history: what each page computes when it is shown or an option changes.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include "analysis/analysisseries.h"
#include "analysis/indicatorcombos.h"
#include "analysis/indicatortrend.h"
#include "analysis/trendcharts.h"
#include "indicators/context.h"

namespace {

using namespace lottodesk;

Workspace& workspace() { return bench::ssqWorkspace(); }

// Arg: 0 remainders, 1 spacing, 2 dispersion, 3 the omission trend of one number.
void ChartPage(benchmark::State& state) {
    const Workspace& ws = workspace();
    for (auto _ : state) {
        TrendChartData chart;
        switch (state.range(0)) {
        case 0: chart = remainderChart(ws.sjk, ws.game, 3); break;
        case 1: chart = spacingChart(ws.sjk, ws.game); break;
        case 2: chart = dispersionChart(ws.sjk, ws.game); break;
        default: chart = omissionTrendChart(ws.sjk, ws.game, false, 7); break;
        }
        benchmark::DoNotOptimize(chart.series.data());
    }
}
BENCHMARK(ChartPage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// "指标走势": the indicator over every record and its feature ("遗漏"), then the statistics box.
void IndicatorTrendPage(benchmark::State& state, const char* code) {
    const Workspace& ws = workspace();
    for (auto _ : state) {
        IndicatorTrend trend = indicatorTrend(ws, code, {TrendFeature::Omission, 17, 4});
        const int last = static_cast<int>(trend.values.size()) - 1;
        benchmark::DoNotOptimize(statisticsLine(code, trendStatistics(trend.values, 0, last)));
        benchmark::DoNotOptimize(statisticsLine(code, trendStatistics(trend.features, 0, last)));
    }
}
BENCHMARK_CAPTURE(IndicatorTrendPage, sum, "z_hz")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IndicatorTrendPage, sumOmission, "getylz(z_hz)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IndicatorTrendPage, coldCount, "z_lwr_lmgs")->Unit(benchmark::kMillisecond);

// A feature option recomputes the feature only.
void TrendFeatureChange(benchmark::State& state) {
    const std::vector<int32_t> values = indicatorTrend(workspace(), "z_hz", {}).values;
    for (auto _ : state) benchmark::DoNotOptimize(featureSeries(values, {TrendFeature::OmissionAmplitude, 17, 4}));
}
BENCHMARK(TrendFeatureChange)->Unit(benchmark::kMillisecond);

// The series of the extended, combination and pattern pages: one identifier over every record.
void IdentifierSeries(benchmark::State& state, const char* text) {
    const Workspace& ws = workspace();
    for (auto _ : state) {
        SeriesMemo memo;
        SeriesBuild build = buildSeries(indicatorContext(ws, &memo), text, std::nullopt, text);
        benchmark::DoNotOptimize(build.series.values.data());
    }
}
BENCHMARK_CAPTURE(IdentifierSeries, zone, "c_fq_0_4_1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IdentifierSeries, counts, "c_lwr_30_0_2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IdentifierSeries, similar, "c_same_0_10_2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IdentifierSeries, sameSpot, "c_twyc_0_0_0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IdentifierSeries, combination,
                  "getzb(c_zhfx:z_num1_w|z_num2_w|z_num3_w|z_num4_w|z_num5_w|z_num6_w:7)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IdentifierSeries, pattern, "c_3zbzh:z_num1_w|z_num2_w|z_num3_w:6")->Unit(benchmark::kMillisecond);

// "形态图表" and "指标拼图": Arg = the rows (100 by default, or every record).
void PatternTablePage(benchmark::State& state) {
    const Workspace& ws = workspace();
    const int last = ws.sjk.RecordCount();
    const int first = state.range(0) == 0 ? 1 : last - static_cast<int>(state.range(0)) + 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(patternTable(ws, {"z_num1_w", "z_num2_w", "z_num3_w"}, first, last).rows.data());
}
BENCHMARK(PatternTablePage)->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond);

void MosaicPage(benchmark::State& state) {
    const Workspace& ws = workspace();
    const int last = ws.sjk.RecordCount();
    const int first = state.range(0) == 0 ? 1 : last - static_cast<int>(state.range(0)) + 1;
    const std::vector<MosaicEntry> entries = defaultMosaic();
    for (auto _ : state) benchmark::DoNotOptimize(mosaicTable(ws, entries, first, last).rows.data());
}
BENCHMARK(MosaicPage)->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
