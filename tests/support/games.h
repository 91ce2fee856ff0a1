#pragma once
// The four sample games (双色球, 超级大乐透, 七乐彩, Lotto 6/49) with their real histories, and small
// awkward histories, so engine tests run on every game shape.

#include <ostream>
#include <string>

#include <gtest/gtest.h>
#include <vector>

#include "core/drawtext.h"
#include "core/partition.h"
#include "core/s_dm.h"
#include "core/settings.h"
#include "support/history.h"

namespace lottodesk::test {

struct SampleGame {
    const char* name;
    const char* file;
    GameParams game;
};

// gtest names a parameter by the game, not by its bytes.
inline void PrintTo(const SampleGame& g, std::ostream* os) { *os << g.name; }

inline const std::vector<SampleGame>& sampleGames() {
    static const std::vector<SampleGame> games = {
        {"ssq", "ssq.txt", {6, 1, 33, 1, 1, 16, true}},
        {"dlt", "dlt.txt", {5, 1, 35, 2, 1, 12, true}},
        {"qlc", "qlc.txt", {7, 1, 30, 1, 1, 30, true}},
        {"lotto649", "lotto649.txt", {6, 1, 49, 1, 1, 49, true}},
    };
    return games;
}

inline void fillSample(t_s_dm& store, const SampleGame& g) {
    store.Clear(false);
    for (const DrawRecord& record : parseDrawText(readFile(samplePath(g.file)), g.game.zhgs + g.game.fhgs).records) {
        store.Append();
        store.setRecord(store.RecNo(), record);
    }
    ASSERT_GT(store.RecordCount(), 2000) << g.file;
}

// Appends the prediction record (9999999) with the given main numbers.
inline void addPrediction(t_s_dm& store, std::initializer_list<int32_t> numbers) {
    DrawRecord record{};
    record[0] = kPredictionPeriod;
    int slot = 1;
    for (int32_t n : numbers) record[static_cast<size_t>(slot++)] = n;
    store.Append();
    store.setRecord(store.RecNo(), record);
}

inline ZonePartitions partitionsOf(const GameParams& game) {
    ZonePartitions p;
    p.rebuild(game.zh_to);
    return p;
}

}  // namespace lottodesk::test
