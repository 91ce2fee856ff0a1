#pragma once
// `table VIEW [OPTIONS]`: the registry of the analysis views the command line prints. A view is one
// row: its name and other names, the plain arguments and options it takes, its usage and help
// lines, and the function that computes it as its window does and hands the rows to a TableWriter.
// `table` reads the options against the row, and `help table` is made from the rows.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/tablewriter.h"

namespace lottodesk {

struct Workspace;

namespace cli {

// What a view's function gets: the options as read against its row.
struct ViewCall {
    const Workspace& ws;
    const Options& options;
    TableWriter& rows;
    std::ostream& err;
};

struct TableView {
    std::string name;
    std::vector<std::string> aliases;
    size_t positional = 0;  // plain arguments after the name (the analysed text)
    std::vector<OptionSpec> options;
    const char* usage;            // "用法: table VIEW ..."
    std::string help;             // the view's lines of `help table`
    int (*run)(const ViewCall&);  // exit status as every command
};

// Every view, in the order of `help table`.
const std::vector<TableView>& tableViews();

// The views of each area, gathered by tableViews().
std::vector<TableView> statsTableViews();
std::vector<TableView> trendTableViews();
std::vector<TableView> chartsTableViews();
std::vector<TableView> gridTableViews();
std::vector<TableView> patternTableViews();
std::vector<TableView> analysisTableViews();

// `table VIEW [OPTIONS]`; args[0] is the view.
int runTable(const Workspace& ws, const std::vector<std::string>& args, TableWriter& rows, std::ostream& err);

// The text of `lottodesk-cli help table`.
std::string tableHelp();

}  // namespace cli
}  // namespace lottodesk
