#include <gtest/gtest.h>

#include "analysis/transformgrid.h"

namespace lottodesk {
namespace {

const GameParams kDlt{5, 1, 35, 2, 1, 12, true};

t_s_dm history() {
    t_s_dm store;
    for (const DrawRecord& record :
         {DrawRecord{2007001, 3, 9, 11, 20, 35, 11, 2}, DrawRecord{kPredictionPeriod, 0, 1, 2, 3, 4}}) {
        store.Append();
        store.setRecord(store.RecNo(), record);
    }
    return store;
}

TEST(TransformGrid, RowsColumnsAndTexts) {
    TransformGrid grid;
    grid.fill(history(), kDlt, false);
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.columns(), 37);
    EXPECT_TRUE(grid.isSelectionRow(2));
    EXPECT_EQ(grid.columnTitle(0), "期号");
    EXPECT_EQ(grid.columnTitle(9), "09");
    EXPECT_EQ(grid.columnTitle(36), "");
    EXPECT_EQ(grid.rowTitle(0), "2007001");
    EXPECT_EQ(grid.rowTitle(1), "预测区");
    EXPECT_EQ(grid.rowTitle(2), "选号区");
    EXPECT_EQ(grid.rowText(0), "03 09 11 20 35 ");
    EXPECT_EQ(grid.rowText(1), "00 01 02 03 04 ");  // a transformed 0 shows, in no column
    EXPECT_EQ(grid.rowText(2), "");
    grid.fill(history(), kDlt, true);
    EXPECT_EQ(grid.rowText(0), "03 09 11 20 35 | 11,02,");
}

TEST(TransformGrid, BallsAndShades) {
    TransformGrid grid;
    NumberFlags selection{};
    selection[4] = true;
    grid.fill(history(), kDlt, false);
    EXPECT_EQ(grid.ball(0, 11, selection), GridBall::Main);
    EXPECT_EQ(grid.ball(0, 2, selection), GridBall::None);  // a secondary number, not shown
    EXPECT_EQ(grid.ball(2, 4, selection), GridBall::Main);
    EXPECT_EQ(grid.ball(2, 5, selection), GridBall::None);
    EXPECT_EQ(grid.ball(0, 0, selection), GridBall::None);
    grid.fill(history(), kDlt, true);
    EXPECT_EQ(grid.ball(0, 11, selection), GridBall::Secondary);  // both: the secondary ball
    EXPECT_EQ(grid.ball(0, 2, selection), GridBall::Secondary);
    EXPECT_EQ(grid.ball(0, 9, selection), GridBall::Main);
    ZonePartitions partitions;
    partitions.rebuild(35);
    // Two zones of 1..35: 1..17 and 18..35.
    EXPECT_EQ(grid.shade(partitions, 2, 17), grid.shade(partitions, 2, 1));
    EXPECT_NE(grid.shade(partitions, 2, 18), grid.shade(partitions, 2, 1));
    EXPECT_EQ(grid.shade(partitions, 16, 18), 0);  // no such partition: one shade
}

}  // namespace
}  // namespace lottodesk
