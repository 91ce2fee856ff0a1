#pragma once
// Catalogue rows computed from flat tables built once per run: a ticket is its ascending numbers
// plus a 64-bit mask of them, so counts against a fixed set of numbers are one popcount and the
// history side of a value (the previous draw, the window counts, the last position of every value
// of an omission base) is looked up instead of walked. Every row has the same value as the
// general indicator computation; rows without a table fall back to it.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "indicators/drawhistory.h"

namespace lottodesk {

struct FastTicket {
    const int32_t* s = nullptr;  // ascending, m numbers
    int m = 0;
    uint64_t mask = 0;  // bit n for number n (numbers above 63 are never in a mask)
    int32_t sum = 0;
};

namespace fastrows {

inline uint64_t bitOf(int32_t n) { return n >= 0 && n < 64 ? uint64_t{1} << n : 0; }
inline int32_t count(uint64_t mask, uint64_t set) { return std::popcount(mask & set); }
// Two's-complement arithmetic, as the general computation wraps on damaged values.
inline int32_t wrapped(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }
inline int32_t absolute(int32_t v) { return v < 0 ? wrapped(-int64_t{v}) : v; }
// |a - b| taken in 64 bits, then wrapped like the general amplitude.
inline int32_t distance(int32_t a, int32_t b) {
    const int64_t d = int64_t{a} - b;
    return wrapped(d < 0 ? -d : d);
}
inline int32_t tailSum(const FastTicket& t) {
    int32_t sum = 0;
    for (int i = 0; i < t.m; ++i) sum += t.s[i] % 10;
    return sum;
}
inline int32_t sumWhere(const FastTicket& t, uint64_t set) {
    int32_t sum = 0;
    for (int i = 0; i < t.m; ++i)
        if (bitOf(t.s[i]) & set) sum += t.s[i];
    return sum;
}

}  // namespace fastrows

class FastRows {
public:
    // Tables for tickets appended after the history's records (ctx.history.candidate unused).
    FastRows(const IndicatorContext& ctx, int m);

    // Whether `row` has a table-driven value for this game.
    bool covers(int row) const { return row >= 0 && row < static_cast<int>(m_covered.size()) && m_covered[row]; }
    int32_t value(int row, const FastTicket& ticket) const;
    // For rows whose value counts the ticket's numbers in a fixed set: that set; 0 with false
    // otherwise. The enumeration bounds such counts for partial tickets.
    bool countSet(int row, uint64_t& set) const;
    // Rows whose value depends on the sum of the ticket's numbers alone.
    bool sumOnly(int row) const {
        return covers(row) && (row == 25 || row == 95 || row == 49 || row == 131 || row == 132 || row == 130);
    }

private:
    int32_t omission(const std::vector<int>& lastPosition, int32_t lo, int32_t v) const;
    int32_t baseOf(int row, const FastTicket& ticket) const;

    int m_real;  // records before the ticket
    std::array<bool, 134> m_covered{};
    uint64_t m_big = 0, m_odd = 0, m_prime = 0, m_highTail = 0, m_aboveHalf = 0;
    std::array<uint64_t, 4> m_zone3{};     // zones 1..3 of the three-zone partition
    std::array<uint64_t, 3> m_mod3{};
    std::array<uint64_t, 4> m_mod4{};
    std::array<uint64_t, 5> m_mod5{};
    uint64_t m_previous = 0, m_neighbours = 0;
    uint64_t m_cold = 0, m_warm = 0, m_hot = 0;
    std::array<int32_t, 64> m_sinceLast{};  // unpositioned omission of each number at the ticket
    std::array<int32_t, 64> m_nearestPrevious{};
    const int32_t* m_previousDraw = nullptr;
    int32_t m_previousSum = 0, m_previousTailSum = 0, m_previousYlhz = 0;
    // Omission bases: last record (1-based) holding each value, indexed value - lo.
    struct LastPositions {
        int32_t lo = 0;
        std::vector<int> at;
    };
    std::array<LastPositions, 134> m_last;
};

// Inline so the ticket tests compile each row's computation in place.
inline int32_t FastRows::value(int row, const FastTicket& t) const {
    using namespace fastrows;
    switch (row) {
    case 1: return count(t.mask, m_big);
    case 2: return count(t.mask, m_odd);
    case 3: return count(t.mask, m_prime);
    case 4: {
        uint32_t tails = 0;
        for (int i = 0; i < t.m; ++i) tails |= 1u << (t.s[i] % 10);
        return std::popcount(tails);
    }
    case 5: {
        int32_t runs = 0;
        for (int i = 1; i < t.m; ++i) runs += t.s[i] - t.s[i - 1] == 1;
        return runs;
    }
    case 6: return count(t.mask, m_previous);
    case 7: return count(t.mask, m_neighbours);
    case 8: case 9: case 10: return count(t.mask, m_zone3[row - 7]);
    case 11: case 12: case 13: return count(t.mask, m_mod3[row - 11]);
    case 18: return count(t.mask, m_highTail);
    case 24: {
        int32_t sum = 0;
        for (int i = 0; i < t.m; ++i) sum += t.s[i] % 10 > 4 ? t.s[i] % 10 : 0;
        return sum;
    }
    case 25: return t.sum;
    case 26: return tailSum(t);
    case 27: {
        int32_t sum = 0;
        for (int i = 0; i < t.m; ++i) sum += m_sinceLast[t.s[i] & 63];
        return sum;
    }
    case 37: return baseOf(128, t);
    case 39: return count(t.mask, m_cold);
    case 40: return count(t.mask, m_warm);
    case 41: return count(t.mask, m_hot);
    case 42: case 43: case 44: case 45: case 46: case 47: case 48:
        return distance(t.s[row - 42], m_previousDraw[row - 41]);
    case 49: return distance(t.sum, m_previousSum);
    case 50: return distance(tailSum(t), m_previousTailSum);
    case 51: return absolute(value(27, t) - m_previousYlhz);
    case 95: return t.sum % 10;
    case 96: return sumWhere(t, m_odd);
    case 97: return t.sum - sumWhere(t, m_odd);
    case 98: return sumWhere(t, m_prime);
    case 99: return t.sum - sumWhere(t, m_prime);
    case 100: return sumWhere(t, m_aboveHalf);
    case 101: return t.sum - value(100, t);
    case 102: return sumWhere(t, m_zone3[3]);
    case 103: return sumWhere(t, m_zone3[2]);
    case 104: return sumWhere(t, m_zone3[1]);
    case 105: case 106: case 107: {
        const int d = row - 102;
        int32_t sum = 0;
        for (int i = 0; i < t.m; ++i) sum += t.s[i] % d;
        return sum;
    }
    case 108: case 109: case 110: return sumWhere(t, m_mod3[row - 108]);
    case 112: case 113: case 114: case 115: return count(t.mask, m_mod4[row - 112]);
    case 116: case 117: case 118: case 119: case 120: return count(t.mask, m_mod5[row - 116]);
    default: break;
    }
    if (row >= 121 && row <= 133) return omission(m_last[row].at, m_last[row].lo, baseOf(row, t));
    return 0;
}

}  // namespace lottodesk
