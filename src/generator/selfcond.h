#pragma once
// Self-set conditions ("自设条件": a group of main numbers), tail conditions ("尾数设置": a group of
// digits 0..9) and the custom-indicator list of the generator: how a ticket is tested against
// them, the lines of their list boxes, and the add, modify and delete operations of their pages.
//
// The list operations change the entries and the list box lines together; a refused operation
// changes nothing and returns the message the window shows.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conditions.h"
#include "core/status.h"
#include "formula/selfzb.h"

namespace lottodesk {

inline constexpr const char* kSelfSetLimitMessage = "最多可添加400注自设条件";
inline constexpr const char* kTailLimitMessage = "最多可添加50注尾数条件";
inline constexpr const char* kCustomLimitMessage = "最多可添加400注自定义指标条件";
inline constexpr const char* kSelectEntryToModifyMessage = "请先在中间的列表框中选择一项要修改的数据";
inline constexpr const char* kSelectEntryToDeleteMessage = "请先在中间的列表框中选择一项要删除的数据";
inline constexpr const char* kSelectCustomToModifyMessage = "请先在自定义指标列表框中选择一项要修改的条件";
inline constexpr const char* kSelectCustomToDeleteMessage = "请先在自定义指标列表框中选择一项要删除的条件";
inline constexpr const char* kNoCountChosenMessage = "未选择号码组应出现的次数";
inline constexpr const char* kNoNumberChosenMessage = "未选择号码";
inline constexpr const char* kNoTailCountChosenMessage = "未选择尾号组应出现的次数";
inline constexpr const char* kNoValueChosenMessage = "未选择指标的取值";
inline constexpr const char* kCountOnceText = "(相同尾数仅计算一次)";

// ---------------------------------------------------------------------------------------------
// Evaluation over the m main numbers of a ticket or draw (any order).

// How many group numbers are among the ticket's numbers (a number listed twice counts twice).
int selfSetCount(const tselfcond& entry, const int32_t* numbers, int m);
// Without count-once: the pairs (group digit d, number s) with s mod 10 = d. With count-once: the
// distinct group digits that end at least one number.
int tailCount(const tselfcond& entry, const int32_t* numbers, int m);
// The entry holds when its count is among the allowed counts (an empty set never holds).
bool selfSetHolds(const tselfcond& entry, const int32_t* numbers, int m);
bool tailHolds(const tselfcond& entry, const int32_t* numbers, int m);

// The self-set, then the tail conditions of `conditions` (each list only when its box is ticked),
// in list order, under the tolerance rule: a failing tolerant entry adds one to `failures` and
// sets `last` to 135 (self-set) or 136 (tail); a failing entry that is not tolerant rejects the
// ticket at once (false).
bool passesSelfAndTailConditions(const MainConditions& conditions, const int32_t* numbers, int m, int& failures,
                                 int& last);

// ---------------------------------------------------------------------------------------------
// Display texts.

// Each value followed by two blanks: "30  10  20  " (the row text of a condition).
std::string valueListText(const std::vector<int32_t>& values);
// A range end of rows 34 and 35 as the row shows it: the whole number, "" when empty.
std::string boundText(const std::optional<double>& bound);

// Lines after "增加" and "修改" (and after a delete, which rebuilds every line).
std::string selfSetLine(const tselfcond& entry);  // "号码组: 1  2  ;出现个数: 0  1  容错"
std::string tailLine(const tselfcond& entry);  // "尾号组: 3  ;出现个数: 2  容错(相同尾数仅计算一次)"
// Custom indicator after "添加" (and an export): formula + "  容错" + "  取值: " + values.
std::string customLineAfterAdd(const tselfzbnode& node);
// Custom indicator after "修改": formula + " 容错 取值:" or " 取值:" + values.
std::string customLineAfterModify(const tselfzbnode& node);

// Lines rebuilt by loading a condition file.
std::string selfSetLineAfterLoad(const tselfcond& entry);  // "号码组合:1  2    出现个数0  容错"
std::string tailLineAfterLoad(const tselfcond& entry);     // "尾号组:3    出现个数2  "
std::string customLineAfterLoad(const tselfzbnode& node);  // formula + "  容错" + "  取值：" + values

struct ConditionLines {
    std::vector<std::string> custom;
    std::vector<std::string> selfSet;
    std::vector<std::string> tails;
};
// The three list boxes after a condition file was loaded into `conditions`.
ConditionLines linesAfterLoad(const MainConditions& conditions);

// ---------------------------------------------------------------------------------------------
// The self-set and tail dialogs' "确定": the refusal message, or success.
Status validateSelfSetDialog(const tselfcond& entry);  // counts first, then numbers
Status validateTailDialog(const tselfcond& entry);     // digits first, then counts

// ---------------------------------------------------------------------------------------------
// List operations. `index` is the 0-based selected line; -1 (or any index naming no line) means no
// selection.

Status addSelfSet(std::vector<tselfcond>& entries, std::vector<std::string>& lines, tselfcond entry);
Status modifySelfSet(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index, tselfcond entry);
// Removes the entry, moves the later ones up and rebuilds every line.
Status deleteSelfSet(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index);

Status addTail(std::vector<tselfcond>& entries, std::vector<std::string>& lines, tselfcond entry);
Status modifyTail(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index, tselfcond entry);
Status deleteTail(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index);

// What "添加" on the custom-indicator page did.
struct CustomAdd {
    bool added = false;   // false with an empty message: the trimmed formula was empty (ignored)
    std::string message;  // the list is full: "最多可添加" + capacity + "注自定义指标条件"
};
template <int Capacity>
CustomAdd addCustom(SelfzbConditionList<Capacity>& list, std::vector<std::string>& lines, std::string_view formula,
                    bool tolerant, std::vector<int32_t> values);
// "修改": new values and tolerance, the formula stays; the line takes the modify form.
template <int Capacity>
Status modifyCustom(SelfzbConditionList<Capacity>& list, std::vector<std::string>& lines, int index,
                    std::vector<int32_t> values, bool tolerant);
// "删除": removes the entry and its line; the other lines stay as they are.
template <int Capacity>
Status deleteCustom(SelfzbConditionList<Capacity>& list, std::vector<std::string>& lines, int index);

extern template CustomAdd addCustom<400>(tselfzb&, std::vector<std::string>&, std::string_view, bool,
                                         std::vector<int32_t>);
extern template CustomAdd addCustom<50>(tfqgl_selfzb&, std::vector<std::string>&, std::string_view, bool,
                                        std::vector<int32_t>);
extern template Status modifyCustom<400>(tselfzb&, std::vector<std::string>&, int, std::vector<int32_t>, bool);
extern template Status modifyCustom<50>(tfqgl_selfzb&, std::vector<std::string>&, int, std::vector<int32_t>, bool);
extern template Status deleteCustom<400>(tselfzb&, std::vector<std::string>&, int);
extern template Status deleteCustom<50>(tfqgl_selfzb&, std::vector<std::string>&, int);

// The confirmations of the exports from other windows.
std::string selfSetExportMessage(const std::string& line);  // "过滤条件设置结果是：" + line + "。现已…自设条件中"
std::string customExportMessage(const std::string& line);  // "…自定义指标条件中"

}  // namespace lottodesk
