#include "enumeration.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

namespace lottodesk {
namespace {

// C(n, r) for the chunk sizes; pools hold at most kMaxMainNumber numbers, so it fits easily.
size_t binomial(int n, int r) {
    if (r < 0 || n < r) return 0;
    size_t result = 1;
    for (int i = 1; i <= r; ++i) result = result * static_cast<size_t>(n - r + i) / static_cast<size_t>(i);
    return result;
}

// The 8-byte record of a ticket: numbers ascending in bytes 0..m-1, built in a register and
// stored with one write.
inline void store(Ticket* out, uint64_t record) { std::memcpy(out, &record, sizeof record); }

// The walk of one chunk. Each depth chooses one more number below the previous one; the mask,
// the sum and (without fixed numbers) the record of the chosen part are carried down, so a leaf
// costs its own number only. Branches the tester's bounds rule out are skipped before they are
// walked; at the last depth the bounds are the exact test of their rows.
class ChunkWalk {
public:
    ChunkWalk(const Plan& plan, Tester& tester, Ticket* out)
        : m_plan(plan), m_tester(tester), m_out(out), m_k(plan.m - plan.fixedCount), m_m(plan.m),
          m_choosable(plan.choosable.data()), m_fixed(plan.fixedCount > 0) {
        for (int f : plan.fixedNumbers) {
            m_fixedMask |= uint64_t{1} << f;
            m_fixedSum += f;
        }
    }

    size_t run(const EnumerationChunk& chunk) {
        if (m_k <= 0) {
            leafFixedOnly();
            return m_count;
        }
        if (m_tester.passesEverything())
            start<false>(chunk);
        else
            start<true>(chunk);
        return m_count;
    }

private:
    template <bool Test>
    void start(const EnumerationChunk& chunk) {
        uint64_t mask = m_fixedMask;
        int32_t sum = m_fixedSum;
        uint64_t record = 0;
        int depth = 0;
        int below = chunk.top;
        for (const int idx : {chunk.top, chunk.second}) {
            if (idx < 0) break;
            const int32_t n = m_choosable[idx];
            mask |= uint64_t{1} << n;
            sum += n;
            record |= uint64_t(n) << (8 * (m_k - 1 - depth));
            m_ticket[m_k - 1 - depth] = n;
            m_chosen[depth++] = n;
            below = idx;
            if (depth == m_k) {
                if (!Test || m_tester.boundsHold(mask, sum)) leaf<Test>(mask, sum, record, n);
                return;
            }
            if (Test && !m_tester.feasible(mask, sum, m_k - depth, idx)) return;
        }
        walk<Test>(depth, below, mask, sum, record);
    }

    template <bool Test>
    void walk(int depth, int upper, uint64_t mask, int32_t sum, uint64_t record) {
        const int left = m_k - depth;  // numbers still to choose, this one included
        if (left == 1) {
            lastNumber<Test>(upper, mask, sum, record);
            return;
        }
        const int shift = 8 * (left - 1);
        for (int idx = upper - 1; idx >= left - 1; --idx) {
            const int32_t n = m_choosable[idx];
            const uint64_t nextMask = mask | uint64_t{1} << n;
            const int32_t nextSum = sum + n;
            // The last number's choice makes its own test of the bounds.
            if (Test && left > 2 && !m_tester.feasible(nextMask, nextSum, left - 1, idx)) continue;
            m_chosen[depth] = n;
            m_ticket[left - 1] = n;
            walk<Test>(depth + 1, idx, nextMask, nextSum, record | uint64_t(n) << shift);
        }
    }

    // The last number, from choosable[0..upper-1] down: only those that pass the bounded rows
    // are visited.
    template <bool Test>
    void lastNumber(int upper, uint64_t mask, int32_t sum, uint64_t record) {
        if (!Test && !m_fixed) {
            // Every ticket is written: a count down the pool rather than bits taken off a mask
            // (whose scan, shift and clear form one chain per ticket), and the output position in
            // a register, since a store of result bytes could otherwise alias the walk's count.
            Ticket* out = m_out + m_count;
            for (int idx = upper - 1; idx >= 0; --idx) store(out++, record | uint64_t(m_choosable[idx]));
            m_count = static_cast<size_t>(out - m_out);
            return;
        }
        uint64_t candidates = m_tester.poolMask(upper);
        if (Test) candidates = m_tester.completions(mask, sum, candidates);
        while (candidates) {
            const int n = 63 - std::countl_zero(candidates);
            candidates ^= uint64_t{1} << n;
            leaf<Test>(mask | uint64_t{1} << n, sum + n, record | uint64_t(n), n);
        }
    }

