#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <random>

#include "generator/conditioncatalogue.h"
#include "generator/generator.h"
#include "generator/plan.h"
#include "support/history.h"

namespace lottodesk {
namespace {

// A workspace over the real 双色球 history, in a temporary program folder.
class GeneratorRun : public ::testing::Test {
protected:
    void SetUp() override {
        test::setUpSsq(ws);
        generator.conditions = resetConditions(33);
        generator.conditions.noEqualSpacing = false;
        generator.conditions.noSpecialRuns = false;
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const Ticket& t : generator.results.tickets) out.push_back(ticketLine(t, 6));
        return out;
    }
    void enable(int number, std::vector<int32_t> allowed, bool tolerant = false) {
        CatalogueCondition& row = generator.conditions.rows[number];
        row.enabled = true;
        row.allowed = std::move(allowed);
        row.tolerant = tolerant;
    }

    test::TempFolder home;
    Workspace ws{home.path()};
    Generator generator{7};
};

TEST_F(GeneratorRun, NoConditionEnumeratesEveryTicketHighestFirst) {
    RunReport report = generator.run(ws, {});
    ASSERT_TRUE(report.completed) << report.message;
    ASSERT_EQ(generator.results.tickets.size(), 1107568u);
    const auto all = lines();
    EXPECT_EQ(all[0], "28 29 30 31 32 33 ");
    EXPECT_EQ(all[1], "27 29 30 31 32 33 ");
    EXPECT_EQ(all.back(), "01 02 03 04 05 06 ");
    EXPECT_EQ(report.statusText.find("超强组号  筛选耗时"), 0u);
    EXPECT_NE(report.statusText.find("微秒  已得到符合条件的红号组有1107568个"), std::string::npos);
}

// With gaps in the selectable numbers every ticket of the pool is still written once, highest first.
TEST_F(GeneratorRun, NoConditionOverAPoolWithGaps) {
    for (int n = 2; n <= 33; n += 2) generator.conditions.selectable[n] = false;  // the 17 odd numbers
    ASSERT_TRUE(generator.run(ws, {}).completed);
    const std::vector<Ticket>& tickets = generator.results.tickets;
    ASSERT_EQ(tickets.size(), 12376u);  // C(17, 6)
    EXPECT_EQ(lines().front(), "23 25 27 29 31 33 ");
    EXPECT_EQ(lines()[1], "21 25 27 29 31 33 ");
    EXPECT_EQ(lines().back(), "01 03 05 07 09 11 ");
    for (size_t i = 0; i < tickets.size(); ++i) {
        for (int j = 0; j < 6; ++j) ASSERT_EQ(tickets[i][j] % 2, 1) << i;
        // Highest numbers first: each ticket is below the one before, compared from its top number.
        if (i > 0) {
            ASSERT_TRUE(std::lexicographical_compare(tickets[i].rbegin() + 2, tickets[i].rend(),
                                                     tickets[i - 1].rbegin() + 2, tickets[i - 1].rend()))
                << i;
        }
    }
}

TEST_F(GeneratorRun, FixedNumbersAreInEveryTicket) {
    generator.conditions.fixed[5] = generator.conditions.fixed[9] = true;
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_EQ(generator.results.tickets.size(), 31465u);  // C(31, 4)
    EXPECT_EQ(lines().front(), "05 09 30 31 32 33 ");
    for (int n : {1, 2, 3, 4, 6, 7}) generator.conditions.fixed[n] = true;
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_TRUE(generator.results.tickets.empty()) << "more fixed numbers than the ticket holds";
    for (int n : {1, 2, 3, 4, 6, 7, 5, 9}) generator.conditions.fixed[n] = false;
    for (int n : {1, 2, 3, 4, 5, 6}) generator.conditions.fixed[n] = true;
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_EQ(lines(), std::vector<std::string>{"01 02 03 04 05 06 "});
}

TEST_F(GeneratorRun, StructuralExclusions) {
    struct Case {
        std::vector<int> fixed;
        bool equalSpacing, specialRuns;
        size_t expected;
    } cases[] = {
        {{3, 7, 11, 15, 19, 23}, true, false, 0}, {{3, 7, 11, 15, 19, 24}, true, false, 1},
        {{1, 2, 3, 11, 12, 13}, false, true, 0},  {{1, 2, 11, 12, 21, 22}, false, true, 0},
        {{5, 6, 7, 8, 20, 30}, false, true, 0},   {{1, 2, 3, 11, 12, 20}, false, true, 1},
    };
    for (const Case& c : cases) {
        generator.conditions = resetConditions(33);
        generator.conditions.noEqualSpacing = c.equalSpacing;
        generator.conditions.noSpecialRuns = c.specialRuns;
        for (int n : c.fixed) generator.conditions.fixed[n] = true;
        ASSERT_TRUE(generator.run(ws, {}).completed);
        EXPECT_EQ(generator.results.tickets.size(), c.expected) << c.fixed[0] << " " << c.fixed[5];
    }
}

TEST_F(GeneratorRun, PastDrawsAreExcludedAfterTheFilterPeriodCut) {
    generator.conditions.noPastDraws = true;
    for (int n : {1, 4, 16, 22, 26, 31}) generator.conditions.fixed[n] = true;  // draw 2026096
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_TRUE(generator.results.tickets.empty());
    RunOptions options;
    options.filterPeriod = 2026096;  // the history as it was before 2026096
    ASSERT_TRUE(generator.run(ws, options).completed);
    EXPECT_EQ(generator.results.tickets.size(), 1u);
    EXPECT_EQ(ws.sjk.RecordCount(), 3493) << "the history is whole again";
}

TEST_F(GeneratorRun, ConditionsAndTolerance) {
    enable(25, {21});  // 和值 21: only 01 02 03 04 05 06
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_EQ(lines(), std::vector<std::string>{"01 02 03 04 05 06 "});
    enable(2, {0}, true);  // 奇数个数 0, tolerated: 01..06 has three odd numbers
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_EQ(generator.results.tickets.size(), 1u) << "a tolerated failure never rejects without 总容错";
    generator.conditions.totalToleranceEnabled = true;
    generator.conditions.totalFrom = generator.conditions.totalTo = 2;
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_TRUE(generator.results.tickets.empty()) << "exactly two tolerated failures required";
    generator.conditions.totalFrom = generator.conditions.totalTo = 1;
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_EQ(generator.results.tickets.size(), 1u);
    enable(3, {});  // enabled with an empty set: filters nothing
    ASSERT_TRUE(generator.run(ws, {}).completed);
    EXPECT_EQ(generator.results.tickets.size(), 1u);
}

TEST_F(GeneratorRun, ThreadsGiveTheSameResults) {
    enable(25, {90, 91, 92, 93, 94, 95});
    enable(2, {2, 3}, true);
    ASSERT_TRUE(generator.run(ws, {}).completed);
    const auto one = lines();
    RunOptions options;
    options.threads = 3;
    ASSERT_TRUE(generator.run(ws, options).completed);
    EXPECT_EQ(lines(), one);
}

TEST_F(GeneratorRun, ContinueFilteringReordersInPlace) {
    // A passes with a tolerated failure, B and D pass cleanly, C fails.
    const Ticket a{1, 2, 3, 4, 5, 7}, b{1, 2, 3, 4, 5, 6}, c{1, 2, 3, 4, 5, 9}, d{1, 2, 3, 4, 6, 7};
    generator.results.tickets = {a, b, c, d};
    generator.results.tags = {0, 0, 0, 0};
    enable(25, {21, 22, 23});  // 和值: C's 24 fails
    enable(2, {3}, true);      // 奇数个数 3, tolerated: A has four odd numbers
    RunReport report = generator.continueFiltering(ws, {});
    ASSERT_TRUE(report.completed) << report.message;
    // A is tagged; B is moved in front of it; C's place is taken by D, which joins the front.
    EXPECT_EQ(generator.results.tickets, (std::vector<Ticket>{b, d, a}));
    EXPECT_EQ(generator.results.tags, (std::vector<uint8_t>{0, 0, 2}));
    EXPECT_NE(report.statusText.find("已得到符合条件的红号组有3个  系统保留的记录个数3"), std::string::npos);

    // Unchanged conditions keep every result, untagged ones first.
    ASSERT_TRUE(generator.continueFiltering(ws, {}).completed);
    EXPECT_EQ(generator.results.tickets, (std::vector<Ticket>{b, d, a}));
    // A result stored unsorted is tested as a sorted copy and kept as stored (edits are stored as
    // typed); one that fails in any order is dropped.
    const Ticket typed{6, 5, 4, 3, 2, 1}, failing{9, 1, 2, 3, 4, 5};
    generator.results.tickets = {typed, failing};
    generator.results.tags = {0, 0};
    ASSERT_TRUE(generator.continueFiltering(ws, {}).completed);
    EXPECT_EQ(generator.results.tickets, std::vector<Ticket>{typed});
}

TEST_F(GeneratorRun, ContinueFilteringIsTheSameOnAnyThreadCount) {
    for (int n = 20; n <= 33; ++n) generator.conditions.selectable[n] = false;  // C(19,6) = 27,132 tickets
    ASSERT_TRUE(generator.run(ws, {}).completed);
    const MainResults all = generator.results;
    enable(25, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60});
    enable(2, {3}, true);
    enable(7, {0, 1}, true);
    ASSERT_TRUE(generator.continueFiltering(ws, {}).completed);
    const MainResults one = generator.results;
    generator.results = all;
    RunOptions options;
    options.threads = 4;
    ASSERT_TRUE(generator.continueFiltering(ws, options).completed);
    EXPECT_EQ(generator.results.tickets, one.tickets);
    EXPECT_EQ(generator.results.tags, one.tags);
    EXPECT_GT(std::count(one.tags.begin(), one.tags.end(), 7), 0);
}

