#include <gtest/gtest.h>

#include "core/gbk.h"
#include "generator/condreport.h"
#include "support/history.h"

namespace lottodesk {
namespace {

using Lines = std::vector<std::string>;

tselfcond group(std::vector<uint8_t> numbers, std::vector<int32_t> allowed, bool tolerant = false,
                bool countOnce = false) {
    tselfcond entry;
    entry.numbers = std::move(numbers);
    entry.allowed = std::move(allowed);
    entry.tolerant = tolerant;
    entry.countOnce = countOnce;
    return entry;
}

class ConditionReport : public ::testing::Test {
protected:
    void SetUp() override {
        test::fill(store, {{1, 5, 12, 19, 26, 33, 7},
                           {3, 8, 15, 22, 27, 31, 9},
                           {4, 8, 16, 23, 30, 33, 12},
                           {2, 9, 10, 11, 25, 28, 1},
                           {3, 7, 11, 15, 19, 23, 5},
                           {1, 2, 3, 11, 12, 13, 6}});
    }

    // Something of every kind of line.
    static MainConditions conditions() {
        MainConditions c = resetConditions(33);
        c.fixed[8] = true;
        c.rows[1].enabled = true;  // an empty set
        c.rows[2] = {true, {2, 3}, true, {}, {}};
        c.rows[6] = {true, {1}, false, {}, {}};
        c.rows[15] = {true, {1}, false, {}, {}};
        c.rows[25] = {true, {100, 114}, false, {}, {}};
        c.rows[34] = {true, {}, false, 5.0, 10.0};
        c.rows[94] = {true, {5}, false, {}, {}};
        c.customEnabled = true;
        c.custom.add("z_hz%10", false, {4});
        c.selfSetEnabled = true;
        c.selfSet = {group({1, 2, 3}, {0, 1}, true)};
        c.tailEnabled = true;
        c.tails = {group({3, 5}, {2}, false, true)};
        c.noPastDraws = true;
        c.totalToleranceEnabled = true;
        c.totalFrom = 1;
        c.totalTo = 3;
        return c;
    }

    CheckReport check(const MainConditions& c, int n, CheckMode mode) {
        test::SsqContext context(store);
        return checkReport(c, context.ctx, n, mode);
    }

