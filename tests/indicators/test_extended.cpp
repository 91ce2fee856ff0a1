#include <gtest/gtest.h>

#include "core/workspace.h"
#include "indicators/registry.h"
#include "support/history.h"

namespace lottodesk {
namespace {

using test::SsqContext;

struct Case {
    const char* id;
    int32_t value;
};

void expectValues(const IndicatorContext& ctx, int n, std::initializer_list<Case> cases) {
    for (const Case& c : cases) EXPECT_EQ(getzb(c.id, ctx, n), c.value) << c.id << " at record " << n;
}

TEST(ExtendedNumberFamilies, ValuesOfOneDraw) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 10, 11, 20, 5}, {3, 6, 7, 12, 20, 33, 5}});
    SsqContext c(store);
    expectValues(c.ctx, 1,
                 {
                     {"c_cz_1", 3},  // 01-02, 02-03, 10-11
                     {"c_cz_9", 3},  // 01-10, 02-11, 11-20
                     {"c_cz_0", 0},
                     {"c_hz_21", 2},     // 01+20, 10+11
                     {"c_fq_1_4_1", 6},  // zone 1 of 4 is 1..8
                     {"c_fq_0_4_1", 3},
                     {"c_fq_0_4_3", 1},    // 17..24
                     {"c_fq_0_4_5", 0},    // no zone 5 of 4
                     {"c_fq_0_0_1", 0},    // no partition into 0 zones
                     {"c_fq_0_50_1", 0},   // at most 49 zones
                     {"c_fq_1_49_33", 0},  // zone 33 of 49 over 1..33 is empty
                     {"c_ys_0_0_0", 0},    // no remainder by 0
                     {"c_ys_0_10_0", 2},   // 10, 20
                 });
    expectValues(c.ctx, 2,
                 {
                     {"c_ys_0_3_0", 4},  // 03, 06, 12, 33
                     {"c_ys_1_3_0", 54},
                     {"c_ys_5_3_0", 54},  // any t but 0 sums
                     {"c_ys_0_3_1", 1},   // 07
                 });
}

TEST(ExtendedNumberFamilies, CrossPairsWithThePreviousDraw) {
    t_s_dm store;
    test::fill(store, {{3, 8, 15, 22, 27, 31, 9}, {4, 8, 16, 23, 30, 33, 12}});
    SsqContext c(store);
    expectValues(c.ctx, 1, {{"c_xw_cz_0", 6}, {"c_xw_hz_16", 1}});  // the first draw meets itself
    expectValues(c.ctx, 2,
                 {
                     {"c_xw_cz_0", 1},   // 08 repeats
                     {"c_xw_cz_1", 4},   // 04-03, 16-15, 23-22, 30-31
                     {"c_xw_hz_38", 3},  // 16+22, 23+15, 30+08
                     {"c_xw_hz_16", 1},  // 08+08
                 });
}

// Three draws to look back over; the third is current.
class ExtendedHistory : public ::testing::Test {
protected:
    void SetUp() override {
        test::fill(store, {{1, 2, 3, 4, 5, 6, 1}, {1, 7, 8, 9, 10, 11, 2}, {2, 7, 12, 13, 14, 15, 3}});
    }
    t_s_dm store;
};

TEST_F(ExtendedHistory, OmissionBand) {
    SsqContext c(store);
    // Unpositioned omissions at record 3: 02 → 1, 07 → 0, 12..15 → 2 (never seen).
    expectValues(c.ctx, 3,
                 {{"c_ylz_0_0_1", 2}, {"c_ylz_1_0_1", 9}, {"c_ylz_0_2_2", 4}, {"c_ylz_1_2_5", 54}, {"c_ylz_0_3_9", 0}});
    expectValues(c.ctx, 1, {{"c_ylz_0_0_0", 6}});
}

TEST_F(ExtendedHistory, FamiliesOfTheTrendPages) {
    SsqContext c(store);
    expectValues(c.ctx, 3,
                 {
                     // occurrences in the 2 draws before: 02 once, 07 once, 12..15 never
                     {"c_lwr_2_1_1", 2},
                     {"c_lwr_2_0_0", 4},
                     {"c_lwr_1_1_5", 1},
                     {"c_lwr_99_1_1", 2},  // the window shrinks to the draws there are
                                           // earlier draws sharing numbers: record 2 shares 07, record 1 shares 02
                     {"c_same_0_2_1", 2},
                     {"c_same_0_2_2", 0},
                     {"c_same_0_1_1", 1},
                     {"c_same_0_0_0", 0},
                     // drawn again after A..B draws (0: the previous draw)
                     {"c_gqch_0_0_0", 1},
                     {"c_gqch_1_0_0", 7},
                     {"c_gqch_0_1_1", 1},
                     {"c_gqch_1_1_1", 2},
                     {"c_gqch_0_0_5", 2},
                     {"c_gqch_1_0_5", 9},
                     {"c_gqch_0_2_5", 0},  // no draw three back
                     {"c_gqch_2_0_0", 0},  // no such t
                                           // same class as the same position G + 1 draws back
                     {"c_twyc_0_0_0", 5},  // parity against 01 07 08 09 10 11
                     {"c_twyc_1_0_0", 61},
                     {"c_twyc_0_1_1", 3},   // prime against 01 02 03 04 05 06: 02, 07, 15
                     {"c_twyc_0_2_0", 1},   // remainder by 3: 07
                     {"c_twyc_0_3_0", 3},   // tail small/big: 02, 07, 14
                     {"c_twyc_0_4_0", 2},   // tail small/middle/big: 02, 07
                     {"c_twyc_0_0_2", 0},   // that draw does not exist
                     {"c_twyc_0_5_0", 0},   // no such kind
                     {"c_twyc_0_0_-1", 0},  // no draw after
                 });
    expectValues(c.ctx, 1, {{"c_lwr_5_0_0", 6}, {"c_same_0_5_0", 0}, {"c_gqch_0_0_9", 0}, {"c_twyc_0_0_0", 0}});
}

