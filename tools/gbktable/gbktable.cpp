// The GBK conversion table of src/core/gbktable.cpp, taken from the C library's iconv converter
// so that the program converts exactly as it did when it used iconv, on every system.
//
//   g++ -std=c++20 -O2 -Isrc tools/gbktable/gbktable.cpp src/core/gbk.cpp src/core/gbktable.cpp -o gbktable
//   ./gbktable generate > src/core/gbktable.cpp   (on a glibc system)
//   ./gbktable check                              (compares the compiled-in table with iconv)
//
// To bootstrap without a table, build `generate` with -DGBKTABLE_GENERATE_ONLY and without the
// two core sources. Linux only: it needs iconv; the program itself does not.

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#ifndef GBKTABLE_GENERATE_ONLY
#include "core/gbk.h"
#endif

namespace {

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The whole input converted in one call, or nullopt when iconv stops anywhere.
std::optional<std::string> whole(const char* to, const char* from, const std::string& in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::perror("iconv_open");
        std::exit(1);
    }
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[64];
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
    return std::string(buffer, sizeof buffer - outLeft);
}

// The code point of a UTF-8 text holding exactly one character, else 0.
char32_t onlyCodePoint(const std::string& utf8) {
    const auto* u = reinterpret_cast<const unsigned char*>(utf8.data());
    if (utf8.size() == 1 && u[0] < 0x80) return u[0];
    if (utf8.size() == 2 && (u[0] & 0xE0) == 0xC0) return (char32_t(u[0] & 0x1F) << 6) | (u[1] & 0x3F);
    if (utf8.size() == 3 && (u[0] & 0xF0) == 0xE0)
        return (char32_t(u[0] & 0x0F) << 12) | (char32_t(u[1] & 0x3F) << 6) | (u[2] & 0x3F);
    return 0;
}

[[noreturn]] void fail(const char* what, unsigned value) {
    std::fprintf(stderr, "unexpected: %s %X\n", what, value);
    std::exit(1);
}

int generate() {
    // Single bytes: ASCII must be itself; others are either one character or none.
    for (unsigned b = 0; b < 0x80; ++b) {
        const auto out = whole("UTF-8", "GBK", std::string(1, char(b)));
        if (!out || onlyCodePoint(*out) != b) fail("ascii", b);
    }
    std::vector<std::pair<unsigned, char32_t>> singles;  // bytes 0x80..0xFF that are a character alone
    std::map<char32_t, unsigned> decodedFrom;  // for the check of two codes giving one character
    for (unsigned b = 0x80; b <= 0xFF; ++b)
        if (const auto out = whole("UTF-8", "GBK", std::string(1, char(b)))) {
            const char32_t c = onlyCodePoint(*out);
            if (c < 0x80 || c > 0xFFFF) fail("single byte target", b);
            singles.emplace_back(b, c);
            decodedFrom.emplace(c, b);
        }
    // Double bytes: lead 0x81..0xFE; trails outside 0x40..0xFE must be none.
    std::vector<uint16_t> decode(126 * 191, 0);
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead)
        for (unsigned trail = 0; trail <= 0xFF; ++trail) {
            const auto out = whole("UTF-8", "GBK", std::string{char(lead), char(trail)});
            // A pair that is an ASCII-compatible single byte followed by another is not a pair.
            if (!out) continue;
            if (out->size() > 3 || onlyCodePoint(*out) == 0) {
                // Two characters: the lead is one alone, the trail another.
                if (std::find_if(singles.begin(), singles.end(), [&](auto s) { return s.first == lead; }) != singles.end())
                    continue;
            }
            const char32_t c = onlyCodePoint(*out);
            if (c == 0 || lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE) fail("pair", lead << 8 | trail);
            if (c < 0x80 || c > 0xFFFF) fail("pair target", lead << 8 | trail);
            decode[(lead - 0x81) * 191 + (trail - 0x40)] = static_cast<uint16_t>(c);
            if (!decodedFrom.emplace(c, lead << 8 | trail).second) std::fprintf(stderr, "note: %X twice\n", unsigned(c));
        }
    // Encoding: every character of the basic plane; the supplementary planes must have none.
    std::vector<std::pair<char32_t, char32_t>> dropped;  // ranges of characters written as nothing
    size_t encodable = 0;
    for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const auto out = whole("GBK", "UTF-8", utf8Of(c));
        if (!out) continue;
        if (out->empty()) {
            // The converter drops some characters (the tag characters) without a trace.
            if (!dropped.empty() && dropped.back().second + 1 == c) dropped.back().second = c;
            else dropped.emplace_back(c, c);
            continue;
        }
        if (c > 0xFFFF) fail("supplementary", c);
        if (out->size() != 2 && out->size() != 1) fail("encoding size", c);
        const unsigned code = out->size() == 1 ? (unsigned char)(*out)[0]
                                               : (unsigned char)(*out)[0] << 8 | (unsigned char)(*out)[1];
        ++encodable;
        const auto back = decodedFrom.find(c);
        // The table is one mapping used both ways: every character encodes to the code that decodes to it.
        if (back == decodedFrom.end() || back->second != code) fail("encode-only character", c);
    }
    // A decoded character that iconv will not encode back would need a mark in the table.
    for (auto [c, code] : decodedFrom)
        if (!whole("GBK", "UTF-8", utf8Of(c))) fail("decoded but not encodable", c);

    std::printf("// The GBK conversion table, generated by tools/gbktable/gbktable.cpp from the C library's iconv\n"
                "// converter (%zu double-byte characters). Do not edit by hand.\n\n"
                "#include \"gbktable.h\"\n\nnamespace lottodesk::gbktable {\n\n"
                "const SingleByte kSingleBytes[kSingleByteCount] = {\n",
                decodedFrom.size() - singles.size());
    for (auto [b, c] : singles) std::printf("    {0x%02X, 0x%04X},\n", b, unsigned(c));
    std::printf("};\n\nconst uint16_t kDecode[kLeadCount * kTrailCount] = {\n");
    for (size_t i = 0; i < decode.size(); ++i)
        std::printf("%s0x%04X,%s", i % 12 == 0 ? "    " : "", decode[i], i % 12 == 11 || i + 1 == decode.size() ? "\n" : " ");
    std::printf("};\n\nconst DroppedRange kDropped[kDroppedCount] = {\n");
    for (auto [first, last] : dropped) std::printf("    {0x%05X, 0x%05X},\n", unsigned(first), unsigned(last));
    std::printf("};\n\n}  // namespace lottodesk::gbktable\n");
    std::fprintf(stderr, "%zu decodable (%zu single bytes), %zu encodable, %zu dropped ranges\n",
                 decodedFrom.size(), singles.size(), encodable, dropped.size());
    return 0;
}

