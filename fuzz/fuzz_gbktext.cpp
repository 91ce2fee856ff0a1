// Any bytes as a text file shown or edited in the program: reading never fails on the content, and
// saving what was read gives the same text when read again.
#include <string>

#include "core/fileio.h"
#include "core/gbktext.h"
#include "memfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static const std::string path = fuzz::workFolder("gbktext") + "text.txt";
    if (!saveFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size))) __builtin_trap();
    const GbkText read = readGbkText(path);
    if (!read.status) __builtin_trap();
    if (read.text.find('\r') != std::string::npos) __builtin_trap();
    if (!saveGbkText(path, read.text)) __builtin_trap();
    if (readGbkText(path).text != read.text) __builtin_trap();
    return 0;
}
