#pragma once
// The layouts of the field chart ("田野走势图一" .. "田野走势图十"): per row count R (2..10) one
// file "database/tyzsd<R>.txt" of 10 x R row texts, layout-major, and the rule that puts a value
// into the first row whose text names it.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/analysisseries.h"
#include "core/status.h"

namespace lottodesk {

inline constexpr int kFieldLayoutCount = 10;
inline constexpr int kMinFieldRows = 2;
inline constexpr int kMaxFieldRows = 10;
inline constexpr int kDefaultFieldRows = 4;

struct FieldLayouts {
    int rows = kDefaultFieldRows;
    std::vector<std::vector<std::string>> layouts;  // kFieldLayoutCount layouts of `rows` texts
};

// "database/tyzsd<R>.txt" under the program folder (ending in "/").
std::string fieldLayoutPath(const std::string& folder, int rows);

// Every layout with the rows "01", "02", .. up to R.
FieldLayouts defaultFieldLayouts(int rows);

struct FieldLayoutLoad {
    Status status;  // the reason when the file could not be read or created
    FieldLayouts layouts;
    bool created = false;  // the file did not exist and was written with the defaults
};
// Reads the file of R rows (R clamped to 2..10), creating it with the defaults when missing.
// Missing lines are empty rows; lines after the 10 x R are ignored.
FieldLayoutLoad loadFieldLayouts(const std::string& folder, int rows);
// Writes the whole file back ("修改田野图").
Status saveFieldLayouts(const std::string& folder, const FieldLayouts& layouts);

// The row (0-based) of `value` among the row texts, -1 when none names it. A text holding
// separators (blanks, commas, "、", semicolons) names the values of its integer tokens; any
// other text names every value whose text, written with at least two digits, it contains.
int fieldRowOf(const std::vector<std::string>& rowTexts, int32_t value);

// The rows shown for a series none of whose values a layout names (the default rows "01" ..
// name only 1..R, nothing of a sum): the range cut into `rows` zones as the class statistics cut
// it, each captioned "first..last" (one value: itself; an empty zone: nothing).
struct RangeFieldRows {
    std::vector<int32_t> upperBounds;   // of the zones, for zoneOf
    std::vector<std::string> captions;  // one per zone
};
RangeFieldRows rangeFieldRows(ValueRange range, int rows);
// True when some value of values[first..last] falls in a row of the layout.
bool fieldLayoutNamesAny(const std::vector<std::string>& rowTexts, const int32_t* values, int first, int last);

}  // namespace lottodesk
