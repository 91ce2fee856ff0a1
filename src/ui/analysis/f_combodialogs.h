#pragma once
// The small dialogs of the combination pages of "走势分析":
//   Tf_xtqz ("形态取值"): tick the allowed pattern values of a type, and "容错";
//   Tf_zbzh_set ("指标组合设置"): compose the entry list of the indicator mosaic;
//   Tf_regularzbzhset ("常用指标组合设置"): edit the common combinations, one entry per line.

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/indicatorcombos.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace lottodesk {

class Tf_xtqz : public QDialog {
    Q_OBJECT
public:
    // `lines`: value + "=  " + name for every value of the type, in value order.
    explicit Tf_xtqz(const std::vector<std::string>& lines, QWidget* parent = nullptr);
    QListWidget* list() const { return m_list; }
    QCheckBox* tolerance() const { return m_tolerance; }
    // The ticked values, ascending.
    std::vector<int32_t> ticked() const;
    bool tolerant() const;

private:
    QListWidget* m_list;
    QCheckBox* m_tolerance;
};

class Tf_zbzh_set : public QDialog {
    Q_OBJECT
public:
    explicit Tf_zbzh_set(std::vector<MosaicEntry> entries, QWidget* parent = nullptr);
    const std::vector<MosaicEntry>& entries() const { return m_entries; }

    // The commands, as their buttons run them: "添加" appends code + " " + name, "插入" puts it
    // before the selected entry, "修改" replaces the selected one, "删除" removes it, "清空" all.
    void add();
    void insert();
    void modify();
    void remove();
    void clearAll();
    QLineEdit* codeBox() const { return m_code; }
    QLineEdit* nameBox() const { return m_name; }
    QListWidget* list() const { return m_list; }

private:
    MosaicEntry typed() const;
    void showEntries(int select);

    std::vector<MosaicEntry> m_entries;
    QLineEdit* m_code;
    QLineEdit* m_name;
    QListWidget* m_list;
};

class Tf_regularzbzhset : public QDialog {
    Q_OBJECT
public:
    Tf_regularzbzhset(const std::vector<CommonCombination>& entries, QWidget* parent = nullptr);
    QPlainTextEdit* editor() const { return m_editor; }
    std::vector<CommonCombination> entries() const;

private:
    QPlainTextEdit* m_editor;
};

}  // namespace lottodesk
