#include <gtest/gtest.h>

#include "generator/resultfile.h"
#include "support/faultyfiles.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::FaultyFiles;

std::vector<Ticket> someTickets() {
    return {Ticket{1, 2, 3, 4, 5, 6}, Ticket{7, 8, 9, 10, 11, 12}, Ticket{28, 29, 30, 31, 32, 33}};
}

TEST(ResultFile, EveryLineEndAndAByteOrderMark) {
    for (const char* text : {"01 02 03 04 05 06 \r\n07 08 09 10 11 12 \r\n28 29 30 31 32 33 \r\n",
                             "01 02 03 04 05 06\n07 08 09 10 11 12\n28 29 30 31 32 33",
                             "01 02 03 04 05 06 \r07 08 09 10 11 12 \r\r28 29 30 31 32 33 \r",
                             "\xEF\xBB\xBF"
                             "01 02 03 04 05 06\r\n07\t08 09 10 11 12\r28 29 30 31 32 33\n"}) {
        const ResultTextParse parsed = parseResultText(text, 6);
        ASSERT_TRUE(parsed.ok()) << parsed.error;
        EXPECT_EQ(parsed.tickets, someTickets()) << text;
    }
    const ResultTextParse bad = parseResultText("01 02 03 04 05 06\r07 08 x 10 11 12\r", 6);
    EXPECT_EQ(bad.error, "组号文件第2行有误：x");
    EXPECT_TRUE(bad.tickets.empty());
    // A count beyond what a ticket holds never writes past it.
    EXPECT_TRUE(parseResultText("1 2 3 4 5 6 7 8 9 10 11 12\n", 60).ok());
}

// Each field is an integer of 0..255 however it is written; what follows the m-th field is not read.
TEST(ResultFile, FieldsTable) {
    struct Case {
        const char* text;
        const char* error;  // empty: parsed
        Ticket first;
    };
    const Case cases[] = {
        {"1 2 3\n", "", Ticket{1, 2, 3}},
        {"001 0002 255\n", "", Ticket{1, 2, 255}},
        {"1 2 3 junk after\n", "", Ticket{1, 2, 3}},
        {"  \t1\t\t2 3   \n", "", Ticket{1, 2, 3}},
        {"1 2\n", "", Ticket{1, 2, 0}},  // a short line keeps the numbers it has
        {"\n\n1 2 3", "", Ticket{1, 2, 3}},
        {"1 256 3\n", "组号文件第1行有误：256", {}},
        {"1 2 3\n4 -1 6\n", "组号文件第2行有误：-1", {}},
        {"1 +2 3\n", "组号文件第1行有误：+2", {}},
        {"1 2a 3\n", "组号文件第1行有误：2a", {}},
        {"1 99999999999 3\n", "组号文件第1行有误：99999999999", {}},
        {"\r\n\r\n1 2 3\r\n1 2 z\r\n", "组号文件第4行有误：z", {}},
    };
    for (const Case& c : cases) {
        const ResultTextParse parsed = parseResultText(c.text, 3);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        if (*c.error) {
            EXPECT_TRUE(parsed.tickets.empty()) << c.text;
        } else {
            ASSERT_EQ(parsed.tickets.size(), 1u) << c.text;
            EXPECT_EQ(parsed.tickets[0], c.first) << c.text;
        }
    }
}

TEST(ResultFile, SaveFaultsKeepThePreviousFile) {
    test::TempFolder home;
    const std::string path = home.file("results.txt");
    ASSERT_TRUE(saveResultFile(path, someTickets(), 6));
    const std::string before = test::readFile(path);
    EXPECT_EQ(loadResultFile(path, 6).tickets, someTickets());
    for (const FileLayer& layer : {FaultyFiles::failAfterBytes(10), FaultyFiles::fullDisk(),
                                   FaultyFiles::failOnRename(), FaultyFiles::readOnlyFolder()}) {
        const Status status = saveResultFile(path, {Ticket{1, 2, 3, 4, 5, 7}}, 6, layer);
        EXPECT_FALSE(status);
        EXPECT_NE(status.message.find(path + "（"), std::string::npos) << status.message;
        EXPECT_EQ(test::readFile(path), before);
    }
    EXPECT_NE(loadResultFile(home.file("none.txt"), 6).error.find("无法读取文件"), std::string::npos);
}

// The reader streams the file with a limit and, given the zone, takes only real tickets.
TEST(ResultFile, ReadingIsBoundedAndChecked) {
    test::TempFolder home;
    const std::string path = home.file("results.txt");
    test::writeFile(path, "\xEF\xBB\xBF" "06 05 04 03 02 01 \r\n\r\n07 08 09 10 11 12\n");
    const TicketRange ssq{1, 33};
    const ResultTextParse read = loadResultFile(path, 6, &ssq);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.tickets, (std::vector<Ticket>{{6, 5, 4, 3, 2, 1}, {7, 8, 9, 10, 11, 12}}));
    EXPECT_EQ(parseResultText(test::readFile(path), 6, &ssq).tickets, read.tickets) << "the same rules in memory";

    const ResultTextParse tooLarge = loadResultFile(path, 6, &ssq, 20);
    EXPECT_FALSE(tooLarge.ok());
    EXPECT_TRUE(tooLarge.tickets.empty());
    EXPECT_NE(tooLarge.error.find("组号文件太大"), std::string::npos) << tooLarge.error;
    EXPECT_FALSE(loadResultFile("/dev/zero", 6, &ssq, 1 << 16).ok()) << "a device that never ends";

    // Without a zone the reader keeps the old leniency (missing numbers are 0), for its other uses.
    EXPECT_TRUE(parseResultText("01 02 03\n", 6).ok());
    const struct {
        const char* text;
        const char* error;
    } bad[] = {
        {"01 02 03\n", "组号文件第1行有误：应有6个号码，实有3个"},
        {"01 02 03 04 05 05\n", "组号文件第1行有误：号码05重复"},
        {"01 02 03 04 05 34\n", "组号文件第1行有误：号码34不在1到33之间"},
        {"0 1 2 3 4 5\n", "组号文件第1行有误：号码00不在1到33之间"},
    };
    for (const auto& c : bad) EXPECT_EQ(parseResultText(c.text, 6, &ssq).error, c.error) << c.text;

    // A long token is quoted short, cut at a whole character.
    EXPECT_EQ(quotedForMessage("short"), "short");
    EXPECT_EQ(quotedForMessage(std::string(100, '7')), std::string(24, '7') + "…");
    EXPECT_EQ(quotedForMessage("一二三四五六七八九十"), "一二三四五六七八…");
}

}  // namespace
}  // namespace lottodesk
