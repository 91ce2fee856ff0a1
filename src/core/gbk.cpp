#include "gbk.h"

#include <iconv.h>

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

// Converts with iconv; on an invalid or unconvertible sequence skips `skip(ptr)` input bytes
// and appends `replacement`.
template <typename Skip>
std::string convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    Skip skip) {
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
            size_t n = std::min(inLeft, skip(static_cast<unsigned char>(*inPtr)));
            inPtr += n;
            inLeft -= n;
            out.append(replacement);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string utf8ToGbk(std::string_view utf8) {
    return convert("GBK", "UTF-8", utf8, "?", utf8SequenceLength);
}

std::string gbkToUtf8(std::string_view gbk) {
    return convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", [](unsigned char) { return size_t{1}; });
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
