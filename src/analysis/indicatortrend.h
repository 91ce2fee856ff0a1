#pragma once
// The indicator trend ("指标走势"): an indicator's series over the whole history, a feature
// series computed from it, and the statistics box under the two charts (value range and the
// longest, shortest and current runs of equal, rising and falling steps).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"
#include "core/workspace.h"

namespace lottodesk {

// "特征": the feature series of the lower chart.
enum class TrendFeature : uint8_t {
    OddEven,            // "奇偶": v mod 2 + 1 (1 偶, 2 奇)
    PrimeComposite,     // "质合": 1 合, 2 质
    Route012,           // "012路": v mod 3 + 1
    Tail,               // "尾数": v mod 10
    Amplitude,          // "振幅": |v - previous| (the first keeps its value)
    Omission,           // "遗漏": periods between this one and the previous with the same value
    OmissionAmplitude,  // "遗漏振幅": |omission - previous omission| (the first keeps its omission)
    BigSmall,           // "大小": 1 小 below the middle value, 2 大 otherwise
    Remainder,          // "除n余数": v mod n
};

struct FeatureOptions {
    TrendFeature feature = TrendFeature::OddEven;
    int32_t middle = 17;  // "中间值", 1..1000
    int divisor = 4;      // "除n余数", 4..20
};

// The names of the features in list order, and the name the chart title uses ("除4余数").
const std::vector<std::string>& trendFeatureNames();
std::string featureTitle(const FeatureOptions& options);

// The feature of every value, in order. Values below zero take the non-negative class (v mod n
// in 0..n-1), so no class is out of range.
std::vector<int32_t> featureSeries(const std::vector<int32_t>& values, const FeatureOptions& options);

// One series' statistics over values[first..last] (inclusive indices into the series).
struct RunCounts {
    int smallest = 99999;
    int largest = 0;
    int current = 0;
};
struct TrendStatistics {
    int32_t minimum = 0;
    int32_t maximum = 0;
    RunCounts repeats;  // "遗传": a value equal to the one before
    RunCounts rises;    // "升序": a greater value
    RunCounts falls;    // "降序": a value not greater
};
TrendStatistics trendStatistics(const std::vector<int32_t>& values, int first, int last);
// The box line of one chart: title + "统计结果：" + the four groups.
std::string statisticsLine(const std::string& title, const TrendStatistics& stats);
// "（统计范围：从P1至P2）", the prediction record as "预测区".
std::string statisticsRangeLine(int32_t firstPeriod, int32_t lastPeriod);

struct IndicatorTrend {
    Status status;                  // failure: "公式有误:" + the evaluator's text
    std::vector<int32_t> periods;   // one per record, oldest first
    std::vector<int32_t> values;    // |the code's value| at each record
    std::vector<int32_t> features;  // the feature of each value
};

// Evaluates `code` (a registry identifier or a formula) at every record, oldest first, and its
// feature series. The evaluation goes through the series memo of the workspace's history.
IndicatorTrend indicatorTrend(const Workspace& ws, std::string_view code, const FeatureOptions& options);

}  // namespace lottodesk
