#include <gtest/gtest.h>

#include "core/partition.h"
#include "indicators/numberprops.h"
#include "indicators/zoneexplain.h"

namespace lottodesk {
namespace {

TEST(NumberProperties, PrimesCountOneAndRejectNonPositives) {
    const std::pair<int, bool> cases[] = {{0, false},
                                          {1, true},
                                          {2, true},
                                          {3, true},
                                          {4, false},
                                          {9, false},
                                          {31, true},
                                          {33, false},
                                          {-3, false},
                                          {-1, false},
                                          // near 2^31 the trial divisor's square must not overflow
                                          {2147483647, true},
                                          {2147483646, false},
                                          {2147483629, true},
                                          {2147395600, false} /* 46340^2 */,
                                          {INT32_MIN, false}};
    for (auto [n, prime] : cases) EXPECT_EQ(is_prime(n), prime) << n;
}

TEST(NumberProperties, RemaindersTruncateTowardZero) {
    EXPECT_EQ(tail(27), 7);
    EXPECT_EQ(tail(-27), -7);
    EXPECT_EQ(route(-4), -1);
    EXPECT_FALSE(isOdd(-3)) << "n mod 2 = -1 is neither odd nor even";
    EXPECT_FALSE(isEven(-3));
    EXPECT_EQ(tailClass(2), 0);
    EXPECT_EQ(tailClass(13), 1);
    EXPECT_EQ(tailClass(29), 2);
    EXPECT_EQ(tailClass(-7), 0) << "a negative value's tail class is small";
    EXPECT_TRUE(isHighTail(15));
    EXPECT_FALSE(isHighTail(14));
}

TEST(NumberProperties, BigNumberAndSmallZoneRules) {
    ZonePartitions p;
    GameParams ssq{6, 1, 33, 1, 1, 16, true};
    p.rebuild(ssq.zh_to);
    EXPECT_FALSE(isBigNumber(16, ssq));
    EXPECT_TRUE(isBigNumber(17, ssq));
    EXPECT_TRUE(isSmallZone(16, p));
    EXPECT_FALSE(isSmallZone(17, p));

    GameParams digits{5, 0, 9, 0, 0, 0, false};
    p.rebuild(digits.zh_to);
    EXPECT_EQ(bigNumberThreshold(digits), 5);  // big = 6..9
    EXPECT_FALSE(isBigNumber(5, digits));
    EXPECT_TRUE(isSmallZone(4, p));  // zones 1-4 and 5-9
    EXPECT_FALSE(isSmallZone(5, p));
}

TEST(Partitions, SplitAsEvenlyAsPossibleWithTheWiderZonesLast) {
    struct Case {
        int N, lo, hi;
        std::vector<int> bounds;
    } cases[] = {
        {2, 1, 33, {0, 16, 33}},        {3, 1, 33, {0, 11, 22, 33}},
        {4, 1, 33, {0, 8, 16, 24, 33}}, {5, 1, 33, {0, 6, 12, 19, 26, 33}},
        {3, 1, 35, {0, 11, 23, 35}},    {2, 1, 9, {0, 4, 9}},
        {4, -5, 5, {-6, -4, -1, 2, 5}}, {3, 0, 1, {-1, -1, 0, 1}},
    };
    for (const Case& c : cases) {
        std::vector<int> b(c.N + 1);
        partition(c.N, c.lo, c.hi, b.data());
        EXPECT_EQ(b, c.bounds) << c.N << " zones of " << c.lo << ".." << c.hi;
    }
}

TEST(Partitions, ZoneOfANumber) {
    ZonePartitions p;
    p.rebuild(33);
    EXPECT_EQ(p.zoneOf(3, 11), 1);
    EXPECT_EQ(p.zoneOf(3, 12), 2);
    EXPECT_EQ(p.zoneOf(3, 33), 3);
    EXPECT_EQ(p.zoneOf(3, 0), 0);
    EXPECT_EQ(p.zoneOf(3, 34), 4);
}

TEST(ZoneExplanation, ListsEveryPartition) {
    ZonePartitions p;
    p.rebuild(33);
    const std::string text = zonePartitionText(p);
    EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1)),
              "(二区的分区设定)\n小区<1..16>          大区<17..33>");
    EXPECT_NE(text.find("(三区的分区设定)\n一区<1..11>          二区<12..22>          三区<23..33>"),
              std::string::npos);
    EXPECT_NE(text.find("(六区的分区设定)\n一区<1..5>          二区<6..10>          三区<11..15>          "
                        "四区<16..21>          五区<22..27>         六区<28..33>\n"),
              std::string::npos);
    EXPECT_NE(text.find("(十五区的分区设定)\n一区<1..2>"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 27);
}

}  // namespace
}  // namespace lottodesk
