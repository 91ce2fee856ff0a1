#pragma once
// The back-test table of a fix-and-kill page as a grid model: the engine's cells, with the page's
// colours (caption rows, accuracy row, row numbers, periods, draw numbers, right formula cells).

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "prediction/backtest.h"

namespace lottodesk {

class TdshModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The list column of a tested row: a QVariantList of the numbers of the draw among the listed
    // ones, which the delegate draws in red (the others in black).
    static constexpr int DrawnNumbersRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setResult(BacktestResult result);
    const BacktestResult& result() const { return m_result; }
    bool hasResult() const { return m_result.rows > 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    BacktestResult m_result;
};

// Paints the list column's numbers one by one, those of the row's draw in red.
class TdshListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace lottodesk
