// The command line given hostile input: files that are no ticket files, names that are no regular
// files, options out of their range and formulas that name no indicator. Each is refused with a
// message and leaves every file as it was.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "core/fileio.h"
#include "core/s_dm.h"
#include "support/clirun.h"

namespace lottodesk {
namespace {

using test::CliRun;

std::string fixture(const std::string& name) { return std::string(LOTTODESK_TEST_DATA_DIR) + "/" + name; }

class CliUntrusted : public test::SeededCliSuite {
protected:
    static std::string file(const std::string& name, const std::string& text) {
        const std::string path = home->file(name);
        test::writeFile(path, text);
        return path;
    }
};

// Tickets with a repeated number, a number outside the zone or too few numbers are not tickets of
// the game: every reader refuses the file, naming the line, instead of counting "01 01 01 01 01 01"
// as six hits or printing "00".
TEST_F(CliUntrusted, TicketFilesAreCheckedAsTicketsOfTheGame) {
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"01 02 03 04 05 06 \r\n01 01 01 01 01 01 \r\n", "组号文件第2行有误：号码01重复"},
        {"00 02 03 04 05 06 \r\n", "组号文件第1行有误：号码00不在1到33之间"},
        {"01 02 03 04 05 99 \r\n", "组号文件第1行有误：号码99不在1到33之间"},
        {"01 02 03 04 05 255 \r\n", "组号文件第1行有误：号码255不在1到33之间"},
        {"01 02 03 04 05 06 \r\n01 02 03\r\n", "组号文件第2行有误：应有6个号码，实有3个"},
    };
    const std::string out = file("out.txt", "kept");
    for (const auto& c : cases) {
        const std::string results = file("bad-results.txt", c.text);
        const std::vector<std::vector<std::string>> commands = {
            {"prize", results, "--period", "2026095"},
            {"print", results, "--out", out},
            {"remove", results, results},
            {"continue", fixture("no-condition.zh"), "--in", results, "--out", out},
            {"wheel-check", results, "--pool", "01 02 03 04 05 06 07", "--guarantee", "中六保五"},
        };
        for (const auto& args : commands) {
            const CliRun r = run(args);
            EXPECT_EQ(r.code, 2) << args[0] << ": " << c.text;
            EXPECT_EQ(r.err, std::string(c.says) + "\n") << args[0];
        }
        EXPECT_EQ(test::readFile(out), "kept");
    }

    // Two-zone tickets: a repeated main number is no 一等奖, a secondary number outside 1..16 no ticket.
    const std::string tickets = file("reward-bad.txt", "04 04 04 04 04 04 04 \r\n");
    const CliRun reward = run({"reward", tickets, "--draw", "04 05 06 07 08 09 + 04"});
    EXPECT_EQ(reward.code, 2);
    EXPECT_EQ(reward.err, "组号文件第1行有误：号码04重复\n");
    EXPECT_EQ(run({"reward", file("reward-bad2.txt", "01 02 03 04 05 06 17\r\n"), "--draw", "01 02 03 04 05 06 + 07"})
                  .err,
              "组号文件第1行有误：号码17不在1到16之间\n");

    // match: each zone against its own range.
    const std::string main = file("match-main.txt", "01 02 03 04 05 06 \r\n");
    EXPECT_EQ(run({"match", main, file("match-blue.txt", "00 \r\n"), "--style", "all"}).err,
              "组号文件第1行有误：号码00不在1到16之间\n");
    EXPECT_EQ(run({"match", file("match-red.txt", "01 02 03 04 05 34 \r\n"), file("match-blue2.txt", "01 \r\n"),
                   "--style", "all"})
                  .err,
              "组号文件第1行有误：号码34不在1到33之间\n");
}

