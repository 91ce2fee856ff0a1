#include <gtest/gtest.h>

#include <set>

#include "indicators/registry.h"
#include "support/history.h"

namespace lottodesk {
namespace {

using test::SsqContext;

const GameParams kSsq{6, 1, 33, 1, 1, 16, true};

TEST(Registry, ListsTheIdentifiersInLookupOrder) {
    const auto& items = Registry::instance().items();
    ASSERT_EQ(items.size(), 239u);
    EXPECT_EQ(items.front().id, "xh21");
    EXPECT_EQ(items[20].id, "xh71");
    EXPECT_EQ(items[42].id, "f_hz");
    EXPECT_EQ(items.back().id, "f_num2ylzf");
    std::set<std::string> unique;
    for (const RegistryItem& item : items) EXPECT_TRUE(unique.insert(item.id).second) << item.id;
    EXPECT_NE(Registry::instance().find("z_num6ylzf"), nullptr) << "resolvable, though not listed";
    EXPECT_EQ(Registry::instance().find("z_num7ylzf"), nullptr);
    EXPECT_EQ(Registry::instance().find("Z_HZ"), nullptr) << "case-sensitive";
}

TEST(Registry, NamesAndRangesFollowTheGame) {
    struct Case {
        const char* id;
        const char* name;
        int32_t min, max;
    } cases[] = {
        {"z_num1", "红号一", 1, 33},
        {"z_dsgs", "主区大数个数", 0, 6},
        {"z_aver", "主区平均值", 3, 30},
        {"z_xjhe", "小奇数和值", 0, 198},
        {"xh61zf", "线和6_1(极和)振幅", 0, 65},
        {"xc61zf", "线差6_1(极差)振幅", 0, 32},
        {"xh21zf", "线和2_1振幅", 0, 65},
        {"z_hzzf", "主区和值振幅", 0, 180},
        {"z_gwgszf", "主区高尾个数振幅", 0, 6},
        {"z_num3zf", "红号三振幅", 0, 33},
        {"z_lmzszf", "主区连码组数振幅", 0, 5},
        {"z_num2yl", "红号二遗漏", 0, 150},
        {"z_hzyl", "主区和值遗漏", 0, 500},
        {"z_averyl", "主区均值遗漏", 0, 150},
        {"z_ylhz", "主区遗漏和值", 0, 100},
        {"z_num1yl_toall", "红号一全局遗漏", 0, 150},
        {"z_averylzf", "主区均值遗漏振幅", 0, 150},
        {"z_hwylzf", "主区和尾遗漏振幅", 0, 50},
        {"z_ylhzzf", "遗漏和值振幅", 0, 100},
        {"f_num2yl", "副号二遗漏", 0, 150},
        {"f_num1zf", "蓝号振幅", 0, 16},
    };
    tsetaccostr entry;
    for (const Case& c : cases) {
        ASSERT_TRUE(Registry::instance().lookup_name(c.id, kSsq, "蓝号", entry)) << c.id;
        EXPECT_EQ(entry.id, c.id);
        EXPECT_EQ(entry.name, c.name) << c.id;
        EXPECT_EQ(entry.min, c.min) << c.id;
        EXPECT_EQ(entry.max, c.max) << c.id;
    }
    EXPECT_FALSE(Registry::instance().lookup_name("z_hzz", kSsq, "蓝号", entry));
    EXPECT_EQ(entry.id, "z_hzz");
    EXPECT_EQ(entry.name, "");
    // Resolvable as a value, but no entry of the lookup order: the name lookup knows it not.
    EXPECT_FALSE(Registry::instance().lookup_name("z_num6ylzf", kSsq, "蓝号", entry));
    EXPECT_EQ(entry.name, "");
}

TEST(Registry, SecondaryNameFollowsTheTypeLabel) {
    tsetaccostr entry;
    const std::pair<const char*, const char*> cases[] = {{"蓝号", "蓝号"}, {"副号", "副号一"}, {"特别号", "特别号"}};
    for (auto [label, name] : cases) {
        Registry::instance().lookup_name("f_num1", kSsq, label, entry);
        EXPECT_EQ(entry.name, name);
        EXPECT_EQ(entry.max, 16);
    }
}

TEST(Registry, ValuesOfIdentifiers) {
    t_s_dm store;
    test::fill(store, {{3, 8, 15, 22, 27, 31, 9}, {4, 8, 16, 23, 30, 33, 12}});
    store.SetRecNo(2);
    store.Edit();
    store.SetFieldValue(10, 77);
    SsqContext c(store);
    EXPECT_EQ(getzb("z_hz", c.ctx, 2), 4 + 8 + 16 + 23 + 30 + 33);
    EXPECT_EQ(getzb("z_hzz", c.ctx, 2), -999);
    EXPECT_EQ(getzb("test", c.ctx, 2), 77);
    EXPECT_EQ(getzb("z_num1zf", c.ctx, 2), 1);
    EXPECT_EQ(getzb("z_cmgs", c.ctx, 2), 1);
    EXPECT_EQ(getzb("z_nmzs", c.ctx, 2), 4);
    EXPECT_EQ(getzb("z_pd", c.ctx, 2), 2);
    EXPECT_EQ(getzb("f_pd", c.ctx, 2), 3);
    EXPECT_EQ(resolveIdentifier("x_c_2zbzh:z_num1|z_num2:1").kind, ResolvedIdentifier::Extended);
    EXPECT_EQ(resolveIdentifier("c_cz_1").parameterStart, 5u);
    EXPECT_EQ(resolveIdentifier("c_hnszhxt_3").parameterStart, 10u);
    EXPECT_EQ(extendedPrefixes()[resolveIdentifier("c_2zbzh:c_cz_1|z_num2:1").extendedFamily], "c_cz")
        << "an earlier prefix inside the text decides";
}

// A damaged record holding the extremes of 32 bits: distances are computed without overflow.
TEST(HistoryIndicators, DamagedValuesAtTheLimitsOf32Bits) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, INT32_MIN}, {INT32_MIN, 2, 3, 4, 5, INT32_MAX, INT32_MAX}});
    SsqContext c(store);
    EXPECT_EQ(getzb("z_nmzs", c.ctx, 2), 4);
    EXPECT_EQ(getzb("z_pd", c.ctx, 2), 255) << "the nearest distance starts from 255";
    EXPECT_EQ(getzb("f_pd", c.ctx, 2), 255);
    EXPECT_EQ(getzb("z_cmgs", c.ctx, 2), 4);
    EXPECT_EQ(getzb("f_num1zf", c.ctx, 2), -1) << "2^32 - 1 wraps, as the amplitude forms always have";
}

