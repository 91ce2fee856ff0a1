#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "analysis/statsarea.h"
#include "support/games.h"
#include "indicators/coldhot.h"

namespace lottodesk {
namespace {

const GameParams kSsq{6, 1, 33, 1, 1, 16, true};

// The lines of a page by "group|label" (secondary groups prefixed with "副").
std::map<std::string, StatLine> linesOf(const std::vector<StatGroup>& page) {
    std::map<std::string, StatLine> lines;
    for (const StatGroup& g : page)
        for (const StatLine& l : g.lines) lines[(g.secondary ? "副" : "") + g.title + "|" + l.label] = l;
    return lines;
}

StatsResult run(const t_s_dm& store, const GameParams& game, const StatsOptions& options) {
    return computeStats(store, game, test::partitionsOf(game), ColdHotSettings{}, options);
}

StatsOptions recent(int n) {
    StatsOptions o;
    o.recent = n;
    return o;
}

StatsOptions custom(int32_t from, int32_t to) {
    StatsOptions o;
    o.mode = StatsWindowMode::Custom;
    o.fromPeriod = from;
    o.toPeriod = to;
    return o;
}

// The five most recent 双色球 draws of the samples, counted by hand:
//   2026092 09 11 12 25 30 33 + 11     2026095 04 06 14 21 22 33 + 16
//   2026093 05 08 15 20 21 24 + 09     2026096 01 04 16 22 26 31 + 04
//   2026094 06 13 15 17 24 25 + 01
TEST(StatsArea, HandCheckedValuesOnTheRealHistory) {
    t_s_dm store;
    test::fillSsq(store);
    store.SetRecNo(100);
    const StatsResult r = run(store, kSsq, recent(5));
    EXPECT_EQ(store.RecNo(), 100) << "the cursor stays where it was";
    EXPECT_EQ(r.caption, "共5期");
    EXPECT_EQ(r.endPeriod, 2026096);
    ASSERT_EQ(r.main.byNumber.size(), 33u);
    EXPECT_EQ(r.main.byNumber[3].hits, 2);  // 04
    EXPECT_EQ(r.main.byNumber[3].omission, 0);
    EXPECT_EQ(r.main.byNumber[32].hits, 2);  // 33
    EXPECT_EQ(r.main.byNumber[32].omission, 1);
    EXPECT_EQ(r.main.byNumber[14].omission, 2);  // 15
    EXPECT_EQ(r.main.byNumber[1].hits, 0);       // 02, last drawn in 2026091
    EXPECT_EQ(r.main.byNumber[1].omission, 5);
    EXPECT_EQ(r.secondary.byNumber[3].hits, 1);  // blue 04

    auto p1 = linesOf(r.pages.page1);
    auto p2 = linesOf(r.pages.page2);
    EXPECT_EQ(p1["奇偶|奇数个数:"].value, "15");
    EXPECT_EQ(p1["奇偶|奇数个数:"].share, "50%");
    EXPECT_EQ(p1["奇偶|奇数个数:"].bar, 35);
    EXPECT_EQ(p1["奇偶|偶数个数:"].bar, 35);
    EXPECT_EQ(p1["奇偶|个数差:"].value, "0");
    EXPECT_EQ(p1["大小|大数个数:"].value, "15");
    EXPECT_EQ(p1["三区|一区球数:"].value, "9");
    EXPECT_EQ(p1["三区|一区球数:"].share, "30%");
    EXPECT_EQ(p1["三区|二区球数:"].value, "12");
    EXPECT_EQ(p1["三区|二区球数:"].share, "40%");
    EXPECT_EQ(p1["重号|0个重号:"].value, "2期");
    EXPECT_EQ(p1["重号|2个重号:"].share, "40%");
    EXPECT_EQ(p1["重号|平均每期重号个数:"].value, "1个");
    EXPECT_EQ(p1["连号|1组连号:"].value, "4期");
    EXPECT_EQ(p1["连号|平均每期连号组数:"].value, "0.8组");
    EXPECT_EQ(p2["余数|除三余零数:"].value, "13");
    EXPECT_EQ(p2["余数|除三余零数:"].share, "43.3%");
    EXPECT_EQ(p2["余数|除三余一数:"].share, "33.3%");
    EXPECT_EQ(p2["余数|除三余二数:"].value, "7");
    EXPECT_EQ(p2["间距|间距平均值:"].value, "4.84");
    EXPECT_EQ(p2["间距|最大间距:"].value, "13");
    EXPECT_EQ(p2["间距|最小间距:"].value, "1");
    EXPECT_EQ(p2["和值|和值平均值:"].value, "102.6");
    EXPECT_EQ(p2["和值|最大和值:"].value, "120");
    EXPECT_EQ(p2["和值|最小和值:"].value, "93");
    EXPECT_EQ(p2["副奇偶|奇数个数:"].value, "3");
    EXPECT_EQ(p2["副奇偶|奇数个数:"].share, "60%");
    EXPECT_EQ(p2["副大小|大数个数:"].value, "3");
    EXPECT_EQ(p2["副质合|质数个数:"].value, "2");  // 11 and 1 (1 counts as prime)
    EXPECT_EQ(p2["副质合|合数个数:"].share, "60%");
}

TEST(StatsArea, SortedCopiesAreStableAndTheAxisFollowsTheLargestBar) {
    t_s_dm store;
    test::fillSsq(store);
    const StatsResult r = run(store, kSsq, recent(30));
    const auto& byHits = r.main.byHits;
    for (size_t i = 1; i < byHits.size(); ++i) {
        ASSERT_LE(byHits[i - 1].hits, byHits[i].hits);
        if (byHits[i - 1].hits == byHits[i].hits) {
            ASSERT_LT(byHits[i - 1].number, byHits[i].number);
        }
    }
    const auto& byOmission = r.main.byOmission;
    for (size_t i = 1; i < byOmission.size(); ++i) {
        ASSERT_LE(byOmission[i - 1].omission, byOmission[i].omission);
        if (byOmission[i - 1].omission == byOmission[i].omission) {
            ASSERT_LT(byOmission[i - 1].number, byOmission[i].number);
        }
    }
    EXPECT_EQ(r.main.axisStep, std::max(r.main.maxHits, r.main.maxOmission) / 10 + 1);
    EXPECT_EQ(&r.main.ordered(BarOrder::ByOmission), &r.main.byOmission);

    const BarSlot s = barSlot(1, 33, 330);
    EXPECT_EQ(s.hitsLeft, 7);  // round(2/3 x 10)
    EXPECT_EQ(s.hitsRight, 10);
    EXPECT_EQ(s.omissionRight, 13);
}

// The four sample games: every count adds up, lines follow the game's shape, nothing crashes.
class StatsAreaGames : public ::testing::TestWithParam<test::SampleGame> {};

TEST_P(StatsAreaGames, TalliesAddUpForEveryShape) {
    const test::SampleGame& g = GetParam();
    t_s_dm store;
    test::fillSample(store, g);
    for (int n : {1, 100, 0}) {
        const StatsResult r = run(store, g.game, recent(n));
        const StatsTallies& t = r.tallies;
        const int e = n == 0 ? store.RecordCount() : n;
        ASSERT_EQ(t.draws, e);
        ASSERT_EQ(t.mainNumbers, e * g.game.zhgs);
        int64_t hits = 0;
        for (const NumberStat& s : r.main.byNumber) hits += s.hits;
        EXPECT_EQ(hits, t.mainNumbers);
        hits = 0;
        for (const NumberStat& s : r.secondary.byNumber) hits += s.hits;
        EXPECT_EQ(hits, t.secondaryNumbers);
        EXPECT_EQ(r.main.byNumber.size(), static_cast<size_t>(g.game.zh_to));
        EXPECT_EQ(t.threeZones[0] + t.threeZones[1] + t.threeZones[2], t.mainNumbers);
        int sevens = 0, tails = 0;
        for (int z : t.sevenZones) sevens += z;
        for (int c : t.tails) tails += c;
        EXPECT_EQ(sevens, t.mainNumbers);
        EXPECT_EQ(tails, e);
        EXPECT_EQ(t.mainMod4[0] + t.mainMod4[1] + t.mainMod4[2] + t.mainMod4[3], t.mainNumbers);

        const auto p1 = linesOf(r.pages.page1);
        EXPECT_EQ(p1.count("质数|7个质数:"), g.game.zhgs == 7 ? 1u : 0u)
            << "seven-number lines only for seven-number games";
        EXPECT_EQ(p1.count("尾数|7个尾数:"), g.game.zhgs == 7 ? 1u : 0u);
        EXPECT_EQ(p1.count("重号|6个重号:"), 1u);
    }
    StatsOptions o = recent(0);
    o.mainDivisor = 5;
    o.secondaryDivisor = 4;
    const StatsResult r = run(store, g.game, o);
    const auto p2 = linesOf(r.pages.page2);
    EXPECT_EQ(p2.count("余数|除五余四数:"), 1u);
    EXPECT_EQ(p2.count("副余数|除四余三数:"), 1u);
    EXPECT_EQ(p2.count("副余数|除五余零数:"), 0u) << "lines beyond the divisor are hidden";
}

INSTANTIATE_TEST_SUITE_P(Samples, StatsAreaGames, ::testing::ValuesIn(test::sampleGames()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StatsArea, ThePredictionRecordIsNotPartOfTheWindow) {
    t_s_dm store;
    test::fillSsq(store);
    const StatsResult without = run(store, kSsq, recent(10));
    test::addPrediction(store, {2, 3, 7, 10, 18, 19});
    const StatsResult with = run(store, kSsq, recent(10));
    EXPECT_EQ(with.endPeriod, 2026096);
    EXPECT_EQ(with.main.byNumber[1].hits, without.main.byNumber[1].hits);
    EXPECT_EQ(with.main.byNumber[1].omission, without.main.byNumber[1].omission);
    EXPECT_EQ(with.tallies.odd, without.tallies.odd);
    EXPECT_EQ(with.mainColdHot, without.mainColdHot);
}

TEST(StatsArea, EmptyWindowsGiveBlanks) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 7}, {7, 8, 9, 10, 11, 12, 3}, {2, 4, 6, 8, 10, 12, 5}});
    t_s_dm empty;
    const StatsResult cases[] = {
        run(store, kSsq, custom(2020003, 2020001)),  // start after end
        run(empty, kSsq, recent(100)),               // no draws at all
    };
    for (const StatsResult& r : cases) {
        EXPECT_EQ(r.caption, "共0期");
        EXPECT_EQ(r.tallies.draws, 0);
        for (const auto* page : {&r.pages.page1, &r.pages.page2})
            for (const StatGroup& g : *page)
                for (const StatLine& l : g.lines) {
                    EXPECT_EQ(l.share, "") << g.title << l.label;
                    EXPECT_LE(l.bar, 0) << g.title << l.label;
                    if (l.label.find("平均") != std::string::npos || l.label.find("最") != std::string::npos) {
                        EXPECT_EQ(l.value, "") << g.title << l.label;
                    }
                }
        for (const NumberStat& s : r.main.byNumber) EXPECT_EQ(s.hits, 0);
    }
    // The window still ends at the "to" draw: its classification and omissions are as of 2020001.
    EXPECT_EQ(cases[0].endPeriod, 2020001);
    EXPECT_EQ(cases[0].main.byNumber[6].omission, 0);
    EXPECT_EQ(cases[1].endPeriod, 0);
    EXPECT_EQ(cases[1].mainColdHot, "红码冷号:;  红码温号:;  红码热号:");
}

