#include "ui/transform/bh_gridmodel.h"

#include <QColor>
#include <QPainter>

#include "core/workspace.h"
#include "ui/common/cellpictures.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

const QColor kShades[2] = {QColor(255, 255, 224), QColor(224, 238, 255)};
const QColor kPeriodColour(Qt::blue);
const QColor kTextColour(0, 128, 0);
const QColor kHeaderColour(250, 128, 114);  // salmon

}  // namespace

BhGridModel::BhGridModel(const Workspace& ws, const NumberFlags& selection, QObject* parent)
    : QAbstractTableModel(parent), m_ws(ws), m_selection(selection) {}

void BhGridModel::fill(bool withSecondary, int zones) {
    beginResetModel();
    m_grid.fill(m_ws.sjk, m_ws.game, withSecondary);
    m_zones = zones;
    endResetModel();
}

void BhGridModel::selectionChanged() {
    const int row = m_grid.rows() - 1;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int BhGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_grid.rows(); }

int BhGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_grid.columns(); }

QVariant BhGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    const int column = index.column();
    const bool textColumn = column == m_grid.columns() - 1;
    if (column == 0) {
        if (role == Qt::DisplayRole) return q(m_grid.rowTitle(row));
        if (role == Qt::ForegroundRole) return kPeriodColour;
        return {};
    }
    if (textColumn) {
        if (role == Qt::DisplayRole) return q(m_grid.rowText(row));
        if (role == Qt::ForegroundRole) return kTextColour;
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return m_grid.ball(row, column, m_selection) == GridBall::None ? QVariant() : q(m_grid.columnTitle(column));
    case BallRole: return static_cast<int>(m_grid.ball(row, column, m_selection));
    case Qt::BackgroundRole: return kShades[m_grid.shade(m_ws.partitions, m_zones, column)];
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}

QVariant BhGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return q(m_grid.columnTitle(section));
    if (role == Qt::BackgroundRole) return kHeaderColour;
    return {};
}

BhGridDelegate::BhGridDelegate(const CellPictures& pictures, QObject* parent)
    : QStyledItemDelegate(parent), m_pictures(pictures) {}

void BhGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const auto ball = static_cast<GridBall>(index.data(BhGridModel::BallRole).toInt());
    if (ball == GridBall::None) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.isValid()) painter->fillRect(option.rect, background.value<QColor>());
    // The main zone's ball and, for a secondary number, the strip's second ball.
    m_pictures.draw(*painter, 2, ball == GridBall::Secondary ? 1 : 0, option.rect.adjusted(1, 1, -1, -1));
    painter->save();
    painter->setPen(Qt::white);
    painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();
}

}  // namespace lottodesk
