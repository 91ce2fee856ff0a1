#pragma once
// "红号遗漏图表", "蓝号遗漏图表" and "尾数遗漏图表" of "走势分析": the omission table of the analysis
// range (analysis/trendomission) on a number grid, drawn numbers as balls or squares, the six
// statistics rows under it, the selection row ("选号区") and the prediction commands.

#include <QString>
#include <array>
#include <memory>

#include "analysis/trendomission.h"
#include "core/datatransform.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"

class QCheckBox;
class QComboBox;
class QMenu;
class QRadioButton;

namespace lottodesk {

class CellGridView;
struct CellTable;

class OmissionTablePage : public AnalysisPage {
    Q_OBJECT
public:
    // "显示模式": balls or squares, with or without the number written on them.
    enum class Display { BallNumber, Ball, SquareNumber, Square };

    OmissionTablePage(OmissionVariant variant, const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption(OmissionVariant variant);
    void refresh() override;

    const OmissionView& view() const { return *m_view; }
    const CellTable& table() const;
    CellGridView* grid() const { return m_grid; }
    QComboBox* fromBox() const { return m_from; }
    QComboBox* toBox() const { return m_to; }
    QComboBox* orderBox() const { return m_order; }
    QComboBox* highlightBox() const { return m_highlight; }
    QComboBox* zonesBox() const { return m_zones; }
    void setDisplay(Display display);

    // The selection row: a click on its cell toggles the number.
    void toggleSelected(int numberColumn);
    const NumberFlags& selection() const { return m_selection; }
    // The popup commands.
    void clearSelection();   // "清除选号区"
    void importSelection();  // "将选号导入到预测区"
    void clearPrediction();  // "清除预测区"

private:
    void fillPeriods();
    void compute();
    void showTable();
    OmissionOptions options() const;

    OmissionVariant m_variant;
    AnalysisContext m_context;
    OmissionPage m_page;
    const OmissionView* m_view;
    std::shared_ptr<CellTable> m_table;
    NumberFlags m_selection{};
    Display m_display = Display::BallNumber;

    CellGridView* m_grid = nullptr;
    QComboBox* m_from = nullptr;
    QComboBox* m_to = nullptr;
    QComboBox* m_highlight = nullptr;
    QComboBox* m_zones = nullptr;
    QComboBox* m_order = nullptr;
    std::array<QRadioButton*, 3> m_zoneButtons{};  // "红号", "蓝号", "红号和蓝号" (main table)
    QCheckBox* m_tailsWithSecondary = nullptr;     // "主号和特别号" (tail table)
    QMenu* m_menu = nullptr;
};

}  // namespace lottodesk
