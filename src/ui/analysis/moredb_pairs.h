#pragma once
// "相生相克": how often each pair of main numbers was drawn together in a window of draws (the N
// most recent, or from one period to another), the square grid of those counts (red above the
// together threshold, green below the apart threshold) and the two lists of pairs. Every change
// of a setting rebuilds the page. "过滤条件" takes the user to the generator's conditions.

#include <string>
#include <vector>

#include "analysis/pairs.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"

class QComboBox;
class QLabel;
class QListWidget;
class QTableView;

namespace lottodesk {

class DrawWindowBar;

class LazyTableModel;

class PairsView : public AnalysisPage {
    Q_OBJECT
public:
    explicit PairsView(const AnalysisContext& context, QWidget* parent = nullptr);

    void refresh() override;
    // The window is shown again: the period lists are refilled and set to their defaults.
    void resetPeriods();
    const PairView& pairs() const { return *m_view; }
    QTableView* grid() const { return m_grid; }
    QListWidget* togetherList() const { return m_togetherList; }
    QListWidget* apartList() const { return m_apartList; }

private:
    void buildControls();
    // Refills the period lists and the bar when the history is another than last time.
    void followHistory();
    PairOptions chosenOptions() const;
    void settingChanged();

    AnalysisContext m_context;
    PairPage m_engine;
    const PairView* m_view = nullptr;
    std::vector<std::string> m_cells;  // the grid texts, row-major
    const t_s_dm* m_listedStore = nullptr;
    uint64_t m_listedVersion = 0;

    DrawWindowBar* m_window = nullptr;  // "近" N or "自定义"
    QLabel* m_total = nullptr;
    QComboBox* m_together = nullptr;
    QComboBox* m_apart = nullptr;
    QTableView* m_grid = nullptr;
    LazyTableModel* m_model = nullptr;
    QLabel* m_togetherLabel = nullptr;
    QLabel* m_apartLabel = nullptr;
    QListWidget* m_togetherList = nullptr;
    QListWidget* m_apartList = nullptr;
};

}  // namespace lottodesk
