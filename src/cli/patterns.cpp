#include "cli/common.h"
#include "cli/tableviews.h"

#include <algorithm>
#include <ostream>

#include "analysis/arrangement.h"
#include "core/drawtext.h"
#include "core/integertext.h"
#include "core/workspace.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kPatternsUsage =
    "用法: table patterns [--arrangement regular|1..10|FILE.jz] [--size CxR] [--zone main|secondary|both]\n"
    "                     [--tails no|yes] [--to P] [--grids N] [--page grids|arrangement]";

// "CxR" with both sides in 1..33.
bool parseSize(const std::string& text, int& columns, int& rows) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    const std::optional<int> c = parseInteger(text.substr(0, x)), r = parseInteger(text.substr(x + 1));
    if (!c || !r || *c < 1 || *c > 33 || *r < 1 || *r > 33) return false;
    columns = *c;
    rows = *r;
    return true;
}

std::string cellText(uint8_t cell) { return cell >= 99 ? std::string("空") : twoDigits(cell); }

int patternTable(const ViewCall& call) {
    const Workspace& ws = call.ws;
    const Options& opts = call.options;
    TableWriter& out = call.rows;
    std::ostream& err = call.err;
    const std::string tailsText = opts.valueOr("--tails", "no");
    const std::string zoneText = opts.valueOr("--zone", "main");
    const std::string page = opts.valueOr("--page", "grids");
    const bool tails = tailsText == "yes";
    int columns = tails ? 2 : 6, rows = tails ? 5 : 6;
    const std::optional<int> to = parseInteger(opts.valueOr("--to", "0"));
    if ((tailsText != "no" && !tails) || (zoneText != "main" && zoneText != "secondary" && zoneText != "both") ||
        (page != "grids" && page != "arrangement") || !to)
        return usage(err, kPatternsUsage);
    // "每页行列个数" offers up to 50 grids a page.
    const std::optional<int> grids = boundedOption(opts, "--grids", 14, {1, 50}, err, kPatternsUsage);
    if (!grids) return kUsage;
    if (opts.has("--size") && !parseSize(opts.value("--size"), columns, rows))
        return refuse(err, kPatternsUsage, "--size 必须是 CxR，列数和行数都是 1..33 之间的整数");

    Arrangement arrangement = regularOf(columns, rows, tails);
    const std::string source = opts.valueOr("--arrangement", "regular");
    if (source != "regular") {
        const std::optional<int> slot = parseInteger(source);
        if (slot && (*slot < 1 || *slot > kBuiltinArrangements))
            return refuse(err, kPatternsUsage, boundsMessage("--arrangement", {1, kBuiltinArrangements}));
        if (slot) loadArrangementList(ws.folder);  // writes the built-in files of a new folder
        const ArrangementRead read = loadArrangement(slot ? builtinArrangementPath(ws.folder, *slot) : source);
        if (!read.status) {
            err << read.status.message << '\n';
            return kStopped;
        }
        arrangement = read.arrangement;
    }
    if (page == "arrangement") {
        out.header({arrangement.name});
        for (int r = 0; r < arrangement.rows; ++r) {
            std::vector<std::string> cells;
            for (int c = 0; c < arrangement.columns; ++c) {
                const int p = r * arrangement.columns + c;
                cells.push_back(
                    cellText(p < kArrangementCells ? arrangement.cells[static_cast<size_t>(p)] : kEmptyCell));
            }
            out.row(cells);
        }
        return kDone;
    }

    int last = ws.sjk.RecordCount();
    if (*to != 0 && (last = ws.sjk.indexOfPeriod(*to)) == 0) {
        err << "数据库中没有第" << *to << "期的记录\n";
        return kStopped;
    }
    const PatternZone zone = zoneText == "main"        ? PatternZone::Main
                             : zoneText == "secondary" ? PatternZone::Secondary
                                                       : PatternZone::Both;
    std::vector<std::string> header = {"期号"};
    for (int r = 1; r <= arrangement.rows; ++r) header.push_back("行" + std::to_string(r));
    header.push_back("空行");
    header.push_back("空列");
    out.header(header);
    std::vector<size_t> gridColumns;
    for (int r = 1; r <= arrangement.rows; ++r) gridColumns.push_back(static_cast<size_t>(r));
    out.textColumns(gridColumns);  // "10-01" is a row of cells, not a number
    for (int n = std::max(1, last - *grids + 1); n <= last; ++n) {
        const int32_t* record = ws.sjk.record(n);
        const PatternGrid grid = patternGrid(arrangement, record, ws.game, zone, tails);
        std::vector<std::string> row = {record[0] == kPredictionPeriod ? "预测区" : std::to_string(record[0])};
        for (int r = 0; r < arrangement.rows; ++r) {
            std::string cells;
            for (int c = 0; c < arrangement.columns; ++c) {
                const int p = r * arrangement.columns + c;
                const bool empty = p >= arrangement.used() || arrangement.cells[static_cast<size_t>(p)] >= 99;
                cells += empty ? '-' : grid.lit.test(static_cast<size_t>(p)) ? '1' : '0';
            }
            row.push_back(cells);
        }
        row.push_back(std::to_string(std::count(grid.emptyRows.begin(), grid.emptyRows.end(), true)));
        row.push_back(std::to_string(std::count(grid.emptyColumns.begin(), grid.emptyColumns.end(), true)));
        out.row(row);
    }
    return kDone;
}
}  // namespace

std::vector<TableView> patternTableViews() {
    return {
        {"patterns",
         {},
         0,
         {valued("--arrangement"), valued("--size"), valued("--zone"), valued("--tails"), valued("--to"),
          valued("--grids"), valued("--page")},
         kPatternsUsage,
         "  patterns  行列式：每期一行，各行的格子（1 出号，0 未出，- 空格），然后空行数和空列数\n"
         "    --arrangement regular|K|FILE  常规行列式（默认）、内置行列式K（1..10）或矩阵文件\n"
         "    --size CxR             常规行列式的列数和行数（默认 6x6；尾号时 2x5）\n"
         "    --zone main|secondary|both  红号（默认）、蓝号、红蓝号\n"
         "    --tails no|yes         尾号：放置号码的尾数\n"
         "    --to P --grids N       显示到P期（默认最后一期）为止的N期（1..50，默认 14）\n"
         "    --page arrangement     只显示行列式本身：名称，然后每行的号码\n",
         patternTable},
    };
}

}  // namespace lottodesk::cli
