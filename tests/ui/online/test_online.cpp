// The online services: the start-up notice fetch and its settings, the notice window, the page
// view, and the online update through the download plug-in, all against a loopback HTTP server.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QApplication>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <optional>

#include "core/drawupdate.h"
#include "core/prizetables.h"
#include "core/gbk.h"
#include "core/notice.h"
#include "core/workspace.h"
#include "ui/online/f_informdownload.h"
#include "support/httpserver.h"
#include "support/pluginsource.h"
#include "ui/online/noticefetcher.h"
#include "ui/online/onlineupdate.h"
#include "ui/online/pageview.h"
#include "plugin/prjdll.h"
#include "support/uifixture.h"

using namespace lottodesk;
using test::FakePrompts;
using test::FakeShell;
using test::HttpServer;
using test::PluginSource;
using test::ProgramFolder;

namespace {

QByteArray gbk(const char* utf8) { return QByteArray::fromStdString(utf8ToGbk(utf8)); }
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A notice file with every section the program uses, and one it ignores.
QByteArray fullNotice() {
    return gbk(
        "新版本号:0018\r\n"
        "17提示:本版有新指标。:17提示\r\n"
        "公共提示:今晚开奖。:公共提示\r\n"
        "17下载地址:http://a.example/new.exe$http://b.example/page.htm$:17下载地址\r\n"
        "启动时更新:是:启动时更新\r\n"
        "on_ie:http://c.example/start.htm:on_ie\r\n"
        "打开网页:是:打开网页\r\n"
        "16提示:旧版本的提示:16提示\r\n");
}

// The outcome of one fetch, filled by its callback.
struct FetchResult {
    int calls = 0;
    std::optional<QByteArray> body;
    std::function<void(std::optional<QByteArray>)> callback() {
        return [this](std::optional<QByteArray> received) {
            ++calls;
            body = std::move(received);
        };
    }
};


// A started workspace on a program folder with the real 双色球 history (type 0).
struct Desk {
    Desk() : ws(folder.path()) { initialiseWorkspace(ws, folder.settings); }

    // Copies a built plug-in into database/ under the program's plug-in name.
    bool install(const char* built) {
        const QFileInfo info(QString::fromUtf8(built));
        const QString target = folder.qfile("database/prjdll." + info.suffix().toStdString());
        return QFile::copy(info.absoluteFilePath(), target);
    }
    void update() { runOnlineUpdate(ws, prompts, &window); }
    std::string historyBytes() const { return test::readFile(ws.historyPath(0)); }
    // The history as saved, reopened from its file.
    t_s_dm saved() const {
        t_s_dm store;
        store.SetFileName(ws.historyPath(0));
        store.Open();
        return store;
    }

    ProgramFolder folder{true};
    Workspace ws;
    FakePrompts prompts;
    QWidget window;
};

QString drawLine(int period, std::initializer_list<int> numbers) {
    QString line = QString::number(period);
    for (int n : numbers) line += QStringLiteral(" %1").arg(n, 2, 10, QLatin1Char('0'));
    return line + QStringLiteral("\r\n");
}

void expectDraw(const t_s_dm& store, int n, int period, std::initializer_list<int> numbers) {
    QCOMPARE(store.FieldValueAt(n, 0), period);
    int slot = 1;
    for (int value : numbers) QCOMPARE(store.FieldValueAt(n, slot++), value);
}

}  // namespace

class TestOnline : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();

    // Notice fetch
    void fetchesTheNoticeAndStoresItsSections();
    void missingSectionsGiveEmptyValues();
    void emptyBodyIsANoticeWithoutSections();
    void notFoundStoresNothing();
    void silentServerTimesOut();
    void refusedConnectionStoresNothing();
    void emptyOrForeignBaseSendsNothing();
    void destroyedFetcherNeverCallsBack();

    // Notice window
    void noticeWindowShowsTheFetchedText();
    void noticeWindowWelcomesWithoutANotice();
    void newerVersionShowsTheStoredNotice();
    void noticeWindowClosesAfterItsLife();
    void clickOpensEveryDownloadEntry();
    void textWithoutDollarOpensNothing();

    // Page view
    void pageViewShowsGbkHtml();
    void pageViewFindsTheCharsetInThePage();
    void pageViewShowsPlainText();
    void pageViewFailuresShowNothing();

    // The plug-in on its own
    void pluginWritesTheHandOverFile();
    void pluginDialogByHand();

    // Online update
    void updateKeepsAStoredDrawTheDownloadDisagreesWith();
    void updateFromTheWelfareLotterysService();
    void updateFromTheSportsLotterysService();
    void unknownFirstPeriodAsksAboutContinuity();
    void continuityAnsweredYesKeepsOnlyTheDownload();
    void updateFromALocalFileFillsAnEmptyHistory();
    void downloadOfTheWrongPeriodLengthChangesNothing();
    void failedDownloadSaysNothingAndIgnoresAStaleFile();
    void missingOrBrokenPluginDoesNothing();
    void pluginIsCalledInTheProgramFolder();
    void installedPluginServesFoldersWithoutTheirOwn();
    void lowerBoundRules();
    void malformedHandOverNamesTheLine();
    void handOverOfAnyContentNeverCrashes();
};

void TestOnline::init() { qunsetenv("LOTTODESK_PLUGIN_SOURCE"); }

// --- Notice fetch ---------------------------------------------------------------------------------

