#include <gtest/gtest.h>

#include "core/drawcheck.h"
#include "core/drawupdate.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

const DrawRules kSsqRules{GameParams{6, 1, 33, 1, 1, 16, true}, "红号", "蓝号"};
const DrawRules kDltRules{GameParams{5, 1, 35, 2, 1, 12, true}, "主号", "副号"};

DrawRecord drawOf(std::initializer_list<int32_t> values) {
    DrawRecord record{};
    int slot = 0;
    for (int32_t v : values) record[slot++] = v;
    return record;
}

TEST(DrawCheck, RefusesWhatNoDrawCanBe) {
    const struct {
        DrawRecord record;
        const char* message;
    } cases[] = {
        {drawOf({2026001, 1, 2, 3, 4, 5, 6, 7}), ""},
        {drawOf({202601, 1, 2, 3, 4, 5, 6, 7}), "期数必须是七位比如2009001"},
        {drawOf({20260011, 1, 2, 3, 4, 5, 6, 7}), "期数必须是七位比如2009001"},
        {drawOf({9999999, 1, 2, 3, 4, 5, 6, 7}), kReservedPeriodMessage},
        {drawOf({9999998, 1, 2, 3, 4, 5, 6, 7}), kReservedPeriodMessage},
        {drawOf({2026001, 1, 2, 3, 4, 5, 34, 7}), "红号34超出范围01到33"},
        {drawOf({2026001, 0, 2, 3, 4, 5, 6, 7}), "红号00超出范围01到33"},
        {drawOf({2026001, 1, 2, 3, 4, 5, 999999999, 7}), "红号999999999超出范围01到33"},
        {drawOf({2026001, 34, 1, 1, 2, 3, 4, 17}), "红号34超出范围01到33"},
        {drawOf({2026001, 1, 2, 3, 4, 5, 6, 17}), "蓝号17超出范围01到16"},
        {drawOf({2026001, 7, 1, 2, 3, 4, 7, 7}), "红号07重复"},
    };
    for (const auto& c : cases) {
        DrawRecord record = c.record;
        EXPECT_EQ(checkDraw(kSsqRules, record), c.message) << record[0] << " " << record[1];
    }
    DrawRecord dlt = drawOf({2026001, 1, 2, 3, 4, 5, 7, 7});
    EXPECT_EQ(checkDraw(kDltRules, dlt), "副号07重复");
    EXPECT_EQ(countProblem(kSsqRules, 3, true), "应有6个红号和1个蓝号，实有3个号码");
    EXPECT_EQ(countProblem(kSsqRules, 6, false), "");
}

TEST(DrawCheck, EachZoneComesBackInAscendingOrder) {
    DrawRecord record = drawOf({2026001, 31, 4, 16, 22, 1, 26, 9});
    ASSERT_EQ(checkDraw(kSsqRules, record), "");
    EXPECT_EQ(record, drawOf({2026001, 1, 4, 16, 22, 26, 31, 9}));
    DrawRecord dlt = drawOf({2026001, 35, 1, 2, 3, 4, 12, 3});
    ASSERT_EQ(checkDraw(kDltRules, dlt), "");
    EXPECT_EQ(dlt, drawOf({2026001, 1, 2, 3, 4, 35, 3, 12}));
}

// Every path that adds a draw to a store that knows its game refuses the same draws.
class CheckedStore : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(path, "");
        store.SetFileName(path);
        ASSERT_TRUE(store.Open());
        store.setDrawRules(kSsqRules);
        ASSERT_TRUE(
            importDrawText(store, kSsqRules.game, "2026001 1 2 3 4 5 6 7\n2026002 1 2 3 4 5 6 8\n", true, true).status);
        before = test::readFile(path);
    }
    void expectUnchanged() {
        EXPECT_EQ(store.RecordCount(), 2);
        EXPECT_EQ(test::readFile(path), before);
    }

    test::TempFolder home;
    std::string path = home.file("basedata0.rec");
    t_s_dm store;
    std::string before;
};

