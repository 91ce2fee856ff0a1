#include <gtest/gtest.h>

#include <fstream>

#include "analysis/indicatorcombos.h"
#include "core/fileio.h"
#include "core/gbk.h"
#include "core/workspace.h"
#include "formula/precheck.h"
#include "formula/tgs.h"
#include "support/games.h"
#include "indicators/context.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

TEST(IndicatorCombos, ExtendedIdentifiersWithTheirDefaultsAndStyles) {
    struct Case {
        ExtendedSeriesKind kind;
        int style;
        std::vector<int32_t> values;  // empty: the defaults
        const char* id;
    };
    const Case cases[] = {
        {ExtendedSeriesKind::Count, 1, {}, "c_lwr_30_0_2"},
        {ExtendedSeriesKind::Similar, 0, {}, "c_same_0_10_2"},
        {ExtendedSeriesKind::Omission, 1, {2, 5}, "c_ylz_1_2_5"},
        {ExtendedSeriesKind::Skip, 0, {}, "c_gqch_0_1_1"},
        {ExtendedSeriesKind::Zone, 0, {}, "c_fq_0_4_1"},
        {ExtendedSeriesKind::Remainder, 1, {}, "c_ys_1_6_0"},
        {ExtendedSeriesKind::Difference, 1, {}, "c_cz_2"},
        {ExtendedSeriesKind::Sum, 0, {}, "c_hz_34"},
        {ExtendedSeriesKind::PrevDifference, 0, {3}, "c_xw_cz_3"},
        {ExtendedSeriesKind::PrevSum, 0, {}, "c_xw_hz_34"},
        {ExtendedSeriesKind::SameSpot, 1, {4, 12}, "c_twyc_1_4_12"},
    };
    Workspace ws("/nonexistent/");
    test::fillSample(ws.sjk, test::sampleGames()[0]);
    ws.partitions.rebuild(ws.game.zh_to);
    SeriesMemo memo;
    for (const Case& c : cases) {
        const std::string id = extendedIdentifier(c.kind, c.style, c.values);
        EXPECT_EQ(id, c.id);
        // Every composed identifier is one the registry computes.
        const EvalResult r = tgs(id).evaluate(indicatorContext(ws, &memo), ws.sjk.RecordCount());
        EXPECT_TRUE(r.ok) << id << ": " << r.message;
    }
    EXPECT_EQ(extendedKinds().size(), 11u);
}

TEST(IndicatorCombos, CombinationAndPatternIdentifiers) {
    EXPECT_EQ(combinationFeatureIdentifier({"z_num1_w", "z_num2_w", "z_num3_w"}, 0),
              "getzb(c_zhfx:z_num1_w|z_num2_w|z_num3_w:0)");
    // The boxes count up to the first empty one, whatever follows it.
    EXPECT_EQ(combinationFeatureIdentifier({"z_num1", " z_num2 ", "", "z_num4", "z_num5"}, 29),
              "getzb(c_zhfx:z_num1|z_num2:29)");
    EXPECT_EQ(combinationFeatureIdentifier({"z_num1"}, 99), "getzb(c_zhfx:z_num1:0)");
    EXPECT_EQ(combinationFeatureIdentifier({"", "z_num2"}, 1), "");
    EXPECT_EQ(combinationFeatures().size(), 30u);

    EXPECT_EQ(patternIdentifier({"z_num1_w", "z_num2_w", "z_num3_w"}, 6), "c_3zbzh:z_num1_w|z_num2_w|z_num3_w:6");
    EXPECT_EQ(patternIdentifier({"z_num1", "z_num6"}, 14 + 2), "c_2zbzh:z_num1|z_num6:16");
    EXPECT_EQ(patternTypes().size(), 14u);
    EXPECT_EQ(morePatternMeasures().size(), 17u);
    const std::vector<std::string> lines = patternValueLines(3, 6);  // "尾的单选大中小"
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0].rfind("0=  ", 0), 0u);
    EXPECT_EQ(lines[26].rfind("26=  ", 0), 0u);
    EXPECT_EQ(patternValueLines(2, 0)[2], "2=  奇偶");
    EXPECT_EQ(patternValueLines(2, 1)[1], "1=  一偶一奇");
}

