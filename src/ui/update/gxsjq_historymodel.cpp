#include "ui/update/gxsjq_historymodel.h"

#include <algorithm>

#include "core/drawtext.h"
#include "core/workspace.h"

namespace lottodesk {

HistoryModel::HistoryModel(const Workspace& ws, QObject* parent) : QAbstractTableModel(parent), m_ws(ws) { reset(); }

int HistoryModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int HistoryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_columns; }

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_columns) return {};
    const int record = recordOfRow(index.row());
    if (record > m_ws.sjk.RecordCount()) return {};  // the store shrank before reset()
    const int32_t value = m_ws.sjk.FieldValueAt(record, index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 0) return value == kPredictionPeriod ? QStringLiteral("预测区") : QString::number(value);
        return QString::fromStdString(twoDigits(value));
    case ValueRole: return value;
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns) return {};
    if (role == Qt::DisplayRole) return columnTitle(section);
    return {};
}

QString HistoryModel::columnTitle(int column) const {
    if (column == 0) return QStringLiteral("期数");
    const tcpstyle& type = m_ws.current();
    if (column <= m_zhgs) return QString::fromStdString(type.zhname) + QString::number(column);
    const QString specname = QString::fromStdString(type.specname);
    return m_fhgs == 1 ? specname : specname + QString::number(column - m_zhgs);
}

void HistoryModel::reset() {
    beginResetModel();
    m_zhgs = std::max(m_ws.game.zhgs, 0);
    m_fhgs = std::max(m_ws.game.fhgs, 0);
    m_columns = std::min(m_zhgs + m_fhgs + 1, kSlots);
    m_rows = m_ws.sjk.RecordCount();
    endResetModel();
}

}  // namespace lottodesk
