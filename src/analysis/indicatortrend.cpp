#include "indicatortrend.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "analysisseries.h"
#include "core/periodcaption.h"
#include "indicators/context.h"
#include "indicators/numberprops.h"

namespace lottodesk {
namespace {

int32_t classOf(int32_t v, int32_t n) {
    const int32_t r = v % n;
    return r < 0 ? r + n : r;
}

// Periods between each value and the previous equal one; all earlier periods when there is none.
std::vector<int32_t> omissions(const std::vector<int32_t>& values) {
    std::vector<int32_t> out(values.size());
    std::unordered_map<int32_t, size_t> last;
    for (size_t i = 0; i < values.size(); ++i) {
        auto [it, fresh] = last.try_emplace(values[i], i);
        out[i] = static_cast<int32_t>(fresh ? i : i - it->second - 1);
        it->second = i;
    }
    return out;
}

void closeRun(RunCounts& run, int& counter) {
    run.largest = std::max(run.largest, counter);
    run.smallest = std::min(run.smallest, counter);
    counter = 0;
}

std::string runText(const char* name, const RunCounts& run) {
    return std::string("（最小") + name + "：" + std::to_string(run.smallest) + "；最大" + name + "：" +
           std::to_string(run.largest) + "；当前" + name + "：" + std::to_string(run.current) + "）；";
}

}  // namespace

const std::vector<std::string>& trendFeatureNames() {
    static const std::vector<std::string> names = {"奇偶", "质合",     "012路", "尾数",  "振幅",
                                                   "遗漏", "遗漏振幅", "大小",  "除余数"};
    return names;
}

std::string featureTitle(const FeatureOptions& options) {
    if (options.feature == TrendFeature::Remainder) return "除" + std::to_string(options.divisor) + "余数";
    return trendFeatureNames()[static_cast<size_t>(options.feature)];
}

std::vector<int32_t> featureSeries(const std::vector<int32_t>& values, const FeatureOptions& options) {
    std::vector<int32_t> out(values.size());
    switch (options.feature) {
    case TrendFeature::OddEven:
        for (size_t i = 0; i < values.size(); ++i) out[i] = classOf(values[i], 2) + 1;
        break;
    case TrendFeature::PrimeComposite:
        for (size_t i = 0; i < values.size(); ++i) out[i] = is_prime(values[i]) ? 2 : 1;
        break;
    case TrendFeature::Route012:
        for (size_t i = 0; i < values.size(); ++i) out[i] = classOf(values[i], 3) + 1;
        break;
    case TrendFeature::Tail:
        for (size_t i = 0; i < values.size(); ++i) out[i] = classOf(values[i], 10);
        break;
    case TrendFeature::Amplitude:
        for (size_t i = 0; i < values.size(); ++i) out[i] = i == 0 ? values[i] : std::abs(values[i] - values[i - 1]);
        break;
    case TrendFeature::Omission: out = omissions(values); break;
    case TrendFeature::OmissionAmplitude: {
        const std::vector<int32_t> gaps = omissions(values);
        for (size_t i = 0; i < gaps.size(); ++i) out[i] = i == 0 ? gaps[i] : std::abs(gaps[i] - gaps[i - 1]);
        break;
    }
    case TrendFeature::BigSmall:
        for (size_t i = 0; i < values.size(); ++i) out[i] = values[i] < options.middle ? 1 : 2;
        break;
    case TrendFeature::Remainder: {
        const int32_t n = std::max(1, options.divisor);
        for (size_t i = 0; i < values.size(); ++i) out[i] = classOf(values[i], n);
        break;
    }
    }
    return out;
}

TrendStatistics trendStatistics(const std::vector<int32_t>& values, int first, int last) {
    TrendStatistics s;
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(values.size()) - 1);
    if (first > last) return s;
    s.minimum = s.maximum = values[static_cast<size_t>(first)];
    int repeat = 0, rise = 0, fall = 0;
    for (int i = first + 1; i <= last; ++i) {
        const int32_t v = values[static_cast<size_t>(i)], before = values[static_cast<size_t>(i - 1)];
        s.minimum = std::min(s.minimum, v);
        s.maximum = std::max(s.maximum, v);
        if (v == before)
            ++repeat;
        else
            closeRun(s.repeats, repeat);
        if (v > before)
            ++rise;
        else
            closeRun(s.rises, rise);
        if (v <= before)
            ++fall;
        else
            closeRun(s.falls, fall);
    }
    s.repeats.current = repeat;
    s.rises.current = rise;
    s.falls.current = fall;
    closeRun(s.repeats, repeat);
    closeRun(s.rises, rise);
    closeRun(s.falls, fall);
    return s;
}

std::string statisticsLine(const std::string& title, const TrendStatistics& s) {
    return title + "统计结果：" + "（最小值：" + std::to_string(s.minimum) + "；最大值：" + std::to_string(s.maximum) +
           "；中间值：" + std::to_string((s.minimum + s.maximum) / 2) + "）；" + runText("遗传", s.repeats) +
           runText("升序", s.rises) + runText("降序", s.falls);
}

std::string statisticsRangeLine(int32_t firstPeriod, int32_t lastPeriod) {
    return "（统计范围：从" + periodCaption(firstPeriod) + "至" + periodCaption(lastPeriod) + "）";
}

IndicatorTrend indicatorTrend(const Workspace& ws, std::string_view code, const FeatureOptions& options) {
    IndicatorTrend trend;
    SeriesMemo memo;
    SeriesBuild build = buildSeries(indicatorContext(ws, &memo), code, std::nullopt, std::string(code));
    if (!build.status) {
        trend.status = build.status;
        return trend;
    }
    const int count = ws.sjk.RecordCount();
    trend.periods.reserve(static_cast<size_t>(count));
    trend.values.reserve(static_cast<size_t>(count));
    for (int n = 1; n <= count; ++n) {
        trend.periods.push_back(ws.sjk.FieldValueAt(n, 0));
        trend.values.push_back(std::abs(build.series.values[static_cast<size_t>(n)]));
    }
    trend.features = featureSeries(trend.values, options);
    return trend;
}

}  // namespace lottodesk
