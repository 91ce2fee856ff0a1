#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <unordered_map>

#include "generator/wheel.h"
#include "generator/wheelcheck.h"

namespace lottodesk {
namespace {

using Numbers = std::vector<int>;

// The wheel search done literally: a ticket store in the generator's enumeration order, a map of
// target states, and a scan of the whole store in every pass. Quadratic; small pools only.
class LiteralWheel {
public:
    LiteralWheel(Numbers selectable, Numbers fixed) : m_selectable(std::move(selectable)), m_fixed(std::move(fixed)) {}

    // Every `size`-number combination with all fixed numbers: the include-first walk from the
    // highest selectable number down.
    std::vector<Numbers> enumerate(int size) const {
        std::vector<Numbers> out;
        Numbers selection = m_fixed;
        walk(selection, static_cast<int>(m_selectable.size()) + 1, size, out);
        return out;
    }

    // One greedy cover; `passes` (when given) is the candidate test. Tickets and targets are bit
    // masks of their numbers.
    std::vector<Numbers> cover(const std::vector<Numbers>& tickets, const std::vector<Numbers>& targets, int t,
                               bool overlap, const std::set<Numbers>* passes) const {
        std::vector<uint64_t> store;
        for (const Numbers& ticket : tickets) store.push_back(maskOf(ticket));
        std::unordered_map<uint64_t, int> state;  // 1 uncovered, 2 covered
        for (const Numbers& target : targets) state[maskOf(target)] = 1;
        auto fails = [&](uint64_t ticket) { return passes && !passes->count(numbersOfMask(ticket)); };
        auto removeAt = [&](size_t i) {
            store[i] = store.back();
            store.pop_back();
        };
        std::vector<Numbers> wheel;
        size_t covered = 0;
        int bestBefore = 100000;
        bool first = true;
        while ((covered < targets.size() || (targets.empty() && first)) && !store.empty()) {
            size_t chosen = SIZE_MAX;
            int score = 0;
            if (first) {
                first = false;
                while (!store.empty() && fails(store[0])) removeAt(0);
                if (store.empty()) break;
                chosen = 0;
                score = 6;
            } else {
                int best = 0;
                bool ended = false;
                for (size_t i = 0; i < store.size();) {
                    int j = 0, k = 0;
                    forSubs(store[i], t, [&](uint64_t sub) {
                        auto at = state.find(sub);
                        if (at != state.end()) (at->second == 1 ? j : k) += 1;
                    });
                    const bool remove = j == 0 || (overlap && k > 0) || (j > best && fails(store[i]));
                    if (remove) {
                        if (store.size() == 1) {
                            ended = true;
                            break;
                        }
                        removeAt(i);
                        continue;
                    }
                    if (j > best) {
                        best = j;
                        chosen = i;
                        if (j == bestBefore) break;
                    }
                    ++i;
                }
                if (ended || chosen == SIZE_MAX) break;
                score = best;
            }
            bestBefore = score;
            wheel.push_back(numbersOfMask(store[chosen]));
            forSubs(store[chosen], t, [&](uint64_t sub) {
                auto at = state.find(sub);
                if (at != state.end() && at->second == 1) {
                    at->second = 2;
                    ++covered;
                }
            });
            removeAt(chosen);
        }
        return wheel;
    }

    std::vector<Numbers> wheel(Guarantee guarantee, const std::set<Numbers>* passes) const {
        if (guarantee == Guarantee::FiveKeepFour) {
            std::vector<Numbers> stage1 = cover(enumerate(5), enumerate(4), 4, true, nullptr);
            return cover(enumerate(6), stage1, 5, false, passes);
        }
        const GuaranteeRule& rule = guaranteeRule(guarantee);
        return cover(enumerate(6), enumerate(rule.kept), rule.kept, rule.drawn == 6, passes);
    }

private:
    void walk(Numbers& selection, int p, int size, std::vector<Numbers>& out) const {
        if (static_cast<int>(selection.size()) > size || static_cast<int>(selection.size()) + p - 1 < size) return;
        if (static_cast<int>(selection.size()) == size) {
            Numbers sorted = selection;
            std::sort(sorted.begin(), sorted.end());
            out.push_back(sorted);
            return;
        }
        if (p > 1) {
            const int v = m_selectable[p - 2];
            if (std::find(m_fixed.begin(), m_fixed.end(), v) == m_fixed.end()) {
                selection.push_back(v);
                walk(selection, p - 1, size, out);
                selection.pop_back();
            }
            walk(selection, p - 1, size, out);
        }
    }

