#pragma once
// The grid of a view: a QTableView over a flat table of texts, filled row by row by the view and
// shown without one item object per cell.

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QTableView>
#include <cstdint>
#include <vector>

namespace lottodesk {

class ViewGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    // True for a cell the view marks (a hit, the class of a value), drawn as a ball or a square.
    static constexpr int MarkRole = Qt::UserRole + 1;

    // A new table of empty cells; the cells are written afterwards and painted when shown.
    void reset(const QStringList& header, int rows);
    void setText(int row, int column, QString text) { m_cells[slot(row, column)] = std::move(text); }
    // Marks a cell (a later mark wins); clearBackground takes its marks away. Both repaint the cell.
    void setBackground(int row, int column, QColor colour);
    void clearBackground(int row, int column);
    QColor background(int row, int column) const;
    void setMarked(int row, int column) { m_marked[slot(row, column)] = 1; }
    bool marked(int row, int column) const { return m_marked[slot(row, column)] != 0; }
    const QString& text(int row, int column) const { return m_cells[slot(row, column)]; }
    QString headerText(int column) const { return m_header.value(column); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_header.size());
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    size_t slot(int row, int column) const {
        return static_cast<size_t>(row) * static_cast<size_t>(m_header.size()) + static_cast<size_t>(column);
    }
    QStringList m_header;
    int m_rows = 0;
    std::vector<QString> m_cells;
    std::vector<uint8_t> m_marked;                         // per cell
    std::vector<std::pair<size_t, QColor>> m_backgrounds;  // the few marked cells
};

class ViewGrid : public QTableView {
    Q_OBJECT
public:
    explicit ViewGrid(QWidget* parent = nullptr);

    void reset(const QStringList& header, int rows);
    void setText(int row, int column, QString text) { m_model->setText(row, column, std::move(text)); }
    void setBackground(int row, int column, QColor colour) { m_model->setBackground(row, column, colour); }
    void clearBackground(int row, int column) { m_model->clearBackground(row, column); }
    QColor background(int row, int column) const { return m_model->background(row, column); }
    void setMarked(int row, int column) { m_model->setMarked(row, column); }
    bool marked(int row, int column) const { return m_model->marked(row, column); }
    QString text(int row, int column) const { return m_model->text(row, column); }
    QString headerText(int column) const { return m_model->headerText(column); }
    int rowCount() const { return m_model->rowCount(); }
    int columnCount() const { return m_model->columnCount(); }
    // Puts `row` at the top of the view.
    void scrollToRow(int row);

private:
    ViewGridModel* m_model;
};

}  // namespace lottodesk
