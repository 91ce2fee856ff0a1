// The analysis views of `lottodesk-cli table` with random option values: the input picks a view,
// the lottery type, a data transform and a sequence of the view's options (read from
// `lottodesk-cli help table`), each with a listed value, a number (small, extreme or a period of
// the history) or a few raw bytes. Whatever the values, a view prints its table (exit 0) or
// refuses with its reason (exit 1 or 2); ranges, windows, counts and zones never crash.
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "clifolder.h"

namespace {

void require(bool holds) {
    if (!holds) __builtin_trap();
}

struct Option {
    std::string name;
    std::vector<std::string> values;  // the listed values; placeholders (P, N, K, 名称, ..) left out
};

struct View {
    std::string name;
    std::vector<Option> options;
};

bool placeholder(const std::string& value) {
    if (value.empty()) return true;
    for (unsigned char c : value)
        if (!(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9')) return value == "名称";
    return value[0] >= 'A' && value[0] <= 'Z';
}

// The views and their options as the help lists them: a view line starts with two blanks and the
// view's name, an option line with four blanks and "--"; values follow an option separated by "|".
std::vector<View> viewsFromHelp(const std::string& help) {
    std::vector<View> views;
    std::istringstream lines(help);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() > 2 && line.compare(0, 2, "  ") == 0 && line[2] != ' ') {
            const std::string name = line.substr(2, line.find(' ', 2) - 2);
            if (name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") == std::string::npos)
                views.push_back({name, {}});
            continue;
        }
        if (views.empty() || line.compare(0, 6, "    --") != 0) continue;
        // "--a X|Y --b Z  description": the options up to the first double blank.
        const std::string head = line.substr(4, line.find("  ", 4) - 4);
        std::istringstream words(head);
        std::string word;
        while (words >> word) {
            if (word.rfind("--", 0) == 0) {
                views.back().options.push_back({word, {}});
            } else if (!views.back().options.empty()) {
                size_t start = 0;
                while (start <= word.size()) {
                    const size_t bar = std::min(word.find('|', start), word.size());
                    const std::string value = word.substr(start, bar - start);
                    if (!placeholder(value)) views.back().options.back().values.push_back(value);
                    start = bar + 1;
                }
            }
        }
    }
    return views;
}

// Reads the input front to back; past its end every read is 0.
struct Bytes {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    bool more() const { return at < size; }
    uint8_t next() { return at < size ? data[at++] : 0; }
};

std::string value(Bytes& in, const Option& option, const std::vector<int32_t>& periods) {
    static const char* const kNumbers[] = {"0",   "-1",  "1",         "2",          "3",           "4",
                                           "5",   "15",  "16",        "20",         "49",          "50",
                                           "100", "201", "2001",      "65536",      "2147483647",  "-2147483648",
                                           "2147483648",  "99999999999", "1e3", "3.5", "", "所有"};
    const uint8_t kind = in.next();
    switch (kind % 6) {
        case 0:
            if (!option.values.empty()) return option.values[in.next() % option.values.size()];
            [[fallthrough]];
        case 1:
            return std::to_string(static_cast<int8_t>(in.next()));
        case 2:
            return kNumbers[in.next() % std::size(kNumbers)];
        case 3: {
            // A period of the history, or one next to it, or a reserved or missing one.
            const uint8_t pick = in.next();
            if (periods.empty() || pick % 8 == 7) return pick % 2 ? "9999999" : "2003001";
            const int32_t period = periods[pick % periods.size()];
            return std::to_string(period + (pick / 64) - 1);
        }
        case 4: {
            std::string raw;
            for (int n = in.next() % 5; n > 0; --n) raw += static_cast<char>(in.next());
            for (char& c : raw)
                if (c == '/') c = '_';
            return raw;
        }
        default:
            return option.name;  // an option where a value belongs
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    fuzz::CliFolder& folder = fuzz::CliFolder::instance();
    static const std::vector<View> views = [&] {
        std::string help;
        if (folder.run({"help", "table"}, &help) != 0) __builtin_trap();
        std::vector<View> found = viewsFromHelp(help);
        if (found.empty()) __builtin_trap();
        return found;
    }();

    Bytes in{data, size};
    const uint8_t setup = in.next();
    std::vector<std::string> args;
    // The lottery type: 双色球 (0), 超级大乐透 (1), or one whose history is the default record.
    if (setup & 0x03) args.insert(args.end(), {"--type", std::to_string((setup & 0x03) == 3 ? 5 : (setup & 0x03) - 1)});
    if (setup & 0x04) args.insert(args.end(), {"--transform", std::to_string(1 + (setup >> 3) % 4)});
    const View& view = views[in.next() % views.size()];
    args.insert(args.end(), {"table", view.name});
    for (int n = 0; n < 8 && in.more(); ++n) {
        if (view.options.empty()) break;
        const Option& option = view.options[in.next() % view.options.size()];
        args.push_back(option.name);
        if (in.more()) args.push_back(value(in, option, folder.periods()));
    }

    std::string out, err;
    const int code = folder.run(args, &out, &err);
    require(code == 0 || code == 1 || code == 2);
    if (code != 0) require(!err.empty());
    return 0;
}
