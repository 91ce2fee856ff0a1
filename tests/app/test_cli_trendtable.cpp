#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/cli.h"
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

}  // namespace
}  // namespace lottodesk
