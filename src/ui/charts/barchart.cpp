#include "ui/charts/barchart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lottodesk {
namespace {

constexpr int kLeft = 30, kBottom = 40, kMargin = 60, kDivisions = 10;

int32_t largest(const BarChartData& data) {
    int32_t m = 0;
    for (size_t i = 0; i < data.slotLabels.size(); ++i) {
        if (i < data.first.size()) m = std::max(m, data.first[i]);
        if (i < data.second.size()) m = std::max(m, data.second[i]);
    }
    return m;
}

}  // namespace

int BarChartGeometry::firstLeft(int i) const { return originX + int(std::lround((i - 1 + 2.0 / 3.0) * slotWidth)); }
int BarChartGeometry::firstRight(int i) const { return originX + int(std::lround(i * slotWidth)); }
int BarChartGeometry::secondLeft(int i) const { return firstRight(i); }
int BarChartGeometry::secondRight(int i) const { return secondLeft(i) + int(std::lround(slotWidth / 3)); }
int BarChartGeometry::barHeight(int32_t value) const {
    return int(std::lround(value * (plotHeight / double(kDivisions * step))));
}

BarChartGeometry barChartGeometry(const BarChartData& data, int width, int height) {
    BarChartGeometry g;
    g.originX = kLeft;
    g.originY = height - kBottom;
    g.plotWidth = std::max(0, width - kMargin);
    g.plotHeight = std::max(0, height - kMargin);
    g.step = largest(data) / kDivisions + 1;
    g.slotWidth = data.slotLabels.empty() ? 0 : g.plotWidth / double(data.slotLabels.size());
    return g;
}

void paintBarChart(QPainter& painter, const BarChartData& data, int width, int height) {
    painter.fillRect(0, 0, width, height, Qt::white);
    const BarChartGeometry g = barChartGeometry(data, width, height);
    const QFontMetrics metrics = painter.fontMetrics();

    // Legend at the bottom left.
    const int legendY = height - 16;
    painter.fillRect(kLeft, legendY, 10, 10, Qt::red);
    painter.setPen(Qt::black);
    painter.drawText(kLeft + 14, legendY + 10, data.firstLegend);
    const int secondX = kLeft + 24 + metrics.horizontalAdvance(data.firstLegend);
    painter.fillRect(secondX, legendY, 10, 10, Qt::blue);
    painter.drawText(secondX + 14, legendY + 10, data.secondLegend);

    // Axes, grid lines and division labels.
    painter.drawLine(g.originX, g.originY, g.originX, g.originY - g.plotHeight);
    painter.drawLine(g.originX, g.originY, g.originX + g.plotWidth, g.originY);
    painter.setPen(QColor(220, 220, 220));
    for (int d = 1; d <= kDivisions; ++d) {
        const int y = g.originY - g.plotHeight * d / kDivisions;
        painter.drawLine(g.originX + 1, y, g.originX + g.plotWidth, y);
    }
    painter.setPen(Qt::black);
    for (int d = 1; d <= kDivisions; ++d) {
        const int y = g.originY - g.plotHeight * d / kDivisions;
        const QString label = QString::number(g.step * d);
        painter.drawText(g.originX - 7 - metrics.horizontalAdvance(label), y + metrics.ascent() / 2, label);
    }

    for (size_t s = 0; s < data.slotLabels.size(); ++s) {
        const int i = int(s) + 1;
        const QString label = QString::number(data.slotLabels[s]);
        const int centre = g.originX + int(std::lround((i - 0.5) * g.slotWidth));
        painter.drawText(centre - metrics.horizontalAdvance(label) / 2, g.originY + 5 + metrics.ascent(), label);
        if (data.showFirst && s < data.first.size()) {
            const int h = g.barHeight(data.first[s]);
            painter.fillRect(QRect(QPoint(g.firstLeft(i), g.originY - h), QPoint(g.firstRight(i) - 1, g.originY - 1)),
                             Qt::red);
            const QString value = QString::number(data.first[s]);
            painter.drawText(g.firstRight(i) - metrics.horizontalAdvance(value), g.originY - h - 2, value);
        }
        if (data.showSecond && s < data.second.size()) {
            const int h = g.barHeight(data.second[s]);
            painter.fillRect(QRect(QPoint(g.secondLeft(i), g.originY - h), QPoint(g.secondRight(i) - 1, g.originY - 1)),
                             Qt::blue);
            painter.drawText(g.secondLeft(i), g.originY - h - 2, QString::number(data.second[s]));
        }
    }
}

BarChart::BarChart(QWidget* parent) : QWidget(parent) { setMinimumSize(200, 150); }

void BarChart::setData(BarChartData data) {
    m_data = std::move(data);
    m_hasData = true;
    update();
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_hasData) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    paintBarChart(painter, m_data, width(), height());
}

}  // namespace lottodesk
