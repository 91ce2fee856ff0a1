// Any bytes as a text file shown or edited in the program: reading never fails on the content, and
// saving what was read gives the same text when read again.
#include <unistd.h>

#include <cassert>
#include <cstdio>
#include <string>

#include "core/fileio.h"
#include "core/gbktext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static const std::string path = "/tmp/lottodesk-fuzz-" + std::to_string(getpid()) + ".txt";
    saveFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size));
    const GbkText read = readGbkText(path);
    assert(read.status);
    assert(read.text.find('\r') == std::string::npos);
    assert(saveGbkText(path, read.text));
    assert(readGbkText(path).text == read.text);
    std::remove(path.c_str());
    return 0;
}
