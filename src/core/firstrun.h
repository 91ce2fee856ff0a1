#pragma once
// First run: a program folder without a lottery type file is seeded with real games, so the
// program opens on real draw histories instead of the placeholder record.

#include <functional>
#include <optional>
#include <string>

#include "status.h"

namespace lottodesk {

// When `folder` has no "database/cps.typ": the folder, "database/" and "save/" are created, type 0
// becomes "双色球" (6 of 1..33 + 1 of 1..16) with the draws of ssq.txt, type 1 "超级大乐透"
// (5 of 1..35 + 2 of 1..12) with dlt.txt, the rest the defaults. Existing history files are never
// replaced. A folder that already has its type file is left alone. The histories are the ones
// compiled into the program. All or nothing: a seed that fails removes the files it wrote and
// says why; the caller must then not start on the folder (its defaults would make it look seeded).
Status seedProgramFolder(const std::string& folder);

// The same with the sample files read from the folder `samples`.
Status seedProgramFolder(const std::string& folder, const std::string& samples);

}  // namespace lottodesk
