#include "gbktext.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "fileio.h"
#include "platform.h"
#include "gbk.h"

namespace lottodesk {
namespace {

// At most `limit` bytes from the start of the file; nullopt when it cannot be opened or read.
std::optional<std::string> readPrefix(const std::string& path, size_t limit) {
    std::FILE* file = platform::openFile(path, "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    char block[1 << 16];
    size_t n;
    while (bytes.size() < limit && (n = std::fread(block, 1, std::min(sizeof block, limit - bytes.size()), file)) > 0)
        bytes.append(block, n);
    const bool failed = std::ferror(file);
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

}  // namespace

GbkText readGbkText(const std::string& path, bool missingIsEmpty) {
    if (!fileExists(path)) {
        if (missingIsEmpty) return {Status::success(), {}};
        return {Status::failure(StatusCode::FileMissing, "找不到文件：" + path), {}};
    }
    std::optional<std::string> bytes = readPrefix(path, kMaxShownTextBytes + 1);
    if (!bytes) return {Status::failure(StatusCode::FileUnreadable, "文件无法读取：" + path), {}};
    const bool cut = bytes->size() > kMaxShownTextBytes;
    const FileStamp stamp = stampOfBytes(*bytes);
    if (cut) bytes->resize(truncateGbk(*bytes, kMaxShownTextBytes).size());
    const std::string decoded = gbkToUtf8Keeping(*bytes);
    GbkText result{Status::success(), {}};
    result.text.reserve(decoded.size());
    for (size_t i = 0; i < decoded.size(); ++i) {
        if (decoded[i] == '\r') {
            result.text += '\n';
            if (i + 1 < decoded.size() && decoded[i + 1] == '\n') ++i;
        } else {
            result.text += decoded[i];
        }
    }
    result.cut = cut;
    result.stamp = stamp;
    if (cut) result.text += "\n……（文件太大，只显示前16MB）";
    return result;
}

namespace {

// The file's bytes: GBK with CR LF line ends.
std::string gbkFileBytes(std::string_view text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            lines += "\r\n";
        } else {
            lines += text[i];
        }
    }
    return utf8ToGbkKeeping(lines);
}

}  // namespace

Status saveGbkText(const std::string& path, std::string_view text) { return saveFileAtomically(path, gbkFileBytes(text)); }

Status saveGbkTextUnlessChanged(const std::string& path, std::string_view text, FileStamp& seen) {
    return saveFileUnlessChanged(path, gbkFileBytes(text), seen);
}

}  // namespace lottodesk
