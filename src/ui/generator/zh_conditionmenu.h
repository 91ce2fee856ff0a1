#pragma once
// ZhConditionMenu: the generator's "过滤操作" menu, the commands on its condition files and reports:
// "保存条件", "载入条件", "载入常规过滤条件", "覆盖常规过滤条件", "载入上次退出前的过滤条件",
// "恢复上一次过滤条件", "显示条件", "条件对错" and "条件回测". Loads go through the window (it replaces
// its conditions and rebuilds its pages); a load or save that fails shows its message and changes
// nothing. The reports are written to "database/showcond.txt" (the back-test's to
// "database/backtest.txt") and shown in the program's text viewer.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "generator/condfile.h"
#include "generator/condreport.h"
#include "generator/snapshots.h"
#include "indicators/seriesmemo.h"

class QAction;
class QMenu;
class QWidget;

namespace lottodesk {

struct Workspace;
class FileChooser;
class GeneratorDialogs;
class Prompts;
class Shell;

class ZhConditionMenu : public QObject {
    Q_OBJECT
public:
    // Takes the conditions a load produced (its notes are the window's to show).
    using Apply = std::function<void(MainConditionLoad load)>;

    struct Services {
        Prompts& prompts;
        FileChooser& files;
        Shell& shell;
        GeneratorDialogs& dialogs;
    };

    // `conditions` and `ring` are the window's; `parent` hosts the dialogs and owns the menu.
    ZhConditionMenu(Workspace& ws, const MainConditions& conditions, tjlq& ring, Services services, Apply apply,
                    QWidget* parent);

    QMenu* menu() const { return m_menu; }
    QAction* command(const char* name) const;

    void saveConditions();
    void loadConditions();
    void loadRegular();
    void overwriteRegular();
    void loadAtExit();
    void restorePrevious();
    void showConditions();
    void checkConditions();
    // "条件回测": asks how many of the newest draws to test, runs the back-test on a thread of its
    // own behind a progress dialog that can cancel it, and shows the report.
    void backtestConditions();

    // Asks the number of draws of the back-test, `preset` offered, 1..`most`; nothing: cancelled.
    // A number dialog unless a test answers it.
    using AskCount = std::function<std::optional<int>(QWidget* parent, int preset, int most)>;
    void setAskCount(AskCount ask) { m_askCount = std::move(ask); }

private:
    void take(MainConditionLoad load);
    void openReport(const std::vector<std::string>& lines, const char* file = kConditionReportFile,
                    const QString& title = QStringLiteral("过滤条件报告"));
    void say(const std::string& message);

    Workspace& m_ws;
    const MainConditions& m_conditions;
    tjlq& m_ring;
    Services m_services;
    Apply m_apply;
    QWidget* m_parent;
    QMenu* m_menu;
    SeriesMemo m_memo;
    AskCount m_askCount;
};

}  // namespace lottodesk
