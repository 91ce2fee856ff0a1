#include <gtest/gtest.h>

#include "core/gbk.h"
#include "generator/printout.h"
#include "generator/removal.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

Ticket ticketOf(std::initializer_list<int> numbers) {
    Ticket t{};
    int i = 0;
    for (int n : numbers) t[static_cast<size_t>(i++)] = static_cast<uint8_t>(n);
    return t;
}

TEST(RemovalList, ParsesSortsAndNamesTheBadLine) {
    const RemovalListParse parsed =
        parseRemovalList("01 03 04 08 09 12\r\n  12 9 08 04 03 01  \n05 06 07 08 09 10\n\n\n", 6);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.tickets.size(), 3u);
    EXPECT_EQ(parsed.tickets[1], ticketOf({1, 3, 4, 8, 9, 12})) << "each line sorted";
    EXPECT_TRUE(parseRemovalList("", 6).ok());

    struct Bad {
        const char* text;
        const char* message;
    };
    const std::vector<Bad> bad = {
        {"01 03 04 08 09 12\n01 03 04 08 09\n", "第2行号码组有误，请正确填入"},     // too few
        {"01 03 04 08 09 12 13\n", "第1行号码组有误，请正确填入"},                  // too many
        {"01 03 04 08 09 12\n01 03 0x 08 09 12\n", "第2行号码组有误，请正确填入"},  // not a number
        {"01 03 04 08 09 100\n", "第1行号码组有误，请正确填入"},                    // three digits
        {"01 03 04 08 09 -1\n", "第1行号码组有误，请正确填入"},
        {"01 03 04 08 09 12\n\n05 06 07 08 09 10\n", "第2行号码组有误，请正确填入"},  // a gap in the list
        {"01,03,04,08,09,12\n", "第1行号码组有误，请正确填入"},
    };
    for (const Bad& b : bad) {
        const RemovalListParse refused = parseRemovalList(b.text, 6);
        EXPECT_EQ(refused.error, b.message) << b.text;
        EXPECT_TRUE(refused.tickets.empty());
    }
}

TEST(RemovalList, RemovesInOnePassKeepingOrderAndTags) {
    MainResults results;
    results.tickets = {ticketOf({1, 2, 3, 4, 5, 6}), ticketOf({1, 2, 3, 4, 5, 7}), ticketOf({6, 5, 4, 3, 2, 1}),
                       ticketOf({1, 2, 3, 4, 5, 8}), ticketOf({1, 2, 3, 4, 5, 6})};
    results.tags = {0, 11, 12, 13, 14};
    for (Ticket& t : results.tickets) t[6] = 3;  // a hit column from an earlier check
    const RemovalOutcome outcome = removeListedText(results, 6, "06 05 04 03 02 01\n01 02 03 04 05 09\n");
    ASSERT_TRUE(outcome.status);
    EXPECT_EQ(outcome.removed, 2u) << "both copies go; the edited ticket stored as typed stays";
    EXPECT_EQ(results.tickets, (std::vector<Ticket>{ticketOf({1, 2, 3, 4, 5, 7}), ticketOf({6, 5, 4, 3, 2, 1}),
                                                    ticketOf({1, 2, 3, 4, 5, 8})}));
    EXPECT_EQ(results.tags, (std::vector<uint8_t>{11, 12, 13}));

    for (Ticket& t : results.tickets) t[6] = 3;
    const RemovalOutcome none = removeListedText(results, 6, "10 11 12 13 14 15\n");
    EXPECT_EQ(none.removed, 0u);
    EXPECT_EQ(results.tickets.size(), 3u);
    EXPECT_EQ(results.tickets[0][6], 0) << "the hit column is cleared";

    for (Ticket& t : results.tickets) t[6] = 3;
    const RemovalOutcome bad = removeListedText(results, 6, "01 02 03 04 05 07\nxx\n");
    EXPECT_EQ(bad.status.message, "第2行号码组有误，请正确填入");
    EXPECT_EQ(results.tickets.size(), 3u) << "nothing removed";
    EXPECT_EQ(results.tickets[0][6], 0) << "but the hit column is cleared";
}

TEST(RemovalList, TextAndHint) {
    EXPECT_EQ(encodeRemovalList({ticketOf({1, 3, 4, 8, 9, 12})}, 6), "01 03 04 08 09 12\r\n");
    EXPECT_EQ(removalHint(6),
              "号码组格式如：01 03 04 08 09 "
              "12，当输完一条组号，可按回车键换行输入下一条组号（不能留空行,号码间只能一个空格）");
    EXPECT_EQ(removalHint(5).substr(0, 35), "号码组格式如：01 03 06 07 09");
    EXPECT_NE(removalHint(7).find("01 02 05 07 09 13 14，"), std::string::npos);
}

TEST(Printout, LayoutAndFile) {
    std::vector<Ticket> tickets(12, ticketOf({1, 2, 3, 4, 5, 33}));
    const std::string text = printoutText(tickets, 6);
    const std::string gbk = utf8ToGbk(text);
    // A six-number game's header ends at "红号六".
    const std::string full = kPrintoutHeader;
    const std::string header = utf8ToGbk(full.substr(0, full.rfind("  ")));
    ASSERT_EQ(gbk.substr(0, header.size() + 2), header + "\r\n");
    const std::string first = gbk.substr(header.size() + 2, 12 + 6 * 8 + 2);
    EXPECT_EQ(first, utf8ToGbk("第1条") + "       " + "      01      02      03      04      05      33\r\n");
    EXPECT_NE(gbk.find(utf8ToGbk("第12条") + "      " + "      01"), std::string::npos);

    std::vector<TwoZoneTicket> two(1);
    two[0].main = {1, 2, 3, 4, 5, 6, 0};
    two[0].secondary = {16};
    EXPECT_TRUE(printoutText(two, 6, 1).ends_with("      06      16\r\n"));

    test::TempFolder home;
    EXPECT_EQ(printoutPath(home.path()), home.path() + "temppadnote.txt");
    ASSERT_TRUE(savePrintout(printoutPath(home.path()), text));
    EXPECT_EQ(test::readFile(printoutPath(home.path())), gbk);
}

}  // namespace
}  // namespace lottodesk
