#include "fileio.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace lottodesk {

std::optional<std::string> readWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    bool failed = std::ferror(file);
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

bool fileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool makeFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

bool writeAllBytes(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

Status saveFileAtomically(const std::string& path, std::string_view bytes, const ChunkWriter& writer) {
    const std::string temporary = path + ".saving";
    const Status failed = Status::failure("文件保存失败：" + path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return failed;
    bool ok = writer(file, bytes);
    ok = std::fflush(file) == 0 && ok;
    ok = ::fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return Status::success();
    std::remove(temporary.c_str());
    return failed;
}

}  // namespace lottodesk
