#pragma once
// Tf_bh: the data transform window ("数据变换"). `cb_bhstyle` applies one of the transforms the game
// offers ("原始数据", "变换1" .. "变换4") through the engine, which reopens the raw history and puts
// the places of the numbers in recency rankings into memory (the file never changes, and the
// history refuses to save while transformed). The grid `sg_bhdb` shows the history with a last
// row "选号区" where a left click picks numbers; its popup `pm2` clears the selection, writes it
// into the prediction record or removes that record. Closing keeps the transform for every view.

#include <QDialog>

#include "core/datatransform.h"

class QComboBox;
class QMenu;
class QRadioButton;
class QPushButton;
class QTableView;

namespace lottodesk {

struct Workspace;
class BhGridModel;
class CellPictures;
class Prompts;

class Tf_bh : public QDialog {
    Q_OBJECT
public:
    Tf_bh(Workspace& ws, const CellPictures& pictures, Prompts& prompts, QWidget* parent = nullptr);

    QComboBox* styleBox() const { return m_style; }
    QComboBox* zoneBox() const { return m_zones; }
    QRadioButton* mainOnlyButton() const { return m_mainOnly; }
    QRadioButton* withSecondaryButton() const { return m_withSecondary; }
    QTableView* grid() const { return m_grid; }
    BhGridModel* model() const { return m_model; }
    QMenu* popup() const { return m_popup; }
    const NumberFlags& selection() const { return m_selection; }

    // Applies transform 0..4 (what choosing it in `cb_bhstyle` does) and fills the grid.
    void applyTransform(int transform);
    // A left click on a cell: toggles a number of the "选号区" row.
    void pickCell(int row, int column);
    // "清除选号区", "将选号导入到预测区", "清除预测区".
    void clearSelection();
    void putSelectionIntoPrediction();
    void clearPrediction();
    // Refills the grid from the history; column 1 of the last row is selected.
    void fillGrid();

Q_SIGNALS:
    // A transform was applied: the main window's caption and update command follow it.
    void transformApplied();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillStyles();
    void showPopup(const QPoint& at);
    int zoneCount() const;

    Workspace& m_ws;
    Prompts& m_prompts;
    NumberFlags m_selection{};
    QComboBox* m_style;
    QComboBox* m_zones;
    QRadioButton* m_mainOnly;
    QRadioButton* m_withSecondary;
    QPushButton* m_cancel;
    QTableView* m_grid;
    BhGridModel* m_model;
    QMenu* m_popup;
};

}  // namespace lottodesk
