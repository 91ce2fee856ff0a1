#include "coldhotperiod.h"

#include <algorithm>

#include "indicators/coldhot.h"

namespace lottodesk {
namespace {

std::string numbersText(const tseqlist& list) {
    std::string text;
    for (int i = 1; i <= list.count(); ++i) text += std::to_string(list.get(i)) + "  ";
    return text;
}

std::string coldHotLine(const char* zone, const tseqlist& cold, const tseqlist& warm, const tseqlist& hot) {
    return std::string(zone) + "冷号:" + numbersText(cold) + ";  " + zone + "温号:" + numbersText(warm) + ";  " + zone +
           "热号:" + numbersText(hot);
}

// Counts in the last `window` draws (8-bit, as refresh_lists) slide along the records.
WarmthTimeline timeline(const DrawHistory& history, int firstSlot, int slots, int lo, int hi, int qs, int cold,
                        int hot) {
    WarmthTimeline t;
    t.records = history.realCount;
    t.lo = lo;
    t.columns = hi >= lo ? hi - lo + 1 : 0;
    t.classes.assign(static_cast<size_t>(t.records) * t.columns, Warmth::Warm);
    if (t.columns == 0) return t;
    const int window = static_cast<uint8_t>(qs);
    const int last = std::min(firstSlot + slots, kSlots) - 1;
    std::vector<uint8_t> counts(static_cast<size_t>(t.columns), 0);
    auto add = [&](int record, int delta) {
        const int32_t* draw = history.record(record);
        for (int s = firstSlot; s <= last; ++s)
            if (draw[s] >= lo && draw[s] <= hi)
                counts[static_cast<size_t>(draw[s] - lo)] += static_cast<uint8_t>(delta);
    };
    for (int r = 1; r <= t.records; ++r) {
        add(r, 1);
        if (r - window >= 1) add(r - window, -1);
        Warmth* row = &t.classes[static_cast<size_t>(r - 1) * t.columns];
        for (int c = 0; c < t.columns; ++c) {
            if (window == 0) {
                row[c] = 0 <= cold ? Warmth::Cold : (0 >= hot ? Warmth::Hot : Warmth::Warm);
                continue;
            }
            const int n = counts[static_cast<size_t>(c)];
            row[c] = n <= cold ? Warmth::Cold : (n >= hot ? Warmth::Hot : Warmth::Warm);
        }
    }
    return t;
}

}  // namespace

ColdWarmHotLists coldWarmHotAt(const t_s_dm& store, const GameParams& game, const ColdHotSettings& settings,
                               int32_t period) {
    ColdWarmHotLists lists;
    refresh_lists(store, game, settings, period, lists);
    return lists;
}

std::string mainColdHotLine(const ColdWarmHotLists& lists) {
    return coldHotLine("红码", lists.cold, lists.warm, lists.hot);
}

std::string secondaryColdHotLine(const ColdWarmHotLists& lists) {
    return coldHotLine("蓝码", lists.f_cold, lists.f_warm, lists.f_hot);
}

WarmthTimeline mainWarmthTimeline(const DrawHistory& history, const GameParams& game, const ColdHotSettings& settings) {
    return timeline(history, 1, game.zhgs, std::min(game.zh_from, 1), game.zh_to, settings.qs, settings.coldcs,
                    settings.hotcs);
}

WarmthTimeline secondaryWarmthTimeline(const DrawHistory& history, const GameParams& game,
                                       const ColdHotSettings& settings) {
    return timeline(history, game.zhgs + 1, game.fhgs, std::min(game.spec_from, 1), game.spec_to, settings.f_qs,
                    settings.f_coldcs, settings.f_hotcs);
}

}  // namespace lottodesk
