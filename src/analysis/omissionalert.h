#pragma once
// How alarming a value's current omission is in "遗漏次数统计图": above its average omission,
// above the omission its last hit closed, or above its longest one. The strongest reason wins. A
// value without statistics (kNoOmission) is never above them.

#include <cstdint>

namespace lottodesk {

enum class OmissionAlert : uint8_t {
    None,           // drawn black
    AboveAverage,   // orange
    AbovePrevious,  // darker orange
    AboveLongest,   // red
};

OmissionAlert omissionAlert(int32_t current, int32_t average, int32_t previous, int32_t longest);

}  // namespace lottodesk
