#pragma once
// "常规数据表" (data tables 1–3) and "红号分布图" (the main-number distribution chart) of "走势分析".

#include <QString>
#include <array>
#include <memory>

#include "analysis/coldhotperiod.h"
#include "analysis/distribution.h"
#include "core/datatransform.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/fxd_controls.h"

class QComboBox;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace lottodesk {

class CellGridView;
class TextTableModel;
struct CellTable;

// "数据表1", "数据表2", "数据表3": each computed when first shown after a change; "刷新" all three.
class DataTablesPage : public AnalysisPage {
    Q_OBJECT
public:
    explicit DataTablesPage(const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption() { return QStringLiteral("常规数据表"); }
    void refresh() override;

    QTabWidget* tables() const { return m_tabs; }
    TextTableModel* model(int table) const { return m_models[static_cast<size_t>(table)]; }

private:
    void computeShown();

    AnalysisContext m_context;
    QTabWidget* m_tabs;
    std::array<TextTableModel*, 3> m_models{};
    std::array<QTableView*, 3> m_views{};
    std::array<bool, 3> m_stale{true, true, true};
};

// "红号分布图": a row per period and the selection row under them; drawn numbers as balls, marked
// by the chosen rule ("关联分布") or coloured by their cold/warm/hot class ("冷温热分布").
class DistributionPage : public AnalysisPage {
    Q_OBJECT
public:
    explicit DistributionPage(const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption() { return QStringLiteral("红号分布图"); }
    void refresh() override;

    const DistributionChart& chart() const { return m_chart; }
    const CellTable& table() const;
    CellGridView* grid() const { return m_grid; }
    QComboBox* ruleBox() const { return m_rule; }
    QRadioButton* coldHotButton() const { return m_coldHot; }
    void toggleSelected(int column);
    void importSelection();
    void clearPrediction();
    // "上一页", "下一页": the view moves by one period.
    void stepBack();
    void stepForward();
    void changeColdHotSettings();
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    int display() const { return m_display; }  // "显示模式": 0 球+数字, 1 球, 2 方块+数字, 3 方块

private:
    void compute();
    void showMarks();

    AnalysisContext m_context;
    DistributionChart m_chart;
    WarmthTimeline m_timeline;
    std::shared_ptr<CellTable> m_table;
    NumberFlags m_selection{};
    CellGridView* m_grid;
    QComboBox* m_rule;
    QRadioButton* m_pattern;
    QRadioButton* m_coldHot;
    DialogRunner m_runDialog = execDialog();
    int m_display = 0;
};

}  // namespace lottodesk
