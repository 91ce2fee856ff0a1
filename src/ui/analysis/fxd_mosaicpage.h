#pragma once
// "指标拼图" of "走势分析": a table of chosen formulas side by side over "<=分析区域<=", one
// column per entry of the current list (a ".zbz" file, "database/zbzh.zbz" until another is
// loaded or created). "修改" edits the list and writes it back, "创建" composes a new file,
// "载入" reads one, "将当前组合设为默认" writes the list as the default.

#include <string>
#include <vector>

#include "analysis/indicatorcombos.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/fxd_controls.h"

class QComboBox;
class QSpinBox;
class QTableView;

namespace lottodesk {

class TextTableModel;

class MosaicPage : public AnalysisPage {
    Q_OBJECT
public:
    explicit MosaicPage(const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption() { return QStringLiteral("指标拼图"); }
    void refresh() override;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // The commands of the page's buttons.
    void modify();
    void create();
    void load();
    void makeDefault();

    const std::string& currentFile() const { return m_file; }
    const std::vector<MosaicEntry>& entries() const { return m_entries; }
    TextTableModel* model() const { return m_model; }
    QComboBox* fromBox() const { return m_from; }
    QComboBox* toBox() const { return m_to; }
    QSpinBox* cellWidth() const { return m_width; }

private:
    void compute();
    // Writes `entries` to `path`; on success they become the current list and file.
    bool write(const std::string& path, std::vector<MosaicEntry> entries);

    AnalysisContext m_context;
    DialogRunner m_runDialog = execDialog();
    std::string m_file;
    std::vector<MosaicEntry> m_entries;
    QComboBox* m_from;
    QComboBox* m_to;
    QSpinBox* m_width;
    TextTableModel* m_model;
    QTableView* m_view;
};

void addMosaicPage(Tf_fxd& window, const AnalysisContext& context);

}  // namespace lottodesk
