#include "omission.h"

#include <algorithm>

namespace lottodesk {
namespace {

HitMatrix emptyMatrix(const DrawWindow& window, int lo, int hi) {
    HitMatrix m;
    m.rows = window.empty() ? 0 : window.count;
    m.columns = hi >= lo ? hi - lo + 1 : 0;
    m.lo = lo;
    m.hits.assign(static_cast<size_t>(m.rows) * m.columns, 0);
    return m;
}

int32_t roundedAverage(int64_t sum, int64_t count) {
    int64_t q = sum / count;
    const int64_t r = sum % count;
    if (r * 2 > count || (r * 2 == count && q % 2 == 1)) ++q;
    return static_cast<int32_t>(q);
}

int lastSlot(int firstSlot, int slots) { return std::min(firstSlot + slots, kSlots) - 1; }

}  // namespace

HitMatrix numberHits(const DrawHistory& history, const DrawWindow& window, int firstSlot, int slots, int lo, int hi) {
    HitMatrix m = emptyMatrix(window, lo, hi);
    const int last = lastSlot(firstSlot, slots);
    for (int row = 0; row < m.rows; ++row) {
        const int32_t* draw = history.record(window.first() + row);
        for (int s = std::max(firstSlot, 1); s <= last; ++s) {
            const int c = m.columnOf(draw[s]);
            if (c >= 0) m.hits[static_cast<size_t>(row) * m.columns + c] = 1;
        }
    }
    return m;
}

HitMatrix tailHits(const DrawHistory& history, const DrawWindow& window, int firstSlot, int slots) {
    HitMatrix m = emptyMatrix(window, 0, 9);
    const int last = lastSlot(firstSlot, slots);
    for (int row = 0; row < m.rows; ++row) {
        const int32_t* draw = history.record(window.first() + row);
        for (int s = std::max(firstSlot, 1); s <= last; ++s)
            if (draw[s] >= 0) m.hits[static_cast<size_t>(row) * m.columns + draw[s] % 10] = 1;
    }
    return m;
}

HitMatrix valueHits(const int32_t* values, const DrawWindow& window, int lo, int hi) {
    HitMatrix m = emptyMatrix(window, lo, hi);
    for (int row = 0; row < m.rows; ++row) {
        const int c = m.columnOf(values[window.first() + row]);
        if (c >= 0) m.hits[static_cast<size_t>(row) * m.columns + c] = 1;
    }
    return m;
}

namespace {

OmissionStats sizedStats(int columns) {
    OmissionStats s;
    const size_t n = static_cast<size_t>(columns);
    s.hits.assign(n, 0);
    s.longest.assign(n, -1);
    s.shortest.assign(n, 99999);
    s.average.assign(n, 0);
    s.previous.assign(n, 0);
    s.current.assign(n, 0);
    return s;
}

}  // namespace

OmissionTable trendOmissions(const HitMatrix& hits) {
    OmissionTable t;
    t.rows = hits.rows;
    t.columns = hits.columns;
    t.cells.assign(hits.hits.size(), 0);
    t.stats = sizedStats(hits.columns);
    OmissionStats& s = t.stats;
    for (int c = 0; c < hits.columns; ++c) {
        int64_t sum = 0;
        for (int r = 0; r < hits.rows; ++r) {
            const size_t at = static_cast<size_t>(r) * hits.columns + c;
            if (hits.hits[at]) {
                ++s.hits[c];
                if (r > 0) {
                    const size_t above = at - static_cast<size_t>(hits.columns);
                    const int32_t o = hits.hits[above] ? 0 : t.cells[above];
                    s.previous[c] = o;
                    sum += o;
                    s.longest[c] = std::max(s.longest[c], o);
                    s.shortest[c] = std::min(s.shortest[c], o);
                }
            } else {
                const size_t above = at - static_cast<size_t>(hits.columns);
                t.cells[at] = (r == 0 || hits.hits[above]) ? 1 : t.cells[above] + 1;
            }
        }
        if (s.longest[c] == -1) {
            s.longest[c] = s.average[c] = s.shortest[c] = s.previous[c] = kNoOmission;
        } else {
            s.average[c] = roundedAverage(sum, s.hits[c]);
        }
        if (hits.rows > 0) s.current[c] = t.cell(hits.rows - 1, c);
    }
    return t;
}

OmissionStats occurrenceOmissions(const HitMatrix& hits) {
    OmissionStats s = sizedStats(hits.columns);
    for (int c = 0; c < hits.columns; ++c) {
        int64_t sum = 0;
        int lastHit = -1;
        for (int r = 0; r < hits.rows; ++r) {
            if (!hits.at(r, c)) continue;
            const int32_t e = r - lastHit - 1;
            ++s.hits[c];
            s.longest[c] = std::max(s.longest[c], e);
            s.shortest[c] = std::min(s.shortest[c], e);
            s.previous[c] = e;
            sum += e;
            lastHit = r;
        }
        if (s.hits[c] == 0) {
            s.longest[c] = s.average[c] = s.shortest[c] = s.previous[c] = kNoOmission;
        } else {
            s.average[c] = roundedAverage(sum, s.hits[c]);
        }
        s.current[c] = hits.rows - 1 - lastHit;
    }
    return s;
}

std::vector<int32_t> windowHits(const DrawHistory& history, const DrawWindow& window, int firstSlot, int slots, int lo,
                                int hi) {
    std::vector<int32_t> counts(hi >= lo ? static_cast<size_t>(hi - lo + 1) : 0, 0);
    if (window.empty()) return counts;
    const int last = lastSlot(firstSlot, slots);
    for (int n = window.first(); n <= window.end; ++n) {
        const int32_t* draw = history.record(n);
        for (int s = std::max(firstSlot, 1); s <= last; ++s)
            if (draw[s] >= lo && draw[s] <= hi) ++counts[static_cast<size_t>(draw[s] - lo)];
    }
    return counts;
}

std::vector<int32_t> omissionsBefore(const DrawHistory& history, int end, int firstSlot, int slots, int lo, int hi) {
    const int columns = hi >= lo ? hi - lo + 1 : 0;
    std::vector<int32_t> omissions(static_cast<size_t>(columns), 0);
    std::vector<uint8_t> seen(static_cast<size_t>(columns), 0);
    const int last = lastSlot(firstSlot, slots);
    int unseen = columns;
    for (int n = end; n >= 1 && unseen > 0; --n) {
        const int32_t* draw = history.record(n);
        for (int s = std::max(firstSlot, 1); s <= last; ++s) {
            if (draw[s] < lo || draw[s] > hi) continue;
            const size_t c = static_cast<size_t>(draw[s] - lo);
            if (seen[c]) continue;
            seen[c] = 1;
            omissions[c] = end - n;
            --unseen;
        }
    }
    return omissions;
}

}  // namespace lottodesk
