// Editing the main result list by hand and copying a ticket into the prediction record.
#include <gtest/gtest.h>

#include "generator/resultedit.h"

namespace lottodesk {
namespace {

Ticket ticket(std::initializer_list<int> numbers, int hits = 0) {
    Ticket t{};
    size_t i = 0;
    for (int n : numbers) t[i++] = static_cast<uint8_t>(n);
    t[6] = static_cast<uint8_t>(hits);
    return t;
}

TEST(ResultEdit, TicketDialogTextBothWays) {
    EXPECT_EQ(ticketGroupsText(ticket({5, 1, 33, 2, 9, 10}), 6), "05-01-33-02-09-10");
    // As typed (not sorted); a group that is not a number, or beyond a byte, gives 0.
    EXPECT_EQ(ticketFromGroups("05-01-33-02-09-10", 6), ticket({5, 1, 33, 2, 9, 10}));
    EXPECT_EQ(ticketFromGroups("05- 1-  -xx-300-10", 6), ticket({5, 1, 0, 0, 0, 10}));
    EXPECT_EQ(ticketFromGroups("", 6), ticket({}));
}

TEST(ResultEdit, EditsKeepTagsInStepAndClearTheHits) {
    MainResults results;
    results.tickets = {ticket({1, 2, 3, 4, 5, 6}, 6), ticket({1, 2, 3, 4, 5, 7}, 5)};
    results.tags = {0, 12};
    appendResult(results, ticket({8, 9, 10, 11, 12, 13}), 6);
    ASSERT_EQ(results.tickets.size(), 3u);
    EXPECT_EQ(results.tags, (std::vector<uint8_t>{0, 12, 0}));
    for (const Ticket& t : results.tickets) EXPECT_EQ(t[6], 0);
    EXPECT_EQ(results.passCount, 3);

    EXPECT_TRUE(replaceResult(results, 2, ticket({20, 21, 22, 23, 24, 25}), 6));
    EXPECT_FALSE(replaceResult(results, 3, ticket({1}), 6));
    EXPECT_EQ(results.tickets[2], ticket({20, 21, 22, 23, 24, 25}));

    EXPECT_TRUE(removeResult(results, 0, 6));
    EXPECT_FALSE(removeResult(results, 2, 6));
    EXPECT_EQ(results.tickets, (std::vector<Ticket>{ticket({1, 2, 3, 4, 5, 7}), ticket({20, 21, 22, 23, 24, 25})}));
    EXPECT_EQ(results.tags, (std::vector<uint8_t>{12, 0}));
    EXPECT_EQ(results.passCount, 2);
}

TEST(ResultEdit, PredictionRecordIsAppendedOnceThenEdited) {
    t_s_dm history;
    history.Append();
    history.SetFieldValue(0, 2026001);
    putTicketIntoPrediction(history, ticket({1, 2, 3, 4, 5, 6}), 6);
    ASSERT_EQ(history.RecordCount(), 2);
    putTicketIntoPrediction(history, ticket({7, 8, 9, 10, 11, 12}), 6);
    ASSERT_EQ(history.RecordCount(), 2);
    const int32_t* record = history.record(2);
    EXPECT_EQ(std::vector<int32_t>(record, record + 10),
              (std::vector<int32_t>{kPredictionPeriod, 7, 8, 9, 10, 11, 12, 1, 2, 0}));
}

// A secondary ticket fills only the secondary fields of an existing record, and main numbers
// 1..m of a new one; a two-zone ticket fills both zones; the special number is h = 1.
TEST(ResultEdit, SecondaryAndTwoZoneTicketsIntoThePrediction) {
    t_s_dm history;
    history.Append();
    history.SetFieldValue(0, 2026001);
    const uint8_t pair[] = {3, 11};
    putSecondaryIntoPrediction(history, pair, 2, 5);
    ASSERT_EQ(history.RecordCount(), 2);
    const int32_t* record = history.record(2);
    EXPECT_EQ(std::vector<int32_t>(record, record + 9),
              (std::vector<int32_t>{kPredictionPeriod, 1, 2, 3, 4, 5, 3, 11, 0}));

    TwoZoneTicket two;
    two.main = {6, 9, 12, 20, 30};
    two.secondary = {1, 12};
    putTwoZoneIntoPrediction(history, two, 5, 2);
    record = history.record(2);
    EXPECT_EQ(std::vector<int32_t>(record, record + 8),
              (std::vector<int32_t>{kPredictionPeriod, 6, 9, 12, 20, 30, 1, 12}));
    const uint8_t special[] = {7};
    putSecondaryIntoPrediction(history, special, 1, 5);
    ASSERT_EQ(history.RecordCount(), 2);
    EXPECT_EQ(std::vector<int32_t>(record, record + 8),
              (std::vector<int32_t>{kPredictionPeriod, 6, 9, 12, 20, 30, 7, 12}));
    EXPECT_EQ(secondaryGroupsText(two, 2), "01-12");
}

}  // namespace
}  // namespace lottodesk
