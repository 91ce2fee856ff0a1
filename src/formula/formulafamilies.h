#pragma once
// The formula families: extended identifiers whose parameters are formulas.
//   c_2zbzh:F1|F2:type        pattern of two formulas (types 0..13)
//   c_3zbzh:F1|F2|F3:type     pattern (types 0..13) or statistic (types 14..30) of three formulas
//   c_zhfx:F1|F2|...|Fn:type  statistic of any number of formulas (types 0..29)
// The text after the prefix and its separator is split at each "|" in turn; the last formula
// ends at the first ":" after it and the type follows. Formulas are compiled once, when the
// identifier is compiled, and evaluated at the draw asked for and, for the types that compare
// with earlier draws, at the previous draw and the one before it (the first record stands for
// its own earlier draws).
//
// A formula that fails (a syntax error, or the empty formula c_2zbzh and c_3zbzh read where the
// text lacks a "|"; c_zhfx takes a list of one formula as it is) gives the family's failure value: 0 for the pattern
// families, -1 for c_zhfx (which also gives -1 when a value is negative). A type outside the defined ones gives 0. A
// missing ":" and type, or a type that is not an integer, is a conversion error: evaluating the family stops, as a
// division by zero inside one of its formulas does.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/extended.h"
#include "tgs.h"

namespace lottodesk {

enum class FormulaFamilyKind : uint8_t {
    TwoPattern,    // c_2zbzh
    ThreePattern,  // c_3zbzh
    Analysis,      // c_zhfx
};

std::optional<FormulaFamilyKind> formulaFamilyKind(ExtendedFamily family);

// The formula texts and the type of a family's parameter text.
struct FormulaFamilyParts {
    std::vector<std::string> formulas;
    int32_t type = 0;
    bool conversionError = false;  // no ":" and type, or a type that is not an integer
    std::string badText;           // what stands where the type should be
};
FormulaFamilyParts splitFormulaFamily(FormulaFamilyKind kind, std::string_view text);

// Pattern types 0..13: the state of value v (types 10..13 compare with the values of all the
// formulas at the previous draw and, for 10 and 11, at the draw two back). Parity and route take
// truncated remainders, so a negative value can have a negative state.
int32_t patternState(int type, int32_t v, std::span<const int32_t> previous, std::span<const int32_t> twoBack);
// The number of states of a pattern type (2 or 3).
int patternStateCount(int type);
// The pattern index of the states of two or three formulas: even types read them as digits
// (single choice, "单选"), odd types give the position of the sorted tuple among all sorted tuples
// (group choice, "组选"; 0 when a state is outside the states of the type).
int32_t patternIndex(int type, std::span<const int32_t> states);
// The value of the pattern families at one draw; 0 for a type outside 0..13.
int32_t patternValue(int type, std::span<const int32_t> current, std::span<const int32_t> previous,
                     std::span<const int32_t> twoBack);
// The statistics of c_3zbzh (types 14..30) of the current values x and the previous values y;
// 0 for another type.
int32_t threeIndicatorStatistic(int type, const std::array<int32_t, 3>& x, const std::array<int32_t, 3>& y);
// The statistics of c_zhfx (types 0..29) of values that are all non-negative, with the same
// formulas' values at the previous draw; 0 for another type.
int32_t analysisStatistic(int type, std::span<const int32_t> values, std::span<const int32_t> previous);

// One family compiled from its parameter text.
class FormulaFamily {
public:
    FormulaFamily(FormulaFamilyKind kind, std::string_view parameterText);

    FormulaFamilyKind kind() const { return m_kind; }
    int32_t type() const { return m_type; }
    size_t formulaCount() const { return m_formulas.size(); }
    bool conversionError() const { return m_conversionError; }
    const std::string& badText() const { return m_badText; }
    // How many draws after the one asked for the formulas may read.
    int reach() const;
    const std::vector<tgs>& formulas() const { return m_formulas; }

    // The value at record n. Fault::Stop (with the message of the formula that stopped) when a
    // formula had to stop; a conversion error is the caller's to report before evaluating.
    EvalResult evaluate(const IndicatorContext& ctx, int n) const;

private:
    // The values of every formula at record n into `out`; false when one fails (or, for c_zhfx
    // at the `current` draw, is negative). A stop leaves its result in `stop`.
    bool valuesAt(const IndicatorContext& ctx, int n, int32_t* out, EvalResult& stop, bool current) const;

    FormulaFamilyKind m_kind;
    int32_t m_type = 0;
    bool m_conversionError = false;
    std::string m_badText;
    std::vector<tgs> m_formulas;
};

}  // namespace lottodesk
