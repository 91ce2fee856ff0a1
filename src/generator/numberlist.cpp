#include "numberlist.h"

#include <algorithm>
#include <charconv>

namespace lottodesk {

NumberListParse parseNumberList(std::string_view text, int lo, int hi) {
    NumberListParse parse;
    auto separator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; };
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && separator(text[pos])) ++pos;
        if (pos == text.size()) break;
        size_t end = pos;
        while (end < text.size() && !separator(text[end])) ++end;
        const std::string_view item = text.substr(pos, end - pos);
        int value = 0;
        const auto [ptr, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (ec != std::errc() || ptr != item.data() + item.size()) {
            parse.numbers.clear();
            parse.error = "“" + std::string(item) + "”不是号码";
            return parse;
        }
        if (value < lo || value > hi) {
            parse.numbers.clear();
            parse.error = "号码" + std::string(item) + "超出范围" + std::to_string(lo) + ".." + std::to_string(hi);
            return parse;
        }
        parse.numbers.push_back(value);
        pos = end;
    }
    std::sort(parse.numbers.begin(), parse.numbers.end());
    if (const auto twice = std::adjacent_find(parse.numbers.begin(), parse.numbers.end());
        twice != parse.numbers.end()) {
        parse.error = "号码" + std::to_string(*twice) + "重复";
        parse.numbers.clear();
    }
    return parse;
}

}  // namespace lottodesk
