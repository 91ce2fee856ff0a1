#pragma once
// "指标组合", "形态走势" and "形态图表" of "走势分析": several indicators looked at together.
// "指标组合" computes a feature of the indicators' values as one set; "形态走势" the pattern of two
// or three indicators as a trend, "形态图表" every pattern type as a table. Each page composes its
// identifier (analysis/indicatorcombos), keeps a list of common combinations in its file, and
// hands the identifier to the indicator analysis or to the generator.

#include <QWidget>
#include <string>
#include <vector>

#include "analysis/indicatorcombos.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/fxd_controls.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;

namespace lottodesk {

class LineChart;
class TextTableModel;

// The indicator boxes of a page, each with a "..." button that opens the assisted input.
class IndicatorBoxes : public QWidget {
    Q_OBJECT
public:
    IndicatorBoxes(int count, const QStringList& defaults, const AnalysisContext& context, const DialogRunner* runner,
                   QWidget* parent = nullptr);
    std::vector<std::string> texts() const;
    void setTexts(const std::vector<std::string>& texts);
    void setText(int box, const QString& text);
    QLineEdit* box(int i) const { return m_boxes[static_cast<size_t>(i)]; }
    int count() const { return static_cast<int>(m_boxes.size()); }

Q_SIGNALS:
    // A box was filled through its chooser.
    void chosen(int box, const QString& text);

private:
    std::vector<QLineEdit*> m_boxes;
};

// "常用指标组合" with "设置": a click on an entry hands its indicators over; "设置" edits the list
// and rewrites the file.
class CommonCombinationList : public QWidget {
    Q_OBJECT
public:
    CommonCombinationList(std::string path, const std::vector<CommonCombination>& fallback,
                          const AnalysisContext& context, const DialogRunner* runner, QWidget* parent = nullptr);
    const std::vector<CommonCombination>& entries() const { return m_entries; }
    QListWidget* list() const { return m_list; }
    void edit();

Q_SIGNALS:
    void chosen(const CommonCombination& entry);

private:
    void showEntries();

    std::string m_path;
    AnalysisContext m_context;
    const DialogRunner* m_runner;
    std::vector<CommonCombination> m_entries;
    QListWidget* m_list;
};

// "指标组合".
class CombinationFeaturePage : public AnalysisPage {
    Q_OBJECT
public:
    explicit CombinationFeaturePage(const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption() { return QStringLiteral("指标组合"); }
    void refresh() override;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    std::string identifier() const;
    IndicatorBoxes* boxes() const { return m_boxes; }
    QComboBox* featureBox() const { return m_feature; }
    CommonCombinationList* common() const { return m_common; }
    LineChart* chart() const { return m_chart; }

private:
    AnalysisContext m_context;
    DialogRunner m_runDialog = execDialog();
    IndicatorBoxes* m_boxes;
    QComboBox* m_feature;
    QComboBox* m_window;
    CommonCombinationList* m_common;
    LineChart* m_chart;
};

// The indicators and pattern type shared by "形态走势" and "形态图表".
class PatternTablePage;

// "形态走势".
class PatternTrendPage : public AnalysisPage {
    Q_OBJECT
public:
    explicit PatternTrendPage(const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption() { return QStringLiteral("形态走势"); }
    void refresh() override;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // Boxes filled through their chooser are copied to the table page's boxes.
    void setTablePage(PatternTablePage* table) { m_table = table; }

    // The pattern identifier ("c_3zbzh:..:t") and its type t.
    std::string identifier() const;
    int type() const;
    void setType(int type);
    void setThree(bool three);
    IndicatorBoxes* boxes() const { return m_boxes; }
    CommonCombinationList* common() const { return m_common; }
    LineChart* chart() const { return m_chart; }
    // "过滤设置".
    void toFilter();

private:
    std::vector<std::string> indicators() const;

    AnalysisContext m_context;
    DialogRunner m_runDialog = execDialog();
    PatternTablePage* m_table = nullptr;
    QRadioButton* m_three;
    IndicatorBoxes* m_boxes;
    QButtonGroup* m_types;
    QComboBox* m_more;
    QComboBox* m_window;
    CommonCombinationList* m_common;
    LineChart* m_chart;
};

// "形态图表".
class PatternTablePage : public AnalysisPage {
    Q_OBJECT
public:
    explicit PatternTablePage(const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption() { return QStringLiteral("形态图表"); }
    void refresh() override;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    IndicatorBoxes* boxes() const { return m_boxes; }
    void setThree(bool three);
    QComboBox* fromBox() const { return m_from; }
    QComboBox* toBox() const { return m_to; }
    TextTableModel* model() const { return m_model; }

private:
    void compute();

    AnalysisContext m_context;
    DialogRunner m_runDialog = execDialog();
    QRadioButton* m_three;
    IndicatorBoxes* m_boxes;
    QComboBox* m_from;
    QComboBox* m_to;
    CommonCombinationList* m_common;
    TextTableModel* m_model;
    QTableView* m_view;
};

void addCombinationPages(Tf_fxd& window, const AnalysisContext& context);

}  // namespace lottodesk
