#include "json.h"

#include <cstdint>

namespace lottodesk::json {

const Value* Value::member(std::string_view name) const {
    for (const auto& [key, value] : m_members)
        if (key == name) return &value;
    return nullptr;
}

const std::vector<Value>& Value::elements() const {
    static const std::vector<Value> none;
    return m_kind == Kind::Array ? m_elements : none;
}

std::optional<std::string> Value::text() const {
    if (m_kind == Kind::String || m_kind == Kind::Number) return m_text;
    return std::nullopt;
}

std::optional<long long> Value::integer() const {
    if (m_kind != Kind::String && m_kind != Kind::Number) return std::nullopt;
    return integerOf(m_text);
}

std::optional<long long> integerOf(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (value > (INT64_MAX - (c - '0')) / 10) return std::nullopt;
            value = value * 10 + (c - '0');
            ++digits;
        } else if (c == ',' && digits > 0) {
            continue;  // a thousands separator
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && text[i] == '.') {  // fen of an amount in yuan are left out
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        }
    }
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i != text.size()) return std::nullopt;
    return negative ? -value : value;
}

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    Parse run() {
        Parse result;
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_at = 3;
        Value value;
        if (!parseValue(value, 0)) {
            result.error = m_error;
            return result;
        }
        skipBlanks();
        if (m_at != m_text.size()) {
            result.error = errorAt("多余的内容");
            return result;
        }
        result.value = std::move(value);
        return result;
    }

private:
    static constexpr int kMaxDepth = 64;

    std::string errorAt(const char* what) { return "JSON第" + std::to_string(m_at + 1) + "个字符处有误：" + what; }

    bool fail(const char* what) {
        if (m_error.empty()) m_error = errorAt(what);
        return false;
    }

    void skipBlanks() {
        while (m_at < m_text.size() &&
               (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\r' || m_text[m_at] == '\n'))
            ++m_at;
    }

    bool literal(std::string_view word) {
        if (m_text.substr(m_at, word.size()) != word) return fail("无法识别的值");
        m_at += word.size();
        return true;
    }

    bool parseValue(Value& out, int depth) {
        if (depth > kMaxDepth) return fail("嵌套太深");
        skipBlanks();
        if (m_at >= m_text.size()) return fail("内容不完整");
        const char c = m_text[m_at];
        if (c == '{') return parseObject(out, depth);
        if (c == '[') return parseArray(out, depth);
        if (c == '"') {
            out.m_kind = Value::Kind::String;
            return parseString(out.m_text);
        }
        if (c == 't' || c == 'f') {
            out.m_kind = Value::Kind::Bool;
            out.m_bool = c == 't';
            return literal(c == 't' ? "true" : "false");
        }
        if (c == 'n') {
            out.m_kind = Value::Kind::Null;
            return literal("null");
        }
        if (c == '-' || (c >= '0' && c <= '9')) return parseNumber(out);
        return fail("无法识别的值");
    }

    bool parseNumber(Value& out) {
        const size_t start = m_at;
        if (m_text[m_at] == '-') ++m_at;
        auto digits = [&] {
            const size_t from = m_at;
            while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') ++m_at;
            return m_at > from;
        };
        if (!digits()) return fail("数字有误");
        if (m_at < m_text.size() && m_text[m_at] == '.') {
            ++m_at;
            if (!digits()) return fail("数字有误");
        }
        if (m_at < m_text.size() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
            ++m_at;
            if (m_at < m_text.size() && (m_text[m_at] == '+' || m_text[m_at] == '-')) ++m_at;
            if (!digits()) return fail("数字有误");
        }
        out.m_kind = Value::Kind::Number;
        out.m_text = std::string(m_text.substr(start, m_at - start));
        return true;
    }

    static void appendUtf8(std::string& out, uint32_t cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    bool hex4(uint32_t& value) {
        if (m_at + 4 > m_text.size()) return fail("字符串不完整");
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            value <<= 4;
            if (c >= '0' && c <= '9') value |= static_cast<uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f') value |= static_cast<uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') value |= static_cast<uint32_t>(c - 'A' + 10);
            else return fail("\\u 后应为四位十六进制数");
        }
        return true;
    }

    bool parseString(std::string& out) {
        ++m_at;  // the opening quote
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return fail("字符串中有控制字符");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_at >= m_text.size()) break;
            const char e = m_text[m_at++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                uint32_t cp = 0;
                if (!hex4(cp)) return false;
                if (cp >= 0xD800 && cp < 0xDC00 && m_text.substr(m_at, 2) == "\\u") {
                    m_at += 2;
                    uint32_t low = 0;
                    if (!hex4(low)) return false;
                    cp = (low >= 0xDC00 && low < 0xE000) ? 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00) : 0xFFFD;
                } else if (cp >= 0xD800 && cp < 0xE000) {
                    cp = 0xFFFD;  // a lone surrogate
                }
                appendUtf8(out, cp);
                break;
            }
            default: return fail("无法识别的转义字符");
            }
        }
        return fail("字符串不完整");
    }

    bool parseArray(Value& out, int depth) {
        out.m_kind = Value::Kind::Array;
        ++m_at;
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == ']') {
            ++m_at;
            return true;
        }
        while (true) {
            Value element;
            if (!parseValue(element, depth + 1)) return false;
            out.m_elements.push_back(std::move(element));
            skipBlanks();
            if (m_at >= m_text.size()) return fail("内容不完整");
            if (m_text[m_at] == ',') {
                ++m_at;
                continue;
            }
            if (m_text[m_at] == ']') {
                ++m_at;
                return true;
            }
            return fail("数组中缺少\",\"或\"]\"");
        }
    }

    bool parseObject(Value& out, int depth) {
        out.m_kind = Value::Kind::Object;
        ++m_at;
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == '}') {
            ++m_at;
            return true;
        }
        while (true) {
            skipBlanks();
            if (m_at >= m_text.size() || m_text[m_at] != '"') return fail("应为带引号的名称");
            std::string key;
            if (!parseString(key)) return false;
            skipBlanks();
            if (m_at >= m_text.size() || m_text[m_at] != ':') return fail("名称后缺少\":\"");
            ++m_at;
            Value value;
            if (!parseValue(value, depth + 1)) return false;
            out.m_members.emplace_back(std::move(key), std::move(value));
            skipBlanks();
            if (m_at >= m_text.size()) return fail("内容不完整");
            if (m_text[m_at] == ',') {
                ++m_at;
                continue;
            }
            if (m_text[m_at] == '}') {
                ++m_at;
                return true;
            }
            return fail("对象中缺少\",\"或\"}\"");
        }
    }

    std::string_view m_text;
    size_t m_at = 0;
    std::string m_error;
};

Parse parse(std::string_view text) { return Parser(text).run(); }

}  // namespace lottodesk::json