TEST_F(CheckedStore, BoardAndModifyRefuseBadDraws) {
    // The number board hands over a record as chosen.
    EXPECT_EQ(addDraw(store, drawOf({2026003, 1, 2, 3, 4, 5, 40, 7})).message, "红号40超出范围01到33");
    EXPECT_EQ(addDraw(store, drawOf({9999998, 1, 2, 3, 4, 5, 6, 7})).message, kReservedPeriodMessage);
    const Status taken = modifyDraw(store, 1, drawOf({2026002, 1, 2, 3, 4, 5, 6, 7}), 7);
    EXPECT_EQ(taken.code, StatusCode::DuplicatePeriod);
    EXPECT_EQ(taken.message, kPeriodExistsMessage);
    EXPECT_EQ(modifyDraw(store, 1, drawOf({2026001, 1, 1, 3, 4, 5, 6, 7}), 7).message, "红号01重复");
    expectUnchanged();
    ASSERT_TRUE(addDraw(store, drawOf({2026003, 6, 5, 4, 3, 2, 1, 7})));
    EXPECT_EQ(store.FieldValueAt(3, 1), 1) << "stored in ascending order";
    EXPECT_EQ(store.FieldValueAt(3, 6), 6);
}

TEST_F(CheckedStore, TypedEntryNamesTheZone) {
    tcpstyle ssq{"双色球", 6, 1, 33, 1, 1, 16, 1, 1, "红号", "蓝号"};
    EXPECT_EQ(parseTypedDraw(kSsqRules.game, ssq, "2026003", "34-01-01-02-03-04", "17").error, "红号34超出范围01到33");
    EXPECT_EQ(parseTypedDraw(kSsqRules.game, ssq, "2026003", "05-01-01-02-03-04", "16").error, "红号01重复");
    EXPECT_EQ(parseTypedDraw(kSsqRules.game, ssq, "9999998", "01-02-03-04-05-06", "16").error, kReservedPeriodMessage);
    // The user's prediction record ("预测区") is entered by hand like a draw.
    EXPECT_TRUE(parseTypedDraw(kSsqRules.game, ssq, "9999999", "01-02-03-04-05-06", "16").ok());
    const DrawParse parse = parseTypedDraw(kSsqRules.game, ssq, "2026003", "33-01-12-02-03-04", "16");
    ASSERT_TRUE(parse.ok());
    EXPECT_EQ(parse.record, drawOf({2026003, 1, 2, 3, 4, 12, 33, 16}));
}