void TestOnline::fetchesTheNoticeAndStoresItsSections() {
    HttpServer server;
    QVERIFY(server.listening());
    server.serve("/cpdata/vud.txt", fullNotice());
    NoticeFetcher fetcher;
    FetchResult result;
    fetcher.fetch(server.baseUrl() + QStringLiteral("/"), result.callback());
    QCOMPARE(result.calls, 0);  // asynchronous
    QTRY_COMPARE(result.calls, 1);
    QVERIFY(result.body.has_value());
    QCOMPARE(*result.body, fullNotice());
    QCOMPARE(server.requests, QList<QByteArray>{"/cpdata/vud.txt"});

    ProgramFolder folder;
    const std::optional<Notice> notice = applyNotice(result.body, folder.settings);
    QVERIFY(notice.has_value());
    QCOMPARE(folder.settings.readString("inform"), std::optional<std::string>("本版有新指标。今晚开奖。"));
    QCOMPARE(folder.settings.readString("readieonrun"), std::optional<std::string>("是"));
    QCOMPARE(folder.settings.readString("downloadie"),
             std::optional<std::string>("http://a.example/new.exe$http://b.example/page.htm$"));
    QCOMPARE(notice->pageAddress, std::string("http://c.example/start.htm"));
    QCOMPARE(notice->openPages, std::string("是"));
}

void TestOnline::missingSectionsGiveEmptyValues() {
    HttpServer server;
    server.serve("/cpdata/vud.txt", gbk("公共提示:只有公共提示\r\n17提示:没有结束标记"));
    NoticeFetcher fetcher;
    FetchResult result;
    fetcher.fetch(server.baseUrl(), result.callback());
    QTRY_COMPARE(result.calls, 1);
    ProgramFolder folder;
    folder.settings.writeString("inform", "旧的提示");
    const std::optional<Notice> notice = applyNotice(result.body, folder.settings);
    QVERIFY(notice.has_value());
    QCOMPARE(folder.settings.readString("inform"), std::optional<std::string>(""));
    QCOMPARE(folder.settings.readString("readieonrun"), std::optional<std::string>(""));
    QCOMPARE(folder.settings.readString("downloadie"), std::optional<std::string>(""));
    QVERIFY(notice->pageAddress.empty());
    QVERIFY(notice->openPages.empty());
}

void TestOnline::emptyBodyIsANoticeWithoutSections() {
    HttpServer server;
    server.serve("/cpdata/vud.txt", {});
    NoticeFetcher fetcher;
    FetchResult result;
    fetcher.fetch(server.baseUrl(), result.callback());
    QTRY_COMPARE(result.calls, 1);
    QVERIFY(result.body.has_value());
    QVERIFY(result.body->isEmpty());
    ProgramFolder folder;
    QVERIFY(applyNotice(result.body, folder.settings).has_value());
    QCOMPARE(folder.settings.readString("inform"), std::optional<std::string>(""));
    QCOMPARE(folder.settings.readString("downloadie"), std::optional<std::string>(""));
}

void TestOnline::notFoundStoresNothing() {
    HttpServer server;  // no notice served: 404
    NoticeFetcher fetcher;
    FetchResult result;
    fetcher.fetch(server.baseUrl(), result.callback());
    QTRY_COMPARE(result.calls, 1);
    QVERIFY(!result.body.has_value());
    QCOMPARE(server.requests, QList<QByteArray>{"/cpdata/vud.txt"});

    ProgramFolder folder;
    folder.settings.writeString("inform", "旧的提示");
    QVERIFY(!applyNotice(result.body, folder.settings).has_value());
    QCOMPARE(folder.settings.readString("inform"), std::optional<std::string>("旧的提示"));
    QVERIFY(!folder.settings.readString("readieonrun").has_value());
    QVERIFY(!folder.settings.readString("downloadie").has_value());
}

void TestOnline::silentServerTimesOut() {
    HttpServer server;
    server.serveSilently("/cpdata/vud.txt");
    NoticeFetcher fetcher;
    QCOMPARE(fetcher.timeout(), NoticeFetcher::kDefaultTimeoutMs);
    fetcher.setTimeout(300);
    FetchResult result;
    fetcher.fetch(server.baseUrl(), result.callback());
    QTRY_COMPARE(result.calls, 1);
    QVERIFY(!result.body.has_value());
    QCOMPARE(server.requests, QList<QByteArray>{"/cpdata/vud.txt"});  // it was asked, it never answered
    ProgramFolder folder;
    QVERIFY(!applyNotice(result.body, folder.settings).has_value());
    QVERIFY(!folder.settings.readString("inform").has_value());
    QCoreApplication::processEvents();
    QCOMPARE(result.calls, 1);
}

void TestOnline::refusedConnectionStoresNothing() {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    NoticeFetcher fetcher;
    FetchResult result;
    fetcher.fetch(QStringLiteral("http://127.0.0.1:%1").arg(closedPort), result.callback());
    QTRY_COMPARE(result.calls, 1);
    QVERIFY(!result.body.has_value());
}

void TestOnline::emptyOrForeignBaseSendsNothing() {
    HttpServer server;
    NoticeFetcher fetcher;
    FetchResult empty;
    fetcher.fetch(QString(), empty.callback());
    QCOMPARE(empty.calls, 1);  // at once
    QVERIFY(!empty.body.has_value());
    FetchResult foreign;
    fetcher.fetch(QStringLiteral("ftp://127.0.0.1:%1").arg(server.port()), foreign.callback());
    QCOMPARE(foreign.calls, 1);
    QVERIFY(!foreign.body.has_value());
    QVERIFY(NoticeFetcher::noticeUrl(QStringLiteral("  ")).isEmpty());
    QCOMPARE(NoticeFetcher::noticeUrl(QStringLiteral("http://data.example/base/")),
             QStringLiteral("http://data.example/base/cpdata/vud.txt"));
    QCoreApplication::processEvents();
    QCOMPARE(server.connections, 0);
    QVERIFY(server.requests.isEmpty());
}

