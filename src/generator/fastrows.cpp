#include "fastrows.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "conditioncatalogue.h"
#include "indicators/numberprops.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

using namespace fastrows;


// The largest distance from a number to its nearest other number of the ticket; 255 for one.
int32_t dispersion(const FastTicket& t) {
    int32_t largest = 0;
    for (int i = 0; i < t.m; ++i) {
        int32_t nearest = 255;
        for (int j = 0; j < t.m; ++j)
            if (j != i) nearest = std::min(nearest, absolute(t.s[i] - t.s[j]));
        largest = std::max(largest, nearest);
    }
    return largest;
}

constexpr int kOmissionRows[] = {121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 132, 133};

}  // namespace

FastRows::FastRows(const IndicatorContext& ctx, int m) : m_real(ctx.history.realCount) {
    const GameParams& game = ctx.game;
    if (game.zh_to > 63 || game.zh_from < 0) return;  // masks hold numbers 0..63
    const auto& b2 = ctx.partitions->of(2);
    const auto& b3 = ctx.partitions->of(3);
    for (int n = 0; n < 64; ++n) {
        const uint64_t bit = uint64_t{1} << n;
        if (isBigNumber(n, game)) m_big |= bit;
        if (n % 2 == 1) m_odd |= bit;
        if (is_prime(n)) m_prime |= bit;
        if (n % 10 > 4) m_highTail |= bit;
        if (n > b2[1]) m_aboveHalf |= bit;
        if (n <= b3[1]) m_zone3[1] |= bit;
        else if (n <= b3[2]) m_zone3[2] |= bit;
        else if (n <= b3[3]) m_zone3[3] |= bit;
        m_mod3[n % 3] |= bit;
        m_mod4[n % 4] |= bit;
        m_mod5[n % 5] |= bit;
    }
    for (int row : {1, 2, 3, 8, 9, 10, 11, 12, 13, 18, 24, 25, 26, 95, 96, 97, 98, 99, 100, 101, 102, 103, 104, 105,
                    106, 107, 108, 109, 110, 112, 113, 114, 115, 116, 117, 118, 119, 120, 4, 5})
        m_covered[row] = true;
    if (m_real < 1) return;  // the history rows of a first draw compare it with itself: general path

    // The previous draw and the window of cold, warm and hot counts.
    m_previousDraw = ctx.history.record(m_real);
    for (int i = 1; i <= m; ++i) {
        m_previous |= bitOf(m_previousDraw[i]);
        m_previousSum = wrapped(int64_t{m_previousSum} + m_previousDraw[i]);
        m_previousTailSum += m_previousDraw[i] % 10;
    }
    m_neighbours = (m_previous << 1) | (m_previous >> 1);
    std::array<int, 64> occurrences{};
    for (int r = std::max(1, m_real + 1 - ctx.settings.qs); r <= m_real; ++r) {
        uint64_t seen = 0;
        for (int i = 1; i <= m; ++i) seen |= bitOf(ctx.history.record(r)[i]);
        for (int n = 0; n < 64; ++n)
            if (seen & (uint64_t{1} << n)) ++occurrences[n];
    }
    for (int n = 0; n < 64; ++n) {
        const uint64_t bit = uint64_t{1} << n;
        if (occurrences[n] <= ctx.settings.coldcs) m_cold |= bit;
        else if (occurrences[n] >= ctx.settings.hotcs) m_hot |= bit;
        else m_warm |= bit;
        m_sinceLast[n] = unpositionedOmission(ctx, m_real + 1, n);
        int32_t nearest = 255;
        for (int i = 1; i <= m; ++i)
            nearest = static_cast<int32_t>(std::min<int64_t>(nearest, std::llabs(int64_t{n} - m_previousDraw[i])));
        m_nearestPrevious[n] = nearest;
    }
    if (const RegistryItem* ylhz = Registry::instance().find("z_ylhz")) m_previousYlhz = registryValue(*ylhz, ctx, m_real);
    for (int row : {6, 7, 27, 37, 39, 40, 41, 49, 50, 51}) m_covered[row] = true;
    for (int row = 42; row <= 48; ++row) m_covered[row] = row - 41 <= m;

    // The last position of every value of each omission base over the records.
    for (int row : kOmissionRows) {
        const ConditionRow* condition = conditionRow(row);
        if (!condition || !condition->item || condition->item->form != IndicatorForm::Omission) continue;
        if (row <= 127 && row - 120 > m) continue;
        std::vector<int32_t> values(static_cast<size_t>(m_real) + 1);
        int32_t lo = INT32_MAX, hi = INT32_MIN;
        for (int r = 1; r <= m_real; ++r) {
            values[r] = condition->item->base(ctx, r);
            lo = std::min(lo, values[r]);
            hi = std::max(hi, values[r]);
        }
        if (int64_t{hi} - lo > 100000) continue;  // an unusual spread: the general path
        LastPositions& last = m_last[row];
        last.lo = lo;
        last.at.assign(static_cast<size_t>(int64_t{hi} - lo + 1), 0);
        for (int r = 1; r <= m_real; ++r) last.at[values[r] - lo] = r;
        m_covered[row] = true;
    }
}

int32_t FastRows::omission(const std::vector<int>& lastPosition, int32_t lo, int32_t v) const {
    const int64_t index = int64_t{v} - lo;
    const int last = index >= 0 && index < static_cast<int64_t>(lastPosition.size()) ? lastPosition[index] : 0;
    return last == 0 ? m_real : m_real - last;
}

int32_t FastRows::baseOf(int row, const FastTicket& t) const {
    switch (row) {
    case 128: {  // z_pd
        int32_t largest = 0;
        for (int i = 0; i < t.m; ++i) largest = std::max(largest, m_nearestPrevious[t.s[i] & 63]);
        return largest;
    }
    case 129: return t.m == 1 ? 255 : dispersion(t);
    case 130: return t.m > 0 ? (2 * t.sum + t.m) / (2 * t.m) : 0;  // z_aver, the mean rounded half up
    case 131: return t.sum;
    case 132: return t.sum % 10;
    case 133: return tailSum(t);
    default: return t.s[row - 121];  // z_num1 .. z_num7
    }
}

bool FastRows::countSet(int row, uint64_t& set) const {
    if (!covers(row)) return false;
    switch (row) {
    case 1: set = m_big; return true;
    case 2: set = m_odd; return true;
    case 3: set = m_prime; return true;
    case 6: set = m_previous; return true;
    case 7: set = m_neighbours; return true;
    case 8: case 9: case 10: set = m_zone3[row - 7]; return true;
    case 11: case 12: case 13: set = m_mod3[row - 11]; return true;
    case 18: set = m_highTail; return true;
    case 39: set = m_cold; return true;
    case 40: set = m_warm; return true;
    case 41: set = m_hot; return true;
    case 112: case 113: case 114: case 115: set = m_mod4[row - 112]; return true;
    case 116: case 117: case 118: case 119: case 120: set = m_mod5[row - 116]; return true;
    default: return false;
    }
}

}  // namespace lottodesk
