#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "generator/exclusions.h"

namespace lottodesk {
namespace {

TEST(Exclusions, MaskAndListAgree) {
    std::mt19937 random(5);
    for (int trial = 0; trial < 20000; ++trial) {
        const int m = 3 + trial % 5;
        std::vector<int32_t> pool;
        for (int n = 1; n <= 20; ++n) pool.push_back(n);  // a small range makes runs common
        std::shuffle(pool.begin(), pool.end(), random);
        std::vector<int32_t> s(pool.begin(), pool.begin() + m);
        std::sort(s.begin(), s.end());
        uint64_t mask = 0;
        for (int32_t n : s) mask |= uint64_t{1} << n;
        ASSERT_EQ(specialRunsInMask(mask), specialRuns(s.data(), m)) << s[0] << " " << s[1] << " " << s[2];
    }
    const int32_t six[] = {1, 2, 3, 11, 12, 20};
    EXPECT_FALSE(specialRuns(six, 6));
    const int32_t two[] = {1, 2};
    EXPECT_FALSE(equalSpacing(two, 2)) << "nothing below three numbers";
}

}  // namespace
}  // namespace lottodesk
