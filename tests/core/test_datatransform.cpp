#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "core/datatransform.h"
#include "core/drawupdate.h"
#include "core/firstrun.h"
#include "core/workspace.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::TempFolder;

const GameParams kSsq{6, 1, 33, 1, 1, 16, true};
const GameParams kThreeOfSix{3, 1, 6, 1, 1, 16, true};

std::vector<int32_t> list(const int32_t* values, int d) { return std::vector<int32_t>(values, values + d); }

std::vector<int32_t> shuffled(std::vector<int32_t> values, int t) {
    shuffleList(values.data(), static_cast<int>(values.size()), t);
    return values;
}

std::vector<int32_t> rankingOf(const t_s_dm& rankings, int k, const GameParams& game) {
    return list(rankings.record(k) + 1, game.zh_to - game.zh_from + 1);
}

std::vector<int32_t> mainOf(const t_s_dm& store, int k, int m) { return list(store.record(k) + 1, m); }

void fill(t_s_dm& store, const std::vector<std::vector<int32_t>>& draws, int32_t firstPeriod = 2020001) {
    store.Clear(false);
    int32_t period = firstPeriod;
    for (const std::vector<int32_t>& numbers : draws) {
        DrawRecord record{};
        record[0] = period++;
        std::copy(numbers.begin(), numbers.end(), record.begin() + 1);
        store.Append();
        store.setRecord(store.RecNo(), record);
    }
}

// The rankings as the definition states them: for every record, rescan all earlier records.
std::vector<std::vector<int32_t>> literalRankings(const t_s_dm& history, const GameParams& game, int transform) {
    const int d = game.zh_to - game.zh_from + 1;
    std::vector<std::vector<int32_t>> drawn;
    for (int r = 1; r <= history.RecordCount(); ++r) drawn.push_back(shuffled(mainOf(history, r, game.zhgs), 3));
    std::vector<std::vector<int32_t>> rankings;
    for (int k = 1; k <= history.RecordCount(); ++k) {
        std::vector<int32_t> ranking;
        std::array<bool, 64> listed{};
        auto list = [&](int32_t n) {
            if (n < game.zh_from || n > game.zh_to || listed[static_cast<size_t>(n)]) return;
            listed[static_cast<size_t>(n)] = true;
            ranking.push_back(n);
        };
        for (int r = k - 1; r >= 1; --r) {
            const std::vector<int32_t>& numbers = drawn[static_cast<size_t>(r - 1)];
            for (size_t i = 0; i < numbers.size(); ++i) list(numbers[i]);
        }
        for (int32_t n = game.zh_from; n <= game.zh_to; ++n) list(n);
        if (transform >= 2) shuffleList(ranking.data(), d, transform - 1);
        rankings.push_back(ranking);
    }
    return rankings;
}

