#pragma once
// A formula judged at every draw of a range by a page's verdict rule, without a table: what the
// command line's `verdicts` prints and what a user checks a single formula with.

#include <cstdint>
#include <string>
#include <vector>

#include "core/workspace.h"

namespace lottodesk {

struct PeriodVerdict {
    int32_t period = 0;
    bool ok = false;  // the formula has a value there
    int32_t value = 0;
    bool right = false;
};

struct VerdictSeries {
    std::vector<PeriodVerdict> rows;
    std::string message;   // the last failure of the formula (or of the kind's target formula); empty when none
    bool stopped = false;  // the range was not usable or an evaluation stopped (no rows); message says why
};

// `kind` is hmsh, lmsh, hmtd, fqtd or hmsw, or any other text: a formula whose value is the target to
// kill. from/to are periods of the history (0: the first / the newest draw).
VerdictSeries verdictSeries(const Workspace& ws, const std::string& kind, const std::string& formula, int32_t from,
                            int32_t to);

}  // namespace lottodesk
