// The statistics area over the real 双色球 history: a whole run (number tables, sorted copies,
// itemised statistics and their texts, cold/warm/hot as of the window's end) for all draws and
// for the default 100, the cached answer a repaint gets, and the omission table of the trend views.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include <fstream>
#include <sstream>

#include "analysis/coldhotperiod.h"
#include "analysis/omission.h"
#include "analysis/statsarea.h"
#include "core/drawtext.h"

namespace {

using namespace lottodesk;

using History = bench::SsqHistory;

History& history() { return bench::ssqHistory(); }

void StatsRun(benchmark::State& state) {
    History& h = history();
    StatsOptions options;
    options.recent = static_cast<int>(state.range(0));
    for (auto _ : state) {
        StatsResult r = computeStats(h.store, h.game, h.partitions, h.settings, options);
        benchmark::DoNotOptimize(r.tallies.odd);
    }
    state.counters["draws"] = computeStats(h.store, h.game, h.partitions, h.settings, options).tallies.draws;
}
BENCHMARK(StatsRun)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

void StatsCached(benchmark::State& state) {
    History& h = history();
    StatsArea area;
    StatsOptions options;
    options.recent = 0;
    area.run(h.store, h.game, h.partitions, h.settings, options);
    for (auto _ : state) benchmark::DoNotOptimize(&area.run(h.store, h.game, h.partitions, h.settings, options));
}
BENCHMARK(StatsCached);

void TrendOmissionTable(benchmark::State& state) {
    History& h = history();
    const DrawHistory d = DrawHistory::of(h.store);
    for (auto _ : state) {
        OmissionTable t = trendOmissions(numberHits(d, recentWindow(d, 0), 1, 6, 1, 33));
        benchmark::DoNotOptimize(t.stats.current.data());
    }
}
BENCHMARK(TrendOmissionTable)->Unit(benchmark::kMillisecond);

void WarmthTimelineAll(benchmark::State& state) {
    History& h = history();
    for (auto _ : state) {
        WarmthTimeline t = mainWarmthTimeline(DrawHistory::of(h.store), h.game, h.settings);
        benchmark::DoNotOptimize(t.classes.data());
    }
}
BENCHMARK(WarmthTimelineAll)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