TEST(Shuffle, SwapsAsDescribedWithANonNegativeRemainder) {
    EXPECT_EQ(shuffled({1, 2, 3, 4, 5, 6}, 3), (std::vector<int32_t>{3, 1, 5, 6, 4, 2}));
    EXPECT_EQ(shuffled({1, 2, 3, 4, 5, 6}, 1), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
    // -4 - 1 = -5: the remainder taken non-negative is 1, so place 3 (a truncated one would be 0).
    EXPECT_EQ(shuffled({-4, 1, 2, 3}, 1), (std::vector<int32_t>{-4, 2, 1, 3}));
    // A 0 from a damaged record picks the last place.
    EXPECT_EQ(shuffled({0, 5, 6, 7}, 1), (std::vector<int32_t>{0, 6, 7, 5}));
    EXPECT_EQ(shuffled({4, 9}, 2), (std::vector<int32_t>{9, 4}));
}

TEST(Offered, OnlyTheRawDataForSmallDrawsOrLargeRanges) {
    EXPECT_EQ(offeredTransforms(kSsq), 5);
    EXPECT_EQ(offeredTransforms(GameParams{7, 1, 49, 1, 1, 49, true}), 5);
    EXPECT_EQ(offeredTransforms(GameParams{2, 1, 33, 1, 1, 16, true}), 1);
    EXPECT_EQ(offeredTransforms(GameParams{6, 1, 50, 1, 1, 16, true}), 1);
    EXPECT_EQ(offeredTransforms(GameParams{6, 10, 60, 1, 1, 16, true}), 1);
    EXPECT_EQ(transformName(0), "原始数据");
    EXPECT_EQ(transformName(3), "变换3");
}

// A 3-of-1..6 history worked by hand:
//   D = (3 2 1), (6 4 5), (6 2 4); R(2) = 3 2 1 4 5 6, R(3) = 6 4 5 3 2 1, R(4) = 6 2 4 5 3 1.
TEST(Rankings, SmallHistoryByHand) {
    t_s_dm history, rankings, copy;
    fill(history, {{1, 2, 3}, {4, 5, 6}, {2, 4, 6}, {1, 3, 5}});
    buildRankings(history, kThreeOfSix, 1, rankings);
    ASSERT_EQ(rankings.RecordCount(), 4);
    EXPECT_EQ(rankings.FieldValueAt(3, 0), 2020003);
    EXPECT_EQ(rankingOf(rankings, 1, kThreeOfSix), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(rankingOf(rankings, 2, kThreeOfSix), (std::vector<int32_t>{3, 2, 1, 4, 5, 6}));
    EXPECT_EQ(rankingOf(rankings, 3, kThreeOfSix), (std::vector<int32_t>{6, 4, 5, 3, 2, 1}));
    EXPECT_EQ(rankingOf(rankings, 4, kThreeOfSix), (std::vector<int32_t>{6, 2, 4, 5, 3, 1}));
    buildTransformedCopy(history, rankings, kThreeOfSix, copy);
    EXPECT_EQ(mainOf(copy, 1, 3), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(mainOf(copy, 2, 3), (std::vector<int32_t>{4, 5, 6}));
    EXPECT_EQ(mainOf(copy, 3, 3), (std::vector<int32_t>{2, 4, 6}));
    EXPECT_EQ(mainOf(copy, 4, 3), (std::vector<int32_t>{3, 4, 6}));  // 1 5 3 through R(3)

    // Transform 2 shuffles every ranking once more: S(R(2), 1) = 3 1 5 6 4 2, S(R(3), 1) = 6 4 5 2 3 1.
    buildRankings(history, kThreeOfSix, 2, rankings);
    EXPECT_EQ(rankingOf(rankings, 2, kThreeOfSix), (std::vector<int32_t>{3, 1, 5, 6, 4, 2}));
    EXPECT_EQ(rankingOf(rankings, 3, kThreeOfSix), (std::vector<int32_t>{6, 4, 5, 2, 3, 1}));
    buildTransformedCopy(history, rankings, kThreeOfSix, copy);
    EXPECT_EQ(mainOf(copy, 3, 3), (std::vector<int32_t>{4, 5, 6}));
    EXPECT_EQ(mainOf(copy, 4, 3), (std::vector<int32_t>{3, 5, 6}));
}

TEST(Rankings, MoveToFrontEqualsTheLiteralRescanOnTheRealHistory) {
    TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    t_s_dm history, rankings, copy;
    history.SetFileName(home.file("database/basedata0.rec"));
    ASSERT_TRUE(history.Open());
    ASSERT_GT(history.RecordCount(), 3000);
    const std::vector<std::vector<int32_t>> base = literalRankings(history, kSsq, 1);
    for (int transform = 1; transform <= 4; ++transform) {
        SCOPED_TRACE(transform);
        buildRankings(history, kSsq, transform, rankings);
        ASSERT_EQ(rankings.RecordCount(), history.RecordCount());
        buildTransformedCopy(history, rankings, kSsq, copy);
        for (int k = 1; k <= history.RecordCount(); ++k) {
            std::vector<int32_t> expected = base[k - 1];
            if (transform >= 2) shuffleList(expected.data(), 33, transform - 1);
            ASSERT_EQ(rankingOf(rankings, k, kSsq), expected) << "record " << k;
            if (k == 1) continue;
            // Record k through R(k - 1), places ascending.
            std::vector<int32_t> places;
            std::vector<int32_t> previous = base[k - 2];
            if (transform >= 2) shuffleList(previous.data(), 33, transform - 1);
            for (int32_t n : mainOf(history, k, 6))
                places.push_back(
                    static_cast<int32_t>(std::find(previous.begin(), previous.end(), n) - previous.begin()) + 1);
            std::sort(places.begin(), places.end());
            ASSERT_EQ(mainOf(copy, k, 6), places) << "record " << k;
            ASSERT_EQ(copy.FieldValueAt(k, 7), history.FieldValueAt(k, 7));
        }
    }
}

TEST(Rankings, DamagedNumbersTakeNoPartAndBecomeZero) {
    t_s_dm history, rankings, copy;
    // Record 2 holds 40 (out of range) and 5 twice.
    fill(history, {{1, 2, 3}, {5, 40, 5}, {1, 5, 6}, {2, 3, 4}});
    const GameParams game{3, 1, 6, 1, 1, 16, true};
    buildRankings(history, game, 1, rankings);
    for (int k = 1; k <= 4; ++k) {
        std::vector<int32_t> ranking = rankingOf(rankings, k, game);
        std::sort(ranking.begin(), ranking.end());
        EXPECT_EQ(ranking, (std::vector<int32_t>{1, 2, 3, 4, 5, 6})) << k;  // always a permutation
    }
    // D(record 2) = S((5 40 5), 3) = (5 40 5): only 5 moves to the front.
    EXPECT_EQ(rankingOf(rankings, 3, game), (std::vector<int32_t>{5, 3, 2, 1, 4, 6}));
    buildTransformedCopy(history, rankings, game, copy);
    EXPECT_EQ(mainOf(copy, 2, 3), (std::vector<int32_t>{0, 0, 5}));
}

TEST(Rankings, OneRecordStaysAsItIs) {
    t_s_dm history, rankings, copy;
    fill(history, {{9, 3, 7, 1, 30, 22}});
    buildRankings(history, kSsq, 1, rankings);
    buildTransformedCopy(history, rankings, kSsq, copy);
    ASSERT_EQ(copy.RecordCount(), 1);
    EXPECT_EQ(mainOf(copy, 1, 6), (std::vector<int32_t>{9, 3, 7, 1, 30, 22}));
}

TEST(Mapping, RestoreAndPlaces) {
    const std::vector<int32_t> ranking{12, 10, 28, 26, 13, 11, 1, 2};
    EXPECT_EQ(numberAt(ranking, 3), 28);
    EXPECT_EQ(numberAt(ranking, 0), 0);
    EXPECT_EQ(numberAt(ranking, 9), 0);
    EXPECT_EQ(placeOf(ranking, 13), 5);
    EXPECT_EQ(placeOf(ranking, 33), 0);
    uint8_t ticket[6] = {1, 2, 3, 5, 7, 8};
    restoreTicket(ticket, 6, ranking);
    EXPECT_EQ(std::vector<int32_t>(ticket, ticket + 6), (std::vector<int32_t>{1, 2, 10, 12, 13, 28}));
}

// A workspace on a seeded program folder (双色球 with its real history).
class Transform : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
        MemorySettings settings;
        ASSERT_TRUE(initialiseWorkspace(ws, settings).historyOpened);
        prepareHistoryAfterStart(ws);
        file = test::readFile(ws.sjk.FileName());
        count = ws.sjk.RecordCount();
    }
    std::vector<DrawRecord> records() const {
        std::vector<DrawRecord> all(static_cast<size_t>(ws.sjk.RecordCount()));
        for (int k = 1; k <= ws.sjk.RecordCount(); ++k)
            std::memcpy(all[k - 1].data(), ws.sjk.record(k), kDrawRecordSize);
        return all;
    }
    void expectUnchanged(const std::vector<DrawRecord>& before) const {
        EXPECT_EQ(records(), before);
        EXPECT_EQ(test::readFile(ws.sjk.FileName()), file);
    }

    TempFolder home;
    Workspace ws{home.path()};
    std::string file;
    int count = 0;
};

TEST_F(Transform, EveryTransformAndBackRestoresEveryRecordAndNeverWritesTheFile) {
    const std::vector<DrawRecord> original = records();
    for (int transform = 1; transform <= 4; ++transform) {
        SCOPED_TRACE(transform);
        ASSERT_TRUE(applyTransform(ws, transform));
        EXPECT_EQ(ws.transform, transform);
        EXPECT_TRUE(ws.transformed);
        EXPECT_EQ(mainCaption(ws, false), "双色球(变换数据" + std::to_string(transform) + ")");
        ASSERT_EQ(ws.sjk.RecordCount(), count);
        EXPECT_EQ(ws.sjk_bh.RecordCount(), count);
        EXPECT_EQ(ws.sjk_bhdata.RecordCount(), count);
        EXPECT_NE(records(), original);
        EXPECT_EQ(test::readFile(ws.sjk.FileName()), file);
        // The periods and secondary numbers stay; the main numbers are the copy's.
        for (int k = 1; k <= count; ++k) {
            ASSERT_EQ(ws.sjk.FieldValueAt(k, 0), original[k - 1][0]);
            ASSERT_EQ(ws.sjk.FieldValueAt(k, 7), original[k - 1][7]);
            ASSERT_EQ(mainOf(ws.sjk, k, 6), mainOf(ws.sjk_bhdata, k, 6));
        }
        ASSERT_TRUE(applyTransform(ws, 0));
        EXPECT_EQ(ws.transform, 0);
        EXPECT_FALSE(ws.transformed);
        EXPECT_EQ(mainCaption(ws, true), "双色球(原始数据)");
        expectUnchanged(original);
    }
    // From one transform straight to another.
    ASSERT_TRUE(applyTransform(ws, 2));
    ASSERT_TRUE(applyTransform(ws, 3));
    const std::vector<DrawRecord> three = records();
    ASSERT_TRUE(applyTransform(ws, 0));
    ASSERT_TRUE(applyTransform(ws, 3));
    EXPECT_EQ(records(), three);
    ASSERT_TRUE(applyTransform(ws, 0));
    expectUnchanged(original);
}

TEST_F(Transform, RecordTwoThroughTheAscendingRanking) {
    ASSERT_TRUE(applyTransform(ws, 1));
    // 2003002 is 04 09 19 20 21 26; R(1) is 1..33 ascending, so it keeps its numbers.
    EXPECT_EQ(mainOf(ws.sjk, 2, 6), (std::vector<int32_t>{4, 9, 19, 20, 21, 26}));
    // 2003003 (01 07 10 23 28 32) through R(2) = 12 10 28 26 13 11 01 02 ..
    EXPECT_EQ(mainOf(ws.sjk, 3, 6), (std::vector<int32_t>{2, 3, 7, 13, 25, 32}));
    EXPECT_EQ(rankingOf(ws.sjk_bh, 2, kSsq).front(), 12);
}

TEST_F(Transform, CursorReturnsToItsPeriod) {
    ws.sjk.SetRecNo(100);
    const int32_t period = ws.sjk.FieldValue(0);
    ASSERT_TRUE(applyTransform(ws, 1));
    EXPECT_EQ(ws.sjk.FieldValue(0), period);
    ASSERT_TRUE(applyTransform(ws, 0));
    EXPECT_EQ(ws.sjk.RecNo(), 100);
    // A cursor on a record that is gone after the reopen (the generator's candidate) ends on the last record.
    ws.sjk.Append();
    ws.sjk.SetFieldValue(0, kCandidatePeriod);
    ASSERT_TRUE(applyTransform(ws, 2));
    EXPECT_EQ(ws.sjk.RecordCount(), count);
    EXPECT_EQ(ws.sjk.RecNo(), count);
}

TEST_F(Transform, PredictionRecordSurvivesEveryChange) {
    NumberFlags selection{};
    for (int n : {3, 8, 15, 16, 29, 33}) selection[n] = true;
    ASSERT_TRUE(putSelectionIntoPrediction(ws.sjk, ws.game, selection));
    ws.sjk.SetFieldValue(7, 9);  // a secondary number kept along
    ASSERT_EQ(ws.sjk.RecordCount(), count + 1);

    ASSERT_TRUE(applyTransform(ws, 1, &selection));
    ASSERT_EQ(ws.sjk.RecordCount(), count + 1);
    EXPECT_EQ(ws.sjk.FieldValueAt(count + 1, 0), kPredictionPeriod);
    // The prediction record is numbered like the selection: through the ranking after the last draw.
    const std::vector<int32_t> undrawn = undrawnRanking(ws);
    EXPECT_EQ(undrawn, rankingOf(ws.sjk_bh, count, kSsq));
    std::vector<int32_t> places;
    for (int n : {3, 8, 15, 16, 29, 33}) places.push_back(placeOf(undrawn, n));
    std::sort(places.begin(), places.end());
    EXPECT_EQ(mainOf(ws.sjk, count + 1, 6), places);
    std::vector<int32_t> selected;
    for (int n = 1; n <= 33; ++n)
        if (selection[n]) selected.push_back(n);
    EXPECT_EQ(selected, places);

    ASSERT_TRUE(applyTransform(ws, 4, &selection));
    ASSERT_TRUE(applyTransform(ws, 0, &selection));
    EXPECT_EQ(mainOf(ws.sjk, count + 1, 6), (std::vector<int32_t>{3, 8, 15, 16, 29, 33}));
    EXPECT_EQ(ws.sjk.FieldValueAt(count + 1, 7), 9);
    selected.clear();
    for (int n = 1; n <= 33; ++n)
        if (selection[n]) selected.push_back(n);
    EXPECT_EQ(selected, (std::vector<int32_t>{3, 8, 15, 16, 29, 33}));
    EXPECT_EQ(test::readFile(ws.sjk.FileName()), file);
}

TEST_F(Transform, SelectionOfTheWrongSizeIsRefused) {
    NumberFlags selection{};
    for (int n : {1, 2, 3, 4, 5}) selection[n] = true;
    const std::vector<DrawRecord> before = records();
    const Status put = putSelectionIntoPrediction(ws.sjk, ws.game, selection);
    EXPECT_FALSE(put);
    EXPECT_EQ(put.message, "选号区红号个数应为6个");
    expectUnchanged(before);
    selection[6] = true;
    ASSERT_TRUE(putSelectionIntoPrediction(ws.sjk, ws.game, selection));
    selection[6] = false;
    selection[7] = true;
    ASSERT_TRUE(putSelectionIntoPrediction(ws.sjk, ws.game, selection));  // edits the record
    EXPECT_EQ(ws.sjk.RecordCount(), count + 1);
    EXPECT_EQ(ws.sjk.FieldValueAt(count + 1, 6), 7);
    removePrediction(ws.sjk);
    expectUnchanged(before);
    removePrediction(ws.sjk);  // none left: nothing happens
    EXPECT_EQ(ws.sjk.RecordCount(), count);
}

TEST_F(Transform, EverySavingPathIsRefusedWhileTransformed) {
    ASSERT_TRUE(applyTransform(ws, 1));
    const std::vector<DrawRecord> before = records();
    auto refused = [&](const Status& status, const char* path) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(status);
        EXPECT_EQ(status.message, kTransformedSaveMessage);
        expectUnchanged(before);
    };
    DrawRecord draw{};
    draw[0] = 2099001;
    for (int i = 1; i <= 7; ++i) draw[i] = i;
    refused(addDraw(ws.sjk, draw), "typed entry");
    DrawRecord changed = draw;
    changed[0] = ws.sjk.FieldValueAt(5, 0);
    refused(modifyDraw(ws.sjk, 5, changed, 7), "modify");
    refused(deleteDraw(ws.sjk, 5), "delete");
    refused(clearHistory(ws.sjk), "clear");
    refused(importDrawText(ws.sjk, ws.game, "2099001 01 02 03 04 05 06 07\n", true, false).status, "import");
    refused(importDrawText(ws.sjk, ws.game, "2099001 01 02 03 04 05 06 07\n", true, true).status, "overwrite");
    const std::vector<std::string> handOver = {"2099001", "01,02,03,04,05,06,07", "x"};
    refused(applyDownload(ws.sjk, -1, handOver, [] { return true; }).status, "online hand-over");
    // The store itself, whoever calls it.
    EXPECT_FALSE(ws.sjk.Post());
    EXPECT_FALSE(ws.sjk.Delete(true));
    EXPECT_FALSE(ws.sjk.Clear(true));
    EXPECT_EQ(ws.sjk.lastError(), kTransformedSaveMessage);
    expectUnchanged(before);

    // Back to the raw data, saving works again.
    ASSERT_TRUE(applyTransform(ws, 0));
    ASSERT_TRUE(addDraw(ws.sjk, draw));
    EXPECT_EQ(ws.sjk.RecordCount(), count + 1);
}

