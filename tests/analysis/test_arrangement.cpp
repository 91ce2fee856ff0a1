#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "analysis/arrangement.h"
#include "core/fileio.h"
#include "core/gbk.h"
#include "support/games.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

DrawRecord draw(std::initializer_list<int32_t> numbers) {
    DrawRecord r{};
    r[0] = 2020001;
    size_t slot = 1;
    for (int32_t n : numbers) r[slot++] = n;
    return r;
}

const GameParams kSsq{6, 1, 33, 1, 1, 16, true};

TEST(Arrangement, RegularGridOfOneDraw) {
    const DrawRecord r = draw({1, 2, 3, 4, 5, 6, 9});
    PatternGrid grid = patternGrid(regularOf(6, 6), r.data(), kSsq, PatternZone::Main, false);
    EXPECT_EQ(grid.lit.count(), 6u);
    EXPECT_EQ(grid.emptyRows, (std::vector<bool>{false, true, true, true, true, true}));
    EXPECT_EQ(std::count(grid.emptyColumns.begin(), grid.emptyColumns.end(), true), 0);
    // Both zones: the blue 9 lights cell 8 (row 2, column 3).
    grid = patternGrid(regularOf(6, 6), r.data(), kSsq, PatternZone::Both, false);
    EXPECT_TRUE(grid.lit.test(8));
    EXPECT_FALSE(grid.emptyRows[1]);
    // Tail mode on the 2 x 5 digit grid: 1..6 light digits 1..6.
    grid = patternGrid(regularOf(2, 5, true), r.data(), kSsq, PatternZone::Main, true);
    EXPECT_EQ(grid.lit.count(), 6u);
    EXPECT_FALSE(grid.lit.test(0));
    EXPECT_EQ(grid.emptyRows, (std::vector<bool>{false, false, false, false, true}));
}

TEST(Arrangement, FilesRoundTripAndRefuseWhatTheyCannotHold) {
    Arrangement a = regularOf(3, 2);
    a.name = "小矩阵";
    a.cells = {};
    a.cells.fill(kEmptyCell);
    for (int p : {0, 2, 4}) a.cells[static_cast<size_t>(p)] = static_cast<uint8_t>(p + 10);
    EXPECT_EQ(arrangementText(a), "小矩阵\n3\n2\n10 99 12 \n99 14 99 \n");
    const ArrangementRead back = parseArrangement(arrangementText(a));
    ASSERT_TRUE(back.status) << back.status.message;
    EXPECT_EQ(back.arrangement, a);
    // A "空" cell never lights.
    const DrawRecord r = draw({10, 11, 12, 13, 14, 99, 1});
    EXPECT_EQ(patternGrid(back.arrangement, r.data(), kSsq, PatternZone::Main, false).lit.count(), 3u);

    struct Case {
        const char* text;
        const char* message;  // the start of the refusal; empty: read
    };
    const Case cases[] = {
        {"名\n6\n", "行列式文件不完整"},
        {"名\n0\n6\n", "行列式文件的列数和行数应为1到33的整数"},
        {"名\n6\n34\n", "行列式文件的列数和行数应为1到33的整数"},
        {"名\nsix\n6\n", "行列式文件的列数和行数应为1到33的整数"},
        {"名\n6\n6\n01 02 x3\n", "行列式文件中有无效的号码：x3"},
        {"名\n6\n6\n01 100\n", "行列式文件中有无效的号码：100"},
        {"名\r\n2\r\n2\r\n01 02\r\n03 04\r\n", ""},
        {"名\n6\n6\n", ""},  // no cells: all empty
    };
    for (const Case& c : cases) {
        const ArrangementRead read = parseArrangement(c.text);
        EXPECT_EQ(read.status.ok, *c.message == 0) << c.text;
        if (*c.message) EXPECT_EQ(read.status.message.rfind(c.message, 0), 0u) << read.status.message;
    }
    EXPECT_EQ(parseArrangement("名\r\n2\r\n2\r\n01 02\r\n03 04\r\n").arrangement.cells[3], 4);
    // More than 100 values: the first hundred are read.
    std::string many = "名\n10\n10\n";
    for (int i = 0; i < 120; ++i) many += "07 ";
    EXPECT_TRUE(parseArrangement(many).status);
}

