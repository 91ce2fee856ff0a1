#include "cli/drawwindow.h"

#include "analysis/drawwindow.h"
#include "cli/common.h"
#include "core/integertext.h"
#include "indicators/drawhistory.h"

namespace lottodesk::cli {

int parseDrawWindow(const t_s_dm& history, const Options& opts, const char* usageText, DrawWindowArgs& window,
                    std::ostream& err) {
    window.custom = opts.has("--from") || opts.has("--to");
    if (window.custom) {
        if (!opts.has("--from") || !opts.has("--to") || opts.has("--recent")) return usage(err, usageText);
        const std::optional<int> from = parseInteger(opts.valueOr("--from", ""));
        const std::optional<int> to = parseInteger(opts.valueOr("--to", ""));
        if (!from || !to) return usage(err, "--from 和 --to 必须是期数");
        const DrawHistory draws = DrawHistory::of(history);
        for (int period : {*from, *to})
            if (drawRecordOfPeriod(draws, period) == 0) {
                err << "数据库中没有第" << period << "期的记录" << '\n';
                return kStopped;
            }
        window.fromPeriod = *from;
        window.toPeriod = *to;
        return kDone;
    }
    const std::string recent = opts.valueOr("--recent", "100");
    if (recent == kAllDraws || recent == "all") {
        window.recent = 0;
        return kDone;
    }
    // More draws than the history holds take them all, as the count list's "所有" does.
    const std::optional<int> n =
        boundedValue(recent, "--recent", {1, INT_MAX}, err, usageText, "--recent 必须是正整数或“所有”");
    if (!n) return kUsage;
    window.recent = *n;
    return kDone;
}

}  // namespace lottodesk::cli
