// The main window: start-up, menu commands, pages and tabs, type switch, help, tools and exit.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QRegularExpression>
#include <QtTest>

#include "core/firstrun.h"
#include "core/programfolder.h"
#include "core/workspace.h"
#include "ui/update/f_cpstyle.h"
#include "ui/analysis/analysisshell.h"
#include "ui/shell/f_main.h"
#include "ui/settings/f_set.h"
#include "core/gbk.h"
#include "ui/update/f_gxsjq.h"
#include "ui/transform/f_bh.h"
#include <QComboBox>
#include "ui/generator/f_zh.h"
#include "ui/online/f_informdownload.h"
#include "support/httpserver.h"
#include "ui/online/newdrawcheck.h"
#include "ui/online/noticefetcher.h"
#include "ui/online/pageview.h"
#include "support/uifixture.h"
#include "ui/common/textviewer.h"

using namespace lottodesk;
using test::FakePrompts;
using test::FakeShell;
using test::ProgramFolder;

namespace {

// A started main window on a program folder, shown and through its first-show work.
struct Started {
    explicit Started(ProgramFolder& folder) : ws(folder.path()), window(ws, {prompts, shell, folder.settings, files}) {
        window.show();
        QTRY_VERIFY(window.startupDone());
    }
    Workspace ws;
    FakePrompts prompts;
    FakeShell shell;
    test::FakeFileChooser files;
    Tf_main window;
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpCheckSaysWhenNewerDrawsExist();
    void startsOnAnEmptyFolderWithDefaults();
    void startsOnTheSeededHistory();
    void removesASavedPredictionFromMemoryOnly();
    void statusCountsRealDrawsAndNamesThePrediction();
    void handOffsBringTheGeneratorForward();
    void aNewEmptyHomeStartsOnTheSeededHistory();
    void missingPictureFallsBackToTheBuiltInOne();
    void aboutNamesTheDataFolder();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void commandsOfMissingWindowsAreDisabled();
    void tabsAppearInTheOrderPagesWereOpened();
    void tabPopupClosesTheActivePage();
    void settingsPageExplainsThePartitions();
    void typeSwitchReloadsTheGame();
    void typeSwitchThatCannotOpenTheHistoryKeepsTheType();
    void restartComesBackToTypeZero();
    void helpAndTools();
    void exitAsksAndCleansUp();
    void updateWindowOpensModally();
    void transformWindowSetsTheCaptionAndTheUpdateCommand();
    void startupNoticeFromTheDataServer();
    void unreachableDataServerStartsWithoutNotice();
    void generatorPageFollowsTheType();
};

void TestMainWindow::startsOnAnEmptyFolderWithDefaults() {
    ProgramFolder folder;
    Started app(folder);
    QCOMPARE(app.window.windowTitle(), QStringLiteral("自定义彩种0"));
    QCOMPARE(test::fileSize(folder.file("database/cps.typ")), 3402);
    QCOMPARE(test::fileSize(folder.file("database/basedata0.rec")), 204);
    QVERIFY(app.window.isMaximized());
    QCOMPARE(app.window.openTabCount(), 0);
    QVERIFY(app.window.visibleTabCaptions().isEmpty());
    QCOMPARE(folder.settings.readInt("qs"), std::optional<int>(30));
    QCOMPARE(folder.settings.readInt("f_qs"), std::optional<int>(16));
    // The offscreen screen is 800 pixels wide.
    QCOMPARE(app.prompts.informed, QStringList{QStringLiteral("请将分辨率调至1024*768以上，否则某些页面不能完全显示")});
    QCOMPARE(app.ws.lastdraw[1], 1);
    QCOMPARE(app.ws.lastdraw[7], 7);
}

void TestMainWindow::startsOnTheSeededHistory() {
    ProgramFolder folder(true);
    folder.settings.writeInt("qs", 50);
    Started app(folder);
    QCOMPARE(app.window.windowTitle(), QStringLiteral("双色球"));
    QCOMPARE(app.ws.settings.qs, 50);
    QCOMPARE(app.ws.sjk.RecordCount(), 3493);
    QCOMPARE(app.ws.sjk.RecNo(), 3493 - 12);
    QCOMPARE(app.ws.lists.cold.count() + app.ws.lists.warm.count() + app.ws.lists.hot.count(), 33);
    QCOMPARE(app.ws.lists.f_cold.count() + app.ws.lists.f_warm.count() + app.ws.lists.f_hot.count(), 16);
    const auto panels = app.window.statusBar()->findChildren<QLabel*>();
    QStringList texts;
    for (const QLabel* label : panels) texts << label->text();
    QVERIFY2(texts.contains(QStringLiteral("共3493期  最新 2026096期: 01 04 16 22 26 31 + 04")),
             qPrintable(texts.join(QLatin1Char('|'))));
}

void TestMainWindow::removesASavedPredictionFromMemoryOnly() {
    ProgramFolder folder(true);
    {
        t_s_dm store;
        store.SetFileName(folder.file("database/basedata0.rec"));
        QVERIFY(store.Open());
        store.Append();
        store.SetFieldValue(0, kPredictionPeriod);
        store.SetFieldValue(1, 9);
        QVERIFY(store.Post());
    }
    Started app(folder);
    QCOMPARE(app.ws.sjk.RecordCount(), 3493);
    QCOMPARE(app.ws.lastdraw[1], 1);  // 2026096: 01 04 16 22 26 31 + 04
    QCOMPARE(app.ws.lastdraw[7], 4);
    QCOMPARE(test::fileSize(folder.file("database/basedata0.rec")), 3494 * 204);
}

void TestMainWindow::statusCountsRealDrawsAndNamesThePrediction() {
    ProgramFolder folder(true);
    Started app(folder);
    // A prediction record set by a page: the status names it after the real draws, never as a period.
    app.ws.sjk.Append();
    app.ws.sjk.SetFieldValue(0, kPredictionPeriod);
    for (int i = 1; i <= 7; ++i) app.ws.sjk.SetFieldValue(i, i + 1);
    QVERIFY(app.ws.sjk.Post());
    app.window.openPage(Tf_main::Page::fxd);
    QStringList texts;
    for (const QLabel* label : app.window.statusBar()->findChildren<QLabel*>()) texts << label->text();
    QVERIFY2(texts.contains(QStringLiteral(
                 "共3493期  最新 2026096期: 01 04 16 22 26 31 + 04  预测区: 02 03 04 05 06 07 + 08")),
             qPrintable(texts.join(QLatin1Char('|'))));
}

void TestMainWindow::handOffsBringTheGeneratorForward() {
    ProgramFolder folder(true);
    Started app(folder);
    app.window.openPage(Tf_main::Page::fxd);
    QCOMPARE(app.window.pageControl()->currentWidget(), app.window.page(Tf_main::Page::fxd));
    // "过滤条件" of the omission tables' and the distribution chart's popups: the generator's page.
    QList<QAction*> filters;
    for (QAction* action : app.window.page(Tf_main::Page::fxd)->findChildren<QAction*>())
        if (action->text() == QStringLiteral("过滤条件")) filters << action;
    QVERIFY(filters.size() >= 2);
    for (QAction* filter : filters) {
        app.window.openPage(Tf_main::Page::fxd);
        filter->trigger();
        QCOMPARE(app.window.pageControl()->currentWidget(), app.window.page(Tf_main::Page::zh));
    }
    // A formula handed over ("转至过滤设置"): the generator in front, its status line saying what arrived.
    app.window.openPage(Tf_main::Page::fxd);
    auto* generator = app.window.pageWindow<Tf_zh>(Tf_main::Page::zh);
    QVERIFY(generator);
    generator->putCustomFormula("getzb(c_xt_14)");
    QCOMPARE(app.window.pageControl()->currentWidget(), app.window.page(Tf_main::Page::zh));
    QVERIFY2(generator->statusText().contains(QStringLiteral("getzb(c_xt_14)")), qPrintable(generator->statusText()));
}

void TestMainWindow::aNewEmptyHomeStartsOnTheSeededHistory() {
    // As the program starts: the folder the rules choose, seeded when new, then the main window.
    test::TempFolder root;
    const std::string home = root.file("new/home");  // not there yet
    qputenv("LOTTODESK_HOME", QByteArray::fromStdString(home));
    const std::string folder = defaultProgramFolder();
    qunsetenv("LOTTODESK_HOME");
    QCOMPARE(folder, home + "/");
    QVERIFY(seedProgramFolder(folder));

    Workspace ws(folder);
    FakePrompts prompts;
    FakeShell shell;
    test::FakeFileChooser files;
    QtSettingsStore settings(QString::fromStdString(root.file("settings.ini")));
    settings.writeInt("checkdraws", 0);  // no result service on the internet
    Tf_main window(ws, {prompts, shell, settings, files});
    QVERIFY2(window.started(), qPrintable(window.startupError()));
    QSignalSpy finished(&window, &Tf_main::startupFinished);
    window.show();
    QTRY_VERIFY(window.startupDone());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(window.windowTitle(), QStringLiteral("双色球"));
    QCOMPARE(ws.sjk.RecordCount(), 3493);
    QStringList texts;
    for (const QLabel* label : window.statusBar()->findChildren<QLabel*>()) texts << label->text();
    QVERIFY2(texts.contains(QStringLiteral("共3493期  最新 2026096期: 01 04 16 22 26 31 + 04")),
             qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(QFileInfo(QString::fromStdString(folder + "save")).isDir());
    // Built-in pictures: the new folder has no pic/.
    QVERIFY(!QFileInfo::exists(QString::fromStdString(folder + "pic")));
    QCOMPARE(window.pictures().frameCount(2), 9);
}

void TestMainWindow::missingPictureFallsBackToTheBuiltInOne() {
    ProgramFolder folder;
    QVERIFY(QFile::remove(folder.qfile("pic/pic3.bmp")));
    Workspace ws(folder.path());
    FakePrompts prompts;
    FakeShell shell;
    test::FakeFileChooser files;
    Tf_main window(ws, {prompts, shell, folder.settings, files});
    QVERIFY2(window.started(), qPrintable(window.startupError()));
    QCOMPARE(window.pictures().frameCount(3), 9);
    QCOMPARE(test::fileSize(folder.file("database/cps.typ")), 3402);
}

void TestMainWindow::aboutNamesTheDataFolder() {
    ProgramFolder folder;
    Started app(folder);
    app.prompts.informed.clear();
    app.window.command("n_about")->trigger();
    QCOMPARE(app.prompts.informed.size(), 1);
    const QString text = app.prompts.informed.front();
    QVERIFY2(text.contains(QStringLiteral("数据文件夹：") + QString::fromStdString(folder.path())), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("LOTTODESK_HOME")), qPrintable(text));
    QVERIFY(text.startsWith(QStringLiteral("lottodesk ")));
    // The window's own folder is not the one the rules would choose here: no rule is claimed.
    QVERIFY(!text.contains(QStringLiteral("（用户数据文件夹）")));
    QCOMPARE(app.window.statusBar()->findChildren<QLabel*>().size() >= 2, true);

    qputenv("LOTTODESK_HOME", QByteArray::fromStdString(folder.path()));
    const QString chosen = app.window.aboutText();
    qunsetenv("LOTTODESK_HOME");
    QVERIFY2(chosen.contains(QStringLiteral("（由环境变量 LOTTODESK_HOME 指定）")), qPrintable(chosen));
}

void TestMainWindow::fitsTheScreen_data() {
    QTest::addColumn<QSize>("screen");
    // A screen less a panel of 40 pixels.
    QTest::newRow("1366x768") << QSize(1366, 768 - 40);
    QTest::newRow("1024x768") << QSize(1024, 768 - 40);
}

// Every page of the main window and the update window fit without being cut off.
void TestMainWindow::fitsTheScreen() {
    QFETCH(QSize, screen);
    ProgramFolder folder(true);
    Started app(folder);
    const auto fits = [&](QWidget& window, const QString& name) {
        const QSize needed = window.minimumSizeHint().expandedTo(window.minimumSize());
        QVERIFY2(needed.width() <= screen.width() && needed.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3").arg(name).arg(needed.width()).arg(needed.height())));
    };
    fits(app.window, QStringLiteral("the start page"));
    for (const PageEntry& entry : mainPages()) {
        if (!entry.create) continue;
        app.window.openPage(entry.id);
        fits(app.window, QString::fromUtf8(entry.caption));
    }
    // Every tab of the analysis windows, each after the others were shown.
    for (Tf_main::Page id : {Tf_main::Page::fxd, Tf_main::Page::moredb}) {
        app.window.openPage(id);
        auto* shell = app.window.pageWindow<AnalysisShell>(id);
        QVERIFY(shell);
        for (int tab = 0; tab < shell->tabs()->count(); ++tab) {
            shell->tabs()->setCurrentIndex(tab);
            QTest::qWait(0);
            fits(app.window, shell->tabs()->tabText(tab));
        }
    }
    // The generator's pages of the other zone, then its main page with the wheel's extra controls.
    app.window.openPage(Tf_main::Page::zh);
    auto* generator = app.window.pageWindow<Tf_zh>(Tf_main::Page::zh);
    for (int tab = generator->pages()->count() - 1; tab >= 0; --tab) {
        if (!generator->pages()->isTabVisible(tab)) continue;
        generator->pages()->setCurrentIndex(tab);
        QTest::qWait(0);
        fits(app.window, generator->pages()->tabText(tab));
    }
    app.window.findChild<QComboBox*>(QStringLiteral("combo_zhlx"))->setCurrentIndex(1);
    fits(app.window, QStringLiteral("旋转矩阵"));
    fits(*app.window.updateWindow(), QStringLiteral("数据更新"));
}

void TestMainWindow::commandsOfMissingWindowsAreDisabled() {
    ProgramFolder folder;
    Started app(folder);
    for (const char* name : {"n_zh", "n_tjq", "n_tdsh", "n_set", "n_cpstyle", "n_gxsjq", "n_sjbh", "n_jsq", "n_jsb",
                             "n_help", "n_about", "n_exit", "n_fxd", "n_moredb", "n_zbpx", "n_bluefxd"}) {
        QVERIFY2(app.window.command(name), name);
        QVERIFY2(app.window.command(name)->isEnabled(), name);
    }
    QCOMPARE(app.window.command("n_cpstyle")->text(), QStringLiteral("彩种选择"));
    // Every page with a window in the page table has its command enabled, the others not and say so.
    for (const PageEntry& entry : mainPages()) {
        QCOMPARE(app.window.pageWindow(entry.id) != nullptr, entry.create != nullptr);
        const QByteArray name = "n_" + QByteArray(entry.name).mid(3);
        QAction* command = app.window.command(name.constData());
        if (!command) continue;  // a page opened from another window
        QCOMPARE(command->isEnabled(), entry.create != nullptr);
        if (!entry.create) QCOMPARE(command->toolTip(), QStringLiteral("此功能尚未提供"));
    }
}

void TestMainWindow::tabsAppearInTheOrderPagesWereOpened() {
    ProgramFolder folder;
    Started app(folder);
    Tf_main& w = app.window;
    w.openPage(Tf_main::Page::tjq);
    w.openPage(Tf_main::Page::zh);
    w.openPage(Tf_main::Page::tjq);
    QCOMPARE(w.visibleTabCaptions(), (QStringList{QStringLiteral("统计区"), QStringLiteral("超强组号")}));
    QCOMPARE(w.openTabCount(), 2);
    QCOMPARE(w.statusText(), QStringLiteral("统计区"));

    // Closing the first of three tabs and opening another puts the new one last.
    w.openPage(Tf_main::Page::fxd);
    w.pageControl()->setCurrentWidget(w.page(Tf_main::Page::tjq));
    w.closeCurrentPage();
    w.openPage(Tf_main::Page::set);
    QCOMPARE(w.visibleTabCaptions(),
             (QStringList{QStringLiteral("超强组号"), QStringLiteral(" 综合分析"), QStringLiteral("设置")}));
    QCOMPARE(w.statusText(), QStringLiteral("设置"));
    w.pageControl()->setCurrentWidget(w.page(Tf_main::Page::fxd));
    QCOMPARE(w.statusText(), QStringLiteral("综合分析"));

    w.closeAllPages();
    QCOMPARE(w.openTabCount(), 0);
    QVERIFY(w.visibleTabCaptions().isEmpty());
    // The home page stays, the first tab, and shows again.
    QVERIFY(w.homeShown());
    QCOMPARE(w.pageControl()->tabText(0), QStringLiteral("首页"));
}

void TestMainWindow::tabPopupClosesTheActivePage() {
    ProgramFolder folder;
    Started app(folder);
    Tf_main& w = app.window;
    w.openPage(Tf_main::Page::tjq);
    w.openPage(Tf_main::Page::zh);
    QAction* close = w.tabPopup()->findChild<QAction*>(QStringLiteral("mi_close"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("关闭当前页"));
    close->trigger();
    QCOMPARE(w.openTabCount(), 1);
    QCOMPARE(w.visibleTabCaptions(), QStringList{QStringLiteral("统计区")});
    w.openPage(Tf_main::Page::zh);
    QCOMPARE(w.visibleTabCaptions(), (QStringList{QStringLiteral("统计区"), QStringLiteral("超强组号")}));
}

void TestMainWindow::settingsPageExplainsThePartitions() {
    ProgramFolder folder(true);
    Started app(folder);
    app.window.command("n_set")->trigger();
    QCOMPARE(app.window.visibleTabCaptions(), QStringList{QStringLiteral("设置")});
    QVERIFY(app.window.pageWindow<Tf_set>(Tf_main::Page::set)->isVisible());
    const QString text = app.window.pageWindow<Tf_set>(Tf_main::Page::set)->zonePartitionText();
    QVERIFY(text.startsWith(QStringLiteral("(二区的分区设定)\n小区<1..16>          大区<17..33>\n")));
    QVERIFY(text.contains(QStringLiteral("(十五区的分区设定)")));
}

void TestMainWindow::typeSwitchReloadsTheGame() {
    ProgramFolder folder(true);
    Started app(folder);
    Tf_main& w = app.window;
    w.command("n_set")->trigger();
    QTimer::singleShot(0, &w, [&w] {
        Tf_cpstyle* dialog = w.cpstyleDialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->radio(1)->text(), QStringLiteral("超级大乐透"));
        dialog->radio(1)->click();
        dialog->close();  // the close box confirms like "确定"
    });
    w.command("n_cpstyle")->trigger();
    QCOMPARE(app.ws.curcp, 1);
    QCOMPARE(w.windowTitle(), QStringLiteral("超级大乐透(原始数据)"));
    QCOMPARE(app.ws.game, (GameParams{5, 1, 35, 2, 1, 12, true}));
    QCOMPARE(app.ws.sjk.RecordCount(), 2913);
    QCOMPARE(app.ws.current().specname, std::string("副号"));
    QCOMPARE(w.openTabCount(), 0);
    w.command("n_set")->trigger();
    QVERIFY(w.pageWindow<Tf_set>(Tf_main::Page::set)
                ->zonePartitionText()
                .contains(QStringLiteral("(三区的分区设定)\n一区<1..11>          二区<12..23>")));
}

void TestMainWindow::typeSwitchThatCannotOpenTheHistoryKeepsTheType() {
    ProgramFolder folder(true);
    std::filesystem::create_directories(folder.file("database/basedata2.rec"));
    Started app(folder);
    app.prompts.informed.clear();
    app.ws.curcp = 2;  // as the dialog's radio button would
    app.window.applyTypeSwitch(0);
    QCOMPARE(app.ws.curcp, 0);
    QCOMPARE(app.prompts.informed.size(), 1);
    QVERIFY(app.prompts.informed[0].contains(QStringLiteral("basedata2.rec")));
    QCOMPARE(app.ws.sjk.RecordCount(), 3493);
    QCOMPARE(app.window.windowTitle(), QStringLiteral("双色球"));
}

void TestMainWindow::restartComesBackToTypeZero() {
    ProgramFolder folder(true);
    {
        Started app(folder);
        app.ws.curcp = 1;
        app.window.applyTypeSwitch(0);
        QCOMPARE(app.ws.curcp, 1);
        app.prompts.answers = {true};
        QVERIFY(app.window.close());
    }
    Started again(folder);
    QCOMPARE(again.ws.curcp, 0);
    QCOMPARE(again.window.windowTitle(), QStringLiteral("双色球"));
}

void TestMainWindow::helpAndTools() {
    ProgramFolder folder;
    Started app(folder);
    app.prompts.informed.clear();
    app.window.command("n_help")->trigger();
    // The page built into the program, in a window of the program; no complaint about a help file.
    QVERIFY(app.prompts.informed.isEmpty());
    QVERIFY(app.shell.opened.isEmpty());
    TextViewer* help = app.window.findChild<TextViewer*>(QStringLiteral("helpViewer"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("帮助主题"));
    QCOMPARE(help->browser()->documentTitle(), QStringLiteral("lottodesk 使用说明"));
    // "用其他程序打开" hands a copy a browser can read to the desktop.
    const QString builtIn =
        QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).filePath(QStringLiteral("help.htm"));
    QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("b_open")), Qt::LeftButton);
    QCOMPARE(app.shell.opened, QStringList{QStringLiteral("document:") + builtIn});
    // F1 opens the section of the page on show; every page has one, and its pictures are there.
    QFile page(QStringLiteral(":/lottodesk/help.htm"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY(html.contains(QStringLiteral("id=\"home\"")));
    for (const PageEntry& entry : mainPages()) {
        if (!entry.create) continue;
        app.window.openPage(entry.id);
        const QString section = app.window.helpSection();
        QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(section)), qPrintable(section));
        QTest::keyClick(&app.window, Qt::Key_F1);
        QCOMPARE(help->browser()->source().fragment(), section);
    }
    static const QRegularExpression picture(QStringLiteral("src=\"(qrc:[^\"]+)\""));
    for (auto match = picture.globalMatch(html); match.hasNext();) {
        const QString path = match.next().captured(1).mid(4);  // "qrc:/..." -> ":/..."
        QVERIFY2(QFile::exists(QLatin1Char(':') + path), qPrintable(path));
    }
    app.window.closeAllPages();
    app.shell.opened.clear();
    QCOMPARE(test::readFile(builtIn.toStdString()), test::readFile(LOTTODESK_DATA_DIR "/help.htm"));

