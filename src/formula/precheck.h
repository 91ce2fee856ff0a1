#pragma once
// The checks made before a formula is stored (custom indicators, the formula input dialog), before
// any evaluation. They look at the text only; syntax errors are the evaluator's.

#include <string>
#include <string_view>

namespace lottodesk {

inline constexpr const char* kEmptyFormulaMessage = "自定义公式不能为空";
inline constexpr const char* kBlankInFormulaMessage = "不能有空格";
inline constexpr const char* kParenthesesMessage = "\"(\"与\")\"不匹配";
inline constexpr const char* kBracketsMessage = "\"[\"与\"]\"不匹配";

// The text without leading and trailing blanks and control characters (bytes up to 0x20).
std::string_view trimFormulaText(std::string_view text);

// Empty when the formula is accepted, else the one message to show:
//   - the trimmed text is empty: "自定义公式不能为空" (nothing else is tested);
//   - otherwise, of "不能有空格" (a blank in the text), the parenthesis message (as many "(" as
//     ")" not) and the bracket message (as many "[" as "]" not), the last one that holds.
// Callers pass the trimmed text, as they store it.
std::string precheckFormula(std::string_view text);

// "“z_foo”不是系统指标"
std::string notAnIndicatorMessage(std::string_view id);

// The checks where a person enters a formula (the formula dialog's OK, custom indicators, the
// generator's custom list, the command line's precheck): the pre-check above, then the first
// identifier that names no indicator, which a stored formula would silently read as -999.
// Empty when the formula is accepted, else the one message to show.
std::string precheckEnteredFormula(std::string_view text);

}  // namespace lottodesk
