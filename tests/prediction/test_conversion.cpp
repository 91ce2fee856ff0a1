#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/workspace.h"
#include "prediction/conversion.h"
#include "prediction/conversionkill.h"
#include "support/history.h"

namespace lottodesk {
namespace {

// The chain as the rule reads: for every cell scan back to the nearest equal value above it and
// count the distinct values 0..40 on the way. chain[k][r - 1] is column k at row r.
using Columns = std::vector<std::vector<int32_t>>;

// The distinct values 0..40 among above[row - 2], above[row - 3], ... up to the nearest one equal to v.
int32_t literalCount(const std::vector<int32_t>& above, int row, int32_t v) {
    bool seen[41] = {};
    int32_t distinct = 0;
    for (int p = row - 1; p >= 1; --p) {
        const int32_t u = above[static_cast<size_t>(p - 1)];
        if (u == v) break;
        if (u >= 0 && u <= 40 && !seen[u]) {
            seen[u] = true;
            ++distinct;
        }
    }
    return distinct;
}

Columns literalChain(const std::vector<int32_t>& values, int columns) {
    Columns chain(static_cast<size_t>(columns) + 1);
    chain[0] = values;
    for (int k = 1; k <= columns; ++k)
        for (int r = 1; r <= static_cast<int>(values.size()); ++r)
            chain[static_cast<size_t>(k)].push_back(literalCount(
                chain[static_cast<size_t>(k - 1)], r, chain[static_cast<size_t>(k - 1)][static_cast<size_t>(r - 1)]));
    return chain;
}

// For every x in 0..40 the values columns 1..columns would take at row `rows` + 1 when the
// indicator there is x, computed by the rule over the first `rows` rows: next[x][k].
std::vector<std::vector<int32_t>> literalNext(const Columns& chain, int rows, int columns) {
    std::vector<std::vector<int32_t>> next(41, std::vector<int32_t>(static_cast<size_t>(columns) + 1));
    for (int x = 0; x <= 40; ++x) {
        next[static_cast<size_t>(x)][0] = x;
        // Row rows + 1 of column k - 1 holds the value pushed so far; the rows above are the chain's.
        for (int k = 1; k <= columns; ++k)
            next[static_cast<size_t>(x)][static_cast<size_t>(k)] = literalCount(
                chain[static_cast<size_t>(k - 1)], rows + 1, next[static_cast<size_t>(x)][static_cast<size_t>(k - 1)]);
    }
    return next;
}

int literalInverse(const std::vector<std::vector<int32_t>>& next, int column, int32_t v) {
    for (int x = 0; x <= 40; ++x)
        if (next[static_cast<size_t>(x)][static_cast<size_t>(column)] == v) return x;
    return 0;  // none matches: the inverse is 0
}

class Conversion : public ::testing::Test {
protected:
    Conversion() : ws("/nonexistent/") {
        test::setUpSsq(ws);
        ws.current().zhname = "红号";
        ws.current().specname = "蓝号";
    }
    std::vector<int32_t> series(const char* id) {
        std::vector<int32_t> values;
        EXPECT_TRUE(conversionSeries(ws, id, 1, ws.sjk.RecordCount(), values));
        return values;
    }
    Workspace ws;
};

TEST(ConversionChain, RunsOfTheRuleOnSmallSeries) {
    const std::vector<int32_t> fives = {5, 5, 5};
    const ConversionChain c(fives.data(), 3, 2);
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(c.at(r, 1), 0) << r;
    EXPECT_EQ(c.inverse(1, 0), 5) << "only a fourth 5 keeps column 1 at 0";
    EXPECT_EQ(c.inverse(1, 1), 0) << "a value not seen yet counts the one value seen";
    EXPECT_EQ(c.inverse(1, 2), 0) << "no indicator value gives 2: the inverse is 0";
    EXPECT_EQ(c.inverse(0, 7), 7);
    EXPECT_EQ(c.inverse(0, 41), 0);

    // 3 7 45 9 3: the 3 at row 5 looks back over 9, 45 (not counted) and 7.
    const std::vector<int32_t> mixed = {3, 7, 45, 9, 3, 45};
    const ConversionChain m(mixed.data(), 6, 1);
    EXPECT_EQ(m.at(1, 1), 0);
    EXPECT_EQ(m.at(2, 1), 1);
    EXPECT_EQ(m.at(3, 1), 2);
    EXPECT_EQ(m.at(4, 1), 2) << "45 takes no part in the count";
    EXPECT_EQ(m.at(5, 1), 2);
    EXPECT_EQ(m.at(6, 1), 2) << "45 again: 9 and 3 since the last 45";
}

TEST_F(Conversion, ChainEqualsTheLiteralRuleOnThreeIndicators) {
    // z_hz lies mostly above 40, xc61 and z_num1 inside 0..40.
    for (const char* id : {"z_num1", "xc61", "z_hz"}) {
        const std::vector<int32_t> values = series(id);
        const int rows = static_cast<int>(values.size());
        const Columns literal = literalChain(values, kConversionColumns);
        const ConversionChain chain(values.data(), rows, kConversionColumns);
        int differences = 0;
        for (int k = 0; k <= kConversionColumns; ++k)
            for (int r = 1; r <= rows; ++r)
                differences += chain.at(r, k) != literal[static_cast<size_t>(k)][static_cast<size_t>(r - 1)] ? 1 : 0;
        EXPECT_EQ(differences, 0) << id;

        // The inverse at the last row against trying every x by the rule.
        const auto next = literalNext(literal, rows, kConversionColumns);
        for (int k = 0; k <= kConversionColumns; k += 7)
            for (int32_t v = 0; v <= 40; ++v)
                ASSERT_EQ(chain.inverse(k, v), literalInverse(next, k, v)) << id << k << v;
    }
}

// The kill run from the text, with a value that no indicator value gives killing nothing.
struct LiteralKill {
    std::vector<std::string> kills, positions;
    int right = 0;
};

LiteralKill literalKill(const std::vector<int32_t>& values, int first, int last) {
    const Columns chain = literalChain(values, last);
    const int rows = static_cast<int>(values.size());
    LiteralKill out;
    for (int r = 1; r <= rows; ++r) {
        const auto next = literalNext(chain, r, last);
        std::vector<int> absolute(41, 0), ordinary(41, 0);
        std::string absolutePositions, ordinaryPositions;
        for (int k = first; k <= last; ++k) {
            const auto& col = chain[static_cast<size_t>(k)];
            const int32_t v = col[static_cast<size_t>(r - 1)];
            int j = 0;
            while (r - 1 - j >= 0 && col[static_cast<size_t>(r - 1 - j)] == v) ++j;
            if (j != 2 && j != 3) continue;
            const int x = literalInverse(next, k, v);
            if (x < 0) continue;
            (j == 3 ? absolute : ordinary)[static_cast<size_t>(x)]++;
            (j == 3 ? absolutePositions : ordinaryPositions) += std::to_string(k) + ",";
        }
        std::string text = "绝杀：";
        for (int x = 0; x <= 40; ++x)
            if (absolute[static_cast<size_t>(x)])
                text += std::to_string(x) + "(" + std::to_string(absolute[static_cast<size_t>(x)]) + "),";
        text += "普杀：";
        for (int x = 0; x <= 40; ++x)
            if (ordinary[static_cast<size_t>(x)])
                text += std::to_string(x) + "(" + std::to_string(ordinary[static_cast<size_t>(x)]) + "),";
        out.kills.push_back(text);
        out.positions.push_back("绝杀位置：" + absolutePositions + "普杀位置：" + ordinaryPositions);
        if (r < rows) {
            const int32_t a = values[static_cast<size_t>(r)];
            const bool killed =
                a >= 0 && a <= 40 && (absolute[static_cast<size_t>(a)] || ordinary[static_cast<size_t>(a)]);
            out.right += killed ? 0 : 1;
        }
    }
    return out;
}

TEST_F(Conversion, KillRunEqualsTheLiteralRuleOnTheRealHistory) {
    const int count = ws.sjk.RecordCount();
    const int32_t from = ws.sjk.record(count - 119)[0];
    const int32_t to = ws.sjk.record(count)[0];
    for (const auto& [id, first, last] : {std::tuple{"z_num1", 1, 30}, std::tuple{"xc61", 5, 80}}) {
        ConversionKillOptions o;
        o.firstColumn = first;
        o.lastColumn = last;
        o.fromPeriod = from;
        o.toPeriod = to;
        const ConversionKill kill = conversionKill(ws, id, o);
        ASSERT_TRUE(kill.status) << kill.status.message;
        std::vector<int32_t> values;
        ASSERT_TRUE(conversionSeries(ws, id, count - 119, count, values));
        const LiteralKill literal = literalKill(values, first, last);
        ASSERT_EQ(kill.rows.size(), 122u);
        for (size_t r = 1; r <= 120; ++r) {
            EXPECT_EQ(kill.rows[r].kills, literal.kills[r - 1]) << id << " row " << r;
            EXPECT_EQ(kill.rows[r].positions, literal.positions[r - 1]) << id << " row " << r;
        }
        EXPECT_EQ(kill.right, literal.right) << id;
        EXPECT_EQ(kill.tested, 119);
        EXPECT_EQ(kill.accuracy, std::to_string(literal.right * 100 / 119) + "%");
        EXPECT_EQ(kill.rows[120].period, "预测期");
        EXPECT_EQ(kill.rows[120].verdict, "");
        EXPECT_EQ(kill.rows[121].period, "正确率");
        EXPECT_EQ(kill.rows[121].verdict, kill.accuracy);
        EXPECT_EQ(kill.rows[0].period, std::to_string(from));
        EXPECT_EQ(kill.rows[0].kills, "") << "nothing predicts the first row";
    }
}

TEST_F(Conversion, KillTableShapeAndRanges) {
    ConversionKillOptions o;
    o.fromPeriod = 2026094;
    o.toPeriod = 2026096;
    ConversionKill kill = conversionKill(ws, "f_num1", o);
    ASSERT_TRUE(kill.status) << kill.status.message;
    EXPECT_EQ(kill.header,
              (std::vector<std::string>{"期数", "开奖号", "蓝号", "蓝号", "杀号", "是否正确", "杀号位置"}));
    ASSERT_EQ(kill.rows.size(), 5u);
    EXPECT_EQ(kill.rows[0].draw, "06 13 15 17 24 25 ");
    EXPECT_EQ(kill.rows[0].secondary, "01 ");
    EXPECT_EQ(kill.rows[2].value, "4");
    EXPECT_EQ(kill.tested, 2);

    o.toPeriod = 2026094;  // one row: no verdict, an empty accuracy
    kill = conversionKill(ws, "f_num1", o);
    ASSERT_EQ(kill.rows.size(), 3u);
    EXPECT_EQ(kill.tested, 0);
    EXPECT_EQ(kill.accuracy, "");
    EXPECT_EQ(kill.rows[2].verdict, "");

    o.toPeriod = 2026093;  // the end before the start: an empty range
    kill = conversionKill(ws, "f_num1", o);
    EXPECT_TRUE(kill.status);
    EXPECT_TRUE(kill.rows.empty());

    o.fromPeriod = 2026097;
    kill = conversionKill(ws, "f_num1", o);
    EXPECT_FALSE(kill.status);
    EXPECT_EQ(kill.status.message, "数据库中没有第2026097期的记录");
    EXPECT_FALSE(conversionKill(ws, "no_such", {}).status);
}

TEST_F(Conversion, TableTextsAndCorrespondingValues) {
    const ConversionTable t = conversionTable(ws, "xc61");
    ASSERT_TRUE(t.status) << t.status.message;
    ASSERT_EQ(t.header.size(), 203u);
    EXPECT_EQ(t.header[2], "线差6_1") << "the registry's display name";
    EXPECT_EQ(t.header[202], "转换200");
    const int last = t.rows();
    EXPECT_EQ(t.cell(last, 0), "2026096");
    EXPECT_EQ(t.cell(last, 1), "01 04 16 22 26 31 -04 ");
    EXPECT_EQ(t.cell(last, 2), "30");

    std::string text;
    ASSERT_TRUE(t.correspondingValues(0, "3 45", text));
    EXPECT_EQ(text, "3 0 ") << "45 is no value of 0..40: the inverse is 0";
    ASSERT_TRUE(t.correspondingValues(1, " 0  1", text));
    EXPECT_EQ(text, std::to_string(t.chain.inverse(1, 0)) + " " + std::to_string(t.chain.inverse(1, 1)) + " ");
    EXPECT_EQ(t.chain.inverse(1, 0), 30) << "the value of the last row repeats with nothing between";
    EXPECT_FALSE(t.correspondingValues(1, "1 x", text));

    const std::vector<std::string> lines = t.exportLines(1);
    ASSERT_EQ(lines.size(), static_cast<size_t>(last) + 1);
    EXPECT_EQ(lines[0], "期数    转换1");
    EXPECT_EQ(lines.back(), "2026096    " + t.cell(last, 3));
}

}  // namespace
}  // namespace lottodesk
