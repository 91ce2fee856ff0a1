#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/firstrun.h"
#include "support/clirun.h"

namespace lottodesk {
namespace {

using TableRun = test::CliRun;

std::vector<std::string> rowsOf(const std::string& text) { return test::linesOf(text); }

class CliTable : public test::SeededCliSuite {
protected:
    TableRun cli(std::vector<std::string> args, int type = 0) {
        args.insert(args.begin(), {"--type", std::to_string(type)});
        return run(std::move(args));
    }
};

TEST_F(CliTable, StatsChartRowsInEveryOrder) {
    TableRun run = cli({"table", "stats", "--recent", "5"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 34u);
    EXPECT_EQ(rows[0], "号码\t出现次数\t遗漏次数");
    EXPECT_EQ(rows[2], "2\t0\t5");
    EXPECT_EQ(rows[4], "4\t2\t0");
    EXPECT_EQ(rows[33], "33\t2\t1");

    run = cli({"table", "stats", "--recent", "5", "--order", "hits"});
    rows = rowsOf(run.out);
    EXPECT_EQ(rows[1], "2\t0\t5") << "the least drawn first, ties in number order";

    run = cli({"table", "stats", "--recent", "所有", "--zone", "secondary", "--order", "omission"});
    ASSERT_EQ(run.code, 0) << run.err;
    rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[1], "4\t215\t0");  // the blue number of 2026096, drawn 215 times
}

TEST_F(CliTable, StatsPagesAndLabels) {
    TableRun run = cli({"table", "stats", "--recent", "5", "--page", "1"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    EXPECT_EQ(rows[0], "分组\t项目\t数值\t比例");
    EXPECT_EQ(rows[1], "奇偶\t奇数个数:\t15\t50%");
    EXPECT_EQ(rows[3], "奇偶\t个数差:\t0\t");

    run = cli({"table", "stats", "--recent", "5", "--page", "2", "--divisor", "4"});
    rows = rowsOf(run.out);
    EXPECT_EQ(rows[1].rfind("余数\t除四余零数:\t", 0), 0u) << rows[1];
    EXPECT_EQ(rows[5].rfind("间距\t间距平均值:\t4.84", 0), 0u) << rows[5];
    EXPECT_NE(run.out.find("蓝号质合\t质数个数:\t2\t40%"), std::string::npos);

    run = cli({"table", "stats", "--from", "2026092", "--to", "2026096", "--page", "labels"});
    ASSERT_EQ(run.code, 0) << run.err;
    rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], "统计期数\t共5期");
    EXPECT_EQ(rows[2].rfind("红码冷热号\t红码冷号:", 0), 0u);
    EXPECT_EQ(rows[3].rfind("蓝码冷热号\t蓝码冷号:", 0), 0u);
}

TEST_F(CliTable, StatsOfAnEmptyWindowAndOfAnotherGame) {
    TableRun run = cli({"table", "stats", "--from", "2026096", "--to", "2026092", "--page", "1"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    EXPECT_NE(run.out.find("奇偶\t奇数个数:\t0\t\n"), std::string::npos);
    EXPECT_NE(run.out.find("偏度\t平均偏度值:\t\t\n"), std::string::npos);
    run = cli({"table", "stats", "--from", "2026096", "--to", "2026092", "--page", "labels"});
    EXPECT_NE(run.out.find("统计期数\t共0期"), std::string::npos);

    run = cli({"table", "stats", "--recent", "所有", "--zone", "secondary"}, 1);
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 13u);  // 超级大乐透: 1..12
    int total = 0;
    for (size_t i = 1; i < rows.size(); ++i) total += std::stoi(rows[i].substr(rows[i].find('\t') + 1));
    EXPECT_EQ(total, 2913 * 2);
}

TEST_F(CliTable, BadOptionsAndUnknownPeriods) {
    const std::vector<std::vector<std::string>> usage = {
        {"table"},
        {"table", "nosuch"},
        {"table", "stats", "--recent"},
        {"table", "stats", "--recent", "0"},
        {"table", "stats", "--recent", "x5"},
        {"table", "stats", "--from", "2026001"},
        {"table", "stats", "--from", "2026001", "--to", "abc"},
        {"table", "stats", "--from", "2026001", "--to", "2026002", "--recent", "5"},
        {"table", "stats", "--page", "3"},
        {"table", "stats", "--zone", "blue"},
        {"table", "stats", "--order", "random"},
        {"table", "stats", "--divisor", "6"},
        {"table", "stats", "--secondary-divisor", "2"},
        {"table", "stats", "--colour", "red"},
        {"table", "stats", "--page", "1", "--page", "2"},
    };
    for (const auto& args : usage) {
        TableRun run = cli(args);
        EXPECT_EQ(run.code, 1) << args.back();
        EXPECT_TRUE(run.out.empty()) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
    }
    for (const char* period : {"2099001", "9999999"}) {
        TableRun run = cli({"table", "stats", "--from", "2026001", "--to", period});
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(run.err, std::string("数据库中没有第") + period + "期的记录\n");
    }
}

TEST_F(CliTable, HelpListsTheViewsAndOptions) {
    TableRun run = cli({"help", "table"});
    ASSERT_EQ(run.code, 0);
    for (const char* option :
         {"stats", "--recent", "--from", "--to", "--page", "--zone", "--order", "--divisor", "--secondary-divisor"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    run = cli({"help"});
    EXPECT_NE(run.out.find("table VIEW"), std::string::npos);
}

}  // namespace
}  // namespace lottodesk
