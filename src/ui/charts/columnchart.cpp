#include "ui/charts/columnchart.h"

#include "ui/charts/axisticks.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lottodesk {
namespace {

constexpr int kAxisWidth = 52, kTitleHeight = 20, kLabelHeight = 18, kTextHeight = 14;

// About one grid line per 30 pixels of height.
int tickIntervals(const QRect& plot) { return std::clamp(plot.height() / 30, 2, 8); }

}  // namespace

QColor ColumnChartData::colour(size_t i) const { return i < colours.size() ? colours[i] : kColumnColour; }

QRect ColumnChartGeometry::column(size_t i, double height) const {
    // Six tenths of the slot, at most 60 pixels, in its middle.
    const double half = std::min(slotWidth * 0.3, 30.0);
    const double centre = (i + 0.5) * slotWidth;
    const int left = plot.left() + int(std::lround(centre - half));
    const int right = plot.left() + int(std::lround(centre + half)) - 1;
    const int h = int(std::lround(std::clamp(height, 0.0, top) / top * plot.height()));
    return QRect(QPoint(left, plot.bottom() - h + 1), QPoint(std::max(left, right), plot.bottom()));
}

ColumnChartGeometry columnChartGeometry(const ColumnChartData& data, const QRect& area) {
    ColumnChartGeometry g;
    g.plot = QRect(area.left() + kAxisWidth, area.top() + kTitleHeight + kTextHeight,
                   std::max(0, area.width() - kAxisWidth - 8),
                   std::max(0, area.height() - kTitleHeight - kTextHeight - kLabelHeight));
    const size_t n = std::min<size_t>(static_cast<size_t>(data.labels.size()), data.heights.size());
    g.slotWidth = n ? double(g.plot.width()) / n : 0;
    double top = 0;
    bool whole = true;
    for (size_t i = 0; i < n; ++i) {
        if (data.isUnseen(i)) continue;
        top = std::max(top, data.heights[i]);
        whole = whole && data.heights[i] == std::floor(data.heights[i]);
    }
    // The top is the first nice tick at or above the highest column (whole steps for whole heights).
    const NiceAxis axis = niceAxis(0, top > 0 ? top : 1, tickIntervals(g.plot), whole);
    g.top = axis.hi;
    g.step = axis.step;
    return g;
}

void paintColumnChart(QPainter& painter, const ColumnChartData& data, const QRect& area) {
    painter.fillRect(area, Qt::white);
    const ColumnChartGeometry g = columnChartGeometry(data, area);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(Qt::black);
    if (!data.title.isEmpty())
        painter.drawText(QRect(g.plot.left(), area.top(), g.plot.width(), kTitleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, data.title);
    if (g.plot.width() <= 0 || g.plot.height() <= 0) return;
    for (const double v : ticksWithin(0, g.top, g.step)) {
        const int y = g.plot.bottom() - int(std::lround(v / g.top * g.plot.height()));
        painter.setPen(QColor(232, 232, 232));
        if (v > 0) painter.drawLine(g.plot.left(), y, g.plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(area.left(), y - metrics.height() / 2, kAxisWidth - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, tickLabel(v, g.step));
    }
    painter.drawLine(g.plot.left(), g.plot.bottom() + 1, g.plot.right(), g.plot.bottom() + 1);
    painter.drawLine(g.plot.left() - 1, g.plot.top(), g.plot.left() - 1, g.plot.bottom() + 1);

    const size_t n = std::min<size_t>(static_cast<size_t>(data.labels.size()), data.heights.size());
    if (n == 0) return;
    // Every k-th label when the widest would not fit its slot.
    int widest = 1;
    for (const QString& label : data.labels) widest = std::max(widest, metrics.horizontalAdvance(label));
    const size_t every = std::max<size_t>(1, size_t(std::ceil((widest + 4) / std::max(1.0, g.slotWidth))));
    int widestText = 1;
    for (const QString& text : data.texts) widestText = std::max(widestText, metrics.horizontalAdvance(text));
    const bool texts = widestText + 2 <= g.slotWidth;
    const QString unseenText = QString::fromUtf8(kUnseenMark);
    const bool unseenFits = metrics.horizontalAdvance(unseenText) + 2 <= g.slotWidth;
    for (size_t i = 0; i < n; ++i) {
        const int centre = g.plot.left() + int(std::lround((i + 0.5) * g.slotWidth));
        if (data.isUnseen(i)) {
            // A small cross on the axis, and the word when the slot is wide enough for it.
            const int half = std::clamp(int(g.slotWidth * 0.3), 2, 5);
            painter.setPen(QPen(kUnseenColour, 1.5));
            const int y = g.plot.bottom() - half - 1;
            painter.drawLine(centre - half, y - half, centre + half, y + half);
            painter.drawLine(centre - half, y + half, centre + half, y - half);
            if (unseenFits)
                painter.drawText(QRect(centre - 60, y - half - kTextHeight, 120, kTextHeight),
                                 Qt::AlignHCenter | Qt::AlignBottom, unseenText);
            painter.setPen(Qt::black);
            if (i % every == 0)
                painter.drawText(QRect(centre - 60, g.plot.bottom() + 2, 120, kLabelHeight),
                                 Qt::AlignHCenter | Qt::AlignTop, data.labels[static_cast<qsizetype>(i)]);
            continue;
        }
        const QRect bar = g.column(i, data.heights[i]);
        if (data.heights[i] > 0) painter.fillRect(bar, data.colour(i));
        painter.setPen(Qt::black);
        if (i % every == 0)
            painter.drawText(QRect(centre - 60, g.plot.bottom() + 2, 120, kLabelHeight),
                             Qt::AlignHCenter | Qt::AlignTop, data.labels[static_cast<qsizetype>(i)]);
        if (texts && i < static_cast<size_t>(data.texts.size()))
            painter.drawText(QRect(centre - 60, bar.top() - kTextHeight, 120, kTextHeight),
                             Qt::AlignHCenter | Qt::AlignBottom, data.texts[static_cast<qsizetype>(i)]);
    }
}

ColumnChart::ColumnChart(QWidget* parent) : QWidget(parent) { setMinimumSize(240, 140); }

void ColumnChart::setData(ColumnChartData data) {
    m_data = std::move(data);
    update();
}

void ColumnChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintColumnChart(painter, m_data, rect());
}

}  // namespace lottodesk
