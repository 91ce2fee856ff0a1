#include "columnorder.h"

#include <cstdint>
#include <cstdlib>

#include "indicators/numberprops.h"

namespace lottodesk {

const std::vector<std::string>& columnOrderNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list = {"常规顺序", "按质合", "按奇偶"};
        const char* digits[] = {"3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
                                "12", "13", "14", "15", "16", "17", "18", "19", "20"};
        for (const char* k : digits) list.push_back(std::string("按除") + k + "余数");
        return list;
    }();
    return names;
}

std::vector<int> columnOrder(int kind, int lo, int hi) {
    std::vector<int> order;
    if (hi < lo) return order;
    // The walks count in 64 bits: a range that ends at the largest integer must end, not wrap.
    const int64_t first = lo, last = hi;
    order.reserve(static_cast<size_t>(last - first + 1));
    if (kind == 1) {
        for (int64_t n = first; n <= last; ++n)
            if (is_prime(static_cast<int>(n))) order.push_back(static_cast<int>(n));
        for (int64_t n = first; n <= last; ++n)
            if (!is_prime(static_cast<int>(n))) order.push_back(static_cast<int>(n));
        return order;
    }
    if (kind >= 2 && kind < kColumnOrderCount) {
        const int k = kind;  // 2 for odd/even, then 3..20
        for (int r = 0; r < k; ++r)
            for (int64_t n = first; n <= last; ++n)
                if (std::llabs(n % k) == r) order.push_back(static_cast<int>(n));
        return order;
    }
    for (int64_t n = first; n <= last; ++n) order.push_back(static_cast<int>(n));
    return order;
}

}  // namespace lottodesk
