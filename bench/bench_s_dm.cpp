// The draw history store: opening a large history, saving it after one appended draw, and finding
// a period.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/drawupdate.h"
#include "core/s_dm.h"

namespace {

using namespace lottodesk;

// A history file of `count` ascending draws in the system's temporary folder.
std::string makeHistory(int count) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("lottodesk-bench-" + std::to_string(count) + ".rec")).string();
    std::string bytes(static_cast<size_t>(count) * kDrawRecordSize, '\0');
    for (int i = 0; i < count; ++i) {
        DrawRecord record{};
        record[0] = 1000000 + i;
        for (int slot = 1; slot <= 7; ++slot) record[slot] = (i * 7 + slot * 5) % 33 + 1;
        std::memcpy(&bytes[static_cast<size_t>(i) * kDrawRecordSize], record.data(), kDrawRecordSize);
    }
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

void BM_Open(benchmark::State& state) {
    const std::string path = makeHistory(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        t_s_dm store;
        store.SetFileName(path);
        benchmark::DoNotOptimize(store.Open());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(BM_Open)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One draw older than all the others appended, then Post: the bubble pass carries it to the front.
void BM_AppendAndPost(benchmark::State& state) {
    const std::string path = makeHistory(static_cast<int>(state.range(0)));
    t_s_dm store;
    store.SetFileName(path);
    store.Open();
    for (auto _ : state) {
        store.Append();
        store.SetFieldValue(0, 999999);
        benchmark::DoNotOptimize(store.Post());
        state.PauseTiming();
        store.First();
        store.Delete(false);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(BM_AppendAndPost)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FindByPeriod(benchmark::State& state) {
    const std::string path = makeHistory(100000);
    t_s_dm store;
    store.SetFileName(path);
    store.Open();
    int32_t period = 1000000;
    for (auto _ : state) {
        store.SetKey();
        store.SetFieldValue(0, period);
        benchmark::DoNotOptimize(store.GotoKey());
        period = 1000000 + (period * 7 + 13) % 100000;
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_FindByPeriod);

// Importing a draw text file of 100,000 draws into an empty history: parse, append, one save.
void BM_Import(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < state.range(0); ++i) {
        text += std::to_string(1000000 + i);
        // Six distinct main numbers of 1..33 and a secondary number of 1..16, as the import checks.
        for (int slot = 1; slot <= 6; ++slot) text += ' ' + std::to_string((i * 7 + slot * 5) % 33 + 1);
        text += ' ' + std::to_string(i % 16 + 1);
        text += "\r\n";
    }
    const std::string path = (std::filesystem::temp_directory_path() / "lottodesk-bench-import.rec").string();
    const GameParams game{6, 1, 33, 1, 1, 16, true};
    for (auto _ : state) {
        t_s_dm store;
        store.SetFileName(path);
        ImportOutcome outcome = importDrawText(store, game, text, true, true);
        if (outcome.imported != state.range(0)) state.SkipWithError("import failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(BM_Import)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
