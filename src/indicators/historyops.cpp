#include "historyops.h"

#include <cstdlib>
#include <vector>

#include "seriesmemo.h"

namespace lottodesk {
namespace {

// The memo's view of a series in this context; `compute` must outlive the request.
SeriesMemo::Request requestOf(const IndicatorContext& ctx, const SeriesRef& series,
                              const SeriesMemo::Compute& compute) {
    return {series.key, series.reach, ctx.history.realCount, ctx.history.candidate, &compute};
}

SeriesMemo::Compute computeOf(const IndicatorContext& ctx, const SeriesRef& series) {
    return [&ctx, &series](int n) { return series.at(ctx, n); };
}

int32_t valueAt(const IndicatorContext& ctx, const SeriesRef& series, int n) {
    if (!ctx.memo) return series.at(ctx, n);
    const SeriesMemo::Compute compute = computeOf(ctx, series);
    return ctx.memo->value(requestOf(ctx, series, compute), n);
}

int64_t abs64(int64_t v) { return v < 0 ? -v : v; }
int32_t wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

}  // namespace

int32_t omissionAt(const IndicatorContext& ctx, const SeriesRef& series, int n) {
    if (ctx.memo) {
        const SeriesMemo::Compute compute = computeOf(ctx, series);
        return ctx.memo->omission(requestOf(ctx, series, compute), n);
    }
    const int32_t v = series.at(ctx, n);
    int count = 0;
    for (int m = n - 1; m >= 1; --m, ++count)
        if (series.at(ctx, m) == v) return count;
    return count;
}

int64_t amplitude64At(const IndicatorContext& ctx, const SeriesRef& series, int n) {
    const int64_t current = valueAt(ctx, series, n);
    if (n <= 1) return abs64(current);
    return abs64(current - valueAt(ctx, series, n - 1));
}

int32_t amplitudeAt(const IndicatorContext& ctx, const SeriesRef& series, int n) {
    return wrap(amplitude64At(ctx, series, n));
}

int32_t omissionAmplitudeAt(const IndicatorContext& ctx, const SeriesRef& series, int n) {
    const int32_t current = omissionAt(ctx, series, n);
    if (n <= 1) return current;
    return std::abs(current - omissionAt(ctx, series, n - 1));
}

namespace {

struct AmplitudeSeries {
    const SeriesRef* base;
    static int32_t at(const void* self, const IndicatorContext& ctx, int n) {
        return amplitudeAt(ctx, *static_cast<const AmplitudeSeries*>(self)->base, n);
    }
};

}  // namespace

int32_t amplitudeOmissionAt(const IndicatorContext& ctx, const SeriesRef& series, int n) {
    const std::string key = "getzf(" + std::string(series.key) + ")";
    AmplitudeSeries amplitude{&series};
    SeriesRef derived{key, nullptr, &amplitude, &AmplitudeSeries::at, series.reach};
    return omissionAt(ctx, derived, n);
}

int32_t unpositionedOmission(const IndicatorContext& ctx, int n, int32_t d) {
    const int k = ctx.game.zhgs;
    int count = 0;
    for (int m = n - 1; m >= 1; --m, ++count) {
        const int32_t* draw = ctx.history.record(m);
        for (int i = 1; i <= k && i < kSlots; ++i)
            if (draw[i] == d) return count;
    }
    return count;
}

namespace {

int mainCount(const IndicatorContext& ctx) { return std::min(ctx.game.zhgs, kSlots - 1); }

template <int Position>
int32_t unpositioned(const IndicatorContext& ctx, int n) {
    return unpositionedOmission(ctx, n, ctx.history.record(n)[Position]);
}

int32_t z_ylhz(const IndicatorContext& ctx, int n) {
    const int32_t* draw = ctx.history.record(n);
    int32_t sum = 0;
    for (int i = 1; i <= mainCount(ctx); ++i) sum += unpositionedOmission(ctx, n, draw[i]);
    return sum;
}

int32_t z_cmgs(const IndicatorContext& ctx, int n) {
    if (n <= 1) return 0;
    const int32_t* draw = ctx.history.record(n);
    const int32_t* previous = ctx.history.record(n - 1);
    const int k = mainCount(ctx);
    int32_t count = 0;
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j)
            if (draw[i] == previous[j]) {
                ++count;
                break;
            }
    return count;
}

int32_t z_nmzs(const IndicatorContext& ctx, int n) {
    const int32_t* draw = ctx.history.record(n);
    const int32_t* previous = ctx.history.record(n <= 1 ? n : n - 1);  // the first draw meets itself
    const int k = mainCount(ctx);
    int32_t count = 0;
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j)
            if (abs64(int64_t{draw[i]} - previous[j]) == 1) {
                ++count;
                break;
            }
    return count;
}

