#include "numberformat.h"

#include <cstdlib>

namespace lottodesk {
namespace {

int64_t power10(int decimals) {
    int64_t p = 1;
    for (int i = 0; i < decimals; ++i) p *= 10;
    return p;
}

}  // namespace

int64_t roundedQuotient(int64_t part, int64_t whole, int decimals) {
    if (whole < 0) {
        part = -part;
        whole = -whole;
    }
    const bool negative = part < 0;
    const uint64_t numerator =
        static_cast<uint64_t>(negative ? -part : part) * static_cast<uint64_t>(power10(decimals));
    const uint64_t w = static_cast<uint64_t>(whole);
    uint64_t quotient = numerator / w;
    const uint64_t remainder = numerator % w;
    if (remainder * 2 > w || (remainder * 2 == w && quotient % 2 == 1)) ++quotient;
    return negative ? -static_cast<int64_t>(quotient) : static_cast<int64_t>(quotient);
}

std::string shortestDecimal(int64_t scaled, int decimals) {
    const int64_t p = power10(decimals);
    const bool negative = scaled < 0;
    const uint64_t magnitude = static_cast<uint64_t>(negative ? -scaled : scaled);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / static_cast<uint64_t>(p));
    uint64_t fraction = magnitude % static_cast<uint64_t>(p);
    if (fraction == 0) return text;
    std::string digits = std::to_string(fraction);
    digits.insert(0, static_cast<size_t>(decimals) - digits.size(), '0');
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    return text + "." + digits;
}

std::string shareText(int64_t part, int64_t whole) {
    if (whole == 0) return {};
    return shortestDecimal(roundedQuotient(part * 100, whole, 1), 1) + "%";
}

int shareBar(int64_t part, int64_t whole, int width) {
    if (whole == 0) return 0;
    return static_cast<int>(roundedQuotient(part * width, whole, 0));
}

std::string averageText(int64_t sum, int64_t count, int decimals) {
    if (count == 0) return {};
    return shortestDecimal(roundedQuotient(sum, count, decimals), decimals);
}

}  // namespace lottodesk
