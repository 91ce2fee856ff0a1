#include "conversion.h"

#include <algorithm>

namespace lottodesk {
namespace {

bool counted(int32_t v) { return v >= 0 && v <= kConversionTop; }

}  // namespace

void ConversionWalk::Recency::touch(int32_t v) {
    int q = rank[static_cast<size_t>(v)];
    if (q < 0) q = seen++;
    for (int i = q; i > 0; --i) {
        order[static_cast<size_t>(i)] = order[static_cast<size_t>(i - 1)];
        rank[static_cast<size_t>(order[static_cast<size_t>(i)])] = static_cast<int8_t>(i);
    }
    order[0] = static_cast<int8_t>(v);
    rank[static_cast<size_t>(v)] = 0;
}

ConversionWalk::ConversionWalk(int columns) : m_columns(std::max(columns, 0)) {
    Recency empty;
    empty.rank.fill(-1);
    empty.order.fill(0);
    m_recency.assign(static_cast<size_t>(m_columns), empty);
}

int32_t ConversionWalk::firstColumn(int32_t v0) const {
    if (counted(v0)) return m_recency[0].count(v0);
    auto it = m_otherLastRow.find(v0);
    const int32_t since = it == m_otherLastRow.end() ? 0 : it->second;
    int32_t distinct = 0;
    for (int32_t last : m_lastRow) distinct += last > since ? 1 : 0;
    return distinct;
}

void ConversionWalk::push(int32_t v0, int32_t* row) {
    ++m_rows;
    row[0] = v0;
    if (m_columns == 0) return;
    row[1] = firstColumn(v0);
    if (counted(v0)) {
        m_recency[0].touch(v0);
        m_lastRow[static_cast<size_t>(v0)] = m_rows;
    } else {
        m_otherLastRow[v0] = m_rows;
    }
    for (int k = 2; k <= m_columns; ++k) {
        Recency& r = m_recency[static_cast<size_t>(k - 1)];
        const int32_t in = row[k - 1];
        row[k] = r.count(in);
        r.touch(in);
    }
}

void ConversionWalk::images(int upTo, std::vector<int8_t>& image) const {
    upTo = std::clamp(upTo, 0, m_columns);
    image.resize(static_cast<size_t>(upTo) * kConversionValues);
    int8_t* previous = nullptr;
    for (int k = 1; k <= upTo; ++k) {
        const Recency& r = m_recency[static_cast<size_t>(k - 1)];
        int8_t* current = image.data() + static_cast<size_t>(k - 1) * kConversionValues;
        for (int x = 0; x < kConversionValues; ++x) current[x] = r.count(previous ? previous[x] : x);
        previous = current;
    }
}

int ConversionWalk::inverse(int column, int32_t v) const {
    if (column <= 0) return counted(v) ? v : 0;
    if (column > m_columns || !counted(v)) return 0;
    std::array<int8_t, kConversionValues> current;
    for (int x = 0; x < kConversionValues; ++x) current[static_cast<size_t>(x)] = static_cast<int8_t>(x);
    for (int k = 1; k <= column; ++k) {
        const Recency& r = m_recency[static_cast<size_t>(k - 1)];
        for (int8_t& value : current) value = r.count(value);
    }
    for (int x = 0; x < kConversionValues; ++x)
        if (current[static_cast<size_t>(x)] == v) return x;
    return 0;  // no indicator value gives v: the inverse is 0
}

ConversionChain::ConversionChain(const int32_t* values, int count, int columns)
    : m_walk(columns), m_rows(std::max(count, 0)) {
    const size_t width = static_cast<size_t>(m_walk.columns()) + 1;
    m_cells.resize(static_cast<size_t>(m_rows) * width);
    for (int r = 0; r < m_rows; ++r) m_walk.push(values[r], m_cells.data() + static_cast<size_t>(r) * width);
}

}  // namespace lottodesk
