#include <gtest/gtest.h>

#include "analysis/homesummary.h"
#include "analysis/omission.h"
#include "support/history.h"

namespace lottodesk {
namespace {

// A 3-of-1..6 game with one secondary number of 1..3.
const GameParams kSmall{3, 1, 6, 1, 1, 3, true};

TEST(HomeSummary, RecentDrawsOmissionsAndTheNextPeriod) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 1}, {2, 4, 5, 2}, {1, 4, 6, 2}, {2, 3, 4, 1}});
    const HomeSummary s = homeSummary(DrawHistory::of(store), kSmall, 2020, 3);
    EXPECT_EQ(s.draws, 4);
    EXPECT_EQ(s.newestPeriod, 2020004);
    EXPECT_EQ(s.nextPeriod, 2020005);
    EXPECT_EQ(s.numbersPerDraw, 4);
    EXPECT_EQ(s.recentPeriods, (std::vector<int32_t>{2020002, 2020003, 2020004}));
    EXPECT_EQ(s.recentNumbers, (std::vector<int32_t>{2, 4, 5, 2, 1, 4, 6, 2, 2, 3, 4, 1}));
    // 1 last in draw 3, 2..4 in draw 4, 5 in draw 2, 6 in draw 3.
    EXPECT_EQ(s.mainOmissions, (std::vector<int32_t>{1, 0, 0, 0, 2, 1}));
    // Secondary 1 in draw 4, 2 in draw 3, 3 never: every draw of the history.
    EXPECT_EQ(s.secondaryOmissions, (std::vector<int32_t>{0, 1, 4}));
}

TEST(HomeSummary, AgreesWithTheStatisticsAreaOnTheRealHistory) {
    t_s_dm store;
    test::fillSsq(store);
    const DrawHistory h = DrawHistory::of(store);
    const GameParams ssq{6, 1, 33, 1, 1, 16, true};
    const HomeSummary s = homeSummary(h, ssq, 2026);
    EXPECT_EQ(s.draws, store.RecordCount());
    ASSERT_EQ(s.recentPeriods.size(), size_t(kHomeRecentDraws));
    EXPECT_EQ(s.recentPeriods.back(), store.record(store.RecordCount())[0]);
    EXPECT_EQ(s.mainOmissions, omissionsBefore(h, store.RecordCount(), 1, 6, 1, 33));
    EXPECT_EQ(s.secondaryOmissions, omissionsBefore(h, store.RecordCount(), 7, 1, 1, 16));
}

TEST(HomeSummary, ThePredictionRecordAndDamagedNumbersTakeNoPart) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 1}, {4, 5, 99, 2}});
    DrawRecord prediction{};
    prediction[0] = kPredictionPeriod;
    prediction[1] = 6;
    store.Append();
    store.setRecord(store.RecNo(), prediction);
    const HomeSummary s = homeSummary(DrawHistory::of(store), kSmall, 2020);
    EXPECT_EQ(s.draws, 2);
    EXPECT_EQ(s.newestPeriod, 2020002);
    EXPECT_EQ(s.recentPeriods.size(), 2u);
    EXPECT_EQ(s.mainOmissions, (std::vector<int32_t>{1, 1, 1, 0, 0, 2}));
}

TEST(HomeSummary, AnEmptyHistoryOrAGameWithoutSecondaryNumbers) {
    t_s_dm store;
    store.Clear(false);
    const HomeSummary empty = homeSummary(DrawHistory::of(store), kSmall, 2020);
    EXPECT_EQ(empty.draws, 0);
    EXPECT_EQ(empty.nextPeriod, 0);
    EXPECT_TRUE(empty.recentPeriods.empty());
    EXPECT_EQ(empty.mainOmissions, std::vector<int32_t>(6, 0));

    test::fill(store, {{1, 2, 3}});
    const HomeSummary none = homeSummary(DrawHistory::of(store), {3, 1, 6, 0, 1, 3, false}, 2020);
    EXPECT_TRUE(none.secondaryOmissions.empty());
    EXPECT_EQ(none.numbersPerDraw, 3);
}

TEST(NextPeriod, FollowsTheNewestDrawOrStartsTheNewYear) {
    EXPECT_EQ(nextPeriod(2026096, 2026), 2026097);
    EXPECT_EQ(nextPeriod(2025151, 2026), 2026001);
    EXPECT_EQ(nextPeriod(2025151, 2025), 2025152);
    EXPECT_EQ(nextPeriod(2026096, 2024), 2026097);  // a clock behind the history changes nothing
    EXPECT_EQ(nextPeriod(0, 2026), 0);
}

}  // namespace
}  // namespace lottodesk
