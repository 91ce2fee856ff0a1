#include "programfolder.h"

#include <cstdlib>
#include <filesystem>

#include "platform.h"

namespace lottodesk {
namespace {

using platform::environment;
using platform::executableFolder;

std::string absoluteFolder(const std::string& path) {
    return withTrailingSlash(platform::pathText(std::filesystem::absolute(platform::fsPath(path)).lexically_normal()));
}

std::string userDataHome() {
#if defined(_WIN32)
    return environment("APPDATA");
#elif defined(__APPLE__)
    const std::string home = environment("HOME");
    return home.empty() ? "" : home + "/Library/Application Support";
#else
    // The XDG rule: a relative XDG_DATA_HOME is ignored.
    const std::string xdg = environment("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/') return xdg;
    const std::string home = environment("HOME");
    return home.empty() ? "" : home + "/.local/share";
#endif
}

}  // namespace

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

FolderEnvironment currentFolderEnvironment() {
    return {environment("LOTTODESK_HOME"), executableFolder(), userDataHome()};
}

ProgramFolderChoice chooseProgramFolder(const FolderEnvironment& env) {
    if (!env.home.empty()) return {absoluteFolder(env.home), FolderRule::Environment};
    std::error_code ec;
    const std::string exe = withTrailingSlash(env.executableFolder);
    if (std::filesystem::is_directory(platform::fsPath(exe + "database"), ec) || env.userDataHome.empty())
        return {exe, FolderRule::Portable};
    return {absoluteFolder(withTrailingSlash(env.userDataHome) + "lottodesk"), FolderRule::PerUser};
}

std::string defaultProgramFolder() { return chooseProgramFolder(currentFolderEnvironment()).folder; }

std::string describeFolderRule(FolderRule rule) {
    switch (rule) {
    case FolderRule::Environment: return "由环境变量 LOTTODESK_HOME 指定";
    case FolderRule::Portable: return "程序所在文件夹（便携使用）";
    case FolderRule::PerUser: return "用户数据文件夹";
    }
    return "";
}

}  // namespace lottodesk