    // The folder's own page wins; the user's own help file also goes to the desktop.
    test::writeFile(folder.file("help.htm"), "<p>mine</p>");
    test::writeFile(folder.file("database/help.chm"), "chm");
    app.shell.opened.clear();
    app.window.command("n_help")->trigger();
    QCOMPARE(app.shell.opened, QStringList{QStringLiteral("document:") + folder.qfile("database/help.chm")});
    QCOMPARE(help->browser()->toPlainText(), QStringLiteral("mine"));
    QCOMPARE(help->file(), folder.qfile("help.htm"));

    app.shell.opened.clear();
    app.window.command("n_jsq")->trigger();
    QCOMPARE(app.shell.opened, QStringList{QStringLiteral("calculator")});
    QVERIFY(app.prompts.informed.isEmpty());
    // Without a calculator program the command says so instead of doing nothing.
    app.shell.hasCalculator = false;
    app.window.command("n_jsq")->trigger();
    QCOMPARE(app.prompts.informed.size(), 1);
    QVERIFY(app.prompts.informed.first().startsWith(QStringLiteral("没有找到计算器程序")));
    // The notepad keeps its notes in the program folder.
    app.window.command("n_jsb")->trigger();
    TextViewer* notes = app.window.findChild<TextViewer*>(QStringLiteral("notepad"));
    QVERIFY(notes && notes->isVisible());
    QCOMPARE(notes->windowTitle(), QStringLiteral("记事本"));
    QVERIFY(!notes->browser()->isReadOnly());
    notes->browser()->insertPlainText(QStringLiteral("下期关注 07"));
    notes->close();
    QCOMPARE(test::readFile(folder.file("save/notepad.txt")), utf8ToGbk("下期关注 07"));
}

