#pragma once
// The commands of the data transform: `ranking [--period P]` prints the rankings of the applied
// transform, `restore RESULTS [--period P] [--out FILE]` maps a result file made on transformed
// data back to drawn numbers ("恢复到原始投注结果"). Both need the global `--transform N`.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/tablewriter.h"

namespace lottodesk {

struct Workspace;

namespace cli {

// Exit status as every command: 0 done, 1 usage error, 2 stopped with a message.
int runRanking(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runRestore(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);

}  // namespace cli
}  // namespace lottodesk
