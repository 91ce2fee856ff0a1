// The ticket generator over the full 双色球 space on the real history: the typical condition set
// (with a fresh generator per run as well as a warm one), the set plus custom-indicator conditions,
// no condition, continue filtering, and the condition back-test of the typical set over the last
// 100 draws ("条件回测", one run per draw). Each prints the result count; before the timings, the
// golden signature of the typical condition file (count and FNV-1a of the result file), which the
// generator tests check.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/drawtext.h"
#include "generator/condfile.h"
#include "generator/conditionbacktest.h"
#include "generator/generator.h"
#include "generator/resultfile.h"
#include "support/checksum.h"

namespace {

using namespace lottodesk;

Workspace& workspace() {
    static Workspace ws = [] {
        Workspace w("/tmp/lottodesk-bench/");
        bench::loadSsq(w.sjk);
        w.game = {6, 1, 33, 1, 1, 16, true};
        w.partitions.rebuild(33);
        return w;
    }();
    return ws;
}

void range(MainConditions& c, int number, int lo, int hi) {
    c.rows[number].enabled = true;
    c.rows[number].allowed.clear();
    for (int v = lo; v <= hi; ++v) c.rows[number].allowed.push_back(v);
}

// Both structural exclusions and sixteen catalogue rows.
MainConditions typicalSet() {
    MainConditions c = resetConditions(33);
    range(c, 25, 70, 130);
    range(c, 2, 2, 4);
    range(c, 3, 1, 3);
    range(c, 1, 2, 4);
    range(c, 4, 5, 6);
    range(c, 5, 0, 1);
    range(c, 15, 6, 10);
    range(c, 16, 5, 14);
    range(c, 6, 0, 1);
    range(c, 7, 0, 2);
    range(c, 39, 0, 2);
    range(c, 41, 0, 1);
    range(c, 49, 0, 40);
    range(c, 131, 0, 60);
    range(c, 121, 0, 25);
    range(c, 27, 15, 45);
    return c;
}

void runWith(benchmark::State& state, const MainConditions& conditions) {
    Generator generator(1);
    generator.conditions = conditions;
    RunOptions options;
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state) generator.run(workspace(), options);
    state.counters["results"] = static_cast<double>(generator.results.tickets.size());
}

void BM_TypicalSet(benchmark::State& state) { runWith(state, typicalSet()); }
BENCHMARK(BM_TypicalSet)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// A fresh generator for every run, as a single command-line run or a window's first run has.
void BM_TypicalSetCold(benchmark::State& state) {
    const MainConditions conditions = typicalSet();
    RunOptions options;
    options.threads = static_cast<int>(state.range(0));
    size_t results = 0;
    for (auto _ : state) {
        Generator generator(1);
        generator.conditions = conditions;
        generator.run(workspace(), options);
        results = generator.results.tickets.size();
    }
    state.counters["results"] = static_cast<double>(results);
}
BENCHMARK(BM_TypicalSetCold)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TypicalSetWithCustomIndicators(benchmark::State& state) {
    MainConditions c = typicalSet();
    c.customEnabled = true;
    std::vector<int32_t> tails{0, 1, 2, 3, 4, 5, 6, 7, 8}, amplitudes{0, 1, 2}, sums;
    for (int v = 5; v <= 45; ++v) sums.push_back(v);
    c.custom.add("z_hz%10", false, tails);
    c.custom.add("getzf(z_dsgs)", false, amplitudes);
    c.custom.add("[-1]z_hw+z_num1", false, sums);
    runWith(state, c);
}
BENCHMARK(BM_TypicalSetWithCustomIndicators)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NoCondition(benchmark::State& state) {
    MainConditions c = resetConditions(33);
    c.noEqualSpacing = c.noSpecialRuns = false;
    runWith(state, c);
}
BENCHMARK(BM_NoCondition)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ContinueTypicalSet(benchmark::State& state) {
    Generator generator(1);
    generator.conditions = resetConditions(33);
    generator.conditions.noEqualSpacing = generator.conditions.noSpecialRuns = false;
    generator.run(workspace(), {});
    const MainResults all = generator.results;
    generator.conditions = typicalSet();
    RunOptions options;
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        generator.results = all;
        state.ResumeTiming();
        generator.continueFiltering(workspace(), options);
    }
    state.counters["results"] = static_cast<double>(generator.results.tickets.size());
}
BENCHMARK(BM_ContinueTypicalSet)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ConditionBacktest100(benchmark::State& state) {
    Generator generator(1);
    generator.conditions = typicalSet();
    RunOptions options;
    options.threads = static_cast<int>(state.range(0));
    ConditionBacktest result;
    for (auto _ : state) result = conditionBacktest(generator, workspace(), 100, options);
    state.counters["survived"] = result.survivedCount;
    state.counters["mean"] = result.meanResultCount;
}
BENCHMARK(BM_ConditionBacktest100)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Prints the golden signature; false when the typical set here is not the file's.
bool printGoldenSignature() {
    const MainConditionLoad load = loadMainConditions(std::string(LOTTODESK_TEST_DATA_DIR) + "/typical.zh", 33);
    if (!load.status) {
        std::fprintf(stderr, "%s\n", load.status.message.c_str());
        return false;
    }
    Generator generator(1);
    generator.conditions = load.conditions;
    generator.run(workspace(), {});
    const std::string text = encodeResultText(generator.results.tickets, 6);
    std::printf("typical.zh: %zu tickets, FNV-1a %016llx\n", generator.results.tickets.size(),
                static_cast<unsigned long long>(test::fnv1a(text)));
    if (load.conditions == typicalSet()) return true;
    std::fprintf(stderr, "the benchmark's typical set differs from typical.zh\n");
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!printGoldenSignature()) return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