void TestMainWindow::exitAsksAndCleansUp() {
    ProgramFolder folder;
    Started app(folder);
    for (int slot = 0; slot <= 4; ++slot) test::writeFile(folder.file("hfset" + std::to_string(slot) + ".zh"), "x");

    app.prompts.answers = {false};
    QVERIFY(!app.window.close());
    QVERIFY(app.window.isVisible());
    QCOMPARE(app.prompts.asked, QStringList{QStringLiteral("关闭软件确认|是否退出本软件？")});
    QCOMPARE(app.prompts.defaults, std::vector<bool>{false});
    QCOMPARE(test::fileSize(folder.file("hfset0.zh")), 1);

    app.window.command("n_exit")->trigger();  // answered No again (no answer queued)
    QVERIFY(app.window.isVisible());

    app.prompts.answers = {true};
    QVERIFY(app.window.close());
    QVERIFY(!app.window.isVisible());
    for (int slot = 0; slot <= 4; ++slot)
        QCOMPARE(test::fileSize(folder.file("hfset" + std::to_string(slot) + ".zh")), -1);
    QCOMPARE(test::fileSize(folder.file("exitset.zh")), 11828674);
}

void TestMainWindow::updateWindowOpensModally() {
    ProgramFolder folder(true);
    Started app(folder);
    app.window.openPage(Tf_main::Page::set);
    QVERIFY(app.window.command("n_gxsjq")->isEnabled());
    bool shown = false;
    QTimer::singleShot(0, &app.window, [&] {
        Tf_gxsjq* update = app.window.updateWindow();
        shown = update->isVisible() && update->isModal();
        update->reject();
    });
    app.window.command("n_gxsjq")->trigger();
    QVERIFY(shown);
    QCOMPARE(app.window.openTabCount(), 0);  // all pages close before the update window
}