// A huge token is quoted in a few dozen characters, not printed whole.
TEST_F(CliUntrusted, MessagesQuoteAShortPartOfABadToken) {
    const std::string results = file("token.txt", std::string(5 << 20, '7') + "\r\n");
    const CliRun r = run({"prize", results, "--period", "2026095"});
    EXPECT_EQ(r.code, 2);
    EXPECT_LT(r.err.size(), 120u) << r.err.substr(0, 200);
    EXPECT_EQ(r.err.rfind("组号文件第1行有误：7777", 0), 0u) << r.err.substr(0, 200);
}

#ifndef _WIN32  // pipes and devices as POSIX has them
// A save writes only over a regular file: a pipe, a device or a link to one stays what it is.
TEST_F(CliUntrusted, OutputNeverReplacesWhatIsNoRegularFile) {
    const std::string results = file("good.txt", "01 02 03 04 05 06 \r\n");
    const std::string fifo = home->file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string link = home->file("null-link");
    std::filesystem::create_symlink("/dev/null", link);
    for (const std::string& target : {fifo, link, std::string("/dev/null")}) {
        const CliRun r = run({"print", results, "--out", target});
        EXPECT_EQ(r.code, 2) << target;
        EXPECT_NE(r.err.find(kNotRegularFileReason), std::string::npos) << r.err;
    }
    struct stat st;
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}
#endif

TEST_F(CliUntrusted, ABatchWithoutItsFirstFileDoesNotStart) {
    const std::string keep = file("keep.txt", "01 02 03 04 05 06 \r\n");
    const std::string missing = home->file("missing.zh");
    const CliRun r = run({"batch", missing, fixture("typical.zh"), "--out", keep});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "批量过滤的第一个条件文件不存在，批量过滤没有开始：" + missing + "\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(test::readFile(keep), "01 02 03 04 05 06 \r\n");
}

// Transformed draws written as a history would be imported later as real draws.
TEST_F(CliUntrusted, NoExportUnderATransform) {
    const std::string target = home->file("export.txt");
    const CliRun r = run({"--transform", "1", "export", target, "--with-secondary"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("当前为变换数据，不能导出"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(run({"export", target, "--with-secondary"}).code, 0);
}

// A formula or identifier typed on the command line is checked as the formula dialog checks it.
TEST_F(CliUntrusted, FormulasThatNameNoIndicatorAreRefused) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"eval", "z_hzz"}, "公式有误:“z_hzz”不是系统指标"},
        {{"eval", "(z_hz+1"}, "公式有误:"},
        {{"series", "nosuch"}, "公式有误:“nosuch”不是系统指标"},
        {{"verdicts", "hmsh", "nosuch"}, "公式有误:“nosuch”不是系统指标"},
        {{"search", "hmsh", "--indicator", "nosuch", "--seed", "1"}, "公式有误:“nosuch”不是系统指标"},
        {{"analyse", "z_hz+nosuch"}, "公式有误:“nosuch”不是系统指标"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.code, 2) << c.args[0];
        EXPECT_EQ(r.err.rfind(c.says, 0), 0u) << r.err;
        EXPECT_EQ(r.out, "") << c.args[0];
    }
    // --lenient keeps the stored-formula rule: an unknown identifier reads as -999.
    const CliRun lenient = run({"eval", "z_hzz", "--lenient"});
    EXPECT_EQ(lenient.code, 0) << lenient.err;
    EXPECT_EQ(lenient.out, "-999\n");
    EXPECT_EQ(run({"verdicts", "hmsh", "z_num1", "--from", "2026095", "--to", "2026096"}).code, 0);
}

TEST_F(CliUntrusted, SmallerRefusals) {
    // A negative seed is no seed (it used to wrap to 2^64-1).
    EXPECT_EQ(run({"search", "hmsh", "--indicator", "z_hw", "--seed", "-1"}).code, 1);

    // A main zone's condition file is not a special number's.
    const CliRun special = run({"special", fixture("typical.zh")});
    EXPECT_EQ(special.code, 2);
    EXPECT_NE(special.err.find("不是副区或特别号的过滤条件文件"), std::string::npos) << special.err;

    // The printout of a six-number game has no "红号七" column.
    const std::string results = file("print.txt", "01 02 03 04 05 06 \r\n");
    const std::string out = home->file("printout.txt");
    ASSERT_EQ(run({"print", results, "--out", out}).code, 0);
    const std::string printed = test::readFile(out);
    EXPECT_EQ(printed.find("\xBA\xEC\xBA\xC5\xC6\xDF"), std::string::npos) << "红号七 in GBK";
    EXPECT_NE(printed.find("\xBA\xEC\xBA\xC5\xC1\xF9"), std::string::npos) << "红号六 in GBK";
}

