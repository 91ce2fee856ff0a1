#pragma once
// The number texts of the analysis views. Rounding is exact (integer arithmetic, halves to even),
// so a share of 1/8 is "12.5%" and 1/16 is "6.2%", never a binary-rounding artefact. A zero
// divisor gives the empty text: an empty window shows blanks, not a crash.

#include <cstdint>
#include <string>

#include "core/drawtext.h"

namespace lottodesk {

// part / whole rounded to `decimals` places (0..6), halves to even, as an integer scaled by
// 10^decimals. whole must not be 0.
int64_t roundedQuotient(int64_t part, int64_t whole, int decimals);

// A scaled integer (value / 10^decimals) in the shortest decimal form: "12.5", "12", "-0.25".
std::string shortestDecimal(int64_t scaled, int decimals);

// 100 * part / whole to one decimal, shortest form, followed by "%"; "" when whole is 0.
std::string shareText(int64_t part, int64_t whole);
// The bar beside a share: round(width * part / whole) pixels (halves to even); 0 when whole is 0.
int shareBar(int64_t part, int64_t whole, int width = 70);

// sum / count to `decimals` places, shortest form; "" when count is 0.
std::string averageText(int64_t sum, int64_t count, int decimals);

// Two-digit number texts ("07") are core's twoDigits (core/drawtext.h), shared with the grids.

}  // namespace lottodesk