void TestMainWindow::transformWindowSetsTheCaptionAndTheUpdateCommand() {
    ProgramFolder folder(true);
    Started app(folder);
    app.window.openPage(Tf_main::Page::set);
    const std::string history = test::readFile(folder.file("database/basedata0.rec"));
    bool shown = false;
    QTimer::singleShot(0, &app.window, [&] {
        Tf_bh* transform = app.window.transformWindow();
        shown = transform->isVisible() && transform->isModal();
        transform->styleBox()->setCurrentIndex(2);
        transform->accept();
    });
    app.window.command("n_sjbh")->trigger();
    QVERIFY(shown);
    QCOMPARE(app.window.openTabCount(), 0);  // all pages close before the transform window
    QCOMPARE(app.window.windowTitle(), QStringLiteral("双色球(变换数据2)"));
    QVERIFY(!app.window.command("n_gxsjq")->isEnabled());
    QCOMPARE(app.ws.transform, 2);  // closing keeps the transform

    QTimer::singleShot(0, &app.window, [&] {
        app.window.transformWindow()->styleBox()->setCurrentIndex(0);
        app.window.transformWindow()->accept();
    });
    app.window.command("n_sjbh")->trigger();
    QCOMPARE(app.window.windowTitle(), QStringLiteral("双色球(原始数据)"));
    QVERIFY(app.window.command("n_gxsjq")->isEnabled());

    // A type switch drops the transform and enables the update again.
    QTimer::singleShot(0, &app.window, [&] {
        app.window.transformWindow()->styleBox()->setCurrentIndex(1);
        app.window.transformWindow()->accept();
    });
    app.window.command("n_sjbh")->trigger();
    QVERIFY(!app.window.command("n_gxsjq")->isEnabled());
    app.ws.curcp = 1;
    app.window.applyTypeSwitch(0);
    QCOMPARE(app.ws.transform, 0);
    QVERIFY(app.window.command("n_gxsjq")->isEnabled());
    QCOMPARE(test::readFile(folder.file("database/basedata0.rec")), history);
}

