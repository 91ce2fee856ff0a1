#pragma once
// The rows of the condition catalogue by name: each enumerator is the row's registry identifier and
// its value the row's number (the index into MainConditions::rows and the tag of a tolerated
// failure). Rows 34 and 35 are computed from the ticket alone and have no identifier; number 36
// has no row.

#include "cataloguerowlist.h"

namespace lottodesk::catalogue {

enum Row : int {
#define LOTTODESK_ROW_ENUMERATOR(number, name, id, caption, label, lo, hi, seventh) name = number,
    LOTTODESK_CATALOGUE_ROWS(LOTTODESK_ROW_ENUMERATOR)
#undef LOTTODESK_ROW_ENUMERATOR
        noRow = 36,  // no condition: skipped everywhere, its record in a condition file stays empty
};

// The rows that hold a decimal range (from, to) instead of a set of allowed values.
constexpr bool isRangeRow(int number) { return number == standardDeviation || number == coefficient; }

}  // namespace lottodesk::catalogue
