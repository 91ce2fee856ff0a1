// The chart pages of the more-charts window over the whole real 双色球 history: each chart's
// computation (on showing, "刷新" or an option change) and the fill of the rows in view (a scroll
// step or timer tick).
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include "analysis/chartgrid.h"

namespace {

using namespace lottodesk;

Workspace& workspace() { return bench::ssqWorkspace(); }

// Arg: "尾号", "奇偶", "质合".
void PropertyChartBuild(benchmark::State& state) {
    for (auto _ : state) {
        ChartData d = propertyChart(workspace(), static_cast<PropertyKind>(state.range(0)));
        benchmark::DoNotOptimize(d.marks.data());
    }
}
BENCHMARK(PropertyChartBuild)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Arg: "个数图", "分区出号个数" (3 zones), "和值分布".
void ExtendedChartBuild(benchmark::State& state) {
    for (auto _ : state) {
        ChartData d = extendedChart(workspace(), static_cast<ExtendedKind>(state.range(0)), 3);
        benchmark::DoNotOptimize(d.marks.data());
    }
}
BENCHMARK(ExtendedChartBuild)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void FieldChartBuild(benchmark::State& state) {
    const FieldTemplate t = defaultFieldTemplate("田野走势图1");
    for (auto _ : state) {
        ChartData d = fieldChart(workspace(), t, state.range(0) != 0);
        benchmark::DoNotOptimize(d.marks.data());
    }
}
BENCHMARK(FieldChartBuild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One scroll step: 30 rows refilled with marks and trend lines.
void ChartGridScrollStep(benchmark::State& state) {
    const ChartData d = propertyChart(workspace(), PropertyKind::Tail);
    t_s_grid grid;
    grid.setLayout(d);
    int first = 1;
    for (auto _ : state) {
        first = first % (d.records - 30) + 1;
        benchmark::DoNotOptimize(grid.fill(d, first, 30, 0));
    }
}
BENCHMARK(ChartGridScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
