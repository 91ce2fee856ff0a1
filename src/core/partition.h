#pragma once
// Zone partitions: a range split into N consecutive zones as evenly as possible, the last `rest`
// zones one number wider. Zone j is b[j-1]+1 .. b[j].

#include <array>

namespace lottodesk {

constexpr int kMaxPartitionZones = 49;

// Writes b[0..N] for the inclusive range lo..hi. `b` holds at least N+1 entries; N >= 1.
void partition(int N, int lo, int hi, int* b);

// The fourteen partitions b2..b15 of the main range, always counted from 1 whatever zh_from is.
struct ZonePartitions {
    std::array<std::array<int, 16>, 16> b{};  // b[N][0..N] for N = 2..15

    void rebuild(int zh_to);
    const std::array<int, 16>& of(int N) const { return b[N]; }
    // 1-based zone of n in the N-zone partition; 0 when n is below the first zone, N+1 above the last.
    int zoneOf(int N, int n) const;
};

}  // namespace lottodesk
