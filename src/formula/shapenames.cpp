#include "shapenames.h"

#include <array>

namespace lottodesk {
namespace {

// State names of each property (types 2p and 2p + 1), single-choice spelling.
constexpr std::array<std::array<const char*, 3>, 7> kStateNames = {{
    {"偶", "奇", nullptr},
    {"合", "质", nullptr},
    {"小", "大", nullptr},
    {"小", "中", "大"},
    {"零", "壹", "贰"},
    {"复", "隔", "中"},
    {"邻", "孤", "传"},
}};
// The route states as group names spell them.
constexpr std::array<const char*, 3> kRouteGroupNames = {"0路", "1路", "2路"};

int stateCount(int type) { return type < 6 ? 2 : 3; }

int power(int b, int m) {
    int result = 1;
    for (int i = 0; i < m; ++i) result *= b;
    return result;
}

// The number of non-decreasing tuples of m states out of b.
int sortedTupleCount(int b, int m) { return m == 2 ? b * (b + 1) / 2 : b * (b + 1) * (b + 2) / 6; }

}  // namespace

int patternValueCount(int formulaCount, int type) {
    if (type < 0 || type > 13 || formulaCount < 2 || formulaCount > 3) return 0;
    const int b = stateCount(type);
    return type % 2 == 0 ? power(b, formulaCount) : sortedTupleCount(b, formulaCount);
}

std::string patternName(int formulaCount, int type, int32_t index) {
    if (index < 0 || index >= patternValueCount(formulaCount, type)) return {};
    const int b = stateCount(type);
    const auto& names = kStateNames[static_cast<size_t>(type / 2)];
    std::array<int, 3> states{};
    if (type % 2 == 0) {
        for (int i = formulaCount - 1, rest = index; i >= 0; --i, rest /= b) states[static_cast<size_t>(i)] = rest % b;
        std::string name;
        for (int i = 0; i < formulaCount; ++i) name += names[static_cast<size_t>(states[static_cast<size_t>(i)])];
        return name;
    }
    // The index-th non-decreasing tuple, then each state with its count.
    for (int32_t position = 0; position < index; ++position) {
        int i = formulaCount;
        while (i > 0 && states[static_cast<size_t>(i - 1)] == b - 1) --i;
        ++states[static_cast<size_t>(i - 1)];
        for (int j = i; j < formulaCount; ++j) states[static_cast<size_t>(j)] = states[static_cast<size_t>(i - 1)];
    }
    static constexpr const char* kCounts[] = {"", "一", "两", "三"};
    std::string name;
    for (int s = 0; s < b; ++s) {
        int count = 0;
        for (int i = 0; i < formulaCount; ++i) count += states[static_cast<size_t>(i)] == s ? 1 : 0;
        if (count == 0) continue;
        name += kCounts[count];
        name += type / 2 == 4 ? kRouteGroupNames[static_cast<size_t>(s)] : names[static_cast<size_t>(s)];
    }
    return name;
}

std::string shapeValuesText() {
    struct Block {
        const char* heading;
        int formulaCount;
        int firstType;  // 0 single choice, 1 group choice
    };
    constexpr Block kBlocks[] = {
        {"两个指标组合的单选形态", 2, 0},
        {"两个指标组合的组选形态", 2, 1},
        {"三个指标组合的单选形态", 3, 0},
        {"三个指标组合的组选形态", 3, 1},
    };
    std::string text;
    for (const Block& block : kBlocks) {
        if (!text.empty()) text += "\n\n";
        text += block.heading;
        for (int type = block.firstType; type <= 13; type += 2) {
            text += '\n';
            for (int i = 0; i < patternValueCount(block.formulaCount, type); ++i)
                text += "      " + std::to_string(i) + "=  " + patternName(block.formulaCount, type, i);
        }
    }
    return text;
}

}  // namespace lottodesk
