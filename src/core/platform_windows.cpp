#include "platform.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <cwchar>

namespace lottodesk::platform {
namespace {

// errno for the last failed call of the Windows API, so that one message table serves both systems.
int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EBUSY;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return EEXIST;
    default: return EIO;
    }
}

// 100-nanosecond ticks since 1601 to nanoseconds since 1970.
int64_t unixNanoseconds(FILETIME time) {
    const int64_t ticks = static_cast<int64_t>(static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
    return (ticks - 116444736000000000LL) * 100;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

std::FILE* openFile(const std::string& path, const char* mode) {
    return ::_wfopen(widen(path).c_str(), widen(mode).c_str());
}

bool removeFile(const std::string& path) { return DeleteFileW(widen(path).c_str()) != 0; }

FileInfo fileInfo(const std::string& path, bool followLinks) {
    FileInfo info;
    WIN32_FILE_ATTRIBUTE_DATA data;
    const std::wstring wide = widen(path);
    if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) return info;
    const bool link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (link && !followLinks) {
        info.kind = FileKind::link;
        return info;
    }
    if (link) {
        // The target's attributes: open it through the link.
        HANDLE file = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE) return info;
        BY_HANDLE_FILE_INFORMATION target;
        const bool ok = GetFileInformationByHandle(file, &target);
        CloseHandle(file);
        if (!ok) return info;
        data.dwFileAttributes = target.dwFileAttributes;
        data.nFileSizeHigh = target.nFileSizeHigh;
        data.nFileSizeLow = target.nFileSizeLow;
        data.ftLastWriteTime = target.ftLastWriteTime;
    }
    info.kind = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::folder
                : (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)  ? FileKind::other
                                                                    : FileKind::regular;
    info.size = static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    info.mtimeNs = unixNanoseconds(data.ftLastWriteTime);
    info.mode = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    return info;
}

int createNewFile(const char* path) {
    return ::_wopen(widen(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

void copyPermissions(int, const FileInfo&) {}  // a new file inherits the folder's access rules

bool flushToDisk(std::FILE* file) {
    const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE || !FlushFileBuffers(handle)) {
        errno = errnoOf(GetLastError());
        return false;
    }
    return true;
}

int replaceFile(const char* from, const char* to) {
    if (MoveFileExW(widen(from).c_str(), widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    errno = errnoOf(GetLastError());
    return -1;
}

intptr_t lockFile(const std::string& path) {
    HANDLE file = CreateFileW(widen(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        CloseHandle(file);
        return -1;
    }
    return reinterpret_cast<intptr_t>(file);
}

void unlockFile(intptr_t lock) {
    if (lock == -1) return;
    HANDLE file = reinterpret_cast<HANDLE>(lock);
    OVERLAPPED whole{};
    UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
    CloseHandle(file);
}

long processId() { return static_cast<long>(GetCurrentProcessId()); }

bool processRunning(long pid) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;  // no such process
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

std::string environment(const char* name) {
    const wchar_t* value = ::_wgetenv(widen(name).c_str());
    return value ? narrow(value) : "";
}

std::string executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return pathText(std::filesystem::current_path());
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return pathText(std::filesystem::path(path).parent_path());
}

std::vector<std::string> utf8Arguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(narrow(wide[i]));
    LocalFree(wide);
    return args;
}

void useUtf8Console() {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

std::map<std::string, std::string> registryValues(const std::string& key) {
    std::map<std::string, std::string> values;
    HKEY handle;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, widen(key).c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = 16384;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueW(handle, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        std::vector<unsigned char> data(size + sizeof(wchar_t), 0);
        nameLength = 16384;
        if (RegEnumValueW(handle, index, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) continue;
        const std::string text = narrow(std::wstring_view(name, nameLength));
        if (type == REG_DWORD && size == 4) {
            int32_t number;
            std::memcpy(&number, data.data(), 4);
            values[text] = std::to_string(number);
        } else if (type == REG_QWORD && size == 8) {
            int64_t number;
            std::memcpy(&number, data.data(), 8);
            values[text] = std::to_string(number);
        } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
            std::wstring value(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
            while (!value.empty() && value.back() == L'\0') value.pop_back();
            // The settings library writes a text that begins with "@" as "@@...".
            std::string utf8 = narrow(value);
            if (utf8.rfind("@@", 0) == 0) utf8.erase(0, 1);
            else if (!utf8.empty() && utf8.front() == '@') continue;
            values[text] = std::move(utf8);
        }
    }
    RegCloseKey(handle);
    return values;
}

}  // namespace lottodesk::platform
