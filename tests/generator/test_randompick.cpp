#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "generator/numberlist.h"
#include "generator/randompick.h"
#include "core/randomsource.h"

namespace lottodesk {
namespace {

TEST(RandomSource, ASeedGivesFixedNumbers) {
    // The values are part of the contract: a seed gives the same tickets on every platform.
    RandomSource a(42), b(42), c(43);
    std::vector<uint64_t> first;
    for (int i = 0; i < 5; ++i) first.push_back(a.next());
    for (uint64_t value : first) EXPECT_EQ(b.next(), value);
    EXPECT_NE(c.next(), first[0]);
    RandomSource zero(0);
    EXPECT_EQ(zero.next(), 0x99EC5F36CB75F2B4ULL);
}

TEST(RandomSource, BoundedDrawsAreInRangeAndEven) {
    RandomSource random(7);
    std::vector<int> counts(6, 0);
    for (int i = 0; i < 60000; ++i) {
        const uint64_t v = random.below(6);
        ASSERT_LT(v, 6u);
        ++counts[v];
    }
    for (int c : counts) EXPECT_NEAR(c, 10000, 400);
    EXPECT_EQ(random.below(1), 0u);
    const uint64_t huge = (uint64_t{1} << 63) + 1;  // most draws above it are rejected
    for (int i = 0; i < 100; ++i) EXPECT_LT(random.below(huge), huge);
}

TEST(RandomTickets, AreTicketsOfTheGameAndUniform) {
    RandomSource random(1);
    const std::vector<Ticket> tickets = randomTickets(6, 33, 3000, random);
    ASSERT_EQ(tickets.size(), 3000u);
    std::vector<int> hits(34, 0);
    for (const Ticket& t : tickets) {
        for (int i = 0; i < 6; ++i) {
            ASSERT_GE(t[i], 1);
            ASSERT_LE(t[i], 33);
            if (i > 0) {
                ASSERT_LT(t[i - 1], t[i]);
            }
            ++hits[t[i]];
        }
        EXPECT_EQ(t[6], 0);
    }
    for (int n = 1; n <= 33; ++n) EXPECT_NEAR(hits[n], 3000 * 6 / 33, 90) << n;
    // Every 2-of-4 ticket appears about equally often.
    std::map<std::pair<int, int>, int> pairs;
    for (const Ticket& t : randomTickets(2, 4, 6000, random)) ++pairs[{t[0], t[1]}];
    ASSERT_EQ(pairs.size(), 6u);
    for (const auto& [pair, count] : pairs) EXPECT_NEAR(count, 1000, 120);
}

TEST(RandomTickets, EveryGameShapeAndTheEdges) {
    RandomSource random(3);
    for (auto [m, N] : {std::pair{5, 35}, {7, 30}, {6, 49}, {1, 1}, {3, 3}}) {
        const std::vector<Ticket> tickets = randomTickets(m, N, 20, random);
        ASSERT_EQ(tickets.size(), 20u);
        for (const Ticket& t : tickets) {
            std::set<int> distinct(t.begin(), t.begin() + m);
            EXPECT_EQ(static_cast<int>(distinct.size()), m);
            EXPECT_GE(*distinct.begin(), 1);
            EXPECT_LE(*distinct.rbegin(), N);
        }
    }
    EXPECT_TRUE(randomTickets(6, 5, 10, random).empty());
    EXPECT_TRUE(randomTickets(0, 33, 10, random).empty());
    EXPECT_TRUE(randomTickets(6, 33, 0, random).empty());
    RandomSource a(99), b(99);
    EXPECT_EQ(randomTickets(6, 33, 50, a), randomTickets(6, 33, 50, b));
}

TEST(PickFromResults, KeepsASampleWithTheirTags) {
    std::vector<Ticket> tickets(100);
    std::vector<uint8_t> tags(100);
    for (uint8_t i = 0; i < 100; ++i) {
        tickets[i][0] = i;
        tags[i] = i;
    }
    RandomSource random(5);
    std::vector<Ticket> few = tickets;
    std::vector<uint8_t> fewTags = tags;
    pickFromResults(few, fewTags, 10, random);
    ASSERT_EQ(few.size(), 10u);
    std::set<int> seen;
    for (size_t i = 0; i < few.size(); ++i) {
        EXPECT_EQ(few[i][0], fewTags[i]) << "tags move with their tickets";
        seen.insert(few[i][0]);
    }
    EXPECT_EQ(seen.size(), 10u);

    // Fewer results than asked: all of them, shuffled.
    std::vector<Ticket> all = tickets;
    std::vector<uint8_t> allTags = tags;
    pickFromResults(all, allTags, 9999, random);
    ASSERT_EQ(all.size(), 100u);
    EXPECT_NE(all, tickets);
    std::vector<Ticket> sorted = all;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, tickets);
    for (size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i][0], allTags[i]);

    // Each ticket is equally likely to come first.
    std::vector<int> firsts(5, 0);
    for (int trial = 0; trial < 5000; ++trial) {
        std::vector<Ticket> five(tickets.begin(), tickets.begin() + 5);
        std::vector<uint8_t> fiveTags(tags.begin(), tags.begin() + 5);
        pickFromResults(five, fiveTags, 1, random);
        ++firsts[five[0][0]];
    }
    for (int c : firsts) EXPECT_NEAR(c, 1000, 130);

    std::vector<Ticket> none;
    std::vector<uint8_t> noTags;
    pickFromResults(none, noTags, 10, random);
    EXPECT_TRUE(none.empty());
}

TEST(NumberList, ReadsTypedNumbers) {
    EXPECT_EQ(parseNumberList("01 05,12\t3", 1, 33).numbers, (std::vector<int>{1, 3, 5, 12}));
    EXPECT_TRUE(parseNumberList("   ", 1, 33).ok());
    EXPECT_TRUE(parseNumberList("", 1, 33).numbers.empty());
}

TEST(NumberList, RejectsMalformedText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1 2 x", "“x”不是号码"},
        {"1 2.5", "“2.5”不是号码"},
        {"1 -2", "号码-2超出范围1..49"},
        {"0 5", "号码0超出范围1..49"},
        {"50", "号码50超出范围1..49"},
        {"99999999999", "“99999999999”不是号码"},
        {"7 3 7", "号码7重复"},
        {"1+2", "“1+2”不是号码"},
        {std::string("1\0 2", 4), "“" + std::string("1\0", 2) + "”不是号码"},
    };
    for (const auto& [text, message] : cases) {
        const NumberListParse parse = parseNumberList(text, 1, 49);
        EXPECT_FALSE(parse.ok()) << text;
        EXPECT_EQ(parse.error, message) << text;
        EXPECT_TRUE(parse.numbers.empty());
    }
}

}  // namespace
}  // namespace lottodesk
