#pragma once
// ZhGroupPage: the self-set page ("自设条件": groups of main numbers) or the tail page ("尾数设置":
// groups of tail digits) of the generator. The master box switches the whole list on or off; the
// list box shows one line per entry; "增加" appends an entry built in the self-set or tail dialog,
// "修改" replaces the selected one through the dialog preset with it, "删除" removes it and rebuilds
// every line.
//
// Object names: self-set `cb_zscond`, `lb_zscond`, `b_zsadd`, `b_zsmodify`, `b_zsdelete`; tail
// `cb_wsset`, `lb_wsset`, `b_wsadd`, `b_wsmodify`, `b_wsdelete`.

#include <memory>
#include <QWidget>
#include <string>
#include <vector>

#include "generator/conditions.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace Ui {
class ZhGroupPage;
}

namespace lottodesk {

struct Workspace;
class GeneratorDialogs;
class Prompts;

class ZhGroupPage : public QWidget {
    Q_OBJECT
public:
    enum class Kind { SelfSet, Tail };

    ZhGroupPage(Kind kind, const Workspace& ws, MainConditions& conditions, Prompts& prompts, GeneratorDialogs& dialogs,
                QWidget* parent = nullptr);
    ~ZhGroupPage() override;

    // The list box lines of the entries the conditions hold now (after a load or a reset), and the
    // master box.
    void setLines(std::vector<std::string> lines);
    const std::vector<std::string>& lines() const { return m_lines; }

    QCheckBox* masterBox() const;
    QListWidget* list() const;

    // `addforselfcond`: the dialog from its reset state; a confirmed entry is appended, the
    // master box ticked and the export confirmed to the user. False when cancelled or refused.
    bool addExported();
    // An entry handed over by another window: appended and the list ticked; the refusal (an empty
    // allowed set, a full list) changes nothing and is returned, not shown.
    Status append(tselfcond entry);

private:
    std::vector<tselfcond>& entries() const;
    bool& enabledFlag() const;
    std::optional<tselfcond> edit(const tselfcond* preset);
    void add();
    void modify();
    void remove();
    void showLines();
    void say(const std::string& message);

    Kind m_kind;
    const Workspace& m_ws;
    MainConditions& m_conditions;
    Prompts& m_prompts;
    GeneratorDialogs& m_dialogs;
    std::unique_ptr<Ui::ZhGroupPage> m_ui;
    std::vector<std::string> m_lines;
};

}  // namespace lottodesk
