#pragma once
// The draw window of an analysis view on the command line: "--recent N|所有" (default 100) or
// "--from P1 --to P2", both periods of the history, as the views' window controls offer it.

#include <cstdint>
#include <ostream>
#include <string>

#include "cli/options.h"
#include "core/s_dm.h"

namespace lottodesk::cli {

struct DrawWindowArgs {
    bool custom = false;  // --from/--to
    int recent = 100;     // 0: "所有"
    int32_t fromPeriod = 0;
    int32_t toPeriod = 0;
};

// kDone with `window` filled; otherwise the exit status after the message (`usageText` when the
// options do not fit together).
int parseDrawWindow(const t_s_dm& history, const Options& opts, const char* usageText, DrawWindowArgs& window,
                    std::ostream& err);

}  // namespace lottodesk::cli
