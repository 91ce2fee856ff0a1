#include "allowedvalues.h"

#include <algorithm>

namespace lottodesk {

AllowedValues::AllowedValues(std::vector<int32_t> values) {
    if (values.empty()) return;
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    m_lo = values.front();
    // In 64 bits: INT32_MIN..INT32_MAX spans 2^32 values.
    const int64_t span = int64_t{values.back()} - values.front() + 1;
    if (span <= 256) {
        for (int32_t v : values) {
            const auto index = static_cast<uint32_t>(int64_t{v} - m_lo);
            m_bits[index >> 6] |= uint64_t{1} << (index & 63);
        }
        m_form = Form::Bits;
    } else if (span <= kMaxTableSpan) {
        auto table = std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(span), 0);
        for (int32_t v : values) (*table)[static_cast<size_t>(int64_t{v} - m_lo)] = 1;
        m_table = table->data();
        m_tableSize = static_cast<uint32_t>(table->size());
        m_tableOwner = std::move(table);
        m_form = Form::Table;
    } else {
        m_sorted = std::move(values);
        m_form = Form::Sorted;
    }
}

bool AllowedValues::sortedHas(int32_t v) const { return std::binary_search(m_sorted.begin(), m_sorted.end(), v); }

}  // namespace lottodesk
