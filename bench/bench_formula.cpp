// Formulas and indicators over the real 双色球 history: whole series as a chart or the CLI's
// `series` computes them, and single evaluations of a compiled formula.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include <fstream>
#include <sstream>

#include "core/drawtext.h"
#include "formula/tgs.h"
#include "indicators/registry.h"
#include "indicators/seriesmemo.h"

namespace {

using namespace lottodesk;

struct History {
    History() {
        bench::loadSsq(store);
        partitions.rebuild(game.zh_to);
    }
    // A context with a fresh memo, as one chart or command gets.
    IndicatorContext context(SeriesMemo& memo) {
        memo.prepare(store.version(), game, settings);
        return {DrawHistory::of(store), game, &partitions, settings, &memo};
    }
    t_s_dm store;
    GameParams game{6, 1, 33, 1, 1, 16, true};
    ZonePartitions partitions;
    ColdHotSettings settings;
};

History& history() {
    static History h;
    return h;
}

void BM_SeriesOfEveryRegistryIdentifier(benchmark::State& state) {
    History& h = history();
    int64_t checksum = 0;
    for (auto _ : state) {
        for (const RegistryItem& item : Registry::instance().items()) {
            SeriesMemo memo;  // one `series` command per identifier
            const IndicatorContext ctx = h.context(memo);
            const tgs formula(item.id);
            for (int n = 1; n <= h.store.RecordCount(); ++n) checksum += formula.evaluate(ctx, n).value;
        }
    }
    state.counters["checksum"] = static_cast<double>(checksum / state.iterations());
}
BENCHMARK(BM_SeriesOfEveryRegistryIdentifier)->Unit(benchmark::kMillisecond);

void BM_Series(benchmark::State& state, const char* text) {
    History& h = history();
    int64_t checksum = 0;
    for (auto _ : state) {
        SeriesMemo memo;
        const IndicatorContext ctx = h.context(memo);
        const tgs formula(text);
        for (int n = 1; n <= h.store.RecordCount(); ++n) checksum += formula.evaluate(ctx, n).value;
    }
    state.counters["checksum"] = static_cast<double>(checksum / state.iterations());
}
BENCHMARK_CAPTURE(BM_Series, omission_of_omission_tail, "getylz(getylz(f_num1)%10)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Series, amplitude_omission_of_sum, "getzfylz(z_hz)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Series, omission_amplitude, "getylzzf(z_num1)")->Unit(benchmark::kMillisecond);
// The formula families evaluate their formulas at earlier draws too; target: under 20 ms each.
BENCHMARK_CAPTURE(BM_Series, three_tails_repetition, "c_3zbzh:z_num1_w|z_num2_w|z_num3_w:10")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Series, four_numbers_previous, "c_zhfx:z_num1|z_num2|z_num3|z_num4:5")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Series, omission_band, "c_ylz_0_0_5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Series, drawn_again, "c_gqch_0_0_9")->Unit(benchmark::kMillisecond);

void BM_OneEvaluation(benchmark::State& state) {
    History& h = history();
    SeriesMemo memo;
    const IndicatorContext ctx = h.context(memo);
    const tgs formula("z_hz%10+[-1]z_num1*2-xh61");
    int n = h.store.RecordCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(formula.evaluate(ctx, n).value);
        n = n > 2 ? n - 1 : h.store.RecordCount();
    }
}
BENCHMARK(BM_OneEvaluation);

// A custom condition as the generator evaluates it: one candidate ticket after another, each the
// newest draw after the whole history, through one memo.
void BM_Candidates(benchmark::State& state, const char* text) {
    History& h = history();
    DrawRecord candidate{};
    candidate[0] = kCandidatePeriod;
    SeriesMemo memo;
    memo.prepare(h.store.version(), h.game, h.settings);
    const IndicatorContext ctx{DrawHistory::of(h.store, candidate.data()), h.game, &h.partitions, h.settings, &memo};
    const tgs formula(text);
    int64_t checksum = 0;
    uint32_t step = 0;
    for (auto _ : state) {
        ++step;
        for (int i = 1; i <= 6; ++i) candidate[i] = static_cast<int32_t>((step * (2 * i + 1) + 5 * i) % 33 + 1);
        checksum += formula.evaluate(ctx, h.store.RecordCount() + 1).value;
    }
    state.counters["checksum"] = static_cast<double>(checksum);
}
BENCHMARK_CAPTURE(BM_Candidates, omission_of_sum_tail, "getylz(z_hz%10)");
// Reads a later draw inside four omissions: exponential once, now a few draws per ticket.
BENCHMARK_CAPTURE(BM_Candidates, forward_in_four_omissions, "getylz(getylz(getylz(getylz([1]z_hz))))");

void BM_Compile(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tgs("min(f_num1,[-1]f_num1,[-2]f_num1)+getylz(z_hz%10)"));
}
BENCHMARK(BM_Compile);

}  // namespace

BENCHMARK_MAIN();
