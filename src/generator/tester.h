#pragma once
// The test of one ticket against a run's plan, and the bounds the enumeration prunes with.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exclusions.h"
#include "fastrows.h"
#include "indicators/seriesmemo.h"
#include "plan.h"
#include "selfcond.h"

namespace lottodesk {

// A failure that stops the whole run (a formula that divides by zero for some ticket).
struct RunStop {
    std::string message;
};

// Whether every ticket of a regular run passes: no condition takes part.
bool passesEverything(const Plan& plan);

// Tests one ticket s[0..m-1] (ascending). Only whether it passes and the number of its last
// tolerated failure (in the canonical order: 34, 35, the catalogue rows by number, custom
// indicators 134, self-set 135, tail 136) can be observed, so the strict conditions run first,
// cheapest first, and the tolerant ones only when their count or the tag matters.
//
// One tester per thread: it holds the scratch record the general computation reads.
class Tester {
public:
    explicit Tester(const Plan& plan);

    // A ticket from outside (continue filtering of a loaded or typed list), sorted ascending: any
    // numbers 0..255. It fails unless its numbers are distinct and within the main range, as no
    // ticket the enumeration makes could hold them.
    bool test(const int32_t* s, uint8_t& tag) {
        const int m = m_plan.m;
        if (m > 0 && (s[0] < m_lowest || s[m - 1] > m_highest)) return false;
        uint64_t mask = 0;
        int32_t sum = 0;
        for (int i = 0; i < m; ++i) {
            if (i > 0 && s[i] == s[i - 1]) return false;
            mask |= uint64_t{1} << s[i];
            sum += s[i];
        }
        return boundsHold(mask, sum) && test(s, mask, sum, tag, true);
    }

    // The verdicts of stored results (continue filtering): 0 for a failed result, else 1 + the
    // number of its last tolerated failure. A result is tested with its numbers ascending, whatever
    // their stored order. The results of a run come in enumeration order, where neighbours share
    // their highest numbers: the bounds of those are found once for all the neighbours, so a
    // result under a ruled-out branch costs a comparison.
    void testStored(const Ticket* results, size_t count, uint8_t* verdicts);

    // Whether some completion of a partial ticket (its `mask` and `sum`) with `left` more numbers
    // from choosable[0..below-1] can pass the bounded rows.
    bool feasible(uint64_t mask, int32_t sum, int left, int below) const {
        for (const CountBound& bound : counts) {
            const int c = std::popcount(mask & bound.set);
            const int in = std::popcount(m_poolMask[below] & bound.set);
            const int lo = c + std::max(0, left - (below - in));
            const int hi = c + std::min(left, in);
            if (!((bound.allowed >> lo) & ((uint64_t{2} << (hi - lo)) - 1))) return false;
        }
        if (!nextSum.empty()) {
            const int lo = sum + m_poolSum[left];
            const int hi = sum + m_poolSum[below] - m_poolSum[below - left];
            if (lo > maxSum || nextSum[std::max(lo, 0)] > hi) return false;
        }
        return true;
    }
    // The numbers of choosable[0..below-1] as a mask.
    uint64_t poolMask(int below) const { return m_poolMask[below]; }

    // `mask` and `sum` of the ticket, kept up to date by the enumeration; its numbers are
    // 1..kMaxMainNumber. With `bounded`, the rows the enumeration already decided (see the
    // bounds below) are not tested again.
    bool test(const int32_t* s, uint64_t mask, int32_t sum, uint8_t& tag, bool bounded = false);

    // Bounds of partial tickets for the strict rows that count numbers of a fixed set or depend on
    // the sum alone: a branch of the enumeration none of whose completions can have an allowed
    // value is skipped. The skipped tickets would all fail, so the results do not change. At a
    // complete ticket the bounds are exact: boundsHold decides those rows, and test(..., bounded)
    // leaves them out.
    struct CountBound {
        uint64_t set = 0;
        uint64_t allowed = 0;  // bit c: a count of c is allowed (c = 0..m)
    };
    std::vector<CountBound> counts;
    std::vector<int> nextSum;          // smallest allowed sum >= x; empty when no sum row takes part
    std::vector<uint8_t> sumAllowed;   // by sum 0..maxSum: 1 when every sum-only row allows it
    int maxSum = 0;
    bool bounds() const { return !counts.empty() || !nextSum.empty(); }

    // Whether a complete ticket passes the bounded rows and the rows its mask decides.
    bool boundsHold(uint64_t mask, int32_t sum) const {
        // A sum beyond the pool's (a ticket from outside) holds a number that is not selectable.
        if (!sumAllowed.empty() && (sum > maxSum || !sumAllowed[static_cast<size_t>(sum)])) return false;
        for (const CountBound& bound : counts)
            if (!(bound.allowed >> std::popcount(mask & bound.set) & 1)) return false;
        if (mask != 0 && !(m_lowestAllowed >> std::countr_zero(mask) & 1)) return false;
        if (!(m_runsAllowed >> std::popcount(mask & mask >> 1) & 1)) return false;
        if (m_tailsAllowed != kAnyCount && !(m_tailsAllowed >> std::popcount(tailsOf(mask)) & 1)) return false;
        return true;
    }

