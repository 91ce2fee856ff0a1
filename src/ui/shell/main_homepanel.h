#pragma once
// The main window's home page while no page is open: the current game, its last 30 draws as
// balls, how long each number has been missing ("当前遗漏") and the period drawn next.

#include <QWidget>

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Workspace& m_ws;
    QLabel* m_title;
    QLabel* m_game;
    QLabel* m_period;
    QLabel* m_recentTitle;
    QLabel* m_omissionTitle;
    CellGridView* m_recent;
    CellGridView* m_omission;
};

}  // namespace lottodesk
