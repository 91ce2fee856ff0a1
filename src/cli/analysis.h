#pragma once
// The indicator analysis on the command line: `analyse` ("开始剖析"); the views of the analysed
// series are the `table analysis` row of the view registry (cli/tableviews.h).

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/tablewriter.h"

namespace lottodesk {

struct Workspace;

namespace cli {

// `analyse TEXT [--from A] [--to B]`: lo TAB hi, then period TAB value per record.
int runAnalyse(const Workspace& ws, const std::vector<std::string>& args, TableWriter& rows, std::ostream& err);

}  // namespace cli
}  // namespace lottodesk
