#include "platform.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace lottodesk::platform {

std::string pathText(const std::filesystem::path& path) { return path.string(); }

std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool removeFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

FileInfo fileInfo(const std::string& path, bool followLinks) {
    FileInfo info;
    struct stat st;
    if ((followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0) return info;
    info.kind = S_ISREG(st.st_mode)   ? FileKind::regular
                : S_ISDIR(st.st_mode) ? FileKind::folder
                : S_ISLNK(st.st_mode) ? FileKind::link
                                      : FileKind::other;
    info.size = static_cast<uint64_t>(st.st_size);
    info.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    info.mode = st.st_mode & 07777;
    info.owner = st.st_uid;
    info.group = st.st_gid;
    return info;
}

int createNewFile(const char* path) { return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); }

void copyPermissions(int fd, const FileInfo& previous) {
    (void)::fchmod(fd, previous.mode);
    if (::fchown(fd, previous.owner, previous.group) != 0) { /* only possible for the owner's group or root */
    }
}

bool flushToDisk(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

int replaceFile(const char* from, const char* to) { return ::rename(from, to); }

intptr_t lockFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        ::close(fd);
        return -1;
    }
    return fd;
}

void unlockFile(intptr_t lock) {
    if (lock >= 0) ::close(static_cast<int>(lock));  // closing releases the lock
}

long processId() { return static_cast<long>(::getpid()); }

bool processRunning(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH; }

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string executableFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec).string();
    return exe.parent_path().string();
}

std::vector<std::string> utf8Arguments(int argc, char** argv) { return {argv + (argc > 0 ? 1 : 0), argv + argc}; }

void useUtf8Console() {}

}  // namespace lottodesk::platform
