#include "filterassistant.h"

#include "arrangement.h"
#include "core/drawtext.h"
#include "indicators/context.h"

namespace lottodesk {
namespace {

AssistantSeries countSeries(const Workspace& ws, const std::vector<uint8_t>& group, bool tails, bool countOnce,
                            std::string caption) {
    AssistantSeries out;
    const std::vector<int32_t> members(group.begin(), group.end());
    AnalysisSeries& s = out.series;
    s.values = groupCountSeries(ws.sjk, ws.game, members, tails, countOnce);
    s.range = seriesRange(s.values, ValueRange{0, ws.game.zhgs}, ws.game.zhgs);
    s.caption = std::move(caption);
    s.historyVersion = ws.sjk.version();
    s.stamp = nextSeriesStamp();
    out.status = Status::success();
    return out;
}

}  // namespace

AssistantSeries indicatorAssistant(const Workspace& ws, std::string_view text, const std::string& name) {
    AssistantSeries out;
    SeriesMemo memo;
    SeriesBuild build = buildSeries(indicatorContext(ws, &memo), text, std::nullopt, name + "（过滤助手）");
    out.status = build.status;
    if (!build.status) return out;
    out.series = std::move(build.series);
    out.series.historyVersion = ws.sjk.version();
    out.series.stamp = nextSeriesStamp();
    return out;
}

AssistantSeries selfSetAssistant(const Workspace& ws, const std::vector<uint8_t>& numbers) {
    std::string caption = "号码组：";
    for (uint8_t n : numbers) caption += twoDigits(n) + ",";
    return countSeries(ws, numbers, false, false, caption + " 的出现奖号个数走势图（过滤助手）");
}

AssistantSeries tailAssistant(const Workspace& ws, const std::vector<uint8_t>& tails, bool countOnce) {
    std::string caption = "尾号组：";
    for (uint8_t t : tails) caption += std::to_string(t) + ",";
    caption += " 的出现个数走势图（过滤助手）";
    if (countOnce) caption += "(相同尾数仅计算一次)";
    return countSeries(ws, tails, true, countOnce, caption);
}

}  // namespace lottodesk
