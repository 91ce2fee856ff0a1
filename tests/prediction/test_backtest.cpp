#include <gtest/gtest.h>

#include "fixture.h"
#include "prediction/accuracy.h"
#include "prediction/backtest.h"

namespace lottodesk {
namespace {

using test::PredictionFixture;

TEST(Accuracy, PermilleRoundedHalfUpInShortestForm) {
    const struct {
        int right, tested;
        const char* text;
    } cases[] = {{2, 3, "66.7"}, {4, 5, "80"},   {0, 3, "0"},    {3, 3, "100"},    {1, 3, "33.3"},
                 {1, 6, "16.7"}, {1, 8, "12.5"}, {1, 16, "6.3"}, {1, 2000, "0.1"}, {1, 2001, "0"}};
    for (const auto& c : cases) EXPECT_EQ(accuracyText(c.right, c.tested), c.text) << c.right << "/" << c.tested;
    EXPECT_EQ(accuracyText(0, 0), "");
}

TEST(Accuracy, BandComparesExactly) {
    EXPECT_TRUE(accuracyWithin(40, 50, 80, 100));
    EXPECT_FALSE(accuracyWithin(39, 50, 80, 100));
    // 2/3 is 66.66..%: inside 66..67 but not at or above 67.
    EXPECT_TRUE(accuracyWithin(2, 3, 66, 67));
    EXPECT_FALSE(accuracyWithin(2, 3, 67, 100));
    EXPECT_FALSE(accuracyWithin(0, 0, 0, 100));
}

// One formula on one page kind, and the text of its cell in a tested row.
struct CellCase {
    PageKind kind;
    const char* formula;
    int row;
    const char* cell;
};

TEST(Backtest, FormulaCellsPerPageKind) {
    // Draws: 01 02 03 04 05 06 + 07; 05 12 18 23 30 33 + 09; 10 11 12 21 22 31 + 16.
    const CellCase cases[] = {
        {PageKind::hmsh, "5", 2, "05"},
        {PageKind::hmsh, "5", 3, "05    正确"},
        {PageKind::hmsh, "45", 1, "45    正确"},
        {PageKind::hmsh, "[-1]z_num1", 1, "01"},  // the offset stops at the first draw
        {PageKind::hmsh, "[-1]z_num1", 2, "01    正确"},
        {PageKind::hmsh, "5+", 2, "-1"},  // failed: -1, never right
        {PageKind::hmsh, "", 2, "-1"},
        {PageKind::lmsh, "9", 2, "09"},
        {PageKind::lmsh, "45", 1, "45    正确"},
        {PageKind::lmsh, "5", 2, "05    正确"},  // 05 is a main number, not a secondary one
        {PageKind::fqtd, "16", 3, "16    正确"},
        {PageKind::fqtd, "16", 1, "16"},
        {PageKind::fqtd, "5+", 3, "-1"},
        {PageKind::lmsh, "5+", 1, "-1"},
        {PageKind::hmtd, "12", 2, "12    正确"},
        {PageKind::hmtd, "12", 1, "12"},
        {PageKind::hmtd, "112", 2, "112"},
        {PageKind::hmtd, "(", 2, "-1"},
        {PageKind::hmsw, "12", 1, "12"},          // tails 123456
        {PageKind::hmsw, "12", 3, "12"},          // tails 012121
        {PageKind::hmsw, "12", 2, "12    正确"},  // tails 528303
        {PageKind::hmsw, "4", 2, "04    正确"},
        {PageKind::hmsw, "3", 2, "03"},
        {PageKind::hmsw, "0-1", 2, "-1    正确"},
        {PageKind::hmsw, "5+", 2, "-1"},  // the same -1 as a value, but failed: never right
        {PageKind::selfsh, "1", 1, "1"},  // target z_num1 is 1 there
        {PageKind::selfsh, "2", 1, "2    正确"},
        {PageKind::selfsh, "5+", 1, ""},  // the custom kill page alone leaves it empty
    };
    for (const CellCase& c : cases) {
        PredictionFixture f;
        f.threeDraws();
        BacktestRequest request{c.kind, {c.formula}, 0, ListDisplay::Plain, "z_num1"};
        const BacktestResult result = runBacktest(f.ws, request);
        ASSERT_EQ(result.tested, 3);
        EXPECT_EQ(result.cell(c.row, result.firstFormulaColumn()), c.cell)
            << pageKindInfo(c.kind).code << " " << c.formula << " row " << c.row;
    }
}

TEST(Backtest, KillTableRowsCountsAndAccuracy) {
    PredictionFixture f;
    f.threeDraws();
    const BacktestResult r = runBacktest(f.ws, {PageKind::hmsh, {"5", "45", "5+"}, 0, ListDisplay::Plain, ""});
    ASSERT_EQ(r.rows, 3 + 4);
    ASSERT_EQ(r.columns, 3 + 3 + 5);
    EXPECT_EQ(r.cell(0, 0), "序号");
    EXPECT_EQ(r.cell(0, 2), "主区号码");
    EXPECT_EQ(r.cell(0, 5), "公式3");
    EXPECT_EQ(r.cell(0, 6), "杀号列表");
    EXPECT_EQ(r.cell(0, 10), "杀错的号码");
    EXPECT_EQ(r.cell(5, 6), "杀号列表");  // captions again in row B + 2
    // Row 2 (05 12 18 23 30 33): 5 is killed wrongly, 45 right, the failing formula wrong but kills nothing.
    EXPECT_EQ(r.cell(2, 0), "2");
    EXPECT_EQ(r.cell(2, 1), "2020002");
    EXPECT_EQ(r.cell(2, 2), "05 12 18 23 30 33 ");
    EXPECT_EQ(r.cell(2, 6), " 05 45");
    EXPECT_EQ(r.cell(2, 7), "2");
    EXPECT_EQ(r.cell(2, 8), "01 03 ");
    EXPECT_EQ(r.cell(2, 9), "1");
    EXPECT_EQ(r.cell(2, 10), "05 ");
    // Row 3: only the failing formula is wrong.
    EXPECT_EQ(r.cell(3, 7), "1");
    EXPECT_EQ(r.cell(3, 8), "03 ");
    EXPECT_EQ(r.cell(3, 9), "0");
    EXPECT_EQ(r.cell(3, 10), "");
    // Forecast row: values, the list, no verdicts.
    EXPECT_EQ(r.cell(4, 1), "预测期");
    EXPECT_EQ(r.cell(4, 0), "");
    EXPECT_EQ(r.cell(4, 3), "05");
    EXPECT_EQ(r.cell(4, 6), " 05 45");
    EXPECT_EQ(r.cell(4, 7), "");
    // Accuracy: 5 is right in 1 of 3, 45 in 3 of 3, the failing formula in none.
    EXPECT_EQ(r.cell(6, 1), "正确率");
    EXPECT_EQ(r.cell(6, 3), "33.3");
    EXPECT_EQ(r.cell(6, 4), "100");
    EXPECT_EQ(r.cell(6, 5), "0");
    EXPECT_EQ(r.cell(2, 5), "-1");
    EXPECT_EQ(r.message, "第3条公式有误：运算符号后只能接指标或数据或括号");
    EXPECT_EQ(r.memoText(2), "5  ");  // 45 is outside 1..33
    EXPECT_EQ(r.rowNumbers(4), std::vector<int32_t>{5});
}

TEST(Backtest, EveryFormulaRightLeavesZeroAndEmptyLists) {
    PredictionFixture f;
    f.threeDraws();
    const BacktestResult r = runBacktest(f.ws, {PageKind::lmsh, {"45", "44"}, 0, ListDisplay::Plain, ""});
    ASSERT_EQ(r.columns, 3 + 2 + 3);
    EXPECT_EQ(r.cell(1, 6), "0");
    EXPECT_EQ(r.cell(1, 7), "");
    EXPECT_EQ(r.cell(0, 2), "副区号码");
    EXPECT_EQ(r.cell(1, 2), "07 ");
}

TEST(Backtest, FixPagesCountWhatWasRight) {
    PredictionFixture f;
    f.threeDraws();
    const BacktestResult r = runBacktest(f.ws, {PageKind::hmtd, {"12", "12", "5", "5+"}, 0, ListDisplay::Plain, ""});
    const int list = r.listColumn();
    EXPECT_EQ(r.cell(0, list), "提胆列表");
    EXPECT_EQ(r.cell(2, list + 1), "3");
    EXPECT_EQ(r.cell(2, list + 2), "01 02 03 ");
    EXPECT_EQ(r.cell(2, list + 3), "2");
    EXPECT_EQ(r.cell(2, list + 4), "05 12 ");
    EXPECT_EQ(r.cell(1, list + 1), "1");
    EXPECT_EQ(r.cell(r.accuracyRow(), r.firstFormulaColumn() + 3), "0");
    EXPECT_EQ(r.message, "第4条公式有误：运算符号后只能接指标或数据或括号");
    const BacktestResult fq = runBacktest(f.ws, {PageKind::fqtd, {""}, 0, ListDisplay::Plain, ""});
    EXPECT_EQ(fq.message, "第1条公式有误:你还未输入公式");  // this page's colon
}

TEST(Backtest, ListDisplayModes) {
    PredictionFixture f;
    f.threeDraws();
    const std::vector<std::string> formulas = {"20", "7", "20", "3", "7", "7"};
    auto list = [&](ListDisplay display) {
        const BacktestResult r = runBacktest(f.ws, {PageKind::hmsh, formulas, 0, display, ""});
        return r.cell(1, r.listColumn());
    };
    EXPECT_EQ(list(ListDisplay::Plain), " 03 07 20");
    EXPECT_EQ(list(ListDisplay::LowToHigh), "03 20 07 ");
    EXPECT_EQ(list(ListDisplay::HighToLow), "07 20 03 ");
}

TEST(Backtest, CustomKillTable) {
    PredictionFixture f;
    f.threeDraws();
    const BacktestResult r =
        runBacktest(f.ws, {PageKind::selfsh, {"1", "[-1]z_num1+1000"}, 0, ListDisplay::Plain, "z_num1"});
    ASSERT_EQ(r.columns, 4 + 2 + 3);
    EXPECT_EQ(r.cell(0, 2), "开奖号码");
    EXPECT_EQ(r.cell(0, 3), "指标z_num1");
    EXPECT_EQ(r.cell(0, 6), "杀z_num1列表");
    EXPECT_EQ(r.cell(1, 2), "01  02  03  04  05  06  :07  ");
    EXPECT_EQ(r.cell(2, 3), "5");
    EXPECT_EQ(r.cell(1, 4), "1");
    EXPECT_EQ(r.cell(2, 4), "1    正确");
    EXPECT_EQ(r.cell(2, 5), "1001    正确");
    EXPECT_EQ(r.cell(1, 6), "  1 ");  // 1001 is beyond 0..999
    EXPECT_EQ(r.cell(1, 7), "1");
    EXPECT_EQ(r.cell(1, 8), "01 ");
    EXPECT_EQ(r.cell(r.accuracyRow(), 4), "66.7");
}

TEST(Backtest, FailingTargetJudgesNothingRight) {
    PredictionFixture f;
    f.threeDraws();
    const BacktestResult r = runBacktest(f.ws, {PageKind::selfsh, {"1"}, 0, ListDisplay::Plain, "z_num1+"});
    EXPECT_EQ(r.cell(1, 3), "");
    EXPECT_EQ(r.cell(1, 4), "1");
    EXPECT_EQ(r.cell(2, 4), "1") << "no target value: never a right kill";
    EXPECT_NE(r.message.find("要杀号的指标有误："), std::string::npos);
}

TEST(Backtest, StartPeriodAtTheLastDrawTestsOneRow) {
    PredictionFixture f;
    f.threeDraws();
    const BacktestResult r = runBacktest(f.ws, {PageKind::hmsh, {"10", "45"}, 2020003, ListDisplay::Plain, ""});
    ASSERT_EQ(r.tested, 1);
    EXPECT_EQ(r.cell(1, 1), "2020003");
    EXPECT_EQ(r.cell(r.accuracyRow(), 3), "0");
    EXPECT_EQ(r.cell(r.accuracyRow(), 4), "100");
    // A period not in the history starts at the first draw.
    EXPECT_EQ(runBacktest(f.ws, {PageKind::hmsh, {"10"}, 2019001, ListDisplay::Plain, ""}).tested, 3);
}

TEST(Backtest, LeavesTheHistoryThePredictionRecordAndTheCursorAlone) {
    PredictionFixture f;
    f.threeDraws();
    f.addPredictionRecord();
    f.ws.sjk.SetRecNo(2);
    const uint64_t version = f.ws.sjk.version();
    const DrawRecord before = [&] {
        DrawRecord r;
        std::copy_n(f.ws.sjk.record(4), kSlots, r.begin());
        return r;
    }();
    // [1]z_num1 reads the next record: at the newest draw that is the temporary forecast (0), not the user's record.
    const BacktestResult r = runBacktest(f.ws, {PageKind::hmsh, {"[1]z_num1", "z_num1"}, 0, ListDisplay::Plain, ""});
    EXPECT_EQ(r.tested, 3);
    EXPECT_EQ(r.cell(3, 3), "00    正确");
    EXPECT_EQ(r.cell(4, 4), "00");  // the forecast record holds zeros
    EXPECT_EQ(f.ws.sjk.RecordCount(), 4);
    EXPECT_EQ(f.ws.sjk.RecNo(), 2);
    EXPECT_EQ(f.ws.sjk.version(), version);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), f.ws.sjk.record(4)));
}

