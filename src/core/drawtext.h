#pragma once
// The draw text format of imports: one draw per line, the period and then the numbers as decimal
// integers separated by blanks or tabs. A period of 0 or the end of the text ends the draws.
// Lines end with LF, CR LF or a lone CR; a UTF-8 byte-order mark at the start is skipped.

#include <string>
#include <string_view>
#include <vector>

#include "s_dm.h"

namespace lottodesk {

struct DrawTextParse {
    std::vector<DrawRecord> records;  // period in slot 0, the numbers in slots 1..numbersPerLine
    std::string error;                // empty when every line was sound; names the first bad line
    bool ok() const { return error.empty(); }
};

// Reads the whole text or nothing: a line that is not a period followed by `numbersPerLine`
// integers of 0..255 (numbers beyond those are ignored, at most 50 in all) makes the result an
// error naming the line, with no records. Blank lines are skipped. numbersPerLine is 1..50.
DrawTextParse parseDrawText(std::string_view text, int numbersPerLine);

// One line of the format. `values` receives the integers of the line (period first); `what` says
// what is wrong when the result is Error.
enum class DrawLine { Draw, Blank, End, Error };
DrawLine parseDrawLine(std::string_view line, std::vector<long long>& values, std::string& what);

// "导入文件第N行有误：" + what + "，数据库未作任何改动"
std::string drawLineError(size_t lineNumber, const std::string& what);

// A number as shown in grids, masks and exports: at least two digits ("07").
std::string twoDigits(int n);

}  // namespace lottodesk
