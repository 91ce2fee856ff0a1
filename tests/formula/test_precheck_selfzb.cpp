#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formula/precheck.h"
#include "formula/selfzb.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::fileSize;
using test::readFile;
using test::TempFolder;
using test::writeFile;

const std::string kParens = "\"(\"与\")\"不匹配";
const std::string kBrackets = "\"[\"与\"]\"不匹配";

TEST(Precheck, MessagesInOrderTheLastThatHoldsWins) {
    struct Case {
        const char* text;
        std::string message;
    } cases[] = {
        {"", "自定义公式不能为空"},
        {"   ", "自定义公式不能为空"},
        {"z_hz", ""},
        {"[-1]z_hw%10", ""},
        {"min(f_num1,[-1]f_num1,[-2]f_num1)", ""},
        {"z_hz 5", "不能有空格"},
        {"(z_hz", kParens},
        {"z_hz)", kParens},
        {"max( z_hz", kParens},
        {"[-1z_hz", kBrackets},
        {"[-1 z_hz)", kBrackets},
        {"(z_hz]", kBrackets},
        {")z_hz(", ""},  // the counts agree; the order is the evaluator's business
    };
    for (const Case& c : cases) EXPECT_EQ(precheckFormula(c.text), c.message) << c.text;
    EXPECT_EQ(kParenthesesMessage, kParens);
}

// Where a person enters a formula, a name that is no indicator is refused after the text checks;
// malformed text gives the text checks' message or, where the evaluator stops reading, nothing.
TEST(Precheck, EnteredFormulasNameOnlyIndicators) {
    const std::pair<std::string, std::string> cases[] = {
        {"z_hz+[-1]z_num6ylzf*test", ""},
        {"c_cz_1+c_same_0_10_2+c_zhfx:z_hz:9", ""},
        {"z_foo", "“z_foo”不是系统指标"},
        {"Z_HZ", "“Z_HZ”不是系统指标"},  // names are exact and lower case
        {"max(1,getylz(z_hz%10),getzb(z_bar))", "“z_bar”不是系统指标"},
        {"c_2zbzh:z_num1|z_qq:0", "“z_qq”不是系统指标"},
        {"z_hz+z_a1+z_a2", "“z_a1”不是系统指标"},
        {"z_foo+(1", kParenthesesMessage},
        {"z_foo z_bar", kBlankInFormulaMessage},
        {"[-1z_foo", kBracketsMessage},
        {"", kEmptyFormulaMessage},
        {"z_hz+", ""},   // a syntax error is the evaluator's to report
        {"3z_foo", ""},  // the evaluator stops before the name
        {std::string("z_hz\xff\x01"), "“z_hz\xff\x01”不是系统指标"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(precheckEnteredFormula(text), message) << text;
    EXPECT_EQ(notAnIndicatorMessage("z_foo"), "“z_foo”不是系统指标");
}

TEST(SelfzbLines, FormulaEightBlanksAndTheTrimmedName) {
    struct Case {
        const char* formula;
        const char* name;
        const char* line;
    } cases[] = {
        {"[-1]z_hw%10", "上期和尾", "[-1]z_hw%10        上期和尾"},
        {"z_hz", "  和值  ", "z_hz        和值"},
        {"z_hz", "", "z_hz"},
        {"z_hz", "   ", "z_hz"},
        {"z_hz", "my  sum", "z_hz        my  sum"},
    };
    for (const Case& c : cases) EXPECT_EQ(selfzbLine(c.formula, c.name), c.line) << c.formula;

    struct Split {
        const char* line;
        const char* formula;
        const char* name;
    } splits[] = {
        {"[-1]z_hw%10        上期和尾", "[-1]z_hw%10", "上期和尾"},
        {"z_hz        my  sum", "z_hz", "my  sum"},
        {"z_hz", "z_hz", ""},
        {"z_hz ", "z_hz", ""},
    };
    for (const Split& s : splits)
        EXPECT_EQ(splitSelfzbLine(s.line), (std::pair<std::string, std::string>{s.formula, s.name})) << s.line;
}

TEST(SelfzbFile, AddWritesGbkLinesWithCrLf) {
    TempFolder home;
    std::vector<std::string> lines = loadSelfzbLines(home.path());
    EXPECT_TRUE(lines.empty()) << "a missing file gives no lines";

    ASSERT_TRUE(addSelfzb(home.path(), lines, "  [-1]z_hw%10 ", "和尾"));
    ASSERT_TRUE(addSelfzb(home.path(), lines, "z_hz", ""));
    // 和 = BA CD, 尾 = CE B2 in GBK.
    EXPECT_EQ(readFile(home.file("save/selfzb.txt")), "[-1]z_hw%10        \xBA\xCD\xCE\xB2\r\nz_hz\r\n");
    EXPECT_EQ(loadSelfzbLines(home.path()), lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"[-1]z_hw%10        和尾", "z_hz"}));
    EXPECT_EQ(splitSelfzbLine(lines[1]).second, "") << "the formula without a name shows an empty name";
}

