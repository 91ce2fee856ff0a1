#pragma once
// The trend views of an analysed series: moving averages ("均值走势图"), segments of the history
// ("按期数分段走势"), the omission trend of one value ("单个取值遗漏走势") and the column order
// of the data distribution layout ("数据分布图"). Series are indexed by record number (0 unused).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "indicators/coldhot.h"

namespace lottodesk {

// The mean of the last `span` values up to each record (fewer at the start of the history).
std::vector<double> movingAverage(const std::vector<int32_t>& values, int span);
// The spans of "二期均值" .. "十期均值".
inline constexpr int kAverageSpans[] = {2, 3, 4, 5, 10};

// A segment of the history and its statistic: the section statistics of the history indicators
// ("区段总和" .. "相同个数", the kinds of SectionKind), whole numbers as section_stat gives them.
struct Segment {
    int first = 0;  // record numbers
    int last = 0;
    int32_t value = 0;
};
// Records 1..lastRecord cut into segments of `length` periods counted back from lastRecord; the
// most recent segment holds (length - adjustment) mod length periods, a full length when that is
// 0. Oldest segment first.
std::vector<Segment> segmentTrend(const std::vector<int32_t>& values, int lastRecord, int length, int adjustment,
                                  SectionKind kind);

// Every record up to lastRecord where the series takes `value`, with the records since its
// previous occurrence (not counted; the first counts back to the start of the history).
struct Occurrence {
    int record = 0;
    int32_t omission = 0;
};
std::vector<Occurrence> valueOccurrences(const std::vector<int32_t>& values, int lastRecord, int32_t value);

// The column order of the data distribution layout: from `min` add `step` while not past `max`,
// then restart at the next value not yet used. nullopt with the message when max - min >= 100.
inline constexpr const char* kDistributionSpanMessage = "数据分布图中，最大值与最小值之差不能大于100。";
std::optional<std::vector<int32_t>> distributionColumns(int32_t min, int32_t max, int step);

}  // namespace lottodesk
