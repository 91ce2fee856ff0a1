#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "analysis/analysisseries.h"
#include "analysis/columnorder.h"
#include "analysis/signalchart.h"
#include "analysis/valueclasses.h"
#include "analysis/valueviews.h"
#include "formula/tgs.h"
#include "support/games.h"
#include "indicators/context.h"

namespace lottodesk {
namespace {

// A series as the analysis stores it: index 0 unused.
std::vector<int32_t> seriesOf(std::initializer_list<int32_t> values) {
    std::vector<int32_t> s = {0};
    s.insert(s.end(), values);
    return s;
}

DrawWindow all(const std::vector<int32_t>& s) {
    return {static_cast<int>(s.size()) - 1, static_cast<int>(s.size()) - 1};
}

TEST(ValueClasses, ZonesAndNonNegativeClasses) {
    EXPECT_EQ(zoneUpperBounds({1, 16}, 3), (std::vector<int32_t>{5, 10, 16}));
    EXPECT_EQ(zoneUpperBounds({0, 1}, 3), (std::vector<int32_t>{-1, 0, 1})) << "more zones than values";
    EXPECT_TRUE(zoneUpperBounds({5, 4}, 3).empty());
    const auto bounds = zoneUpperBounds({1, 16}, 3);
    EXPECT_EQ(zoneOf(5, {1, 16}, bounds), 0);
    EXPECT_EQ(zoneOf(6, {1, 16}, bounds), 1);
    EXPECT_EQ(zoneOf(16, {1, 16}, bounds), 2);
    EXPECT_EQ(zoneOf(0, {1, 16}, bounds), 0) << "below a typed range: the first zone";
    EXPECT_EQ(zoneOf(-40, {1, 16}, bounds), 0);
    EXPECT_EQ(zoneOf(17, {1, 16}, bounds), -1);
    EXPECT_EQ(zoneUpperBounds({INT32_MIN, INT32_MAX}, 2).back(), INT32_MAX) << "no overflow";

    EXPECT_EQ(tailClass10(-13), 7);
    EXPECT_EQ(remainderClass(-1, 3), 2);
    EXPECT_TRUE(isOddValue(-3));
    EXPECT_FALSE(isOddValue(-4));
    EXPECT_TRUE(isPrimeValue(1));
    EXPECT_FALSE(isPrimeValue(-7));
    EXPECT_FALSE(isPrimeValue(0));
}

TEST(ValueClasses, FeatureFamilies) {
    EXPECT_EQ(featureCaption({FeatureFamily::Zones, 3}), "三区");
    EXPECT_EQ(featureCaption({FeatureFamily::Remainder, 15}), "除十五余数");
    EXPECT_EQ(featureKind("十二区")->k, 12);
    EXPECT_EQ(featureKind("除四余数")->family, FeatureFamily::Remainder);
    EXPECT_EQ(featureKind("小大")->family, FeatureFamily::SmallBig);
    EXPECT_FALSE(featureKind("十六区"));
    EXPECT_EQ(featureLabels({FeatureFamily::Remainder, 4}), (std::vector<std::string>{"0", "1", "2", "3"}));

    const FeatureClassifier zones({FeatureFamily::Zones, 3}, {1, 16});
    EXPECT_EQ(zones.columnOf(5), 0);
    EXPECT_EQ(zones.columnOf(11), 2);
    EXPECT_EQ(zones.columnOf(17), -1);
    const FeatureClassifier size({FeatureFamily::SmallBig}, {1, 16});
    EXPECT_EQ(size.columnOf(8), 0);
    EXPECT_EQ(size.columnOf(9), 1);
    EXPECT_EQ(size.columnOf(-40), 0);
    EXPECT_EQ(FeatureClassifier({FeatureFamily::Tail}, {1, 16}).columnOf(-13), 7);
    EXPECT_EQ(FeatureClassifier({FeatureFamily::Remainder, 5}, {1, 16}).columnOf(-1), 4);
}

TEST(ValueViews, OmissionStatisticsEdgeCases) {
    // Range 1..4 over five periods: 4 occurs only in the last one; 3 never.
    const auto s = seriesOf({1, 2, 1, 2, 4});
    const ValueOmissions o = valueOmissions(s.data(), all(s), {1, 4});
    ASSERT_EQ(o.columns.values, (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(o.stats.hits, (std::vector<int32_t>{2, 2, 0, 1}));
    EXPECT_EQ(o.stats.current[3], 0) << "hit in the last period";
    EXPECT_EQ(o.stats.longest[2], kNoOmission);
    EXPECT_EQ(o.stats.average[2], kNoOmission);
    EXPECT_EQ(o.stats.current[2], 5) << "periods since the range start";
    EXPECT_EQ(o.stats.longest[0], 1);
    EXPECT_EQ(o.stats.current[0], 2);

    // Values outside the range are skipped, negative ones too.
    const auto odd = seriesOf({-5, 7, 300, 2});
    const ValueCounts c = valueCounts(odd.data(), all(odd), {1, 4});
    EXPECT_EQ(c.counts, (std::vector<int32_t>{0, 1, 0, 0}));
    EXPECT_EQ(c.periods, 4);
}

TEST(ValueViews, WideRangesLayOutEveryValue) {
    // More than 200 values: every value of the range is listed, the ones without a hit too.
    const auto s = seriesOf({-400, 5000, -400, 12});
    const ValueCounts wide = valueCounts(s.data(), all(s), {-1000, 9000});
    EXPECT_FALSE(wide.columns.occurringOnly);
    ASSERT_EQ(wide.columns.values.size(), 10001u);
    EXPECT_EQ(wide.counts[static_cast<size_t>(wide.columns.columnOf(-400))], 2);
    EXPECT_EQ(wide.counts[static_cast<size_t>(wide.columns.columnOf(13))], 0);
    const ValueOmissions o = valueOmissions(s.data(), all(s), {0, 300});
    ASSERT_EQ(o.columns.values.size(), 301u);
    EXPECT_EQ(o.stats.hits[12], 1);
    EXPECT_EQ(o.stats.longest[250], kNoOmission) << "a value never hit keeps its 9999 statistics";
    EXPECT_EQ(o.stats.average[250], kNoOmission);

    // Only a range whose columns would exhaust memory lists the values that occur.
    const ValueCounts c = valueCounts(s.data(), all(s), {-1000, 2000000000});
    EXPECT_TRUE(c.columns.occurringOnly);
    EXPECT_EQ(c.columns.values, (std::vector<int32_t>{-400, 12, 5000}));
    EXPECT_EQ(c.counts, (std::vector<int32_t>{2, 1, 1}));
    EXPECT_EQ(c.columns.columnOf(13), -1);
    EXPECT_FALSE(valueColumns(s.data(), all(s), {0, kMaxValueColumns - 1}).occurringOnly);
    EXPECT_TRUE(valueColumns(s.data(), all(s), {0, kMaxValueColumns}).occurringOnly);

    EXPECT_EQ(countOrder(c, CountOrder::Descending), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(countOrder(c, CountOrder::Ascending), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(countText(1, 3, true), "33.3%");
    EXPECT_EQ(countText(1, 0, true), "0.0%");
    EXPECT_EQ(countText(7, 3, false), "7");
}

TEST(ValueViews, OmissionTableInColumnOrder) {
    // Range 1..4 in "按奇偶" order, values outside the range skipped.
    const auto s = seriesOf({1, 4, 9, 1});
    const SeriesOmissionTable t = seriesOmissionTable(s.data(), all(s), {1, 4}, 2);
    ASSERT_TRUE(t.status);
    ASSERT_EQ(t.values.size(), 4u);
    const OmissionTable reference = trendOmissions(valueHits(s.data(), all(s), 1, 4));
    for (size_t c = 0; c < t.values.size(); ++c) {
        const int source = t.values[c] - 1;
        for (int r = 0; r < 4; ++r) EXPECT_EQ(t.table.cell(r, static_cast<int>(c)), reference.cell(r, source));
        EXPECT_EQ(t.table.stats.hits[c], reference.stats.hits[static_cast<size_t>(source)]);
    }
    const std::vector<int> order = columnOrder(2, 1, 4);
    EXPECT_EQ(t.values, (std::vector<int32_t>(order.begin(), order.end())));
    const int one = static_cast<int>(std::find(t.values.begin(), t.values.end(), 1) - t.values.begin());
    EXPECT_EQ(t.table.cell(3, one), 0) << "1 occurs in the last row";

    EXPECT_TRUE(seriesOmissionTable(s.data(), all(s), {1, 200}, 0).status);
    EXPECT_EQ(seriesOmissionTable(s.data(), all(s), {1, 201}, 0).status.message, kOmissionTableRangeMessage);
    EXPECT_EQ(seriesOmissionTable(s.data(), all(s), {-300, 5000}, 3).status.message, kOmissionTableRangeMessage);
    EXPECT_TRUE(seriesOmissionTable(s.data(), all(s), {-5, 3}, 3).status) << "negative values in the range";
}

TEST(ValueViews, ClassCounts) {
    const auto s = seriesOf({1, 6, 16, 11, -2, 40});
    const ClassCounts zones = classCounts(s.data(), all(s), {1, 16}, ClassFamily::Zones, 3);
    EXPECT_EQ(zones.labels, (std::vector<std::string>{"第1区<1..5>", "第2区<6..10>", "第3区<11..16>"}));
    EXPECT_EQ(zones.counts, (std::vector<int32_t>{2, 1, 2}))
        << "-2 lies below the range: the first zone; 40 lies above every bound: none";
    const ClassCounts rem = classCounts(s.data(), all(s), {1, 16}, ClassFamily::Remainder, 3);
    EXPECT_EQ(rem.counts, (std::vector<int32_t>{1, 4, 1})) << "-2 is in class 1";
    EXPECT_EQ(classCounts(s.data(), all(s), {1, 16}, ClassFamily::OddEven, 0).counts, (std::vector<int32_t>{2, 4}));
    EXPECT_EQ(classCounts(s.data(), all(s), {1, 16}, ClassFamily::PrimeComposite, 0).counts,
              (std::vector<int32_t>{2, 4}));
}

TEST(SignalChart, CandlesAndSignals) {
    const auto s = seriesOf({3, 5, 5, 2, -13});
    const auto c = candles(s);
    EXPECT_EQ(c[1].kind, CandleKind::Line) << "the first period";
    EXPECT_EQ(c[2].kind, CandleKind::Rise);
    EXPECT_EQ(c[2].open, 3);
    EXPECT_EQ(c[3].kind, CandleKind::Line);
    EXPECT_EQ(c[4].kind, CandleKind::Fall);
    EXPECT_EQ(signalRow(s, SignalKind::RiseFall, 0), (std::vector<uint8_t>{0, 0, 1, 0, 0, 0})) << "equal is 降";
    EXPECT_EQ(signalRow(s, SignalKind::BigSmall, 5), (std::vector<uint8_t>{0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(transformedSeries(s, {KLineKind::Tail}), seriesOf({3, 5, 5, 2, 7}));
    EXPECT_EQ(transformedSeries(s, {KLineKind::Remainder, 4}), seriesOf({3, 1, 1, 2, 3}));
    EXPECT_EQ(signalText(SignalKind::OddEven, false, false), "偶");
    EXPECT_EQ(signalText(SignalKind::RiseFall, true, true), "O");
    EXPECT_EQ(kLineName({KLineKind::Remainder, 7}), "除7余数");
}

// On the real histories of 双色球 and the seven-number 七乐彩: the transformed series agree with
// the formula operators the filter export wraps the expression in, and the counts and omission
// statistics with a literal reading of their rules.
TEST(SignalChart, RealHistoriesAgreeWithTheFormulaOperatorsAndTheRules) {
    for (const test::SampleGame& g : test::sampleGames()) {
        if (g.game.zhgs != 6 && g.game.zhgs != 7) continue;
        Workspace ws("/nonexistent/");
        ws.game = g.game;
        test::fillSample(ws.sjk, g);
        ws.partitions.rebuild(g.game.zh_to);
        for (const char* text : {"z_hz", "z_num1", "xc61%7"}) {
            AnalysisSession session;
            ASSERT_TRUE(session.analyse(ws, text, std::nullopt, text));
            const std::vector<int32_t>& v = session.series()->values;
            const IndicatorContext ctx = session.context(ws);
            const struct {
                KLineKind kind;
                const char* wrap;
            } forms[] = {{KLineKind::Amplitude, "getzf(test)"},
                         {KLineKind::Omission, "getylz(test)"},
                         {KLineKind::OmissionAmplitude, "getylzzf(test)"}};
            for (const auto& form : forms) {
                const std::vector<int32_t> t = transformedSeries(v, {form.kind});
                const tgs formula(form.wrap);
                for (int n = 1; n <= session.series()->count(); n += 7)
                    ASSERT_EQ(t[n], formula.evaluate(ctx, n).value) << g.name << " " << text << " " << form.wrap;
            }

            // The last 100 draws, literally: counts, then each hit's omission back to the
            // previous hit or the window start.
            const DrawWindow window = recentWindow(DrawHistory::of(ws.sjk), 100);
            const ValueRange range = session.series()->range;
            std::map<int32_t, int> count, longest, previousHit, lastOmission;
            for (int n = window.first(); n <= window.end; ++n) {
                const int32_t x = v[n];
                const int since = previousHit.count(x) ? previousHit[x] : window.first() - 1;
                const int e = n - since - 1;
                ++count[x];
                longest[x] = std::max(longest[x], e);
                lastOmission[x] = e;
                previousHit[x] = n;
            }
            const ValueCounts counts = valueCounts(v.data(), window, range);
            const ValueOmissions om = valueOmissions(v.data(), window, range);
            for (size_t c = 0; c < counts.columns.values.size(); ++c) {
                const int32_t x = counts.columns.values[c];
                EXPECT_EQ(counts.counts[c], count.count(x) ? count[x] : 0) << g.name << " " << text << " " << x;
                EXPECT_EQ(om.stats.longest[c], count.count(x) ? longest[x] : kNoOmission) << x;
                EXPECT_EQ(om.stats.previous[c], count.count(x) ? lastOmission[x] : kNoOmission) << x;
                EXPECT_EQ(om.stats.current[c], count.count(x) ? window.end - previousHit[x] : 100) << x;
            }
        }
    }
}

}  // namespace
}  // namespace lottodesk
