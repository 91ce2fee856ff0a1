#pragma once
// The wheel and random-pick runs of the generator ("旋转缩水", "过滤后旋转", "机选组号", "过滤后机选"):
// the regular filter first where the mode says so, then the wheel or the pick. The window and the
// command line run them through here, so both give the same tickets for the same seed.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "generator.h"
#include "randompick.h"
#include "wheel.h"
#include "wheeloptimiser.h"

namespace lottodesk {

enum class TicketMode {
    Wheel,         // "旋转缩水": the greedy wheel over every ticket of the pool
    FilterWheel,   // "过滤后旋转": the wheel over the tickets that pass the filter
    Random,        // "机选组号": uniform tickets of the game
    FilterRandom,  // "过滤后机选": a uniform sample of the tickets that pass the filter
};

inline bool isWheelMode(TicketMode mode) { return mode == TicketMode::Wheel || mode == TicketMode::FilterWheel; }
inline bool isFilteredMode(TicketMode mode) {
    return mode == TicketMode::FilterWheel || mode == TicketMode::FilterRandom;
}

struct TicketRun {
    TicketMode mode = TicketMode::Wheel;
    Guarantee guarantee = Guarantee::SixKeepFive;
    int count = kDefaultPickCount;  // random picks
    uint64_t seed = 0;              // random picks and the optimiser
    // "优化旋转": after the greedy wheel of "旋转缩水", search for a smaller one with the same
    // guarantee for at most `optimiseSeconds`. Setting `stopOptimising` ends the search with the
    // smallest wheel confirmed so far (the run still completes). `optimiseProgress` hears of the
    // greedy wheel when the search starts and of each smaller wheel confirmed.
    bool optimise = false;
    double optimiseSeconds = 30;
    const std::atomic<bool>* stopOptimising = nullptr;
    std::function<void(const OptimiseProgress&)> optimiseProgress;
};

// What a wheel run found beside its tickets, for the status text.
struct TicketRunFacts {
    size_t greedySize = 0;     // the greedy wheel's size (wheels)
    bool optimised = false;    // the optimiser ran
    std::optional<CoveringBound> bestKnown;
};

// Runs `request` on `generator` (its conditions set). Progress goes to options.progress: blocks
// of the filter, then covered targets of the wheel; options.cancel stops every stage and leaves
// the run not completed. A completed run leaves the tickets and tags in generator.results, the
// time in results.elapsedMicros and the status text in the report.
RunReport runTicketMode(Generator& generator, const Workspace& ws, const RunOptions& options, const TicketRun& request,
                        TicketRunFacts* facts = nullptr);

// "  贪心旋转N注  优化旋转M注  已知最好K注" (the last part "无记录" without a known size).
std::string optimiseSummary(const TicketRunFacts& facts, size_t size);

}  // namespace lottodesk
