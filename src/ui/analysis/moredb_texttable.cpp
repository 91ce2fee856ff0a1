#include "ui/analysis/moredb_texttable.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace lottodesk {

void FlatTextTableModel::setTable(const std::vector<std::string>& header, int rows, CellText text, CellColour colour) {
    beginResetModel();
    m_header.clear();
    m_header.reserve(static_cast<qsizetype>(header.size()));
    for (const std::string& title : header) m_header << QString::fromStdString(title);
    m_rows = rows;
    m_text = std::move(text);
    m_colour = std::move(colour);
    endResetModel();
}

int FlatTextTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int FlatTextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_header.size());
}

QVariant FlatTextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_header.size()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(m_text(index.row(), index.column()));
    if (role == Qt::BackgroundRole && m_colour) {
        const QColor colour = m_colour(index.row(), index.column());
        if (colour.isValid()) return colour;
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

QVariant FlatTextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal) return section < m_header.size() ? m_header[section] : QVariant();
    return section + 1;
}

void fitColumns(QTableView& view) {
    const QAbstractItemModel* model = view.model();
    const QFontMetrics cells(view.font());
    const QFontMetrics titles(view.horizontalHeader()->font());
    const int rows = model->rowCount();
    for (int c = 0; c < model->columnCount(); ++c) {
        int width = titles.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()) + 16;
        for (int r : {0, rows - 1})
            if (r >= 0) width = std::max(width, cells.horizontalAdvance(model->index(r, c).data().toString()) + 12);
        view.setColumnWidth(c, width);
    }
}

QColor classColour(int value) {
    static const QColor kColours[] = {
        QColor(255, 236, 160), QColor(170, 220, 255), QColor(200, 240, 190), QColor(255, 200, 200),
        QColor(225, 205, 255), QColor(255, 220, 170), QColor(190, 235, 235), QColor(235, 235, 170),
        QColor(255, 200, 235), QColor(210, 210, 210),
    };
    constexpr int count = static_cast<int>(std::size(kColours));
    return kColours[((value % count) + count) % count];
}

}  // namespace lottodesk
