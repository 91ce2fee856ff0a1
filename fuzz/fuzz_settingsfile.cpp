// Any bytes as the desktop program's settings file: the reader never crashes, and every value it
// gives is one it can read again as a number or a text.
#include <cstdint>
#include <string_view>

#include "core/settingsfile.h"
#include "core/usersettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    UserSettings settings(parseSettingsFile(std::string_view(reinterpret_cast<const char*>(data), size)));
    for (const char* name : {"qs", "coldcs", "hotcs", "f_qs", "f_coldcs", "f_hotcs", "dataserver"}) {
        (void)settings.readInt(name);
        (void)settings.readString(name);
    }
    (void)loadColdHotSettings(settings);
    return 0;
}
