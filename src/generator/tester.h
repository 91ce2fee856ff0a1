#pragma once
// The test of one ticket against a run's plan, and the bounds the enumeration prunes with.

#include <algorithm>
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
        return test(s, mask, sum, tag);
    }

    // `mask` and `sum` of the ticket, kept up to date by the enumeration; its numbers are
    // 1..kMaxMainNumber. With `bounded`, the rows the enumeration already decided (see the
    // bounds below) are not tested again.
    bool test(const int32_t* s, uint64_t mask, int32_t sum, uint8_t& tag, bool bounded = false);

    // Bounds of partial tickets for the strict rows that count numbers of a fixed set or depend on
    // the sum alone: a branch of the enumeration none of whose completions can have an allowed
    // value is skipped. The skipped tickets would all fail, so the results do not change; and a
    // complete ticket's bounds are its values, so those rows need no test at the leaf.
    struct CountBound {
        uint64_t set = 0;
        std::vector<int> nextAllowed;  // smallest allowed count >= c, for c = 0..m+1 (m+1: none)
    };
    std::vector<CountBound> counts;
    std::vector<int> nextSum;  // smallest allowed sum >= x; empty when no sum row takes part
    int maxSum = 0;
    bool bounds() const { return !counts.empty() || !nextSum.empty(); }

private:
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
    for (const Plan::RowTest& row : m_strictRows)
        if (!(bounded && row.pruned) && !row.has(rowValue(row, ticket, inRecord))) return false;
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
