#pragma once
// "优化旋转": a search for a smaller wheel with the same guarantee, starting from a wheel that keeps
// it (the greedy one). A local search over the tickets, for one size at a time: a ticket changes one
// number so that a draw the wheel misses becomes kept, and the count of missed draws is the cost;
// first a tabu walk (the best such move, a little noise), then simulated annealing. A wheel is only
// taken once the exhaustive check confirms it.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "coveringtable.h"
#include "wheel.h"

namespace lottodesk {

struct OptimiseProgress {
    size_t size = 0;     // the smallest confirmed wheel so far
    double seconds = 0;  // time spent
};

struct OptimiseOptions {
    double seconds = 10;                                    // time allowed; the search also ends at the best known size
    uint64_t seed = 0;                                      // the same seed and time give the same search
    std::function<void(const OptimiseProgress&)> progress;  // after each smaller wheel
    const std::atomic<bool>* cancel = nullptr;              // polled often; the best confirmed wheel is returned
};

struct OptimiseResult {
    std::vector<Ticket> tickets;  // the smallest confirmed wheel (the start when none was found)
    size_t startSize = 0;
    // The best known size of this guarantee and pool ("中五保五" and "中四保四", from the covering
    // table; with fixed numbers, of the pool's other numbers), or nothing.
    std::optional<CoveringBound> bestKnown;
    bool cancelled = false;
    double seconds = 0;
};

// `start` must keep the guarantee for the pool (every ticket holds the fixed numbers and otherwise
// pool numbers); a start that does not fit is returned as it is.
OptimiseResult optimiseWheel(const WheelPool& pool, Guarantee guarantee, const std::vector<Ticket>& start,
                             const OptimiseOptions& options);

// The best known size for a guarantee and pool, when there is one.
std::optional<CoveringBound> bestKnownWheel(const WheelPool& pool, Guarantee guarantee);

}  // namespace lottodesk
