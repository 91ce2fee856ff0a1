// Any bytes as a result file: either every line reads or nothing does, with the line named, and
// what was read writes back to the same tickets.
#include <string_view>

#include "generator/resultfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int m : {1, 6, 7, 60}) {
        const ResultTextParse parsed = parseResultText(text, m);
        if (!parsed.ok() && !parsed.tickets.empty()) __builtin_trap();
        if (!parsed.ok() || m > 8) continue;
        const ResultTextParse again = parseResultText(encodeResultText(parsed.tickets, m), m);
        if (!again.ok() || again.tickets != parsed.tickets) __builtin_trap();
    }
    return 0;
}