    t_s_dm store;
};

std::string allNumbers() {
    std::string text = "可选红号：";
    for (int n = 1; n <= 33; ++n) text += std::to_string(n) + "，";
    return text;
}

TEST_F(ConditionReport, SummaryLines) {
    const Lines expected{
        allNumbers(),
        "胆码：8，",
        "",
        "指标过滤设置：",
        "",
        "大数个数：",
        "奇数个数：2，3，（容错）",
        "重号个数：1，",
        "ac值：1，",
        "和值：100，114，",
        "标准差：5<=取值范围<=10",
        "红号七：5，",
        "",
        "自定义指标过滤设置：",
        "",
        "自定义指标1（z_hz%10）：4，",
        "",
        "自设条件过滤设置：",
        "",
        "自设条件1：（号码组：1，2，3，出号个数：0，1，）容错",
        "",
        "尾数过滤设置：",
        "",
        "尾数设置1：（尾号组：3，5，出号个数：2，）(相同尾数仅计算一次)",
        "",
        "不允许和历史数据相同",
        "去除等间距组合",
        "去除特殊连号",
        "已设定了容错个数",
        "1<=总容错<=3",
    };
    EXPECT_EQ(summaryReport(conditions()), expected);
}

TEST_F(ConditionReport, SummaryOfTheResetStateAndOfDisabledLists) {
    MainConditions c = resetConditions(33);
    c.noEqualSpacing = false;
    c.noSpecialRuns = false;
    for (int n = 1; n <= 33; ++n) c.selectable[n] = n <= 3;
    EXPECT_EQ(summaryReport(c), (Lines{"可选红号：1，2，3，", "胆码：", "", "指标过滤设置：", "", ""}));

    // Lists with entries but their boxes unticked: the headings only.
    c.custom.add("z_hz", true, {1});
    c.selfSet = {group({1}, {1})};
    c.tails = {group({1}, {1})};
    c.rows[34] = {true, {}, true, std::nullopt, 4.0};
    EXPECT_EQ(summaryReport(c),
              (Lines{"可选红号：1，2，3，", "胆码：", "", "指标过滤设置：", "", "标准差：<=取值范围<=4（容错）", "",
                     "自定义指标过滤设置：", "", "", "自设条件过滤设置：", "", "", "尾数过滤设置：", "", ""}));
}

TEST_F(ConditionReport, CheckAgainstADrawInEveryMode) {
    // Draw 3: 04 08 16 23 30 33 — sum 114, two odd numbers, 08 repeated from draw 2, AC 9,
    // deviation about 10.7, sum tail 4, no 1 2 3, tail digit 3 only.
    const Lines all{
        "正确 " + allNumbers(),
        "正确 胆码：8，",
        "",
        "指标过滤设置：",
        "",
        "正确 大数个数：",
        "正确 奇数个数：2，3，（容错）",
        "正确 重号个数：1，",
        "错误 ac值：1，",
        "正确 和值：100，114，",
        "错误 标准差：5<=取值范围<=10",
        "正确 红号七：5，",
        "",
        "自定义指标过滤设置：",
        "",
        "正确 自定义指标1（z_hz%10）：4，",
        "",
        "自设条件过滤设置：",
        "",
        "正确 自设条件1：（号码组：1，2，3，出号个数：0，1，）容错",
        "",
        "尾数过滤设置：",
        "",
        "错误 尾数设置1：（尾号组：3，5，出号个数：2，）(相同尾数仅计算一次)",
        "",
        "不允许和历史数据相同",
        "正确 去除等间距组合",
        "正确 去除特殊连号",
        "已设定了容错个数",
        "1<=总容错<=3",
    };
    CheckReport report = check(conditions(), 3, CheckMode::All);
    ASSERT_TRUE(report.status) << report.status.message;
    EXPECT_EQ(report.lines, all);

    auto only = [&](const char* prefix) {
        Lines kept;
        for (const std::string& line : all)
            if (line.rfind("正确 ", 0) != 0 && line.rfind("错误 ", 0) != 0)
                kept.push_back(line);
            else if (line.rfind(prefix, 0) == 0)
                kept.push_back(line);
        return kept;
    };
    EXPECT_EQ(check(conditions(), 3, CheckMode::RightOnly).lines, only("正确 "));
    const Lines wrong = check(conditions(), 3, CheckMode::WrongOnly).lines;
    EXPECT_EQ(wrong, only("错误 "));
    EXPECT_EQ(wrong[3], "错误 ac值：1，");

    // The failed conditions by caption, with their tolerance, in every mode.
    for (CheckMode mode : {CheckMode::All, CheckMode::RightOnly, CheckMode::WrongOnly}) {
        std::vector<std::pair<std::string, bool>> failed;
        for (const FailedRow& row : check(conditions(), 3, mode).failed) failed.emplace_back(row.caption, row.tolerant);
        EXPECT_EQ(failed, (std::vector<std::pair<std::string, bool>>{
                              {"AC值", false}, {"标准差", false}, {"尾数设置1", false}}));
    }
}

TEST_F(ConditionReport, VerdictsUseTheDrawAndTheDrawsBeforeIt) {
    MainConditions c = resetConditions(33);
    c.noEqualSpacing = c.noSpecialRuns = false;
    c.rows[6] = {true, {1}, false, {}, {}};  // repeats of the previous draw
    c.rows[25] = {true, {114}, false, {}, {}};
    c.fixed[8] = true;
    struct Case {
        int n;
        Lines wrong;
    } cases[] = {
        {3, {}},
        {2, {"错误 重号个数：1，", "错误 和值：114，"}},  // 03 08 15 22 27 31 repeats nothing of draw 1
        {4, {"错误 胆码：8，", "错误 重号个数：1，", "错误 和值：114，"}},
    };
    for (const Case& k : cases) {
        Lines verdicts;
        for (const std::string& line : check(c, k.n, CheckMode::WrongOnly).lines)
            if (!line.empty() && line.rfind("错误 ", 0) == 0) verdicts.push_back(line);
        EXPECT_EQ(verdicts, k.wrong) << "draw " << k.n;
    }
}

TEST_F(ConditionReport, StructuralExclusionsAndNumbers) {
    MainConditions c = resetConditions(33);
    for (int n = 20; n <= 33; ++n) c.selectable[n] = false;
    struct Case {
        int n;
        Lines expected;
    } cases[] = {
        {5,
         {"错误 可选红号：1，2，3，4，5，6，7，8，9，10，11，12，13，14，15，16，17，18，19，", "", "指标过滤设置：",
          "", "", "错误 去除等间距组合"}},
        {6, {"", "指标过滤设置：", "", "", "错误 去除特殊连号"}},
    };
    for (const Case& k : cases) EXPECT_EQ(check(c, k.n, CheckMode::WrongOnly).lines, k.expected) << k.n;
}

TEST_F(ConditionReport, CustomIndicatorEntriesAsTheFilterTakesThem) {
    MainConditions c = resetConditions(33);
    c.noEqualSpacing = c.noSpecialRuns = false;
    c.customEnabled = true;
    c.custom.add("z_hz%10", false, {5});  // wrong: 4
    c.custom.add("z_hz+", false, {1});    // cannot be evaluated: ends the checks
    c.custom.add("z_hz", false, {1});     // skipped, so not against the draw
    const CheckReport report = check(c, 3, CheckMode::All);
    ASSERT_TRUE(report.status);
    const Lines tail(report.lines.end() - 5, report.lines.end() - 1);
    EXPECT_EQ(tail, (Lines{"", "错误 自定义指标1（z_hz%10）：5，", "正确 自定义指标2（z_hz+）：1，",
                           "正确 自定义指标3（z_hz）：1，"}));

    MainConditions empty = c;
    empty.custom.clear();
    empty.custom.add("z_hz", false, {});
    empty.custom.add("z_hz", false, {1});
    const CheckReport skipped = check(empty, 3, CheckMode::WrongOnly);
    for (const std::string& line : skipped.lines) EXPECT_EQ(line.rfind("错误", 0), std::string::npos) << line;
}

TEST_F(ConditionReport, AFormulaThatStopsStopsTheReport) {
    MainConditions c = resetConditions(33);
    c.customEnabled = true;
    c.custom.add("z_hz/0", false, {1});
    const CheckReport report = check(c, 3, CheckMode::All);
    EXPECT_FALSE(report.status);
    EXPECT_FALSE(report.status.message.empty());
    EXPECT_TRUE(report.lines.empty());

    EXPECT_FALSE(check(resetConditions(33), 0, CheckMode::All).status);
    EXPECT_FALSE(check(resetConditions(33), 7, CheckMode::All).status);
}

TEST(ConditionReportFile, GbkWithCrLfAfterEveryLine) {
    test::TempFolder home;
    const ReportFile file = writeConditionReport(home.path(), {"胆码：8，", "", "去除特殊连号"});
    ASSERT_TRUE(file.status) << file.status.message;
    EXPECT_EQ(file.path, home.file("database/showcond.txt"));
    EXPECT_EQ(test::readFile(file.path), utf8ToGbk("胆码：8，") + "\r\n\r\n" + utf8ToGbk("去除特殊连号") + "\r\n");
}

TEST(ConditionReportModes, FromTheDialogTexts) {
    EXPECT_EQ(checkModeFromText("全部显示"), CheckMode::All);
    EXPECT_EQ(checkModeFromText("只显示对"), CheckMode::RightOnly);
    EXPECT_EQ(checkModeFromText("只显示错"), CheckMode::WrongOnly);
    EXPECT_EQ(checkModeFromText("其他"), std::nullopt);
}

}  // namespace
}  // namespace lottodesk
