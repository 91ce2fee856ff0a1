#pragma once
// "扩展系列一" and "扩展系列二" of "走势分析": an extended indicator composed from the page's
// radio buttons and lists (analysis/indicatorcombos), its trend over a window of periods, "指标剖析"
// to the indicator analysis and "转至过滤设置" to the generator's custom-indicator conditions.

#include <QString>
#include <string>
#include <vector>

#include "analysis/indicatorcombos.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace lottodesk {

class LineChart;

class ExtendedSeriesPage : public AnalysisPage {
    Q_OBJECT
public:
    // The second page holds "同位遗传相关：" only; the first every other kind.
    ExtendedSeriesPage(bool second, const AnalysisContext& context, QWidget* parent = nullptr);

    static QString caption(bool second) { return second ? QStringLiteral("扩展系列二") : QStringLiteral("扩展系列一"); }
    void refresh() override;

    // The identifier the page's settings compose.
    std::string identifier() const;
    LineChart* chart() const { return m_chart; }
    QRadioButton* kindButton(ExtendedSeriesKind kind) const;
    // The parameter boxes of `kind` in order ("类型" of the second page is a list).
    std::vector<QWidget*> parameterBoxes(ExtendedSeriesKind kind) const;

private:
    struct Row {
        ExtendedSeriesKind kind;
        QRadioButton* button;
        std::vector<QWidget*> boxes;  // QSpinBox, or QComboBox for "类型"
    };
    const Row* currentRow() const;
    void settingsChanged();
    void compute();
    void toFilter();

    bool m_second;
    AnalysisContext m_context;
    std::vector<Row> m_rows;
    QRadioButton* m_countStyle = nullptr;  // "求奖号个数"
    QRadioButton* m_sumStyle = nullptr;    // "求奖号和值"
    QComboBox* m_window = nullptr;
    LineChart* m_chart = nullptr;
    QPushButton* m_filter = nullptr;
    std::string m_shown;  // the identifier on the chart
};

void addExtendedSeriesPages(Tf_fxd& window, const AnalysisContext& context);

}  // namespace lottodesk
