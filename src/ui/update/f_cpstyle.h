#pragma once
// Tf_cpstyle ("彩种"): chooses the current lottery type and edits the chosen entry of the type
// table; "预设" fills the fields for a common game. There is no cancel: however the dialog closes, the type selected
// then becomes current.

#include <memory>
#include <QDialog>
#include <array>

class QRadioButton;

namespace Ui {
class Tf_cpstyle;
}

namespace lottodesk {

struct Workspace;
struct TypeForm;
class Prompts;

class Tf_cpstyle : public QDialog {
    Q_OBJECT
public:
    Tf_cpstyle(Workspace& ws, Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_cpstyle() override;

    QRadioButton* radio(int index) const { return m_radios[index]; }

    // "确定修改": stores the edit fields into the selected entry and rewrites the type file. A field
    // the game cannot have stops it with a warning naming the field, before anything changes. False
    // when stopped or when the file could not be written.
    bool confirmChanges();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;  // Esc and the close box confirm the selection like "确定"

private:
    void selectType(int index);
    void fillFrom(int index);
    void fillFrom(const TypeForm& form);  // a preset: fills the fields, stores nothing
    TypeForm typedForm() const;
    void applySecondaryEnabling();

    Workspace& m_ws;
    Prompts& m_prompts;
    std::unique_ptr<Ui::Tf_cpstyle> m_ui;
    std::array<QRadioButton*, 21> m_radios{};
};

}  // namespace lottodesk
