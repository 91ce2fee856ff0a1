#pragma once
// The real histories of the samples (双色球: 3,493 draws), loaded into a store for the benchmarks.

#include <fstream>
#include <sstream>
#include <string>

#include "core/drawtext.h"
#include "core/partition.h"
#include "core/s_dm.h"
#include "core/settings.h"
#include "core/workspace.h"

namespace lottodesk::bench {

// Appends the draws of a sample file ("ssq.txt", "dlt.txt", ...) to `store`.
inline void loadSample(t_s_dm& store, const std::string& file) {
    std::ifstream in(std::string(LOTTODESK_SAMPLES_DIR) + "/" + file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    for (const DrawRecord& record : parseDrawText(text.str(), 7).records) {
        store.Append();
        store.setRecord(store.RecNo(), record);
    }
}

inline void loadSsq(t_s_dm& store) { loadSample(store, "ssq.txt"); }

// The 双色球 history with its game, partitions and cold/warm/hot settings, loaded once per program.
struct SsqHistory {
    SsqHistory() {
        loadSsq(store);
        partitions.rebuild(game.zh_to);
    }
    t_s_dm store;
    GameParams game{6, 1, 33, 1, 1, 16, true};
    ZonePartitions partitions;
    ColdHotSettings settings;
};

inline SsqHistory& ssqHistory() {
    static SsqHistory history;
    return history;
}

// A workspace holding the 双色球 history (no program folder), loaded once per program.
inline Workspace& ssqWorkspace() {
    static Workspace ws = [] {
        Workspace w("/nonexistent/");
        loadSsq(w.sjk);
        w.game = {6, 1, 33, 1, 1, 16, true};
        w.partitions.rebuild(w.game.zh_to);
        return w;
    }();
    return ws;
}

}  // namespace lottodesk::bench
