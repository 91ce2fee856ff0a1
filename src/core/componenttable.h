#pragma once
// The component table ("组件"): the ordered classification groups over which the indicator
// analysis spreads a value. Groups sit side by side; each starts right after the previous one.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lottodesk {

struct tzj_list_items {
    std::string name;
    uint8_t width = 0;
    uint8_t firstcol = 0;

    bool operator==(const tzj_list_items&) const = default;
};

struct tzbpxz_zj1 {
    std::array<tzj_list_items, 50> items;
    uint8_t count = 0;
};

// The Chinese numeral of j = 0..15 ("零" .. "十五"); empty for any other j.
std::string numeral(int j);

// What a group classifies by; `n` is the zone count or the divisor.
struct ComponentKind {
    enum Kind { None, Tail, OddEven, PrimeComposite, SmallBig, Zones, Remainder } kind = None;
    int n = 0;
};

ComponentKind componentKind(std::string_view name);
// Columns the group occupies: 10 for "尾号", 2 for the pairs, N for zones and remainders; 0 unknown.
int componentWidth(std::string_view name);

// Entries for the names in order, first column 1 and each next one after the previous group.
// Unknown names are skipped; at most 50 entries.
tzbpxz_zj1 buildComponentTable(const std::vector<std::string>& names);
std::vector<std::string> defaultComponentNames();    // the eight groups in use at start
std::vector<std::string> availableComponentNames();  // "五区".."十五区", "除五余数".."除十五余数"
tzbpxz_zj1 defaultComponentTable();

}  // namespace lottodesk
