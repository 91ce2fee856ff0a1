#pragma once
// File open and save dialogs behind an interface, so window tests can name the files.

#include <QString>

class QWidget;

namespace lottodesk {

class SettingsStore;
struct Workspace;

// Where file dialogs start unless a window has its own folder: the data folder's "save/".
QString saveFolder(const Workspace& ws);

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, or an empty text when the user cancelled. `filter` is a Qt name filter
    // ("所要导入的文件 (*.txt)"), `folder` the folder the dialog starts in (the data folder's
    // "save/" unless the window has its own).
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) = 0;
};

// The platform's dialogs. Each kind of file (its filter) remembers the folder it was last opened
// or saved in, kept in the settings store, and starts there while that folder exists.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(SettingsStore* settings = nullptr) : m_settings(settings) {}
    QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) override;

    // The folder a dialog for `filter` starts in: the remembered one, else `folder`.
    QString startFolder(const QString& filter, const QString& folder) const;
    void remember(const QString& filter, const QString& chosenFile);

private:
    SettingsStore* m_settings;
};

}  // namespace lottodesk
