#pragma once
// `table patterns`: the row/column pattern page ("行列式") for a range of periods.

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

struct Workspace;

// args[0] is "patterns". Exit status as every command.
int runPatternTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string patternTableHelp();

}  // namespace lottodesk