void TestOnline::destroyedFetcherNeverCallsBack() {
    // Destroyed at once, and destroyed while its request is at the server (which holds it open).
    for (const bool inFlight : {false, true}) {
        HttpServer server;
        if (inFlight)
            server.serveSilently("/cpdata/vud.txt");
        else
            server.serve("/cpdata/vud.txt", fullNotice());
        FetchResult result;
        {
            NoticeFetcher fetcher;
            fetcher.fetch(server.baseUrl(), result.callback());
            if (inFlight) QTRY_COMPARE(server.requests.size(), 1);
        }
        // A later fetch of another fetcher completes: whatever the destroyed one had posted or
        // started has run by then.
        HttpServer other;
        other.serve("/cpdata/vud.txt", fullNotice());
        NoticeFetcher control;
        FetchResult answered;
        control.fetch(other.baseUrl(), answered.callback());
        QTRY_COMPARE(answered.calls, 1);
        QVERIFY(answered.body.has_value());
        QCOMPARE(result.calls, 0);
    }
}

// --- Notice window --------------------------------------------------------------------------------

void TestOnline::noticeWindowShowsTheFetchedText() {
    ProgramFolder folder;
    FakeShell shell;
    Tf_informdownload window(folder.settings, shell);
    const QString notice = text("本版有新指标。今晚开奖，祝您好运！请及时更新开奖数据，以免分析结果有误。");
    window.setNotice(notice, QString());
    window.show();
    QCOMPARE(window.windowTitle(), text("提示"));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(window.noticeText(), notice);
    QCOMPARE(window.button()->text(), notice);

    const QFontMetrics metrics(window.button()->font());
    QCOMPARE(window.width(), Tf_informdownload::kWidth);
    QCOMPARE(window.height(), (metrics.horizontalAdvance(notice) / window.width() + 4) * metrics.height());
    QCOMPARE(window.button()->geometry(), window.rect());
    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.geometry().right(), screen.right());
    QCOMPARE(window.geometry().bottom(), screen.bottom() - 30);
    window.close();
}

void TestOnline::noticeWindowWelcomesWithoutANotice() {
    ProgramFolder folder;
    FakeShell shell;
    Tf_informdownload window(folder.settings, shell);
    window.show();
    QCOMPARE(window.button()->text(), text("欢迎使用。"));
    // Showing a visible window again changes nothing.
    window.setNotice(text("后来的提示"), QString());
    window.show();
    QCOMPARE(window.button()->text(), text("欢迎使用。"));
    window.close();
}

void TestOnline::newerVersionShowsTheStoredNotice() {
    ProgramFolder folder;
    folder.settings.writeString("inform", "存储的提示");
    folder.settings.writeString("downloadie", "http://stored.example/$");
    FakeShell shell;
    {
        folder.settings.writeInt("newbbh", 17);  // not newer: the fetched values stay
        Tf_informdownload window(folder.settings, shell);
        window.setNotice(text("取到的提示"), QStringLiteral("http://fetched.example/$"));
        window.show();
        QCOMPARE(window.button()->text(), text("取到的提示"));
        window.close();
    }
    folder.settings.writeInt("newbbh", 18);
    Tf_informdownload window(folder.settings, shell);
    window.setNotice(text("取到的提示"), QStringLiteral("http://fetched.example/$"));
    window.show();
    QCOMPARE(window.button()->text(), text("存储的提示"));
    QCOMPARE(window.downloadList(), QStringLiteral("http://stored.example/$"));
    QTest::mouseClick(window.button(), Qt::LeftButton);
    QCOMPARE(shell.opened, QStringList{QStringLiteral("document:http://stored.example/")});

    // A newer version with nothing stored: the welcome text.
    ProgramFolder empty;
    empty.settings.writeInt("newbbh", 18);
    Tf_informdownload bare(empty.settings, shell);
    bare.setNotice(text("取到的提示"), QString());
    bare.show();
    QCOMPARE(bare.button()->text(), text("欢迎使用。"));
    bare.close();
}

void TestOnline::noticeWindowClosesAfterItsLife() {
    ProgramFolder folder;
    FakeShell shell;
    Tf_informdownload window(folder.settings, shell);
    window.setLife(150, 50);
    window.show();
    QVERIFY(window.isVisible());
    QTRY_VERIFY(!window.isVisible());
    QVERIFY(shell.opened.isEmpty());
    // Shown again, it lives again.
    window.show();
    QVERIFY(window.isVisible());
    QTRY_VERIFY(!window.isVisible());
}

