#include "faultyfiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace lottodesk::test {

namespace {

FileLayer stopAfter(size_t bytes, int error) {
    FileLayer layer;
    layer.write = [bytes, error](std::FILE* file, std::string_view data) {
        const size_t n = std::min(bytes, data.size());
        std::fwrite(data.data(), 1, n, file);
        if (n == data.size()) return true;
        errno = error;
        return false;
    };
    return layer;
}

}  // namespace

FileLayer FaultyFiles::failAfterBytes(size_t bytes) { return stopAfter(bytes, EIO); }

FileLayer FaultyFiles::fullDisk(size_t bytes) { return stopAfter(bytes, ENOSPC); }

FileLayer FaultyFiles::failOnRename() {
    FileLayer layer;
    layer.rename = [](const char*, const char*) {
        errno = EXDEV;
        return -1;
    };
    return layer;
}

FileLayer FaultyFiles::readOnlyFolder() {
    FileLayer layer;
    layer.open = [](const char*) {
        errno = EACCES;
        return -1;
    };
    return layer;
}

FileLayer FaultyFiles::concurrentWriter(std::function<void()> writer) {
    FileLayer layer;
    layer.beforeSave = std::move(writer);
    return layer;
}

}  // namespace lottodesk::test
