// A stand-in download plug-in for the program's side of the online update: it records how it was
// called in "plugin_call.txt" in the current directory and hands over the bytes of
// "handover.src" (when that file exists there) as "dttmp.dtp". Plain C++, no Qt.
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "plugin/prjdll.h"

extern "C" LOTTODESK_PLUGIN_EXPORT void CreateDLLForm(void* mainWindow, void* screen, const char* typeName,
                                                      int reserved, int lowerBound) {
    std::error_code error;
    {
        std::ofstream call("plugin_call.txt", std::ios::binary);
        call << (typeName ? typeName : "(null)") << '\n'
             << reserved << '\n'
             << lowerBound << '\n'
             << static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(mainWindow)) << '\n'
             << (screen ? "screen" : "no screen") << '\n'
             << std::filesystem::exists(LOTTODESK_HANDOVER_FILE, error) << '\n';
    }
    if (std::filesystem::exists("handover.src", error))
        std::filesystem::copy_file("handover.src", LOTTODESK_HANDOVER_FILE,
                                   std::filesystem::copy_options::overwrite_existing, error);
}