void TestOnline::clickOpensEveryDownloadEntry() {
    ProgramFolder folder;
    FakeShell shell;
    Tf_informdownload window(folder.settings, shell);
    window.setNotice(text("有新版本"), QStringLiteral("http://a.example/1$$http://b.example/2$\r\n$after the last"));
    window.show();
    QTest::mouseClick(window.button(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(shell.opened, (QStringList{QStringLiteral("document:http://a.example/1"),
                                        QStringLiteral("document:http://b.example/2")}));
}

void TestOnline::textWithoutDollarOpensNothing() {
    ProgramFolder folder;
    FakeShell shell;
    Tf_informdownload window(folder.settings, shell);
    window.setNotice(text("提示"), QStringLiteral("http://a.example/1"));
    window.show();
    QTest::mouseClick(window.button(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(shell.opened.isEmpty());
}

// --- Page view ------------------------------------------------------------------------------------

void TestOnline::pageViewShowsGbkHtml() {
    HttpServer server;
    server.serve("/start.htm", gbk("<html><body><p>今晚开奖</p><a href=\"/next.htm\">下一页</a></body></html>"),
                 "text/html; charset=gbk");
    server.serve("/next.htm", gbk("<html><body><p>第二页</p></body></html>"), "text/html; charset=GB2312");
    PageView view;
    QSignalSpy finished(&view, &PageView::finished);
    view.navigate(server.url(QStringLiteral("/start.htm")));
    QVERIFY(view.isLoading());
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(view.toPlainText().contains(text("今晚开奖")));
    QVERIFY(view.toHtml().contains(QStringLiteral("next.htm")));
    // A link opens in the view.
    Q_EMIT view.anchorClicked(QUrl(QStringLiteral("/next.htm")));
    QTRY_COMPARE(finished.count(), 2);
    QVERIFY(view.toPlainText().contains(text("第二页")));
    QCOMPARE(view.address(), QUrl(server.url(QStringLiteral("/next.htm"))));
}

void TestOnline::pageViewFindsTheCharsetInThePage() {
    HttpServer server;
    server.serve("/gbk.htm",
                 gbk("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"></head>"
                     "<body>国标页面</body></html>"),
                 "text/html");
    server.serve("/utf8.htm", QByteArray("<html><head><meta charset=\"utf-8\"></head><body>统一码页面</body></html>"),
                 "text/html");
    PageView view;
    QSignalSpy finished(&view, &PageView::finished);
    view.navigate(server.url(QStringLiteral("/gbk.htm")));
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(view.toPlainText().contains(text("国标页面")));
    view.navigate(server.url(QStringLiteral("/utf8.htm")));
    QTRY_COMPARE(finished.count(), 2);
    QVERIFY(view.toPlainText().contains(text("统一码页面")));
}

void TestOnline::pageViewShowsPlainText() {
    HttpServer server;
    server.serve("/note.txt", QByteArray("a <b>bold</b> word"), "text/plain");
    PageView view;
    QSignalSpy finished(&view, &PageView::finished);
    view.navigate(server.url(QStringLiteral("/note.txt")));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(view.toPlainText(), QStringLiteral("a <b>bold</b> word"));
}

void TestOnline::pageViewFailuresShowNothing() {
    HttpServer server;
    server.serve("/good.htm", QByteArray("<html><body>good</body></html>"), "text/html");
    server.serveSilently("/silent.htm");
    PageView view;
    view.setTimeout(300);
    QSignalSpy finished(&view, &PageView::finished);

    view.navigate(server.url(QStringLiteral("/good.htm")));
    QTRY_COMPARE(finished.count(), 1);
    view.navigate(server.url(QStringLiteral("/missing.htm")));  // 404
    QVERIFY(view.toPlainText().isEmpty());
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(finished.at(1).at(0).toBool(), false);
    QVERIFY(view.toPlainText().isEmpty());

    view.navigate(server.url(QStringLiteral("/silent.htm")));  // never answers
    QTRY_COMPARE(finished.count(), 3);
    QCOMPARE(finished.at(2).at(0).toBool(), false);
    QVERIFY(view.toPlainText().isEmpty());

    const int asked = static_cast<int>(server.requests.size());
    view.navigate(QStringLiteral("file:///etc/hostname"));
    QTRY_COMPARE(finished.count(), 4);
    QCOMPARE(finished.at(3).at(0).toBool(), false);
    QVERIFY(view.toPlainText().isEmpty());
    QCOMPARE(server.requests.size(), asked);
}

// --- The plug-in on its own -----------------------------------------------------------------------

void TestOnline::pluginWritesTheHandOverFile() {
    QLibrary library(QStringLiteral(LOTTODESK_PLUGIN_PATH));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    const auto createForm = reinterpret_cast<CreateDLLFormFunction>(library.resolve(LOTTODESK_CREATE_FORM_SYMBOL));
    QVERIFY(createForm);

    HttpServer server;
    server.serve("/draws.txt",
                 (drawLine(2026097, {3, 8, 15, 19, 27, 30, 9}) + QStringLiteral("\r\n") +
                  drawLine(2026096, {1, 4, 16, 22, 26, 31, 4}) + drawLine(2026095, {4, 6, 14, 21, 22, 33, 16}) +
                  QStringLiteral("0\r\n") + drawLine(2026099, {1, 2, 3, 4, 5, 6, 7}))
                     .toLatin1());
    test::TempFolder here;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromStdString(here.path())));
    QWidget window;
    {
        PluginSource source(server.url(QStringLiteral("/draws.txt")));
        createForm(&window, nullptr, "双色球", 0, 2026096);
    }
    const std::string bounded = test::readFile(here.file("dttmp.dtp"));
    QFile::remove(QStringLiteral("dttmp.dtp"));
    {
        PluginSource source(server.url(QStringLiteral("/draws.txt")));
        createForm(&window, nullptr, "双色球", 0, -1);
    }
    const std::string all = test::readFile(here.file("dttmp.dtp"));
    QDir::setCurrent(previous);

    // Ascending, from the lower bound, up to the period 0 that ends the draws.
    QCOMPARE(bounded, std::string("2026096\r\n1 4 16 22 26 31 4\r\n\r\n"
                                  "2026097\r\n3 8 15 19 27 30 9\r\n\r\n"));
    QCOMPARE(all, std::string("2026095\r\n4 6 14 21 22 33 16\r\n\r\n"
                              "2026096\r\n1 4 16 22 26 31 4\r\n\r\n"
                              "2026097\r\n3 8 15 19 27 30 9\r\n\r\n"));
    QCOMPARE(server.requests.size(), 2);
}

void TestOnline::pluginDialogByHand() {
    QLibrary library(QStringLiteral(LOTTODESK_PLUGIN_PATH));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    const auto createForm = reinterpret_cast<CreateDLLFormFunction>(library.resolve(LOTTODESK_CREATE_FORM_SYMBOL));
    QVERIFY(createForm);
    HttpServer server;
    server.serve("/draws.txt", drawLine(2026097, {3, 8, 15, 19, 27, 30, 9}).toLatin1());
    test::TempFolder here;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromStdString(here.path())));
    QWidget window;

    // The user's hand, once the plug-in's window is up: `act` gets the dialog.
    QStringList seen;
    auto whenShown = [&](std::function<void(QWidget*)> act) {
        auto* poll = new QTimer(&window);
        auto tries = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, &window, [poll, tries, act] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog && ++*tries < 500) return;
            poll->stop();
            poll->deleteLater();
            if (dialog) act(dialog);
        });
        poll->start(10);
    };

    // The source field offers the type's result service, or the user's own source for the type.
    QStringList offered;
    for (const char* preferred : {"", "cwl=http://my-mirror:8080"}) {
        if (*preferred) qputenv("LOTTODESK_PLUGIN_DEFAULT_SOURCE", preferred);
        whenShown([&](QWidget* dialog) {
            offered << dialog->findChild<QLineEdit*>(QStringLiteral("e_source"))->text();
            dialog->findChild<QPushButton*>(QStringLiteral("b_cancel"))->click();
        });
        createForm(&window, nullptr, "双色球", 0, 2026096);
        qunsetenv("LOTTODESK_PLUGIN_DEFAULT_SOURCE");
    }
    QCOMPARE(offered, (QStringList{text("cwl"), text("cwl=http://my-mirror:8080")}));

    // Cancel: nothing written.
    whenShown([&](QWidget* dialog) {
        seen << dialog->windowTitle();
        dialog->findChild<QLineEdit*>(QStringLiteral("e_source"))->setText(server.url(QStringLiteral("/draws.txt")));
        dialog->findChild<QPushButton*>(QStringLiteral("b_cancel"))->click();
    });
    createForm(&window, nullptr, "双色球", 0, 2026096);
    QVERIFY(!QFile::exists(QStringLiteral("dttmp.dtp")));

    // A source that fails: the error stays in the window, which the user then closes.
    whenShown([&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("e_source"))->setText(server.url(QStringLiteral("/none.txt")));
        dialog->findChild<QPushButton*>(QStringLiteral("b_download"))->click();
        auto* status = dialog->findChild<QLabel*>(QStringLiteral("l_status"));
        auto* wait = new QTimer(dialog);
        QObject::connect(wait, &QTimer::timeout, dialog, [&seen, dialog, status, wait] {
            if (!status->text().startsWith(QStringLiteral("下载失败"))) return;
            wait->stop();
            seen << status->text();
            dialog->close();
        });
        wait->start(10);
    });
    createForm(&window, nullptr, "双色球", 0, 2026096);
    QVERIFY(!QFile::exists(QStringLiteral("dttmp.dtp")));

    // A good source: written, and the window closes by itself.
    whenShown([&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("e_source"))->setText(server.url(QStringLiteral("/draws.txt")));
        dialog->findChild<QPushButton*>(QStringLiteral("b_download"))->click();
    });
    createForm(&window, nullptr, "双色球", 0, 2026096);
    const std::string written = test::readFile(here.file("dttmp.dtp"));
    QDir::setCurrent(previous);

    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0], text("在线下载开奖数据"));
    QVERIFY2(seen[1].startsWith(text("下载失败：")), qPrintable(seen[1]));
    QCOMPARE(written, std::string("2026097\r\n3 8 15 19 27 30 9\r\n\r\n"));
    QCOMPARE(server.requests, (QList<QByteArray>{"/none.txt", "/draws.txt"}));
}

