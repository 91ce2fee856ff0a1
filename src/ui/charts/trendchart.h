#pragma once
// TrendChart: a line chart of one integer series over the periods, scrolled horizontally. Only
// the points of the visible window are painted, so a series over the whole history scrolls as
// fast as a short one. The painting is a free function over any QPainter.

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QPainter;
class QScrollBar;

namespace lottodesk {

struct TrendSeries {
    std::vector<int32_t> periods;  // one per point, oldest first
    std::vector<int32_t> values;   // one per point
    int32_t lo = 0;                // the value axis
    int32_t hi = 0;
    QString title;
    QColor colour = Qt::red;
    bool grid = true;    // horizontal grid lines
    bool marks = false;  // the value written above each point
};

// Paints points first..first+count-1 of `series` into `area` with `pointWidth` pixels per point.
void paintTrend(QPainter& painter, const TrendSeries& series, const QRect& area, int first, int pointWidth);

class TrendChart : public QWidget {
    Q_OBJECT
public:
    explicit TrendChart(QWidget* parent = nullptr);

    void setSeries(TrendSeries series);
    const TrendSeries& series() const { return m_series; }
    void setPointWidth(int pixels);
    int pointWidth() const { return m_pointWidth; }
    // The first point shown; the chart opens on the newest points.
    int firstVisible() const;
    int visibleCount() const;
    void scrollToEnd();
    QScrollBar* scrollBar() const { return m_scroll; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect plotArea() const;
    void updateScrollRange();

    TrendSeries m_series;
    int m_pointWidth = 12;
    QScrollBar* m_scroll;
};

}  // namespace lottodesk
