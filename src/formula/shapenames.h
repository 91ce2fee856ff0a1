#pragma once
// The names of the pattern values of c_2zbzh and c_3zbzh (types 0..13), and the text of the
// settings page "形态取值说明" that lists them.

#include <cstdint>
#include <string>

namespace lottodesk {

// How many pattern values a type has with two or three formulas: b^m for the single-choice
// (even) types, the number of sorted tuples for the group-choice (odd) types; 0 outside 0..13.
int patternValueCount(int formulaCount, int type);

// The name of pattern value `index`: single choice joins the state names in formula order
// ("偶奇" is 1 of type 0, "零壹贰" is 5 of type 8 with three formulas); group choice counts each
// state ("一偶一奇", "两0路一1路"). Empty for an index or type without a name.
std::string patternName(int formulaCount, int type, int32_t index);

// Four blocks, "两个指标组合的单选形态", "两个指标组合的组选形态", "三个指标组合的单选形态" and
// "三个指标组合的组选形态", separated by an empty line; under each heading one line per
// property (parity, primality, tail size, tail class, route, repetition, neighbourhood) listing
// every value i as 6 blanks + i + "=  " + its name. Lines are joined by '\n'.
std::string shapeValuesText();

}  // namespace lottodesk