// The largest distance from a number of the draw to the nearest number of the previous draw,
// over slots first..first+count-1.
int32_t skew(const IndicatorContext& ctx, int n, int first, int count) {
    if (n <= 1 || count <= 0) return 0;
    const int32_t* draw = ctx.history.record(n);
    const int32_t* previous = ctx.history.record(n - 1);
    int32_t largest = 0;
    for (int i = first; i < first + count && i < kSlots; ++i) {
        int32_t nearest = 255;
        for (int j = first; j < first + count && j < kSlots; ++j)
            nearest = static_cast<int32_t>(std::min<int64_t>(nearest, abs64(int64_t{draw[i]} - previous[j])));
        largest = std::max(largest, nearest);
    }
    return largest;
}

int32_t z_pd(const IndicatorContext& ctx, int n) { return skew(ctx, n, 1, mainCount(ctx)); }
int32_t f_pd(const IndicatorContext& ctx, int n) { return skew(ctx, n, ctx.game.zhgs + 1, ctx.game.fhgs); }

enum class Warmth { Cold, Warm, Hot };

// The main numbers of draw n counted by warmth over the qs draws before it.
template <Warmth Wanted>
int32_t warmthCount(const IndicatorContext& ctx, int n) {
    const int32_t* draw = ctx.history.record(n);
    const int k = mainCount(ctx);
    const int first = std::max(1, n - ctx.settings.qs);
    int32_t result = 0;
    for (int i = 1; i <= k; ++i) {
        int occurrences = 0;
        for (int m = first; m < n; ++m) {
            const int32_t* earlier = ctx.history.record(m);
            for (int j = 1; j <= k; ++j)
                if (earlier[j] == draw[i]) {
                    ++occurrences;
                    break;
                }
        }
        const Warmth warmth = occurrences <= ctx.settings.coldcs  ? Warmth::Cold
                              : occurrences >= ctx.settings.hotcs ? Warmth::Hot
                                                                  : Warmth::Warm;
        if (warmth == Wanted) ++result;
    }
    return result;
}

}  // namespace

const std::vector<IndicatorDef>& historyIndicatorDefs() {
    static const std::vector<IndicatorDef> defs = {
        {"z_num1yl_toall", "红号一全局遗漏", bound(0), bound(150), unpositioned<1>},
        {"z_num2yl_toall", "红号二全局遗漏", bound(0), bound(150), unpositioned<2>},
        {"z_num3yl_toall", "红号三全局遗漏", bound(0), bound(150), unpositioned<3>},
        {"z_num4yl_toall", "红号四全局遗漏", bound(0), bound(150), unpositioned<4>},
        {"z_num5yl_toall", "红号五全局遗漏", bound(0), bound(150), unpositioned<5>},
        {"z_num6yl_toall", "红号六全局遗漏", bound(0), bound(150), unpositioned<6>},
        {"z_num7yl_toall", "红号七全局遗漏", bound(0), bound(150), unpositioned<7>},
        {"z_ylhz", "主区遗漏和值", bound(0), bound(100), z_ylhz},
        {"z_cmgs", "主区重码个数", bound(0), boundK(), z_cmgs},
        {"z_nmzs", "主区邻码组数", bound(0), boundK(), z_nmzs},
        {"z_pd", "主区偏度", bound(0), bound(24), z_pd},
        {"f_pd", "副区偏度", bound(0), bound(15), f_pd},
        {"z_lwr_lmgs", "冷码个数", bound(0), boundK(), warmthCount<Warmth::Cold>},
        {"z_lwr_wmgs", "温码个数", bound(0), boundK(), warmthCount<Warmth::Warm>},
        {"z_lwr_rmgs", "热码个数", bound(0), boundK(), warmthCount<Warmth::Hot>},
    };
    return defs;
}

}  // namespace lottodesk
