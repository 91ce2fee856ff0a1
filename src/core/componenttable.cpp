#include "componenttable.h"

namespace lottodesk {
namespace {

constexpr const char* kNumerals[] = {"零", "一", "二", "三",   "四",   "五",   "六",   "七",
                                     "八", "九", "十", "十一", "十二", "十三", "十四", "十五"};

std::string zoneName(int n) { return numeral(n) + "区"; }
std::string remainderName(int d) { return "除" + numeral(d) + "余数"; }

}  // namespace

std::string numeral(int j) { return j >= 0 && j <= 15 ? kNumerals[j] : std::string(); }

ComponentKind componentKind(std::string_view name) {
    if (name == "尾号") return {ComponentKind::Tail, 10};
    if (name == "奇偶") return {ComponentKind::OddEven, 2};
    if (name == "质合") return {ComponentKind::PrimeComposite, 2};
    if (name == "小大") return {ComponentKind::SmallBig, 2};
    for (int n = 3; n <= 15; ++n) {
        if (name == zoneName(n)) return {ComponentKind::Zones, n};
        if (name == remainderName(n)) return {ComponentKind::Remainder, n};
    }
    return {};
}

int componentWidth(std::string_view name) { return componentKind(name).n; }

tzbpxz_zj1 buildComponentTable(const std::vector<std::string>& names) {
    tzbpxz_zj1 table;
    int column = 1;
    for (const std::string& name : names) {
        const int width = componentWidth(name);
        if (width == 0 || table.count == table.items.size()) continue;
        table.items[table.count++] = {name, static_cast<uint8_t>(width), static_cast<uint8_t>(column)};
        column += width;
    }
    return table;
}

std::vector<std::string> defaultComponentNames() {
    return {"尾号", "奇偶", "质合", "小大", "三区", "四区", "除三余数", "除四余数"};
}

std::vector<std::string> availableComponentNames() {
    std::vector<std::string> names;
    for (int n = 5; n <= 15; ++n) names.push_back(zoneName(n));
    for (int d = 5; d <= 15; ++d) names.push_back(remainderName(d));
    return names;
}

tzbpxz_zj1 defaultComponentTable() { return buildComponentTable(defaultComponentNames()); }

}  // namespace lottodesk
