#pragma once
// What the text pages of "更多图表" share beside their model (LazyTableModel): column sizing and the
// class colours.

#include <QColor>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace lottodesk {

// A read-only table view of whole rows, one line each, showing `model`; named `name`.
QTableView* textTableView(QAbstractItemModel* model, const char* name, QWidget* parent);

// Sizes the columns of `view` to their header and the texts of the first and last rows: the rows
// of these tables are alike, and measuring every row would cost more than computing the table.
void fitColumns(QTableView& view);

// The colour of a class value (0..9 and beyond, cycling), shared by the pattern tables.
QColor classColour(int value);

}  // namespace lottodesk