// A game whose draws repeat numbers (three digits 0..9): c_lwr counts every occurrence, c_same
// compares the sets of numbers, and c_same with a kind other than 0 is 0.
TEST(ExtendedNumberFamilies, RepeatedNumbersInADraw) {
    t_s_dm store;
    test::fill(store, {{1, 1, 2}, {1, 3, 3}, {1, 1, 3}});
    const GameParams game{3, 0, 9, 0, 0, 0, false};
    ZonePartitions partitions;
    partitions.rebuild(game.zh_to);
    const IndicatorContext ctx{DrawHistory::of(store), game, &partitions, ColdHotSettings{}, nullptr};
    expectValues(ctx, 3,
                 {
                     // in the two draws before, 1 occurs three times (twice in 01 01 02), 3 twice
                     {"c_lwr_2_2_2", 1},
                     {"c_lwr_2_3_3", 2},
                     {"c_lwr_1_1_1", 2},  // 01 03 03 alone: 1 once, 3 twice
                                          // {1, 3} shares {1} with 01 01 02 and {1, 3} with 01 03 03
                     {"c_same_0_2_2", 1},
                     {"c_same_0_2_1", 2},
                     {"c_same_1_2_1", 0},
                     {"c_same_7_2_1", 0},
                 });
}

TEST(ExtendedNumberFamilies, ArrangementLines) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 7}, {5, 40, 41, 42, 43, 44, 7}, {7, 8, 9, 10, 11, 12, 7}});
    SsqContext c(store);
    // The regular arrangement: the first row of six holds 1..6, the second 7..12.
    expectValues(c.ctx, 1,
                 {
                     {"c_hnskhkn_0_6_6", 5},
                     {"c_hnskhkn_1_6_6", 0},
                     {"c_hnskhkn_2_6_6", 5},
                     {"c_hnskhkn_3_6_6", 0},
                     {"c_hnskhkn_0_10_20", 19},  // rows past the 100 cells are empty
                     {"c_hnskhkn_1_0_6", 0},
                     {"c_hnszhxt_0_6_6", 1},
                     {"c_hnszhxt_1_6_6", 63},
                     {"c_hnszhxt_2_6_6", 1 + (63 << 6)},
                     {"c_hnszhxt_3_6_6", 0},
                 });
    expectValues(c.ctx, 3, {{"c_hnszhxt_0_6_6", 2}, {"c_hnskhkn_0_10_20", 18}});

    // Three rows of four where only the second row holds a drawn number.
    std::array<uint8_t, 100> cells;
    cells.fill(99);
    cells[4 + 2] = 5;
    c.ctx.arrangement = &cells;
    expectValues(c.ctx, 2,
                 {{"c_hnszhxt_0_4_3", 2},
                  {"c_hnszhxt_1_4_3", 4},
                  {"c_hnszhxt_2_4_3", 2 + (4 << 3)},
                  {"c_hnskhkn_0_4_3", 2},
                  {"c_hnskhkn_1_4_3", 3},
                  {"c_hnskhkn_2_4_3", 5}});
    EXPECT_EQ(getzb("c_hnskhkn_0_4_3", c.ctx, 3), 3) << "99 is never drawn";

    // An identifier that carries its arrangement reads it, not the context's.
    const std::string carried = "c_hnszhxt_2_4_3" + arrangementSuffix(cells, 12);
    EXPECT_EQ(carried, "c_hnszhxt_2_4_3_a999999999999059999999999");
    c.ctx.arrangement = nullptr;  // the regular one
    EXPECT_EQ(getzb(carried, c.ctx, 2), 2 + (4 << 3));
    EXPECT_EQ(getzb("c_hnskhkn_0_4_3" + arrangementSuffix(cells, 12), c.ctx, 2), 2);
    EXPECT_EQ(getzb("c_hnskhkn_0_4_3_a05", c.ctx, 2), 2) << "the cells not given are empty";
    for (const char* bad : {"c_hnskhkn_0_4_3_a", "c_hnskhkn_0_4_3_a051", "c_hnskhkn_0_4_3_a0x"}) {
        const ResolvedIdentifier resolved = resolveIdentifier(bad);
        EXPECT_TRUE(resolved.conversionError) << bad;
        EXPECT_FALSE(resolved.arrangement) << bad;
    }
}

