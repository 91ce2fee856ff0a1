#include <gtest/gtest.h>

#include "core/gbk.h"
#include "generator/prizecheck.h"
#include "generator/prizerules.h"
#include "support/tempfolder.h"
#include "support/tickets.h"

namespace lottodesk {
namespace {

using test::twoZone;

PrizeRules rulesOf(const PrizeRuleBook& book, const std::string& game) {
    for (const PrizeRules& rules : book.games)
        if (rules.game == game) return rules;
    throw std::runtime_error("no rules for " + game);
}

TEST(PrizeRules, BuiltInTableReadsAndNamesItsDate) {
    std::string problem = "x";
    const PrizeRuleBook book = readPrizeRules(builtInPrizeRulesText(), &problem);
    EXPECT_EQ(problem, "");
    EXPECT_NE(book.dateNote.find("2026"), std::string::npos);
    ASSERT_EQ(book.games.size(), 3u);
    EXPECT_EQ(rulesOf(book, "超级大乐透").levels.size(), 9u);
    EXPECT_EQ(rulesOf(book, "超级大乐透").addOnExtra, 1);
    EXPECT_EQ(rulesOf(book, "七乐彩").levels.size(), 7u);
}

// The shipped 双色球 rules are the six-plus-one table every other path applies.
TEST(PrizeRules, ShippedSsqRulesEqualTheSixPlusOneTable) {
    const PrizeRules& ssq = rulesOf(readPrizeRules(builtInPrizeRulesText()), "双色球");
    for (int i = 0; i <= 6; ++i)
        for (int j = 0; j <= 1; ++j) EXPECT_EQ(ruleLevel(ssq, i, j), prizeLevel(i, j)) << i << "+" << j;
}

TEST(PrizeRules, DaletouTicketsGradedByItsNineLevels) {
    const PrizeRules& dlt = rulesOf(readPrizeRules(builtInPrizeRulesText()), "超级大乐透");
    std::vector<TwoZoneTicket> tickets = {
        twoZone({10, 20, 30, 31, 32}, {3, 4}),  // 0+0
        twoZone({1, 2, 3, 4, 5}, {11, 12}),     // 5+2
        twoZone({1, 2, 33, 34, 35}, {11, 12}),  // 2+2
        twoZone({1, 2, 3, 4, 35}, {11, 1}),     // 4+1
        twoZone({1, 20, 30, 31, 32}, {11, 12}), // 1+2
    };
    const RewardSummary summary = checkReward(tickets, 5, 2, {{1, 2, 3, 4, 5}, {11, 12}}, &dlt);
    EXPECT_EQ(summary.shape, PrizeShape::Rules);
    std::vector<std::string> texts;
    for (const TwoZoneTicket& t : tickets) texts.push_back(rewardText(t, summary));
    EXPECT_EQ(texts, (std::vector<std::string>{"一等奖", "五等奖", "八等奖", "九等奖", "未中奖"}));
    EXPECT_EQ(summary.text,
              "一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:1个;六等奖:0个;七等奖:0个;八等奖:1个;"
              "九等奖:1个;未中奖:1个");
}

// 七乐彩's special number is drawn from the main range: a ticket holding it hits the secondary zone.
TEST(PrizeRules, QilecaiSpecialCountsAmongTheTicketsNumbers) {
    const PrizeRules& qlc = rulesOf(readPrizeRules(builtInPrizeRulesText()), "七乐彩");
    std::vector<TwoZoneTicket> tickets = {
        twoZone({1, 2, 3, 4, 5, 6, 7}, {30}),    // 7+0
        twoZone({1, 2, 3, 4, 5, 6, 20}, {1}),    // 6 + the special 20
        twoZone({1, 2, 3, 4, 5, 6, 29}, {20}),   // 6+0: its own secondary number is not played
        twoZone({1, 2, 3, 4, 20, 28, 29}, {1}),  // 4+1
    };
    const RewardSummary summary = checkReward(tickets, 7, 1, {{1, 2, 3, 4, 5, 6, 7}, {20}}, &qlc, true);
    std::vector<std::string> texts;
    for (const TwoZoneTicket& t : tickets) texts.push_back(rewardText(t, summary));
    EXPECT_EQ(texts, (std::vector<std::string>{"一等奖", "二等奖", "三等奖", "六等奖"}));
}

TEST(PrizeRules, MalformedTextIsRefusedNamingTheLine) {
    const struct {
        const char* text;
        const char* problem;
    } cases[] = {
        {"# x\n双色球\t一等奖\t6+1\n", "奖级规则第2行：应为彩种名、奖级、中奖条件、单注奖金四项，以TAB分隔"},
        {"双色球\t一等奖\t6-1\t浮动\n", "奖级规则第1行：中奖条件\"6-1\"应为 主区中数+副区中数（如 5+1）"},
        {"双色球\t一等奖\t9+1\t浮动\n", "奖级规则第1行：中奖条件\"9+1\"应为 主区中数+副区中数（如 5+1）"},
        {"双色球\t一等奖\t6+1\t很多\n", "奖级规则第1行：单注奖金应为元数或\"浮动\""},
        {"双色球\t一等奖\t6+1\t-5\n", "奖级规则第1行：单注奖金应为元数或\"浮动\""},
        {"\n\n双色球\t追加\tx\n", "奖级规则第3行：追加的加价应为0到100元"},
        {"\t一等奖\t6+1\t5\n", "奖级规则第1行：应为彩种名、奖级、中奖条件、单注奖金四项，以TAB分隔"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_TRUE(readPrizeRules(c.text, &problem).games.empty()) << c.text;
        EXPECT_EQ(problem, c.problem) << c.text;
    }
}

TEST(PrizeRules, AFolderFileOverridesAndABadOneFallsBackSayingWhy) {
    test::TempFolder folder;
    std::string problem;
    EXPECT_EQ(loadPrizeRules(folder.path(), &problem).games.size(), 3u);
    EXPECT_EQ(problem, "");

    test::writeFile(folder.file(kPrizeRulesFile), utf8ToGbk("# 新规则\r\n双色球\t一等奖\t6+1\t8000000\r\n"));
    const PrizeRuleBook edited = loadPrizeRules(folder.path(), &problem);
    EXPECT_EQ(problem, "");
    ASSERT_EQ(edited.games.size(), 1u);
    EXPECT_EQ(edited.games[0].levels[0].fixedAmount, 8000000);

    test::writeFile(folder.file(kPrizeRulesFile), "broken line\r\n");
    EXPECT_EQ(loadPrizeRules(folder.path(), &problem).games.size(), 3u);
    EXPECT_NE(problem.find("使用程序自带的奖级规则"), std::string::npos) << problem;
}

TEST(PrizeMoney, AmountsFromTheDrawsTableThenTheRules) {
    const PrizeRules& dlt = rulesOf(readPrizeRules(builtInPrizeRulesText()), "超级大乐透");
    PrizeTable table;
    table.levels = {{"一等奖", 2, 9'000'000}, {"一等奖(追加)", 1, 7'200'000}, {"三等奖", 10, 6'666}};
    EXPECT_EQ(levelAmount(dlt, 1, &table, false), 9'000'000);
    EXPECT_EQ(levelAmount(dlt, 1, &table, true), 16'200'000);
    EXPECT_EQ(levelAmount(dlt, 3, &table, false), 6'666) << "the draw's table before the rule";
    EXPECT_EQ(levelAmount(dlt, 4, &table, false), 3000);
    EXPECT_EQ(levelAmount(dlt, 2, &table, false), -1) << "floating without a table entry";
    EXPECT_EQ(levelAmount(dlt, 1, nullptr, false), -1);
    EXPECT_EQ(levelAmount(dlt, 9, nullptr, true), 5);
    EXPECT_EQ(levelAmount(dlt, 0, nullptr, false), 0);
}

TEST(PrizeMoney, CostAndWinningsTexts) {
    EXPECT_EQ(costText(0, 2), "共0注，0元");
    EXPECT_EQ(costText(1092481, 2), "共1092481注，2184962元");
    Winnings w;
    addWinning(w, 0, 0);
    addWinning(w, 6, 5);
    addWinning(w, 3, 3000);
    EXPECT_EQ(winningsText(w, 100, 2), "中奖2注，奖金3,005元；投入200元");
    addWinning(w, 1, -1);
    EXPECT_EQ(winningsText(w, 100, 3), "中奖3注，奖金3,005元（另有1注浮动奖金，以开奖公告为准）；投入300元");
}

TEST(PrizeMoney, PriceSettingWithAddOn) {
    MemorySettings store;
    const PrizeRules& dlt = rulesOf(readPrizeRules(builtInPrizeRulesText()), "超级大乐透");
    EXPECT_EQ(pricePerTicket(loadTicketPrice(store), &dlt), 2);
    saveTicketPrice(store, {2, true});
    EXPECT_EQ(pricePerTicket(loadTicketPrice(store), &dlt), 3);
    EXPECT_EQ(pricePerTicket(loadTicketPrice(store), nullptr), 2) << "no add-on where the game offers none";
    store.writeInt("ticketprice", 0);
    EXPECT_EQ(loadTicketPrice(store).base, 2) << "a price out of range keeps the default";
}

TEST(PrizeMoney, MainListHitsSummaryAndLevels) {
    std::vector<Ticket> tickets(4);
    const int hits[] = {6, 5, 5, 0};
    for (size_t k = 0; k < 4; ++k) tickets[k][6] = static_cast<uint8_t>(hits[k]);
    EXPECT_EQ(mainHitsSummary(tickets, 6), "中6个1注 中5个2注 中4个0注 中3个0注 中2个0注 中1个0注 中0个1注");

    const PrizeRuleBook book = readPrizeRules(builtInPrizeRulesText());
    const PrizeRules ssqRules = rulesOf(book, "双色球"), qlcRules = rulesOf(book, "七乐彩");
    PrizeMoney ssq;
    ssq.rules = &ssqRules;
    EXPECT_EQ(mainResultLevel(ssq, tickets[0].data(), 6), 2) << "a main result holds no secondary number";
    EXPECT_EQ(mainResultLevel(ssq, tickets[1].data(), 6), 4);
    PrizeMoney qlc;
    qlc.rules = &qlcRules;
    qlc.special = 20;
    const Ticket withSpecial = {1, 2, 3, 4, 5, 20, 29, 5};
    EXPECT_EQ(mainResultLevel(qlc, withSpecial.data(), 7), 4) << "5 + the special";
    EXPECT_EQ(mainResultLevel(PrizeMoney{}, withSpecial.data(), 7), 0) << "no rules, no level";
}

}  // namespace
}  // namespace lottodesk
