#include "ui/shell/f_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>

#include "core/drawtext.h"
#include "core/fileio.h"
#include "core/programfolder.h"
#include "core/settings.h"
#include "indicators/coldhot.h"
#include "core/workspace.h"
#include "ui/common/handoff.h"
#include "ui/common/pagesizing.h"
#include "ui/update/f_cpstyle.h"
#include "ui/shell/f_showpic.h"
#include "ui/update/f_gxsjq.h"
#include "ui/transform/f_bh.h"
#include "ui/online/f_informdownload.h"
#include "ui/settings/f_zj1.h"
#include "ui/indicators/zbpx_start.h"
#include "ui/generator/zh_dialogs.h"
#include "ui/online/newdrawcheck.h"
#include "ui/online/noticefetcher.h"
#include "ui/online/onlineupdate.h"
#include "ui/online/pageview.h"
#include "ui/shell/main_homepanel.h"
#include "ui/shell/mainpage.h"
#include "ui/common/helppage.h"
#include "ui/common/prompts.h"
#include "ui/common/shell.h"
#include "ui/common/textviewer.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

const QString kExitQuestion = QStringLiteral("是否退出本软件？");
const QString kExitCaption = QStringLiteral("关闭软件确认");
const QString kResolutionMessage = QStringLiteral("请将分辨率调至1024*768以上，否则某些页面不能完全显示");
const QString kBusyText = QStringLiteral("请稍候，正在更新数据.");
const QString kNotYetAvailable = QStringLiteral("此功能尚未提供");

}  // namespace

Tf_main::Tf_main(Workspace& ws, Services services, QWidget* parent)
    : QMainWindow(parent), m_ws(ws), m_services(services) {
    setObjectName(QStringLiteral("Tf_main"));
    m_openTabs = 0;
    if (!m_pictures.load(q(m_ws.folder))) {
        m_startupError = m_pictures.message();
        return;
    }
    const StartupResult startup = initialiseWorkspace(m_ws, m_services.settings);
    for (const std::string& message : startup.messages) m_startupMessages << q(message);
    setWindowTitle(q(mainCaption(m_ws, false)));

    buildPages();
    // The windows the main window hosts or opens, created once and kept until exit.
    auto dialogs = std::make_unique<DialogGeneratorDialogs>(m_services.prompts, this);
    DialogGeneratorDialogs& generatorDialogs = *dialogs;
    m_generatorDialogs = std::move(dialogs);
    createPageWindows();
    // The generator's filter assistants show their series in the indicator analysis, when a page
    // hosts one.
    if (analysisOpener()) generatorDialogs.setAnalysis(&m_ws, [this] { return analysisOpener(); });
    buildMenu();
    m_pagePanel = new QLabel(this);
    m_historyPanel = new QLabel(this);
    statusBar()->addWidget(m_pagePanel, 1);
    // Newer draws at the result service, found by the start-up check: one click updates.
    m_newDraws = new QPushButton(this);
    m_newDraws->setObjectName(QStringLiteral("b_newdraws"));
    m_newDraws->setFlat(true);
    m_newDraws->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_newDraws->hide();
    statusBar()->addPermanentWidget(m_newDraws);
    statusBar()->addPermanentWidget(m_historyPanel);
    m_historyPanel->setToolTip(QStringLiteral("数据文件夹：") + q(m_ws.folder));
    m_busy = new Tf_showpic(this);

    m_cpstyle = new Tf_cpstyle(m_ws, m_services.prompts, this);
    m_zj1 = new Tf_zj1(m_ws, this);
    m_gxsjq = new Tf_gxsjq(
        m_ws, m_services.prompts, m_services.files,
        [this](QWidget* parent) { runOnlineUpdate(m_ws, m_services.prompts, parent, preferredDrawSource()); }, this);
    m_bh = new Tf_bh(m_ws, m_pictures, m_services.prompts, this);
    connect(m_bh, &Tf_bh::transformApplied, this, [this] { followTransform(); });
    m_inform = new Tf_informdownload(m_services.settings, m_services.shell, this);
    m_fetcher = new NoticeFetcher(this);
    m_drawCheck = new NewDrawCheck(this);
    connect(m_drawCheck, &NewDrawCheck::found, this, [this](int count) {
        m_newDraws->setText(newDrawsText(count));
        m_newDraws->show();
    });
    connect(m_newDraws, &QPushButton::clicked, this, [this] { updateFromStatusBar(); });

    move(0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m_screenWidth = screen->geometry().width();
        m_screenHeight = screen->geometry().height();
    }
}

