#include "ui/indicators/zbpxz_viewgrid.h"

#include <QHeaderView>

namespace lottodesk {

void ViewGridModel::reset(const QStringList& header, int rows) {
    beginResetModel();
    m_header = header;
    m_rows = rows;
    m_cells.assign(static_cast<size_t>(rows) * static_cast<size_t>(header.size()), QString());
    m_marked.assign(m_cells.size(), 0);
    m_backgrounds.clear();
    endResetModel();
}

void ViewGridModel::setBackground(int row, int column, QColor colour) {
    // Appended without a search: the views mark many cells while filling; the last mark counts.
    m_backgrounds.emplace_back(slot(row, column), colour);
    Q_EMIT dataChanged(index(row, column), index(row, column), {Qt::BackgroundRole});
}

void ViewGridModel::clearBackground(int row, int column) {
    const size_t at = slot(row, column);
    std::erase_if(m_backgrounds, [at](const auto& mark) { return mark.first == at; });
    Q_EMIT dataChanged(index(row, column), index(row, column), {Qt::BackgroundRole});
}

QColor ViewGridModel::background(int row, int column) const {
    const size_t at = slot(row, column);
    for (auto mark = m_backgrounds.rbegin(); mark != m_backgrounds.rend(); ++mark)
        if (mark->first == at) return mark->second;
    return {};
}

QVariant ViewGridModel::data(const QModelIndex& at, int role) const {
    if (!at.isValid()) return {};
    if (role == Qt::DisplayRole) return text(at.row(), at.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role == MarkRole) return marked(at.row(), at.column());
    if (role == Qt::BackgroundRole) {
        const QColor colour = background(at.row(), at.column());
        if (colour.isValid()) return colour;
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