TEST(Arrangement, TheListAndTheBuiltInSlotsComeWithTheProgram) {
    test::TempFolder home;
    const std::string folder = home.path();
    const std::vector<std::string> names = loadArrangementList(folder);
    ASSERT_EQ(names.size(), 11u);
    EXPECT_EQ(names[0], "常规行列式");
    EXPECT_EQ(names[10], "内置行列式10");
    const std::vector<Arrangement> builtins = builtinArrangements();
    for (int k = 1; k <= kBuiltinArrangements; ++k) {
        const ArrangementRead read = loadArrangement(builtinArrangementPath(folder, k));
        ASSERT_TRUE(read.status) << read.status.message;
        EXPECT_EQ(read.arrangement, builtins[static_cast<size_t>(k - 1)]) << k;
        // Every built-in places each number at most once.
        std::vector<int> seen(100, 0);
        for (int p = 0; p < read.arrangement.used(); ++p) ++seen[read.arrangement.cells[static_cast<size_t>(p)]];
        for (int v = 0; v < 99; ++v) EXPECT_LE(seen[static_cast<size_t>(v)], 1) << k << " value " << v;
    }
    // A renamed slot is kept.
    std::vector<std::string> renamed = names;
    renamed[3] = "我的矩阵";
    ASSERT_TRUE(saveArrangementList(folder, renamed));
    EXPECT_EQ(loadArrangementList(folder), renamed);
}

TEST(Arrangement, RandomOrderIsASeededPermutationOfTheUsedCells) {
    RandomSource a(7), b(7);
    const Arrangement first = randomOrder(5, 4, a);
    EXPECT_EQ(first, randomOrder(5, 4, b));
    EXPECT_EQ(first.name, "随机行列式");
    std::vector<int> used(first.cells.begin(), first.cells.begin() + 20);
    std::sort(used.begin(), used.end());
    for (int p = 0; p < 20; ++p) EXPECT_EQ(used[static_cast<size_t>(p)], p + 1);
    EXPECT_EQ(first.cells[20], 21) << "cells past R x C keep their regular values";
}

TEST(Arrangement, RowAndColumnGroupsAndTheirTexts) {
    // Row 1 of the 2 x 5 tail arrangement: tails 0 and 1.
    EXPECT_EQ(groupOf(regularOf(2, 5, true), {0}, {}), (std::vector<int32_t>{0, 1}));
    // Row 1 and column 6 of the regular 6 x 6.
    EXPECT_EQ(groupOf(regularOf(6, 6), {0}, {5}), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 12, 18, 24, 30, 36}));
    EXPECT_EQ(countsIn("0 3", 6), (std::vector<int32_t>{0, 3}));
    EXPECT_EQ(countsIn("", 6), (std::vector<int32_t>{}));
    EXPECT_EQ(digitsIn("1 2 4"), (std::vector<int32_t>{1, 2, 4}));
    EXPECT_EQ(groupCaption({0, 1}, {2}, false, false), "行：一,二, 列：3, 的奖号出现个数走势图（过滤助手）");
    EXPECT_EQ(groupCaption({0}, {}, true, true), "行：一, 列： 的开奖尾号(重复号仅计算一次)出现个数走势图(过滤助手)");
    EXPECT_EQ(emptyLinesIdentifier(2, 6, 6), "c_hnskhkn_2_6_6");
    EXPECT_EQ(lineShapeIdentifier(0, 7, 5), "c_hnszhxt_0_7_5");
}

TEST(Arrangement, AssistantSeriesAgreeWithTheGridOnRealHistory) {
    Workspace ws("/nonexistent/");
    test::fillSample(ws.sjk, test::sampleGames()[0]);
    const Arrangement a = builtinArrangements()[0];  // 7 x 5
    const std::vector<int32_t> emptyRows = arrangementSeries(ws, a.cells, emptyLinesIdentifier(0, 7, 5));
    const std::vector<int32_t> shape = arrangementSeries(ws, a.cells, lineShapeIdentifier(1, 7, 5));
    const std::vector<int32_t> group = groupOf(a, {0}, {6});
    const std::vector<int32_t> counts = groupCountSeries(ws.sjk, ws.game, group, false, false);
    const std::vector<int32_t> tailCounts = groupCountSeries(ws.sjk, ws.game, {3, 7}, true, true);
    for (int n = 1; n <= ws.sjk.RecordCount(); n += 5) {
        const PatternGrid grid = patternGrid(a, ws.sjk.record(n), ws.game, PatternZone::Main, false);
        ASSERT_EQ(emptyRows[static_cast<size_t>(n)], std::count(grid.emptyRows.begin(), grid.emptyRows.end(), true));
        int32_t bits = 0;
        for (size_t c = 0; c < grid.emptyColumns.size(); ++c)
            if (!grid.emptyColumns[c]) bits |= 1 << c;
        ASSERT_EQ(shape[static_cast<size_t>(n)], bits);
        int32_t inGroup = 0;
        bool tail3 = false, tail7 = false;
        for (int i = 1; i <= 6; ++i) {
            const int32_t v = ws.sjk.record(n)[i];
            inGroup += std::count(group.begin(), group.end(), v) > 0;
            tail3 = tail3 || v % 10 == 3;
            tail7 = tail7 || v % 10 == 7;
        }
        ASSERT_EQ(counts[static_cast<size_t>(n)], inGroup);
        ASSERT_EQ(tailCounts[static_cast<size_t>(n)], int(tail3) + int(tail7));
    }
}

}  // namespace
}  // namespace lottodesk
