#pragma once
// The program folder: every runtime file (type table, histories, the user's schemes) lives below it.
// Which folder that is:
//   1. LOTTODESK_HOME, when set and not empty;
//   2. the executable's folder, when it already holds "database/" (a portable copy, carried on a
//      stick or unpacked anywhere, keeps its data beside the program);
//   3. the per-user data folder + "lottodesk/" (Linux: $XDG_DATA_HOME, default ~/.local/share).

#include <string>

namespace lottodesk {

enum class FolderRule { Environment, Portable, PerUser };

struct ProgramFolderChoice {
    std::string folder;  // always ends with '/'
    FolderRule rule;
};

// What the choice depends on, read from the process by currentFolderEnvironment().
struct FolderEnvironment {
    std::string home;              // LOTTODESK_HOME
    std::string executableFolder;  // the folder of the running executable
    std::string userDataHome;      // the platform's per-user data folder; empty when unknown
};

FolderEnvironment currentFolderEnvironment();
ProgramFolderChoice chooseProgramFolder(const FolderEnvironment& env);

// chooseProgramFolder(currentFolderEnvironment()).folder
std::string defaultProgramFolder();

// The rule in words, for the about box: "由 LOTTODESK_HOME 指定" ...
std::string describeFolderRule(FolderRule rule);

// `path` with a trailing '/' added when missing.
std::string withTrailingSlash(std::string path);

}  // namespace lottodesk
