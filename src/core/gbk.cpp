#include "gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace lottodesk {
namespace {

size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Converts with iconv; on an invalid or unconvertible sequence calls `replace(ptr, left, out)`,
// which appends its replacement to `out` and returns how many input bytes it stands for.
template <typename Replace>
std::string convert(const char* to, const char* from, std::string_view in, Replace replace) {
    std::string out;
    if (in.empty()) return out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    out.reserve(in.size() * 2);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            size_t n = std::min(inLeft, replace(inPtr, inLeft, out));
            inPtr += n;
            inLeft -= n;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

constexpr char32_t kKeptByteBase = 0xF700;

}  // namespace

std::string utf8ToGbk(std::string_view utf8) {
    return convert("GBK", "UTF-8", utf8, [](const char* at, size_t, std::string& out) {
        out += '?';
        return utf8SequenceLength(static_cast<unsigned char>(*at));
    });
}

std::string gbkToUtf8(std::string_view gbk) {
    return convert("UTF-8", "GBK", gbk, [](const char*, size_t, std::string& out) {
        out += "\xEF\xBF\xBD";
        return size_t{1};
    });
}

std::string gbkToUtf8Keeping(std::string_view gbk, size_t* invalidAt) {
    if (invalidAt) *invalidAt = std::string_view::npos;
    return convert("UTF-8", "GBK", gbk, [&](const char* at, size_t, std::string& out) {
        if (invalidAt && *invalidAt == std::string_view::npos) *invalidAt = static_cast<size_t>(at - gbk.data());
        const char32_t c = kKeptByteBase + static_cast<unsigned char>(*at);
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
        return size_t{1};
    });
}

std::string utf8ToGbkKeeping(std::string_view utf8) {
    return convert("GBK", "UTF-8", utf8, [](const char* at, size_t left, std::string& out) {
        const auto* u = reinterpret_cast<const unsigned char*>(at);
        if (left >= 3 && (u[0] & 0xF0) == 0xE0 && (u[1] & 0xC0) == 0x80 && (u[2] & 0xC0) == 0x80) {
            const char32_t c = (char32_t(u[0] & 0x0F) << 12) | (char32_t(u[1] & 0x3F) << 6) | (u[2] & 0x3F);
            if (c >= kKeptByteBase + 0x80 && c <= kKeptByteBase + 0xFF) {
                out += static_cast<char>(c - kKeptByteBase);
                return size_t{3};
            }
        }
        out += '?';
        return utf8SequenceLength(u[0]);
    });
}

std::string_view truncateGbk(std::string_view gbk, size_t maxBytes) {
    size_t pos = 0;
    while (pos < gbk.size()) {
        size_t width = static_cast<unsigned char>(gbk[pos]) >= 0x81 ? 2 : 1;
        if (pos + width > maxBytes || pos + width > gbk.size()) break;
        pos += width;
    }
    return gbk.substr(0, pos);
}

}  // namespace lottodesk
