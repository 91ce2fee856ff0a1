#include <gtest/gtest.h>

#include "core/gbk.h"

namespace lottodesk {
namespace {

TEST(Gbk, ConvertsBothWays) {
    EXPECT_EQ(utf8ToGbk("双色球"), "\xCB\xAB\xC9\xAB\xC7\xF2");
    EXPECT_EQ(gbkToUtf8("\xCB\xAB\xC9\xAB\xC7\xF2"), "双色球");
    EXPECT_EQ(utf8ToGbk("abc 123"), "abc 123");
    EXPECT_EQ(gbkToUtf8(""), "");
}

TEST(Gbk, BadInputNeverFails) {
    EXPECT_EQ(utf8ToGbk("a\xF0\x9F\x8E\xB2z"), "a?z");       // an emoji has no GBK form
    EXPECT_EQ(utf8ToGbk("a\xFFz"), "a?z");                   // not UTF-8
    EXPECT_EQ(gbkToUtf8("\xCB\xAB\xC9"), "双\xEF\xBF\xBD");  // half a character at the end
    EXPECT_EQ(gbkToUtf8("\xFFx"), "\xEF\xBF\xBDx");
}

TEST(Gbk, TruncationKeepsWholeCharacters) {
    const std::string gbk = utf8ToGbk("a双色球");  // 1 + 6 bytes
    EXPECT_EQ(truncateGbk(gbk, 7), gbk);
    EXPECT_EQ(truncateGbk(gbk, 6), gbk.substr(0, 5));
    EXPECT_EQ(truncateGbk(gbk, 2), "a");
    EXPECT_EQ(truncateGbk(gbk, 0), "");
    EXPECT_EQ(truncateGbk("\xCB", 5), "") << "a lone lead byte is dropped";
}

TEST(Gbk, KeepingConversionLosesNoByte) {
    const std::string damaged = "\xBA\xCD\xA1\xFF\x80 ok \x81";
    size_t invalidAt = 0;
    const std::string utf8 = gbkToUtf8Keeping(damaged, &invalidAt);
    EXPECT_EQ(invalidAt, 2u);
    EXPECT_EQ(utf8.substr(0, 3), "和");
    EXPECT_EQ(utf8ToGbkKeeping(utf8), damaged);
    gbkToUtf8Keeping("\xBA\xCD plain", &invalidAt);
    EXPECT_EQ(invalidAt, std::string::npos);
    EXPECT_EQ(utf8ToGbkKeeping("和\xF0\x9F\x98\x80"), "\xBA\xCD?") << "text GBK lacks still becomes '?'";
}

}  // namespace
}  // namespace lottodesk
