#pragma once
// A small JSON reader for the result services' answers: the whole text becomes a tree of values,
// or nothing with the place of the first error. It never throws, bounds its nesting, and keeps
// numbers as their text, so a reader can take "2023118" and 2023118 alike.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lottodesk::json {

class Value {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind() const { return m_kind; }
    bool isObject() const { return m_kind == Kind::Object; }
    bool isArray() const { return m_kind == Kind::Array; }

    // A member of an object (nullptr when absent or not an object).
    const Value* member(std::string_view name) const;
    // The elements of an array (empty for anything else).
    const std::vector<Value>& elements() const;
    // The text of a string, or the digits of a number as written; nullopt for other kinds.
    std::optional<std::string> text() const;
    // A string or number read as an integer: blanks, thousands separators (",") and a decimal part
    // (left out: "1,234", "5000000.56" is 5000000) are allowed; nullopt when it is none or leaves
    // the range of a 64-bit integer.
    std::optional<long long> integer() const;

private:
    friend class Parser;
    Kind m_kind = Kind::Null;
    bool m_bool = false;
    std::string m_text;                                  // string or number text
    std::vector<Value> m_elements;                       // array
    std::vector<std::pair<std::string, Value>> m_members;  // object, in order
};

struct Parse {
    std::optional<Value> value;
    std::string error;  // empty on success; else where and what
};

// Parses `text` (UTF-8; a byte-order mark is skipped). Nesting deeper than 64 levels is an error.
Parse parse(std::string_view text);

// Digits, blanks and separators of a text read as an integer (see Value::integer).
std::optional<long long> integerOf(std::string_view text);

}  // namespace lottodesk::json