// The enumeration skips branches its bounds rule out; the results must be exactly the tickets that
// pass when every ticket is tested, in enumeration order.
TEST_F(GeneratorRun, BoundedEnumerationKeepsExactlyThePassingTickets) {
    for (int n = 26; n <= 33; ++n) generator.conditions.selectable[n] = false;  // C(25,6) = 177,100
    ASSERT_TRUE(generator.run(ws, {}).completed);
    const std::vector<Ticket> all = generator.results.tickets;
    std::map<Ticket, size_t> position;
    for (size_t i = 0; i < all.size(); ++i) position[all[i]] = i;

    struct Case {
        std::vector<std::pair<int, std::vector<int32_t>>> rows;
        std::vector<int> fixed;
    } cases[] = {
        {{{2, {2, 3, 4}}, {25, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70}}}, {}},
        {{{1, {0, 1}},
          {3, {1, 2, 3}},
          {6, {0, 1}},
          {7, {0, 1, 2}},
          {39, {0, 1, 2}},
          {131, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}},
         {}},
        {{{11, {2}}, {12, {2}}, {95, {0, 5}}, {49, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}}, {4}},
        {{{2, {6}}}, {}},  // six odd numbers
        {{{25, {21}}, {4, {5, 6}}}, {1, 2}},
    };
    for (const Case& c : cases) {
        generator.conditions.rows = {};
        generator.conditions.fixed = {};
        for (const auto& [number, allowed] : c.rows) enable(number, allowed);
        for (int f : c.fixed) generator.conditions.fixed[f] = true;
        ASSERT_TRUE(generator.run(ws, {}).completed);
        const std::vector<Ticket> bounded = generator.results.tickets;
        // Every ticket tested: continue filtering over the whole list.
        generator.results.tickets = all;
        generator.results.tags.assign(all.size(), 0);
        ASSERT_TRUE(generator.continueFiltering(ws, {}).completed);
        std::vector<Ticket> tested = generator.results.tickets;
        std::sort(tested.begin(), tested.end(),
                  [&](const Ticket& a, const Ticket& b) { return position[a] < position[b]; });
        EXPECT_EQ(bounded, tested) << "case with " << c.rows.size() << " rows";
    }
}

