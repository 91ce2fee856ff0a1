#include <gtest/gtest.h>

#include <numeric>

#include "generator/coveringtable.h"
#include "generator/wheelcheck.h"
#include "generator/wheeloptimiser.h"

namespace lottodesk {
namespace {

WheelPool poolOf(int from, int to, std::vector<int> fixed = {}) {
    WheelPool pool;
    pool.fixed = std::move(fixed);
    for (int n = from; n <= to; ++n)
        if (std::find(pool.fixed.begin(), pool.fixed.end(), n) == pool.fixed.end()) pool.choosable.push_back(n);
    return pool;
}

TEST(CoveringTable, ShipsTheBestKnownSizes) {
    const std::optional<CoveringBound> c = bestKnownCovering(12, 6, 5);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->lower, 132);
    EXPECT_EQ(c->upper, 132);
    EXPECT_EQ(bestKnownCovering(15, 6, 4)->upper, 117);
    EXPECT_EQ(bestKnownCovering(15, 6, 4)->lower, 93);
    EXPECT_EQ(bestKnownCovering(13, 6, 1)->upper, 3);  // ceil(13 / 6)
    EXPECT_EQ(bestKnownCovering(6, 6, 4)->upper, 1);
    EXPECT_FALSE(bestKnownCovering(45, 6, 5));  // the repository holds no value
    EXPECT_FALSE(bestKnownCovering(10, 9, 2));
    // With fixed numbers the wheel is a covering of the other numbers.
    EXPECT_EQ(bestKnownWheel(poolOf(1, 10, {1}), Guarantee::FourKeepFour)->upper, bestKnownCovering(9, 5, 3)->upper);
    EXPECT_FALSE(bestKnownWheel(poolOf(1, 10), Guarantee::SixKeepFive));
}

TEST(CoveringTable, RejectsMalformedText) {
    EXPECT_EQ(parseCoveringTable("v,k,t,lower,upper\r\n7,6,4,5,5\r\n8,6,4,7,7\n").rows.size(), 2u);
    EXPECT_TRUE(parseCoveringTable("").ok());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"h\n7,6,4,5\n", "覆盖表第2行有误"},
        {"h\n7,6,4,5,5,5\n", "覆盖表第2行有误"},
        {"h\n7,6,4,5,5\n7,6,x,5,5\n", "覆盖表第3行有误"},
        {"h\n7,6,4,9,5\n", "覆盖表第2行有误"},
        {"h\n7,6,4,,5\n", "覆盖表第2行有误"},
        {"h\n7,6,4,5,5,\n", "覆盖表第2行有误"},
        {"h\n-7,6,4,5,5\n", "覆盖表第2行有误"},
        {"h\n7 ,6,4,5,5\n", "覆盖表第2行有误"},
        {"h\n99999999999,6,4,5,5\n", "覆盖表第2行有误"},
    };
    for (const auto& [text, message] : cases) {
        const CoveringTableParse parse = parseCoveringTable(text);
        EXPECT_EQ(parse.error, message) << text;
        EXPECT_TRUE(parse.rows.empty());
    }
}

TEST(WheelOptimiser, ReachesTheBestKnownSizeOfSmallPools) {
    struct Case {
        WheelPool pool;
        Guarantee guarantee;
    };
    const std::vector<Case> cases = {
        {poolOf(1, 8), Guarantee::FourKeepFour},         // C(8,6,4) = 7
        {poolOf(1, 9), Guarantee::FourKeepFour},         // 12
        {poolOf(1, 8), Guarantee::FiveKeepFive},         // 12
        {poolOf(1, 10, {10}), Guarantee::FourKeepFour},  // C(9,5,3) = 12
    };
    for (const Case& c : cases) {
        const std::vector<Ticket> greedy = greedyWheel(c.pool, c.guarantee).tickets;
        OptimiseOptions options;
        options.seconds = 60;  // a bound; these take well under a second
        options.seed = 9;
        size_t reports = 0;
        options.progress = [&](const OptimiseProgress&) { ++reports; };
        const OptimiseResult result = optimiseWheel(c.pool, c.guarantee, greedy, options);
        ASSERT_TRUE(result.bestKnown);
        EXPECT_EQ(result.startSize, greedy.size());
        EXPECT_EQ(result.tickets.size(), static_cast<size_t>(result.bestKnown->upper));
        EXPECT_EQ(reports, greedy.size() - result.tickets.size());
        EXPECT_TRUE(checkWheel(result.tickets, c.pool, c.guarantee).ok);
    }
}

TEST(WheelOptimiser, LottoGuaranteesShrinkAndStayKept) {
    const WheelPool pool = poolOf(1, 11);
    for (Guarantee g : {Guarantee::SixKeepFour, Guarantee::FiveKeepFour, Guarantee::SixKeepFive}) {
        const std::vector<Ticket> greedy = greedyWheel(pool, g).tickets;
        OptimiseOptions options;
        options.seconds = 0.5;
        options.seed = 4;
        const OptimiseResult result = optimiseWheel(pool, g, greedy, options);
        EXPECT_FALSE(result.bestKnown);
        EXPECT_LE(result.tickets.size(), greedy.size());
        EXPECT_TRUE(checkWheel(result.tickets, pool, g).ok) << guaranteeRule(g).name;
    }
}

TEST(WheelOptimiser, CancelAndUnfitStartsReturnTheStart) {
    const WheelPool pool = poolOf(1, 12);
    const std::vector<Ticket> greedy = greedyWheel(pool, Guarantee::FourKeepFour).tickets;
    std::atomic<bool> cancel{true};
    OptimiseOptions options;
    options.cancel = &cancel;
    const OptimiseResult cancelled = optimiseWheel(pool, Guarantee::FourKeepFour, greedy, options);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.tickets, greedy);

    std::vector<Ticket> foreign = greedy;
    foreign[0][0] = 40;  // not a pool number
    options.cancel = nullptr;
    EXPECT_EQ(optimiseWheel(pool, Guarantee::FourKeepFour, foreign, options).tickets, foreign);
    // More fixed numbers than the guarantee needs: one ticket, nothing to search.
    const WheelPool fixed = poolOf(1, 12, {1, 2, 3, 4, 5});
    const std::vector<Ticket> one = greedyWheel(fixed, Guarantee::FourKeepFour).tickets;
    EXPECT_EQ(optimiseWheel(fixed, Guarantee::FourKeepFour, one, options).tickets, one);
}

}  // namespace
}  // namespace lottodesk
