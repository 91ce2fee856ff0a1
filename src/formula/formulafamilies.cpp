#include "formulafamilies.h"

#include <algorithm>
#include <bit>

#include "core/integertext.h"
#include "indicators/numberprops.h"

namespace lottodesk {
namespace {

int32_t wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }
int64_t abs64(int64_t v) { return v < 0 ? -v : v; }

bool contains(std::span<const int32_t> values, int64_t v) {
    return std::any_of(values.begin(), values.end(), [v](int32_t p) { return p == v; });
}

// The draw before n; the first record stands for its own earlier draws.
int previousOf(int n) { return n > 1 ? n - 1 : n; }

// The mean of three values rounded to one decimal, halves to even, times ten; exact.
int64_t meanTimesTen(const std::array<int32_t, 3>& x) {
    const int64_t numerator = (int64_t{x[0]} + x[1] + x[2]) * 10;
    int64_t quotient = numerator / 3;
    int64_t remainder = numerator % 3;
    if (remainder < 0) {
        remainder += 3;
        --quotient;
    }
    if (remainder * 2 > 3) ++quotient;  // a third never ties
    return quotient;
}

}  // namespace

std::optional<FormulaFamilyKind> formulaFamilyKind(ExtendedFamily family) {
    switch (family) {
    case ExtendedFamily::TwoPattern: return FormulaFamilyKind::TwoPattern;
    case ExtendedFamily::ThreePattern: return FormulaFamilyKind::ThreePattern;
    case ExtendedFamily::Analysis: return FormulaFamilyKind::Analysis;
    default: return std::nullopt;
    }
}

FormulaFamilyParts splitFormulaFamily(FormulaFamilyKind kind, std::string_view text) {
    FormulaFamilyParts parts;
    // A formula up to the next "|"; without one the formula is empty and the text stays.
    auto take = [&parts, &text] {
        const size_t bar = text.find('|');
        if (bar == std::string_view::npos) {
            parts.formulas.emplace_back();
            return;
        }
        parts.formulas.emplace_back(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    };
    switch (kind) {
    case FormulaFamilyKind::TwoPattern: take(); break;
    case FormulaFamilyKind::ThreePattern:
        take();
        take();
        break;
    case FormulaFamilyKind::Analysis:  // any number of formulas, one included
        while (text.find('|') != std::string_view::npos) take();
        break;
    }
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        parts.formulas.emplace_back();
        parts.conversionError = true;
        parts.badText = std::string(text);
        return parts;
    }
    parts.formulas.emplace_back(text.substr(0, colon));
    const std::string_view typeText = text.substr(colon + 1);
    if (const std::optional<int> type = parseInteger(typeText)) {
        parts.type = *type;
    } else {
        parts.conversionError = true;
        parts.badText = std::string(typeText);
    }
    return parts;
}

int patternStateCount(int type) { return type >= 0 && type < 6 ? 2 : 3; }

int32_t patternState(int type, int32_t v, std::span<const int32_t> previous, std::span<const int32_t> twoBack) {
    switch (type / 2) {
    case 0: return v % 2;                // 0 "偶", 1 "奇" (-1 for a negative odd value)
    case 1: return is_prime(v) ? 1 : 0;  // 0 "合", 1 "质"
    case 2: return tail(v) > 4 ? 1 : 0;  // 0 "小", 1 "大"
    case 3: return tailClass(v);         // 0 "小", 1 "中", 2 "大"
    case 4: return v % 3;                // 0 "零", 1 "壹", 2 "贰"
    case 5:                              // 0 "复", 1 "隔", 2 "中"
        if (contains(previous, v)) return 0;
        return contains(twoBack, v) ? 1 : 2;
    default:  // 0 "邻", 1 "孤", 2 "传"
        if (contains(previous, v)) return 2;
        return contains(previous, int64_t{v} - 1) || contains(previous, int64_t{v} + 1) ? 0 : 1;
    }
}

int32_t patternIndex(int type, std::span<const int32_t> states) {
    const int b = patternStateCount(type);
    if (type % 2 == 0) {
        int64_t index = 0;
        for (int32_t s : states) index = index * b + s;
        return wrap(index);
    }
    std::array<int32_t, 3> sorted{};
    const size_t m = std::min<size_t>(states.size(), sorted.size());
    std::copy_n(states.begin(), m, sorted.begin());
    std::sort(sorted.begin(), sorted.begin() + static_cast<ptrdiff_t>(m));
    if (sorted[0] < 0 || sorted[m - 1] >= b) return 0;
    // Position among the sorted tuples in ascending order.
    int32_t position = 0;
    std::array<int32_t, 3> tuple{};
    while (true) {
        if (std::equal(tuple.begin(), tuple.begin() + static_cast<ptrdiff_t>(m), sorted.begin())) return position;
        // The next non-decreasing tuple.
        size_t i = m;
        while (i > 0 && tuple[i - 1] == b - 1) --i;
        if (i == 0) return 0;
        ++tuple[i - 1];
        for (size_t j = i; j < m; ++j) tuple[j] = tuple[i - 1];
        ++position;
    }
}