// --- Online update --------------------------------------------------------------------------------

// The plug-in hands over from the newest stored period on: 2026096 as the download gives it (blue
// 5, stored 4) is kept as stored and named, 2026097 is added.
void TestOnline::updateKeepsAStoredDrawTheDownloadDisagreesWith() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_PLUGIN_PATH));
    const int before = desk.ws.sjk.RecordCount();
    QCOMPARE(desk.ws.sjk.FieldValueAt(before, 0), 2026096);
    HttpServer server;
    server.serve("/ssq.txt",
                 (drawLine(2026097, {3, 8, 15, 19, 27, 30, 9}) + drawLine(2026096, {1, 4, 16, 22, 26, 31, 5}) +
                  drawLine(2026095, {4, 6, 14, 21, 22, 33, 16}))
                     .toLatin1());
    const QString cwd = QDir::currentPath();
    {
        PluginSource source(server.url(QStringLiteral("/ssq.txt")));
        desk.update();
    }
    QCOMPARE(QDir::currentPath(), cwd);
    QVERIFY(desk.prompts.asked.isEmpty());
    QCOMPARE(desk.prompts.informed, QStringList{text("新增1期，跳过0期；第2026096期与已有记录不同，未导入")});
    QCOMPARE(server.requests, QList<QByteArray>{"/ssq.txt"});
    QVERIFY(!QFile::exists(desk.folder.qfile("dttmp.dtp")));

    QCOMPARE(desk.ws.sjk.RecordCount(), before + 1);
    expectDraw(desk.ws.sjk, before, 2026096, {1, 4, 16, 22, 26, 31, 4});
    expectDraw(desk.ws.sjk, before + 1, 2026097, {3, 8, 15, 19, 27, 30, 9});
    const t_s_dm saved = desk.saved();
    QCOMPARE(saved.RecordCount(), before + 1);
    expectDraw(saved, before, 2026096, {1, 4, 16, 22, 26, 31, 4});
    expectDraw(saved, before + 1, 2026097, {3, 8, 15, 19, 27, 30, 9});
}

