#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "core/firstrun.h"
#include "core/gbk.h"
#include "support/clirun.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using CliResult = test::CliRun;
using test::cli;

std::vector<std::string> split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, by)) parts.push_back(part);
    return parts;
}

class CliPrediction : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR)); }
    CliResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path()});
        return cli(std::move(args));
    }
    test::TempFolder home;
};

TEST_F(CliPrediction, SchemesCreatesTheDefaultFile) {
    const CliResult r = run({"schemes", "fqtd"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines[0], "1\t1\t[-1]z_hw");
    EXPECT_EQ(lines[99], "10\t10\t[-1]z_hw");
    EXPECT_TRUE(std::ifstream(home.file("save/fqtd0.txt")).good());
    EXPECT_EQ(run({"schemes", "selfsh"}).code, 1);
    EXPECT_EQ(run({"--type", "1", "schemes", "hmsh"}).code, 0);
    EXPECT_TRUE(std::ifstream(home.file("save/hmsh1.txt")).good());
}

// The first draw is 2003001: 10 11 12 13 26 28 + 11 (tails 012368). A row is data: the period,
// the draw, each formula's value ("-1" where it failed) and the formulas judged right.
TEST_F(CliPrediction, BacktestRowPerPageKind) {
    test::writeFile(home.file("k.scs"), "z_num1\r\n1\r\n33\r\n10\r\n11\r\n");
    const struct {
        const char* kind;
        const char* formula;
        const char* draw;
        const char* value;
        const char* right;
    } cases[] = {
        {"hmsh", "10", "10 11 12 13 26 28", "10", ""}, {"hmsh", "1", "10 11 12 13 26 28", "1", "1"},
        {"lmsh", "11", "11", "11", ""},                {"lmsh", "10", "11", "10", "1"},
        {"fqtd", "11", "11", "11", "1"},               {"fqtd", "1", "11", "1", ""},
        {"hmtd", "26", "10 11 12 13 26 28", "26", "1"}, {"hmtd", "27", "10 11 12 13 26 28", "27", ""},
        {"hmsw", "23", "10 11 12 13 26 28", "23", ""}, {"hmsw", "4", "10 11 12 13 26 28", "4", "1"},
        {"hmsh", "5+", "10 11 12 13 26 28", "-1", ""},
    };
    for (const auto& c : cases) {
        test::writeFile(home.file("f.txt"), std::string(c.formula) + "\r\n");
        const CliResult r = run({"backtest", c.kind, "--formulas", home.file("f.txt"), "--start", "2003001"});
        ASSERT_EQ(r.code, 0) << r.err;
        const auto rows = split(r.out, '\n');
        EXPECT_EQ(rows[0], "期数\t开奖号码\t公式1\t正确公式");
        EXPECT_EQ(rows[1], std::string("2003001\t") + c.draw + "\t" + c.value + "\t" + c.right)
            << c.kind << " " << c.formula;
    }
    const CliResult custom =
        run({"backtest", "selfsh", "--scs", home.file("k.scs"), "--count", "2", "--start", "2003001"});
    ASSERT_EQ(custom.code, 0) << custom.err;
    EXPECT_EQ(split(custom.out, '\n')[1], "2003001\t10 11 12 13 26 28 + 11\t10\t11\t2");
}

TEST_F(CliPrediction, BacktestOfTheDefaultSchemeAndItsExport) {
    const CliResult r = run({"backtest", "hmsh", "--export", home.file("save/out")});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto rows = split(r.out, '\n');
    // The header once, a row per tested period, the forecast and the accuracy.
    ASSERT_EQ(rows.size(), 1 + 3493u + 2);
    EXPECT_EQ(split(rows[0], '\t').size(), 2u + 10 + 1);
    EXPECT_EQ(split(rows[3494], '\t')[0], "预测期");
    EXPECT_EQ(split(rows.back(), '\t')[0], "正确率");
    EXPECT_TRUE(r.err.empty()) << r.err;
    // The CLI writes the name given, in GBK.
    const std::string bytes = test::readFile(home.file("save/out"));
    EXPECT_EQ(bytes.substr(0, 7), " " + utf8ToGbk("期 数 "));

    const CliResult json = run({"backtest", "hmsh", "--count", "2", "--start", "2026095", "--format", "json"});
    ASSERT_EQ(json.code, 0) << json.err;
    const std::string start = "{\"header\":[\"期数\",\"开奖号码\",\"公式1\",\"公式2\",\"正确公式\"],\"rows\":[[2026095,[";
    EXPECT_EQ(json.out.rfind(start, 0), 0u) << json.out.substr(0, 200);
}

TEST_F(CliPrediction, FailuresAreNamedAndTheRunCompletes) {
    test::writeFile(home.file("f.txt"), "5+\r\n\r\n");
    const CliResult r = run({"backtest", "fqtd", "--formulas", home.file("f.txt"), "--start", "2026090"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "第2条公式有误:你还未输入公式\n");
    EXPECT_NE(r.out.find("\t-1\t-1\t"), std::string::npos) << r.out.substr(0, 300);
    // A division by zero stops the run: no table, the message names the formula.
    test::writeFile(home.file("g.txt"), "3\r\n1/0\r\n");
    const CliResult stopped = run({"backtest", "hmsh", "--formulas", home.file("g.txt"), "--start", "2026090"});
    EXPECT_EQ(stopped.code, 2);
    EXPECT_EQ(stopped.out, "");
    EXPECT_EQ(stopped.err, "公式“1/0”中除数为0，计算已停止\n");
    const CliResult bad = run({"backtest", "hmsh", "--start", "1999001"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(run({"backtest", "hmsh", "--count", "61"}).code, 1);
    EXPECT_EQ(run({"backtest", "selfsh"}).code, 1);
}

TEST_F(CliPrediction, Verdicts) {
    const CliResult r = run({"verdicts", "hmsh", "10", "--from", "2003001", "--to", "2003002"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(split(r.out, '\n')[0], "2003001\t10\t0");
    const CliResult custom = run({"verdicts", "z_num1", "10", "--to", "2003001"});
    EXPECT_EQ(custom.out, "2003001\t10\t0\n");
    const CliResult failing = run({"verdicts", "hmsh", "5+", "--to", "2003001"});
    EXPECT_EQ(failing.out, "2003001\t\t0\n");
    EXPECT_FALSE(failing.err.empty());
    const CliResult stopped = run({"verdicts", "hmsh", "1/0", "--to", "2003001"});
    EXPECT_EQ(stopped.code, 2);
    EXPECT_EQ(stopped.out, "");
    EXPECT_EQ(stopped.err, "公式“1/0”中除数为0，计算已停止\n");
}

TEST_F(CliPrediction, SearchIsReproducibleAndFastEqualsSlow) {
    const std::vector<std::string> args = {"search",       "hmsh",   "--indicator", "z_hw",   "--range", "1",
                                           "33",           "--band", "86",          "100",    "--want",  "4",
                                           "--scheme-run", "3",      "5",           "--seed", "11"};
    const CliResult a = run(args);
    ASSERT_EQ(a.code, 0) << a.err;
    EXPECT_EQ(split(a.out, '\n').size(), 4u);
    const CliResult b = run(args);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.err, b.err);
    std::vector<std::string> slow = args;
    slow.push_back("--slow");
    const CliResult c = run(slow);
    EXPECT_EQ(c.out, a.out);
    EXPECT_EQ(c.err, a.err);
    EXPECT_EQ(split(split(a.out, '\n')[0], '\t')[2], "50");
    EXPECT_EQ(run({"search", "hmsh", "--seed", "1"}).code, 1);  // no indicator
    const CliResult empty =
        run({"search", "hmsh", "--indicator", "z_hw", "--from", "2026096", "--to", "2026001", "--seed", "1"});
    EXPECT_EQ(empty.code, 2);
}

TEST_F(CliPrediction, CommandsLeaveTheHistoryFileAlone) {
    const std::string before = test::readFile(home.file("database/basedata0.rec"));
    run({"backtest", "hmsh", "--count", "3"});
    run({"search", "hmtd", "--indicator", "z_num1", "--seed", "2", "--limit", "1000"});
    EXPECT_EQ(test::readFile(home.file("database/basedata0.rec")), before);
}

}  // namespace
}  // namespace lottodesk
