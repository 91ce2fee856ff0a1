#include "randomsource.h"

#include <random>

namespace lottodesk {
namespace {

uint64_t splitmix64(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

RandomSource::RandomSource(uint64_t seed) {
    for (uint64_t& word : m_s) word = splitmix64(seed);
}

uint64_t RandomSource::entropySeed() {
    std::random_device device;
    return (uint64_t{device()} << 32) ^ device();
}

uint64_t RandomSource::next() {
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

uint64_t RandomSource::below(uint64_t bound) {
    // Values below 2^64 mod bound would make the low residues more likely: draw again.
    const uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        const uint64_t r = next();
        if (r >= threshold) return r % bound;
    }
}

}  // namespace lottodesk