// The plug-in's built-in source for 双色球, pointed at a server of the same shape on this machine:
// the pages are read newest first until the stored history is reached, the draws land and their
// prize tables are kept beside the history.
void TestOnline::updateFromTheWelfareLotterysService() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_PLUGIN_PATH));
    const int before = desk.ws.sjk.RecordCount();
    HttpServer server;
    const QByteArray page = "/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=ssq&pageSize=30&systemType=PC";
    auto target = [&](int n) {
        QByteArray t = page;
        return t.replace("pageSize", "pageNo=" + QByteArray::number(n) + "&pageSize");
    };
    server.serve(target(1),
                 R"j({"pageCount":2,"result":[{"code":"2026098","date":"2026-08-25(二)","red":"03,09,16,17,24,33","blue":"15",)j"
                 R"("prizegrades":[{"type":1,"typenum":"3","typemoney":"7,165,213"}]},)"
                 R"({"code":"2026097","red":"01,06,13,18,27,30","blue":"07"}]})",
                 "application/json");
    server.serve(target(2), R"({"pageCount":2,"result":[{"code":"2026096","red":"01,04,16,22,26,31","blue":"04"}]})",
                 "application/json");
    {
        PluginSource source(QStringLiteral("cwl=") + server.baseUrl());
        desk.update();
    }
    QCOMPARE(server.requests, (QList<QByteArray>{target(1), target(2)}));
    QVERIFY(desk.prompts.informed.isEmpty());
    QCOMPARE(desk.ws.sjk.RecordCount(), before + 2);
    expectDraw(desk.ws.sjk, before + 2, 2026098, {3, 9, 16, 17, 24, 33, 15});
    QVERIFY(!QFile::exists(desk.folder.qfile("dttmp.prz")));
    const PrizeTables tables = loadPrizeTables(prizeTablePath(desk.ws.folder, 0));
    QCOMPARE(tables.size(), size_t{1});
    QCOMPARE(tables.at(2026098).levels.at(0).amount, 7165213LL);
    QCOMPARE(tables.at(2026098).date, std::string("2026-08-25(二)"));
}

// 超级大乐透 from the sports lottery's service of the same shape on this machine: the two-digit
// year of its periods, five main and two secondary numbers, the 追加 levels of its prize table.
void TestOnline::updateFromTheSportsLotterysService() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_PLUGIN_PATH));
    desk.ws.curcp = 1;
    QVERIFY(switchLotteryType(desk.ws, 0).ok);
    QCOMPARE(desk.ws.current().cpmm, std::string("超级大乐透"));
    const int before = desk.ws.sjk.RecordCount();
    QCOMPARE(desk.ws.sjk.FieldValueAt(before, 0), 2026095);
    HttpServer server;
    const QByteArray target =
        "/gateway/lottery/getHistoryPageListV1.qry?gameNo=85&provinceId=0&pageSize=30&isVerify=1&pageNo=1";
    server.serve(target,
                 R"j({"value":{"pages":5,"list":[
                   {"lotteryDrawNum":"26096","lotteryDrawResult":"33 12 19 03 27 09 02","lotteryDrawTime":"2026-08-23",
                    "prizeLevelList":[{"prizeLevel":"一等奖","stakeCount":"2","stakeAmount":"10,000,000"},
                                      {"prizeLevel":"一等奖(追加)","stakeCount":"1","stakeAmount":"8,000,000"}]},
                   {"lotteryDrawNum":"26095","lotteryDrawResult":"04 06 08 10 14 04 05"}]}})j",
                 "application/json");
    {
        PluginSource source(QStringLiteral("sporttery=") + server.baseUrl());
        desk.update();
    }
    QCOMPARE(server.requests, QList<QByteArray>{target});
    QVERIFY(desk.prompts.informed.isEmpty());
    QCOMPARE(desk.ws.sjk.RecordCount(), before + 1);
    expectDraw(desk.ws.sjk, before + 1, 2026096, {3, 12, 19, 27, 33, 2, 9});
    const PrizeTables tables = loadPrizeTables(prizeTablePath(desk.ws.folder, 1));
    QCOMPARE(tables.at(2026096).levels.size(), size_t{2});
    QCOMPARE(tables.at(2026096).levels.at(1).name, std::string("一等奖(追加)"));
    QVERIFY2(!tables.count(2026095), "a draw without a table keeps none");
}

void TestOnline::unknownFirstPeriodAsksAboutContinuity() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_PLUGIN_PATH));
    const int before = desk.ws.sjk.RecordCount();
    HttpServer server;
    server.serve(
        "/ssq.txt",
        (drawLine(2026100, {2, 5, 9, 12, 20, 33, 1}) + drawLine(2026101, {6, 7, 8, 9, 10, 11, 12})).toLatin1());
    desk.prompts.answers = {false};
    {
        PluginSource source(server.url(QStringLiteral("/ssq.txt")));
        desk.update();
    }
    QCOMPARE(desk.prompts.asked, QStringList{text("选择|") + QString::fromUtf8(kContinuityQuestion)});
    QCOMPARE(desk.prompts.defaults, std::vector<bool>{false});
    QVERIFY(desk.prompts.informed.isEmpty());
    QCOMPARE(desk.ws.sjk.RecordCount(), before + 2);
    expectDraw(desk.ws.sjk, before, 2026096, {1, 4, 16, 22, 26, 31, 4});
    expectDraw(desk.ws.sjk, before + 2, 2026101, {6, 7, 8, 9, 10, 11, 12});
    QCOMPARE(desk.saved().RecordCount(), before + 2);
}

