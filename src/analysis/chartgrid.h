#pragma once
// The chart grid of the more-charts pages ("特性分布", "扩展图表", "田野走势图"): every draw is a
// row, every charted series a block of columns (one per class value); the cell of the draw's class
// is marked and consecutive marks of a block are joined by a trend line. Below the newest draw a
// selection row lets the user mark one class per block.
//
// A chart is computed once over the whole history (ChartData: the layout and, per record and
// block, the marked column and its text); the grid (`t_s_grid`) is then filled for the rows in
// view only, so scrolling recomputes nothing. The grid grows as a layout needs: games with many
// numbers per draw and wide field templates get as many columns as they use.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/status.h"
#include "core/workspace.h"

namespace lottodesk {

inline constexpr int kChartRowHeight = 20;
inline constexpr int kChartLabelWidth = 60;
inline constexpr int kChartCellWidth = 20;
inline constexpr int kChartFrameColours = 9;  // mark frames cycle through the cell pictures' colours
inline constexpr int kChartPaletteSize = 7;   // block backgrounds cycle through seven colours

// One chart cell. Colours are 0xRRGGBB.
struct t_s_cell {
    std::string text;
    uint32_t background = 0xFFFFFF;
    bool visible = true;
    int mergeTo = -1;          // a block title spans to this column; -1: no merge
    bool marked = false;       // a cell picture (mark kind 1, picture flag set) is drawn
    uint8_t frame = 0;         // the mark's colour index 0..8
    int link = -1;             // the column of the next row the trend line runs to; -1: none
    bool highlighted = false;  // the highlighted record's row
};

// A block: one charted series.
struct ChartBlock {
    std::string title;
    int first = 0;  // first column
    int count = 0;  // columns, one per class value
    std::vector<std::string> labels;
    int last() const { return first + count - 1; }
};

// The layout of a chart and the class of every record in every block.
struct ChartData {
    int columns = 0;
    int headerRows = 2;
    int fixedColumns = 1;
    std::vector<int> widths;          // per column, pixels; 0: an invisible separator
    std::vector<std::string> header;  // headerRows × columns texts, row-major
    std::vector<ChartBlock> blocks;
    bool selectionLabels = true;          // a selection mark shows its class label
    int records = 0;                      // the history's records, 1..records
    std::vector<std::string> rowLabels;   // per record (index 0 = record 1): period or "预测区"
    std::vector<std::string> fixedTexts;  // per record, the fixed columns after column 0
    std::vector<int16_t> marks;           // per record and block: the class (column offset), -1 none
    std::vector<std::string> markTexts;   // per record and block

