#include "integertext.h"

#include <charconv>

namespace lottodesk {

std::optional<int> parseInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    // One sign at most: "+-2" is no integer.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string notAnIntegerMessage(std::string_view text) { return "“" + std::string(text) + "”不是有效的整数"; }

}  // namespace lottodesk
