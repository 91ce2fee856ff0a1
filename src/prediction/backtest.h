#pragma once
// The back-test of a fix-and-kill page: the first N formulas of a scheme evaluated at every draw
// from a start period to the newest, judged by the page's verdict rule, and once more for the
// undrawn period (the forecast). The result is the page's table as the window shows it, plus the
// numbers behind it.
//
// A formula that fails at a period has no value there: its cell shows "-1" (empty on the custom kill
// page), it is wrong (never "正确"), and it kills or fixes nothing; the run completes. A division by
// zero (any stopped evaluation) stops the whole run instead: the result is `stopped`, holds no table
// and its message names the formula. The history store and its cursor are only read (see ForecastView).

#include <cstdint>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "pagekind.h"

namespace lottodesk {

enum class ListDisplay : uint8_t {
    Plain,      // "常规显示"
    LowToHigh,  // "按频率从低到高"
    HighToLow,  // "按频率从高到低"
};
const char* listDisplayCaption(ListDisplay display);

struct BacktestRequest {
    PageKind kind = PageKind::hmsh;
    std::vector<std::string> formulas;  // slots 1..N of the scheme
    int32_t startPeriod = 0;            // a period of the history; 0 or one not in it: the first draw
    ListDisplay display = ListDisplay::Plain;
    std::string target;  // selfsh: the indicator or formula whose values are killed
};

// The state of one formula at one row.
enum class CellState : uint8_t {
    Failed,  // no value
    Wrong,   // a value, judged wrong (or the forecast row, which is not judged)
    Right,
};

struct BacktestResult {
    PageKind kind = PageKind::hmsh;
    int tested = 0;        // B: rows 1..B are tested periods, B + 1 the forecast
    int formulaCount = 0;  // N
    int rows = 0;          // B + 4
    int columns = 0;
    std::vector<std::string> cells;    // rows × columns, row-major
    std::vector<int32_t> periods;      // index 1..B: the tested periods (index 0 unused)
    std::vector<uint64_t> drawnMasks;  // index 1..B: the judged zone's numbers of the row's draw
    std::vector<int32_t> values;       // (B + 1) × N: row r (1-based), formula j (1-based) at (r-1)*N + j-1
    std::vector<CellState> states;     // same layout
    std::vector<int> rightCounts;      // index 0..N-1
    std::string message;               // "第n条公式有误：..." for the last failure, empty when none
    bool stopped = false;              // a stopped evaluation ended the run: no table, message says why
    NumberRange range{1, 49};          // the values the memo and the forecast take

    const std::string& cell(int row, int column) const { return cells[static_cast<size_t>(row * columns + column)]; }
    int firstFormulaColumn() const { return kind == PageKind::selfsh ? 4 : 3; }
    int listColumn() const { return firstFormulaColumn() + formulaCount; }
    int forecastRow() const { return tested + 1; }
    int accuracyRow() const { return tested + 3; }
    int32_t value(int row, int formula) const {
        return values[static_cast<size_t>((row - 1) * formulaCount + formula - 1)];
    }
    CellState state(int row, int formula) const {
        return states[static_cast<size_t>((row - 1) * formulaCount + formula - 1)];
    }

    // The distinct values the formulas produced in row 1..B+1 within the page's range, ascending:
    // the numbers of a clicked row, and for the forecast row the forecast.
    std::vector<int32_t> rowNumbers(int row) const;
    // The memo text of a row: each value followed by two blanks.
    std::string memoText(int row) const;
    // Whether the drawn numbers of tested row `row` hold `number` (the list column's red numbers).
    bool drawnAt(int row, int32_t number) const {
        return row >= 1 && row <= tested && number >= 0 && number < 64 &&
               (drawnMasks[static_cast<size_t>(row)] >> number & 1);
    }
};

// Runs the back-test. An empty history gives a table with the forecast row only.
BacktestResult runBacktest(const Workspace& ws, const BacktestRequest& request);

// The export of "导出定胆数据"/"导出杀号数据": a header, then one line per row from the first
// tested period to the forecast, each formula's whole value (never the verdict text). UTF-8 with
// CR LF; the caller writes it as GBK.
std::string backtestExportText(const BacktestResult& result);

}  // namespace lottodesk