void TestOnline::continuityAnsweredYesKeepsOnlyTheDownload() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_PLUGIN_PATH));
    HttpServer server;
    server.serve(
        "/ssq.txt",
        (drawLine(2026100, {2, 5, 9, 12, 20, 33, 1}) + drawLine(2026101, {6, 7, 8, 9, 10, 11, 12})).toLatin1());
    desk.prompts.answers = {true};
    {
        PluginSource source(server.url(QStringLiteral("/ssq.txt")));
        desk.update();
    }
    QCOMPARE(desk.prompts.asked.size(), 1);
    QCOMPARE(desk.ws.sjk.RecordCount(), 2);
    expectDraw(desk.ws.sjk, 1, 2026100, {2, 5, 9, 12, 20, 33, 1});
    const t_s_dm saved = desk.saved();
    QCOMPARE(saved.RecordCount(), 2);
    expectDraw(saved, 2, 2026101, {6, 7, 8, 9, 10, 11, 12});
}

void TestOnline::updateFromALocalFileFillsAnEmptyHistory() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_PLUGIN_PATH));
    QVERIFY(clearHistory(desk.ws.sjk).ok);
    QCOMPARE(test::fileSize(desk.ws.historyPath(0)), 0);
    test::TempFolder elsewhere;
    test::writeFile(elsewhere.file("draws.txt"),
                    (drawLine(2003003, {1, 7, 10, 23, 28, 32, 16}) + drawLine(2003001, {10, 11, 12, 13, 26, 28, 11}) +
                     QStringLiteral("\t\r\n") + drawLine(2003002, {4, 9, 19, 20, 21, 26, 12}))
                        .toStdString());
    {
        PluginSource source(QString::fromStdString(elsewhere.file("draws.txt")));
        desk.update();
    }
    QVERIFY(desk.prompts.asked.isEmpty());
    QVERIFY(desk.prompts.informed.isEmpty());
    const t_s_dm saved = desk.saved();
    QCOMPARE(saved.RecordCount(), 3);
    expectDraw(saved, 1, 2003001, {10, 11, 12, 13, 26, 28, 11});
    expectDraw(saved, 2, 2003002, {4, 9, 19, 20, 21, 26, 12});
    expectDraw(saved, 3, 2003003, {1, 7, 10, 23, 28, 32, 16});
}

void TestOnline::downloadOfTheWrongPeriodLengthChangesNothing() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_PLUGIN_PATH));
    const std::string before = desk.historyBytes();
    const int count = desk.ws.sjk.RecordCount();
    HttpServer server;
    server.serve("/ssq.txt", drawLine(20260970, {1, 2, 3, 4, 5, 6, 7}).toLatin1());
    {
        PluginSource source(server.url(QStringLiteral("/ssq.txt")));
        desk.update();
    }
    QCOMPARE(desk.prompts.informed, QStringList{QString::fromUtf8(kDownloadFailedMessage)});
    QVERIFY(desk.prompts.asked.isEmpty());
    QCOMPARE(desk.ws.sjk.RecordCount(), count);
    QVERIFY(desk.historyBytes() == before);
    QVERIFY(!QFile::exists(desk.folder.qfile("dttmp.dtp")));
}

void TestOnline::failedDownloadSaysNothingAndIgnoresAStaleFile() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_PLUGIN_PATH));
    const std::string before = desk.historyBytes();
    HttpServer server;
    server.serve("/bad.txt", QByteArray("2026097 01 02 xx 04 05 06 07\r\n"));
    const QStringList sources{server.url(QStringLiteral("/missing.txt")), server.url(QStringLiteral("/bad.txt")),
                              QString::fromStdString(desk.folder.file("no such file.txt"))};
    for (const QString& where : sources) {
        // A hand-over left from an earlier run must not be taken for this download.
        test::writeFile(desk.folder.file("dttmp.dtp"), "2026097\r\n9 9 9 9 9 9 9\r\n\r\n");
        PluginSource source(where);
        desk.update();
        QVERIFY(desk.prompts.informed.isEmpty());
        QVERIFY(desk.prompts.asked.isEmpty());
        QVERIFY(desk.historyBytes() == before);
        QVERIFY(!QFile::exists(desk.folder.qfile("dttmp.dtp")));
    }
    QCOMPARE(server.requests, (QList<QByteArray>{"/missing.txt", "/bad.txt"}));
}

void TestOnline::missingOrBrokenPluginDoesNothing() {
    Desk desk;
    const std::string before = desk.historyBytes();
    HttpServer server;
    server.serve("/ssq.txt", drawLine(2026097, {3, 8, 15, 19, 27, 30, 9}).toLatin1());
    PluginSource source(server.url(QStringLiteral("/ssq.txt")));
    const QString cwd = QDir::currentPath();

    desk.update();  // no plug-in at all
    QCOMPARE(QDir::currentPath(), cwd);

    test::writeFile(desk.folder.file("database/prjdll.so"), std::string("not a library\0\x7f"
                                                                        "ELF",
                                                                        18));
    desk.update();  // a file that does not load

    QVERIFY(desk.prompts.informed.isEmpty());
    QVERIFY(desk.prompts.asked.isEmpty());
    QVERIFY(desk.historyBytes() == before);
    QVERIFY(server.requests.isEmpty());
    QCOMPARE(QDir::currentPath(), cwd);
}

