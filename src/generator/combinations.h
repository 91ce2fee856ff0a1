#pragma once
// Combinations of up to 64 numbered points as bit masks, ranked in co-lexicographic order:
// rank({a1 < a2 < .. < ak}) = C(a1,1) + C(a2,2) + .. + C(ak,k). The highest rank is the set of the
// k highest points, so descending rank is the order in which the generator enumerates tickets.

#include <array>
#include <bit>
#include <cstdint>

namespace lottodesk {

inline constexpr int kMaxPoints = 64;

// C(n, k) for n < 65, k < 8 (the sizes of tickets and draws); 0 when k > n or k < 0.
class Binomials {
public:
    constexpr Binomials() : m_c{} {
        for (int n = 0; n <= kMaxPoints; ++n) {
            m_c[n][0] = 1;
            for (int k = 1; k < kK; ++k) m_c[n][k] = n == 0 ? 0 : m_c[n - 1][k - 1] + m_c[n - 1][k];
        }
    }
    constexpr uint64_t operator()(int n, int k) const {
        return (k < 0 || k >= kK || n < 0 || n > kMaxPoints) ? 0 : m_c[n][k];
    }

private:
    static constexpr int kK = 8;
    std::array<std::array<uint64_t, kK>, kMaxPoints + 1> m_c;
};

inline constexpr Binomials kBinomial{};

inline uint64_t colexRank(uint64_t mask) {
    uint64_t rank = 0;
    for (int i = 1; mask != 0; ++i, mask &= mask - 1) rank += kBinomial(std::countr_zero(mask), i);
    return rank;
}

// The k-set of the given rank (rank < C(points, k)).
inline uint64_t colexUnrank(uint64_t rank, int k, int points) {
    uint64_t mask = 0;
    int e = points - 1;
    for (int i = k; i >= 1; --i) {
        while (kBinomial(e, i) > rank) --e;
        rank -= kBinomial(e, i);
        mask |= uint64_t{1} << e;
        --e;
    }
    return mask;
}

// Calls f(subset) for every k-subset of `mask`, in no particular order.
template <typename F>
void forEachSubset(uint64_t mask, int k, F&& f) {
    if (k == 0) {
        f(uint64_t{0});
        return;
    }
    int bits[kMaxPoints];
    int n = 0;
    for (uint64_t m = mask; m != 0; m &= m - 1) bits[n++] = std::countr_zero(m);
    if (k > n) return;
    int idx[8];
    for (int i = 0; i < k; ++i) idx[i] = i;
    while (true) {
        uint64_t sub = 0;
        for (int i = 0; i < k; ++i) sub |= uint64_t{1} << bits[idx[i]];
        f(sub);
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i) --i;
        if (i < 0) return;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
}

}  // namespace lottodesk
