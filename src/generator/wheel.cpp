#include "wheel.h"

#include <algorithm>

#include "combinations.h"

namespace lottodesk {
namespace {

// The greedy search examines the ticket store from its first position, removes tickets that can
// no longer be chosen (the last ticket moves into the gap and is examined next) and keeps the
// ticket with the most uncovered combinations; it stops early once a ticket reaches the previous
// pass's score. Done literally that is quadratic in the number of tickets. Here every ticket keeps
// its counts of uncovered and covered combinations, updated when a combination gets covered, and
// a max-tree over the store positions holds each position's "key": 255 when the ticket must be
// removed, else its uncovered count. A pass then jumps straight to the next position where the
// literal scan would act (a removal, or a better score), so the tickets, their order and the
// store's permutation are exactly those of the literal search.

constexpr uint32_t kGone = UINT32_MAX;
constexpr uint8_t kRemoveKey = 255;
constexpr size_t kNone = SIZE_MAX;

class MaxTree {
public:
    explicit MaxTree(size_t n) {
        while (m_size < n) m_size <<= 1;
        m_tree.assign(2 * m_size, 0);
    }
    uint8_t& leaf(size_t p) { return m_tree[m_size + p]; }
    void build() {
        for (size_t x = m_size - 1; x >= 1; --x) m_tree[x] = std::max(m_tree[2 * x], m_tree[2 * x + 1]);
    }
    void set(size_t p, uint8_t value) {
        size_t x = m_size + p;
        m_tree[x] = value;
        for (x >>= 1; x >= 1; x >>= 1) {
            const uint8_t next = std::max(m_tree[2 * x], m_tree[2 * x + 1]);
            if (m_tree[x] == next) break;  // nothing above changes
            m_tree[x] = next;
        }
    }
    // The first position >= from whose value is above `above`, or kNone.
    size_t firstAbove(size_t from, uint8_t above) const {
        if (from >= m_size) return kNone;
        size_t x = m_size + from;
        while (true) {
            if (m_tree[x] > above) {
                while (x < m_size) {
                    x *= 2;
                    if (m_tree[x] <= above) ++x;
                }
                return x - m_size;
            }
            while (x & 1) x >>= 1;  // up while a right child
            if (x == 0) return kNone;
            ++x;  // the right sibling
        }
    }

private:
    size_t m_size = 1;
    std::vector<uint8_t> m_tree;
};

// One greedy cover over combinations of `points` indices: tickets are the ticketSize-sets in
// descending rank (the enumeration order), targets the targetSize-sets (all, or those flagged in
// `present`). With `passes`, a ticket that did not pass the filter is removed instead of chosen.
struct CoverTask {
    int points = 0;
    int ticketSize = 0;
    int targetSize = 0;
    bool overlapRule = false;
    const std::vector<uint8_t>* present = nullptr;  // by target rank; nullptr: every target
    const std::vector<uint8_t>* passes = nullptr;   // by ticket rank; nullptr: unfiltered
    int stage = 1, stages = 1;
};

struct CoverOutcome {
    bool completed = true;
    std::vector<uint64_t> chosen;  // ticket masks, in the order chosen
};

CoverOutcome greedyCover(const CoverTask& task, const WheelOptions& options) {
    CoverOutcome out;
    const int v = task.points, kt = task.ticketSize, tt = task.targetSize;
    if (kt < 0 || kt > v) return out;  // no ticket at all
    const uint64_t all = v >= 64 ? ~uint64_t{0} : (uint64_t{1} << v) - 1;
    const size_t tickets = kBinomial(v, kt);
    const bool anyTargets = tt >= 0 && tt <= kt;
    const size_t targetSpace = anyTargets ? kBinomial(v, tt) : 0;
    int64_t targets = 0;
    if (anyTargets) {
        if (!task.present)
            targets = static_cast<int64_t>(targetSpace);
        else
            targets = std::count(task.present->begin(), task.present->end(), uint8_t{1});
    }

    std::vector<uint32_t> store(tickets), pos(tickets);
    std::vector<uint8_t> uncovered(tickets, 0), covered(tickets, 0);
    std::vector<uint8_t> isCovered(targetSpace, 0);
    for (size_t p = 0; p < tickets; ++p) {
        store[p] = static_cast<uint32_t>(tickets - 1 - p);
        pos[tickets - 1 - p] = static_cast<uint32_t>(p);
    }
    auto supersets = [&](uint64_t target, auto&& f) {
        forEachSubset(all & ~target, kt - tt,
                      [&](uint64_t extra) { f(static_cast<uint32_t>(colexRank(target | extra))); });
    };
    if (anyTargets) {
        if (!task.present) {
            std::fill(uncovered.begin(), uncovered.end(), static_cast<uint8_t>(kBinomial(kt, tt)));
        } else {
            for (size_t r = 0; r < targetSpace; ++r)
                if ((*task.present)[r]) supersets(colexUnrank(r, tt, v), [&](uint32_t t) { ++uncovered[t]; });
        }
    }
    const bool overlapRule = task.overlapRule;
    auto key = [&](uint32_t t) -> uint8_t {
        return (uncovered[t] == 0 || (overlapRule && covered[t] > 0)) ? kRemoveKey : uncovered[t];
    };
    MaxTree tree(tickets);
    for (size_t p = 0; p < tickets; ++p) tree.leaf(p) = key(store[p]);
    tree.build();

    size_t n = tickets;
    auto removeAt = [&](size_t p) {
        const uint32_t gone = store[p];
        const uint32_t last = store[n - 1];
        pos[gone] = kGone;
        if (p != n - 1) {
            store[p] = last;
            pos[last] = static_cast<uint32_t>(p);
            tree.set(p, key(last));
        }
        tree.set(n - 1, 0);
        --n;
    };
    auto passes = [&](uint32_t t) { return !task.passes || (*task.passes)[t]; };

    int64_t coveredCount = 0, reported = -1;
    int bestBefore = 100000;
    bool first = true;
    // With no target (more fixed numbers than a target holds) every ticket keeps the guarantee:
    // the first pass alone chooses one.
    while ((coveredCount < targets || (targets == 0 && first)) && n > 0) {
        if (options.cancel && options.cancel->load(std::memory_order_relaxed)) {
            out.completed = false;
            return out;
        }
        uint32_t chosen = 0;
        int score = 0;
        if (first) {
            first = false;
            while (n > 0 && !passes(store[0])) removeAt(0);
            if (n == 0) break;
            chosen = store[0];
            score = 6;
        } else {
            int best = 0;
            size_t chosenAt = kNone;
            bool ended = false;
            for (size_t i = 0;;) {
                const size_t p = tree.firstAbove(i, static_cast<uint8_t>(best));
                if (p == kNone || p >= n) break;
                const uint32_t t = store[p];
                if (key(t) == kRemoveKey || !passes(t)) {
                    if (n == 1) {  // the only ticket left must go: the wheel ends
                        ended = true;
                        break;
                    }
                    removeAt(p);
                    i = p;
                    continue;
                }
                best = uncovered[t];
                chosenAt = p;
                if (best == bestBefore) break;
                i = p + 1;
            }
            if (ended || chosenAt == kNone) break;
            chosen = store[chosenAt];
            score = best;
        }
        bestBefore = score;
        const uint64_t mask = colexUnrank(chosen, kt, v);
        out.chosen.push_back(mask);
        if (anyTargets) {
            forEachSubset(mask, tt, [&](uint64_t sub) {
                const size_t r = colexRank(sub);
                if ((task.present && !(*task.present)[r]) || isCovered[r]) return;
                isCovered[r] = 1;
                ++coveredCount;
                supersets(sub, [&](uint32_t t) {
                    --uncovered[t];
                    if (covered[t] < 255) ++covered[t];
                    if (pos[t] != kGone) tree.set(pos[t], key(t));
                });
            });
        }
        removeAt(pos[chosen]);
        if (options.progress && targets > 0) {
            const int64_t permille = coveredCount * 1000 / targets;
            if (permille != reported) {
                reported = permille;
                options.progress({task.stage, task.stages, coveredCount, targets});
            }
        }
    }
    return out;
}

// Ticket numbers of a mask over the choosable numbers, merged with the fixed numbers.
Ticket ticketOf(const WheelPool& pool, uint64_t mask) {
    std::vector<int> numbers(pool.fixed);
    for (uint64_t m = mask; m != 0; m &= m - 1) numbers.push_back(pool.choosable[std::countr_zero(m)]);
    std::sort(numbers.begin(), numbers.end());
    Ticket ticket{};
    for (size_t i = 0; i < numbers.size() && i < ticket.size(); ++i) ticket[i] = static_cast<uint8_t>(numbers[i]);
    return ticket;
}

// The rank of a ticket's choosable part, or nothing when the ticket is not one of the pool's.
std::optional<uint32_t> rankInPool(const WheelPool& pool, const Ticket& ticket) {
    uint64_t mask = 0;
    size_t fixedIn = 0;
    for (int i = 0; i < kWheelTicketSize; ++i) {
        const int n = ticket[i];
        if (std::binary_search(pool.fixed.begin(), pool.fixed.end(), n)) {
            ++fixedIn;
            continue;
        }
        const auto at = std::lower_bound(pool.choosable.begin(), pool.choosable.end(), n);
        if (at == pool.choosable.end() || *at != n) return std::nullopt;
        mask |= uint64_t{1} << (at - pool.choosable.begin());
    }
    if (fixedIn != pool.fixed.size() || std::popcount(mask) != kWheelTicketSize - static_cast<int>(fixedIn))
        return std::nullopt;
    return static_cast<uint32_t>(colexRank(mask));
}

struct FilterInput {
    std::vector<uint8_t> passes;  // by ticket rank
    std::vector<uint8_t> tags;    // by ticket rank
};

WheelResult wheel(const WheelPool& pool, Guarantee guarantee, const FilterInput* filter, const WheelOptions& options) {
    WheelResult result;
    const int v = static_cast<int>(pool.choosable.size());
    const int d = static_cast<int>(pool.fixed.size());
    if (v > 49 || d > kWheelTicketSize) {  // beyond any game's range, or no ticket holds the fixed numbers
        result.completed = true;
        return result;
    }
    CoverOutcome final;
    if (guarantee == Guarantee::FiveKeepFour) {
        // Stage 1: five-number tickets covering the four-number combinations without overlap;
        // stage 2: six-number tickets covering the chosen five-number tickets.
        CoverTask first{v, 5 - d, 4 - d, true, nullptr, nullptr, 1, 2};
        CoverOutcome stage1 = greedyCover(first, options);
        if (!stage1.completed) return result;
        const int tt = 5 - d;
        std::vector<uint8_t> present(tt >= 0 ? kBinomial(v, tt) : 0, 0);
        for (uint64_t mask : stage1.chosen) present[colexRank(mask)] = 1;
        CoverTask second{v, 6 - d, tt, false, &present, filter ? &filter->passes : nullptr, 2, 2};
        final = greedyCover(second, options);
    } else {
        const GuaranteeRule& rule = guaranteeRule(guarantee);
        const bool overlapRule = rule.drawn == 6;  // "中六保五", "中六保四"
        CoverTask task{v, 6 - d, rule.kept - d, overlapRule, nullptr, filter ? &filter->passes : nullptr, 1, 1};
        final = greedyCover(task, options);
    }
    if (!final.completed) return result;
    for (uint64_t mask : final.chosen) {
        result.tickets.push_back(ticketOf(pool, mask));
        result.tags.push_back(filter ? filter->tags[colexRank(mask)] : 0);
    }
    if (filter) gatherUntagged(result.tickets, result.tags);
    result.completed = true;
    return result;
}

}  // namespace

const GuaranteeRule& guaranteeRule(Guarantee guarantee) {
    for (const GuaranteeRule& rule : kGuaranteeRules)
        if (rule.guarantee == guarantee) return rule;
    return kGuaranteeRules[0];
}

std::optional<Guarantee> guaranteeNamed(std::string_view name) {
    for (const GuaranteeRule& rule : kGuaranteeRules)
        if (name == rule.name) return rule.guarantee;
    return std::nullopt;
}

WheelPool wheelPoolOf(const MainConditions& conditions, int zh_to) {
    WheelPool pool;
    const int N = std::clamp(zh_to, 0, kMaxMainNumber);
    for (int n = 1; n <= N; ++n) {
        if (conditions.fixed[n])
            pool.fixed.push_back(n);
        else if (conditions.selectable[n])
            pool.choosable.push_back(n);
    }
    return pool;
}

WheelResult greedyWheel(const WheelPool& pool, Guarantee guarantee, const WheelOptions& options) {
    return wheel(pool, guarantee, nullptr, options);
}

WheelResult filteredWheel(const WheelPool& pool, Guarantee guarantee, const std::vector<Ticket>& passing,
                          const std::vector<uint8_t>& tags, const WheelOptions& options) {
    const int v = static_cast<int>(pool.choosable.size());
    const int kt = kWheelTicketSize - static_cast<int>(pool.fixed.size());
    FilterInput filter;
    const size_t space = (v <= 49 && kt >= 0) ? kBinomial(v, kt) : 0;
    filter.passes.assign(space, 0);
    filter.tags.assign(space, 0);
    for (size_t i = 0; i < passing.size(); ++i) {
        const std::optional<uint32_t> rank = rankInPool(pool, passing[i]);
        if (!rank || *rank >= space) continue;
        filter.passes[*rank] = 1;
        filter.tags[*rank] = i < tags.size() ? tags[i] : 0;
    }
    return wheel(pool, guarantee, &filter, options);
}

void gatherUntagged(std::vector<Ticket>& tickets, std::vector<uint8_t>& tags) {
    size_t f = 0;
    for (size_t h = 0; h < tickets.size() && h < tags.size(); ++h) {
        if (tags[h] != 0) continue;
        while (f < h && tags[f] == 0) ++f;
        if (f == h) continue;
        std::swap(tickets[h], tickets[f]);
        tags[h] = tags[f];
        tags[f] = 0;
        ++f;
    }
}

}  // namespace lottodesk
