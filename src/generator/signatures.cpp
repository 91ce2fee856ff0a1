#include "signatures.h"

#include <random>

namespace lottodesk {
namespace {

constexpr uint32_t kSignatureRange = 200000000;

}  // namespace

SignatureTables::SignatureTables(uint64_t seed) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<uint32_t> value(0, kSignatureRange - 1);
    for (int n = 1; n <= kMaxMainNumber; ++n) {
        r1[n] = value(random);
        r2[n] = value(random);
    }
}

Signature drawSignature(const SignatureTables& tables, const int32_t* numbers, int m) {
    uint32_t s1 = 0, s2 = 0;
    for (int i = 0; i < m; ++i) {
        const int n = numbers[i];
        if (n < 0 || n > kMaxMainNumber) continue;
        s1 += tables.r1[n];
        s2 += tables.r2[n];
    }
    return {s1 & 0xFFFF, s2};
}

void HistorySignatures::clear() {
    m_occupied.assign(kSlots, false);
    m_keys.assign(kSlots, 0);
}

void HistorySignatures::insert(Signature signature) {
    for (int probe = 0, slot = static_cast<int>(signature.home); probe < kSlots - 1;
         ++probe, slot = (slot + 1) % kSlots)
        if (!m_occupied[slot]) {
            m_occupied[slot] = true;
            m_keys[slot] = signature.key;
            return;
        }
}

}  // namespace lottodesk
