// Any text as a draw import file: either every line parses or nothing does, with a message.
#include <cassert>
#include <string_view>

#include "core/drawtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int numbers : {1, 7, 50}) {
        DrawTextParse parsed = parseDrawText(text, numbers);
        assert(parsed.ok() || parsed.records.empty());
        for (const DrawRecord& record : parsed.records)
            for (int i = 1; i <= numbers; ++i) assert(record[i] >= 0 && record[i] <= 255);
    }
    return 0;
}
