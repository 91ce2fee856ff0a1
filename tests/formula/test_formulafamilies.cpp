#include <gtest/gtest.h>

#include <vector>

#include "formula/formulafamilies.h"
#include "formula/shapenames.h"
#include "support/history.h"

namespace lottodesk {
namespace {

using test::SsqContext;

TEST(FormulaFamilyText, SplitsAtBarsAndTheLastColon) {
    struct Case {
        FormulaFamilyKind kind;
        const char* text;
        std::vector<std::string> formulas;
        int32_t type;
        const char* bad;  // null: the type is an integer
    } cases[] = {
        {FormulaFamilyKind::TwoPattern, "z_num1|z_num2:1", {"z_num1", "z_num2"}, 1, nullptr},
        {FormulaFamilyKind::TwoPattern, "a|b|c:0", {"a", "b|c"}, 0, nullptr},
        {FormulaFamilyKind::TwoPattern, "z_num1:0", {"", "z_num1"}, 0, nullptr},  // no "|": an empty formula
        {FormulaFamilyKind::TwoPattern, "a|b:1:2", {"a", "b"}, 0, "1:2"},
        {FormulaFamilyKind::TwoPattern, "a|b", {"a", ""}, 0, "b"},
        {FormulaFamilyKind::TwoPattern, "a|b:", {"a", "b"}, 0, ""},
        {FormulaFamilyKind::TwoPattern, "a|b:x", {"a", "b"}, 0, "x"},
        {FormulaFamilyKind::ThreePattern, "a|b|c:30", {"a", "b", "c"}, 30, nullptr},
        {FormulaFamilyKind::ThreePattern, "a|b:3", {"a", "", "b"}, 3, nullptr},
        {FormulaFamilyKind::Analysis, "a|b|c|d:5", {"a", "b", "c", "d"}, 5, nullptr},
        {FormulaFamilyKind::Analysis, "a:5", {"a"}, 5, nullptr},  // a list of one formula
        {FormulaFamilyKind::Analysis,
         "a|b|c|d|e|f|g|h|i|j|k|l:27",
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"},
         27,
         nullptr},
    };
    for (const Case& c : cases) {
        const FormulaFamilyParts parts = splitFormulaFamily(c.kind, c.text);
        EXPECT_EQ(parts.formulas, c.formulas) << c.text;
        EXPECT_EQ(parts.conversionError, c.bad != nullptr) << c.text;
        if (c.bad)
            EXPECT_EQ(parts.badText, c.bad) << c.text;
        else
            EXPECT_EQ(parts.type, c.type) << c.text;
    }
}

TEST(PatternValues, StatesAndIndices) {
    struct Case {
        int type;
        std::vector<int32_t> current, previous, twoBack;
        int32_t value;
    } cases[] = {
        {0, {1, 2}, {}, {}, 2},                  // "奇偶"
        {1, {1, 2}, {}, {}, 1},                  // "一偶一奇"
        {1, {3, 5}, {}, {}, 2},                  // "两奇"
        {0, {-1, 2}, {}, {}, -2},                // state -1 enters the arithmetic
        {1, {-1, 2}, {}, {}, 0},                 // a tuple outside the list
        {1, {1, 0, 3}, {}, {}, 2},               // with two states: the count in state 1
        {2, {1, 4}, {}, {}, 2},                  // "质合": 1 is prime
        {3, {0, 9, 4}, {}, {}, 0},               // "三合"
        {4, {14, 25}, {}, {}, 1},                // "小大"
        {4, {-7, 25}, {}, {}, 1},                // a negative tail is small
        {6, {2, 5}, {}, {}, 1},                  // "小中"
        {6, {-8, 9}, {}, {}, 2},                 // a negative value's tail class is small
        {7, {9, 5, 0}, {}, {}, 4},               // "一小一中一大"
        {8, {3, 4, 5}, {}, {}, 5},               // "零壹贰"
        {9, {3, 4, 5}, {}, {}, 4},               // "一0路一1路一2路"
        {9, {6, 9}, {}, {}, 0},                  // "两0路"
        {8, {-1, 0}, {}, {}, -3},                // a negative route enters as it is
        {10, {5, 7}, {5, 9}, {7, 1}, 1},         // "复隔"
        {10, {8, 7}, {5, 7}, {7, 1}, 6},         // "中复": 7 is in the previous draw first
        {11, {5, 7}, {5, 9}, {7, 1}, 1},         // "一复一隔"
        {11, {8, 3}, {5, 9}, {7, 1}, 5},         // "两中"
        {12, {5, 10, 20}, {5, 11, 30}, {}, 19},  // "传邻孤"
        {13, {5, 10, 20}, {5, 11, 30}, {}, 4},   // "一邻一孤一传"
        {13, {6, 4}, {5}, {}, 0},                // "两邻"
        {14, {1, 2}, {}, {}, 0},                 // no such pattern
        {-1, {1, 2}, {}, {}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(patternValue(c.type, c.current, c.previous, c.twoBack), c.value)
            << "type " << c.type << " first value " << c.current[0];
}

TEST(PatternValues, ThreeIndicatorStatistics) {
    const std::array<int32_t, 3> x{3, 8, 5}, y{8, 2, 5};
    const std::pair<int, int32_t> cases[] = {
        {14, 2},  {15, 34}, {16, 3}, {17, 2}, {18, 7}, {19, 5}, {20, 5}, {21, 8}, {22, 5}, {23, 3},
        {24, 16}, {25, 6},  {26, 2}, {27, 1}, {28, 2}, {29, 1}, {30, 1}, {31, 0}, {13, 0},
    };
    for (auto [type, value] : cases) EXPECT_EQ(threeIndicatorStatistic(type, x, y), value) << "type " << type;

    EXPECT_EQ(threeIndicatorStatistic(16, {1, 2, 3}, y), 2);
    EXPECT_EQ(threeIndicatorStatistic(16, {2, 2, 2}, y), 1);
    EXPECT_EQ(threeIndicatorStatistic(16, {1, 4, 7}, y), 2) << "3, 3 and 6";
    // The middle value: mean 4, x1 strictly nearest; x3 when at least as near as x2.
    EXPECT_EQ(threeIndicatorStatistic(22, {4, 2, 6}, y), 4);
    EXPECT_EQ(threeIndicatorStatistic(22, {1, 5, 6}, y), 5);
    EXPECT_EQ(threeIndicatorStatistic(22, {1, 6, 5}, y), 5);
    EXPECT_EQ(threeIndicatorStatistic(22, {0, 1, 1}, y), 1) << "mean 0.7";
    EXPECT_EQ(threeIndicatorStatistic(22, {0, 3, 5}, y), 3) << "mean 2.7";
    EXPECT_EQ(threeIndicatorStatistic(22, {4, 0, 8}, y), 4) << "x1 on the mean";
    EXPECT_EQ(threeIndicatorStatistic(22, {0, 4, 4}, y), 4);
    EXPECT_EQ(threeIndicatorStatistic(20, {-7, 0, 0}, y), -2) << "truncated toward zero";
    EXPECT_EQ(threeIndicatorStatistic(25, {-7, 0, 0}, y), -7);
    EXPECT_EQ(threeIndicatorStatistic(26, {-1, 2, 4}, {1, 2, 4}), 2) << "-1 mod 2 is -1";
}

TEST(PatternValues, AnalysisStatistics) {
    const std::vector<int32_t> v{3, 8, 5, 12}, previous{8, 2, 5, 1};
    const std::pair<int, int32_t> cases[] = {
        {0, 2},  {1, 2},  {2, 7},  {3, 4},  {4, 4},  {5, 2},   {6, 1},  {7, 9},   {8, 7},  {9, 3},  {10, 3},
        {11, 2}, {12, 1}, {13, 2}, {14, 1}, {15, 2}, {16, 0},  {17, 2}, {18, 2},  {19, 1}, {20, 0}, {21, 1},
        {22, 1}, {23, 0}, {24, 1}, {25, 2}, {26, 0}, {27, 28}, {28, 8}, {29, 18}, {30, 0}, {-1, 0},
    };
    for (auto [type, value] : cases) EXPECT_EQ(analysisStatistic(type, v, previous), value) << "type " << type;

    EXPECT_EQ(analysisStatistic(2, std::vector<int32_t>{1, 2}, {}), 2) << "1.5 rounds half up";
    EXPECT_EQ(analysisStatistic(2, std::vector<int32_t>{1, 2, 2}, {}), 2);
    EXPECT_EQ(analysisStatistic(4, std::vector<int32_t>{3, 3, 5, 3000}, {}), 3);
    EXPECT_EQ(analysisStatistic(10, std::vector<int32_t>{1, 3, 5, 6}, {}), 2);
    const std::vector<int32_t> one{5};
    EXPECT_EQ(analysisStatistic(8, one, one), -1);
    EXPECT_EQ(analysisStatistic(9, one, one), 999999);
    EXPECT_EQ(analysisStatistic(10, one, one), 0);
}

// Three draws; the third is current unless a test says otherwise.
class FormulaFamilies : public ::testing::Test {
protected:
    void SetUp() override {
        test::fill(store, {{1, 2, 3, 4, 5, 6, 7}, {3, 8, 15, 22, 27, 31, 9}, {4, 8, 16, 23, 30, 33, 12}});
    }
    EvalResult eval(const std::string& text, int n = 3) {
        SsqContext c(store);
        return tgs(text).evaluate(c.ctx, n);
    }
    int32_t value(const std::string& text, int n = 3) {
        const EvalResult result = eval(text, n);
        EXPECT_TRUE(result.ok) << text << ": " << result.message;
        return result.value;
    }
    t_s_dm store;
};

TEST_F(FormulaFamilies, PatternsOfTheCurrentDraw) {
    const std::pair<const char*, int32_t> cases[] = {
        {"c_2zbzh:z_num1|z_num2:0", 2},          // 01 02: "奇偶"
        {"c_2zbzh:z_num1|z_num2:1", 1},          // "一偶一奇"
        {"c_2zbzh_z_num1|z_num2:0", 2},          // any separator
        {"c_2zbzh:z_num1|z_num2:14", 0},         // no such type
        {"c_3zbzh:z_num1|z_num3|z_num5:1", 3},   // three odd numbers
        {"c_3zbzh:z_num1|z_num2|z_num3:8", 15},  // 01 02 03: "壹贰零" = 1*9 + 2*3 + 0
        {"c_3zbzh:z_num1|z_num2|z_num3:24", 6},
        {"c_3zbzh:z_num1|z_num2|z_num3:22", 2},
        {"c_zhfx:z_num1|z_num2|z_num3|z_num4:27", 10},
        {"c_zhfx:z_num1|z_num2|z_num3|z_num4:0", 2},
        {"c_zhfx:z_num1|z_num2|z_num3|z_num4:99", 0},
        {"c_2zbzh:z_num1:0", 0},                 // no "|": an empty formula fails
        {"c_zhfx:z_num1:0", 1},                  // a list of one formula: 01 is odd
        {"c_2zbzh:xyz|z_num2:0", -2},            // -999 is a value, odd with the state -1
        {"c_zhfx:z_num1|xyz:0", -1},             // a negative value
        {"getzb(c_2zbzh:z_num1+|z_num2:1)", 0},  // a formula with a syntax error
        {"getzb(c_zhfx:z_num1|z_num2+:0)", -1},
    };
    for (auto [text, expected] : cases) EXPECT_EQ(value(text, 1), expected) << text;
    EXPECT_EQ(value("getzb(c_2zbzh:z_num1+1|z_num2*3+1:0)", 1), 1) << "2 and 7: \"偶奇\"";
    EXPECT_EQ(value("c_2zbzh:z_num1|z_num2:1+10", 1), 11) << "the identifier ends at the operator";
}

TEST_F(FormulaFamilies, EarlierDrawsOfTheFormulas) {
    // z_num2 is 02, 08, 08; z_num1 is 01, 03, 04.
    EXPECT_EQ(value("c_2zbzh:z_num2|z_num1:10", 3), 0 * 3 + 2) << "08 repeats, 04 is new: \"复中\"";
    EXPECT_EQ(value("c_2zbzh:z_num2|z_num1:10", 2), 2 * 3 + 2) << "08 and 03 new";
    EXPECT_EQ(value("c_2zbzh:z_num2|z_num1:10", 1), 0) << "the first draw compares with itself";
    EXPECT_EQ(value("c_2zbzh:z_num2|z_num1:12", 3), 2 * 3 + 0) << "08 is passed on, 04 neighbours 03";
    EXPECT_EQ(value("c_2zbzh:z_num2|z_num1:13", 3), 2) << "\"一邻一传\"";
    EXPECT_EQ(value("getzb(c_2zbzh:z_num1|[-1]z_num1:10)", 3), 2 * 3 + 0) << "04 is new, 03 was a value at record 2";
    EXPECT_EQ(eval("c_2zbzh:z_num1|[-1]z_num1:10").fault, EvalResult::Fault::Stop)
        << "outside getzb the identifier ends at \"-\", before a type";
    EXPECT_EQ(value("c_3zbzh:z_num1|z_num2|z_num3:17", 3), 1) << "08 was drawn in position 2 before";
    EXPECT_EQ(value("c_3zbzh:z_num1|z_num2|z_num3:30", 3), 1);
    EXPECT_EQ(value("c_3zbzh:z_num1|z_num2|z_num3:30", 1), 3);
    EXPECT_EQ(value("c_3zbzh:z_num1|z_num2|z_num3:26", 3), 1) << "04/03, 08/08, 16/15";
    EXPECT_EQ(value("c_zhfx:z_num1|z_num2|z_num3|z_num4:5", 3), 1) << "08 among 03 08 15 22";
    EXPECT_EQ(value("c_zhfx:z_num1|z_num2|z_num3|z_num4:6", 3), 1);
    EXPECT_EQ(value("c_zhfx:z_num1|z_num2|z_num3|z_num4:6", 1), 4);
}

TEST_F(FormulaFamilies, ConversionErrorsStop) {
    const std::pair<const char*, const char*> cases[] = {
        {"c_2zbzh:z_num1|z_num2", "公式“c_2zbzh:z_num1|z_num2”中“z_num2”不是有效的整数，计算已停止"},
        {"c_3zbzh:a|b|c:x", "公式“c_3zbzh:a|b|c:x”中“x”不是有效的整数，计算已停止"},
        {"1+c_cz_x", "公式“1+c_cz_x”中“x”不是有效的整数，计算已停止"},
        {"c_fq_1_4", "公式“c_fq_1_4”中“”不是有效的整数，计算已停止"},
        {"getzb(c_cz_x)", "公式“getzb(c_cz_x)”中“x”不是有效的整数，计算已停止"},
        {"getzb(c_zhfx:a|b)", "公式“getzb(c_zhfx:a|b)”中“b”不是有效的整数，计算已停止"},
        {"getzb(c_2zbzh:z_num1/0|z_num2:0)", "公式“z_num1/0”中除数为0，计算已停止"},
        {"getzb(c_zhfx:z_num1|max(1,10/0):0)", "公式“max(1,10/0)”中除数为0，计算已停止"},
        // An earlier prefix anywhere in the text decides.
        {"getzb(c_zhfx:z_num1|getzb(c_cz_y):0)",
         "公式“getzb(c_zhfx:z_num1|getzb(c_cz_y):0)”中“y):0”不是有效的整数，计算已停止"},
    };
    for (auto [text, message] : cases) {
        const EvalResult result = eval(text);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_EQ(result.fault, EvalResult::Fault::Stop) << text;
        EXPECT_EQ(result.message, message) << text;
    }
    EXPECT_EQ(value("c_cz_1+c_hz_31"), 0 + 1) << "no pair at distance 1; 08+23";
}

TEST_F(FormulaFamilies, FamilyMemberCount) {
    const FormulaFamily analysis(FormulaFamilyKind::Analysis,
                                 "z_num1|z_num2|z_num3|z_num4|z_num5|z_num6|z_num1|"
                                 "z_num2|z_num3|z_num4|z_num5|z_num6|f_num1|z_hz|"
                                 "z_num1|z_num2|z_num3|z_num4:27");
    EXPECT_EQ(analysis.formulaCount(), 18u) << "more than ten formulas";
    SsqContext c(store);
    const EvalResult result = analysis.evaluate(c.ctx, 3);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.value, 2 * 114 + 12 + 114 + 4 + 8 + 16 + 23);
}

TEST(FormulaFamiliesOnTheRealHistory, CandidateSeesTheRealDrawsBefore) {
    t_s_dm store;
    test::fillSsq(store);
    const DrawRecord candidate{kCandidatePeriod, 1, 2, 5, 9, 20, 30, 3};
    SsqContext c(store, candidate.data());
    const int n = store.RecordCount() + 1;
    EXPECT_EQ(tgs("c_2zbzh:z_num1|z_num2:1").evaluate(c.ctx, n).value, 1);
    // The newest real draw is 01 04 16 22 26 31: the candidate's 01 repeats it.
    EXPECT_EQ(tgs("c_zhfx:z_num1|z_num2|z_num3|z_num4:5").evaluate(c.ctx, n).value, 1);
    EXPECT_EQ(tgs("c_zhfx:z_num1|z_num2|z_num3|z_num4:6").evaluate(c.ctx, n).value, 1);
}

TEST(ShapeNames, NamesOfEveryTable) {
    EXPECT_EQ(patternName(2, 0, 1), "偶奇");
    EXPECT_EQ(patternName(3, 8, 5), "零壹贰");
    EXPECT_EQ(patternName(2, 8, 8), "贰贰");
    EXPECT_EQ(patternName(2, 0, 4), "");
    EXPECT_EQ(patternName(2, 14, 0), "");
    struct Table {
        int formulas, type;
        std::vector<std::string> names;
    } tables[] = {
        {2, 1, {"两偶", "一偶一奇", "两奇"}},
        {3, 3, {"三合", "两合一质", "一合两质", "三质"}},
        {3, 5, {"三小", "两小一大", "一小两大", "三大"}},
        {2, 7, {"两小", "一小一中", "一小一大", "两中", "一中一大", "两大"}},
        {3,
         7,
         {"三小", "两小一中", "两小一大", "一小两中", "一小一中一大", "一小两大", "三中", "两中一大", "一中两大",
          "三大"}},
        {2, 9, {"两0路", "一0路一1路", "一0路一2路", "两1路", "一1路一2路", "两2路"}},
        {3,
         9,
         {"三0路", "两0路一1路", "两0路一2路", "一0路两1路", "一0路一1路一2路", "一0路两2路", "三1路", "两1路一2路",
          "一1路两2路", "三2路"}},
        {2, 11, {"两复", "一复一隔", "一复一中", "两隔", "一隔一中", "两中"}},
        {3,
         11,
         {"三复", "两复一隔", "两复一中", "一复两隔", "一复一隔一中", "一复两中", "三隔", "两隔一中", "一隔两中",
          "三中"}},
        {3,
         13,
         {"三邻", "两邻一孤", "两邻一传", "一邻两孤", "一邻一孤一传", "一邻两传", "三孤", "两孤一传", "一孤两传",
          "三传"}},
        {2, 2, {"合合", "合质", "质合", "质质"}},
        {2, 6, {"小小", "小中", "小大", "中小", "中中", "中大", "大小", "大中", "大大"}},
    };
    for (const Table& table : tables) {
        ASSERT_EQ(patternValueCount(table.formulas, table.type), static_cast<int>(table.names.size())) << table.type;
        for (size_t i = 0; i < table.names.size(); ++i)
            EXPECT_EQ(patternName(table.formulas, table.type, static_cast<int32_t>(i)), table.names[i])
                << table.formulas << " formulas, type " << table.type << ", value " << i;
    }
}

TEST(ShapeNames, SettingsPageText) {
    const std::string text = shapeValuesText();
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    ASSERT_EQ(lines.size(), 4u * 8 + 3);
    EXPECT_EQ(lines[0], "两个指标组合的单选形态");
    EXPECT_EQ(lines[1], "      0=  偶偶      1=  偶奇      2=  奇偶      3=  奇奇");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], "两个指标组合的组选形态");
    EXPECT_EQ(lines[10], "      0=  两偶      1=  一偶一奇      2=  两奇");
    EXPECT_EQ(lines[18], "三个指标组合的单选形态");
    EXPECT_EQ(lines[27], "三个指标组合的组选形态");
    EXPECT_EQ(lines[32],
              "      0=  三0路      1=  两0路一1路      2=  两0路一2路      3=  一0路两1路      4=  一0路一1路一2路"
              "      5=  一0路两2路      6=  三1路      7=  两1路一2路      8=  一1路两2路      9=  三2路");
    // Values per line: 4,4,4,9,9,9,9 / 3,3,3,6,6,6,6 / 8,8,8,27,27,27,27 / 4,4,4,10,10,10,10.
    const int counts[4][7] = {
        {4, 4, 4, 9, 9, 9, 9}, {3, 3, 3, 6, 6, 6, 6}, {8, 8, 8, 27, 27, 27, 27}, {4, 4, 4, 10, 10, 10, 10}};
    for (int block = 0; block < 4; ++block)
        for (int table = 0; table < 7; ++table) {
            const std::string& line = lines[static_cast<size_t>(block * 9 + 1 + table)];
            size_t values = 0;
            for (size_t at = line.find("=  "); at != std::string::npos; at = line.find("=  ", at + 1)) ++values;
            EXPECT_EQ(values, static_cast<size_t>(counts[block][table])) << line;
            const std::string last = "      " + std::to_string(counts[block][table] - 1) + "=  ";
            EXPECT_NE(line.find(last), std::string::npos) << line;
        }
}

}  // namespace
}  // namespace lottodesk
