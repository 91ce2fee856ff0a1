#include "usersettings.h"

#include "fileio.h"
#include "integertext.h"
#include "platform.h"
#include "settingsfile.h"

namespace lottodesk {
namespace {

// A settings file holds a few values; anything larger is not one.
constexpr size_t kMaxSettingsBytes = size_t{4} << 20;

}  // namespace

SettingsFiles settingsFilesFor(const std::string& xdgConfigHome, const std::string& home) {
    // The XDG rule: a relative XDG_CONFIG_HOME is ignored.
    const std::string config = !xdgConfigHome.empty() && platform::fsPath(xdgConfigHome).is_absolute() ? xdgConfigHome
                               : home.empty()                                       ? std::string(".config")
                                                                                    : home + "/.config";
    return {config + "/lottodesk/lottodesk.conf", config + "/duvuzizezid.conf"};
}

SettingsFiles currentSettingsFiles() {
    return settingsFilesFor(platform::environment("XDG_CONFIG_HOME"), platform::environment("HOME"));
}

UserSettings UserSettings::ofUser() {
#ifdef _WIN32
    return fromRegistry(kSettingsRegistryKey);
#else
    const SettingsFiles files = currentSettingsFiles();
    return fromFile(files.current, files.legacy);
#endif
}

UserSettings UserSettings::fromFile(const std::string& path, const std::string& legacyPath) {
    const bool current = platform::fileInfo(path).kind != platform::FileKind::missing;
    const std::optional<std::string> text =
        readWholeFile(current || legacyPath.empty() ? path : legacyPath, kMaxSettingsBytes);
    return UserSettings(text ? parseSettingsFile(*text) : std::map<std::string, std::string>{});
}

#ifdef _WIN32
UserSettings UserSettings::fromRegistry(const std::string& key) { return UserSettings(platform::registryValues(key)); }
#endif

std::optional<int> UserSettings::readInt(const std::string& name) {
    const auto it = m_values.find(name);
    if (it == m_values.end()) return std::nullopt;
    return parseInteger(it->second);
}

std::optional<std::string> UserSettings::readString(const std::string& name) {
    const auto it = m_values.find(name);
    if (it == m_values.end()) return std::nullopt;
    return it->second;
}

}  // namespace lottodesk
