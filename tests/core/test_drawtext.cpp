#include <gtest/gtest.h>

#include "core/drawtext.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

TEST(DrawText, ReadsPeriodAndNumbersPerLine) {
    DrawTextParse parsed = parseDrawText("2003001 10 11 12 13 26 28 11\r\n\r\n2003002\t04 09 19 20 21 26 12 99\n", 7);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(parsed.records[0][0], 2003001);
    EXPECT_EQ(parsed.records[0][7], 11);
    EXPECT_EQ(parsed.records[1][1], 4);
    EXPECT_EQ(parsed.records[1][7], 12);
    EXPECT_EQ(parsed.records[1][8], 0) << "numbers beyond the count are skipped";
}

TEST(DrawText, PeriodZeroEndsTheDraws) {
    DrawTextParse parsed = parseDrawText("2003001 1 2 3\n0\ngarbage after the end\n", 3);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.records.size(), 1u);
}

TEST(DrawText, BadLinesRejectTheWholeText) {
    struct Case {
        const char* text;
        const char* says;
    } cases[] = {
        {"2003001 1 2 3\n2003002 1 x 3\n", "第2行"},
        {"2003001 1 2\n", "应有期数和3个号码"},
        {"2003001 1 256 3\n", "0到255"},
        {"2003001 1 -1 3\n", "0到255"},
        {"2003001 1 2 99999999999\n", "不是整数"},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 "
         "39 40 41 42 43 44 45 46 47 48 49 50 51 52\n",
         "超过50个"},
    };
    for (const Case& c : cases) {
        DrawTextParse parsed = parseDrawText(c.text, 3);
        EXPECT_FALSE(parsed.ok()) << c.text;
        EXPECT_TRUE(parsed.records.empty());
        EXPECT_NE(parsed.error.find(c.says), std::string::npos) << parsed.error;
    }
}

TEST(DrawText, RealHistoryParses) {
    const std::string text = test::readFile(test::samplePath("ssq.txt"));
    DrawTextParse parsed = parseDrawText(text, 7);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.records.size(), 3493u);
    EXPECT_EQ(parsed.records.front()[0], 2003001);
    EXPECT_EQ(parsed.records.back()[0], 2026096);
}

TEST(DrawText, TwoDigitNumbers) {
    EXPECT_EQ(twoDigits(0), "00");
    EXPECT_EQ(twoDigits(7), "07");
    EXPECT_EQ(twoDigits(33), "33");
    EXPECT_EQ(twoDigits(255), "255");
}

}  // namespace
}  // namespace lottodesk

#include "core/integertext.h"

namespace lottodesk {
namespace {

TEST(IntegerText, AcceptsOnlyWholeIntegers) {
    EXPECT_EQ(parseInteger("33"), 33);
    EXPECT_EQ(parseInteger(" -7 "), -7);
    EXPECT_EQ(parseInteger("+5"), 5);
    for (const char* bad : {"", " ", "3a", "a3", "1.5", "99999999999", "--1", "+-2", "-+2", "+", "-", "１２"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
    EXPECT_EQ(notAnIntegerMessage("abc"), "“abc”不是有效的整数");
}

}  // namespace
}  // namespace lottodesk
