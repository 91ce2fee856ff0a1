#pragma once
// The per-value and per-class views of an analysed series over a window of draws: occurrence
// counts ("出现次数统计图"), omission statistics ("遗漏次数统计图") and class statistics
// ("分项统计"). `values` is the series (index = record number); values outside the range are
// skipped, never indexed.

#include <cstdint>
#include <string>
#include <vector>

#include "analysisseries.h"
#include "core/status.h"
#include "drawwindow.h"
#include "omission.h"

namespace lottodesk {

// Every value of the range is laid out, a value without a hit with its 9999 statistics (the
// 200-value limit is the omission table's alone). Only a range so wide that its columns would
// exhaust memory (a typed 0..2000000000) lays out the values that occur in the window instead.
inline constexpr int kMaxValueColumns = 100000;
inline constexpr const char* kOccurringValuesNote = "取值范围超过100000个值，只列出出现过的取值";

// The values a per-value view lays out, ascending.
struct ValueColumns {
    std::vector<int32_t> values;
    bool occurringOnly = false;  // the range was beyond kMaxValueColumns: show kOccurringValuesNote

    // The column of v, or -1 when v has none.
    int columnOf(int32_t v) const;
};
ValueColumns valueColumns(const int32_t* values, const DrawWindow& window, ValueRange range);

// Which column each record of the window hits (oldest row first).
HitMatrix valueColumnHits(const int32_t* values, const DrawWindow& window, const ValueColumns& columns);

struct ValueCounts {
    ValueColumns columns;
    std::vector<int32_t> counts;  // per column
    int periods = 0;              // the records counted ("共" N "期")
};
ValueCounts valueCounts(const int32_t* values, const DrawWindow& window, ValueRange range);

// The bar order of the occurrence counts: "常规显示", "升序显示", "降序显示" (ties by value).
enum class CountOrder : uint8_t { Value, Ascending, Descending };
std::vector<int> countOrder(const ValueCounts& counts, CountOrder order);

// A count as a bar label: the count, or its share of the periods with one decimal and "%".
std::string countText(int32_t count, int periods, bool percent);

struct ValueOmissions {
    ValueColumns columns;
    OmissionStats stats;  // per column; kNoOmission for a value never hit
};
ValueOmissions valueOmissions(const int32_t* values, const DrawWindow& window, ValueRange range);

// "遗漏分布图表": the omission table of the trend views applied to the series, one column per value
// of the range in the column order `order` (see columnOrder), one row per record of the window.
// A range of more than kMaxOmissionTableValues values is refused with the message.
inline constexpr int kMaxOmissionTableValues = 200;
inline constexpr const char* kOmissionTableRangeMessage =
    "该指标取值范围太宽,不宜用图表显示，请选择取值范围小于200的指标";
struct SeriesOmissionTable {
    Status status;
    std::vector<int32_t> values;  // the value of each column, in display order
    OmissionTable table;          // cells (0 where the value occurs) and statistics, in display order
};
SeriesOmissionTable seriesOmissionTable(const int32_t* values, const DrawWindow& window, ValueRange range, int order);

// "分项选择": the class families of the class statistics.
enum class ClassFamily : uint8_t { OddEven, PrimeComposite, Zones, Remainder };
struct ClassCounts {
    std::vector<std::string> labels;  // "奇" "偶", "质" "合", "第j区<a..b>", "余0" ..
    std::vector<int32_t> counts;
    int periods = 0;
};
// `k` is the zone count or the divisor (at least 1).
ClassCounts classCounts(const int32_t* values, const DrawWindow& window, ValueRange range, ClassFamily family, int k);

}  // namespace lottodesk
