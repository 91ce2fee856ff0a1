#include "tester.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace lottodesk {

bool passesEverything(const Plan& plan) {
    const MainConditions& c = *plan.c;
    // Tolerated failures reject nothing without a bound on their count.
    const bool strictRow = std::any_of(plan.rows.begin(), plan.rows.end(), [](const Plan::RowTest& row) { return !row.tolerant; });
    return !plan.continueMode && !c.rows[kStandardDeviationRow].enabled && !c.rows[kCoefficientRow].enabled &&
           !c.noEqualSpacing && !c.noSpecialRuns && !c.noPastDraws && !strictRow && plan.custom.empty() &&
           !(c.selfSetEnabled && !c.selfSet.empty()) && !(c.tailEnabled && !c.tails.empty()) &&
           !c.totalToleranceEnabled;
}

Tester::Tester(const Plan& plan) : m_plan(plan), m_fast(*plan.fast) {
    m_record.fill(0);
    m_record[0] = kCandidatePeriod;
    m_ctx = {DrawHistory{plan.history.records, plan.history.realCount, m_record.data()}, plan.game, plan.partitions,
             plan.settings, &m_memo};
    m_memo.prepare(0, plan.game, plan.settings);
    for (const Plan::RowTest& row : plan.rows) {
        Plan::RowTest copy = row;
        copy.fast = m_fast.covers(row.row->number);
        (row.tolerant ? m_tolerantRows : m_strictRows).push_back(std::move(copy));
    }
    orderStrictRows();
    m_lowest = std::max(1, plan.game.zh_from);
    m_highest = std::min(plan.game.zh_to, kMaxMainNumber);
    m_smallNumbers = plan.game.zh_to < 64 && plan.game.zh_from >= 0;
    buildBounds();
    m_needTolerant = plan.continueMode || plan.c->totalToleranceEnabled;
    m_realValued = plan.c->rows[kStandardDeviationRow].enabled || plan.c->rows[kCoefficientRow].enabled;
    for (size_t i = 0; i < plan.choosable.size(); ++i) {
        const int32_t n = plan.choosable[i];
        m_poolMask[i + 1] = m_poolMask[i] | uint64_t{1} << n;
        m_poolSum[i + 1] = m_poolSum[i] + n;
    }
    m_choosableMask = m_poolMask[plan.choosable.size()];
    m_numberBytes = plan.m >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * plan.m)) - 1;
    for (int j = 1; j < std::min(plan.m, 8); ++j) m_risingLanes |= uint64_t{0x80} << (8 * j);
    for (const Plan::RowTest& row : m_strictRows)
        if (!row.pruned) m_unboundedRows.push_back(row);
    m_passesEverything = lottodesk::passesEverything(plan);
    for (int n = 1; n <= kMaxMainNumber; ++n) {
        if (plan.c->selectable[n]) m_selectableMask |= uint64_t{1} << n;
        if (plan.c->fixed[n]) m_fixedMask |= uint64_t{1} << n;
    }
}

void Tester::testStored(const Ticket* results, size_t count, uint8_t* verdicts) {
    const int m = m_plan.m;
    const bool prefixes = m >= 2 && m_plan.fixedCount == 0 && m_smallNumbers;
    auto recordAt = [&](size_t i) {
        uint64_t record;
        std::memcpy(&record, &results[i], sizeof record);
        return record & m_numberBytes;
    };
    for (size_t i = 0; i < count;) {
        uint64_t record = recordAt(i);
        // Choosable numbers rising: the branch of all but the lowest number can be bounded.
        if (!prefixes || !ascendingRecord(record) || !choosableUpper(record)) {
            verdicts[i++] = storedVerdict(record);
            continue;
        }
        const uint64_t upper = record & ~uint64_t{0xFF};
        const uint64_t second = record >> 8 & 0xFF;
        const uint64_t candidates = prefixCompletions(record);
        if (m_deadDepth != kNoDepth) {
            // The highest numbers are ruled out, and with them every following rising result
            // that holds them; one that is not rising is tested on its own.
            const uint64_t highest = ~uint64_t{0} << (8 * (m - m_deadDepth));
            const uint64_t prefix = record & highest;
            do {
                verdicts[i] = ascendingRecord(record) ? 0 : storedVerdict(record);
                if (++i == count) break;
                record = recordAt(i);
            } while ((record & highest) == prefix);
            continue;
        }
        // The run of results with the same numbers but the lowest.
        do {
            const uint64_t lowest = record & 0xFF;
            if (lowest < second)
                verdicts[i] = (candidates >> lowest & 1) ? completedVerdict(record) : 0;
            else
                verdicts[i] = storedVerdict(record);
            if (++i == count) break;
            record = recordAt(i);
        } while ((record & ~uint64_t{0xFF}) == upper);
    }
}

