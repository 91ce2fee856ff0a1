#pragma once
// The signal chart of the indicator analysis: the series transformed by the K-line type, one
// candle per period, and the signal row under it. Every vector is indexed by record number
// (index 0 unused), like the series.

#include <cstdint>
#include <string>
#include <vector>

namespace lottodesk {

enum class KLineKind : uint8_t { Regular, Tail, Remainder, Amplitude, Omission, OmissionAmplitude };

struct KLineType {
    KLineKind kind = KLineKind::Regular;
    int32_t divisor = 3;  // "除" k "余数", k = 2..20
};

// "常规图", "尾数图", "除k余数", "振幅图", "遗漏图", "遗漏振幅图".
std::string kLineName(KLineType type);

// The value of every record transformed: tails and remainders as classes 0..k-1; the amplitude
// and the omission (and its amplitude) as the formula operators getzf, getylz and getylzzf
// compute them, so the chart shows what the filter export will check.
std::vector<int32_t> transformedSeries(const std::vector<int32_t>& values, KLineType type);

// One candle: open = the previous period's transformed value, close = this one's. Rising is red
// and hollow, falling green and filled, equal a line; the first period is a line.
enum class CandleKind : uint8_t { Line, Rise, Fall };
struct Candle {
    int32_t open = 0;
    int32_t close = 0;
    CandleKind kind = CandleKind::Line;
};
std::vector<Candle> candles(const std::vector<int32_t>& transformed);

// The signal row: true for the first class of the pair (升, 奇, 质, 大). "升" needs a value above
// the previous period's; an equal value (and the first period) counts as "降". Big is >= `big`.
enum class SignalKind : uint8_t { RiseFall, OddEven, PrimeComposite, BigSmall };
std::vector<uint8_t> signalRow(const std::vector<int32_t>& transformed, SignalKind kind, int32_t big);
// The cell text: "O"/"X" with symbols, else the class word.
std::string signalText(SignalKind kind, bool first, bool symbols);

}  // namespace lottodesk
