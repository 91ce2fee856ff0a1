#include "ui/charts/candlechart.h"

#include "ui/charts/axisticks.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace lottodesk {
namespace {

constexpr int kAxisWidth = 44;     // value labels left of the plot
constexpr int kTitleHeight = 18;   // the title above the plot
constexpr int kSignalHeight = 18;  // the signal row under the plot
constexpr int kPeriodHeight = 16;  // period labels under the signal row
constexpr int kScrollHeight = 16;
constexpr int kInset = 4;  // the axis ends this far inside the plot

const QColor kSecondClassColour{20, 60, 220};

}  // namespace

CandleAxis candleAxis(const CandleChartData& data) {
    if (data.candles.empty()) return {};
    int32_t lo = 0, hi = data.candles.front().close;
    for (const Candle& c : data.candles) {
        lo = std::min({lo, c.open, c.close});
        hi = std::max({hi, c.open, c.close});
    }
    if (data.capped && hi > data.cap) hi = data.cap;
    if (lo >= hi) lo = hi - 1;
    return {lo, hi};
}

QRect candlePlot(const QRect& area) {
    return QRect(area.left() + kAxisWidth, area.top() + kTitleHeight, std::max(0, area.width() - kAxisWidth - 4),
                 std::max(0, area.height() - kTitleHeight - kSignalHeight - kPeriodHeight));
}

int candleY(int32_t value, const QRect& plot, CandleAxis axis) {
    const double span = std::max<double>(1.0, double(axis.hi) - axis.lo);
    const double v = std::clamp<double>(value, axis.lo, axis.hi);
    const int usable = std::max(0, plot.height() - 2 * kInset - 1);
    return plot.bottom() - kInset - int((v - axis.lo) / span * usable + 0.5);
}

CandleShape candleShape(const Candle& candle, int slot, const QRect& plot, CandleAxis axis, int slotWidth) {
    CandleShape shape;
    shape.kind = candle.kind;
    const int left = plot.left() + slot * slotWidth;
    shape.x = left + slotWidth / 2;
    const int inset = slotWidth >= 8 ? 2 : 0;
    const int top = candleY(std::max(candle.open, candle.close), plot, axis);
    const int bottom = candleY(std::min(candle.open, candle.close), plot, axis);
    if (candle.kind == CandleKind::Line) {
        const int y = candleY(candle.close, plot, axis);
        shape.body = QRect(left + inset, y, std::max(1, slotWidth - 2 * inset), 1);
    } else {
        shape.body = QRect(QPoint(left + inset, top), QPoint(left + std::max(inset, slotWidth - inset - 1), bottom));
    }
    return shape;
}

