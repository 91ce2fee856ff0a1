// The table pages of the more-charts window over the whole real 双色球 history: each page's
// computation, as it runs when the page is shown or an option changes.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include "analysis/association.h"
#include "analysis/combinedpatterns.h"
#include "analysis/pairs.h"
#include "indicators/seriesmemo.h"

namespace {

using namespace lottodesk;

using History = bench::SsqHistory;

History& history() { return bench::ssqHistory(); }

// Arg: 1 with "尾号分析", 0 without.
void CombinedPatternPageBuild(benchmark::State& state) {
    History& h = history();
    CombinedPatternOptions o;
    o.tails = state.range(0) != 0;
    for (auto _ : state) {
        CombinedPatternTable t = combinedPatternTable(h.store, h.game, h.partitions, "红号", "蓝号", o);
        benchmark::DoNotOptimize(t.cells.data());
    }
}
BENCHMARK(CombinedPatternPageBuild)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Arg: the window, 0 all draws.
void PairPageBuild(benchmark::State& state) {
    History& h = history();
    PairOptions o;
    o.recent = static_cast<int>(state.range(0));
    for (auto _ : state) {
        PairView v = computePairView(h.store, h.game, o);
        benchmark::DoNotOptimize(v.counters.data());
    }
}
BENCHMARK(PairPageBuild)->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond);

// Arg: 0 no condition (every draw a row), 1 two indicator slots (z_hz, z_ac) with a fresh memo,
// 2 a position box and the period tail.
void AssociationPageBuild(benchmark::State& state) {
    History& h = history();
    AssociationOptions o;
    if (state.range(0) == 1) {
        o.slots[0] = {true, "z_hz", {}};
        o.slots[1] = {true, "z_ac", {5, 6, 7}};
    }
    if (state.range(0) == 2) {
        o.positions[0] = 5;
        o.unbound = true;
        o.periodTail = 3;
    }
    for (auto _ : state) {
        SeriesMemo memo;
        memo.prepare(h.store.version(), h.game, ColdHotSettings{});
        const IndicatorContext ctx{DrawHistory::of(h.store), h.game, &h.partitions, ColdHotSettings{}, &memo};
        AssociationTable t = associationTable(ctx, "红号", "蓝号", o);
        benchmark::DoNotOptimize(t.cells.data());
    }
}
BENCHMARK(AssociationPageBuild)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
