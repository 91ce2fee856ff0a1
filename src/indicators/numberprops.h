#pragma once
// Properties of one number, the building blocks of every indicator. Remainders truncate toward
// zero, so a negative n has a tail in -9..0. 1 counts as a prime everywhere in this system.

#include "core/cpstyle.h"
#include "core/partition.h"

namespace lottodesk {

bool is_prime(int n);
inline int tail(int n) { return n % 10; }
inline bool isOdd(int n) { return n % 2 == 1; }
inline bool isEven(int n) { return n % 2 == 0; }
inline bool isHighTail(int n) { return tail(n) > 4; }
// 0 small (tails 0..2), 1 middle (3..5), 2 big (6..9); a negative tail is small.
inline int tailClass(int n) {
    const int t = tail(n);
    return t >= 6 ? 2 : (t >= 3 ? 1 : 0);
}
inline int route(int n) { return n % 3; }
inline int mod3(int n) { return n % 3; }
inline int mod4(int n) { return n % 4; }
inline int mod5(int n) { return n % 5; }

// The count rule "大数": n > (zh_to - zh_from + 1) div 2.
inline int bigNumberThreshold(const GameParams& game) { return (game.zh_to - game.zh_from + 1) / 2; }
inline bool isBigNumber(int n, const GameParams& game) { return n > bigNumberThreshold(game); }
// The partition rule "小区"/"大区": n <= b2(1) is small.
inline bool isSmallZone(int n, const ZonePartitions& partitions) { return n <= partitions.of(2)[1]; }

}  // namespace lottodesk
