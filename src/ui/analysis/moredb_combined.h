#pragma once
// "综合形态": every draw with a class of each number, the gaps between neighbouring main numbers
// and a class of each gap. Every option change rebuilds the table; the engine keeps the last one.

#include "analysis/combinedpatterns.h"
#include "ui/analysis/analysisshell.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QTableView;

namespace lottodesk {

struct Workspace;
class LazyTableModel;

class CombinedPatternsView : public AnalysisPage {
    Q_OBJECT
public:
    explicit CombinedPatternsView(Workspace& ws, QWidget* parent = nullptr);

    void refresh() override;
    const CombinedPatternTable& table() const { return *m_table; }
    QTableView* view() const { return m_view; }
    LazyTableModel* model() const { return m_model; }

private:
    CombinedPatternOptions chosenOptions() const;

    Workspace& m_ws;
    CombinedPatternPage m_engine;
    const CombinedPatternTable* m_table = nullptr;
    QButtonGroup* m_classes;
    QComboBox* m_divisor;
    QCheckBox* m_tails;
    QCheckBox* m_hideGaps;
    QTableView* m_view;
    LazyTableModel* m_model;
};

}  // namespace lottodesk
