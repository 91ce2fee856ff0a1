// Any bytes as the arguments of lottodesk-cli (one argument a line), run on a small program folder:
// the option reader never crashes, and every refusal is a usage error (1) or a stop with a message
// of the system (2), with its reason on stderr. The arguments stay inside the fuzz folders (no "/",
// no ".."; the program folder is the one given), and the commands whose runs are long by design
// (the generator's enumeration, the batch, the wheels, the formula search, the condition
// back-test) are left out, and so is `update`, which goes to the network; their options are read by
// the same code as the others.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "clifolder.h"

namespace {

void require(bool holds) {
    if (!holds) __builtin_trap();
}

constexpr size_t kMaxArgs = 16;
constexpr size_t kMaxArgBytes = 80;

bool longByDesign(const std::string& command, const std::vector<std::string>& args) {
    // `update` would reach the result services on the internet; fuzz_sources reads their answers.
    for (const char* name : {"filter", "batch", "wheel", "wheel-check", "search", "update"})
        if (command == name) return true;
    if (command == "conditions")
        for (const std::string& arg : args)
            if (arg == "--backtest") return true;
    return false;
}

// An argument as the fuzz run may pass it: paths stay in the working folder, the program folder
// is not replaced, and large counts are cut (a count of millions is a long run, not a fault).
std::string tamed(std::string arg) {
    for (char& c : arg)
        if (c == '/') c = '_';
    for (size_t at = arg.find(".."); at != std::string::npos; at = arg.find("..")) arg[at + 1] = '_';
    // The time limit ends the process at its deadline by design (exit 2 from a watch thread), which
    // would end the fuzz run too.
    if (arg == "--home" || arg == "--init" || arg == "--time-limit") return "--x";
    const bool digits = !arg.empty() && arg.size() <= 18 && arg.find_first_not_of("0123456789") == std::string::npos;
    if (digits && arg.size() != 7 && std::stoll(arg) > 2000) return std::to_string(std::stoll(arg) % 2000);
    return arg;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    fuzz::CliFolder& folder = fuzz::CliFolder::instance();

    std::vector<std::string> args(1);
    for (size_t i = 0; i < size && args.size() <= kMaxArgs; ++i) {
        if (data[i] == '\n')
            args.emplace_back();
        else if (args.back().size() < kMaxArgBytes)
            args.back() += static_cast<char>(data[i]);
    }
    if (args.size() > kMaxArgs) args.resize(kMaxArgs);
    for (std::string& arg : args) arg = tamed(std::move(arg));

    // The command as the reader finds it: the first argument after the global options.
    size_t i = 0;
    while (i < args.size() && args[i].rfind("-", 0) == 0)
        i += args[i] == "--init" || args[i] == "--version" || args[i] == "-h" || args[i] == "--help" ? 1 : 2;
    if (i < args.size() && longByDesign(args[i], args)) return 0;

    std::string out, err;
    const int code = folder.run(args, &out, &err);
    require(code == 0 || code == 1 || code == 2);
    if (code != 0) require(!err.empty());
    return 0;
}
