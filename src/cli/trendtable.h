#pragma once
// The views of the trend analysis under `table VIEW`: the omission tables, the data tables and the
// distribution chart.

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

struct Workspace;

// Whether `view` is one of the trend analysis views.
bool isTrendView(const std::string& view);
// args[0] is the view. Exit status as every command.
int runTrendTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The lines of `help table` for these views.
std::string trendTableHelp();

}  // namespace lottodesk