Tf_main::~Tf_main() = default;

void Tf_main::buildPages() {
    m_pagecontrol1 = new QTabWidget(this);
    m_pagecontrol1->setObjectName(QStringLiteral("pagecontrol1"));
    for (const PageEntry& entry : mainPages()) {
        Q_ASSERT(static_cast<size_t>(entry.id) == m_pages.size());  // the table is in page-id order
        auto* page = new QWidget(m_pagecontrol1);
        page->setObjectName(QString::fromLatin1(entry.name));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        const int index = m_pagecontrol1->addTab(page, QString::fromUtf8(entry.caption));
        m_pagecontrol1->setTabVisible(index, false);
        m_pages.push_back(page);
    }
    m_windows.assign(m_pages.size(), nullptr);
    // The home page is the first tab and stays: the current game, its draws and the windows a
    // player opens most. The page the notice names is shown under the game.
    auto* homePage = new QWidget(m_pagecontrol1);
    homePage->setObjectName(QStringLiteral("ts_home"));
    auto* homeLayout = new QVBoxLayout(homePage);
    homeLayout->setContentsMargins(0, 0, 0, 0);
    m_home = new HomePanel(m_ws, m_pictures, homePage);
    m_home->setMinimumHeight(300);
    m_pageView = new PageView(homePage);
    m_pageView->setObjectName(QStringLiteral("pageView"));
    m_pageView->setVisible(false);
    homeLayout->addWidget(m_home);
    homeLayout->addWidget(m_pageView, 1);
    m_pagecontrol1->insertTab(0, homePage, QStringLiteral("首页"));
    m_pagecontrol1->setCurrentIndex(0);
    m_homePage = homePage;
    connect(m_home, &HomePanel::commandRequested, this, [this](const QString& name) {
        if (QAction* action = command(name.toLatin1().constData()); action && action->isEnabled()) action->trigger();
    });
    // Every page tab closes with its button; the home tab has none.
    m_pagecontrol1->setTabsClosable(true);
    for (QTabBar::ButtonPosition side : {QTabBar::LeftSide, QTabBar::RightSide})
        if (QWidget* button = m_pagecontrol1->tabBar()->tabButton(0, side)) {
            m_pagecontrol1->tabBar()->setTabButton(0, side, nullptr);
            button->deleteLater();
        }
    connect(m_pagecontrol1, &QTabWidget::tabCloseRequested, this, [this](int index) { closePageAt(index); });

    // While a data transform is applied every page says that its numbers are not the draws.
    m_transformBanner = new QLabel(this);
    m_transformBanner->setObjectName(QStringLiteral("l_transformbanner"));
    m_transformBanner->setAlignment(Qt::AlignCenter);
    m_transformBanner->setStyleSheet(
        QStringLiteral("QLabel { background: #fff3b0; color: #8a3a00; font-weight: bold; padding: 4px; }"));
    m_transformBanner->setVisible(false);
    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(m_transformBanner);
    centralLayout->addWidget(m_pagecontrol1, 1);
    m_central = central;
    setCentralWidget(central);
    // Only the page on show sets the window's minimum size, so it fits a 1024x768 screen.
    sizeByCurrentPage(m_pagecontrol1);
    connect(m_pagecontrol1, &QTabWidget::currentChanged, this, [this] { onActivePageChanged(); });

    m_pm1 = new QMenu(this);
    m_pm1->setObjectName(QStringLiteral("pm1"));
    QAction* close = m_pm1->addAction(QStringLiteral("关闭当前页"));
    close->setObjectName(QStringLiteral("mi_close"));
    connect(close, &QAction::triggered, this, [this] { closeCurrentPage(); });
    QTabBar* tabs = m_pagecontrol1->tabBar();
    tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabs, &QTabBar::customContextMenuRequested, this,
            [this, tabs](const QPoint& at) { m_pm1->popup(tabs->mapToGlobal(at) + QPoint(5, 0)); });
}