void TestMainWindow::startupNoticeFromTheDataServer() {
    test::HttpServer server;
    QVERIFY(server.listening());
    const QByteArray notice = QByteArray::fromStdString(
        lottodesk::utf8ToGbk("17提示:有新数据。:17提示公共提示:祝好运:公共提示17下载地址:http://a.example/x$file:///"
                             "etc/passwd$ HTTP://b.example/y $:17下载地址"
                             "on_ie:" +
                             server.url(QStringLiteral("/page.htm")).toStdString() + ":on_ie打开网页:是:打开网页"));
    server.serve("/cpdata/vud.txt", notice);
    server.serve("/page.htm", "<html><body><p>hello page</p></body></html>", "text/html; charset=utf-8");
    ProgramFolder folder(true);
    folder.settings.writeString("dataserver", server.baseUrl().toStdString());
    Started app(folder);
    QCOMPARE(app.window.noticeWindow()->noticeText(), QStringLiteral("有新数据。祝好运"));
    QVERIFY(app.window.noticeWindow()->isVisible());
    QCOMPARE(folder.settings.readString("inform"), std::optional<std::string>("有新数据。祝好运"));
    QVERIFY(app.window.pageView()->isVisible());
    QTRY_VERIFY(app.window.pageView()->toPlainText().contains(QStringLiteral("hello page")));

    app.prompts.answers = {true};
    QVERIFY(app.window.close());
    // Only the web addresses of the list are opened at exit; the notice cannot open local files.
    QCOMPARE(app.shell.opened, (QStringList{QStringLiteral("document:http://a.example/x"),
                                            QStringLiteral("document:HTTP://b.example/y")}));
}