TEST_F(CheckedStore, DownloadsAreCheckedLikeImports) {
    const struct {
        std::vector<std::string> lines;
        const char* says;
    } cases[] = {
        {{"2026003", "999999999,1,2,3,4,5,6"}, "第2行有误：红号999999999超出范围"},
        {{"2026003", "1,2,3"}, "第2行有误：应有6个红号和1个蓝号，实有3个号码"},
        {{"2026003", "1,2,3,4,5,6,7", "", "2026003", "1,2,3,4,5,6,8", ""}, "第4行有误：期数2026003与第1行重复"},
        {{"9999999", "1,2,3,4,5,6,7"}, "第2行有误："},
        {{"2026003\r1,2,3,4,5,6,99\r"}, "第2行有误：蓝号99超出范围"},
    };
    for (const auto& c : cases) {
        const Status status = applyDownload(store, -1, c.lines, nullptr).status;
        EXPECT_FALSE(status);
        EXPECT_NE(status.message.find(c.says), std::string::npos) << status.message;
        expectUnchanged();
    }
    // Lone CRs end lines like LF: the whole hand-over lands.
    ASSERT_TRUE(applyDownload(store, 2026002, {"2026002\r1 2 3 4 5 6 8\r\r2026003\r6 5 4 3 2 1 9\r"}, nullptr).status);
    EXPECT_EQ(store.RecordCount(), 3);
    EXPECT_EQ(store.FieldValueAt(3, 1), 1);
    EXPECT_EQ(splitHandOverText("a\rb\r\nc\n"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(CheckedStore, ImportsAreAllOrNothingWithTheLineNamed) {
    const struct {
        const char* text;
        bool overwrite;
        const char* says;
    } cases[] = {
        {"2026003 1 2 3 4 5 6 7\n9999999 1 2 3 4 5 6 7\n", false, "第2行有误：9999999和9999998"},
        {"2026003 1 2 3 4 5 6 7\n202604 1 2 3 4 5 6 7\n", false, "第2行有误：期数必须是七位"},
        {"2026003 1 2 3 4 5 34 7\n", false, "第1行有误：红号34超出范围"},
        {"2026003 1 2 3 4 5 5 7\n", false, "第1行有误：红号05重复"},
        {"2026003 1 2 3 4 5 6 7 8\n", false, "第1行有误：应有6个红号和1个蓝号，实有8个号码"},
        {"2026003 1 2 3 4 5 6 7\n2026004 1 2 3 4 5 6 7\n2026003 1 2 3 4 5 6 8\n", true,
         "第3行有误：期数2026003与第1行重复"},
    };
    for (const auto& c : cases) {
        const ImportOutcome outcome = importDrawText(store, kSsqRules.game, c.text, true, c.overwrite);
        EXPECT_FALSE(outcome.status) << c.text;
        EXPECT_NE(outcome.status.message.find(c.says), std::string::npos) << outcome.status.message;
        expectUnchanged();
    }
}

TEST_F(CheckedStore, AnotherGamesHistoryIsRefused) {
    // 超级大乐透 lines have seven numbers too; their main numbers reach 35.
    const std::string dlt = test::readFile(test::samplePath("dlt.txt"));
    const ImportOutcome outcome = importDrawText(store, kSsqRules.game, dlt, true, true);
    EXPECT_FALSE(outcome.status);
    EXPECT_NE(outcome.status.message.find("超出范围01到33"), std::string::npos) << outcome.status.message;
    expectUnchanged();
}

TEST_F(CheckedStore, ImportFileWithEveryLineEnd) {
    for (const char* separator : {"\r", "\n", "\r\n"}) {
        std::string text = "\xEF\xBB\xBF";
        for (const char* line : {"2026001 1 2 3 4 5 6 7", "2026002 1 2 3 4 5 6 8", "2026003 01 02 03 04 05 06 09"})
            text += std::string(line) + separator;
        test::writeFile(home.file("in.txt"), text);
        const ImportOutcome outcome = importDrawFile(store, kSsqRules.game, home.file("in.txt"), true, true);
        ASSERT_TRUE(outcome.status) << outcome.status.message;
        EXPECT_EQ(outcome.summary, "新增3期，跳过0期");
        EXPECT_EQ(store.RecordCount(), 3) << "separator " << int(separator[0]);
    }
    // Without the secondary numbers, a file that has them still imports its main numbers.
    test::writeFile(home.file("in.txt"), "2026004 6 5 4 3 2 1 16\r2026005 1 2 3 4 5 7\r");
    const ImportOutcome mainOnly = importDrawFile(store, kSsqRules.game, home.file("in.txt"), false, false);
    ASSERT_TRUE(mainOnly.status) << mainOnly.status.message;
    EXPECT_EQ(store.FieldValueAt(4, 1), 1);
    EXPECT_EQ(store.FieldValueAt(4, 7), 1);
}

TEST_F(CheckedStore, LargeAndEndlessFilesAreRefusedWithoutReadingThemWhole) {
    std::string line = "2026003 1 2 3 4 5 6 7\n";
    std::string big;
    while (big.size() <= kMaxImportBytes) big += line;
    test::writeFile(home.file("big.txt"), big);
    EXPECT_EQ(importDrawFile(store, kSsqRules.game, home.file("big.txt"), true, true).status.message,
              kImportTooLargeMessage);
    EXPECT_EQ(importDrawText(store, kSsqRules.game, big, true, true).status.message, kImportTooLargeMessage);
    EXPECT_EQ(importDrawFile(store, kSsqRules.game, "/dev/zero", true, true).status.message, kImportTooLargeMessage);
    EXPECT_NE(importDrawFile(store, kSsqRules.game, home.file("none.txt"), true, true).status.message.find("无法读取"),
              std::string::npos);
    expectUnchanged();
}

// A save refused because another program wrote the file leaves the store with that program's
// history instead of putting back the stale copy.
TEST_F(CheckedStore, AnImportAfterAnotherWriterIsRefusedAndTheStoreReloads) {
    t_s_dm other;
    other.SetFileName(path);
    ASSERT_TRUE(other.Open());
    other.setDrawRules(kSsqRules);
    ASSERT_TRUE(addDraw(other, drawOf({2026009, 1, 2, 3, 4, 5, 6, 7})));
    const ImportOutcome outcome = importDrawText(store, kSsqRules.game, "2026003 1 2 3 4 5 6 7\n", true, false);
    EXPECT_EQ(outcome.status.message, kChangedOnDiskMessage);
    EXPECT_EQ(outcome.imported, 0);
    EXPECT_EQ(store.RecordCount(), 3);
    EXPECT_EQ(store.FieldValueAt(3, 0), 2026009);
    ASSERT_TRUE(importDrawText(store, kSsqRules.game, "2026003 1 2 3 4 5 6 7\n", true, false).status);
    EXPECT_EQ(store.RecordCount(), 4);
}

}  // namespace
}  // namespace lottodesk
