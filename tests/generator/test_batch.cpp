#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <atomic>
#include <filesystem>

#include "generator/batch.h"
#include "generator/condfile.h"
#include "generator/resultfile.h"
#include "support/history.h"

namespace lottodesk {
namespace {

class Batch : public ::testing::Test {
protected:
    void SetUp() override {
        test::setUpSsq(ws);
        a = resetConditions(33);
        a.rows[1] = {true, {2, 3}, false};  // 大数个数
        a.rows[2] = {true, {3}, false};     // 奇数个数
        b = resetConditions(33);
        b.rows[3] = {true, {1, 2}, true};   // 质数个数, tolerant: continue filtering tags and reorders
        b.rows[5] = {true, {0, 1}, false};  // 连号组数
        for (int n = 21; n <= 33; ++n) a.selectable[n] = b.selectable[n] = false;  // a quicker space
        ASSERT_TRUE(saveMainConditions(home.file("a.zh"), a, 33));
        ASSERT_TRUE(saveMainConditions(home.file("b.zh"), b, 33));
    }
    std::string bytesOf(const MainResults& results) const {
        std::string tags(results.tags.begin(), results.tags.end());
        return encodeResultText(results.tickets, 6) + "|" + tags;
    }
    test::TempFolder home;
    Workspace ws{home.path()};
    MainConditions a, b;
};

TEST_F(Batch, EqualsARunFollowedByContinueFiltering) {
    Generator byHand(3);
    byHand.conditions = a;
    ASSERT_TRUE(byHand.run(ws, {}).completed);
    byHand.conditions = b;
    ASSERT_TRUE(byHand.continueFiltering(ws, {}).completed);
    ASSERT_GT(byHand.results.tickets.size(), 100u);
    ASSERT_TRUE(std::any_of(byHand.results.tags.begin(), byHand.results.tags.end(), [](uint8_t t) { return t != 0; }))
        << "the case must reorder by tags";

    Generator batch(3);
    const BatchPlan plan = prepareBatch(ws, {home.file("a.zh"), home.file("gone.zh"), home.file("b.zh")});
    ASSERT_TRUE(plan.status) << plan.status.message;
    std::vector<int> runs;
    const BatchReport report = runBatch(batch, ws, plan, {}, std::nullopt, [&](int i, int) { runs.push_back(i); });
    ASSERT_TRUE(report.completed) << report.message;
    EXPECT_EQ(runs, (std::vector<int>{0, 1}));
    EXPECT_EQ(bytesOf(batch.results), bytesOf(byHand.results));
    EXPECT_TRUE(batch.conditions == b) << "the conditions of the last file";
    ASSERT_EQ(report.statusLines.size(), 2u);
    EXPECT_NE(report.statusLines[1].find("系统保留的记录个数"), std::string::npos);
    EXPECT_EQ(report.finishedText, "批量过滤完毕\n未找到的条件文件：" + home.file("gone.zh"));
}

TEST_F(Batch, AMissingFirstFileRefusesTheBatch) {
    // The later files continue what the first filtered: without it the batch does not start, and
    // the results stay as they were.
    Generator generator(3);
    generator.conditions = a;
    ASSERT_TRUE(generator.run(ws, {}).completed);
    const std::string before = bytesOf(generator.results);
    const BatchPlan plan = prepareBatch(ws, {home.file("gone.zh"), home.file("b.zh")});
    EXPECT_FALSE(plan.status);
    EXPECT_EQ(plan.status.code, StatusCode::FileMissing);
    EXPECT_EQ(plan.status.message, kBatchFirstMissingMessage + home.file("gone.zh"));
    EXPECT_TRUE(plan.entries.empty());
    EXPECT_FALSE(runBatch(generator, ws, plan, {}).runsDone);
    EXPECT_EQ(bytesOf(generator.results), before);

    const BatchPlan empty = prepareBatch(ws, {});
    const BatchReport none = runBatch(generator, ws, empty, {});
    EXPECT_TRUE(none.completed);
    EXPECT_EQ(none.finishedText, "批量过滤完毕");
}

TEST_F(Batch, RefusalsBeforeTheFirstRun) {
    MainConditions noBounds = resetConditions(33);
    noBounds.rows[34].enabled = true;  // 标准差 without its range
    ASSERT_TRUE(saveMainConditions(home.file("c.zh"), noBounds, 33));
    const BatchPlan bounds = prepareBatch(ws, {home.file("a.zh"), home.file("c.zh")});
    EXPECT_EQ(bounds.status.message, home.file("c.zh") + "：标准差还未确定范围");
    EXPECT_TRUE(bounds.entries.empty());

#ifndef _WIN32  // permissions and /proc are POSIX
    if (::geteuid() != 0) {
        test::writeFile(home.file("locked.zh"), "x");
        ::chmod(home.file("locked.zh").c_str(), 0);
        EXPECT_EQ(prepareBatch(ws, {home.file("a.zh"), home.file("locked.zh")}).status.message,
                  "无法读取文件：" + home.file("locked.zh"));
    }
    // Root reads a file whatever its permissions, so the refusal is shown for every user with a file
    // that opens but fails to read: a link to the process's memory, unreadable at offset 0 (EIO).
    std::filesystem::create_symlink("/proc/self/mem", home.file("unreadable.zh"));
    const BatchPlan unreadable = prepareBatch(ws, {home.file("a.zh"), home.file("unreadable.zh")});
    EXPECT_EQ(unreadable.status.message, "无法读取文件：" + home.file("unreadable.zh"));
    EXPECT_TRUE(unreadable.entries.empty());
#endif
    // A folder in a condition file's place is no condition file: it is named among the missing
    // files and the others run.
    test::writeFile(home.file("folder.zh/x"), "");
    const BatchPlan folder = prepareBatch(ws, {home.file("a.zh"), home.file("folder.zh")});
    EXPECT_TRUE(folder.status) << folder.status.message;
    EXPECT_EQ(folder.missing, std::vector<std::string>{home.file("folder.zh")});
    EXPECT_EQ(folder.entries.size(), 1u);

    DrawRecord prediction{};
    prediction[0] = kPredictionPeriod;
    ws.sjk.Append();
    ws.sjk.setRecord(ws.sjk.RecNo(), prediction);
    EXPECT_EQ(prepareBatch(ws, {home.file("a.zh")}).status.code, StatusCode::PredictionPresent);
}

TEST_F(Batch, CancelEndsTheBatch) {
    Generator generator(3);
    const BatchPlan plan = prepareBatch(ws, {home.file("a.zh"), home.file("b.zh")});
    std::atomic<bool> cancel{false};
    RunOptions options;
    options.cancel = &cancel;
    const BatchReport report = runBatch(generator, ws, plan, options, std::nullopt, [&](int i, int) {
        if (i == 1) cancel = true;
    });
    EXPECT_FALSE(report.completed);
    EXPECT_EQ(report.runsDone, 1);
    EXPECT_TRUE(report.finishedText.empty());
}

TEST_F(Batch, RandomModeFirstThenContinue) {
    TicketRun random;
    random.mode = TicketMode::FilterRandom;
    random.count = 50;
    random.seed = 99;
    Generator batch(3), byHand(3);
    const BatchPlan plan = prepareBatch(ws, {home.file("a.zh"), home.file("b.zh")});
    ASSERT_TRUE(runBatch(batch, ws, plan, {}, random).completed);
    byHand.conditions = a;
    ASSERT_TRUE(runTicketMode(byHand, ws, {}, random).completed);
    byHand.conditions = b;
    ASSERT_TRUE(byHand.continueFiltering(ws, {}).completed);
    EXPECT_EQ(bytesOf(batch.results), bytesOf(byHand.results));
    EXPECT_LE(batch.results.tickets.size(), 50u);
}

}  // namespace
}  // namespace lottodesk
