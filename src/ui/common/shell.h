#pragma once
// Launching other programs and documents through the desktop, behind an interface so tests can see
// what would have been opened. A calculator that is not there is said (the menu offers one); other
// launch failures are silent: the user simply sees nothing open.

#include <QString>

namespace lottodesk {

class Shell {
public:
    virtual ~Shell() = default;
    // False when no calculator program was found or started.
    virtual bool openCalculator() = 0;
    // The platform's text editor, with `path` when given.
    virtual void openTextEditor(const QString& path = {}) = 0;
    // A document or web address with the program the desktop associates with it.
    virtual void openDocument(const QString& pathOrUrl) = 0;
};

class DesktopShell : public Shell {
public:
    bool openCalculator() override;
    void openTextEditor(const QString& path = {}) override;
    void openDocument(const QString& pathOrUrl) override;
};

}  // namespace lottodesk
