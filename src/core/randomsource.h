#pragma once
// The random generator of every seeded run (random picks, the wheel optimiser, the formula search): xoshiro256** seeded
// through splitmix64, with bounded draws by rejection, so a seed gives the same numbers with any compiler and standard
// library (std:: distributions differ between libraries).

#include <cstdint>

namespace lottodesk {

class RandomSource {
public:
    explicit RandomSource(uint64_t seed);

    // A seed from the system's entropy source, for runs the user did not seed.
    static uint64_t entropySeed();

    uint64_t next();
    // Uniform in 0..bound-1 (bound > 0), without modulo bias.
    uint64_t below(uint64_t bound);
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    uint64_t m_s[4];
};

}  // namespace lottodesk