TEST(HistoryIndicators, AtTheFirstDraw) {
    t_s_dm store;
    test::fill(store, {{1, 2, 15, 20, 21, 30, 5}, {2, 9, 16, 25, 28, 33, 6}});
    SsqContext c(store);
    EXPECT_EQ(getzb("z_num1yl", c.ctx, 1), 0);
    EXPECT_EQ(getzb("z_hzzf", c.ctx, 1), 1 + 2 + 15 + 20 + 21 + 30);
    EXPECT_EQ(getzb("z_cmgs", c.ctx, 1), 0);
    EXPECT_EQ(getzb("z_pd", c.ctx, 1), 0);
    EXPECT_EQ(getzb("z_nmzs", c.ctx, 1), 4) << "the first draw meets itself: 1, 2, 20, 21";
    EXPECT_EQ(getzb("z_num1yl_toall", c.ctx, 1), 0);
    EXPECT_EQ(getzb("z_lwr_lmgs", c.ctx, 1), 6) << "with no window every number is cold";
    EXPECT_EQ(getzb("z_num2yl", c.ctx, 2), 1) << "a value never seen: all earlier draws";
    EXPECT_EQ(getzb("z_num1yl_toall", c.ctx, 2), 0) << "2 was drawn in the previous draw";
    EXPECT_EQ(getzb("z_num2yl_toall", c.ctx, 2), 1);
    EXPECT_EQ(getzb("z_ylhz", c.ctx, 2), 0 + 1 + 1 + 1 + 1 + 1);
}

TEST(HistoryIndicators, ColdWarmHotCounts) {
    t_s_dm store;
    // 1 appears in all 8 earlier draws (hot), 2 in 3 (warm), 3 in 2 (cold); the current draw is last.
    test::fill(store, {{1, 2, 3, 10, 11, 12, 1},
                       {1, 2, 3, 13, 14, 15, 1},
                       {1, 2, 16, 17, 18, 19, 1},
                       {1, 20, 21, 22, 23, 24, 1},
                       {1, 20, 21, 22, 23, 24, 1},
                       {1, 20, 21, 22, 23, 24, 1},
                       {1, 20, 21, 22, 23, 24, 1},
                       {1, 20, 21, 22, 23, 24, 1},
                       {1, 2, 3, 30, 31, 32, 1}});
    SsqContext c(store);
    EXPECT_EQ(getzb("z_lwr_rmgs", c.ctx, 9), 1);
    EXPECT_EQ(getzb("z_lwr_wmgs", c.ctx, 9), 1);
    EXPECT_EQ(getzb("z_lwr_lmgs", c.ctx, 9), 4);
    c.ctx.settings.qs = 2;  // only the two draws before: 1 twice (cold), the rest never
    EXPECT_EQ(getzb("z_lwr_lmgs", c.ctx, 9), 6);
}

TEST(HistoryIndicators, EveryIdentifierOverTheRealHistoryMatchesOnDemandValues) {
    t_s_dm store;
    test::fillSsq(store);
    SsqContext memoised(store);
    SsqContext plain(store, nullptr, false);
    for (const RegistryItem& item : Registry::instance().items())
        for (int n : {0, 1, 2, 3, 1000, store.RecordCount()})  // 0: the empty record before the first
            ASSERT_EQ(registryValue(item, memoised.ctx, n), registryValue(item, plain.ctx, n))
                << item.id << " at " << n;
}

}  // namespace
}  // namespace lottodesk
