#pragma once
// BarChart: one slot per number with up to two bars (red and blue) on a common scale of ten
// divisions, a legend at the bottom left and each bar's value above it. The painting is a free
// function over any QPainter, so tests render it into a QImage.

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QPainter;

namespace lottodesk {

struct BarChartData {
    std::vector<int32_t> slotLabels;  // one per slot, in drawing order
    std::vector<int32_t> first;       // the red bars ("出现次数"), one per slot
    std::vector<int32_t> second;      // the blue bars ("遗漏次数"), one per slot
    bool showFirst = true;
    bool showSecond = true;
    QString firstLegend;
    QString secondLegend;
};

// Geometry of the plot: origin 30 px from the left and 40 px from the bottom, width − 60 wide,
// height − 60 high, ten divisions of step trunc(max / 10) + 1.
struct BarChartGeometry {
    int originX = 0, originY = 0, plotWidth = 0, plotHeight = 0, step = 1;
    double slotWidth = 0;
    // x of the red bar's left and right ends and of the blue bar's ends of slot i (1-based).
    int firstLeft(int i) const;
    int firstRight(int i) const;
    int secondLeft(int i) const;
    int secondRight(int i) const;
    int barHeight(int32_t value) const;
};

BarChartGeometry barChartGeometry(const BarChartData& data, int width, int height);
void paintBarChart(QPainter& painter, const BarChartData& data, int width, int height);

class BarChart : public QWidget {
    Q_OBJECT
public:
    explicit BarChart(QWidget* parent = nullptr);
    void setData(BarChartData data);
    const BarChartData& data() const { return m_data; }
    // Nothing is drawn until the first data arrive.
    bool hasData() const { return m_hasData; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BarChartData m_data;
    bool m_hasData = false;
};

}  // namespace lottodesk
