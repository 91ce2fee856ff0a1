#include <gtest/gtest.h>

#include "core/drawupdate.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::TempFolder;

const GameParams kSsq{6, 1, 33, 1, 1, 16, true};
const GameParams kDlt{5, 1, 35, 2, 1, 12, true};

tcpstyle ssqType() { return {"双色球", 6, 1, 33, 1, 1, 16, 1, 1, "红号", "蓝号"}; }

class DrawUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(path, "");
        store.SetFileName(path);
        ASSERT_TRUE(store.Open());
    }
    void load(const std::string& text, const GameParams& game = kSsq) {
        ImportOutcome outcome = importDrawText(store, game, text, true, true);
        ASSERT_TRUE(outcome.status) << outcome.status.message;
    }
    std::vector<int32_t> periods() const {
        std::vector<int32_t> result;
        for (int n = 1; n <= store.RecordCount(); ++n) result.push_back(store.FieldValueAt(n, 0));
        return result;
    }

    TempFolder home;
    std::string path = home.file("basedata0.rec");
    t_s_dm store;
};

TEST_F(DrawUpdate, TypedDrawParsesTheEntryBoxes) {
    DrawParse parse = parseTypedDraw(kSsq, ssqType(), " 2026097 ", "01-02-03-04-05-06", "07");
    ASSERT_TRUE(parse.ok()) << parse.error;
    EXPECT_EQ(parse.record[0], 2026097);
    EXPECT_EQ(parse.record[6], 6);
    EXPECT_EQ(parse.record[7], 7);

    tcpstyle dlt = ssqType();
    dlt.specname = "副号";
    parse = parseTypedDraw(kDlt, dlt, "2026097", "01-02-03-04-05", "03-11");
    ASSERT_TRUE(parse.ok()) << parse.error;
    EXPECT_EQ(parse.record[6], 3);
    EXPECT_EQ(parse.record[7], 11);
}

TEST_F(DrawUpdate, TypedDrawErrors) {
    struct Case {
        const char* period;
        const char* main;
        const char* secondary;
        const char* message;
    } cases[] = {
        {"202609", "01-02-03-04-05-06", "07", "期数必须是七位比如2009001"},
        {"20260971", "01-02-03-04-05-06", "07", "期数必须是七位比如2009001"},
        {"2026097", "01-02-03-04-05-06", "  ", "请输入蓝号"},
        {"2026x97", "01-02-03-04-05-06", "07", "“2026x97”不是有效的整数"},
        {"2026097", "01-02-  -04-05-06", "07", "“”不是有效的整数"},
        {"2026097", "01-02-03-04-05", "07", "号码个数应为6个"},
        {"2026097", "01-02-03-04-05-06", "0x", "“0x”不是有效的整数"},
    };
    for (const Case& c : cases) {
        DrawParse parse = parseTypedDraw(kSsq, ssqType(), c.period, c.main, c.secondary);
        EXPECT_EQ(parse.error, c.message) << c.period << " " << c.main << " " << c.secondary;
    }
    // Counts from a damaged type file never write past the record.
    const GameParams huge{45, 1, 33, 7, 1, 16, true};
    EXPECT_FALSE(parseTypedDraw(huge, ssqType(), "2026097", "01", "02").ok());
}

TEST_F(DrawUpdate, AddKeepsPeriodOrderAndRefusesAKnownPeriod) {
    load("2026001 1 2 3 4 5 6 7\n2026003 1 2 3 4 5 6 7\n");
    DrawRecord draw{};
    draw[0] = 2026002;
    EXPECT_TRUE(addDraw(store, draw));
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026001, 2026002, 2026003}));
    Status again = addDraw(store, draw);
    EXPECT_EQ(again.message, "数据库中已经存在此期的记录");
    EXPECT_EQ(test::fileSize(path), 3 * 204);
}

TEST_F(DrawUpdate, ModifyAndDelete) {
    load("2026001 1 2 3 4 5 6 7\n2026002 1 2 3 4 5 6 7\n");
    DrawRecord draw{};
    draw[0] = 2026009;
    draw[1] = 33;
    ASSERT_TRUE(modifyDraw(store, 1, draw, 7));
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026002, 2026009}));
    EXPECT_EQ(store.FieldValueAt(2, 1), 33);
    ASSERT_TRUE(deleteDraw(store, 1));
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026009}));
    ASSERT_TRUE(clearHistory(store));
    EXPECT_EQ(test::fileSize(path), 0);
}

