// Any bytes as the online notice: the sections and the download list come out as text, never more.
#include <string_view>

#include "core/notice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const Notice notice = parseNotice(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& entry : downloadEntries(notice.downloads))
        if (entry.empty()) __builtin_trap();
    return 0;
}