TEST(Backtest, EmptyHistoryGivesTheForecastRowOnly) {
    PredictionFixture f;
    f.ws.sjk.Clear(false);
    const BacktestResult r = runBacktest(f.ws, {PageKind::hmsh, {"5"}, 0, ListDisplay::Plain, ""});
    EXPECT_EQ(r.tested, 0);
    EXPECT_EQ(r.cell(1, 1), "预测期");
    EXPECT_EQ(r.cell(r.accuracyRow(), 3), "");
}

TEST(Backtest, ExportWritesWholeValues) {
    PredictionFixture f;
    f.threeDraws();
    const BacktestResult r = runBacktest(f.ws, {PageKind::fqtd, {"16", "123", "5+"}, 2020002, ListDisplay::Plain, ""});
    EXPECT_EQ(backtestExportText(r),
              " 期 数 公式01 公式02 公式03 \r\n"
              "2020002  16     123     -1     \r\n"
              "2020003  16     123     -1     \r\n"
              "预测期   16     123     -1     \r\n");
}

// A division by zero stops the whole run, whichever formula or row meets it, on every page; the
// message names the formula and there is no table to mistake for a result.
TEST(Backtest, DivisionByZeroStopsTheRun) {
    const struct {
        PageKind kind;
        std::vector<std::string> formulas;
        const char* target;
        const char* message;
    } cases[] = {
        {PageKind::hmsh, {"5", "1/0"}, "", "公式“1/0”中除数为0，计算已停止"},
        {PageKind::fqtd, {"16", "5/(z_num1-5)"}, "", "公式“5/(z_num1-5)”中除数为0，计算已停止"},  // row 2 only
        {PageKind::selfsh, {"3"}, "10/(z_num1-1)", "公式“10/(z_num1-1)”中除数为0，计算已停止"},
    };
    for (const auto& c : cases) {
        PredictionFixture f;
        f.threeDraws();
        const BacktestResult r = runBacktest(f.ws, {c.kind, c.formulas, 0, ListDisplay::Plain, c.target});
        EXPECT_TRUE(r.stopped) << c.message;
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.rows, 0);
        EXPECT_TRUE(r.cells.empty());
        EXPECT_EQ(f.ws.sjk.RecordCount(), 3);  // nothing of the run is left in the history
    }
}

TEST(Backtest, RealHistoryAgreesWithADirectCount) {
    PredictionFixture f;
    test::fillSsq(f.ws.sjk);
    const BacktestResult r = runBacktest(f.ws, {PageKind::hmsh, {"[-1]z_hw"}, 0, ListDisplay::Plain, ""});
    ASSERT_EQ(r.tested, f.ws.sjk.RecordCount());
    // The previous draw's sum tail: count directly how often it is not among the numbers.
    int right = 0;
    for (int n = 1; n <= f.ws.sjk.RecordCount(); ++n) {
        const int32_t* prev = f.ws.sjk.record(std::max(n - 1, 1));
        int sum = 0;
        for (int s = 1; s <= 6; ++s) sum += prev[s];
        const int value = sum % 10;
        bool drawn = false;
        for (int s = 1; s <= 6; ++s) drawn = drawn || f.ws.sjk.record(n)[s] == value;
        right += !drawn;
    }
    EXPECT_EQ(r.rightCounts[0], right);
    EXPECT_EQ(r.cell(r.accuracyRow(), 3), accuracyText(right, r.tested));
}

}  // namespace
}  // namespace lottodesk
