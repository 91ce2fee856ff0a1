#include "ui/common/qtsettingsstore.h"

namespace lottodesk {
namespace {

QString key(const std::string& name) { return QString::fromStdString(name); }

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(
          std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("duvuzizezid"))) {}

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
