#include "ui/common/filechooser.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "core/settings.h"
#include "core/workspace.h"

namespace lottodesk {
namespace {

// One settings name per kind of file: "lastfolder_" and a short digest of its filter.
std::string folderSetting(const QString& filter) {
    const QByteArray digest = QCryptographicHash::hash(filter.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return "lastfolder_" + digest.toStdString();
}

}  // namespace

QString saveFolder(const Workspace& ws) { return QString::fromStdString(ws.path("save")); }

QString DialogFileChooser::startFolder(const QString& filter, const QString& folder) const {
    if (m_settings) {
        if (const std::optional<std::string> last = m_settings->readString(folderSetting(filter))) {
            const QString path = QString::fromStdString(*last);
            if (!path.isEmpty() && QDir(path).exists()) return path;
        }
    }
    return folder;
}

void DialogFileChooser::remember(const QString& filter, const QString& chosenFile) {
    if (m_settings && !chosenFile.isEmpty())
        m_settings->writeString(folderSetting(filter), QFileInfo(chosenFile).absolutePath().toStdString());
}

QString DialogFileChooser::openFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    const QString chosen = QFileDialog::getOpenFileName(parent, title, startFolder(filter, folder), filter);
    remember(filter, chosen);
    return chosen;
}

QString DialogFileChooser::saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    const QString chosen = QFileDialog::getSaveFileName(parent, title, startFolder(filter, folder), filter);
    remember(filter, chosen);
    return chosen;
}

}  // namespace lottodesk
