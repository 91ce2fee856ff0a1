#pragma once
// Tf_zbpxz ("指标剖析"): the views of one analysed series. The series is computed by the
// analysis session (the history's records are never written); every view shows what the engine
// computes for it and recomputes when its page is shown or one of its options changes.

#include <QColor>
#include <QSet>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysisseries.h"
#include "analysis/fieldlayouts.h"
#include "core/componenttable.h"
#include "core/status.h"
#include "ui/common/handoff.h"
#include "ui/shell/mainpage.h"

class QCheckBox;
class QDialog;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QShowEvent;

#include "analysis/omissionalert.h"

namespace lottodesk {

// The colours of the current omissions in "遗漏次数统计图".
inline const QColor kQuietOmissionColour{30, 30, 30};
inline const QColor kAboveAverageColour{255, 165, 0};
inline const QColor kAbovePreviousColour{210, 100, 0};
inline const QColor kAboveLongestColour{220, 0, 0};
QColor alertColour(OmissionAlert alert);

struct Workspace;
class FileChooser;
class Prompts;
class GridScroller;
class ViewGrid;
class Tf_filter_zbpxz;
class Tf_zj1;
class CandleChart;
class ColumnChart;
class LineChart;
class WindowChooser;
class CellPictures;
class MarkDelegate;

class Tf_zbpxz : public QWidget, public MainPage, public AnalysisOpener {
    Q_OBJECT
public:
    using DialogRunner = std::function<int(QDialog&)>;

    // `generator` finds the generator that takes the filter export (nullptr: none).
    Tf_zbpxz(Workspace& ws, Prompts& prompts, FileChooser& files, std::function<GeneratorHandOff*()> generator,
             QWidget* parent = nullptr);

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // The program's cell pictures for the marked cells (nullptr: painted balls and squares); they
    // must outlive the window. Windows this one opens use them too.
    void setPictures(const CellPictures* pictures);
    // Brings this window's page into view after a series was handed in docked.
    void setShowHook(std::function<void()> show) { m_show = std::move(show); }

    // A series computed by another view over the draw history (its values per record): docked on
    // this window, or in a modal window of its own that leaves this one's series alone.
    void openAnalysis(const AnalysisSeries& series, bool modal) override;
    // A derived series in its own memory-only store (an omission series of one number), in a
    // modal window over `range`; this window's series stays.
    void openDerived(DerivedStore store, ValueRange range, const std::string& caption) override;
    // "剖析" of a catalogue indicator elsewhere: the analysis of `identifier` with the range rule,
    // docked and shown; a failure's message, and the previous series stays.
    void analyseIndicator(const std::string& identifier, const std::string& name) override;

    // "过滤设置" of the signal chart: the series as the chart transforms it becomes a condition.
    void filterSettings();
    // "分区及范围": the range and zone dialog; the range it applied last is the views' range.
    void chooseZones();
    // The value range the views lay out: the series' range, or the one chosen in "分区及范围".
    ValueRange valueRange() const { return m_range; }
    Tf_filter_zbpxz* filterDialog() const { return m_filter; }

    // "开始剖析": the series of `text` (an identifier or a formula) over the draw history with the
    // typed range or the range rule. On failure ("公式有误:" + the evaluator's text) the previous
    // series and every view stay as they were.
    Status analyse(const std::string& text, const std::optional<ValueRange>& typed, const std::string& caption);

