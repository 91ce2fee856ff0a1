#pragma once
// Catalogue rows computed from flat tables built once per run: a ticket is its ascending numbers
// plus a 64-bit mask of them, so counts against a fixed set of numbers are one popcount and the
// history side of a value (the previous draw, the window counts, the last position of every value
// of an omission base) is looked up instead of walked. Every row has the same value as the
// general indicator computation; rows without a table fall back to it.
//
// Each row's facts sit in one entry of the table in fastrows.cpp: how its value is computed (a
// kind with one parameter), and from that whether the enumeration can bound it.

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "conditions.h"
#include "indicators/drawhistory.h"

namespace lottodesk {

// Ticket numbers are at most kMaxMainNumber, so every one has a bit in a 64-bit mask.
static_assert(kMaxMainNumber < 64);

struct FastTicket {
    const int32_t* s = nullptr;  // ascending, m numbers, each 1..kMaxMainNumber
    int m = 0;
    uint64_t mask = 0;  // bit n for number n
    int32_t sum = 0;
};

// How a table-driven row computes its value from the ticket.
enum class FastKind : uint8_t {
    None,           // no table: the general computation
    Count,          // the ticket's numbers in a set
    SumIn,          // the sum of the ticket's numbers in a set
    SumOut,         // the sum of those outside a set
    DistinctTails,  // different last digits
    Runs,           // neighbouring pairs of consecutive numbers
    HighTailSum,    // the sum of the last digits 5..9
    Sum,
    SumTail,          // the sum's last digit
    TailSum,          // the sum of the last digits
    RemainderSum,     // the sum of each number modulo the parameter
    OmissionSum,      // the sum of each number's omission at the ticket
    NearestPrevious,  // the largest distance from a number to the nearest of the previous draw
    Dispersion,       // the largest distance from a number to its nearest other number
    Mean,             // the mean rounded half up
    Number,           // the number at position `parameter` (0-based)
    Amplitude,        // its distance from the previous draw's number at that position
    SumAmplitude,     // the distance of the sums of the ticket and the previous draw
    TailSumAmplitude,
    OmissionSumAmplitude,
    Omission,  // draws since the value of the base kind last occurred
    AC,        // distinct differences of two numbers, less m - 1
    LargestGap,
    SmallestGap,
};

// The sets of numbers the count and sum kinds take as their parameter.
enum class FastSet : uint8_t {
    Big,
    Odd,
    Prime,
    HighTail,   // last digit 5..9
    AboveHalf,  // the upper zone of the two-zone partition
    Zone1,      // zones of the three-zone partition
    Zone2,
    Zone3,
    Mod3Is0,
    Mod3Is1,
    Mod3Is2,
    Mod4Is0,
    Mod4Is1,
    Mod4Is2,
    Mod4Is3,
    Mod5Is0,
    Mod5Is1,
    Mod5Is2,
    Mod5Is3,
    Mod5Is4,
    Previous,    // the previous draw's numbers
    Neighbours,  // their neighbours
    Cold,
    Warm,
    Hot,
};
constexpr size_t kFastSets = static_cast<size_t>(FastSet::Hot) + 1;

// Rows of the catalogue, by number.
using RowSet = std::bitset<kCatalogueRows + 1>;

class FastRows {
public:
    // Tables for tickets appended after the history's records (ctx.history.candidate unused). An
    // omission row needs a pass over every record for its table: only the rows in `wanted` get one,
    // the others are not covered.
    FastRows(const IndicatorContext& ctx, int m, const RowSet& wanted = RowSet().set());

    // Whether `row` has a table-driven value for this game.
    bool covers(int row) const { return row >= 0 && row <= kCatalogueRows && m_rows[row].kind != FastKind::None; }
    // The value of a covered row.
    int32_t value(int row, const FastTicket& ticket) const;
    // For rows whose value counts the ticket's numbers in a fixed set: that set; 0 with false
    // otherwise. The enumeration bounds such counts for partial tickets.
    bool countSet(int row, uint64_t& set) const;
    // Rows whose value depends on the sum of the ticket's numbers alone.
    bool sumOnly(int row) const;
    // Rows whose value depends on the lowest number alone.
    bool lowestOnly(int row) const;
    // The kind of a covered row (None for the others).
    FastKind kind(int row) const { return covers(row) ? m_rows[row].kind : FastKind::None; }
    // The values a covered row can take for tickets of m numbers out of 0..zh_to, where they do
    // not depend on the history's content (which may be damaged): false and unchanged otherwise.
    bool valueRange(int row, int32_t& lo, int32_t& hi) const;

private:
    // A covered row as the hot path reads it: the set of a count or sum kind is resolved.
    struct Entry {
        FastKind kind = FastKind::None;
        FastKind base = FastKind::None;  // Omission: the kind whose value it looks up
        uint8_t parameter = 0;           // of `kind`, or of `base` for Omission
        uint64_t set = 0;
        bool ranged = false;  // lo..hi holds every value of the row
        int32_t lo = 0, hi = 0;
    };
    // Omission bases: last record (1-based) holding each value, indexed value - lo.
    struct LastPositions {
        int32_t lo = 0;
        std::vector<int> at;
    };

    int32_t compute(FastKind kind, uint8_t parameter, uint64_t set, const FastTicket& t) const;
    int32_t omission(const LastPositions& last, int32_t v) const;
    int32_t omissionSum(const FastTicket& t) const;

