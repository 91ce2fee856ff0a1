#include "ui/analysis/patterngridview.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace lottodesk {
namespace {

constexpr int kCell = 17;     // pixels per cell
constexpr int kGap = 10;      // between grids
constexpr int kCaption = 16;  // the period under a grid

}  // namespace

PatternGridView::PatternGridView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PatternGridView::setContent(const Arrangement& arrangement, std::vector<Slot> slots, int perLine) {
    m_arrangement = arrangement;
    m_slots = std::move(slots);
    m_perLine = std::max(1, perLine);
    updateGeometry();
    update();
}

void PatternGridView::setSelection(const std::bitset<51>& selection) {
    m_selection = selection;
    update();
}

QRect PatternGridView::slotRect(int slot) const {
    const int w = m_arrangement.columns * kCell, h = m_arrangement.rows * kCell + kCaption;
    return QRect(kGap + (slot % m_perLine) * (w + kGap), kGap + (slot / m_perLine) * (h + kGap), w, h);
}

QRect PatternGridView::cellRect(int slot, int cell) const {
    const QRect r = slotRect(slot);
    return QRect(r.left() + (cell % m_arrangement.columns) * kCell, r.top() + (cell / m_arrangement.columns) * kCell,
                 kCell, kCell);
}

QSize PatternGridView::sizeHint() const {
    const int count = static_cast<int>(m_slots.size());
    if (count == 0) return {300, 200};
    const QRect last = slotRect(std::min(count, m_perLine) - 1);
    const QRect bottom = slotRect(count - 1);
    return {last.right() + kGap, bottom.bottom() + kGap};
}

int PatternGridView::selectionCellAt(const QPoint& point) const {
    for (int s = 0; s < static_cast<int>(m_slots.size()); ++s) {
        if (!m_slots[static_cast<size_t>(s)].selection) continue;
        for (int p = 0; p < m_arrangement.used(); ++p)
            if (cellRect(s, p).contains(point)) return p;
    }
    return -1;
}

void PatternGridView::mousePressEvent(QMouseEvent* event) {
    const int cell = selectionCellAt(event->position().toPoint());
    if (cell < 0) return;
    if (event->button() == Qt::RightButton) {
        m_selection.reset();
    } else if (event->button() == Qt::LeftButton) {
        const uint8_t value = m_arrangement.cells[static_cast<size_t>(cell)];
        if (value < 1 || value > 50) return;
        m_selection.flip(value);
    } else {
        return;
    }
    update();
    Q_EMIT selectionChanged();
}

void PatternGridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);
    const int used = m_arrangement.used();
    for (int s = 0; s < static_cast<int>(m_slots.size()); ++s) {
        const Slot& slot = m_slots[static_cast<size_t>(s)];
        if (!slotRect(s).intersects(rect())) continue;
        for (int p = 0; p < used; ++p) {
            const QRect cell = cellRect(s, p);
            const uint8_t value = m_arrangement.cells[static_cast<size_t>(p)];
            const int row = p / m_arrangement.columns, column = p % m_arrangement.columns;
            QColor fill = Qt::white;
            if (slot.selection) {
                if (value <= 50 && m_selection.test(value)) fill = QColor(90, 140, 230);
            } else if (slot.grid.lit.test(static_cast<size_t>(p))) {
                fill = QColor(220, 40, 40);
            } else if ((row < static_cast<int>(slot.grid.emptyRows.size()) && slot.grid.emptyRows[row]) ||
                       (column < static_cast<int>(slot.grid.emptyColumns.size()) && slot.grid.emptyColumns[column])) {
                fill = QColor(225, 235, 250);
            }
            painter.fillRect(cell, fill);
            painter.setPen(QColor(190, 190, 190));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.setPen(fill == Qt::white || fill == QColor(225, 235, 250) ? Qt::black : Qt::white);
            painter.drawText(
                cell, Qt::AlignCenter,
                value >= 99 ? QStringLiteral("空") : QString::number(value).rightJustified(2, QLatin1Char('0')));
        }
        const QRect r = slotRect(s);
        painter.setPen(Qt::black);
        painter.drawText(QRect(r.left(), r.bottom() - kCaption + 2, r.width(), kCaption), Qt::AlignCenter,
                         slot.caption);
    }
}

}  // namespace lottodesk
