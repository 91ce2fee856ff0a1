#pragma once
// CandleChart: a K-line of one integer series, one candle per period (open = the previous
// period's value, close = this one's), with a row of signal texts under the candles. A rising
// candle is red and hollow, a falling one green and filled, an unchanged one (and the first
// period) a horizontal line. Only the candles of the visible window are painted, and the value
// axis spans the whole series, so scrolling only repaints. The painting is a free function over
// any QPainter, so tests render it into a QImage.

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "analysis/signalchart.h"

class QPainter;
class QScrollBar;

namespace lottodesk {

struct CandleChartData {
    std::vector<int32_t> periods;      // one per candle, oldest first
    std::vector<Candle> candles;       // one per period
    QStringList signalTexts;           // the signal row, one per period (may be empty)
    std::vector<uint8_t> signalFirst;  // per period: the first class of the pair (drawn red, else blue)
    QString title;
    bool capped = false;  // "限制y轴最大值": the axis ends at `cap` when the series goes above it
    int32_t cap = 100;
};

// The value axis: from the lowest value (0 when none is negative) to the highest, or to the cap.
struct CandleAxis {
    int32_t lo = 0;
    int32_t hi = 1;
};
CandleAxis candleAxis(const CandleChartData& data);

// The rectangle of the candles inside `area` (value labels left, signal row and periods below).
QRect candlePlot(const QRect& area);
// The y of a value in the plot; values beyond the axis are drawn at its end.
int candleY(int32_t value, const QRect& plot, CandleAxis axis);

// Where a candle is drawn: `body` spans open and close (one pixel high for a line); `x` is the
// middle of its slot. Slot `slot` is counted from the plot's left edge.
struct CandleShape {
    CandleKind kind = CandleKind::Line;
    QRect body;
    int x = 0;
    bool isLine() const { return kind == CandleKind::Line || body.height() <= 1; }
};
CandleShape candleShape(const Candle& candle, int slot, const QRect& plot, CandleAxis axis, int slotWidth);

inline const QColor kRiseColour{220, 20, 20};
inline const QColor kFallColour{0, 150, 60};

// Candles first.. (as many as fit `slotWidth`) into `area`, the axis labels, the signal row and
// the period labels.
void paintCandleChart(QPainter& painter, const CandleChartData& data, const QRect& area, int first, int slotWidth);

class CandleChart : public QWidget {
    Q_OBJECT
public:
    explicit CandleChart(QWidget* parent = nullptr);

    // New candles; the chart opens on the newest periods.
    void setData(CandleChartData data);
    const CandleChartData& data() const { return m_data; }
    // The cap of the value axis; repaints only.
    void setCap(bool capped, int32_t cap);
    // The periods shown at once (36 by default); the candles share the width.
    void setWindow(int periods);
    int window() const { return m_window; }
    int slotWidth() const;
    int firstVisible() const;
    int visibleCount() const;
    // Moves the window so that `first` is its first candle (as far as the series allows).
    void setFirstVisible(int first);
    void scrollToEnd();
    QScrollBar* scrollBar() const { return m_scroll; }
    // The area the chart paints into (the widget without its scroll bar).
    QRect chartArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollRange();

    CandleChartData m_data;
    int m_window = 36;
    QScrollBar* m_scroll;
};

}  // namespace lottodesk