TEST(StatsArea, AwkwardHistoriesAndShapes) {
    // One record; a number outside the range (40 and 0 in a 1..33 game; 20 as a secondary number).
    t_s_dm one;
    test::fill(one, {{1, 2, 3, 4, 5, 40, 20}});
    StatsResult r = run(one, kSsq, recent(100));
    EXPECT_EQ(r.caption, "共1期");
    EXPECT_EQ(r.main.byNumber.size(), 33u);
    EXPECT_EQ(r.tallies.threeZones[0] + r.tallies.threeZones[1] + r.tallies.threeZones[2], 5) << "40 is ignored";
    EXPECT_EQ(r.secondary.byNumber.size(), 16u);
    for (const NumberStat& s : r.secondary.byNumber) EXPECT_EQ(s.hits, 0);
    EXPECT_EQ(linesOf(r.pages.page1)["奇偶|奇数个数:"].share, "50%");  // T counts every slot

    // A game with numbers from 0, one main number and no secondary zone: counted from 0, the
    // spacing average is a division by zero and stays blank, the secondary shares too.
    const GameParams digits{1, 0, 9, 0, 0, 0, false};
    t_s_dm store;
    test::fill(store, {{0}, {7}, {0}, {9}});
    r = run(store, digits, recent(0));
    ASSERT_EQ(r.main.byNumber.size(), 10u);
    EXPECT_EQ(r.main.byNumber[0].number, 0);
    EXPECT_EQ(r.main.byNumber[0].hits, 2);
    EXPECT_EQ(r.main.byNumber[0].omission, 1);
    EXPECT_TRUE(r.secondary.byNumber.empty());
    auto p2 = linesOf(r.pages.page2);
    EXPECT_EQ(p2["间距|间距平均值:"].value, "");
    EXPECT_EQ(p2["间距|最大间距:"].value, "");
    EXPECT_EQ(p2["副奇偶|奇数个数:"].share, "");
    EXPECT_EQ(linesOf(r.pages.page1)["散度|平均散度值:"].value, "255");

    // Seven main numbers up to 49 with seven secondary numbers: every slot 1..14 is read.
    const GameParams wide{7, 1, 49, 7, 1, 49, true};
    t_s_dm big;
    test::fill(big,
               {{1, 2, 3, 4, 5, 6, 49, 7, 8, 9, 10, 11, 12, 49}, {10, 20, 30, 40, 45, 48, 49, 1, 2, 3, 4, 5, 6, 7}});
    r = run(big, wide, recent(0));
    EXPECT_EQ(r.main.byNumber[48].hits, 2);
    EXPECT_EQ(r.secondary.byNumber[48].hits, 1);
    EXPECT_EQ(r.tallies.secondaryNumbers, 14);
    EXPECT_EQ(linesOf(r.pages.page1).count("重号|7个重号:"), 1u);
}

