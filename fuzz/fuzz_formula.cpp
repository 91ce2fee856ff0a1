// Any text up to 64 KB as a formula, evaluated at every draw of a small history and at candidate
// tickets, and checked as a person's entry: a value or a failure with its message, never a crash,
// a hang or a read outside the text. Deep nesting, forward offsets inside history functions and
// faults at early draws are the inputs that once crashed or ran away.
#include <algorithm>
#include <string_view>

#include "core/s_dm.h"
#include "formula/precheck.h"
#include "formula/tgs.h"
#include "indicators/seriesmemo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static t_s_dm store = [] {
        t_s_dm s;
        const int32_t draws[5][8] = {{2020001, 1, 2, 3, 4, 5, 6, 7},
                                     {2020002, 3, 8, 15, 22, 27, 31, 9},
                                     {2020003, 4, 8, 16, 23, 30, 33, 12},
                                     {2020004, 1, 9, 16, 20, 21, 32, 7},
                                     {2020005, 2, 9, 14, 20, 26, 33, 1}};
        for (const auto& draw : draws) {
            DrawRecord record{};
            std::copy(std::begin(draw), std::end(draw), record.begin());
            s.Append();
            s.setRecord(s.RecNo(), record);
        }
        return s;
    }();
    static ZonePartitions partitions = [] {
        ZonePartitions p;
        p.rebuild(33);
        return p;
    }();
    constexpr size_t kMaxFormula = 64 * 1024;
    const std::string_view text(reinterpret_cast<const char*>(data), std::min(size, kMaxFormula));
    const tgs formula(text);
    const GameParams game{6, 1, 33, 1, 1, 16, true};
    SeriesMemo memo;
    memo.prepare(store.version(), game, ColdHotSettings{});
    IndicatorContext ctx{DrawHistory::of(store), game, &partitions, ColdHotSettings{}, &memo};
    for (int n = 1; n <= store.RecordCount(); ++n) {
        const EvalResult result = formula.evaluate(ctx, n);
        if (!result.ok && result.fault == EvalResult::Fault::None) __builtin_trap();
        if (result.fault == EvalResult::Fault::Stop && result.message.empty()) __builtin_trap();
    }
    // Two candidates one after the other through one memo, as the generator tests tickets.
    DrawRecord candidate{};
    candidate[0] = kCandidatePeriod;
    SeriesMemo candidateMemo;
    candidateMemo.prepare(store.version(), game, ColdHotSettings{});
    IndicatorContext withCandidate{DrawHistory::of(store, candidate.data()), game, &partitions, ColdHotSettings{},
                                   &candidateMemo};
    for (int ticket = 0; ticket < 2; ++ticket) {
        for (int i = 1; i <= 7; ++i) candidate[i] = i * 4 + ticket;
        formula.evaluate(withCandidate, store.RecordCount() + 1);
        formula.evaluate(withCandidate, store.RecordCount());
    }
    precheckEnteredFormula(text);
    return 0;
}
