// The fix-and-kill files: scheme files, custom kill definitions and formula sets, from any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unistd.h>

#include "core/fileio.h"
#include "prediction/schemefiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/fuzz_schemesXXXXXX";
        std::string made = mkdtemp(pattern);
        lottodesk::makeFolders(made + "/save");
        return made + "/";
    }();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string scheme = lottodesk::schemeFilePath(folder, lottodesk::PageKind::hmsw, 0);
    lottodesk::saveFileAtomically(scheme, bytes);
    const lottodesk::SchemeLoad load = lottodesk::loadSchemeFile(folder, lottodesk::PageKind::hmsw, 0);
    if (load.store.formulas.size() != 300) __builtin_trap();
    lottodesk::saveFileAtomically(folder + "k.scs", bytes);
    const lottodesk::CustomKillLoad kill = lottodesk::loadCustomKillFile(folder + "k.scs");
    if (kill.kill.formulas.size() != 1000) __builtin_trap();
    if (kill.ok) lottodesk::saveCustomKillFile(folder + "k2.scs", kill.kill);
    lottodesk::loadFormulaSet(folder + "k.scs", 10);
    return 0;
}
