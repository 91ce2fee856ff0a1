#include <gtest/gtest.h>

#include <algorithm>

#include <sstream>
#include <string>
#include <vector>

#include "support/clirun.h"

namespace lottodesk {
namespace {

// One draw as `draws` prints it: the period and the main numbers.
struct Draw {
    long period = 0;
    std::vector<int> main;
};

std::vector<Draw> drawsOf(const std::string& text) {
    std::vector<Draw> draws;
    for (const std::string& line : test::linesOf(text)) {
        std::istringstream in(line);
        Draw d;
        std::string numbers;
        in >> d.period;
        in.ignore(1);
        std::getline(in, numbers, '\t');
        std::istringstream nums(numbers);
        for (int n; nums >> n;) d.main.push_back(n);
        draws.push_back(d);
    }
    return draws;
}

class CliAnalysis : public test::SeededCliSuite {
protected:
    // The draws of a type as `draws` prints them.
    static std::vector<Draw> draws(const std::string& type) {
        const test::CliRun r = run({"--type", type, "draws"});
        EXPECT_EQ(r.code, 0) << r.err;
        return drawsOf(r.out);
    }
};

TEST_F(CliAnalysis, AnalyseAgreesWithTheTextOnTheRealHistory) {
    // Literal references written from the indicator definitions, on 双色球 (the seven-number game
    // is covered by the engine tests).
    struct Case {
        const char* type;
        const char* text;
        int (*reference)(const std::vector<int>& main);
    };
    const Case cases[] = {
        {"0", "z_hz",
         [](const std::vector<int>& m) {
             int s = 0;
             for (int n : m) s += n;
             return s;
         }},
        {"0", "xh21%10", [](const std::vector<int>& m) { return (m[1] + m[0]) % 10; }},
        {"0", "z_num1%3", [](const std::vector<int>& m) { return m[0] % 3; }},
        {"0", "xc61", [](const std::vector<int>& m) { return m[5] - m[0]; }},
    };
    for (const Case& c : cases) {
        const std::vector<Draw> history = draws(c.type);
        ASSERT_GT(history.size(), 1000u);
        const test::CliRun r = run({"--type", c.type, "analyse", c.text});
        ASSERT_EQ(r.code, 0) << c.text << r.err;
        const std::vector<std::string> lines = test::linesOf(r.out);
        ASSERT_EQ(lines.size(), history.size() + 1) << c.text;
        int lo = 1 << 30, hi = -(1 << 30);
        for (size_t i = 0; i < history.size(); ++i) {
            const int value = c.reference(history[i].main);
            lo = std::min(lo, value);
            hi = std::max(hi, value);
            ASSERT_EQ(lines[i + 1], std::to_string(history[i].period) + "\t" + std::to_string(value))
                << c.type << " " << c.text;
        }
        EXPECT_EQ(lines[0], std::to_string(lo) + "\t" + std::to_string(hi)) << c.text;
    }
}

TEST_F(CliAnalysis, AnalyseRangeFieldsAndFailures) {
    // Both range fields give the range; given high end first they are swapped; one alone is ignored.
    EXPECT_EQ(test::linesOf(run({"analyse", "z_num1", "--from", "1", "--to", "33"}).out)[0], "1\t33");
    EXPECT_EQ(test::linesOf(run({"analyse", "z_num1", "--from", "33", "--to", "1"}).out)[0], "1\t33");
    EXPECT_EQ(test::linesOf(run({"analyse", "z_num1", "--from", "5"}).out)[0],
              test::linesOf(run({"analyse", "z_num1"}).out)[0]);
    // A constant series: the high end becomes low + main count - 1.
    EXPECT_EQ(test::linesOf(run({"analyse", "7"}).out)[0], "7\t12");

    const test::CliRun bad = run({"analyse", "z_hz+("});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err.rfind("公式有误:", 0), 0u) << bad.err;
    EXPECT_TRUE(bad.out.empty());