#ifndef GBKTABLE_GENERATE_ONLY
// The conversion the program used before the table: iconv, with the same replacements.
template <typename Replace>
std::string viaIconv(const char* to, const char* from, std::string_view in, Replace replace) {
    std::string out;
    if (in.empty()) return out;
    iconv_t cd = iconv_open(to, from);
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

size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

std::string oldUtf8ToGbk(std::string_view s) {
    return viaIconv("GBK", "UTF-8", s, [](const char* at, size_t, std::string& out) {
        out += '?';
        return sequenceLength(static_cast<unsigned char>(*at));
    });
}
std::string oldGbkToUtf8(std::string_view s) {
    return viaIconv("UTF-8", "GBK", s, [](const char*, size_t, std::string& out) {
        out += "\xEF\xBF\xBD";
        return size_t{1};
    });
}

int check() {
    size_t mismatches = 0;
    auto compare = [&](const char* what, const std::string& in, const std::string& expected, const std::string& got) {
        if (expected == got) return;
        if (++mismatches <= 20) {
            std::fprintf(stderr, "%s differs for", what);
            for (unsigned char c : in) std::fprintf(stderr, " %02X", c);
            std::fprintf(stderr, "\n");
        }
    };
    // Every character, every pair of bytes.
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string in = utf8Of(c);
        compare("utf8ToGbk", in, oldUtf8ToGbk(in), lottodesk::utf8ToGbk(in));
    }
    for (unsigned pair = 0; pair <= 0xFFFF; ++pair) {
        const std::string in{char(pair >> 8), char(pair & 0xFF)};
        compare("gbkToUtf8", in, oldGbkToUtf8(in), lottodesk::gbkToUtf8(in));
        compare("utf8ToGbk", in, oldUtf8ToGbk(in), lottodesk::utf8ToGbk(in));
    }
    // Random texts of both kinds, damaged ones included.
    std::mt19937_64 random(20240601);
    for (int round = 0; round < 400000; ++round) {
        std::string in;
        const int length = int(random() % 24);
        for (int i = 0; i < length; ++i) {
            const unsigned kind = random() % 6;
            if (kind == 0) in += char(random() % 0x80);
            else if (kind == 1) in += char(random() % 0x100);
            else if (kind == 2) in += char(0x80 + random() % 0x40);
            else in += utf8Of(char32_t(random() % (kind == 3 ? 0x800 : kind == 4 ? 0x10000 : 0x110000)) | 1);
        }
        compare("gbkToUtf8", in, oldGbkToUtf8(in), lottodesk::gbkToUtf8(in));
        compare("utf8ToGbk", in, oldUtf8ToGbk(in), lottodesk::utf8ToGbk(in));
        // Real GBK text with damage.
        std::string gbk = oldUtf8ToGbk(in);
        if (!gbk.empty() && random() % 2) gbk[random() % gbk.size()] = char(random() % 0x100);
        compare("gbkToUtf8", gbk, oldGbkToUtf8(gbk), lottodesk::gbkToUtf8(gbk));
    }
    std::fprintf(stderr, "%zu mismatches\n", mismatches);
    return mismatches == 0 ? 0 : 1;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "generate") return generate();
#ifndef GBKTABLE_GENERATE_ONLY
    if (mode == "check") return check();
#endif
    std::fprintf(stderr, "usage: gbktable generate|check\n");
    return 2;
}
