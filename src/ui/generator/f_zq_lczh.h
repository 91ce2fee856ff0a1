#pragma once
// Tf_zq_lczh ("滤除组号"): the list of tickets to remove from the main results, one a line. "载入"
// and "保存" read and write the list as a text file, "清空" empties it, "提示" shows the format;
// "确定" is accepted only when every line is a ticket of the game (the bad line is named), and the
// caller then removes the listed tickets.

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace lottodesk {

class FileChooser;
class Prompts;

class Tf_zq_lczh : public QDialog {
    Q_OBJECT
public:
    // `folder`: where its file dialogs start (the data folder's "save/").
    Tf_zq_lczh(Prompts& prompts, FileChooser& files, QString folder, QWidget* parent = nullptr);

    // The ticket size of the game; the list is checked and the hint given for it.
    void setTicketSize(int m) { m_m = m; }
    QPlainTextEdit* list() const { return m_list; }
    std::string listText() const;

    void load();
    void save();
    void showHint();
    void accept() override;

private:
    Prompts& m_prompts;
    FileChooser& m_files;
    QString m_folder;
    QPlainTextEdit* m_list;
    int m_m = 6;
};

}  // namespace lottodesk