TEST_F(DrawUpdate, ImportWithoutSecondaryGivesOneAsTheFirstSecondaryNumber) {
    ImportOutcome outcome = importDrawText(store, kDlt, "2026001 1 2 3 4 5\n2026002 6 7 8 9 10\n", false, true);
    ASSERT_TRUE(outcome.status);
    EXPECT_EQ(outcome.imported, 2);
    EXPECT_EQ(store.FieldValueAt(2, 5), 10);
    EXPECT_EQ(store.FieldValueAt(2, 6), 1);
    EXPECT_EQ(store.FieldValueAt(2, 7), 0);
}

TEST_F(DrawUpdate, AppendImportSkipsKnownPeriods) {
    load("2026002 1 2 3 4 5 6 7\n");
    ImportOutcome outcome = importDrawText(
        store, kSsq, "2026001 9 10 11 12 13 14 9\n2026002 8 10 11 12 13 14 8\n2026001 7 10 11 12 13 14 7\n", true,
        false);
    ASSERT_TRUE(outcome.status);
    EXPECT_EQ(outcome.imported, 1);
    EXPECT_EQ(outcome.skipped, 1);  // the file's second 2026001
    // The stored 2026002 differs from the file's: it is kept and named, never replaced.
    EXPECT_EQ(outcome.conflicting, (std::vector<int32_t>{2026002}));
    EXPECT_EQ(outcome.summary, "新增1期，跳过1期；第2026002期与已有记录不同，未导入");
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026001, 2026002}));
    EXPECT_EQ(store.FieldValueAt(1, 1), 9);
    EXPECT_EQ(store.FieldValueAt(2, 1), 1);
}

TEST_F(DrawUpdate, BadImportChangesNothing) {
    load("2026001 1 2 3 4 5 6 7\n");
    const std::string before = test::readFile(path);
    ImportOutcome outcome = importDrawText(store, kSsq, "2026002 1 2 3 4 5 6 7\n2026003 1 2 3 x 5 6 7\n", true, true);
    EXPECT_FALSE(outcome.status);
    EXPECT_NE(outcome.status.message.find("第2行"), std::string::npos);
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026001}));
    EXPECT_EQ(test::readFile(path), before);
}

TEST_F(DrawUpdate, FailedSaveRestoresTheHistory) {
    load("2026001 1 2 3 4 5 6 7\n");
    store.setWriterForTesting([](std::FILE*, std::string_view) { return false; });
    ImportOutcome outcome = importDrawText(store, kSsq, "2026002 1 2 3 4 5 6 7\n", true, false);
    EXPECT_FALSE(outcome.status);
    EXPECT_EQ(outcome.imported, 0);
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026001}));
    DrawRecord draw{};
    draw[0] = 2026005;
    EXPECT_FALSE(addDraw(store, draw));
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026001}));
}

TEST_F(DrawUpdate, OverwriteImportOfAFileWithoutDrawsIsRefused) {
    load("2026001 1 2 3 4 5 6 7\n");
    const std::string before = test::readFile(path);
    for (const char* text : {"", "\r\n  \r\n", "0 1 2 3\n2026002 1 2 3 4 5 6 7\n"}) {
        const ImportOutcome outcome = importDrawText(store, kSsq, text, true, true);
        EXPECT_FALSE(outcome.status) << text;
        EXPECT_EQ(outcome.status.message, kNoDrawsInFileMessage);
    }
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026001}));
    EXPECT_EQ(test::readFile(path), before);
    // Appending nothing changes nothing and says so.
    const ImportOutcome appended = importDrawText(store, kSsq, "", true, false);
    ASSERT_TRUE(appended.status);
    EXPECT_EQ(appended.summary, "新增0期，跳过0期");
}

TEST_F(DrawUpdate, ExportReproducesTheImportFile) {
    const std::string text = test::readFile(test::samplePath("ssq.txt"));
    load(text);
    // Each value is followed by one blank: the sample's lines with a blank before each line end.
    std::string expected;
    forEachLine(text, [&](std::string_view line) {
        expected += std::string(line) + " \r\n";
        return true;
    });
    const std::string exported = exportDrawText(store, kSsq, true);
    EXPECT_EQ(exported, expected);
    EXPECT_EQ(exportDrawText(store, kSsq, false).substr(0, 29), "2003001 10 11 12 13 26 28 \r\n2");
    t_s_dm copy = store;
    ASSERT_TRUE(importDrawText(copy, kSsq, exported, true, true).status) << "an export imports again";
    EXPECT_EQ(copy.RecordCount(), store.RecordCount());
    ImportOutcome again = importDrawText(store, kSsq, text, true, false);
    EXPECT_EQ(again.imported, 0);
    EXPECT_EQ(store.RecordCount(), 3493);
}

