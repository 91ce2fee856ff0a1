#pragma once
// A file read a page at a time, as its bytes are asked for. A main-zone condition file is 11.8 MB
// and a load reads a few fields of each record: reading only the pages that hold them spares the
// copy of the rest.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace lottodesk {

class PagedFile {
public:
    static constexpr size_t kPageSize = 4096;

    // The first `maxBytes` of a regular file; nothing when it cannot be opened or is no regular
    // file (a pipe cannot be read out of order).
    static std::unique_ptr<PagedFile> open(const std::string& path, size_t maxBytes);
    ~PagedFile();
    PagedFile(const PagedFile&) = delete;
    PagedFile& operator=(const PagedFile&) = delete;

    size_t size() const { return m_size; }
    // Copies bytes pos..pos+len-1, which lie within size(). A failed read (the file shrank or the
    // device failed) gives zeros and sets failed().
    void copy(size_t pos, size_t len, char* out);
    bool failed() const { return m_failed; }

private:
    PagedFile(int fd, size_t size);
    const char* page(size_t index);

    int m_fd;
    size_t m_size;
    std::vector<std::unique_ptr<char[]>> m_pages;  // by page index; empty until read
    bool m_failed = false;
};

}  // namespace lottodesk
