#include "enumeration.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace lottodesk {
namespace {

// Room for every ticket of a block when nothing is filtered out, within reason: C(top, k - 1).
size_t blockCapacity(int top, int k) {
    double size = 1;
    for (int i = 1; i < k; ++i) size = size * (top - i + 1) / i;
    return static_cast<size_t>(std::min(size, 4.0e6));
}

Ticket ticketOf(const int32_t* s, int m) {
    Ticket t{};
    for (int i = 0; i < m; ++i) t[i] = static_cast<uint8_t>(s[i]);
    return t;
}

// The walk without bounds, as a flat odometer: faster when there is nothing to bound.
void enumerateAll(const Plan& plan, Tester& tester, int top, std::vector<Ticket>& out, std::vector<uint8_t>& tags) {
    const int m = plan.m;
    const int k = m - plan.fixedCount;
    const int fixedCount = plan.fixedCount;
    int idx[kMaxTicketNumbers];
    int32_t ticket[kMaxTicketNumbers];
    // The chosen numbers ascending in chosenAscending[0..k-1] (idx holds them descending), with the
    // mask and sum of the chosen part kept per position so a step updates only what changed.
    uint64_t chosenMask[kMaxTicketNumbers + 1] = {};
    int32_t chosenSum[kMaxTicketNumbers + 1] = {};
    uint64_t fixedMask = 0;
    int32_t fixedSum = 0;
    for (int f : plan.fixedNumbers) {
        fixedMask |= uint64_t{1} << f;
        fixedSum += f;
    }
    int32_t chosenAscending[kMaxTicketNumbers];
    auto place = [&](int from) {  // positions from..k-1 of idx changed
        for (int j = from; j < k; ++j) {
            const int32_t n = plan.choosable[idx[j]];
            chosenAscending[k - 1 - j] = n;
            chosenMask[j + 1] = chosenMask[j] | uint64_t{1} << n;
            chosenSum[j + 1] = chosenSum[j] + n;
        }
    };
    auto emit = [&] {
        const int32_t* s = chosenAscending;
        if (fixedCount > 0) {
            // Merge the chosen numbers with the fixed ones, both ascending.
            int a = 0, b = 0, at = 0;
            while (at < m)
                ticket[at++] = (b >= fixedCount || (a < k && chosenAscending[a] < plan.fixedNumbers[b]))
                                   ? chosenAscending[a++]
                                   : plan.fixedNumbers[b++];
            s = ticket;
        }
        uint8_t tag = 0;
        if (!tester.test(s, chosenMask[k] | fixedMask, chosenSum[k] + fixedSum, tag)) return;
        out.push_back(ticketOf(s, m));
        tags.push_back(tag);
    };
    if (k == 0) {
        emit();  // the fixed numbers alone
        return;
    }
    out.reserve(out.size() + blockCapacity(top, k));
    tags.reserve(out.capacity());
    idx[0] = top;
    for (int j = 1; j < k; ++j) idx[j] = top - j;
    place(0);
    while (true) {
        emit();
        // The next combination: lower the rightmost position that can go lower, then fill the
        // positions after it as high as they can be.
        int j = k - 1;
        while (j >= 1 && idx[j] == k - 1 - j) --j;
        if (j < 1) return;
        --idx[j];
        for (int i = j + 1; i < k; ++i) idx[i] = idx[i - 1] - 1;
        place(j);
    }
}

// The same walk, recursive, skipping the branches that the tester's bounds rule out.
class BlockWalk {
public:
    BlockWalk(const Plan& plan, Tester& tester, std::vector<Ticket>& out, std::vector<uint8_t>& tags)
        : m_plan(plan), m_tester(tester), m_out(out), m_tags(tags), m_k(plan.m - plan.fixedCount) {
        const size_t c = plan.choosable.size();
        m_poolMask.assign(c + 1, 0);
        m_poolSum.assign(c + 1, 0);
        for (size_t i = 0; i < c; ++i) {
            const int32_t n = plan.choosable[i];
            m_poolMask[i + 1] = m_poolMask[i] | uint64_t{1} << n;
            m_poolSum[i + 1] = m_poolSum[i] + n;
        }
        for (int f : plan.fixedNumbers) {
            m_fixedMask |= uint64_t{1} << f;
            m_fixedSum += f;
        }
    }

