#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "cli/command.h"
#include "core/cpstyle.h"
#include "core/firstrun.h"
#include "core/s_dm.h"
#include "core/gbk.h"
#include "core/s_dm.h"
#include "support/clirun.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::cli;
using test::CliRun;

// A folder that is not new (it has the default type file), so it opens on the placeholder record
// instead of being seeded with the real histories.
void makeUnseeded(const test::TempFolder& home) {
    test::writeFile(home.file("database/cps.typ"), encodeTypeTable(defaultTypeTable()));
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST(Cli, AnEmptyFolderIsSeededOnFirstUse) {
    test::TempFolder home;
    CliRun run = cli({"--home", home.path(), "types"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0], "0\t双色球\t6\t1\t33\t1\t1\t16\t1\t1\t红号\t蓝号");
    EXPECT_EQ(rows[1], "1\t超级大乐透\t5\t1\t35\t2\t1\t12\t1\t1\t主号\t副号");
    EXPECT_EQ(rows[2], "2\t自定义彩种2\t6\t1\t33\t1\t1\t16\t1\t1\t\t");
    EXPECT_EQ(rows[20], "20\t自定义彩种20\t6\t1\t33\t1\t1\t16\t1\t1\t\t");
    EXPECT_EQ(test::fileSize(home.file("database/cps.typ")), 3402);
    EXPECT_EQ(test::fileSize(home.file("database/basedata0.rec")), 3493 * 204);
    EXPECT_EQ(lines(cli({"--home", home.path(), "draws"}).out).size(), 3493u);

    // The user's own history is kept: a folder with its type file is never seeded again.
    test::writeFile(home.file("one.txt"), "2026001 01 02 03 04 05 06 07\r\n");
    ASSERT_EQ(cli({"--home", home.path(), "import", home.file("one.txt"), "--with-secondary", "--overwrite"}).code, 0);
    EXPECT_EQ(cli({"--home", home.path(), "draws"}).out, "2026001\t01 02 03 04 05 06\t07\n");
}

TEST(Cli, DrawsOfATypeWithoutHistoryIsTheDefaultRecord) {
    test::TempFolder home;
    CliRun run = cli({"--home", home.path(), "--type", "2", "draws"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "2008001\t01 02 03 04 05 06\t07\n");
}

TEST(Cli, AFolderWithoutTypeFileKeepsItsHistories) {
    // Only missing files are seeded: the user's own history in a folder without a type file stays.
    test::TempFolder home;
    test::writeFile(home.file("one.txt"), "2026001 01 02 03 04 05 06 07\r\n");
    ASSERT_EQ(cli({"--home", home.path(), "import", home.file("one.txt"), "--with-secondary", "--overwrite"}).code, 0);
    std::filesystem::remove(home.file("database/cps.typ"));
    CliRun run = cli({"--home", home.path(), "draws"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "2026001\t01 02 03 04 05 06\t07\n");
    EXPECT_EQ(lines(cli({"--home", home.path(), "--type", "1", "draws"}).out).size(), 2913u);
}

TEST(Cli, DrawsOfASeededFolderPerType) {
    test::TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    CliRun ssq = cli({"--home", home.path(), "draws"});
    ASSERT_EQ(ssq.code, 0);
    auto rows = lines(ssq.out);
    ASSERT_EQ(rows.size(), 3493u);
    EXPECT_EQ(rows.front(), "2003001\t10 11 12 13 26 28\t11");

    CliRun dlt = cli({"--home", home.path(), "--type", "1", "draws"});
    ASSERT_EQ(dlt.code, 0);
    rows = lines(dlt.out);
    ASSERT_EQ(rows.size(), 2913u);
    EXPECT_EQ(rows.front(), "2007001\t22 24 29 31 35\t04 11");

    CliRun types = cli({"--home", home.path(), "--type", "1", "types"});
    EXPECT_EQ(lines(types.out)[0], "0\t双色球\t6\t1\t33\t1\t1\t16\t1\t1\t红号\t蓝号");
    EXPECT_EQ(lines(types.out)[1], "1\t超级大乐透\t5\t1\t35\t2\t1\t12\t1\t1\t主号\t副号");
}

TEST(Cli, UsageErrorsExitWithOne) {
    test::TempFolder home;
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"nosuch"},
        {"--home"},
        {"--colour", "red", "types"},
        {"--type", "21", "types"},
        {"--type", "x", "types"},
        {"--home", home.path(), "types", "extra"},
    };
    for (const auto& args : cases) {
        CliRun run = cli(args);
        EXPECT_EQ(run.code, 1);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(Cli, HelpListsTheCommands) {
    CliRun run = cli({"help"});
    ASSERT_EQ(run.code, 0);
    for (const char* command : {"types", "draws", "help", "--home", "--type"})
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
}

TEST(Cli, UnopenableHistoryStopsWithTheMessage) {
    test::TempFolder home;
    test::writeFile(home.file("database/basedata0.rec/x"), "");  // a folder where the history belongs
    CliRun run = cli({"--home", home.path(), "draws"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("basedata0.rec"), std::string::npos);
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

TEST(CliTransfer, ImportExportRoundTrip) {
    test::TempFolder home;
    const std::string sample = test::samplePath("ssq.txt");
    CliRun imported = cli({"--home", home.path(), "import", sample, "--with-secondary", "--overwrite"});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "3493\n");

    CliRun exported = cli({"--home", home.path(), "export", home.file("out.txt"), "--with-secondary"});
    ASSERT_EQ(exported.code, 0) << exported.err;
    // The sample's lines, each value followed by one blank.
    std::string expected;
    forEachLine(test::readFile(sample), [&](std::string_view line) {
        expected += std::string(line) + " \r\n";
        return true;
    });
    EXPECT_EQ(test::readFile(home.file("out.txt")), expected);

    CliRun again = cli({"--home", home.path(), "import", sample, "--with-secondary"});
    EXPECT_EQ(again.out, "3493\n");
    EXPECT_EQ(test::readFile(home.file("database/basedata0.rec")).size(), 3493u * 204);

    CliRun mainOnly = cli({"--home", home.path(), "export", home.file("main"), "--without-secondary"});
    ASSERT_EQ(mainOnly.code, 0);
    EXPECT_EQ(test::readFile(home.file("main.txt")).substr(0, 28), "2003001 10 11 12 13 26 28 \r\n");
}

TEST(CliTransfer, BadImportsStopWithTheMessage) {
    test::TempFolder home;
    test::writeFile(home.file("bad.txt"), "2026001 01 02 03 04 05 06 07\r\n2026002 01 02 03\r\n");
    CliRun run = cli({"--home", home.path(), "import", home.file("bad.txt"), "--with-secondary"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("第2行"), std::string::npos);
    EXPECT_EQ(lines(cli({"--home", home.path(), "draws"}).out).size(), 3493u) << "the seeded history is untouched";

    EXPECT_EQ(cli({"--home", home.path(), "import", home.file("missing.txt"), "--with-secondary"}).code, 2);
    EXPECT_EQ(cli({"--home", home.path(), "import", home.file("bad.txt")}).code, 1);
    EXPECT_EQ(cli({"--home", home.path(), "import", "--with-secondary"}).code, 1);
    EXPECT_EQ(cli({"--home", home.path(), "export", "x", "--with-secondary", "--overwrite"}).code, 1);
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

class CliFormulas : public test::SeededCliSuite {};

TEST_F(CliFormulas, EvalPrintsTheValueOrTheFailure) {
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* out;
        const char* err;
    } cases[] = {
        {{"eval", "1+2*3"}, 0, "9\n", ""},
        {{"eval", "z_hz"}, 0, "100\n", ""},  // 2026096: 01 04 16 22 26 31
        {{"eval", "z_hz", "--period", "2003001"}, 0, "100\n", ""},
        // The sum is 100 at 2003001 and at the three newest draws alike; the first numbers tell the
        // records apart (2003001: 10 11 12 13 26 28 + 11).
        {{"eval", "z_num1"}, 0, "1\n", ""},
        {{"eval", "f_num1"}, 0, "4\n", ""},
        {{"eval", "z_num1", "--period", "2003001"}, 0, "10\n", ""},
        {{"eval", "f_num1", "--period", "2003001"}, 0, "11\n", ""},
        {{"eval", "[-1]z_num1", "--period", "2003002"}, 0, "10\n", ""},
        {{"eval", "z_hz", "--candidate", "01 02 03 10 11 20"}, 0, "47\n", ""},
        {{"eval", "f_num1", "--candidate", "01 02 03 10 11 20 + 16"}, 0, "16\n", ""},
        // The ticket follows the last draw (01 04 16 22 26 31), or takes the place of --period with the
        // history cut before it: 2026095 is 04 06 14 21 22 33, 2026094 06 13 15 17 24 25.
        {{"eval", "z_cmgs", "--candidate", "01 04 16 10 11 20"}, 0, "3\n", ""},
        {{"eval", "z_cmgs", "--candidate", "01 04 16 10 11 20", "--period", "2026096"}, 0, "1\n", ""},
        {{"eval", "z_cmgs", "--candidate", "01 04 16 10 11 20", "--period", "2026095"}, 0, "0\n", ""},
        {{"eval", "[-1]z_num1", "--candidate", "01 04 16 10 11 20", "--period", "2026096"}, 0, "4\n", ""},
        {{"eval", "[-1]z_num1", "--candidate", "01 04 16 10 11 20"}, 0, "1\n", ""},
        {{"eval", "z_num1*100+z_num6", "--candidate", "20 11 10 16 04 01"}, 0, "120\n", ""},  // sorted
        // 100/z_cmgs divides by zero at the first draw only, which getzf does not read here.
        {{"eval", "getzf(100/z_cmgs)"}, 0, "50\n", ""},
        {{"eval", "2147483647+1"}, 2, "", "公式“2147483647+1”中的数值超出整数范围，计算已停止\n"},
        {{"eval", "[--1]z_hz"}, 2, "", "公式“[--1]z_hz”中“--1”不是有效的整数，计算已停止\n"},
        // A typed formula is checked first; --lenient reads it as a stored formula (-999).
        {{"eval", "z_foo"}, 2, "", "公式有误:“z_foo”不是系统指标\n"},
        {{"eval", "z_foo", "--lenient"}, 0, "-999\n", ""},
        {{"eval", "sum(z_hz)", "--lenient"}, 2, "", "公式有误:sum函数不存在\n"},
        {{"eval", "-1"}, 2, "", "公式有误:\n"},
        {{"eval", "z_hz/0"}, 2, "", "公式“z_hz/0”中除数为0，计算已停止\n"},
        {{"eval", "z_hz", "--period", "1999001"}, 2, "", "数据库中没有第1999001期的记录\n"},
        {{"eval", "z_hz", "--candidate", "01 02 03"}, 1, "", nullptr},
        {{"eval", "z_hz", "--candidate", "01 02 03 04 05 06 + 1 2"}, 1, "", nullptr},
        {{"eval"}, 1, "", nullptr},
    };
    for (const Case& c : cases) {
        CliRun result = run(c.args);
        EXPECT_EQ(result.code, c.code) << c.args[1];
        EXPECT_EQ(result.out, c.out) << c.args.back();
        if (c.err) {
            EXPECT_EQ(result.err, c.err) << c.args.back();
        }
    }
}

// The command line classes numbers as the desktop program does, with the user's windows from the
// desktop program's settings file (here in a temporary configuration folder).
TEST_F(CliFormulas, ColdWarmHotFollowTheDesktopSettings) {
#ifdef _WIN32
    GTEST_SKIP() << "the registry reader is tested in test_usersettings";
#else
    test::TempFolder config;
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    const std::string kept = previous ? previous : "";
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    const CliRun defaults = run({"eval", "z_lwr_lmgs"});
    test::writeFile(config.file("duvuzizezid.conf"), "[General]\nqs=12\ncoldcs=2\nhotcs=8\n");
    const CliRun legacy = run({"eval", "z_lwr_lmgs"});
    std::filesystem::create_directories(config.file("lottodesk"));
    test::writeFile(config.file("lottodesk/lottodesk.conf"), "[General]\nqs=12\ncoldcs=0\n");
    const CliRun current = run({"eval", "z_lwr_lmgs"});
    if (previous) ::setenv("XDG_CONFIG_HOME", kept.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(defaults.out, "2\n") << "30 draws, at most 2 times";
    EXPECT_EQ(legacy.out, "5\n") << "the older settings file while there is no new one: 12 draws";
    EXPECT_EQ(current.out, "1\n") << "the new file wins: 12 draws, never drawn";
    EXPECT_EQ(test::readFile(config.file("lottodesk/lottodesk.conf")), "[General]\nqs=12\ncoldcs=0\n");
#endif
}

TEST_F(CliFormulas, EvalOfExtendedIdentifiers) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"eval", "c_cz_1", "--candidate", "01 02 03 10 11 20"}, "3\n"},
        {{"eval", "c_hz_21", "--candidate", "01 02 03 10 11 20"}, "2\n"},
        {{"eval", "c_fq_1_4_1", "--candidate", "01 02 03 10 11 20"}, "6\n"},
        {{"eval", "c_2zbzh:z_num1|z_num2:1", "--candidate", "01 02 05 09 20 30"}, "1\n"},
        {{"eval", "c_2zbzh:z_num1|z_num2:0", "--candidate", "01 02 05 09 20 30"}, "2\n"},
        {{"eval", "c_hnskhkn_0_6_6", "--candidate", "01 02 03 04 05 06"}, "5\n"},
    };
    for (const auto& [args, out] : cases) {
        CliRun result = run(args);
        EXPECT_EQ(result.code, 0) << args[1] << ": " << result.err;
        EXPECT_EQ(result.out, out) << args[1];
    }
    CliRun bad = run({"eval", "c_2zbzh:z_num1|z_num2"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err, "公式“c_2zbzh:z_num1|z_num2”中“z_num2”不是有效的整数，计算已停止\n");
}

TEST_F(CliFormulas, NameOfRegistryIdentifiers) {
    EXPECT_EQ(run({"name", "z_xjhe"}).out, "z_xjhe\t小奇数和值\t0\t198\n");
    EXPECT_EQ(run({"name", "f_num1"}).out, "f_num1\t蓝号\t1\t16\n");
    EXPECT_EQ(run({"--type", "1", "name", "f_num1"}).out, "f_num1\t副号一\t1\t12\n");
    CliRun unknown = run({"name", "z_hzz"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("z_hzz"), std::string::npos);
    // Its value resolves (as z_num1ylzf .. z_num5ylzf), but it has no registry entry.
    CliRun unlisted = run({"name", "z_num6ylzf"});
    EXPECT_EQ(unlisted.code, 2);
    EXPECT_EQ(unlisted.err, "“z_num6ylzf”不是系统指标\n");
    EXPECT_EQ(run({"eval", "z_num6ylzf"}).code, 0);
}

TEST_F(CliFormulas, PrecheckOfAnEnteredFormula) {
    struct Case {
        const char* formula;
        int code;
        const char* out;
        const char* err;
    } cases[] = {
        {"[-1]z_hw%10", 0, "ok\n", ""},
        {"getylz(getylz(f_num1)%10)+c_2zbzh:z_num1|z_num2:0", 0, "ok\n", ""},
        {"z_foo", 2, "", "“z_foo”不是系统指标\n"},
        {"z_hz+max(1,getzb(z_bar))", 2, "", "“z_bar”不是系统指标\n"},
        {"c_zhfx:z_num1|z_qq:0", 2, "", "“z_qq”不是系统指标\n"},
        {"z_foo+(1", 2, "", "\"(\"与\")\"不匹配\n"},
        {"z_hz 5", 2, "", "不能有空格\n"},
        {"  ", 2, "", "自定义公式不能为空\n"},
        {"[-1z_hz", 2, "", "\"[\"与\"]\"不匹配\n"},
    };
    for (const Case& c : cases) {
        CliRun result = run({"precheck", c.formula});
        EXPECT_EQ(result.code, c.code) << c.formula;
        EXPECT_EQ(result.out, c.out) << c.formula;
        EXPECT_EQ(result.err, c.err) << c.formula;
    }
    EXPECT_EQ(run({"precheck"}).code, 1);
}

TEST_F(CliFormulas, SeriesHasOneLinePerDraw) {
    CliRun series = run({"series", "z_hz"});
    ASSERT_EQ(series.code, 0);
    const auto rows = lines(series.out);
    ASSERT_EQ(rows.size(), 3493u);
    EXPECT_EQ(rows.front(), "2003001\t100");
    EXPECT_EQ(rows.back(), "2026096\t100");
    EXPECT_EQ(lines(run({"series", "getylz(f_num1)"}).out).front(), "2003001\t0");
    CliRun broken = run({"series", "z_hz+"});
    EXPECT_EQ(broken.code, 2);
    EXPECT_EQ(broken.err, "公式有误:运算符号后只能接指标或数据或括号\n");
}

TEST_F(CliFormulas, CatalogueListsTheSeriesAndSavedIndicators) {
    const auto rows = lines(run({"catalogue"}).out);
    ASSERT_EQ(rows.size(), 663u);
    EXPECT_EQ(rows.front(), "常规系列\tz_num1\t红号一");
    EXPECT_EQ(rows.back(), "蓝号系列\tgetzf(getylz(f_num1)%10)\t蓝号遗漏值的尾数的振幅");
    test::writeFile(home->file("save/selfzb.txt"), utf8ToGbk("[-1]z_hw%10        上期和尾\r\n"));
    const auto withSaved = lines(run({"catalogue"}).out);
    EXPECT_EQ(withSaved.back(), "已保存的自定义指标\t[-1]z_hw%10\t上期和尾");
    EXPECT_EQ(lines(run({"catalogue", "--dialog"}).out).front(), "常规\tz_num1\t红号一");
    std::remove(home->file("save/selfzb.txt").c_str());
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

std::string fixture(const std::string& name) { return std::string(LOTTODESK_TEST_DATA_DIR) + "/" + name; }

TEST_F(CliFormulas, FilterWithNoConditionWritesEveryTicket) {
    const std::string out = home->file("all.txt");
    CliRun run = this->run({"filter", fixture("no-condition.zh"), "--out", out, "--threads", "2"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.find("超强组号  筛选耗时"), 0u);
    EXPECT_NE(run.out.find("微秒  已得到符合条件的红号组有1107568个\n"), std::string::npos);
    const std::string text = test::readFile(out);
    EXPECT_EQ(text.size(), 1107568u * 20);
    EXPECT_EQ(text.substr(0, 20), "28 29 30 31 32 33 \r\n");
    EXPECT_EQ(text.substr(text.size() - 20), "01 02 03 04 05 06 \r\n");
}

// A history file holding a prediction record: the command works on the history without it, as
// the program does after its start, and leaves the file as it was.
TEST(Cli, FilterRunsWithoutThePredictionRecord) {
    test::TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    const std::string history = home.file("database/basedata0.rec");
    ASSERT_TRUE(test::storePredictionRecord(history));
    const std::string before = test::readFile(history);
    const std::string in = home.file("in.txt");
    test::writeFile(in, "01 02 03 04 05 06 \r\n01 04 16 22 26 31 \r\n");
    CliRun run = cli({"--home", home.path(), "continue", fixture("no-condition.zh"), "--in", in});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("已得到符合条件的红号组有2个"), std::string::npos) << run.out;
    EXPECT_EQ(test::readFile(history), before) << "the history file is not saved";
}

// Loaded tickets with a repeated number, a number outside 1..33 or too few numbers are no tickets
// of the game: the whole file is refused with the first such line named, and nothing is written.
TEST(Cli, ContinueRefusesFilesWithTicketsThatAreNotTicketsOfTheGame) {
    test::TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    const struct {
        const char* bad;
        const char* says;
    } cases[] = {
        {"07 07 08 09 10 11 ", "号码07重复"},       {"12 13 14 15 16 12 ", "号码12重复"},
        {"01 02 03 04 05 34 ", "号码34不在1到33之间"}, {"01 02 03 04 05 ", "应有6个号码，实有5个"},
        {"01 02 03 04 05 64 ", "号码64不在1到33之间"}, {"00 02 03 04 05 06 ", "号码00不在1到33之间"},
    };
    const std::string in = home.file("in.txt"), out = home.file("out.txt");
    for (const auto& c : cases) {
        test::writeFile(in, std::string("01 02 03 04 05 06 \r\n") + c.bad + "\r\n33 32 31 30 29 28 \r\n");
        test::writeFile(out, "kept");
        CliRun run = cli({"--home", home.path(), "continue", fixture("no-condition.zh"), "--in", in, "--out", out});
        EXPECT_EQ(run.code, 2) << c.bad;
        EXPECT_EQ(run.err, std::string("组号文件第2行有误：") + c.says + "\n");
        EXPECT_EQ(test::readFile(out), "kept");
    }
}

TEST_F(CliFormulas, ContinueAndConditionReports) {
    // Four tickets the typical conditions reject and three of the 58293 they keep (one stored
    // unsorted: a sorted copy is tested, the stored ticket is written back as it was).
    const std::string in = home->file("in.txt"), out = home->file("out.txt"), tags = home->file("tags.txt");
    struct Line {
        const char* text;
        bool kept;
    } lines[] = {
        {"01 02 03 04 05 07 ", false}, {"01 10 24 30 32 33 ", true}, {"01 02 03 04 05 06 ", false},
        {"33 32 30 20 11 04 ", true},  {"01 02 03 04 05 09 ", false}, {"01 02 03 04 06 07 ", false},
        {"07 10 12 15 18 30 ", true},
    };
    std::string text;
    std::vector<std::string> kept;
    for (const Line& line : lines) {
        text += std::string(line.text) + "\r\n";
        if (line.kept) kept.push_back(std::string(line.text) + "\r\n");
    }
    test::writeFile(in, text);
    CliRun run = this->run({"continue", fixture("typical.zh"), "--in", in, "--out", out, "--tags", tags});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("已得到符合条件的红号组有3个  系统保留的记录个数3"), std::string::npos) << run.out;
    // The kept tickets, each line as it was read (compared as a set: the walk puts the last ticket
    // in the place of a rejected one).
    std::vector<std::string> written;
    const std::string outText = test::readFile(out);
    for (size_t start = 0, end; (end = outText.find("\r\n", start)) != std::string::npos; start = end + 2)
        written.push_back(outText.substr(start, end + 2 - start));
    std::sort(written.begin(), written.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(written, kept);
    // One tag a kept ticket; the typical conditions tolerate nothing these tickets break.
    EXPECT_EQ(test::readFile(tags), "0\r\n0\r\n0\r\n");

    CliRun summary = this->run({"conditions", fixture("typical.zh")});
    ASSERT_EQ(summary.code, 0);
    EXPECT_NE(summary.out.find("\n和值：70，71，"), std::string::npos);
    CliRun check = this->run({"conditions", fixture("typical.zh"), "--check", "2026096", "--show", "wrong"});
    ASSERT_EQ(check.code, 0) << check.err;
    EXPECT_EQ(check.out.find("正确 "), std::string::npos);

    EXPECT_EQ(this->run({"filter", fixture("typical.zh"), "--mode", "nosuch"}).code, 1);
    // A run past its time limit stops with the message; the results are not written.
    const std::string timed = home->file("timed.txt");
    CliRun late = this->run({"--time-limit", "0", "filter", fixture("typical.zh"), "--out", timed});
    EXPECT_EQ(late.code, 2);
    EXPECT_NE(late.err.find("运行时间超过限制（0秒），已停止"), std::string::npos) << late.err;
    EXPECT_EQ(test::fileSize(timed), -1);
    EXPECT_EQ(this->run({"--time-limit", "60", "conditions", fixture("typical.zh")}).code, 0);
    EXPECT_EQ(this->run({"--time-limit", "-1", "conditions", fixture("typical.zh")}).code, 1);
    EXPECT_EQ(this->run({"--time-limit", "soon", "conditions", fixture("typical.zh")}).code, 1);
    EXPECT_EQ(this->run({"filter", home->file("missing.zh")}).code, 2);
    EXPECT_EQ(this->run({"continue", fixture("typical.zh")}).code, 1);
}

TEST_F(CliFormulas, ConditionBacktest) {
    // The last two draws of the sample history, each filtered with the draws before it.
    CliRun run = this->run({"conditions", fixture("typical.zh"), "--backtest", "2", "--threads", "2"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "2026095\t75704\t0\t质数个数\n"
              "2026096\t69685\t0\t尾组个数，重号个数\n"
              "保留率 0/2 = 0.00%  平均结果个数 72694.5\n");
    // Without conditions the draw survives among all the tickets.
    run = this->run({"conditions", fixture("no-condition.zh"), "--backtest", "1"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "2026096\t1107568\t1\t\n保留率 1/1 = 100.00%  平均结果个数 1107568.0\n");

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--backtest", "0"},
                                               {"--backtest", "x"},
                                               {"--backtest", "2", "--check", "2026096"},
                                               {"--threads", "2"},
                                               {"--backtest", "2", "--threads", "0"}}) {
        std::vector<std::string> args{"conditions", fixture("typical.zh")};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_EQ(this->run(args).code, 1) << bad[0] << " " << bad[1];
    }
    CliRun late = this->run({"--time-limit", "0", "conditions", fixture("typical.zh"), "--backtest", "3"});
    EXPECT_EQ(late.code, 2);
    EXPECT_NE(late.err.find("运行时间超过限制（0秒），已停止"), std::string::npos) << late.err;
    EXPECT_TRUE(late.out.empty());
}

TEST_F(CliFormulas, SilentDefaultsStopWithAMessage) {
    // A filter period the history does not hold.
    CliRun period = this->run({"filter", fixture("no-condition.zh"), "--period", "1999001"});
    EXPECT_EQ(period.code, 2);
    EXPECT_EQ(period.err, "数据库中没有第1999001期的记录\n");
    // A condition file cut short.
    const std::string cut = home->file("cut.zh");
    test::writeFile(cut, test::readFile(fixture("typical.zh")).substr(0, 8437 * 100));
    CliRun truncated = this->run({"filter", cut});
    EXPECT_EQ(truncated.code, 2);
    EXPECT_NE(truncated.err.find("条件文件不完整（只有100条记录，应有1402条）"), std::string::npos) << truncated.err;
    // Candidate numbers outside the game or repeated.
    const std::pair<const char*, const char*> candidates[] = {
        {"01 02 03 04 05 34", "红号34超出范围01到33\n"},
        {"01 01 02 03 04 05", "红号01重复\n"},
        {"01 02 03 04 05 06 + 17", "蓝号17超出范围01到16\n"},
        {"00 02 03 04 05 06", "红号00超出范围01到33\n"},
    };
    for (const auto& [text, message] : candidates) {
        CliRun run = this->run({"eval", "z_hz", "--candidate", text});
        EXPECT_EQ(run.code, 2) << text;
        EXPECT_EQ(run.err, message);
    }
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

TEST(CliOptions, HelpAndVersionOnTheToolAndEveryCommand) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"--type", "3", "-h"}, {"--version"}}) {
        CliRun run = cli(args);
        EXPECT_EQ(run.code, 0) << args[0];
        EXPECT_FALSE(run.out.empty());
        EXPECT_TRUE(run.err.empty());
    }
    EXPECT_EQ(cli({"--version"}).out.rfind("lottodesk-cli ", 0), 0u);
    for (const char* command : {"help", "types", "draws", "import", "export", "name", "eval", "series", "catalogue",
                                "filter", "continue", "conditions"}) {
        for (const char* option : {"--help", "-h"}) {
            // No program folder is touched for help.
            CliRun run = cli({"--home", "/nonexistent/lottodesk", command, "x", option});
            EXPECT_EQ(run.code, 0) << command;
            EXPECT_NE(run.out.find(command), std::string::npos) << run.out;
        }
    }
}

// Every command's arguments are read against its row before it runs: what the row does not
// declare is refused with the row's usage line, and the help is made from the rows.
TEST(CliOptions, EveryCommandIsReadAgainstItsRow) {
    test::TempFolder home;
    const struct {
        std::vector<std::string> args;
        const char* problem;
    } refused[] = {
        {{"types", "x"}, "多余的参数: x"},
        {{"import", "a.txt", "--with-secondary", "--bogus"}, "未知选项: --bogus"},
        {{"export", "a.txt", "--with-secondary", "--with-secondary"}, "选项重复: --with-secondary"},
        {{"eval", "z_hz", "--period"}, "选项缺少参数: --period"},
        {{"eval", "z_hz", "z_kd"}, "多余的参数: z_kd"},
        {{"series", "z_hz", "--period", "2026001"}, "未知选项: --period"},
        {{"convert", "z_hz", "--columns", "3", "--columns", "4"}, "选项重复: --columns"},
        {{"convert-kill", "z_hz", "--columns", "3"}, "选项缺少参数: --columns"},
        {{"restore", "a.txt", "--tags", "t.txt"}, "未知选项: --tags"},
        {{"update", "--source", "a", "--source", "b"}, "选项重复: --source"},
        {{"chart", "spacing", "--k", "3", "--x"}, "未知选项: --x"},
    };
    for (const auto& r : refused) {
        std::vector<std::string> args = {"--home", home.path()};
        args.insert(args.end(), r.args.begin(), r.args.end());
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 1) << r.args[0];
        EXPECT_EQ(run.err.rfind("用法: " + r.args[0], 0), 0u) << run.err;
        EXPECT_NE(run.err.find(std::string(r.problem) + "\n"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << r.args[0];
    }
    // Both or neither of the zone flags, and --print without --out, are refused by the command.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"import", "a.txt", "--with-secondary", "--without-secondary"},
          std::vector<std::string>{"export", "a.txt"},
          std::vector<std::string>{"--transform", "1", "restore", "a.txt", "--print"}}) {
        std::vector<std::string> full = {"--home", home.path()};
        full.insert(full.end(), args.begin(), args.end());
        EXPECT_EQ(cli(full).code, 1) << args[0];
    }
    const std::string help = cli({"help"}).out;
    for (const cli::Command& command : cli::commands())
        EXPECT_NE(help.find("  " + command.syntax), std::string::npos) << command.name;
}

TEST(CliOptions, AMissingHomeIsAnErrorUnlessInitIsGiven) {
    test::TempFolder parent;
    const std::string home = parent.file("typo");
    CliRun run = cli({"--home", home, "types"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("程序文件夹不存在"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(home)) << "a typo creates nothing";
    run = cli({"--home", home, "--init", "types"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(test::fileSize(home + "/database/cps.typ"), 3402);
}

TEST(CliOptions, TypeFileDamageIsNamedAndNeverOverrunsARecord) {
    test::TempFolder home;
    TypeTable table = defaultTypeTable();
    table.cpstyles[0].zhgs = 60;  // more numbers than a draw record holds
    table.cpstyles[1].cpmm = "tab\there";
    test::writeFile(home.file("database/cps.typ"), encodeTypeTable(table));

    std::string sixty;
    for (int n = 1; n <= 60; ++n) sixty += std::to_string(n) + " ";
    CliRun eval = cli({"--home", home.path(), "eval", "z_hz", "--candidate", sixty});
    EXPECT_EQ(eval.code, 1) << "the count is wrong for the game, nothing is written";
    EXPECT_NE(eval.err.find("第0个彩种"), std::string::npos) << eval.err;

    CliRun types = cli({"--home", home.path(), "types"});
    EXPECT_EQ(types.code, 2);
    const std::vector<std::string> rows = lines(types.out);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0].rfind("0\t自定义彩种0\t7\t", 0), 0u) << rows[0];
    EXPECT_EQ(rows[1].rfind("1\ttab here\t", 0), 0u) << rows[1];
    EXPECT_NE(types.err.find("制表符"), std::string::npos);
}

TEST(CliOptions, UnorderedHistoryStopsTheCommandsThatSearchIt) {
    test::TempFolder home;
    std::string bytes;
    for (int32_t period : {2026002, 2026001}) {
        DrawRecord record{};
        record[0] = period;
        for (int i = 1; i <= 7; ++i) record[i] = i;
        bytes.append(reinterpret_cast<const char*>(record.data()), kDrawRecordSize);
    }
    test::writeFile(home.file("database/basedata0.rec"), bytes);
    CliRun draws = cli({"--home", home.path(), "draws"});
    EXPECT_EQ(draws.code, 2);
    EXPECT_NE(draws.err.find("没有按期数排列：第2条记录的期数2026001"), std::string::npos) << draws.err;
    // An import saves the history sorted.
    test::writeFile(home.file("one.txt"), "2026003 1 2 3 4 5 6 7\r\n");
    CliRun imported = cli({"--home", home.path(), "import", home.file("one.txt"), "--with-secondary"});
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "3\n");
    EXPECT_NE(imported.err.find("新增1期，跳过0期"), std::string::npos);
    EXPECT_EQ(cli({"--home", home.path(), "draws"}).code, 0);
}

TEST(CliTransfer, ImportRefusalsAndTheSummary) {
    test::TempFolder home;
    makeUnseeded(home);
    test::writeFile(home.file("empty.txt"), "\r\n");
    CliRun empty = cli({"--home", home.path(), "import", home.file("empty.txt"), "--with-secondary", "--overwrite"});
    EXPECT_EQ(empty.code, 2);
    EXPECT_EQ(empty.err, "文件中没有开奖数据\n");
    EXPECT_EQ(cli({"--home", home.path(), "draws"}).out, "2008001\t01 02 03 04 05 06\t07\n");

    test::writeFile(home.file("cr.txt"), "2026001 01 02 03 04 05 06 07\r2026002 01 02 03 04 05 06 08\r");
    CliRun cr = cli({"--home", home.path(), "import", home.file("cr.txt"), "--with-secondary", "--overwrite"});
    EXPECT_EQ(cr.code, 0) << cr.err;
    EXPECT_EQ(cr.out, "2\n") << "every CR-ended line is a draw";
    EXPECT_EQ(cr.err, "新增2期，跳过0期\n");

    CliRun big = cli({"--home", home.path(), "import", "/dev/zero", "--with-secondary"});
    EXPECT_EQ(big.code, 2);
    EXPECT_NE(big.err.find("导入文件太大"), std::string::npos);
}

TEST(CliTransfer, DamagedCustomIndicatorFileIsNamed) {
    test::TempFolder home;
    test::writeFile(home.file("save/selfzb.txt"), "z_hz        \xA1\xFF\r\n");
    CliRun run = cli({"--home", home.path(), "catalogue"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("不是GBK编码"), std::string::npos) << run.err;
}

#ifndef _WIN32  // two processes by fork
// Two programs importing into one folder at once: every import lands or is refused with the
// message, and the history ends sorted and complete.
TEST(CliConcurrency, TwoProcessesImportingIntoOneFolder) {
    test::TempFolder home;
    makeUnseeded(home);
    ASSERT_EQ(cli({"--home", home.path(), "types"}).code, 0);
    constexpr int kWriters = 2;
    constexpr int kImports = 12;
    pid_t children[kWriters];
    for (int w = 0; w < kWriters; ++w) {
        children[w] = ::fork();
        ASSERT_GE(children[w], 0);
        if (children[w] > 0) continue;
        std::ofstream log(home.file("writer" + std::to_string(w) + ".log"));
        for (int k = 0; k < kImports; ++k) {
            const int period = 2026000 + w * 100 + k + 1;
            const std::string file = home.file("in" + std::to_string(period) + ".txt");
            std::ofstream(file) << period << " 01 02 03 04 05 06 07\r\n";
            std::ostringstream out, err;
            const int code = runCli({"--home", home.path(), "import", file, "--with-secondary"}, out, err);
            const bool refused = err.str().find(kChangedOnDiskMessage) != std::string::npos;
            log << period << ' ' << code << ' ' << refused << '\n';
        }
        log.close();
        ::_exit(0);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::vector<int32_t> landed;  // the first import replaces the new history's placeholder 2008001
    int refusals = 0;
    for (int w = 0; w < kWriters; ++w) {
        std::ifstream log(home.file("writer" + std::to_string(w) + ".log"));
        int period, code, refused, count = 0;
        while (log >> period >> code >> refused) {
            ++count;
            if (code == 0) {
                landed.push_back(period);
            } else {
                EXPECT_EQ(code, 2);
                EXPECT_TRUE(refused) << "a failed import says why";
                ++refusals;
            }
        }
        EXPECT_EQ(count, kImports);
    }
    std::sort(landed.begin(), landed.end());
    t_s_dm store;
    store.SetFileName(home.file("database/basedata0.rec"));
    ASSERT_TRUE(store.Open());
    std::vector<int32_t> periods;
    for (int n = 1; n <= store.RecordCount(); ++n) periods.push_back(store.FieldValueAt(n, 0));
    EXPECT_EQ(periods, landed) << refusals << " refused";
    EXPECT_EQ(store.firstUnorderedRecord(), 0);
    for (const auto& entry : std::filesystem::directory_iterator(home.file("database")))
        EXPECT_EQ(entry.path().filename().string().find(".saving"), std::string::npos) << entry.path();
}

TEST(CliConcurrency, TwoProcessesOnANewFolderSeedItOnceAndLoseNoImport) {
    test::TempFolder parent;
    const std::string home = parent.file("new");
    std::filesystem::create_directories(home);
    constexpr int kWriters = 2;
    pid_t children[kWriters];
    for (int w = 0; w < kWriters; ++w) {
        children[w] = ::fork();
        ASSERT_GE(children[w], 0);
        if (children[w] > 0) continue;
        const int period = 2026101 + w;
        const std::string file = parent.file("in" + std::to_string(period) + ".txt");
        std::ofstream(file) << period << " 01 02 03 04 05 06 07\r\n";
        std::ostringstream out, err;
        const int code = runCli({"--home", home, "import", file, "--with-secondary"}, out, err);
        std::ofstream(parent.file("writer" + std::to_string(w) + ".log")) << period << ' ' << code << '\n';
        ::_exit(0);
    }
    std::vector<int32_t> landed;
    for (int w = 0; w < kWriters; ++w) {
        int status = 0;
        ASSERT_EQ(::waitpid(children[w], &status, 0), children[w]);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        std::ifstream log(parent.file("writer" + std::to_string(w) + ".log"));
        int period = 0, code = -1;
        ASSERT_TRUE(log >> period >> code);
        if (code == 0) landed.push_back(period);
    }
    t_s_dm store;
    store.SetFileName(home + "/database/basedata0.rec");
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.RecordCount(), 3493 + static_cast<int>(landed.size())) << "seeded once, every reported import kept";
    EXPECT_EQ(store.FieldValueAt(1, 0), 2003001);
    std::vector<int32_t> periods;
    for (int n = 1; n <= store.RecordCount(); ++n) periods.push_back(store.FieldValueAt(n, 0));
    for (int32_t period : landed) EXPECT_NE(std::find(periods.begin(), periods.end(), period), periods.end()) << period;
}
#endif

}  // namespace
}  // namespace lottodesk