void Tf_main::createPageWindows() {
    PageContext context{m_ws, m_services, *m_generatorDialogs, *this};
    for (const PageEntry& entry : mainPages()) {
        if (!entry.create) continue;
        QWidget* host = page(entry.id);
        QWidget* window = entry.create(context, host);
        host->layout()->addWidget(window);
        m_windows[static_cast<size_t>(entry.id)] = window;
        if (auto* hosted = dynamic_cast<MainPage*>(window))
            hosted->setStatusListener([this, host](const QString& text) {
                if (m_pagecontrol1->currentWidget() == host) m_pagePanel->setText(text);
            });
    }
}

AnalysisOpener* Tf_main::analysisOpener() const {
    for (QWidget* window : m_windows)
        if (auto* opener = dynamic_cast<AnalysisOpener*>(window)) return opener;
    return nullptr;
}

std::vector<MainPage*> Tf_main::hostedPages() const {
    std::vector<MainPage*> pages;
    for (QWidget* window : m_windows)
        if (auto* hosted = dynamic_cast<MainPage*>(window)) pages.push_back(hosted);
    return pages;
}

void Tf_main::buildMenu() {
    // A page command opens its page, or is disabled while the page has no window.
    auto open = [this](Page which) -> std::function<void()> {
        if (!pageWindow(which)) return {};
        return [this, which] { openPage(which); };
    };
    struct Item {
        const char* menu;  // nullptr: same menu as the previous item
        const char* name;
        const char* caption;
        std::function<void()> run;  // empty: the window behind it is not available yet
    };
    const Item items[] = {
        {"功能组件", "n_zh", "超强组号", open(Page::zh)},
        {nullptr, "n_fxd", "综合分析", open(Page::fxd)},
        {nullptr, "n_moredb", "更多图表", open(Page::moredb)},
        {nullptr, "n_bluefxd", "蓝号分析",
         pageWindow(Page::zbpxz) ? std::function<void()>([this] { analyseSecondary(); }) : std::function<void()>()},
        {nullptr, "n_tjq", "统计区", open(Page::tjq)},
        {nullptr, "n_zbpx", "指标管理", open(Page::zbpx)},
        {nullptr, "n_tdsh", "定胆杀号", open(Page::tdsh)},
        {nullptr, "n_sjbh", "数据变换", [this] { showTransformWindow(); }},
        {nullptr, "n_set", "设置", open(Page::set)},
        {"数据更新维护", "n_cpstyle", "彩种选择", [this] { chooseLotteryType(); }},
        {nullptr, "n_gxsjq", "数据更新", [this] { showUpdateWindow(); }},
        {"工具", "n_jsq", "计算器",
         [this] {
             if (!m_services.shell.openCalculator())
                 m_services.prompts.inform(
                     this, QStringLiteral("没有找到计算器程序。请安装一个计算器（如 gnome-calculator、kcalc 或 "
                                          "galculator）后再试。"));
         }},
        {nullptr, "n_jsb", "记事本", [this] { showNotepad(); }},
        {"帮助", "n_help", "帮助主题", [this] { showHelp(); }},
        {nullptr, "n_pagehelp", "本页帮助", [this] { showHelp(helpSection()); }},
        {nullptr, "n_about", "关于", [this] { showAbout(); }},
        {"退出", "n_exit", "退出", [this] { close(); }},
    };
    QMenu* menu = nullptr;
    for (const Item& item : items) {
        if (item.menu) {
            menu = menuBar()->addMenu(QString::fromUtf8(item.menu));
            menu->setToolTipsVisible(true);  // a disabled command says why when pointed at
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        if (item.run) {
            connect(action, &QAction::triggered, this, item.run);
        } else {
            action->setEnabled(false);
            action->setStatusTip(kNotYetAvailable);
            action->setToolTip(kNotYetAvailable);
        }
    }
    // F1 in any page opens the help page at its section.
    command("n_pagehelp")->setShortcut(QKeySequence::HelpContents);
    command("n_pagehelp")->setShortcutContext(Qt::ApplicationShortcut);
    updateSecondaryCommand();
}

void Tf_main::updateSecondaryCommand() {
    // "蓝号分析" needs a secondary zone to analyse.
    if (QAction* blue = command("n_bluefxd"); blue && pageWindow(Page::zbpxz))
        blue->setEnabled(m_ws.game.hasspec && m_ws.game.fhgs > 0);
}

void Tf_main::analyseSecondary() {
    const Status started = startSecondaryAnalysis(*this, m_ws);
    if (!started) m_services.prompts.warn(this, q(started.message));
}

QAction* Tf_main::command(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

QWidget* Tf_main::page(Page page) const { return m_pages[static_cast<size_t>(page)]; }

QStringList Tf_main::visibleTabCaptions() const {
    QStringList captions;
    for (int i = 0; i < m_pagecontrol1->count(); ++i)
        if (m_pagecontrol1->isTabVisible(i) && m_pagecontrol1->widget(i) != m_homePage)
            captions << m_pagecontrol1->tabText(i);
    return captions;
}

bool Tf_main::homeShown() const { return m_pagecontrol1->currentWidget() == m_homePage; }

QString Tf_main::statusText() const { return m_pagePanel ? m_pagePanel->text() : QString(); }

void Tf_main::openPage(Page which) {
    QWidget* target = page(which);
    const int index = m_pagecontrol1->indexOf(target);
    if (!m_pagecontrol1->isTabVisible(index)) {
        m_pagecontrol1->setTabVisible(index, true);
        ++m_openTabs;
        // After every open tab, so tabs stand in the order they were opened even after a tab
        // in the middle was closed.
        m_pagecontrol1->tabBar()->moveTab(index, m_pagecontrol1->count() - 1);
    }
    m_pagecontrol1->setCurrentWidget(target);
    onActivePageChanged();
}

void Tf_main::closeCurrentPage() { closePageAt(m_pagecontrol1->currentIndex()); }

void Tf_main::closePageAt(int index) {
    if (index < 0 || !m_pagecontrol1->isTabVisible(index) || m_pagecontrol1->widget(index) == m_homePage) return;
    m_pagecontrol1->setTabVisible(index, false);
    --m_openTabs;
    if (m_openTabs == 0) showHome();
}

void Tf_main::closeAllPages() {
    for (int i = 0; i < m_pagecontrol1->count(); ++i)
        if (m_pagecontrol1->widget(i) != m_homePage) m_pagecontrol1->setTabVisible(i, false);
    for (MainPage* hosted : hostedPages()) hosted->stopWork();
    m_openTabs = 0;
    showHome();
}

void Tf_main::showHome() {
    m_pagecontrol1->setCurrentWidget(m_homePage);
    m_home->refresh();
    m_pagePanel->clear();
}

void Tf_main::showTransformBanner() {
    m_transformBanner->setVisible(m_ws.transform != 0);
    if (m_ws.transform != 0)
        m_transformBanner->setText(QStringLiteral("变换数据%1：以下不是开奖号码").arg(m_ws.transform));
}

void Tf_main::onActivePageChanged() {
    if (!m_pagePanel) return;
    updateHistoryStatus();  // a page may have set or cleared the prediction record
    if (homeShown()) {
        m_pagePanel->clear();
        return;
    }
    const int index = m_pagecontrol1->currentIndex();
    if (index >= 0 && m_pagecontrol1->isTabVisible(index))
        m_pagePanel->setText(m_pagecontrol1->tabText(index).trimmed());
}

void Tf_main::chooseLotteryType() {
    closeAllPages();
    const int previous = m_ws.curcp;
    m_cpstyle->exec();  // always accepted: the selection when it closes is the new type
    applyTypeSwitch(previous);
}

void Tf_main::applyTypeSwitch(int previous) {
    const Status switched = switchLotteryType(m_ws, previous);
    if (!switched) m_services.prompts.inform(this, q(switched.message));
    setWindowTitle(q(mainCaption(m_ws, switched.ok)));
    if (switched) command("n_gxsjq")->setEnabled(true);  // the switch drops any transform
    // The pages clear their selections and conditions for the new ranges.
    if (switched)
        for (MainPage* hosted : hostedPages()) hosted->typeChanged();
    updateSecondaryCommand();
    updateHistoryStatus();
    m_home->refresh();
}

void Tf_main::showUpdateWindow() {
    closeAllPages();
    m_gxsjq->exec();
    for (MainPage* hosted : hostedPages()) hosted->historyChanged();
    updateHistoryStatus();
    m_home->refresh();
}

void Tf_main::showTransformWindow() {
    closeAllPages();
    // Over the page area, with its size.
    const QRect area(m_central->mapToGlobal(QPoint(0, 0)), m_central->size());
    m_bh->setGeometry(area);
    m_bh->exec();
    for (MainPage* hosted : hostedPages()) hosted->historyChanged();
    updateHistoryStatus();
    m_home->refresh();
}

void Tf_main::followTransform() {
    setWindowTitle(q(mainCaption(m_ws, true)));
    command("n_gxsjq")->setEnabled(m_ws.transform == 0);
    updateHistoryStatus();
}

TextViewer* Tf_main::textWindow(const QString& name) {
    if (auto* window = findChild<TextViewer*>(name, Qt::FindDirectChildrenOnly)) return window;
    auto* window = new TextViewer(m_services.shell, m_services.prompts, this);
    window->setObjectName(name);
    return window;
}

void Tf_main::showHelp(const QString& section) {
    // The page is always there (built into the program), so no "help file missing" any more.
    const QString chm = q(m_ws.path("database/help.chm"));
    if (section.isEmpty() && QFile::exists(chm)) m_services.shell.openDocument(chm);
    const QString page = helpPagePath(q(m_ws.folder), defaultHelpCacheFolder());
    // The copy for other programs may not have been written: the page itself still shows.
    QUrl url = QFile::exists(page) ? QUrl::fromLocalFile(page) : QUrl(QStringLiteral("qrc:/lottodesk/help.htm"));
    if (!section.isEmpty()) url.setFragment(section);
    textWindow(QStringLiteral("helpViewer"))
        ->showPage(QStringLiteral("帮助主题"), url, QFile::exists(page) ? page : QString());
}

QString Tf_main::helpSection() const {
    if (homeShown()) return QStringLiteral("home");
    // The page's name without its "ts_": the section of the help page about it.
    const QWidget* current = m_pagecontrol1->currentWidget();
    return current ? current->objectName().mid(3) : QStringLiteral("home");
}

void Tf_main::showNotepad() {
    makeFolders(m_ws.path("save"));  // a folder made by hand may lack it; a failure shows on saving
    textWindow(QStringLiteral("notepad"))->editTextFile(QStringLiteral("记事本"), q(m_ws.path("save/notepad.txt")));
}

QString Tf_main::aboutText() const {
    QString text =
        QStringLiteral("lottodesk %1\n\n数据文件夹：%2").arg(QStringLiteral(LOTTODESK_VERSION), q(m_ws.folder));
    const ProgramFolderChoice choice = chooseProgramFolder(currentFolderEnvironment());
    if (choice.folder == m_ws.folder) text += QStringLiteral("\n（%1）").arg(q(describeFolderRule(choice.rule)));
    text += QStringLiteral(
        "\n\n开奖数据、彩种设置和方案都保存在这个文件夹里。要换一个文件夹，把它整个移过去，"
        "再在启动程序前把环境变量 LOTTODESK_HOME 设为新文件夹。");
    return text;
}

void Tf_main::showAbout() { m_services.prompts.inform(this, aboutText()); }

void Tf_main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_firstShow || !started()) return;
    m_firstShow = false;
    // Without a window manager the maximised state alone does not resize the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    // The rest may show message boxes, so it runs once the window is on screen.
    QTimer::singleShot(0, this, [this] { prepareAfterFirstShow(); });
}

