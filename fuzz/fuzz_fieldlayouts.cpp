// The field chart layout files, from any bytes: every row count loads a complete set of layouts
// and the row rule answers for any value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/fieldlayouts.h"
#include "core/fileio.h"
#include "memfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = lottodesk::fuzz::workFolder("fieldlayouts", {"database"});
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const int rows = size ? 2 + data[0] % 9 : 4;
    lottodesk::saveFileAtomically(lottodesk::fieldLayoutPath(folder, rows), bytes);
    const lottodesk::FieldLayoutLoad load = lottodesk::loadFieldLayouts(folder, rows);
    if (load.layouts.layouts.size() != lottodesk::kFieldLayoutCount) __builtin_trap();
    for (const auto& layout : load.layouts.layouts) {
        if (layout.size() != static_cast<size_t>(load.layouts.rows)) __builtin_trap();
        for (int32_t v : {0, 1, 7, 12, -3, INT32_MIN, INT32_MAX}) {
            const int row = lottodesk::fieldRowOf(layout, v);
            if (row < -1 || row >= static_cast<int>(layout.size())) __builtin_trap();
        }
    }
    if (load.status) lottodesk::saveFieldLayouts(folder, load.layouts);
    return 0;
}
