#pragma once
// A period as the views write it: the seven digits, or "预测区" for the prediction record.

#include <cstdint>
#include <string>

#include "s_dm.h"

namespace lottodesk {

inline std::string periodCaption(int32_t period) {
    return period == kPredictionPeriod ? std::string("预测区") : std::to_string(period);
}

}  // namespace lottodesk
