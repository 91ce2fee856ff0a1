#include "fastrows.h"

#include <algorithm>
#include <cstdlib>

#include "cataloguerows.h"
#include "conditioncatalogue.h"
#include "indicators/historyops.h"
#include "indicators/numberprops.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

using namespace fastrows;
using namespace catalogue;
using K = FastKind;
using S = FastSet;

// What a row's table needs beyond the ticket.
enum class Needs : uint8_t {
    Ticket,   // nothing
    History,  // the previous draw and the window of cold, warm and hot counts
    Base,     // the last position of every value of its omission base over the records
};

// One table-driven row: how its value is computed. The parameter is a FastSet for the count and
// sum kinds, a position (0-based) for Number and Amplitude, the divisor for RemainderSum. Omission
// rows give the kind and parameter of their base.
struct FastRowDef {
    Row row;
    FastKind kind;
    Needs needs;
    uint8_t parameter = 0;
    FastKind base = K::None;
};

// A set as a row's parameter: +S::Odd.
constexpr uint8_t operator+(FastSet set) { return static_cast<uint8_t>(set); }

constexpr FastRowDef kFastRows[] = {
    {z_dsgs, K::Count, Needs::Ticket, +S::Big},
    {z_jsgs, K::Count, Needs::Ticket, +S::Odd},
    {z_zsgs, K::Count, Needs::Ticket, +S::Prime},
    {z_wzgs, K::DistinctTails, Needs::Ticket},
    {z_lmzs, K::Runs, Needs::Ticket},
    {z_ac, K::AC, Needs::Ticket},
    {z_zdjj, K::LargestGap, Needs::Ticket},
    {z_zxjj, K::SmallestGap, Needs::Ticket},
    {z_cmgs, K::Count, Needs::History, +S::Previous},
    {z_nmzs, K::Count, Needs::History, +S::Neighbours},
    {z_3fq_1qgs, K::Count, Needs::Ticket, +S::Zone1},
    {z_3fq_2qgs, K::Count, Needs::Ticket, +S::Zone2},
    {z_3fq_3qgs, K::Count, Needs::Ticket, +S::Zone3},
    {z_c3y0, K::Count, Needs::Ticket, +S::Mod3Is0},
    {z_c3y1, K::Count, Needs::Ticket, +S::Mod3Is1},
    {z_c3y2, K::Count, Needs::Ticket, +S::Mod3Is2},
    {z_gwgs, K::Count, Needs::Ticket, +S::HighTail},
    {z_gwhe, K::HighTailSum, Needs::Ticket},
    {z_hz, K::Sum, Needs::Ticket},
    {z_wh, K::TailSum, Needs::Ticket},
    {z_ylhz, K::OmissionSum, Needs::History},
    {z_pd, K::NearestPrevious, Needs::History},
    {z_lwr_lmgs, K::Count, Needs::History, +S::Cold},
    {z_lwr_wmgs, K::Count, Needs::History, +S::Warm},
    {z_lwr_rmgs, K::Count, Needs::History, +S::Hot},
    {z_num1zf, K::Amplitude, Needs::History, 0},
    {z_num2zf, K::Amplitude, Needs::History, 1},
    {z_num3zf, K::Amplitude, Needs::History, 2},
    {z_num4zf, K::Amplitude, Needs::History, 3},
    {z_num5zf, K::Amplitude, Needs::History, 4},
    {z_num6zf, K::Amplitude, Needs::History, 5},
    {z_num7zf, K::Amplitude, Needs::History, 6},
    {z_hzzf, K::SumAmplitude, Needs::History},
    {z_whzf, K::TailSumAmplitude, Needs::History},
    {z_ylhzzf, K::OmissionSumAmplitude, Needs::History},
    {z_hw, K::SumTail, Needs::Ticket},
    {z_jshe, K::SumIn, Needs::Ticket, +S::Odd},
    {z_oshe, K::SumOut, Needs::Ticket, +S::Odd},
    {z_zshe, K::SumIn, Needs::Ticket, +S::Prime},
    {z_hshe, K::SumOut, Needs::Ticket, +S::Prime},
    {z_dxqdshe, K::SumIn, Needs::Ticket, +S::AboveHalf},
    {z_dxqxshe, K::SumOut, Needs::Ticket, +S::AboveHalf},
    {z_dzxqdshe, K::SumIn, Needs::Ticket, +S::Zone3},
    {z_dzxqzshe, K::SumIn, Needs::Ticket, +S::Zone2},
    {z_dzxqxshe, K::SumIn, Needs::Ticket, +S::Zone1},
    {z_c3yshe, K::RemainderSum, Needs::Ticket, 3},
    {z_c4yshe, K::RemainderSum, Needs::Ticket, 4},
    {z_c5yshe, K::RemainderSum, Needs::Ticket, 5},
    {z_0lhe, K::SumIn, Needs::Ticket, +S::Mod3Is0},
    {z_1lhe, K::SumIn, Needs::Ticket, +S::Mod3Is1},
    {z_2lhe, K::SumIn, Needs::Ticket, +S::Mod3Is2},
    {z_c4y0, K::Count, Needs::Ticket, +S::Mod4Is0},
    {z_c4y1, K::Count, Needs::Ticket, +S::Mod4Is1},
    {z_c4y2, K::Count, Needs::Ticket, +S::Mod4Is2},
    {z_c4y3, K::Count, Needs::Ticket, +S::Mod4Is3},
    {z_c5y0, K::Count, Needs::Ticket, +S::Mod5Is0},
    {z_c5y1, K::Count, Needs::Ticket, +S::Mod5Is1},
    {z_c5y2, K::Count, Needs::Ticket, +S::Mod5Is2},
    {z_c5y3, K::Count, Needs::Ticket, +S::Mod5Is3},
    {z_c5y4, K::Count, Needs::Ticket, +S::Mod5Is4},
    {z_num1yl, K::Omission, Needs::Base, 0, K::Number},
    {z_num2yl, K::Omission, Needs::Base, 1, K::Number},
    {z_num3yl, K::Omission, Needs::Base, 2, K::Number},
    {z_num4yl, K::Omission, Needs::Base, 3, K::Number},
    {z_num5yl, K::Omission, Needs::Base, 4, K::Number},
    {z_num6yl, K::Omission, Needs::Base, 5, K::Number},
    {z_num7yl, K::Omission, Needs::Base, 6, K::Number},
    {z_pdyl, K::Omission, Needs::Base, 0, K::NearestPrevious},
    {z_sdyl, K::Omission, Needs::Base, 0, K::Dispersion},
    {z_averyl, K::Omission, Needs::Base, 0, K::Mean},
    {z_hzyl, K::Omission, Needs::Base, 0, K::Sum},
    {z_hwyl, K::Omission, Needs::Base, 0, K::SumTail},
    {z_whyl, K::Omission, Needs::Base, 0, K::TailSum},
};

