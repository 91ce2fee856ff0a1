#pragma once
// Automatic scrolling of a grid ("开始滚动", "停止滚动", the direction and four speeds) and the page
// and step commands ("上一页", "下一页", "上一条", "下一条"), in the grid's popup menu: a menu of its
// own, or appended to the popup the grid already has. Scrolling only moves the grid; nothing is
// recomputed. A tick while the grid is not on show (another page brought forward) stops it.

#include <QObject>

class QAbstractItemView;
class QAction;
class QMenu;
class QTimer;

namespace lottodesk {

class GridScroller : public QObject {
    Q_OBJECT
public:
    // `popup`: the grid's existing popup menu to append to; null gives the grid a menu of its own.
    explicit GridScroller(QAbstractItemView* view, QMenu* popup = nullptr);

    QMenu* menu() const { return m_menu; }
    bool scrolling() const;
    // One step of the automatic scrolling: a row down (or up), stopping at the end.
    void tick();

private:
    void step(int rows);
    void page(int direction);

    QAbstractItemView* m_view;
    QMenu* m_menu;
    QTimer* m_timer;
    QAction* m_down = nullptr;
};

}  // namespace lottodesk
