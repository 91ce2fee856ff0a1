#pragma once
// `trend CODE` (the indicator trend) and `chart KIND` (the chart pages of the trend analysis).

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/tablewriter.h"

namespace lottodesk {

struct Workspace;

namespace cli {

int runTrend(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runChart(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);

}  // namespace cli
}  // namespace lottodesk
