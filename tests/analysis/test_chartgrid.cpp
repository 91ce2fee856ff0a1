#include <gtest/gtest.h>

#include "analysis/chartgrid.h"
#include "core/fileio.h"
#include "core/gbktext.h"
#include "support/history.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

struct SsqWorkspace {
    SsqWorkspace() : ws("/nonexistent/") {
        test::setUpSsq(ws);
        ws.current().zhname = "红号";
        ws.current().specname = "蓝号";
    }
    Workspace ws;
};

// The marked columns of record n, block by block.
std::vector<int> markedColumns(const ChartData& d, int n) {
    std::vector<int> columns;
    for (size_t b = 0; b < d.blocks.size(); ++b) {
        const int m = d.mark(n, static_cast<int>(b));
        columns.push_back(m < 0 ? -1 : d.blocks[b].first + m);
    }
    return columns;
}

TEST(ChartGrid, PropertyChartsOfTheFirstDraws) {
    SsqWorkspace s;
    // 2003001: 10 11 12 13 26 28 + 11. Blocks of ten tails at j·11 + 1, separated by a hidden column.
    const ChartData tails = propertyChart(s.ws, PropertyKind::Tail);
    ASSERT_EQ(tails.blocks.size(), 7u);
    EXPECT_EQ(tails.columns, 77);
    EXPECT_EQ(tails.blocks[0].title, "红号1");
    EXPECT_EQ(tails.blocks[6].title, "蓝号");
    EXPECT_EQ(tails.widths[11], 0);
    EXPECT_EQ(tails.headerText(1, 13), "1");
    EXPECT_EQ(markedColumns(tails, 1), (std::vector<int>{1, 13, 25, 37, 51, 64, 68}));
    EXPECT_EQ(tails.markText(1, 4), "6");
    EXPECT_EQ(tails.rowLabels[0], "2003001");
    // 2003002: 04 09 19 20 21 26 + 12 as odd/even: 偶 奇 奇 偶 奇 偶 偶.
    const ChartData parity = propertyChart(s.ws, PropertyKind::OddEven);
    EXPECT_EQ(markedColumns(parity, 2), (std::vector<int>{2, 4, 7, 11, 13, 17, 20}));
    EXPECT_EQ(parity.markText(2, 0), "偶");
    // Primes (1 counts as prime): 2003003 01 07 10 23 28 32 + 16 → 质 质 合 质 合 合 合.
    const ChartData primes = propertyChart(s.ws, PropertyKind::PrimeComposite);
    EXPECT_EQ(markedColumns(primes, 3), (std::vector<int>{1, 4, 8, 10, 14, 17, 20}));
}

TEST(ChartGrid, ExtendedCharts) {
    SsqWorkspace s;
    const ChartData sums = extendedChart(s.ws, ExtendedKind::Sum, 3);
    EXPECT_EQ(sums.fixedColumns, 2);
    EXPECT_EQ(sums.headerText(0, 1), "开奖号");
    EXPECT_EQ(sums.headerText(0, 3), "红球和值分布");
    EXPECT_EQ(sums.headerText(1, 10), "161以上");
    EXPECT_EQ(sums.widths[2], 40);
    EXPECT_EQ(sums.widths[3], 60);
    // 10 + 11 + 12 + 13 + 26 + 28 = 100: "81-100"; no text.
    EXPECT_EQ(sums.fixedTexts[0], "10 11 12 13 26 28 - 11 ");
    EXPECT_EQ(sums.fixedTexts[1], "100");
    EXPECT_EQ(markedColumns(sums, 1), (std::vector<int>{6}));
    EXPECT_EQ(sums.markText(1, 0), "");
    for (auto [sum, cls] : {std::pair{40, 0}, {41, 1}, {60, 1}, {61, 2}, {140, 5}, {141, 6}, {160, 6}, {161, 7}})
        EXPECT_EQ(sumClass(sum), cls) << sum;

    const ChartData counts = extendedChart(s.ws, ExtendedKind::Counts, 3);
    ASSERT_EQ(counts.blocks.size(), 7u);
    EXPECT_EQ(counts.blocks[1].first, 9);  // adjoining blocks of 7 from column 2
    EXPECT_EQ(counts.blocks[0].title, "大数个数");
    // 2003001 holds two big numbers (above 16) and two odd ones (11, 13).
    EXPECT_EQ(counts.mark(1, 0), 2);
    EXPECT_EQ(counts.mark(1, 1), 2);
    EXPECT_EQ(counts.markText(1, 1), "2");

    const ChartData zones = extendedChart(s.ws, ExtendedKind::Zones, 3);
    ASSERT_EQ(zones.blocks.size(), 3u);
    EXPECT_EQ(zones.blocks[0].title, "3-1分区个数");
    // 1..11 | 12..22 | 23..33: 10 11 → 2; 12 13 → 2; 26 28 → 2.
    EXPECT_EQ(markedColumns(zones, 1), (std::vector<int>{4, 11, 18}));
}

