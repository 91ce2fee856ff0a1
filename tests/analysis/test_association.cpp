#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "analysis/association.h"
#include "formula/tgs.h"
#include "support/games.h"
#include "indicators/seriesmemo.h"

namespace lottodesk {
namespace {

struct Context {
    Context(const t_s_dm& store, const GameParams& g) : game(g), partitions(test::partitionsOf(g)) {
        memo.prepare(store.version(), game, settings);
        ctx = {DrawHistory::of(store), game, &partitions, settings, &memo};
    }
    GameParams game;
    ZonePartitions partitions;
    ColdHotSettings settings;
    SeriesMemo memo;
    IndicatorContext ctx;
};

// A literal reading of the page: the walk, its tests in order, the two halves of each row.
namespace literal {

std::string trimmed(std::string text) {
    while (!text.empty() && text.front() == ' ') text.erase(text.begin());
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string two(int n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); }

struct Table {
    std::vector<std::vector<std::string>> rows;
    int next = 0;
};

Table table(const t_s_dm& store, const IndicatorContext& ctx, const AssociationOptions& o) {
    const int k = ctx.game.zhgs, s = ctx.game.fhgs;
    std::vector<const AssociationSlot*> slots;
    for (const AssociationSlot& slot : o.slots)
        if (slot.active) slots.push_back(&slot);
    const int a = static_cast<int>(slots.size()), w = k + s + a + 1;
    int last = store.RecordCount();
    while (last > 0 && store.record(last)[0] == kPredictionPeriod) --last;
    Table t;
    for (int n = 1; n <= last; ++n) {
        const int32_t* r = store.record(n);
        bool pass = true;
        for (int p = 1; p <= 7; ++p) {
            const int v = o.positions[p - 1];
            if (v == kAnyValue) continue;
            if (o.unbound && p <= k) {
                bool found = false;
                for (int j = 1; j <= k; ++j) found = found || r[j] == v;
                pass = pass && found;
            } else {
                pass = pass && r[p] == v;
            }
        }
        if (o.periodTail != kAnyValue && r[0] % 10 != o.periodTail) pass = false;
        std::vector<std::string> values;
        for (const AssociationSlot* slot : slots) {
            if (!pass) break;
            const EvalResult e = tgs(trimmed(slot->expression)).evaluate(ctx, n);
            if (!e.ok) pass = false;
            if (!slot->allowed.empty() &&
                std::find(slot->allowed.begin(), slot->allowed.end(), e.value) == slot->allowed.end())
                pass = false;
            values.push_back(std::to_string(e.value));
        }
        if (!pass) continue;
        std::vector<std::string> row(static_cast<size_t>(2 * w));
        row[0] = std::to_string(r[0]);
        for (int j = 1; j <= k + s; ++j) row[j] = two(r[j]);
        for (int i = 0; i < a; ++i) row[1 + k + s + i] = values[i];
        if (n < last) {
            const int32_t* q = store.record(n + 1);
            row[w] = std::to_string(q[0]);
            for (int j = 1; j <= k + s; ++j) row[w + j] = two(q[j]);
            for (int i = 0; i < a; ++i) {
                const EvalResult e = tgs(trimmed(slots[i]->expression)).evaluate(ctx, n + 1);
                if (e.ok) row[w + 1 + k + s + i] = std::to_string(e.value);
            }
            ++t.next;
        }
        t.rows.push_back(row);
    }
    return t;
}

}  // namespace literal

std::vector<std::vector<std::string>> rowsOf(const AssociationTable& t) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < t.rows(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < t.columns(); ++c) row.push_back(t.cell(r, c));
        rows.push_back(row);
    }
    return rows;
}

AssociationOptions box(int p, int value, bool unbound) {
    AssociationOptions o;
    o.positions[static_cast<size_t>(p - 1)] = value;
    o.unbound = unbound;
    return o;
}

