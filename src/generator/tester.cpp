#include "tester.h"

#include <random>

namespace lottodesk {

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
    if (!plan.continueMode) buildBounds();
    m_needTolerant = plan.continueMode || plan.c->totalToleranceEnabled;
    m_realValued = plan.c->rows[kStandardDeviationRow].enabled || plan.c->rows[kCoefficientRow].enabled;
    for (int n = 1; n <= kMaxMainNumber; ++n) {
        if (plan.c->selectable[n]) m_selectableMask |= uint64_t{1} << n;
        if (plan.c->fixed[n]) m_fixedMask |= uint64_t{1} << n;
    }
}

void Tester::buildBounds() {
    const int m = m_plan.m;
    if (!m_smallNumbers) return;
    for (Plan::RowTest& row : m_strictRows) {
        uint64_t set = 0;
        if (!row.fast || !m_fast.countSet(row.row->number, set)) continue;
        CountBound bound{set, std::vector<int>(static_cast<size_t>(m) + 2, m + 1)};
        for (int c = m; c >= 0; --c) bound.nextAllowed[c] = row.has(c) ? c : bound.nextAllowed[c + 1];
        counts.push_back(std::move(bound));
        row.pruned = true;
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