TEST_F(DrawUpdate, ExportFileNames) {
    EXPECT_EQ(exportFileName("/tmp/draws"), "/tmp/draws.txt");
    EXPECT_EQ(exportFileName("/tmp/draws.txt"), "/tmp/draws.txt");
    EXPECT_EQ(exportFileName("/tmp/a.txt.bak"), "/tmp/a.txt.bak");
}

TEST_F(DrawUpdate, DownloadMergesWithoutReplacingStoredDraws) {
    load("2026001 1 2 3 4 5 6 7\n2026002 1 2 3 4 5 6 7\n2026003 1 2 3 4 5 6 7\n");
    bool asked = false;
    // The plug-in hands over from the newest stored period on: 2026003 equal, then one new draw.
    DownloadOutcome outcome = applyDownload(
        store, 2026003, {"2026003", "01,02,03,04,05,06,07", "", "2026004", "04 05 06 07 08 09 10", ""},
        [&] { return asked = true; });
    ASSERT_TRUE(outcome.status) << outcome.status.message;
    EXPECT_FALSE(asked);
    EXPECT_EQ(outcome.added, (std::vector<int32_t>{2026004}));
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_EQ(outcome.summary, "新增1期，跳过1期");
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026001, 2026002, 2026003, 2026004}));
    EXPECT_EQ(store.FieldValueAt(4, 7), 10);

    // A download that gives a stored period other numbers lists it and keeps the stored draw.
    outcome = applyDownload(store, 2026004,
                            {"2026002", "02 03 04 05 06 07 08", "", "2026004", "04 05 06 07 08 09 10", "",
                             "2026005", "05 06 07 08 09 10 11", ""},
                            [&] { return asked = true; });
    ASSERT_TRUE(outcome.status) << outcome.status.message;
    EXPECT_FALSE(asked);
    EXPECT_EQ(outcome.added, (std::vector<int32_t>{2026005}));
    EXPECT_EQ(outcome.conflicting, (std::vector<int32_t>{2026002}));
    EXPECT_EQ(outcome.summary, "新增1期，跳过1期；第2026002期与已有记录不同，未导入");
    EXPECT_EQ(store.FieldValueAt(2, 1), 1);

    // Nothing new: the history file is not even rewritten.
    const std::string before = test::readFile(path);
    outcome = applyDownload(store, 2026005, {"2026005", "05 06 07 08 09 10 11", ""}, nullptr);
    ASSERT_TRUE(outcome.status);
    EXPECT_TRUE(outcome.added.empty());
    EXPECT_EQ(outcome.summary, "新增0期，跳过1期");
    EXPECT_EQ(test::readFile(path), before);
}

TEST_F(DrawUpdate, OnlyADownloadAfterAGapAsksAboutContinuity) {
    struct Case {
        const char* first;  // the first downloaded period after the stored 2025150
        bool asks;
    } cases[] = {
        {"2025151", false},  // the next draw of the year
        {"2026001", false},  // the first draw of the next year
        {"2025149", false},  // overlapping
        {"2025153", true},   // two draws missing
        {"2027001", true},   // a year missing
    };
    for (const Case& c : cases) {
        for (bool discard : {false, true}) {
            load("2025149 1 2 3 4 5 6 7\n2025150 1 2 3 4 5 6 7\n");
            int asked = 0;
            const DownloadOutcome outcome = applyDownload(store, 2025150, {c.first, "1 2 3 4 5 6 8", "x"}, [&] {
                ++asked;
                return discard;
            });
            ASSERT_TRUE(outcome.status) << outcome.status.message;
            EXPECT_EQ(asked, c.asks ? 1 : 0) << c.first;
            EXPECT_EQ(outcome.discardedOld, c.asks && discard);
            const int32_t first = std::stoi(c.first);
            std::vector<int32_t> expected;
            if (!(c.asks && discard)) expected = {2025149, 2025150};
            if (first != 2025149) expected.push_back(first);
            EXPECT_EQ(periods(), expected) << c.first;
        }
    }
}

