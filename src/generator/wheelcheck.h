#pragma once
// Checks a wheel's guarantee by brute force over every draw of the pool.

#include <atomic>
#include <vector>

#include "wheel.h"

namespace lottodesk {

struct WheelCheck {
    bool ok = false;
    bool completed = true;    // false when cancelled
    std::vector<int> missed;  // the first draw no ticket keeps the guarantee for, ascending
};

// The draws are the k-number sets of the pool (k and g from the guarantee) that hold every fixed
// number; with more fixed numbers than k, the k-sets of the fixed numbers. A draw is kept when
// some ticket has at least g of its numbers. Draws are examined in co-lexicographic order, so the
// first missed draw is the one with the smallest highest numbers. Costs C(pool, k) · C(k, g) steps.
WheelCheck checkWheel(const std::vector<Ticket>& tickets, const WheelPool& pool, Guarantee guarantee,
                      const std::atomic<bool>* cancel = nullptr);

}  // namespace lottodesk