// Continue filtering remembers the bounds of the highest numbers that neighbouring results share;
// the verdicts must not depend on the order of the list, nor on results stored unsorted. Each
// result is kept with the same tag in enumeration order, shuffled with some stored reversed, and
// sorted by bytes, and the passes are the tickets of a regular run.
TEST_F(GeneratorRun, ContinueFilteringIsTheSameInAnyOrder) {
    for (int n = 27; n <= 33; ++n) generator.conditions.selectable[n] = false;  // C(26,6) = 230,230
    ASSERT_TRUE(generator.run(ws, {}).completed);
    const std::vector<Ticket> all = generator.results.tickets;
    generator.conditions.noSpecialRuns = true;
    enable(25, {70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90});
    enable(2, {2, 3, 4}, true);  // tolerated: tags
    enable(6, {0, 1});
    enable(5, {0, 1});
    enable(4, {5, 6});
    enable(121, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    enable(15, {6, 7, 8, 9, 10});
    enable(16, {4, 5, 6, 7, 8, 9});
    ASSERT_TRUE(generator.run(ws, {}).completed);
    std::vector<Ticket> regular = generator.results.tickets;
    std::sort(regular.begin(), regular.end());

    auto sortedNumbers = [](Ticket t) {
        std::sort(t.begin(), t.begin() + 6);
        return t;
    };
    auto kept = [&](const std::vector<Ticket>& list) {
        generator.results.tickets = list;
        generator.results.tags.assign(list.size(), 0);
        EXPECT_TRUE(generator.continueFiltering(ws, {}).completed);
        std::map<Ticket, int> tags;
        for (size_t i = 0; i < generator.results.tickets.size(); ++i)
            tags[sortedNumbers(generator.results.tickets[i])] = generator.results.tags[i];
        return tags;
    };
    const std::map<Ticket, int> inOrder = kept(all);
    std::vector<Ticket> passing;
    size_t tolerated = 0;
    for (const auto& [ticket, tag] : inOrder) {
        passing.push_back(ticket);
        tolerated += tag == 2;
    }
    EXPECT_EQ(passing, regular);
    EXPECT_GT(tolerated, 0u);
    EXPECT_LT(tolerated, passing.size());

    std::vector<Ticket> mixed = all;
    std::mt19937 random(5);
    std::shuffle(mixed.begin(), mixed.end(), random);
    for (size_t i = 0; i < mixed.size(); i += 7) std::reverse(mixed[i].begin(), mixed[i].begin() + 6);
    EXPECT_EQ(kept(mixed), inOrder);
    // Sorted ascending as bytes: neighbours share their lowest numbers instead.
    std::vector<Ticket> byBytes = all;
    std::sort(byBytes.begin(), byBytes.end());
    EXPECT_EQ(kept(byBytes), inOrder);
}

TEST_F(GeneratorRun, PredictionRecordIsRemovedBeforeARun) {
    EXPECT_FALSE(removePredictionRecord(ws.sjk));
    ws.sjk.Append();
    ws.sjk.SetFieldValue(0, kPredictionPeriod);
    generator.results.tickets = {Ticket{1, 2, 3, 4, 5, 6}};
    // A run over a history that still holds it is refused and changes nothing.
    for (const RunReport& report : {generator.run(ws, {}), generator.continueFiltering(ws, {})}) {
        EXPECT_FALSE(report.completed);
        EXPECT_EQ(report.message, kPredictionPresentMessage);
    }
    EXPECT_EQ(ws.sjk.RecordCount(), 3494);
    EXPECT_EQ(generator.results.tickets.size(), 1u) << "the previous results stay";
    EXPECT_TRUE(removePredictionRecord(ws.sjk));
    EXPECT_EQ(ws.sjk.RecordCount(), 3493);
    EXPECT_EQ(ws.sjk.indexOfPeriod(kPredictionPeriod), 0);
    generator.conditions.rows[kStandardDeviationRow].enabled = true;
    EXPECT_EQ(generator.run(ws, {}).message, kDeviationRangeMissing);
}

// A result file can hold any numbers 0..255: one outside the main range matches nothing, even
// where the selectable numbers are kept as a 64-bit mask.
TEST_F(GeneratorRun, ContinueFilteringDropsNumbersOutsideTheRange) {
    const Ticket inside{1, 2, 3, 4, 5, 6};
    generator.results.tickets = {Ticket{1, 2, 3, 4, 5, 70}, inside, Ticket{0, 2, 3, 4, 5, 6},
                                 Ticket{1, 2, 3, 4, 5, 255}, Ticket{1, 2, 3, 4, 5, 34}};
    generator.results.tags.assign(5, 0);
    ASSERT_TRUE(generator.continueFiltering(ws, {}).completed);
    EXPECT_EQ(generator.results.tickets, std::vector<Ticket>{inside});
}

// A loaded or typed ticket with a repeated number or a number outside the game's range fails,
// whatever the selectable flags say; the others are tested as usual.
TEST_F(GeneratorRun, ContinueFilteringFailsRepeatedAndOutOfRangeNumbers) {
    struct Case {
        Ticket ticket;
        bool kept;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6}, true},        {{6, 5, 4, 3, 2, 1}, true},   // stored as typed, tested sorted
        {{28, 29, 30, 31, 32, 33}, true},  {{1, 1, 2, 3, 4, 5}, false},  // repeated
        {{5, 1, 2, 3, 4, 5}, false},                                     // repeated, apart in the stored order
        {{33, 33, 33, 33, 33, 33}, false}, {{1, 2, 3, 4, 5, 0}, false},  // a short line's missing number
        {{1, 2, 3, 4, 5, 34}, false},                                    // beyond 33 though selectable below
        {{1, 2, 3, 4, 5, 49}, false},      {{1, 2, 3, 4, 5, 63}, false},
        {{1, 2, 3, 4, 5, 64}, false},      {{1, 2, 3, 4, 5, 200}, false},
    };
    // Flags beyond the game's range (another type's conditions) must not admit its numbers.
    for (int n : {34, 49}) generator.conditions.selectable[n] = true;
    std::vector<Ticket> kept;
    for (const Case& c : cases) {
        generator.results.tickets.push_back(c.ticket);
        if (c.kept) kept.push_back(c.ticket);
    }
    generator.results.tags.assign(generator.results.tickets.size(), 0);
    RunReport report = generator.continueFiltering(ws, {});
    ASSERT_TRUE(report.completed) << report.message;
    std::vector<Ticket> left = generator.results.tickets;
    std::sort(left.begin(), left.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(left, kept);
    EXPECT_EQ(generator.results.passCount, 3);
}

