// Back-tests and the formula search over the real 双色球 history: a whole scheme as the fix-and-kill
// window reruns it on every list change, and candidates per second of the search.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include <fstream>
#include <sstream>

#include "core/drawtext.h"
#include "core/workspace.h"
#include "prediction/backtest.h"
#include "prediction/formulasearch.h"

namespace {

using namespace lottodesk;

struct Ssq {
    Ssq() : ws("/nonexistent/") {
        bench::loadSsq(ws.sjk);
        ws.game = GameParams{6, 1, 33, 1, 1, 16, true};
        ws.partitions.rebuild(ws.game.zh_to);
    }
    Workspace ws;
};

Ssq& ssq() {
    static Ssq s;
    return s;
}

// A scheme of typical kill formulas: offsets of position numbers, sums, tails and omissions.
std::vector<std::string> scheme(int count) {
    static const char* kinds[] = {
        "[-1]z_hw",   "([-1]z_num1+[-2]z_num2)%33+1", "[-1]z_num6-[-1]z_num1",        "([-1]z_hz*7+3)%33+1",
        "[-2]z_num3", "abs([-1]z_num4-[-3]z_num2)+1", "([-1]f_num1+[-1]z_num1)%33+1", "[-1]z_hwyl"};
    std::vector<std::string> formulas;
    for (int i = 0; i < count; ++i) formulas.push_back(std::string(kinds[i % 8]) + "+" + std::to_string(i / 8));
    return formulas;
}

void BM_BacktestWholeHistory(benchmark::State& state) {
    Ssq& s = ssq();
    const BacktestRequest request{PageKind::hmsh, scheme(static_cast<int>(state.range(0))), 0, ListDisplay::Plain, ""};
    int64_t checksum = 0;
    for (auto _ : state) {
        const BacktestResult result = runBacktest(s.ws, request);
        for (int right : result.rightCounts) checksum += right;
    }
    state.counters["checksum"] = static_cast<double>(checksum / static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_BacktestWholeHistory)->Arg(10)->Arg(60)->Unit(benchmark::kMillisecond);

// Candidates of the search: 6 back periods, the 50 newest draws, a band nothing reaches, so every
// candidate is tested over the whole range (the constraints off, as the dialog starts).
void BM_SearchCandidates(benchmark::State& state) {
    Ssq& s = ssq();
    SearchParams params;
    params.kind = "hmsh";
    params.indicator = "z_hw";
    params.back = 6;
    params.low = 1;
    params.high = 33;
    params.accuracyLow = 100;
    params.accuracyHigh = 100;
    params.wanted = 100;
    params.fast = state.range(0) != 0;
    params.seed = 1;
    FormulaSearch search(s.ws, params);
    const uint64_t batch = params.fast ? 10'000 : 100;
    for (auto _ : state) search.run(batch);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * batch));
    state.counters["accepted"] = static_cast<double>(search.accepted().size());
}
BENCHMARK(BM_SearchCandidates)->ArgName("fast")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
