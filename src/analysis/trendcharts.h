#pragma once
// The chart pages of the trend analysis: the remainder chart ("红号余数图"), the spacing analysis
// ("间隔分析"), the dispersion ("离中量") and the omission trends of one number ("主号遗漏走势",
// "副号遗漏走势"). Each is a set of named series over the periods it covers; the pages draw a
// window of them and the command line prints them.

#include <cstdint>
#include <string>
#include <vector>

#include "core/s_dm.h"
#include "core/workspace.h"

namespace lottodesk {

struct TrendChartData {
    std::vector<int32_t> periods;             // the x axis, oldest first
    std::vector<std::string> names;           // one per series
    std::vector<std::vector<double>> series;  // series[s][i] at periods[i]
    // The mark written at each point when it is not the value (the spacing page's "主号标识":
    // the j-th main number); empty otherwise.
    std::vector<std::vector<double>> marks;
};

// "除三余数" .. "除五余数": per record the sorted main numbers mod k (k = 3, 4, 5), one series
// per main position ("主号1" ..).
TrendChartData remainderChart(const t_s_dm& history, const GameParams& game, int k);

// "2_1" .. "<zhgs>_1": per record the j-th sorted main number minus the first, j = 2..zhgs; the
// marks are the j-th main numbers.
TrendChartData spacingChart(const t_s_dm& history, const GameParams& game);

// "平均量", "标准差" (population standard deviation × 10), "离散系数" (standard deviation / mean
// × 100; 0 for a mean of 0) of the main numbers of each record.
TrendChartData dispersionChart(const t_s_dm& history, const GameParams& game);

// The omission trend of `number` in the main (or secondary) zone: one element per record in
// which it is drawn, its periods since the previous draw (not counted; the first counts back to
// the start of the history), and "遗漏振幅" the absolute change between consecutive elements
// (the first keeps its omission). Names: "<number>的遗漏走势", "<number>的遗漏振幅走势".
TrendChartData omissionTrendChart(const t_s_dm& history, const GameParams& game, bool secondary, int number);

}  // namespace lottodesk
