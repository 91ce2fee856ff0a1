#include "conditioncatalogue.h"

#include <array>
#include <cmath>
#include <memory>

#include "indicators/comboindicators.h"

namespace lottodesk {
namespace {

struct RowDef {
    int number;
    const char* caption;
    const char* id;
    const char* label;  // null: caption + "："
    bool seventh;       // names the seventh main number
};

// The catalogue in number order.
constexpr RowDef kRows[] = {
#define LOTTODESK_ROW_DEF(number, name, id, caption, label, lo, hi, seventh) {number, caption, id, label, seventh},
    LOTTODESK_CATALOGUE_ROWS(LOTTODESK_ROW_DEF)
#undef LOTTODESK_ROW_DEF
};

const std::array<ConditionRow, kCatalogueRows + 1>& table() {
    static const std::array<ConditionRow, kCatalogueRows + 1> rows = [] {
        std::array<ConditionRow, kCatalogueRows + 1> built{};
        for (const RowDef& def : kRows) {
            ConditionRow& row = built[def.number];
            row.number = def.number;
            row.caption = def.caption;
            row.summaryLabel = def.label ? def.label : row.caption + "：";
            row.id = def.id;
            row.item = row.id.empty() ? nullptr : Registry::instance().find(row.id);
            row.seventhNumber = def.seventh;
        }
        return built;
    }();
    return rows;
}

}  // namespace

const ConditionRow* conditionRow(int number) {
    if (number < 1 || number > kCatalogueRows || number == catalogue::noRow) return nullptr;
    return &table()[number];
}

OfferedRange offeredRange(int number, const GameParams& game) {
    const int m = game.zhgs;
    const int N = game.zh_to;
    switch (number) {
#define LOTTODESK_ROW_RANGE(number, name, id, caption, label, lo, hi, seventh) \
    case number: return {lo, hi};
        LOTTODESK_CATALOGUE_ROWS(LOTTODESK_ROW_RANGE)
#undef LOTTODESK_ROW_RANGE
    default: return {0, 0};
    }
}

int32_t conditionValue(const ConditionRow& row, const IndicatorContext& ctx, int n) {
    return row.item ? registryValue(*row.item, ctx, n) : 0;
}

float ticketStandardDeviation(const int32_t* numbers, int m) {
    // The shared definition reads a whole record: numbers in slots 1..m.
    std::array<int32_t, kSlots> record{};
    for (int i = 0; i < m && i + 1 < kSlots; ++i) record[i + 1] = numbers[i];
    return standardDeviation(record.data(), m);
}

float ticketCoefficient(const int32_t* numbers, int m) {
    std::array<int32_t, kSlots> record{};
    for (int i = 0; i < m && i + 1 < kSlots; ++i) record[i + 1] = numbers[i];
    return coefficientOfVariation(record.data(), m);
}

}  // namespace lottodesk