TEST(IndicatorCombos, CommonCombinationFiles) {
    test::TempFolder home;
    const std::string path = home.file("save/zbzhfx.txt");
    // A missing file is created with the defaults.
    CommonCombinationLoad load = loadCommonCombinations(path, defaultFeatureCombinations());
    ASSERT_TRUE(load.status) << load.status.message;
    EXPECT_EQ(load.entries, defaultFeatureCombinations());
    EXPECT_TRUE(fileExists(path));
    // Names are GBK on disk; blanks and empty lines are free.
    std::ofstream(path, std::ios::binary) << utf8ToGbk("首尾  z_num1\tz_num6\r\n\r\n   \r\n三个 a b c d e f g h\r\n");
    load = loadCommonCombinations(path, {});
    ASSERT_EQ(load.entries.size(), 2u);
    EXPECT_EQ(load.entries[0], (CommonCombination{"首尾", {"z_num1", "z_num6"}}));
    EXPECT_EQ(boxesOf(load.entries[1], 7), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g"}));
    EXPECT_EQ(boxesOf(load.entries[0], 3), (std::vector<std::string>{"z_num1", "z_num6", ""}));
    ASSERT_TRUE(saveCommonCombinations(path, load.entries));
    EXPECT_EQ(loadCommonCombinations(path, {}).entries, load.entries);
    // A folder that cannot be made: the message, no entries.
    std::ofstream(home.file("plain")) << "x";
    load = loadCommonCombinations(home.file("plain/zbzhxt.txt"), defaultPatternCombinations());
    EXPECT_FALSE(load.status);
    EXPECT_TRUE(load.entries.empty());
}

TEST(IndicatorCombos, MosaicLinesAndFiles) {
    struct Case {
        const char* line;
        MosaicEntry entry;
    };
    const Case cases[] = {
        {"z_hz 和值", {"z_hz", "和值"}},
        {"z_hz", {"z_hz", "z_hz"}},
        {" 分隔", {"", "分隔"}},
        {"getylz(z_hz)   和值 遗漏\r", {"getylz(z_hz)", "和值 遗漏"}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseMosaicLine(c.line), c.entry) << c.line;
    EXPECT_EQ(mosaicLine({"", "分隔"}), " 分隔");

    test::TempFolder home;
    const std::string path = home.file("database/zbzh.zbz");
    EXPECT_FALSE(loadMosaic(path).status) << "a missing file is an error unless the default is wanted";
    MosaicLoad load = loadMosaic(path, true);
    ASSERT_TRUE(load.status) << load.status.message;
    EXPECT_EQ(load.entries, defaultMosaic());
    std::vector<MosaicEntry> entries = {{"z_kd", "跨度"}, {"", "——"}, {"z_hz", "z_hz"}};
    ASSERT_TRUE(saveMosaic(path, entries));
    EXPECT_EQ(loadMosaic(path).entries, entries);
}

TEST(IndicatorCombos, MosaicTableOnRealHistory) {
    Workspace ws("/nonexistent/");
    test::fillSample(ws.sjk, test::sampleGames()[0]);
    ws.partitions.rebuild(ws.game.zh_to);
    const int last = ws.sjk.RecordCount();
    std::vector<MosaicEntry> entries = defaultMosaic();
    entries.push_back({"", "说明"});
    entries.push_back({"z_hz+(", "坏"});
    const ComboTable table = mosaicTable(ws, entries, last - 9, last + 5);
    ASSERT_EQ(table.rows.size(), 10u);
    EXPECT_EQ(table.header[0], "期数");
    EXPECT_EQ(table.header[2], "和值");
    const std::vector<std::string>& row = table.rows.back();
    EXPECT_EQ(row[0], "2026096");
    EXPECT_EQ(row[1], "01 04 16 22 26 31-04");
    EXPECT_EQ(row[2], "100");
    for (size_t c = 2; c < 2 + defaultMosaic().size(); ++c)
        EXPECT_EQ(row[c].find("公式有误"), std::string::npos) << table.header[c] << ": " << row[c];
    EXPECT_EQ(row[row.size() - 2], "");
    EXPECT_EQ(row.back().rfind("公式有误:", 0), 0u);
    EXPECT_TRUE(mosaicTable(ws, entries, 5, 4).rows.empty());
}

TEST(IndicatorCombos, PatternTable) {
    Workspace ws("/nonexistent/");
    test::fill(ws.sjk, {{3, 8, 10, 20, 21, 30, 5}, {2, 4, 9, 11, 15, 33, 1}});
    ws.partitions.rebuild(ws.game.zh_to);
    ComboTable table = patternTable(ws, {"z_num1", "z_num2"}, 1, 2);
    ASSERT_TRUE(table.status) << table.status.message;
    ASSERT_EQ(table.header.size(), 2u + 2u + 14u);
    EXPECT_EQ(table.header[4], "单选奇偶");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][1], "03 08 10 20 21 30-05");
    EXPECT_EQ(table.rows[0][2], "3");
    EXPECT_EQ(table.rows[0][4], "奇偶");      // 3 odd, 8 even
    EXPECT_EQ(table.rows[0][5], "一偶一奇");  // group choice
    EXPECT_EQ(table.rows[1][4], "偶偶");
    table = patternTable(ws, {"z_num1", "z_hz+("}, 1, 2);
    EXPECT_FALSE(table.status);
    EXPECT_TRUE(table.rows.empty());
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

// Every formula the program ships as a default names real indicators: a default that read -999
// on every row (the span is `xc61`; there is no `z_kd`) would show a column of nothing.
TEST(ShippedDefaults, EveryFormulaPassesTheEntryCheck) {
    std::vector<std::string> formulas;
    for (const MosaicEntry& entry : defaultMosaic())
        if (!entry.formula.empty()) formulas.push_back(entry.formula);
    for (const auto& list : {defaultFeatureCombinations(), defaultPatternCombinations()})
        for (const CommonCombination& combination : list)
            formulas.insert(formulas.end(), combination.indicators.begin(), combination.indicators.end());
    ASSERT_GT(formulas.size(), 20u);
    for (const std::string& formula : formulas) EXPECT_EQ(precheckEnteredFormula(formula), "") << formula;
    EXPECT_EQ(defaultPatternCombinations().back().indicators, (std::vector<std::string>{"z_hz", "xc61"}));
}

}  // namespace
}  // namespace lottodesk
