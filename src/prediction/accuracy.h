#pragma once
// Accuracy of a formula over tested periods, exactly in integers.

#include <cstdint>
#include <string>

namespace lottodesk {

// right / tested in percent with one decimal: the permille rounded half up, written in its
// shortest form (2 of 3 is "66.7", 4 of 5 is "80", 0 of 3 is "0"). Empty when nothing was tested.
std::string accuracyText(int64_t right, int64_t tested);

// Whether right/tested lies in lowPercent..highPercent, compared exactly (right×100 against
// bound×tested). False when nothing was tested.
bool accuracyWithin(int64_t right, int64_t tested, int64_t lowPercent, int64_t highPercent);

}  // namespace lottodesk