// A command that only reads the history of another type leaves its stored prediction record.
TEST(CliReadOnly, ReadingAnotherTypeKeepsItsFile) {
    test::TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    const std::string history = home.file("database/basedata1.rec");
    ASSERT_TRUE(test::storePredictionRecord(history));
    const std::string before = test::readFile(history);
    const CliRun r = test::cli({"--home", home.path(), "--type", "1", "draws"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.find("9999999"), std::string::npos);
    EXPECT_EQ(test::readFile(history), before);
}

// A first start that cannot seed the folder opens nothing there: no default type file or
// placeholder history makes it look seeded.
TEST(CliReadOnly, AFolderThatCannotBeSeededIsNotStartedOn) {
    test::TempFolder home;
    test::writeFile(home.file("database"), "a file where the folder should be");
    const CliRun r = test::cli({"--home", home.path(), "types"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("无法创建程序文件夹"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(home.file("save/selfzb.txt")));
}

// A type name whose bytes are not GBK is shown with U+FFFD, and said.
TEST(CliReadOnly, TypeNamesThatAreNoGbkAreSaid) {
    test::TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    std::string types = test::readFile(home.file("database/cps.typ"));
    ASSERT_GT(types.size(), 162u * 3);
    // Type 2's name: its length at byte 1 of the record, its GBK bytes from byte 2.
    ASSERT_GE(static_cast<unsigned char>(types[162 * 2 + 1]), 2);
    types[162 * 2 + 2] = '\xFF';
    types[162 * 2 + 3] = '\xFF';
    test::writeFile(home.file("database/cps.typ"), types);
    const CliRun r = test::cli({"--home", home.path(), "types"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("彩种文件中第2个彩种的名称含有无法识别的文字"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("\xEF\xBF\xBD"), std::string::npos);
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

// `--predict`: a prediction record (9999999) after the history, in memory only, for the analysis
// commands; the history file stays as it was.
TEST(CliPredict, APredictionRecordInMemoryForTheAnalysisCommands) {
    test::TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    const std::string history = test::readFile(home.file("database/basedata0.rec"));
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path()});
        return test::cli(args);
    };
    const CliRun series = run({"--predict", "17 14 11 08 05 02 + 03", "series", "z_hz"});
    ASSERT_EQ(series.code, 0) << series.err;
    EXPECT_TRUE(series.out.ends_with("2026096\t100\n9999999\t57\n")) << series.out.substr(series.out.size() - 40);
    const CliRun draws = run({"--predict", "02 05 08 11 14 17 + 03", "draws"});
    ASSERT_EQ(draws.code, 0) << draws.err;
    EXPECT_TRUE(draws.out.ends_with("9999999\t02 05 08 11 14 17\t03\n"));
    EXPECT_EQ(test::readFile(home.file("database/basedata0.rec")), history);

    EXPECT_EQ(run({"--predict", "01 02", "draws"}).code, 1);
    EXPECT_EQ(run({"--predict", "01 02 03 04 05 06", "import", home.file("x.txt"), "--with-secondary"}).code, 1);
    const CliRun outside = run({"--predict", "01 02 03 04 05 34", "draws"});
    EXPECT_EQ(outside.code, 2);
    EXPECT_FALSE(outside.err.empty());
    EXPECT_EQ(test::readFile(home.file("database/basedata0.rec")), history);
}

}  // namespace
}  // namespace lottodesk
