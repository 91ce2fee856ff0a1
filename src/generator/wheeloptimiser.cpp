#include "wheeloptimiser.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "combinations.h"
#include "core/randomsource.h"
#include "wheelcheck.h"

namespace lottodesk {
namespace {

using Clock = std::chrono::steady_clock;

// The problem on the pool's non-fixed numbers 0..v-1: tickets of K numbers, draws of P numbers,
// a draw kept when a ticket has G of its numbers.
struct Shape {
    int v = 0, K = 0, P = 0, G = 0;
};

class Annealer {
public:
    Annealer(Shape shape, uint64_t seed) : m_s(shape), m_random(seed) {
        m_all = m_s.v >= 64 ? ~uint64_t{0} : (uint64_t{1} << m_s.v) - 1;
        const size_t draws = kBinomial(m_s.v, m_s.P);
        m_count.assign(draws, 0);
        m_slot.assign(draws, -1);
    }

    void load(const std::vector<uint64_t>& blocks) {
        std::fill(m_count.begin(), m_count.end(), 0);
        std::fill(m_slot.begin(), m_slot.end(), -1);
        m_missed.clear();
        m_blocks = blocks;
        for (uint64_t b : m_blocks) forEachKept(b, [&](uint32_t d) { ++m_count[d]; });
        for (size_t d = 0; d < m_count.size(); ++d)
            if (m_count[d] == 0) addMissed(static_cast<uint32_t>(d));
    }

    // Drops the ticket whose loss misses the fewest draws.
    void dropOne() {
        size_t bestAt = 0;
        int bestLoss = INT32_MAX;
        for (size_t i = 0; i < m_blocks.size(); ++i) {
            int loss = 0;
            forEachKept(m_blocks[i], [&](uint32_t d) { loss += m_count[d] == 1; });
            if (loss < bestLoss || (loss == bestLoss && m_random.below(2) == 0)) {
                bestLoss = loss;
                bestAt = i;
            }
        }
        forEachKept(m_blocks[bestAt], [&](uint32_t d) {
            if (--m_count[d] == 0) addMissed(d);
        });
        m_blocks[bestAt] = m_blocks.back();
        m_blocks.pop_back();
    }

    size_t missed() const { return m_missed.size(); }
    const std::vector<uint64_t>& blocks() const { return m_blocks; }

    // A cooling schedule: the starting temperature, the moves per temperature per ticket, the
    // cooling factor, and how many temperatures without a better cost freeze the run.
    struct Schedule {
        double temperature;
        int movesPerTicket;
        double cooling;
        int patience;
    };
    // Short hot runs find the tight designs of "中五保五" at once; long cool runs do best on
    // "中四保四" and on wider pools. The search takes them in turn.
    static constexpr Schedule kSchedules[2] = {{0.6, 8, 0.97, 150}, {0.3, 200, 0.998, 30}};

    // Anneals until no draw is missed (true) or the schedule freezes or `stop` says so (false).
    template <typename Stop>
    bool anneal(const Schedule& schedule, Stop&& stop) {
        const size_t b = m_blocks.size();
        const int64_t perTemperature = std::max<int64_t>(200, static_cast<int64_t>(b) * schedule.movesPerTicket);
        double temperature = schedule.temperature;
        size_t bestCost = missed();
        int stale = 0;
        for (int64_t move = 0; missed() > 0; ++move) {
            if ((move & 1023) == 0 && stop()) return false;
            if (move % perTemperature == perTemperature - 1) {
                temperature *= schedule.cooling;
                if (missed() < bestCost) {
                    bestCost = missed();
                    stale = 0;
                } else if (++stale > schedule.patience) {
                    return false;
                }
            }
            step(temperature);
        }
        return true;
    }

    // A walk over the same moves at one size, after WalkSAT: each step takes a missed draw and makes
    // the best move that keeps it (the fewest missed draws after it, ties at random), or with a
    // little noise a random one. A ticket just changed is not moved back at once unless that gains
    // (a short tabu), so the walk leaves plateaus. Returns true when no draw is missed.
    template <typename Stop>
    bool walk(int64_t moves, Stop&& stop) {
        m_changed.assign(m_blocks.size(), INT64_MIN / 2);
        const int64_t tabu = tabuTenure();
        for (int64_t move = 0; missed() > 0; ++move) {
            if ((move & 255) == 0 && stop()) return false;
            if (move >= moves) return false;
            walkStep(move, tabu);
        }
        return true;
    }

private:
    static constexpr double kWalkNoise = 0.1;

