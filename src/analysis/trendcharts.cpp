#include "trendcharts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace lottodesk {
namespace {

// The sorted main numbers of record n; the count is the game's, at most seven.
int sortedMain(const t_s_dm& history, const GameParams& game, int n, std::array<int32_t, 7>& out) {
    const int count = std::clamp(game.zhgs, 0, 7);
    const int32_t* record = history.record(n);
    for (int i = 0; i < count; ++i) out[static_cast<size_t>(i)] = record[1 + i];
    std::sort(out.begin(), out.begin() + count);
    return count;
}

TrendChartData withSeries(const t_s_dm& history, std::vector<std::string> names) {
    TrendChartData chart;
    chart.names = std::move(names);
    chart.series.assign(chart.names.size(), {});
    const int count = history.RecordCount();
    chart.periods.reserve(static_cast<size_t>(count));
    for (auto& s : chart.series) s.reserve(static_cast<size_t>(count));
    return chart;
}

std::vector<std::string> positionNames(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back("主号" + std::to_string(i));
    return names;
}

}  // namespace

TrendChartData remainderChart(const t_s_dm& history, const GameParams& game, int k) {
    const int positions = std::clamp(game.zhgs, 0, 7);
    TrendChartData chart = withSeries(history, positionNames(positions));
    if (k < 1) return chart;
    std::array<int32_t, 7> numbers{};
    for (int n = 1; n <= history.RecordCount(); ++n) {
        chart.periods.push_back(history.FieldValueAt(n, 0));
        sortedMain(history, game, n, numbers);
        for (int i = 0; i < positions; ++i) {
            const int32_t r = numbers[static_cast<size_t>(i)] % k;
            chart.series[static_cast<size_t>(i)].push_back(r < 0 ? r + k : r);
        }
    }
    return chart;
}

TrendChartData spacingChart(const t_s_dm& history, const GameParams& game) {
    const int positions = std::clamp(game.zhgs, 0, 7);
    std::vector<std::string> names;
    for (int j = 2; j <= positions; ++j) names.push_back(std::to_string(j) + "_1");
    TrendChartData chart = withSeries(history, std::move(names));
    chart.marks.assign(chart.series.size(), {});
    std::array<int32_t, 7> numbers{};
    for (int n = 1; n <= history.RecordCount(); ++n) {
        chart.periods.push_back(history.FieldValueAt(n, 0));
        sortedMain(history, game, n, numbers);
        for (int j = 2; j <= positions; ++j) {
            const size_t s = static_cast<size_t>(j - 2);
            chart.series[s].push_back(numbers[static_cast<size_t>(j - 1)] - numbers[0]);
            chart.marks[s].push_back(numbers[static_cast<size_t>(j - 1)]);
        }
    }
    return chart;
}

TrendChartData dispersionChart(const t_s_dm& history, const GameParams& game) {
    TrendChartData chart = withSeries(history, {"平均量", "标准差", "离散系数"});
    std::array<int32_t, 7> numbers{};
    for (int n = 1; n <= history.RecordCount(); ++n) {
        chart.periods.push_back(history.FieldValueAt(n, 0));
        const int count = sortedMain(history, game, n, numbers);
        double mean = 0, deviation = 0;
        if (count > 0) {
            for (int i = 0; i < count; ++i) mean += numbers[static_cast<size_t>(i)];
            mean /= count;
            double squares = 0;
            for (int i = 0; i < count; ++i) squares += std::pow(numbers[static_cast<size_t>(i)] - mean, 2);
            deviation = std::sqrt(squares / count);
        }
        chart.series[0].push_back(mean);
        chart.series[1].push_back(deviation * 10);
        chart.series[2].push_back(mean == 0 ? 0 : deviation / mean * 100);
    }
    return chart;
}

TrendChartData omissionTrendChart(const t_s_dm& history, const GameParams& game, bool secondary, int number) {
    const std::string label = std::to_string(number);
    TrendChartData chart = withSeries(history, {label + "的遗漏走势", label + "的遗漏振幅走势"});
    const int first = secondary ? 1 + game.zhgs : 1;
    const int slots = std::clamp(secondary ? game.fhgs : game.zhgs, 0, kSlots - first);
    int previous = 0;  // the record of the previous draw; 0: none yet
    for (int n = 1; n <= history.RecordCount(); ++n) {
        const int32_t* record = history.record(n);
        if (std::find(record + first, record + first + slots, number) == record + first + slots) continue;
        const int32_t gap = n - previous - 1;
        const std::vector<double>& gaps = chart.series[0];
        chart.series[1].push_back(gaps.empty() ? gap : std::abs(gap - gaps.back()));
        chart.series[0].push_back(gap);
        chart.periods.push_back(record[0]);
        previous = n;
    }
    return chart;
}

}  // namespace lottodesk
