#include <gtest/gtest.h>

#include "core/fileio.h"
#include "core/gbktext.h"
#include "support/clirun.h"

namespace lottodesk {
namespace {

using test::linesOf;

class CliChartGrid : public test::SeededCliSuite {};

std::vector<std::string> cellsOf(const std::string& row) {
    std::vector<std::string> cells;
    size_t at = 0;
    while (true) {
        const size_t tab = row.find('\t', at);
        cells.push_back(row.substr(at, tab - at));
        if (tab == std::string::npos) return cells;
        at = tab + 1;
    }
}

// The newest 双色球 draw 2026096: 01 04 16 22 26 31 + 04.
TEST_F(CliChartGrid, PropertyAndExtendedRows) {
    test::CliRun r = run({"table", "grid"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto rows = linesOf(r.out);
    auto head = cellsOf(rows[0]);
    ASSERT_EQ(head.size(), 71u);  // the label column and seven blocks of ten tails
    EXPECT_EQ(head[1], "红号1");
    EXPECT_EQ(head[61], "蓝号");
    EXPECT_EQ(cellsOf(rows[1])[10], "9");
    auto last = cellsOf(rows.back());
    EXPECT_EQ(last[0], "2026096");
    for (int at : {2, 15, 27, 33, 47, 52, 65}) EXPECT_FALSE(last[static_cast<size_t>(at)].empty()) << at;
    EXPECT_EQ(last[2], "1");
    EXPECT_EQ(last[27], "6");
    EXPECT_EQ(last[65], "4");
    int marks = 0;
    for (const std::string& cell : last) marks += !cell.empty();
    EXPECT_EQ(marks, 1 + 7);

    r = run({"table", "grid", "--page", "extended", "--chart", "sum"});
    ASSERT_EQ(r.code, 0) << r.err;
    rows = linesOf(r.out);
    EXPECT_EQ(rows[0], "\t开奖号\t和值\t红球和值分布\t\t\t\t\t\t\t");
    EXPECT_EQ(rows[1], "\t\t\t40以下\t41-60\t61-80\t81-100\t101-120\t121-140\t141-160\t161以上");
    EXPECT_EQ(rows.back(), "2026096\t01 04 16 22 26 31 - 04 \t100\t\t\t\t*\t\t\t\t");

    r = run({"table", "grid", "--page", "extended", "--chart", "zones", "--zones", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    rows = linesOf(r.out);
    EXPECT_EQ(cellsOf(rows[0])[2], "2-1分区个数");
    // 1..17 | 18..33: 01 04 16 → 3; 22 26 31 → 3.
    EXPECT_EQ(cellsOf(rows.back())[2 + 3], "3");
    EXPECT_EQ(cellsOf(rows.back())[9 + 3], "3");
}

TEST_F(CliChartGrid, FieldChartAndItsTemplates) {
    test::CliRun r = run({"table", "grid", "--page", "field"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto rows = linesOf(r.out);
    EXPECT_EQ(cellsOf(rows[1])[1], "01");
    EXPECT_EQ(cellsOf(rows[6])[6], "36");
    auto last = cellsOf(rows.back());
    ASSERT_EQ(last.size(), 1u + 7 * 6);
    EXPECT_EQ(last[1], "1");
    EXPECT_EQ(last[7 + 3], "4");
    EXPECT_EQ(last[13 + 3], "16");
    EXPECT_EQ(last[25 + 1], "26");
    EXPECT_EQ(last[31], "31");
    EXPECT_EQ(last[37 + 3], "4");
    EXPECT_TRUE(fileExists(home->file("save/tyzsdstyle.txt")));
    EXPECT_TRUE(fileExists(home->file("save/mb_tyd0.jz")));

    // A malformed template: named on stderr, the default used, the file untouched.
    const std::string path = home->file("save/mb_tyd3.jz");
    saveGbkText(path, "坏\n12\n2\n1 2\n");
    const std::string before = test::readFile(path);
    r = run({"table", "grid", "--page", "field", "--template", "3", "--tails", "yes"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("mb_tyd3.jz"), std::string::npos) << r.err;
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_EQ(cellsOf(linesOf(r.out)[0])[1], "红号1尾");
    EXPECT_EQ(cellsOf(linesOf(r.out).back())[1 + 0], "1");

    for (std::vector<std::string> bad : {std::vector<std::string>{"table", "grid", "--page", "x"},
                                         {"table", "grid", "--class", "x"},
                                         {"table", "grid", "--page", "extended", "--zones", "12"},
                                         {"table", "grid", "--page", "field", "--template", "10"}}) {
        r = run(bad);
        EXPECT_NE(r.code, 0);
        EXPECT_NE(r.err.find("table grid"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace lottodesk
