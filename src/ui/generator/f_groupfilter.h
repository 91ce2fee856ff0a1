#pragma once
// Tf_groupfilter ("批量过滤"): the list of main-zone condition files the batch runs in turn.
// "添加条件" appends a file chosen in "save" (" 加入过滤条件文件"), "删除条件" removes the selected
// entry, "清除" empties the list, "开始过滤" closes the dialog to run, "返回" closes it without.
// The list is kept between openings during the program's run.

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace lottodesk {

struct Workspace;
class FileChooser;

class Tf_groupfilter : public QDialog {
    Q_OBJECT
public:
    Tf_groupfilter(const Workspace& ws, FileChooser& files, QWidget* parent = nullptr);

    std::vector<std::string> paths() const;
    QListWidget* list() const { return m_list; }

    void addFile();
    void removeSelected();
    void clearList();

private:
    const Workspace& m_ws;
    FileChooser& m_files;
    QListWidget* m_list;
};

}  // namespace lottodesk
