#pragma once
// Tf_zsdset ("图表属性设置"): the properties of the indicator trend's charts: the range the
// statistics box counts over, the grid, the marks at the points and the display mode.

#include <QDialog>
#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace lottodesk {

struct TrendChartProperties {
    enum class Range { All, Shown, Periods };         // "全部记录", "当前显示的记录", "设定范围"
    enum class Display { Regular, Compact, Capped };  // "常规显示", "紧凑显示", "限制y轴最大值"
    Range range = Range::All;
    int32_t fromPeriod = 0;  // "设定范围": 0 until chosen (the 100th most recent draw)
    int32_t toPeriod = 0;    // 0: the newest
    bool grid = true;        // "网格"
    bool marks = false;      // "标识": the value written at each point
    Display display = Display::Regular;
    int cap = 100;  // "限制y轴最大值": 10..1000
};

class Tf_zsdset : public QDialog {
    Q_OBJECT
public:
    // `periods`: every period of the history, oldest first, offered around "<=统计区域<=".
    Tf_zsdset(const std::vector<int32_t>& periods, QWidget* parent = nullptr);

    void fill(const TrendChartProperties& properties);
    // The properties as set; the two periods in order.
    TrendChartProperties properties() const;

private:
    void enableRange();

    std::vector<int32_t> m_periods;
    QRadioButton* m_all;
    QRadioButton* m_shown;
    QRadioButton* m_periodsRange;
    QComboBox* m_from;
    QComboBox* m_to;
    QCheckBox* m_grid;
    QCheckBox* m_marks;
    QComboBox* m_display;
    QSpinBox* m_cap;
};

}  // namespace lottodesk
