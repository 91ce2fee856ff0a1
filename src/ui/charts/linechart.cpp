#include "ui/charts/linechart.h"

#include "ui/charts/axisticks.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace lottodesk {
namespace {

constexpr int kAxisWidth = 48;
constexpr int kLegendHeight = 18;
constexpr int kPeriodHeight = 18;
constexpr int kScrollHeight = 16;

QString valueText(double v) {
    return v == std::floor(v) ? QString::number(static_cast<long long>(v)) : QString::number(v, 'f', 2);
}

}  // namespace

QColor lineColour(size_t s) {
    static const QColor palette[] = {QColor(220, 20, 20),  QColor(20, 60, 220), QColor(0, 150, 60),
                                     QColor(200, 120, 0),  QColor(150, 0, 160), QColor(0, 150, 170),
                                     QColor(110, 110, 110)};
    return palette[s % std::size(palette)];
}

void paintLineChart(QPainter& painter, const LineChartData& data, const QRect& area, int first, int window) {
    painter.fillRect(area, Qt::white);
    const int count = static_cast<int>(data.periods.size());
    if (count == 0 || window <= 0 || area.width() < 8 || area.height() < 8) return;
    // The value axis over every shown series and every period.
    double lo = 0, hi = 0;
    bool any = false;
    bool integral = true;  // whole values get whole axis labels
    for (size_t s = 0; s < data.series.size(); ++s) {
        if (!data.isShown(s) || data.series[s].empty()) continue;
        auto begin = data.series[s].begin(), end = data.series[s].end();
        if (data.fitWindow && first >= 0 && first < static_cast<int>(data.series[s].size())) {
            begin += first;
            end = begin + std::min<ptrdiff_t>(window, data.series[s].end() - begin);
        }
        const auto [mn, mx] = std::minmax_element(begin, end);
        lo = any ? std::min(lo, *mn) : *mn;
        hi = any ? std::max(hi, *mx) : *mx;
        any = true;
        for (auto it = begin; it != end && integral; ++it) integral = *it == std::floor(*it);
    }
    if (!any) return;
    if (!data.fitWindow || data.columns) lo = std::min(lo, 0.0);  // columns stand on 0 or below it
    if (!data.levels.isEmpty()) {
        lo = 0;
        hi = std::max<double>(1, data.levels.size() - 1);
    }
    // Grid lines at nice steps, about one per 40 pixels: each label is the exact value of its line.
    const int intervals = std::clamp(area.height() / 40, 2, 10);
    std::vector<double> ticks;
    double tickStep = 1;
    if (!data.levels.isEmpty()) {
        // A class chart has a line and a label per level instead.
    } else if (data.capped && hi > data.cap) {
        hi = data.cap;
        lo = std::min(lo, hi - 1);
        tickStep = niceStep(hi - lo, intervals, integral);
        ticks = ticksWithin(lo, hi, tickStep);
    } else {
        const NiceAxis axis = niceAxis(lo, hi, intervals, integral);
        lo = axis.lo;
        hi = axis.hi;
        tickStep = axis.step;
        ticks = axisTicks(axis);
    }
    const double span = std::max(1e-9, hi - lo);
    const double step = double(area.width()) / window;
    const auto yOf = [&](double v) {
        return area.bottom() - 6 - (std::clamp(v, lo, lo + span) - lo) / span * (area.height() - 12);
    };
    const auto xOf = [&](int k) { return area.left() + step * (k + 0.5); };

    painter.setPen(QColor(232, 232, 232));
    if (!data.levels.isEmpty())
        for (qsizetype l = 0; l < data.levels.size(); ++l)
            painter.drawLine(QPointF(area.left(), yOf(double(l))), QPointF(area.right(), yOf(double(l))));
    for (const double v : ticks) painter.drawLine(QPointF(area.left(), yOf(v)), QPointF(area.right(), yOf(v)));
    const int shown = std::min(window, count - first);
    for (int k = 0; k < shown; ++k) painter.drawLine(QPointF(xOf(k), area.top()), QPointF(xOf(k), area.bottom()));
    painter.setPen(Qt::black);
    const auto levelText = [&](double v) {
        const auto at = static_cast<qsizetype>(std::lround(v));
        return at >= 0 && at < data.levels.size() ? data.levels[at] : valueText(v);
    };
    for (qsizetype l = 0; l < data.levels.size(); ++l)
        painter.drawText(QRectF(area.left() - kAxisWidth, yOf(double(l)) - 7, kAxisWidth - 4, 14), Qt::AlignRight,
                         data.levels[l]);
    for (const double v : ticks)
        painter.drawText(QRectF(area.left() - kAxisWidth, yOf(v) - 7, kAxisWidth - 4, 14), Qt::AlignRight,
                         tickLabel(v, tickStep));
    painter.setRenderHint(QPainter::Antialiasing);
    for (size_t s = 0; s < data.series.size(); ++s) {
        if (!data.isShown(s)) continue;
        const std::vector<double>& values = data.series[s];
        painter.setPen(QPen(lineColour(s), 1.5));
        painter.setBrush(lineColour(s));
        QPointF previous;
        const double base = yOf(std::max(lo, 0.0));
        for (int k = 0; k < shown; ++k) {
            const size_t i = static_cast<size_t>(first + k);
            if (i >= values.size()) break;
            const QPointF at(xOf(k), yOf(values[i]));
            if (data.columns) {
                const double half = std::max(1.0, step * 0.3);
                painter.fillRect(QRectF(QPointF(at.x() - half, std::min(at.y(), base)),
                                        QPointF(at.x() + half, std::max(at.y(), base))),
                                 lineColour(s));
            } else {
                if (k > 0) painter.drawLine(previous, at);
                painter.drawEllipse(at, 2.5, 2.5);
            }
            if (data.labels) {
                const bool marked = s < data.marks.size() && i < data.marks[s].size();
                const double v = marked ? data.marks[s][i] : values[i];
                const QString text = data.levels.isEmpty() ? valueText(v) : levelText(v);
                if (data.columns)
                    painter.drawText(QRectF(at.x() - step, std::min(at.y(), base) - 15, 2 * step, 14),
                                     Qt::AlignHCenter | Qt::AlignBottom, text);
                else
                    painter.drawText(at + QPointF(3, -3), text);
            }
            previous = at;
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Period labels: every sixth period of the window, and its last.
    painter.setPen(Qt::black);
    for (int k = 0; k < shown; ++k) {
        if (k % 6 != 0 && k != shown - 1) continue;
        const auto i = static_cast<size_t>(first + k);
        const int32_t period = data.periods[i];
        const QString text = i < static_cast<size_t>(data.periodLabels.size()) ? data.periodLabels[qsizetype(i)]
                             : period == 9999999 ? QStringLiteral("预测区")
                                                 : QString::number(period % 1000);
        // The last label gives way when it would run into the one before it.
        const bool crowded = k % 6 != 0 && (k % 6) * step < painter.fontMetrics().horizontalAdvance(text) + 6;
        if (crowded) continue;
        // Centred under its point, kept inside the chart at both ends.
        const double width = painter.fontMetrics().horizontalAdvance(text) + 2;
        const double left = std::clamp(xOf(k) - width / 2, double(area.left() - kAxisWidth + 2),
                                       std::max(double(area.left() - kAxisWidth + 2), area.right() + 6 - width));
        painter.drawText(QRectF(left, area.bottom() + 2, width, kPeriodHeight), Qt::AlignLeft, text);
    }
}

LineChart::LineChart(QWidget* parent) : QWidget(parent), m_scroll(new QScrollBar(Qt::Horizontal, this)) {
    setMinimumSize(240, 160);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { update(); });
}

void LineChart::setData(LineChartData data) {
    m_data = std::move(data);
    updateScrollRange();
    scrollToEnd();
    update();
}

void LineChart::setSeriesShown(std::vector<bool> shown) {
    m_data.shown = std::move(shown);
    update();
}

void LineChart::setAxis(bool fitWindow, bool capped, double cap) {
    m_data.fitWindow = fitWindow;
    m_data.capped = capped;
    m_data.cap = cap;
    update();
}

void LineChart::setColumns(bool columns) {
    m_data.columns = columns;
    update();
}

void LineChart::setWindow(int periods) {
    const bool atEnd = m_scroll->value() == m_scroll->maximum();
    m_window = std::max(1, periods);
    updateScrollRange();
    if (atEnd) scrollToEnd();
    update();
}

int LineChart::firstVisible() const { return m_scroll->value(); }

void LineChart::scrollToEnd() { m_scroll->setValue(m_scroll->maximum()); }

void LineChart::updateScrollRange() {
    const int count = static_cast<int>(m_data.periods.size());
    m_scroll->setRange(0, std::max(0, count - m_window));
    m_scroll->setPageStep(m_window);
}

void LineChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scroll->setGeometry(0, height() - kScrollHeight, width(), kScrollHeight);
}

void LineChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect area(kAxisWidth, kLegendHeight + 4, std::max(0, width() - kAxisWidth - 8),
                     std::max(0, height() - kLegendHeight - kPeriodHeight - kScrollHeight - 8));
    paintLineChart(painter, m_data, area, firstVisible(), m_window);
    // The legend: title, then each shown series in its colour.
    int x = kAxisWidth;
    painter.setPen(Qt::black);
    if (!m_data.title.isEmpty()) {
        painter.drawText(QRect(x, 2, 400, kLegendHeight), Qt::AlignLeft | Qt::AlignVCenter, m_data.title);
        x += painter.fontMetrics().horizontalAdvance(m_data.title) + 16;
    }
    // A single series named as the chart needs no legend.
    const bool legend = !(m_data.names.size() == 1 && m_data.names.front() == m_data.title);
    for (size_t s = 0; legend && s < static_cast<size_t>(m_data.names.size()); ++s) {
        if (!m_data.isShown(s)) continue;
        painter.fillRect(QRect(x, 7, 14, 6), lineColour(s));
        painter.drawText(QRect(x + 18, 2, 200, kLegendHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         m_data.names[static_cast<qsizetype>(s)]);
        x += 26 + painter.fontMetrics().horizontalAdvance(m_data.names[static_cast<qsizetype>(s)]);
    }
}

}  // namespace lottodesk
