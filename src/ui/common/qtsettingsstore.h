#pragma once
// The per-user settings store in the platform's native settings: the registry key
// software\duvuzizezid on Windows; on Linux ~/.config/lottodesk/lottodesk.conf ($XDG_CONFIG_HOME),
// seeded once from the older ~/.config/duvuzizezid.conf. The engine reads the same place without
// Qt (core/usersettings.h).

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
