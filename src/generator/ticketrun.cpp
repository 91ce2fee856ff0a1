#include "ticketrun.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "randompick.h"
#include "runframe.h"

namespace lottodesk {
namespace {

int clampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, std::numeric_limits<int>::max()));
}

bool cancelled(const RunOptions& options) { return options.cancel && options.cancel->load(); }

// The wheel of the pool: greedy over every ticket, or over the tickets that passed (with their
// tags), then optionally made smaller. False when cancelled.
bool buildWheel(Generator& generator, const Workspace& ws, const RunOptions& options, const TicketRun& request,
                TicketRunFacts& facts) {
    const WheelPool pool = wheelPoolOf(generator.conditions, ws.game.zh_to);
    WheelOptions wheelOptions;
    wheelOptions.cancel = options.cancel;
    if (options.progress)
        wheelOptions.progress = [&options](const WheelProgress& progress) {
            options.progress(clampToInt(progress.covered), clampToInt(progress.targets));
        };
    MainResults& results = generator.results;
    WheelResult wheel = request.mode == TicketMode::FilterWheel
                            ? filteredWheel(pool, request.guarantee, results.tickets, results.tags, wheelOptions)
                            : greedyWheel(pool, request.guarantee, wheelOptions);
    if (!wheel.completed || cancelled(options)) return false;
    facts.greedySize = wheel.tickets.size();
    // A smaller wheel is searched over every ticket of the pool, so it is offered for "旋转缩水" only.
    if (request.optimise && request.mode == TicketMode::Wheel) {
        OptimiseOptions optimise;
        optimise.seconds = request.optimiseSeconds;
        optimise.seed = request.seed;
        optimise.progress = request.optimiseProgress;
        optimise.cancel = request.stopOptimising;
        // The search starts from the greedy wheel: say so before the first smaller one is found.
        if (request.optimiseProgress) request.optimiseProgress(OptimiseProgress{wheel.tickets.size(), 0});
        OptimiseResult better = optimiseWheel(pool, request.guarantee, wheel.tickets, optimise);
        if (cancelled(options)) return false;
        wheel.tickets = std::move(better.tickets);
        wheel.tags.assign(wheel.tickets.size(), 0);
        facts.optimised = true;
        facts.bestKnown = better.bestKnown;
    }
    results.tickets = std::move(wheel.tickets);
    results.tags = std::move(wheel.tags);
    return true;
}

}  // namespace

RunReport runTicketMode(Generator& generator, const Workspace& ws, const RunOptions& options, const TicketRun& request,
                        TicketRunFacts* factsOut) {
    TicketRunFacts facts;
    const bool wheel = isWheelMode(request.mode);
    if (wheel && ws.game.zhgs != kWheelTicketSize) return RunReport{false, kWheelNeedsSixNumbers, {}};
    const auto start = std::chrono::steady_clock::now();
    if (isFilteredMode(request.mode)) {
        RunReport report = generator.run(ws, options);
        if (!report.completed) return report;
        if (wheel) {
            // The tolerance tags of the passing tickets: continue filtering finds each one's own.
            report = generator.continueFiltering(ws, options);
            if (!report.completed) return report;
        }
    } else if (std::string message = runStartMessage(ws, generator.conditions); !message.empty()) {
        return RunReport{false, std::move(message), {}};
    }
    if (cancelled(options)) return RunReport{};

    MainResults& results = generator.results;
    if (wheel) {
        if (!buildWheel(generator, ws, options, request, facts)) return RunReport{};
    } else {
        RandomSource random(request.seed);
        if (request.mode == TicketMode::FilterRandom) {
            pickFromResults(results.tickets, results.tags, request.count, random);
        } else {
            results.tickets = randomTickets(ws.game.zhgs, ws.game.zh_to, request.count, random);
            results.tags.assign(results.tickets.size(), 0);
        }
    }
    results.elapsedMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    results.passCount = static_cast<int>(results.tickets.size());
    if (factsOut) *factsOut = facts;
    std::string status = runStatusText(results.elapsedMicros, results.tickets.size());
    if (facts.optimised) status += optimiseSummary(facts, results.tickets.size());
    return RunReport{true, {}, std::move(status)};
}

std::string optimiseSummary(const TicketRunFacts& facts, size_t size) {
    return "  贪心旋转" + std::to_string(facts.greedySize) + "注  优化旋转" + std::to_string(size) + "注  已知最好" +
           (facts.bestKnown ? std::to_string(facts.bestKnown->upper) + "注" : std::string("无记录"));
}

}  // namespace lottodesk
