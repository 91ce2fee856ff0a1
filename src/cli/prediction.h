#pragma once
// The fix-and-kill commands: `schemes`, `backtest`, `verdicts` and `search`, computed by the same
// engine as the window, printed one record per line with TAB-separated fields.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/tablewriter.h"

namespace lottodesk {

struct Workspace;

namespace cli {

// Exit status as every command: 0 done, 1 usage error, 2 stopped with a message.
int runSchemes(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runBacktestCommand(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runVerdicts(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runSearch(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);

}  // namespace cli
}  // namespace lottodesk
