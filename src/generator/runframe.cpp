#include "runframe.h"

#include "generator.h"
#include "plan.h"

namespace lottodesk {

std::string runStartMessage(const Workspace& ws, const MainConditions& c) {
    if (ws.sjk.indexOfPeriod(kPredictionPeriod) > 0) return kPredictionPresentMessage;
    return conditionsCheck(c);
}

std::string runStatusText(int64_t elapsedMicros, size_t results) {
    return "超强组号  筛选耗时" + std::to_string(elapsedMicros) + "微秒  已得到符合条件的红号组有" +
           std::to_string(results) + "个";
}

}  // namespace lottodesk
