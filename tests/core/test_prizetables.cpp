#include <gtest/gtest.h>

#include "core/gbk.h"
#include "core/prizetables.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

PrizeTable table2026098() {
    return {2026098, "2026-08-25(二)", 395467482, 2185628512,
            {{"一等奖", 3, 7165213}, {"二等奖", 128, 204810}, {"七等奖", -1, -1}}};
}

TEST(PrizeTables, SavedBesideTheHistoryAndReadBack) {
    test::TempFolder home;
    const std::string path = prizeTablePath(home.path(), 1);
    EXPECT_EQ(path, home.path() + "database/prize1.txt");
    test::writeFile(home.file("database/.keep"), "");
    ASSERT_TRUE(savePrizeTables(path, {table2026098()}));
    EXPECT_EQ(test::readFile(path),
              utf8ToGbk("2026098\t2026-08-25(二)\t395467482\t2185628512\t一等奖|3|7165213\t二等奖|128|204810\t七等奖||\r\n"));
    PrizeTables read = loadPrizeTables(path);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[2026098], table2026098());

    // A later save adds its periods and replaces the same ones, in period order.
    PrizeTable older{2026097, "", -1, -1, {{"一等奖", 0, 0}}};
    PrizeTable changed = table2026098();
    changed.pool = 1;
    ASSERT_TRUE(savePrizeTables(path, {changed, older}));
    read = loadPrizeTables(path);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read.begin()->first, 2026097);
    EXPECT_EQ(read[2026098].pool, 1);
    EXPECT_EQ(read[2026097].sales, -1);
}

TEST(PrizeTables, AsTheUpdateWindowShowsThem) {
    EXPECT_EQ(prizeTableDisplay(table2026098()),
              "第2026098期 2026-08-25(二)  销售额 395,467,482元  奖池 2,185,628,512元\n"
              "一等奖 3注 7,165,213元\n二等奖 128注 204,810元\n七等奖 — —");
    EXPECT_EQ(prizeTableDisplay({2026097, "", -1, -1, {{"一等奖", 0, 0}}}), "第2026097期\n一等奖 0注 0元");
}

TEST(PrizeTables, LinesTheReaderDoesNotKnowAreSkipped) {
    test::TempFolder home;
    const std::string path = home.file("prize0.txt");
    test::writeFile(path, utf8ToGbk(
                    "\r\n"
                    "not a table\r\n"
                    "99\tx\t1\t2\r\n"
                    "2026098\t\tabc\t-5\t一等奖|x|7\t|1|2\tbroken\t二等奖|1|2|3\r\n"
                    "2026099\t\t\t\r\n"));
    const PrizeTables read = loadPrizeTables(path);
    ASSERT_EQ(read.size(), 2u);
    const PrizeTable& t = read.at(2026098);
    EXPECT_EQ(t.sales, -1);
    EXPECT_EQ(t.pool, -1);
    ASSERT_EQ(t.levels.size(), 1u);
    EXPECT_EQ(t.levels[0], (PrizeTableLevel{"一等奖", -1, 7}));
    EXPECT_TRUE(loadPrizeTables(home.file("missing.txt")).empty());
}

}  // namespace
}  // namespace lottodesk
