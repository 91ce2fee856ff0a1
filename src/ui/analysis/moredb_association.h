#pragma once
// "关联分析": the draws that satisfy position, period-tail and indicator conditions, each beside
// the draw that followed it. Position boxes, "红球不对位" and the period tail rebuild the table at
// once; the indicator slots take effect with "确定". A double-click on a column hands that column
// to the indicator analysis as a derived series; "导出下期系列开奖数据" writes the next draws.

#include <QWidget>
#include <array>
#include <functional>

#include "analysis/association.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace lottodesk {

class LazyTableModel;

class AssociationView : public AnalysisPage {
    Q_OBJECT
public:
    using DialogRunner = std::function<int(QDialog&)>;

    explicit AssociationView(const AnalysisContext& context, QWidget* parent = nullptr);

    void refresh() override;
    // Tests answer the indicator and value choosers through this.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    const AssociationTable& table() const { return *m_table; }
    QTableView* view() const { return m_view; }
    QLabel* caption() const { return m_caption; }

    // Double-click on `column`: the detail analysis of that column.
    void analyseColumn(int column);
    // "导出下期系列开奖数据".
    void exportNextDraws();

private:
    struct Slot {
        QCheckBox* active = nullptr;
        QLineEdit* expression = nullptr;
        QPushButton* choose = nullptr;
        QLineEdit* values = nullptr;
        QPushButton* pick = nullptr;
        std::vector<int32_t> allowed;
    };

    void buildControls();
    void followSlots();
    void chooseIndicator(int slot);
    void chooseValues(int slot);
    void applySlots();

    AnalysisContext m_context;
    AssociationPage m_engine;
    AssociationOptions m_options;
    const AssociationTable* m_table = nullptr;
    DerivedStore m_detail;  // the series handed to the indicator analysis lives here
    std::array<QComboBox*, kAssociationPositions> m_positions{};
    QCheckBox* m_unbound = nullptr;
    QComboBox* m_tail = nullptr;
    std::array<Slot, kAssociationSlots> m_slots;
    QTableView* m_view = nullptr;
    LazyTableModel* m_model = nullptr;
    QLabel* m_caption = nullptr;
    DialogRunner m_runDialog;
};

}  // namespace lottodesk