    const test::CliRun text = run({"analyse", "z_hz", "--from", "abc", "--to", "3"});
    EXPECT_EQ(text.code, 2);
    EXPECT_NE(text.err.find("abc"), std::string::npos) << text.err;
    EXPECT_EQ(run({"analyse"}).code, 1);
    EXPECT_EQ(run({"analyse", "z_hz", "--to"}).code, 1);
}

TEST_F(CliAnalysis, TableAnalysisViews) {
    // The last draws of the sample 双色球 history: sums 100, 100, 100 in 2026094..2026096.
    std::vector<std::string> rows = test::linesOf(run({"table", "analysis", "z_hz"}).out);
    ASSERT_GT(rows.size(), 1000u);
    EXPECT_EQ(rows[0], "期号\t值\t开盘\t收盘\t形态\t信号");
    EXPECT_EQ(rows.back(), "2026096\t100\t100\t100\t线\t降") << "equal counts as 降";
    EXPECT_EQ(test::linesOf(run({"table", "analysis", "z_num1"}).out).back(), "2026096\t1\t4\t1\t绿\t降");

    rows = test::linesOf(
        run({"table", "analysis", "z_hz", "--kline", "除7余数", "--signal", "奇偶图", "--display", "符号表示"}).out);
    EXPECT_EQ(rows.back(), "2026096\t2\t2\t2\t线\tX");

    // Counts of the last 100 draws agree with the omission view's totals and the window.
    rows = test::linesOf(run({"table", "analysis", "z_num1", "--view", "counts"}).out);
    // The window's headers.
    EXPECT_EQ(rows[0], "指标取值\t出现次数");
    EXPECT_EQ(rows.back(), "共100期");
    int total = 0;
    for (size_t i = 1; i + 1 < rows.size(); ++i) total += std::stoi(rows[i].substr(rows[i].find('\t') + 1));
    EXPECT_EQ(total, 100);
    rows = test::linesOf(
        run({"table", "analysis", "z_num1", "--view", "counts", "--order", "降序显示", "--show", "百分比"}).out);
    EXPECT_EQ(rows[1], "1\t21.0%");

    // The omission view's 出现次数 is the count over its window (all draws): the first number's count.
    int hitsOfOne = 0;
    for (const std::string& line : test::linesOf(run({"series", "z_num1"}).out))
        hitsOfOne += line.substr(line.find('\t') + 1) == "1";
    rows = test::linesOf(run({"table", "analysis", "z_num1", "--view", "omission", "--lo", "1", "--hi", "33"}).out);
    ASSERT_EQ(rows.size(), 34u);
    EXPECT_EQ(rows[0], "指标取值\t出现次数\t最大遗漏\t最小遗漏\t平均遗漏\t上次遗漏\t本次遗漏");
    EXPECT_EQ(rows[1].substr(0, rows[1].find('\t', 2)), "1\t" + std::to_string(hitsOfOne));
    EXPECT_EQ(rows[1].substr(0, 2), "1\t");
    EXPECT_EQ(rows[1].substr(rows[1].rfind('\t')), "\t0") << "2026096 opens with 01";
    const size_t draws = test::linesOf(run({"draws"}).out).size();
    EXPECT_EQ(rows[33], "33\t0\t9999\t9999\t9999\t9999\t" + std::to_string(draws))
        << "z_num1 is never 33: its omission runs from the start of the history";

    rows = test::linesOf(run({"table", "analysis", "z_hz", "--view", "classes", "--classes", "分区", "--k", "3"}).out);
    EXPECT_EQ(rows[0], "分项\t次数");
    EXPECT_EQ(rows[1].rfind("第1区<", 0), 0u);
    EXPECT_EQ(rows.back(), "共100期");

    // A range of more than 200 values lists every value, those never seen with 0 (the 200-value
    // limit is the omission table's alone).
    rows = test::linesOf(run({"table", "analysis", "z_hz*100-9000", "--view", "counts", "--recent", "3"}).out);
    ASSERT_GT(rows.size(), 203u);
    EXPECT_EQ(rows.front(), "指标取值\t出现次数");
    EXPECT_EQ(rows.back(), "共3期");
    EXPECT_NE(std::find(rows.begin(), rows.end(), "1000\t3"), rows.end());
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const std::string& r) { return r.ends_with("\t0"); }),
              static_cast<long>(rows.size()) - 3);

    // Bad options and texts.
    EXPECT_EQ(run({"table", "analysis", "z_hz", "--view", "nonsense"}).code, 1);
    EXPECT_EQ(run({"table", "analysis", "z_hz", "--kline", "除21余数"}).code, 1);
    EXPECT_EQ(run({"table", "analysis", "z_hz", "--view", "counts", "--from", "2026001"}).code, 1);
    EXPECT_EQ(run({"table", "analysis", "z_hz", "--view", "classes", "--k", "1"}).code, 1);
    const test::CliRun bad = run({"table", "analysis", "z_hz+(", "--view", "counts"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err.rfind("公式有误:", 0), 0u);
    EXPECT_EQ(run({"table", "analysis"}).code, 1);
}

