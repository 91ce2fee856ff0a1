#pragma once
// The main window's background while no page is open: the current game and its newest draw,
// drawn with the ball pictures.

#include <QWidget>

namespace lottodesk {

struct Workspace;
class CellPictures;

class HomePanel : public QWidget {
    Q_OBJECT
public:
    HomePanel(const Workspace& ws, const CellPictures& pictures, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Workspace& m_ws;
    const CellPictures& m_pictures;
};

}  // namespace lottodesk
