#include <gtest/gtest.h>

#include <cstdint>

#include "analysis/analysisseries.h"
#include "analysis/seriesexport.h"
#include "support/tempfolder.h"
#include "formula/tgs.h"
#include "support/games.h"
#include "indicators/coldhot.h"
#include "indicators/context.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

struct SessionFixture : ::testing::Test {
    SessionFixture() : ws("/nonexistent/") {
        test::fill(ws.sjk,
                   {{1, 2, 3, 4, 5, 6, 7}, {2, 3, 4, 5, 6, 7, 8}, {5, 6, 7, 8, 9, 10, 9}, {1, 3, 5, 7, 9, 11, 3}});
        ws.partitions.rebuild(ws.game.zh_to);
    }
    int32_t eval(const char* formula, int n) {
        const EvalResult r = tgs(formula).evaluate(session.context(ws), n);
        EXPECT_TRUE(r.ok) << r.message;
        return r.value;
    }
    Workspace ws;
    AnalysisSession session;
};

TEST_F(SessionFixture, TestReadsTheSeriesBesideTheHistory) {
    const uint64_t version = ws.sjk.version();
    ASSERT_TRUE(session.analyse(ws, "z_num1*10", std::nullopt, "红号一x10"));
    const AnalysisSeries* s = session.series();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->values, (std::vector<int32_t>{0, 10, 20, 50, 10}));
    EXPECT_EQ(s->range, (ValueRange{10, 50}));
    EXPECT_EQ(s->formula, "z_num1*10");
    EXPECT_TRUE(s->identifier.empty());
    EXPECT_EQ(ws.sjk.version(), version) << "no record slot is written";
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(ws.sjk.record(n)[kAuxiliarySlot], 0);

    EXPECT_EQ(getzb("test", session.context(ws), 3), 50);
    EXPECT_EQ(eval("test+1", 2), 21);
    EXPECT_EQ(eval("getylz(test)", 4), 2) << "10 last occurred two draws earlier";
    EXPECT_EQ(section_stat(session.context(ws), 2020002, 2020004, SectionKind::Sum), 80);
    EXPECT_EQ(section_stat(session.context(ws), 2020001, 2020004, SectionKind::Maximum), 50);
    EXPECT_EQ(session.openingRecord(ws), 1);
    EXPECT_FALSE(session.stale(ws));

    // A new series: the memoised history operators follow it.
    ASSERT_TRUE(session.analyse(ws, "z_num2", std::nullopt, "红号二"));
    EXPECT_EQ(session.series()->identifier, "z_num2");
    EXPECT_EQ(session.series()->expression(), "z_num2");
    EXPECT_EQ(eval("getylz(test)", 4), 1) << "z_num2 was 3 two draws earlier as well";
}

TEST_F(SessionFixture, AFailedComputationKeepsTheCurrentSeries) {
    ASSERT_TRUE(session.analyse(ws, "z_hz", std::nullopt, "和值"));
    const AnalysisSeries* before = session.series();
    const Status failed = session.analyse(ws, "z_hz/(z_num1-5)", std::nullopt, "坏公式");
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.message.empty());
    EXPECT_EQ(session.series(), before);
    EXPECT_EQ(session.series()->caption, "和值");
    const Status syntax = session.analyse(ws, "z_hz+", std::nullopt, "x");
    EXPECT_EQ(syntax.message.rfind("公式有误:", 0), 0u) << syntax.message;
    EXPECT_EQ(session.series()->caption, "和值");
}

TEST_F(SessionFixture, WithoutASeriesTestReadsSlotTen) {
    // Callers that attach no series keep what `test` always read.
    ws.sjk.SetRecNo(2);
    ws.sjk.Edit();
    ws.sjk.SetFieldValue(kAuxiliarySlot, 77);
    SeriesMemo memo;
    EXPECT_EQ(getzb("test", indicatorContext(ws, &memo), 2), 77);
    EXPECT_EQ(getzb("test", session.context(ws), 2), 77);
    EXPECT_EQ(section_stat(ws.sjk, 2020001, 2020002, SectionKind::Sum), 77);
    // A candidate ticket beyond the series reads 0.
    session.adopt(ws, {0, 4, 4, 4, 4}, std::nullopt, "助手");
    DrawRecord candidate{};
    candidate[0] = kCandidatePeriod;
    const IndicatorContext ctx = indicatorContext(ws, &memo, candidate.data(), session.series()->auxiliary());
    EXPECT_EQ(getzb("test", ctx, 5), 0);
    EXPECT_EQ(getzb("test", ctx, 4), 4);
    EXPECT_EQ(session.series()->range, (ValueRange{4, 9})) << "equal ends: high = low + zhgs - 1";
    EXPECT_EQ(session.series()->expression(), "");
}

