#pragma once
// The user's settings as the desktop program keeps them, read without Qt, so the command line
// classes numbers cold, warm and hot as the desktop does: on Windows the registry key
// HKEY_CURRENT_USER\Software\duvuzizezid; elsewhere the settings file
// $XDG_CONFIG_HOME/lottodesk/lottodesk.conf (~/.config when XDG_CONFIG_HOME is unset or not an
// absolute path), or, while that file does not exist yet, the older ~/.config/duvuzizezid.conf.

#include <map>
#include <optional>
#include <string>

#include "settings.h"

namespace lottodesk {

inline constexpr const char* kSettingsRegistryKey = "Software\\duvuzizezid";

// Where the desktop program's settings file is on Linux, for a given environment.
struct SettingsFiles {
    std::string current;  // <config>/lottodesk/lottodesk.conf
    std::string legacy;   // <config>/duvuzizezid.conf, read while `current` does not exist
};
SettingsFiles settingsFilesFor(const std::string& xdgConfigHome, const std::string& home);
SettingsFiles currentSettingsFiles();

// The values, read once at construction; later writes stay in this object, so a reader never
// changes the user's settings (the desktop program is their one writer).
class UserSettings : public SettingsStore {
public:
    explicit UserSettings(std::map<std::string, std::string> values) : m_values(std::move(values)) {}

    // The user's settings of this system (see above); no values when there are none.
    static UserSettings ofUser();
    // The settings file at `path`, or the values of `legacyPath` when there is none at `path`.
    static UserSettings fromFile(const std::string& path, const std::string& legacyPath = {});
#ifdef _WIN32
    // The values of the registry key under HKEY_CURRENT_USER.
    static UserSettings fromRegistry(const std::string& key);
#endif

    std::optional<int> readInt(const std::string& name) override;
    void writeInt(const std::string& name, int value) override { m_values[name] = std::to_string(value); }
    std::optional<std::string> readString(const std::string& name) override;
    void writeString(const std::string& name, const std::string& value) override { m_values[name] = value; }

private:
    std::map<std::string, std::string> m_values;
};

}  // namespace lottodesk
