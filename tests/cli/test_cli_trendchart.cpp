#include <gtest/gtest.h>

#include "support/clirun.h"

namespace lottodesk {
namespace {

class CliTrendChart : public test::SeededCliSuite {};

// The last rows of the real 双色球 history (2026094: 06 13 15 17 24 25, 2026095: 04 06 14 21 22 33,
// 2026096: 01 04 16 22 26 31, all with the sum 100).
TEST_F(CliTrendChart, IndicatorTrendRowsAndStatistics) {
    test::CliRun r = run({"trend", "z_hz", "--feature", "遗漏"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<std::string> rows = test::linesOf(r.out);
    EXPECT_EQ(rows[0], "期数\tz_hz\tz_hz的遗漏");
    EXPECT_EQ(rows.back(), "2026096\t100\t0");
    EXPECT_EQ(rows[rows.size() - 2], "2026095\t100\t0");

    r = run({"trend", "z_hz", "--feature", "除余数", "--divisor", "7", "--stats", "2026094-2026096"});
    ASSERT_EQ(r.code, 0) << r.err;
    rows = test::linesOf(r.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0],
              "z_hz统计结果：（最小值：100；最大值：100；中间值：100）；（最小遗传：2；最大遗传：2；当前遗传：2）；"
              "（最小升序：0；最大升序：0；当前升序：0）；（最小降序：2；最大降序：2；当前降序：2）；");
    EXPECT_EQ(rows[1].rfind("z_hz的除7余数统计结果：（最小值：2；最大值：2；", 0), 0u) << rows[1];
    EXPECT_EQ(rows[2], "（统计范围：从2026094至2026096）");
}

TEST_F(CliTrendChart, ChartPages) {
    test::CliRun r = run({"chart", "spacing"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<std::string> rows = test::linesOf(r.out);
    EXPECT_EQ(rows[0], "期数\t2_1\t3_1\t4_1\t5_1\t6_1");
    EXPECT_EQ(rows.back(), "2026096\t3\t15\t21\t25\t30");

    r = run({"chart", "dispersion"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::linesOf(r.out).back(), "2026096\t16.67\t110.10\t66.06");

    r = run({"chart", "remainders", "--k", "5"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::linesOf(r.out).back(), "2026096\t1\t4\t1\t2\t1\t1");

    r = run({"chart", "omission2", "4"});
    ASSERT_EQ(r.code, 0) << r.err;
    rows = test::linesOf(r.out);
    EXPECT_EQ(rows[0], "期数\t4的遗漏走势\t4的遗漏振幅走势");
    EXPECT_EQ(rows.back().rfind("2026096\t", 0), 0u);
}

// 2026095: 04 06 14 21 22 33; 2026096: 01 04 16 22 26 31 on the regular 6 x 6.
TEST_F(CliTrendChart, RowAndColumnPatterns) {
    test::CliRun r = run({"table", "patterns", "--grids", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<std::string> rows = test::linesOf(r.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "期号\t行1\t行2\t行3\t行4\t行5\t行6\t空行\t空列");
    EXPECT_EQ(rows[2], "2026096\t100100\t000000\t000100\t000100\t010000\t100000\t1\t3");

    r = run({"table", "patterns", "--tails", "yes", "--grids", "1"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::linesOf(r.out).back(), "2026096\t01\t10\t10\t10\t00\t1\t0");

    r = run({"table", "patterns", "--arrangement", "1", "--page", "arrangement"});
    ASSERT_EQ(r.code, 0) << r.err;
    rows = test::linesOf(r.out);
    EXPECT_EQ(rows[0], "7X5顺序");
    EXPECT_EQ(rows[1], "01\t02\t03\t04\t05\t06\t07");
    EXPECT_EQ(rows.size(), 6u);

    r = run({"table", "patterns", "--arrangement", "/nonexistent/x.jz"});
    EXPECT_EQ(r.code, 2);
    r = run({"table", "patterns", "--size", "40x2"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind("用法: table patterns", 0), 0u) << r.err;
}

TEST_F(CliTrendChart, BadArgumentsAreRefusedWithAMessage) {
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* message;  // the start of stderr
    };
    const Case cases[] = {
        {{"trend"}, 1, "用法: trend"},
        {{"trend", "z_hz", "--feature", "颜色"}, 1, "用法: trend"},
        {{"trend", "z_hz", "--divisor", "3"}, 1, "用法: trend"},
        {{"trend", "z_hz", "--stats", "2026001"}, 1, "用法: trend"},
        {{"trend", "z_hz+("}, 2, "公式有误:"},
        {{"chart", "pie"}, 1, "用法: chart"},
        {{"chart", "remainders", "--k", "6"}, 1, "用法: chart"},
        {{"chart", "omission", "34"}, 2, "号码应在1到33之间"},
        {{"chart", "omission2", "x"}, 2, "号码应在1到16之间"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        const test::CliRun r = run(args);
        EXPECT_EQ(r.code, c.code) << args[0] << ' ' << r.err;
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
    }
}

}  // namespace
}  // namespace lottodesk
