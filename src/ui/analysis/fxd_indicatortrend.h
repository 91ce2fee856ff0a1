#pragma once
// "指标走势" of "走势分析": a tree of the catalogue's indicator series and the saved custom
// indicators; the chosen indicator's series over the whole history on the upper chart, one of its
// features on the lower chart, and the statistics box of both (analysis/indicatortrend). A feature
// option recomputes only the feature series; the chart properties (Tf_zsdset) only repaint and
// recount the box.

#include <QDialog>
#include <functional>
#include <string>

#include "analysis/indicatortrend.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/f_zsdset.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace lottodesk {

class TrendChart;

class IndicatorTrendPage : public AnalysisPage {
    Q_OBJECT
public:
    using DialogRunner = std::function<int(QDialog&)>;
    explicit IndicatorTrendPage(const AnalysisContext& context, QWidget* parent = nullptr);

    static QString caption() { return QStringLiteral("指标走势"); }
    void refresh() override;
    // Tests answer the chart properties dialog through this.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // Shows the indicator `code` captioned `name`, as choosing it in the tree does.
    void showIndicator(const std::string& code, const std::string& name);

    QTreeWidget* tree() const { return m_tree; }
    TrendChart* indicatorChart() const { return m_valueChart; }
    TrendChart* featureChart() const { return m_featureChart; }
    QComboBox* featureBox() const { return m_feature; }
    QComboBox* displayBox() const { return m_display; }
    QString statisticsText() const;
    const IndicatorTrend& trend() const { return m_trend; }
    const TrendChartProperties& properties() const { return m_properties; }

private:
    void fillTree();
    void chooseItem(QTreeWidgetItem* item);
    void recomputeFeatures();
    void showCharts();
    void showStatistics();
    void editProperties();
    FeatureOptions featureOptions() const;

    AnalysisContext m_context;
    DialogRunner m_runDialog;
    IndicatorTrend m_trend;
    std::string m_code;
    std::string m_name;
    TrendChartProperties m_properties;

    QTreeWidget* m_tree = nullptr;
    QComboBox* m_display = nullptr;
    QComboBox* m_feature = nullptr;
    QSpinBox* m_middle = nullptr;
    QSpinBox* m_divisor = nullptr;
    QPushButton* m_analyse = nullptr;
    TrendChart* m_valueChart = nullptr;
    TrendChart* m_featureChart = nullptr;
    QPlainTextEdit* m_statistics = nullptr;
};

}  // namespace lottodesk