    static uint64_t maskOf(const Numbers& numbers) {
        uint64_t mask = 0;
        for (int n : numbers) mask |= uint64_t{1} << n;
        return mask;
    }
    static Numbers numbersOfMask(uint64_t mask) {
        Numbers out;
        for (int n = 0; n < 64; ++n)
            if (mask >> n & 1) out.push_back(n);
        return out;
    }

    // Calls f for the t-number combinations of a ticket that hold every fixed number.
    template <typename F>
    void forSubs(uint64_t ticket, int t, F&& f) const {
        const uint64_t fixed = maskOf(m_fixed);
        for (uint64_t sub = ticket;; sub = (sub - 1) & ticket) {
            if (std::popcount(sub) == t && (sub & fixed) == fixed) f(sub);
            if (sub == 0) break;
        }
    }

    Numbers m_selectable;
    Numbers m_fixed;
};

Numbers numbersOf(const Ticket& ticket) { return Numbers(ticket.begin(), ticket.begin() + kWheelTicketSize); }

WheelPool poolOf(const Numbers& selectable, const Numbers& fixed) {
    WheelPool pool;
    pool.fixed = fixed;
    for (int n : selectable)
        if (std::find(fixed.begin(), fixed.end(), n) == fixed.end()) pool.choosable.push_back(n);
    return pool;
}

Numbers range(int from, int to) {
    Numbers out(static_cast<size_t>(to - from + 1));
    std::iota(out.begin(), out.end(), from);
    return out;
}

struct PoolCase {
    Numbers selectable;
    Numbers fixed;
};

// Pools of 6 to 13 numbers, gaps in them, fixed numbers inside and outside the pool, and more
// fixed numbers than a target holds.
const std::vector<PoolCase>& poolCases() {
    static const std::vector<PoolCase> cases = {
        {range(1, 6), {}},
        {range(1, 7), {}},
        {range(1, 8), {}},
        {{2, 5, 9, 11, 17, 23, 30, 33, 12}, {}},
        {range(1, 10), {}},
        {range(21, 31), {}},
        {range(1, 12), {}},
        {range(5, 16), {}},
        {range(1, 10), {3}},
        {range(1, 11), {4, 7}},
        {range(1, 9), {1, 2, 3}},
        {range(10, 20), {33}},
        {range(1, 10), {1, 2, 3, 4}},
        {range(1, 10), {2, 3, 4, 5, 6}},
        {range(1, 8), {1, 2, 3, 4, 5, 6}},
    };
    return cases;
}

std::vector<Numbers> numbersOf(const std::vector<Ticket>& tickets) {
    std::vector<Numbers> out;
    for (const Ticket& t : tickets) out.push_back(numbersOf(t));
    return out;
}

std::string describe(const PoolCase& c, Guarantee g) {
    std::string text = std::string(guaranteeRule(g).name) + " pool";
    for (int n : c.selectable) text += " " + std::to_string(n);
    text += " fixed";
    for (int n : c.fixed) text += " " + std::to_string(n);
    return text;
}

TEST(GreedyWheel, EqualsTheLiteralSearchTicketForTicket) {
    for (const PoolCase& c : poolCases()) {
        Numbers selectable = c.selectable;
        std::sort(selectable.begin(), selectable.end());
        const LiteralWheel literal(selectable, c.fixed);
        for (const GuaranteeRule& rule : kGuaranteeRules) {
            const WheelResult fast = greedyWheel(poolOf(selectable, c.fixed), rule.guarantee);
            ASSERT_TRUE(fast.completed);
            EXPECT_EQ(numbersOf(fast.tickets), literal.wheel(rule.guarantee, nullptr)) << describe(c, rule.guarantee);
            EXPECT_EQ(fast.tags, std::vector<uint8_t>(fast.tickets.size(), 0));
        }
    }
}

// A stand-in for the filter: a fixed pseudo-random verdict and tag per ticket.
bool stubPasses(const Numbers& t) {
    int h = 0;
    for (int n : t) h = h * 31 + n;
    return h % 3 != 0;
}
uint8_t stubTag(const Numbers& t) {
    const int sum = std::accumulate(t.begin(), t.end(), 0);
    return sum % 3 == 0 ? 0 : static_cast<uint8_t>(sum % 7 + 1);
}

// Continue filtering's walk, with every ticket passing: 1-based h and f as the walk has them.
void literalGather(std::vector<Numbers>& tickets, std::vector<uint8_t>& tags) {
    const size_t n = tickets.size();
    size_t f = 1;
    for (size_t h = 1; h <= n; ++h) {
        if (tags[h - 1] != 0) continue;
        while (f < h && tags[f - 1] == 0) ++f;
        if (f == h) continue;
        std::swap(tickets[h - 1], tickets[f - 1]);
        tags[h - 1] = tags[f - 1];
        tags[f - 1] = 0;
        ++f;
    }
}

TEST(FilteredWheel, EqualsTheLiteralSearchWithItsTagsPlaced) {
    for (const PoolCase& c : poolCases()) {
        Numbers selectable = c.selectable;
        std::sort(selectable.begin(), selectable.end());
        const LiteralWheel literal(selectable, c.fixed);
        std::set<Numbers> passing;
        std::vector<Ticket> passingTickets;
        std::vector<uint8_t> passingTags;
        for (const Numbers& t : literal.enumerate(6)) {
            if (!stubPasses(t)) continue;
            passing.insert(t);
            Ticket ticket{};
            std::copy(t.begin(), t.end(), ticket.begin());
            passingTickets.push_back(ticket);
            passingTags.push_back(stubTag(t));
        }
        // The order of the filter's results does not matter.
        std::reverse(passingTickets.begin(), passingTickets.end());
        std::reverse(passingTags.begin(), passingTags.end());
        for (const GuaranteeRule& rule : kGuaranteeRules) {
            std::vector<Numbers> expected = literal.wheel(rule.guarantee, &passing);
            std::vector<uint8_t> expectedTags;
            for (const Numbers& t : expected) expectedTags.push_back(stubTag(t));
            literalGather(expected, expectedTags);
            const WheelResult fast =
                filteredWheel(poolOf(selectable, c.fixed), rule.guarantee, passingTickets, passingTags);
            ASSERT_TRUE(fast.completed);
            EXPECT_EQ(numbersOf(fast.tickets), expected) << describe(c, rule.guarantee);
            EXPECT_EQ(fast.tags, expectedTags) << describe(c, rule.guarantee);
        }
    }
}

TEST(GreedyWheel, SmallPoolsGiveTheKnownSizes) {
    const WheelPool seven = poolOf(range(1, 7), {});
    const WheelResult sixFive = greedyWheel(seven, Guarantee::SixKeepFive);
    ASSERT_EQ(sixFive.tickets.size(), 1u);
    EXPECT_EQ(numbersOf(sixFive.tickets[0]), range(2, 7));
    EXPECT_EQ(greedyWheel(seven, Guarantee::FiveKeepFive).tickets.size(), 6u);
    EXPECT_EQ(greedyWheel(seven, Guarantee::FourKeepFour).tickets.size(), 5u);
    EXPECT_EQ(greedyWheel(seven, Guarantee::SixKeepFour).tickets.size(), 1u);
    for (const GuaranteeRule& rule : kGuaranteeRules) {
        const WheelResult six = greedyWheel(poolOf(range(10, 15), {}), rule.guarantee);
        ASSERT_EQ(six.tickets.size(), 1u) << rule.name;
        EXPECT_EQ(numbersOf(six.tickets[0]), range(10, 15));
    }
    // Too few numbers for a ticket: no wheel.
    EXPECT_TRUE(greedyWheel(poolOf(range(1, 5), {}), Guarantee::FourKeepFour).tickets.empty());
}

TEST(GreedyWheel, MoreFixedNumbersThanATargetHoldsGiveTheFirstTicket) {
    // Five fixed numbers and "中四保四": every ticket with them keeps the guarantee.
    const WheelResult wheel = greedyWheel(poolOf(range(1, 12), {1, 2, 3, 4, 5}), Guarantee::FourKeepFour);
    ASSERT_EQ(wheel.tickets.size(), 1u);
    EXPECT_EQ(numbersOf(wheel.tickets[0]), (Numbers{1, 2, 3, 4, 5, 12}));
    // Six fixed numbers: the fixed numbers are the ticket, whatever the guarantee.
    for (const GuaranteeRule& rule : kGuaranteeRules) {
        const WheelResult six = greedyWheel(poolOf(range(1, 12), {3, 5, 7, 9, 11, 13}), rule.guarantee);
        ASSERT_EQ(six.tickets.size(), 1u) << rule.name;
        EXPECT_EQ(numbersOf(six.tickets[0]), (Numbers{3, 5, 7, 9, 11, 13}));
    }
    EXPECT_TRUE(greedyWheel(poolOf(range(1, 12), range(1, 7)), Guarantee::FourKeepFour).tickets.empty());
}

TEST(GreedyWheel, EveryWheelKeepsItsGuarantee) {
    const std::vector<PoolCase> cases = {{range(1, 16), {}}, {range(1, 18), {5}}, {range(3, 16), {1, 2}}};
    for (const PoolCase& c : cases)
        for (const GuaranteeRule& rule : kGuaranteeRules) {
            const WheelPool pool = poolOf(c.selectable, c.fixed);
            const WheelResult wheel = greedyWheel(pool, rule.guarantee);
            const WheelCheck check = checkWheel(wheel.tickets, pool, rule.guarantee);
            EXPECT_TRUE(check.ok) << describe(c, rule.guarantee) << " misses "
                                  << ::testing::PrintToString(check.missed);
        }
}

TEST(GreedyWheel, ReportsProgressAndStopsWhenCancelled) {
    std::vector<WheelProgress> reports;
    WheelOptions options;
    options.progress = [&](const WheelProgress& p) { reports.push_back(p); };
    const WheelResult five = greedyWheel(poolOf(range(1, 12), {}), Guarantee::FiveKeepFour, options);
    ASSERT_TRUE(five.completed);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front().stage, 1);
    EXPECT_EQ(reports.front().targets, 495);  // C(12, 4)
    EXPECT_EQ(reports.back().stage, 2);
    EXPECT_EQ(reports.back().stages, 2);
    EXPECT_EQ(reports.back().covered, reports.back().targets);

