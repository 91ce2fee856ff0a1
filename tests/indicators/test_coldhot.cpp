#include <gtest/gtest.h>

#include "core/seqlist.h"
#include "indicators/coldhot.h"
#include "support/history.h"

namespace lottodesk {
namespace {

const GameParams kSmall{3, 1, 9, 1, 1, 4, true};

TEST(SeqLists, PositionsFromOneAndLimits) {
    tseqlist list;
    EXPECT_EQ(list.get(1), -1);
    for (int i = 0; i < 2005; ++i) list.add(i);
    EXPECT_EQ(list.count(), 2001);
    EXPECT_EQ(list.get(1), 0);
    EXPECT_EQ(list.get(2001), 2000);
    EXPECT_EQ(list.get(2002), -1);
    list.clear();
    EXPECT_EQ(list.count(), 0);

    tsortseqlist sorted;
    sorted.add(3.0f, 30);
    sorted.add(1.0f, 10);
    sorted.add(3.0f, 31);
    sorted.add(2.0f, 20);
    sorted.sort(true);
    EXPECT_EQ(sorted.get(1).data, 30) << "equal keys keep their order";
    EXPECT_EQ(sorted.get(2).data, 31);
    EXPECT_EQ(sorted.get(4).data, 10);
    EXPECT_EQ(sorted.get(4).sequence, 2);
    sorted.sort(false);
    EXPECT_EQ(sorted.get(1).data, 10);
    EXPECT_EQ(sorted.get(5).sequence, -1);
    EXPECT_EQ(sorted.get(5).key, -1.0f);
}

TEST(ColdWarmHot, ListsFollowTheWindowCounts) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 1}, {1, 2, 4, 1}, {1, 5, 6, 2}, {1, 2, 7, 2}});
    ColdHotSettings settings;
    settings.qs = 4;
    settings.coldcs = 1;
    settings.hotcs = 3;
    settings.f_qs = 2;
    settings.f_coldcs = 0;
    settings.f_hotcs = 2;
    ColdWarmHotLists lists;
    ASSERT_TRUE(refresh_lists(store, kSmall, settings, 2020004, lists));
    EXPECT_EQ(lists.hot.values(), (std::vector<int32_t>{1, 2}));  // 4 and 3 times
    EXPECT_EQ(lists.warm.values(), std::vector<int32_t>{});
    EXPECT_EQ(lists.cold.values(), (std::vector<int32_t>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(lists.f_hot.values(), std::vector<int32_t>{2});  // the last two draws
    EXPECT_EQ(lists.f_cold.values(), (std::vector<int32_t>{1, 3, 4}));

    settings.qs = 256;  // the 8-bit window: 256 draws are none
    ASSERT_TRUE(refresh_lists(store, kSmall, settings, 2020004, lists));
    EXPECT_EQ(lists.cold.count(), 9);
    EXPECT_FALSE(refresh_lists(store, kSmall, settings, 2020009, lists));
    EXPECT_EQ(lists.cold.count(), 9) << "an unknown period leaves the lists";
}

TEST(SectionStatistics, OverTheAuxiliarySlot) {
    t_s_dm store;
    test::fill(store, {{}, {}, {}, {}, {}, {}});
    const int32_t values[] = {5, 3, 5, 8, 5, 4};
    for (int n = 1; n <= 6; ++n) {
        store.SetRecNo(n);
        store.Edit();
        store.SetFieldValue(10, values[n - 1]);
    }
    // From 2020006 back to 2020002: 4, 5, 8, 5, 3.
    const std::pair<const char*, int32_t> cases[] = {
        {"区段总和", 25},  {"区段平均值", 5},   {"区段最大值", 8},
        {"区段最小值", 3}, {"区段平均振幅", 2},  // (1 + 3 + 3 + 2) / 4 = 2.25
        {"相同个数", 2},
    };
    for (auto [caption, expected] : cases)
        EXPECT_EQ(section_stat(store, 2020002, 2020006, sectionKind(caption)), expected) << caption;
    EXPECT_EQ(section_stat(store, 1999001, 2020006, SectionKind::EqualCount), 3) << "to the first draw: 5 three times";
    EXPECT_EQ(section_stat(store, 2020006, 2020006, SectionKind::MeanAmplitude), 0);
    EXPECT_EQ(section_stat(store, 2020001, 2020009, SectionKind::Sum), 0);
    EXPECT_EQ(section_stat(store, 2020005, 2020006, SectionKind::Mean), 4) << "(4 + 5) / 2 = 4.5 rounds to even";
}

}  // namespace
}  // namespace lottodesk
