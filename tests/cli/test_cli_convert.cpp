#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/firstrun.h"
#include "support/clirun.h"

namespace lottodesk {
namespace {

using test::CliRun;

std::vector<std::string> rowsOf(const std::string& text) { return test::linesOf(text); }

class CliConvert : public test::SeededCliSuite {
protected:
    static CliRun cli(std::vector<std::string> args) { return run(std::move(args)); }
};

TEST_F(CliConvert, TableRowsAndColumns) {
    CliRun run = cli({"convert", "f_num1", "--columns", "3"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    EXPECT_EQ(rows[0], "期数\t开奖号\t蓝号\t转换1\t转换2\t转换3");
    // The blue numbers 16 (2026095) and 04 (2026096); 2026096's 4 last came in 2026087.
    EXPECT_EQ(rows.back().rfind("2026096\t01 04 16 22 26 31 -04 \t4\t", 0), 0u) << rows.back();
    EXPECT_EQ(rows[1], "2003001\t10 11 12 13 26 28 -11 \t11\t0\t0\t0");

    run = cli({"convert", "f_num1"});
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(rowsOf(run.out)[0].substr(rowsOf(run.out)[0].rfind('\t') + 1), "转换200");
}

TEST_F(CliConvert, InverseValues) {
    CliRun run = cli({"convert-inverse", "f_num1", "--column", "指标值", "3", "45"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "此列的预测期取值\t对应指标值\n3\t3\n45\t0\n");
    run = cli({"convert-inverse", "f_num1", "--column", "1", "0"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(rowsOf(run.out)[1], "0\t4") << "only a repeated 4 has nothing between";
    EXPECT_EQ(cli({"convert-inverse", "f_num1", "--column", "201", "0"}).code, 1);
    EXPECT_EQ(cli({"convert-inverse", "f_num1", "--column", "1", "x"}).code, 2);
}

TEST_F(CliConvert, KillTableAndErrors) {
    CliRun run = cli({"convert-kill", "f_num1", "--from", "2026090", "--to", "2026096", "--columns", "1", "200"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], "期数\t开奖号\t蓝号\t蓝号\t杀号\t是否正确\t杀号位置");
    EXPECT_EQ(rows[7].rfind("2026096\t01 04 16 22 26 31 \t04 \t4\t绝杀：", 0), 0u) << rows[7];
    EXPECT_EQ(rows[8].rfind("预测期\t\t\t\t绝杀：", 0), 0u) << rows[8];
    EXPECT_EQ(rows[9].rfind("正确率\t\t\t\t\t", 0), 0u);
    EXPECT_EQ(rows[9].substr(rows[9].size() - 2), "%\t") << "the accuracy, then the empty positions cell";

    run = cli({"convert-kill", "f_num1", "--from", "1999001"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "数据库中没有第1999001期的记录\n");
    EXPECT_EQ(cli({"convert-kill", "nothing"}).code, 2);
    EXPECT_EQ(cli({"convert-kill", "f_num1", "--columns", "1"}).code, 1);
    EXPECT_EQ(cli({"convert", "f_num1", "--bad", "1"}).code, 1);
}

}  // namespace
}  // namespace lottodesk
