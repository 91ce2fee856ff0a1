#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/workspace.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::TempFolder;

void writeHistory(const std::string& path, const std::vector<DrawRecord>& records) {
    std::string bytes(records.size() * kDrawRecordSize, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        std::memcpy(&bytes[i * kDrawRecordSize], records[i].data(), kDrawRecordSize);
    test::writeFile(path, bytes);
}

std::vector<DrawRecord> history(int32_t firstPeriod, int count) {
    std::vector<DrawRecord> records;
    for (int i = 0; i < count; ++i) {
        DrawRecord r{};
        r[0] = firstPeriod + i;
        for (int slot = 1; slot <= 7; ++slot) r[slot] = (i + slot) % 33 + 1;
        records.push_back(r);
    }
    return records;
}

TEST(Startup, EmptyFolderGetsDefaultsEverywhere) {
    TempFolder home;
    Workspace ws(home.path());
    MemorySettings settings;
    StartupResult started = initialiseWorkspace(ws, settings);
    EXPECT_TRUE(started.historyOpened);
    EXPECT_TRUE(started.messages.empty());
    EXPECT_EQ(test::fileSize(home.file("database/cps.typ")), 3402);
    EXPECT_EQ(test::fileSize(home.file("database/basedata0.rec")), 204);
    EXPECT_EQ(ws.curcp, 0);
    EXPECT_EQ(ws.current().zhname, "主号");
    EXPECT_EQ(ws.current().specname, "特别号");
    EXPECT_EQ(ws.game, (GameParams{6, 1, 33, 1, 1, 16, true}));
    EXPECT_EQ(ws.partitions.of(2)[1], 16);
    EXPECT_EQ(ws.settings, ColdHotSettings{});
    EXPECT_EQ(settings.readInt("qs"), 30);
    EXPECT_EQ(settings.readInt("f_hotcs"), 2);
    EXPECT_EQ(mainCaption(ws, false), "自定义彩种0");
}

TEST(Startup, StoredSettingsAreReadBack) {
    TempFolder home;
    Workspace ws(home.path());
    MemorySettings settings;
    settings.writeInt("qs", 50);
    settings.writeInt("f_coldcs", 1);
    initialiseWorkspace(ws, settings);
    EXPECT_EQ(ws.settings.qs, 50);
    EXPECT_EQ(ws.settings.f_coldcs, 1);
    EXPECT_EQ(ws.settings.hotcs, 8);
}

TEST(Startup, PredictionRecordIsRemovedFromMemoryOnly) {
    TempFolder home;
    std::vector<DrawRecord> records = history(2021001, 20);
    DrawRecord prediction{};
    prediction[0] = kPredictionPeriod;
    prediction[1] = 9;
    records.push_back(prediction);
    writeHistory(home.file("database/basedata0.rec"), records);

    Workspace ws(home.path());
    MemorySettings settings;
    initialiseWorkspace(ws, settings);
    prepareHistoryAfterStart(ws);
    EXPECT_EQ(ws.sjk.RecordCount(), 20);
    EXPECT_EQ(test::fileSize(home.file("database/basedata0.rec")), 21 * 204);
    for (int slot = 1; slot <= 7; ++slot) EXPECT_EQ(ws.lastdraw[slot], records[19][slot]);
    EXPECT_EQ(ws.sjk.RecNo(), 20 - 12);
}

TEST(TypeSwitch, OpensTheTypesHistoryAndRemovesASavedPrediction) {
    TempFolder home;
    Workspace ws(home.path());
    MemorySettings settings;
    initialiseWorkspace(ws, settings);
    ws.types.cpstyles[2] = {"双色球", 6, 1, 33, 1, 1, 16, 1, 1, "", ""};
    std::vector<DrawRecord> records = history(2022001, 15);
    DrawRecord prediction{};
    prediction[0] = kPredictionPeriod;
    records.push_back(prediction);
    writeHistory(ws.historyPath(2), records);
    ws.transformed = true;

    ws.curcp = 2;
    ASSERT_TRUE(switchLotteryType(ws, 0));
    EXPECT_FALSE(ws.transformed);
    EXPECT_EQ(ws.sjk.FileName(), home.file("database/basedata2.rec"));
    EXPECT_EQ(ws.sjk.RecordCount(), 15);
    EXPECT_EQ(test::fileSize(ws.historyPath(2)), 15 * 204) << "prediction deleted from the file";
    EXPECT_EQ(ws.sjk.RecNo(), 15 - 9);
    EXPECT_EQ(ws.current().zhname, "红号");
    EXPECT_EQ(ws.current().specname, "蓝号");
    EXPECT_EQ(mainCaption(ws, true), "双色球(原始数据)");
}

TEST(TypeSwitch, TypeWithoutSecondaryZoneHasNoSecondaryNumbers) {
    TempFolder home;
    Workspace ws(home.path());
    MemorySettings settings;
    initialiseWorkspace(ws, settings);
    ws.types.cpstyles[3] = {"排列七", 7, 0, 9, 1, 1, 16, 0, 1, "", ""};
    ws.curcp = 3;
    ASSERT_TRUE(switchLotteryType(ws, 0));
    EXPECT_EQ(ws.game, (GameParams{7, 0, 9, 0, 1, 16, false}));
    EXPECT_EQ(ws.partitions.of(2)[1], 4);  // partitions count from 1 whatever zh_from is
    EXPECT_EQ(ws.sjk.RecordCount(), 1) << "a new type's history starts with the default record";
}

TEST(TypeSwitch, UnopenableHistoryKeepsTheCurrentType) {
    TempFolder home;
    Workspace ws(home.path());
    MemorySettings settings;
    initialiseWorkspace(ws, settings);
    std::filesystem::create_directories(ws.historyPath(4));  // a folder in place of the file
    const GameParams before = ws.game;
    ws.curcp = 4;
    Status status = switchLotteryType(ws, 0);
    EXPECT_FALSE(status);
    EXPECT_NE(status.message.find("basedata4.rec"), std::string::npos);
    EXPECT_EQ(ws.curcp, 0);
    EXPECT_EQ(ws.sjk.FileName(), ws.historyPath(0));
    EXPECT_EQ(ws.game, before);
}

}  // namespace
}  // namespace lottodesk
