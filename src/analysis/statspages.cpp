#include "statspages.h"

#include <cstdlib>

#include "numberformat.h"

namespace lottodesk {
namespace {

std::string count(int64_t n) { return std::to_string(n); }

// The value of a maximum or minimum: blank for an empty window.
std::string extreme(const StatsTallies& t, int32_t value) { return t.draws == 0 ? std::string() : count(value); }

StatLine shareLine(std::string label, std::string value, int64_t part, int64_t whole) {
    return {std::move(label), std::move(value), shareText(part, whole), shareBar(part, whole)};
}

// Odd/even, big/small, prime/composite: the part, the rest, their difference; the second bar is
// what the first leaves of 70.
StatGroup twoWay(std::string title, bool secondary, const char* first, const char* second, int64_t part,
                 int64_t whole) {
    StatGroup g{std::move(title), secondary, {}};
    g.lines.push_back(shareLine(first, count(part), part, whole));
    StatLine rest = shareLine(second, count(whole - part), whole - part, whole);
    rest.bar = whole == 0 ? 0 : 70 - g.lines[0].bar;
    g.lines.push_back(rest);
    g.lines.push_back({"个数差:", count(std::llabs(whole - 2 * part)), "", -1});
    return g;
}

// Lines "<k><unit>:" + draws + "期" for k in first..last, then the average per draw.
StatGroup distribution(std::string title, const std::vector<int32_t>& draws, int first, int last, const char* unit,
                       const char* averageLabel, const char* averageUnit, int64_t total, int32_t e) {
    StatGroup g{std::move(title), false, {}};
    for (int k = first; k <= last; ++k) {
        const int32_t c = k < static_cast<int>(draws.size()) ? draws[static_cast<size_t>(k)] : 0;
        g.lines.push_back(shareLine(std::to_string(k) + unit + ":", count(c) + "期", c, e));
    }
    const std::string average = averageText(total, e, 1);
    g.lines.push_back({averageLabel, average.empty() ? average : average + averageUnit, "", -1});
    return g;
}

StatGroup averages(std::string title, const char* averageLabel, const char* maxLabel, const char* minLabel,
                   const StatsTallies& t, int64_t sum, int64_t divisor, int32_t max, int32_t min) {
    return {std::move(title),
            false,
            {{averageLabel, averageText(sum, divisor, 2), "", -1},
             {maxLabel, extreme(t, max), "", -1},
             {minLabel, extreme(t, min), "", -1}}};
}

StatGroup remainders(bool secondary, int divisor, const std::array<int32_t, 5>& mod3,
                     const std::array<int32_t, 5>& mod4, const std::array<int32_t, 5>& mod5, int64_t whole) {
    StatGroup g{"余数", secondary, {}};
    const std::array<int32_t, 5>& counts = divisor == 4 ? mod4 : divisor == 5 ? mod5 : mod3;
    const std::vector<std::string> labels = remainderLabels(divisor);
    for (size_t r = 0; r < labels.size(); ++r)
        g.lines.push_back(shareLine(labels[r], count(counts[r]), counts[r], whole));
    return g;
}

}  // namespace

std::vector<std::string> remainderLabels(int divisor) {
    static const char* kDigits[] = {"零", "一", "二", "三", "四"};
    static const char* kDivisors[] = {"", "", "", "三", "四", "五"};
    std::vector<std::string> labels;
    if (divisor < 3 || divisor > 5) return labels;
    for (int r = 0; r < divisor; ++r)
        labels.push_back(std::string("除") + kDivisors[divisor] + "余" + kDigits[r] + "数:");
    return labels;
}

StatsPages buildStatsPages(const StatsTallies& t, const GameParams& game, int mainDivisor, int secondaryDivisor) {
    StatsPages pages;
    const int64_t T = t.mainNumbers;
    const int64_t S = t.secondaryNumbers;
    const int32_t e = t.draws;
    // Lines for a seventh number exist only for seven-number games.
    const int top = game.zhgs >= 7 ? 7 : 6;

    auto& p1 = pages.page1;
    p1.push_back(twoWay("奇偶", false, "奇数个数:", "偶数个数:", t.odd, T));
    p1.push_back(twoWay("大小", false, "大数个数:", "小数个数:", t.big, T));
    StatGroup zones{"三区", false, {}};
    const char* zoneLabels[] = {"一区球数:", "二区球数:", "三区球数:"};
    for (int z = 0; z < 3; ++z)
        zones.lines.push_back(shareLine(zoneLabels[z], count(t.threeZones[z]), t.threeZones[z], T));
    p1.push_back(zones);
    p1.push_back(distribution("尾数", t.tails, 2, top, "个尾数", "平均每期尾数个数:", "个", t.tailSum, e));
    p1.push_back(distribution("质数", t.primes, 0, top, "个质数", "平均每期质数个数:", "个", t.primeSum, e));
    p1.push_back(distribution("重号", t.repeats, 0, top, "个重号", "平均每期重号个数:", "个", t.repeatSum, e));
    p1.push_back(distribution("连号", t.consecutive, 0, 5, "组连号", "平均每期连号组数:", "组", t.consecutiveSum, e));
    p1.push_back(averages("偏度", "平均偏度值:", "最大偏度值:", "最小偏度值:", t, t.skewSum, e, t.skewMax, t.skewMin));
    p1.push_back(averages("散度", "平均散度值:", "最大散度值:", "最小散度值:", t, t.dispersionSum, e, t.dispersionMax,
                          t.dispersionMin));

    auto& p2 = pages.page2;
    p2.push_back(remainders(false, mainDivisor, t.mainMod3, t.mainMod4, t.mainMod5, T));
    p2.push_back(averages("间距", "间距平均值:", "最大间距:", "最小间距:", t, t.spacingSum, t.spacingPairs,
                          t.spacingMax, t.spacingMin));
    if (t.spacingPairs == 0) p2.back().lines[1].value = p2.back().lines[2].value = "";  // one-number games
    p2.push_back(averages("和值", "和值平均值:", "最大和值:", "最小和值:", t, t.sumSum, e, t.sumMax, t.sumMin));
    StatGroup seven{"七区", false, {}};
    for (int z = 0; z < 7; ++z)
        seven.lines.push_back({std::to_string(t.sevenBounds[z] + 1) + "-" + std::to_string(t.sevenBounds[z + 1]),
                               count(t.sevenZones[z]), "", -1});
    p2.push_back(seven);
    p2.push_back(twoWay("奇偶", true, "奇数个数:", "偶数个数:", t.secondaryOdd, S));
    p2.push_back(twoWay("大小", true, "大数个数:", "小数个数:", t.secondaryBig, S));
    p2.push_back(twoWay("质合", true, "质数个数:", "合数个数:", t.secondaryPrime, S));
    p2.push_back(remainders(true, secondaryDivisor, t.secondaryMod3, t.secondaryMod4, t.secondaryMod5, S));
    return pages;
}

}  // namespace lottodesk
