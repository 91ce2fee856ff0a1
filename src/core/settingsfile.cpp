#include "settingsfile.h"

#include <optional>
#include <vector>

#include "fileio.h"

namespace lottodesk {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
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
}

// A name as written: "%XX" and "%UXXXX" stand for characters, "\" for the "/" of a group.
std::string unescapedName(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            out += '/';
        } else if (c == '%' && text.size() - i >= 3 && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            appendUtf8(out, static_cast<char32_t>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else if (c == '%' && text.size() - i >= 6 && text[i + 1] == 'U') {
            char32_t value = 0;
            bool ok = true;
            for (size_t k = 2; k < 6; ++k) {
                const int digit = hexValue(text[i + k]);
                ok = ok && digit >= 0;
                value = value * 16 + static_cast<char32_t>(digit < 0 ? 0 : digit);
            }
            if (!ok) {
                out += c;
                continue;
            }
            appendUtf8(out, value);
            i += 5;
        } else {
            out += c;
        }
    }
    return out;
}

// A value as written: quoted parts, backslash escapes; an unquoted "," separates list items.
std::vector<std::string> unescapedValue(std::string_view text) {
    std::vector<std::string> items(1);
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            items.back() = std::string(trimmed(items.back()));
            items.emplace_back();
        } else if (c == '\\' && i + 1 < text.size()) {
            const char e = text[++i];
            switch (e) {
            case 'a': items.back() += '\a'; break;
            case 'b': items.back() += '\b'; break;
            case 'f': items.back() += '\f'; break;
            case 'n': items.back() += '\n'; break;
            case 'r': items.back() += '\r'; break;
            case 't': items.back() += '\t'; break;
            case 'v': items.back() += '\v'; break;
            case 'x': {
                char32_t value = 0;
                size_t digits = 0;
                while (i + 1 < text.size() && hexValue(text[i + 1]) >= 0 && digits < 8) {
                    value = value * 16 + static_cast<char32_t>(hexValue(text[++i]));
                    ++digits;
                }
                appendUtf8(items.back(), value);
                break;
            }
            case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': {
                char32_t value = static_cast<char32_t>(e - '0');
                for (int digits = 1; digits < 3 && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7'; ++digits)
                    value = value * 8 + static_cast<char32_t>(text[++i] - '0');
                appendUtf8(items.back(), value);
                break;
            }
            default: items.back() += e;  // \" \\ \' \? and anything else stand for themselves
            }
        } else {
            items.back() += c;
        }
    }
    if (items.size() > 1) items.back() = std::string(trimmed(items.back()));
    return items;
}

// A value's text as the settings library reads it, or nullopt for a list or another type.
std::optional<std::string> valueText(std::string_view raw) {
    std::vector<std::string> items = unescapedValue(raw);
    if (items.size() != 1) return std::nullopt;
    std::string& value = items.front();
    if (value.empty() || value.front() != '@') return value;
    if (value.rfind("@@", 0) == 0) return value.substr(1);  // a text that begins with "@"
    constexpr std::string_view kBytes = "@ByteArray(";
    if (value.rfind(kBytes, 0) == 0 && value.back() == ')') return value.substr(kBytes.size(), value.size() - kBytes.size() - 1);
    return std::nullopt;  // @Variant(...), @Invalid() and other stored types
}

}  // namespace

std::map<std::string, std::string> parseSettingsFile(std::string_view text) {
    std::map<std::string, std::string> values;
    bool general = true;  // values before the first section are top-level ones too
    forEachLine(text, [&](std::string_view rawLine) {
        const std::string_view line = trimmed(rawLine);
        if (line.empty() || line.front() == ';' || line.front() == '#') return true;
        if (line.front() == '[') {
            general = line == "[General]";
            return true;
        }
        const size_t equals = line.find('=');
        if (!general || equals == std::string_view::npos) return true;
        const std::string name = unescapedName(trimmed(line.substr(0, equals)));
        if (name.empty() || name.find('/') != std::string::npos) return true;
        if (std::optional<std::string> value = valueText(trimmed(line.substr(equals + 1)))) values[name] = std::move(*value);
        return true;
    });
    return values;
}

}  // namespace lottodesk
