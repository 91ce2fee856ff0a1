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
#include "core/cpstyle.h"
#include "secondaryconditions.h"

namespace lottodesk {

struct ForecastConditions {
    std::vector<int32_t> killedNumbers;  // main numbers
    std::vector<int32_t> killedTails;    // digits 0..9
    std::vector<int32_t> fixedNumbers;   // main numbers
    std::string customTarget;            // the custom kill's indicator or formula; empty for none
    int32_t customLow = 0;
    int32_t customHigh = 0;
    std::vector<int32_t> customKilled;
    // The secondary zone ("蓝码杀号", "副区定胆"), for the generator's secondary pages.
    std::vector<int32_t> killedSecondary;
    std::vector<int32_t> fixedSecondary;
};

struct ForecastApplied {
    bool changed = false;
    std::string summary;             // one line per part set ("已从可选号码中去除：05 12")
    std::vector<std::string> notes;  // parts that could not be set and why
};

// The forecast of "蓝码杀号" or "副区定胆" for the secondary zone's page ("副区过滤", games with two or
// more secondary numbers): killed numbers leave the selectable numbers, fixed numbers become the
// fixed numbers ("副区胆码", at most fhgs of them: more are refused with the page's own message).
ForecastApplied applySecondaryForecast(SecondaryConditions& c, const std::vector<int32_t>& killed,
                                       const std::vector<int32_t>& fixed, const GameParams& game);
// The secondary-zone kill for the special number's page (games with one secondary number) is a
// custom-indicator condition on kSpecialKillFormula allowing every number of the zone but the
// killed ones: those numbers, ascending (empty when the kill leaves none or kills nothing of the zone).
inline constexpr const char* kSpecialKillFormula = "f_num1";
std::vector<int32_t> numbersLeftByKill(const std::vector<int32_t>& killed, const GameParams& game);

// Applies the forecast to `c` for a main range 1..zh_to. Numbers outside the range are left out;
// a list that is full refuses its part with its limit message.
ForecastApplied applyForecast(MainConditions& c, const ForecastConditions& forecast, int zh_to);

}  // namespace lottodesk
