#pragma once
// Small in-memory histories for indicator and formula tests.

#include <initializer_list>
#include <string>
#include <vector>

#include "core/drawtext.h"
#include "core/s_dm.h"
#include "core/workspace.h"
#include "indicators/drawhistory.h"
#include "indicators/seriesmemo.h"
#include "support/tempfolder.h"

namespace lottodesk::test {

// A store holding the given draws (period, then the numbers in slot order), periods from 2020001.
inline void fill(t_s_dm& store, std::initializer_list<std::vector<int32_t>> draws) {
    store.Clear(false);
    int32_t period = 2020001;
    for (const std::vector<int32_t>& numbers : draws) {
        DrawRecord record{};
        record[0] = period++;
        for (size_t i = 0; i < numbers.size(); ++i) record[i + 1] = numbers[i];
        store.Append();
        store.setRecord(store.RecNo(), record);
    }
}

// The real 双色球 history of the samples.
inline void fillSsq(t_s_dm& store) {
    store.Clear(false);
    for (const DrawRecord& record : parseDrawText(readFile(samplePath("ssq.txt")), 7).records) {
        store.Append();
        store.setRecord(store.RecNo(), record);
    }
}

// `ws` over the real 双色球 history: 6 of 1..33 and 1 of 1..16.
inline void setUpSsq(Workspace& ws) {
    fillSsq(ws.sjk);
    ws.game = {6, 1, 33, 1, 1, 16, true};
    ws.partitions.rebuild(33);
}

// A context over `store` for a 6-of-1..33 + 1-of-1..16 game.
struct SsqContext {
    explicit SsqContext(const t_s_dm& store, const int32_t* candidate = nullptr, bool useMemo = true) {
        partitions.rebuild(game.zh_to);
        if (useMemo) memo.prepare(store.version(), game, settings);
        ctx = {DrawHistory::of(store, candidate), game, &partitions, settings, useMemo ? &memo : nullptr};
    }
    GameParams game{6, 1, 33, 1, 1, 16, true};
    ZonePartitions partitions;
    ColdHotSettings settings;
    SeriesMemo memo;
    IndicatorContext ctx;
};

}  // namespace lottodesk::test