TEST(SelfzbFile, RefusedFormulasAndMissingSelectionsStoreNothing) {
    TempFolder home;
    std::vector<std::string> lines;
    struct Case {
        Status status;
        const char* message;
    } cases[] = {
        {addSelfzb(home.path(), lines, "z_hz 5", "和值"), "不能有空格"},
        {addSelfzb(home.path(), lines, "   ", "和值"), "自定义公式不能为空"},
        {addSelfzb(home.path(), lines, "max(z_hz", ""), "\"(\"与\")\"不匹配"},
        {deleteSelfzb(home.path(), lines, -1), "请先选择你要删除的指标"},
        {modifySelfzb(home.path(), lines, -1, "z_hz", ""), "请先选择你要修改的指标"},
        {modifySelfzb(home.path(), lines, 0, "z_hz", ""), "请先选择你要修改的指标"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.status.ok) << c.message;
        EXPECT_EQ(c.status.message, c.message);
    }
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(fileSize(home.file("save/selfzb.txt")), -1) << "nothing was written";

    ASSERT_TRUE(addSelfzb(home.path(), lines, "z_hz", "和值"));
    const Status refused = modifySelfzb(home.path(), lines, 0, "(z_hz", "和值");
    EXPECT_EQ(refused.message, kParens);
    EXPECT_EQ(lines, std::vector<std::string>{"z_hz        和值"});
}

TEST(SelfzbFile, ANameWithBlanksSurvivesAModify) {
    TempFolder home;
    std::vector<std::string> lines;
    ASSERT_TRUE(addSelfzb(home.path(), lines, "z_hz%10", "sum tail  of the draw"));
    ASSERT_TRUE(addSelfzb(home.path(), lines, "z_wh", "尾和"));

    // The dialog opens with the split line and the user changes only the formula.
    const auto [formula, name] = splitSelfzbLine(lines[0]);
    EXPECT_EQ(formula, "z_hz%10");
    EXPECT_EQ(name, "sum tail  of the draw");
    ASSERT_TRUE(modifySelfzb(home.path(), lines, 0, "[-1]z_hz%10", name));
    EXPECT_EQ(lines[0], "[-1]z_hz%10        sum tail  of the draw");
    EXPECT_EQ(loadSelfzbLines(home.path()), lines);
    EXPECT_EQ(lines[1], "z_wh        尾和") << "the other lines stay in list order";
}

TEST(SelfzbFile, DeletingTheLastLineLeavesAnEmptyFile) {
    TempFolder home;
    std::vector<std::string> lines;
    ASSERT_TRUE(addSelfzb(home.path(), lines, "z_hz", "和值"));
    ASSERT_TRUE(addSelfzb(home.path(), lines, "z_wh", "尾和"));
    ASSERT_TRUE(deleteSelfzb(home.path(), lines, 0));
    EXPECT_EQ(readFile(home.file("save/selfzb.txt")), "z_wh        \xCE\xB2\xBA\xCD\r\n");
    ASSERT_TRUE(deleteSelfzb(home.path(), lines, 0));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(fileSize(home.file("save/selfzb.txt")), 0);
    EXPECT_TRUE(loadSelfzbLines(home.path()).empty());
}

TEST(SelfzbFile, ReadsHandWrittenFilesAndKeepsTheListWhenAWriteFails) {
    TempFolder home;
    // LF-only and CR LF line ends, blank lines, no final line end.
    writeFile(home.file("save/selfzb.txt"), "z_hz   \xBA\xCD\r\n\r\n  \nz_wh\nz_hw        a b");
    std::vector<std::string> lines = loadSelfzbLines(home.path());
    EXPECT_EQ(lines, (std::vector<std::string>{"z_hz   和", "z_wh", "z_hw        a b"}));

    // A folder standing where the file should be makes every write fail.
    TempFolder other;
    std::filesystem::create_directories(other.file("save/selfzb.txt/x"));
    const std::vector<std::string> before = lines;
    const Status failed = addSelfzb(other.path(), lines, "z_ac", "AC");
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.message.empty());
    EXPECT_EQ(lines, before) << "the list is put back as the file still is";
    EXPECT_FALSE(deleteSelfzb(other.path(), lines, 0).ok);
    EXPECT_EQ(lines, before);
}