    std::atomic<bool> cancel{false};
    options.progress = [&](const WheelProgress&) { cancel = true; };
    options.cancel = &cancel;
    EXPECT_FALSE(greedyWheel(poolOf(range(1, 14), {}), Guarantee::FiveKeepFive, options).completed);
}

TEST(GreedyWheel, PoolOfTheConditionsLeavesOutNumbersBeyondTheRange) {
    MainConditions c = resetConditions(33);
    for (int n = 1; n <= 33; ++n) c.selectable[n] = n % 3 == 0;
    c.selectable[40] = true;
    c.fixed[3] = c.fixed[7] = true;
    const WheelPool pool = wheelPoolOf(c, 33);
    EXPECT_EQ(pool.fixed, (Numbers{3, 7}));
    EXPECT_EQ(pool.choosable, (Numbers{6, 9, 12, 15, 18, 21, 24, 27, 30, 33}));
    EXPECT_EQ(pool.size(), 12);
}

TEST(WheelCheck, FindsTheFirstMissedDraw) {
    const WheelPool pool = poolOf(range(1, 8), {});
    std::vector<Ticket> tickets = greedyWheel(pool, Guarantee::FourKeepFour).tickets;
    ASSERT_TRUE(checkWheel(tickets, pool, Guarantee::FourKeepFour).ok);
    tickets.pop_back();
    const WheelCheck missing = checkWheel(tickets, pool, Guarantee::FourKeepFour);
    EXPECT_FALSE(missing.ok);
    ASSERT_EQ(missing.missed.size(), 4u);
    // An empty wheel misses the first draw in co-lexicographic order.
    EXPECT_EQ(checkWheel({}, pool, Guarantee::SixKeepFive).missed, range(1, 6));
    // Tickets with numbers outside the pool count only their numbers in it.
    Ticket wide{1, 2, 3, 40, 41, 42};
    EXPECT_EQ(checkWheel({wide}, poolOf(range(1, 4), {}), Guarantee::FourKeepFour).missed, range(1, 4));
    // Draws hold the fixed numbers.
    const WheelPool fixed = poolOf(range(1, 9), {1, 2, 3, 4, 5});
    EXPECT_TRUE(checkWheel({Ticket{1, 2, 3, 4, 5, 9}}, fixed, Guarantee::FourKeepFour).ok);
    EXPECT_EQ(checkWheel({Ticket{1, 2, 3, 4, 6, 9}}, fixed, Guarantee::FiveKeepFive).missed, range(1, 5));
}

TEST(GatherUntagged, MovesUntaggedTicketsForwardAsContinueFilteringDoes) {
    std::vector<Ticket> tickets(6);
    for (uint8_t i = 0; i < 6; ++i) tickets[i][0] = i;
    std::vector<uint8_t> tags = {5, 0, 7, 0, 0, 9};
    gatherUntagged(tickets, tags);
    EXPECT_EQ(tags, (std::vector<uint8_t>{0, 0, 0, 5, 7, 9}));
    std::vector<int> order;
    for (const Ticket& t : tickets) order.push_back(t[0]);
    EXPECT_EQ(order, (std::vector<int>{1, 3, 4, 0, 2, 5}));
}

TEST(Guarantees, NamesRoundTrip) {
    for (const GuaranteeRule& rule : kGuaranteeRules) EXPECT_EQ(guaranteeNamed(rule.name), rule.guarantee);
    EXPECT_EQ(guaranteeNamed("中七保六"), std::nullopt);
    EXPECT_EQ(guaranteeNamed(""), std::nullopt);
    EXPECT_STREQ(kGuaranteeRules[0].name, "中六保五");
}

}  // namespace
}  // namespace lottodesk
