#pragma once
// The itemised statistics of the statistics area: the tallies of a window's draws and the texts of
// its two pages ("分项统计一", "分项统计二"), line by line as the page shows them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cpstyle.h"

namespace lottodesk {

// Counts over the e draws of a window. Distributions are indexed by the per-draw count (0..zhgs).
// Per-number tallies (zones, remainders) skip numbers outside the zone's range.
struct StatsTallies {
    int32_t draws = 0;             // e
    int32_t mainNumbers = 0;       // T = e x zhgs
    int32_t secondaryNumbers = 0;  // S = e x fhgs

    int64_t odd = 0, big = 0;
    std::array<int32_t, 3> threeZones{};
    std::array<int32_t, 7> sevenZones{};
    std::array<int32_t, 8> sevenBounds{};                      // zone z holds sevenBounds[z-1]+1 .. sevenBounds[z]
    std::vector<int32_t> tails, primes, repeats, consecutive;  // draws with k distinct tails, ...
    int64_t tailSum = 0, primeSum = 0, repeatSum = 0, consecutiveSum = 0;
    int64_t skewSum = 0, dispersionSum = 0, sumSum = 0, spacingSum = 0;
    int32_t skewMax = 0, skewMin = 0, dispersionMax = 0, dispersionMin = 0, sumMax = 0, sumMin = 0;
    int32_t spacingMax = 0, spacingMin = 0;
    int64_t spacingPairs = 0;                                   // e x (zhgs - 1)
    std::array<int32_t, 5> mainMod3{}, mainMod4{}, mainMod5{};  // by remainder; only 0..d-1 used

    int64_t secondaryOdd = 0, secondaryBig = 0, secondaryPrime = 0;
    std::array<int32_t, 5> secondaryMod3{}, secondaryMod4{}, secondaryMod5{};
};

// One line of a page: a fixed label with its value, and for a share its text and bar (pixels of
// 70; -1 for a line without a bar). Values that need a non-empty window are "" when it is empty.
struct StatLine {
    std::string label;  // "奇数个数:"
    std::string value;  // "312", "45期", "3.2个"
    std::string share;  // "50.6%" or ""
    int bar = -1;
};

struct StatGroup {
    std::string title;  // "奇偶", "大小", "三区", "尾数", ...
    bool secondary = false;
    std::vector<StatLine> lines;
};

struct StatsPages {
    std::vector<StatGroup> page1;  // 奇偶 大小 三区 尾数 质数 重号 连号 偏度 散度 (main numbers)
    std::vector<StatGroup> page2;  // 余数 间距 和值 七区 (main), then 奇偶 大小 质合 余数 (secondary)
};

// The remainder lines' labels: "除三余零数:" .. for divisor 3, 4 or 5 (others give none).
std::vector<std::string> remainderLabels(int divisor);

StatsPages buildStatsPages(const StatsTallies& tallies, const GameParams& game, int mainDivisor, int secondaryDivisor);

}  // namespace lottodesk