    // About 0.7 of the tickets one number short of a given draw: long enough to leave a plateau,
    // short enough to leave most moves open.
    int64_t tabuTenure() const {
        const double share = static_cast<double>(kBinomial(m_s.P, m_s.G - 1) * kBinomial(m_s.v - m_s.P, m_s.K - m_s.G + 1)) /
                             static_cast<double>(kBinomial(m_s.v, m_s.K));
        return std::max<int64_t>(3, std::llround(0.7 * share * static_cast<double>(m_blocks.size())));
    }

    // The change of the missed count when `block` swaps x for y: draws with exactly G of its numbers
    // that hold x are lost, those with G of the new ticket's that hold y are gained; both have G-1
    // of the numbers the two tickets share.
    int deltaOf(uint64_t block, uint64_t x, uint64_t y) const {
        const uint64_t shared = block & ~x;
        const uint64_t others = m_all & ~block & ~y;
        int delta = 0;
        forEachSubset(shared, m_s.G - 1, [&](uint64_t a) {
            forEachSubset(others, m_s.P - m_s.G, [&](uint64_t rest) {
                delta += m_count[colexRank(a | x | rest)] == 1;
                delta -= m_count[colexRank(a | y | rest)] == 0;
            });
        });
        return delta;
    }

    void swapNumber(size_t i, uint64_t x, uint64_t y) {
        const uint64_t block = m_blocks[i];
        const uint64_t shared = block & ~x;
        const uint64_t others = m_all & ~block & ~y;
        forEachSubset(shared, m_s.G - 1, [&](uint64_t a) {
            forEachSubset(others, m_s.P - m_s.G, [&](uint64_t rest) {
                const uint32_t lost = static_cast<uint32_t>(colexRank(a | x | rest));
                if (--m_count[lost] == 0) addMissed(lost);
                const uint32_t gained = static_cast<uint32_t>(colexRank(a | y | rest));
                if (m_count[gained]++ == 0) removeMissed(gained);
            });
        });
        m_blocks[i] = shared | y;
    }

    void walkStep(int64_t now, int64_t tabu) {
        const uint64_t draw = colexUnrank(m_missed[m_random.below(m_missed.size())], m_s.P, m_s.v);
        m_candidates.clear();
        for (uint32_t i = 0; i < m_blocks.size(); ++i)
            if (std::popcount(m_blocks[i] & draw) == m_s.G - 1) m_candidates.push_back(i);
        if (m_candidates.empty()) return;
        size_t chosen = SIZE_MAX;
        uint64_t x = 0, y = 0;
        if (m_random.unit() < kWalkNoise) {
            chosen = m_candidates[m_random.below(m_candidates.size())];
            x = pickBit(m_blocks[chosen] & ~draw);
            y = pickBit(draw & ~m_blocks[chosen]);
        } else {
            int best = INT32_MAX;
            uint64_t ties = 0;
            for (uint32_t i : m_candidates) {
                const uint64_t block = m_blocks[i];
                const bool held = now - m_changed[i] < tabu;
                for (uint64_t xs = block & ~draw; xs != 0; xs &= xs - 1)
                    for (uint64_t ys = draw & ~block; ys != 0; ys &= ys - 1) {
                        const uint64_t bx = xs & (0 - xs), by = ys & (0 - ys);
                        const int delta = deltaOf(block, bx, by);
                        if (held && delta >= 0) continue;
                        if (delta < best) {
                            best = delta;
                            ties = 1;
                        } else if (delta > best || m_random.below(++ties) != 0) {
                            continue;
                        }
                        chosen = i;
                        x = bx;
                        y = by;
                    }
            }
        }
        if (chosen == SIZE_MAX || x == 0 || y == 0) return;
        swapNumber(chosen, x, y);
        m_changed[chosen] = now;
    }

