#pragma once
// Message boxes behind an interface: windows ask and inform through it, tests answer in place of
// the user and read what was shown.

#include <QString>

class QWidget;

namespace lottodesk {

class Prompts {
public:
    virtual ~Prompts() = default;
    // A modal information box with the message text.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A modal Yes/No question with a short caption; true for Yes.
    virtual bool ask(QWidget* parent, const QString& caption, const QString& text, bool defaultYes) = 0;
    // A modal OK/Cancel confirmation; true for OK. Fakes answer it as a question.
    virtual bool confirm(QWidget* parent, const QString& caption, const QString& text) {
        return ask(parent, caption, text, true);
    }
};

class MessageBoxPrompts : public Prompts {
public:
    void inform(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& caption, const QString& text, bool defaultYes) override;
    bool confirm(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace lottodesk
