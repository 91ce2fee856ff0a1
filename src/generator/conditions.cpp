#include "conditions.h"

#include <algorithm>
#include <string>

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

Status checkFixedCount(size_t chosen, int limit, bool secondaryZone) {
    if (chosen <= static_cast<size_t>(std::max(limit, 0))) return Status::success();
    return Status::failure(
        StatusCode::BadInput,
        std::string(secondaryZone ? "选择副区胆码不能大于" : "选择红号胆码不能大于") + std::to_string(limit) + "个");
}

}  // namespace lottodesk