void Tf_main::prepareAfterFirstShow() {
    m_busy->showText(kBusyText);
    // The notice is fetched for the first type only, from the data server named in the settings.
    const QString server =
        m_ws.curcp == 0 ? QString::fromStdString(m_services.settings.readString("dataserver").value_or("")) : QString();
    m_fetcher->fetch(server, [this](std::optional<QByteArray> body) { finishStartup(body); });
}

void Tf_main::finishStartup(const std::optional<QByteArray>& noticeBody) {
    if (std::optional<Notice> notice = applyNotice(noticeBody, m_services.settings)) m_notice = *notice;
    m_inform->setNotice(q(m_notice.text), q(m_notice.downloads));
    m_inform->show();
    m_busy->hide();
    prepareHistoryAfterStart(m_ws);
    if (!m_ws.sjk.IsEmpty())
        refresh_lists(m_ws.sjk, m_ws.game, m_ws.settings, m_ws.sjk.FieldValueAt(m_ws.sjk.RecordCount(), 0), m_ws.lists);
    updateHistoryStatus();
    for (const QString& message : m_startupMessages) m_services.prompts.inform(this, message);
    if (m_screenWidth < 1024) m_services.prompts.inform(this, kResolutionMessage);
    if (!m_notice.pageAddress.empty()) {
        m_pageView->setVisible(true);
        m_pageView->navigate(q(m_notice.pageAddress));
    }
    m_startupDone = true;
    if (m_checkNewDraws) m_drawCheck->start(m_ws, m_services.settings);
    Q_EMIT startupFinished();
}

