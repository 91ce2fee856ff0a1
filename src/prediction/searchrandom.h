#pragma once
// The random source of one formula search: xoshiro256** seeded once through splitmix64, bounded
// draws by rejection, so a seed gives the same candidates with any compiler and standard library.

#include <cstdint>

namespace lottodesk {

class SearchRandom {
public:
    explicit SearchRandom(uint64_t seed) {
        for (uint64_t& s : m_s) {
            seed += 0x9E3779B97F4A7C15ull;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            s = z ^ (z >> 31);
        }
    }
    uint64_t next() {
        const uint64_t result = rotl(m_s[1] * 5, 7) * 9;
        const uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = rotl(m_s[3], 45);
        return result;
    }
    // Uniform in 0..bound-1 (bound > 0).
    uint32_t below(uint32_t bound) {
        const uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        uint64_t v;
        do v = next();
        while (v >= limit);
        return static_cast<uint32_t>(v % bound);
    }

private:
    static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t m_s[4];
};

}  // namespace lottodesk