    // The numbers n of `pool` that complete a ticket lacking one number (its `mask` and `sum`) so
    // that it passes the bounded rows: bit n set.
    uint64_t completions(uint64_t mask, int32_t sum, uint64_t pool) const {
        for (const CountBound& bound : counts) {
            const uint64_t allowed = bound.allowed >> std::popcount(mask & bound.set);
            pool &= (all(allowed) & ~bound.set) | (all(allowed >> 1) & bound.set);
        }
        // The lowest number: n below the ticket's lowest, or the ticket's own.
        const uint64_t below = (mask & -mask) - 1;  // every number when the mask is empty
        pool &= (m_lowestAllowed & below) | (mask != 0 ? all(m_lowestAllowed >> std::countr_zero(mask)) & ~below : 0);
        // Pairs of consecutive numbers: n adds one for each neighbour the ticket holds.
        const uint64_t up = mask >> 1, down = mask << 1;
        const uint64_t runs = m_runsAllowed >> std::popcount(mask & up);
        pool &= (all(runs) & ~(up | down)) | (all(runs >> 1) & (up ^ down)) | (all(runs >> 2) & up & down);
        if (m_tailsAllowed != kAnyCount) {
            // Last digits: n adds one unless the ticket has its digit.
            uint32_t tails = 0;
            uint64_t sameTail = 0;
            for (uint64_t rest = mask; rest != 0; rest &= rest - 1) {
                const int n = std::countr_zero(rest);
                tails |= 1u << (n % 10);
                sameTail |= m_tailSets[n % 10];
            }
            const uint64_t allowed = m_tailsAllowed >> std::popcount(tails);
            pool &= (all(allowed) & sameTail) | (all(allowed >> 1) & ~sameTail);
        }
        if (!m_sumBits.empty()) {
            // Bit n of the window: the sum + n is allowed.
            const size_t word = static_cast<size_t>(sum) >> 6;
            const unsigned shift = static_cast<unsigned>(sum) & 63;
            pool &= (m_sumBits[word] >> shift) | ((m_sumBits[word + 1] << 1) << (63 - shift));
        }
        return pool;
    }

    // Nothing to test: every ticket of the enumeration passes (a run with no condition at all).
    bool passesEverything() const { return m_passesEverything; }

private:
    uint8_t storedVerdict(uint64_t record);
    uint8_t completedVerdict(uint64_t record);
    // Whether numbers 2..m of a rising record are choosable.
    bool choosableUpper(uint64_t record) const {
        const int m = m_plan.m;
        if ((record >> (8 * (m - 1)) & 0xFF) >= 64) return false;
        uint64_t mask = 0;
        for (int j = 1; j < m; ++j) mask |= uint64_t{1} << (record >> (8 * j) & 0xFF);
        return (mask & ~m_choosableMask) == 0;
    }
    uint64_t prefixCompletions(uint64_t record);
    // Whether the numbers of a record rise strictly, each below 128: in each byte lane j the
    // difference 0x80 + b[j] - b[j-1] - 1 keeps its high bit exactly when b[j] > b[j-1], and no
    // lane borrows from the next.
    bool ascendingRecord(uint64_t record) const {
        constexpr uint64_t kHigh = 0x8080808080808080ull, kOnes = 0x0101010101010101ull;
        if (record & kHigh) return false;
        return (((record | kHigh) - (record << 8) - kOnes) & m_risingLanes) == m_risingLanes;
    }
    void buildBounds();
    void orderStrictRows();
    int32_t rowValue(const Plan::RowTest& row, const FastTicket& ticket, bool& inRecord) {
        if (row.fast) return m_fast.value(row.row->number, ticket);
        if (!inRecord) {
            for (int i = 0; i < ticket.m; ++i) m_record[i + 1] = ticket.s[i];
            inRecord = true;
        }
        return conditionValue(*row.row, m_ctx, m_plan.history.realCount + 1);
    }

