#pragma once
// The small fixed-capacity lists of the system: number lists (cold, warm and hot numbers, the
// allowed values of a condition) and numbers ordered by a real key (frequency tables).

#include <array>
#include <cstdint>
#include <vector>

namespace lottodesk {

// Up to 2001 integers at positions 1..2001; additions beyond that are ignored.
class tseqlist {
public:
    static constexpr int kCapacity = 2001;

    int count() const { return m_count; }
    bool add(int32_t value) {
        if (m_count == kCapacity) return false;
        m_values[m_count++] = value;
        return true;
    }
    void clear() { m_count = 0; }
    // The value at position i (1-based), -1 beyond the count.
    int32_t get(int i) const { return i >= 1 && i <= m_count ? m_values[i - 1] : -1; }
    std::vector<int32_t> values() const { return {m_values.begin(), m_values.begin() + m_count}; }

private:
    std::array<int32_t, kCapacity> m_values{};
    int m_count = 0;
};

// Up to 2001 entries {insertion position, single-precision key, data}, sortable by key.
class tsortseqlist {
public:
    static constexpr int kCapacity = 2001;
    struct Entry {
        int32_t sequence = -1;
        float key = -1.0f;
        int32_t data = 0;
    };

    int count() const { return static_cast<int>(m_entries.size()); }
    bool add(float key, int32_t data = 0) {
        if (count() == kCapacity) return false;
        m_entries.push_back({count() + 1, key, data});
        return true;
    }
    void clear() { m_entries.clear(); }
    // Entry i (1-based); {-1, -1.0, 0} beyond the count.
    Entry get(int i) const { return i >= 1 && i <= count() ? m_entries[i - 1] : Entry{}; }
    // Stable bubble sort on the key that stops after a pass without swaps.
    void sort(bool descending) {
        for (int pass = 1; pass < count(); ++pass) {
            bool swapped = false;
            for (int j = 0; j + pass < count(); ++j) {
                const bool outOfOrder =
                    descending ? m_entries[j].key < m_entries[j + 1].key : m_entries[j].key > m_entries[j + 1].key;
                if (outOfOrder) {
                    std::swap(m_entries[j], m_entries[j + 1]);
                    swapped = true;
                }
            }
            if (!swapped) break;
        }
    }

private:
    std::vector<Entry> m_entries;
};

// The six cold, warm and hot number lists of both zones, each ascending.
struct ColdWarmHotLists {
    tseqlist cold, warm, hot;
    tseqlist f_cold, f_warm, f_hot;
};

}  // namespace lottodesk
