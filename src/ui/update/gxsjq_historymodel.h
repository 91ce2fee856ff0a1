#pragma once
// HistoryModel: the draw history of the workspace as a table for the grid of the update window.
// Row r is history record r + 1 (the grid row and the record number differ by one only because
// records count from 1); column 0 the period, then the main and the secondary numbers.
//
// The model reads the store directly and builds no per-cell items, so a history of thousands of
// draws opens at once. It caches its shape: after any change to the store or the game, call
// reset() before the view reads it again.

#include <QAbstractTableModel>

namespace lottodesk {

struct Workspace;

class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The raw slot value of a cell (period or number) for Qt::UserRole.
    static constexpr int ValueRole = Qt::UserRole;

    explicit HistoryModel(const Workspace& ws, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes the store's record count and the game's shape afresh.
    void reset();

    // The history record shown in `row`.
    static int recordOfRow(int row) { return row + 1; }

private:
    QString columnTitle(int column) const;

    const Workspace& m_ws;
    int m_rows = 0;
    int m_columns = 1;
    int m_zhgs = 0;
    int m_fhgs = 0;
};

}  // namespace lottodesk
