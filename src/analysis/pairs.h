#pragma once
// Pairs that go together or apart ("相生相克"): how often each pair of main numbers was drawn
// together in a window of draws, the square grid of those counts and the lists of frequent and
// rare pairs. Only real draws count (never the prediction record); the counters are sized by the
// game's range, numbers 1..zh_to. Computed once per (history version, game, options).

#include <cstdint>
#include <string>
#include <vector>

#include "core/cpstyle.h"
#include "core/s_dm.h"
#include "drawwindow.h"

namespace lottodesk {

struct PairOptions {
    bool custom = false;          // "自定义" instead of "近"
    int recent = kDefaultRecent;  // "近" N draws; 0 (or more than the history) takes all ("所有")
    int32_t fromPeriod = 0;       // "自定义": the start period ...
    int32_t toPeriod = 0;         // ... and the end period, both included; nothing counts when either is unknown
    int together = 6;             // "相生：次数大于"
    int apart = 1;                // "相克：次数小于"

    bool operator==(const PairOptions&) const = default;
};

struct PairEntry {
    int x = 0;  // x < y
    int y = 0;
    int count = 0;
};
// "03:17==>9次".
std::string pairEntryText(const PairEntry& entry);

// The colour of a grid cell.
enum class PairMark : uint8_t { None, Together, Apart };

struct PairView {
    PairOptions options;
    DrawWindow window;                // the draws counted
    int top = 0;                      // numbers 1..top (the game's zh_to)
    std::vector<int32_t> counters;    // (top + 1)², counter[x][y] at x * (top + 1) + y
    std::vector<std::string> header;  // "1" .. top, the row and column headers
    std::vector<PairEntry> together;  // by y ascending, then x ascending
    std::vector<PairEntry> apart;
    std::string caption;  // "共" N "期" for a custom window, "" for "近"

    int count(int x, int y) const { return counters[static_cast<size_t>(x) * (top + 1) + y]; }
    // The grid cell of row x and column y (1..top): the count, "" on the diagonal.
    std::string cell(int x, int y) const { return x == y ? std::string() : std::to_string(count(x, y)); }
    PairMark mark(int x, int y) const;
    std::string togetherLabel() const { return "相生[" + std::to_string(together.size()) + "]"; }
    std::string apartLabel() const { return "相克[" + std::to_string(apart.size()) + "]"; }
};

PairView computePairView(const t_s_dm& store, const GameParams& game, const PairOptions& options);

// The last view, kept per (store, version, game, options).
class PairPage {
public:
    const PairView& run(const t_s_dm& store, const GameParams& game, const PairOptions& options);

private:
    const t_s_dm* m_store = nullptr;
    uint64_t m_version = 0;
    GameParams m_game;
    bool m_ready = false;
    PairView m_view;
};

}  // namespace lottodesk