TEST_F(Transform, ReloadReappliesTheTransform) {
    ASSERT_TRUE(applyTransform(ws, 2));
    const std::vector<DrawRecord> transformed = records();
    // Another program adds a draw to the file meanwhile.
    DrawRecord draw{};
    draw[0] = 2099001;
    for (int i = 1; i <= 7; ++i) draw[i] = i;
    test::writeFile(ws.sjk.FileName(), file + std::string(reinterpret_cast<const char*>(draw.data()), kDrawRecordSize));
    ASSERT_TRUE(reloadHistory(ws));
    EXPECT_EQ(ws.transform, 2);
    EXPECT_EQ(ws.sjk.saveRefusal(), kTransformedSaveMessage);
    ASSERT_EQ(ws.sjk.RecordCount(), count + 1);
    const std::vector<DrawRecord> reloaded = records();
    for (int k = 1; k <= count; ++k) ASSERT_EQ(reloaded[k - 1], transformed[k - 1]);
    EXPECT_EQ(ws.sjk_bh.RecordCount(), count + 1);
}

TEST_F(Transform, TypeSwitchForgetsTheTransform) {
    ASSERT_TRUE(applyTransform(ws, 3));
    ws.curcp = 1;
    ASSERT_TRUE(switchLotteryType(ws, 0));
    EXPECT_EQ(ws.transform, 0);
    EXPECT_FALSE(ws.transformed);
    EXPECT_TRUE(ws.sjk.saveRefusal().empty());
    EXPECT_EQ(ws.sjk_bh.RecordCount(), 0);
    EXPECT_EQ(mainCaption(ws, true), "超级大乐透(原始数据)");
}

