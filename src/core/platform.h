#pragma once
// What differs between the systems the engine runs on, behind one small interface: files by
// UTF-8 path (UTF-16 at the Windows API), the steps of an atomic save, the lock of a folder's
// writers, processes, the console and the environment (the desktop program loads the download
// plug-in with QLibrary, which finds "database/prjdll.dll" on Windows). Everything else
// in the engine is standard C++. POSIX in platform_posix.cpp, Windows in platform_windows.cpp.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lottodesk::platform {

// A path held as UTF-8 text, as std::filesystem wants it (never through the ANSI code page).
inline std::filesystem::path fsPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
// A std::filesystem path as UTF-8 text with "/" between its parts.
std::string pathText(const std::filesystem::path& path);

// std::fopen for a UTF-8 path.
std::FILE* openFile(const std::string& path, const char* mode);
// Removes a file (not a folder); false when it could not.
bool removeFile(const std::string& path);

enum class FileKind { missing, regular, folder, link, other };
struct FileInfo {
    FileKind kind = FileKind::missing;
    uint64_t size = 0;
    int64_t mtimeNs = 0;
    unsigned mode = 0;  // the permission bits (POSIX)
    unsigned owner = 0, group = 0;
};
// What is at `path`: `followLinks` false describes a symbolic link itself.
FileInfo fileInfo(const std::string& path, bool followLinks = true);

// The descriptor of a new file created for writing only ("open(O_WRONLY|O_CREAT|O_EXCL)"), not
// inherited by child processes; -1 with errno set when it cannot be created (also when it exists).
int createNewFile(const char* path);
// Gives the file of descriptor `fd` the permissions and, where allowed, the owner of `previous`.
void copyPermissions(int fd, const FileInfo& previous);
// Makes what was written to `file` durable (fsync, FlushFileBuffers); false with errno on failure.
bool flushToDisk(std::FILE* file);
// Replaces `to` with `from` in one step that either happens or not (rename(2); MoveFileExW with
// replace and write-through). 0 on success, -1 with errno.
int replaceFile(const char* from, const char* to);

// An exclusive lock of the file at `path` (created when missing), waited for; -1 when the file
// cannot be opened. unlockFile releases it and closes the file.
intptr_t lockFile(const std::string& path);
void unlockFile(intptr_t lock);

long processId();
// Whether the process `pid` may still be running (true when that cannot be known).
bool processRunning(long pid);

// An environment variable as UTF-8, "" when unset.
std::string environment(const char* name);
// The folder of the running program's executable, with "/" between its parts.
std::string executableFolder();

// The command line as UTF-8 (on Windows from the system's UTF-16 command line, whatever the
// console's code page), without the program's name; and console output in UTF-8.
std::vector<std::string> utf8Arguments(int argc, char** argv);
void useUtf8Console();

#ifdef _WIN32
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// The values of a registry key under HKEY_CURRENT_USER as text (a number in decimal), as the
// settings library writes them: REG_DWORD, REG_QWORD, REG_SZ; other types are left out.
std::map<std::string, std::string> registryValues(const std::string& key);
#endif

}  // namespace lottodesk::platform
