#pragma once
// A memory-only store for derived series handed to the indicator analysis (an omission series of
// one number, an association column, ...): records with a period, the numbers of a draw and one
// value each. It has no file; the draw history store is never re-pointed or emptied for it, so a
// prediction record or a transformed history in memory stays as it is.

#include <cstdint>
#include <vector>

#include "core/s_dm.h"

namespace lottodesk {

class DerivedStore {
public:
    void clear();
    // Appends a record: the period in slot 0, up to 50 numbers in slots 1.., and its value.
    void append(int32_t period, const int32_t* numbers, int count, int32_t value);
    void append(int32_t period, int32_t value) { append(period, nullptr, 0, value); }
    // An empty series becomes one record with period 0 and value 0, so the analysis always has a
    // record to stand on.
    void finish();

    int count() const { return m_records.RecordCount(); }
    // The records, read like a history (cursor-free access through record()).
    const t_s_dm& records() const { return m_records; }
    // values()[n] is the value of record n (1..count); index 0 unused.
    const std::vector<int32_t>& values() const { return m_values; }

private:
    t_s_dm m_records;  // never given a file name: never opened, never posted
    std::vector<int32_t> m_values = std::vector<int32_t>(1, 0);
};

}  // namespace lottodesk
