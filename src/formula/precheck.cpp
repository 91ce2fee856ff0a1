#include "precheck.h"

#include <algorithm>

namespace lottodesk {

std::string_view trimFormulaText(std::string_view text) {
    const auto isSpace = [](char ch) { return static_cast<unsigned char>(ch) <= 0x20; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string precheckFormula(std::string_view text) {
    if (trimFormulaText(text).empty()) return kEmptyFormulaMessage;
    // Each later condition that holds replaces the message of an earlier one.
    const char* message = nullptr;
    if (text.find(' ') != std::string_view::npos) message = kBlankInFormulaMessage;
    if (std::count(text.begin(), text.end(), '(') != std::count(text.begin(), text.end(), ')'))
        message = kParenthesesMessage;
    if (std::count(text.begin(), text.end(), '[') != std::count(text.begin(), text.end(), ']'))
        message = kBracketsMessage;
    return message ? std::string(message) : std::string();
}

}  // namespace lottodesk
