#include "columnorder.h"

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
    order.reserve(static_cast<size_t>(hi - lo + 1));
    if (kind == 1) {
        for (int n = lo; n <= hi; ++n)
            if (is_prime(n)) order.push_back(n);
        for (int n = lo; n <= hi; ++n)
            if (!is_prime(n)) order.push_back(n);
        return order;
    }
    if (kind >= 2 && kind < kColumnOrderCount) {
        const int k = kind;  // 2 for odd/even, then 3..20
        for (int r = 0; r < k; ++r)
            for (int n = lo; n <= hi; ++n)
                if (std::abs(n % k) == r) order.push_back(n);
        return order;
    }
    for (int n = lo; n <= hi; ++n) order.push_back(n);
    return order;
}

}  // namespace lottodesk
