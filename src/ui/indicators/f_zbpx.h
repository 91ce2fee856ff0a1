#pragma once
// Tf_zbpx ("指标管理"): picks an indicator of the catalogue, a saved custom indicator or a typed
// formula, with a name and an optional value range, and starts its analysis ("开始剖析"). The
// analysis itself is the opener's: the window hands over the text, the typed range and the name.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysisseries.h"
#include "core/status.h"
#include "ui/shell/mainpage.h"

class QDialog;
class QPoint;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTabWidget;

namespace lottodesk {

struct Workspace;
class Prompts;
class Tf_addselfzb;
class Tf_fzsr;

class Tf_zbpx : public QWidget, public MainPage {
    Q_OBJECT
public:
    // Runs the analysis of `text` and shows it; the failure's message ("公式有误:" + ...) otherwise.
    using StartAnalysis =
        std::function<Status(const std::string& text, const std::optional<ValueRange>& typed, const std::string& name)>;
    using DialogRunner = std::function<int(QDialog&)>;

    Tf_zbpx(Workspace& ws, Prompts& prompts, StartAnalysis start, std::function<void()> close,
            QWidget* parent = nullptr);
    ~Tf_zbpx() override;

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // The dialog of "添加" and "修改".
    Tf_addselfzb* editor() const { return m_editor; }

    // "开始剖析" with the current fields.
    void startAnalysis();
    // The list pages in page order (the nine catalogue series, then the saved custom indicators).
    const std::vector<QListWidget*>& lists() const { return m_lists; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillSavedPage();
    void showSaved(int current);
    // "添加", "删除", "修改" of the saved custom indicators: the file is rewritten at once.
    void addSaved();
    void deleteSaved();
    void modifySaved();
    void takeEntry(QListWidget* list, const QPoint& position);
    void chooseCustomMode();
    void assistInput();

    Workspace& m_ws;
    Prompts& m_prompts;
    StartAnalysis m_start;
    std::function<void()> m_close;
    DialogRunner m_runDialog;
    Tf_fzsr* m_fzsr = nullptr;
    Tf_addselfzb* m_editor = nullptr;
    std::vector<std::string> m_saved;  // the lines of the custom indicator file

    QRadioButton* m_existing = nullptr;
    QRadioButton* m_custom = nullptr;
    QLineEdit* m_identifier = nullptr;
    QLineEdit* m_formula = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    QTabWidget* m_listPages = nullptr;
    std::vector<QListWidget*> m_lists;
};

}  // namespace lottodesk
