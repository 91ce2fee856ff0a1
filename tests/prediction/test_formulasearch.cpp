#include <gtest/gtest.h>

#include "fixture.h"
#include "formula/tgs.h"
#include "indicators/context.h"
#include "indicators/seriesmemo.h"
#include "prediction/accuracy.h"
#include "prediction/formulasearch.h"
#include "core/randomsource.h"

namespace lottodesk {
namespace {

using test::PredictionFixture;

TEST(FormulaSearch, CandidateText) {
    const int c[] = {12, 37, 5};
    EXPECT_EQ(FormulaSearch::formulaText("z_hw", 2, 1, 10, c), "((37*[-1]z_hw)+(5*[-2]z_hw)+12)%10+1");
}

TEST(FormulaSearch, FastValuesEqualTheEvaluatorAtEveryPeriod) {
    PredictionFixture f;
    test::fillSsq(f.ws.sjk);
    SeriesMemo memo;
    IndicatorContext ctx = indicatorContext(f.ws, &memo);
    RandomSource random(7);
    // Ranges from the first draw (offsets clamp there), large values (sums, omissions) and a range
    // reaching below zero.
    const struct {
        const char* indicator;
        int back, low, high;
    } cases[] = {
        {"z_hw", 6, 1, 10}, {"z_hz", 3, 1, 33}, {"z_hwyl", 8, 0, 5}, {"f_num1", 1, 1, 16}, {"xh61", 12, 0, 99}};
    for (const auto& k : cases) {
        SearchParams params;
        params.indicator = k.indicator;
        params.back = k.back;
        params.low = k.low;
        params.high = k.high;
        params.fromPeriod = f.ws.sjk.record(1)[0];
        params.toPeriod = f.ws.sjk.record(120)[0];
        const FormulaSearch search(f.ws, params);
        ASSERT_FALSE(search.failed()) << search.message();
        for (int trial = 0; trial < 20; ++trial) {
            std::vector<int> c(static_cast<size_t>(k.back + 1));
            for (int& v : c) v = static_cast<int>(random.below(100));
            const tgs formula(FormulaSearch::formulaText(k.indicator, k.back, k.low, k.high, c.data()));
            for (int b = 0; b < 120; ++b) {
                const EvalResult r = formula.evaluate(ctx, 1 + b);
                ASSERT_TRUE(r.ok);
                ASSERT_EQ(search.fastValue(c.data(), b), r.value) << formula.text() << " at record " << 1 + b;
                ASSERT_GE(r.value, k.low);
                ASSERT_LE(r.value, k.high);
            }
        }
    }
}

SearchParams schemeParams() {
    SearchParams p;
    p.kind = "hmsh";
    p.wanted = 5;
    p.indicator = "z_hw";
    p.back = 4;
    p.low = 1;
    p.high = 33;
    p.accuracyLow = 84;
    p.accuracyHigh = 100;
    p.formulaRun = {true, 2, 0};
    p.schemeRun = {true, 3, 5};
    p.lastRun = {false, 1, 5};
    p.samePeriod = {true, 2, 8};
    p.seed = 42;
    return p;
}

std::vector<std::string> texts(const FormulaSearch& search) {
    std::vector<std::string> list;
    for (const AcceptedFormula& a : search.accepted()) list.push_back(a.text);
    return list;
}

TEST(FormulaSearch, SeedGivesTheSameFormulasInEveryModeAndSlicing) {
    PredictionFixture f;
    test::fillSsq(f.ws.sjk);
    SearchParams params = schemeParams();
    FormulaSearch whole(f.ws, params);
    whole.run(2'000'000);
    ASSERT_TRUE(whole.finished());
    ASSERT_FALSE(whole.failed()) << whole.message();
    ASSERT_EQ(whole.accepted().size(), 5u);
    ASSERT_LT(whole.tried(), 20'000u);  // keeps the evaluator-mode rerun short

    FormulaSearch sliced(f.ws, params);
    while (!sliced.run(7)) {}
    EXPECT_EQ(texts(sliced), texts(whole));
    EXPECT_EQ(sliced.tried(), whole.tried());

    params.fast = false;
    FormulaSearch slow(f.ws, params);
    slow.run(whole.tried());
    EXPECT_EQ(texts(slow), texts(whole));
    EXPECT_EQ(slow.tried(), whole.tried());

    params.fast = true;
    params.seed = 43;
    FormulaSearch other(f.ws, params);
    other.run(2'000'000);
    EXPECT_NE(texts(other), texts(whole));

    // Every accepted formula lies in the band and differs from the others.
    std::vector<std::string> list = texts(whole);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(std::unique(list.begin(), list.end()), list.end());
    for (const AcceptedFormula& a : whole.accepted()) {
        EXPECT_EQ(a.tested, 50);
        EXPECT_TRUE(accuracyWithin(a.right, a.tested, 84, 100)) << a.text;
    }
}

TEST(FormulaSearch, EveryKindAgreesBetweenFastAndEvaluatorMode) {
    PredictionFixture f;
    test::fillSsq(f.ws.sjk);
    for (const char* kind : {"lmsh", "hmtd", "fqtd", "hmsw", "z_hw"}) {
        SearchParams params;
        params.kind = kind;
        params.wanted = 3;
        params.back = 3;
        const std::string k = kind;
        params.low = k == "z_hw" ? 0 : 1;  // the kill target's values are 0..9
        params.high = k == "fqtd" ? 16 : k == "z_hw" ? 9 : 10;
        params.accuracyLow = k == "hmtd" || k == "fqtd" ? 10 : k == "hmsw" ? 50 : 85;
        params.lastRun = {true, 1, 2};
        params.seed = 5;
        FormulaSearch fast(f.ws, params);
        fast.run(20'000);
        params.fast = false;
        FormulaSearch slow(f.ws, params);
        slow.run(fast.tried());
        EXPECT_FALSE(fast.accepted().empty()) << kind;
        EXPECT_LT(fast.tried(), 20'000u) << kind;
        EXPECT_EQ(texts(fast), texts(slow)) << kind;
    }
}

// A tiny history where single numbers are drawn at chosen periods; constant candidates (all
// coefficients but c0 zero) are then wrong exactly where their number was drawn.
struct Scripted {
    Scripted() {
        // Periods 1..10; 1 is drawn at 5, 6, 8; 2 at 7; 4 at 9 and 10; 3 at 10.
        f.draws({{20, 21, 22, 23, 24, 25, 1},
                 {20, 21, 22, 23, 24, 25, 1},
                 {20, 21, 22, 23, 24, 25, 1},
                 {20, 21, 22, 23, 24, 25, 1},
                 {1, 21, 22, 23, 24, 25, 1},
                 {1, 21, 22, 23, 24, 25, 1},
                 {2, 21, 22, 23, 24, 25, 1},
                 {1, 21, 22, 23, 24, 25, 1},
                 {4, 21, 22, 23, 24, 25, 1},
                 {4, 3, 22, 23, 24, 25, 1}});
        params.kind = "hmsh";
        params.wanted = 10;
        params.back = 1;
        params.low = 1;
        params.high = 33;
        params.fromPeriod = 2020001;
        params.toPeriod = 2020010;
        params.accuracyLow = 0;
        params.accuracyHigh = 100;
    }
    // The candidate whose value is `number` everywhere.
    static std::vector<int> constant(int number) { return {number - 1, 0}; }
    PredictionFixture f;
    SearchParams params;
};

TEST(FormulaSearch, SchemeRunRejectsAndWithdrawsItsMarks) {
    Scripted s;
    s.params.schemeRun = {true, 3, 5};
    FormulaSearch search(s.f.ws, s.params);
    ASSERT_FALSE(search.failed()) << search.message();
    EXPECT_TRUE(search.offer(Scripted::constant(1)));   // marks 5, 6, 8
    EXPECT_FALSE(search.offer(Scripted::constant(2)));  // wrong at 7: a run 5..8 of four
    // Had the mark at 7 stayed, 9 and 10 would make a run of six; without it 8..10 is three.
    EXPECT_TRUE(search.offer(Scripted::constant(4)));
    EXPECT_FALSE(search.offer(Scripted::constant(4)));  // equal to an accepted formula
    EXPECT_EQ(search.accepted().size(), 2u);
    EXPECT_EQ(search.accepted()[0].right, 7);
}

TEST(FormulaSearch, SamePeriodAndFormulaRunConstraints) {
    Scripted s;
    s.params.samePeriod = {true, 1, 5};
    FormulaSearch same(s.f.ws, s.params);
    EXPECT_TRUE(same.offer(Scripted::constant(4)));   // wrong at 9, 10
    EXPECT_FALSE(same.offer(Scripted::constant(3)));  // a second wrong formula at 10
    EXPECT_TRUE(same.offer(Scripted::constant(2)));   // its rejection left no count behind at 10? 2 is wrong at 7 only
    EXPECT_FALSE(same.offer({2, 0}));                 // constant 3 still breaks period 10

    Scripted r;
    r.params.formulaRun = {true, 1, 0};
    FormulaSearch run(r.f.ws, r.params);
    EXPECT_FALSE(run.offer(Scripted::constant(1)));  // wrong at 5 and 6 in a row
    EXPECT_TRUE(run.offer(Scripted::constant(2)));
}

TEST(FormulaSearch, LastRunWantsAWrongEnding) {
    Scripted s;
    s.params.lastRun = {true, 2, 1};
    FormulaSearch search(s.f.ws, s.params);
    EXPECT_FALSE(search.offer(Scripted::constant(3)));  // wrong in the last period only: a run of one
    EXPECT_FALSE(search.offer(Scripted::constant(2)));  // right in the last period
    EXPECT_TRUE(search.offer(Scripted::constant(4)));   // wrong at 9 and 10
    // The constraint holds for the first G2 = 1 formulas only.
    EXPECT_TRUE(search.offer(Scripted::constant(2)));
}

TEST(FormulaSearch, AccuracyBandIsExact) {
    Scripted s;
    s.params.accuracyLow = 80;  // 8 of 10 is in, 7 of 10 is not
    FormulaSearch search(s.f.ws, s.params);
    EXPECT_TRUE(search.offer(Scripted::constant(4)));
    EXPECT_FALSE(search.offer(Scripted::constant(1)));
}

TEST(FormulaSearch, RandomModeAcceptsUntestedDistinctFormulas) {
    PredictionFixture f;
    f.threeDraws();
    SearchParams params;
    params.randomOnly = true;
    params.wanted = 10;
    params.low = 1;
    params.high = 16;
    params.seed = 9;
    FormulaSearch search(f.ws, params);
    search.run(1000);
    ASSERT_EQ(search.accepted().size(), 10u);
    EXPECT_EQ(search.tried(), 10u);
    EXPECT_NE(search.accepted()[0].text.find(")%16+1"), std::string::npos);
}

TEST(FormulaSearch, StartFailuresAreMessages) {
    PredictionFixture f;
    f.threeDraws();
    SearchParams params;
    params.fromPeriod = 2020003;
    params.toPeriod = 2020001;
    EXPECT_EQ(FormulaSearch(f.ws, params).message(), "搜索范围内没有开奖数据，无法计算准确率");
    params = SearchParams{};
    params.kind = "10/(z_num1-1)";  // the kill target divides by zero at the first draw
    FormulaSearch target(f.ws, params);
    EXPECT_TRUE(target.finished());
    EXPECT_NE(target.message().find("除数为0"), std::string::npos);
    params = SearchParams{};
    params.indicator = "1z";
    EXPECT_EQ(FormulaSearch(f.ws, params).message(), std::string("公式有误:") + kErrNumber);
    params = SearchParams{};
    params.low = 5;
    params.high = 4;
    EXPECT_TRUE(FormulaSearch(f.ws, params).failed());
    params.low = -1;  // "+-1" would not be a formula
    EXPECT_TRUE(FormulaSearch(f.ws, params).failed());
}

TEST(FormulaSearch, LeavesTheHistoryAlone) {
    PredictionFixture f;
    test::fillSsq(f.ws.sjk);
    f.addPredictionRecord();
    f.ws.sjk.SetRecNo(100);
    const int count = f.ws.sjk.RecordCount();
    const uint64_t version = f.ws.sjk.version();
    SearchParams params = schemeParams();
    FormulaSearch search(f.ws, params);
    search.run(100'000);
    EXPECT_FALSE(search.failed());
    EXPECT_EQ(f.ws.sjk.RecordCount(), count);
    EXPECT_EQ(f.ws.sjk.record(count)[0], kPredictionPeriod);
    EXPECT_EQ(f.ws.sjk.RecNo(), 100);
    EXPECT_EQ(f.ws.sjk.version(), version);
    // The range ends with the newest real draw, not the prediction record.
    EXPECT_EQ(search.tested(), 50);
}

}  // namespace
}  // namespace lottodesk
