#pragma once
// A read-only table of texts (header and rows) for a QTableView: the combination pages fill it
// from the engine's tables. Rows are kept as they are; the view asks only for the visible cells.

#include <QAbstractTableModel>
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
