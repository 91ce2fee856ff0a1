#include <gtest/gtest.h>

#include "core/gbk.h"
#include "core/gbktext.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

TEST(GbkText, ReadsReportsAsUtf8WithPlainLineEnds) {
    test::TempFolder home;
    const std::string path = home.file("showcond.txt");
    test::writeFile(path, utf8ToGbk("可选红号：1，2，\r\n指标过滤设置：\r\n和值：70，71，\r\n"));
    const GbkText read = readGbkText(path);
    ASSERT_TRUE(read.status);
    EXPECT_EQ(read.text, "可选红号：1，2，\n指标过滤设置：\n和值：70，71，\n");
    EXPECT_FALSE(read.cut);
}

TEST(GbkText, MissingOrUnreadableFilesSaySo) {
    test::TempFolder home;
    const GbkText missing = readGbkText(home.file("none.txt"));
    EXPECT_FALSE(missing.status);
    EXPECT_EQ(missing.status.message, "找不到文件：" + home.file("none.txt"));
    const GbkText empty = readGbkText(home.file("none.txt"), true);
    EXPECT_TRUE(empty.status);
    EXPECT_EQ(empty.text, "");
    const GbkText folder = readGbkText(home.path());
    EXPECT_FALSE(folder.status);
}

TEST(GbkText, SavingWhatWasReadLosesNoByte) {
    test::TempFolder home;
    const std::string path = home.file("notes.txt");
    // A damaged byte (0x81 alone at the end of a line), a lone CR, LF alone and CR LF.
    const std::string bytes = "\xbc\xc7\xca\xc2\x81\r\nline\rtwo\nend";
    test::writeFile(path, bytes);
    const GbkText read = readGbkText(path);
    ASSERT_TRUE(read.status);
    EXPECT_EQ(read.text.substr(0, 6), "记事");
    ASSERT_TRUE(saveGbkText(path, read.text));
    EXPECT_EQ(test::readFile(path), "\xbc\xc7\xca\xc2\x81\r\nline\r\ntwo\r\nend");
    EXPECT_EQ(readGbkText(path).text, read.text);

    ASSERT_TRUE(saveGbkText(path, "第一行\n第二行\r\n"));
    EXPECT_EQ(test::readFile(path), utf8ToGbk("第一行\r\n第二行\r\n"));
}

TEST(GbkText, AFileTooLargeToShowIsCutAndMarked) {
    test::TempFolder home;
    const std::string path = home.file("big.txt");
    test::writeFile(path, std::string(kMaxShownTextBytes + 10, 'x'));
    const GbkText read = readGbkText(path);
    ASSERT_TRUE(read.status);
    EXPECT_TRUE(read.cut);
    EXPECT_EQ(read.text.substr(0, 3), "xxx");
    EXPECT_NE(read.text.find("文件太大"), std::string::npos);
}

}  // namespace
}  // namespace lottodesk
