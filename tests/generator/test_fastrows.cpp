#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

#include "generator/conditioncatalogue.h"
#include "generator/fastrows.h"
#include "support/games.h"
#include "support/history.h"

namespace lottodesk {
namespace {

// Every table-driven row gives what the general indicator computation gives.
TEST(FastRows, AgreeWithTheGeneralComputation) {
    struct Game {
        GameParams game;
        int draws;  // records of the real history the ticket follows
    } games[] = {{{6, 1, 33, 1, 1, 16, true}, 3493},
                 {{6, 1, 33, 1, 1, 16, true}, 40},
                 {{5, 1, 35, 2, 1, 12, true}, 500},
                 {{7, 1, 30, 1, 1, 30, true}, 300}};
    t_s_dm store;
    test::fillSsq(store);
    std::mt19937 random(11);
    for (const Game& g : games) {
        ZonePartitions partitions;
        partitions.rebuild(g.game.zh_to);
        ColdHotSettings settings;
        DrawRecord candidate{};
        candidate[0] = kCandidatePeriod;
        SeriesMemo memo;
        memo.prepare(1, g.game, settings);
        IndicatorContext ctx{DrawHistory{store.record(0), g.draws, candidate.data()}, g.game, &partitions, settings,
                             &memo};
        FastRows fast(ctx, g.game.zhgs);
        for (int trial = 0; trial < 400; ++trial) {
            std::vector<int32_t> numbers;
            for (int n = 1; n <= g.game.zh_to; ++n) numbers.push_back(n);
            std::shuffle(numbers.begin(), numbers.end(), random);
            numbers.resize(g.game.zhgs);
            std::sort(numbers.begin(), numbers.end());
            for (int i = 0; i < g.game.zhgs; ++i) candidate[i + 1] = numbers[i];
            FastTicket ticket{numbers.data(), g.game.zhgs, 0, 0};
            for (int32_t n : numbers) {
                ticket.mask |= uint64_t{1} << n;
                ticket.sum += n;
            }
            for (int row = 1; row <= kCatalogueRows; ++row) {
                const ConditionRow* condition = conditionRow(row);
                if (!fast.covers(row) || !condition || !condition->item) continue;
                const int32_t value = fast.value(row, ticket);
                ASSERT_EQ(value, conditionValue(*condition, ctx, g.draws + 1))
                    << "row " << row << " (" << condition->id << ") zhgs " << g.game.zhgs << " after " << g.draws;
                // What the enumeration's bounds rely on: a count row counts its set, a sum-only row
                // reads nothing but the sum.
                if (uint64_t set = 0; fast.countSet(row, set)) {
                    ASSERT_EQ(value, std::popcount(ticket.mask & set)) << row;
                }
                if (fast.sumOnly(row)) {
                    const int32_t unread[7] = {};
                    ASSERT_EQ(value, fast.value(row, FastTicket{unread, g.game.zhgs, 0, ticket.sum})) << row;
                }
            }
        }
    }
}

// The same on every sample game's own history: the columns of a seven-number game (七乐彩's
// seventh number, its differences 7_k) and the two secondary numbers of 超级大乐透 read draws of
// their own shape, the full history and a short one.
class FastRowsOnEveryGame : public ::testing::TestWithParam<test::SampleGame> {};

TEST_P(FastRowsOnEveryGame, AgreeWithTheGeneralComputation) {
    const test::SampleGame& g = GetParam();
    t_s_dm store;
    test::fillSample(store, g);
    std::mt19937 random(7);
    for (const int draws : {store.RecordCount(), 40}) {
        const ZonePartitions partitions = test::partitionsOf(g.game);
        ColdHotSettings settings;
        DrawRecord candidate{};
        candidate[0] = kCandidatePeriod;
        SeriesMemo memo;
        memo.prepare(1, g.game, settings);
        IndicatorContext ctx{DrawHistory{store.record(0), draws, candidate.data()}, g.game, &partitions, settings,
                             &memo};
        FastRows fast(ctx, g.game.zhgs);
        std::vector<int32_t> numbers;
        for (int n = 1; n <= g.game.zh_to; ++n) numbers.push_back(n);
        for (int trial = 0; trial < 150; ++trial) {
            std::shuffle(numbers.begin(), numbers.end(), random);
            std::vector<int32_t> ticketNumbers(numbers.begin(), numbers.begin() + g.game.zhgs);
            std::sort(ticketNumbers.begin(), ticketNumbers.end());
            FastTicket ticket{ticketNumbers.data(), g.game.zhgs, 0, 0};
            for (int i = 0; i < g.game.zhgs; ++i) {
                candidate[static_cast<size_t>(i + 1)] = ticketNumbers[static_cast<size_t>(i)];
                ticket.mask |= uint64_t{1} << ticketNumbers[static_cast<size_t>(i)];
                ticket.sum += ticketNumbers[static_cast<size_t>(i)];
            }
            for (int row = 1; row <= kCatalogueRows; ++row) {
                const ConditionRow* condition = conditionRow(row);
                if (!fast.covers(row) || !condition || !condition->item) continue;
                ASSERT_EQ(fast.value(row, ticket), conditionValue(*condition, ctx, draws + 1))
                    << g.name << " row " << row << " (" << condition->id << ") after " << draws << " draws";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SampleGames, FastRowsOnEveryGame, ::testing::ValuesIn(test::sampleGames()),
                         [](const auto& info) { return std::string(info.param.name); });

// A damaged last draw holding the extremes of 32 bits: the table rows wrap as the general
// computation does, without overflow.
TEST(FastRows, DamagedPreviousDrawAtTheLimitsOf32Bits) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 7}, {INT32_MIN, 2, 3, 4, INT32_MAX, INT32_MAX, 7}});
    const GameParams game{6, 1, 33, 1, 1, 16, true};
    ZonePartitions partitions;
    partitions.rebuild(game.zh_to);
    DrawRecord candidate{};
    candidate[0] = kCandidatePeriod;
    std::vector<int32_t> numbers = {1, 5, 9, 20, 30, 33};
    std::copy(numbers.begin(), numbers.end(), candidate.begin() + 1);
    SeriesMemo memo;
    memo.prepare(1, game, ColdHotSettings{});
    IndicatorContext ctx{DrawHistory{store.record(0), 2, candidate.data()}, game, &partitions, ColdHotSettings{},
                         &memo};
    FastRows fast(ctx, 6);
    FastTicket ticket{numbers.data(), 6, 0, 0};
    for (int32_t n : numbers) {
        ticket.mask |= uint64_t{1} << n;
        ticket.sum += n;
    }
    for (int row = 1; row <= kCatalogueRows; ++row) {
        const ConditionRow* condition = conditionRow(row);
        if (!fast.covers(row) || !condition || !condition->item) continue;
        EXPECT_EQ(fast.value(row, ticket), conditionValue(*condition, ctx, 3))
            << "row " << row << " (" << condition->id << ")";
    }
}

}  // namespace
}  // namespace lottodesk
