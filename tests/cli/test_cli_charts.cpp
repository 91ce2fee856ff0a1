#include <gtest/gtest.h>

#include "support/clirun.h"

namespace lottodesk {
namespace {

using test::linesOf;

class CliCharts : public test::SeededCliSuite {};

TEST_F(CliCharts, PairsListsGridAndLabels) {
    // 2026092..2026096: 04 and 22 meet in 2026095 and 2026096, 15 and 24 in 2026093 and 2026094.
    const std::vector<std::string> window = {"table", "pairs", "--from", "2026092", "--to", "2026096"};
    auto with = [&](std::initializer_list<std::string> more) {
        std::vector<std::string> args = window;
        args.insert(args.end(), more);
        return run(args);
    };
    test::CliRun r = with({"--together", "1", "--page", "together"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "相生[2]\n04:22==>2次\n15:24==>2次\n");

    r = with({"--together", "1", "--page", "labels"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "标签\t文字\n相生\t相生[2]\n相克\t相克[455]\n统计期数\t共5期\n");

    r = with({"--together", "1"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto rows = linesOf(r.out);
    ASSERT_EQ(rows.size(), 34u);
    EXPECT_EQ(rows[0].rfind("号码\t1\t2\t3\t4\t", 0), 0u);
    EXPECT_EQ(rows[0].substr(rows[0].size() - 3), "\t33");
    EXPECT_EQ(rows[4].rfind("4\t1\t0\t0\t\t0\t1\t", 0), 0u) << rows[4];  // 04 with 01 and 06, diagonal empty

    r = with({"--together", "1", "--page", "marks"});
    ASSERT_EQ(r.code, 0) << r.err;
    rows = linesOf(r.out);
    EXPECT_EQ(rows[4].rfind("4\t0\t2\t2\t0\t", 0), 0u) << rows[4];
    EXPECT_EQ(rows[22].rfind("22\t0\t2\t2\t1\t", 0), 0u) << rows[22];

    r = run({"table", "pairs", "--recent", "所有", "--page", "labels"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(linesOf(r.out).back(), "统计期数\t");
}

TEST_F(CliCharts, PairsRejectWhatDoesNotFit) {
    EXPECT_EQ(run({"table", "pairs", "--from", "2026092"}).code, 1);
    EXPECT_EQ(run({"table", "pairs", "--recent", "0"}).code, 1);
    EXPECT_EQ(run({"table", "pairs", "--together", "1001"}).code, 1);
    EXPECT_EQ(run({"table", "pairs", "--apart", "x"}).code, 1);
    EXPECT_EQ(run({"table", "pairs", "--page", "lists"}).code, 1);
    test::CliRun r = run({"table", "pairs", "--from", "1999001", "--to", "2026096"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "数据库中没有第1999001期的记录\n");
    // A start after the end counts nothing: every pair is below the apart threshold.
    r = run({"table", "pairs", "--from", "2026096", "--to", "2026092", "--page", "labels"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "标签\t文字\n相生\t相生[0]\n相克\t相克[528]\n统计期数\t共0期\n");
}

TEST_F(CliCharts, CombinedPatternsRows) {
    test::CliRun r = run({"table", "combined"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(run({"table", "patterns-combined"}).out, r.out);  // the other name of the view
    auto rows = linesOf(r.out);
    ASSERT_EQ(rows.size(), 3494u) << "the header and every draw of the sample";
    EXPECT_EQ(rows[0],
              "期号\t开奖号码\t红号1尾\t红号2尾\t红号3尾\t红号4尾\t红号5尾\t红号6尾\t蓝号尾\t间隔数的尾\t红号间1尾\t"
              "红号间2尾\t红号间3尾\t红号间4尾\t红号间5尾\t红号间6尾");
    // 01 04 16 22 26 31 + 04: gaps 2 11 5 3 4 and 33 - 31 + 1 - 1 = 2.
    EXPECT_EQ(rows.back(),
              "2026096\t01 04 16 22 26 31 -04 \t0\t0\t1\t0\t1\t0\t0\t2  1  5  3  4  2  \t0\t0\t1\t0\t0\t0");

    r = run(
        {"table", "patterns-combined", "--class", "除n余数", "--divisor", "7", "--tails", "no", "--hide-gaps", "yes"});
    ASSERT_EQ(r.code, 0) << r.err;
    rows = linesOf(r.out);
    EXPECT_EQ(rows[0],
              "期号\t开奖号码\t红号1\t红号2\t红号3\t红号4\t红号5\t红号6\t间隔数\t红号间1\t红号间2\t红号间3\t红号间4\t"
              "红号间5\t红号间6");
    EXPECT_EQ(rows.back(), "2026096\t01 04 16 22 26 31 -04 \t1\t4\t2\t1\t5\t3\t\t2\t4\t5\t3\t4\t2");

    EXPECT_EQ(run({"table", "patterns-combined", "--class", "8"}).code, 1);
    EXPECT_EQ(run({"table", "patterns-combined", "--divisor", "5"}).code, 1);
    EXPECT_EQ(run({"table", "patterns-combined", "--tails", "1"}).code, 1);
}

TEST_F(CliCharts, AssociationRowsCaptionAndExport) {
    // 2026095 holds 04 and 22 and ends in 5; the draw after it is 2026096.
    test::CliRun r = run({"table", "association", "--positions", "04,22", "--unbound", "yes", "--tail", "5", "--slot1",
                          "z_hz", "--slot3", "z_jsgs", "--values3", "2,1,2"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto rows = linesOf(r.out);
    EXPECT_EQ(rows[0],
              "本期期号\t红号1\t红号2\t红号3\t红号4\t红号5\t红号6\t蓝号\t指标1\t指标2\t下期期号\t红号1\t红号2\t红号3\t"
              "红号4\t红号5\t红号6\t蓝号\t指标1\t指标2");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back(), "2026095\t04\t06\t14\t21\t22\t33\t16\t100\t2\t2026096\t01\t04\t16\t22\t26\t31\t04\t100\t2");

    r = run({"table", "association", "--positions", "all,all,all,all,all,all,04", "--page", "caption"});
    ASSERT_EQ(r.code, 0) << r.err;
    const int fours = std::stoi(r.out.substr(r.out.find("有") + 3));
    EXPECT_EQ(r.out,
              "本期系列一共有" + std::to_string(fours) + "条;下期系列一共有" + std::to_string(fours - 1) + "条\n")
        << "the newest draw has 04 as its blue number and no next draw";

    r = run({"table", "association", "--positions", "all,all,all,all,all,all,04", "--page", "export-main"});
    ASSERT_EQ(r.code, 0) << r.err;
    rows = linesOf(r.out);
    EXPECT_EQ(static_cast<int>(rows.size()), fours - 1);
    EXPECT_EQ(rows[0].size(), 7u + 6 * 3 + 1);

    r = run({"table", "association", "--slot1", "10/(z_jsgs-6)"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("10/(z_jsgs-6)"), std::string::npos) << r.err;
    EXPECT_EQ(run({"table", "association", "--positions", "5"}).code, 1);
    EXPECT_EQ(run({"table", "association", "--positions", "all,all,all,all,all,all,all,all"}).code, 1);
    EXPECT_EQ(run({"table", "association", "--tail", "10"}).code, 1);
    EXPECT_EQ(run({"table", "association", "--values1", "3"}).code, 1);
    EXPECT_EQ(run({"table", "association", "--slot1", "z_hz", "--values1", "1001"}).code, 1);
}

}  // namespace
}  // namespace lottodesk