void TestMainWindow::unreachableDataServerStartsWithoutNotice() {
    test::HttpServer server;
    server.serveSilently("/cpdata/vud.txt");
    ProgramFolder folder(true);
    folder.settings.writeString("dataserver", server.baseUrl().toStdString());
    Workspace ws(folder.path());
    FakePrompts prompts;
    FakeShell shell;
    test::FakeFileChooser files;
    Tf_main window(ws, {prompts, shell, folder.settings, files});
    window.noticeFetcher()->setTimeout(300);
    window.show();
    QTRY_VERIFY(window.startupDone());
    QCOMPARE(window.noticeWindow()->noticeText(), QStringLiteral("欢迎使用。"));
    QVERIFY(!window.pageView()->isVisible());
    QCOMPARE(folder.settings.readString("inform"), std::nullopt);
    prompts.answers = {true};
    QVERIFY(window.close());
    QVERIFY(shell.opened.isEmpty());
}

void TestMainWindow::generatorPageFollowsTheType() {
    ProgramFolder folder(true);
    Started app(folder);
    app.window.command("n_zh")->trigger();
    QCOMPARE(app.window.visibleTabCaptions(), QStringList{QStringLiteral("超强组号")});
    QVERIFY(app.window.pageWindow<Tf_zh>(Tf_main::Page::zh)->isVisible());
    QCOMPARE(app.window.statusText(), QStringLiteral("超强组号"));
    QVERIFY(app.window.pageWindow<Tf_zh>(Tf_main::Page::zh)->generator().conditions.selectable[33]);
    app.ws.curcp = 1;  // 超级大乐透: 5 of 1..35
    app.window.applyTypeSwitch(0);
    QVERIFY(app.window.pageWindow<Tf_zh>(Tf_main::Page::zh)->generator().conditions.selectable[35]);
    QVERIFY(!app.window.pageWindow<Tf_zh>(Tf_main::Page::zh)->generator().conditions.selectable[36]);
}

