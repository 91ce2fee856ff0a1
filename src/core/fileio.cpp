#include "fileio.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform.h"

namespace lottodesk {
namespace {

constexpr std::string_view kTemporaryMarker = ".lottodesk-saving-";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kBlockSize = 1 << 16;

// The file a path finally names: symbolic links are followed (relative targets resolve against
// the link's folder), so a save replaces the target and leaves the link in place.
std::string resolveLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        if (platform::fileInfo(current, false).kind != platform::FileKind::link) return current;
        std::error_code ec;
        std::filesystem::path target = std::filesystem::read_symlink(platform::fsPath(current), ec);
        if (ec) return current;
        if (target.is_relative()) target = platform::fsPath(current).parent_path() / target;
        current = platform::pathText(target.lexically_normal());
    }
    return current;
}

// A name no other save uses: the target's name, the program's own marker, the writing process
// and a counter of its saves. The process id lets a later save of the same file tell a save in
// progress from one that was killed; the marker keeps every other name (a user's "plan.saving")
// out of the clean-up.
std::string temporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + std::string(kTemporaryMarker) + std::to_string(platform::processId()) + "-" + std::to_string(++counter);
}

// The writing process of a temporary file `name` of a save of `targetName`, or -1 when `name` is
// not such a file.
long temporaryOwner(std::string_view name, std::string_view targetName) {
    if (name.size() <= targetName.size() || name.substr(0, targetName.size()) != targetName) return -1;
    std::string_view rest = name.substr(targetName.size());
    if (rest.substr(0, kTemporaryMarker.size()) != kTemporaryMarker) return -1;
    rest.remove_prefix(kTemporaryMarker.size());
    long pid = 0;
    size_t i = 0;
    for (; i < rest.size() && rest[i] >= '0' && rest[i] <= '9' && pid <= (1L << 22); ++i) pid = pid * 10 + (rest[i] - '0');
    if (i == 0 || i >= rest.size() || rest[i] != '-' || pid <= 0 || pid > (1L << 22)) return -1;
    for (size_t j = i + 1; j < rest.size(); ++j)
        if (rest[j] < '0' || rest[j] > '9') return -1;
    return i + 1 < rest.size() ? pid : -1;
}

// Removes the temporary files that killed saves of `target` left beside it (those whose writing
// process no longer runs).
void removeStaleTemporariesOf(const std::string& target) {
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string_view targetName = std::string_view(target).substr(slash == std::string::npos ? 0 : slash + 1);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(platform::fsPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = platform::pathText(it->path().filename());
        const long owner = temporaryOwner(name, targetName);
        if (owner < 0) continue;
        // A save in progress in another process keeps its file.
        if (owner == platform::processId() || platform::processRunning(owner)) continue;
        const std::string path = (slash == std::string::npos ? std::string() : folder) + name;
        if (platform::fileInfo(path, false).kind == platform::FileKind::regular) platform::removeFile(path);
    }
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, size_t maxBytes) {
    std::FILE* file = platform::openFile(path, "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    // Sized once from the file's length, so a large file is not copied at every doubling.
    if (const platform::FileInfo info = platform::fileInfo(path); info.size > 0 && info.size <= maxBytes)
        bytes.reserve(static_cast<size_t>(info.size));
    char buffer[kBlockSize];
    size_t n;
    bool tooLarge = false;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + n > maxBytes) {
            tooLarge = true;
            break;
        }
        bytes.append(buffer, n);
    }
    bool failed = std::ferror(file) || tooLarge;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

bool fileExists(const std::string& path) {
    return platform::fileInfo(path).kind == platform::FileKind::regular;
}

bool makeFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(platform::fsPath(path), ec);
    return std::filesystem::is_directory(platform::fsPath(path), ec);
}

bool writeAllBytes(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

std::string fileErrorReason(int error) {
    switch (error) {
    case 0: return "原因不明";
    case ENOSPC: return "磁盘空间已满";
#ifdef EDQUOT
    case EDQUOT: return "超出磁盘配额";
#endif
    case EACCES:
    case EPERM: return "没有写入权限";
    case EROFS: return "文件系统是只读的";
    case ENOENT: return "文件夹不存在";
    case ENOTDIR: return "路径中有一项不是文件夹";
    case EISDIR: return "目标是一个文件夹";
    case EIO: return "读写设备出错";
    case EXDEV: return "不能跨文件系统改名";
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return "文件正被占用";
    case ENAMETOOLONG: return "文件名太长";
    default: return std::strerror(error);
    }
}

Status saveFileAtomically(const std::string& path, std::string_view bytes, const FileLayer& layer) {
    if (layer.beforeSave) layer.beforeSave();
    const std::string target = resolveLinks(path);
    auto failed = [&](int error) {
        return Status::failure(StatusCode::FileUnwritable,
                               "文件保存失败：" + path + "（" + fileErrorReason(error) + "）");
    };
    // Only a regular file is ever replaced: a device, a pipe or a folder under the name stays as it is.
    const platform::FileInfo previous = platform::fileInfo(target, false);
    if (previous.kind == platform::FileKind::folder) return failed(EISDIR);
    if (previous.kind != platform::FileKind::missing && previous.kind != platform::FileKind::regular)
        return Status::failure(StatusCode::FileUnwritable,
                               "文件保存失败：" + path + "（" + kNotRegularFileReason + "）");
    const bool replacing = previous.kind == platform::FileKind::regular;
    removeStaleTemporariesOf(target);
    const std::string temporary = temporaryName(target);

    errno = 0;
    const int fd = layer.open ? layer.open(temporary.c_str()) : platform::createNewFile(temporary.c_str());
    if (fd < 0) return failed(errno);
    // The new file keeps the old one's permissions (and owner, where the process may set it).
    if (replacing) platform::copyPermissions(fd, previous);
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        const int error = errno;
        ::close(fd);
        platform::removeFile(temporary);
        return failed(error);
    }
    int error = 0;
    errno = 0;
    bool ok = layer.write(file, bytes);
    if (!ok) error = errno ? errno : EIO;
    if (std::fflush(file) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && !platform::flushToDisk(file)) {
        ok = false;
        error = errno;
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        errno = 0;
        const int renamed = layer.rename ? layer.rename(temporary.c_str(), target.c_str())
                                         : platform::replaceFile(temporary.c_str(), target.c_str());
        if (renamed == 0) return Status::success();
        error = errno;
    }
    platform::removeFile(temporary);
    return failed(error);
}

