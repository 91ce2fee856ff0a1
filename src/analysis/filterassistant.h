#pragma once
// The series the generator's filter assistants ("过滤助手") show in the indicator analysis: an
// indicator row's or a custom formula's values, or how many numbers (tails) of a self-set (tail)
// group each draw holds, each with the caption the analysis window shows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysisseries.h"
#include "core/status.h"
#include "core/workspace.h"

namespace lottodesk {

struct AssistantSeries {
    Status status;  // "公式有误:" + the evaluator's text when the formula fails
    AnalysisSeries series;
};

// `text` (an identifier or a formula) at every record; range smallest..largest (equal ends: low +
// m - 1); caption `name` + "（过滤助手）".
AssistantSeries indicatorAssistant(const Workspace& ws, std::string_view text, const std::string& name);
// The count of the group's numbers in each draw, range 0..m; "号码组：01,02, 的出现奖号个数走势图（过滤助手）".
AssistantSeries selfSetAssistant(const Workspace& ws, const std::vector<uint8_t>& numbers);
// The count of the group's tails among each draw's main numbers (each tail once with `countOnce`),
// range 0..m; "尾号组：3,7, 的出现个数走势图（过滤助手）" + "(相同尾数仅计算一次)".
AssistantSeries tailAssistant(const Workspace& ws, const std::vector<uint8_t>& tails, bool countOnce);

}  // namespace lottodesk
