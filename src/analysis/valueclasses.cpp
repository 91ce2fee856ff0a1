#include "valueclasses.h"

#include <algorithm>

#include "indicators/numberprops.h"

namespace lottodesk {

bool isPrimeValue(int32_t v) { return v >= 1 && is_prime(v); }

std::vector<int32_t> zoneUpperBounds(ValueRange range, int k) {
    std::vector<int32_t> bounds;
    if (k < 1 || range.hi < range.lo) return bounds;
    const int64_t n = int64_t{range.hi} - range.lo + 1;
    const int64_t size = n / k, longer = n % k;
    bounds.reserve(static_cast<size_t>(k));
    int64_t last = int64_t{range.lo} - 1;
    for (int j = 0; j < k; ++j) {
        last += size + (j >= k - longer ? 1 : 0);
        bounds.push_back(static_cast<int32_t>(last));
    }
    return bounds;
}

int zoneOf(int32_t v, ValueRange range, const std::vector<int32_t>& upperBounds) {
    if (v < range.lo || v > range.hi) return -1;
    const auto it = std::lower_bound(upperBounds.begin(), upperBounds.end(), v);
    return it == upperBounds.end() ? -1 : static_cast<int>(it - upperBounds.begin());
}

}  // namespace lottodesk
