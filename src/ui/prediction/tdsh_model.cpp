#include "ui/prediction/tdsh_model.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QStyle>

namespace lottodesk {

void TdshModel::setResult(BacktestResult result) {
    beginResetModel();
    m_result = std::move(result);
    endResetModel();
}

int TdshModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_result.rows; }
int TdshModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_result.columns; }

QVariant TdshModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int r = index.row(), c = index.column();
    const BacktestResult& t = m_result;
    const bool caption = r == 0 || r == t.tested + 2;
    const bool accuracy = r == t.accuracyRow();
    const bool formula = c >= t.firstFormulaColumn() && c < t.listColumn() && !caption && !accuracy;
    const bool right = formula && r <= t.tested && t.state(r, c - t.firstFormulaColumn() + 1) == CellState::Right;
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(t.cell(r, c));
    case DrawnNumbersRole: {
        if (c != t.listColumn() || r < 1 || r > t.tested) return {};
        QVariantList drawn;
        for (const QString& piece : QString::fromStdString(t.cell(r, c)).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (t.drawnAt(r, piece.toInt())) drawn << piece.toInt();
        return drawn;
    }
    case Qt::BackgroundRole:
        if (caption) return QBrush(QColor(251, 183, 166));
        if (accuracy) return QBrush(QColor(255, 162, 255));
        if (right) return QBrush(QColor(139, 248, 145));
        return {};
    case Qt::ForegroundRole:
        if (caption || accuracy) return {};
        if (c == 0) return QBrush(Qt::blue);
        if (c == 1) return QBrush(QColor(204, 102, 219));
        if (c == 2) return QBrush(Qt::red);
        if (right) return QBrush(QColor(13, 4, 172));
        if (formula) return QBrush(QColor(194, 75, 24));
        return {};
    default: return {};
    }
}

}  // namespace lottodesk

namespace lottodesk {

void TdshListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QVariant drawn = index.data(TdshModel::DrawnNumbersRole);
    if (!drawn.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, option.widget);
    const QList<QVariant> red = drawn.toList();
    painter->save();
    int x = option.rect.left() + 3;
    const QFontMetrics metrics(option.font);
    // Each number in turn, red when the row's draw holds it; the blanks between stay as typed.
    for (const QString& piece : index.data(Qt::DisplayRole).toString().split(QLatin1Char(' '))) {
        if (!piece.isEmpty()) {
            painter->setPen(red.contains(piece.toInt()) ? Qt::red : Qt::black);
            painter->drawText(QRect(x, option.rect.top(), option.rect.right() - x, option.rect.height()),
                              Qt::AlignVCenter | Qt::AlignLeft, piece);
        }
        x += metrics.horizontalAdvance(piece + QLatin1Char(' '));
    }
    painter->restore();
}

}  // namespace lottodesk
