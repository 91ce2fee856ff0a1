#pragma once
// Tf_collectgs ("已收集公式"): a scratch list where the user gathers formulas from the fix-and-kill
// pages and the search, saves them as a formula set and loads one back.

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace lottodesk {

struct Workspace;
class FileChooser;
class Prompts;

class Tf_collectgs : public QWidget {
    Q_OBJECT
public:
    Tf_collectgs(const Workspace& ws, Prompts& prompts, FileChooser& files, QWidget* parent = nullptr);

    // "添加" with the given text (blanks trimmed; an empty text adds nothing).
    void addFormula(const QString& text);
    void modifySelected();  // "修改"
    void deleteSelected();  // "删除"
    void clearAll();        // "清空"
    void save();            // "保存"
    void load();            // "载入"
    QStringList formulas() const;
    QListWidget* list() const { return m_list; }
    QLineEdit* edit() const { return m_edit; }

private:
    void refreshCaption();
    const Workspace& m_ws;
    Prompts& m_prompts;
    FileChooser& m_files;
    QListWidget* m_list;
    QLineEdit* m_edit;
};

}  // namespace lottodesk
