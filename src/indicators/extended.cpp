#include "extended.h"

#include <algorithm>
#include <bitset>

#include "core/integertext.h"
#include "core/partition.h"
#include "core/workspace.h"
#include "historyops.h"
#include "numberprops.h"

namespace lottodesk {
namespace {

constexpr std::array<uint8_t, 100> kRegularArrangement = regularArrangement();

int32_t wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }
int64_t abs64(int64_t v) { return v < 0 ? -v : v; }

int mainCount(const IndicatorContext& ctx) { return std::clamp(ctx.game.zhgs, 0, kSlots - 1); }

// The draw before n; the first record stands for its own previous draw.
int previousOf(int n) { return n > 1 ? n - 1 : n; }

bool contains(const int32_t* draw, int k, int32_t x) {
    for (int j = 1; j <= k; ++j)
        if (draw[j] == x) return true;
    return false;
}

// Count (t = 0) or sum (any other t) of the numbers that pass.
struct Tally {
    bool sum;
    int64_t total = 0;
    void add(int32_t x) { total += sum ? x : 1; }
    int32_t value() const { return wrap(total); }
};

int32_t pairsOfDraw(const IndicatorContext& ctx, int n, int32_t target, bool difference) {
    const int32_t* draw = ctx.history.record(n);
    const int k = mainCount(ctx);
    int32_t count = 0;
    for (int i = 1; i <= k; ++i)
        for (int j = i + 1; j <= k; ++j) {
            const int64_t v = difference ? abs64(int64_t{draw[j]} - draw[i]) : int64_t{draw[i]} + draw[j];
            if (v == target) ++count;
        }
    return count;
}

int32_t crossPairs(const IndicatorContext& ctx, int n, int32_t target, bool difference) {
    const int32_t* draw = ctx.history.record(n);
    const int32_t* previous = ctx.history.record(previousOf(n));
    const int k = mainCount(ctx);
    int32_t count = 0;
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j) {
            const int64_t v = difference ? abs64(int64_t{draw[i]} - previous[j]) : int64_t{draw[i]} + previous[j];
            if (v == target) ++count;
        }
    return count;
}

int32_t omissionBand(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    const int32_t* draw = ctx.history.record(n);
    Tally tally{p[0] != 0};
    for (int i = 1; i <= mainCount(ctx); ++i) {
        const int32_t omission = unpositionedOmission(ctx, n, draw[i]);
        if (omission >= p[1] && omission <= p[2]) tally.add(draw[i]);
    }
    return tally.value();
}

int32_t zone(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    const int32_t N = p[1], z = p[2];
    if (N < 1 || N > kMaxPartitionZones || z < 1 || z > N) return 0;
    int b[kMaxPartitionZones + 1];
    partition(N, 1, ctx.game.zh_to, b);
    const int32_t* draw = ctx.history.record(n);
    Tally tally{p[0] != 0};
    for (int i = 1; i <= mainCount(ctx); ++i)
        if (draw[i] > b[z - 1] && draw[i] <= b[z]) tally.add(draw[i]);
    return tally.value();
}

int32_t remainder(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    const int32_t d = p[1];
    if (d == 0) return 0;  // no remainder by zero
    const int32_t* draw = ctx.history.record(n);
    Tally tally{p[0] != 0};
    for (int i = 1; i <= mainCount(ctx); ++i)
        if (int64_t{draw[i]} % d == p[2]) tally.add(draw[i]);
    return tally.value();
}

// The rows and columns of the pattern arrangement, read as r rows of c cells, that hold a number
// of draw n. Cells beyond the 100 of the arrangement hold nothing, so rows and columns past them
// are empty.
struct ArrangementLines {
    int64_t rows = 0, columns = 0;
    std::bitset<100> occupiedRows, occupiedColumns;
};

