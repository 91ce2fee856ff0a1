#pragma once
// The filter export of the signal chart ("过滤设置"): the expression a custom indicator condition
// checks, the values it allows and the condition's description. The windows ask the user and
// append the condition; the rules live here.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysisseries.h"
#include "core/status.h"
#include "indicators/context.h"
#include "indicators/drawhistory.h"
#include "signalchart.h"

namespace lottodesk {

inline constexpr const char* kNotAFilterMessage = "该指标不能转至过滤";
inline constexpr const char* kEmptyFilterRangeMessage = "取值范围不能为空";
inline constexpr const char* kFilterRangeOrderMessage = "取值最小值不能大于最大值";
inline constexpr const char* kNoAllowedValueMessage = "没有符合所选条件的取值，未设置过滤";

// The series' expression wrapped by the K-line type: getzf(..), getylz(..), getylzzf(..), or a
// remainder by 10 or k. A formula is put in brackets before "%" so the remainder applies to the
// whole of it. Empty for a series built by an assistant.
std::string filterExpression(const AnalysisSeries& series, KLineType type);

// Whether the expression evaluates without error at `record` of the context's history.
Status checkFilterExpression(const IndicatorContext& ctx, const std::string& expression, int record);

// What the dialog presets and compares with: the range of the transformed series ("current chart
// range"; {0, 0} when empty) and its value at the newest real draw, never the prediction record.
ValueRange transformedRange(const std::vector<int32_t>& transformed);
int32_t filterReference(const std::vector<int32_t>& transformed, const DrawHistory& history);

enum class Parity : uint8_t { Any, Odd, Even };
enum class Primality : uint8_t { Any, Prime, Composite };
enum class Direction : uint8_t { Any, Rise, Fall };
struct FilterChoice {
    Parity parity = Parity::Any;           // "奇偶": "奇数" / "偶数"
    Primality primality = Primality::Any;  // "质合": "质数" / "合数"
    Direction direction = Direction::Any;  // "升降": above the reference / not above it
    bool tolerance = false;                // "是否容错"
};

struct FilterCondition {
    Status status;  // the messages above on refusal
    std::vector<int32_t> allowed;
    std::string description;  // expression ["  容错"] "  取值: " v1 "  " v2 "  " ..
};

// The values lo..hi (the typed "<=取值范围<=" texts, already converted; nullopt for an empty box)
// that pass every ticked option; `reference` is the transformed value of the newest real draw.
FilterCondition filterCondition(const std::string& expression, const std::optional<int32_t>& lo,
                                const std::optional<int32_t>& hi, const FilterChoice& choice, int32_t reference);

}  // namespace lottodesk