TEST(ExtendedNumberFamilies, WorkspaceStartsWithTheRegularArrangement) {
    test::TempFolder home;
    Workspace ws(home.path());
    for (int p = 0; p < 100; ++p) EXPECT_EQ(ws.arrangement[static_cast<size_t>(p)], p + 1);
}

TEST(ExtendedNumberFamilies, LargeGamesDoNotWrapAtEightBits) {
    t_s_dm store;
    test::fill(store, {{43, 44, 45, 46, 47, 48, 49}});
    ZonePartitions partitions;
    partitions.rebuild(49);
    IndicatorContext ctx{DrawHistory::of(store), GameParams{7, 1, 49, 0, 1, 1, false}, &partitions, {}, nullptr};
    expectValues(ctx, 1, {{"c_ys_1_1_0", 322}, {"c_fq_1_1_1", 322}, {"c_ylz_1_0_0", 322}});
}

TEST(ExtendedNumberFamilies, ParametersAreReadWhenResolved) {
    struct ParameterCase {
        const char* id;
        ExtendedFamily family;
        ExtendedParameters parameters;
        const char* bad;  // null: all integers
    } cases[] = {
        {"c_cz_1", ExtendedFamily::Cz, {1, 0, 0}, nullptr},
        {"c_cz:1", ExtendedFamily::Cz, {1, 0, 0}, nullptr},  // any separator
        {"x_c_cz_12", ExtendedFamily::Cz, {12, 0, 0}, nullptr},
        {"c_cz_-1", ExtendedFamily::Cz, {-1, 0, 0}, nullptr},
        {"c_ylz_1_0_5", ExtendedFamily::Ylz, {1, 0, 5}, nullptr},
        {"c_same_0_10_2", ExtendedFamily::Same, {0, 10, 2}, nullptr},
        {"c_same_1_10_2", ExtendedFamily::Same, {1, 10, 2}, nullptr},
        {"c_same_0_10", ExtendedFamily::Same, {}, ""},  // the window and S run together: S is missing
        {"c_twyc_1_4_0", ExtendedFamily::Twyc, {1, 4, 0}, nullptr},
        {"c_cz_x", ExtendedFamily::Cz, {}, "x"},
        {"c_cz", ExtendedFamily::Cz, {}, ""},
        {"c_cz_1_2", ExtendedFamily::Cz, {}, "1_2"},  // the last parameter runs to the end
        {"c_ylz_0_1", ExtendedFamily::Ylz, {}, ""},   // a missing parameter
        {"c_fq_1_4_1_5", ExtendedFamily::Fq, {}, "1_5"},
        {"c_hnszhxt_a_6_6", ExtendedFamily::Hnszhxt, {}, "a"},
    };
    for (const ParameterCase& c : cases) {
        const ResolvedIdentifier resolved = resolveIdentifier(c.id);
        ASSERT_EQ(resolved.kind, ResolvedIdentifier::Extended) << c.id;
        EXPECT_EQ(resolved.family(), c.family) << c.id;
        EXPECT_EQ(resolved.conversionError, c.bad != nullptr) << c.id;
        if (c.bad)
            EXPECT_EQ(resolved.badParameter, c.bad) << c.id;
        else
            EXPECT_EQ(resolved.parameters, c.parameters) << c.id;
    }
}

TEST(ExtendedNumberFamilies, PrefixesInTheirOrder) {
    const auto& prefixes = extendedPrefixes();
    ASSERT_EQ(prefixes.size(), 16u);
    EXPECT_EQ(prefixes[static_cast<size_t>(ExtendedFamily::Analysis)], "c_zhfx");
    EXPECT_EQ(prefixes[static_cast<size_t>(ExtendedFamily::Lwr)], "c_lwr");
    EXPECT_EQ(prefixes[static_cast<size_t>(ExtendedFamily::Same)], "c_same");
    EXPECT_EQ(prefixes[static_cast<size_t>(ExtendedFamily::Gqch)], "c_gqch");
    EXPECT_EQ(prefixes[static_cast<size_t>(ExtendedFamily::Twyc)], "c_twyc");
    EXPECT_EQ(resolveIdentifier("c_2zbzh:z_num1|z_num2:0").family(), ExtendedFamily::TwoPattern);
    EXPECT_FALSE(resolveIdentifier("c_2zbzh:z_num1|z_num2").conversionError) << "the formula layer reads these";
}

TEST(ExtendedNumberFamilies, CandidateIsComparedWithTheRealDraws) {
    t_s_dm store;
    test::fill(store, {{3, 8, 15, 22, 27, 31, 9}});
    const DrawRecord candidate{kCandidatePeriod, 3, 9, 16, 22, 28, 33, 1};
    SsqContext c(store, candidate.data());
    expectValues(c.ctx, 2, {{"c_xw_cz_0", 2}, {"c_gqch_0_0_0", 2}, {"c_ylz_0_0_0", 2}});
}

}  // namespace
}  // namespace lottodesk