ArrangementLines arrangementLines(const IndicatorContext& ctx, int n, int32_t c, int32_t r) {
    ArrangementLines lines;
    lines.rows = std::max(r, 0);
    lines.columns = std::max(c, 0);
    if (r <= 0 || c <= 0) return lines;
    std::bitset<256> drawn;
    const int32_t* draw = ctx.history.record(n);
    for (int i = 1; i <= mainCount(ctx); ++i)
        if (draw[i] >= 0 && draw[i] < 256) drawn.set(static_cast<size_t>(draw[i]));
    const std::array<uint8_t, 100>& cells = ctx.arrangement ? *ctx.arrangement : kRegularArrangement;
    const int64_t used = std::min<int64_t>(100, int64_t{r} * c);
    for (int p = 0; p < used; ++p)
        if (drawn.test(cells[p])) {
            lines.occupiedRows.set(static_cast<size_t>(p / c));
            lines.occupiedColumns.set(static_cast<size_t>(p % c));
        }
    return lines;
}

int32_t emptyLines(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    const ArrangementLines lines = arrangementLines(ctx, n, p[1], p[2]);
    const int64_t emptyRows = lines.rows - static_cast<int64_t>(lines.occupiedRows.count());
    const int64_t emptyColumns = lines.columns - static_cast<int64_t>(lines.occupiedColumns.count());
    switch (p[0]) {
    case 0: return wrap(emptyRows);
    case 1: return wrap(emptyColumns);
    case 2: return wrap(emptyRows + emptyColumns);
    default: return 0;
    }
}

// The 0/1 string of the lines read as binary, its first character the least significant bit;
// characters beyond the 32nd fall outside the value.
int32_t lineShape(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    const int32_t t = p[0];
    if (t < 0 || t > 2) return 0;
    const ArrangementLines lines = arrangementLines(ctx, n, p[1], p[2]);
    uint32_t bits = 0;
    auto put = [&bits](const std::bitset<100>& occupied, int64_t first) {
        for (size_t i = 0; i < occupied.size(); ++i)
            if (occupied.test(i) && first + static_cast<int64_t>(i) < 32) bits |= uint32_t{1} << (first + i);
    };
    if (t == 0 || t == 2) put(lines.occupiedRows, 0);
    if (t == 1) put(lines.occupiedColumns, 0);
    if (t == 2) put(lines.occupiedColumns, lines.rows);
    return static_cast<int32_t>(bits);
}

// The records of the `window` draws before n that exist, oldest first.
struct Window {
    int first, last;
};
Window windowBefore(int n, int32_t window) {
    const int64_t first = std::max<int64_t>(1, int64_t{n} - std::max(window, 0));
    return {static_cast<int>(first), n - 1};
}

// The numbers of the draw whose occurrences in the window lie in L..U; a number drawn twice in
// one draw of the window occurs twice.
int32_t occurrenceBand(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    const Window w = windowBefore(n, p[0]);
    const int32_t* draw = ctx.history.record(n);
    const int k = mainCount(ctx);
    int32_t count = 0;
    for (int i = 1; i <= k; ++i) {
        int64_t occurrences = 0;
        for (int m = w.first; m <= w.last; ++m) {
            const int32_t* earlier = ctx.history.record(m);
            for (int j = 1; j <= k; ++j)
                if (earlier[j] == draw[i]) ++occurrences;
        }
        if (occurrences >= p[1] && occurrences <= p[2]) ++count;
    }
    return count;
}

// The earlier draws of the window that share at least S numbers with the draw, comparing the
// sets of numbers (a number repeated in either draw is shared once).
int32_t similarDraws(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    if (p[0] != 0) return 0;
    const Window w = windowBefore(n, p[1]);
    const int32_t* draw = ctx.history.record(n);
    const int k = mainCount(ctx);
    int32_t distinct[kSlots];
    int count = 0;
    for (int i = 1; i <= k; ++i)
        if (std::find(distinct, distinct + count, draw[i]) == distinct + count) distinct[count++] = draw[i];
    int32_t similar = 0;
    for (int m = w.first; m <= w.last; ++m) {
        const int32_t* earlier = ctx.history.record(m);
        int shared = 0;
        for (int i = 0; i < count; ++i)
            if (contains(earlier, k, distinct[i])) ++shared;
        if (shared >= p[2]) ++similar;
    }
    return similar;
}

int32_t drawnAgain(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    if (p[0] != 0 && p[0] != 1) return 0;
    // The draw g + 1 back for g in A..B: records n-1-A down to n-1-B, those that exist.
    const int64_t newest = int64_t{n} - 1 - std::max(p[1], 0);
    const int64_t oldest = std::max<int64_t>(1, int64_t{n} - 1 - p[2]);
    const int32_t* draw = ctx.history.record(n);
    const int k = mainCount(ctx);
    Tally tally{p[0] == 1};
    for (int i = 1; i <= k; ++i)
        for (int64_t m = newest; m >= oldest; --m)
            if (contains(ctx.history.record(static_cast<int>(m)), k, draw[i])) {
                tally.add(draw[i]);
                break;
            }
    return tally.value();
}

