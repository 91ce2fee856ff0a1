#include <gtest/gtest.h>

#include "analysis/coldhotperiod.h"
#include "analysis/datatables.h"
#include "games.h"

namespace lottodesk {
namespace {

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts;
    size_t at = 0;
    for (size_t comma; (comma = text.find(',', at)) != std::string::npos; at = comma + 1)
        parts.push_back(text.substr(at, comma - at));
    return parts;
}

// Every row against the one-pass classification of every number at every record: the drawn
// numbers sorted into the classes of the period before, and the ratio their counts.
TEST(DataTable3, AgreesWithTheClassificationTimelineOnEveryGame) {
    for (const test::SampleGame& g : test::sampleGames()) {
        t_s_dm store;
        test::fillSample(store, g);
        const ColdHotSettings settings;
        const DataTable t = dataTable3(store, g.game, settings, "红号", "蓝号");
        ASSERT_EQ(t.columns(), 11) << g.name;
        ASSERT_EQ(t.rows(), store.RecordCount());
        const WarmthTimeline main = mainWarmthTimeline(DrawHistory::of(store), g.game, settings);
        const WarmthTimeline sec = secondaryWarmthTimeline(DrawHistory::of(store), g.game, settings);
        for (int n = 2; n <= store.RecordCount(); ++n) {
            const int32_t* record = store.record(n);
            std::array<std::vector<std::string>, 3> mainKinds, secKinds;
            std::array<int, 3> counts{};
            for (int s = 1; s <= g.game.zhgs; ++s) {
                const int kind = static_cast<int>(main.at(n - 1, record[s]));
                mainKinds[static_cast<size_t>(kind)].push_back(twoDigits(record[s]));
                ++counts[static_cast<size_t>(kind)];
            }
            for (int s = g.game.zhgs + 1; s <= g.game.zhgs + g.game.fhgs; ++s)
                secKinds[static_cast<size_t>(sec.at(n - 1, record[s]))].push_back(twoDigits(record[s]));
            for (size_t k = 0; k < 3; ++k) {
                ASSERT_EQ(split(t.cell(n - 1, 2 + static_cast<int>(k))), mainKinds[k]) << g.name << " record " << n;
                ASSERT_EQ(split(t.cell(n - 1, 7 + static_cast<int>(k))), secKinds[k]) << g.name << " record " << n;
            }
            ASSERT_EQ(t.cell(n - 1, 1),
                      std::to_string(counts[0]) + ":" + std::to_string(counts[1]) + ":" + std::to_string(counts[2]));
        }
    }
}

TEST(DataTable3, TextsOfTheLastPeriodAndThePredictionRow) {
    t_s_dm store;
    test::fillSsq(store);
    const GameParams ssq{6, 1, 33, 1, 1, 16, true};
    test::addPrediction(store, {1, 2, 3, 4, 5, 6});
    const DataTable t = dataTable3(store, ssq, ColdHotSettings{}, "红号", "蓝号");
    EXPECT_EQ(t.header[1], "红号冷温热比");
    EXPECT_EQ(t.header[6], "蓝号冷温热比");
    const int last = t.rows() - 2;
    EXPECT_EQ(t.cell(last, 0), "2026096");
    const ColdWarmHotLists lists = coldWarmHotAt(store, ssq, ColdHotSettings{}, 2026096);
    std::string expected = "冷号：";
    for (int32_t n : lists.cold.values()) expected += twoDigits(n) + ",";
    expected += " 温号：";
    for (int32_t n : lists.warm.values()) expected += twoDigits(n) + ",";
    expected += " 热号：";
    for (int32_t n : lists.hot.values()) expected += twoDigits(n) + ",";
    EXPECT_EQ(t.cell(last, 5), expected);
    EXPECT_EQ(t.cell(last + 1, 0), "预测区");
    EXPECT_EQ(t.cell(last + 1, 6), "0:0:0") << "the prediction record has no secondary number";

    const GameParams noSecondary{5, 1, 35, 0, 0, 0, false};
    EXPECT_EQ(dataTable3(store, noSecondary, ColdHotSettings{}, "红号", "").columns(), 6);
    EXPECT_EQ(dataTable3(t_s_dm{}, ssq, ColdHotSettings{}, "红号", "蓝号").rows(), 0);
}

}  // namespace
}  // namespace lottodesk
