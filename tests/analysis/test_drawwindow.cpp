#include <gtest/gtest.h>

#include <cstdint>

#include "analysis/columnorder.h"
#include "analysis/drawwindow.h"
#include "support/games.h"

namespace lottodesk {
namespace {

TEST(DrawWindow, RecentWindowsLeaveThePredictionRecordOut) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 7}, {2, 3, 4, 5, 6, 7, 8}, {3, 4, 5, 6, 7, 8, 9}});
    test::addPrediction(store, {1, 2, 3, 4, 5, 6});
    const DrawHistory h = DrawHistory::of(store);
    EXPECT_EQ(lastDrawRecord(h), 3);
    EXPECT_EQ(recentWindow(h, 5), (DrawWindow{3, 3}));  // 5 of 3 draws: all three
    EXPECT_EQ(recentWindow(h, 2), (DrawWindow{3, 2}));
    EXPECT_EQ(recentWindow(h, 0), (DrawWindow{3, 3}));  // "所有"
    EXPECT_EQ(windowCaption(recentWindow(h, 2)), "共2期");
    EXPECT_EQ(drawPeriods(h), (std::vector<int32_t>{2020001, 2020002, 2020003}));
    EXPECT_EQ(drawRecordOfPeriod(h, kPredictionPeriod), 0);
    EXPECT_EQ(periodWindow(h, 2020002, kPredictionPeriod), DrawWindow{});
}

TEST(DrawWindow, CustomWindows) {
    t_s_dm store;
    test::fill(store, {{1}, {2}, {3}, {4}});
    const DrawHistory h = DrawHistory::of(store);
    EXPECT_EQ(periodWindow(h, 2020002, 2020004), (DrawWindow{4, 3}));
    EXPECT_EQ(periodWindow(h, 2020003, 2020003), (DrawWindow{3, 1}));  // from = to: one draw
    const DrawWindow backwards = periodWindow(h, 2020004, 2020002);    // start after end
    EXPECT_TRUE(backwards.empty());
    EXPECT_EQ(backwards.end, 2) << "the end draw is kept for the window's end period";
    EXPECT_EQ(windowCaption(backwards), "共0期");
    EXPECT_EQ(periodWindow(h, 2019001, 2020002), DrawWindow{});  // not a draw of the history
    EXPECT_EQ(defaultCustomWindow(h), (DrawWindow{4, 4}));       // fewer than 100: from the first
}

TEST(DrawWindow, EmptyAndLongHistories) {
    t_s_dm empty;
    const DrawHistory none = DrawHistory::of(empty);
    EXPECT_EQ(recentWindow(none, 100), DrawWindow{});
    EXPECT_EQ(defaultCustomWindow(none), DrawWindow{});
    EXPECT_EQ(windowCaption(recentWindow(none, 0)), "共0期");

    t_s_dm ssq;
    test::fillSsq(ssq);
    const DrawHistory h = DrawHistory::of(ssq);
    const DrawWindow d = defaultCustomWindow(h);
    EXPECT_EQ(d.count, 100);
    EXPECT_EQ(h.record(d.first())[0], 2025148);  // the 100th most recent draw
}

TEST(ColumnOrder, TheOrdersOfTheTypeList) {
    ASSERT_EQ(columnOrderNames().size(), 21u);
    EXPECT_EQ(columnOrderNames()[0], "常规顺序");
    EXPECT_EQ(columnOrderNames()[2], "按奇偶");
    EXPECT_EQ(columnOrderNames()[20], "按除20余数");
    EXPECT_EQ(columnOrder(0, 1, 5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(columnOrder(1, 1, 10), (std::vector<int>{1, 2, 3, 5, 7, 4, 6, 8, 9, 10}));  // 1 counts as prime
    EXPECT_EQ(columnOrder(2, 1, 7), (std::vector<int>{2, 4, 6, 1, 3, 5, 7}));
    EXPECT_EQ(columnOrder(3, 0, 9), (std::vector<int>{0, 3, 6, 9, 1, 4, 7, 2, 5, 8}));
    EXPECT_EQ(columnOrder(20, 1, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(columnOrder(99, 1, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(columnOrder(3, 5, 4).empty());
}

TEST(ColumnOrder, RangesAtTheEndsOfTheIntegers) {
    constexpr int top = INT32_MAX, bottom = INT32_MIN;
    EXPECT_EQ(columnOrder(0, top - 2, top), (std::vector<int>{top - 2, top - 1, top}));
    EXPECT_EQ(columnOrder(1, top - 2, top), (std::vector<int>{top, top - 2, top - 1}));  // 2^31 - 1 is prime
    EXPECT_EQ(columnOrder(2, top - 2, top), (std::vector<int>{top - 1, top - 2, top}));
    EXPECT_EQ(columnOrder(3, top - 3, top), (std::vector<int>{top - 1, top - 3, top, top - 2}));
    EXPECT_EQ(columnOrder(0, top, top), (std::vector<int>{top}));
    EXPECT_EQ(columnOrder(0, bottom, bottom + 1), (std::vector<int>{bottom, bottom + 1}));
    EXPECT_EQ(columnOrder(2, bottom, bottom + 1), (std::vector<int>{bottom, bottom + 1}));
}

}  // namespace
}  // namespace lottodesk
