#pragma once
// `table grid`: the chart pages of the more-charts window (property distribution, extended charts,
// field chart) as their rows over the whole history.

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

struct Workspace;

// args[0] is "grid". Exit status as every command.
int gridTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The lines of `help table` for the view.
std::string gridTableHelp();

}  // namespace lottodesk
