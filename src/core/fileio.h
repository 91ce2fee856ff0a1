#pragma once
// Reading files and replacing files atomically. Every write that replaces a user's file goes
// through saveFileAtomically: the bytes go to a temporary file of a name no other writer uses,
// beside the target, which is flushed to disk and then renamed over the target, so a crash, a
// full disk or a folder that cannot be written leaves the previous file intact.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "status.h"

namespace lottodesk {

// Files larger than this are refused by readWholeFile unless the caller gives its own limit; it
// only keeps a device such as /dev/zero or a mistaken choice of file from exhausting memory.
inline constexpr size_t kMaxReadBytes = size_t{1} << 30;

// The file's bytes, or nullopt when it cannot be opened or read or holds more than maxBytes.
std::optional<std::string> readWholeFile(const std::string& path, size_t maxBytes = kMaxReadBytes);

bool fileExists(const std::string& path);

// Creates the folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& path);

// Writes `bytes` to `file`; returns false on a short write (errno says why).
using ChunkWriter = std::function<bool(std::FILE* file, std::string_view bytes)>;

bool writeAllBytes(std::FILE* file, std::string_view bytes);

// The operating-system calls of a save. The defaults are the real ones; tests put in calls that
// fail the way a full disk, a read-only folder or a failing rename does (setting errno), and
// `beforeSave` lets a test run another writer just before a save checks the file it replaces.
struct FileLayer {
    ChunkWriter write = writeAllBytes;
    std::function<int(const char* path)> open;                    // empty: platform::createNewFile
    std::function<int(const char* from, const char* to)> rename;  // empty: platform::replaceFile
    std::function<void()> beforeSave;                                   // empty: nothing
};

inline constexpr const char* kNotRegularFileReason = "目标不是普通文件";

// Replaces `path` with `bytes`. A symbolic link is written through (its target is replaced and
// the link kept) and the target's permissions are kept. Only a regular file is replaced: a
// device, a pipe, a socket or a folder under the name is refused. The temporary file is named
// "<name>.lottodesk-saving-<process>-<n>" beside the target; those that killed saves of the same
// file left behind are removed first. On failure the previous file is untouched, the temporary
// file is removed and the message names the file and the reason.
Status saveFileAtomically(const std::string& path, std::string_view bytes, const FileLayer& layer = FileLayer{});
Status saveFileAtomically(const std::string& path, std::string_view bytes, const ChunkWriter& writer);

// The reason of a failed file operation in the user's words ("磁盘空间已满" ...).
std::string fileErrorReason(int error);

// An exclusive lock held by one writer of a folder at a time, across processes (flock, or
// LockFileEx on Windows, on the file `lockPath`, created when missing). Waits for the lock; released by the destructor. When
// the lock file cannot be created (a read-only folder) the object holds no lock and the write
// that follows fails on its own.
class FolderLock {
public:
    explicit FolderLock(const std::string& lockPath);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return m_lock != -1; }

private:
    intptr_t m_lock = -1;
};

// What a reader saw of a file: a later save compares it with the file on disk to find out
// whether another writer replaced the file in between.
struct FileStamp {
    bool exists = false;
    uint64_t size = 0;
    int64_t mtimeNs = 0;
    uint64_t hash = 0;

    // The same content: equal size and hash (a rewrite with the same bytes loses nothing, and
    // modification times are too coarse on some file systems to tell writers apart).
    bool sameContent(const FileStamp& other) const {
        return exists == other.exists && size == other.size && hash == other.hash;
    }
};

uint64_t contentHash(std::string_view bytes);
// The stamp of a file that holds `bytes`.
FileStamp stampOfBytes(std::string_view bytes);

// The refusal of a save of a user's file that another program changed since it was read; the
// file's path follows.
inline constexpr const char* kFileChangedMessage =
    "文件已被其他程序修改（例如同时运行的另一个本软件），本次修改没有保存，已重新读入，请重新操作：";

// Saves a user's file as saveFileAtomically does, unless another writer replaced it since this
// program read or wrote `seen` (a file that is gone loses nothing by being written). Writers of
// one folder take turns (the folder's ".lock"). On success `seen` describes the new content; a
// refusal leaves the other writer's file and says kFileChangedMessage: the caller reads it again.
Status saveFileUnlessChanged(const std::string& path, std::string_view bytes, FileStamp& seen,
                             const FileLayer& layer = FileLayer{});
// The stamp of the file on disk now (exists = false when it cannot be read).
FileStamp stampOfFile(const std::string& path);

// Reads a text file line by line in blocks, so a large file never sits in memory whole. Lines
// end at LF, CR LF or a lone CR; a UTF-8 byte-order mark at the start is skipped. Reading stops
// with tooLarge() once more than maxBytes were read.
class LineReader {
public:
    LineReader(const std::string& path, size_t maxBytes);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool opened() const { return m_file != nullptr; }
    // The next line without its line end; false at the end of the file, on a read error or
    // when the limit was passed.
    bool next(std::string& line);
    bool tooLarge() const { return m_tooLarge; }
    bool failed() const { return m_failed; }

private:
    bool fill();

    std::FILE* m_file = nullptr;
    size_t m_maxBytes;
    size_t m_read = 0;
    std::string m_buffer;
    size_t m_pos = 0;
    bool m_eof = false;
    bool m_tooLarge = false;
    bool m_failed = false;
    bool m_first = true;
};

// Splits text already in memory the same way: LF, CR LF and lone CR end lines; a leading UTF-8
// byte-order mark is skipped. Calls `line` for each line; stops early when it returns false.
void forEachLine(std::string_view text, const std::function<bool(std::string_view line)>& line);

// The text without a leading UTF-8 byte-order mark.
std::string_view withoutByteOrderMark(std::string_view text);

}  // namespace lottodesk