TEST(StatsArea, ARunReclassifiesAsOfTheWindowsEnd) {
    t_s_dm store;
    test::fillSsq(store);
    const ColdHotSettings settings;
    const StatsResult r = computeStats(store, kSsq, test::partitionsOf(kSsq), settings, custom(2024001, 2024100));
    ColdWarmHotLists expected;
    ASSERT_TRUE(refresh_lists(store, kSsq, settings, r.endPeriod, expected));
    EXPECT_EQ(r.lists.hot.values(), expected.hot.values());
    EXPECT_EQ(r.endPeriod, 2024100);
}

TEST(StatsArea, ComputedOncePerVersionAndOptions) {
    Workspace ws("/nonexistent/");
    test::fillSsq(ws.sjk);
    ws.partitions.rebuild(ws.game.zh_to);
    StatsArea area;
    EXPECT_FALSE(area.hasRun());
    const StatsResult* first = &area.run(ws, recent(50));
    EXPECT_EQ(&area.run(ws, recent(50)), first);
    EXPECT_EQ(area.run(ws, recent(60)).caption, "共60期");
    test::addPrediction(ws.sjk, {1, 2, 3, 4, 5, 6});  // a new version: recomputed, same numbers
    EXPECT_EQ(area.run(ws, recent(60)).caption, "共60期");
    const std::string before = area.run(ws, recent(60)).mainColdHot;
    ws.settings.hotcs = 3;  // new settings: reclassified
    EXPECT_NE(area.run(ws, recent(60)).mainColdHot, before);
    EXPECT_TRUE(area.hasRun());
}

}  // namespace
}  // namespace lottodesk
