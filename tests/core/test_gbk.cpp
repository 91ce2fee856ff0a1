#include <gtest/gtest.h>

#include "core/gbk.h"
#include "core/gbktable.h"

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

// The one table serves both directions: every code GBK has decodes to a character that encodes
// back to the same bytes, on every system.
TEST(Gbk, EveryCodeRoundTripsThroughTheTable) {
    size_t characters = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            const uint16_t expected = gbktable::kDecode[(lead - 0x81) * gbktable::kTrailCount + (trail - 0x40)];
            const std::string utf8 = gbkToUtf8(code);
            if (expected == 0) {
                // No character: the lead byte is replaced and the trail read on its own.
                EXPECT_EQ(utf8.substr(0, 3), "\xEF\xBF\xBD") << std::hex << lead << trail;
                continue;
            }
            ++characters;
            ASSERT_EQ(utf8ToGbk(utf8), code) << std::hex << lead << trail;
            ASSERT_EQ(utf8ToGbkKeeping(gbkToUtf8Keeping(code)), code);
        }
    EXPECT_EQ(characters, 21791u);
    EXPECT_EQ(gbkToUtf8("\x80"), "€");
    EXPECT_EQ(utf8ToGbk("€"), "\x80");
}

TEST(Gbk, KnownCodes) {
    const std::pair<const char*, const char*> cases[] = {
        {"\xA1\xA1", "\u3000"}, {"\xB0\xA1", "啊"}, {"\xD6\xD0", "中"},       {"\xA3\xA8", "（"},
        {"\xA1\xA4", "·"},      {"\x81\x40", "丂"}, {"\xFE\x4F", "\uFA29"},  {"\xA8\xA4", "à"},
    };
    for (auto [gbk, utf8] : cases) {
        EXPECT_EQ(gbkToUtf8(gbk), utf8) << gbk;
        EXPECT_EQ(utf8ToGbk(utf8), gbk) << utf8;
    }
}

TEST(Gbk, MalformedUtf8BecomesQuestionMarks) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\xC0\x80z", "a?z"},                // an overlong form, both bytes one character
        {"a\xED\xA0\x80z", "a?z"},            // a surrogate
        {"a\xE4\xB8", "a?"},                   // cut at the end
        {"\xF4\x90\x80\x80!", "?!"},          // past the last plane
        {"a\xF3\xA0\x80\x81" "b", "ab"},        // a tag character is written as nothing
        {"\x80\xBF", "??"},                    // continuation bytes alone
    };
    for (const auto& [utf8, gbk] : cases) EXPECT_EQ(utf8ToGbk(utf8), gbk);
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
