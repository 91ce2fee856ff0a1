#pragma once
// The chart pages of "走势分析": "红号余数图", "间隔分析", "离中量", "主号遗漏走势" and
// "副号遗漏走势". Each draws its series (analysis/trendcharts) over a window of 36 to 66 periods
// with a scroll bar; the data are computed when the page is shown after a change of the history,
// or when an option that changes them is set; choosing which series to show only repaints.

#include <QString>

#include "analysis/trendcharts.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"

class QComboBox;
class QPushButton;

namespace lottodesk {

class LineChart;

class ChartTrendPage : public AnalysisPage {
    Q_OBJECT
public:
    enum class Kind { Remainders, Spacing, Dispersion, MainOmission, SecondaryOmission };
    ChartTrendPage(Kind kind, const AnalysisContext& context, QWidget* parent = nullptr);

    static QString caption(Kind kind);
    void refresh() override;

    Kind kind() const { return m_kind; }
    LineChart* chart() const { return m_chart; }
    const TrendChartData& data() const { return m_data; }
    QComboBox* windowBox() const { return m_window; }
    // The remainder divisor, the spacing shown, the dispersion measure, or the omission number.
    QComboBox* choiceBox() const { return m_choice; }

private:
    void compute();
    void showChoice();
    void moveBy(int periods);
    void handToAnalysis();
    bool omissionKind() const { return m_kind == Kind::MainOmission || m_kind == Kind::SecondaryOmission; }

    Kind m_kind;
    AnalysisContext m_context;
    TrendChartData m_data;
    LineChart* m_chart = nullptr;
    QComboBox* m_window = nullptr;
    QComboBox* m_choice = nullptr;
    QComboBox* m_marks = nullptr;  // "间距标识" / "主号标识" of the spacing page
    QPushButton* m_analyse = nullptr;
};

// Adds the five chart pages to the window.
void addChartTrendPages(Tf_fxd& window, const AnalysisContext& context);

}  // namespace lottodesk
