#include "partition.h"

#include <cassert>

namespace lottodesk {

void partition(int N, int lo, int hi, int* b) {
    assert(N >= 1);
    const int size = hi - lo + 1;
    const int width = size / N;
    const int rest = size % N;
    b[0] = lo - 1;
    for (int j = 1; j <= N; ++j) b[j] = b[j - 1] + width + (N - j < rest ? 1 : 0);
}

void ZonePartitions::rebuild(int zh_to) {
    for (int N = 2; N <= 15; ++N) partition(N, 1, zh_to, b[N].data());
}

int ZonePartitions::zoneOf(int N, int n) const {
    const auto& bounds = b[N];
    if (n <= bounds[0]) return 0;
    for (int j = 1; j <= N; ++j)
        if (n <= bounds[j]) return j;
    return N + 1;
}

}  // namespace lottodesk
