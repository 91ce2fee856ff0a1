#include "cli/options.h"

#include <algorithm>

namespace lottodesk::cli {

bool Options::onlyAmong(const std::vector<std::string>& allowed) const {
    return std::all_of(m_values.begin(), m_values.end(), [&](const auto& entry) {
        return std::find(allowed.begin(), allowed.end(), entry.first) != allowed.end();
    });
}

std::optional<Options> readOptions(const std::vector<std::string>& args, const std::vector<OptionSpec>& spec,
                                   size_t maxPositional, std::string& problem, size_t from) {
    Options options;
    for (size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (options.positional.size() >= maxPositional) {
                problem = "多余的参数: " + arg;
                return std::nullopt;
            }
            options.positional.push_back(arg);
            continue;
        }
        const auto known = std::find_if(spec.begin(), spec.end(), [&](const OptionSpec& o) { return o.name == arg; });
        if (known == spec.end()) {
            problem = "未知选项: " + arg;
            return std::nullopt;
        }
        if (options.has(arg)) {
            problem = "选项重复: " + arg;
            return std::nullopt;
        }
        if (i + static_cast<size_t>(known->values) >= args.size()) {
            problem = "选项缺少参数: " + arg;
            return std::nullopt;
        }
        std::vector<std::string>& values = options.m_values[arg];
        if (known->values == 0) values.emplace_back();
        for (int k = 0; k < known->values; ++k) values.push_back(args[++i]);
    }
    return options;
}

}  // namespace lottodesk::cli
