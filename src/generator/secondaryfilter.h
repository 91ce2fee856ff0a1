#pragma once
// The filters of the secondary zone: the secondary-zone filter ("副区过滤", games with two secondary
// numbers, ".fzh" conditions) and the special-number filter (games with one, ".lzh" conditions).
//
// Both read the history through a view cut before the filter period and test each candidate as
// the draw after the newest one (period 9999998, main numbers 0 for the secondary zone and 1..m
// for the special number); the history itself is never changed. A history holding the prediction
// record is refused with the zone's message: the caller removes the record first
// (removePredictionRecord) and tells the user, as for a main run.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "secondaryconditions.h"
#include "ticket.h"

namespace lottodesk {

inline constexpr const char* kSecondaryFilterShapeMessage = "副区过滤只适用于副号为2个的彩种";
inline constexpr const char* kSpecialFilterShapeMessage = "特别号过滤只适用于副号为1个的彩种";
inline constexpr const char* kSpecialPredictionMessage =
    "由于你未清除预测区，可能导至条件设置不对，现已将预测区清除，请重新设置条件，然后开始筛选。";

// The identifier of each ".fzh" row (index = record number 1..8).
inline constexpr const char* kSecondaryRowIds[9] = {"",     "f_num1", "f_num2",   "f_aver",  "f_pd",
                                                    "f_hz", "f_cz",   "f_num1yl", "f_num2yl"};

struct SecondaryRun {
    bool completed = false;
    std::string message;          // why it did not run (the prediction record, the game's shape), or empty
    std::vector<Ticket> results;  // the passing selections, each ascending in its first h bytes
    std::string statusText;       // "超强组号  已得到符合条件的副号组有" + count + "个"
    std::string countText;        // "投注结果：共" + count + "注"
};

// "开始过滤 " of the secondary-zone page: every selection of h = fhgs secondary numbers out of the
// selectable ones that holds the fixed ones (none with more than h fixed), in the main
// enumeration's order (include-first from the highest candidate down), tested against every enabled
// row with a non-empty set, then the custom indicators (an unevaluable formula or an empty set ends
// them), then "总容错" when ticked. `filterPeriod` 0 is the whole history.
SecondaryRun runSecondaryFilter(const Workspace& ws, const SecondaryConditions& conditions, int32_t filterPeriod = 0);

// The numbers of the failing rows in the special-number test, for the per-number codes.
inline constexpr int kSpecialCustomFailureCode = 134;

struct SpecialRun {
    bool completed = false;
    std::string message;
    std::vector<int> results;  // the passing numbers, ascending
    // Per number 1..S (index = number): passed, and the code of its last tolerated failure (1..13,
    // 134 for a custom indicator; 0 none) as it stood when the number was decided.
    std::vector<uint8_t> passed;
    std::vector<uint8_t> codes;
    std::string countText;  // "过滤结果：共" + count + "个"
};

// "开始过滤 " of the special-number page: each number J
// of 1..spec_to as the candidate's secondary number, rows 1..13 in order, then the custom
// indicators, then "总容错" when ticked. Means are compared in exact tenths, halves to even; an
// enabled mean row with an empty bound is skipped.
SpecialRun runSpecialFilter(const Workspace& ws, const SpecialNumberConditions& conditions, int32_t filterPeriod = 0);

// The mean of `sum` over `count` (> 0) draws in tenths, rounded half to even, computed in integers.
int32_t meanTenths(int64_t sum, int64_t count);

}  // namespace lottodesk
