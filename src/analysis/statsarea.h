#pragma once
// The statistics area: over a window of recent draws, how often each number of both zones was
// drawn and how long ago it was last drawn (with the two sorted copies the bar chart offers), the
// tallies of the itemised statistics, and the cold/warm/hot numbers as of the window's end.
//
// A window asks StatsArea::run with its options; the result is computed once per history
// version, game, cold/hot settings and options, and kept until one of them changes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/seqlist.h"
#include "core/workspace.h"
#include "drawwindow.h"
#include "statspages.h"

namespace lottodesk {

enum class StatsWindowMode : uint8_t { Recent, Custom };

// The controls of the page that decide what is computed.
struct StatsOptions {
    StatsWindowMode mode = StatsWindowMode::Recent;
    int recent = kDefaultRecent;  // "近" N "期统计"; 0 for "所有"
    int32_t fromPeriod = 0;       // "自定义": the two period lists
    int32_t toPeriod = 0;
    int mainDivisor = 3;       // cb_ys: 3, 4 or 5
    int secondaryDivisor = 3;  // cb_blueys

    bool operator==(const StatsOptions&) const = default;
};

// One number of a zone: hits inside the window, draws since it was last drawn (counted back from
// the window's end through the whole history; 0 when never drawn).
struct NumberStat {
    int32_t number = 0;
    int32_t hits = 0;
    int32_t omission = 0;
};

enum class BarOrder : uint8_t { ByNumber, ByHits, ByOmission };

// The number table of one zone (numbers min(from, 1) .. to) and its sorted copies, both stable.
struct ZoneNumbers {
    std::vector<NumberStat> byNumber;
    std::vector<NumberStat> byHits;      // hits ascending
    std::vector<NumberStat> byOmission;  // omission ascending
    int32_t maxHits = 0;
    int32_t maxOmission = 0;
    // The bar chart's division: trunc(max(maxHits, maxOmission) / 10) + 1; labels step x 1..10.
    int32_t axisStep = 1;

    const std::vector<NumberStat>& ordered(BarOrder order) const {
        return order == BarOrder::ByHits ? byHits : order == BarOrder::ByOmission ? byOmission : byNumber;
    }
};

struct StatsResult {
    StatsOptions options;
    DrawWindow window;
    int32_t endPeriod = 0;  // the window's end draw; 0 when the history has none
    std::string caption;    // l_tjq: "共" + N + "期"
    ZoneNumbers main;
    ZoneNumbers secondary;  // empty for a game without secondary numbers
    StatsTallies tallies;
    // Cold, warm and hot numbers as of the window's end period (the run's own lists).
    ColdWarmHotLists lists;
    std::string mainColdHot;       // l_coldhot
    std::string secondaryColdHot;  // l_f_coldhot
    StatsPages pages;              // the texts of "分项统计一" and "分项统计二"
};

// Computes everything of one run. Reads the store without moving its cursor; the prediction record
// is never part of a window.
StatsResult computeStats(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                         const ColdHotSettings& settings, const StatsOptions& options);

// The bar chart geometry in a plot of `plotWidth` pixels: slot i (1-based) of `slots`.
struct BarSlot {
    int hitsLeft, hitsRight;          // round((i - 1 + 2/3) u) .. round(i u)
    int omissionLeft, omissionRight;  // round(i u) .. that + round(u / 3)
};
BarSlot barSlot(int i, int slots, int plotWidth);

// The last run, kept per (store, version, game, settings, options).
class StatsArea {
public:
    const StatsResult& run(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                           const ColdHotSettings& settings, const StatsOptions& options);
    const StatsResult& run(const Workspace& ws, const StatsOptions& options) {
        return run(ws.sjk, ws.game, ws.partitions, ws.settings, options);
    }
    // The result of the last run (empty before the first).
    const StatsResult& last() const { return m_result; }
    bool hasRun() const { return m_store != nullptr; }

private:
    const t_s_dm* m_store = nullptr;
    uint64_t m_version = 0;
    GameParams m_game;
    ColdHotSettings m_settings;
    StatsResult m_result;
};

}  // namespace lottodesk
