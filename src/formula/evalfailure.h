#pragma once
// The text a user is shown when a formula cannot be evaluated, the same in every window and the
// command-line tool.

#include <string>

#include "formula/tgs.h"

namespace lottodesk {

// A stopped evaluation says why in a sentence of its own ("公式“…”中除数为0，计算已停止"); a syntax
// failure is "公式有误:" + the evaluator's error text (empty for a formula that cannot start).
inline std::string evaluationFailure(const EvalResult& result) {
    if (result.fault == EvalResult::Fault::Stop) return result.message;
    return "公式有误:" + result.message;
}

}  // namespace lottodesk
