#include <gtest/gtest.h>

#include "core/componenttable.h"
#include "indicators/classify.h"

namespace lottodesk {
namespace {

TEST(ComponentTable, DefaultGroupsSitSideBySide) {
    const tzbpxz_zj1 table = defaultComponentTable();
    ASSERT_EQ(table.count, 8);
    const tzj_list_items expected[] = {{"尾号", 10, 1}, {"奇偶", 2, 11}, {"质合", 2, 13},     {"小大", 2, 15},
                                       {"三区", 3, 17}, {"四区", 4, 20}, {"除三余数", 3, 24}, {"除四余数", 4, 27}};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(table.items[i], expected[i]) << i;
}

TEST(ComponentTable, BuiltFromNamesInOrder) {
    const tzbpxz_zj1 table = buildComponentTable({"尾号", "十五区", "除十五余数", "不存在"});
    ASSERT_EQ(table.count, 3);
    EXPECT_EQ(table.items[0], (tzj_list_items{"尾号", 10, 1}));
    EXPECT_EQ(table.items[1], (tzj_list_items{"十五区", 15, 11}));
    EXPECT_EQ(table.items[2], (tzj_list_items{"除十五余数", 15, 26}));
    EXPECT_EQ(availableComponentNames().size(), 22u);
    EXPECT_EQ(availableComponentNames().front(), "五区");
    EXPECT_EQ(availableComponentNames().back(), "除十五余数");
}

TEST(Numerals, ZeroToFifteen) {
    EXPECT_EQ(numeral(0), "零");
    EXPECT_EQ(numeral(10), "十");
    EXPECT_EQ(numeral(15), "十五");
    EXPECT_EQ(numeral(16), "");
    EXPECT_EQ(numeral(-1), "");
}

TEST(Classify, ValuesFallIntoTheirGroupColumn) {
    struct Case {
        const char* group;
        int firstcol, value, lo, hi;
        int column;
        const char* text;
    } cases[] = {
        {"尾号", 1, 27, 0, 200, 8, "7"},
        {"奇偶", 11, 27, 0, 200, 11, "奇"},
        {"奇偶", 11, 28, 0, 200, 12, "偶"},
        {"奇偶", 11, -3, -10, 10, 11, "奇"},  // v mod 2 ≠ 0
        {"质合", 13, 1, 0, 33, 13, "质"},
        {"质合", 13, 9, 0, 33, 14, "合"},
        {"小大", 15, 16, 1, 33, 15, "小"},
        {"小大", 15, 17, 1, 33, 16, "大"},
        {"三区", 17, 23, 1, 33, 19, "三"},
        {"三区", 17, 22, 1, 33, 18, "二"},
        {"三区", 17, 34, 1, 33, -1, ""},    // above the range: no column
        {"四区", 20, -4, 1, 33, 20, "一"},  // below the range: the first zone
        {"除三余数", 24, 11, 0, 100, 26, "2"},
        {"除四余数", 27, -5, -10, 10, -1, ""},  // a negative remainder has no column
    };
    for (const Case& c : cases) {
        tzj_list_items entry{c.group, static_cast<uint8_t>(componentWidth(c.group)), static_cast<uint8_t>(c.firstcol)};
        const int column = classify(c.value, entry, c.lo, c.hi);
        EXPECT_EQ(column, c.column) << c.group << " " << c.value;
        if (column >= 0) {
            EXPECT_EQ(componentCellText(entry, column - c.firstcol), c.text);
        }
    }
}

TEST(Classify, HeadersOfEachKind) {
    auto headers = [](const char* name) {
        return componentHeaders({name, static_cast<uint8_t>(componentWidth(name)), 1});
    };
    EXPECT_EQ(headers("尾号").front(), "0");
    EXPECT_EQ(headers("尾号").back(), "9");
    EXPECT_EQ(headers("质合"), (std::vector<std::string>{"质", "合"}));
    EXPECT_EQ(headers("十五区").back(), "十五");
    EXPECT_EQ(headers("除五余数"), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
}

}  // namespace
}  // namespace lottodesk
