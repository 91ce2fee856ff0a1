#pragma once
// The table pages of the more-charts window under `table VIEW`: the combined pattern table and
// the pairs that go together or apart.

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

struct Workspace;

// Whether `view` is one of the more-charts views.
bool isChartsView(const std::string& view);
// args[0] is the view. Exit status as every command.
int runChartsTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The lines of `help table` for these views.
std::string chartsTableHelp();

}  // namespace lottodesk
