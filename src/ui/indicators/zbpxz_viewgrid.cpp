#include "ui/indicators/zbpxz_viewgrid.h"

#include <QHeaderView>

namespace lottodesk {

void ViewGridModel::reset(const QStringList& header, int rows) {
    beginResetModel();
    m_header = header;
    m_rows = rows;
    m_cells.assign(static_cast<size_t>(rows) * static_cast<size_t>(header.size()), QString());
    m_backgrounds.clear();
    endResetModel();
}

void ViewGridModel::setBackground(int row, int column, QColor colour) {
    m_backgrounds.emplace_back(slot(row, column), colour);
}

QVariant ViewGridModel::data(const QModelIndex& at, int role) const {
    if (!at.isValid()) return {};
    if (role == Qt::DisplayRole) return text(at.row(), at.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role == Qt::BackgroundRole) {
        const size_t i = slot(at.row(), at.column());
        for (const auto& [cell, colour] : m_backgrounds)
            if (cell == i) return colour;
    }
    return {};
}

QVariant ViewGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return m_header.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

ViewGrid::ViewGrid(QWidget* parent) : QTableView(parent), m_model(new ViewGridModel(this)) {
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

void ViewGrid::reset(const QStringList& header, int rows) {
    m_model->reset(header, rows);
    viewport()->update();  // the cells written after the reset are painted on the next paint
}

void ViewGrid::scrollToRow(int row) {
    if (row >= 0 && row < rowCount()) scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtTop);
}

}  // namespace lottodesk
