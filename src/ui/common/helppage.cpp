#include "ui/common/helppage.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace lottodesk {

QString helpPagePath(const QString& programFolder, const QString& cacheFolder) {
    const QString own = QDir(programFolder).filePath(QStringLiteral("help.htm"));
    if (QFile::exists(own)) return own;
    QFile builtIn(QStringLiteral(":/lottodesk/help.htm"));
    if (cacheFolder.isEmpty() || !builtIn.open(QIODevice::ReadOnly)) return own;
    const QByteArray page = builtIn.readAll();
    const QString cached = QDir(cacheFolder).filePath(QStringLiteral("help.htm"));
    QFile current(cached);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == page) return cached;
    current.close();
    QSaveFile file(cached);
    if (!QDir().mkpath(cacheFolder) || !file.open(QIODevice::WriteOnly) || file.write(page) != page.size() ||
        !file.commit())
        return own;
    return cached;
}

QString defaultHelpCacheFolder() { return QStandardPaths::writableLocation(QStandardPaths::CacheLocation); }

}  // namespace lottodesk