std::string Tf_main::preferredDrawSource() {
    return m_services.settings.readString(drawSourceSetting(m_ws.curcp)).value_or("");
}

void Tf_main::updateFromStatusBar() {
    m_newDraws->hide();
    closeAllPages();
    runOnlineUpdate(m_ws, m_services.prompts, this, preferredDrawSource());
    for (MainPage* hosted : hostedPages()) hosted->historyChanged();
    updateHistoryStatus();
    m_home->refresh();
}

void Tf_main::updateHistoryStatus() {
    showTransformBanner();
    const t_s_dm& sjk = m_ws.sjk;
    if (sjk.IsEmpty()) {
        m_historyPanel->setText(QStringLiteral("暂无开奖数据"));
        return;
    }
    // Real draws only: a prediction record (or a candidate) is named after them, never counted.
    auto numbersOf = [this](const int32_t* record) {
        QString numbers;
        for (int i = 1; i <= m_ws.game.zhgs + m_ws.game.fhgs && i < kSlots; ++i) {
            if (i == m_ws.game.zhgs + 1) numbers += QStringLiteral(" +");
            numbers += QLatin1Char(' ') + q(twoDigits(record[i]));
        }
        return numbers;
    };
    const int real = sjk.newestRealRecord();
    QString text = real == 0 ? QStringLiteral("暂无开奖数据")
                             : QStringLiteral("共%1期  最新 %2期:%3")
                                   .arg(real)
                                   .arg(sjk.FieldValueAt(real, 0))
                                   .arg(numbersOf(sjk.record(real)));
    const int32_t* newest = sjk.record(sjk.RecordCount());
    if (newest[0] == kPredictionPeriod) text += QStringLiteral("  预测区:") + numbersOf(newest);
    m_historyPanel->setText(text);
}

bool Tf_main::confirmExit() {
    if (!m_services.prompts.ask(this, kExitCaption, kExitQuestion, false)) return false;
    // The generator's conditions go to "exitset.zh" and its snapshot files are deleted.
    for (MainPage* hosted : hostedPages())
        if (const Status saved = hosted->saveOnExit(); !saved) m_services.prompts.inform(this, q(saved.message));
    // The notice may ask for its download pages to be opened when the program ends.
    if (m_notice.openPages == "是")
        for (const std::string& address : webDownloadEntries(m_inform->downloadList().toStdString()))
            m_services.shell.openDocument(q(address));
    return true;
}

void Tf_main::closeEvent(QCloseEvent* event) {
    if (!started() || confirmExit())
        event->accept();
    else
        event->ignore();
}

}  // namespace lottodesk
