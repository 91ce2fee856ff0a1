#pragma once
// tgs: the formula evaluator. A formula is compiled once into steps and evaluated at any draw
// of a history. Operators apply strictly from left to right (1+2*3 is 9); parentheses group;
// "[n]" reads the operand n draws away; the ten functions include the history operators.
//
// Syntax errors keep their left-to-right meaning: the value of a failed formula is what the
// steps before the failing token computed, and the error text says what was wrong there.
// Division or remainder by zero, numbers and results beyond 32 bits, and offsets or parameters of
// extended identifiers that are not integers are not syntax errors: they stop the evaluation with
// a message naming the formula (Fault::Stop), and the caller stops what it does. A stop inside a
// function's argument stops the whole formula; a history function meets one only at the draws its
// walk reads. The formula families (c_2zbzh,
// c_3zbzh, c_zhfx) have their formulas compiled with the identifier.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/drawhistory.h"

namespace lottodesk {

// The evaluator's error texts.
inline constexpr const char* kErrEmpty = "你还未输入公式";
inline constexpr const char* kErrNumber = "数值型数据不能是字符，或者指标名开头不能是数字";
inline constexpr const char* kErrAfterOpen = "\"(\"后应接数据或指标";
inline constexpr const char* kErrAfterOperator = "运算符号后只能接指标或数据或括号";
inline constexpr const char* kErrParenthesis = "括号不匹配或位置不当";
inline constexpr const char* kErrOffset = "＂[＂没有＂]＂匹配";
inline constexpr const char* kErrNoFunction = "函数不存在";  // after the function name
inline constexpr const char* kErrFunctionBody = "函数体不正确,括号不匹配";
inline constexpr const char* kErrAfterFunction = "函数体后只能接运算符或括号";
// Function calls may nest this deep (each level is evaluated by recursion).
inline constexpr int kMaxCallDepth = 100;
inline constexpr const char* kErrNesting = "函数嵌套不能超过100层";

struct EvalResult {
    enum class Fault : uint8_t { None, Syntax, Stop };
    bool ok = true;
    int32_t value = 0;
    Fault fault = Fault::None;
    std::string message;  // Syntax: the error text (empty for a formula that cannot start); Stop: why
};

struct FormulaProgram;

class tgs {
public:
    tgs();
    explicit tgs(std::string_view text);
    ~tgs();
    tgs(tgs&&) noexcept;
    tgs& operator=(tgs&&) noexcept;

    void compile(std::string_view text);
    const std::string& text() const;
    // The formula reads a later draw (a positive offset), so a candidate ticket can change its
    // value at earlier draws.
    bool readsForward() const;
    // How many draws after the one asked for the formula may read (0 when none).
    int reach() const;
    // The first identifier of the formula, in text order, that names no indicator (also inside
    // getzb and the formulas of the formula families); empty when there is none. The evaluator
    // reads such an identifier as -999; a formula a person enters is refused for it.
    std::optional<std::string> firstUnknownIdentifier() const;

    // The value at record n (1..ctx.history.count()) of the context's history.
    EvalResult evaluate(const IndicatorContext& ctx, int n) const;

private:
    std::unique_ptr<FormulaProgram> m_program;
};

}  // namespace lottodesk
