#include "generator/valuecriteria.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/integertext.h"
#include "indicators/numberprops.h"

namespace lottodesk {
namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<double> parseDecimal(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

template <typename T>
struct Bounds {
    T from{};
    T to{};
    bool contains(T x) const { return from <= x && x <= to; }
};

// The bounds of a ticked from/to criterion, or the message that stops the selection.
template <typename T, typename Parse>
std::optional<Bounds<T>> readBounds(const BoundTexts& texts, const char* missing, Parse parse,
                                    std::string (*malformed)(std::string_view), Status& status) {
    const std::string_view from = trimBlanks(texts.from);
    const std::string_view to = trimBlanks(texts.to);
    if (from.empty() || to.empty()) {
        status = Status::failure(StatusCode::BadInput, missing);
        return std::nullopt;
    }
    const std::optional<T> f = parse(from);
    if (!f) {
        status = Status::failure(StatusCode::BadInput, malformed(from));
        return std::nullopt;
    }
    const std::optional<T> t = parse(to);
    if (!t) {
        status = Status::failure(StatusCode::BadInput, malformed(to));
        return std::nullopt;
    }
    return Bounds<T>{*f, *t};
}

// The digits of the "尾数" field: every digit counts, blanks and commas separate.
std::optional<std::vector<bool>> readTailDigits(std::string_view text, Status& status) {
    std::vector<bool> digits(10, false);
    size_t i = 0;
    auto isSeparator = [&](size_t at, size_t& width) {
        const char c = text[at];
        if (c == ' ' || c == '\t' || c == ',' || c == ';') {
            width = 1;
            return true;
        }
        for (std::string_view wide :
             {std::string_view("，"), std::string_view("、"), std::string_view("；"), std::string_view("　")}) {
            if (text.substr(at, wide.size()) == wide) {
                width = wide.size();
                return true;
            }
        }
        return false;
    };
    while (i < text.size()) {
        size_t width = 0;
        if (isSeparator(i, width)) {
            i += width;
            continue;
        }
        const size_t start = i;
        bool good = true;
        while (i < text.size() && !isSeparator(i, width)) {
            if (text[i] < '0' || text[i] > '9') good = false;
            ++i;
        }
        const std::string_view token = text.substr(start, i - start);
        if (!good) {
            status = Status::failure(StatusCode::BadInput, notANumberMessage(token));
            return std::nullopt;
        }
        for (char c : token) digits[size_t(c - '0')] = true;
    }
    return digits;
}

}  // namespace

double twoPeriodMean(int32_t v, int32_t reference) {
    const double mean = (double(v) + double(reference)) / 2.0;
    return std::round(mean * 10.0) / 10.0;
}

std::string notANumberMessage(std::string_view text) { return "“" + std::string(text) + "”不是有效的数值"; }

CriteriaSelection selectByCriteria(int32_t lo, int32_t hi, std::optional<int32_t> reference,
                                   const ValueCriteria& criteria) {
    CriteriaSelection result;
    const auto integer = [](std::string_view text) { return parseInteger(text); };

    std::optional<Bounds<int64_t>> amplitude;
    if (criteria.amplitude && reference) {
        const auto b =
            readBounds<int>(*criteria.amplitude, kAmplitudeMissingMessage, integer, notAnIntegerMessage, result.status);
        if (!b) return result;
        amplitude = Bounds<int64_t>{b->from, b->to};
    }
    std::optional<Bounds<int>> range;
    if (criteria.range) {
        range = readBounds<int>(*criteria.range, kRangeMissingMessage, integer, notAnIntegerMessage, result.status);
        if (!range) return result;
    }
    std::optional<Bounds<double>> mean;
    if (criteria.mean && reference) {
        mean = readBounds<double>(*criteria.mean, kMeanMissingMessage, parseDecimal, notANumberMessage, result.status);
        if (!mean) return result;
    }
    std::optional<std::vector<bool>> tails;
    if (criteria.tailDigits) {
        tails = readTailDigits(*criteria.tailDigits, result.status);
        if (!tails) return result;
    }

    for (int64_t v64 = lo; v64 <= hi; ++v64) {
        const int32_t v = int32_t(v64);
        if (criteria.parity && (v % 2 != 0) != (*criteria.parity == Parity::Odd)) continue;
        if (criteria.primality && is_prime(v) != (*criteria.primality == Primality::Prime)) continue;
        const bool remaindersHold =
            std::all_of(criteria.remainders.begin(), criteria.remainders.end(), [v](const RemainderCriterion& c) {
                if (c.divisor <= 0) return false;
                const int r = v % c.divisor;
                return std::find(c.remainders.begin(), c.remainders.end(), r) != c.remainders.end();
            });
        if (!remaindersHold) continue;
        if (tails) {
            const int t = v % 10;
            if (t < 0 || !(*tails)[size_t(t)]) continue;
        }
        if (amplitude && !amplitude->contains(std::llabs(int64_t(v) - int64_t(*reference)))) continue;
        if (range && !range->contains(v)) continue;
        if (mean && !mean->contains(twoPeriodMean(v, *reference))) continue;
        result.values.push_back(v);
    }
    return result;
}

}  // namespace lottodesk
