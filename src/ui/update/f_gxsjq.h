#pragma once
// Tf_gxsjq: the update window ("更新数据库..."). Lists every draw of the current history in the
// grid `sg_sjk` and maintains it: typed entry, the number board, modify, delete, clear, import,
// export and the online update; under the grid, the prize table of the selected draw when the
// online update kept one. Every command changes the history through the engine, which
// saves it whole or leaves it (in memory and on disk) as it was; the window shows the engine's
// message on failure and refills the grid after each change.

#include <QDialog>
#include <functional>
#include <memory>

#include "core/prizetables.h"

class QTableView;

namespace Ui {
class Tf_gxsjq;
}

namespace lottodesk {

struct Workspace;
class FileChooser;
class HistoryModel;
class Prompts;
class Tf_addsj;
class Tf_xgzh;

class Tf_gxsjq : public QDialog {
    Q_OBJECT
public:
    // Shows a modal dialog and returns its result; the default runs exec(). Tests substitute one
    // that works the dialog's controls without a nested event loop.
    using DialogRunner = std::function<int(QDialog&)>;

    // `onlineUpdate` runs the download through the plug-in (it may be empty); the window refills
    // its grid when it returns.
    Tf_gxsjq(Workspace& ws, Prompts& prompts, FileChooser& files, std::function<void(QWidget*)> onlineUpdate,
             QWidget* parent = nullptr);
    ~Tf_gxsjq() override;

    QTableView* grid() const;
    HistoryModel* model() const { return m_model; }
    Tf_xgzh* editDialog() const { return m_edit; }
    Tf_addsj* board() const { return m_board; }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // Refills the grid from the history, selects column 1 of the last row and focuses the grid.
    void fillGrid();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addTyped();
    void addOnBoard();
    void modifySelected();
    void deleteSelected();
    void clearAll();
    void importFile(bool overwrite);
    void exportFile();
    void updateOnline();
    // The history record of the selected grid row; 0 when no data row is selected.
    int selectedRecord() const;
    void showStatus(const std::string& message);
    // The prize table of the selected draw under the grid (nothing when none is kept).
    void showPrizeTable();

    Workspace& m_ws;
    Prompts& m_prompts;
    FileChooser& m_files;
    std::function<void(QWidget*)> m_onlineUpdate;
    std::unique_ptr<Ui::Tf_gxsjq> m_ui;
    HistoryModel* m_model;
    Tf_xgzh* m_edit;
    Tf_addsj* m_board;
    DialogRunner m_runDialog;
    PrizeTables m_prizes;  // of the current type, read when the grid is filled
};

}  // namespace lottodesk
