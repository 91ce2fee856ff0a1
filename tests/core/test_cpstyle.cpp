#include <gtest/gtest.h>

#include <filesystem>

#include "core/cpstyle.h"
#include "core/gbk.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::TempFolder;

TEST(LotteryTypeFile, MissingFileIsCreatedWithTheDefaults) {
    TempFolder home;
    const std::string path = home.file("cps.typ");
    TypeTableLoad load = loadTypeTable(path);
    EXPECT_TRUE(load.created);
    EXPECT_TRUE(load.message.empty());
    ASSERT_EQ(test::fileSize(path), 3402);

    const std::string bytes = test::readFile(path);
    const std::string name0 = utf8ToGbk("自定义彩种0");
    EXPECT_EQ(bytes[0], 0);  // startcp
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), name0.size());
    EXPECT_EQ(bytes.substr(2, name0.size()), name0);
    EXPECT_EQ(bytes.substr(2 + name0.size(), 50 - name0.size()), std::string(50 - name0.size(), '\0'));
    EXPECT_EQ(bytes.substr(52, 8), std::string("\x06\x01\x21\x01\x01\x10\x01\x01", 8));
    EXPECT_EQ(bytes.substr(60, 102), std::string(102, '\0'));  // both labels empty

    EXPECT_EQ(load.table.cpstyles[0], defaultType(0));
    EXPECT_EQ(load.table.cpstyles[20].cpmm, "自定义彩种20");
    EXPECT_EQ(decodeTypeRecord(std::string_view(bytes).substr(20 * 162, 162)).cpmm, "自定义彩种20");
}

TEST(LotteryTypeFile, RecordsRoundTripByteForByte) {
    TempFolder home;
    const std::string path = home.file("cps.typ");
    TypeTable table = defaultTypeTable();
    table.startcp = 3;
    table.cpstyles[0] = {"双色球", 6, 1, 33, 1, 1, 16, 1, 1, "红号", "蓝号"};
    table.cpstyles[5] = {"七乐彩", 7, 1, 30, 1, 1, 30, 1, 0, "主号", "特别号"};
    ASSERT_TRUE(saveTypeTable(path, table));
    const std::string first = test::readFile(path);
    for (int i = 0; i < kTypeCount; ++i) EXPECT_EQ(first[i * 162], 3) << "startcp in record " << i;

    TypeTableLoad load = loadTypeTable(path);
    EXPECT_EQ(load.recordsRead, 21);
    EXPECT_EQ(load.table.startcp, 3);
    EXPECT_EQ(load.table.cpstyles, table.cpstyles);
    ASSERT_TRUE(saveTypeTable(path, load.table));
    EXPECT_EQ(test::readFile(path), first);
}

TEST(LotteryTypeFile, LongTextsAreCutTo50BytesOnACharacterBoundary) {
    struct Case {
        std::string name;
        size_t storedBytes;
    } cases[] = {
        {std::string(60, 'x'), 50},
        {"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十", 50},  // 30 characters
        {"a一二三四五六七八九十一二三四五六七八九十一二三四五", 49},           // 1 + 25 characters
    };
    for (const Case& c : cases) {
        tcpstyle type = defaultType(1);
        type.cpmm = c.name;
        const std::string record = encodeTypeRecord(type, 0);
        ASSERT_EQ(record.size(), 162u);
        EXPECT_EQ(static_cast<unsigned char>(record[1]), c.storedBytes) << c.name;
        const std::string decoded = decodeTypeRecord(record).cpmm;
        EXPECT_EQ(utf8ToGbk(decoded).size(), c.storedBytes);
        EXPECT_EQ(c.name.rfind(decoded, 0), 0u) << "stored name is a prefix of the typed one";
    }
}

TEST(LotteryTypeFile, CorruptLengthByteIsCappedAt50) {
    std::string record = encodeTypeRecord(defaultType(2), 0);
    record[1] = static_cast<char>(200);
    EXPECT_EQ(utf8ToGbk(decodeTypeRecord(record).cpmm).size(), 50u);
}

