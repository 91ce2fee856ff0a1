// The field chart template files, from any bytes: a template is either read completely (sizes
// 1..10, every value 0..255) or refused, and a refused file is left as it was.
#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/chartgrid.h"
#include "core/fileio.h"
#include "memfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = lottodesk::fuzz::workFolder("fieldtemplate", {"save"});
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (const auto parsed = lottodesk::parseFieldTemplate(bytes)) {
        if (parsed->columns < 1 || parsed->columns > 10 || parsed->rows < 1 || parsed->rows > 10) __builtin_trap();
        if (parsed->values.size() != static_cast<size_t>(parsed->columns * parsed->rows)) __builtin_trap();
        for (int v : parsed->values)
            if (v < 0 || v > 255) __builtin_trap();
        for (int v : {0, 1, 99, 255, -1}) {
            const int column = lottodesk::templateColumn(*parsed, v);
            if (column < 0 || column >= parsed->columns) __builtin_trap();
        }
    }
    const std::string path = lottodesk::templatePath(folder, 0);
    lottodesk::saveFileAtomically(path, bytes);
    const lottodesk::TemplateLoad load = lottodesk::loadFieldTemplate(folder, 0, "t");
    if (load.chosen.values.size() != static_cast<size_t>(load.chosen.columns * load.chosen.rows)) __builtin_trap();
    return 0;
}
