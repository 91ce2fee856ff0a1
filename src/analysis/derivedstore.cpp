#include "derivedstore.h"

#include <algorithm>

namespace lottodesk {

void DerivedStore::clear() {
    m_records.Clear(false);
    m_values.assign(1, 0);
}

void DerivedStore::append(int32_t period, const int32_t* numbers, int count, int32_t value) {
    DrawRecord record{};
    record[0] = period;
    const int n = std::clamp(count, 0, kSlots - 1);
    for (int i = 0; i < n; ++i) record[static_cast<size_t>(i) + 1] = numbers[i];
    m_records.Append();
    m_records.setRecord(m_records.RecNo(), record);
    m_values.push_back(value);
}

void DerivedStore::finish() {
    if (count() == 0) append(0, 0);
}

}  // namespace lottodesk