// Allowed values far apart or at the ends of the 32-bit range: the row keeps exactly the tickets
// whose value is in the set, and its table stays small. Values a row cannot take are dropped
// where its range is known; rows read from the history's content keep them and search a sorted
// list.
TEST_F(GeneratorRun, FarApartAllowedValuesKeepTheRightTickets) {
    for (int n = 21; n <= 33; ++n) generator.conditions.selectable[n] = false;  // C(20,6) = 38,760
    using Form = AllowedValues::Form;
    struct Case {
        int row;
        std::vector<int32_t> far, near;  // `far` must keep what `near` keeps
        Form form;
    } cases[] = {
        {14, {3, 1000000000}, {3}, Form::Sorted},                         // 不同间距个数: general computation
        {15, {0, 1000000000}, {0}, Form::Bits},                           // AC值: 0..16
        {42, {INT32_MIN, 0, 1, INT32_MAX}, {0, 1}, Form::Sorted},         // 红号一振幅: the previous draw
        {1, {0, 1000000000}, {0}, Form::Bits},                            // 大数个数: 0..6
        {25, {INT32_MIN, 100, INT32_MAX}, {100}, Form::Bits},             // 和值
        {131, {0, 5, 1000000000, INT32_MAX}, {0, 5}, Form::Bits},         // 和值遗漏: 0..draws
        {2, {INT32_MIN, -1, 7, 1000000000, INT32_MAX}, {7}, Form::Bits},  // 奇数个数: none possible
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        generator.conditions.rows = {};
        enable(c.row, c.far);
        const Plan plan = makePlan(ws, generator.conditions, generator.signatures(), {}, false);
        ASSERT_EQ(plan.rows.size(), 1u);
        EXPECT_EQ(plan.rows[0].allowed.form(), c.form);
        EXPECT_LE(plan.rows[0].allowed.heapBytes(), 64u);
        RunOptions options;
        options.threads = 2;
        ASSERT_TRUE(generator.run(ws, options).completed);
        const std::vector<Ticket> far = generator.results.tickets;
        enable(c.row, c.near);
        ASSERT_TRUE(generator.run(ws, options).completed);
        EXPECT_EQ(far, generator.results.tickets);
        if (c.row == 2)
            EXPECT_TRUE(far.empty()) << "a row none of whose values is possible rejects every ticket";
        else
            EXPECT_FALSE(far.empty());
    }
}

