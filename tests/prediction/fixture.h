#pragma once
// A workspace over a temporary program folder with a small 双色球-shaped history, for the
// prediction tests.

#include <initializer_list>
#include <vector>

#include "core/workspace.h"
#include "support/history.h"
#include "support/tempfolder.h"

namespace lottodesk::test {

struct PredictionFixture {
    PredictionFixture() : ws(folder.path()) {
        ws.game = GameParams{6, 1, 33, 1, 1, 16, true};
        ws.partitions.rebuild(ws.game.zh_to);
    }
    // Draws from period 2020001: six main numbers then the secondary number.
    void draws(std::initializer_list<std::vector<int32_t>> list) { fill(ws.sjk, list); }
    void threeDraws() { draws({{1, 2, 3, 4, 5, 6, 7}, {5, 12, 18, 23, 30, 33, 9}, {10, 11, 12, 21, 22, 31, 16}}); }
    void addPredictionRecord() {
        DrawRecord record{};
        record[0] = kPredictionPeriod;
        for (int s = 1; s <= 7; ++s) record[static_cast<size_t>(s)] = s + 20;
        ws.sjk.Append();
        ws.sjk.setRecord(ws.sjk.RecNo(), record);
    }

    TempFolder folder;
    Workspace ws;
};

}  // namespace lottodesk::test
