#pragma once
// Cold, warm and hot numbers as of a chosen period, into lists the caller owns. The workspace's
// own lists (as of the newest draw) are never touched by a view.

#include <cstdint>
#include <string>
#include <vector>

#include "core/cpstyle.h"
#include "core/s_dm.h"
#include "core/seqlist.h"
#include "core/settings.h"
#include "indicators/drawhistory.h"

namespace lottodesk {

// The six lists for forecasting the draw after `period` (the rule of refresh_lists); all empty
// when the period is not in the store.
ColdWarmHotLists coldWarmHotAt(const t_s_dm& store, const GameParams& game, const ColdHotSettings& settings,
                               int32_t period);

// The lines of the statistics area: "红码冷号:" + each cold main number and two blanks, then
// ";  红码温号:" and ";  红码热号:" the same way; "蓝码冷号:" ... for the secondary lists.
std::string mainColdHotLine(const ColdWarmHotLists& lists);
std::string secondaryColdHotLine(const ColdWarmHotLists& lists);

// The class of every number at every record, as a run of the classification at each period
// would give it (same window, thresholds and 8-bit window rule), computed in one pass.
enum class Warmth : uint8_t { Cold = 0, Warm = 1, Hot = 2 };
struct WarmthTimeline {
    int records = 0;
    int lo = 0;                   // first number of the zone
    int columns = 0;              // numbers lo .. lo + columns - 1
    std::vector<Warmth> classes;  // row-major, row r - 1 for record r

    // The class of `number` as classified at record `record` (1..records); Warm outside the zone.
    Warmth at(int record, int32_t number) const {
        if (record < 1 || record > records || number < lo || number >= lo + columns) return Warmth::Warm;
        return classes[static_cast<size_t>(record - 1) * columns + (number - lo)];
    }
};
WarmthTimeline mainWarmthTimeline(const DrawHistory& history, const GameParams& game, const ColdHotSettings& settings);
WarmthTimeline secondaryWarmthTimeline(const DrawHistory& history, const GameParams& game,
                                       const ColdHotSettings& settings);

}  // namespace lottodesk
