#include "drawtext.h"

#include <charconv>

namespace lottodesk {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

// Splits a line into integer fields; false when a field is not an integer that fits 32 bits.
bool splitIntegers(std::string_view line, std::vector<long long>& values) {
    values.clear();
    size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        if (pos == line.size()) break;
        size_t end = pos;
        while (end < line.size() && !isBlank(line[end])) ++end;
        std::string_view field = line.substr(pos, end - pos);
        if (field.front() == '+') field.remove_prefix(1);
        long long value = 0;
        auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (ec != std::errc() || ptr != field.data() + field.size() || field.empty()) return false;
        if (value < INT32_MIN || value > INT32_MAX) return false;
        values.push_back(value);
        pos = end;
    }
    return true;
}

std::string lineError(size_t lineNumber, const std::string& what) {
    return "导入文件第" + std::to_string(lineNumber) + "行有误：" + what + "，数据库未作任何改动";
}

}  // namespace

DrawTextParse parseDrawText(std::string_view text, int numbersPerLine) {
    DrawTextParse result;
    std::vector<long long> values;
    size_t lineNumber = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        auto fail = [&](const std::string& what) {
            result.records.clear();
            result.error = lineError(lineNumber, what);
            return result;
        };
        if (!splitIntegers(line, values)) return fail("含有不是整数的内容");
        if (values.empty()) continue;
        if (values[0] == 0) break;
        if (values.size() > static_cast<size_t>(kSlots)) return fail("号码超过50个");
        if (values.size() < static_cast<size_t>(numbersPerLine) + 1)
            return fail("应有期数和" + std::to_string(numbersPerLine) + "个号码");
        DrawRecord record{};
        record[0] = static_cast<int32_t>(values[0]);
        for (int i = 1; i <= numbersPerLine; ++i) {
            if (values[i] < 0 || values[i] > 255) return fail("号码必须在0到255之间");
            record[i] = static_cast<int32_t>(values[i]);
        }
        result.records.push_back(record);
    }
    return result;
}

std::string twoDigits(int n) {
    std::string text = std::to_string(n);
    return n >= 0 && n < 10 ? "0" + text : text;
}

}  // namespace lottodesk
