#pragma once
// A ticket typed on the command line, "N1 N2 .. [+ S1 ..]" (blanks, TABs or commas between the
// numbers), as a record of the current game: `eval --candidate` and the global `--predict`.

#include <optional>
#include <string>

#include "core/drawcheck.h"
#include "core/s_dm.h"

namespace lottodesk::cli {

// The record (period kCandidatePeriod, numbers ascending in each zone), or nothing when the text is
// not a ticket of the game's shape (a usage error). `problem` says when a number is outside its
// zone or repeated.
std::optional<DrawRecord> parseCandidate(const std::string& text, const DrawRules& rules, std::string& problem);

}  // namespace lottodesk::cli
