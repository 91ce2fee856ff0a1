// The pages of the trend analysis over the whole real 双色球 history: each page's computation, as
// it runs when the page is first shown or an option changes.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include <fstream>
#include <sstream>

#include "analysis/datatables.h"
#include "analysis/distribution.h"
#include "analysis/trendomission.h"
#include "core/drawtext.h"

namespace {

using namespace lottodesk;

using History = bench::SsqHistory;

History& history() { return bench::ssqHistory(); }

// Arg: 0 main, 1 secondary, 2 tails.
void OmissionTablePage(benchmark::State& state) {
    History& h = history();
    OmissionOptions o;
    o.variant = static_cast<OmissionVariant>(state.range(0));
    o.order = 2;
    for (auto _ : state) {
        OmissionView v = computeOmissionView(h.store, h.game, o);
        benchmark::DoNotOptimize(v.table.cells.data());
    }
}
BENCHMARK(OmissionTablePage)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void DataTable3Page(benchmark::State& state) {
    History& h = history();
    for (auto _ : state) {
        DataTable t = dataTable3(h.store, h.game, ColdHotSettings{}, "红号", "蓝号");
        benchmark::DoNotOptimize(t.cells.data());
    }
}
BENCHMARK(DataTable3Page)->Unit(benchmark::kMillisecond);

// Arg: 1 or 2, the table.
void DataTable12Page(benchmark::State& state) {
    History& h = history();
    ZonePartitions partitions;
    partitions.rebuild(h.game.zh_to);
    for (auto _ : state) {
        DataTable t = state.range(0) == 1 ? dataTable1(h.store, h.game, partitions, "红号", "蓝号")
                                          : dataTable2(h.store, h.game, partitions);
        benchmark::DoNotOptimize(t.cells.data());
    }
}
BENCHMARK(DataTable12Page)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The chart over the whole history at once, with the marks of a rule (Arg: the mark list entry)
// over every row: the largest window the page can show.
void DistributionChartFullHistory(benchmark::State& state) {
    History& h = history();
    for (auto _ : state) {
        DistributionChart chart = distributionChart(h.store, h.game);
        MarkMatrix marks = markMatrix(chart, static_cast<MarkRule>(state.range(0)), 0, chart.rows());
        benchmark::DoNotOptimize(marks.marks.data());
    }
}
BENCHMARK(DistributionChartFullHistory)->Arg(0)->Arg(9)->Arg(10)->Unit(benchmark::kMillisecond);

// One step of the previous/next commands: the marks of 41 visible rows.
void DistributionScrollStep(benchmark::State& state) {
    History& h = history();
    const DistributionChart chart = distributionChart(h.store, h.game);
    int first = 0;
    for (auto _ : state) {
        MarkMatrix marks = markMatrix(chart, MarkRule::CombinedTwoOrMore, first, 41);
        benchmark::DoNotOptimize(marks.marks.data());
        first = (first + 1) % chart.rows();
    }
}
BENCHMARK(DistributionScrollStep)->Unit(benchmark::kMicrosecond);

// "冷温热分布" over the whole history: the one-pass classification and the class of every drawn cell.
void DistributionWarmthFullHistory(benchmark::State& state) {
    History& h = history();
    const DistributionChart chart = distributionChart(h.store, h.game);
    for (auto _ : state) {
        WarmthMarks w = warmthMarks(chart, mainWarmthTimeline(DrawHistory::of(h.store), h.game, ColdHotSettings{}), 0,
                                    chart.rows());
        benchmark::DoNotOptimize(w.classes.data());
    }
}
BENCHMARK(DistributionWarmthFullHistory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
