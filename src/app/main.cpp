// lottodesk: the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QLibrary>
#include <QTimer>
#include <cstdio>

#include "core/firstrun.h"
#include "core/programfolder.h"
#include "core/workspace.h"
#include "ui/shell/f_main.h"
#include "ui/common/filechooser.h"
#include "ui/online/onlineupdate.h"
#include "ui/shell/f_runpic.h"
#include "ui/common/prompts.h"
#include "ui/common/qtsettingsstore.h"
#include "ui/common/qttranslations.h"
#include "ui/common/shell.h"

namespace {

using namespace lottodesk;

// The self-test runs without anyone at the screen: messages go to stderr and questions get No.
class StderrPrompts : public Prompts {
public:
    void inform(QWidget*, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool ask(QWidget*, const QString& caption, const QString& text, bool) override {
        std::fprintf(stderr, "%s: %s -> 否\n", qPrintable(caption), qPrintable(text));
        return false;
    }
};

// Start-up that does not finish in this time fails the self-test instead of hanging it.
constexpr int kSelfTestLimitMs = 60'000;

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lottodesk"));
    QApplication::setApplicationVersion(QStringLiteral(LOTTODESK_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/lottodesk/lottodesk-256.png")));
    installQtTranslations(app);  // without the file the standard buttons stay English

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("彩票分析工作站"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption selfTest(
        QStringLiteral("self-test"),
        QStringLiteral("启动程序、完成启动工作后退出（状态 0 表示启动成功），消息写到标准错误输出"));
    parser.addOption(selfTest);
    parser.process(app);
    const bool testing = parser.isSet(selfTest);

    auto* splash = new Tf_runpic;
    if (!testing) splash->showNow();

    MessageBoxPrompts boxes;
    StderrPrompts printed;
    Prompts& prompts = testing ? static_cast<Prompts&>(printed) : boxes;

    // The data folder: a new one starts on the real histories built into the program.
    const std::string folder = defaultProgramFolder();
    // A folder that cannot be seeded (a full disk) is not started on: its defaults would make it
    // look seeded, and the real histories would never arrive.
    if (const Status seeded = seedProgramFolder(folder); !seeded) {
        delete splash;
        prompts.inform(nullptr, QString::fromStdString(seeded.message));
        return 1;
    }
    // The plug-in installed with the program, for data folders without their own.
    setInstalledPluginFolder(
        QDir::cleanPath(QDir(QApplication::applicationDirPath()).filePath(QStringLiteral(LOTTODESK_PLUGIN_DIR))));

    Workspace ws(folder);
    QtSettingsStore settings;
    DesktopShell shell;
    DialogFileChooser files(&settings);
    Tf_main mainWindow(ws, {prompts, shell, settings, files});
    // The self-test starts and ends at once: it asks no result service.
    mainWindow.setCheckForNewDraws(!testing);
    delete splash;
    if (!mainWindow.started()) {
        prompts.inform(nullptr, mainWindow.startupError());
        return 1;
    }
    if (testing) {
        QObject::connect(&mainWindow, &Tf_main::startupFinished, &app, [&] {
            std::printf("lottodesk %s: 启动完成，数据文件夹 %s，%s 共%d期\n", LOTTODESK_VERSION, folder.c_str(),
                        ws.current().cpmm.c_str(), ws.sjk.RecordCount());
            const QString plugin = pluginPath(QString::fromStdString(folder));
            QLibrary library(plugin);
            std::printf("下载插件：%s（%s）\n", plugin.isEmpty() ? "无" : qPrintable(plugin),
                        !plugin.isEmpty() && library.load() ? "可加载" : "不可用");
            std::fflush(stdout);
            QApplication::exit(0);
        });
        QTimer::singleShot(kSelfTestLimitMs, &app, [] {
            std::fprintf(stderr, "启动未在 %d 秒内完成\n", kSelfTestLimitMs / 1000);
            QApplication::exit(1);
        });
    }
    mainWindow.show();
    return QApplication::exec();
}
