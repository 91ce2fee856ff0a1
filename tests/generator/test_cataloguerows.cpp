#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "generator/cataloguerows.h"
#include "generator/conditioncatalogue.h"

namespace lottodesk {
namespace {

struct Named {
    int row;
    const char* name;  // the enumerator as written
    const char* id;    // the registry identifier of the row
};

// Each enumerator names the row whose registry identifier it spells, and every row with an
// identifier has its enumerator.
TEST(CatalogueRows, EnumeratorsAreTheRegistryIdentifiers) {
    std::vector<Named> named;
#define LOTTODESK_ROW_NAMED(number, name, id, caption, label, lo, hi, seventh) \
    if (*(id)) named.push_back({catalogue::name, #name, id});
    LOTTODESK_CATALOGUE_ROWS(LOTTODESK_ROW_NAMED)
#undef LOTTODESK_ROW_NAMED
    for (const Named& n : named) EXPECT_STREQ(n.name, n.id) << "row " << n.row;
    std::set<int> seen;
    for (const Named& n : named) {
        const ConditionRow* row = conditionRow(n.row);
        ASSERT_NE(row, nullptr) << n.id;
        EXPECT_EQ(row->id, n.id) << "row " << n.row;
        EXPECT_NE(row->item, nullptr) << n.id << " is in the registry";
        EXPECT_TRUE(seen.insert(n.row).second) << n.id;
    }
    for (int number = 1; number <= kCatalogueRows; ++number) {
        const ConditionRow* row = conditionRow(number);
        if (row && !row->id.empty()) {
            EXPECT_TRUE(seen.count(number)) << row->id << " has no enumerator";
        }
    }
    EXPECT_EQ(seen.size(), 130u);
    // The two rows computed from the ticket alone, and the number with no row.
    EXPECT_EQ(conditionRow(catalogue::standardDeviation)->caption, "标准差");
    EXPECT_EQ(conditionRow(catalogue::coefficient)->caption, "离散系数(%)");
    EXPECT_TRUE(conditionRow(catalogue::standardDeviation)->id.empty());
    EXPECT_TRUE(conditionRow(catalogue::coefficient)->id.empty());
    EXPECT_EQ(conditionRow(36), nullptr);
}

// The ranges the value chooser offers follow the game's shape, and only the rows that name the
// seventh main number take no part for games of fewer numbers.
TEST(CatalogueRows, OfferedRangesAndTheSeventhNumber) {
    const GameParams ssq{6, 1, 33, 1, 1, 16, true}, dlt{5, 1, 35, 2, 1, 12, true}, qlc{7, 1, 30, 1, 1, 30, true};
    const struct {
        int row;
        const GameParams& game;
        int lo, hi;
    } cases[] = {
        {catalogue::z_dsgs, ssq, 0, 6},
        {catalogue::z_dsgs, qlc, 0, 7},
        {catalogue::z_lmzs, dlt, 0, 4},
        {catalogue::z_zdjj, ssq, 1, 28},
        {catalogue::z_zdjj, dlt, 1, 31},
        {catalogue::z_zdjj, qlc, 1, 24},
        {catalogue::xc32, ssq, 1, 28},
        {catalogue::xh76, qlc, 3, 59},
        {catalogue::xh71, ssq, 3, 62},
        {catalogue::z_num1, dlt, 1, 31},
        {catalogue::z_num7, qlc, 1, 30},
        {catalogue::z_num7zf, qlc, 0, 24},
        {catalogue::z_hzyl, ssq, 0, 700},
        {catalogue::z_aver, qlc, 1, 33},
        {catalogue::standardDeviation, ssq, 0, 0},
        {catalogue::coefficient, qlc, 0, 0},
        {catalogue::z_whyl, dlt, 0, 200},
    };
    for (const auto& c : cases) {
        const OfferedRange range = offeredRange(c.row, c.game);
        EXPECT_EQ(range.lo, c.lo) << "row " << c.row << " zhgs " << c.game.zhgs;
        EXPECT_EQ(range.hi, c.hi) << "row " << c.row << " zhgs " << c.game.zhgs;
    }
    const std::set<std::string> seventh = {"xc76", "xc75", "xc74", "xc73", "xc72",   "xc71",     "xh76",    "xh75",
                                           "xh74", "xh73", "xh72", "xh71", "z_num7", "z_num7zf", "z_num7yl"};
    for (int number = 1; number <= kCatalogueRows; ++number) {
        if (const ConditionRow* row = conditionRow(number)) {
            EXPECT_EQ(row->seventhNumber, seventh.count(row->id) > 0) << row->id;
        }
    }
}

}  // namespace
}  // namespace lottodesk
