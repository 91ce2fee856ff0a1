#pragma once
// The working folder of a fuzz target that reads and writes files. Every save of the engine goes
// through the atomic-save helper, which flushes the file to the disk; on a memory file system that
// flush costs nothing, so the folder lives in /dev/shm when the machine has it (else in the temp
// folder). One folder per process, made on first use and removed at a normal exit.
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>
#include <filesystem>
#include <string>
#include <system_error>

namespace lottodesk::fuzz {

namespace detail {

inline std::string& madeFolder() {
    static std::string folder;
    return folder;
}

inline void removeMadeFolder() {
    std::error_code ec;
    if (!madeFolder().empty()) std::filesystem::remove_all(madeFolder(), ec);
}

inline std::string memoryBase() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
    const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
    return ec ? "/tmp" : temp.string();
}

}  // namespace detail

// "<memory folder>/lottodesk-<name>-XXXXXX/" with the given subfolders made; ends with '/'. Stops
// the process when no folder can be made: a target without its folder would test nothing.
inline const std::string& workFolder(const char* name, std::initializer_list<const char*> subfolders = {}) {
    static const std::string folder = [&] {
        std::string pattern = detail::memoryBase() + "/lottodesk-" + name + "-XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        detail::madeFolder() = pattern;
        std::atexit(detail::removeMadeFolder);
        for (const char* sub : subfolders) {
            std::error_code ec;
            std::filesystem::create_directories(pattern + "/" + sub, ec);
            if (ec) std::abort();
        }
        return pattern + "/";
    }();
    return folder;
}

}  // namespace lottodesk::fuzz
