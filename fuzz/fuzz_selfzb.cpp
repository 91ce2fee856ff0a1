// Any bytes as "save/selfzb.txt": loading never fails, and a save of what was loaded reads back
// as the same lines (bytes that are not GBK are kept, never turned into '?'; a first line whose
// GBK bytes begin like a byte-order mark keeps them).
#include <string>

#include "core/fileio.h"
#include "formula/selfzb.h"
#include "memfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string& folder = fuzz::workFolder("selfzb", {"save"});
    if (!saveFileAtomically(selfzbPath(folder), std::string_view(reinterpret_cast<const char*>(data), size)))
        __builtin_trap();
    const SelfzbLoad load = loadSelfzbFile(folder);
    if (!saveSelfzbLines(folder, load.lines)) __builtin_trap();
    if (loadSelfzbFile(folder).lines != load.lines) __builtin_trap();
    return 0;
}
