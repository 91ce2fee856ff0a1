// Any text as the download hand-over "dttmp.dtp": applied to a small history, it either lands
// whole or leaves the history as it was.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/drawupdate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static const std::string path = "/tmp/lottodesk-fuzz-handover-" + std::to_string(getpid()) + ".rec";
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(data[i]);
    }
    t_s_dm store;
    store.SetFileName(path);
    std::remove(path.c_str());
    store.Open();  // the default record 2008001
    const Status status = applyDownload(store, size % 2 ? -1 : 2008001, lines, [size] { return size % 3 == 0; });
    if (!status && (store.RecordCount() != 1 || store.FieldValueAt(1, 0) != 2008001)) __builtin_trap();
    std::remove(path.c_str());
    return 0;
}
