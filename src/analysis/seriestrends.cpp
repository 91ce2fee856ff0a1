#include "seriestrends.h"

#include <algorithm>

namespace lottodesk {

std::vector<double> movingAverage(const std::vector<int32_t>& values, int span) {
    std::vector<double> out(values.size(), 0.0);
    span = std::max(span, 1);
    int64_t sum = 0;
    for (size_t n = 1; n < values.size(); ++n) {
        sum += values[n];
        if (n > static_cast<size_t>(span)) sum -= values[n - static_cast<size_t>(span)];
        out[n] = static_cast<double>(sum) / static_cast<double>(std::min<size_t>(n, static_cast<size_t>(span)));
    }
    return out;
}


std::vector<Segment> segmentTrend(const std::vector<int32_t>& values, int lastRecord, int length, int adjustment,
                                  SectionKind kind) {
    std::vector<Segment> segments;
    lastRecord = std::min(lastRecord, static_cast<int>(values.size()) - 1);
    if (length < 1 || lastRecord < 1) return segments;
    int size = ((length - adjustment) % length + length) % length;
    if (size == 0) size = length;
    for (int last = lastRecord; last >= 1; last -= size, size = length) {
        const int first = std::max(1, last - size + 1);
        SectionStatistics statistics;
        for (int n = first; n <= last; ++n) statistics.add(values[static_cast<size_t>(n)]);
        segments.push_back({first, last, statistics.result(kind)});
    }
    std::reverse(segments.begin(), segments.end());
    return segments;
}

std::vector<Occurrence> valueOccurrences(const std::vector<int32_t>& values, int lastRecord, int32_t value) {
    std::vector<Occurrence> out;
    lastRecord = std::min(lastRecord, static_cast<int>(values.size()) - 1);
    int previous = 0;
    for (int n = 1; n <= lastRecord; ++n) {
        if (values[n] != value) continue;
        out.push_back({n, n - previous - 1});
        previous = n;
    }
    return out;
}

std::optional<std::vector<int32_t>> distributionColumns(int32_t min, int32_t max, int step) {
    if (int64_t{max} - min >= 100) return std::nullopt;
    std::vector<int32_t> columns;
    if (max < min || step < 1) return columns;
    // In 64 bits: a range that ends at the largest integer must not wrap around.
    for (int64_t start = min; start < int64_t{min} + step && start <= max; ++start)
        for (int64_t v = start; v <= max; v += step) columns.push_back(static_cast<int32_t>(v));
    return columns;
}

}  // namespace lottodesk
