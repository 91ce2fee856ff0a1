#pragma once
// A read-only table of texts (header and rows) for a QTableView: the combination pages fill it
// from the engine's tables. Rows are kept as they are; the view asks only for the visible cells.

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

namespace lottodesk {

class TextTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(std::vector<std::string> header, std::vector<std::vector<std::string>> rows) {
        beginResetModel();
        m_header = std::move(header);
        m_rows = std::move(rows);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_header.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const auto& row = m_rows[static_cast<size_t>(index.row())];
        const size_t c = static_cast<size_t>(index.column());
        return c < row.size() ? QString::fromStdString(row[c]) : QString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
            section >= static_cast<int>(m_header.size()))
            return QAbstractTableModel::headerData(section, orientation, role);
        return QString::fromStdString(m_header[static_cast<size_t>(section)]);
    }
    // The text of a cell ("" outside the table).
    QString cell(int row, int column) const { return data(index(row, column), Qt::DisplayRole).toString(); }

private:
    std::vector<std::string> m_header;
    std::vector<std::vector<std::string>> m_rows;
};

}  // namespace lottodesk

namespace lottodesk {

// A read-only table whose cells are asked for as they are painted: a large table (the conversion
// table's 200 columns, the pattern tables of "更多图表") keeps its numbers or texts and writes a
// text only for a visible cell; no item objects per cell.
class LazyTableModel : public QAbstractTableModel {
public:
    using Cell = std::function<QString(int row, int column)>;
    // A cell's background colour, or an invalid QVariant for the view's.
    using Background = std::function<QVariant(int row, int column)>;
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(std::vector<std::string> header, int rows, Cell cell, Background background = {}) {
        beginResetModel();
        m_header = std::move(header);
        m_rows = rows;
        m_cell = std::move(cell);
        m_background = std::move(background);
        endResetModel();
    }
    // Centred texts (the class tables) instead of the view's alignment.
    void setCentred(bool centred) { m_centred = centred; }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_header.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || !m_cell) return {};
        if (role == Qt::DisplayRole) return m_cell(index.row(), index.column());
        if (role == Qt::BackgroundRole && m_background) return m_background(index.row(), index.column());
        if (role == Qt::TextAlignmentRole && m_centred) return int(Qt::AlignCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
            section >= static_cast<int>(m_header.size()))
            return QAbstractTableModel::headerData(section, orientation, role);
        return QString::fromStdString(m_header[static_cast<size_t>(section)]);
    }
    QString cell(int row, int column) const { return data(index(row, column), Qt::DisplayRole).toString(); }

private:
    std::vector<std::string> m_header;
    int m_rows = 0;
    Cell m_cell;
    Background m_background;
    bool m_centred = false;
};

}  // namespace lottodesk
