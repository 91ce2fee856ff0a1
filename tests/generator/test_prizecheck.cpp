#include <gtest/gtest.h>

#include "generator/prizecheck.h"
#include "support/history.h"
#include "support/tickets.h"

namespace lottodesk {
namespace {

Ticket ticketOf(std::initializer_list<int> numbers) {
    Ticket t{};
    int i = 0;
    for (int n : numbers) t[static_cast<size_t>(i++)] = static_cast<uint8_t>(n);
    return t;
}

using test::twoZone;

// Hand-checked against the draw 03 08 12 19 27 33: the hits, and the order best first with equal
// hits in their previous order; each ticket's tag goes with it.
TEST(MainPrize, HitsAndStableOrderWithTags) {
    const int32_t draw[6] = {3, 8, 12, 19, 27, 33};
    struct Row {
        Ticket ticket;
        uint8_t tag;
        int hits;
    };
    const std::vector<Row> rows = {
        {ticketOf({1, 2, 4, 5, 6, 7}), 0, 0},     {ticketOf({3, 8, 10, 11, 13, 14}), 11, 2},
        {ticketOf({3, 8, 12, 20, 21, 22}), 0, 3}, {ticketOf({1, 8, 12, 19, 27, 33}), 134, 5},
        {ticketOf({2, 3, 4, 5, 6, 33}), 0, 2},    {ticketOf({12, 19, 27, 28, 29, 30}), 7, 3},
        {ticketOf({3, 8, 12, 19, 27, 33}), 0, 6}, {ticketOf({0, 99, 3, 255, 12, 1}), 0, 2},  // typed: out of range
    };
    MainResults results;
    for (const Row& row : rows) {
        results.tickets.push_back(row.ticket);
        results.tags.push_back(row.tag);
    }
    checkMainPrize(results, 6, draw);
    const std::vector<size_t> order = {6, 3, 2, 5, 1, 4, 7, 0};
    ASSERT_EQ(results.tickets.size(), order.size());
    for (size_t k = 0; k < order.size(); ++k) {
        const Row& row = rows[order[k]];
        Ticket expected = row.ticket;
        expected[6] = static_cast<uint8_t>(row.hits);
        EXPECT_EQ(results.tickets[k], expected) << k;
        EXPECT_EQ(results.tags[k], row.tag) << k;
    }
    clearHits(results.tickets, 6);
    for (const Ticket& t : results.tickets) EXPECT_EQ(t[6], 0);
}

TEST(MainPrize, ByPeriodOfTheHistory) {
    test::TempFolder home;
    Workspace ws(home.path());
    test::setUpSsq(ws);
    const int32_t* newest = ws.sjk.record(ws.sjk.RecordCount());
    MainResults results;
    Ticket drawn{};
    for (int i = 0; i < 6; ++i) drawn[static_cast<size_t>(i)] = static_cast<uint8_t>(newest[i + 1]);
    results.tickets = {ticketOf({1, 2, 3, 4, 5, 6}), drawn};
    ASSERT_TRUE(checkMainPrizeAt(results, ws, newest[0]));
    EXPECT_EQ(results.tickets[0][6], 6);
    EXPECT_EQ(results.tags.size(), 0u) << "no tags: none are made up";
    const Status missing = checkMainPrizeAt(results, ws, 1990001);
    EXPECT_EQ(missing.code, StatusCode::NoSuchPeriod);
    EXPECT_EQ(missing.message, "数据库中没有第1990001期的记录");
}

// The levels of a six-plus-one game: winning numbers 01 02 03 04 05 06 + 07.
TEST(Reward, SixPlusOneLevelsOrderAndSummary) {
    struct Case {
        TwoZoneTicket ticket;
        int level;
        const char* text;
    };
    const std::vector<Case> cases = {
        {twoZone({1, 2, 3, 10, 11, 12}, {8}), 0, "未中奖"}, {twoZone({10, 11, 12, 13, 14, 15}, {7}), 6, "六等奖"},
        {twoZone({1, 2, 3, 4, 5, 6}, {8}), 2, "二等奖"},    {twoZone({1, 2, 3, 4, 10, 11}, {7}), 4, "四等奖"},
        {twoZone({1, 2, 3, 4, 5, 6}, {7}), 1, "一等奖"},    {twoZone({1, 2, 3, 10, 11, 12}, {7}), 5, "五等奖"},
        {twoZone({1, 2, 3, 4, 5, 10}, {7}), 3, "三等奖"},   {twoZone({1, 2, 3, 4, 5, 10}, {8}), 4, "四等奖"},
        {twoZone({1, 2, 3, 4, 10, 11}, {9}), 5, "五等奖"},  {twoZone({0, 2, 3, 99, 10, 11}, {0}), 0, "未中奖"},
    };
    std::vector<TwoZoneTicket> tickets;
    for (const Case& c : cases) tickets.push_back(c.ticket);
    const RewardSummary summary = checkReward(tickets, 6, 1, {{1, 2, 3, 4, 5, 6}, {7}});
    EXPECT_EQ(summary.shape, PrizeShape::SixPlusOne);
    // Level 1 first, no prize last, equal levels in list order.
    const std::vector<size_t> order = {4, 2, 6, 3, 7, 5, 8, 1, 0, 9};
    ASSERT_EQ(tickets.size(), order.size());
    for (size_t k = 0; k < order.size(); ++k) {
        const Case& c = cases[order[k]];
        EXPECT_EQ(tickets[k].main, c.ticket.main) << k;
        EXPECT_EQ(tickets[k].level, c.level) << k;
        EXPECT_EQ(rewardText(tickets[k], summary), c.text) << k;
    }
    EXPECT_EQ(summary.text, "一等奖:1个;二等奖:1个;三等奖:1个;四等奖:2个;五等奖:2个;六等奖:1个;未中奖:2个");

    std::vector<TwoZoneTicket> none;
    EXPECT_EQ(checkReward(none, 6, 1, {{1, 2, 3, 4, 5, 6}, {7}}).text,
              "一等奖:0个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;未中奖:0个");
}

// Any other shape (超级大乐透: five plus two) shows and orders by "i+j".
TEST(Reward, OtherShapesByHits) {
    std::vector<TwoZoneTicket> tickets = {
        twoZone({1, 2, 3, 4, 5}, {1, 2}),   twoZone({1, 2, 3, 4, 35}, {11, 12}),
        twoZone({1, 2, 3, 4, 5}, {11, 12}), twoZone({6, 7, 8, 9, 10}, {11, 12}),
        twoZone({1, 2, 3, 4, 35}, {11, 3}), twoZone({10, 20, 30, 34, 35}, {11, 12}),
    };
    const RewardSummary summary = checkReward(tickets, 5, 2, {{1, 2, 3, 4, 5}, {11, 12}});
    EXPECT_EQ(summary.shape, PrizeShape::Hits);
    std::vector<std::string> texts;
    for (const TwoZoneTicket& t : tickets) texts.push_back(rewardText(t, summary));
    EXPECT_EQ(texts, (std::vector<std::string>{"5+2", "5+0", "4+2", "4+1", "0+2", "0+2"}));
    EXPECT_EQ(tickets[4].main[0], 6) << "equal hits keep their order";
    EXPECT_EQ(summary.text.find("5+2:1个;5+1:0个;5+0:1个;4+2:1个;4+1:1个;4+0:0个;"), 0u);
    EXPECT_NE(summary.text.find(";0+2:2个;0+1:0个;0+0:0个"), std::string::npos);
    EXPECT_TRUE(summary.text.ends_with("0+0:0个")) << "no separator after the last class";
}

TEST(Reward, DialogFields) {
    EXPECT_EQ(groupMask(6), "!99-99-99-99-99-99;1;_");
    EXPECT_EQ(groupMask(1), "!99;1;_");
    EXPECT_EQ(groupValues("01-02-03-04-05-06", 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(groupValues("01- 2-  -04", 6), (std::vector<int>{1, 2, 0, 4, 0, 0})) << "empty groups give 0";
    EXPECT_EQ(groupValues("0_-__", 2), (std::vector<int>{0, 0}));
    EXPECT_EQ(groupText({1, 12, 33}), "01-12-33");

    test::TempFolder home;
    Workspace ws(home.path());
    test::setUpSsq(ws);
    const int32_t* newest = ws.sjk.record(ws.sjk.RecordCount());
    const auto winning = winningNumbersOfPeriod(ws, std::to_string(newest[0]));
    ASSERT_TRUE(winning);
    EXPECT_EQ(winning->main.size(), 6u);
    ASSERT_EQ(winning->secondary.size(), 1u);
    EXPECT_EQ(winning->secondary[0], newest[7]);
    EXPECT_FALSE(winningNumbersOfPeriod(ws, std::to_string(newest[0]).substr(0, 6)));
    EXPECT_FALSE(winningNumbersOfPeriod(ws, "1990001"));
}

}  // namespace
}  // namespace lottodesk
