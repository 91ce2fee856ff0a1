#include "ui/common/qtsettingsstore.h"

#include <QFileInfo>

namespace lottodesk {
namespace {

QString key(const std::string& name) { return QString::fromStdString(name); }

// The user's settings: on Windows the registry key the program has always used; elsewhere a file
// named for the program, which takes over the values of the file of the older name once.
std::unique_ptr<QSettings> userSettings() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\duvuzizezid"), QSettings::NativeFormat);
#else
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("lottodesk"),
                                                QStringLiteral("lottodesk"));
    if (!QFileInfo::exists(settings->fileName())) {
        const QSettings legacy(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("duvuzizezid"));
        if (QFileInfo::exists(legacy.fileName())) {
            for (const QString& name : legacy.allKeys()) settings->setValue(name, legacy.value(name));
            settings->sync();
        }
    }
    return settings;
#endif
}

}  // namespace

QtSettingsStore::QtSettingsStore() : m_settings(userSettings()) {}

QtSettingsStore::QtSettingsStore(const QString& path)
    : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

std::optional<int> QtSettingsStore::readInt(const std::string& name) {
    const QVariant value = m_settings->value(key(name));
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!value.isValid() || !ok) return std::nullopt;
    return number;
}

void QtSettingsStore::writeInt(const std::string& name, int value) {
    m_settings->setValue(key(name), value);
    m_settings->sync();
}

std::optional<std::string> QtSettingsStore::readString(const std::string& name) {
    const QVariant value = m_settings->value(key(name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::writeString(const std::string& name, const std::string& value) {
    m_settings->setValue(key(name), QString::fromStdString(value));
    m_settings->sync();
}

}  // namespace lottodesk
