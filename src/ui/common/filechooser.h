#pragma once
// File open and save dialogs behind an interface, so window tests can name the files.

#include <QString>

class QWidget;

namespace lottodesk {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, or an empty text when the user cancelled. `filter` is a Qt name filter
    // ("所要导入的文件 (*.txt)"), `folder` the folder the dialog starts in.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) = 0;
};

class DialogFileChooser : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) override;
};

}  // namespace lottodesk
