#pragma once
// "按条件选择" of the value choosers ("取值选择"): which of the values lo..hi satisfy every ticked
// criterion. Plain C++ without widgets: the two chooser forms read their controls into
// `ValueCriteria` and tick exactly the values this returns.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace lottodesk {

inline constexpr const char* kAmplitudeMissingMessage = "变化量未输入数据";
inline constexpr const char* kRangeMissingMessage = "取值范围未输入数据";
inline constexpr const char* kMeanMissingMessage = "二期均值未输入数据";
inline constexpr const char* kDefaultTailDigits = "0 1 2 3 4 5 6 7 8 9";

enum class Parity { Odd, Even };            // "奇数", "偶数"
enum class Primality { Prime, Composite };  // "质数", "合数" (1 counts as a prime)

// "除k余数": v mod k is one of the ticked remainders (none ticked: no value qualifies).
struct RemainderCriterion {
    int divisor = 3;
    std::vector<int> remainders;
};

// A from/to pair exactly as typed; surrounding blanks do not count.
struct BoundTexts {
    std::string from;
    std::string to;
};

// The ticked criteria; an absent one is not ticked.
struct ValueCriteria {
    std::optional<Parity> parity;                // "奇偶"
    std::optional<Primality> primality;          // "质合"
    std::vector<RemainderCriterion> remainders;  // "除3余数" .. "除9余数"
    std::optional<std::string> tailDigits;       // "尾数": the digits typed, separated or not
    std::optional<BoundTexts> amplitude;         // "振幅": from <= |v - reference| <= to, integers
    std::optional<BoundTexts> range;             // "取值范围": from <= v <= to, integers
    std::optional<BoundTexts> mean;              // "二期均值": decimals
};

struct CriteriaSelection {
    Status status;                // failure: an empty or malformed field; the message to show
    std::vector<int32_t> values;  // ascending; empty on failure
};

// The values v in lo..hi for which every ticked criterion holds (all of them when none is ticked).
// The fields are checked first, in the order amplitude, range, two-period mean: an empty from or
// to gives "变化量未输入数据", "取值范围未输入数据" or "二期均值未输入数据"; text that is not an
// integer (amplitude, range) or not a number (mean) gives "“x”不是有效的整数" or
// "“x”不是有效的数值"; a "尾数" field with anything but digits, blanks and commas gives the latter
// for the offending part. The amplitude and two-period-mean criteria need the reference value;
// without one they are not offered and are ignored here.
CriteriaSelection selectByCriteria(int32_t lo, int32_t hi, std::optional<int32_t> reference,
                                   const ValueCriteria& criteria);

// (v + reference) / 2 rounded to one decimal.
double twoPeriodMean(int32_t v, int32_t reference);

// "“x”不是有效的数值"
std::string notANumberMessage(std::string_view text);

}  // namespace lottodesk