// One result on its own: sorted, checked and tested.
uint8_t Tester::storedVerdict(uint64_t record) {
    const int m = m_plan.m;
    int32_t s[kMaxTicketNumbers];
    for (int j = 0; j < m; ++j) s[j] = static_cast<int32_t>(record >> (8 * j) & 0xFF);
    sortAscending(s, m);
    uint8_t tag = 0;
    return test(s, tag) ? static_cast<uint8_t>(tag + 1) : 0;
}

// A rising result whose lowest number is one of the completions: the bounded rows hold.
uint8_t Tester::completedVerdict(uint64_t record) {
    const int m = m_plan.m;
    int32_t s[kMaxTicketNumbers];
    uint64_t mask = 0;
    int32_t sum = 0;
    for (int j = 0; j < m; ++j) {
        s[j] = static_cast<int32_t>(record >> (8 * j) & 0xFF);
        mask |= uint64_t{1} << s[j];
        sum += s[j];
    }
    uint8_t tag = 0;
    return test(s, mask, sum, tag, true) ? static_cast<uint8_t>(tag + 1) : 0;
}

// The lowest numbers that complete the highest m - 1 numbers of `record` (rising, choosable) so
// that the bounds hold; 0 when the bounds of a higher part already rule it out.
uint64_t Tester::prefixCompletions(uint64_t record) {
    const int m = m_plan.m;
    const uint64_t upper = record & ~uint64_t{0xFF};
    const uint64_t differs = upper ^ m_previousUpper;
    m_previousUpper = upper;
    // The highest numbers shared with the previous one: above the highest byte that differs.
    const int shared = differs == 0 ? m - 1 : std::max(0, m - 1 - (63 - std::countl_zero(differs)) / 8);
    if (m_deadDepth <= shared) return 0;
    m_deadDepth = kNoDepth;
    m_knownDepth = std::min(m_knownDepth, shared);
    uint64_t partMask = 0;
    int32_t partSum = 0;
    for (int d = 1; d <= m - 1; ++d) {
        const int32_t n = static_cast<int32_t>(record >> (8 * (m - d)) & 0xFF);
        partMask |= uint64_t{1} << n;
        partSum += n;
        if (d <= m_knownDepth) continue;
        const int below = std::popcount(m_choosableMask & ((uint64_t{1} << n) - 1));
        if (d == m - 1) {
            m_lastCandidates = completions(partMask, partSum, m_poolMask[below]);
        } else if (!feasible(partMask, partSum, m - d, below)) {
            m_deadDepth = d;
            return 0;
        }
        m_knownDepth = d;
    }
    return m_lastCandidates;
}

