// Any bytes as a history file: opening, walking, searching and saving never misbehave.
#include <string>

#include "core/fileio.h"
#include "core/s_dm.h"
#include "memfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    static const std::string path = fuzz::workFolder("history") + "basedata0.rec";
    saveFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size));
    t_s_dm store;
    store.SetFileName(path);
    if (!store.Open()) return 0;
    int64_t sum = 0;
    for (store.First(); !store.Eof(); store.Next()) sum += store.FieldValue(size % kSlots);
    store.SetKey();
    store.SetFieldValue(0, static_cast<int32_t>(sum));
    store.GotoKey();
    store.Post();
    store.Delete(false);
    return 0;
}
