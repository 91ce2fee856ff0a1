#include "precheck.h"

#include <algorithm>

#include "tgs.h"

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

std::string notAnIndicatorMessage(std::string_view id) { return "“" + std::string(id) + "”不是系统指标"; }

std::string precheckEnteredFormula(std::string_view text) {
    if (std::string message = precheckFormula(text); !message.empty()) return message;
    const std::optional<std::string> unknown = tgs(text).firstUnknownIdentifier();
    return unknown ? notAnIndicatorMessage(*unknown) : std::string();
}

}  // namespace lottodesk
