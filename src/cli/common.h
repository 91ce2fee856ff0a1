#pragma once
// What the command files of lottodesk-cli share: the exit status every command ends with, the
// usage message of a command whose arguments do not fit, integer options bounded as the window's
// controls bound them, seeds, and the text of one TSV field.

#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "core/integertext.h"

namespace lottodesk::cli {

inline constexpr int kDone = 0;     // done
inline constexpr int kUsage = 1;    // the arguments do not fit the command
inline constexpr int kStopped = 2;  // stopped with a message

// Writes the command's usage text and returns kUsage.
inline int usage(std::ostream& err, const std::string& text) {
    err << text << "\n";
    return kUsage;
}

// Writes the command's usage text (when there is one), then what was wrong; returns kUsage.
inline int refuse(std::ostream& err, const char* usageText, const std::string& message) {
    if (usageText) err << usageText << "\n";
    err << message << "\n";
    return kUsage;
}

// The values an integer option may take, both ends included. A count without a natural upper end
// (a number of recent draws: more than the history takes it all) has hi = INT_MAX.
struct Bounds {
    int lo;
    int hi;
};

// "--name 必须是 LO..HI 之间的整数" ("--name 必须是正整数" for 1..INT_MAX).
inline std::string boundsMessage(const std::string& name, Bounds bounds) {
    if (bounds.lo == 1 && bounds.hi == INT_MAX) return name + " 必须是正整数";
    return name + " 必须是 " + std::to_string(bounds.lo) + ".." + std::to_string(bounds.hi) + " 之间的整数";
}

// The integer `text` when it lies in `bounds`. Otherwise nothing, after the usage text (when
// given) and `message` (by default boundsMessage) went to err; the caller then ends with kUsage.
// Text beyond 32 bits is no integer, so nothing downstream sees a wrapped value.
inline std::optional<int> boundedValue(const std::string& text, const std::string& name, Bounds bounds,
                                       std::ostream& err, const char* usageText = nullptr,
                                       const std::string& message = {}) {
    const std::optional<int> value = parseInteger(text);
    if (value && *value >= bounds.lo && *value <= bounds.hi) return value;
    refuse(err, usageText, message.empty() ? boundsMessage(name, bounds) : message);
    return std::nullopt;
}

// The value given for option `name`, bounded as boundedValue bounds it, or `fallback` when the
// option is not given (a default is the caller's and is not checked against `bounds`).
inline std::optional<int> boundedOption(const Options& options, const std::string& name, int fallback, Bounds bounds,
                                        std::ostream& err, const char* usageText = nullptr,
                                        const std::string& message = {}) {
    if (!options.has(name)) return fallback;
    return boundedValue(options.value(name), name, bounds, err, usageText, message);
}

// The index of `text` among `names`, or `text` as a plain index below names.size().
inline std::optional<int> choiceOf(const std::string& text, const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == text) return static_cast<int>(i);
    const std::optional<int> n = parseInteger(text);
    if (n && *n >= 0 && *n < static_cast<int>(names.size())) return n;
    return std::nullopt;
}

// A list entry given by its index or its name ("--order K|名称"), `fallback` when not given; any
// other value is refused as boundedValue refuses it ("--order 必须是 0..20 之间的整数或其名称").
inline std::optional<int> numberedChoice(const Options& options, const std::string& name, const char* fallback,
                                         const std::vector<std::string>& names, std::ostream& err,
                                         const char* usageText = nullptr) {
    const std::optional<int> index = choiceOf(options.valueOr(name, fallback), names);
    if (!index) refuse(err, usageText, boundsMessage(name, {0, static_cast<int>(names.size()) - 1}) + "或其名称");
    return index;
}

// A text that goes into one TAB-separated field: TABs and line ends inside become blanks.
inline std::string field(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

// A seed ("--seed S"): a whole number 0..2^64-1, or nothing.
inline std::optional<uint64_t> seedValue(const std::string& text) {
    uint64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace lottodesk::cli
