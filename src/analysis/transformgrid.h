#pragma once
// The number grid of the data transform window: one row per history record and a last row
// "选号区" for picking numbers. Columns: "期号", one per main number zh_from..zh_to, and a text
// column with the draw as text. The rows are a snapshot of the history taken when the grid is
// filled; cells are computed when shown, so the grid over the whole history opens at once.

#include <cstdint>
#include <string>
#include <vector>

#include "core/cpstyle.h"
#include "core/datatransform.h"
#include "core/partition.h"
#include "core/s_dm.h"

namespace lottodesk {

// What a number cell shows: nothing, a ball of the main zone, or the second ball frame when the
// number is one of the row's secondary numbers (shown with "红号和蓝号" only).
enum class GridBall : uint8_t { None, Main, Secondary };

class TransformGrid {
public:
    // Snapshot of `history` (period, main and secondary numbers of every record).
    void fill(const t_s_dm& history, const GameParams& game, bool withSecondary);

    int recordRows() const { return m_rows; }
    int rows() const { return m_rows + 1; }  // the records and "选号区"
    int numberColumns() const { return m_game.zh_to - m_game.zh_from + 1; }
    int columns() const { return numberColumns() + 2; }
    bool isSelectionRow(int row) const { return row == m_rows; }
    // The number a column 1..numberColumns() stands for; -1 for the other columns.
    int numberOfColumn(int column) const;

    // "期号", the numbers as two digits, "" for the text column.
    std::string columnTitle(int column) const;
    // The period, "预测区" for 9999999, "选号区" for the last row.
    std::string rowTitle(int row) const;
    // The main numbers as two-digit texts each followed by a blank; with the secondary numbers
    // also "| " and every secondary number as two digits followed by ",". Empty for "选号区".
    std::string rowText(int row) const;
    // The ball of a number column: the number is drawn in the row (as a main number, or as a
    // secondary number with "红号和蓝号", which wins when it is both). The selection row shows
    // `selection`'s numbers as main balls.
    GridBall ball(int row, int column, const NumberFlags& selection) const;
    // 0 or 1: the two shades of the `zones`-zone partition alternate over the number columns.
    int shade(const ZonePartitions& partitions, int zones, int column) const;

    // The widest text the text column may hold: "01 02 03 04 05 06 07 08".
    static const char* textColumnSample() { return "01 02 03 04 05 06 07 08"; }

private:
    const int32_t* row(int r) const { return m_slots.data() + static_cast<size_t>(r) * m_stride; }

    GameParams m_game;
    bool m_withSecondary = false;
    int m_rows = 0;
    int m_stride = 1;
    std::vector<int32_t> m_slots;  // per record: period, main numbers, secondary numbers
};

}  // namespace lottodesk