int32_t positionClass(int32_t kind, int32_t x) {
    switch (kind) {
    case 0: return x % 2;
    case 1: return is_prime(x) ? 1 : 0;
    case 2: return x % 3;
    case 3: return tail(x) < 5 ? 0 : 1;
    default: return tailClass(x);
    }
}

int32_t inheritedClass(const IndicatorContext& ctx, int n, const ExtendedParameters& p) {
    const int32_t t = p[0], kind = p[1], back = p[2];
    if ((t != 0 && t != 1) || kind < 0 || kind > 4 || back < 0) return 0;
    const int64_t m = int64_t{n} - back - 1;
    if (m < 1) return 0;  // that draw does not exist: no position qualifies
    const int32_t* draw = ctx.history.record(n);
    const int32_t* earlier = ctx.history.record(static_cast<int>(m));
    Tally tally{t == 1};
    for (int i = 1; i <= mainCount(ctx); ++i)
        if (positionClass(kind, draw[i]) == positionClass(kind, earlier[i])) tally.add(draw[i]);
    return tally.value();
}

}  // namespace

bool isFormulaFamily(ExtendedFamily family) {
    return family == ExtendedFamily::TwoPattern || family == ExtendedFamily::ThreePattern ||
           family == ExtendedFamily::Analysis;
}

int extendedParameterCount(ExtendedFamily family) {
    switch (family) {
    case ExtendedFamily::Cz:
    case ExtendedFamily::Hz:
    case ExtendedFamily::XwCz:
    case ExtendedFamily::XwHz: return 1;
    case ExtendedFamily::TwoPattern:
    case ExtendedFamily::ThreePattern:
    case ExtendedFamily::Analysis: return 0;
    default: return 3;
    }
}

bool parseExtendedParameters(ExtendedFamily family, std::string_view text, ExtendedParameters& parameters,
                             std::string& bad) {
    parameters.fill(0);
    const int count = extendedParameterCount(family);
    for (int i = 0; i < count; ++i) {
        std::string_view part = text;
        if (i + 1 < count) {
            const size_t separator = text.find('_');
            part = separator == std::string_view::npos ? std::string_view{} : text.substr(0, separator);
            text = separator == std::string_view::npos ? text : text.substr(separator + 1);
        }
        const std::optional<int> value = parseInteger(part);
        if (!value) {
            bad = std::string(part);
            return false;
        }
        parameters[static_cast<size_t>(i)] = *value;
    }
    return true;
}

int32_t extendedValue(ExtendedFamily family, const ExtendedParameters& p, const IndicatorContext& ctx, int n) {
    switch (family) {
    case ExtendedFamily::Cz: return pairsOfDraw(ctx, n, p[0], true);
    case ExtendedFamily::Hz: return pairsOfDraw(ctx, n, p[0], false);
    case ExtendedFamily::XwCz: return crossPairs(ctx, n, p[0], true);
    case ExtendedFamily::XwHz: return crossPairs(ctx, n, p[0], false);
    case ExtendedFamily::Ylz: return omissionBand(ctx, n, p);
    case ExtendedFamily::Fq: return zone(ctx, n, p);
    case ExtendedFamily::Hnskhkn: return emptyLines(ctx, n, p);
    case ExtendedFamily::Hnszhxt: return lineShape(ctx, n, p);
    case ExtendedFamily::Ys: return remainder(ctx, n, p);
    case ExtendedFamily::Lwr: return occurrenceBand(ctx, n, p);
    case ExtendedFamily::Same: return similarDraws(ctx, n, p);
    case ExtendedFamily::Gqch: return drawnAgain(ctx, n, p);
    case ExtendedFamily::Twyc: return inheritedClass(ctx, n, p);
    case ExtendedFamily::TwoPattern:
    case ExtendedFamily::ThreePattern:
    case ExtendedFamily::Analysis: break;
    }
    return 0;
}

}  // namespace lottodesk