    template <typename F>
    void forEachKept(uint64_t block, F&& f) const {
        const uint64_t out = m_all & ~block;
        for (int i = std::max(m_s.G, m_s.P - (m_s.v - m_s.K)); i <= std::min(m_s.K, m_s.P); ++i)
            forEachSubset(block, i, [&](uint64_t a) {
                forEachSubset(out, m_s.P - i, [&](uint64_t rest) { f(static_cast<uint32_t>(colexRank(a | rest))); });
            });
    }

    void addMissed(uint32_t d) {
        m_slot[d] = static_cast<int32_t>(m_missed.size());
        m_missed.push_back(d);
    }
    void removeMissed(uint32_t d) {
        const int32_t at = m_slot[d];
        const uint32_t last = m_missed.back();
        m_missed[static_cast<size_t>(at)] = last;
        m_slot[last] = at;
        m_missed.pop_back();
        m_slot[d] = -1;
    }

    uint64_t pickBit(uint64_t mask) {
        int n = std::popcount(mask);
        for (uint64_t skip = m_random.below(static_cast<uint64_t>(n)); skip > 0; --skip) mask &= mask - 1;
        return mask & (0 - mask);
    }

    // One move: a missed draw, a ticket one number short of keeping it, one of the ticket's
    // numbers outside the draw swapped for one of the draw's numbers outside the ticket.
    void step(double temperature) {
        const uint64_t draw = colexUnrank(m_missed[m_random.below(m_missed.size())], m_s.P, m_s.v);
        // A uniform choice among those tickets: random tickets until one is (cheap when a few
        // percent are), else a scan of all of them.
        size_t chosen = SIZE_MAX;
        for (int tries = 0; tries < 64 && chosen == SIZE_MAX; ++tries) {
            const size_t i = m_random.below(m_blocks.size());
            if (std::popcount(m_blocks[i] & draw) == m_s.G - 1) chosen = i;
        }
        if (chosen == SIZE_MAX) {
            m_candidates.clear();
            for (uint32_t i = 0; i < m_blocks.size(); ++i)
                if (std::popcount(m_blocks[i] & draw) == m_s.G - 1) m_candidates.push_back(i);
            chosen = m_candidates.empty() ? m_random.below(m_blocks.size())
                                          : m_candidates[m_random.below(m_candidates.size())];
        }
        const uint64_t block = m_blocks[chosen];
        if ((block & ~draw) == 0 || (draw & ~block) == 0) return;
        const uint64_t x = pickBit(block & ~draw);
        const uint64_t y = pickBit(draw & ~block);
        const int delta = deltaOf(block, x, y);
        if (delta > 0 && m_random.unit() >= std::exp(-delta / temperature)) return;
        swapNumber(chosen, x, y);
    }

