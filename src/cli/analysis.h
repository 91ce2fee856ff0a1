#pragma once
// The indicator analysis on the command line: `analyse` ("开始剖析") and the views of the analysed
// series under `table analysis`.

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

struct Workspace;

// `analyse TEXT [--from A] [--to B]`: lo TAB hi, then period TAB value per record.
int runAnalyse(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// `table analysis TEXT [--from A] [--to B] --view V [OPTIONS]`; args[0] is "analysis".
int runAnalysisTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The lines of `help table` for the analysis views.
std::string analysisTableHelp();

}  // namespace lottodesk
