// Any bytes as "cps.typ": loading keeps whole records, never reads past them, and what it keeps
// writes back as 21 records of 162 bytes.
#include <string>

#include "core/cpstyle.h"
#include "core/fileio.h"
#include "memfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static const std::string path = fuzz::workFolder("typefile") + "cps.typ";
    if (!saveFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size))) __builtin_trap();
    TypeTableLoad load = loadTypeTable(path);
    if (encodeTypeTable(load.table).size() != kTypeRecordSize * kTypeCount) __builtin_trap();
    for (tcpstyle& type : load.table.cpstyles) applyZoneLabels(type);
    return 0;
}
