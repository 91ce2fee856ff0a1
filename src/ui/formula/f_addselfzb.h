#pragma once
// Tf_addselfzb: the custom indicator dialog ("添加自定义指标" / "修改自定义指标"). The formula in
// `Edit1`, typed or built with the formula input dialog ("辅助输入"), and its name in `Edit2`.
// "确定" accepts only a formula that passes the pre-check; the caller stores the result.

#include <memory>
#include <QDialog>
#include <functional>
#include <string>

namespace Ui {
class Tf_addselfzb;
}

namespace lottodesk {

class Prompts;
class Tf_fzsr;

class Tf_addselfzb : public QDialog {
    Q_OBJECT
public:
    // Shows a modal dialog and returns its result; the default runs exec(). Tests substitute one
    // that works the dialog's controls without a nested event loop.
    using DialogRunner = std::function<int(QDialog&)>;

    Tf_addselfzb(const std::string& programFolder, Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_addselfzb() override;

    // Captioned "添加自定义指标", both fields empty.
    void setForAdd();
    // Captioned "修改自定义指标", the fields filled with the line's formula and name.
    void setForModify(const QString& formula, const QString& name);

    // The fields without surrounding blanks.
    QString formula() const;
    QString name() const;

    Tf_fzsr* inputDialog() const { return m_fzsr; }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // "确定": closes with OK when the trimmed formula passes the pre-check; otherwise shows the
    // pre-check's message and stays open.
    void accept() override;

private:
    // "辅助输入": the formula input dialog, cleared; its trimmed formula replaces Edit1 on OK.
    void assistInput();

    Prompts& m_prompts;
    std::unique_ptr<Ui::Tf_addselfzb> m_ui;
    Tf_fzsr* m_fzsr;
    DialogRunner m_runDialog;
};

}  // namespace lottodesk
