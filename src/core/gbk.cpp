#include "gbk.h"

#include <algorithm>
#include <array>
#include <memory>
#include <cstdint>
#include <optional>

#include "gbktable.h"

namespace lottodesk {
namespace {

constexpr char32_t kKeptByteBase = 0xF700;

size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The GBK code of every basic-plane character (0: none), the decoding table turned round once.
const std::array<uint16_t, 0x10000>& encodeTable() {
    static const auto table = [] {
        auto codes = std::make_unique<std::array<uint16_t, 0x10000>>();
        codes->fill(0);
        for (size_t i = 0; i < gbktable::kLeadCount * gbktable::kTrailCount; ++i)
            if (const uint16_t c = gbktable::kDecode[i])
                (*codes)[c] = static_cast<uint16_t>((gbktable::kFirstLead + i / gbktable::kTrailCount) << 8 |
                                                    (gbktable::kFirstTrail + i % gbktable::kTrailCount));
        for (const gbktable::SingleByte& single : gbktable::kSingleBytes) (*codes)[single.character] = single.byte;
        return codes;
    }();
    return *table;
}

// One step of GBK to UTF-8: the character at `at` and its length in bytes, or nullopt when the
// byte there starts no character (a bad byte, or half a character at the end).
struct Decoded {
    char32_t character;
    size_t length;
};

std::optional<Decoded> decodeGbk(const unsigned char* at, size_t left) {
    const unsigned lead = at[0];
    if (lead < 0x80) return Decoded{lead, 1};
    for (const gbktable::SingleByte& single : gbktable::kSingleBytes)
        if (single.byte == lead) return Decoded{single.character, 1};
    if (left < 2 || lead < gbktable::kFirstLead || lead > 0xFE) return std::nullopt;
    const unsigned trail = at[1];
    if (trail < gbktable::kFirstTrail || trail > 0xFE) return std::nullopt;
    const char32_t c = gbktable::kDecode[(lead - gbktable::kFirstLead) * gbktable::kTrailCount + (trail - gbktable::kFirstTrail)];
    if (c == 0) return std::nullopt;
    return Decoded{c, 2};
}

// One step of UTF-8 to GBK: appends the GBK bytes of the character at `at` and returns its length
// in bytes, or 0 when there is no well-formed character there or GBK lacks it.
size_t encodeStep(const unsigned char* at, size_t left, std::string& out) {
    const unsigned lead = at[0];
    if (lead < 0x80) {
        out += static_cast<char>(lead);
        return 1;
    }
    size_t length;
    char32_t c;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (left < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((at[i] & 0xC0) != 0x80) return 0;
        c = c << 6 | (at[i] & 0x3F);
    }
    // Overlong forms, surrogates and code points past the last plane are no characters.
    if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    for (const gbktable::DroppedRange& range : gbktable::kDropped)
        if (c >= range.first && c <= range.last) return length;
    if (c > 0xFFFF) return 0;
    const uint16_t code = encodeTable()[c];
    if (code == 0) return 0;
    if (code > 0xFF) out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    return length;
}

// Converts UTF-8 to GBK; where a character cannot be written calls `replace(at, left, out)`, which
// appends its replacement and returns how many input bytes it stands for.
template <typename Replace>
std::string toGbk(std::string_view in, Replace replace) {
    std::string out;
    out.reserve(in.size());
    const auto* at = reinterpret_cast<const unsigned char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        size_t n = encodeStep(at, left, out);
        if (n == 0) n = std::min(left, replace(reinterpret_cast<const char*>(at), left, out));
        at += n;
        left -= n;
    }
    return out;
}

template <typename Replace>
std::string fromGbk(std::string_view in, Replace replace) {
    std::string out;
    out.reserve(in.size() * 3 / 2);
    const auto* at = reinterpret_cast<const unsigned char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        size_t n;
        if (const std::optional<Decoded> decoded = decodeGbk(at, left)) {
            appendUtf8(out, decoded->character);
            n = decoded->length;
        } else {
            replace(reinterpret_cast<const char*>(at), out);
            n = 1;  // a bad byte stands for itself alone: the next may start a character
        }
        at += n;
        left -= n;
    }
    return out;
}

}  // namespace

std::string utf8ToGbk(std::string_view utf8) {
    return toGbk(utf8, [](const char* at, size_t, std::string& out) {
        out += '?';
        return utf8SequenceLength(static_cast<unsigned char>(*at));
    });
}

std::string gbkToUtf8(std::string_view gbk) {
    return fromGbk(gbk, [](const char*, std::string& out) { out += "\xEF\xBF\xBD"; });
}

std::string gbkToUtf8Keeping(std::string_view gbk, size_t* invalidAt) {
    if (invalidAt) *invalidAt = std::string_view::npos;
    return fromGbk(gbk, [&](const char* at, std::string& out) {
        if (invalidAt && *invalidAt == std::string_view::npos) *invalidAt = static_cast<size_t>(at - gbk.data());
        appendUtf8(out, kKeptByteBase + static_cast<unsigned char>(*at));
    });
}

std::string utf8ToGbkKeeping(std::string_view utf8) {
    return toGbk(utf8, [](const char* at, size_t left, std::string& out) {
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
