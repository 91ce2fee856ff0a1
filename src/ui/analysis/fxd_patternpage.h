#pragma once
// "行列式" of "走势分析": every period as a small grid of the arrangement with its drawn numbers
// lit (analysis/arrangement), the arrangement list, random order and design, and three filter
// sub-pages that export row/column conditions to the generator or show their history in the
// indicator analysis ("过滤助手").

#include <QString>
#include <array>
#include <bitset>
#include <optional>
#include <vector>

#include "analysis/analysisseries.h"
#include "analysis/arrangement.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/fxd_controls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace lottodesk {

class PatternGridView;

class RowColumnPage : public AnalysisPage {
    Q_OBJECT
public:
    explicit RowColumnPage(const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption() { return QStringLiteral("行列式"); }
    void refresh() override;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // The seed of "产生随机顺序" (from the system's entropy unless a test sets it).
    void setRandomSeed(uint64_t seed) { m_random = RandomSource(seed); }

    // Display.
    const Arrangement& arrangement() const { return m_arrangement; }
    int firstRecord() const { return m_first; }
    PatternGridView* grids() const { return m_grids; }
    QTabWidget* subPages() const { return m_pages; }
    void goTo(int32_t period);
    void pageBack();
    void pageForward();
    void stepBack();
    void stepForward();
    void chooseListEntry(int index);
    void randomise();
    void design();

    // The three filter sub-pages.
    void exportCounts();  // "导出到过滤系统" of "行列式出号个数过滤设置"
    void assistCounts();  // its "过滤助手"
    void exportEmpty();   // "空行空列过滤设置"
    void assistEmpty();
    void assistShape();  // "行列形态过滤设置"
    void exportShape();  // its "转至过滤设置"

private:
    QWidget* buildDisplayPage();
    QWidget* buildCountPage();
    QWidget* buildEmptyPage();
    QWidget* buildShapePage();
    void setRegular(int columns, int rows);
    void sizeChosen();
    void showGrids();
    int gridsPerPage() const;
    int lastStart() const;
    bool tails() const;
    bool refuseInTailMode(const char* message);
    void handOver(std::vector<int32_t> values, std::optional<ValueRange> range, const std::string& caption);
    std::vector<int> ticked(const std::vector<QCheckBox*>& boxes, int limit) const;
    void listChanged(std::vector<std::string> names);

    AnalysisContext m_context;
    DialogRunner m_runDialog = execDialog();
    RandomSource m_random{RandomSource::entropySeed()};
    Arrangement m_arrangement;
    std::vector<std::string> m_listNames;
    int m_first = 1;  // the record of the first grid

    QTabWidget* m_pages = nullptr;
    PatternGridView* m_grids = nullptr;
    QLineEdit* m_period = nullptr;
    QRadioButton* m_sixBySix = nullptr;
    QRadioButton* m_custom = nullptr;
    QComboBox* m_customColumns = nullptr;
    QComboBox* m_customRows = nullptr;
    QCheckBox* m_tails = nullptr;
    QRadioButton* m_zoneMain = nullptr;
    QRadioButton* m_zoneSecondary = nullptr;
    QComboBox* m_perPage = nullptr;
    QComboBox* m_perLine = nullptr;
    QComboBox* m_list = nullptr;
    QLabel* m_name = nullptr;
    // "行列式出号个数过滤设置"
    std::vector<QCheckBox*> m_rows;
    std::vector<QCheckBox*> m_columns;
    QLineEdit* m_counts = nullptr;
    QCheckBox* m_countsTolerant = nullptr;
    QCheckBox* m_onceOnly = nullptr;
    // "空行空列过滤设置", "行列形态过滤设置"
    std::array<QRadioButton*, 3> m_emptyKinds{};
    std::array<QRadioButton*, 3> m_shapeKinds{};
    std::array<QSpinBox*, 2> m_emptySize{};  // 列, 行
    std::array<QSpinBox*, 2> m_shapeSize{};
    QLineEdit* m_emptyValues = nullptr;
    QCheckBox* m_emptyTolerant = nullptr;
};

}  // namespace lottodesk