TEST(SelfzbConditions, ListsRefuseEmptyFormulasAndStopAtTheirLimit) {
    tselfzb main;
    EXPECT_FALSE(main.add("  ", false, {1}));
    for (int i = 0; i < 400; ++i) ASSERT_TRUE(main.add("z_hz%10", i % 2 == 1, {i}));
    EXPECT_FALSE(main.add("z_hz", false, {1}));
    EXPECT_EQ(main.count(), 400);
    EXPECT_EQ(main[399].values, std::vector<int32_t>{399});
    EXPECT_EQ(main[1].tolerant, 1);

    tfqgl_selfzb secondary;
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(secondary.add("f_num1", false, {}));
    EXPECT_FALSE(secondary.add("f_num1", false, {}));
    secondary.clear();
    EXPECT_EQ(secondary.count(), 0);
    EXPECT_FALSE(secondary.add("f_num1", false, std::vector<int32_t>(kMaxAllowedValues + 1, 0)));
    EXPECT_TRUE(secondary.add(" f_num1%3 ", false, std::vector<int32_t>(kMaxAllowedValues, 0)));
    EXPECT_EQ(secondary[0].formula, "f_num1%3");
}

TEST(SelfzbConditions, DisplayLines) {
    struct Case {
        tselfzbnode node;
        const char* line;
    } cases[] = {
        {{"z_hz%10", 1, {3, 7}}, "z_hz%10  容错  取值: 3  7  "},
        {{"z_hz", 0, {120}}, "z_hz  取值: 120  "},
        {{"[-1]z_hw-z_hw", 0, {-2, 0}}, "[-1]z_hw-z_hw  取值: -2  0  "},
        {{"z_ac", 0, {}}, "z_ac  取值: "},
    };
    for (const Case& c : cases) EXPECT_EQ(selfzbConditionLine(c.node), c.line);
}

TEST(SelfzbFile, LoneCrLineEndsAndAByteOrderMark) {
    TempFolder home;
    writeFile(home.file("save/selfzb.txt"), "\xEF\xBB\xBFz_hz        \xBA\xCD\rz_wh\r\rz_ac\r");
    const SelfzbLoad load = loadSelfzbFile(home.path());
    EXPECT_EQ(load.lines, (std::vector<std::string>{"z_hz        和", "z_wh", "z_ac"}));
    EXPECT_TRUE(load.message.empty());
}

// EF BB is a GBK character ("锘"), so a line may begin with the bytes of a byte-order mark; the
// reader skips such a mark at the start of the file, and the first line must not lose them there.
TEST(SelfzbFile, AFirstLineStartingWithByteOrderMarkBytesSavesAndReloadsUnchanged) {
    const char* files[] = {
        "\n\xEF\xBB\xBF",                        // a blank line, then the three bytes alone
        "\xEF\xBB\xBF\xEF\xBB\xBFz_hz        a",    // a real mark before the same bytes
        "\n\xEF\xBB\xBF\xBF\xCF        n\r\nz_wh",  // 锘 and a GBK character led by BF
        "z_hz\r\n\xEF\xBB\xBFz_wh",                // not the first line: nothing to protect
    };
    for (const char* file : files) {
        SCOPED_TRACE(::testing::PrintToString(std::string(file)));
        TempFolder home;
        writeFile(home.file("save/selfzb.txt"), file);
        const SelfzbLoad load = loadSelfzbFile(home.path());
        ASSERT_FALSE(load.lines.empty());
        ASSERT_TRUE(saveSelfzbLines(home.path(), load.lines));
        EXPECT_EQ(loadSelfzbFile(home.path()).lines, load.lines);
        // And once more: what a reload gives saves to the same bytes.
        const std::string saved = readFile(home.file("save/selfzb.txt"));
        ASSERT_TRUE(saveSelfzbLines(home.path(), loadSelfzbFile(home.path()).lines));
        EXPECT_EQ(readFile(home.file("save/selfzb.txt")), saved);
    }
    // An ordinary list gets nothing in front of its first line.
    TempFolder home;
    ASSERT_TRUE(saveSelfzbLines(home.path(), {"z_hz        和"}));
    EXPECT_EQ(readFile(home.file("save/selfzb.txt")), "z_hz        \xBA\xCD\r\n");
}

TEST(SelfzbFile, BytesThatAreNotGbkAreNamedAndWrittenBackUnchanged) {
    TempFolder home;
    // Line 2 holds a lead byte with an impossible second byte, and a lone 0x80.
    const std::string damaged = "z_hz        \xBA\xCD\r\nz_wh        \xA1\xFF\x80x\r\n";
    writeFile(home.file("save/selfzb.txt"), damaged);
    SelfzbLoad load = loadSelfzbFile(home.path());
    ASSERT_EQ(load.lines.size(), 2u);
    EXPECT_NE(load.message.find("第2行"), std::string::npos) << load.message;
    ASSERT_TRUE(addSelfzb(home.path(), load.lines, "z_ac", "AC"));
    EXPECT_EQ(readFile(home.file("save/selfzb.txt")), damaged + "z_ac        AC\r\n") << "no '?' in place of the bytes";
}

}  // namespace
}  // namespace lottodesk
