#include "conditions.h"

namespace lottodesk {

MainConditions resetConditions(int zh_to, const MainConditions* keep) {
    MainConditions conditions;
    for (int n = 1; n <= zh_to && n <= kMaxMainNumber; ++n) conditions.selectable[n] = true;
    if (keep) {
        conditions.noEqualSpacing = keep->noEqualSpacing;
        conditions.noSpecialRuns = keep->noSpecialRuns;
    }
    return conditions;
}

}  // namespace lottodesk