    Shape m_s;
    RandomSource m_random;
    uint64_t m_all = 0;
    std::vector<uint64_t> m_blocks;
    std::vector<uint32_t> m_count;       // per draw: the tickets that keep it
    std::vector<int32_t> m_slot;         // per draw: its place in m_missed, or -1
    std::vector<uint32_t> m_missed;      // the draws no ticket keeps
    std::vector<uint32_t> m_candidates;  // tickets one number short of a draw
    std::vector<int64_t> m_changed;      // per ticket: the walk's step that last moved it
};

// A walk that has not kept every draw after this many moves per ticket starts again from the best.
constexpr int64_t kWalkMovesPerTicket = 100000;

std::optional<Shape> shapeOf(const WheelPool& pool, Guarantee guarantee) {
    const GuaranteeRule& rule = guaranteeRule(guarantee);
    const int d = static_cast<int>(pool.fixed.size());
    Shape s{static_cast<int>(pool.choosable.size()), kWheelTicketSize - d, rule.drawn - d, rule.kept - d};
    // Nothing to search: every ticket keeps every draw, or there is no draw or ticket.
    if (s.G <= 0 || s.P < s.G || s.K < s.G || s.P > s.v || s.K > s.v || s.v > 49) return std::nullopt;
    return s;
}

std::optional<uint64_t> blockOf(const WheelPool& pool, const Ticket& ticket) {
    uint64_t mask = 0;
    size_t fixedIn = 0;
    for (int i = 0; i < kWheelTicketSize; ++i) {
        if (std::binary_search(pool.fixed.begin(), pool.fixed.end(), int{ticket[i]})) {
            ++fixedIn;
            continue;
        }
        const auto at = std::lower_bound(pool.choosable.begin(), pool.choosable.end(), int{ticket[i]});
        if (at == pool.choosable.end() || *at != ticket[i]) return std::nullopt;
        mask |= uint64_t{1} << (at - pool.choosable.begin());
    }
    if (fixedIn != pool.fixed.size() || std::popcount(mask) + static_cast<int>(fixedIn) != kWheelTicketSize)
        return std::nullopt;
    return mask;
}

Ticket ticketOfBlock(const WheelPool& pool, uint64_t block) {
    std::vector<int> numbers(pool.fixed);
    for (uint64_t m = block; m != 0; m &= m - 1) numbers.push_back(pool.choosable[std::countr_zero(m)]);
    std::sort(numbers.begin(), numbers.end());
    Ticket ticket{};
    for (size_t i = 0; i < numbers.size() && i < ticket.size(); ++i) ticket[i] = static_cast<uint8_t>(numbers[i]);
    return ticket;
}

}  // namespace

std::optional<CoveringBound> bestKnownWheel(const WheelPool& pool, Guarantee guarantee) {
    const GuaranteeRule& rule = guaranteeRule(guarantee);
    if (rule.drawn != rule.kept) return std::nullopt;  // lotto designs: no table
    const int d = static_cast<int>(pool.fixed.size());
    if (d > kWheelTicketSize) return std::nullopt;
    if (d >= rule.kept) return CoveringBound{static_cast<int>(pool.choosable.size()), kWheelTicketSize - d, 0, 1, 1};
    return bestKnownCovering(static_cast<int>(pool.choosable.size()), kWheelTicketSize - d, rule.kept - d);
}

OptimiseResult optimiseWheel(const WheelPool& pool, Guarantee guarantee, const std::vector<Ticket>& start,
                             const OptimiseOptions& options) {
    const auto began = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - began).count(); };
    OptimiseResult result;
    result.tickets = start;
    result.startSize = start.size();
    result.bestKnown = bestKnownWheel(pool, guarantee);
    const std::optional<Shape> shape = shapeOf(pool, guarantee);
    std::vector<uint64_t> blocks;
    for (const Ticket& ticket : start) {
        const std::optional<uint64_t> block = blockOf(pool, ticket);
        if (!block) return result;
        blocks.push_back(*block);
    }
    if (!shape || blocks.size() <= 1) return result;
    const size_t goal = result.bestKnown ? static_cast<size_t>(std::max(result.bestKnown->upper, 1)) : 1;
    if (blocks.size() <= goal) return result;

    auto stop = [&] {
        if (options.cancel && options.cancel->load(std::memory_order_relaxed)) {
            result.cancelled = true;
            return true;
        }
        return elapsed() >= options.seconds;
    };
    // The walk for the first half of the time, the annealing schedules for the rest: the walk finds
    // the tight wheels of "中五保五" far sooner, the long cool anneal does better on some others.
    const double walkSeconds = options.seconds / 2;
    auto walkStop = [&] { return stop() || elapsed() >= walkSeconds; };
    Annealer annealer(*shape, options.seed);
    std::vector<uint64_t> best = blocks;
    for (int attempt = 0; best.size() > goal && !stop(); ++attempt) {
        annealer.load(best);
        annealer.dropOne();
        if (elapsed() < walkSeconds) {
            if (!annealer.walk(kWalkMovesPerTicket * static_cast<int64_t>(best.size()), walkStop)) continue;
        } else if (!annealer.anneal(Annealer::kSchedules[attempt % 2], stop)) {
            continue;  // frozen: try again from the best wheel, with the other schedule
        }
        std::vector<Ticket> tickets;
        for (uint64_t block : annealer.blocks()) tickets.push_back(ticketOfBlock(pool, block));
        if (!checkWheel(tickets, pool, guarantee, options.cancel).ok) break;  // never shown unconfirmed
        best = annealer.blocks();
        result.tickets = std::move(tickets);
        if (options.progress) options.progress({best.size(), elapsed()});
    }
    result.seconds = elapsed();
    return result;
}

}  // namespace lottodesk