TEST_F(CliAnalysis, TableAnalysisTrendViews) {
    // z_num1 of the last draws: .. 2026094 6, 2026095 4, 2026096 1.
    std::vector<std::string> rows = test::linesOf(run({"table", "analysis", "z_num1", "--view", "averages"}).out);
    EXPECT_EQ(rows[0], "期号\t常规线\t二期均值\t三期均值\t四期均值\t五期均值\t十期均值");
    EXPECT_EQ(rows.back().rfind("2026096\t1\t2.50\t3.67\t", 0), 0u) << rows.back();

    rows = test::linesOf(run({"table", "analysis", "z_hz", "--view", "segments", "--shift", "2"}).out);
    EXPECT_EQ(rows[0], "起始期号\t终止期号\t区段总和");
    EXPECT_EQ(rows.back(), "2026094\t2026096\t300") << "the newest segment holds 5 - 2 periods";
    rows = test::linesOf(
        run({"table", "analysis", "z_hz", "--view", "segments", "--length", "3", "--content", "相同个数"}).out);
    EXPECT_EQ(rows.back(), "2026094\t2026096\t3") << "100 three times: 2 for the first repeat, 1 for the next";
    rows = test::linesOf(
        run({"table", "analysis", "z_hz", "--view", "segments", "--length", "3", "--content", "区段平均值"}).out);
    EXPECT_EQ(rows.back(), "2026094\t2026096\t100");

    rows = test::linesOf(run({"table", "analysis", "z_num1", "--view", "occurrences", "--value", "1"}).out);
    EXPECT_EQ(rows.back(), "2026096\t11");
    EXPECT_EQ(rows[rows.size() - 2].substr(0, 8), "2026084\t");

    rows = test::linesOf(
        run({"table", "analysis", "z_num1", "--view", "layout", "--layout", "2", "--min", "1", "--max", "16"}).out);
    EXPECT_EQ(rows[0], "期号\t1\t4\t7\t10\t13\t16\t2\t5\t8\t11\t14\t3\t6\t9\t12\t15");
    EXPECT_EQ(rows.back(), "2026096\t1\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t");
    const test::CliRun wide = run({"table", "analysis", "z_num1", "--view", "layout", "--max", "100"});
    EXPECT_EQ(wide.code, 2);
    EXPECT_EQ(wide.err, "数据分布图中，最大值与最小值之差不能大于100。\n");
    EXPECT_EQ(run({"table", "analysis", "z_num1", "--view", "layout", "--max", "99"}).code, 0);

    EXPECT_EQ(test::linesOf(run({"table", "analysis", "z_num1", "--view", "features"}).out).back(),
              "2026096\t1\t奇\t质\t小");
    EXPECT_EQ(test::linesOf(run({"table", "analysis", "z_num1", "--view", "changes"}).out).back(), "2026096\t1\t3\t1");
    // The omission table of the series: f_num1 over the last seven draws (03 05 11 09 01 16 04).
    rows = test::linesOf(
        run({"table", "analysis", "f_num1", "--view", "table", "--from", "2026090", "--to", "2026096"}).out);
    ASSERT_EQ(rows.size(), 1u + 7u + 6u);
    EXPECT_EQ(rows[0], "期号\t开奖号\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16");
    EXPECT_EQ(rows[7], "2026096\t4\t2\t7\t6\t4\t5\t7\t7\t7\t3\t7\t4\t7\t7\t7\t7\t1");
    EXPECT_EQ(rows[9], "出现次数\t\t1\t0\t1\t1\t1\t0\t0\t0\t1\t0\t1\t0\t0\t0\t0\t1");
    EXPECT_EQ(rows[13], "本次遗漏\t\t2\t7\t6\t0\t5\t7\t7\t7\t3\t7\t4\t7\t7\t7\t7\t1");
    const test::CliRun tooWide = run({"table", "analysis", "z_hz*2", "--view", "table"});
    EXPECT_EQ(tooWide.code, 2);
    EXPECT_EQ(tooWide.err, "该指标取值范围太宽,不宜用图表显示，请选择取值范围小于200的指标\n");
    EXPECT_TRUE(tooWide.out.empty());

    // The feature table: one mark per family.
    rows = test::linesOf(
        run({"table", "analysis", "z_num1", "--view", "traits", "--from", "2026095", "--to", "2026096"}).out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].rfind("期号\t指标值\t尾号0\t尾号1\t", 0), 0u) << rows[0];
    // The families of the component table: its eight default groups, four zones and remainders by 4 too.
    EXPECT_NE(rows[0].find("\t三区1\t三区2\t三区3\t四区1\t四区2\t四区3\t四区4\t除三余数0\t除三余数1\t除三余数2"
                           "\t除四余数0\t除四余数1\t除四余数2\t除四余数3"),
              std::string::npos)
        << rows[0];
    auto marks = [](const std::string& row, const std::string& value) {
        int n = 0;
        for (size_t at = row.find('\t' + value, 1); at != std::string::npos; at = row.find('\t' + value, at + 1)) ++n;
        return n - 1;  // the value column itself
    };
    EXPECT_EQ(marks(rows[2], "1"), 8) << rows[2];
    rows = test::linesOf(run({"table", "analysis", "z_num1", "--view", "traits", "--families", "奇偶,十五区"}).out);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back().rfind("2026096\t1\t1\t\t1\t", 0), 0u) << rows.back();
    EXPECT_EQ(run({"table", "analysis", "z_num1", "--view", "traits", "--families", "十六区"}).code, 1);

    // The omission trend agrees with the formula operators; the remainder trend of the sums (100).
    auto lastValue = [](const test::CliRun& r) {
        const std::string last = test::linesOf(r.out).back();
        return last.substr(last.find('\t') + 1);
    };
    EXPECT_EQ(test::linesOf(run({"table", "analysis", "z_num1", "--view", "omission-trend"}).out).back(),
              "2026096\t" + lastValue(run({"analyse", "getylz(z_num1)"})) + "\t" +
                  lastValue(run({"analyse", "getylzzf(z_num1)"})));
    EXPECT_EQ(test::linesOf(run({"table", "analysis", "z_hz", "--view", "remainders", "--divisor", "7"}).out).back(),
              "2026096\t100\t2");
    EXPECT_EQ(run({"table", "analysis", "z_hz", "--view", "remainders", "--divisor", "21"}).code, 1);

    // The field chart: the layout file is created with the defaults, then edited by hand.
    rows = test::linesOf(run({"table", "analysis", "z_num1", "--view", "field", "--rows", "3"}).out);
    EXPECT_EQ(rows[0], "期号\t值\t01\t02\t03");
    EXPECT_EQ(rows.back(), "2026096\t1\t1\t\t");
    EXPECT_EQ(rows[rows.size() - 2], "2026095\t4\t\t\t");
    std::string layouts = "4 5 6\n1 2 3\n";
    for (int i = 0; i < 9; ++i) layouts += "x\ny\n";
    test::writeFile(home->file("database/tyzsd2.txt"), layouts);
    rows = test::linesOf(run({"table", "analysis", "z_num1", "--view", "field", "--rows", "2"}).out);
    EXPECT_EQ(rows[0], "期号\t值\t4 5 6\t1 2 3");
    EXPECT_EQ(rows.back(), "2026096\t1\t\t1");
    EXPECT_EQ(rows[rows.size() - 2], "2026095\t4\t4\t");
    EXPECT_EQ(run({"table", "analysis", "z_num1", "--view", "field", "--rows", "11"}).code, 1);

    EXPECT_EQ(run({"table", "analysis", "z_hz", "--view", "segments", "--length", "51"}).code, 1);
    EXPECT_EQ(run({"table", "analysis", "z_hz", "--view", "segments", "--shift", "-11"}).code, 1);
}

}  // namespace
}  // namespace lottodesk
