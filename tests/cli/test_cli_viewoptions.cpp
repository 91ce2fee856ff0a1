// The numeric options of the view commands (table VIEW, trend, chart, convert*, analyse) are
// bounded as the windows' controls bound them: a value outside is a usage error naming the option
// and its range, never a wrapped number, an endless loop or a huge allocation; the ends of each
// range still work.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/clirun.h"

namespace lottodesk {
namespace {

struct Case {
    std::vector<std::string> args;
    int code;
    const char* message;  // a part of stderr
};

class CliViewOptions : public test::SeededCliSuite {
protected:
    // Each case ends with its exit status and message, and prints nothing on stdout.
    static void expectRefused(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            std::string line;
            for (const std::string& a : c.args) line += a + ' ';
            const test::CliRun r = run(c.args);
            EXPECT_EQ(r.code, c.code) << line << '\n' << r.err;
            EXPECT_NE(r.err.find(c.message), std::string::npos) << line << '\n' << r.err;
            EXPECT_TRUE(r.out.empty()) << line;
        }
    }
};

// Every refusal of a bad count, divisor, window or zone count of the tables.
TEST_F(CliViewOptions, TableOptionsOutOfRangeAreUsageErrors) {
    expectRefused({
        {{"table", "stats", "--recent", "0"}, 1, "--recent 必须是正整数或“所有”"},
        {{"table", "stats", "--recent", "-1"}, 1, "--recent 必须是正整数或“所有”"},
        {{"table", "stats", "--recent", "2147483648"}, 1, "--recent 必须是正整数或“所有”"},
        {{"table", "stats", "--divisor", "2"}, 1, "--divisor 必须是 3..5 之间的整数"},
        {{"table", "stats", "--divisor", "2147483647"}, 1, "--divisor 必须是 3..5 之间的整数"},
        {{"table", "stats", "--secondary-divisor", "-1"}, 1, "--secondary-divisor 必须是 3..5 之间的整数"},

        {{"table", "omission", "--zones", "-1"}, 1, "--zones 必须是 0（常规顺序）或 2..15 之间的整数"},
        {{"table", "omission", "--zones", "1"}, 1, "--zones 必须是 0（常规顺序）或 2..15 之间的整数"},
        {{"table", "omission", "--zones", "16"}, 1, "--zones 必须是 0（常规顺序）或 2..15 之间的整数"},
        {{"table", "omission", "--zones", "2147483647"}, 1, "--zones 必须是 0（常规顺序）或 2..15 之间的整数"},
        {{"table", "omission", "--zones", "2147483648"}, 1, "--zones 必须是 0（常规顺序）或 2..15 之间的整数"},
        {{"table", "omission", "--order", "21"}, 1, "--order 必须是 0..20 之间的整数或其名称"},
        {{"table", "omission", "--order", "-1"}, 1, "--order 必须是 0..20 之间的整数或其名称"},
        {{"table", "omission", "--from", "2147483647"}, 2, "数据库中没有第2147483647期的记录"},

        {{"table", "distribution", "--rows", "0"}, 1, "--rows 必须是正整数"},
        {{"table", "distribution", "--rows", "-1"}, 1, "--rows 必须是正整数"},
        {{"table", "distribution", "--rows", "2147483648"}, 1, "--rows 必须是正整数"},
        {{"table", "distribution", "--rule", "13"}, 1, "--rule 必须是 0..12 之间的整数或其名称"},
        {{"table", "distribution", "--to", "-1"}, 2, "数据库中没有第-1期的记录"},

        {{"table", "pairs", "--together", "-1"}, 1, "--together 必须是 0..1000 之间的整数"},
        {{"table", "pairs", "--together", "1001"}, 1, "--together 必须是 0..1000 之间的整数"},
        {{"table", "pairs", "--apart", "2147483648"}, 1, "--apart 必须是 0..1000 之间的整数"},
        {{"table", "pairs", "--recent", "-1"}, 1, "--recent 必须是正整数或“所有”"},
        {{"table", "combined", "--divisor", "5"}, 1, "--divisor 必须是 6..10 之间的整数"},
        {{"table", "combined", "--divisor", "2147483647"}, 1, "--divisor 必须是 6..10 之间的整数"},
        {{"table", "combined", "--class", "8"}, 1, "--class 必须是 0..7 之间的整数或其名称"},
        {{"table", "association", "--tail", "10"}, 1, "--tail 必须是 all 或 0..9 之间的整数"},
        {{"table", "association", "--tail", "-1"}, 1, "--tail 必须是 all 或 0..9 之间的整数"},
        {{"table", "association", "--slot1", "z_hz", "--values1", "1001"}, 1, "0..1000"},
        {{"table", "grid", "--page", "extended", "--zones", "1"}, 1, "--zones 必须是 2..11 之间的整数"},
        {{"table", "grid", "--page", "extended", "--zones", "2147483647"}, 1, "--zones 必须是 2..11 之间的整数"},
        {{"table", "grid", "--page", "field", "--template", "-1"}, 1, "--template 必须是 0..9 之间的整数"},
        {{"table", "patterns", "--grids", "0"}, 1, "--grids 必须是 1..50 之间的整数"},
        {{"table", "patterns", "--grids", "51"}, 1, "--grids 必须是 1..50 之间的整数"},
        {{"table", "patterns", "--grids", "2147483647"}, 1, "--grids 必须是 1..50 之间的整数"},
        {{"table", "patterns", "--size", "0x5"}, 1, "--size 必须是 CxR"},
        {{"table", "patterns", "--size", "34x1"}, 1, "--size 必须是 CxR"},
        {{"table", "patterns", "--arrangement", "11"}, 1, "--arrangement 必须是 1..10 之间的整数"},
    });
}

// The views of the indicator analysis, on the series of the main-number sum.
TEST_F(CliViewOptions, AnalysisOptionsOutOfRangeAreUsageErrors) {
    const auto view = [](std::vector<std::string> options) {
        options.insert(options.begin(), {"table", "analysis", "z_hz"});
        return options;
    };
    expectRefused({
        {view({"--lo", "-1000", "--hi", "5"}), 1, "--lo 必须是 -999..999 之间的整数"},
        {view({"--lo", "1", "--hi", "1000"}), 1, "--hi 必须是 -999..999 之间的整数"},
        {view({"--lo", "2147483648", "--hi", "5"}), 2, "“2147483648”不是有效的整数"},
        {{"analyse", "z_hz", "--from", "0", "--to", "2147483647"}, 1, "--to 必须是 -999..999 之间的整数"},

        {view({"--view", "layout", "--min", "2147483600", "--max", "2147483647"}), 1,
         "--min 必须是 -99999..99999 之间的整数"},
        {view({"--view", "layout", "--max", "100000"}), 1, "--max 必须是 -99999..99999 之间的整数"},
        {view({"--view", "layout", "--min", "5", "--max", "4"}), 1, "--min 不能大于 --max"},
        {view({"--view", "layout", "--min", "-99999", "--max", "99999"}), 2,
         "数据分布图中，最大值与最小值之差不能大于100。"},
        {view({"--view", "layout", "--layout", "0"}), 1, "--layout 必须是 1..15 之间的整数"},
        {view({"--view", "layout", "--layout", "16"}), 1, "--layout 必须是 1..15 之间的整数"},
        {view({"--big", "100000"}), 1, "--big 必须是 -99999..99999 之间的整数"},
        {view({"--view", "features", "--big", "-100000"}), 1, "--big 必须是 -99999..99999 之间的整数"},
        {view({"--view", "classes", "--classes", "余数", "--k", "21"}), 1, "--k 必须是 2..20 之间的整数"},
        {view({"--view", "classes", "--classes", "分区", "--k", "1001"}), 1, "--k 必须是 2..1000 之间的整数"},
        {view({"--view", "classes", "--k", "2147483647"}), 1, "--k 必须是 2..20 之间的整数"},
        {view({"--view", "counts", "--recent", "0"}), 1, "--recent 必须是正整数或“所有”"},
        {view({"--view", "classes", "--recent", "2147483648"}), 1, "--recent 必须是正整数或“所有”"},
        {view({"--view", "segments", "--length", "1"}), 1, "--length 必须是 2..50 之间的整数"},
        {view({"--view", "segments", "--length", "2147483647"}), 1, "--length 必须是 2..50 之间的整数"},
        {view({"--view", "segments", "--shift", "11"}), 1, "--shift 必须是 -10..10 之间的整数"},
        {view({"--view", "segments", "--shift", "-2147483648"}), 1, "--shift 必须是 -10..10 之间的整数"},
        {view({"--lo", "1", "--hi", "33", "--view", "occurrences", "--value", "34"}), 1,
         "--value 必须是 1..33 之间的整数"},
        {view({"--lo", "1", "--hi", "33", "--view", "occurrences", "--value", "-2147483648"}), 1,
         "--value 必须是 1..33 之间的整数"},
        {view({"--view", "field", "--rows", "1"}), 1, "--rows 必须是 2..10 之间的整数"},
        {view({"--view", "field", "--layout", "11"}), 1, "--layout 必须是 1..10 之间的整数"},
        {view({"--view", "remainders", "--divisor", "1"}), 1, "--divisor 必须是 2..20 之间的整数"},
        {view({"--view", "table", "--order", "21"}), 1, "--order 必须是 0..20 之间的整数或其名称"},
    });
}

TEST_F(CliViewOptions, TrendChartAndConversionOptionsOutOfRangeAreUsageErrors) {
    expectRefused({
        {{"trend", "z_hz", "--middle", "0"}, 1, "--middle 必须是 1..1000 之间的整数"},
        {{"trend", "z_hz", "--middle", "2147483647"}, 1, "--middle 必须是 1..1000 之间的整数"},
        {{"trend", "z_hz", "--divisor", "21"}, 1, "--divisor 必须是 4..20 之间的整数"},
        {{"chart", "remainders", "--k", "2"}, 1, "--k 必须是 3..5 之间的整数"},
        {{"chart", "remainders", "--k", "-1"}, 1, "--k 必须是 3..5 之间的整数"},
        {{"chart", "omission", "0"}, 2, "号码应在1到33之间"},
        {{"chart", "omission", "2147483648"}, 2, "号码应在1到33之间"},
        {{"convert", "f_num1", "--columns", "-1"}, 1, "--columns 必须是 0..200 之间的整数"},
        {{"convert", "f_num1", "--columns", "201"}, 1, "--columns 必须是 0..200 之间的整数"},
        {{"convert-inverse", "f_num1", "--column", "201", "1"}, 1, "--column 必须是 指标值 或 1..200 的整数"},
        {{"convert-inverse", "f_num1", "--column", "-1", "1"}, 1, "--column 必须是 指标值 或 1..200 的整数"},
        {{"convert-kill", "f_num1", "--columns", "0", "5"}, 1, "--columns 的两列必须在 1..200 之间"},
        {{"convert-kill", "f_num1", "--columns", "5", "2147483648"}, 1, "--columns 的两列必须在 1..200 之间"},
        {{"convert-kill", "f_num1", "--columns", "30", "1"}, 1, "--columns 的第一列不能大于第二列"},
        {{"convert-kill", "f_num1", "--from", "2147483647"}, 2, "数据库中没有第2147483647期的记录"},
    });
}

// The ends of each range are still accepted.
TEST_F(CliViewOptions, RangeEndsStillWork) {
    const std::vector<std::vector<std::string>> accepted = {
        {"table", "stats", "--recent", "2147483647", "--divisor", "5", "--secondary-divisor", "3"},
        {"table", "omission", "--zones", "0", "--page", "marks"},
        {"table", "omission", "--zones", "15", "--order", "20", "--page", "marks"},
        {"table", "distribution", "--rows", "2147483647", "--rule", "12"},
        {"table", "pairs", "--recent", "2147483647", "--together", "1000", "--apart", "0", "--page", "labels"},
        {"table", "combined", "--class", "7", "--divisor", "10"},
        {"table", "association", "--tail", "9", "--page", "caption"},
        {"table", "grid", "--page", "extended", "--chart", "zones", "--zones", "11"},
        {"table", "grid", "--page", "field", "--template", "9"},
        {"table", "patterns", "--grids", "50", "--size", "33x33"},
        {"table", "patterns", "--arrangement", "10", "--page", "arrangement"},
        {"table", "analysis", "z_hz", "--lo", "-999", "--hi", "999", "--view", "classes", "--classes", "分区", "--k",
         "1000"},
        {"table", "analysis", "z_hz", "--view", "layout", "--min", "99900", "--max", "99999", "--layout", "15"},
        {"table", "analysis", "z_hz", "--view", "layout", "--min", "-99999", "--max", "-99900", "--layout", "1"},
        {"table", "analysis", "z_hz", "--big", "-99999", "--kline", "除20余数"},
        {"table", "analysis", "z_hz", "--view", "counts", "--recent", "2147483647"},
        {"table", "analysis", "z_hz", "--view", "classes", "--classes", "余数", "--k", "20"},
        {"table", "analysis", "z_hz", "--view", "segments", "--length", "50", "--shift", "-10"},
        {"table", "analysis", "z_hz", "--view", "segments", "--length", "2", "--shift", "10"},
        {"table", "analysis", "z_hz", "--lo", "1", "--hi", "33", "--view", "occurrences", "--value", "33"},
        {"table", "analysis", "z_hz", "--view", "field", "--rows", "10", "--layout", "10"},
        {"table", "analysis", "z_hz", "--view", "remainders", "--divisor", "20"},
        {"analyse", "z_hz", "--from", "-999", "--to", "999"},
        {"trend", "z_hz", "--middle", "1000", "--divisor", "20", "--stats", "all"},
        {"chart", "remainders", "--k", "5"},
        {"chart", "omission", "33"},
        {"convert", "f_num1", "--columns", "0"},
        {"convert-inverse", "f_num1", "--column", "200", "0"},
        {"convert-kill", "f_num1", "--from", "2026090", "--columns", "200", "200"},
    };
    for (const std::vector<std::string>& args : accepted) {
        std::string line;
        for (const std::string& a : args) line += a + ' ';
        const test::CliRun r = run(args);
        EXPECT_EQ(r.code, 0) << line << '\n' << r.err;
        EXPECT_FALSE(r.out.empty()) << line;
    }
}

// Series whose values lie at the ends of the 32-bit range are analysed and laid out without
// wrapping: a constant series at the largest integer keeps its range inside 32 bits, and the
// omission table of values up to it lays out each value of the range once, in every order.
TEST_F(CliViewOptions, SeriesAtTheEndOfTheIntegerRange) {
    test::CliRun r = run({"analyse", "2147483647"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::linesOf(r.out)[0], "2147483647\t2147483647");
    r = run({"table", "analysis", "2147483647", "--view", "features"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::linesOf(r.out).back().substr(test::linesOf(r.out).back().find('\t')), "\t2147483647\t奇\t质\t大");

    // z_num6 reaches 33, so the series reaches the largest integer.
    const std::string nearTop = "z_num6+2147483614";
    r = run({"analyse", nearTop});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string range = test::linesOf(r.out)[0];
    ASSERT_EQ(range.substr(range.find('\t') + 1), "2147483647");
    const size_t values = static_cast<size_t>(2147483647 - std::stoll(range.substr(0, range.find('\t'))) + 1);
    for (const char* order : {"常规顺序", "按质合", "按除3余数", "按除20余数"}) {
        r = run({"table", "analysis", nearTop, "--view", "table", "--order", order});
        ASSERT_EQ(r.code, 0) << order << ' ' << r.err;
        const std::string header = test::linesOf(r.out)[0];
        std::vector<long long> columns;
        for (size_t at = header.find('\t', header.find('\t') + 1); at != std::string::npos;
             at = header.find('\t', at + 1))
            columns.push_back(std::stoll(header.substr(at + 1)));
        EXPECT_EQ(columns.size(), values) << order;
        std::sort(columns.begin(), columns.end());
        EXPECT_EQ(std::unique(columns.begin(), columns.end()), columns.end()) << order;
        EXPECT_EQ(columns.back(), 2147483647) << order;
    }
}

}  // namespace
}  // namespace lottodesk
