// Any bytes as "cps.typ": loading keeps whole records, never reads past them, and what it keeps
// writes back as 21 records of 162 bytes.
#include <unistd.h>

#include <cassert>
#include <cstdio>
#include <string>

#include "core/cpstyle.h"
#include "core/fileio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static const std::string path = "/tmp/lottodesk-fuzz-" + std::to_string(getpid()) + ".typ";
    saveFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size));
    TypeTableLoad load = loadTypeTable(path);
    assert(encodeTypeTable(load.table).size() == kTypeRecordSize * kTypeCount);
    for (tcpstyle& type : load.table.cpstyles) applyZoneLabels(type);
    std::remove(path.c_str());
    return 0;
}