TEST(Association, AgreesWithTheLiteralReadingOnTheRealHistories) {
    AssociationOptions slots;
    slots.periodTail = 3;
    slots.slots[0] = {true, " z_jsgs ", {2, 3}};
    slots.slots[2] = {true, "z_hz%7", {}};
    AssociationOptions mixed = box(2, 9, true);
    mixed.positions[6] = 8;
    mixed.slots[1] = {true, "z_ac", {}};

    for (const auto& game : test::sampleGames()) {
        if (std::string(game.name) != "ssq" && std::string(game.name) != "qlc") continue;
        SCOPED_TRACE(game.name);
        t_s_dm store;
        test::fillSample(store, game);
        test::addPrediction(store, {1, 2, 3, 4, 5, 6, 7});
        Context c(store, game.game);
        int caseNo = 0;
        for (const AssociationOptions& o : {AssociationOptions{}, box(1, 5, true), box(1, 5, false), box(7, 8, false),
                                            box(7, 8, true), slots, mixed}) {
            SCOPED_TRACE(caseNo++);
            const AssociationTable t = associationTable(c.ctx, "红号", "蓝号", o);
            ASSERT_TRUE(t.status) << t.status.message;
            const literal::Table expected = literal::table(store, c.ctx, o);
            ASSERT_EQ(rowsOf(t), expected.rows);
            EXPECT_EQ(t.nextRows, expected.next);
            EXPECT_EQ(t.caption, "本期系列一共有" + std::to_string(expected.rows.size()) + "条;下期系列一共有" +
                                     std::to_string(expected.next) + "条");
        }
    }
}

TEST(Association, HeadersAndTheNewestDraw) {
    t_s_dm store;
    test::fillSsq(store);
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    Context c(store, g);
    AssociationOptions o;
    o.slots[1] = {true, "z_hz", {}};
    AssociationTable t = associationTable(c.ctx, "红号", "蓝号", o);
    EXPECT_EQ(t.half, 9);
    EXPECT_EQ(t.header, (std::vector<std::string>{"本期期号", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6",
                                                  "蓝号", "指标1", "下期期号", "红号1", "红号2", "红号3", "红号4",
                                                  "红号5", "红号6", "蓝号", "指标1"}));
    ASSERT_EQ(t.rows(), store.RecordCount());
    EXPECT_EQ(t.nextRows, t.rows() - 1);
    EXPECT_EQ(t.cell(t.rows() - 1, 0), "2026096");
    EXPECT_EQ(t.cell(t.rows() - 1, 9), "") << "the newest draw has no next draw";
    EXPECT_EQ(t.cell(0, 1), "10");
    EXPECT_EQ(t.cell(0, 8), "100");  // 10 + 11 + 12 + 13 + 26 + 28
    EXPECT_EQ(t.cell(0, 9), "2003002");
    EXPECT_EQ(t.cell(0, 17), "99");  // 04 + 09 + 19 + 20 + 21 + 26

    const std::vector<std::string> six = associationExportLines(t, 6, 1, false);
    ASSERT_EQ(six.size(), static_cast<size_t>(t.nextRows));
    EXPECT_EQ(six.front(), "2003002 04 09 19 20 21 26 ");
    EXPECT_EQ(associationExportLines(t, 6, 1, true).back(), "2026096 01 04 16 22 26 31 04 ");

    // Two secondary numbers carry their positions.
    const GameParams two{5, 1, 35, 2, 1, 12, true};
    Context c2(store, two);
    t = associationTable(c2.ctx, "前区", "后区", AssociationOptions{});
    EXPECT_EQ(t.header[6], "后区1");
    EXPECT_EQ(t.header[7], "后区2");
}

