#include <gtest/gtest.h>

#include "analysis/numberformat.h"

namespace lottodesk {
namespace {

TEST(NumberFormat, SharesRoundHalfToEvenInTheShortestForm) {
    struct Case {
        int64_t part, whole;
        const char* text;
    };
    const Case cases[] = {
        {1, 8, "12.5%"},   // exact
        {1, 16, "6.2%"},   // 6.25: the half goes to the even digit
        {3, 16, "18.8%"},  // 18.75
        {1, 3, "33.3%"},   {2, 3, "66.7%"},     {0, 5, "0%"},
        {5, 5, "100%"},    {301, 600, "50.2%"}, {3, 0, ""},  // an empty window: blank, no division
        {-1, 8, "-12.5%"},
    };
    for (const Case& c : cases) EXPECT_EQ(shareText(c.part, c.whole), c.text) << c.part << "/" << c.whole;
}

TEST(NumberFormat, AveragesAndBars) {
    EXPECT_EQ(averageText(502, 100, 1), "5");
    EXPECT_EQ(averageText(21, 10, 1), "2.1");
    EXPECT_EQ(averageText(225, 100, 1), "2.2");  // 2.25 to even
    EXPECT_EQ(averageText(235, 100, 1), "2.4");  // 2.35 to even
    EXPECT_EQ(averageText(121, 25, 2), "4.84");
    EXPECT_EQ(averageText(513, 5, 2), "102.6");
    EXPECT_EQ(averageText(1, 3, 2), "0.33");
    EXPECT_EQ(averageText(-1, 4, 1), "-0.2");
    EXPECT_EQ(averageText(7, 0, 2), "");
    EXPECT_EQ(shortestDecimal(-25, 2), "-0.25");
    EXPECT_EQ(shortestDecimal(1005, 3), "1.005");

    EXPECT_EQ(shareBar(1, 2), 35);
    EXPECT_EQ(shareBar(1, 4), 18);  // 17.5 to even
    EXPECT_EQ(shareBar(3, 4), 52);  // 52.5 to even
    EXPECT_EQ(shareBar(1, 0), 0);
    EXPECT_EQ(twoDigits(7), "07");
    EXPECT_EQ(twoDigits(49), "49");
}

}  // namespace
}  // namespace lottodesk
