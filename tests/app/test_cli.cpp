#include <gtest/gtest.h>

#include <sstream>

#include "app/cli.h"
#include "core/firstrun.h"
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