// Kinds that read the number at the position of their parameter: the ticket must have it.
bool positional(FastKind kind) { return kind == K::Number || kind == K::Amplitude; }

bool dependsOnSumAlone(FastKind kind) { return kind == K::Sum || kind == K::SumTail || kind == K::Mean; }

// The values of a kind for tickets of m distinct numbers out of 0..n, when the ticket alone decides
// them; an omission is 0..real (draws since the value, or all of them when it never occurred).
bool kindRange(FastKind kind, uint8_t parameter, int m, int n, int real, int32_t& lo, int32_t& hi) {
    lo = 0;
    switch (kind) {
    case K::Count:
    case K::DistinctTails:
    case K::Runs: hi = m; return true;
    case K::HighTailSum:
    case K::TailSum: hi = 9 * m; return true;
    case K::Sum:
    case K::SumIn:
    case K::SumOut: hi = n * m; return true;
    case K::SumTail: hi = 9; return true;
    case K::RemainderSum: hi = (parameter - 1) * m; return true;
    case K::Dispersion: hi = std::max(n, 255); return true;
    case K::Mean:
    case K::Number: hi = n; return true;
    case K::Omission: hi = real; return true;
    case K::AC: hi = m * (m - 1) / 2 + 1; return true;
    case K::LargestGap: hi = std::max(n, 1); return true;
    case K::SmallestGap: hi = std::max(n, 999); return true;
    default: return false;  // read the previous draw, whose numbers may be anything
    }
}

// An omission base's values over the records spread wider than this: the general path.
constexpr int64_t kMaxBaseSpread = 100000;

}  // namespace