    const AnalysisSeries* series() const { return m_session->series(); }
    // The caption of the page that shows this window: "蓝号分析" for the series named "蓝号".
    QString pageCaption() const;
    // The status text of the current view: the caption and the view's suffix.
    QString viewStatus() const;
    // Puts the current view's status text on the main window's status bar.
    void announce() { reportStatus(viewStatus()); }
    // The grid of the current view.
    ViewGrid* currentGrid() const;
    // The class columns chosen in the selection row of "特性图表", by caption ("尾号3", "奇偶奇" ..).
    const QSet<QString>& traitSelection() const { return m_traitSelection; }
    // The K-line of "信号图".
    CandleChart* candleChart() const { return m_candles; }
    // The columns of "出现次数统计图", "遗漏次数统计图" and "分项统计".
    ColumnChart* countsChart() const { return m_countsChart; }
    ColumnChart* omissionChart() const { return m_omissionChart; }
    ColumnChart* classesChart() const { return m_classesChart; }
    // The lines of "均值走势图" and the two of "遗漏值走势" (the omission, its change).
    LineChart* averagesChart() const { return m_averagesChart; }
    LineChart* omissionLine() const { return m_omissionLine; }
    LineChart* omissionChangeLine() const { return m_omissionChangeLine; }
    // The charts of "余数走势图" (one), "特征图" (奇偶, 质合, 大小) and "变化量及尾数图" (常规, 绝对振幅,
    // 尾数), each page's scrolling together.
    const std::vector<LineChart*>& remainderCharts() const { return m_remainderCharts; }
    const std::vector<LineChart*>& featureCharts() const { return m_featureCharts; }
    const std::vector<LineChart*>& changeCharts() const { return m_changeCharts; }
    // The omissions of the chosen value's occurrences, and the statistic per segment.
    LineChart* occurrenceChart() const { return m_occurrenceChart; }
    LineChart* segmentsChart() const { return m_segmentsChart; }
    // "显示36期" .. "显示66期": the periods every drawn trend chart shows at once (beside the pages,
    // enabled on the pages with such a chart).
    QComboBox* periodWindowChoice() const { return m_periodWindow; }
    // The popup menu and scrolling of the current view's grid.
    GridScroller* currentScroller() const;

    void typeChanged() override;
    // The history changed (an update, a transform, the prediction record): the series is computed
    // again on the new history when it came from an indicator or a formula, else the views are
    // cleared; a hidden window does it when next shown.
    void historyChanged() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct View {
        QString caption;
        QString suffix;
        std::function<void()> show;
    };
    void addView(QWidget* page, const char* caption, const char* suffix, std::function<void()> show);
    // The series a view shows, brought up to date with its history first (see historyChanged);
    // null when there is none. Its count is the history's record count.
    const AnalysisSeries* liveSeries();
    // The records of the series' history a view lays out: never more than the series holds.
    DrawHistory seriesDraws(const AnalysisSeries& series) const;
    // The records of a table view of `series`: the last N draws ("近" N), the prediction record
    // after them.
    std::pair<int, int> recentRecords(const AnalysisSeries& series, const QComboBox* recent) const;
    QWidget* buildTraitsPage();
    QWidget* buildOmissionTablePage();
    QWidget* buildLayoutPage();
    QWidget* buildFieldPage();
    QWidget* buildSegmentsPage();
    // A per-record trend page: the charts named `chartNames` stacked above the grid.
    QWidget* buildTransformPage(ViewGrid*& grid, const char* name, QComboBox** divisor, std::vector<LineChart*>& charts,
                                std::initializer_list<const char*> chartNames);
    QWidget* buildOccurrencesPage();
    QWidget* buildOmissionTrendPage();
    // The line charts of "遗漏值走势" follow the axis options; repaints only.
    void applyTrendAxis();
    void showTraits();
    // A click on a class cell of the selection row ("选号区") of "特性图表" chooses or drops it.
    void toggleTraitSelection(int row, int column);
    void showOmissionTable();
    void showLayout();
    void showField();
    void showSegments();
    void showOmissionTrend();
    void showOccurrences();
    void showRemainders();
    void showFeatures();
    void showChanges();
    void loadField();
    void modifyField();
    QWidget* buildSignalPage();
    QWidget* buildAveragesPage();
    QWidget* buildCountsPage();
    QWidget* buildOmissionPage();
    QWidget* buildClassesPage();
    void refresh();
    // The line and column trends; with the K-line, the charts that show a window of periods.
    std::vector<LineChart*> lineCharts() const;
    void applyPeriodWindow();
    void showSignal();
    void showAverages();
    void showCounts();
    void showOmission();
    void showClasses();
    void exportValues();
    void clearViews();
    QPushButton* zonesButton();
    void listComponentFamilies();
    void chooseComponents();
    void adoptSeries(const AnalysisSeries& series);
    void adoptDerived(DerivedStore store, ValueRange range, const std::string& caption);
    void showNewSeries();

    Workspace& m_ws;
    Prompts& m_prompts;
    FileChooser& m_files;
    std::function<GeneratorHandOff*()> m_generator;
    DialogRunner m_runDialog;
    std::function<void()> m_show;
    Tf_filter_zbpxz* m_filter = nullptr;
    ValueRange m_range;
    std::unique_ptr<AnalysisSession> m_session = std::make_unique<AnalysisSession>();
    std::optional<ValueRange> m_typed;  // the range typed for the series' analysis, kept for a new one

