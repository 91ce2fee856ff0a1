#include "ui/generator/zh_conditionmenu.h"

#include <QEventLoop>
#include <QInputDialog>
#include <QMenu>
#include <QProgressDialog>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <thread>

#include "core/workspace.h"
#include "ui/common/filechooser.h"
#include "core/randomsource.h"
#include "generator/conditionbacktest.h"
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
    {"n_backtest", "条件回测", &ZhConditionMenu::backtestConditions},
};

// The number of draws a back-test offers first.
constexpr int kBacktestPreset = 100;

std::optional<int> askCountInDialog(QWidget* parent, int preset, int most) {
    bool ok = false;
    const int n = QInputDialog::getInt(parent, QStringLiteral("条件回测"), QStringLiteral("回测最近的期数："), preset,
                                       1, most, 1, &ok);
    if (!ok) return std::nullopt;
    return n;
}

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
      m_menu(new QMenu(QStringLiteral("过滤操作"), parent)),
      m_askCount(askCountInDialog) {
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

void ZhConditionMenu::openReport(const std::vector<std::string>& lines, const char* file, const QString& title) {
    const ReportFile report = writeReportFile(m_ws.folder, file, lines);
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
    viewer->showTextFile(title, QString::fromStdString(report.path));
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

void ZhConditionMenu::backtestConditions() {
    // As a run: the conditions may have been set against the prediction record.
    if (removePredictionRecord(m_ws.sjk)) {
        say(kPredictionPresentMessage);
        return;
    }
    const int available = std::max(0, static_cast<int>(m_ws.sjk.realPeriods().size()) - 1);
    if (available == 0) {
        say(kConditionBacktestTooFewDraws);
        return;
    }
    const std::optional<int> n = m_askCount(m_parent, std::min(kBacktestPreset, available), available);
    if (!n) return;

    // The run reads the workspace on its thread; the modal progress dialog keeps the user from
    // changing it meanwhile.
    QProgressDialog progress(QStringLiteral("正在回测中，请稍候..."), QStringLiteral("取消"), 0, *n, m_parent);
    progress.setObjectName(QStringLiteral("backtestProgress"));
    progress.setWindowTitle(QStringLiteral("条件回测"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);
    progress.show();
    progress.setValue(0);
    std::atomic<bool> cancel{false};
    connect(&progress, &QProgressDialog::canceled, &progress, [&cancel] { cancel = true; });

    Generator worker(RandomSource::entropySeed());
    worker.conditions = m_conditions;
    RunOptions options;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    options.cancel = &cancel;
    options.progress = [&progress](int done, int) {
        QMetaObject::invokeMethod(
            &progress, [&progress, done] { progress.setValue(done); }, Qt::QueuedConnection);
    };
    QEventLoop loop;
    ConditionBacktest result;
    std::thread thread([&] {
        try {
            result = conditionBacktest(worker, m_ws, *n, options);
        } catch (const std::exception& error) {
            result = ConditionBacktest{};
            result.message = error.what();  // out of memory for the results, most likely
        }
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    thread.join();
    progress.close();
    if (!result.completed) {
        say(result.message);  // nothing to say when the user cancelled
        return;
    }
    openReport(conditionBacktestReport(result), kConditionBacktestFile, QStringLiteral("条件回测"));
}

}  // namespace lottodesk
