#include "valueclasses.h"

#include <algorithm>

#include "indicators/numberprops.h"

namespace lottodesk {

bool isPrimeValue(int32_t v) { return v >= 1 && is_prime(v); }

std::vector<int32_t> zoneUpperBounds(ValueRange range, int k) {
    std::vector<int32_t> bounds;
    if (k < 1 || range.hi < range.lo) return bounds;
    const int64_t n = int64_t{range.hi} - range.lo + 1;
    const int64_t size = n / k, longer = n % k;
    bounds.reserve(static_cast<size_t>(k));
    int64_t last = int64_t{range.lo} - 1;
    for (int j = 0; j < k; ++j) {
        last += size + (j >= k - longer ? 1 : 0);
        bounds.push_back(static_cast<int32_t>(last));
    }
    return bounds;
}

int zoneOf(int32_t v, ValueRange range, const std::vector<int32_t>& upperBounds) {
    if (range.hi < range.lo) return -1;
    const auto it = std::lower_bound(upperBounds.begin(), upperBounds.end(), v);
    return it == upperBounds.end() ? -1 : static_cast<int>(it - upperBounds.begin());
}

namespace {
const char* const kNumerals[] = {"零", "一", "二", "三",   "四",   "五",   "六",   "七",
                                 "八", "九", "十", "十一", "十二", "十三", "十四", "十五"};
constexpr int kMinFeatureK = 3, kMaxFeatureK = 15;
}  // namespace

std::string featureCaption(FeatureKind kind) {
    const int k = std::clamp(kind.k, kMinFeatureK, kMaxFeatureK);
    switch (kind.family) {
    case FeatureFamily::Tail: return "尾号";
    case FeatureFamily::OddEven: return "奇偶";
    case FeatureFamily::PrimeComposite: return "质合";
    case FeatureFamily::SmallBig: return "小大";
    case FeatureFamily::Zones: return std::string(kNumerals[k]) + "区";
    case FeatureFamily::Remainder: return std::string("除") + kNumerals[k] + "余数";
    }
    return {};
}

std::vector<std::string> featureLabels(FeatureKind kind) {
    const int k = std::clamp(kind.k, kMinFeatureK, kMaxFeatureK);
    std::vector<std::string> labels;
    switch (kind.family) {
    case FeatureFamily::Tail:
        for (int t = 0; t < 10; ++t) labels.push_back(std::to_string(t));
        break;
    case FeatureFamily::OddEven: labels = {"奇", "偶"}; break;
    case FeatureFamily::PrimeComposite: labels = {"质", "合"}; break;
    case FeatureFamily::SmallBig: labels = {"小", "大"}; break;
    case FeatureFamily::Zones:
        for (int j = 1; j <= k; ++j) labels.push_back(std::to_string(j));
        break;
    case FeatureFamily::Remainder:
        for (int r = 0; r < k; ++r) labels.push_back(std::to_string(r));
        break;
    }
    return labels;
}

std::optional<FeatureKind> featureKind(const std::string& caption) {
    for (FeatureFamily f :
         {FeatureFamily::Tail, FeatureFamily::OddEven, FeatureFamily::PrimeComposite, FeatureFamily::SmallBig})
        if (featureCaption({f}) == caption) return FeatureKind{f};
    for (int k = kMinFeatureK; k <= kMaxFeatureK; ++k) {
        if (featureCaption({FeatureFamily::Zones, k}) == caption) return FeatureKind{FeatureFamily::Zones, k};
        if (featureCaption({FeatureFamily::Remainder, k}) == caption) return FeatureKind{FeatureFamily::Remainder, k};
    }
    return std::nullopt;
}

std::vector<FeatureKind> componentFamilies(const tzbpxz_zj1& components) {
    std::vector<FeatureKind> kinds;
    for (int i = 0; i < components.count && i < static_cast<int>(components.items.size()); ++i)
        if (const std::optional<FeatureKind> kind = featureKind(components.items[static_cast<size_t>(i)].name))
            kinds.push_back(*kind);
    return kinds;
}

FeatureClassifier::FeatureClassifier(FeatureKind kind, ValueRange range) : m_kind(kind), m_range(range) {
    m_kind.k = std::clamp(kind.k, kMinFeatureK, kMaxFeatureK);
    if (kind.family == FeatureFamily::Zones) m_bounds = zoneUpperBounds(range, m_kind.k);
    if (kind.family == FeatureFamily::SmallBig) m_bounds = zoneUpperBounds(range, 2);
}

int FeatureClassifier::columnOf(int32_t v) const {
    switch (m_kind.family) {
    case FeatureFamily::Tail: return tailClass10(v);
    case FeatureFamily::OddEven: return isOddValue(v) ? 0 : 1;
    case FeatureFamily::PrimeComposite: return isPrimeValue(v) ? 0 : 1;
    case FeatureFamily::SmallBig: return m_bounds.empty() ? -1 : (v <= m_bounds[0] ? 0 : 1);
    case FeatureFamily::Zones: return zoneOf(v, m_range, m_bounds);
    case FeatureFamily::Remainder: return remainderClass(v, m_kind.k);
    }
    return -1;
}

}  // namespace lottodesk
