// Wheels and random picks: the greedy wheel of 20, 25 and 33 numbers, and 9,999 random tickets.
// Each benchmark reports the wheel size as a counter, so a change of result shows beside the time.
// The optimiser runs for seconds per pool; measure it with `lottodesk-cli wheel --optimise`.

#include <benchmark/benchmark.h>

#include <numeric>

#include "generator/randompick.h"
#include "core/randomsource.h"
#include "generator/wheel.h"

namespace lottodesk {
namespace {

WheelPool poolOf(int size) {
    WheelPool pool;
    pool.choosable.resize(static_cast<size_t>(size));
    std::iota(pool.choosable.begin(), pool.choosable.end(), 1);
    return pool;
}

void greedy(benchmark::State& state) {
    const WheelPool pool = poolOf(static_cast<int>(state.range(0)));
    const Guarantee guarantee = kGuaranteeRules[static_cast<size_t>(state.range(1))].guarantee;
    size_t size = 0;
    for (auto _ : state) {
        WheelResult wheel = greedyWheel(pool, guarantee);
        size = wheel.tickets.size();
        benchmark::DoNotOptimize(wheel);
    }
    state.SetLabel(guaranteeRule(guarantee).name);
    state.counters["tickets"] = static_cast<double>(size);
}
BENCHMARK(greedy)->ArgsProduct({{20, 25}, {0, 1, 2, 3, 4}})->Unit(benchmark::kMillisecond);
BENCHMARK(greedy)->Args({33, 0})->Iterations(1)->Unit(benchmark::kMillisecond);

void randomPick(benchmark::State& state) {
    RandomSource random(2024);
    for (auto _ : state) benchmark::DoNotOptimize(randomTickets(6, 33, 9999, random));
}
BENCHMARK(randomPick)->Unit(benchmark::kMillisecond);

void pickFromFilter(benchmark::State& state) {
    RandomSource random(7);
    std::vector<Ticket> all(1107568);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Ticket> tickets = all;
        std::vector<uint8_t> tags(all.size(), 0);
        state.ResumeTiming();
        pickFromResults(tickets, tags, 9999, random);
        benchmark::DoNotOptimize(tickets);
    }
}
BENCHMARK(pickFromFilter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lottodesk

BENCHMARK_MAIN();
