#pragma once
// LineChart: several named series over the same periods, drawn as lines over a window of a fixed
// number of periods ("显示36期" ..) that a horizontal scroll bar moves, or as columns. Only the window is
// painted; the value axis spans the shown series over the whole history, so scrolling never
// rescales (unless the data ask to fit the window). The painting is a free function over any QPainter, so tests render
// it into a QImage.

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

class QPainter;
class QScrollBar;

namespace lottodesk {

struct LineChartData {
    std::vector<int32_t> periods;             // the x axis, oldest first
    QStringList periodLabels;                 // per point, written under it instead of the period
    QStringList names;                        // one per series, in the legend
    std::vector<std::vector<double>> series;  // series[s][i] at periods[i]
    std::vector<bool> shown;                  // per series; empty: all shown
    QString title;
    bool labels = false;                     // a mark written at each point:
    std::vector<std::vector<double>> marks;  // marks[s][i], or the value when empty
    bool fitWindow = false;                  // the value axis spans the window, not the history
    bool capped = false;                     // "限制y轴最大值": the axis ends at `cap` at most,
    double cap = 100;                        // higher points are drawn at its top
    bool columns = false;                    // each point a column from the axis base, not a line
    QStringList levels;                      // the value axis of a class chart: levels[v] at v = 0, 1, ..

    bool isShown(size_t s) const { return shown.empty() || (s < shown.size() && shown[s]); }
};

// The colour of series s (cycles through a fixed palette).
QColor lineColour(size_t s);
// Points first..first+window-1 into `area`: the lines, the value axis and the period labels.
void paintLineChart(QPainter& painter, const LineChartData& data, const QRect& area, int first, int window);

class LineChart : public QWidget {
    Q_OBJECT
public:
    explicit LineChart(QWidget* parent = nullptr);

    // The chart opens on the newest periods.
    void setData(LineChartData data);
    const LineChartData& data() const { return m_data; }
    void setSeriesShown(std::vector<bool> shown);
    // The value axis: fitted to the window, capped; repaints only.
    void setAxis(bool fitWindow, bool capped, double cap);
    // Columns or lines; repaints only.
    void setColumns(bool columns);
    // The periods shown at once (36, 45, 54, 60, 66).
    void setWindow(int periods);
    int window() const { return m_window; }
    int firstVisible() const;
    void scrollToEnd();
    QScrollBar* scrollBar() const { return m_scroll; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollRange();

    LineChartData m_data;
    int m_window = 36;
    QScrollBar* m_scroll;
};

}  // namespace lottodesk
