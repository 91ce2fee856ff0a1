#pragma once
// The indicator choice dialog ("选择指标"): an existing indicator from a fixed list of 123 entries
// or a user-defined indicator typed (or composed with "辅助输入"). The result is the identifier
// (the entry's text up to its first blank) or the typed text; the range boxes follow the chosen
// indicator's value range from the registry, and the callers here ignore them.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace lottodesk {

struct GameParams;
class Prompts;

struct IndicatorChoiceEntry {
    const char* id;
    const char* description;
};
const std::vector<IndicatorChoiceEntry>& indicatorChoiceEntries();

class IndicatorChoiceDialog : public QDialog {
    Q_OBJECT
public:
    using DialogRunner = std::function<int(QDialog&)>;

    IndicatorChoiceDialog(const std::string& programFolder, const GameParams& game, const std::string& specname,
                          Prompts& prompts, QWidget* parent = nullptr);

    // The identifier of the chosen entry, or the typed text (blanks trimmed).
    QString result() const;
    int rangeLow() const;
    int rangeHigh() const;
    // "辅助输入" opens the formula input dialog through this (tests answer it).
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void assistedInput();

    QListWidget* list() const { return m_list; }
    QLineEdit* typed() const { return m_typed; }
    QRadioButton* userDefined() const { return m_user; }

private:
    void followEntry();

    std::string m_folder;
    const GameParams& m_game;
    std::string m_specname;
    Prompts& m_prompts;
    DialogRunner m_runDialog;
    QRadioButton* m_existing;
    QRadioButton* m_user;
    QListWidget* m_list;
    QLineEdit* m_typed;
    QComboBox* m_low;
    QComboBox* m_high;
};

}  // namespace lottodesk
