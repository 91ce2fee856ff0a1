#include <gtest/gtest.h>

#include "analysis/coldhotperiod.h"
#include "support/games.h"
#include "indicators/coldhot.h"

namespace lottodesk {
namespace {

TEST(ColdHotPeriod, LocalListsMatchTheClassificationOfThePeriod) {
    t_s_dm store;
    test::fillSsq(store);
    const GameParams game{6, 1, 33, 1, 1, 16, true};
    ColdHotSettings settings;
    ColdWarmHotLists expected;
    ASSERT_TRUE(refresh_lists(store, game, settings, 2025100, expected));
    const ColdWarmHotLists lists = coldWarmHotAt(store, game, settings, 2025100);
    EXPECT_EQ(lists.cold.values(), expected.cold.values());
    EXPECT_EQ(lists.hot.values(), expected.hot.values());
    EXPECT_EQ(lists.f_warm.values(), expected.f_warm.values());
    EXPECT_EQ(coldWarmHotAt(store, game, settings, 1999001).cold.count(), 0) << "an unknown period: empty lists";
}

TEST(ColdHotPeriod, LinesOfTheStatisticsArea) {
    ColdWarmHotLists lists;
    lists.cold.add(3);
    lists.cold.add(17);
    lists.hot.add(5);
    lists.f_warm.add(8);
    EXPECT_EQ(mainColdHotLine(lists), "红码冷号:3  17  ;  红码温号:;  红码热号:5  ");
    EXPECT_EQ(secondaryColdHotLine(lists), "蓝码冷号:;  蓝码温号:8  ;  蓝码热号:");
}

// The timeline gives at every record what a classification at that record gives, also for the
// 8-bit window (qs 256 is an empty window, 300 acts as 44).
TEST(ColdHotPeriod, TimelineAgreesWithTheClassificationAtEveryPeriod) {
    for (const test::SampleGame& g : test::sampleGames()) {
        t_s_dm store;
        test::fillSample(store, g);
        for (int qs : {30, 256, 300}) {
            ColdHotSettings settings;
            settings.qs = qs;
            settings.f_qs = qs / 2;
            const WarmthTimeline main = mainWarmthTimeline(DrawHistory::of(store), g.game, settings);
            const WarmthTimeline sec = secondaryWarmthTimeline(DrawHistory::of(store), g.game, settings);
            for (int n = 1; n <= store.RecordCount(); n += 97) {
                ColdWarmHotLists lists;
                ASSERT_TRUE(refresh_lists(store, g.game, settings, store.record(n)[0], lists));
                for (int32_t v : lists.cold.values()) ASSERT_EQ(main.at(n, v), Warmth::Cold) << g.name << " " << n;
                for (int32_t v : lists.hot.values()) ASSERT_EQ(main.at(n, v), Warmth::Hot) << g.name << " " << n;
                for (int32_t v : lists.warm.values()) ASSERT_EQ(main.at(n, v), Warmth::Warm) << g.name << " " << n;
                for (int32_t v : lists.f_hot.values()) ASSERT_EQ(sec.at(n, v), Warmth::Hot) << g.name << " " << n;
                for (int32_t v : lists.f_cold.values()) ASSERT_EQ(sec.at(n, v), Warmth::Cold) << g.name << " " << n;
            }
        }
    }
    t_s_dm empty;
    EXPECT_EQ(mainWarmthTimeline(DrawHistory::of(empty), GameParams{}, ColdHotSettings{}).records, 0);
}

}  // namespace
}  // namespace lottodesk