void Tester::buildBounds() {
    const int m = m_plan.m;
    if (!m_smallNumbers) return;
    for (Plan::RowTest& row : m_strictRows) {
        uint64_t set = 0;
        if (!row.fast || !m_fast.countSet(row.row->number, set)) continue;
        CountBound bound{set, 0};
        for (int c = 0; c <= m; ++c) bound.allowed |= uint64_t{row.has(c)} << c;
        counts.push_back(bound);
        row.pruned = true;
    }
    for (int n = 0; n < 64; ++n) m_tailSets[n % 10] |= uint64_t{1} << n;
    // Rows the mask of a complete ticket decides.
    int32_t lowest[kMaxTicketNumbers] = {};
    for (Plan::RowTest& row : m_strictRows) {
        if (!row.fast) continue;
        const int number = row.row->number;
        const FastKind kind = m_fast.kind(number);
        uint64_t* allowed = nullptr;
        if (kind == FastKind::Runs)
            allowed = &m_runsAllowed;
        else if (kind == FastKind::DistinctTails)
            allowed = &m_tailsAllowed;
        if (allowed) {
            uint64_t bits = 0;
            for (int c = 0; c <= m; ++c) bits |= uint64_t{row.has(c)} << c;
            *allowed &= bits;
            row.pruned = true;
        } else if (m_fast.lowestOnly(number)) {
            uint64_t bits = 0;
            for (int v = 0; v < 64; ++v) {
                lowest[0] = v;
                bits |= uint64_t{row.has(m_fast.value(number, FastTicket{lowest, m, 0, 0}))} << v;
            }
            m_lowestAllowed &= bits;
            row.pruned = true;
        }
    }
    for (int n : m_plan.choosable) maxSum += n;
    for (int n : m_plan.fixedNumbers) maxSum += n;
    std::vector<Plan::RowTest*> sumRows;
    for (Plan::RowTest& row : m_strictRows)
        if (row.fast && m_fast.sumOnly(row.row->number)) sumRows.push_back(&row);
    if (sumRows.empty()) return;
    // A ticket of the right size whose numbers the sum-only rows never read.
    const int32_t unread[kMaxTicketNumbers] = {};
    nextSum.assign(static_cast<size_t>(maxSum) + 2, maxSum + 1);
    for (int x = maxSum; x >= 0; --x) {
        const FastTicket ticket{unread, m, 0, x};
        bool allowed = true;
        for (const Plan::RowTest* row : sumRows) allowed = allowed && row->has(m_fast.value(row->row->number, ticket));
        nextSum[x] = allowed ? x : nextSum[x + 1];
    }
    for (Plan::RowTest* row : sumRows) row->pruned = true;
    sumAllowed.assign(static_cast<size_t>(maxSum) + 1, 0);
    for (int x = 0; x <= maxSum; ++x) sumAllowed[x] = nextSum[x] == x;
    m_sumBits.assign(static_cast<size_t>(maxSum) / 64 + 2, 0);
    for (int x = 0; x <= maxSum; ++x) m_sumBits[x >> 6] |= uint64_t{sumAllowed[x]} << (x & 63);
}

// The strict rows ordered by the cost of rejecting a ticket: a sample of tickets gives each row's
// pass rate, and a row computed from tables costs less than one that needs the general
// computation. The order changes only speed, never which tickets pass.
void Tester::orderStrictRows() {
    const Plan& p = m_plan;
    if (m_strictRows.size() < 2 || p.choosable.size() < static_cast<size_t>(p.m) || p.fixedCount > 0) {
        std::stable_sort(m_strictRows.begin(), m_strictRows.end(),
                         [](const Plan::RowTest& a, const Plan::RowTest& b) { return a.fast > b.fast; });
        return;
    }
    std::mt19937 random(12345);
    std::vector<int32_t> pool(p.choosable.begin(), p.choosable.end());
    std::vector<double> passes(m_strictRows.size(), 0);
    constexpr int kSample = 512;
    for (int trial = 0; trial < kSample; ++trial) {
        std::shuffle(pool.begin(), pool.end(), random);
        int32_t s[kMaxTicketNumbers];
        std::copy(pool.begin(), pool.begin() + p.m, s);
        sortAscending(s, p.m);
        FastTicket ticket{s, p.m, 0, 0};
        for (int i = 0; i < p.m; ++i) {
            ticket.mask |= uint64_t{1} << s[i];
            ticket.sum += s[i];
        }
        bool inRecord = false;
        for (size_t r = 0; r < m_strictRows.size(); ++r)
            passes[r] += m_strictRows[r].has(rowValue(m_strictRows[r], ticket, inRecord));
    }
    std::vector<std::pair<double, size_t>> scored;
    for (size_t r = 0; r < m_strictRows.size(); ++r) {
        const double cost = m_strictRows[r].fast ? 1.0 : 4.0;
        const double rejection = 1.0 - passes[r] / kSample;
        scored.emplace_back(cost / std::max(rejection, 1e-3), r);
    }
    std::stable_sort(scored.begin(), scored.end());
    std::vector<Plan::RowTest> ordered;
    for (const auto& [score, r] : scored) ordered.push_back(m_strictRows[r]);
    m_strictRows = std::move(ordered);
}

}  // namespace lottodesk
