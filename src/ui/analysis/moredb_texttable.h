#pragma once
// The table of a text page of "更多图表": the engine keeps the rows as flat texts; the model reads
// the cells Qt asks for (only the visible ones) and builds no per-cell items.

#include <QAbstractTableModel>
#include <QColor>
#include <functional>
#include <string>
#include <vector>

class QTableView;

namespace lottodesk {

class FlatTextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The text of a cell; its background (invalid: the view's).
    using CellText = std::function<const std::string&(int row, int column)>;
    using CellColour = std::function<QColor(int row, int column)>;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows a new table: `header` is copied, the cells are read through `text` while shown.
    void setTable(const std::vector<std::string>& header, int rows, CellText text, CellColour colour = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_header;
    int m_rows = 0;
    CellText m_text;
    CellColour m_colour;
};

// Sizes the columns of `view` to their header and the texts of the first and last rows: the rows
// of these tables are alike, and measuring every row would cost more than computing the table.
void fitColumns(QTableView& view);

// The colour of a class value (0..9 and beyond, cycling), shared by the pattern tables.
QColor classColour(int value);

}  // namespace lottodesk
