#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "analysis/indicatortrend.h"
#include "analysis/trendcharts.h"
#include "core/workspace.h"
#include "formula/tgs.h"
#include "indicators/context.h"
#include "support/games.h"

namespace lottodesk {
namespace {

// Literal readings of the feature rules, scanning back for every value.
int32_t literalFeature(const std::vector<int32_t>& v, size_t i, const FeatureOptions& o) {
    auto omission = [&](size_t at) {
        for (size_t j = at; j-- > 0;)
            if (v[j] == v[at]) return static_cast<int32_t>(at - j - 1);
        return static_cast<int32_t>(at);
    };
    switch (o.feature) {
    case TrendFeature::OddEven: return v[i] % 2 + 1;
    case TrendFeature::PrimeComposite: {
        bool prime = v[i] == 1 || v[i] == 2;
        if (v[i] > 2) {
            prime = true;
            for (int d = 2; d < v[i]; ++d) prime = prime && v[i] % d != 0;
        }
        return prime ? 2 : 1;
    }
    case TrendFeature::Route012: return v[i] % 3 + 1;
    case TrendFeature::Tail: return v[i] % 10;
    case TrendFeature::Amplitude: return i == 0 ? v[i] : std::abs(v[i] - v[i - 1]);
    case TrendFeature::Omission: return omission(i);
    case TrendFeature::OmissionAmplitude: return i == 0 ? omission(0) : std::abs(omission(i) - omission(i - 1));
    case TrendFeature::BigSmall: return v[i] < o.middle ? 1 : 2;
    case TrendFeature::Remainder: return v[i] % o.divisor;
    }
    return -1;
}

TEST(IndicatorTrend, FeaturesAgreeWithTheirLiteralReadingOnRealHistory) {
    Workspace ws("/nonexistent/");
    test::fillSample(ws.sjk, test::sampleGames()[0]);
    ws.partitions.rebuild(ws.game.zh_to);
    for (const char* code : {"z_hz", "z_kd", "z_num1", "z_num6-z_num1*2"}) {
        for (int f = 0; f <= static_cast<int>(TrendFeature::Remainder); ++f) {
            const FeatureOptions options{static_cast<TrendFeature>(f), 90, 7};
            const IndicatorTrend trend = indicatorTrend(ws, code, options);
            ASSERT_TRUE(trend.status) << trend.status.message;
            ASSERT_EQ(trend.values.size(), static_cast<size_t>(ws.sjk.RecordCount()));
            for (size_t i = 0; i < trend.values.size(); i += 7) {
                const int n = static_cast<int>(i) + 1;
                ASSERT_EQ(trend.values[i], std::abs(tgs(code).evaluate(indicatorContext(ws, nullptr), n).value));
                ASSERT_EQ(trend.features[i], literalFeature(trend.values, i, options)) << code << " feature " << f;
            }
        }
    }
}

TEST(IndicatorTrend, AFailedFormulaSaysWhy) {
    Workspace ws("/nonexistent/");
    test::fill(ws.sjk, {{1, 2, 3, 4, 5, 6, 7}});
    const IndicatorTrend trend = indicatorTrend(ws, "z_hz+(", {});
    EXPECT_FALSE(trend.status);
    EXPECT_EQ(trend.status.message.rfind("公式有误:", 0), 0u) << trend.status.message;
}

TEST(IndicatorTrend, RunStatisticsAndTheirLine) {
    //                          equal: -  1  0  1  2  0  0
    const std::vector<int32_t> v = {5, 5, 7, 7, 7, 3, 4};
    const TrendStatistics s = trendStatistics(v, 0, 6);
    EXPECT_EQ(s.minimum, 3);
    EXPECT_EQ(s.maximum, 7);
    EXPECT_EQ(s.repeats.largest, 2);
    EXPECT_EQ(s.repeats.smallest, 0);
    EXPECT_EQ(s.repeats.current, 0);
    EXPECT_EQ(s.rises.largest, 1);  // 5->7, then 3->4 at the end
    EXPECT_EQ(s.rises.current, 1);
    EXPECT_EQ(s.falls.largest, 3);  // 7,7,7 not greater twice, then 3: three steps
    EXPECT_EQ(s.falls.current, 0);
    EXPECT_EQ(statisticsLine("和值", s),
              "和值统计结果：（最小值：3；最大值：7；中间值：5）；（最小遗传：0；最大遗传：2；当前遗传：0）；"
              "（最小升序：0；最大升序：1；当前升序：1）；（最小降序：0；最大降序：3；当前降序：0）；");
    EXPECT_EQ(statisticsRangeLine(2003001, 2026096), "（统计范围：从2003001至2026096）");
    EXPECT_EQ(statisticsRangeLine(2026096, kPredictionPeriod), "（统计范围：从2026096至预测区）");
    // One value: every run is empty; an empty range leaves the defaults.
    const TrendStatistics one = trendStatistics(v, 2, 2);
    EXPECT_EQ(one.repeats.smallest, 0);
    EXPECT_EQ(one.repeats.largest, 0);
    EXPECT_EQ(trendStatistics(v, 5, 2).repeats.smallest, 99999);
}

// The sorted main numbers of record n, as the text describes each chart from them.
std::vector<int> mainOf(const t_s_dm& store, const GameParams& g, int n) {
    std::vector<int> v(store.record(n) + 1, store.record(n) + 1 + g.zhgs);
    std::sort(v.begin(), v.end());
    return v;
}

TEST(TrendCharts, EveryGameAgreesWithTheLiteralReading) {
    for (const test::SampleGame& sample : test::sampleGames()) {
        SCOPED_TRACE(sample.name);
        t_s_dm store;
        test::fillSample(store, sample);
        const GameParams& g = sample.game;
        const TrendChartData rem = remainderChart(store, g, 4);
        const TrendChartData gaps = spacingChart(store, g);
        const TrendChartData spread = dispersionChart(store, g);
        ASSERT_EQ(rem.series.size(), static_cast<size_t>(g.zhgs));
        ASSERT_EQ(gaps.names.front(), "2_1");
        ASSERT_EQ(gaps.names.back(), std::to_string(g.zhgs) + "_1");
        for (int n = 1; n <= store.RecordCount(); n += 11) {
            const std::vector<int> v = mainOf(store, g, n);
            const size_t i = static_cast<size_t>(n - 1);
            for (int p = 0; p < g.zhgs; ++p)
                ASSERT_EQ(rem.series[static_cast<size_t>(p)][i], v[static_cast<size_t>(p)] % 4);
            for (int j = 2; j <= g.zhgs; ++j)
                ASSERT_EQ(gaps.series[static_cast<size_t>(j - 2)][i], v[static_cast<size_t>(j - 1)] - v[0]);
            double mean = 0, sq = 0;
            for (int x : v) mean += x;
            mean /= g.zhgs;
            for (int x : v) sq += (x - mean) * (x - mean);
            const double sd = std::sqrt(sq / g.zhgs);
            ASSERT_NEAR(spread.series[0][i], mean, 1e-9);
            ASSERT_NEAR(spread.series[1][i], sd * 10, 1e-9);
            ASSERT_NEAR(spread.series[2][i], sd / mean * 100, 1e-9);
        }
    }
}

TEST(TrendCharts, OmissionTrendOfOneNumber) {
    t_s_dm store;
    // Number 3 drawn in records 2, 3 and 7; secondary 9 in records 1 and 5.
    test::fill(store, {{1, 2, 4, 5, 6, 7, 9},
                       {1, 2, 3, 5, 6, 7, 8},
                       {3, 4, 5, 6, 7, 8, 1},
                       {1, 2, 4, 5, 6, 7, 2},
                       {1, 2, 4, 5, 6, 7, 9},
                       {1, 2, 4, 5, 6, 7, 2},
                       {3, 4, 5, 6, 7, 8, 1}});
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    const TrendChartData main = omissionTrendChart(store, g, false, 3);
    EXPECT_EQ(main.names, (std::vector<std::string>{"3的遗漏走势", "3的遗漏振幅走势"}));
    EXPECT_EQ(main.series[0], (std::vector<double>{1, 0, 3}));
    EXPECT_EQ(main.series[1], (std::vector<double>{1, 1, 3}));
    EXPECT_EQ(main.periods.size(), 3u);
    EXPECT_EQ(main.periods[2], store.record(7)[0]);
    const TrendChartData secondary = omissionTrendChart(store, g, true, 9);
    EXPECT_EQ(secondary.series[0], (std::vector<double>{0, 3}));
    EXPECT_TRUE(omissionTrendChart(store, g, false, 33).periods.empty()) << "never drawn: an empty series";
}

}  // namespace
}  // namespace lottodesk
