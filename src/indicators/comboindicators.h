#pragma once
// Indicators of one draw: positional numbers, line sums and differences, the sum family, the count
// family and the shape values. Each reads only record n of the context's history (slots 1..zhgs
// the main numbers n(1)..n(k) in slot order, then fhgs secondary numbers s(1)..s(m)); none sorts,
// none allocates, and a record whose numbers are not ascending gives negative gaps and line
// differences as computed.
//
// Positions beyond zhgs (z_num7 of a six-number game, xh76, ...) read the slots that follow the
// main numbers, as the system does; so do f_num2 and f_cz of a game with one secondary number
// (s(2) is the slot after it). A game without secondary numbers (fhgs = 0) gives 0 for every
// secondary indicator (f_num1, f_num2, f_hz, f_cz, f_aver, f_sd).

#include <cstdint>
#include <vector>

#include "indicatordef.h"

namespace lottodesk {

// Every single-draw identifier with its display name and declared range, in the order of the
// registry: xh21..xh71, xc21..xc71, f_hz, f_cz, the sum family, z_num1..z_num7,
// z_num1_w..z_num7_w, f_num1, f_num2, then the count and shape values. f_num1 carries the name
// "蓝号"; the registry replaces it by the secondary label of the current lottery type.
const std::vector<IndicatorDef>& comboIndicatorDefs();

// The 21 line pairs (I, J) in registry order: 21, 32, 43, 54, 65, 76, 31, ..., 61, 73, 72, 71.
struct LinePair {
    int8_t i;
    int8_t j;
};
extern const LinePair kLinePairs[21];

namespace combo {

// k = zhgs and m = fhgs, held within the 50 number slots of a record.
inline int mainCount(const GameParams& game) { return game.zhgs < 0 ? 0 : (game.zhgs > 50 ? 50 : game.zhgs); }
inline int secondaryCount(const GameParams& game) {
    const int room = 50 - mainCount(game);
    return game.fhgs < 0 ? 0 : (game.fhgs > room ? room : game.fhgs);
}

template <int P>
int32_t z_num(const IndicatorContext& ctx, int n) {
    return ctx.history.record(n)[P];
}
template <int P>
int32_t z_num_w(const IndicatorContext& ctx, int n) {
    return ctx.history.record(n)[P] % 10;
}
// Line sum n(I) + n(J) and line difference n(I) - n(J) (wrapping like the 32-bit original).
template <int I, int J>
int32_t xh(const IndicatorContext& ctx, int n) {
    const int32_t* d = ctx.history.record(n);
    return static_cast<int32_t>(static_cast<int64_t>(d[I]) + d[J]);
}
template <int I, int J>
int32_t xc(const IndicatorContext& ctx, int n) {
    const int32_t* d = ctx.history.record(n);
    return static_cast<int32_t>(static_cast<int64_t>(d[I]) - d[J]);
}

int32_t f_num1(const IndicatorContext& ctx, int n);
int32_t f_num2(const IndicatorContext& ctx, int n);

// Sum family.
int32_t z_hz(const IndicatorContext& ctx, int n);
int32_t z_hw(const IndicatorContext& ctx, int n);
int32_t z_wh(const IndicatorContext& ctx, int n);
int32_t z_jshe(const IndicatorContext& ctx, int n);
int32_t z_oshe(const IndicatorContext& ctx, int n);
int32_t z_zshe(const IndicatorContext& ctx, int n);
int32_t z_hshe(const IndicatorContext& ctx, int n);
int32_t z_dxqdshe(const IndicatorContext& ctx, int n);
int32_t z_dxqxshe(const IndicatorContext& ctx, int n);
int32_t z_dzxqdshe(const IndicatorContext& ctx, int n);
int32_t z_dzxqzshe(const IndicatorContext& ctx, int n);
int32_t z_dzxqxshe(const IndicatorContext& ctx, int n);
int32_t z_c3yshe(const IndicatorContext& ctx, int n);
int32_t z_c4yshe(const IndicatorContext& ctx, int n);
int32_t z_c5yshe(const IndicatorContext& ctx, int n);
int32_t z_0lhe(const IndicatorContext& ctx, int n);
int32_t z_1lhe(const IndicatorContext& ctx, int n);
int32_t z_2lhe(const IndicatorContext& ctx, int n);
int32_t z_gwhe(const IndicatorContext& ctx, int n);
// Small and big by the zone rule b2 (n <= b2(1) is small).
int32_t z_xjhe(const IndicatorContext& ctx, int n);
int32_t z_djhe(const IndicatorContext& ctx, int n);
int32_t z_xohe(const IndicatorContext& ctx, int n);
int32_t z_dohe(const IndicatorContext& ctx, int n);
int32_t z_xzhe(const IndicatorContext& ctx, int n);
int32_t z_dzhe(const IndicatorContext& ctx, int n);
int32_t z_xhhe(const IndicatorContext& ctx, int n);
int32_t z_dhhe(const IndicatorContext& ctx, int n);
int32_t f_hz(const IndicatorContext& ctx, int n);
int32_t f_cz(const IndicatorContext& ctx, int n);

// Count family.
int32_t z_dsgs(const IndicatorContext& ctx, int n);
int32_t z_jsgs(const IndicatorContext& ctx, int n);
int32_t z_zsgs(const IndicatorContext& ctx, int n);
int32_t z_gwgs(const IndicatorContext& ctx, int n);
int32_t z_wzgs(const IndicatorContext& ctx, int n);
int32_t z_lmzs(const IndicatorContext& ctx, int n);
int32_t z_jjgs(const IndicatorContext& ctx, int n);
int32_t z_jhlx(const IndicatorContext& ctx, int n);
int32_t z_ohlx(const IndicatorContext& ctx, int n);
int32_t z_zhlx(const IndicatorContext& ctx, int n);
int32_t z_hhlx(const IndicatorContext& ctx, int n);
int32_t z_maxlh(const IndicatorContext& ctx, int n);
// Count of main numbers with n mod D = R (z_c3y0 .. z_c5y4).
template <int D, int R>
int32_t z_cy(const IndicatorContext& ctx, int n) {
    const int32_t* d = ctx.history.record(n);
    const int k = mainCount(ctx.game);
    int32_t count = 0;
    for (int i = 1; i <= k; ++i) count += (d[i] % D == R);
    return count;
}
int32_t z_3fq_1qgs(const IndicatorContext& ctx, int n);
int32_t z_3fq_2qgs(const IndicatorContext& ctx, int n);
int32_t z_3fq_3qgs(const IndicatorContext& ctx, int n);

// Shape family.
int32_t z_ac(const IndicatorContext& ctx, int n);
int32_t z_zdjj(const IndicatorContext& ctx, int n);  // 1 when k < 2
int32_t z_zxjj(const IndicatorContext& ctx, int n);  // 999 when k < 2
int32_t z_sd(const IndicatorContext& ctx, int n);    // 255 when k = 1
int32_t z_aver(const IndicatorContext& ctx, int n);  // trunc(z_hz / k + 0.5), exact
int32_t f_aver(const IndicatorContext& ctx, int n);  // trunc(f_hz / m + 0.5), exact
int32_t f_sd(const IndicatorContext& ctx, int n);    // as z_sd over s(1..m); 255 when m = 1

}  // namespace combo

// "标准差": the population standard deviation of the main numbers draw[1..k] of a draw record
// (slot 0 is the period), computed in single precision: mean = Σn / k, sd = sqrt(Σ (n - mean)² / k).
// 0 when k < 1.
float standardDeviation(const int32_t* draw, int k);

// "离散系数": sd / mean rounded to three decimals (halves away from zero), times 100, so a
// percentage with one decimal: sd 3.7417 over mean 10.5 is 0.356 and gives 35.6. Returned as the
// nearest float to that one-decimal value; 0 when k < 1 or the mean is 0.
float coefficientOfVariation(const int32_t* draw, int k);

}  // namespace lottodesk
