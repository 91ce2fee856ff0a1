#include <gtest/gtest.h>

#include "analysis/omission.h"
#include "support/games.h"

namespace lottodesk {
namespace {

// A history of one number per draw (slot 1), periods from 2020001.
t_s_dm singles(std::initializer_list<int32_t> numbers) {
    t_s_dm store;
    store.Clear(false);
    int32_t period = 2020001;
    for (int32_t n : numbers) {
        DrawRecord r{};
        r[0] = period++;
        r[1] = n;
        store.Append();
        store.setRecord(store.RecNo(), r);
    }
    return store;
}

TEST(TrendOmissions, CellsAndStatisticsInsideTheRange) {
    // Rows: 1 3 2 2 3 1 ; columns 1..4.
    t_s_dm store = singles({1, 3, 2, 2, 3, 1});
    const DrawHistory h = DrawHistory::of(store);
    const OmissionTable t = trendOmissions(numberHits(h, recentWindow(h, 0), 1, 1, 1, 4));
    ASSERT_EQ(t.rows, 6);
    ASSERT_EQ(t.columns, 4);
    // Number 1: drawn in the first and the last row only: hits 2, one omission of 4, average 4 / 2.
    EXPECT_EQ(t.stats.hits[0], 2);
    EXPECT_EQ(t.stats.longest[0], 4);
    EXPECT_EQ(t.stats.shortest[0], 4);
    EXPECT_EQ(t.stats.average[0], 2);
    EXPECT_EQ(t.stats.previous[0], 4);
    EXPECT_EQ(t.stats.current[0], 0);  // drawn in the last row
    // Number 2: rows 3 and 4; the hit in row 4 closes 0, the one in row 3 closes 2.
    EXPECT_EQ(t.stats.hits[1], 2);
    EXPECT_EQ(t.stats.longest[1], 2);
    EXPECT_EQ(t.stats.shortest[1], 0);
    EXPECT_EQ(t.stats.average[1], 1);
    EXPECT_EQ(t.stats.current[1], 2);
    // Number 4: never drawn: 9999 in the four statistics, current = rows.
    EXPECT_EQ(t.stats.hits[3], 0);
    EXPECT_EQ(t.stats.longest[3], kNoOmission);
    EXPECT_EQ(t.stats.shortest[3], kNoOmission);
    EXPECT_EQ(t.stats.average[3], kNoOmission);
    EXPECT_EQ(t.stats.previous[3], kNoOmission);
    EXPECT_EQ(t.stats.current[3], 6);
    const int32_t column3[] = {1, 0, 1, 2, 0, 1};
    for (int r = 0; r < 6; ++r) EXPECT_EQ(t.cell(r, 2), column3[r]) << r;
}

TEST(OccurrenceOmissions, SeriesStatistics) {
    // Values 5 7 5 5 9 over 5..9.
    const std::vector<int32_t> values = {0, 5, 7, 5, 5, 9};
    const OmissionStats s = occurrenceOmissions(valueHits(values.data(), DrawWindow{5, 5}, 5, 9));
    EXPECT_EQ(s.hits[0], 3);
    EXPECT_EQ(s.longest[0], 1);
    EXPECT_EQ(s.shortest[0], 0);  // the first row closes 0, as does the repeat
    EXPECT_EQ(s.average[0], 0);   // 1 / 3
    EXPECT_EQ(s.current[0], 1);
    // A value that occurs only in the last period: hits 1, current 0.
    EXPECT_EQ(s.hits[4], 1);
    EXPECT_EQ(s.previous[4], 4);
    EXPECT_EQ(s.current[4], 0);
    // Never seen: 9999, current = periods since the range start.
    EXPECT_EQ(s.longest[1], kNoOmission);
    EXPECT_EQ(s.current[1], 5);
    // Values outside the columns are ignored; an empty range gives empty statistics.
    EXPECT_EQ(occurrenceOmissions(valueHits(values.data(), DrawWindow{5, 5}, 6, 6)).hits[0], 0);
    EXPECT_EQ(trendOmissions(valueHits(values.data(), DrawWindow{5, 0}, 5, 9)).stats.current[0], 0);
}

TEST(WindowHits, CountsAndOmissionsBeforeTheEnd) {
    // Main numbers outside 1..5 (0, 9, -3) must be ignored, never indexed.
    t_s_dm store;
    test::fill(store, {{1, 2, 9}, {2, 3, 0}, {3, 4, -3}, {1, 3, 5}});
    const DrawHistory h = DrawHistory::of(store);
    EXPECT_EQ(windowHits(h, DrawWindow{4, 2}, 1, 3, 1, 5), (std::vector<int32_t>{1, 0, 2, 1, 1}));
    EXPECT_EQ(omissionsBefore(h, 4, 1, 3, 1, 5), (std::vector<int32_t>{0, 2, 0, 1, 0}));
    EXPECT_EQ(omissionsBefore(h, 3, 1, 3, 1, 6), (std::vector<int32_t>{2, 1, 0, 0, 0, 0}))
        << "a number never drawn keeps 0";
    EXPECT_EQ(omissionsBefore(h, 0, 1, 3, 1, 2), (std::vector<int32_t>{0, 0}));
    const HitMatrix tails = tailHits(h, DrawWindow{4, 4}, 1, 3);
    EXPECT_TRUE(tails.at(0, 9));
    EXPECT_TRUE(tails.at(1, 0));
    EXPECT_FALSE(tails.at(2, 7)) << "a negative number has no tail column";
}

TEST(TrendOmissions, EveryNumberOfTheSampleGames) {
    for (const test::SampleGame& g : test::sampleGames()) {
        t_s_dm store;
        test::fillSample(store, g);
        const DrawHistory h = DrawHistory::of(store);
        const DrawWindow w = recentWindow(h, 0);
        const OmissionTable main = trendOmissions(numberHits(h, w, 1, g.game.zhgs, g.game.zh_from, g.game.zh_to));
        const OmissionTable sec =
            trendOmissions(numberHits(h, w, g.game.zhgs + 1, g.game.fhgs, g.game.spec_from, g.game.spec_to));
        int64_t hits = 0;
        for (int32_t v : main.stats.hits) hits += v;
        EXPECT_EQ(hits, int64_t{w.count} * g.game.zhgs) << g.name;
        hits = 0;
        for (int32_t v : sec.stats.hits) hits += v;
        EXPECT_EQ(hits, int64_t{w.count} * g.game.fhgs) << g.name;
        for (int c = 0; c < main.columns; ++c) {
            EXPECT_LE(main.stats.shortest[c], main.stats.average[c]) << g.name;
            EXPECT_LE(main.stats.average[c], main.stats.longest[c]) << g.name;
        }
    }
}

}  // namespace
}  // namespace lottodesk
