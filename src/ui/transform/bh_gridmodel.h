#pragma once
// BhGridModel: the grid `sg_bhdb` of the data transform window over a TransformGrid snapshot.
// Column 0 the period (blue), one column per main number shaded by the chosen zone partition, and
// the draw as text (green); the last row "选号区" shows the selection. Cells are computed when Qt
// asks for them, so a grid over the whole history is filled at once. BhGridDelegate paints the
// balls from the cell pictures.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "analysis/transformgrid.h"
#include "core/datatransform.h"

namespace lottodesk {

class CellPictures;
struct Workspace;

class BhGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int BallRole = Qt::UserRole;  // int(GridBall) of a number cell

    BhGridModel(const Workspace& ws, const NumberFlags& selection, QObject* parent = nullptr);

    // Takes a new snapshot of the history ("红号和蓝号": `withSecondary`) and the zone count.
    void fill(bool withSecondary, int zones);
    // The selection row changed; repaints only that row.
    void selectionChanged();
    const TransformGrid& grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const Workspace& m_ws;
    const NumberFlags& m_selection;
    TransformGrid m_grid;
    int m_zones = 3;
};

class BhGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    BhGridDelegate(const CellPictures& pictures, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const CellPictures& m_pictures;
};

}  // namespace lottodesk
