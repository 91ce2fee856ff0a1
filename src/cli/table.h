#pragma once
// `table VIEW [OPTIONS]`: the grid or chart data of an analysis view, computed as its window
// computes it, printed header first, one row per line, cells TAB-separated.

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

struct Workspace;

// Exit status as every command: 0 done, 1 usage error, 2 stopped with a message.
int runTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The text of `lottodesk-cli help table`: the views and their options.
std::string tableHelp();

}  // namespace lottodesk
