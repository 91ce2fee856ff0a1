#include "ui/online/onlineupdate.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLibrary>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "core/drawupdate.h"
#include "core/gbk.h"
#include "core/prizetables.h"
#include "core/workspace.h"
#include "plugin/prjdll.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

// A hand-over larger than this is not a download of draws; it is refused like a broken one.
constexpr qint64 kMaxHandOverBytes = 64 * 1024 * 1024;

// Restores the current directory on every way out.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& path) : m_previous(QDir::currentPath()) { QDir::setCurrent(path); }
    ~CurrentDirectory() { QDir::setCurrent(m_previous); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    QString m_previous;
};

QString& installedPluginFolder() {
    static QString folder;
    return folder;
}

// The prize tables the plug-in handed over beside the draws (UTF-8 lines); the file is removed.
std::vector<PrizeTable> takePrizeHandOver(const QString& path) {
    std::vector<PrizeTable> tables;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxHandOverBytes) {
        const QByteArray bytes = file.readAll();
        forEachLine(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), [&](std::string_view line) {
            PrizeTable table;
            if (readPrizeTableLine(line, table)) tables.push_back(std::move(table));
            return true;
        });
    }
    file.close();
    file.remove();
    return tables;
}

// The tables of the draws the history holds as downloaded (not of those it kept otherwise).
void keepPrizeTables(const Workspace& ws, const std::vector<PrizeTable>& prizes, const DownloadOutcome& outcome) {
    std::vector<PrizeTable> kept;
    for (const PrizeTable& table : prizes)
        if (ws.sjk.indexOfPeriod(table.period) > 0 &&
            std::find(outcome.conflicting.begin(), outcome.conflicting.end(), table.period) == outcome.conflicting.end())
            kept.push_back(table);
    if (!kept.empty()) (void)savePrizeTables(prizeTablePath(ws.folder, ws.curcp), kept);
}

}  // namespace

void setInstalledPluginFolder(const QString& folder) { installedPluginFolder() = folder; }

// The program folder's "database/prjdll" when there is a library file of that name (loadable or
// not: the user's plug-in is never passed over), else the installed one.
QString pluginPath(const QString& programFolder) {
    const QDir database(programFolder + QStringLiteral("database"));
    for (const QString& name : database.entryList({QStringLiteral("prjdll.*")}, QDir::Files))
        if (QLibrary::isLibrary(name)) return database.filePath(QStringLiteral("prjdll"));
    if (installedPluginFolder().isEmpty()) return {};
    return QDir(installedPluginFolder()).filePath(QStringLiteral("prjdll"));
}

void runOnlineUpdate(Workspace& ws, Prompts& prompts, QWidget* parent, const std::string& preferredSource) {
    const QString folder = QString::fromStdString(ws.folder);
    // No unload: the plug-in may leave Qt objects behind (meta types, network threads) that must
    // outlive the call; the library stays loaded for the rest of the run.
    const QString path = pluginPath(folder);
    if (path.isEmpty()) return;
    QLibrary library(path);
    if (!library.load()) return;
    const auto createForm = reinterpret_cast<CreateDLLFormFunction>(library.resolve(LOTTODESK_CREATE_FORM_SYMBOL));
    if (!createForm) return;

    const QString handOverPath = folder + QStringLiteral(LOTTODESK_HANDOVER_FILE);
    const QString prizePath = folder + QStringLiteral(LOTTODESK_PRIZE_HANDOVER_FILE);
    const int32_t bound = downloadLowerBound(ws.sjk, ws.current().cpmm);
    {
        CurrentDirectory inProgramFolder(folder);
        QFile::remove(handOverPath);
        QFile::remove(prizePath);
        QWidget* window = parent ? parent->window() : nullptr;
        QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
        const std::string typeName = ws.current().cpmm;
        if (!preferredSource.empty()) qputenv("LOTTODESK_PLUGIN_DEFAULT_SOURCE", QByteArray::fromStdString(preferredSource));
        createForm(window, screen, typeName.c_str(), 0, bound);
        qunsetenv("LOTTODESK_PLUGIN_DEFAULT_SOURCE");
    }

    const std::vector<PrizeTable> prizes = takePrizeHandOver(prizePath);
    QFile file(handOverPath);
    if (!file.exists()) return;
    QByteArray bytes;
    const bool read = file.open(QIODevice::ReadOnly) && file.size() <= kMaxHandOverBytes;
    if (read) bytes = file.readAll();
    file.close();
    file.remove();
    if (!read) {
        prompts.inform(parent, QString::fromUtf8(kDownloadFailedMessage));
        return;
    }

    const std::vector<std::string> lines =
        splitHandOverText(gbkToUtf8(std::string_view(bytes.constData(), bytes.size())));
    const DownloadOutcome outcome = applyDownload(ws.sjk, bound, lines, [&] {
        return prompts.ask(parent, QStringLiteral("选择"), QString::fromUtf8(kContinuityQuestion), false);
    });
    if (!outcome.status) {
        prompts.inform(parent, QString::fromStdString(outcome.status.message));
        return;
    }
    keepPrizeTables(ws, prizes, outcome);
    if (!outcome.conflicting.empty() || outcome.placeholderReplaced)
        // Draws the download left alone, or the new type's first record it replaced, are said.
        prompts.inform(parent, QString::fromStdString(outcome.summary));
}

}  // namespace lottodesk
