#pragma once
// Launching other programs and documents through the desktop, behind an interface so tests can see
// what would have been opened. Launch failures are silent: the user simply sees nothing open.

#include <QString>

namespace lottodesk {

class Shell {
public:
    virtual ~Shell() = default;
    virtual void openCalculator() = 0;
    // The platform's text editor, with `path` when given.
    virtual void openTextEditor(const QString& path = {}) = 0;
    // A document or web address with the program the desktop associates with it.
    virtual void openDocument(const QString& pathOrUrl) = 0;
};

class DesktopShell : public Shell {
public:
    void openCalculator() override;
    void openTextEditor(const QString& path = {}) override;
    void openDocument(const QString& pathOrUrl) override;
};

}  // namespace lottodesk
