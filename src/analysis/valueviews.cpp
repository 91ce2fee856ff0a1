#include "valueviews.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "columnorder.h"
#include "valueclasses.h"

namespace lottodesk {

int ValueColumns::columnOf(int32_t v) const {
    const auto it = std::lower_bound(values.begin(), values.end(), v);
    return it != values.end() && *it == v ? static_cast<int>(it - values.begin()) : -1;
}

ValueColumns valueColumns(const int32_t* values, const DrawWindow& window, ValueRange range) {
    ValueColumns columns;
    if (range.hi < range.lo) return columns;
    if (int64_t{range.hi} - range.lo < kMaxValueColumns) {
        columns.values.resize(static_cast<size_t>(range.hi - range.lo + 1));
        std::iota(columns.values.begin(), columns.values.end(), range.lo);
        return columns;
    }
    columns.occurringOnly = true;
    if (!window.empty())
        for (int n = window.first(); n <= window.end; ++n)
            if (values[n] >= range.lo && values[n] <= range.hi) columns.values.push_back(values[n]);
    std::sort(columns.values.begin(), columns.values.end());
    columns.values.erase(std::unique(columns.values.begin(), columns.values.end()), columns.values.end());
    return columns;
}

HitMatrix valueColumnHits(const int32_t* values, const DrawWindow& window, const ValueColumns& columns) {
    HitMatrix m;
    m.rows = window.empty() ? 0 : window.count;
    m.columns = static_cast<int>(columns.values.size());
    m.hits.assign(static_cast<size_t>(m.rows) * static_cast<size_t>(m.columns), 0);
    for (int r = 0; r < m.rows; ++r) {
        const int c = columns.columnOf(values[window.first() + r]);
        if (c >= 0) m.hits[static_cast<size_t>(r) * m.columns + c] = 1;
    }
    return m;
}

ValueCounts valueCounts(const int32_t* values, const DrawWindow& window, ValueRange range) {
    ValueCounts out;
    out.columns = valueColumns(values, window, range);
    out.counts.assign(out.columns.values.size(), 0);
    out.periods = window.empty() ? 0 : window.count;
    for (int r = 0; r < out.periods; ++r) {
        const int c = out.columns.columnOf(values[window.first() + r]);
        if (c >= 0) ++out.counts[static_cast<size_t>(c)];
    }
    return out;
}

std::vector<int> countOrder(const ValueCounts& counts, CountOrder order) {
    std::vector<int> columns(counts.counts.size());
    std::iota(columns.begin(), columns.end(), 0);
    if (order == CountOrder::Value) return columns;
    std::stable_sort(columns.begin(), columns.end(), [&](int a, int b) {
        return order == CountOrder::Ascending ? counts.counts[a] < counts.counts[b]
                                              : counts.counts[a] > counts.counts[b];
    });
    return columns;
}

std::string countText(int32_t count, int periods, bool percent) {
    if (!percent) return std::to_string(count);
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", periods > 0 ? 100.0 * count / periods : 0.0);
    return text;
}

ValueOmissions valueOmissions(const int32_t* values, const DrawWindow& window, ValueRange range) {
    ValueOmissions out;
    out.columns = valueColumns(values, window, range);
    out.stats = occurrenceOmissions(valueColumnHits(values, window, out.columns));
    return out;
}

SeriesOmissionTable seriesOmissionTable(const int32_t* values, const DrawWindow& window, ValueRange range, int order) {
    SeriesOmissionTable out;
    if (range.hi < range.lo || int64_t{range.hi} - range.lo >= kMaxOmissionTableValues) {
        out.status = Status::failure(StatusCode::BadInput, kOmissionTableRangeMessage);
        return out;
    }
    ValueColumns columns;
    for (int v : columnOrder(order, range.lo, range.hi)) columns.values.push_back(v);
    out.values = columns.values;
    // Columns in display order: a value's column is its position in the order.
    std::vector<int> columnOfValue(static_cast<size_t>(range.hi - range.lo + 1), -1);
    for (size_t c = 0; c < out.values.size(); ++c)
        columnOfValue[static_cast<size_t>(out.values[c] - range.lo)] = static_cast<int>(c);
    HitMatrix m;
    m.rows = window.empty() ? 0 : window.count;
    m.columns = static_cast<int>(out.values.size());
    m.hits.assign(static_cast<size_t>(m.rows) * static_cast<size_t>(m.columns), 0);
    for (int r = 0; r < m.rows; ++r) {
        const int32_t v = values[window.first() + r];
        if (v < range.lo || v > range.hi) continue;
        const int c = columnOfValue[static_cast<size_t>(v - range.lo)];
        if (c >= 0) m.hits[static_cast<size_t>(r) * m.columns + c] = 1;
    }
    out.table = trendOmissions(m);
    return out;
}

ClassCounts classCounts(const int32_t* values, const DrawWindow& window, ValueRange range, ClassFamily family, int k) {
    ClassCounts out;
    k = std::max(k, 1);
    std::vector<int32_t> bounds;
    switch (family) {
    case ClassFamily::OddEven: out.labels = {"奇", "偶"}; break;
    case ClassFamily::PrimeComposite: out.labels = {"质", "合"}; break;
    case ClassFamily::Zones: {
        bounds = zoneUpperBounds(range, k);
        int64_t first = range.lo;
        for (size_t j = 0; j < bounds.size(); ++j) {
            out.labels.push_back("第" + std::to_string(j + 1) + "区<" + std::to_string(first) + ".." +
                                 std::to_string(bounds[j]) + ">");
            first = int64_t{bounds[j]} + 1;
        }
        break;
    }
    case ClassFamily::Remainder:
        for (int r = 0; r < k; ++r) out.labels.push_back("余" + std::to_string(r));
        break;
    }
    out.counts.assign(out.labels.size(), 0);
    out.periods = window.empty() ? 0 : window.count;
    for (int r = 0; r < out.periods; ++r) {
        const int32_t v = values[window.first() + r];
        int c = -1;
        switch (family) {
        case ClassFamily::OddEven: c = isOddValue(v) ? 0 : 1; break;
        case ClassFamily::PrimeComposite: c = isPrimeValue(v) ? 0 : 1; break;
        case ClassFamily::Zones: c = zoneOf(v, range, bounds); break;
        case ClassFamily::Remainder: c = remainderClass(v, k); break;
        }
        if (c >= 0) ++out.counts[static_cast<size_t>(c)];
    }
    return out;
}

}  // namespace lottodesk
