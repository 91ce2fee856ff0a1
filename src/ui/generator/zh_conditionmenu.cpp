#include "ui/generator/zh_conditionmenu.h"

#include <QMenu>
#include <QWidget>

#include "core/workspace.h"
#include "ui/common/filechooser.h"
#include "generator/condreport.h"
#include "ui/generator/zh_dialogs.h"
#include "indicators/context.h"
#include "ui/common/prompts.h"
#include "ui/common/shell.h"
#include "ui/common/textviewer.h"

namespace lottodesk {
namespace {

const QString kConditionFilter = QStringLiteral("主区过滤条件格式文件(*.zh)");

struct MenuCommand {
    const char* name;
    const char* caption;
    void (ZhConditionMenu::*run)();
};
constexpr MenuCommand kCommands[] = {
    {"n_savecond", "保存条件", &ZhConditionMenu::saveConditions},
    {"n_loadcond", "载入条件", &ZhConditionMenu::loadConditions},
    {"n_loadcg", "载入常规过滤条件", &ZhConditionMenu::loadRegular},
    {"n_savecg", "覆盖常规过滤条件", &ZhConditionMenu::overwriteRegular},
    {"n_loadexit", "载入上次退出前的过滤条件", &ZhConditionMenu::loadAtExit},
    {"n_restore", "恢复上一次过滤条件", &ZhConditionMenu::restorePrevious},
    {"n_showcond", "显示条件", &ZhConditionMenu::showConditions},
    {"n_checkcond", "条件对错", &ZhConditionMenu::checkConditions},
};

}  // namespace

ZhConditionMenu::ZhConditionMenu(Workspace& ws, const MainConditions& conditions, tjlq& ring, Services services,
                                 Apply apply, QWidget* parent)
    : QObject(parent),
      m_ws(ws),
      m_conditions(conditions),
      m_ring(ring),
      m_services(services),
      m_apply(std::move(apply)),
      m_parent(parent),
      m_menu(new QMenu(QStringLiteral("过滤操作"), parent)) {
    m_menu->setObjectName(QStringLiteral("pm_glcz"));
    for (const MenuCommand& command : kCommands) {
        QAction* action = m_menu->addAction(QString::fromUtf8(command.caption));
        action->setObjectName(QString::fromLatin1(command.name));
        connect(action, &QAction::triggered, this, [this, run = command.run] { (this->*run)(); });
        if (command.run == &ZhConditionMenu::overwriteRegular || command.run == &ZhConditionMenu::restorePrevious)
            m_menu->addSeparator();
    }
}

QAction* ZhConditionMenu::command(const char* name) const {
    return m_menu->findChild<QAction*>(QString::fromLatin1(name));
}

void ZhConditionMenu::say(const std::string& message) {
    if (!message.empty()) m_services.prompts.inform(m_parent, QString::fromStdString(message));
}

void ZhConditionMenu::take(MainConditionLoad load) {
    if (!load.status) {
        say(load.status.message);
        return;
    }
    m_apply(std::move(load));
}

void ZhConditionMenu::saveConditions() {
    const QString chosen = m_services.files.saveFile(m_parent, QStringLiteral("保存主区过滤条件"), kConditionFilter,
                                                     QString::fromStdString(m_ws.path("save")));
    if (chosen.isEmpty()) return;
    const std::string path = withConditionExtension(chosen.toStdString(), ".zh");
    say(saveMainConditions(path, m_conditions, m_ws.game.zh_to).message);
}

void ZhConditionMenu::loadConditions() {
    const QString chosen = m_services.files.openFile(m_parent, QStringLiteral(" 打开主区过滤条件存储文件"),
                                                     kConditionFilter, QString::fromStdString(m_ws.path("save")));
    if (chosen.isEmpty()) return;
    take(loadMainConditions(chosen.toStdString(), m_ws.game.zh_to, &m_conditions));
}

void ZhConditionMenu::loadRegular() { take(loadRegularConditions(m_ws.folder, m_ws.game.zh_to, m_conditions)); }

void ZhConditionMenu::overwriteRegular() {
    say(overwriteRegularConditions(m_ws.folder, m_conditions, m_ws.game.zh_to).message);
}

void ZhConditionMenu::loadAtExit() { take(loadExitConditions(m_ws.folder, m_ws.game.zh_to, m_conditions)); }

void ZhConditionMenu::restorePrevious() { take(stepBackSnapshot(m_ring, m_ws.folder, m_ws.game.zh_to, m_conditions)); }

void ZhConditionMenu::openReport(const std::vector<std::string>& lines) {
    const ReportFile report = writeConditionReport(m_ws.folder, lines);
    if (!report.status) {
        say(report.status.message);
        return;
    }
    // One report window per generator window: a new report replaces the last one's text.
    const QString name = QStringLiteral("conditionReport");
    auto* viewer = m_parent->findChild<TextViewer*>(name, Qt::FindDirectChildrenOnly);
    if (!viewer) {
        viewer = new TextViewer(m_services.shell, m_services.prompts, m_parent);
        viewer->setObjectName(name);
    }
    viewer->showTextFile(QStringLiteral("过滤条件报告"), QString::fromStdString(report.path));
}

void ZhConditionMenu::showConditions() { openReport(summaryReport(m_conditions)); }

void ZhConditionMenu::checkConditions() {
    const t_s_dm& sjk = m_ws.sjk;
    const std::optional<int32_t> period = m_services.dialogs.choosePeriod(m_parent, sjk.realPeriods());
    if (!period) return;
    const int n = sjk.indexOfPeriod(*period);
    if (n == 0) return;
    const std::optional<CheckMode> mode = m_services.dialogs.chooseCheckMode(m_parent);
    if (!mode) return;
    CheckReport report = checkReport(m_conditions, indicatorContext(m_ws, &m_memo), n, *mode);
    if (!report.status) {
        say(report.status.message);
        return;
    }
    openReport(report.lines);
}

}  // namespace lottodesk
