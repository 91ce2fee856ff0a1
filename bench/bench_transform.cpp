// The data transform over the real 双色球 history: applying a transform (reopen, rankings, the
// shuffles, the transformed copy written into the history), going back to the raw numbers, and
// the snapshot the transform window's grid is filled from.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "analysis/transformgrid.h"
#include "core/datatransform.h"
#include "core/firstrun.h"
#include "core/settings.h"
#include "core/workspace.h"

namespace {

using namespace lottodesk;

std::string seededFolder() {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("lottodesk-bench-transform-" + std::to_string(::getpid())))
            .string() +
        "/";
    std::filesystem::create_directories(path);
    seedProgramFolder(path, LOTTODESK_SAMPLES_DIR);
    return path;
}

// A seeded program folder in the system's temporary folder, removed at the end.
struct SeededFolder {
    SeededFolder() {
        MemorySettings settings;
        initialiseWorkspace(ws, settings);
        prepareHistoryAfterStart(ws);
    }
    ~SeededFolder() { std::filesystem::remove_all(path); }
    std::string path = seededFolder();
    Workspace ws{path};
};

SeededFolder& folder() {
    static SeededFolder seeded;
    return seeded;
}

void BM_ApplyTransform(benchmark::State& state) {
    Workspace& ws = folder().ws;
    int transform = 0;
    for (auto _ : state) {
        transform = transform % 4 + 1;
        benchmark::DoNotOptimize(applyTransform(ws, transform).ok);
    }
    state.counters["records"] = ws.sjk.RecordCount();
    applyTransform(ws, 0);
}
BENCHMARK(BM_ApplyTransform)->Unit(benchmark::kMillisecond);

void BM_BackToOriginal(benchmark::State& state) {
    Workspace& ws = folder().ws;
    for (auto _ : state) {
        state.PauseTiming();
        applyTransform(ws, 1);
        state.ResumeTiming();
        benchmark::DoNotOptimize(applyTransform(ws, 0).ok);
    }
}
BENCHMARK(BM_BackToOriginal)->Unit(benchmark::kMillisecond);

void BM_GridSnapshot(benchmark::State& state) {
    Workspace& ws = folder().ws;
    applyTransform(ws, 1);
    TransformGrid grid;
    for (auto _ : state) {
        grid.fill(ws.sjk, ws.game, true);
        benchmark::DoNotOptimize(grid.rowText(grid.recordRows() - 1));
    }
    applyTransform(ws, 0);
}
BENCHMARK(BM_GridSnapshot)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