TEST(LotteryTypeFile, ShortFileKeepsItsRecordsAndIsNotRewritten) {
    TempFolder home;
    const std::string path = home.file("cps.typ");
    TypeTable table = defaultTypeTable();
    table.cpstyles[0].cpmm = "双色球";
    table.cpstyles[4].cpmm = "排列五";
    table.cpstyles[4].zhgs = 5;
    const std::string full = encodeTypeTable(table);
    // Five whole records and half of the sixth.
    const std::string shortFile = full.substr(0, 5 * 162 + 80);
    test::writeFile(path, shortFile);

    TypeTableLoad load = loadTypeTable(path);
    EXPECT_EQ(load.recordsRead, 5);
    EXPECT_FALSE(load.created);
    EXPECT_NE(load.message.find("彩种文件不完整"), std::string::npos);
    EXPECT_EQ(load.table.cpstyles[0].cpmm, "双色球");
    EXPECT_EQ(load.table.cpstyles[4].zhgs, 5);
    EXPECT_EQ(load.table.cpstyles[5], defaultType(5));
    EXPECT_EQ(load.table.cpstyles[20], defaultType(20));
    EXPECT_EQ(test::readFile(path), shortFile);
}

TEST(LotteryTypeFile, UnreadableFileGivesDefaultsAndAMessage) {
    TempFolder home;
    const std::string path = home.file("cps.typ");
    std::filesystem::create_directories(path);  // a folder where the file should be
    TypeTableLoad load = loadTypeTable(path);
    EXPECT_FALSE(load.created);
    EXPECT_FALSE(load.message.empty());
    EXPECT_EQ(load.table.cpstyles[7], defaultType(7));
}

TEST(ZoneLabels, FollowTheNameOfTheCurrentType) {
    struct Case {
        const char* name;
        const char* zhname;
        const char* specname;
    } cases[] = {
        {"双色球", "红号", "蓝号"},        {"超级大乐透", "主号", "副号"},
        {"自定义彩种0", "主号", "特别号"}, {"双色球 ", "主号", "特别号"},  // exact comparison
        {"大乐透", "主号", "特别号"},
    };
    for (const Case& c : cases) {
        tcpstyle type = defaultType(0);
        type.cpmm = c.name;
        type.zhname = "旧";
        applyZoneLabels(type);
        EXPECT_EQ(type.zhname, c.zhname) << c.name;
        EXPECT_EQ(type.specname, c.specname) << c.name;
    }
}

TEST(GameParams, SwitchDropsTheSecondaryCountOfATypeWithoutSecondaryZone) {
    tcpstyle type = defaultType(3);
    type.hasspec = 0;
    type.fhgs = 2;
    EXPECT_EQ(startupGameParams(type).fhgs, 2);
    EXPECT_FALSE(startupGameParams(type).hasspec);
    EXPECT_EQ(switchedGameParams(type).fhgs, 0);
    type.hasspec = 2;  // only 1 counts as "has a secondary zone"
    EXPECT_FALSE(switchedGameParams(type).hasspec);
    EXPECT_EQ(switchedGameParams(type).fhgs, 2);
}

TEST(LotteryTypeFile, ValuesOutOfRangeAreBroughtIntoRangeWithAMessage) {
    test::TempFolder home;
    TypeTable table = defaultTypeTable();
    table.cpstyles[2].zhgs = 255;
    table.cpstyles[3].zhgs = 0;
    table.cpstyles[4].zh_from = 40;
    table.cpstyles[4].zh_to = 3;
    table.cpstyles[5].spec_to = 200;
    table.cpstyles[6].fhgs = 60;
    const std::string path = home.file("database/cps.typ");
    test::writeFile(path, encodeTypeTable(table));

    const TypeTableLoad load = loadTypeTable(path);
    const auto& t = load.table.cpstyles;
    EXPECT_EQ(t[2].zhgs, 7);
    EXPECT_EQ(t[3].zhgs, 1);
    EXPECT_EQ(t[4].zh_from, 3);
    EXPECT_EQ(t[4].zh_to, 40);
    EXPECT_EQ(t[5].spec_to, 49);
    EXPECT_EQ(t[6].fhgs, 7);
    for (int i : {2, 3, 4, 5, 6})
        EXPECT_NE(load.message.find("第" + std::to_string(i) + "个彩种"), std::string::npos) << load.message;
    EXPECT_EQ(load.message.find("第1个彩种"), std::string::npos);
    EXPECT_NE(load.message.find("主号个数"), std::string::npos);
    EXPECT_EQ(test::readFile(path), encodeTypeTable(table)) << "the file changes only when the user confirms";

    // A zone range too narrow for the numbers drawn is widened.
    tcpstyle narrow = defaultType(0);
    narrow.zh_from = 45;
    narrow.zh_to = 46;
    EXPECT_EQ(fitType(narrow), "主号范围");
    EXPECT_EQ(narrow.zh_from, 44);
    EXPECT_EQ(narrow.zh_to, 49);
    tcpstyle sound = defaultType(1);
    EXPECT_EQ(fitType(sound), "");
}

}  // namespace
}  // namespace lottodesk
