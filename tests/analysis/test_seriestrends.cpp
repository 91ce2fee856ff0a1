#include <gtest/gtest.h>

#include "analysis/seriestrends.h"

namespace lottodesk {
namespace {

std::vector<int32_t> seriesOf(const std::vector<int32_t>& values) {
    std::vector<int32_t> s = {0};
    s.insert(s.end(), values.begin(), values.end());
    return s;
}

TEST(SeriesTrends, MovingAverages) {
    const auto s = seriesOf({2, 4, 9, -3});
    EXPECT_EQ(movingAverage(s, 2), (std::vector<double>{0, 2, 3, 6.5, 3}));
    EXPECT_EQ(movingAverage(s, 3), (std::vector<double>{0, 2, 3, 5, 10.0 / 3}));
    EXPECT_EQ(movingAverage(seriesOf({}), 5).size(), 1u);
}

TEST(SeriesTrends, SegmentsCountedFromTheEnd) {
    const auto s = seriesOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    struct Case {
        int length, adjustment;
        std::vector<std::pair<int, int>> bounds;
    };
    const Case cases[] = {
        {5, 0, {{1, 2}, {3, 7}, {8, 12}}},
        {5, 2, {{1, 4}, {5, 9}, {10, 12}}},    // the newest holds 5 - 2 = 3
        {5, -2, {{1, 5}, {6, 10}, {11, 12}}},  // (5 + 2) mod 5 = 2
        {5, 10, {{1, 2}, {3, 7}, {8, 12}}},    // (5 - 10) mod 5 = 0: a full length
        {50, 0, {{1, 12}}},
    };
    for (const Case& c : cases) {
        const auto segments = segmentTrend(s, 12, c.length, c.adjustment, SectionKind::Sum);
        ASSERT_EQ(segments.size(), c.bounds.size()) << c.length << " " << c.adjustment;
        for (size_t i = 0; i < segments.size(); ++i) {
            EXPECT_EQ(segments[i].first, c.bounds[i].first) << c.adjustment;
            EXPECT_EQ(segments[i].last, c.bounds[i].second) << c.adjustment;
        }
    }
    // The section statistics of the history indicators: whole means (ties to even) and the repeat score.
    const struct {
        std::vector<int32_t> segment;
        SectionKind kind;
        int32_t value;
    } stats[] = {
        {{5, -1, 5, 5, 3}, SectionKind::Sum, 17},
        {{5, -1, 5, 5, 3}, SectionKind::Mean, 3},           // 3.4
        {{5, -1, 5, 5, 3}, SectionKind::Maximum, 5},
        {{5, -1, 5, 5, 3}, SectionKind::Minimum, -1},
        {{5, -1, 5, 5, 3}, SectionKind::MeanAmplitude, 4},  // 14 / 4 = 3.5, ties to even
        {{5, -1, 5, 5, 3}, SectionKind::EqualCount, 3},     // 5 repeats: 2, then 1
        {{4, 6, 5, 2, 2}, SectionKind::Mean, 4},            // 3.8
        {{4, 6, 5, 2, 2}, SectionKind::MeanAmplitude, 2},   // 6 / 4 = 1.5, ties to even
        {{4, 6, 5, 2, 2}, SectionKind::EqualCount, 2},
        {{1, 2, 3, 4}, SectionKind::Mean, 2},               // 2.5, ties to even
        {{7}, SectionKind::MeanAmplitude, 0},
    };
    for (const auto& c : stats) {
        const auto values = seriesOf(c.segment);
        const int n = static_cast<int>(c.segment.size());
        EXPECT_EQ(segmentTrend(values, n, n, 0, c.kind)[0].value, c.value) << static_cast<int>(c.kind);
    }
    const auto r = seriesOf({5, -1, 5, 5, 3});
    EXPECT_TRUE(segmentTrend(r, 0, 5, 0, SectionKind::Sum).empty());
    EXPECT_TRUE(segmentTrend(r, 5, 0, 0, SectionKind::Sum).empty());
}

TEST(SeriesTrends, SingleValueOccurrences) {
    const auto s = seriesOf({3, 1, 3, 3, 2, 3});
    const auto o = valueOccurrences(s, 6, 3);
    ASSERT_EQ(o.size(), 4u);
    EXPECT_EQ(o[0].record, 1);
    EXPECT_EQ(o[0].omission, 0);
    EXPECT_EQ(o[1].omission, 1);
    EXPECT_EQ(o[2].omission, 0);
    EXPECT_EQ(o[3].omission, 1);
    EXPECT_EQ(valueOccurrences(s, 6, 2)[0].omission, 4) << "counted back to the start of the history";
    EXPECT_EQ(valueOccurrences(s, 4, 3).size(), 3u);
}

TEST(SeriesTrends, DistributionColumns) {
    EXPECT_EQ(distributionColumns(1, 16, 3),
              (std::vector<int32_t>{1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 3, 6, 9, 12, 15}));
    EXPECT_EQ(distributionColumns(0, 99, 2)->size(), 100u);
    EXPECT_FALSE(distributionColumns(0, 100, 2)) << "a difference of exactly 100 is refused";
    EXPECT_FALSE(distributionColumns(INT32_MIN, INT32_MAX, 2));
    EXPECT_EQ(distributionColumns(-3, 2, 16), (std::vector<int32_t>{-3, -2, -1, 0, 1, 2}));
}

}  // namespace
}  // namespace lottodesk