// A long-lived worker takes the caller's results as input and hands its own back by a swap: the
// caller's results are untouched until then, and a stopped run leaves both as they were.
TEST_F(GeneratorRun, WorkerSwapsResultsWithoutCopies) {
    Generator worker{7};
    MainResults mine;
    mine.tickets = {Ticket{1, 2, 3, 4, 5, 7}, Ticket{1, 2, 3, 4, 5, 6}, Ticket{1, 2, 3, 4, 5, 9}};
    mine.tags.assign(3, 0);
    const MainResults before = mine;
    worker.conditions = generator.conditions;
    worker.conditions.rows[25] = {true, {21, 22}, false, {}, {}};
    ASSERT_TRUE(worker.continueFiltering(ws, {}, mine).completed);
    EXPECT_EQ(mine.tickets, before.tickets);
    const Ticket* outcome = worker.results.tickets.data();
    std::swap(mine, worker.results);
    EXPECT_EQ(mine.tickets, (std::vector<Ticket>{Ticket{1, 2, 3, 4, 5, 7}, Ticket{1, 2, 3, 4, 5, 6}}));
    EXPECT_EQ(mine.tickets.data(), outcome) << "swapped, not copied";

    // The same worker for a regular run, then one stopped by a formula: nothing changes.
    ASSERT_TRUE(worker.run(ws, {}).completed);
    EXPECT_EQ(worker.results.tickets.size(), 2u);  // 和值 21 or 22
    worker.conditions.customEnabled = true;
    worker.conditions.custom.add("100/(z_num1-1)", false, {1});
    const MainResults kept = worker.results;
    EXPECT_FALSE(worker.continueFiltering(ws, {}, mine).completed);
    EXPECT_EQ(worker.results.tickets, kept.tickets);
    EXPECT_EQ(mine.tickets.size(), 2u);
}

