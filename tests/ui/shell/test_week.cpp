// A player's week in the main window on a 1024x768 and a 1366x768 screen, reading what is on
// show: the update from the result service (a server of the test's own), the home page with the
// new draw, a filter run, saving the list, a wheel, and the prize check with its money.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "core/prizetables.h"
#include "core/workspace.h"
#include "generator/resultfile.h"
#include "support/httpserver.h"
#include "support/pluginsource.h"
#include "support/uifixture.h"
#include "ui/charts/cellgrid.h"
#include "ui/generator/f_checkreward.h"
#include "ui/generator/f_getchoiceextend.h"
#include "ui/generator/zh_mainpage.h"
#include "ui/generator/f_zh.h"
#include "ui/generator/zh_results.h"
#include "ui/generator/zh_ticketlist.h"
#include "ui/generator/zh_twozonepage.h"
#include "ui/shell/f_main.h"
#include "ui/shell/main_homepanel.h"
#include "ui/update/f_gxsjq.h"

using namespace lottodesk;
using test::FakePrompts;
using test::FakeShell;
using test::HttpServer;
using test::PluginSource;
using test::ProgramFolder;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }


// Every column of the grid inside its viewport: nothing of a ticket is left to scroll to.
QString hiddenColumns(QTableView* grid) {
    QHeaderView* header = grid->horizontalHeader();
    QStringList hidden;
    for (int column = 0; column < header->count(); ++column)
        if (header->sectionViewportPosition(column) + header->sectionSize(column) > grid->viewport()->width())
            hidden << grid->model()->headerData(column, Qt::Horizontal).toString();
    return hidden.join(QLatin1Char(' '));
}

}  // namespace

class TestWeek : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aWeekOnOneScreen_data();
    void aWeekOnOneScreen();
};

void TestWeek::aWeekOnOneScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1024x768") << QSize(1024, 768 - 40);
    QTest::newRow("1366x768") << QSize(1366, 768 - 40);
}

