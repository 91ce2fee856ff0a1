#include "comboindicators.h"

#include <bit>
#include <cmath>
#include <cstdlib>

#include "numberprops.h"

namespace lottodesk {

const LinePair kLinePairs[21] = {{2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6}, {3, 1}, {4, 2}, {5, 3}, {6, 4}, {7, 5},
                                 {4, 1}, {5, 2}, {6, 3}, {7, 4}, {5, 1}, {6, 2}, {6, 1}, {7, 3}, {7, 2}, {7, 1}};

namespace combo {
namespace {

// The numbers of one record: main numbers at main[1..k], secondary numbers at sec[1..m].
struct Draw {
    const int32_t* main;
    const int32_t* sec;
    int k;
    int m;
};

Draw drawOf(const IndicatorContext& ctx, int n) {
    const int32_t* r = ctx.history.record(n);
    const int k = mainCount(ctx.game);
    return {r, r + k, k, secondaryCount(ctx.game)};
}

// Upper bounds of the small/big zones (b2) and the three zones (b3) of the main range. The
// context's partitions are used when present; otherwise they are computed from zh_to, which
// gives the same bounds.
struct Zones {
    int b2_1;
    int b3_1;
    int b3_2;
    int b3_3;
};

Zones zonesOf(const IndicatorContext& ctx) {
    if (ctx.partitions) {
        const auto& b2 = ctx.partitions->of(2);
        const auto& b3 = ctx.partitions->of(3);
        return {b2[1], b3[1], b3[2], b3[3]};
    }
    int b2[3];
    int b3[4];
    partition(2, 1, ctx.game.zh_to, b2);
    partition(3, 1, ctx.game.zh_to, b3);
    return {b2[1], b3[1], b3[2], b3[3]};
}

int32_t wrap(int64_t v) { return static_cast<int32_t>(v); }

// Sum of the main numbers that satisfy `keep`.
template <class Keep>
int32_t sumIf(const IndicatorContext& ctx, int n, Keep keep) {
    const Draw d = drawOf(ctx, n);
    int64_t sum = 0;
    for (int i = 1; i <= d.k; ++i)
        if (keep(d.main[i])) sum += d.main[i];
    return wrap(sum);
}

template <class Keep>
int32_t countIf(const IndicatorContext& ctx, int n, Keep keep) {
    const Draw d = drawOf(ctx, n);
    int32_t count = 0;
    for (int i = 1; i <= d.k; ++i) count += keep(d.main[i]) ? 1 : 0;
    return count;
}

// Slot-adjacent pairs (n(i-1), n(i)) in which both numbers satisfy `keep`.
template <class Keep>
int32_t adjacentPairs(const IndicatorContext& ctx, int n, Keep keep) {
    const Draw d = drawOf(ctx, n);
    int32_t count = 0;
    for (int i = 2; i <= d.k; ++i) count += (keep(d.main[i - 1]) && keep(d.main[i])) ? 1 : 0;
    return count;
}

int64_t sumOf(const int32_t* v, int count) {
    int64_t sum = 0;
    for (int i = 1; i <= count; ++i) sum += v[i];
    return sum;
}

// Largest distance of a number to its nearest other number; each distance starts from 255.
int32_t dispersion(const int32_t* v, int count) {
    int64_t largest = 0;
    for (int i = 1; i <= count; ++i) {
        int64_t nearest = 255;
        for (int j = 1; j <= count; ++j) {
            if (j == i) continue;
            const int64_t dist = std::llabs(static_cast<int64_t>(v[i]) - v[j]);
            if (dist < nearest) nearest = dist;
        }
        if (nearest > largest) largest = nearest;
    }
    return wrap(largest);
}

// trunc(sum / count + 0.5) without floating point: (2 sum + count) / (2 count) equals
// sum / count + 0.5 exactly, and integer division truncates toward zero as trunc does.
int32_t meanHalfUp(int64_t sum, int count) {
    if (count <= 0) return 0;
    return wrap((2 * sum + count) / (2 * static_cast<int64_t>(count)));
}

}  // namespace

int32_t f_num1(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return d.m == 0 ? 0 : d.sec[1];
}

int32_t f_num2(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return d.m == 0 ? 0 : d.sec[2];
}

int32_t z_hz(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return wrap(sumOf(d.main, d.k));
}

int32_t z_hw(const IndicatorContext& ctx, int n) { return z_hz(ctx, n) % 10; }

int32_t z_wh(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    int32_t sum = 0;
    for (int i = 1; i <= d.k; ++i) sum += tail(d.main[i]);
    return sum;
}

int32_t z_jshe(const IndicatorContext& ctx, int n) {
    return sumIf(ctx, n, [](int v) { return isOdd(v); });
}
int32_t z_oshe(const IndicatorContext& ctx, int n) {
    return sumIf(ctx, n, [](int v) { return isEven(v); });
}
int32_t z_zshe(const IndicatorContext& ctx, int n) {
    return sumIf(ctx, n, [](int v) { return is_prime(v); });
}
int32_t z_hshe(const IndicatorContext& ctx, int n) { return wrap(int64_t{z_hz(ctx, n)} - z_zshe(ctx, n)); }

int32_t z_dxqdshe(const IndicatorContext& ctx, int n) {
    const int b = zonesOf(ctx).b2_1;
    return sumIf(ctx, n, [b](int v) { return v > b; });
}
int32_t z_dxqxshe(const IndicatorContext& ctx, int n) { return wrap(int64_t{z_hz(ctx, n)} - z_dxqdshe(ctx, n)); }

int32_t z_dzxqdshe(const IndicatorContext& ctx, int n) {
    const int b = zonesOf(ctx).b3_2;
    return sumIf(ctx, n, [b](int v) { return v > b; });
}
int32_t z_dzxqzshe(const IndicatorContext& ctx, int n) {
    const Zones z = zonesOf(ctx);
    return sumIf(ctx, n, [z](int v) { return v > z.b3_1 && v <= z.b3_2; });
}
int32_t z_dzxqxshe(const IndicatorContext& ctx, int n) {
    const int b = zonesOf(ctx).b3_1;
    return sumIf(ctx, n, [b](int v) { return v <= b; });
}

template <int D>
static int32_t remainderSum(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    int32_t sum = 0;
    for (int i = 1; i <= d.k; ++i) sum += d.main[i] % D;
    return sum;
}
int32_t z_c3yshe(const IndicatorContext& ctx, int n) { return remainderSum<3>(ctx, n); }
int32_t z_c4yshe(const IndicatorContext& ctx, int n) { return remainderSum<4>(ctx, n); }
int32_t z_c5yshe(const IndicatorContext& ctx, int n) { return remainderSum<5>(ctx, n); }

int32_t z_0lhe(const IndicatorContext& ctx, int n) {
    return sumIf(ctx, n, [](int v) { return route(v) == 0; });
}
int32_t z_1lhe(const IndicatorContext& ctx, int n) {
    return sumIf(ctx, n, [](int v) { return route(v) == 1; });
}
int32_t z_2lhe(const IndicatorContext& ctx, int n) {
    return sumIf(ctx, n, [](int v) { return route(v) == 2; });
}

int32_t z_gwhe(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    int32_t sum = 0;
    for (int i = 1; i <= d.k; ++i)
        if (isHighTail(d.main[i])) sum += tail(d.main[i]);
    return sum;
}

// Sums over small or big (zone rule b2) crossed with odd, even, prime or composite.
enum class Kind { Odd, Even, Prime, Composite };

template <bool Big, Kind K>
static int32_t zoneKindSum(const IndicatorContext& ctx, int n) {
    const int b = zonesOf(ctx).b2_1;
    return sumIf(ctx, n, [b](int v) {
        if ((v > b) != Big) return false;
        switch (K) {
        case Kind::Odd: return isOdd(v);
        case Kind::Even: return isEven(v);
        case Kind::Prime: return is_prime(v);
        case Kind::Composite: return !is_prime(v);
        }
        return false;
    });
}
int32_t z_xjhe(const IndicatorContext& ctx, int n) { return zoneKindSum<false, Kind::Odd>(ctx, n); }
int32_t z_djhe(const IndicatorContext& ctx, int n) { return zoneKindSum<true, Kind::Odd>(ctx, n); }
int32_t z_xohe(const IndicatorContext& ctx, int n) { return zoneKindSum<false, Kind::Even>(ctx, n); }
int32_t z_dohe(const IndicatorContext& ctx, int n) { return zoneKindSum<true, Kind::Even>(ctx, n); }
int32_t z_xzhe(const IndicatorContext& ctx, int n) { return zoneKindSum<false, Kind::Prime>(ctx, n); }
int32_t z_dzhe(const IndicatorContext& ctx, int n) { return zoneKindSum<true, Kind::Prime>(ctx, n); }
int32_t z_xhhe(const IndicatorContext& ctx, int n) { return zoneKindSum<false, Kind::Composite>(ctx, n); }
int32_t z_dhhe(const IndicatorContext& ctx, int n) { return zoneKindSum<true, Kind::Composite>(ctx, n); }

int32_t f_hz(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return wrap(sumOf(d.sec, d.m));
}

int32_t f_cz(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return d.m == 0 ? 0 : wrap(int64_t{d.sec[2]} - d.sec[1]);
}

int32_t z_dsgs(const IndicatorContext& ctx, int n) {
    const int s = bigNumberThreshold(ctx.game);
    return countIf(ctx, n, [s](int v) { return v > s; });
}
int32_t z_jsgs(const IndicatorContext& ctx, int n) {
    return countIf(ctx, n, [](int v) { return isOdd(v); });
}
int32_t z_zsgs(const IndicatorContext& ctx, int n) {
    return countIf(ctx, n, [](int v) { return is_prime(v); });
}
int32_t z_gwgs(const IndicatorContext& ctx, int n) {
    return countIf(ctx, n, [](int v) { return isHighTail(v); });
}

int32_t z_wzgs(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    uint32_t seen = 0;  // bit t + 9 for the tails -9..9
    for (int i = 1; i <= d.k; ++i) seen |= 1u << (tail(d.main[i]) + 9);
    return std::popcount(seen);
}

int32_t z_lmzs(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    int32_t count = 0;
    for (int i = 2; i <= d.k; ++i) count += (int64_t{d.main[i]} - d.main[i - 1] == 1) ? 1 : 0;
    return count;
}

int32_t z_jjgs(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    if (d.k <= 2) return 1;
    // A gap counts when no equal gap follows it, so each distinct value counts once.
    int32_t count = 0;
    for (int i = 2; i <= d.k; ++i) {
        const int64_t g = int64_t{d.main[i]} - d.main[i - 1];
        bool later = false;
        for (int j = i + 1; j <= d.k && !later; ++j) later = (int64_t{d.main[j]} - d.main[j - 1] == g);
        count += later ? 0 : 1;
    }
    return count;
}

int32_t z_jhlx(const IndicatorContext& ctx, int n) {
    return adjacentPairs(ctx, n, [](int v) { return isOdd(v); });
}
int32_t z_ohlx(const IndicatorContext& ctx, int n) {
    return adjacentPairs(ctx, n, [](int v) { return isEven(v); });
}
int32_t z_zhlx(const IndicatorContext& ctx, int n) {
    return adjacentPairs(ctx, n, [](int v) { return is_prime(v); });
}
int32_t z_hhlx(const IndicatorContext& ctx, int n) {
    return adjacentPairs(ctx, n, [](int v) { return !is_prime(v); });
}

int32_t z_maxlh(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    int32_t longest = 1;
    for (int i = 1; i <= d.k; ++i) {
        int j = i + 1;
        while (j <= d.k && int64_t{d.main[j]} - d.main[i] == j - i) ++j;
        if (j - i > longest) longest = j - i;
    }
    return longest;
}

int32_t z_3fq_1qgs(const IndicatorContext& ctx, int n) {
    const Zones z = zonesOf(ctx);
    return countIf(ctx, n, [z](int v) { return v <= z.b3_1; });
}
int32_t z_3fq_2qgs(const IndicatorContext& ctx, int n) {
    const Zones z = zonesOf(ctx);
    return countIf(ctx, n, [z](int v) { return v > z.b3_1 && v <= z.b3_2; });
}
int32_t z_3fq_3qgs(const IndicatorContext& ctx, int n) {
    const Zones z = zonesOf(ctx);
    return countIf(ctx, n, [z](int v) { return v > z.b3_2 && v <= z.b3_3; });
}

int32_t z_ac(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    // Distinct absolute differences: a bit set for the small ones that draws produce, a list for
    // any others.
    uint64_t small = 0;
    int64_t others[50 * 49 / 2];
    int otherCount = 0;
    for (int i = 1; i <= d.k; ++i) {
        for (int j = i + 1; j <= d.k; ++j) {
            const int64_t diff = std::llabs(int64_t{d.main[j]} - d.main[i]);
            if (diff < 64) {
                small |= uint64_t{1} << diff;
                continue;
            }
            bool known = false;
            for (int o = 0; o < otherCount && !known; ++o) known = (others[o] == diff);
            if (!known) others[otherCount++] = diff;
        }
    }
    return std::popcount(small) + otherCount - d.k + 1;
}

int32_t z_zdjj(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    int64_t largest = 1;
    for (int i = 2; i <= d.k; ++i) {
        const int64_t g = int64_t{d.main[i]} - d.main[i - 1];
        if (g > largest) largest = g;
    }
    return wrap(largest);
}

int32_t z_zxjj(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    int64_t smallest = 999;
    for (int i = 2; i <= d.k; ++i) {
        const int64_t g = int64_t{d.main[i]} - d.main[i - 1];
        if (g < smallest) smallest = g;
    }
    return wrap(smallest);
}

int32_t z_sd(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return dispersion(d.main, d.k);
}

int32_t z_aver(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return meanHalfUp(sumOf(d.main, d.k), d.k);
}

int32_t f_aver(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return meanHalfUp(sumOf(d.sec, d.m), d.m);
}

int32_t f_sd(const IndicatorContext& ctx, int n) {
    const Draw d = drawOf(ctx, n);
    return d.m == 0 ? 0 : dispersion(d.sec, d.m);
}

}  // namespace combo

float standardDeviation(const int32_t* draw, int k) {
    if (k < 1) return 0.0f;
    int64_t sum = 0;
    for (int i = 1; i <= k; ++i) sum += draw[i];
    const float mean = static_cast<float>(static_cast<double>(sum) / k);
    float squares = 0.0f;
    for (int i = 1; i <= k; ++i) {
        const float dev = static_cast<float>(draw[i]) - mean;
        squares += dev * dev;
    }
    return std::sqrt(squares / static_cast<float>(k));
}

float coefficientOfVariation(const int32_t* draw, int k) {
    if (k < 1) return 0.0f;
    int64_t sum = 0;
    for (int i = 1; i <= k; ++i) sum += draw[i];
    const float mean = static_cast<float>(static_cast<double>(sum) / k);
    if (mean == 0.0f) return 0.0f;
    const float quotient = standardDeviation(draw, k) / mean;
    // Three decimals of the quotient are one decimal of the percentage.
    return static_cast<float>(std::round(static_cast<double>(quotient) * 1000.0) / 10.0);
}

// ---------------------------------------------------------------------------------------------
// The table of definitions.

namespace {

using namespace combo;

constexpr RangeBound c(int32_t v) { return bound(v); }

std::vector<IndicatorDef> buildDefs() {
    std::vector<IndicatorDef> defs;
    defs.reserve(120);

    // Line sums and differences in pair order. Names and identifiers are static strings.
    static const char* const xhIds[21] = {"xh21", "xh32", "xh43", "xh54", "xh65", "xh76", "xh31",
                                          "xh42", "xh53", "xh64", "xh75", "xh41", "xh52", "xh63",
                                          "xh74", "xh51", "xh62", "xh61", "xh73", "xh72", "xh71"};
    static const char* const xcIds[21] = {"xc21", "xc32", "xc43", "xc54", "xc65", "xc76", "xc31",
                                          "xc42", "xc53", "xc64", "xc75", "xc41", "xc52", "xc63",
                                          "xc74", "xc51", "xc62", "xc61", "xc73", "xc72", "xc71"};
    static const char* const xhNames[21] = {"线和2_1", "线和3_2", "线和4_3", "线和5_4", "线和6_5", "线和7_6",
                                            "线和3_1", "线和4_2", "线和5_3", "线和6_4", "线和7_5", "线和4_1",
                                            "线和5_2", "线和6_3", "线和7_4", "线和5_1", "线和6_2", "线和6_1",
                                            "线和7_3", "线和7_2", "线和7_1"};
    static const char* const xcNames[21] = {"线差2_1", "线差3_2", "线差4_3", "线差5_4", "线差6_5", "线差7_6",
                                            "线差3_1", "线差4_2", "线差5_3", "线差6_4", "线差7_5", "线差4_1",
                                            "线差5_2", "线差6_3", "线差7_4", "线差5_1", "线差6_2", "线差6_1",
                                            "线差7_3", "线差7_2", "线差7_1"};
    static const IndicatorFn xhFns[21] = {xh<2, 1>, xh<3, 2>, xh<4, 3>, xh<5, 4>, xh<6, 5>, xh<7, 6>, xh<3, 1>,
                                          xh<4, 2>, xh<5, 3>, xh<6, 4>, xh<7, 5>, xh<4, 1>, xh<5, 2>, xh<6, 3>,
                                          xh<7, 4>, xh<5, 1>, xh<6, 2>, xh<6, 1>, xh<7, 3>, xh<7, 2>, xh<7, 1>};
    static const IndicatorFn xcFns[21] = {xc<2, 1>, xc<3, 2>, xc<4, 3>, xc<5, 4>, xc<6, 5>, xc<7, 6>, xc<3, 1>,
                                          xc<4, 2>, xc<5, 3>, xc<6, 4>, xc<7, 5>, xc<4, 1>, xc<5, 2>, xc<6, 3>,
                                          xc<7, 4>, xc<5, 1>, xc<6, 2>, xc<6, 1>, xc<7, 3>, xc<7, 2>, xc<7, 1>};
    for (int p = 0; p < 21; ++p) defs.push_back({xhIds[p], xhNames[p], c(3), c(65), xhFns[p]});
    for (int p = 0; p < 21; ++p) defs.push_back({xcIds[p], xcNames[p], c(1), c(32), xcFns[p]});

    const IndicatorDef rest[] = {
        {"f_hz", "副区和值", c(3), c(23), f_hz},
        {"f_cz", "副区差值", c(1), c(11), f_cz},

        {"z_hz", "主区和值", c(30), c(180), z_hz},
        {"z_hw", "主区和尾", c(0), c(9), z_hw},
        {"z_wh", "主区尾和", c(5), c(60), z_wh},
        {"z_jshe", "主区奇数和", c(0), c(150), z_jshe},
        {"z_oshe", "主区偶数和", c(0), c(140), z_oshe},
        {"z_zshe", "主区质数和", c(0), c(150), z_zshe},
        {"z_hshe", "主区合数和", c(0), c(160), z_hshe},
        {"z_dxqdshe", "主区大小区大数和", c(0), c(150), z_dxqdshe},
        {"z_dxqxshe", "主区大小区小数和", c(0), c(80), z_dxqxshe},
        {"z_dzxqdshe", "主区大中小区大数和", c(0), c(150), z_dzxqdshe},
        {"z_dzxqzshe", "主区大中小区中数和", c(0), c(120), z_dzxqzshe},
        {"z_dzxqxshe", "主区大中小区小数和", c(0), c(80), z_dzxqxshe},
        {"z_c3yshe", "主区除三余数和", c(0), c(14), z_c3yshe},
        {"z_c4yshe", "主区除四余数和", c(0), c(21), z_c4yshe},
        {"z_c5yshe", "主区除五余数和", c(0), c(28), z_c5yshe},
        {"z_0lhe", "主区0路和", c(0), c(160), z_0lhe},
        {"z_1lhe", "主区1路和", c(0), c(160), z_1lhe},
        {"z_2lhe", "主区2路和", c(0), c(160), z_2lhe},
        {"z_gwhe", "高尾和", c(0), c(50), z_gwhe},
        {"z_xjhe", "小奇数和值", c(0), boundZhToTimesK(), z_xjhe},
        {"z_djhe", "大奇数和值", c(0), boundZhToTimesK(), z_djhe},
        {"z_xohe", "小偶数和值", c(0), boundZhToTimesK(), z_xohe},
        {"z_dohe", "大偶数和值", c(0), boundZhToTimesK(), z_dohe},
        {"z_xzhe", "小质数和值", c(0), boundZhToTimesK(), z_xzhe},
        {"z_dzhe", "大质数和值", c(0), boundZhToTimesK(), z_dzhe},
        {"z_xhhe", "小合数和值", c(0), boundZhToTimesK(), z_xhhe},
        {"z_dhhe", "大合数和值", c(0), boundZhToTimesK(), z_dhhe},

        {"z_num1", "红号一", c(1), boundZhTo(), z_num<1>},
        {"z_num2", "红号二", c(1), boundZhTo(), z_num<2>},
        {"z_num3", "红号三", c(1), boundZhTo(), z_num<3>},
        {"z_num4", "红号四", c(1), boundZhTo(), z_num<4>},
        {"z_num5", "红号五", c(1), boundZhTo(), z_num<5>},
        {"z_num6", "红号六", c(1), boundZhTo(), z_num<6>},
        {"z_num7", "红号七", c(1), boundZhTo(), z_num<7>},
        {"z_num1_w", "红号一尾数", c(0), c(9), z_num_w<1>},
        {"z_num2_w", "红号二尾数", c(0), c(9), z_num_w<2>},
        {"z_num3_w", "红号三尾数", c(0), c(9), z_num_w<3>},
        {"z_num4_w", "红号四尾数", c(0), c(9), z_num_w<4>},
        {"z_num5_w", "红号五尾数", c(0), c(9), z_num_w<5>},
        {"z_num6_w", "红号六尾数", c(0), c(9), z_num_w<6>},
        {"z_num7_w", "红号七尾数", c(0), c(9), z_num_w<7>},
        {"f_num1", "蓝号", c(1), boundSpecTo(), f_num1},
        {"f_num2", "副号二", c(2), c(12), f_num2},

        {"z_sd", "主区散度", c(0), c(25), z_sd},
        {"z_aver", "主区平均值", c(3), boundZhToMinus3(), z_aver},
        {"z_dsgs", "主区大数个数", c(0), boundK(), z_dsgs},
        {"z_jsgs", "主区奇数个数", c(0), boundK(), z_jsgs},
        {"z_zsgs", "主区质数个数", c(0), boundK(), z_zsgs},
        {"z_wzgs", "主区尾组个数", c(2), boundK(), z_wzgs},
        {"z_lmzs", "主区连码组数", c(0), boundKMinus1(), z_lmzs},
        {"z_ac", "主区AC值", c(0), c(14), z_ac},
        {"z_zdjj", "主区最大邻位间距", c(1), boundZhToMinus1(), z_zdjj},
        {"z_zxjj", "主区最小邻位间距", c(1), c(5), z_zxjj},
        {"z_jjgs", "主区邻位间距个数", c(1), boundKMinus1(), z_jjgs},
        {"z_gwgs", "高尾个数", c(0), boundK(), z_gwgs},
        {"z_jhlx", "奇号连续", c(0), boundKMinus1(), z_jhlx},
        {"z_ohlx", "偶号连续", c(0), boundKMinus1(), z_ohlx},
        {"z_zhlx", "质号连续", c(0), boundKMinus1(), z_zhlx},
        {"z_hhlx", "合号连续", c(0), boundKMinus1(), z_hhlx},
        {"z_maxlh", "最大升序连号", c(1), boundK(), z_maxlh},
        {"z_c3y0", "除3余0个数", c(0), boundK(), z_cy<3, 0>},
        {"z_c3y1", "除3余1个数", c(0), boundK(), z_cy<3, 1>},
        {"z_c3y2", "除3余2个数", c(0), boundK(), z_cy<3, 2>},
        {"z_c4y0", "除4余0个数", c(0), boundK(), z_cy<4, 0>},
        {"z_c4y1", "除4余1个数", c(0), boundK(), z_cy<4, 1>},
        {"z_c4y2", "除4余2个数", c(0), boundK(), z_cy<4, 2>},
        {"z_c4y3", "除4余3个数", c(0), boundK(), z_cy<4, 3>},
        {"z_c5y0", "除5余0个数", c(0), boundK(), z_cy<5, 0>},
        {"z_c5y1", "除5余1个数", c(0), boundK(), z_cy<5, 1>},
        {"z_c5y2", "除5余2个数", c(0), boundK(), z_cy<5, 2>},
        {"z_c5y3", "除5余3个数", c(0), boundK(), z_cy<5, 3>},
        {"z_c5y4", "除5余4个数", c(0), boundK(), z_cy<5, 4>},
        {"z_3fq_1qgs", "三分区的一区个数", c(0), boundK(), z_3fq_1qgs},
        {"z_3fq_2qgs", "三分区的二区个数", c(0), boundK(), z_3fq_2qgs},
        {"z_3fq_3qgs", "三分区的三区个数", c(0), boundK(), z_3fq_3qgs},
        {"f_aver", "副区平均值", c(1), c(12), f_aver},
        {"f_sd", "副区散度", c(0), c(16), f_sd},
    };
    for (const IndicatorDef& d : rest) defs.push_back(d);
    return defs;
}

}  // namespace

const std::vector<IndicatorDef>& comboIndicatorDefs() {
    static const std::vector<IndicatorDef> defs = buildDefs();
    return defs;
}

}  // namespace lottodesk
