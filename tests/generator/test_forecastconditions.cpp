#include <gtest/gtest.h>

#include "generator/forecastconditions.h"
#include "generator/selfcond.h"

namespace lottodesk {
namespace {

TEST(ForecastConditions, KillsTailsFixesAndCustomKill) {
    MainConditions c = resetConditions(33);
    ForecastConditions f;
    f.killedNumbers = {12, 5, 40, 5};  // 40 is outside 1..33
    f.killedTails = {3, 0, 12};
    f.fixedNumbers = {9, 1, 2};
    f.customTarget = "z_hw";
    f.customLow = 0;
    f.customHigh = 9;
    f.customKilled = {3, 4};
    const ForecastApplied applied = applyForecast(c, f, 33);
    EXPECT_TRUE(applied.changed);
    EXPECT_FALSE(c.selectable[5]);
    EXPECT_FALSE(c.selectable[12]);
    EXPECT_TRUE(c.selectable[6]);
    ASSERT_EQ(c.tails.size(), 1u);
    EXPECT_EQ(c.tails[0].numbers, (std::vector<uint8_t>{0, 3}));
    EXPECT_EQ(c.tails[0].allowed, std::vector<int32_t>{0});
    EXPECT_TRUE(c.tailEnabled);
    ASSERT_EQ(c.selfSet.size(), 1u);
    EXPECT_EQ(c.selfSet[0].numbers, (std::vector<uint8_t>{1, 2, 9}));
    EXPECT_EQ(c.selfSet[0].allowed, (std::vector<int32_t>{1, 2, 3}));
    ASSERT_EQ(c.custom.count(), 1);
    EXPECT_EQ(c.custom[0].values, (std::vector<int32_t>{0, 1, 2, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(c.customEnabled);
    EXPECT_EQ(applied.summary,
              "已从可选号码中去除：05 12\n已添加尾数条件：尾号组 0 3，出现个数 0\n已添加自设条件：号码组 01 02 "
              "09，出现个数 1..3\n"
              "已添加自定义指标条件：z_hw 不取 3 4\n");
    // A ticket with a killed tail fails the tail condition; one with a fixed number passes the self-set one.
    const int32_t ticket[6] = {1, 4, 7, 14, 21, 30};
    EXPECT_FALSE(tailHolds(c.tails[0], ticket, 6));
    EXPECT_TRUE(selfSetHolds(c.selfSet[0], ticket, 6));
}

TEST(ForecastConditions, NothingToSetAndFullLists) {
    MainConditions c = resetConditions(33);
    EXPECT_FALSE(applyForecast(c, ForecastConditions{}, 33).changed);
    c.tails.resize(50);
    ForecastConditions f;
    f.killedTails = {1};
    const ForecastApplied applied = applyForecast(c, f, 33);
    EXPECT_FALSE(applied.changed);
    ASSERT_EQ(applied.notes.size(), 1u);
    EXPECT_EQ(applied.notes[0], kTailLimitMessage);
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

// "蓝码杀号" and "副区定胆" on the secondary page of a game with two secondary numbers (1..12).
TEST(ForecastConditions, SecondaryZoneKillsAndFixes) {
    GameParams game;
    game.fhgs = 2;
    game.spec_from = 1;
    game.spec_to = 12;
    SecondaryConditions c = resetSecondaryConditions(12);
    const ForecastApplied kill = applySecondaryForecast(c, {3, 12, 13, -1, 3}, {}, game);
    EXPECT_EQ(kill.summary, "已从副区可选号码中去除：03 12\n");
    EXPECT_FALSE(c.selectable[3] || c.selectable[12]);
    EXPECT_TRUE(c.selectable[1] && c.selectable[11]);
    const ForecastApplied fix = applySecondaryForecast(c, {}, {3, 7}, game);
    EXPECT_EQ(fix.summary, "已设置副区胆码：03 07\n");
    EXPECT_TRUE(c.fixed[3] && c.fixed[7] && c.selectable[3]);
    // More fixed numbers than the zone draws: refused with the page's own message, nothing changed.
    const ForecastApplied many = applySecondaryForecast(c, {}, {1, 2, 5}, game);
    EXPECT_FALSE(many.changed);
    EXPECT_EQ(many.notes, std::vector<std::string>{"选择副区胆码不能大于2个"});
    EXPECT_TRUE(c.fixed[3] && !c.fixed[1]);
}

TEST(ForecastConditions, SpecialNumberKillLeavesTheOtherNumbers) {
    GameParams game;  // one secondary number 1..16
    game.fhgs = 1;
    game.spec_from = 1;
    game.spec_to = 16;
    EXPECT_EQ(numbersLeftByKill({2, 16, 40}, game),
              (std::vector<int32_t>{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_TRUE(numbersLeftByKill({40}, game).empty()) << "nothing of the zone killed";
    std::vector<int32_t> every;
    for (int n = 1; n <= 16; ++n) every.push_back(n);
    EXPECT_TRUE(numbersLeftByKill(every, game).empty());
}

}  // namespace
}  // namespace lottodesk
