#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/cli.h"
#include "core/firstrun.h"
#include "support/clirun.h"

namespace lottodesk {
namespace {

using TrendRun = test::CliRun;

std::vector<std::string> rowsOf(const std::string& text) { return test::linesOf(text); }

class CliTrendTable : public test::SeededCliSuite {
protected:
    static TrendRun cli(std::vector<std::string> args) { return run(std::move(args)); }
};

TEST_F(CliTrendTable, OmissionRowsAndStatistics) {
    TrendRun run = cli({"table", "omission", "--from", "2026092", "--to", "2026096"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].rfind("期号\t01\t02\t03\t", 0), 0u);
    EXPECT_EQ(rows[1],
              "2026092\t1\t1\t1\t1\t1\t1\t1\t1\t9\t1\t11\t12\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t25\t1\t1\t1\t1\t30"
              "\t1\t1\t33\t09 11 12 25 30 33 ");
    EXPECT_EQ(rows[7].rfind("出现次数\t1\t0\t", 0), 0u) << rows[7];
    EXPECT_EQ(rows[8].rfind("最大遗漏\t4\t9999\t", 0), 0u) << "01 closes four rows in 2026096";
    EXPECT_EQ(rows[11].rfind("本次遗漏\t0\t5\t", 0), 0u) << rows[11];

    run = cli({"table", "omission", "--variant", "tails", "--tails", "both", "--from", "2026096"});
    ASSERT_EQ(run.code, 0) << run.err;
    rows = rowsOf(run.out);
    EXPECT_EQ(rows[0], "期号\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t开奖号码");
    EXPECT_EQ(rows[1], "2026096\t1\t1\t2\t1\t4\t1\t6\t1\t1\t1\t1 4 6 2 6 1 | 4,");

    run = cli({"table", "omission", "--variant", "secondary", "--order", "按奇偶", "--from", "2026096"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(rowsOf(run.out)[1].rfind("2026096\t1\t4\t", 0), 0u) << "even numbers first: 02, then 04 drawn";
}

// A drawn cell shows its number as in the window ("1" at 01 in a row may be either): `--page drawn`
// tells the drawn cells apart for TSV and CSV, and JSON types them.
TEST_F(CliTrendTable, OmissionDrawnCellsAreToldApart) {
    TrendRun run = cli({"table", "omission", "--variant", "tails", "--from", "2026096", "--page", "drawn"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 2u) << "the rows only, no statistics";
    EXPECT_EQ(rows[0], "期号\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t开奖号码");
    // 2026096 is 01 04 16 22 26 31: tails 1 4 6 2 6 1; the table shows "1" at tail 1, drawn, and at 0, missed.
    EXPECT_EQ(rows[1], "2026096\t0\t1\t1\t0\t1\t0\t1\t0\t0\t0\t1 4 6 2 6 1 ");

    run = cli({"table", "omission", "--variant", "tails", "--from", "2026096", "--format", "json"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find(R"([2026096,1,{"drawn":1},{"drawn":2},1,{"drawn":4},1,{"drawn":6},1,1,1,"1 4 6 2 6 1 "])"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(cli({"table", "omission", "--page", "colours"}).code, 1);
}

TEST_F(CliTrendTable, OmissionMarksAndErrors) {
    TrendRun run =
        cli({"table", "omission", "--variant", "tails", "--highlight", "odd", "--zones", "2", "--page", "marks"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], "按类型显示\t0\t1\t0\t1\t0\t1\t0\t1\t0\t1");
    EXPECT_EQ(rows[2], "分区\t0\t0\t0\t0\t0\t1\t1\t1\t1\t1");

    run = cli({"table", "omission", "--from", "1999001"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "数据库中没有第1999001期的记录\n");
    EXPECT_EQ(cli({"table", "omission", "--variant", "blue"}).code, 1);
    EXPECT_EQ(cli({"table", "omission", "--order", "21"}).code, 1);

    run = cli({"help", "table"});
    EXPECT_NE(run.out.find("omission"), std::string::npos);
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

TEST_F(CliTrendTable, DataTable3Rows) {
    TrendRun run = cli({"table", "data3"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    EXPECT_EQ(
        rows[0],
        "期数\t红号冷温热比\t本期开奖冷号\t本期开奖温号\t本期开奖热号\t下期冷温热号\t蓝号冷温热比\t本期开奖冷号\t本期"
        "开奖温号\t本期开奖热号\t下期冷温热号");
    EXPECT_EQ(rows.back().rfind("2026096\t", 0), 0u);
    EXPECT_EQ(std::count(rows.back().begin(), rows.back().end(), '\t'), 10);
    EXPECT_EQ(cli({"table", "data3", "--x", "1"}).code, 1);
}

// The newest 双色球 draw 01 04 16 22 26 31 + 04 after 04 06 14 21 22 33 + 16, worked by hand.
TEST_F(CliTrendTable, DataTables1And2OfTheNewestDraw) {
    TrendRun run = cli({"table", "data1"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    EXPECT_EQ(rows[0],
              "期数\t红号1\t红号2\t红号3\t红号4\t红号5\t红号6\t蓝号\t跨度\t尾组个数\t连号组数\t重复号数\t邻号组数"
              "\t主区奇偶比\t主区奇数号\t主区偶数号\t主区质合比\t主区质数号\t主区合数号\t主区连续号\t主区同尾号"
              "\t主区邻位间距\t最大邻位间距\t最小邻位间距\t邻位间距个数\t和值\t和值012路\t尾和\t尾和012路\t邻位号");
    EXPECT_EQ(rows.back(),
              "2026096\t01\t04\t16\t22\t26\t31\t04\t30\t4\t0\t2\t1\t2:4\t01,31,\t04,16,22,26,\t2:4\t01,31,"
              "\t04,16,22,26,\t\t01,31, 16,26,\t3,12,6,4,5,\t12\t3\t5\t100\t1\t20\t2\t22,");

    run = cli({"table", "data2"});
    ASSERT_EQ(run.code, 0) << run.err;
    rows = rowsOf(run.out);
    EXPECT_EQ(rows[0], "期数\t小大比\t三区比\t五区比\t七区比\t除三余数比\t除四余数比\t除五余数比");
    EXPECT_EQ(rows.back(), "2026096\t3:3\t2:2:2\t2:0:1:2:1\t2:0:0:1:1:1:1\t0:5:1\t2:1:2:1\t0:4:1:0:1");
    EXPECT_EQ(cli({"table", "data1", "--from", "1"}).code, 1);

    run = cli({"help", "table"});
    EXPECT_NE(run.out.find("data1"), std::string::npos);
    EXPECT_NE(run.out.find("data2"), std::string::npos);
}

std::vector<std::string> cellsOf(const std::string& row) {
    std::vector<std::string> cells;
    size_t at = 0;
    for (size_t tab; (tab = row.find('\t', at)) != std::string::npos; at = tab + 1)
        cells.push_back(row.substr(at, tab - at));
    cells.push_back(row.substr(at));
    return cells;
}

// The newest 双色球 draws: 2026092 09 11 12 25 30 33, 2026093 05 08 15 20 21 24,
// 2026094 06 13 15 17 24 25, 2026095 04 06 14 21 22 33, 2026096 01 04 16 22 26 31 + 04.
TEST_F(CliTrendTable, DistributionChartRowsAndMarks) {
    TrendRun run = cli({"table", "distribution", "--rows", "3"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].rfind("期号\t开奖号码\t01\t02\t", 0), 0u);
    std::vector<std::string> last = cellsOf(rows[3]);
    ASSERT_EQ(last.size(), 35u);
    EXPECT_EQ(last[0], "2026096");
    EXPECT_EQ(last[1], "01 04 16 22 26 31 - 04 ");
    EXPECT_EQ(last[2], "01");
    EXPECT_EQ(last[3], "");
    EXPECT_EQ(last[5], "04");
    EXPECT_EQ(cellsOf(rows[4])[0], "选号区");
    EXPECT_EQ(cellsOf(rows[4])[34], "33");

    // Repeats: the row before 2026094 (2026093) and the row after 2026096 (none) are in the matrix.
    run = cli({"table", "distribution", "--rows", "3", "--rule", "重号", "--page", "marks"});
    ASSERT_EQ(run.code, 0) << run.err;
    rows = rowsOf(run.out);
    auto mark = [&](size_t row, int number) { return cellsOf(rows[row])[static_cast<size_t>(number + 1)]; };
    EXPECT_EQ(mark(1, 6), "1");
    EXPECT_EQ(mark(1, 13), "0");
    EXPECT_EQ(mark(1, 15), "1") << "15 of 2026093";
    EXPECT_EQ(mark(1, 24), "1");
    EXPECT_EQ(mark(2, 21), "0") << "21 of 2026093 is two rows back";
    EXPECT_EQ(mark(2, 4), "1");
    EXPECT_EQ(mark(3, 22), "1");
    EXPECT_EQ(mark(3, 31), "0");
    EXPECT_EQ(mark(3, 2), "");

    run = cli({"table", "distribution", "--rows", "3", "--rule", "10", "--page", "marks", "--to", "2026095"});
    ASSERT_EQ(run.code, 0) << run.err;
    rows = rowsOf(run.out);
    EXPECT_EQ(cellsOf(rows[1])[0], "2026093");
    EXPECT_EQ(mark(1, 20), "1") << "20 21";
    EXPECT_EQ(mark(2, 24), "1") << "24 25 side by side; 24 below 24 as well";
    EXPECT_EQ(mark(2, 15), "2");
    EXPECT_EQ(mark(3, 21), "1");
    EXPECT_EQ(mark(3, 4), "2") << "04 again in 2026096, the row after";

    // Two windows that begin at the same period mark their common rows alike, whichever ends later
    // (a run going on below the shorter window keeps its code).
    for (const char* rule : {"10", "11", "重号"}) {
        const std::vector<std::string> shortRows =
            rowsOf(cli({"table", "distribution", "--rows", "3", "--rule", rule, "--page", "marks", "--to", "2026090"}).out);
        const std::vector<std::string> longRows =
            rowsOf(cli({"table", "distribution", "--rows", "9", "--rule", rule, "--page", "marks", "--to", "2026096"}).out);
        ASSERT_GE(longRows.size(), 4u);
        EXPECT_EQ(cellsOf(shortRows[1])[0], cellsOf(longRows[1])[0]);
        for (size_t r = 1; r <= 3; ++r) EXPECT_EQ(shortRows[r], longRows[r]) << rule << " row " << r;
    }

    // Cold/warm/hot: each drawn number of the newest draw in the class data table 3 gives it.
    run = cli({"table", "distribution", "--rows", "1", "--view", "coldhot", "--page", "marks"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<std::string> classes = cellsOf(rowsOf(run.out)[1]);
    const std::vector<std::string> data3 = cellsOf(rowsOf(cli({"table", "data3"}).out).back());
    const std::vector<std::string> names = {"冷", "温", "热"};
    for (int number : {1, 4, 16, 22, 26, 31}) {
        const std::string& kind = classes[static_cast<size_t>(number + 1)];
        const size_t k = static_cast<size_t>(std::find(names.begin(), names.end(), kind) - names.begin());
        ASSERT_LT(k, 3u) << kind;
        EXPECT_NE(data3[2 + k].find((number < 10 ? "0" : "") + std::to_string(number) + ","), std::string::npos)
            << number;
    }

    run = cli({"table", "distribution", "--to", "1999001"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "数据库中没有第1999001期的记录\n");
    EXPECT_EQ(cli({"table", "distribution", "--rows", "0"}).code, 1);
    EXPECT_EQ(cli({"table", "distribution", "--rule", "13"}).code, 1);
    EXPECT_EQ(cli({"table", "distribution", "--view", "hot"}).code, 1);
    EXPECT_NE(cli({"help", "table"}).out.find("distribution"), std::string::npos);
}

}  // namespace
}  // namespace lottodesk
