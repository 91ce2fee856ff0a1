#include "ui/generator/f_zh.h"

#include "generator/forecastconditions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <random>

#include "core/workspace.h"
#include "generator/batch.h"
#include "generator/condfile.h"
#include "generator/runframe.h"
#include "generator/selfcond.h"
#include "generator/twozone.h"
#include "ui/common/pagesizing.h"
#include "ui/common/prompts.h"
#include "ui/common/textviewer.h"
#include "ui/generator/f_groupfilter.h"
#include "ui/generator/zh_conditionmenu.h"
#include "ui/generator/zh_custompage.h"
#include "ui/generator/zh_dialogs.h"
#include "ui/generator/zh_grouppage.h"
#include "ui/generator/zh_mainpage.h"
#include "ui/generator/zh_results.h"
#include "ui/common/ticketcolumns.h"
#include "ui/generator/zh_secondarypage.h"
#include "ui/generator/zh_bonuspage.h"
#include "ui/generator/zh_ticketlist.h"
#include "ui/generator/zh_twozonepage.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// The secondary-zone pages in tab order after `ts_zqgl`.
enum SecondaryPage { kSpecialPage = 1, kSecondaryPage = 2, kTwoZonePage = 3 };

// The longest search of "优化旋转"; it ends sooner at the best known size or when the user stops it.
constexpr double kOptimiseSeconds = 30;

}  // namespace

struct Tf_zh::BatchState {
    BatchPlan plan;
    size_t next = 0;
    std::vector<std::string> notes;  // the files' load notes, shown at the end
};

