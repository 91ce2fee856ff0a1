#include "numberprops.h"

#include <cstdint>

namespace lottodesk {

bool is_prime(int n) {
    if (n == 1 || n == 2) return true;
    if (n < 3) return false;
    // Trial division from n-1 down, as the system defines it; for the small values of draws and
    // indicators the square-root bound gives the same answer faster.
    // 64-bit: d * d must not overflow for n near 2^31.
    for (int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

}  // namespace lottodesk
