#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/firstrun.h"
#include "support/clirun.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using CliOutcome = test::CliRun;
using test::cli;

std::vector<std::string> lines(const std::string& text) { return test::linesOf(text); }

class CliTransform : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
        history = test::readFile(home.file("database/basedata0.rec"));
    }
    CliOutcome run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path()});
        return cli(args);
    }

    test::TempFolder home;
    std::string history;
};

// Worked by hand: D(2003001) = S(10 11 12 13 26 28, 3) = 12 10 28 26 13 11, so R(2) starts with
// those six, then 01..09, 14..25, 27, 29..33; 2003003 (01 07 10 23 28 32) becomes 02 03 07 13 25 32.
constexpr const char* kRanking2 =
    "2003002\t12 10 28 26 13 11 01 02 03 04 05 06 07 08 09 14 15 16 17 18 19 20 21 22 23 24 25 27 29 30 31 32 33";

TEST_F(CliTransform, DrawsAgreeWithHandCheckedRankings) {
    CliOutcome raw = run({"draws"});
    CliOutcome one = run({"--transform", "1", "draws"});
    CliOutcome two = run({"--transform", "2", "draws"});
    ASSERT_EQ(one.code, 0) << one.err;
    ASSERT_EQ(two.code, 0) << two.err;
    const auto rawRows = lines(raw.out), oneRows = lines(one.out), twoRows = lines(two.out);
    ASSERT_EQ(oneRows.size(), rawRows.size());
    ASSERT_EQ(twoRows.size(), rawRows.size());
    EXPECT_EQ(oneRows[0], rawRows[0]);  // record 1 keeps its numbers
    EXPECT_EQ(oneRows[1], "2003002\t04 09 19 20 21 26\t12");
    EXPECT_EQ(oneRows[2], "2003003\t02 03 07 13 25 32\t16");
    EXPECT_EQ(oneRows[3], "2003004\t04 08 10 16 17 27\t03");
    // Transform 2 shuffles R(2) into 12 07 13 02 28 25 30 23 22 05 ..
    EXPECT_EQ(twoRows[2], "2003003\t02 05 08 12 17 27\t16");
    EXPECT_EQ(twoRows[3], "2003004\t10 16 21 22 23 28\t03");
    EXPECT_EQ(run({"--transform", "0", "draws"}).out, raw.out);
    EXPECT_EQ(test::readFile(home.file("database/basedata0.rec")), history);
}

TEST_F(CliTransform, RankingPerPeriod) {
    CliOutcome one = run({"--transform", "1", "ranking", "--period", "2003002"});
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_EQ(one.out, std::string(kRanking2) + "\n");
    CliOutcome all = run({"--transform", "1", "ranking"});
    ASSERT_EQ(all.code, 0);
    const auto rows = lines(all.out);
    ASSERT_EQ(rows.size(), 3493u);
    EXPECT_EQ(rows[0],
              "2003001\t01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 "
              "28 29 30 31 32 33");
    EXPECT_EQ(rows[1], kRanking2);
    CliOutcome two = run({"--transform", "2", "ranking", "--period", "2003002"});
    EXPECT_EQ(two.out,
              "2003002\t12 07 13 02 28 25 30 23 22 05 20 01 18 17 08 29 10 14 16 27 09 03 21 04 31 11 32 "
              "15 06 24 26 19 33\n");

    CliOutcome missing = run({"--transform", "1", "ranking", "--period", "1999001"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, "数据库中没有第1999001期的记录\n");
    EXPECT_EQ(run({"ranking"}).code, 1);  // no transform applied
    EXPECT_EQ(run({"--transform", "1", "ranking", "--period"}).code, 1);
}

TEST_F(CliTransform, RestoreMapsThroughTheFilteredPeriodsRanking) {
    const std::string results = home.file("results.txt");
    test::writeFile(results, "01 02 03 05 07 08 \r\n33 01 02 03 04 05 \r\n");
    // Tickets for 2003003 were numbered through R(2).
    CliOutcome restored =
        run({"--transform", "1", "restore", results, "--period", "2003003", "--out", home.file("raw.txt")});
    ASSERT_EQ(restored.code, 0) << restored.err;
    EXPECT_EQ(restored.out, "") << "with --out the results go to the file only";
    EXPECT_EQ(restored.err, "共2注\n");
    EXPECT_EQ(test::readFile(home.file("raw.txt")), "01 02 10 12 13 28 \r\n10 12 13 26 28 33 \r\n");
    restored =
        run({"--transform", "1", "restore", results, "--period", "2003003", "--out", home.file("raw2.txt"), "--print"});
    ASSERT_EQ(restored.code, 0) << restored.err;
    EXPECT_EQ(restored.out, "01 02 10 12 13 28\n10 12 13 26 28 33\n");
    EXPECT_EQ(test::readFile(home.file("raw2.txt")), test::readFile(home.file("raw.txt")));
    EXPECT_EQ(run({"--transform", "1", "restore", results, "--print"}).code, 1) << "--print goes with --out";

    // The undrawn period: the ranking after the newest draw, as `ranking` prints for it.
    CliOutcome undrawn = run({"--transform", "3", "restore", results});
    ASSERT_EQ(undrawn.code, 0) << undrawn.err;
    EXPECT_EQ(lines(undrawn.out).size(), 2u);

    EXPECT_EQ(run({"--transform", "1", "restore", results, "--period", "1999001"}).code, 2);
    EXPECT_EQ(run({"--transform", "1", "restore", home.file("none.txt")}).code, 2);
    EXPECT_EQ(run({"restore", results}).code, 1);
}

TEST_F(CliTransform, SavingCommandsAreRefusedAndTheFileStays) {
    const std::string draws = home.file("new.txt");
    test::writeFile(draws, "2099001 01 02 03 04 05 06 07\r\n");
    for (const char* mode : {"--append", "--overwrite"}) {
        CliOutcome import = run({"--transform", "2", "import", draws, "--with-secondary", mode});
        EXPECT_EQ(import.code, 2) << mode;
        EXPECT_NE(import.err.find("当前为变换数据，不能保存"), std::string::npos) << import.err;
        EXPECT_TRUE(import.out.empty());
    }
    EXPECT_EQ(test::readFile(home.file("database/basedata0.rec")), history);
    // Without the transform the same import lands.
    EXPECT_EQ(run({"import", draws, "--with-secondary"}).code, 0);
}

TEST_F(CliTransform, BadTransformOptions) {
    for (const char* value : {"5", "-1", "x"}) EXPECT_EQ(run({"--transform", value, "draws"}).code, 1) << value;
    EXPECT_EQ(run({"--transform"}).code, 1);
    // Other games transform too: 超级大乐透 draws five of 1..35.
    CliOutcome dlt = run({"--type", "1", "--transform", "4", "ranking", "--period", "2007001"});
    ASSERT_EQ(dlt.code, 0) << dlt.err;
    EXPECT_EQ(lines(dlt.out)[0].size(), std::string("2007001\t").size() + 35 * 3 - 1);
}

}  // namespace
}  // namespace lottodesk