Tf_zh::Tf_zh(Workspace& ws, Prompts& prompts, FileChooser& files, Shell& shell, GeneratorDialogs& dialogs,
             QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_prompts(prompts),
      m_files(files),
      m_generator(std::random_device{}()),
      m_worker(std::make_unique<Generator>(m_generator)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    setObjectName(QStringLiteral("Tf_zh"));
    setWindowTitle(QStringLiteral("超强组号"));
    m_generator.conditions = lottodesk::resetConditions(ws.game.zh_to);
    MainConditions& conditions = m_generator.conditions;

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pagecontrol1"));
    m_zqgl = new QWidget;
    m_zqgl->setObjectName(QStringLiteral("ts_zqgl"));
    auto* splitter = new QSplitter(Qt::Horizontal, m_zqgl);
    m_splitter = splitter;
    m_main = new ZhMainPage(ws, conditions, prompts, dialogs);
    m_self = new ZhGroupPage(ZhGroupPage::Kind::SelfSet, ws, conditions, prompts, dialogs);
    m_tail = new ZhGroupPage(ZhGroupPage::Kind::Tail, ws, conditions, prompts, dialogs);
    m_custom = new ZhCustomPage(ws, &conditions.custom, conditions.customEnabled, prompts, dialogs);
    m_main->conditionPages()->addTab(m_self, QStringLiteral("自设条件"));
    m_main->conditionPages()->addTab(m_tail, QStringLiteral("尾数设置"));
    m_main->conditionPages()->addTab(m_custom, QStringLiteral("自定义指标"));
    m_results = new ZhResults(ws, m_generator.results, prompts, files);
    m_results->setPeriodChooser(
        [this, &dialogs](const std::vector<int32_t>& offered) { return dialogs.choosePeriod(this, offered); });
    // One printout window per generator window: a new printout replaces the text.
    // One printout window per generator window: a new printout replaces the text.
    const auto showPrintout = [this, &shell](const QString& path) {
        auto* viewer = findChild<TextViewer*>(QStringLiteral("printout"), Qt::FindDirectChildrenOnly);
        if (!viewer) {
            viewer = new TextViewer(shell, m_prompts, this);
            viewer->setObjectName(QStringLiteral("printout"));
        }
        viewer->showTextFile(QStringLiteral("打印投注结果"), path);
    };
    m_results->setPrintoutViewer(showPrintout);
    splitter->addWidget(m_main);
    splitter->addWidget(m_results);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    connect(m_results, &ZhResults::fileWritten, this,
            [this](const QString& path) { setStatus(QStringLiteral("超强组号  已保存到 ") + path); });
    connect(m_results, &ZhResults::wantedWidthChanged, this,
            [this](int width) { giveSplitterPaneWidth(m_splitter, 1, width); });
    auto* zqglLayout = new QVBoxLayout(m_zqgl);
    zqglLayout->setContentsMargins(0, 0, 0, 0);
    zqglLayout->addWidget(splitter);
    m_pages->addTab(m_zqgl, QString());
    m_special = new ZhBonusPage(ws, prompts, files, dialogs);
    m_secondary = new ZhSecondaryPage(ws, prompts, files, dialogs);
    m_twoZone = new ZhTwoZonePage(
        ws, prompts, files, [this]() -> const std::vector<Ticket>& { return m_generator.results.tickets; },
        [this] { return secondaryResults(); });
    m_twoZone->setPrintoutViewer(showPrintout);
    m_pages->addTab(m_special, QString());
    m_pages->addTab(m_secondary, QString());
    m_pages->addTab(m_twoZone, QString());
    sizeByCurrentPage(m_pages);
    connect(m_secondary, &ZhSecondaryPage::statusChanged, this, [this](const QString& text) { setStatus(text); });
    connect(m_twoZone, &ZhTwoZonePage::statusChanged, this, [this](const QString& text) { setStatus(text); });

    // The busy notice of a run, below the pages.
    m_busy = new QWidget(this);
    m_busy->setObjectName(QStringLiteral("pn_run"));
    m_busyText = new QLabel(m_busy);
    m_busyText->setObjectName(QStringLiteral("l_busy"));
    m_progress = new QProgressBar(m_busy);
    m_progress->setObjectName(QStringLiteral("pb_run"));
    m_cancel = new QPushButton(QStringLiteral("取消"), m_busy);
    m_cancel->setObjectName(QStringLiteral("b_stoprun"));
    auto* busyLayout = new QHBoxLayout(m_busy);
    busyLayout->addWidget(m_busyText);
    busyLayout->addWidget(m_progress, 1);
    busyLayout->addWidget(m_cancel);
    m_busy->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_busy);

    m_menu = new ZhConditionMenu(
        ws, conditions, m_ring, {prompts, files, shell, dialogs},
        [this](MainConditionLoad load) { applyConditions(std::move(load)); }, this);
    m_main->operationsButton()->setMenu(m_menu->menu());
    QAction* batch = m_menu->menu()->addAction(QString::fromUtf8(kBatchCaption));
    batch->setObjectName(QStringLiteral("n_batch"));
    connect(batch, &QAction::triggered, this, [this] { batchFilter(); });
    m_runner = new ZhRunner(this);

    connect(m_main->runButton(), &QPushButton::clicked, this, [this] { startRun(); });
    connect(m_main->secondButton(), &QPushButton::clicked, this, [this] { secondRun(); });
    connect(m_main->continueButton(), &QPushButton::clicked, this, [this] { continueRun(); });
    connect(m_main->resetButton(), &QPushButton::clicked, this, [this] { resetConditions(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { cancelRun(); });
    connect(m_runner, &ZhRunner::progressed, this, [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    });
    connect(m_runner, &ZhRunner::optimised, this, [this](int size, double seconds) {
        m_optimising = true;
        m_busyText->setText(QStringLiteral("正在优化旋转：已得到%1注，用时%2秒").arg(size).arg(qRound(seconds)));
        m_progress->setRange(0, 0);
        m_cancel->setText(QStringLiteral("停止优化"));
    });
    connect(m_results, &ZhResults::resultsLoaded, this, [this] {
        m_main->continueButton()->setEnabled(true);
        setStatus(QStringLiteral("超强组号  已得到符合条件的红号组有%1个").arg(m_generator.results.tickets.size()));
    });
    showZoneCaptions();
}

Tf_zh::~Tf_zh() { m_runner->abandon(); }

void Tf_zh::setDialogRunner(DialogRunner runner) {
    m_runDialog = runner;
    m_results->setDialogRunner(runner);
    m_secondary->results()->setDialogRunner(runner);
    m_twoZone->setDialogRunner(std::move(runner));
}

Tf_groupfilter* Tf_zh::batchDialog() {
    if (!m_groupFilter) m_groupFilter = new Tf_groupfilter(m_ws, m_files, this);
    return m_groupFilter;
}

void Tf_zh::batchFilter() {
    if (isRunning() || m_batch) return;
    Tf_groupfilter* dialog = batchDialog();
    if (m_runDialog(*dialog) != QDialog::Accepted) return;
    BatchPlan plan = prepareBatch(m_ws, dialog->paths());
    if (!plan.status) {
        // As for a run: a prediction record is removed and the user sets the conditions again.
        if (removePredictionRecord(m_ws.sjk)) m_main->fillPeriods();
        say(plan.status.message);
        return;
    }
    m_batch = std::make_unique<BatchState>();
    m_batch->plan = std::move(plan);
    runNextBatchEntry();
}

void Tf_zh::runNextBatchEntry() {
    std::vector<BatchEntry>& entries = m_batch->plan.entries;
    if (m_batch->next >= entries.size()) {
        endBatch(true);
        return;
    }
    BatchEntry& entry = entries[m_batch->next++];
    m_batch->notes.insert(m_batch->notes.end(), entry.notes.begin(), entry.notes.end());
    MainConditionLoad load;
    load.conditions = std::move(entry.conditions);
    applyConditions(std::move(load));
    if (entry.first)
        startRun();
    else
        continueRun();
    // A run refused at its start (a wheel question answered "取消") ends the batch.
    if (!isRunning()) endBatch(false);
}

void Tf_zh::endBatch(bool completed) {
    std::unique_ptr<BatchState> batch = std::move(m_batch);
    setRunning(false, {});
    if (!completed) return;
    std::string text = batchFinishedText(batch->plan);
    for (const std::string& note : batch->notes) text += "\n" + note;
    say(text);
}

std::vector<Ticket> Tf_zh::secondaryResults() const {
    std::vector<Ticket> tickets;
    if (m_ws.game.fhgs == 1) {
        for (int n : m_special->numbers()) {
            Ticket ticket{};
            ticket[0] = static_cast<uint8_t>(std::clamp(n, 0, 255));
            tickets.push_back(ticket);
        }
        return tickets;
    }
    const int h = std::clamp(m_ws.game.fhgs, 0, kMaxSecondaryTicketNumbers);
    for (const TwoZoneTicket& pair : m_secondary->results()->tickets()) {
        Ticket ticket{};
        std::copy_n(pair.secondary.begin(), std::min(h, kMaxTicketNumbers), ticket.begin());
        tickets.push_back(ticket);
    }
    return tickets;
}

bool Tf_zh::isRunning() const { return m_runner->running(); }

void Tf_zh::showEvent(QShowEvent* event) {
    // The history may have changed while the window was hidden.
    if (!isRunning()) m_main->fillPeriods();
    QWidget::showEvent(event);
    // The result list's room, once the splitter has its size.
    QTimer::singleShot(0, this, [this] { giveSplitterPaneWidth(m_splitter, 1, m_results->wantedWidth()); });
}

void Tf_zh::hideEvent(QHideEvent* event) {
    abandonRun();
    QWidget::hideEvent(event);
}

void Tf_zh::abandonRun() {
    if (!isRunning()) return;
    m_runner->abandon();
    // A batch ends with its run: nothing would start the next one.
    m_batch.reset();
    setRunning(false, {});
    setStatus(m_statusBeforeRun);
}

void Tf_zh::setStatus(const QString& text) {
    if (text == m_status) return;
    m_status = text;
    Q_EMIT statusChanged(m_status);
    reportStatus(m_status);
}

void Tf_zh::say(const std::string& message) {
    if (!message.empty()) m_prompts.inform(this, q(message));
}

void Tf_zh::showZoneCaptions() {
    const tcpstyle& type = m_ws.current();
    m_pages->setTabText(0, q(type.zhname) + QStringLiteral("过滤"));
    m_pages->setTabText(kSpecialPage, q(type.specname) + QStringLiteral("过滤"));
    m_pages->setTabText(kSecondaryPage, QStringLiteral("副区过滤"));
    m_pages->setTabText(kTwoZonePage, QStringLiteral("双区匹配"));
    const int fhgs = m_ws.game.fhgs;
    m_pages->setTabVisible(kSpecialPage, fhgs == 1);
    m_pages->setTabVisible(kSecondaryPage, fhgs == 2);
    m_pages->setTabVisible(kTwoZonePage, (fhgs == 1 || fhgs == 2) && type.specname != "特别号");
}

void Tf_zh::startRun() {
    switch (m_main->mode()) {
    case ZhMainPage::Mode::Regular: start(ZhRunner::Kind::Run); break;
    case ZhMainPage::Mode::Wheel: startTickets(TicketMode::Wheel); break;
    case ZhMainPage::Mode::Random: startTickets(TicketMode::Random); break;
    }
}

void Tf_zh::secondRun() {
    switch (m_main->mode()) {
    case ZhMainPage::Mode::Regular: break;  // the command is disabled
    case ZhMainPage::Mode::Wheel: startTickets(TicketMode::FilterWheel); break;
    case ZhMainPage::Mode::Random: startTickets(TicketMode::FilterRandom); break;
    }
}

void Tf_zh::continueRun() { start(ZhRunner::Kind::Continue); }

void Tf_zh::cancelRun() {
    if (!isRunning()) return;
    if (m_optimising) {
        // The greedy wheel is done and keeps the guarantee: stop the search and show the smallest.
        m_cancel->setEnabled(false);
        m_runner->stopOptimising();
        return;
    }
    m_cancel->setEnabled(false);
    m_runner->cancel();
}

bool Tf_zh::beginRun(const QString& notice, const QString& status) {
    if (isRunning()) return false;
    if (removePredictionRecord(m_ws.sjk)) {
        // A run does not start over a prediction record: it is removed, and the user sets the
        // conditions again.
        say(kPredictionPresentMessage);
        m_main->fillPeriods();
        return false;
    }
    // The worker takes the conditions; continue filtering reads the window's results, which stay
    // on show (the page is disabled) until the run completes.
    m_worker->conditions = m_generator.conditions;
    m_statusBeforeRun = m_status;
    m_runPeriod = m_main->filterPeriod();
    setRunning(true, notice);
    setStatus(status);
    return true;
}

void Tf_zh::start(ZhRunner::Kind kind) {
    const bool regular = kind == ZhRunner::Kind::Run;
    if (!beginRun(
            regular ? QStringLiteral("正在过滤中，请稍候...") : QStringLiteral("正在过滤中，请稍候."),
            regular ? QStringLiteral("超强组号   正在过滤中,请稍候") : QStringLiteral("超强组号   正在筛选中,请稍候")))
        return;
    if (regular) m_main->continueButton()->setEnabled(true);
    m_runner->start(
        kind, *m_worker, m_generator.results, m_ws, m_runPeriod,
        [this](const RunReport& report, bool cancelled, Generator& worker) { finishRun(report, cancelled, worker); });
}

void Tf_zh::startTickets(TicketMode mode) {
    if (isRunning()) return;
    const bool wheel = isWheelMode(mode);
    if (wheel) {
        if (m_ws.game.zhgs != kWheelTicketSize) {
            say(kWheelNeedsSixNumbers);
            return;
        }
        // Asked before anything changes: Cancel leaves the history, the results and the status.
        const WheelPool pool = wheelPoolOf(m_generator.conditions, m_ws.game.zh_to);
        if (pool.size() > kWheelQuestionPool &&
            !m_prompts.confirm(this, QStringLiteral("旋转矩阵"), q(kWheelPoolQuestion)))
            return;
    }
    if (!beginRun(
            wheel ? QStringLiteral("正在计算旋转矩阵，请稍候...") : QStringLiteral("正在机选，请稍候..."),
            wheel ? QStringLiteral("超强组号   正在旋转中,请稍候") : QStringLiteral("超强组号   正在机选中,请稍候")))
        return;
    m_main->continueButton()->setEnabled(true);
    TicketRun request;
    request.mode = mode;
    request.guarantee = m_main->guarantee();
    request.count = m_main->pickCount();
    request.seed = RandomSource::entropySeed();
    request.optimise = wheel && m_main->optimiseWheel();
    request.optimiseSeconds = kOptimiseSeconds;
    m_runner->startTickets(
        std::move(request), *m_worker, m_ws, m_runPeriod,
        [this](const RunReport& report, bool cancelled, Generator& worker) { finishRun(report, cancelled, worker); });
}

void Tf_zh::finishRun(const RunReport& report, bool cancelled, Generator& worker) {
    setRunning(false, {});
    if (cancelled || !report.completed) {
        setStatus(m_statusBeforeRun);
        if (!cancelled) say(report.message);
        if (m_batch) endBatch(false);
        return;
    }
    // The old results go to the worker, whose next run reuses their buffers.
    std::swap(m_generator.results, worker.results);
    m_results->listFilteredFor(m_runPeriod);
    const Status snapshot = advanceSnapshot(m_ring, m_ws.folder, m_generator.conditions, m_ws.game.zh_to);
    m_results->showPage(1);
    setStatus(q(report.statusText));
    say(snapshot.message);
    if (m_batch) runNextBatchEntry();
}

Status Tf_zh::addSelfSet(tselfcond entry) { return m_self->append(std::move(entry)); }

Status Tf_zh::addTail(tselfcond entry) { return m_tail->append(std::move(entry)); }

Status Tf_zh::addCustom(const std::string& formula, std::vector<int32_t> values, bool tolerant) {
    return m_custom->append(formula, std::move(values), tolerant);
}

GeneratorHandOff::SecondaryTarget Tf_zh::secondaryTarget() const {
    switch (m_ws.game.fhgs) {
    case 1: return SecondaryTarget::Special;
    case 2: return SecondaryTarget::Zone;
    default: return SecondaryTarget::None;
    }
}

Status Tf_zh::addSecondaryCustom(const std::string& formula, std::vector<int32_t> values, bool tolerant) {
    switch (secondaryTarget()) {
    case SecondaryTarget::Special: return m_special->customPage()->append(formula, std::move(values), tolerant);
    case SecondaryTarget::Zone: return m_secondary->customPage()->append(formula, std::move(values), tolerant);
    case SecondaryTarget::None: break;
    }
    return Status::failure(kNoSecondaryZoneMessage);
}

void Tf_zh::putCustomFormula(const std::string& formula) {
    m_custom->putFormula(formula);
    showConditions();
    m_main->conditionPages()->setCurrentWidget(m_custom);
    // What arrived, where the user looks next: the formula waits for its values and "添加".
    setStatus(QStringLiteral("已转入自定义指标公式：") + q(formula) + QStringLiteral("，请点“取值”选择取值后添加"));
}

void Tf_zh::showConditions() {
    m_pages->setCurrentWidget(m_zqgl);
    Q_EMIT forwardRequested();
}

void Tf_zh::setRunning(bool running, const QString& notice) {
    m_optimising = false;
    m_cancel->setText(QStringLiteral("取消"));
    // The other zones' pages read and may change the history (a prediction record is removed
    // before their filters), so they wait for the run too.
    // A batch keeps them disabled between its runs.
    for (QWidget* page : {m_zqgl, static_cast<QWidget*>(m_special), static_cast<QWidget*>(m_secondary),
                          static_cast<QWidget*>(m_twoZone)})
        page->setEnabled(!running && !m_batch);
    m_busyText->setText(notice);
    m_progress->setRange(0, 0);
    m_progress->setValue(0);
    m_cancel->setEnabled(running);
    m_busy->setVisible(running);
    Q_EMIT runningChanged(running);
}

void Tf_zh::applyConditions(MainConditionLoad load) {
    m_generator.conditions = std::move(load.conditions);
    const ConditionLines lines = linesAfterLoad(m_generator.conditions);
    m_self->setLines(lines.selfSet);
    m_tail->setLines(lines.tails);
    m_custom->setLines(lines.custom);
    m_main->refresh();
    for (const std::string& note : load.notes) say(note);
}

void Tf_zh::resetConditions() {
    MainConditions& conditions = m_generator.conditions;
    // "重置" unticks the custom indicators but keeps their list.
    MainConditions fresh = lottodesk::resetConditions(m_ws.game.zh_to, &conditions);
    fresh.custom = std::move(conditions.custom);
    conditions = std::move(fresh);
    m_self->setLines({});
    m_tail->setLines({});
    m_custom->setLines(m_custom->lines());
    m_main->refresh();
}

void Tf_zh::resetForType() {
    abandonRun();
    m_generator.conditions = lottodesk::resetConditions(m_ws.game.zh_to, &m_generator.conditions);
    m_generator.results = MainResults{};
    m_results->listFilteredFor(0);
    m_self->setLines({});
    m_tail->setLines({});
    m_custom->setLines({});
    m_main->refresh();
    m_main->fillPeriods();
    m_main->continueButton()->setEnabled(false);
    m_results->showPage(1);
    m_special->resetForType();
    m_secondary->resetForType();
    m_twoZone->resetForType();
    showZoneCaptions();
    setStatus({});
}

Status Tf_zh::saveExitConditions() {
    abandonRun();
    return saveConditionsAtExit(m_ws.folder, m_generator.conditions, m_ws.game.zh_to);
}

bool Tf_zh::addforselfcond() { return m_self->addExported(); }

QString Tf_zh::takeSecondaryForecast(const ForecastConditions& forecast) {
    std::string text;
    switch (secondaryTarget()) {
    case SecondaryTarget::Zone:
        text = m_secondary->takeForecast(forecast.killedSecondary, forecast.fixedSecondary);
        m_pages->setCurrentWidget(m_secondary);
        break;
    case SecondaryTarget::Special: {
        const std::vector<int32_t> left = numbersLeftByKill(forecast.killedSecondary, m_ws.game);
        if (!left.empty()) {
            const Status added = m_special->customPage()->append(kSpecialKillFormula, left, false);
            text = added ? "已添加自定义指标条件：" + std::string(kSpecialKillFormula) + " 取 " + valueListText(left)
                         : added.message;
        }
        m_pages->setCurrentWidget(m_special);
        break;
    }
    case SecondaryTarget::None: return QString::fromUtf8(kNoSecondaryZoneMessage);
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    if (text.empty()) text = "预测中没有可以转入过滤的号码";
    setStatus(QString::fromStdString(text));
    Q_EMIT forwardRequested();
    return QString::fromStdString(text);
}

QString Tf_zh::takeForecast(const ForecastConditions& forecast) {
    if (isRunning()) return QStringLiteral("正在过滤，请在过滤结束后再转入预测");
    if (!forecast.killedSecondary.empty() || !forecast.fixedSecondary.empty()) return takeSecondaryForecast(forecast);
    MainConditions& c = m_generator.conditions;
    const size_t selfBefore = c.selfSet.size(), tailsBefore = c.tails.size();
    const int customBefore = c.custom.count();
    const ForecastApplied applied = applyForecast(c, forecast, m_ws.game.zh_to);
    if (c.selfSet.size() > selfBefore) {
        std::vector<std::string> lines = m_self->lines();
        lines.push_back(selfSetLine(c.selfSet.back()));
        m_self->setLines(std::move(lines));
    }
    if (c.tails.size() > tailsBefore) {
        std::vector<std::string> lines = m_tail->lines();
        lines.push_back(tailLine(c.tails.back()));
        m_tail->setLines(std::move(lines));
    }
    if (c.custom.count() > customBefore) {
        std::vector<std::string> lines = m_custom->lines();
        lines.push_back(customLineAfterAdd(c.custom[c.custom.count() - 1]));
        m_custom->setLines(std::move(lines));
    }
    m_main->refresh();
    std::string text = applied.summary;
    for (const std::string& note : applied.notes) text += note + "\n";
    if (text.empty()) text = "预测中没有可以转入过滤的号码";
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return QString::fromStdString(text);
}

bool Tf_zh::addforselfzb(const std::string& formula, int32_t lo, int32_t hi) {
    return m_custom->addExported(formula, lo, hi);
}

}  // namespace lottodesk
