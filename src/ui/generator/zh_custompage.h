#pragma once
// ZhCustomPage: the custom-indicator page of the generator. A formula typed into "自定义公式：" or
// built with " 辅助输入 " (the formula input dialog); "取值" evaluates it at the newest draw and
// opens the value chooser over 0..1000 with that value as the reference, the chosen values
// becoming the pending allowed set shown in "自定义公式取值："; "添加" appends the entry (formula,
// pending values, "容错"); "修改" gives the selected entry new values and asks whether it is
// tolerant; "删除" removes it. The master box "自定义指标" switches the list on or off.
//
// The page edits one list and its switch: the main zone's, the secondary zone's or the special
// number's (each zone has its own list of up to 50 entries).

#include <memory>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "generator/conditions.h"
#include "indicators/seriesmemo.h"

class QCheckBox;
class QDialog;
class QLineEdit;
class QListWidget;

namespace Ui {
class ZhCustomPage;
}

namespace lottodesk {

struct Workspace;
class GeneratorDialogs;
class Prompts;
class Tf_fzsr;

class ZhCustomPage : public QWidget {
    Q_OBJECT
public:
    // Shows a modal dialog and returns its result; the default runs exec(). Tests substitute one
    // that works the dialog's controls without a nested event loop.
    using DialogRunner = std::function<int(QDialog&)>;

    // The list it edits: the main zone's (400 entries) or a secondary zone's (50).
    using CustomList = std::variant<tselfzb*, tfqgl_selfzb*>;
    ZhCustomPage(const Workspace& ws, CustomList custom, bool& enabled, Prompts& prompts, GeneratorDialogs& dialogs,
                 QWidget* parent = nullptr);
    ~ZhCustomPage() override;

    // The list box lines of the entries the conditions hold now, and the master box.
    void setLines(std::vector<std::string> lines);
    const std::vector<std::string>& lines() const { return m_lines; }
    const std::vector<int32_t>& pendingValues() const { return m_pending; }

    Tf_fzsr* inputDialog() const { return m_fzsr; }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    QLineEdit* formulaBox() const;
    QLineEdit* valueBox() const;
    QCheckBox* toleranceBox() const;
    QCheckBox* masterBox() const;
    QListWidget* list() const;

    // `addforselfzb`: the values of `formula` chosen over lo..hi (its newest value as the
    // reference), the tolerance asked in "容错选择"; the entry is appended, the page's fields
    // cleared, "自定义指标" ticked and the export confirmed. Nothing for an empty formula.
    bool addExported(const std::string& formula, int32_t lo, int32_t hi);
    // An entry handed over by another window with its values: appended and the list ticked; the
    // refusal (empty formula or values, a full list) changes nothing and is returned, not shown.
    Status append(const std::string& formula, std::vector<int32_t> values, bool tolerant);
    // Puts `formula` into the formula box.
    void putFormula(const std::string& formula);

private:
    void assistInput();
    // "取值". A formula that cannot be evaluated shows "公式有误:" and the evaluator's message.
    void takeValues();
    // False (and a warning) when a typed formula fails the entry checks.
    bool formulaAccepted(const std::string& formula);
    void add();
    void modify();
    void remove();
    void showLines();

    const Workspace& m_ws;
    CustomList m_custom;
    bool& m_enabled;
    Prompts& m_prompts;
    GeneratorDialogs& m_dialogs;
    std::unique_ptr<Ui::ZhCustomPage> m_ui;
    Tf_fzsr* m_fzsr;
    DialogRunner m_runDialog;
    SeriesMemo m_memo;
    std::vector<std::string> m_lines;
    std::vector<int32_t> m_pending;
};

}  // namespace lottodesk