TEST_F(Transform, GamesThatCannotBeTransformedOfferOnlyTheRawData) {
    ws.game.zhgs = 2;
    const std::vector<DrawRecord> before = records();
    const Status applied = applyTransform(ws, 1);
    EXPECT_FALSE(applied);
    EXPECT_EQ(ws.transform, 0);
    expectUnchanged(before);
    EXPECT_TRUE(applyTransform(ws, 0));
}

TEST_F(Transform, RankingOfTheFilteredPeriod) {
    EXPECT_EQ(undrawnRanking(ws).size(), 33u);
    EXPECT_EQ(undrawnRanking(ws).front(), 1);  // no transform: the numbers themselves
    ASSERT_TRUE(applyTransform(ws, 1));
    const int32_t period = ws.sjk.FieldValueAt(200, 0);
    EXPECT_EQ(rankingForFilterPeriod(ws, period), rankingOf(ws.sjk_bh, 199, kSsq));
    EXPECT_EQ(rankingForFilterPeriod(ws, 0), rankingOf(ws.sjk_bh, count, kSsq));
    EXPECT_TRUE(rankingForFilterPeriod(ws, 1999001).empty());
    // A prediction record does not move the undrawn period's ranking.
    NumberFlags selection{};
    for (int n : {1, 2, 3, 4, 5, 6}) selection[n] = true;
    ASSERT_TRUE(putSelectionIntoPrediction(ws.sjk, ws.game, selection));
    EXPECT_EQ(rankingForFilterPeriod(ws, 0), rankingOf(ws.sjk_bh, count, kSsq));
    // The draws of a period map back to the drawn numbers through its ranking.
    std::vector<int32_t> drawn;
    for (int32_t place : mainOf(ws.sjk, 200, 6)) drawn.push_back(numberAt(rankingForFilterPeriod(ws, period), place));
    std::sort(drawn.begin(), drawn.end());
    ASSERT_TRUE(applyTransform(ws, 0));
    EXPECT_EQ(drawn, mainOf(ws.sjk, 200, 6));
}

}  // namespace
}  // namespace lottodesk