    QTabWidget* m_pages = nullptr;
    QComboBox* m_periodWindow = nullptr;
    std::vector<View> m_views;  // per page, in page order
    std::vector<ViewGrid*> m_grids;
    std::vector<GridScroller*> m_scrollers;
    std::vector<MarkDelegate*> m_markDelegates;  // of the grids that mark cells
    const CellPictures* m_pictures = nullptr;

    QComboBox* m_kline = nullptr;
    QComboBox* m_signal = nullptr;
    QLineEdit* m_big = nullptr;
    QRadioButton* m_symbols = nullptr;
    ViewGrid* m_signalGrid = nullptr;
    CandleChart* m_candles = nullptr;
    QCheckBox* m_klineCapped = nullptr;
    QLineEdit* m_klineCap = nullptr;

    ViewGrid* m_averagesGrid = nullptr;
    LineChart* m_averagesChart = nullptr;
    std::vector<QCheckBox*> m_averageLines;  // "常规线", "二期均值" .. "十期均值"

    WindowChooser* m_countWindow = nullptr;
    QComboBox* m_countOrder = nullptr;
    QCheckBox* m_countPercent = nullptr;
    ViewGrid* m_countsGrid = nullptr;
    ColumnChart* m_countsChart = nullptr;

    WindowChooser* m_omissionWindow = nullptr;
    ViewGrid* m_omissionGrid = nullptr;
    ColumnChart* m_omissionChart = nullptr;

    QComboBox* m_classFamily = nullptr;
    QComboBox* m_classK = nullptr;
    WindowChooser* m_classWindow = nullptr;
    QCheckBox* m_classPercent = nullptr;
    ViewGrid* m_classesGrid = nullptr;
    ColumnChart* m_classesChart = nullptr;

    QListWidget* m_families = nullptr;
    tzbpxz_zj1 m_listedComponents;  // the component table m_families was made from
    Tf_zj1* m_components = nullptr;  // "组件设置", made on first use
    QComboBox* m_traitRecent = nullptr;
    ViewGrid* m_traitsGrid = nullptr;
    int m_traitSelectionRow = -1;
    QSet<QString> m_traitSelection;  // the captions of the class columns chosen in "选号区"
    QComboBox* m_tableRecent = nullptr;
    ViewGrid* m_omissionTableGrid = nullptr;
    QLineEdit* m_layoutMin = nullptr;
    QLineEdit* m_layoutMax = nullptr;
    QComboBox* m_layoutStep = nullptr;
    QComboBox* m_layoutRecent = nullptr;
    ViewGrid* m_layoutGrid = nullptr;
    QComboBox* m_fieldRows = nullptr;
    QComboBox* m_fieldLayout = nullptr;
    QComboBox* m_fieldRecent = nullptr;
    ViewGrid* m_fieldGrid = nullptr;
    QLabel* m_fieldNote = nullptr;  // why the rows are the range's zones, when they are
    FieldLayouts m_fieldLayouts;
    QComboBox* m_segmentLength = nullptr;
    QComboBox* m_segmentShift = nullptr;
    QComboBox* m_segmentContent = nullptr;
    QComboBox* m_segmentStyle = nullptr;  // "柱状图" or "折线图"
    ViewGrid* m_segmentsGrid = nullptr;
    LineChart* m_segmentsChart = nullptr;
    ViewGrid* m_omissionTrendGrid = nullptr;
    LineChart* m_omissionLine = nullptr;
    LineChart* m_omissionChangeLine = nullptr;
    QCheckBox* m_trendDynamic = nullptr;
    QCheckBox* m_trendCapped = nullptr;
    QLineEdit* m_trendCap = nullptr;
    QComboBox* m_occurrenceValue = nullptr;
    QComboBox* m_occurrenceStyle = nullptr;
    ViewGrid* m_occurrencesGrid = nullptr;
    LineChart* m_occurrenceChart = nullptr;
    QComboBox* m_divisor = nullptr;
    ViewGrid* m_remaindersGrid = nullptr;
    ViewGrid* m_featuresGrid = nullptr;
    ViewGrid* m_changesGrid = nullptr;
    std::vector<LineChart*> m_remainderCharts;
    std::vector<LineChart*> m_featureCharts;
    std::vector<LineChart*> m_changeCharts;
};

}  // namespace lottodesk
