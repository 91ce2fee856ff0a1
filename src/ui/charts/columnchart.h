#pragma once
// ColumnChart: one labelled column per entry (a value, a class), each with its own colour and a
// text above it (a count, a percentage), on a value axis from 0 to the highest column. Labels
// that would overlap are thinned out. The painting is a free function over any QPainter, so tests
// render it into a QImage.

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QPainter;

namespace lottodesk {

struct ColumnChartData {
    QStringList labels;           // under each column, in drawing order
    std::vector<double> heights;  // one per column, 0 or more
    QStringList texts;            // above each column (may be empty)
    std::vector<QColor> colours;  // one per column; empty: all kColumnColour
    // Per column (or empty: none): a value never seen has no column. It gets kUnseenMark at the
    // axis instead and leaves the scale to the values seen.
    std::vector<bool> unseen;
    QString title;

    bool isUnseen(size_t i) const { return i < unseen.size() && unseen[i]; }

    QColor colour(size_t i) const;
};

inline const QColor kColumnColour{200, 40, 40};
inline const QColor kUnseenColour{120, 120, 120};
inline constexpr const char* kUnseenMark = "未出";

struct ColumnChartGeometry {
    QRect plot;
    double slotWidth = 0;
    double top = 1;   // the value at the top of the plot, a multiple of step
    double step = 1;  // between the grid lines
    // The rectangle of column i (its height 0 for a zero column).
    QRect column(size_t i, double height) const;
};
ColumnChartGeometry columnChartGeometry(const ColumnChartData& data, const QRect& area);
void paintColumnChart(QPainter& painter, const ColumnChartData& data, const QRect& area);

class ColumnChart : public QWidget {
    Q_OBJECT
public:
    explicit ColumnChart(QWidget* parent = nullptr);
    void setData(ColumnChartData data);
    const ColumnChartData& data() const { return m_data; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColumnChartData m_data;
};

}  // namespace lottodesk
