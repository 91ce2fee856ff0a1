#include "ui/update/addsj_boardcell.h"

#include <QPainter>

namespace lottodesk {

BoardCell::BoardCell(const QString& text, QColor fill, QColor textColour, QWidget* parent)
    : QAbstractButton(parent), m_fill(fill), m_textColour(textColour) {
    setText(text);
    setFocusPolicy(Qt::NoFocus);
}

void BoardCell::setFill(QColor fill) {
    if (m_fill == fill) return;
    m_fill = fill;
    update();
}

QColor BoardCell::shownColour() const { return lit() ? hoverColour() : m_fill; }

QSize BoardCell::sizeHint() const {
    const int side = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 8;
    return {side, fontMetrics().height() + 12};
}

void BoardCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, shownColour());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(box);
    painter.setPen(m_textColour);
    painter.drawText(box, Qt::AlignCenter, text());
}

void BoardCell::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BoardCell::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace lottodesk