FastRows::FastRows(const IndicatorContext& ctx, int m, const RowSet& wanted) : m_real(ctx.history.realCount) {
    const GameParams& game = ctx.game;
    if (game.zh_to > 63 || game.zh_from < 0) return;  // masks hold numbers 0..63
    const auto& b2 = ctx.partitions->of(2);
    const auto& b3 = ctx.partitions->of(3);
    auto set = [this](FastSet s) -> uint64_t& { return m_sets[static_cast<size_t>(s)]; };
    for (int n = 0; n < 64; ++n) {
        const uint64_t bit = uint64_t{1} << n;
        if (isBigNumber(n, game)) set(S::Big) |= bit;
        if (n % 2 == 1) set(S::Odd) |= bit;
        if (is_prime(n)) set(S::Prime) |= bit;
        if (n % 10 > 4) set(S::HighTail) |= bit;
        if (n > b2[1]) set(S::AboveHalf) |= bit;
        if (n <= b3[1])
            set(S::Zone1) |= bit;
        else if (n <= b3[2])
            set(S::Zone2) |= bit;
        else if (n <= b3[3])
            set(S::Zone3) |= bit;
        set(static_cast<FastSet>(+S::Mod3Is0 + n % 3)) |= bit;
        set(static_cast<FastSet>(+S::Mod4Is0 + n % 4)) |= bit;
        set(static_cast<FastSet>(+S::Mod5Is0 + n % 5)) |= bit;
    }
    if (m_real >= 1) {
        // The previous draw and the window of cold, warm and hot counts.
        m_previousDraw = ctx.history.record(m_real);
        uint64_t previous = 0;
        for (int i = 1; i <= m; ++i) {
            if (m_previousDraw[i] >= 0 && m_previousDraw[i] < 64) previous |= uint64_t{1} << m_previousDraw[i];
            m_previousSum = wrapped(int64_t{m_previousSum} + m_previousDraw[i]);
            m_previousTailSum += m_previousDraw[i] % 10;
        }
        set(S::Previous) = previous;
        set(S::Neighbours) = (previous << 1) | (previous >> 1);
        std::array<int, 64> occurrences{};
        for (int r = std::max(1, m_real + 1 - ctx.settings.qs); r <= m_real; ++r) {
            uint64_t seen = 0;
            for (int i = 1; i <= m; ++i) {
                const int32_t n = ctx.history.record(r)[i];
                if (n >= 0 && n < 64) seen |= uint64_t{1} << n;
            }
            for (int n = 0; n < 64; ++n)
                if (seen & (uint64_t{1} << n)) ++occurrences[n];
        }
        for (int n = 0; n < 64; ++n) {
            const uint64_t bit = uint64_t{1} << n;
            if (occurrences[n] <= ctx.settings.coldcs)
                set(S::Cold) |= bit;
            else if (occurrences[n] >= ctx.settings.hotcs)
                set(S::Hot) |= bit;
            else
                set(S::Warm) |= bit;
            int32_t nearest = 255;
            for (int i = 1; i <= m; ++i)
                nearest = static_cast<int32_t>(std::min<int64_t>(nearest, std::llabs(int64_t{n} - m_previousDraw[i])));
            m_nearestPrevious[n] = nearest;
        }
        // Unpositioned omissions: the draws since each number last occurred, in one pass back.
        m_sinceLast.fill(m_real);
        uint64_t found = 0;
        const int slots = std::min(ctx.game.zhgs, kSlots - 1);
        for (int r = m_real; r >= 1 && found != ~uint64_t{0}; --r)
            for (int i = 1; i <= slots; ++i) {
                const int32_t n = ctx.history.record(r)[i];
                if (n < 0 || n >= 64 || (found >> n & 1)) continue;
                found |= uint64_t{1} << n;
                m_sinceLast[n] = m_real - r;
            }
        if (const RegistryItem* ylhz = Registry::instance().find("z_ylhz"))
            m_previousOmissionSum = registryValue(*ylhz, ctx, m_real);
    }

    for (const FastRowDef& def : kFastRows) {
        // The history rows of a first draw compare it with itself: the general path.
        if (def.needs != Needs::Ticket && m_real < 1) continue;
        if (def.needs == Needs::Base && !wanted.test(def.row)) continue;
        const FastKind read = def.kind == K::Omission ? def.base : def.kind;
        if (positional(read) && def.parameter >= m) continue;
        if (def.needs == Needs::Base) {
            // The last position of every value of the base over the records.
            const ConditionRow* condition = conditionRow(def.row);
            if (!condition || !condition->item || condition->item->form != IndicatorForm::Omission) continue;
            std::vector<int32_t> values(static_cast<size_t>(m_real) + 1);
            int32_t lo = INT32_MAX, hi = INT32_MIN;
            for (int r = 1; r <= m_real; ++r) {
                values[r] = condition->item->base(ctx, r);
                lo = std::min(lo, values[r]);
                hi = std::max(hi, values[r]);
            }
            if (int64_t{hi} - lo > kMaxBaseSpread) continue;
            LastPositions& last = m_last[def.row];
            last.lo = lo;
            last.at.assign(static_cast<size_t>(int64_t{hi} - lo + 1), 0);
            for (int r = 1; r <= m_real; ++r) last.at[values[r] - lo] = r;
        }
        Entry& entry = m_rows[def.row];
        entry.kind = def.kind;
        entry.base = def.base;
        entry.parameter = def.parameter;
        entry.ranged = kindRange(def.kind, def.parameter, m, game.zh_to, m_real, entry.lo, entry.hi);
        const bool setKind = read == K::Count || read == K::SumIn || read == K::SumOut;
        entry.set = setKind ? m_sets[def.parameter] : 0;
    }
}

bool FastRows::countSet(int row, uint64_t& set) const {
    if (!covers(row) || m_rows[row].kind != K::Count) return false;
    set = m_rows[row].set;
    return true;
}

bool FastRows::valueRange(int row, int32_t& lo, int32_t& hi) const {
    if (!covers(row) || !m_rows[row].ranged) return false;
    lo = m_rows[row].lo;
    hi = m_rows[row].hi;
    return true;
}

bool FastRows::sumOnly(int row) const {
    if (!covers(row)) return false;
    const Entry& e = m_rows[row];
    return dependsOnSumAlone(e.kind) || e.kind == K::SumAmplitude ||
           (e.kind == K::Omission && dependsOnSumAlone(e.base));
}

bool FastRows::lowestOnly(int row) const {
    if (!covers(row)) return false;
    const Entry& e = m_rows[row];
    const bool first = e.parameter == 0;
    return (first && positional(e.kind)) || (e.kind == K::Omission && e.base == K::Number && first);
}

}  // namespace lottodesk