TEST_F(GeneratorRun, FormulaDividingByZeroStopsTheRun) {
    generator.results.tickets = {Ticket{1, 2, 3, 4, 5, 6}};
    generator.conditions.customEnabled = true;
    generator.conditions.custom.add("100/(z_num1-1)", false, {1, 2, 3});
    RunReport report = generator.run(ws, {});
    EXPECT_FALSE(report.completed);
    EXPECT_NE(report.message.find("100/(z_num1-1)"), std::string::npos);
    EXPECT_EQ(generator.results.tickets.size(), 1u);
}

// 100/[-1]z_cmgs divides by zero at the first two draws only; for a ticket after the last draw
// getzf reads the last draw and the ticket, so the run completes. With the history cut before the
// third draw it reads the second, and the run stops there.
TEST_F(GeneratorRun, HistoryFunctionStopsOnlyAtTheDrawsItReads) {
    for (int n : {1, 2, 3, 4, 5}) generator.conditions.fixed[n] = true;
    generator.conditions.customEnabled = true;
    std::vector<int32_t> allowed;
    for (int32_t v = 0; v <= 59; ++v) allowed.push_back(v);
    generator.conditions.custom.add("getzf(100/[-1]z_cmgs)", false, allowed);
    RunReport report = generator.run(ws, {});
    ASSERT_TRUE(report.completed) << report.message;
    EXPECT_EQ(generator.results.tickets.size(), 28u) << "|100/2 - 100/1| = 50 for every ticket";

    RunOptions cut;
    cut.filterPeriod = 2003003;
    report = generator.run(ws, cut);
    EXPECT_FALSE(report.completed);
    EXPECT_EQ(report.message, "公式“getzf(100/[-1]z_cmgs)”中除数为0，计算已停止");
    EXPECT_EQ(generator.results.tickets.size(), 28u) << "the previous results stay";
}

}  // namespace
}  // namespace lottodesk
