#include "ui/common/gridscroller.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

namespace lottodesk {

GridScroller::GridScroller(QAbstractItemView* view, QMenu* popup)
    : QObject(view), m_view(view), m_menu(popup ? popup : new QMenu(view)), m_timer(new QTimer(this)) {
    if (popup)
        m_menu->addSeparator();
    else
        m_menu->setObjectName(QStringLiteral("pm_scroll"));
    m_timer->setInterval(200);
    connect(m_timer, &QTimer::timeout, this, [this] { tick(); });
    auto add = [this](const char* name, const char* caption, auto run) {
        QAction* action = m_menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    add("mi_start", "开始滚动", [this] { m_timer->start(); });
    add("mi_stop", "停止滚动", [this] { m_timer->stop(); });
    m_menu->addSeparator();
    auto* directions = new QActionGroup(this);
    m_down = add("mi_down", "向下滚动", [] {});
    QAction* up = add("mi_up", "向上滚动", [] {});
    for (QAction* a : {m_down, up}) {
        a->setCheckable(true);
        directions->addAction(a);
    }
    m_down->setChecked(true);
    m_menu->addSeparator();
    auto* speeds = new QActionGroup(this);
    const struct {
        const char* name;
        const char* caption;
        int ms;
    } kSpeeds[] = {
        {"mi_slow", "慢速", 400}, {"mi_medium", "中速", 200}, {"mi_fast", "快速", 100}, {"mi_fastest", "特快", 40}};
    for (const auto& s : kSpeeds) {
        const int ms = s.ms;
        QAction* a = add(s.name, s.caption, [this, ms] { m_timer->setInterval(ms); });
        a->setCheckable(true);
        a->setChecked(ms == 200);
        speeds->addAction(a);
    }
    m_menu->addSeparator();
    add("mi_prevpage", "上一页", [this] { page(-1); });
    add("mi_nextpage", "下一页", [this] { page(1); });
    add("mi_prev", "上一条", [this] { step(-1); });
    add("mi_next", "下一条", [this] { step(1); });
    if (popup) return;  // the grid's own popup handler shows it
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_view->viewport()->mapToGlobal(at)); });
}

bool GridScroller::scrolling() const { return m_timer->isActive(); }

void GridScroller::tick() {
    if (!m_view->isVisible()) {
        m_timer->stop();
        return;
    }
    QScrollBar* bar = m_view->verticalScrollBar();
    const int before = bar->value();
    step(m_down->isChecked() ? 1 : -1);
    if (bar->value() == before) m_timer->stop();  // reached the end
}

void GridScroller::step(int rows) {
    QScrollBar* bar = m_view->verticalScrollBar();
    bar->setValue(bar->value() + rows * bar->singleStep());
}

void GridScroller::page(int direction) {
    QScrollBar* bar = m_view->verticalScrollBar();
    bar->setValue(bar->value() + direction * bar->pageStep());
}

}  // namespace lottodesk
