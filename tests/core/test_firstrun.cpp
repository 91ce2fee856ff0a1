#include <gtest/gtest.h>

#include <filesystem>

#include "core/firstrun.h"
#include "core/workspace.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

TEST(FirstRun, SeedsRealGamesIntoAnEmptyFolder) {
    test::TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    Workspace ws(home.path());
    MemorySettings settings;
    initialiseWorkspace(ws, settings);
    EXPECT_EQ(ws.current().cpmm, "双色球");
    EXPECT_EQ(ws.current().zhname, "红号");
    EXPECT_EQ(ws.game, (GameParams{6, 1, 33, 1, 1, 16, true}));
    EXPECT_EQ(ws.sjk.RecordCount(), 3493);
    EXPECT_EQ(ws.sjk.FieldValueAt(3493, 0), 2026096);
    EXPECT_EQ(ws.types.cpstyles[1].cpmm, "超级大乐透");
    EXPECT_EQ(ws.types.cpstyles[1].specname, "副号");
    EXPECT_EQ(ws.types.cpstyles[2], defaultType(2));

    ws.curcp = 1;
    ASSERT_TRUE(switchLotteryType(ws, 0));
    EXPECT_EQ(ws.game, (GameParams{5, 1, 35, 2, 1, 12, true}));
    EXPECT_EQ(ws.sjk.RecordCount(), 2913);
    EXPECT_EQ(ws.sjk.FieldValueAt(1, 6), 4);  // 2007001 22 24 29 31 35 04 11
    EXPECT_EQ(ws.sjk.FieldValueAt(1, 7), 11);
}

TEST(FirstRun, NeverOverwritesExistingFiles) {
    test::TempFolder home;
    test::writeFile(home.file("database/basedata0.rec"), "");  // the user's own (empty) history
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    EXPECT_EQ(test::fileSize(home.file("database/basedata0.rec")), 0);
    EXPECT_EQ(test::fileSize(home.file("database/basedata1.rec")), 2913 * 204);

    const std::string types = test::readFile(home.file("database/cps.typ"));
    test::writeFile(home.file("database/basedata1.rec"), "");
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    EXPECT_EQ(test::fileSize(home.file("database/basedata1.rec")), 0) << "a seeded folder is left alone";
    EXPECT_EQ(test::readFile(home.file("database/cps.typ")), types);
}

TEST(FirstRun, TheBuiltInHistoriesAreTheSamples) {
    test::TempFolder fromFiles, builtIn;
    ASSERT_TRUE(seedProgramFolder(fromFiles.path(), LOTTODESK_SAMPLES_DIR));
    const std::string fresh = builtIn.file("new/lottodesk");  // a folder that does not exist yet
    ASSERT_TRUE(seedProgramFolder(fresh));
    for (const char* file : {"database/cps.typ", "database/basedata0.rec", "database/basedata1.rec"})
        EXPECT_EQ(test::readFile(fresh + "/" + file), test::readFile(fromFiles.file(file))) << file;
    EXPECT_TRUE(std::filesystem::is_directory(fresh + "/save"));
    EXPECT_EQ(test::fileSize(fresh + "/database/basedata2.rec"), -1) << "only the two real games are seeded";
}

TEST(FirstRun, AFolderThatCannotBeMadeIsReported) {
    test::TempFolder home;
    test::writeFile(home.file("file"), "x");
    Status status = seedProgramFolder(home.file("file/below"));
    EXPECT_FALSE(status);
    EXPECT_NE(status.message.find("无法创建程序文件夹"), std::string::npos) << status.message;
}

TEST(FirstRun, MissingSamplesAreReported) {
    test::TempFolder home;
    Status status = seedProgramFolder(home.path(), home.file("nowhere"));
    EXPECT_FALSE(status);
    EXPECT_EQ(test::fileSize(home.file("database/cps.typ")), -1);
}

TEST(FirstRun, ASeedThatFailsPartWayLeavesNothingThatLooksSeeded) {
    test::TempFolder home;
    // The first game's history can be written, the second's cannot (its sample is missing).
    test::writeFile(home.file("samples/ssq.txt"), "2003001 10 11 12 13 26 28 11\n");
    const std::string folder = home.file("data");
    Status status = seedProgramFolder(folder, home.file("samples"));
    EXPECT_FALSE(status);
    EXPECT_NE(status.message.find("dlt.txt"), std::string::npos) << status.message;
    EXPECT_NE(status.message.find(folder), std::string::npos) << status.message;
    EXPECT_EQ(test::fileSize(folder + "/database/cps.typ"), -1);
    EXPECT_EQ(test::fileSize(folder + "/database/basedata0.rec"), -1) << "the history it wrote is taken back";

    // The next start, with the samples there, seeds the folder whole.
    test::writeFile(home.file("samples/dlt.txt"), "2007001 01 02 03 04 05 01 02\n");
    ASSERT_TRUE(seedProgramFolder(folder, home.file("samples")));
    EXPECT_EQ(test::fileSize(folder + "/database/basedata0.rec"), 204);
    EXPECT_GT(test::fileSize(folder + "/database/cps.typ"), 0);
}

}  // namespace
}  // namespace lottodesk