TEST(ChartGrid, FieldChartWithTheDefaultTemplate) {
    SsqWorkspace s;
    const FieldTemplate t = defaultFieldTemplate("田野走势图1");
    EXPECT_EQ(templateColumn(t, 14), 1);  // 02 08 14 20 26 32
    EXPECT_EQ(templateColumn(t, 0), 5);   // found nowhere: the last column
    EXPECT_EQ(templateColumn(t, 36), 5);
    const ChartData d = fieldChart(s.ws, t, false);
    EXPECT_EQ(d.headerRows, 7);
    EXPECT_EQ(d.headerText(1, 1), "01");
    EXPECT_EQ(d.headerText(6, 6), "36");
    EXPECT_EQ(d.headerText(2, 8), "07");  // the second block repeats the template
    // 2003001: 10 → matrix column 4 (04 10 ...), 11 → 5, 12 → 6, 13 → 1, 26 → 2, 28 → 4; 11 → 5.
    EXPECT_EQ(markedColumns(d, 1), (std::vector<int>{4, 12, 20, 22, 30, 39, 47}));
    EXPECT_EQ(d.markText(1, 0), "10");
    const ChartData tails = fieldChart(s.ws, t, true);
    EXPECT_EQ(tails.blocks[0].title, "红号1尾");
    EXPECT_EQ(tails.mark(1, 0), 5);  // tail 0: nowhere, the sixth column
    EXPECT_EQ(tails.markText(1, 0), "0");
    FieldTemplate gaps = t;
    gaps.values[0] = kEmptyTemplateCell;
    EXPECT_EQ(fieldChart(s.ws, gaps, false).headerText(1, 1), "");
}

TEST(ChartGrid, PagingSelectionRowAndTrendLines) {
    SsqWorkspace s;
    const ChartData d = propertyChart(s.ws, PropertyKind::Tail);
    t_s_grid grid;
    grid.setLayout(d);
    EXPECT_EQ(grid.visibleRows(20 + 2 * 20 + 10 * 20 + 5), 10);
    EXPECT_EQ(grid.visibleRows(5000), 38);
    EXPECT_EQ(t_s_grid::defaultFirstRecord(5, 10), 1);
    const int first = t_s_grid::defaultFirstRecord(d.records, 10);
    EXPECT_EQ(first, d.records - 8);
    EXPECT_EQ(grid.fill(d, first, 10, 0), 10);
    EXPECT_EQ(grid.recordAt(8), d.records);  // the newest on the second-to-last row
    EXPECT_EQ(grid.selectionRow(), 2 + 9);
    EXPECT_EQ(grid.cell(0, 11).text, "选号区");
    EXPECT_EQ(grid.cell(1, 0).mergeTo, 10);
    // Trend line: block 0 of row 0 runs to the mark of row 1.
    const int above = d.mark(first, 0), below = d.mark(first + 1, 0);
    EXPECT_EQ(grid.cell(1 + above, 2).link, 1 + below);
    EXPECT_TRUE(grid.cell(1 + above, 2).marked);
    EXPECT_EQ(grid.cell(1 + above, 2).frame, 0);
    EXPECT_EQ(grid.cell(d.blocks[6].first + d.mark(first, 6), 2).frame, 6);
    // Selection: mark, move within the block, clear.
    grid.clickSelection(3);
    EXPECT_TRUE(grid.cell(3, 11).marked);
    EXPECT_EQ(grid.cell(3, 11).text, "2");
    grid.clickSelection(5);
    EXPECT_FALSE(grid.cell(3, 11).marked);
    EXPECT_TRUE(grid.cell(5, 11).marked);
    grid.clickSelection(14);  // another block keeps the first
    EXPECT_TRUE(grid.cell(5, 11).marked);
    grid.clickSelection(5);
    EXPECT_FALSE(grid.cell(5, 11).marked);
    grid.clickSelection(11);  // the hidden separator: nothing
    // The selection survives a scroll and a refill; a highlight lights the whole row.
    grid.fill(d, first - 3, 10, first);
    EXPECT_EQ(grid.selectionRow(), -1);
    EXPECT_TRUE(grid.cell(0, 2 + 3).highlighted);
    grid.fill(d, first, 10, 0);
    EXPECT_TRUE(grid.cell(14, 11).marked);
    grid.clearSelection();
    grid.fill(d, first, 10, 0);
    EXPECT_FALSE(grid.cell(14, 11).marked);
    // Fewer records than rows: the oldest first, the selection row follows the newest.
    Workspace few("/nonexistent/");
    test::fill(few.sjk, {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 12, 2}});
    few.game = {6, 1, 33, 1, 1, 16, true};
    const ChartData small = propertyChart(few, PropertyKind::OddEven);
    grid.setLayout(small);
    EXPECT_EQ(grid.fill(small, t_s_grid::defaultFirstRecord(small.records, 10), 10, 0), 3);
    EXPECT_EQ(grid.selectionRow(), 4);
}

