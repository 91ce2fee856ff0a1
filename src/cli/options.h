#pragma once
// The one reader of a command's arguments: plain (positional) arguments, "--name value" options
// (some take two values, as "--range LO HI") and "--flag" switches. Each option at most once.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lottodesk::cli {

// An option a command takes: its name and how many values follow it (0 for a switch).
struct OptionSpec {
    std::string name;
    int values = 1;
};

// Shorthands for a command's option list.
inline OptionSpec valued(std::string name, int values = 1) { return {std::move(name), values}; }
inline OptionSpec flagged(std::string name) { return {std::move(name), 0}; }

class Options {
public:
    std::vector<std::string> positional;

    bool has(const std::string& name) const { return m_values.count(name) > 0; }
    // The i-th value of option `name` (the option must be present).
    const std::string& value(const std::string& name, size_t i = 0) const { return m_values.at(name).at(i); }
    // The first value of option `name`, or `fallback` when it is not given.
    std::string valueOr(const std::string& name, const std::string& fallback) const {
        const auto it = m_values.find(name);
        return it == m_values.end() ? fallback : it->second.front();
    }
    // Whether the options given include any but `allowed` (an option list of one mode of a command).
    bool onlyAmong(const std::vector<std::string>& allowed) const;

private:
    friend std::optional<Options> readOptions(const std::vector<std::string>&, const std::vector<OptionSpec>&, size_t,
                                              std::string&, size_t);
    std::map<std::string, std::vector<std::string>> m_values;
};

// Reads args[from..]: up to `maxPositional` arguments that do not start with "--", and the options
// of `spec`. Nothing, with `problem` set to the reason ("未知选项: --x", "选项缺少参数: --x",
// "选项重复: --x", "多余的参数: x"), when they do not fit.
std::optional<Options> readOptions(const std::vector<std::string>& args, const std::vector<OptionSpec>& spec,
                                   size_t maxPositional, std::string& problem, size_t from = 0);

}  // namespace lottodesk::cli
