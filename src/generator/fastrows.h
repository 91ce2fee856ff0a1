#pragma once
// Catalogue rows computed from flat tables built once per run: a ticket is its ascending numbers
// plus a 64-bit mask of them, so counts against a fixed set of numbers are one popcount and the
// history side of a value (the previous draw, the window counts, the last position of every value
// of an omission base) is looked up instead of walked. Every row has the same value as the
// general indicator computation; rows without a table fall back to it.

#include <array>
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

class FastRows {
public:
    // Tables for tickets appended after the history's records (ctx.history.candidate unused).
    FastRows(const IndicatorContext& ctx, int m);

    // Whether `row` has a table-driven value for this game.
    bool covers(int row) const { return row >= 0 && row < static_cast<int>(m_covered.size()) && m_covered[row]; }
    int32_t value(int row, const FastTicket& ticket) const;

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

}  // namespace lottodesk
