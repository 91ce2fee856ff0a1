#pragma once
// What the command files of lottodesk-cli share: the exit status every command ends with, the
// usage message of a command whose arguments do not fit, and rows printed TAB-separated.

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lottodesk::cli {

inline constexpr int kDone = 0;     // done
inline constexpr int kUsage = 1;    // the arguments do not fit the command
inline constexpr int kStopped = 2;  // stopped with a message

// Writes the command's usage text and returns kUsage.
inline int usage(std::ostream& err, const std::string& text) {
    err << text << "\n";
    return kUsage;
}

// The "--name value" pairs of args[from..] (by default after a view's name, args[0]), each name
// at most once and one of `allowed`; nothing when they do not fit.
inline std::optional<std::map<std::string, std::string>> viewOptions(const std::vector<std::string>& args,
                                                                     const std::vector<std::string>& allowed,
                                                                     size_t from = 1) {
    std::map<std::string, std::string> parsed;
    for (size_t i = from; i < args.size(); i += 2) {
        bool known = false;
        for (const std::string& name : allowed) known = known || args[i] == name;
        if (!known || i + 1 >= args.size() || parsed.count(args[i])) return std::nullopt;
        parsed[args[i]] = args[i + 1];
    }
    return parsed;
}

// The value given for option `name`, else `fallback`.
inline std::string optionOr(const std::map<std::string, std::string>& options, const char* name, const char* fallback) {
    auto it = options.find(name);
    return it == options.end() ? std::string(fallback) : it->second;
}

// One row of a table: the cells TAB-separated, then a line end.
inline void printRow(std::ostream& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) out << (i ? "\t" : "") << cells[i];
    out << '\n';
}

}  // namespace lottodesk::cli