int32_t patternValue(int type, std::span<const int32_t> current, std::span<const int32_t> previous,
                     std::span<const int32_t> twoBack) {
    if (type < 0 || type > 13 || current.empty() || current.size() > 3) return 0;
    std::array<int32_t, 3> states{};
    for (size_t i = 0; i < current.size(); ++i) states[i] = patternState(type, current[i], previous, twoBack);
    return patternIndex(type, std::span<const int32_t>(states.data(), current.size()));
}

int32_t threeIndicatorStatistic(int type, const std::array<int32_t, 3>& x, const std::array<int32_t, 3>& y) {
    const int64_t x1 = x[0], x2 = x[1], x3 = x[2];
    const int64_t sum = x1 + x2 + x3;
    auto countPairs = [&x, &y](auto same) {
        int32_t count = 0;
        for (size_t i = 0; i < 3; ++i)
            if (same(x[i], y[i])) ++count;
        return count;
    };
    switch (type) {
    case 14: return wrap(abs64(abs64(x1 - x2) - abs64(x2 - x3)));
    case 15: return wrap(x1 + 2 * x2 + 3 * x3);
    case 16: {
        const int64_t a = abs64(x1 - x2), b = abs64(x2 - x3), c = abs64(x1 - x3);
        if (a == b && b == c) return 1;
        return a == b || b == c || a == c ? 2 : 3;
    }
    case 17: {
        int32_t count = 0;
        for (int32_t v : x)
            if (contains(y, v)) ++count;
        return count;
    }
    case 18: return wrap(std::max({x1 - x3 + 9, abs64(x1 - x2), abs64(x2 - x3)}));
    case 19: return wrap(std::max({x1, x2, x3}) - std::min({x1, x2, x3}));
    case 20: return wrap(sum / 3);
    case 21: return wrap(std::max({x1, x2, x3}));
    case 22: {
        const int64_t m = meanTimesTen(x);
        const int64_t d1 = abs64(x1 * 10 - m), d2 = abs64(x2 * 10 - m), d3 = abs64(x3 * 10 - m);
        if (d1 < d2 && d1 < d3) return x[0];
        return d2 >= d3 ? x[2] : x[1];
    }
    case 23: return wrap(std::min({x1, x2, x3}));
    case 24: return wrap(sum);
    case 25: return wrap(sum % 10);
    case 26: return countPairs([](int32_t a, int32_t b) { return a % 2 == b % 2; });
    case 27: return countPairs([](int32_t a, int32_t b) { return is_prime(a) == is_prime(b); });
    case 28: return countPairs([](int32_t a, int32_t b) { return a % 3 == b % 3; });
    case 29: return countPairs([](int32_t a, int32_t b) { return (a % 10 < 5) == (b % 10 < 5); });
    case 30: return countPairs([](int32_t a, int32_t b) { return a == b; });
    default: return 0;
    }
}

int32_t analysisStatistic(int type, std::span<const int32_t> v, std::span<const int32_t> previous) {
    const size_t n = v.size();
    if (n == 0) return 0;
    auto count = [&v](auto wanted) { return static_cast<int32_t>(std::count_if(v.begin(), v.end(), wanted)); };
    int64_t sum = 0;
    for (int32_t value : v) sum += value;
    switch (type) {
    case 0: return count([](int32_t a) { return a % 2 == 1; });
    case 1: return count([](int32_t a) { return is_prime(a); });
    case 2: return wrap((2 * sum + static_cast<int64_t>(n)) / (2 * static_cast<int64_t>(n)));
    case 3: {
        uint32_t tails = 0;
        for (int32_t a : v) tails |= 1u << (a % 10);
        return std::popcount(tails);
    }
    case 4: {
        int32_t distinct = 0;
        for (auto it = v.begin(); it != v.end(); ++it)
            if (std::find(v.begin(), it, *it) == it) ++distinct;
        return distinct;
    }
    case 5: return count([&previous](int32_t a) { return contains(previous, a); });
    case 6: {
        int32_t same = 0;
        for (size_t i = 0; i < n && i < previous.size(); ++i)
            if (v[i] == previous[i]) ++same;
        return same;
    }
    case 7: return wrap(int64_t{*std::max_element(v.begin(), v.end())} - *std::min_element(v.begin(), v.end()));
    case 8:
    case 9:
    case 10: {
        int64_t largest = -1, smallest = 999999;
        int32_t distinct = 0;
        for (size_t i = 1; i < n; ++i) {
            const int64_t d = abs64(int64_t{v[i]} - v[i - 1]);
            largest = std::max(largest, d);
            smallest = std::min(smallest, d);
            bool seen = false;
            for (size_t j = 1; j < i && !seen; ++j) seen = abs64(int64_t{v[j]} - v[j - 1]) == d;
            if (!seen) ++distinct;
        }
        return type == 8 ? wrap(largest) : type == 9 ? wrap(smallest) : distinct;
    }
    case 11: return count([](int32_t a) { return a % 10 > 4; });
    case 12: return count([](int32_t a) { return a % 10 > 5; });
    case 13: return count([](int32_t a) { return a % 10 >= 3 && a % 10 <= 5; });
    case 14: return count([](int32_t a) { return a % 10 <= 2; });
    case 15:
    case 16:
    case 17: return count([type](int32_t a) { return a % 3 == type - 15; });
    case 18:
    case 19:
    case 20:
    case 21: return count([type](int32_t a) { return a % 4 == type - 18; });
    case 22:
    case 23:
    case 24:
    case 25:
    case 26: return count([type](int32_t a) { return a % 5 == type - 22; });
    case 27: return wrap(sum);
    case 28: return wrap(sum % 10);
    case 29: {
        int64_t tails = 0;
        for (int32_t a : v) tails += a % 10;
        return wrap(tails);
    }
    default: return 0;
    }
}