TEST(Association, DetailAnalysisSeriesOfAColumn) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 12, 2}, {1, 3, 5, 7, 9, 11, 3}, {1, 2, 3, 4, 5, 7, 4}});
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    Context c(store, g);
    AssociationOptions o = box(1, 1, false);
    o.slots[0] = {true, "z_hz", {}};
    const AssociationTable t = associationTable(c.ctx, "红号", "蓝号", o);
    ASSERT_EQ(t.rows(), 3);
    DerivedStore derived;
    EXPECT_FALSE(associationColumnSeries(t, 0, 6, 1, derived));
    EXPECT_FALSE(associationColumnSeries(t, t.half, 6, 1, derived));
    EXPECT_FALSE(associationColumnSeries(t, t.columns(), 6, 1, derived));

    std::optional<AssociationColumnSeries> s = associationColumnSeries(t, 8, 6, 1, derived);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->caption, "指标1");
    EXPECT_EQ(derived.count(), 3);
    EXPECT_EQ(derived.values(), (std::vector<int32_t>{0, 21, 36, 22}));
    EXPECT_EQ(derived.records().record(2)[0], 2020003);
    EXPECT_EQ(derived.records().record(2)[7], 3);
    EXPECT_EQ(s->lo, 21);
    EXPECT_EQ(s->hi, 36);

    // The right half stops at the row without a next draw; equal values widen the range by k - 1.
    s = associationColumnSeries(t, t.half + 1, 6, 1, derived);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->caption, "红号1");
    EXPECT_EQ(derived.values(), (std::vector<int32_t>{0, 7, 1}));
    s = associationColumnSeries(t, 1, 6, 1, derived);
    EXPECT_EQ(s->lo, 1);
    EXPECT_EQ(s->hi, 6);
}

TEST(Association, DetailSeriesOfTheLargestIntegerKeepsItsRange) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 12, 2}});
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    Context c(store, g);
    AssociationOptions o;
    o.slots[0] = {true, "2147483647", {}};
    const AssociationTable t = associationTable(c.ctx, "红号", "蓝号", o);
    ASSERT_EQ(t.rows(), 2);
    DerivedStore derived;
    const std::optional<AssociationColumnSeries> s = associationColumnSeries(t, 8, 6, 1, derived);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->lo, INT32_MAX);
    EXPECT_EQ(s->hi, INT32_MAX) << "equal values widen the range only up to the largest integer";
}

TEST(Association, PageRecomputesOnlyWhenSomethingChanged) {
    Workspace ws("/nonexistent/");
    test::fill(ws.sjk, {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 12, 2}});
    ws.game = {6, 1, 33, 1, 1, 16, true};
    ws.partitions.rebuild(33);
    AssociationPage page;
    AssociationOptions o;
    o.slots[0] = {true, "z_hz", {}};
    const AssociationTable* first = &page.run(ws, o);
    EXPECT_EQ(first->rows(), 2);
    EXPECT_EQ(&page.run(ws, o), first);
    EXPECT_EQ(first->cell(1, 8), "57");
    test::fill(ws.sjk, {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 13, 2}});
    EXPECT_EQ(page.run(ws, o).cell(1, 8), "58") << "a new history version recomputes, memo included";
    o.periodTail = 1;
    EXPECT_EQ(page.run(ws, o).rows(), 1);
}

TEST(Association, FailingFormulas) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 12, 2}, {1, 3, 5, 7, 9, 11, 3}});
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    Context c(store, g);
    AssociationOptions o;
    o.slots[0] = {true, "z_hz+", {}};
    AssociationTable t = associationTable(c.ctx, "红号", "蓝号", o);
    EXPECT_TRUE(t.status);
    EXPECT_EQ(t.rows(), 0) << "a formula that cannot be evaluated excludes every draw";
    EXPECT_EQ(t.caption, "本期系列一共有0条;下期系列一共有0条");

    o.slots[0] = {true, "10/(z_jsgs-6)", {}};
    t = associationTable(c.ctx, "红号", "蓝号", o);
    EXPECT_FALSE(t.status) << "a division by zero stops the page with its message";
    EXPECT_NE(t.status.message.find("10/(z_jsgs-6)"), std::string::npos) << t.status.message;
    EXPECT_EQ(t.rows(), 0);
}

}  // namespace
}  // namespace lottodesk