void TestOnline::pluginIsCalledInTheProgramFolder() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_FAKE_PLUGIN_PATH));
    test::writeFile(desk.folder.file("dttmp.dtp"), "stale");
    const QString cwd = QDir::currentPath();
    desk.update();
    QCOMPARE(QDir::currentPath(), cwd);
    // The call record was written into the program folder, the current directory of the call.
    const std::string expected =
        std::string("双色球\n0\n2026096\n") +
        std::to_string(static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&desk.window))) +
        "\nscreen\n0\n";
    QCOMPARE(test::readFile(desk.folder.file("plugin_call.txt")), expected);
    // No hand-over: silence.
    QVERIFY(desk.prompts.informed.isEmpty());
    QVERIFY(!QFile::exists(desk.folder.qfile("dttmp.dtp")));
}

void TestOnline::installedPluginServesFoldersWithoutTheirOwn() {
    test::TempFolder installed;
    const QFileInfo built(QString::fromUtf8(LOTTODESK_FAKE_PLUGIN_PATH));
    QVERIFY(QFile::copy(built.absoluteFilePath(),
                        QString::fromStdString(installed.file("prjdll." + built.suffix().toStdString()))));
    setInstalledPluginFolder(QString::fromStdString(installed.path()));
    {
        Desk desk;
        desk.update();
        QVERIFY(test::readFile(desk.folder.file("plugin_call.txt")).starts_with("双色球\n0\n2026096\n"));
    }
    {
        // The program folder's own plug-in wins, even one that does not load.
        Desk desk;
        test::writeFile(desk.folder.file("database/prjdll.so"), std::string("not a library\0\x7f"
                                                                            "ELF",
                                                                            18));
        desk.update();
        QVERIFY(!QFile::exists(desk.folder.qfile("plugin_call.txt")));
    }
    setInstalledPluginFolder(QString());
}

void TestOnline::lowerBoundRules() {
    auto boundOf = [](Desk& desk) {
        desk.update();
        const std::string call = test::readFile(desk.folder.file("plugin_call.txt"));
        const size_t second = call.find('\n', call.find('\n') + 1);
        return std::stoi(call.substr(second + 1));
    };
    {
        Desk desk;
        QVERIFY(desk.install(LOTTODESK_FAKE_PLUGIN_PATH));
        // A prediction record at the end is not a draw: the bound is the newest real period.
        DrawRecord prediction{};
        prediction[0] = kPredictionPeriod;
        desk.ws.sjk.Append();
        desk.ws.sjk.setRecord(desk.ws.sjk.RecNo(), prediction);
        QCOMPARE(boundOf(desk), 2026096);
    }
    {
        Desk desk;
        QVERIFY(desk.install(LOTTODESK_FAKE_PLUGIN_PATH));
        desk.ws.current().cpmm = "黑龙江时时彩";
        QCOMPARE(boundOf(desk), -1);
        QVERIFY(test::readFile(desk.folder.file("plugin_call.txt")).starts_with("黑龙江时时彩\n"));
    }
    {
        Desk desk;
        QVERIFY(desk.install(LOTTODESK_FAKE_PLUGIN_PATH));
        QVERIFY(clearHistory(desk.ws.sjk).ok);
        QCOMPARE(boundOf(desk), -1);
    }
}

void TestOnline::malformedHandOverNamesTheLine() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_FAKE_PLUGIN_PATH));
    const std::string before = desk.historyBytes();
    const int count = desk.ws.sjk.RecordCount();
    test::writeFile(desk.folder.file("handover.src"),
                    "2026096\r\n01 04 16 22 26 31 04\r\n\r\n"
                    "2026097\r\n01,xx,03\r\n\r\n");
    desk.update();
    QCOMPARE(desk.prompts.informed.size(), 1);
    QVERIFY2(desk.prompts.informed[0].startsWith(text("下载的数据第5行有误")), qPrintable(desk.prompts.informed[0]));
    QCOMPARE(desk.ws.sjk.RecordCount(), count);
    QVERIFY(desk.historyBytes() == before);
    QVERIFY(!QFile::exists(desk.folder.qfile("dttmp.dtp")));

    // LF line ends and no third line after the last group are read as well.
    test::writeFile(desk.folder.file("handover.src"), "2026096\n1 4 16 22 26 31 4\n\n2026097\n3,8,15,19,27,30,9");
    desk.update();
    QCOMPARE(desk.prompts.informed.size(), 1);
    QCOMPARE(desk.ws.sjk.RecordCount(), count + 1);
    expectDraw(desk.saved(), count + 1, 2026097, {3, 8, 15, 19, 27, 30, 9});
}

void TestOnline::handOverOfAnyContentNeverCrashes() {
    Desk desk;
    QVERIFY(desk.install(LOTTODESK_FAKE_PLUGIN_PATH));
    const std::string before = desk.historyBytes();
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise.push_back(static_cast<char>((i * 7919 + 13) % 256));
    std::string tooMany = "2026097\r\n1";
    for (int i = 0; i < 60; ++i) tooMany += " 1";
    const std::vector<std::string> contents{
        "",                                   // nothing downloaded
        "\r\n",                               // an empty line
        noise,                                // binary noise with NUL bytes and broken GBK
        std::string("2026097\0\r\n1 2", 13),  // a NUL in the period
        tooMany,                              // more numbers than a record holds
        "2026097\r\n",                        // a period without numbers
        "99999999999999999999\r\n1 2 3\r\n",  // a period beyond any integer
        utf8ToGbk("２０２６０９７\r\n一 二 三\r\n"),
    };
    for (const std::string& content : contents) {
        test::writeFile(desk.folder.file("handover.src"), content);
        desk.prompts.informed.clear();
        desk.update();
        QCOMPARE(desk.prompts.informed.size(), 1);
        QVERIFY(desk.historyBytes() == before);
        QVERIFY(!QFile::exists(desk.folder.qfile("dttmp.dtp")));
    }
}

QTEST_MAIN(TestOnline)
#include "test_online.moc"