TEST_F(DrawUpdate, DownloadOutOfPeriodOrderIsRefusedWhole) {
    load("2003001 1 2 3 4 5 6 7\n2026096 1 2 3 4 5 6 7\n");
    const std::string before = test::readFile(path);
    const DownloadOutcome outcome =
        applyDownload(store, 2026096,
                      {"2026096", "1 2 3 4 5 6 7", "", "2003001", "1 2 3 4 5 6 7", "", "2026097", "1 2 3 4 5 6 8", ""},
                      nullptr);
    EXPECT_FALSE(outcome.status);
    EXPECT_NE(outcome.status.message.find("第4行"), std::string::npos) << outcome.status.message;
    EXPECT_NE(outcome.status.message.find("2003001"), std::string::npos);
    EXPECT_EQ(periods(), (std::vector<int32_t>{2003001, 2026096}));
    EXPECT_EQ(test::readFile(path), before);
    // A period given twice is out of order too.
    EXPECT_FALSE(applyDownload(store, 2026096, {"2026097", "1 2 3 4 5 6 7", "", "2026097", "1 2 3 4 5 6 7", ""},
                               nullptr)
                     .status);
    EXPECT_EQ(test::readFile(path), before);
}

TEST_F(DrawUpdate, ANewTypesPlaceholderMakesWayForRealDraws) {
    std::remove(path.c_str());
    ASSERT_TRUE(store.Open());  // a missing file is created with the placeholder 2008001 01..10
    ASSERT_TRUE(holdsOnlyPlaceholder(store));
    EXPECT_EQ(downloadLowerBound(store, "双色球"), -1);

    // The import of the real history, whose first draw is 2008001 too.
    ImportOutcome imported = importDrawText(store, kSsq, "2008001 3 5 7 9 11 13 2\n2008002 1 2 3 4 5 6 7\n", true, false);
    ASSERT_TRUE(imported.status) << imported.status.message;
    EXPECT_EQ(imported.imported, 2);
    EXPECT_TRUE(imported.placeholderReplaced);
    EXPECT_NE(imported.summary.find("初始记录"), std::string::npos) << imported.summary;
    EXPECT_EQ(periods(), (std::vector<int32_t>{2008001, 2008002}));
    EXPECT_EQ(store.FieldValueAt(1, 1), 3);

    // The same through a download.
    std::remove(path.c_str());
    ASSERT_TRUE(store.Open());
    const DownloadOutcome downloaded = applyDownload(store, -1, {"2008001", "3 5 7 9 11 13 2", ""}, nullptr);
    ASSERT_TRUE(downloaded.status) << downloaded.status.message;
    EXPECT_TRUE(downloaded.placeholderReplaced);
    EXPECT_EQ(periods(), (std::vector<int32_t>{2008001}));
    EXPECT_EQ(store.FieldValueAt(1, 1), 3);
    EXPECT_FALSE(holdsOnlyPlaceholder(store));
    EXPECT_EQ(downloadLowerBound(store, "双色球"), 2008001);
    EXPECT_EQ(downloadLowerBound(store, "黑龙江时时彩"), -1);
}

TEST_F(DrawUpdate, BadDownloadsChangeNothing) {
    load("2026001 1 2 3 4 5 6 7\n");
    const std::string before = test::readFile(path);
    struct Case {
        int32_t bound;
        std::vector<std::string> lines;
        const char* says;
    } cases[] = {
        {2026001, {}, "由于网络问题"},
        {2026001, {"26001", "1 2 3"}, "由于网络问题"},
        {2026001, {"2026001", "1 2 3", "", "2026002", "1 2 x3"}, "第5行"},
        {2026001, {"2026001", "1,,3"}, "第2行"},
        {-1, {"2026001"}, "缺少号码"},
        {-1, {"abc", "1 2"}, "第1行"},
    };
    for (const Case& c : cases) {
        Status status = applyDownload(store, c.bound, c.lines, [] { return true; }).status;
        EXPECT_FALSE(status);
        EXPECT_NE(status.message.find(c.says), std::string::npos) << status.message;
        EXPECT_EQ(periods(), (std::vector<int32_t>{2026001}));
        EXPECT_EQ(test::readFile(path), before);
    }
    std::vector<std::string> tooMany = {"2026002", ""};
    for (int i = 0; i < 51; ++i) tooMany[1] += std::to_string(i % 30) + " ";
    tooMany[1].pop_back();
    EXPECT_NE(applyDownload(store, 2026001, tooMany, nullptr).status.message.find("50"), std::string::npos);
}

TEST_F(DrawUpdate, DownloadOfEverythingAppends) {
    ASSERT_TRUE(
        applyDownload(store, -1, {"2026001", "1 2 3 4 5 6 7", "", "2026002", "7 6 5 4 3 2 1", ""}, nullptr).status);
    EXPECT_EQ(periods(), (std::vector<int32_t>{2026001, 2026002}));
}

}  // namespace
}  // namespace lottodesk