    int mark(int record, int block) const {
        return marks[static_cast<size_t>(record - 1) * blocks.size() + static_cast<size_t>(block)];
    }
    const std::string& markText(int record, int block) const {
        return markTexts[static_cast<size_t>(record - 1) * blocks.size() + static_cast<size_t>(block)];
    }
    const std::string& headerText(int row, int column) const {
        return header[static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(column)];
    }
    int width() const;  // all columns, pixels
};

// ---- Templates of the field chart ----------------------------------------------------------

struct FieldTemplate {
    std::string name;
    int columns = 6;          // C, 1..10
    int rows = 6;             // R, 1..10
    std::vector<int> values;  // R × C, row-major from the top row; 99: an empty cell
    int at(int column, int row) const { return values[static_cast<size_t>(row) * columns + column]; }
    bool operator==(const FieldTemplate&) const = default;
};
inline constexpr int kEmptyTemplateCell = 99;
inline constexpr int kTemplateCount = 10;

// The default template: `name`, 6 × 6 holding 1..36 row by row.
FieldTemplate defaultFieldTemplate(const std::string& name);
// "save/tyzsdstyle.txt" and "save/mb_tyd<i>.jz" under the program folder (ending in "/").
std::string templateListPath(const std::string& folder);
std::string templatePath(const std::string& folder, int index);
// The text of a template file.
std::string templateText(const FieldTemplate& t);
// A template file's text; nullopt when malformed (sizes outside 1..10, fewer than R × C values,
// a value that is no integer, negative or above 255).
std::optional<FieldTemplate> parseFieldTemplate(std::string_view text);

struct TemplateListLoad {
    std::vector<std::string> names;
    std::string message;  // a file that could not be created or read
};
// The template list, created with "田野走势图1".."田野走势图10" when missing.
TemplateListLoad loadTemplateList(const std::string& folder);

struct TemplateLoad {
    FieldTemplate chosen;
    std::string message;  // non-empty when the file was malformed or could not be written: names the file
};
// Template `index`; a missing file is created with the default named `listName`. A malformed file
// is left as it is and the default 6 × 6 template is used in memory.
TemplateLoad loadFieldTemplate(const std::string& folder, int index, const std::string& listName);

// ---- The three charts ----------------------------------------------------------------------

enum class PropertyKind : uint8_t { Tail, OddEven, PrimeComposite };  // "尾号", "奇偶", "质合"
enum class ExtendedKind : uint8_t { Counts, Zones, Sum };  // "个数图", "分区出号个数", "和值分布"

// "特性分布".
ChartData propertyChart(const Workspace& ws, PropertyKind kind);
// "扩展图表"; `zones` 2..11 for the zone counts.
ChartData extendedChart(const Workspace& ws, ExtendedKind kind, int zones);
// "田野走势图".
ChartData fieldChart(const Workspace& ws, const FieldTemplate& tmpl, bool tails);

// The class of a sum on "和值分布": ≤ 40 → 0, 41..60 → 1, ... 141..160 → 6, ≥ 161 → 7.
int sumClass(int32_t sum);
// The matrix column that holds v (searched column by column, each from the top); the last column
// when none does.
int templateColumn(const FieldTemplate& t, int v);

// ---- The grid ------------------------------------------------------------------------------

class t_s_grid {
public:
    // Lays out `data`: widths, header rows, block titles and labels; the selection row is cleared.
    void setLayout(const ChartData& data);
    // The rows of data in view for an image `imageHeight` pixels high.
    int visibleRows(int imageHeight) const;
    // Where a chart not placed yet starts: the oldest record when the history fits, else the
    // record that puts the newest record on the second-to-last visible row.
    static int defaultFirstRecord(int records, int visible);
    // Fills the rows in view from `firstRecord` (header rows stay); returns the data rows used.
    // The walk stops after the newest record with the selection row ("选号区").
    int fill(const ChartData& data, int firstRecord, int visible, int highlightRecord);

    // A left click on column `column` of the selection row (see the pages' rule).
    void clickSelection(int column);
    void clearSelection();
    const std::vector<t_s_cell>& selection() const { return m_selection; }

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int headerRows() const { return m_headerRows; }
    int fixedColumns() const { return m_fixedColumns; }
    const std::vector<int>& widths() const { return m_widths; }
    const std::vector<ChartBlock>& blocks() const { return m_blocks; }
    t_s_cell& cell(int column, int row) { return m_cells[static_cast<size_t>(row) * m_columns + column]; }
    const t_s_cell& cell(int column, int row) const { return m_cells[static_cast<size_t>(row) * m_columns + column]; }
    // Data row r (0-based after the header rows) shows this record; 0 for the selection row.
    int recordAt(int dataRow) const;
    // Data rows filled by the last fill(), the selection row included.
    int dataRows() const { return static_cast<int>(m_rowRecords.size()); }
    int selectionRow() const { return m_selectionRow; }  // grid row, -1 when not in view

private:
    void grow(int rows);
    int blockOf(int column) const;

    int m_columns = 0;
    int m_rows = 0;
    int m_headerRows = 0;
    int m_fixedColumns = 1;
    bool m_selectionLabels = true;
    std::vector<int> m_widths;
    std::vector<ChartBlock> m_blocks;
    std::vector<t_s_cell> m_cells;
    std::vector<t_s_cell> m_selection;  // the spare row: kept through refills and scrolling
    std::vector<int> m_rowRecords;      // per data row in view
    int m_selectionRow = -1;
};

// The palette colour of block `index`.
uint32_t blockColour(int index);

}  // namespace lottodesk
