#include <gtest/gtest.h>

#include <set>
#include <string>

#include "generator/cataloguerows.h"
#include "generator/conditioncatalogue.h"

namespace lottodesk {
namespace {

struct Named {
    int row;
    const char* id;
};
#define ROW(name) \
    Named { catalogue::name, #name }

// Each enumerator names the row whose registry identifier it spells, and every row with an
// identifier has its enumerator.
TEST(CatalogueRows, EnumeratorsAreTheRegistryIdentifiers) {
    const Named named[] = {
        ROW(z_dsgs),     ROW(z_jsgs),     ROW(z_zsgs),     ROW(z_wzgs),   ROW(z_lmzs),   ROW(z_cmgs),    ROW(z_nmzs),
        ROW(z_3fq_1qgs), ROW(z_3fq_2qgs), ROW(z_3fq_3qgs), ROW(z_c3y0),   ROW(z_c3y1),   ROW(z_c3y2),    ROW(z_jjgs),
        ROW(z_ac),       ROW(z_zdjj),     ROW(z_zxjj),     ROW(z_gwgs),   ROW(z_jhlx),   ROW(z_ohlx),    ROW(z_zhlx),
        ROW(z_hhlx),     ROW(z_maxlh),    ROW(z_gwhe),     ROW(z_hz),     ROW(z_wh),     ROW(z_ylhz),    ROW(xc21),
        ROW(xc32),       ROW(xc43),       ROW(xc54),       ROW(xc65),     ROW(xc76),     ROW(z_pd),      ROW(z_sd),
        ROW(z_lwr_lmgs), ROW(z_lwr_wmgs), ROW(z_lwr_rmgs), ROW(z_num1zf), ROW(z_num2zf), ROW(z_num3zf),  ROW(z_num4zf),
        ROW(z_num5zf),   ROW(z_num6zf),   ROW(z_num7zf),   ROW(z_hzzf),   ROW(z_whzf),   ROW(z_ylhzzf),  ROW(xc31),
        ROW(xc42),       ROW(xc53),       ROW(xc64),       ROW(xc75),     ROW(xc41),     ROW(xc52),      ROW(xc63),
        ROW(xc74),       ROW(xc51),       ROW(xc62),       ROW(xc61),     ROW(xc73),     ROW(xc72),      ROW(xc71),
        ROW(xh21),       ROW(xh32),       ROW(xh43),       ROW(xh54),     ROW(xh65),     ROW(xh76),      ROW(xh31),
        ROW(xh42),       ROW(xh53),       ROW(xh64),       ROW(xh75),     ROW(xh41),     ROW(xh52),      ROW(xh63),
        ROW(xh74),       ROW(xh51),       ROW(xh62),       ROW(xh61),     ROW(xh73),     ROW(xh72),      ROW(xh71),
        ROW(z_num1),     ROW(z_num2),     ROW(z_num3),     ROW(z_num4),   ROW(z_num5),   ROW(z_num6),    ROW(z_num7),
        ROW(z_hw),       ROW(z_jshe),     ROW(z_oshe),     ROW(z_zshe),   ROW(z_hshe),   ROW(z_dxqdshe), ROW(z_dxqxshe),
        ROW(z_dzxqdshe), ROW(z_dzxqzshe), ROW(z_dzxqxshe), ROW(z_c3yshe), ROW(z_c4yshe), ROW(z_c5yshe),  ROW(z_0lhe),
        ROW(z_1lhe),     ROW(z_2lhe),     ROW(z_aver),     ROW(z_c4y0),   ROW(z_c4y1),   ROW(z_c4y2),    ROW(z_c4y3),
        ROW(z_c5y0),     ROW(z_c5y1),     ROW(z_c5y2),     ROW(z_c5y3),   ROW(z_c5y4),   ROW(z_num1yl),  ROW(z_num2yl),
        ROW(z_num3yl),   ROW(z_num4yl),   ROW(z_num5yl),   ROW(z_num6yl), ROW(z_num7yl), ROW(z_pdyl),    ROW(z_sdyl),
        ROW(z_averyl),   ROW(z_hzyl),     ROW(z_hwyl),     ROW(z_whyl),
    };
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

#undef ROW

}  // namespace
}  // namespace lottodesk