TEST(ChartGrid, GrowsForManyNumbersPerDraw) {
    Workspace ws("/nonexistent/");
    // Ten main and two secondary numbers: 12 blocks of tails need 131 columns.
    test::fill(ws.sjk, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2}, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 3, 4}});
    ws.game = {10, 1, 80, 2, 1, 20, true};
    ws.partitions.rebuild(80);
    const ChartData d = propertyChart(ws, PropertyKind::Tail);
    EXPECT_EQ(d.columns, 12 * 11);
    t_s_grid grid;
    grid.setLayout(d);
    grid.fill(d, 1, 10, 0);
    EXPECT_TRUE(grid.cell(d.blocks[11].first + 4, 3).marked);
    // Counts of up to ten: blocks of eleven columns.
    const ChartData counts = extendedChart(ws, ExtendedKind::Counts, 3);
    EXPECT_EQ(counts.blocks[0].count, 11);
}

TEST(ChartGrid, TemplateFiles) {
    test::TempFolder folder;
    const std::string root = folder.path();
    const TemplateListLoad list = loadTemplateList(root);
    ASSERT_EQ(list.names.size(), 10u);
    EXPECT_EQ(list.names[0], "田野走势图1");
    EXPECT_EQ(list.names[9], "田野走势图10");
    EXPECT_TRUE(fileExists(templateListPath(root)));
    const TemplateLoad made = loadFieldTemplate(root, 0, list.names[0]);
    EXPECT_TRUE(made.message.empty());
    EXPECT_EQ(made.chosen, defaultFieldTemplate("田野走势图1"));
    const std::string text = readGbkText(templatePath(root, 0)).text;
    EXPECT_EQ(text.substr(0, text.find("02")), "田野走势图1\n6\n6\n01 ");
    EXPECT_NE(text.find("01 02 03 04 05 06 \n07 08"), std::string::npos);
    // A template of its own: 3 columns, 2 rows, an empty cell.
    saveGbkText(templatePath(root, 1), "单双\n3\n2\n1 3 5\n2 4 99\n");
    const TemplateLoad own = loadFieldTemplate(root, 1, "x");
    EXPECT_TRUE(own.message.empty());
    EXPECT_EQ(own.chosen.name, "单双");
    EXPECT_EQ(own.chosen.columns, 3);
    EXPECT_EQ(own.chosen.at(2, 1), kEmptyTemplateCell);
    // Malformed files stay as they are; the default is used and the file named.
    for (const char* bad : {"a\n11\n2\n1 2\n", "a\n2\n2\n1 2 3\n", "a\n2\n1\n1 x\n", "a\n2\n1\n1 256\n", "a\n0\n1\n",
                            "a\n2\n1\n-1 3\n", "", "a"}) {
        saveGbkText(templatePath(root, 2), bad);
        const std::string before = test::readFile(templatePath(root, 2));
        const TemplateLoad load = loadFieldTemplate(root, 2, "田野走势图3");
        EXPECT_NE(load.message.find(templatePath(root, 2)), std::string::npos) << bad;
        EXPECT_EQ(load.chosen, defaultFieldTemplate("田野走势图3")) << bad;
        EXPECT_EQ(test::readFile(templatePath(root, 2)), before) << bad;
    }
}

}  // namespace
}  // namespace lottodesk
