#pragma once
// Tf_fzsr ("辅助输入"): the formula input dialog used wherever a formula is typed. The user types
// into `e_fzsr` or double-clicks entries of the assistance lists (the dialog's indicator
// catalogue, the operators and functions, the saved custom indicators), each of which appends
// its code to the text. "确定" accepts only a formula that passes the pre-check and names only
// indicators the program knows.
//
// Callers clear the text with clearFormula() before showing the dialog and take formula() when
// it was accepted.

#include <memory>
#include <QDialog>
#include <QPoint>
#include <string>
#include <vector>

class QListWidget;

namespace Ui {
class Tf_fzsr;
}

namespace lottodesk {

class Prompts;

class Tf_fzsr : public QDialog {
    Q_OBJECT
public:
    // `programFolder` locates the custom indicator file, read each time the dialog is shown.
    Tf_fzsr(const std::string& programFolder, Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_fzsr() override;

    // The formula as accepted: the text of `e_fzsr` without surrounding blanks.
    QString formula() const;
    void clearFormula();

    // "确定": trims the text and closes with OK when the pre-check passes and every identifier is
    // an indicator; otherwise warns with the message and stays open.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addPage(const QString& caption, const char* pageName, const char* listName);
    void fillSavedPage();
    // A double-click at `position` of `list`'s viewport: appends the code of the entry there, or
    // of the selected entry when the click fell on blank space; with neither shows the hint.
    void enterSelected(QListWidget* list, QPoint position);

    std::string m_programFolder;
    Prompts& m_prompts;
    std::unique_ptr<Ui::Tf_fzsr> m_ui;
    std::vector<QListWidget*> m_lists;  // in page order
    QListWidget* m_operators = nullptr;
    QListWidget* m_saved = nullptr;
};

}  // namespace lottodesk
