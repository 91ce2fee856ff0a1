// The fix-and-kill files: scheme files, custom kill definitions and formula sets, from any bytes.
// Loading never fails on the content, and what was loaded saves and loads again as the same texts
// (bytes that are not GBK are kept, a first line never loses bytes to the byte-order mark rule).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/fileio.h"
#include "memfolder.h"
#include "prediction/schemefiles.h"

namespace {

void require(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string& folder = fuzz::workFolder("schemes", {"save"});
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string scheme = schemeFilePath(folder, PageKind::hmsw, 0);
    require(saveFileAtomically(scheme, bytes).ok);
    const SchemeLoad load = loadSchemeFile(folder, PageKind::hmsw, 0);
    require(load.store.formulas.size() == 300);
    SchemeStore store = load.store;
    require(saveSchemeFile(folder, 0, store).ok);
    require(loadSchemeFile(folder, PageKind::hmsw, 0).store.formulas == load.store.formulas);

    require(saveFileAtomically(folder + "k.scs", bytes).ok);
    const CustomKillLoad kill = loadCustomKillFile(folder + "k.scs");
    require(kill.kill.formulas.size() == 1000);
    if (kill.ok) {
        require(saveCustomKillFile(folder + "k2.scs", kill.kill).ok);
        const CustomKillLoad again = loadCustomKillFile(folder + "k2.scs");
        require(again.ok && again.kill.target == kill.kill.target && again.kill.low == kill.kill.low &&
                again.kill.high == kill.kill.high && again.kill.formulas == kill.kill.formulas);
    }

    const FormulaSetLoad set = loadFormulaSet(folder + "k.scs", 10);
    require(set.ok && set.formulas.size() <= 10);
    require(saveFormulaSet(folder + "set.txt", set.formulas).ok);
    require(loadFormulaSet(folder + "set.txt", 10).formulas == set.formulas);
    return 0;
}