    void run(int top) {
        if (m_k == 0) {
            leaf(m_fixedMask, m_fixedSum);  // the fixed numbers alone
            return;
        }
        m_out.reserve(m_out.size() + blockCapacity(top, m_k));
        m_tags.reserve(m_out.capacity());
        const int32_t n = m_plan.choosable[top];
        const uint64_t mask = m_fixedMask | uint64_t{1} << n;
        const int32_t sum = m_fixedSum + n;
        m_chosen[0] = n;
        if (feasible(mask, sum, m_k - 1, top)) walk(1, top, mask, sum);
    }

private:
    // Whether some completion with `left` more numbers from choosable[0..below-1] can pass the
    // bounded rows.
    bool feasible(uint64_t mask, int32_t sum, int left, int below) const {
        for (const Tester::CountBound& bound : m_tester.counts) {
            const int c = std::popcount(mask & bound.set);
            const int in = std::popcount(m_poolMask[below] & bound.set);
            const int lo = c + std::max(0, left - (below - in));
            const int hi = c + std::min(left, in);
            if (bound.nextAllowed[std::min<size_t>(lo, bound.nextAllowed.size() - 1)] > hi) return false;
        }
        if (!m_tester.nextSum.empty()) {
            const int lo = sum + m_poolSum[left];
            const int hi = sum + m_poolSum[below] - m_poolSum[below - left];
            if (lo > m_tester.maxSum || m_tester.nextSum[std::max(lo, 0)] > hi) return false;
        }
        return true;
    }

    void walk(int depth, int upper, uint64_t mask, int32_t sum) {
        if (depth == m_k) {
            leaf(mask, sum);
            return;
        }
        const int left = m_k - depth;  // numbers still to choose, this one included
        for (int idx = upper - 1; idx >= left - 1; --idx) {
            const int32_t n = m_plan.choosable[idx];
            const uint64_t nextMask = mask | uint64_t{1} << n;
            const int32_t nextSum = sum + n;
            if (!feasible(nextMask, nextSum, left - 1, idx)) continue;
            m_chosen[depth] = n;
            walk(depth + 1, idx, nextMask, nextSum);
        }
    }

    void leaf(uint64_t mask, int32_t sum) {
        const int m = m_plan.m;
        const int fixedCount = m_plan.fixedCount;
        // The chosen numbers are descending in m_chosen; merge them with the fixed ones ascending.
        int a = m_k - 1, b = 0;
        for (int at = 0; at < m; ++at)
            m_ticket[at] = (b >= fixedCount || (a >= 0 && m_chosen[std::max(a, 0)] < m_plan.fixedNumbers[b]))
                               ? m_chosen[std::max(a--, 0)]
                               : m_plan.fixedNumbers[b++];
        uint8_t tag = 0;
        if (!m_tester.test(m_ticket, mask, sum, tag, true)) return;
        m_out.push_back(ticketOf(m_ticket, m));
        m_tags.push_back(tag);
    }

    const Plan& m_plan;
    Tester& m_tester;
    std::vector<Ticket>& m_out;
    std::vector<uint8_t>& m_tags;
    const int m_k;
    std::vector<uint64_t> m_poolMask;  // numbers of choosable[0..i-1]
    std::vector<int32_t> m_poolSum;    // their sum
    uint64_t m_fixedMask = 0;
    int32_t m_fixedSum = 0;
    int32_t m_chosen[kMaxTicketNumbers] = {};
    int32_t m_ticket[kMaxTicketNumbers] = {};
};

}  // namespace

void enumerateBlock(const Plan& plan, Tester& tester, int top, std::vector<Ticket>& out, std::vector<uint8_t>& tags) {
    assert(plan.m - plan.fixedCount <= 0 ||
           (top >= plan.m - plan.fixedCount - 1 && top < static_cast<int>(plan.choosable.size())));
    if (tester.bounds())
        BlockWalk(plan, tester, out, tags).run(top);
    else
        enumerateAll(plan, tester, top, out, tags);
}

}  // namespace lottodesk