    int m_real;  // records before the ticket
    std::array<Entry, kCatalogueRows + 1> m_rows{};
    std::array<uint64_t, kFastSets> m_sets{};
    std::array<int32_t, 64> m_sinceLast{};  // unpositioned omission of each number at the ticket
    std::array<int32_t, 64> m_nearestPrevious{};
    const int32_t* m_previousDraw = nullptr;
    int32_t m_previousSum = 0, m_previousTailSum = 0, m_previousOmissionSum = 0;
    std::array<LastPositions, kCatalogueRows + 1> m_last;  // by row; omission rows only
};

namespace fastrows {

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
    for (int i = 0; i < t.m; ++i) sum += (set >> t.s[i] & 1) ? t.s[i] : 0;
    return sum;
}
// The largest distance from a number to its nearest other number of the ticket; 255 for one.
inline int32_t dispersion(const FastTicket& t) {
    int32_t largest = 0;
    for (int i = 0; i < t.m; ++i) {
        int32_t nearest = 255;
        for (int j = 0; j < t.m; ++j)
            if (j != i) nearest = std::min(nearest, absolute(t.s[i] - t.s[j]));
        largest = std::max(largest, nearest);
    }
    return largest;
}

}  // namespace fastrows

inline int32_t FastRows::omission(const LastPositions& last, int32_t v) const {
    const int64_t index = int64_t{v} - last.lo;
    const int at = index >= 0 && index < static_cast<int64_t>(last.at.size()) ? last.at[index] : 0;
    return at == 0 ? m_real : m_real - at;
}

inline int32_t FastRows::omissionSum(const FastTicket& t) const {
    int32_t sum = 0;
    for (int i = 0; i < t.m; ++i) sum += m_sinceLast[t.s[i]];
    return sum;
}

// Inline so the ticket tests compile each kind's computation in place.
inline int32_t FastRows::compute(FastKind kind, uint8_t parameter, uint64_t set, const FastTicket& t) const {
    using namespace fastrows;
    switch (kind) {
    case FastKind::None: break;
    case FastKind::Count: return count(t.mask, set);
    case FastKind::SumIn: return sumWhere(t, set);
    case FastKind::SumOut: return t.sum - sumWhere(t, set);
    case FastKind::DistinctTails: {
        uint32_t tails = 0;
        for (int i = 0; i < t.m; ++i) tails |= 1u << (t.s[i] % 10);
        return std::popcount(tails);
    }
    case FastKind::Runs: {
        int32_t runs = 0;
        for (int i = 1; i < t.m; ++i) runs += t.s[i] - t.s[i - 1] == 1;
        return runs;
    }
    case FastKind::HighTailSum: {
        int32_t sum = 0;
        for (int i = 0; i < t.m; ++i) sum += t.s[i] % 10 > 4 ? t.s[i] % 10 : 0;
        return sum;
    }
    case FastKind::Sum: return t.sum;
    case FastKind::SumTail: return t.sum % 10;
    case FastKind::TailSum: return tailSum(t);
    case FastKind::RemainderSum: {
        int32_t sum = 0;
        for (int i = 0; i < t.m; ++i) sum += t.s[i] % parameter;
        return sum;
    }
    case FastKind::OmissionSum: return omissionSum(t);
    case FastKind::NearestPrevious: {
        int32_t largest = 0;
        for (int i = 0; i < t.m; ++i) largest = std::max(largest, m_nearestPrevious[t.s[i]]);
        return largest;
    }
    case FastKind::Dispersion: return t.m == 1 ? 255 : dispersion(t);
    case FastKind::Mean: return t.m > 0 ? (2 * t.sum + t.m) / (2 * t.m) : 0;
    case FastKind::Number: return t.s[parameter];
    case FastKind::Amplitude: return distance(t.s[parameter], m_previousDraw[parameter + 1]);
    case FastKind::SumAmplitude: return distance(t.sum, m_previousSum);
    case FastKind::TailSumAmplitude: return distance(tailSum(t), m_previousTailSum);
    case FastKind::OmissionSumAmplitude: return absolute(omissionSum(t) - m_previousOmissionSum);
    case FastKind::Omission: break;  // see value()
    case FastKind::AC: {
        // Bit d of mask >> n is set when n + d is a number of the ticket: the OR over the ticket's
        // numbers holds bit 0 and every positive difference once.
        if (t.m == 0) return 1;
        uint64_t differences = 0;
        for (int i = 0; i < t.m; ++i) differences |= t.mask >> t.s[i];
        return std::popcount(differences) - t.m;
    }
    case FastKind::LargestGap: {
        int32_t largest = 1;
        for (int i = 1; i < t.m; ++i) largest = std::max(largest, t.s[i] - t.s[i - 1]);
        return largest;
    }
    case FastKind::SmallestGap: {
        int32_t smallest = 999;
        for (int i = 1; i < t.m; ++i) smallest = std::min(smallest, t.s[i] - t.s[i - 1]);
        return smallest;
    }
    }
    return 0;
}

inline int32_t FastRows::value(int row, const FastTicket& t) const {
    assert(covers(row));
    const Entry& e = m_rows[row];
    if (e.kind == FastKind::Omission) return omission(m_last[row], compute(e.base, e.parameter, e.set, t));
    return compute(e.kind, e.parameter, e.set, t);
}

}  // namespace lottodesk