    // A complete ticket; `last` is its lowest chosen number (the others are in m_chosen).
    template <bool Test>
    void leaf(uint64_t mask, int32_t sum, uint64_t record, int32_t last) {
        if (!Test) {
            if (m_fixed) record = mergedRecord(last);
            store(m_out + m_count++, record);
            return;
        }
        // Without fixed numbers the depths above placed their numbers already (m_ticket holds
        // the chosen numbers ascending); with them, the two lists are merged.
        if (m_fixed)
            merge(last);
        else
            m_ticket[0] = last;
        uint8_t tag = 0;
        if (!m_tester.test(m_ticket, mask, sum, tag, true)) return;
        if (m_fixed) record = packed(m_ticket, m_m);
        store(m_out + m_count++, record);
    }

    // The fixed numbers alone fill the ticket.
    void leafFixedOnly() {
        for (int i = 0; i < m_m; ++i) m_ticket[i] = m_plan.fixedNumbers[static_cast<size_t>(i)];
        uint8_t tag = 0;
        if (!m_tester.test(m_ticket, m_fixedMask, m_fixedSum, tag)) return;
        store(m_out + m_count++, packed(m_ticket, m_m));
    }

    // The chosen numbers (descending in m_chosen, then `last`) merged with the fixed ones
    // ascending, into m_ticket.
    void merge(int32_t last) {
        m_chosen[m_k - 1] = last;
        int a = m_k - 1, b = 0;
        const std::vector<int>& fixed = m_plan.fixedNumbers;
        const int fixedCount = m_plan.fixedCount;
        for (int at = 0; at < m_m; ++at)
            m_ticket[at] = (b >= fixedCount || (a >= 0 && m_chosen[a] < fixed[static_cast<size_t>(b)]))
                               ? m_chosen[a--]
                               : fixed[static_cast<size_t>(b++)];
    }
    uint64_t mergedRecord(int32_t last) {
        merge(last);
        return packed(m_ticket, m_m);
    }
    static uint64_t packed(const int32_t* s, int m) {
        uint64_t record = 0;
        for (int i = 0; i < m; ++i) record |= uint64_t(static_cast<uint8_t>(s[i])) << (8 * i);
        return record;
    }

    const Plan& m_plan;
    Tester& m_tester;
    Ticket* m_out;
    size_t m_count = 0;
    const int m_k;  // numbers to choose
    const int m_m;  // numbers per ticket
    const int* m_choosable;
    const bool m_fixed;
    uint64_t m_fixedMask = 0;
    int32_t m_fixedSum = 0;
    int32_t m_chosen[kMaxTicketNumbers] = {};  // by depth: descending
    int32_t m_ticket[kMaxTicketNumbers] = {};  // the ticket ascending, as the tester reads it
};

}  // namespace

std::vector<EnumerationChunk> enumerationChunks(const Plan& plan) {
    const int k = plan.m - plan.fixedCount;
    const int c = static_cast<int>(plan.choosable.size());
    std::vector<EnumerationChunk> chunks;
    if (k < 0 || c < k) return chunks;
    if (k == 0) {
        chunks.push_back({-1, -1, 1});
        return chunks;
    }
    for (int top = c - 1; top >= k - 1; --top) {
        if (k == 1) {
            chunks.push_back({top, -1, 1});
            continue;
        }
        for (int second = top - 1; second >= k - 2; --second) chunks.push_back({top, second, binomial(second, k - 2)});
    }
    return chunks;
}

size_t enumerateChunk(const Plan& plan, Tester& tester, const EnumerationChunk& chunk, Ticket* out) {
    assert(plan.m - plan.fixedCount <= 0 || (chunk.top >= 0 && chunk.top < static_cast<int>(plan.choosable.size())));
    return ChunkWalk(plan, tester, out).run(chunk);
}

}  // namespace lottodesk
