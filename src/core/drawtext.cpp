#include "drawtext.h"

#include <charconv>

#include "fileio.h"

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

}  // namespace

std::string drawLineError(size_t lineNumber, const std::string& what) {
    return "导入文件第" + std::to_string(lineNumber) + "行有误：" + what + "，数据库未作任何改动";
}

DrawLine parseDrawLine(std::string_view line, std::vector<long long>& values, std::string& what) {
    if (!splitIntegers(line, values)) {
        what = "含有不是整数的内容";
        return DrawLine::Error;
    }
    if (values.empty()) return DrawLine::Blank;
    if (values[0] == 0) return DrawLine::End;
    if (values.size() > static_cast<size_t>(kSlots)) {
        what = "号码超过50个";
        return DrawLine::Error;
    }
    return DrawLine::Draw;
}

DrawTextParse parseDrawText(std::string_view text, int numbersPerLine) {
    DrawTextParse result;
    std::vector<long long> values;
    std::string what;
    size_t lineNumber = 0;
    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        const DrawLine kind = parseDrawLine(line, values, what);
        if (kind == DrawLine::Blank) return true;
        if (kind == DrawLine::End) return false;
        if (kind == DrawLine::Draw && values.size() < static_cast<size_t>(numbersPerLine) + 1) {
            what = "应有期数和" + std::to_string(numbersPerLine) + "个号码";
        } else if (kind == DrawLine::Draw) {
            DrawRecord record{};
            record[0] = static_cast<int32_t>(values[0]);
            bool inRange = true;
            for (int i = 1; i <= numbersPerLine && inRange; ++i) {
                inRange = values[i] >= 0 && values[i] <= 255;
                record[i] = static_cast<int32_t>(values[i]);
            }
            if (inRange) {
                result.records.push_back(record);
                return true;
            }
            what = "号码必须在0到255之间";
        }
        result.records.clear();
        result.error = drawLineError(lineNumber, what);
        return false;
    });
    return result;
}

std::string twoDigits(int n) {
    std::string text = std::to_string(n);
    return n >= 0 && n < 10 ? "0" + text : text;
}

}  // namespace lottodesk