TEST_F(SessionFixture, DerivedSeriesLiveInTheirOwnStore) {
    test::addPrediction(ws.sjk, {1, 2, 3, 4, 5, 6});
    const uint64_t version = ws.sjk.version();
    const int records = ws.sjk.RecordCount();

    DerivedStore derived;
    const int32_t numbers[] = {3, 8, 12, 20, 25, 31, 9};
    derived.append(2020001, numbers, 7, 6);
    derived.append(2020003, 2);
    derived.append(2020004, 0);
    session.adoptDerived(ws, std::move(derived), ValueRange{0, 6}, "主区号码5的遗漏");
    EXPECT_TRUE(session.onDerived());
    EXPECT_EQ(ws.sjk.version(), version) << "the history store is neither re-pointed nor emptied";
    EXPECT_EQ(ws.sjk.RecordCount(), records);
    EXPECT_EQ(ws.sjk.record(records)[0], kPredictionPeriod) << "the prediction record is kept";
    EXPECT_TRUE(ws.sjk.FileName().empty());

    const t_s_dm& h = session.history(ws);
    ASSERT_EQ(h.RecordCount(), 3);
    EXPECT_EQ(h.record(1)[7], 9);
    EXPECT_EQ(h.FileName(), "");
    EXPECT_EQ(getzb("test", session.context(ws), 2), 2);
    EXPECT_EQ(eval("z_num1", 1), 3);
    EXPECT_EQ(section_stat(session.context(ws), 2020001, 2020004, SectionKind::Sum), 8);

    // An empty derived series still has one record to stand on: period 0, value 0.
    session.adoptDerived(ws, DerivedStore{}, std::nullopt, "空");
    EXPECT_EQ(session.history(ws).RecordCount(), 1);
    EXPECT_EQ(session.series()->values, (std::vector<int32_t>{0, 0}));
    // Back on the draw history with the next analysis.
    ASSERT_TRUE(session.analyse(ws, "z_num1", std::nullopt, "红号一"));
    EXPECT_FALSE(session.onDerived());
    EXPECT_EQ(session.series()->count(), records);
    EXPECT_EQ(session.series()->values.back(), 1) << "the prediction record is analysed too";
}

TEST_F(SessionFixture, ExportOfTheSeries) {
    test::addPrediction(ws.sjk, {2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(session.analyse(ws, "z_num1-3", std::nullopt, "x"));
    const std::string expected = "2020001    -2\r\n2020002    -1\r\n2020003    2\r\n2020004    -2\r\n9999999    -1\r\n";
    EXPECT_EQ(seriesExportText(ws.sjk, *session.series()), expected) << "the prediction record is exported too";
    test::TempFolder folder;
    const std::string path = seriesExportPath(folder.file("values"));
    EXPECT_EQ(path, folder.file("values.txt"));
    EXPECT_EQ(seriesExportPath("a.txt"), "a.txt");
    EXPECT_EQ(seriesExportPath("a.txt.bak"), "a.txt.bak") << "a name containing .txt is kept";
    ASSERT_TRUE(exportSeries(path, ws.sjk, *session.series()));
    EXPECT_EQ(test::readFile(path), expected);
    EXPECT_FALSE(exportSeries(folder.file("missing/folder/v.txt"), ws.sjk, *session.series()));
}

TEST(AnalysisSeries, RangeRule) {
    const std::vector<int32_t> values = {0, 4, -3, 9};
    EXPECT_EQ(seriesRange(values, std::nullopt, 6), (ValueRange{-3, 9}));
    EXPECT_EQ(seriesRange(values, ValueRange{1, 33}, 6), (ValueRange{1, 33}));
    EXPECT_EQ(seriesRange(values, ValueRange{33, 1}, 6), (ValueRange{1, 33})) << "typed high end first";
    EXPECT_EQ(seriesRange({0, 5, 5}, std::nullopt, 7), (ValueRange{5, 11}));
}

TEST(AnalysisSeries, RangeOfOneValueStaysInside32Bits) {
    constexpr int32_t top = INT32_MAX, bottom = INT32_MIN;
    EXPECT_EQ(seriesRange({0, top, top}, std::nullopt, 6), (ValueRange{top, top}));
    EXPECT_EQ(seriesRange({0, top - 3}, std::nullopt, 6), (ValueRange{top - 3, top}));
    EXPECT_EQ(seriesRange({0, top - 5}, std::nullopt, 6), (ValueRange{top - 5, top}));
    EXPECT_EQ(seriesRange({0, bottom}, std::nullopt, 6), (ValueRange{bottom, bottom + 5}));
    EXPECT_EQ(seriesRange({0}, std::nullopt, 7), (ValueRange{0, 6})) << "no record: the range of 0";
    EXPECT_EQ(singleValueRange(top, 7), (ValueRange{top, top}));
}

TEST(AnalysisSeries, EveryRecordOfTheSampleGames) {
    for (const test::SampleGame& g : test::sampleGames()) {
        Workspace ws("/nonexistent/");
        ws.game = g.game;
        test::fillSample(ws.sjk, g);
        ws.partitions.rebuild(g.game.zh_to);
        AnalysisSession session;
        ASSERT_TRUE(session.analyse(ws, "z_hz", std::nullopt, "和值")) << g.name;
        EXPECT_EQ(session.series()->count(), ws.sjk.RecordCount());
        EXPECT_EQ(getzb("test", session.context(ws), 7), getzb("z_hz", session.context(ws), 7));
        EXPECT_GE(section_stat(session.context(ws), ws.sjk.record(1)[0], ws.sjk.record(100)[0], SectionKind::Minimum),
                  g.game.zhgs * (g.game.zhgs + 1) / 2);
    }
    // An empty history: an empty series whose range follows the rule.
    Workspace ws("/nonexistent/");
    AnalysisSession session;
    ASSERT_TRUE(session.analyse(ws, "z_hz", std::nullopt, "和值"));
    EXPECT_EQ(session.series()->count(), 0);
    EXPECT_EQ(session.series()->range, (ValueRange{0, 5}));
    EXPECT_EQ(session.openingRecord(ws), 1);
}

}  // namespace
}  // namespace lottodesk
