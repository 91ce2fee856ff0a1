#include <gtest/gtest.h>

#include "analysis/fieldlayouts.h"
#include "analysis/valueclasses.h"
#include "core/fileio.h"
#include "core/gbktext.h"
#include "support/history.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

struct FieldFolder : ::testing::Test {
    FieldFolder() { makeFolders(home.path() + "database"); }
    void write(int rows, const std::string& text) {
        ASSERT_TRUE(saveFileAtomically(fieldLayoutPath(home.path(), rows), text));
    }
    test::TempFolder home;
};

TEST_F(FieldFolder, AMissingFileIsCreatedWithTheDefaults) {
    const FieldLayoutLoad load = loadFieldLayouts(home.path(), 3);
    ASSERT_TRUE(load.status) << load.status.message;
    EXPECT_TRUE(load.created);
    ASSERT_EQ(load.layouts.layouts.size(), 10u);
    EXPECT_EQ(load.layouts.layouts[9], (std::vector<std::string>{"01", "02", "03"}));
    EXPECT_EQ(fieldLayoutPath(home.path(), 3), home.path() + "database/tyzsd3.txt");
    const GbkText text = readGbkText(fieldLayoutPath(home.path(), 3));
    ASSERT_TRUE(text.status);
    EXPECT_EQ(text.text.substr(0, 9), "01\n02\n03\n");

    const FieldLayoutLoad again = loadFieldLayouts(home.path(), 3);
    EXPECT_FALSE(again.created);
    EXPECT_EQ(again.layouts.layouts, load.layouts.layouts);
}

TEST_F(FieldFolder, EditedLayoutsRoundTripAndShortOrLongFilesLoseNothingElse) {
    FieldLayouts f = defaultFieldLayouts(2);
    f.layouts[4] = {"01 02 03", "10、11，12"};
    ASSERT_TRUE(saveFieldLayouts(home.path(), f));
    EXPECT_EQ(loadFieldLayouts(home.path(), 2).layouts.layouts, f.layouts);

    // Three lines only: layout 1 complete, layout 2 half, the rest empty rows.
    write(2, "a\r\nb\r\nc");
    FieldLayoutLoad load = loadFieldLayouts(home.path(), 2);
    ASSERT_TRUE(load.status);
    EXPECT_EQ(load.layouts.layouts[0], (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(load.layouts.layouts[1], (std::vector<std::string>{"c", ""}));
    EXPECT_EQ(load.layouts.layouts[9], (std::vector<std::string>{"", ""}));

    std::string many;
    for (int i = 0; i < 50; ++i) many += std::to_string(i) + "\n";
    write(2, many);
    load = loadFieldLayouts(home.path(), 2);
    EXPECT_EQ(load.layouts.layouts[9], (std::vector<std::string>{"18", "19"})) << "lines after 20 ignored";
    EXPECT_EQ(loadFieldLayouts(home.path(), 99).layouts.rows, 10) << "row counts clamp to 2..10";
    EXPECT_EQ(loadFieldLayouts(home.path(), -1).layouts.rows, 2);
}

TEST(FieldLayouts, RowOfAValue) {
    struct Case {
        std::vector<std::string> rows;
        int32_t value;
        int row;
    };
    const Case cases[] = {
        {{"01", "02", "03", "04"}, 2, 1},
        {{"01", "02", "03", "04"}, 5, -1},
        {{"010203", "040506"}, 5, 1},  // substring of the two-digit text
        {{"12", "02"}, 2, 1},          // "12" does not name 2: 2 is written "02"
        {{"1 2 3", "10 12"}, 2, 0},    // tokens compared as integers
        {{"1 2 3", "10 12"}, 1, 0},
        {{"10 12", "1 2 3"}, 1, 1},  // "10" does not name 1
        {{"05、15，25", "x"}, 15, 0},
        {{"-3;-2", "100"}, -2, 0},
        {{"abc", "1000 2000"}, 2000, 1},
        {{"-03", "3"}, -3, 0},
        {{}, 1, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(fieldRowOf(c.rows, c.value), c.row) << c.value;
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

TEST(FieldLayouts, ASeriesTheLayoutDoesNotFitIsShownInZonesOfItsRange) {
    // Sums 21..183 in four rows: the default rows "01".."04" name none of them.
    const int32_t sums[] = {0, 102, 87, 140, 21, 183};  // slot 0 unused, as in a series
    const std::vector<std::string> defaults = defaultFieldLayouts(4).layouts[0];
    EXPECT_FALSE(fieldLayoutNamesAny(defaults, sums, 1, 5));
    EXPECT_TRUE(fieldLayoutNamesAny({"87 88", "x"}, sums, 1, 5));
    const int32_t small[] = {0, 3, 9};
    EXPECT_TRUE(fieldLayoutNamesAny(defaults, small, 1, 2));

    const RangeFieldRows zones = rangeFieldRows(ValueRange{21, 183}, 4);
    EXPECT_EQ(zones.captions, (std::vector<std::string>{"21..60", "61..101", "102..142", "143..183"}));
    const ValueRange range{21, 183};
    EXPECT_EQ(zoneOf(21, range, zones.upperBounds), 0);
    EXPECT_EQ(zoneOf(102, range, zones.upperBounds), 2);
    EXPECT_EQ(zoneOf(183, range, zones.upperBounds), 3);
    // More rows than values: single values, then empty rows.
    EXPECT_EQ(rangeFieldRows(ValueRange{1, 3}, 4).captions, (std::vector<std::string>{"", "1", "2", "3"}));
    EXPECT_EQ(rangeFieldRows(ValueRange{5, 5}, 2).captions, (std::vector<std::string>{"", "5"}));
}

}  // namespace
}  // namespace lottodesk
