#include "ui/charts/trendchart.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "core/periodcaption.h"

namespace lottodesk {
namespace {

constexpr int kAxisWidth = 40;     // value labels left of the plot
constexpr int kPeriodHeight = 18;  // period labels below the plot
constexpr int kScrollHeight = 16;

}  // namespace

void paintTrend(QPainter& painter, const TrendSeries& series, const QRect& area, int first, int pointWidth) {
    painter.fillRect(area, Qt::white);
    const int count = static_cast<int>(std::min(series.values.size(), series.periods.size()));
    if (count == 0 || pointWidth <= 0 || area.height() < 4) return;
    const int32_t lo = std::min(series.lo, series.hi);
    const int32_t hi = std::max(series.lo, series.hi);
    const double span = std::max<double>(1.0, double(hi) - lo);
    const auto yOf = [&](int32_t v) {
        const double clamped = std::clamp<double>(v, lo, hi);
        return area.bottom() - int((clamped - lo) / span * (area.height() - 8)) - 4;
    };
    painter.setPen(QColor(230, 230, 230));
    for (int d = 0; d <= 4 && series.grid; ++d) {
        const int y = area.bottom() - 4 - (area.height() - 8) * d / 4;
        painter.drawLine(area.left(), y, area.right(), y);
    }
    const int shown = std::min(count - first, area.width() / pointWidth + 1);
    painter.setRenderHint(QPainter::Antialiasing);
    QPoint previous;
    for (int k = 0; k < shown; ++k) {
        const int i = first + k;
        if (i < 0) continue;
        const QPoint at(area.left() + k * pointWidth + pointWidth / 2, yOf(series.values[i]));
        painter.setPen(QPen(series.colour, 1));
        if (k > 0) painter.drawLine(previous, at);
        painter.setBrush(series.colour);
        painter.drawEllipse(at, 2, 2);
        if (series.marks) painter.drawText(at + QPoint(-4, -5), QString::number(series.values[i]));
        previous = at;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

TrendChart::TrendChart(QWidget* parent) : QWidget(parent), m_scroll(new QScrollBar(Qt::Horizontal, this)) {
    setMinimumSize(200, 120);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { update(); });
}

void TrendChart::setSeries(TrendSeries series) {
    m_series = std::move(series);
    updateScrollRange();
    scrollToEnd();
    update();
}

void TrendChart::setPointWidth(int pixels) {
    m_pointWidth = std::max(2, pixels);
    updateScrollRange();
    update();
}

QRect TrendChart::plotArea() const {
    return QRect(kAxisWidth, 4, std::max(0, width() - kAxisWidth - 4),
                 std::max(0, height() - kPeriodHeight - kScrollHeight - 8));
}

int TrendChart::visibleCount() const { return std::max(1, plotArea().width() / m_pointWidth); }

int TrendChart::firstVisible() const { return m_scroll->value(); }

void TrendChart::scrollToEnd() { m_scroll->setValue(m_scroll->maximum()); }

void TrendChart::updateScrollRange() {
    const int count = static_cast<int>(m_series.values.size());
    m_scroll->setRange(0, std::max(0, count - visibleCount()));
    m_scroll->setPageStep(visibleCount());
}

void TrendChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scroll->setGeometry(0, height() - kScrollHeight, width(), kScrollHeight);
    const bool atEnd = m_scroll->value() == m_scroll->maximum();
    updateScrollRange();
    if (atEnd) scrollToEnd();
}

void TrendChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect area = plotArea();
    paintTrend(painter, m_series, area, firstVisible(), m_pointWidth);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, area.top(), kAxisWidth - 4, 14), Qt::AlignRight, QString::number(m_series.hi));
    painter.drawText(QRect(0, area.bottom() - 14, kAxisWidth - 4, 14), Qt::AlignRight, QString::number(m_series.lo));
    // Period labels: the first and the last point shown.
    const int count = static_cast<int>(m_series.periods.size());
    const int first = firstVisible();
    const int last = std::min(count, first + visibleCount()) - 1;
    if (first < count && last >= first) {
        painter.drawText(QRect(area.left(), area.bottom() + 2, 80, kPeriodHeight), Qt::AlignLeft,
                         QString::fromStdString(periodCaption(m_series.periods[first])));
        painter.drawText(QRect(area.right() - 80, area.bottom() + 2, 80, kPeriodHeight), Qt::AlignRight,
                         QString::fromStdString(periodCaption(m_series.periods[last])));
    }
    if (!m_series.title.isEmpty())
        painter.drawText(area.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_series.title);
}

}  // namespace lottodesk