    const Plan& m_plan;
    DrawRecord m_record;
    SeriesMemo m_memo;
    IndicatorContext m_ctx;
    const FastRows& m_fast;
    std::vector<Plan::RowTest> m_strictRows, m_tolerantRows;
    std::vector<Plan::RowTest> m_unboundedRows;  // the strict rows the bounds do not decide, in order
    bool m_passesEverything = false;
    // The pool: numbers and sum of choosable[0..i-1].
    std::array<uint64_t, kMaxMainNumber + 2> m_poolMask{};
    std::array<int32_t, kMaxMainNumber + 2> m_poolSum{};
    uint64_t m_choosableMask = 0;
    // testStored's memory of the previous result's highest numbers: how many of them have
    // feasible bounds as a partial ticket, the first depth whose bounds rule it out, and the
    // completions of all but the lowest number.
    static constexpr int kNoDepth = kMaxTicketNumbers + 1;
    uint64_t m_numberBytes = 0;  // the bytes of a record that hold numbers
    uint64_t m_risingLanes = 0;  // the high bits of bytes 1..m-1
    uint64_t m_previousUpper = ~uint64_t{0};
    int m_knownDepth = 0, m_deadDepth = kNoDepth;
    uint64_t m_lastCandidates = 0;
    std::vector<uint64_t> m_sumBits;  // sumAllowed as bits, with a zero word after the last
    // Rows the mask of a complete ticket decides: the lowest number's rows (bit v: a lowest number v
    // passes them), pairs of consecutive numbers and distinct last digits (bit c: a count of c is
    // allowed). All bits set when no strict row of the kind takes part.
    static constexpr uint64_t kAnyCount = ~uint64_t{0};
    uint64_t m_lowestAllowed = kAnyCount, m_runsAllowed = kAnyCount, m_tailsAllowed = kAnyCount;
    std::array<uint64_t, 10> m_tailSets{};  // the numbers of each last digit
    // All bits when bit 0 of `bits` is set, else none: a choice without a branch.
    static uint64_t all(uint64_t bits) { return uint64_t{0} - (bits & 1); }
    static uint32_t tailsOf(uint64_t mask) {
        uint32_t tails = 0;
        for (; mask != 0; mask &= mask - 1) tails |= 1u << (std::countr_zero(mask) % 10);
        return tails;
    }
    bool m_needTolerant = false;
    bool m_realValued = false;
    bool m_smallNumbers = false;
    uint64_t m_selectableMask = 0, m_fixedMask = 0;
    int32_t m_lowest = 1, m_highest = kMaxMainNumber;  // the main range a ticket's numbers lie in
};

inline bool Tester::test(const int32_t* s, uint64_t mask, int32_t sum, uint8_t& tag, bool bounded) {
    const Plan& p = m_plan;
    const MainConditions& c = *p.c;
    const int m = p.m;
    if (p.continueMode) {
        if (m_smallNumbers) {
            // Every number selectable, and exactly the fixed numbers' count of them fixed.
            if ((mask & ~m_selectableMask) != 0 || std::popcount(mask & m_fixedMask) != p.fixedCount) return false;
        } else {
            int fixedIn = 0;
            for (int i = 0; i < m; ++i) {
                if (!c.selectable[s[i]]) return false;
                if (c.fixed[s[i]]) ++fixedIn;
            }
            if (fixedIn != p.fixedCount) return false;
        }
    }
    int w = 0, lastRow = 0, lastGroup = 0;
    for (int number : {kStandardDeviationRow, kCoefficientRow}) {
        if (!m_realValued) break;
        const CatalogueCondition& row = c.rows[number];
        if (!row.enabled) continue;
        const float value = number == kStandardDeviationRow ? ticketStandardDeviation(s, m) : ticketCoefficient(s, m);
        if (*row.from <= value && value <= *row.to) continue;
        if (!row.tolerant) return false;
        ++w;
        lastRow = number;
    }
    if (c.noEqualSpacing && equalSpacing(s, m)) return false;
    if (c.noSpecialRuns && (m_smallNumbers ? specialRunsInMask(mask) : specialRuns(s, m))) return false;
    if (c.noPastDraws && p.signatures.contains(ticketSignature(*p.tables, s, m))) return false;
    const FastTicket ticket{s, m, mask, sum};
    bool inRecord = false;
    for (const Plan::RowTest& row : bounded ? m_unboundedRows : m_strictRows)
        if (!row.has(rowValue(row, ticket, inRecord))) return false;
    if (!p.custom.empty() && !inRecord) {
        for (int i = 0; i < m; ++i) m_record[i + 1] = s[i];
        inRecord = true;
    }
    for (const Plan::CustomTest& custom : p.custom) {
        if (custom.allowed.empty()) break;
        const EvalResult result = custom.formula.evaluate(m_ctx, p.history.realCount + 1);
        if (result.fault == EvalResult::Fault::Stop) throw RunStop{result.message};
        if (!result.ok) break;
        if (std::find(custom.allowed.begin(), custom.allowed.end(), result.value) != custom.allowed.end()) continue;
        if (!custom.tolerant) return false;
        ++w;
        lastGroup = kCustomFailureCode;
    }
    // Self-set and tail lists: false when a strict entry fails.
    auto groupPasses = [&](const std::vector<tselfcond>& list, auto holds, int code) {
        for (const tselfcond& condition : list) {
            if (holds(condition, s, m)) continue;
            if (!condition.tolerant) return false;
            ++w;
            lastGroup = code;
        }
        return true;
    };
    if (c.selfSetEnabled && !groupPasses(c.selfSet, selfSetHolds, kSelfSetFailureCode)) return false;
    if (c.tailEnabled && !groupPasses(c.tails, tailHolds, kTailFailureCode)) return false;
    if (m_needTolerant)
        for (const Plan::RowTest& row : m_tolerantRows)  // in number order
            if (!row.has(rowValue(row, ticket, inRecord))) {
                ++w;
                lastRow = row.row->number;
            }
    if (c.totalToleranceEnabled && (w < c.totalFrom || w > c.totalTo)) return false;
    tag = static_cast<uint8_t>(lastGroup != 0 ? lastGroup : lastRow);
    return true;
}

}  // namespace lottodesk
