#include <gtest/gtest.h>

#include <sstream>

#include "app/cli.h"
#include "core/firstrun.h"
#include "core/gbk.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST(Cli, TypesOnAnEmptyFolderCreatesTheDefaultTable) {
    test::TempFolder home;
    CliRun run = cli({"--home", home.path(), "types"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0], "0\t自定义彩种0\t6\t1\t33\t1\t1\t16\t1\t1\t主号\t特别号");
    EXPECT_EQ(rows[20], "20\t自定义彩种20\t6\t1\t33\t1\t1\t16\t1\t1\t\t");
    EXPECT_EQ(test::fileSize(home.file("database/cps.typ")), 3402);
}

TEST(Cli, DrawsOfAnEmptyFolderIsTheDefaultRecord) {
    test::TempFolder home;
    CliRun run = cli({"--home", home.path(), "draws"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "2008001\t01 02 03 04 05 06\t07\n");
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
    EXPECT_EQ(test::readFile(home.file("out.txt")), test::readFile(sample));

    CliRun again = cli({"--home", home.path(), "import", sample, "--with-secondary"});
    EXPECT_EQ(again.out, "3493\n");
    EXPECT_EQ(test::readFile(home.file("database/basedata0.rec")).size(), 3493u * 204);

    CliRun mainOnly = cli({"--home", home.path(), "export", home.file("main"), "--without-secondary"});
    ASSERT_EQ(mainOnly.code, 0);
    EXPECT_EQ(test::readFile(home.file("main.txt")).substr(0, 27), "2003001 10 11 12 13 26 28\r\n");
}

TEST(CliTransfer, BadImportsStopWithTheMessage) {
    test::TempFolder home;
    test::writeFile(home.file("bad.txt"), "2026001 01 02 03 04 05 06 07\r\n2026002 01 02 03\r\n");
    CliRun run = cli({"--home", home.path(), "import", home.file("bad.txt"), "--with-secondary"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("第2行"), std::string::npos);
    EXPECT_EQ(cli({"--home", home.path(), "draws"}).out, "2008001\t01 02 03 04 05 06\t07\n");

    EXPECT_EQ(cli({"--home", home.path(), "import", home.file("missing.txt"), "--with-secondary"}).code, 2);
    EXPECT_EQ(cli({"--home", home.path(), "import", home.file("bad.txt")}).code, 1);
    EXPECT_EQ(cli({"--home", home.path(), "import", "--with-secondary"}).code, 1);
    EXPECT_EQ(cli({"--home", home.path(), "export", "x", "--with-secondary", "--overwrite"}).code, 1);
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

class CliFormulas : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        home = new test::TempFolder;
        seedProgramFolder(home->path(), LOTTODESK_SAMPLES_DIR);
    }
    static void TearDownTestSuite() { delete home; }
    static CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home->path()});
        return cli(args);
    }
    static test::TempFolder* home;
};
test::TempFolder* CliFormulas::home = nullptr;

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
        {{"eval", "z_foo"}, 0, "-999\n", ""},  // a stored formula keeps reading -999
        {{"eval", "sum(z_hz)"}, 2, "", "公式有误:sum函数不存在\n"},
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

TEST_F(CliFormulas, ContinueAndConditionReports) {
    const std::string in = home->file("in.txt"), out = home->file("out.txt"), tags = home->file("tags.txt");
    test::writeFile(in, "01 02 03 04 05 07 \r\n01 02 03 04 05 06 \r\n01 02 03 04 05 09 \r\n01 02 03 04 06 07 \r\n");
    CliRun run = this->run({"continue", fixture("typical.zh"), "--in", in, "--out", out, "--tags", tags});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("已得到符合条件的红号组有0个  系统保留的记录个数0"), std::string::npos) << run.out;

    CliRun summary = this->run({"conditions", fixture("typical.zh")});
    ASSERT_EQ(summary.code, 0);
    EXPECT_NE(summary.out.find("\n和值：70，71，"), std::string::npos);
    CliRun check = this->run({"conditions", fixture("typical.zh"), "--check", "2026096", "--show", "wrong"});
    ASSERT_EQ(check.code, 0) << check.err;
    EXPECT_EQ(check.out.find("正确 "), std::string::npos);

    EXPECT_EQ(this->run({"filter", fixture("typical.zh"), "--mode", "wheel"}).code, 1);
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

}  // namespace
}  // namespace lottodesk
