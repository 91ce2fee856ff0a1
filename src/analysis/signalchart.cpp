#include "signalchart.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "valueclasses.h"

namespace lottodesk {
namespace {

int32_t distance(int32_t a, int32_t b) {
    const int64_t d = int64_t{a} - b;
    return static_cast<int32_t>(d < 0 ? -d : d);
}

// getylz at every record: previous records back to the last equal value (not counted), or all
// previous records when there is none.
std::vector<int32_t> omissions(const std::vector<int32_t>& values) {
    std::vector<int32_t> out(values.size(), 0);
    std::unordered_map<int32_t, int> last;
    last.reserve(256);
    for (size_t n = 1; n < values.size(); ++n) {
        auto [it, fresh] = last.try_emplace(values[n], static_cast<int>(n));
        out[n] = fresh ? static_cast<int32_t>(n - 1) : static_cast<int32_t>(n) - it->second - 1;
        it->second = static_cast<int>(n);
    }
    return out;
}

// getzf at every record: |x(n) - x(n-1)|, |x(1)| at the first.
std::vector<int32_t> amplitudes(const std::vector<int32_t>& values) {
    std::vector<int32_t> out(values.size(), 0);
    for (size_t n = 1; n < values.size(); ++n) out[n] = distance(values[n], n == 1 ? 0 : values[n - 1]);
    return out;
}

}  // namespace

std::string kLineName(KLineType type) {
    switch (type.kind) {
    case KLineKind::Regular: return "常规图";
    case KLineKind::Tail: return "尾数图";
    case KLineKind::Remainder: return "除" + std::to_string(type.divisor) + "余数";
    case KLineKind::Amplitude: return "振幅图";
    case KLineKind::Omission: return "遗漏图";
    case KLineKind::OmissionAmplitude: return "遗漏振幅图";
    }
    return {};
}

std::vector<int32_t> transformedSeries(const std::vector<int32_t>& values, KLineType type) {
    switch (type.kind) {
    case KLineKind::Regular: return values;
    case KLineKind::Tail:
    case KLineKind::Remainder: {
        const int32_t k = type.kind == KLineKind::Tail ? 10 : std::max(type.divisor, 1);
        std::vector<int32_t> out(values.size(), 0);
        for (size_t n = 1; n < values.size(); ++n) out[n] = remainderClass(values[n], k);
        return out;
    }
    case KLineKind::Amplitude: return amplitudes(values);
    case KLineKind::Omission: return omissions(values);
    case KLineKind::OmissionAmplitude: return amplitudes(omissions(values));
    }
    return values;
}

std::vector<Candle> candles(const std::vector<int32_t>& transformed) {
    std::vector<Candle> out(transformed.size());
    for (size_t n = 1; n < transformed.size(); ++n) {
        const int32_t close = transformed[n], open = n == 1 ? close : transformed[n - 1];
        out[n] = {open, close, close > open ? CandleKind::Rise : close < open ? CandleKind::Fall : CandleKind::Line};
    }
    return out;
}

std::vector<uint8_t> signalRow(const std::vector<int32_t>& transformed, SignalKind kind, int32_t big) {
    std::vector<uint8_t> out(transformed.size(), 0);
    for (size_t n = 1; n < transformed.size(); ++n) {
        const int32_t v = transformed[n];
        switch (kind) {
        case SignalKind::RiseFall: out[n] = n > 1 && v > transformed[n - 1]; break;
        case SignalKind::OddEven: out[n] = isOddValue(v); break;
        case SignalKind::PrimeComposite: out[n] = isPrimeValue(v); break;
        case SignalKind::BigSmall: out[n] = v >= big; break;
        }
    }
    return out;
}

std::string signalText(SignalKind kind, bool first, bool symbols) {
    if (symbols) return first ? "O" : "X";
    static const char* const words[4][2] = {{"升", "降"}, {"奇", "偶"}, {"质", "合"}, {"大", "小"}};
    return words[static_cast<int>(kind)][first ? 0 : 1];
}

}  // namespace lottodesk