// At start the program asks the type's result service (here a server of the same shape on this
// machine) for its newest draws; newer ones than the history's are said in the status bar with a
// one-click update. Offline or on an error nothing is said.
void TestMainWindow::startUpCheckSaysWhenNewerDrawsExist() {
    test::HttpServer server;
    const QByteArray page = "/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=ssq&pageNo=1&pageSize=30&systemType=PC";
    server.serve(page,
                 R"j({"pageCount":9,"result":[{"code":"2026098","red":"03,09,16,17,24,33","blue":"15"},
                     {"code":"2026097","red":"01,06,13,18,27,30","blue":"07"},
                     {"code":"2026096","red":"01,04,16,22,26,31","blue":"04"}]})j",
                 "application/json");
    {
        ProgramFolder folder(true);
        folder.settings.writeInt("checkdraws", 1);
        folder.settings.writeString("drawsource0", "cwl=" + server.baseUrl().toStdString());
        Started started(folder);
        QPushButton* button = started.window.newDrawsButton();
        QTRY_VERIFY(button->isVisible());
        QCOMPARE(button->text(), QStringLiteral("有2期新开奖数据，点击更新"));
        QCOMPARE(server.requests, QList<QByteArray>{page});
        QTest::mouseClick(button, Qt::LeftButton);  // the online update (no plug-in here): the news goes
        QVERIFY(!button->isVisible());
        QVERIFY(!started.prompts.informed.join(QStringLiteral("|")).contains(QStringLiteral("新开奖")));  // never a modal
    }
    // A server error, a refused connection: silent. Turned off: nothing is asked at all.
    server.serveStatus(page, 500);
    const std::string sources[] = {"cwl=" + server.baseUrl().toStdString(), "cwl=http://127.0.0.1:9", "off"};
    for (const std::string& source : sources) {
        ProgramFolder folder(true);
        folder.settings.writeInt("checkdraws", source == "off" ? 0 : 1);
        folder.settings.writeString("drawsource0", source);
        Started started(folder);
        NewDrawCheck* check = started.window.newDrawCheck();
        if (source == "off")
            QCOMPARE(check->answered(), 0);
        else
            QTRY_COMPARE(check->answered(), 1);
        QVERIFY(!started.window.newDrawsButton()->isVisible());
        QVERIFY(!started.prompts.informed.join(QStringLiteral("|")).contains(QStringLiteral("新开奖")));
    }
    QCOMPARE(server.requests.size(), 2);
}

QTEST_MAIN(TestMainWindow)
#include "test_f_main.moc"
