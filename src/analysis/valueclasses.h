#pragma once
// The classes of an analysed value: tail, remainder, odd/even, prime/composite, big/small and the
// zones of a value range. Values may be negative or span thousands: tails and remainders are the
// non-negative classes 0..k-1, and a value outside the range belongs to no zone.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/componenttable.h"

#include "analysisseries.h"

namespace lottodesk {

// v mod k as a class 0..k-1 (k >= 1), also for negative v.
inline int32_t remainderClass(int32_t v, int32_t k) {
    const int32_t r = v % k;
    return r < 0 ? r + k : r;
}
inline int32_t tailClass10(int32_t v) { return remainderClass(v, 10); }
inline bool isOddValue(int32_t v) { return remainderClass(v, 2) == 1; }
// The prime test of the number properties (1 counts as prime; 0 and negative values do not).
bool isPrimeValue(int32_t v);

// The zones of a range: n = hi - lo + 1 values cut into k consecutive zones of n div k values,
// the last n mod k zones one value more. Upper bounds of zones 1..k (an empty zone repeats the
// bound before it); nothing for k < 1 or an empty range.
std::vector<int32_t> zoneUpperBounds(ValueRange range, int k);
// The zone (0-based) of v: the first zone whose upper bound is not below it, so a value below a
// typed range's low end is in the first zone; -1 above the last bound.
int zoneOf(int32_t v, ValueRange range, const std::vector<int32_t>& upperBounds);

// The class families of the feature table ("特性图表", chosen by "组件设置").
enum class FeatureFamily : uint8_t { Tail, OddEven, PrimeComposite, SmallBig, Zones, Remainder };
struct FeatureKind {
    FeatureFamily family = FeatureFamily::Tail;
    int k = 3;  // zones 3..15, divisors 3..15
};
// "尾号", "奇偶", "质合", "小大", "三区" .. "十五区", "除三余数" .. "除十五余数".
std::string featureCaption(FeatureKind kind);
// The class columns of a family: "0".."9", "奇" "偶", "质" "合", "小" "大", "1".."k", "0".."k-1".
std::vector<std::string> featureLabels(FeatureKind kind);
// The family by its caption; nullopt for another text.
std::optional<FeatureKind> featureKind(const std::string& caption);
// The families of the component table ("组件"), in its order: what "特性图表" shows.
std::vector<FeatureKind> componentFamilies(const tzbpxz_zj1& components);

// Classifies values of one range for the feature table: the column of v within a family, or -1
// (zones: outside the range). Small is the first of two zones of the range; a value below the
// range is small, above it big.
class FeatureClassifier {
public:
    FeatureClassifier(FeatureKind kind, ValueRange range);
    int columnOf(int32_t v) const;

private:
    FeatureKind m_kind;
    ValueRange m_range;
    std::vector<int32_t> m_bounds;
};

}  // namespace lottodesk
