#pragma once
// Column orders of the number columns ("按类型排序"): ascending, primes first, or grouped by the
// remainder modulo k for k = 2..20, each group ascending.

#include <string>
#include <vector>

namespace lottodesk {

// 0 "常规顺序", 1 "按质合", 2 "按奇偶", 3..20 "按除3余数" .. "按除20余数".
inline constexpr int kColumnOrderCount = 21;
const std::vector<std::string>& columnOrderNames();

// The numbers lo..hi in the order `kind` (0..20); an unknown kind gives the ascending order.
// Negative numbers (never drawn) group by their remainder's magnitude.
std::vector<int> columnOrder(int kind, int lo, int hi);

}  // namespace lottodesk
