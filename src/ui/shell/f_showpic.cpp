#include "ui/shell/f_showpic.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace lottodesk {

Tf_showpic::Tf_showpic(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_label(new QLabel(this)) {
    setObjectName(QStringLiteral("f_showpic"));
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("#f_showpic { background: #fdfdf6; border: 1px solid #5a6b8c; }"
                       "#Label1 { color: #1b2a4a; font-size: 14px; }"));
    setAttribute(Qt::WA_StyledBackground);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 18, 28, 18);
    layout->addWidget(m_label);
    setMinimumWidth(260);
}

void Tf_showpic::showText(const QString& text) {
    m_label->setText(text);
    adjustSize();
    centre();
    show();
    raise();
    repaint();
    // Paint only: a click now would run while the caller's work is still in progress.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tf_showpic::centre() {
    QRect area;
    if (const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr; owner && owner->isVisible())
        area = owner->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    QRect frame = rect();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

}  // namespace lottodesk
