#include "pagedfile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lottodesk {

#ifdef _WIN32
// Windows reads condition files whole (the callers' other path); no file is paged there.
std::unique_ptr<PagedFile> PagedFile::open(const std::string&, size_t) { return nullptr; }
PagedFile::PagedFile(int fd, size_t size) : m_fd(fd), m_size(size) {}
PagedFile::~PagedFile() = default;
const char* PagedFile::page(size_t) { return nullptr; }
void PagedFile::copy(size_t, size_t len, char* out) { std::memset(out, 0, len); }
#else
std::unique_ptr<PagedFile> PagedFile::open(const std::string& path, size_t maxBytes) {
    // Only a regular file is paged, and it is looked at before it is opened: opening a pipe to see
    // what it is would take the writer's bytes from the callers' other path (or end the writer).
    // A file that says it is empty may be a kernel file (/proc) whose bytes come only by reading it
    // whole: it also goes the other path, which reports when it cannot be read.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0) return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0) {
        ::close(fd);
        return nullptr;
    }
    const size_t size = std::min(static_cast<size_t>(std::max<off_t>(st.st_size, 0)), maxBytes);
    return std::unique_ptr<PagedFile>(new PagedFile(fd, size));
}

PagedFile::PagedFile(int fd, size_t size)
    : m_fd(fd), m_size(size), m_pages((size + kPageSize - 1) / kPageSize) {}

PagedFile::~PagedFile() { ::close(m_fd); }

const char* PagedFile::page(size_t index) {
    std::unique_ptr<char[]>& page = m_pages[index];
    if (page) return page.get();
    page.reset(new char[kPageSize]());
    const size_t wanted = std::min(kPageSize, m_size - index * kPageSize);
    size_t done = 0;
    while (done < wanted) {
        const ssize_t n = ::pread(m_fd, page.get() + done, wanted - done, static_cast<off_t>(index * kPageSize + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            m_failed = true;
            std::memset(page.get(), 0, kPageSize);
            break;
        }
        done += static_cast<size_t>(n);
    }
    return page.get();
}

void PagedFile::copy(size_t pos, size_t len, char* out) {
    while (len > 0) {
        const size_t index = pos / kPageSize, offset = pos % kPageSize;
        const size_t n = std::min(len, kPageSize - offset);
        std::memcpy(out, page(index) + offset, n);
        out += n;
        pos += n;
        len -= n;
    }
}

#endif

}  // namespace lottodesk
