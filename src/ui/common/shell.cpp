#include "ui/common/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace lottodesk {
namespace {

// The first of the programs that is installed, started detached.
bool startFirstOf(const QStringList& programs, const QStringList& arguments) {
    for (const QString& program : programs) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty() && QProcess::startDetached(found, arguments)) return true;
    }
    return false;
}

}  // namespace

bool DesktopShell::openCalculator() {
#ifdef Q_OS_WIN
    if (QProcess::startDetached(QStringLiteral("calc.exe"), {})) return true;
#endif
    return startFirstOf({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                  QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")},
                 {});
}

void DesktopShell::openTextEditor(const QString& path) {
    const QStringList arguments = path.isEmpty() ? QStringList() : QStringList{path};
    startFirstOf({QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
                  QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("pluma"), QStringLiteral("xed"),
                  QStringLiteral("featherpad"), QStringLiteral("leafpad")},
                 arguments);
}

void DesktopShell::openDocument(const QString& pathOrUrl) {
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(pathOrUrl) : QUrl::fromUserInput(pathOrUrl);
    QDesktopServices::openUrl(url);
}

}  // namespace lottodesk
