// The row/column pattern files (.jz) and the identifiers that carry an arrangement, from any
// bytes: a file that reads has a size of 1..33 a side and writes back to the same arrangement;
// any suffix either resolves to cells or is a conversion error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/arrangement.h"
#include "indicators/registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ArrangementRead read = parseArrangement(bytes);
    if (read.status) {
        const Arrangement& a = read.arrangement;
        if (a.columns < 1 || a.columns > 33 || a.rows < 1 || a.rows > 33) __builtin_trap();
        // The name is one line; what is written reads back as the same arrangement within its cells.
        if (a.name.find_first_of("\r\n") == std::string::npos) {
            const ArrangementRead again = parseArrangement(arrangementText(a));
            if (!again.status || again.arrangement.columns != a.columns || again.arrangement.rows != a.rows)
                __builtin_trap();
            for (int p = 0; p < a.used(); ++p)
                if (again.arrangement.cells[static_cast<size_t>(p)] != a.cells[static_cast<size_t>(p)] % 100)
                    __builtin_trap();
        }
    }
    const ResolvedIdentifier resolved = resolveIdentifier("c_hnskhkn_0_6_6_a" + bytes.substr(0, 256));
    // Another family's prefix inside the text wins (prefixes are found anywhere); ours always
    // gives cells or a conversion error.
    if (resolved.family() == ExtendedFamily::Hnskhkn && !resolved.conversionError && !resolved.arrangement)
        __builtin_trap();
    return 0;
}
