#include <gtest/gtest.h>

#include <cstdlib>

#include "analysis/combinedpatterns.h"
#include "support/games.h"

namespace lottodesk {
namespace {

// A literal reading of the table's definition, kept apart from the engine.
namespace literal {

bool prime(int v) {
    if (v == 1 || v == 2) return true;
    if (v < 3) return false;
    for (int d = v - 1; d >= 2; --d)
        if (v % d == 0) return false;
    return true;
}

std::string two(int n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); }

std::string cls(int v, int option, int n, bool tails, const ZonePartitions& p) {
    switch (option) {
    case 0:
        if (tails) return v >= 5 ? "1" : "0";
        return v > p.of(2)[1] ? "1" : "0";
    case 1:
        if (tails) return v >= 6 ? "2" : v >= 3 ? "1" : "0";
        if (v <= p.of(3)[1]) return "0";
        if (v <= p.of(3)[2]) return "1";
        return "2";
    case 2: return v % 2 == 1 || v % 2 == -1 ? "0" : "1";
    case 3: return prime(v) ? "0" : "1";
    case 4: return std::to_string(v % 3);
    case 5: return std::to_string(v % 4);
    case 6: return std::to_string(v % 5);
    default: return std::to_string(v % n);
    }
}

std::vector<std::vector<std::string>> table(const t_s_dm& store, const GameParams& g, int option, int n, bool tails,
                                            bool hide) {
    const ZonePartitions p = test::partitionsOf(g);
    const int k = g.zhgs, s = g.fhgs;
    const int m = tails ? k + s : k;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header = {"期号", "开奖号码"};
    for (int j = 1; j <= k; ++j) header.push_back("红号" + std::to_string(j) + (tails ? "尾" : ""));
    if (tails) {
        if (s == 1) header.push_back("蓝号尾");
        for (int j = 1; s > 1 && j <= s; ++j) header.push_back("蓝号" + std::to_string(j) + "尾");
    }
    header.push_back(tails ? "间隔数的尾" : "间隔数");
    for (int j = 1; j <= k; ++j) header.push_back("红号间" + std::to_string(j) + (tails ? "尾" : ""));
    rows.push_back(header);
    for (int rec = 1; rec <= store.RecordCount(); ++rec) {
        const int32_t* r = store.record(rec);
        std::vector<std::string> row = {r[0] == 9999999 ? "预测区" : std::to_string(r[0])};
        std::string draw;
        for (int j = 1; j <= k; ++j) draw += two(r[j]) + " ";
        if (s > 0) draw += "-";
        for (int j = k + 1; j <= k + s; ++j) draw += two(r[j]) + " ";
        row.push_back(draw);
        for (int j = 1; j <= m; ++j) row.push_back(cls(tails ? r[j] % 10 : r[j], option, n, tails, p));
        std::vector<int> gap;
        for (int j = 1; j <= k - 1; ++j) gap.push_back(std::abs(r[j + 1] - r[j]) - 1);
        gap.push_back(g.zh_to - r[k] + r[1] - g.zh_from);
        std::string text;
        for (int j = 0; j < k; ++j) text += tails ? std::to_string(gap[j] % 10) + "  " : two(gap[j]) + " ";
        row.push_back(hide ? "" : text);
        for (int j = 0; j < k; ++j) row.push_back(cls(tails ? gap[j] % 10 : gap[j], option, n, tails, p));
        rows.push_back(row);
    }
    return rows;
}

}  // namespace literal

std::vector<std::vector<std::string>> rowsOf(const CombinedPatternTable& t) {
    std::vector<std::vector<std::string>> rows = {t.header};
    for (int r = 0; r < t.rows(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < t.columns(); ++c) row.push_back(t.cell(r, c));
        rows.push_back(row);
    }
    return rows;
}

// Every option on the newest 400 draws; the default and one without tails on the whole history.
TEST(CombinedPatterns, AgreeWithTheLiteralReadingOnTheRealHistories) {
    for (const auto& game : test::sampleGames()) {
        if (std::string(game.name) != "ssq" && std::string(game.name) != "qlc") continue;
        SCOPED_TRACE(game.name);
        t_s_dm whole, recent;
        test::fillSample(whole, game);
        test::addPrediction(whole, {2, 5, 11, 17, 23, 29, 30});
        recent.Clear(false);
        for (int n = whole.RecordCount() - 399; n <= whole.RecordCount(); ++n) {
            DrawRecord record{};
            std::copy(whole.record(n), whole.record(n) + kSlots, record.begin());
            recent.Append();
            recent.setRecord(recent.RecNo(), record);
        }
        const ZonePartitions p = test::partitionsOf(game.game);
        for (int option = 0; option <= 11; ++option)
            for (bool tails : {true, false}) {
                const bool full = (option == 0 && tails) || (option == 1 && !tails);
                SCOPED_TRACE(std::to_string(option) + (tails ? " tails" : "") + (full ? " whole" : ""));
                const t_s_dm& store = full ? whole : recent;
                CombinedPatternOptions o;
                o.patternClass = static_cast<PatternClass>(std::min(option, 7));
                o.divisor = option >= 7 ? option - 1 : 6;  // 6..10
                o.tails = tails;
                o.hideGaps = option == 2;
                const CombinedPatternTable t = combinedPatternTable(store, game.game, p, "红号", "蓝号", o);
                const auto expected = literal::table(store, game.game, option, o.divisor, tails, o.hideGaps);
                ASSERT_EQ(rowsOf(t), expected);
                // The class values colour exactly the class cells.
                for (int r = 0; r < t.rows(); r += 37)
                    for (int c = 0; c < t.columns(); ++c)
                        EXPECT_EQ(t.classValue(r, c), t.isClassColumn(c) ? std::stoi(t.cell(r, c)) : -1);
            }
    }
}

TEST(CombinedPatterns, TheWorkedDraw) {
    t_s_dm store;
    test::fill(store, {{3, 9, 14, 22, 27, 31, 8}});
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    const ZonePartitions p = test::partitionsOf(g);
    CombinedPatternOptions o;
    o.tails = false;
    CombinedPatternTable t = combinedPatternTable(store, g, p, "红号", "蓝号", o);
    EXPECT_EQ(t.cell(0, 1), "03 09 14 22 27 31 -08 ");
    EXPECT_EQ(t.header[t.gapTextColumn()], "间隔数");
    EXPECT_EQ(t.cell(0, t.gapTextColumn()), "05 04 07 04 03 04 ");
    EXPECT_EQ(t.cell(0, 2), "0");
    EXPECT_EQ(t.cell(0, 4), "0");
    EXPECT_EQ(t.cell(0, 5), "1") << "22 > b2(1) = 16";
    EXPECT_EQ(t.header.back(), "红号间6");

    o.tails = true;
    t = combinedPatternTable(store, g, p, "红号", "蓝号", o);
    EXPECT_EQ(t.cell(0, t.gapTextColumn()), "5  4  7  4  3  4  ");
    std::vector<std::string> classes;
    for (int c = 2; c < t.gapTextColumn(); ++c) classes.push_back(t.cell(0, c));
    EXPECT_EQ(classes, (std::vector<std::string>{"0", "1", "0", "0", "1", "0", "1"}));
    EXPECT_EQ(t.header[8], "蓝号尾");
    EXPECT_EQ(t.header.back(), "红号间6尾");

    // Two secondary numbers carry their positions.
    const GameParams two{5, 1, 35, 2, 1, 12, true};
    test::fill(store, {{1, 2, 3, 4, 5, 6, 7}});
    t = combinedPatternTable(store, two, test::partitionsOf(two), "前区", "后区", o);
    EXPECT_EQ(t.header[7], "后区1尾");
    EXPECT_EQ(t.header[8], "后区2尾");
    EXPECT_EQ(t.cell(0, 1), "01 02 03 04 05 -06 07 ");
}

TEST(CombinedPatterns, PageRecomputesOnlyWhenSomethingChanged) {
    t_s_dm store;
    test::fill(store, {{3, 9, 14, 22, 27, 31, 8}});
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    const ZonePartitions p = test::partitionsOf(g);
    CombinedPatternPage page;
    CombinedPatternOptions o;
    const CombinedPatternTable* first = &page.run(store, g, p, "红号", "蓝号", o);
    EXPECT_EQ(&page.run(store, g, p, "红号", "蓝号", o), first);
    EXPECT_EQ(first->rows(), 1);
    test::fill(store, {{3, 9, 14, 22, 27, 31, 8}, {1, 2, 3, 4, 5, 6, 7}});
    EXPECT_EQ(page.run(store, g, p, "红号", "蓝号", o).rows(), 2);
    o.hideGaps = true;
    EXPECT_EQ(page.run(store, g, p, "红号", "蓝号", o).cell(0, 9), "");
}

}  // namespace
}  // namespace lottodesk
