#pragma once
// The frame shared by every kind of generator run (regular, wheel, random): the checks before it
// starts and the status text after it completes.

#include <cstdint>
#include <string>

#include "conditions.h"
#include "core/workspace.h"

namespace lottodesk {

// Empty when a run may start; otherwise the message to show, and the run does not start. A
// history that still holds the prediction record is refused (removePredictionRecord first).
std::string runStartMessage(const Workspace& ws, const MainConditions& conditions);

// "超强组号  筛选耗时…微秒  已得到符合条件的红号组有…个".
std::string runStatusText(int64_t elapsedMicros, size_t results);

// The question before a wheel of more than kWheelQuestionPool numbers.
inline constexpr int kWheelQuestionPool = 20;
inline constexpr const char* kWheelPoolQuestion =
    "旋转矩阵用到的可选红码范围太宽,可能耗时太长.如果你想继续,请按确定,如果你想缩小可选红号范围,请选择取消.";
// Why a wheel cannot be built for the current game.
inline constexpr const char* kWheelNeedsSixNumbers = "旋转矩阵只适用于开奖主号为6个的彩种";

}  // namespace lottodesk
