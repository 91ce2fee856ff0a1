#include <gtest/gtest.h>

#include <set>

#include "generator/twozone.h"

namespace lottodesk {
namespace {

std::vector<Ticket> numbered(int count, int first) {
    std::vector<Ticket> tickets;
    for (int i = 0; i < count; ++i) {
        Ticket t{};
        t[0] = static_cast<uint8_t>(first + i % 200);
        t[1] = static_cast<uint8_t>(i / 200);
        tickets.push_back(t);
    }
    return tickets;
}

TEST(Match, SequentialCyclesTheSecondaryResults) {
    RandomSource random(1);
    const MatchOutcome outcome =
        matchZones(numbered(5, 1), 1, numbered(2, 1), 1, MatchStyle::Sequential, random, "蓝号");
    ASSERT_TRUE(outcome.status);
    std::vector<std::pair<int, int>> pairs;
    for (const TwoZoneTicket& t : outcome.tickets) pairs.emplace_back(t.main[0], t.secondary[0]);
    EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 1}, {4, 2}, {5, 1}}));
    EXPECT_EQ(outcome.statusText, "超强组号  已得到双区组合数有5个");
}

TEST(Match, LimitsAndEmptyZones) {
    RandomSource random(1);
    struct Case {
        int p, q;
        MatchStyle style;
        const char* message;  // empty: accepted
        size_t tickets;
    };
    const std::vector<Case> cases = {
        {1000, 51, MatchStyle::All, kTwoZoneLimitMessage, 0},
        {1000, 50, MatchStyle::All, "", 50000},
        {50001, 1, MatchStyle::Sequential, kTwoZoneLimitMessage, 0},
        {50000, 3, MatchStyle::Random, "", 50000},
        {0, 3, MatchStyle::Sequential, kNoMainResultsMessage, 0},
        {0, 0, MatchStyle::All, kNoMainResultsMessage, 0},
        {3, 0, MatchStyle::All, "蓝号没有过滤结果，请先得出蓝号过滤结果", 0},
    };
    for (const Case& c : cases) {
        const MatchOutcome outcome = matchZones(numbered(c.p, 1), 2, numbered(c.q, 1), 2, c.style, random, "蓝号");
        EXPECT_EQ(outcome.status.message, c.message) << c.p << "x" << c.q;
        EXPECT_EQ(outcome.tickets.size(), c.tickets) << c.p << "x" << c.q;
    }
    // The product is taken in 64 bits: 65,536 × 65,536 wraps to 0 in 32.
    const MatchOutcome huge = matchZones(numbered(40000, 1), 1, numbered(65536, 1), 1, MatchStyle::All, random, "蓝号");
    EXPECT_EQ(huge.status.message, kTwoZoneLimitMessage);
}

TEST(Match, AllCombinationsMainOuterAndRandomFromTheList) {
    RandomSource random(5);
    const MatchOutcome all = matchZones(numbered(2, 1), 1, numbered(3, 7), 1, MatchStyle::All, random, "蓝号");
    std::vector<std::pair<int, int>> pairs;
    for (const TwoZoneTicket& t : all.tickets) pairs.emplace_back(t.main[0], t.secondary[0]);
    EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{1, 7}, {1, 8}, {1, 9}, {2, 7}, {2, 8}, {2, 9}}));

    RandomSource a(42), b(42);
    const MatchOutcome first = matchZones(numbered(300, 1), 1, numbered(4, 1), 1, MatchStyle::Random, a, "蓝号");
    const MatchOutcome again = matchZones(numbered(300, 1), 1, numbered(4, 1), 1, MatchStyle::Random, b, "蓝号");
    EXPECT_EQ(first.tickets, again.tickets) << "a seed gives the same tickets";
    std::set<int> seen;
    for (const TwoZoneTicket& t : first.tickets) seen.insert(t.secondary[0]);
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4}));
}

TEST(PickTwoZones, DistinctAscendingWithinRange) {
    RandomSource random(9);
    const std::vector<TwoZoneTicket> tickets = randomTwoZoneTickets(5, 35, 2, 12, 2000, random);
    ASSERT_EQ(tickets.size(), 2000u);
    std::set<std::pair<int, int>> secondaryPairs;
    for (const TwoZoneTicket& t : tickets) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_GE(t.main[i], 1);
            EXPECT_LE(t.main[i], 35);
            if (i > 0) {
                EXPECT_LT(t.main[i - 1], t.main[i]);
            }
        }
        EXPECT_GE(t.secondary[0], 1);
        EXPECT_LT(t.secondary[0], t.secondary[1]) << "the smaller first, never equal";
        EXPECT_LE(t.secondary[1], 12);
        EXPECT_EQ(t.main[5], 0);
        secondaryPairs.emplace(t.secondary[0], t.secondary[1]);
    }
    EXPECT_EQ(secondaryPairs.size(), 66u) << "2,000 draws reach every one of the 66 pairs";
    RandomSource same(9);
    EXPECT_EQ(randomTwoZoneTickets(5, 35, 2, 12, 2000, same), tickets);
    EXPECT_TRUE(randomTwoZoneTickets(6, 5, 1, 16, 3, random).empty());
    EXPECT_TRUE(randomTwoZoneTickets(6, 33, 2, 1, 3, random).empty());
    const auto one = randomTwoZoneTickets(6, 33, 1, 16, 3, random);
    ASSERT_EQ(one.size(), 3u);
    EXPECT_EQ(one[0].secondary[1], 0);
}