FormulaFamily::FormulaFamily(FormulaFamilyKind kind, std::string_view parameterText) : m_kind(kind) {
    FormulaFamilyParts parts = splitFormulaFamily(kind, parameterText);
    m_type = parts.type;
    m_conversionError = parts.conversionError;
    m_badText = std::move(parts.badText);
    m_formulas.reserve(parts.formulas.size());
    for (const std::string& formula : parts.formulas) m_formulas.emplace_back(formula);
}

int FormulaFamily::reach() const {
    int reach = 0;
    for (const tgs& formula : m_formulas) reach = std::max(reach, formula.reach());
    return reach;
}

bool FormulaFamily::valuesAt(const IndicatorContext& ctx, int n, int32_t* out, EvalResult& stop, bool current) const {
    for (size_t i = 0; i < m_formulas.size(); ++i) {
        EvalResult result = m_formulas[i].evaluate(ctx, n);
        if (result.fault == EvalResult::Fault::Stop) {
            stop = std::move(result);
            return false;
        }
        if (!result.ok || (current && m_kind == FormulaFamilyKind::Analysis && result.value < 0)) return false;
        out[i] = result.value;
    }
    return true;
}

EvalResult FormulaFamily::evaluate(const IndicatorContext& ctx, int n) const {
    const size_t count = m_formulas.size();
    // Values now, at the previous draw and two back; on the stack for the usual few formulas.
    constexpr size_t kInline = 16;
    std::array<int32_t, 3 * kInline> inlineValues{};
    std::vector<int32_t> heapValues;
    int32_t* values = inlineValues.data();
    if (count > kInline) {
        heapValues.resize(3 * count);
        values = heapValues.data();
    }
    const std::span<const int32_t> current(values, count), previous(values + count, count),
        twoBack(values + 2 * count, count);

    const int32_t failure = m_kind == FormulaFamilyKind::Analysis ? -1 : 0;
    EvalResult result;
    EvalResult stop;
    if (!valuesAt(ctx, n, values, stop, true)) {
        if (stop.fault == EvalResult::Fault::Stop) return stop;
        result.value = failure;
        return result;
    }
    const int t = m_type;
    bool wantPrevious = false, wantTwoBack = false;
    switch (m_kind) {
    case FormulaFamilyKind::TwoPattern:
    case FormulaFamilyKind::ThreePattern:
        wantPrevious =
            (t >= 10 && t <= 13) || (m_kind == FormulaFamilyKind::ThreePattern && (t == 17 || (t >= 26 && t <= 30)));
        wantTwoBack = t == 10 || t == 11;
        break;
    case FormulaFamilyKind::Analysis: wantPrevious = t == 5 || t == 6; break;
    }
    // Earlier draws run the same formulas; only a stop can make them fail differently.
    const int back1 = previousOf(n), back2 = previousOf(back1);
    if (wantPrevious && !valuesAt(ctx, back1, values + count, stop, false) && stop.fault == EvalResult::Fault::Stop)
        return stop;
    if (wantTwoBack && !valuesAt(ctx, back2, values + 2 * count, stop, false) && stop.fault == EvalResult::Fault::Stop)
        return stop;

    switch (m_kind) {
    case FormulaFamilyKind::TwoPattern: result.value = patternValue(t, current, previous, twoBack); break;
    case FormulaFamilyKind::ThreePattern:
        if (t >= 0 && t <= 13) {
            result.value = patternValue(t, current, previous, twoBack);
        } else {
            result.value = threeIndicatorStatistic(t, {current[0], current[1], current[2]},
                                                   {previous[0], previous[1], previous[2]});
        }
        break;
    case FormulaFamilyKind::Analysis: result.value = analysisStatistic(t, current, previous); break;
    }
    return result;
}

}  // namespace lottodesk
