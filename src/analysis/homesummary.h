#pragma once
// What the main window's home page shows about the current game while no page is open: the most
// recent draws, how long each number has been missing, and the period to be drawn next.

#include <cstdint>
#include <vector>

#include "core/cpstyle.h"
#include "indicators/drawhistory.h"

namespace lottodesk {

inline constexpr int kHomeRecentDraws = 30;

struct HomeSummary {
    int draws = 0;                       // real draws in the history (the prediction record not counted)
    int32_t newestPeriod = 0;            // 0 without draws
    int32_t nextPeriod = 0;              // 0 without draws
    int numbersPerDraw = 0;              // zhgs + fhgs: the width of a row of recentNumbers
    std::vector<int32_t> recentPeriods;  // the most recent draws, oldest first
    std::vector<int32_t> recentNumbers;  // their numbers, row-major, main then secondary
    // Draws since each number was last drawn, index = number - zh_from (spec_from): 0 when drawn
    // in the newest draw; a number never drawn counts every draw of the history.
    std::vector<int32_t> mainOmissions;
    std::vector<int32_t> secondaryOmissions;  // empty for a game without secondary numbers
};

// `currentYear` (from the clock) starts a new year's numbering when the history ends in an earlier
// year.
HomeSummary homeSummary(const DrawHistory& history, const GameParams& game, int currentYear,
                        int recent = kHomeRecentDraws);

// The period after `newest` (year × 1000 + draw of the year): the next draw of that year, or the
// first of `currentYear` when that is later.
int32_t nextPeriod(int32_t newest, int currentYear);

}  // namespace lottodesk
