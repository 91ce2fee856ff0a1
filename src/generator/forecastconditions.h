#pragma once
// A forecast of the fix-and-kill window turned into the generator's main-zone conditions: killed
// numbers leave the selectable numbers, killed tails become a tail condition that none of them
// occurs (count 0), fixed numbers a self-set condition that 1..m of them occur, and a custom kill
// a custom-indicator condition on its target allowing every value of its range but the killed
// ones. Each part is added only when it has values; the summary says what was set.

#include <cstdint>
#include <string>
#include <vector>

#include "conditions.h"

namespace lottodesk {

struct ForecastConditions {
    std::vector<int32_t> killedNumbers;  // main numbers
    std::vector<int32_t> killedTails;    // digits 0..9
    std::vector<int32_t> fixedNumbers;   // main numbers
    std::string customTarget;            // the custom kill's indicator or formula; empty for none
    int32_t customLow = 0;
    int32_t customHigh = 0;
    std::vector<int32_t> customKilled;
};

struct ForecastApplied {
    bool changed = false;
    std::string summary;             // one line per part set ("已从可选号码中去除：05 12")
    std::vector<std::string> notes;  // parts that could not be set and why
};

// Applies the forecast to `c` for a main range 1..zh_to. Numbers outside the range are left out;
// a list that is full refuses its part with its limit message.
ForecastApplied applyForecast(MainConditions& c, const ForecastConditions& forecast, int zh_to);

}  // namespace lottodesk
