#pragma once
// A formula or identifier typed on the command line is checked as the formula dialog checks it:
// an unknown identifier or unbalanced parentheses stop the command (exit 2) before anything is
// evaluated, instead of evaluating to -999 (`--lenient` skips the check).

#include <ostream>
#include <string>

#include "formula/precheck.h"

namespace lottodesk::cli {

// True, after "公式有误:" and the reason went to err, when the formula is refused.
inline bool refusedFormula(const std::string& formula, std::ostream& err) {
    const std::string message = precheckEnteredFormula(trimFormulaText(formula));
    if (message.empty()) return false;
    err << "公式有误:" << message << '\n';
    return true;
}

}  // namespace lottodesk::cli
