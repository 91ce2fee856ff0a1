// The soak test: the desktop program on a fresh temporary program folder, driven offscreen with
// random input for LOTTODESK_SOAK_SECONDS (default 180). Built with the sanitizers by `make soak`,
// so a crash, a memory error or undefined behaviour ends it with a report and a non-zero status.
//
// Message boxes and file dialogs go through the program's own interfaces and are answered at
// random here (the exit question always with No until the end); modal windows are answered by the
// driver. Each step is logged to LOTTODESK_SOAK_LOG (default soak.log in the current folder) before
// it runs; LOTTODESK_SOAK_SEED repeats a run's choices (the timing of threads may still differ).
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "core/workspace.h"
#include "soakdriver.h"
#include "support/uifixture.h"
#include "ui/shell/f_main.h"

namespace {

using namespace lottodesk;

class RandomPrompts : public Prompts {
public:
    explicit RandomPrompts(uint64_t seed) : m_random(seed) {}
    void inform(QWidget*, const QString& text) override {
        ++informed;
        (void)text;
    }
    bool ask(QWidget*, const QString& caption, const QString&, bool) override {
        ++asked;
        if (caption == QStringLiteral("关闭软件确认")) return allowExit;
        return std::bernoulli_distribution(0.5)(m_random);
    }
    bool allowExit = false;
    int informed = 0, asked = 0;

private:
    std::mt19937_64 m_random;
};

// File dialogs answered with a cancel, a file of the program folder, a damaged file, a file that
// does not exist or a name in a folder that does not exist.
class RandomFiles : public FileChooser {
public:
    RandomFiles(const test::ProgramFolder& folder, uint64_t seed) : m_folder(folder), m_random(seed) {
        std::string garbage;
        for (int i = 0; i < 20000; ++i) garbage += static_cast<char>(m_random() & 0xFF);
        test::writeFile(folder.file("save/soak-garbage.bin"), garbage);
        test::writeFile(folder.file("save/soak-tickets.txt"),
                        "01 02 03 04 05 06 \r\n07 07 08 09 10 11\r\n99 98 97\n\r\n2026001 01 02 03 04 05 06 07\r\n");
    }
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return pick(false); }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return pick(true); }

private:
    QString pick(bool saving) {
        QStringList existing;
        for (const char* sub : {"save", "database"})
            for (const QString& name : QDir(m_folder.qfile(sub)).entryList(QDir::Files))
                existing << m_folder.qfile(sub) + QLatin1Char('/') + name;
        switch (std::uniform_int_distribution<int>(0, 5)(m_random)) {
        case 0: return {};
        case 1: return m_folder.qfile("nosuchfolder/x.txt");
        case 2: return m_folder.qfile("save/soak-garbage.bin");
        case 3:
            return saving ? m_folder.qfile("save/soak-" + std::to_string(m_random() % 5) + ".txt")
                          : m_folder.qfile("save/soak-tickets.txt");
        default:
            if (existing.isEmpty()) return {};
            // Saving over the program's own files too: the history and the type table.
            return existing[static_cast<int>(m_random() % static_cast<uint64_t>(existing.size()))];
        }
    }
    const test::ProgramFolder& m_folder;
    std::mt19937_64 m_random;
};

// Qt's messages, without the offscreen platform's notes on what it cannot do.
void printMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

int envInt(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(printMessage);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = envInt("LOTTODESK_SOAK_SECONDS", 180);
    const char* seedText = std::getenv("LOTTODESK_SOAK_SEED");
    const uint64_t seed = seedText && *seedText ? std::strtoull(seedText, nullptr, 10) : std::random_device{}();
    const char* logName = std::getenv("LOTTODESK_SOAK_LOG");
    std::FILE* log = std::fopen(logName && *logName ? logName : "soak.log", "w");
    if (!log) {
        std::fprintf(stderr, "soak: cannot write the log\n");
        return 1;
    }
    std::printf("soak: %d s, seed %llu\n", seconds, static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    test::ProgramFolder folder(true);
    // The notice fetch at start-up goes nowhere: the discard port of this machine.
    folder.settings.writeString("dataserver", "http://127.0.0.1:9");
    // Files the program writes into the current folder land in the temporary folder.
    QDir::setCurrent(QString::fromStdString(folder.path()));
    Workspace ws(folder.path());
    RandomPrompts prompts(seed + 1);
    test::FakeShell shell;
    RandomFiles files(folder, seed + 2);
    int status = 0;
    {
        Tf_main window(ws, {prompts, shell, folder.settings, files});
        if (!window.started()) {
            std::fprintf(stderr, "soak: the program did not start: %s\n", qPrintable(window.startupError()));
            return 1;
        }
        SoakDriver driver(window, seed, log);
        QObject::connect(&window, &Tf_main::startupFinished, &driver, [&] { driver.start(seconds); });
        QObject::connect(&driver, &SoakDriver::finished, &app, [&] {
            // The exit as the user confirms it: the conditions are written, the snapshots removed.
            prompts.allowExit = true;
            window.close();
            QApplication::quit();
        });
        window.show();
        status = QApplication::exec();
        std::printf("soak: %d steps, %d inputs, %d messages, %d questions, %lld files opened by the shell\n",
                    driver.steps(), driver.inputs(), prompts.informed, prompts.asked,
                    static_cast<long long>(shell.opened.size()));
        QStringList counts;
        for (auto it = driver.commandCounts().begin(); it != driver.commandCounts().end(); ++it)
            counts << it.key() + QLatin1Char('=') + QString::number(it.value());
        counts.sort();
        std::printf("soak: menu commands run: %s\n", qPrintable(counts.join(QStringLiteral(", "))));
        if (const QStringList never = driver.commandsNeverRun(); !never.isEmpty())
            std::printf("soak: enabled commands never run: %s\n", qPrintable(never.join(QStringLiteral(", "))));
    }
    std::fclose(log);
    std::printf("soak: done, no crash\n");
    return status;
}
