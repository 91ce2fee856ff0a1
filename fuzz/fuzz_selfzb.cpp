// Any bytes as "save/selfzb.txt": loading never fails, and a save of what was loaded reads back
// as the same lines (bytes that are not GBK are kept, never turned into '?').
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/fileio.h"
#include "formula/selfzb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static const std::string folder = "/tmp/lottodesk-fuzz-selfzb-" + std::to_string(getpid()) + "/";
    static const bool made = makeFolders(folder + "save");
    if (!made) return 0;
    saveFileAtomically(selfzbPath(folder), std::string_view(reinterpret_cast<const char*>(data), size));
    const SelfzbLoad load = loadSelfzbFile(folder);
    if (!saveSelfzbLines(folder, load.lines)) return 0;
    if (loadSelfzbFile(folder).lines != load.lines) __builtin_trap();
    return 0;
}
