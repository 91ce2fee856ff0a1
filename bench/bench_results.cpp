// The result lists over the full 双色球 space on the real history: the prize check of every ticket
// with its sort, "滤除组号" of a 10,000-line list, saving and loading the result file; the
// secondary-zone filter of 超级大乐透 with every row enabled; a batch of ten condition files.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include <fstream>
#include <sstream>

#include "core/drawtext.h"
#include "core/fileio.h"
#include "generator/batch.h"
#include "generator/condfile.h"
#include "generator/prizecheck.h"
#include "generator/removal.h"
#include "generator/resultfile.h"
#include "generator/secondaryfilter.h"

namespace {

using namespace lottodesk;

const std::string kFolder = "/tmp/lottodesk-bench-results/";

Workspace historyOf(const char* file, GameParams game) {
    Workspace w(kFolder);
    bench::loadSample(w.sjk, file);
    w.game = game;
    w.partitions.rebuild(game.zh_to);
    return w;
}

Workspace& ssq() {
    static Workspace ws = historyOf("ssq.txt", {6, 1, 33, 1, 1, 16, true});
    return ws;
}

const MainResults& everyTicket() {
    static const MainResults all = [] {
        makeFolders(kFolder);
        Generator generator(1);
        generator.conditions = resetConditions(33);
        generator.conditions.noEqualSpacing = generator.conditions.noSpecialRuns = false;
        generator.run(ssq(), {});
        return generator.results;
    }();
    return all;
}

void BM_PrizeCheckEveryTicket(benchmark::State& state) {
    MainResults results = everyTicket();
    const int32_t* newest = ssq().sjk.record(ssq().sjk.RecordCount());
    for (auto _ : state) {
        state.PauseTiming();
        results = everyTicket();
        state.ResumeTiming();
        checkMainPrize(results, 6, newest + 1);
    }
    state.counters["first hits"] = results.tickets.front()[6];
}
BENCHMARK(BM_PrizeCheckEveryTicket)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RemoveTenThousand(benchmark::State& state) {
    std::vector<Ticket> listed;
    for (size_t i = 0; i < 10000; ++i) listed.push_back(everyTicket().tickets[i * 110 + 7]);
    const std::string list = encodeRemovalList(listed, 6);
    MainResults results;
    size_t removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        results = everyTicket();
        state.ResumeTiming();
        removed = removeListedText(results, 6, list).removed;
    }
    state.counters["removed"] = static_cast<double>(removed);
}
BENCHMARK(BM_RemoveTenThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveResultFile(benchmark::State& state) {
    for (auto _ : state) saveResultFile(kFolder + "all.txt", everyTicket().tickets, 6);
}
BENCHMARK(BM_SaveResultFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadResultFile(benchmark::State& state) {
    saveResultFile(kFolder + "all.txt", everyTicket().tickets, 6);
    size_t count = 0;
    for (auto _ : state) count = loadResultFile(kFolder + "all.txt", 6).tickets.size();
    state.counters["tickets"] = static_cast<double>(count);
}
BENCHMARK(BM_LoadResultFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every row of the secondary-zone page enabled over its whole offered range, with tolerance.
void BM_SecondaryFilterEveryRow(benchmark::State& state) {
    static Workspace dlt = historyOf("dlt.txt", {5, 1, 35, 2, 1, 12, true});
    SecondaryConditions c = resetSecondaryConditions(12);
    for (int row = 1; row <= 8; ++row) {
        c.rows[static_cast<size_t>(row)].enabled = true;
        c.rows[static_cast<size_t>(row)].tolerant = row % 2 == 0;
        for (int v = 0; v <= 150; ++v) c.rows[static_cast<size_t>(row)].allowed.push_back(v);
    }
    size_t pairs = 0;
    for (auto _ : state) pairs = runSecondaryFilter(dlt, c).results.size();
    state.counters["pairs"] = static_cast<double>(pairs);
}
BENCHMARK(BM_SecondaryFilterEveryRow)->Unit(benchmark::kMillisecond)->UseRealTime();

void range(MainConditions& c, int number, int lo, int hi) {
    c.rows[number].enabled = true;
    c.rows[number].allowed.clear();
    for (int v = lo; v <= hi; ++v) c.rows[number].allowed.push_back(v);
}

// Ten files of a few rows each, the first two wide so the later ones continue a long list.
void BM_BatchOfTen(benchmark::State& state) {
    makeFolders(kFolder);
    std::vector<std::string> paths;
    const int rows[10][3] = {{25, 60, 140}, {2, 1, 5},   {3, 0, 4}, {1, 1, 5}, {5, 0, 2},
                             {15, 5, 10},   {16, 4, 15}, {6, 0, 2}, {7, 0, 3}, {27, 10, 50}};
    for (int i = 0; i < 10; ++i) {
        MainConditions c = resetConditions(33);
        range(c, rows[i][0], rows[i][1], rows[i][2]);
        paths.push_back(kFolder + "batch" + std::to_string(i) + ".zh");
        saveMainConditions(paths.back(), c, 33);
    }
    RunOptions options;
    options.threads = static_cast<int>(state.range(0));
    Generator generator(1);
    size_t results = 0;
    for (auto _ : state) {
        const BatchPlan plan = prepareBatch(ssq(), paths);
        runBatch(generator, ssq(), plan, options);
        results = generator.results.tickets.size();
    }
    state.counters["results"] = static_cast<double>(results);
}
BENCHMARK(BM_BatchOfTen)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
