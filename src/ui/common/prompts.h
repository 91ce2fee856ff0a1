#pragma once
// Message boxes behind an interface: windows ask and inform through it, tests answer in place of
// the user and read what was shown.

#include <QString>

class QWidget;

namespace lottodesk {

class Prompts {
public:
    virtual ~Prompts() = default;
    // A modal information box with the message text: what was done, or what the user should know.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A modal warning box: what the user entered or asked for cannot be done as it stands. Doubles
    // that do not tell the kinds apart see it as inform.
    virtual void warn(QWidget* parent, const QString& text) { inform(parent, text); }
    // A modal error box: something failed that the user did not cause (a file that cannot be
    // written or read).
    virtual void reportError(QWidget* parent, const QString& text) { inform(parent, text); }
    // A modal Yes/No question with a short caption; true for Yes.
    virtual bool ask(QWidget* parent, const QString& caption, const QString& text, bool defaultYes) = 0;
    // A modal OK/Cancel confirmation; true for OK. Fakes answer it as a question.
    virtual bool confirm(QWidget* parent, const QString& caption, const QString& text) {
        return ask(parent, caption, text, true);
    }
};

// Message boxes titled by their kind: 提示 (information icon), 警告 (warning), 错误 (critical);
// questions carry their own caption and the question icon.
class MessageBoxPrompts : public Prompts {
public:
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    void reportError(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& caption, const QString& text, bool defaultYes) override;
    bool confirm(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace lottodesk
