#pragma once
// TextViewer: a window of the program that shows the help page, a report or the notepad, so
// nothing depends on which editor or browser the desktop has. "用其他程序打开" hands the file to
// the desktop all the same. The window is not modal: the user keeps it open beside the one that
// wrote the report, and a new report replaces the text.

#include <QDialog>
#include <QString>

#include "core/fileio.h"

class QLabel;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace lottodesk {

class Prompts;
class Shell;

class TextViewer : public QDialog {
    Q_OBJECT
public:
    TextViewer(Shell& shell, Prompts& prompts, QWidget* parent = nullptr);
    ~TextViewer() override;

    // An HTML page from a file or a resource ("qrc:/..."); `file` is what "用其他程序打开" opens
    // (empty: the button is hidden). Web links go to the desktop's browser.
    void showPage(const QString& title, const QUrl& page, const QString& file);
    // A text file written by the program (GBK), read only. False, with the message shown, when it
    // cannot be read.
    bool showTextFile(const QString& title, const QString& path);
    // A text file to edit and keep ("记事本"): a missing file starts empty; "保存", closing the
    // window and handing the file to another program save it first. When another program changed
    // the file since it was read, the window's text goes to a copy beside it (conflictCopyPath),
    // the file is read again and the user is told where the text is: nothing is lost.
    bool editTextFile(const QString& title, const QString& path);

    QTextBrowser* browser() const { return m_browser; }
    QString file() const { return m_file; }
    // Saves the edited text when it changed; true when nothing needed saving or the save worked.
    bool saveIfChanged();

protected:
    void reject() override;

private:
    void present(const QString& title, const QString& file);
    void openElsewhere();

    Shell& m_shell;
    Prompts& m_prompts;
    QTextBrowser* m_browser;
    QLabel* m_path;
    QPushButton* m_save;
    QPushButton* m_openElsewhere;
    QString m_file;
    bool m_editing = false;
    FileStamp m_stamp;  // the edited file as read or last saved
};

// The copy that keeps an edit the file's other writer would have overwritten: "notepad.txt" ->
// "notepad（本窗口的修改）.txt", numbered when that name is taken.
QString conflictCopyPath(const QString& file);

}  // namespace lottodesk