void paintCandleChart(QPainter& painter, const CandleChartData& data, const QRect& area, int first, int slotWidth) {
    painter.fillRect(area, Qt::white);
    const QRect plot = candlePlot(area);
    const int count = static_cast<int>(std::min(data.candles.size(), data.periods.size()));
    if (!data.title.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(QRect(plot.left(), area.top(), plot.width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         data.title);
    }
    if (count == 0 || slotWidth <= 0 || plot.width() <= 0 || plot.height() < 2 * kInset + 2) return;
    const CandleAxis axis = candleAxis(data);

    // Grid lines and value labels at the whole multiples of a nice step inside the axis, about
    // one per 40 pixels, so each label is the value of its line.
    const QFontMetrics metrics = painter.fontMetrics();
    const double step = niceStep(double(axis.hi) - axis.lo, std::clamp(plot.height() / 40, 2, 10), true);
    for (const double tick : ticksWithin(axis.lo, axis.hi, step)) {
        const auto v = static_cast<int32_t>(tick);
        const int y = candleY(v, plot, axis);
        painter.setPen(QColor(232, 232, 232));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(area.left(), y - metrics.height() / 2, kAxisWidth - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    painter.setPen(Qt::gray);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    const int shown = std::max(0, std::min(count - first, plot.width() / slotWidth));
    const int signalTop = plot.bottom() + 1;
    for (int k = 0; k < shown; ++k) {
        const auto i = static_cast<size_t>(first + k);
        const CandleShape shape = candleShape(data.candles[i], k, plot, axis, slotWidth);
        if (shape.kind == CandleKind::Line) {
            painter.setPen(Qt::black);
            painter.drawLine(shape.body.left(), shape.body.top(), shape.body.right(), shape.body.top());
        } else {
            const QColor colour = shape.kind == CandleKind::Rise ? kRiseColour : kFallColour;
            // The shadow from open to close is the body itself: the candle has no wicks.
            if (shape.isLine()) {
                painter.setPen(colour);
                painter.drawLine(shape.body.left(), shape.body.top(), shape.body.right(), shape.body.top());
            } else if (shape.kind == CandleKind::Rise) {
                // Hollow: white inside, so no grid line runs through the body.
                painter.setPen(colour);
                painter.setBrush(Qt::white);
                painter.drawRect(shape.body.adjusted(0, 0, -1, -1));
                painter.setBrush(Qt::NoBrush);
            } else {
                painter.fillRect(shape.body, colour);
            }
        }
        const QRect cell(plot.left() + k * slotWidth, signalTop, slotWidth, kSignalHeight);
        if (i < static_cast<size_t>(data.signalTexts.size())) {
            const bool firstClass = i < data.signalFirst.size() && data.signalFirst[i];
            painter.setPen(firstClass ? kRiseColour : kSecondClassColour);
            painter.drawText(cell, Qt::AlignCenter, data.signalTexts[static_cast<qsizetype>(i)]);
        }
        // Period labels: every sixth candle of the window and its last.
        if (k % 6 == 0 || k == shown - 1) {
            const int32_t period = data.periods[i];
            painter.setPen(Qt::black);
            painter.drawText(QRect(shape.x - 40, signalTop + kSignalHeight, 80, kPeriodHeight), Qt::AlignHCenter,
                             period == 9999999 ? QStringLiteral("预测区") : QString::number(period % 1000));
        }
    }
}

CandleChart::CandleChart(QWidget* parent) : QWidget(parent), m_scroll(new QScrollBar(Qt::Horizontal, this)) {
    setMinimumSize(240, 140);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { update(); });
}

void CandleChart::setData(CandleChartData data) {
    m_data = std::move(data);
    updateScrollRange();
    scrollToEnd();
    update();
}

void CandleChart::setCap(bool capped, int32_t cap) {
    m_data.capped = capped;
    m_data.cap = cap;
    update();
}

QRect CandleChart::chartArea() const { return QRect(0, 0, width(), std::max(0, height() - kScrollHeight)); }

void CandleChart::setWindow(int periods) {
    const bool atEnd = m_scroll->value() == m_scroll->maximum();
    m_window = std::max(1, periods);
    updateScrollRange();
    if (atEnd) scrollToEnd();
    update();
}

int CandleChart::slotWidth() const { return std::max(3, candlePlot(chartArea()).width() / m_window); }

int CandleChart::visibleCount() const {
    return std::max(1, std::min(m_window, candlePlot(chartArea()).width() / slotWidth()));
}

int CandleChart::firstVisible() const { return m_scroll->value(); }

void CandleChart::setFirstVisible(int first) { m_scroll->setValue(first); }

void CandleChart::scrollToEnd() { m_scroll->setValue(m_scroll->maximum()); }

void CandleChart::updateScrollRange() {
    const int count = static_cast<int>(m_data.candles.size());
    m_scroll->setRange(0, std::max(0, count - visibleCount()));
    m_scroll->setPageStep(visibleCount());
}

void CandleChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scroll->setGeometry(0, height() - kScrollHeight, width(), kScrollHeight);
    const bool atEnd = m_scroll->value() == m_scroll->maximum();
    updateScrollRange();
    if (atEnd) scrollToEnd();
}

void CandleChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCandleChart(painter, m_data, chartArea(), firstVisible(), slotWidth());
}

}  // namespace lottodesk
