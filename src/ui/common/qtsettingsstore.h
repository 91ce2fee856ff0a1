#pragma once
// The per-user settings store in the platform's native settings under the key "duvuzizezid"
// (the registry key software\duvuzizezid on Windows, ~/.config/duvuzizezid.conf on Linux).

#include <QSettings>
#include <memory>

#include "core/settings.h"

namespace lottodesk {

class QtSettingsStore : public SettingsStore {
public:
    // The user's native settings.
    QtSettingsStore();
    // An INI file at `path` (tests keep their settings in a temporary folder).
    explicit QtSettingsStore(const QString& path);

    std::optional<int> readInt(const std::string& name) override;
    void writeInt(const std::string& name, int value) override;
    std::optional<std::string> readString(const std::string& name) override;
    void writeString(const std::string& name, const std::string& value) override;

    QSettings& settings() { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace lottodesk
