#pragma once
// Random picks ("机选组号", "过滤后机选"): uniform tickets of the game, or a uniform sample of the
// filter's results. The caller owns the generator: one per run, seeded once.

#include <cstdint>
#include <vector>

#include "generator.h"
#include "core/randomsource.h"

namespace lottodesk {

inline constexpr int kDefaultPickCount = 10;  // the count field when it is empty
inline constexpr int kMaxPickCount = 9999;    // the count field holds four digits

// `count` tickets of m distinct numbers out of 1..N, each ascending; every m-set equally likely
// (a partial Fisher–Yates shuffle of one sequence that carries over from ticket to ticket).
// Fixed and selectable numbers play no part. Empty when m < 1 or m > N.
std::vector<Ticket> randomTickets(int m, int N, int count, RandomSource& random);

// "过滤后机选": shuffles the results with their tags (Fisher–Yates; a partial one when only the
// first `count` are kept) and keeps the first `count` (all of them when there are fewer).
void pickFromResults(std::vector<Ticket>& tickets, std::vector<uint8_t>& tags, int count, RandomSource& random);

}  // namespace lottodesk