TEST(TwoZoneFile, RoundTripShortLinesAndBadFields) {
    RandomSource random(3);
    const std::vector<TwoZoneTicket> tickets = randomTwoZoneTickets(6, 33, 1, 16, 20, random);
    const std::string text = encodeTwoZoneText(tickets, 6, 1);
    EXPECT_EQ(text.substr(21, 2), "\r\n");
    EXPECT_EQ(text.size(), 20u * 23u);
    const TwoZoneParse parsed = parseTwoZoneText(text, 6, 1);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.tickets, tickets);

    const TwoZoneParse shortLine = parseTwoZoneText("01 02 03\n\n04 05 06 07 08 09 10 11 12\n", 6, 1);
    ASSERT_TRUE(shortLine.ok());
    ASSERT_EQ(shortLine.tickets.size(), 2u);
    EXPECT_EQ(shortLine.tickets[0].main[3], 0) << "missing numbers are 0";
    EXPECT_EQ(shortLine.tickets[0].secondary[0], 0);
    EXPECT_EQ(shortLine.tickets[1].secondary[0], 10) << "the rest of a line is skipped";

    for (const char* bad :
         {"01 02 03 04 05 06 07\r\n01 02 x3 04 05 06 07\r\n", "01 02 03 04 05 06 256\n", "01 02 03 04 05 06 -1\n"}) {
        const TwoZoneParse refused = parseTwoZoneText(bad, 6, 1);
        EXPECT_FALSE(refused.ok()) << bad;
        EXPECT_TRUE(refused.tickets.empty());
    }
    EXPECT_EQ(parseTwoZoneText("01 02 03 04 05 06 07\r\n01 02 x3\r\n", 6, 1).error, "组号文件第2行有误：x3");
    std::string tooMany;
    for (int i = 0; i <= kMaxTwoZoneTickets; ++i) tooMany += "01 02 03 04 05 06 07\n";
    EXPECT_EQ(parseTwoZoneText(tooMany, 6, 1).error, kTwoZoneLimitMessage);
}

// "+" between the zones, as `reward --draw` takes a draw; the writer keeps its plain form.
TEST(TwoZoneFile, PlusBetweenTheZones) {
    struct Case {
        const char* text;
        int m, h;
        bool reads;
        std::vector<int> secondary;  // of the one ticket read
    };
    const Case cases[] = {
        {"01 02 03 04 05 06 + 07\r\n", 6, 1, true, {7}}, {"01 02 03 04 05 06+07\r\n", 6, 1, true, {7}},
        {"01 02 03 04 05 06 +07", 6, 1, true, {7}},      {"\t01 02 03 04 05\t+\t11 12", 5, 2, true, {11, 12}},
        {"01 02 03 04 05 06 07 +", 6, 1, true, {7}},  // after the ticket: the rest of the line
        {"01 02 03 04 05 06 +", 6, 0, true, {}},      // no secondary zone: the ticket ends first
        {"01 02 03 04 05 + 06 07\r\n", 6, 1, false, {}}, {"01 02 03 04 05 06 + + 07\r\n", 6, 1, false, {}},
        {"+ 01 02 03 04 05 06 07", 6, 1, false, {}},     {"01 02 03 04 05 06 07 + 08", 6, 2, false, {}},
        {"01 02 03 + 04 05", 5, 0, false, {}},
    };
    for (const Case& c : cases) {
        const TwoZoneParse parsed = parseTwoZoneText(c.text, c.m, c.h);
        if (!c.reads) {
            EXPECT_FALSE(parsed.ok()) << c.text;
            EXPECT_TRUE(parsed.tickets.empty()) << c.text;
            continue;
        }
        ASSERT_TRUE(parsed.ok()) << c.text << ": " << parsed.error;
        ASSERT_EQ(parsed.tickets.size(), 1u) << c.text;
        EXPECT_EQ(parsed.tickets[0].main[0], 1) << c.text;
        for (size_t i = 0; i < c.secondary.size(); ++i)
            EXPECT_EQ(parsed.tickets[0].secondary[i], c.secondary[i]) << c.text;
    }
    EXPECT_EQ(parseTwoZoneText("01 02 03 04 05 06 07\r\n01 02 03 04 05 + 06 07\r\n", 6, 1).error,
              "组号文件第2行有误：“+”只能写在第6个号码（主号）与副号之间");
    // Checked as tickets of the game, a "+" line reads as the plain one and writes back plain.
    const GameParams dlt{5, 1, 35, 2, 1, 12, true};
    const TwoZoneParse plus = parseTwoZoneText("01 02 03 04 05 + 11 12\r\n", 5, 2, &dlt);
    ASSERT_TRUE(plus.ok()) << plus.error;
    EXPECT_EQ(encodeTwoZoneText(plus.tickets, 5, 2), "01 02 03 04 05 11 12 \r\n");
}

}  // namespace
}  // namespace lottodesk
