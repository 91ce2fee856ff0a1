#pragma once
// The allowed values of a condition row as the ticket test reads them, in the form their spread
// calls for: the values a user picks in the chooser lie close together and take a bit set or a
// byte table over lo..hi, while a set like {0, 1000000000} (typed into a file, or a damaged one)
// must not cost a byte per value in between. Any set of 32-bit values is accepted.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lottodesk {

class AllowedValues {
public:
    enum class Form : uint8_t {
        Bits,    // lo..lo+255 as 256 bits: the chooser's usual ranges
        Table,   // lo..hi as one byte each, hi - lo < kMaxTableSpan
        Sorted,  // the distinct values ascending, binary search
    };
    // Byte tables up to this many values between the smallest and the largest (64 KB, shared by
    // every copy); wider sets are searched.
    static constexpr int64_t kMaxTableSpan = int64_t{1} << 16;

    // Allows nothing.
    AllowedValues() = default;
    // `values` in any order, repeats allowed.
    explicit AllowedValues(std::vector<int32_t> values);

    bool has(int32_t v) const {
        const uint32_t index = static_cast<uint32_t>(v) - static_cast<uint32_t>(m_lo);
        if (m_form == Form::Bits) return index < 256 && (m_bits[index >> 6] >> (index & 63) & 1);
        if (m_form == Form::Table) return index < m_tableSize && m_table[index];
        return sortedHas(v);
    }

    Form form() const { return m_form; }
    // The memory the set holds beyond the object itself (copies share a table).
    size_t heapBytes() const { return m_tableSize + m_sorted.size() * sizeof(int32_t); }

private:
    bool sortedHas(int32_t v) const;

    Form m_form = Form::Bits;
    int32_t m_lo = 0;
    std::array<uint64_t, 4> m_bits{};
    // The table is read through a plain pointer in the hot loop; the shared owner keeps it alive
    // for every copy.
    const uint8_t* m_table = nullptr;
    uint32_t m_tableSize = 0;
    std::shared_ptr<const std::vector<uint8_t>> m_tableOwner;
    std::vector<int32_t> m_sorted;
};

}  // namespace lottodesk
