#include "runframe.h"

#include "conditioncatalogue.h"
#include "generator.h"

namespace lottodesk {

std::string runStartMessage(Workspace& ws, const MainConditions& c) {
    t_s_dm& sjk = ws.sjk;
    if (const int at = sjk.indexOfPeriod(kPredictionPeriod); at > 0) {
        sjk.SetRecNo(at);
        sjk.Delete(false);
        return kPredictionPresentMessage;
    }
    const CatalogueCondition& sd = c.rows[kStandardDeviationRow];
    if (sd.enabled && (!sd.from || !sd.to)) return kDeviationRangeMissing;
    const CatalogueCondition& cv = c.rows[kCoefficientRow];
    if (cv.enabled && (!cv.from || !cv.to)) return kCoefficientRangeMissing;
    return {};
}

std::string runStatusText(int64_t elapsedMicros, size_t results) {
    return "超强组号  筛选耗时" + std::to_string(elapsedMicros) + "微秒  已得到符合条件的红号组有" +
           std::to_string(results) + "个";
}

}  // namespace lottodesk
