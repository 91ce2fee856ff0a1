#pragma once
// "不允许所有主号与历史完全相同": a ticket is rejected when its numbers are those of a past draw. Each
// draw and ticket is reduced to a signature, two sums of per-number random values, and the past
// draws' signatures are kept in an open-addressing table.

#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

#include "conditions.h"

namespace lottodesk {

// The two random tables, drawn once per generator.
struct SignatureTables {
    explicit SignatureTables(uint64_t seed);
    std::array<uint32_t, kMaxMainNumber + 1> r1{};
    std::array<uint32_t, kMaxMainNumber + 1> r2{};
};

struct Signature {
    uint32_t home;  // the table slot the probe starts from
    uint32_t key;
};

// A ticket's signature; its numbers are 1..kMaxMainNumber.
inline Signature ticketSignature(const SignatureTables& tables, const int32_t* numbers, int m) {
    uint32_t s1 = 0, s2 = 0;
    for (int i = 0; i < m; ++i) {
        assert(numbers[i] >= 1 && numbers[i] <= kMaxMainNumber);
        s1 += tables.r1[numbers[i]];
        s2 += tables.r2[numbers[i]];
    }
    return {s1 & 0xFFFF, s2};
}

// A past draw's signature: numbers outside the main range (a damaged record) count for nothing.
Signature drawSignature(const SignatureTables& tables, const int32_t* numbers, int m);

// The past draws of one run: 65,536 slots probed linearly from the home slot.
class HistorySignatures {
public:
    static constexpr int kSlots = 65536;

    void clear();
    void insert(Signature signature);
    bool contains(Signature signature) const {
        for (int probe = 0, slot = static_cast<int>(signature.home); probe < kSlots - 1 && m_occupied[slot];
             ++probe, slot = (slot + 1) % kSlots)
            if (m_keys[slot] == signature.key) return true;
        return false;
    }

private:
    std::vector<bool> m_occupied;
    std::vector<uint32_t> m_keys;
};

}  // namespace lottodesk
