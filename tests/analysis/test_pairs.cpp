#include <gtest/gtest.h>

#include <array>

#include "analysis/pairs.h"
#include "support/games.h"

namespace lottodesk {
namespace {

// A literal reading of the page: a 50 × 50 counter over the window's records, lists visited y
// ascending and x below it, entries as the page writes them.
namespace literal {

struct Result {
    std::array<std::array<int, 50>, 50> counter{};
    std::vector<std::string> together, apart;
};

Result pairs(const t_s_dm& store, const GameParams& g, int firstRecord, int lastRecord, int together, int apart) {
    Result r;
    for (int n = firstRecord; n <= lastRecord; ++n) {
        const int32_t* rec = store.record(n);
        for (int a = 1; a <= g.zhgs; ++a)
            for (int b = 1; b <= g.zhgs; ++b) r.counter[rec[a]][rec[b]] += 1;
    }
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    for (int y = 2; y <= g.zh_to; ++y)
        for (int x = 1; x <= y - 1; ++x) {
            const int c = r.counter[x][y];
            const std::string text = two(x) + ":" + two(y) + "==>" + std::to_string(c) + "次";
            if (c > together)
                r.together.push_back(text);
            else if (c < apart)
                r.apart.push_back(text);
        }
    return r;
}

}  // namespace literal

std::vector<std::string> texts(const std::vector<PairEntry>& entries) {
    std::vector<std::string> out;
    for (const PairEntry& e : entries) out.push_back(pairEntryText(e));
    return out;
}

void expectSame(const PairView& v, const literal::Result& r, const GameParams& g) {
    ASSERT_EQ(v.top, g.zh_to);
    for (int x = 1; x <= g.zh_to; ++x)
        for (int y = 1; y <= g.zh_to; ++y) {
            ASSERT_EQ(v.count(x, y), r.counter[x][y]) << x << "," << y;
            ASSERT_EQ(v.cell(x, y), x == y ? "" : std::to_string(r.counter[x][y]));
        }
    EXPECT_EQ(texts(v.together), r.together);
    EXPECT_EQ(texts(v.apart), r.apart);
    EXPECT_EQ(v.togetherLabel(), "相生[" + std::to_string(r.together.size()) + "]");
    EXPECT_EQ(v.apartLabel(), "相克[" + std::to_string(r.apart.size()) + "]");
}

TEST(Pairs, AgreeWithTheLiteralReadingOnTheRealHistories) {
    for (const char* name : {"ssq", "qlc"}) {
        const test::SampleGame* game = nullptr;
        for (const auto& g : test::sampleGames())
            if (std::string(g.name) == name) game = &g;
        SCOPED_TRACE(name);
        t_s_dm store;
        test::fillSample(store, *game);
        const GameParams& g = game->game;
        const int last = store.RecordCount();

        struct Case {
            PairOptions options;
            int first, lastRecord;
        };
        PairOptions recent;  // the defaults: 近 100, 6 and 1
        PairOptions all;
        all.recent = 0;
        all.together = 300;
        all.apart = 250;
        PairOptions few;
        few.recent = 5;
        few.together = 0;
        PairOptions custom;
        custom.custom = true;
        custom.fromPeriod = store.record(1000)[0];
        custom.toPeriod = store.record(1400)[0];
        custom.together = 40;
        custom.apart = 20;
        for (const Case& c :
             {Case{recent, last - 99, last}, Case{all, 1, last}, Case{few, last - 4, last}, Case{custom, 1000, 1400}}) {
            const PairView v = computePairView(store, g, c.options);
            expectSame(v, literal::pairs(store, g, c.first, c.lastRecord, c.options.together, c.options.apart), g);
            EXPECT_EQ(v.caption, c.options.custom ? "共401期" : "");
        }
    }
}

TEST(Pairs, SingleDrawAndItsLists) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 9}});
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    PairOptions o;
    o.together = 0;
    const PairView v = computePairView(store, g, o);
    ASSERT_EQ(v.together.size(), 15u);
    const std::vector<std::string> firstFour = {"01:02==>1次", "01:03==>1次", "02:03==>1次", "01:04==>1次"};
    const std::vector<std::string> together = texts(v.together);
    EXPECT_EQ(std::vector<std::string>(together.begin(), together.begin() + 4), firstFour);
    EXPECT_EQ(v.apart.size(), 33u * 32 / 2 - 15) << "every pair with 0 is below the apart threshold 1";
    EXPECT_EQ(v.mark(1, 2), PairMark::Together);
    EXPECT_EQ(v.mark(2, 1), PairMark::Together);
    EXPECT_EQ(v.mark(1, 7), PairMark::Apart);
    EXPECT_EQ(v.mark(3, 3), PairMark::None);
    EXPECT_EQ(v.cell(3, 3), "");
    EXPECT_EQ(v.header.front(), "1");
    EXPECT_EQ(v.header.back(), "33");
}

TEST(Pairs, ReversedCustomWindowCountsNothingAndThePredictionRecordNever) {
    t_s_dm store;
    test::fillSsq(store);
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    PairOptions o;
    o.custom = true;
    o.fromPeriod = store.record(300)[0];
    o.toPeriod = store.record(200)[0];
    const PairView reversed = computePairView(store, g, o);
    EXPECT_TRUE(reversed.together.empty());
    EXPECT_EQ(reversed.apart.size(), 33u * 32 / 2);
    EXPECT_EQ(reversed.caption, "共0期");

    PairOptions all;
    all.recent = 0;
    const PairView before = computePairView(store, g, all);
    test::addPrediction(store, {1, 2, 3, 4, 5, 6});
    const PairView after = computePairView(store, g, all);
    EXPECT_EQ(after.counters, before.counters);
    EXPECT_EQ(after.window, before.window);

    // Damaged numbers outside the range count for nothing and index nothing.
    test::fill(store, {{0, 34, 99, -5, 3, 4, 1}});
    const PairView damaged = computePairView(store, g, all);
    EXPECT_EQ(damaged.count(3, 4), 1);
    EXPECT_EQ(damaged.count(3, 3), 1);
}

TEST(Pairs, PageRecomputesOnlyWhenSomethingChanged) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 9}, {1, 2, 7, 8, 9, 10, 3}});
    const GameParams g{6, 1, 33, 1, 1, 16, true};
    PairPage page;
    PairOptions o;
    o.together = 1;
    const PairView* first = &page.run(store, g, o);
    EXPECT_EQ(first->count(1, 2), 2);
    EXPECT_EQ(&page.run(store, g, o), first);
    test::fill(store, {{1, 2, 3, 4, 5, 6, 9}});
    EXPECT_EQ(page.run(store, g, o).count(1, 2), 1) << "a new history version recomputes";
    o.recent = 0;
    EXPECT_EQ(page.run(store, g, o).options.recent, 0);
}

}  // namespace
}  // namespace lottodesk
