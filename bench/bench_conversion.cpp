// The conversion-table kill over the real 双色球 history: the chain of 200 columns, the whole
// table page (indicator values, texts and chain), and the kill run with the default and with all
// columns.
#include <benchmark/benchmark.h>

#include "samplehistory.h"

#include <fstream>
#include <sstream>

#include "core/drawtext.h"
#include "core/workspace.h"
#include "prediction/conversion.h"
#include "prediction/conversionkill.h"

namespace {

using namespace lottodesk;

Workspace& ssq() {
    static Workspace* ws = [] {
        auto* w = new Workspace("/nonexistent/");
        bench::loadSsq(w->sjk);
        w->game = {6, 1, 33, 1, 1, 16, true};
        w->partitions.rebuild(33);
        return w;
    }();
    return *ws;
}

void ConversionChainOf200(benchmark::State& state) {
    Workspace& ws = ssq();
    std::vector<int32_t> values;
    conversionSeries(ws, "xc61", 1, ws.sjk.RecordCount(), values);
    for (auto _ : state) {
        ConversionChain chain(values.data(), static_cast<int>(values.size()), kConversionColumns);
        benchmark::DoNotOptimize(chain.at(chain.rows(), kConversionColumns));
    }
    state.counters["rows"] = static_cast<double>(values.size());
}
BENCHMARK(ConversionChainOf200)->Unit(benchmark::kMillisecond);

void ConversionTablePage(benchmark::State& state) {
    Workspace& ws = ssq();
    for (auto _ : state) {
        ConversionTable t = conversionTable(ws, "xc61");
        benchmark::DoNotOptimize(t.chain.at(t.rows(), kConversionColumns));
    }
}
BENCHMARK(ConversionTablePage)->Unit(benchmark::kMillisecond);

void ConversionKillRun(benchmark::State& state) {
    Workspace& ws = ssq();
    ConversionKillOptions o;
    o.lastColumn = static_cast<int>(state.range(0));
    int right = 0;
    for (auto _ : state) {
        ConversionKill k = conversionKill(ws, "xc61", o);
        right = k.right;
        benchmark::DoNotOptimize(k.rows.data());
    }
    state.counters["right"] = right;
}
BENCHMARK(ConversionKillRun)->Arg(30)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
