#pragma once
// The main window's home page (its first tab): the current game, its last 30 draws as balls, how
// long each number has been missing ("当前遗漏"), the period drawn next, and the windows a player
// opens most one click away. It always shows the real draws, also while a data transform is
// applied (the pages then show the transformed numbers under a banner).

#include <QWidget>

#include "core/s_dm.h"

class QLabel;

namespace lottodesk {

struct Workspace;
class CellGridView;
class CellPictures;

class HomePanel : public QWidget {
    Q_OBJECT
public:
    HomePanel(const Workspace& ws, const CellPictures& pictures, QWidget* parent = nullptr);

    // Reads the game and its history again: after a type switch, an update or a transform.
    void refresh();

    CellGridView* recentGrid() const { return m_recent; }
    CellGridView* omissionGrid() const { return m_omission; }

Q_SIGNALS:
    // A quick button asks for the main window's command of that name ("n_fxd", "n_zh", ...).
    void commandRequested(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Workspace& m_ws;
    t_s_dm m_realDraws;  // the history file's draws while a transform is applied
    QLabel* m_title;
    QLabel* m_game;
    QLabel* m_period;
    QLabel* m_recentTitle;
    QLabel* m_omissionTitle;
    CellGridView* m_recent;
    CellGridView* m_omission;
};

}  // namespace lottodesk
