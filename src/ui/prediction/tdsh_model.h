#pragma once
// The back-test table of a fix-and-kill page as a grid model: the engine's cells, with the page's
// colours (caption rows, accuracy row, row numbers, periods, draw numbers, right formula cells).

#include <QAbstractTableModel>

#include "prediction/backtest.h"

namespace lottodesk {

class TdshModel : public QAbstractTableModel {
    Q_OBJECT
public:
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

}  // namespace lottodesk
