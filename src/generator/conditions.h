#pragma once
// The main-zone filter conditions of the combination generator: what its window shows, what the
// condition files store and what a run tests.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/status.h"
#include "formula/selfzb.h"

namespace lottodesk {

constexpr int kCatalogueRows = 133;      // conditions 1..133 (36 has none)
constexpr int kCustomFailureCode = 134;  // the tag of a tolerated custom-indicator failure
constexpr int kSelfSetFailureCode = 135;
constexpr int kTailFailureCode = 136;
constexpr int kMaxMainNumber = 49;
constexpr int kMaxSelfConditions = 400;
constexpr int kMaxTailConditions = 50;

// One row of the condition catalogue. Rows 34 and 35 (standard deviation, coefficient of
// variation) use from/to instead of the allowed set; an empty field is nullopt.
struct CatalogueCondition {
    bool enabled = false;
    std::vector<int32_t> allowed;  // the chosen values, in the order they were chosen or stored
    bool tolerant = false;
    std::optional<double> from;
    std::optional<double> to;

    friend bool operator==(const CatalogueCondition&, const CatalogueCondition&) = default;
};

// A self-set condition (a group of main numbers) or a tail condition (a group of digits 0..9):
// how many of the ticket's numbers fall in the group.
struct tselfcond {
    std::vector<uint8_t> numbers;  // ascending
    bool tolerant = false;
    bool countOnce = false;        // tail conditions: "相同尾数仅计算一次"
    std::vector<int32_t> allowed;  // allowed counts

    friend bool operator==(const tselfcond&, const tselfcond&) = default;
};

struct MainConditions {
    std::array<CatalogueCondition, kCatalogueRows + 1> rows;  // index = condition number; 0 unused

    bool customEnabled = false;  // "自定义指标"
    tselfzb custom;
    bool selfSetEnabled = false;  // "自设条件"
    std::vector<tselfcond> selfSet;
    bool tailEnabled = false;  // "尾数设置"
    std::vector<tselfcond> tails;

    std::array<bool, kMaxMainNumber + 1> selectable{};  // index = number
    std::array<bool, kMaxMainNumber + 1> fixed{};

    bool noPastDraws = false;            // "不允许所有主号与历史完全相同"
    bool noEqualSpacing = true;          // "去除等间距组合"
    bool noSpecialRuns = true;           // "去除特殊连号"
    bool totalToleranceEnabled = false;  // "总容错"
    int totalFrom = 1;
    int totalTo = 1;

    // Every field: a round trip that drops one fails.
    friend bool operator==(const MainConditions&, const MainConditions&) = default;
};

// The reset state for a main range 1..zh_to: nothing enabled, every number selectable, none fixed;
// the two exclusions keep what `keep` has (they start ticked).
MainConditions resetConditions(int zh_to, const MainConditions* keep = nullptr);

// A ticket of `limit` numbers holds at most `limit` fixed numbers; more chosen: the message
// ("选择红号胆码不能大于6个", or "选择副区胆码不能大于2个" for the secondary zone), else success.
Status checkFixedCount(size_t chosen, int limit, bool secondaryZone = false);

}  // namespace lottodesk
