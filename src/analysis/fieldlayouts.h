#pragma once
// The layouts of the field chart ("田野走势图一" .. "田野走势图十"): per row count R (2..10) one
// file "database/tyzsd<R>.txt" of 10 x R row texts, layout-major, and the rule that puts a value
// into the first row whose text names it.

#include <cstdint>
#include <string>
#include <vector>

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

}  // namespace lottodesk
