#pragma once
// The conditions of the secondary-zone filter (two secondary numbers, ".fzh" files) and of the
// single-special-number filter (one secondary number, ".lzh" files): exactly what their condition
// records hold. The pages that edit them and the runs that test them live elsewhere.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "formula/selfzb.h"

namespace lottodesk {

constexpr int kMaxSecondaryNumber = 49;

// A row with an allowed-value set.
struct ValueCondition {
    bool enabled = false;
    std::vector<int32_t> allowed;  // in the order chosen or stored
    bool tolerant = false;

    friend bool operator==(const ValueCondition&, const ValueCondition&) = default;
};

// A row with a choice of two ("奇数"/"偶数" ...): 0 the first, 1 the second.
struct ChoiceCondition {
    bool enabled = false;
    int32_t choice = 0;
    bool tolerant = false;

    friend bool operator==(const ChoiceCondition&, const ChoiceCondition&) = default;
};

// A row with a decimal range; an empty field is nullopt.
struct RangeCondition {
    bool enabled = false;
    std::optional<double> from;
    std::optional<double> to;
    bool tolerant = false;

    friend bool operator==(const RangeCondition&, const RangeCondition&) = default;
};

// ".fzh": records 1..8 are the rows, 9 the total tolerance, 10 and 11 the selectable and fixed
// numbers, 150 the custom-indicator group and 151..200 its entries. "副区偏度" (record 4) filters like
// the other rows; files written before it was stored hold a zero record there, read as disabled.
struct SecondaryConditions {
    enum Row : int {
        Num1 = 1,          // "副号一" f_num1
        Num2 = 2,          // "副号二" f_num2
        Average = 3,       // "副区平均值" f_aver
        Skew = 4,          // "副区偏度" f_pd
        Sum = 5,           // "副区和值" f_hz
        Span = 6,          // "副区差值" f_cz
        Num1Omission = 7,  // "副号一遗漏" f_num1yl
        Num2Omission = 8,  // "副号二遗漏" f_num2yl
    };
    std::array<ValueCondition, 9> rows;  // index = record number; 0 unused

    bool totalToleranceEnabled = false;  // "总容错"
    int32_t totalFrom = 0;
    int32_t totalTo = 3;

    std::array<bool, kMaxSecondaryNumber + 1> selectable{};  // index = number
    std::array<bool, kMaxSecondaryNumber + 1> fixed{};

    bool customEnabled = false;  // "自定义指标"
    tfqgl_selfzb custom;

    friend bool operator==(const SecondaryConditions&, const SecondaryConditions&) = default;
};

// ".lzh": records 1..3 the choice rows, 4..8 the value rows, 9..13 the mean ranges, 14 the total
// tolerance, 150 the custom-indicator group and 151..200 its entries.
struct SpecialNumberConditions {
    ChoiceCondition parity;     // 1 "奇偶": 0 "奇数", 1 "偶数"
    ChoiceCondition primality;  // 2 "质数合数": 0 "质数", 1 "合数"
    ChoiceCondition zone;       // 3 "大小区": 0 "小数区", 1 "大数区"
    // Records 4..8: "除三余数", "除四余数", "除五余数", "绝对振幅", "遗漏值" (index record - 4).
    std::array<ValueCondition, 5> values;
    // Records 9..13: "二期均值", "三期均值", "四期均值", "五期均值", "十期均值" (index record - 9).
    std::array<RangeCondition, 5> means;

    bool totalToleranceEnabled = false;  // "总容错"
    int32_t totalFrom = 0;
    int32_t totalTo = 3;

    bool customEnabled = false;  // "自定义指标"
    tfqgl_selfzb custom;

    friend bool operator==(const SpecialNumberConditions&, const SpecialNumberConditions&) = default;
};

// The reset states: nothing enabled, every secondary number 1..spec_to selectable, none fixed.
inline SecondaryConditions resetSecondaryConditions(int spec_to) {
    SecondaryConditions conditions;
    for (int n = 1; n <= spec_to && n <= kMaxSecondaryNumber; ++n) conditions.selectable[n] = true;
    return conditions;
}
inline SpecialNumberConditions resetSpecialNumberConditions() { return {}; }

}  // namespace lottodesk
