// Any text as a formula, evaluated at every draw of a small history and at a candidate: a value or
// a failure with its message, never a crash, a hang or a read outside the text.
#include <string_view>

#include "core/s_dm.h"
#include "formula/tgs.h"
#include "indicators/seriesmemo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static t_s_dm store = [] {
        t_s_dm s;
        const int32_t draws[4][8] = {{2020001, 1, 2, 3, 4, 5, 6, 7},
                                     {2020002, 3, 8, 15, 22, 27, 31, 9},
                                     {2020003, 4, 8, 16, 23, 30, 33, 12},
                                     {2020004, 1, 9, 16, 20, 21, 32, 7}};
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
    static DrawRecord candidate = [] {
        DrawRecord r{};
        r[0] = kCandidatePeriod;
        for (int i = 1; i <= 7; ++i) r[i] = i * 4;
        return r;
    }();
    const std::string_view text(reinterpret_cast<const char*>(data), std::min<size_t>(size, 256));
    const tgs formula(text);
    SeriesMemo memo;
    const GameParams game{6, 1, 33, 1, 1, 16, true};
    memo.prepare(store.version(), game, ColdHotSettings{});
    IndicatorContext ctx{DrawHistory::of(store), game, &partitions, ColdHotSettings{}, &memo};
    for (int n = 1; n <= store.RecordCount(); ++n) {
        const EvalResult result = formula.evaluate(ctx, n);
        if (!result.ok && result.fault == EvalResult::Fault::None) __builtin_trap();
    }
    IndicatorContext withCandidate{DrawHistory::of(store, candidate.data()), game, &partitions, ColdHotSettings{}, nullptr};
    formula.evaluate(withCandidate, store.RecordCount() + 1);
    return 0;
}