void TestWeek::aWeekOnOneScreen() {
    QFETCH(QSize, screen);
    ProgramFolder folder(true);
    const QFileInfo plugin(QString::fromUtf8(LOTTODESK_PLUGIN_PATH));
    QVERIFY(QFile::copy(plugin.absoluteFilePath(), folder.qfile("database/prjdll." + plugin.suffix().toStdString())));
    Workspace ws(folder.path());
    FakePrompts prompts;
    FakeShell shell;
    test::FakeFileChooser files;
    Tf_main window(ws, {prompts, shell, folder.settings, files});
    window.show();
    QTRY_VERIFY(window.startupDone());
    window.showNormal();
    window.setGeometry(QRect(QPoint(0, 0), screen));
    QTest::qWait(20);
    prompts.informed.clear();  // the offscreen screen is smaller than 1024x768: the start says so
    const int before = ws.sjk.RecordCount();

    // Monday: the new draw and its prize table from the welfare lottery's service.
    HttpServer server;
    const QByteArray page = "/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=ssq&pageNo=1&pageSize=30&systemType=PC";
    server.serve(page,
                 R"j({"pageCount":1,"result":[{"code":"2026097","date":"2026-08-23(日)","red":"03,09,16,17,24,33","blue":"15",)j"
                 R"("prizegrades":[{"type":1,"typenum":"3","typemoney":"7,165,213"},{"type":2,"typenum":"98","typemoney":"187,004"}]},)"
                 R"({"code":"2026096","red":"01,04,16,22,26,31","blue":"04"}]})",
                 "application/json");
    {
        PluginSource source(QStringLiteral("cwl=") + server.baseUrl());
        QTimer::singleShot(0, &window, [&] {
            Tf_gxsjq* update = window.updateWindow();
            update->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            update->accept();
        });
        window.homePanel()->findChild<QPushButton*>(QStringLiteral("b_home_n_gxsjq"))->click();
    }
    QCOMPARE(ws.sjk.RecordCount(), before + 1);
    QVERIFY(prompts.informed.isEmpty());
    QCOMPARE(loadPrizeTables(prizeTablePath(ws.folder, 0)).count(2026097), size_t{1});

    // The home page names the new draw and shows it as the last of the recent draws.
    QVERIFY(window.homeShown());
    const QString period = window.homePanel()->findChild<QLabel*>(QStringLiteral("l_period"))->text();
    QVERIFY2(period.startsWith(u("最新一期 2026097（共 %1 期）").arg(before + 1)), qPrintable(period));
    QCOMPARE(window.statusText(), QString());

    // The generator from the home page's button: a run over the whole space, every number and the
    // count with its cost in view.
    window.homePanel()->findChild<QPushButton*>(QStringLiteral("b_home_n_zh"))->click();
    auto* generator = window.pageWindow<Tf_zh>(Tf_main::Page::zh);
    QVERIFY(generator && generator->isVisible());
    QCOMPARE(window.visibleTabCaptions(), QStringList{u("超强组号")});
    generator->startRun();
    QTRY_VERIFY_WITH_TIMEOUT(!generator->isRunning(), 120000);
    QTest::qWait(20);
    QTableView* grid = generator->results()->grid();
    const QString count = generator->results()->findChild<QLabel*>(QStringLiteral("l_count"))->text();
    QVERIFY2(count.startsWith(u("投注结果：共")) && count.endsWith(u("元")), qPrintable(count));
    QCOMPARE(grid->model()->columnCount(), 7);
    QCOMPARE(hiddenColumns(grid), QString());

    // Saving the list: the dialog starts in the data folder's save/, the status line says where.
    const QString saved = folder.qfile("save/week.txt");
    files.names.push_back(saved);
    generator->results()->saveResults();
    QCOMPARE(files.folders.back(), QString::fromStdString(ws.path("save")));
    QVERIFY(QFile::exists(saved));
    QVERIFY2(window.statusText().contains(u("已保存到")), qPrintable(window.statusText()));

    // The prize check of the whole list against the new draw: the hit column in view, the hits by
    // count and the money; six hits without the blue number are a 二等奖, paid from the draw's table.
    generator->results()->setPeriodChooser(
        [](const std::vector<int32_t>& offered) -> std::optional<int32_t> { return offered.back(); });
    generator->results()->checkPrize();
    QTest::qWait(20);
    QCOMPARE(grid->model()->headerData(7, Qt::Horizontal).toString(), u("中奖号个数"));
    QCOMPARE(grid->model()->index(0, 7).data().toInt(), 6);  // the drawn six stand first
    QCOMPARE(hiddenColumns(grid), QString());
    QString summary = generator->results()->findChild<QLabel*>(QStringLiteral("l_prize"))->text();
    QVERIFY2(summary.startsWith(u("中6个1注 中5个162注")), qPrintable(summary));
    QVERIFY2(summary.contains(u("奖金")) && !summary.contains(u("浮动")), qPrintable(summary));

    // A wheel of nine numbers holding the draw's six ("中六保五" by default), checked the same way.
    QTimer::singleShot(0, &window, [] {
        auto* chooser = qobject_cast<Tf_getchoiceextend*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        chooser->selectNone();
        for (int number : {1, 2, 3, 4, 9, 16, 17, 24, 33}) QTest::mouseClick(chooser->label(number), Qt::LeftButton);
        chooser->accept();
    });
    generator->mainPage()->findChild<QPushButton*>(QStringLiteral("b_kxhm"))->click();
    QCOMPARE(generator->mainPage()->findChild<QLineEdit*>(QStringLiteral("e_kxhm"))->text(),
             u("1  2  3  4  9  16  17  24  33  "));  // each chosen number and two blanks
    auto* mode = generator->mainPage()->findChild<QComboBox*>(QStringLiteral("combo_zhlx"));
    mode->setCurrentText(u("旋转矩阵"));
    generator->mainPage()->findChild<QPushButton*>(QStringLiteral("b_run"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!generator->isRunning(), 120000);
    const size_t wheel = generator->generator().results.tickets.size();
    QVERIFY(wheel > 0 && wheel < 84);  // fewer than every ticket of nine numbers
    generator->results()->checkPrize();
    QTest::qWait(20);
    QCOMPARE(hiddenColumns(grid), QString());
    summary = generator->results()->findChild<QLabel*>(QStringLiteral("l_prize"))->text();
    QVERIFY2(summary.contains(u("投入%1元").arg(2 * wheel)), qPrintable(summary));
    QVERIFY2(grid->model()->index(0, 7).data().toInt() >= 5, "the wheel keeps five of the six drawn");

    // Tickets with the blue number: ten picked, checked against the draw, each with its amount.
    ZhTwoZonePage* twoZone = generator->twoZonePage();
    generator->pages()->setCurrentWidget(twoZone);
    twoZone->pickRandom();
    twoZone->setDialogRunner([](QDialog& dialog) {
        auto* check = qobject_cast<Tf_checkreward*>(&dialog);
        if (!check) return int(QDialog::Rejected);
        check->periodBox()->setText(QStringLiteral("2026097"));
        Q_EMIT check->periodBox()->textEdited(QStringLiteral("2026097"));
        return int(QDialog::Accepted);
    });
    twoZone->checkReward();
    QTest::qWait(20);
    auto* tickets = twoZone->findChild<QTableView*>(QStringLiteral("sg_sq"));
    QCOMPARE(tickets->model()->headerData(9, Qt::Horizontal).toString(), u("奖金"));
    QCOMPARE(hiddenColumns(tickets), QString());
    const QString cost = twoZone->findChild<QLabel*>(QStringLiteral("l_sqcost"))->text();
    QVERIFY2(cost.startsWith(u("共10注，20元；中奖")) && cost.endsWith(u("投入20元")), qPrintable(cost));

    // Closing the page with its tab's button brings the home page back.
    const int tab = window.pageControl()->indexOf(window.page(Tf_main::Page::zh));
    Q_EMIT window.pageControl()->tabCloseRequested(tab);
    QVERIFY(window.homeShown());
    QCOMPARE(window.openTabCount(), 0);
}

QTEST_MAIN(TestWeek)
#include "test_week.moc"