Status saveFileAtomically(const std::string& path, std::string_view bytes, const ChunkWriter& writer) {
    FileLayer layer;
    layer.write = writer;
    return saveFileAtomically(path, bytes, layer);
}

FolderLock::FolderLock(const std::string& lockPath) : m_lock(platform::lockFile(lockPath)) {}

FolderLock::~FolderLock() { platform::unlockFile(m_lock); }

uint64_t contentHash(std::string_view bytes) {
    // FNV-1a, 64 bits: fast, and stable across runs and builds.
    uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

FileStamp stampOfBytes(std::string_view bytes) { return FileStamp{true, bytes.size(), 0, contentHash(bytes)}; }

Status saveFileUnlessChanged(const std::string& path, std::string_view bytes, FileStamp& seen, const FileLayer& layer) {
    if (layer.beforeSave) layer.beforeSave();
    const size_t slash = path.rfind('/');
    FolderLock lock((slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".lock");
    const FileStamp onDisk = stampOfFile(path);
    if (onDisk.exists && !onDisk.sameContent(seen))
        return Status::failure(StatusCode::FileChanged, std::string(kFileChangedMessage) + path);
    FileLayer inner = layer;
    inner.beforeSave = nullptr;  // already run, before the lock
    Status saved = saveFileAtomically(path, bytes, inner);
    if (saved) seen = stampOfBytes(bytes);
    return saved;
}

FileStamp stampOfFile(const std::string& path) {
    FileStamp stamp;
    const platform::FileInfo info = platform::fileInfo(path);
    if (info.kind != platform::FileKind::regular) return stamp;
    std::FILE* file = platform::openFile(path, "rb");
    if (!file) return stamp;
    uint64_t hash = 0xcbf29ce484222325ull;
    uint64_t size = 0;
    char buffer[kBlockSize];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        for (size_t i = 0; i < n; ++i) {
            hash ^= static_cast<unsigned char>(buffer[i]);
            hash *= 0x100000001b3ull;
        }
        size += n;
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return stamp;
    stamp.exists = true;
    stamp.size = size;
    stamp.mtimeNs = info.mtimeNs;
    stamp.hash = hash;
    return stamp;
}

LineReader::LineReader(const std::string& path, size_t maxBytes) : m_maxBytes(maxBytes) {
    m_file = platform::openFile(path, "rb");
}

LineReader::~LineReader() {
    if (m_file) std::fclose(m_file);
}

bool LineReader::fill() {
    if (!m_file || m_eof) return false;
    m_buffer.erase(0, m_pos);
    m_pos = 0;
    char block[kBlockSize];
    const size_t n = std::fread(block, 1, sizeof block, m_file);
    if (n == 0) {
        m_eof = true;
        m_failed = std::ferror(m_file) != 0;
        return false;
    }
    m_read += n;
    if (m_read > m_maxBytes) {
        m_tooLarge = true;
        m_eof = true;
        m_buffer.clear();
        return false;
    }
    m_buffer.append(block, n);
    if (m_first && (m_buffer.size() >= kByteOrderMark.size() || std::feof(m_file))) {
        m_first = false;
        if (std::string_view(m_buffer).substr(0, kByteOrderMark.size()) == kByteOrderMark)
            m_buffer.erase(0, kByteOrderMark.size());
    }
    return true;
}

bool LineReader::next(std::string& line) {
    line.clear();
    if (m_tooLarge || m_failed) return false;
    size_t scanned = 0;  // bytes after m_pos already known to hold no line end
    while (true) {
        const size_t end = m_buffer.find_first_of("\r\n", m_pos + scanned);
        // A CR at the end of the block may be the first half of a CR LF: read on first.
        const bool crAtEnd = end != std::string::npos && m_buffer[end] == '\r' && end + 1 == m_buffer.size();
        if (end != std::string::npos && !(crAtEnd && !m_eof)) {
            line.assign(m_buffer, m_pos, end - m_pos);
            m_pos = end + 1;
            if (m_buffer[end] == '\r' && m_pos < m_buffer.size() && m_buffer[m_pos] == '\n') ++m_pos;
            return true;
        }
        scanned = (end == std::string::npos ? m_buffer.size() : end) - m_pos;
        if (!fill()) {
            if (m_tooLarge || m_failed) return false;
            if (m_pos < m_buffer.size()) {
                // The last line, or a CR at the very end of the file.
                const size_t stop = m_buffer.find_first_of("\r\n", m_pos);
                line.assign(m_buffer, m_pos, (stop == std::string::npos ? m_buffer.size() : stop) - m_pos);
                m_pos = stop == std::string::npos ? m_buffer.size() : stop + 1;
                return true;
            }
            return false;
        }
    }
}

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    return text;
}

void forEachLine(std::string_view text, const std::function<bool(std::string_view line)>& line) {
    text = withoutByteOrderMark(text);
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        if (!line(text.substr(pos, end - pos))) return;
        pos = end + 1;
        if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
}

}  // namespace lottodesk
