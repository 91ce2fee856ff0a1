#pragma once
// `trend CODE` (the indicator trend) and `chart KIND` (the chart pages of the trend analysis).

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

struct Workspace;

int runTrend(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runChart(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lottodesk
