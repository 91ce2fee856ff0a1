#pragma once
// The one check of a draw, made by every path that adds or changes a draw (typed entry, the
// number board, modify, import, the download hand-over, the command line), so they all accept
// and refuse the same draws with the same words.

#include <cstdint>
#include <string>

#include "cpstyle.h"
#include "s_dm.h"

namespace lottodesk {

inline constexpr const char* kPeriodLengthMessage = "期数必须是七位比如2009001";
inline constexpr const char* kReservedPeriodMessage = "9999999和9999998是软件保留的期数，不能作为开奖期数";

// "" when `period` can be the period of a real draw: seven digits and not a reserved period.
std::string periodProblem(int64_t period);

// "" when `given` numbers make a draw of the game: zhgs main numbers, plus fhgs secondary numbers
// when `withSecondary`; otherwise what is wrong, in the zones' names.
std::string countProblem(const DrawRules& rules, int given, bool withSecondary);

// Checks the period, the range of every number and repeats inside a zone, and puts each zone in
// ascending order (as the number board does, and as every history a player keeps is written).
// The secondary zone is checked only when `withSecondary`. Returns "" or what is wrong.
std::string checkDraw(const DrawRules& rules, DrawRecord& record, bool withSecondary = true);

// The rules of a game whose labels are not known: "主号" and "副号".
inline DrawRules rulesOf(const GameParams& game) { return DrawRules{game}; }

}  // namespace lottodesk
