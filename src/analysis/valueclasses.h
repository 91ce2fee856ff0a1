#pragma once
// The classes of an analysed value: tail, remainder, odd/even, prime/composite, big/small and the
// zones of a value range. Values may be negative or span thousands: tails and remainders are the
// non-negative classes 0..k-1, and a value outside the range belongs to no zone.

#include <cstdint>
#include <vector>

#include "analysisseries.h"

namespace lottodesk {

// v mod k as a class 0..k-1 (k >= 1), also for negative v.
inline int32_t remainderClass(int32_t v, int32_t k) {
    const int32_t r = v % k;
    return r < 0 ? r + k : r;
}
inline int32_t tailClass10(int32_t v) { return remainderClass(v, 10); }
inline bool isOddValue(int32_t v) { return remainderClass(v, 2) == 1; }
// The prime test of the number properties (1 counts as prime; 0 and negative values do not).
bool isPrimeValue(int32_t v);

// The zones of a range: n = hi - lo + 1 values cut into k consecutive zones of n div k values,
// the last n mod k zones one value more. Upper bounds of zones 1..k (an empty zone repeats the
// bound before it); nothing for k < 1 or an empty range.
std::vector<int32_t> zoneUpperBounds(ValueRange range, int k);
// The zone (0-based) of v: the first zone whose upper bound is not below it; -1 outside the range.
int zoneOf(int32_t v, ValueRange range, const std::vector<int32_t>& upperBounds);

}  // namespace lottodesk
