#pragma once
// Tf_tjq ("统计区"): statistics over a window of recent draws (or from one period to another):
// per number of both zones the hits inside the window and the draws since it was last drawn as a
// bar chart, the itemised statistics of both zones on two pages, and the cold/hot settings of
// both zones. Everything shown is computed by the engine's StatsArea; the window only lays it out.
//
// The slider runs the statistics as it moves; moves are coalesced, so a drag computes only the
// position it rests on between two event-loop turns.

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/statsarea.h"
#include "ui/shell/mainpage.h"

class QButtonGroup;
class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QCheckBox;
class QRadioButton;
class QTabWidget;
class QTimer;
class QVBoxLayout;

namespace lottodesk {

struct Workspace;
class BarChart;
class DrawWindowBar;
class ShareBar;
class Prompts;
class SettingsStore;

class Tf_tjq : public QWidget, public MainPage {
    Q_OBJECT
public:
    // Runs a modal dialog and returns its result; tests answer instead.
    using DialogRunner = std::function<int(QDialog&)>;

    Tf_tjq(Workspace& ws, Prompts& prompts, SettingsStore& settings, QWidget* parent = nullptr);
    ~Tf_tjq() override;

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // "开始统计" with the current controls.
    void runStatistics();
    const StatsResult& result() const { return m_area.last(); }
    // The texts of the itemised pages as shown, one line per row: label, value, share.
    QStringList pageLines(int page) const;
    QString coldHotLine(bool secondary) const;
    BarChart* barChart() const { return m_chart; }

    // "红号冷热号设置 " / "蓝号冷热设置 ".
    void changeColdHotSettings(bool secondary);

    void typeChanged() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QWidget* buildChartPage();
    QWidget* buildItemPage(int page);
    void fillPeriodLists();
    void scheduleRun();
    StatsOptions options() const;
    void showResult();
    void showChart();
    void showItems(int page);
    void modeChanged();

    Workspace& m_ws;
    Prompts& m_prompts;
    SettingsStore& m_settings;
    DialogRunner m_runDialog;
    StatsArea m_area;
    QTimer* m_coalesce = nullptr;

    DrawWindowBar* m_window = nullptr;  // "近" N or "自定义"
    QLabel* m_total = nullptr;          // l_tjq
    QTabWidget* m_pages = nullptr;
    QRadioButton* m_mainZone = nullptr;       // rb_hhtj
    QRadioButton* m_secondaryZone = nullptr;  // rb_lhtj
    QButtonGroup* m_order = nullptr;          // rb_ahm, rb_aappcs, rb_aconccs
    QCheckBox* m_showHits = nullptr;          // cb_appcs
    QCheckBox* m_showOmission = nullptr;      // cb_conccs
    BarChart* m_chart = nullptr;              // i_hmtjjzd
    QLabel* m_coldHot = nullptr;              // l_coldhot
    QLabel* m_secondaryColdHot = nullptr;     // l_f_coldhot
    QComboBox* m_mainDivisor = nullptr;       // cb_ys
    QComboBox* m_secondaryDivisor = nullptr;  // cb_blueys
    std::vector<QVBoxLayout*> m_itemLayouts;  // the group area of each itemised page
    // The line widgets of each itemised page, kept while the page has the same lines.
    struct ItemRow {
        QLabel* label;
        QLabel* value;
        QLabel* share;
        ShareBar* bar;  // null for a line without a share
    };
    struct ItemPage {
        QString key;
        std::vector<ItemRow> rows;
    };
    std::array<ItemPage, 2> m_itemPages;
};

}  // namespace lottodesk
