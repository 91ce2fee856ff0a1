// screenshots: opens the main windows on a freshly seeded data folder and writes a PNG of each into
// the folder given on the command line: the main window, the update window, the generator after a
// run, the statistics area and the fix-and-kill page. The main window fills the screen's work area,
// as a maximised window does. `make screenshots` runs it under Xvfb on a 1366x768 and on a 1024x768
// screen; with QT_SCALE_FACTOR=2 it shows how the windows look at 200 %.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QComboBox>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "core/firstrun.h"
#include "core/workspace.h"
#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"
#include "ui/common/qtsettingsstore.h"
#include "ui/common/shell.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/fxd_indicatortrend.h"
#include <QLineEdit>

#include "ui/generator/f_checkreward.h"
#include "ui/generator/f_zh.h"
#include "ui/generator/zh_results.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/generator/zh_bonuspage.h"
#include "ui/generator/zh_twozonepage.h"
#include "ui/online/f_informdownload.h"
#include "ui/prediction/f_tdsh.h"
#include "ui/shell/f_main.h"
#include "ui/update/f_gxsjq.h"

namespace {

using namespace lottodesk;

// Nobody answers: messages are printed, questions get No, nothing is launched or chosen.
class QuietPrompts : public Prompts {
public:
    void inform(QWidget*, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool ask(QWidget*, const QString&, const QString&, bool) override { return false; }
};

class NoShell : public Shell {
public:
    bool openCalculator() override { return true; }
    void openTextEditor(const QString&) override {}
    void openDocument(const QString&) override {}
};

class NoFiles : public FileChooser {
public:
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// Lets the event loop run until `done` holds or `limitMs` passed.
template <class Done>
bool waitFor(Done done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

void settle() {
    waitFor([] { return false; }, 300);
}

// Windows rarely use more than 256 colours: such a picture is stored with a palette, exactly and
// at less than half the size.
QImage compact(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (colours.insert(line[x]); colours.size() > 256) return image;
    }
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

bool save(QWidget& window, const QDir& folder, const QString& name) {
    settle();
    const QString path = folder.filePath(name);
    if (compact(window.grab().toImage()).save(path, "PNG", 9)) {
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lottodesk"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) return 1;

    QTemporaryDir home;
    const std::string folder = home.path().toStdString() + "/data/";
    if (const Status seeded = seedProgramFolder(folder); !seeded) {
        std::fprintf(stderr, "%s\n", seeded.message.c_str());
        return 1;
    }
    Workspace ws(folder);
    QtSettingsStore settings(home.filePath(QStringLiteral("settings.ini")));
    QuietPrompts prompts;
    NoShell shell;
    NoFiles files;
    Tf_main window(ws, {prompts, shell, settings, files});
    window.setCheckForNewDraws(false);  // the pictures show no status from the network
    if (!window.started()) return 1;
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    if (!waitFor([&] { return window.startupDone(); }, 60'000)) return 1;
    window.noticeWindow()->hide();

    bool written = save(window, out, QStringLiteral("main.png"));

    Tf_gxsjq* update = window.updateWindow();
    update->show();
    written = save(*update, out, QStringLiteral("update.png")) && written;
    update->hide();

    window.openPage(Tf_main::Page::zh);
    auto* generator = window.pageWindow<Tf_zh>(Tf_main::Page::zh);
    generator->startRun();
    if (!waitFor([&] { return !generator->isRunning(); }, 300'000)) return 1;
    written = save(window, out, QStringLiteral("generator.png")) && written;
    // The week's check: the list against the newest draw, with its hits and money.
    generator->results()->setPeriodChooser(
        [](const std::vector<int32_t>& offered) -> std::optional<int32_t> { return offered.back(); });
    generator->results()->checkPrize();
    written = save(window, out, QStringLiteral("generator-prize.png")) && written;
    generator->specialPage()->run();
    generator->pages()->setCurrentWidget(generator->specialPage());
    written = save(window, out, QStringLiteral("generator-blue.png")) && written;
    generator->twoZonePage()->pickRandom();
    generator->twoZonePage()->setDialogRunner([&ws](QDialog& dialog) {
        auto* check = qobject_cast<Tf_checkreward*>(&dialog);
        if (!check) return int(QDialog::Rejected);
        const QString newest = QString::number(ws.sjk.realPeriods().back());
        check->periodBox()->setText(newest);
        Q_EMIT check->periodBox()->textEdited(newest);
        return int(QDialog::Accepted);
    });
    generator->twoZonePage()->checkReward();
    generator->pages()->setCurrentWidget(generator->twoZonePage());
    written = save(window, out, QStringLiteral("generator-twozone.png")) && written;
    generator->pages()->setCurrentIndex(0);

    window.openPage(Tf_main::Page::tjq);
    written = save(window, out, QStringLiteral("statistics.png")) && written;
    window.openPage(Tf_main::Page::tdsh);
    written = save(window, out, QStringLiteral("fixandkill.png")) && written;
    // The kill page after "开始分析" over the last 100 draws of the first use's scheme.
    auto* fixAndKill = window.pageWindow<Tf_tdsh>(Tf_main::Page::tdsh);
    if (TdshPage* kill = fixAndKill->page(PageKind::hmsh)) {
        kill->periodList()->setCurrentIndex(std::max(0, kill->periodList()->count() - 100));
        kill->runBacktest();
        written = save(window, out, QStringLiteral("fixandkill-run.png")) && written;
    }

    window.openPage(Tf_main::Page::fxd);
    auto* trend = window.pageWindow<Tf_fxd>(Tf_main::Page::fxd);
    if (auto* indicator = qobject_cast<IndicatorTrendPage*>(trend->page(IndicatorTrendPage::caption())))
        indicator->showIndicator("z_hz", "主区和值");
    const struct {
        const char* caption;
        const char* file;
    } trendPages[] = {{"行列式", "trend-patterns.png"},       {"指标走势", "trend-indicator.png"},
                      {"形态走势", "trend-shapes.png"},       {"间隔分析", "trend-spacing.png"},
                      {"红号遗漏图表", "trend-omission.png"}, {"红号分布图", "trend-distribution.png"}};
    for (const auto& page : trendPages) {
        trend->showPage(QString::fromUtf8(page.caption));
        written = save(window, out, QString::fromUtf8(page.file)) && written;
    }

    window.openPage(Tf_main::Page::moredb);
    auto* more = window.pageWindow<Tf_moredb>(Tf_main::Page::moredb);
    for (const char* caption : {"相生相克", "特性分布", "田野走势图"}) {
        more->showPage(QString::fromUtf8(caption));
        written = save(window, out, QStringLiteral("more-%1.png").arg(more->tabs()->currentIndex())) && written;
    }
    // The indicator analysis of the main sum: the K-line and the omission columns.
    window.openPage(Tf_main::Page::zbpxz);
    auto* analysis = window.pageWindow<Tf_zbpxz>(Tf_main::Page::zbpxz);
    if (!analysis->analyse("z_hz", std::nullopt, "主区和值").ok) return 1;
    if (auto* views = analysis->findChild<QTabWidget*>()) {
        const struct {
            const char* caption;
            const char* file;
        } shots[] = {{"信号图", "indicator-signal.png"},
                     {"特性图表", "indicator-traits.png"},
                     {"田野走势图", "indicator-field.png"},
                     {"遗漏次数统计图", "indicator-omission.png"},
                     {"按期数分段走势", "indicator-segments.png"}};
        for (const auto& view : shots) {
            for (int i = 0; i < views->count(); ++i)
                if (views->tabText(i) == QString::fromUtf8(view.caption)) views->setCurrentIndex(i);
            written = save(window, out, QString::fromUtf8(view.file)) && written;
        }
    }
    return written ? 0 : 1;
}
