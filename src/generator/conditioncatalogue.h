#pragma once
// The condition catalogue of the main-zone filter: 133 numbered rows (36 has none), each an
// indicator of the ticket, its caption, the values the value chooser offers, and its label in the
// condition summary.

#include <cstdint>
#include <string>

#include "core/cpstyle.h"
#include "indicators/drawhistory.h"
#include "conditions.h"
#include "indicators/registry.h"
#include "cataloguerows.h"

namespace lottodesk {

constexpr int kStandardDeviationRow = catalogue::standardDeviation;
constexpr int kCoefficientRow = catalogue::coefficient;

struct ConditionRow {
    int number = 0;
    std::string caption;
    std::string summaryLabel;  // caption + "：" or the summary's own label
    std::string id;            // registry identifier; empty for rows 34 and 35
    const RegistryItem* item = nullptr;
    // Rows naming the seventh number take part only in seven-number games.
    bool seventhNumber = false;
};

// Row `number` (1..133), or null for 36 and numbers outside.
const ConditionRow* conditionRow(int number);

// The values the chooser offers for the row in a game of m = zhgs main numbers of 1..N = zh_to.
struct OfferedRange {
    int32_t lo = 0;
    int32_t hi = 0;
};
OfferedRange offeredRange(int number, const GameParams& game);

// The row's value for draw n of the context (a ticket appended as the newest draw, or a past
// draw). Not for rows 34 and 35.
int32_t conditionValue(const ConditionRow& row, const IndicatorContext& ctx, int n);

// Rows 34 and 35: from the m numbers at `numbers` (any order), in single precision.
float ticketStandardDeviation(const int32_t* numbers, int m);
float ticketCoefficient(const int32_t* numbers, int m);

}  // namespace lottodesk
