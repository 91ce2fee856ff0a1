#include "programfolder.h"

#include <cstdlib>
#include <filesystem>

namespace lottodesk {

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string defaultProgramFolder() {
    if (const char* home = std::getenv("LOTTODESK_HOME"); home && *home)
        return withTrailingSlash(std::filesystem::absolute(home).lexically_normal().string());
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return withTrailingSlash(std::filesystem::current_path().string());
    return withTrailingSlash(exe.parent_path().string());
}

}  // namespace lottodesk
