#include "coveringtable.h"

#include <charconv>

namespace lottodesk {

extern const char* const kCoveringTableText;  // generated from data/covering_ljcr.csv

CoveringTableParse parseCoveringTable(std::string_view text) {
    CoveringTableParse parse;
    int lineNumber = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (lineNumber == 1 || line.empty()) continue;  // the header
        int fields[5] = {};
        int count = 0;
        bool good = true;
        for (size_t at = 0; good;) {
            const size_t comma = line.find(',', at);
            const std::string_view field = line.substr(at, comma == std::string_view::npos ? line.npos : comma - at);
            int value = 0;
            const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
            good = count < 5 && !field.empty() && ec == std::errc() && ptr == field.data() + field.size();
            if (good) fields[count++] = value;
            if (comma == std::string_view::npos) break;
            at = comma + 1;
        }
        const bool complete = good && count == 5;
        if (!complete || fields[0] < 1 || fields[1] < 1 || fields[2] < 0 || fields[3] < 1 || fields[3] > fields[4]) {
            parse.rows.clear();
            parse.error = "覆盖表第" + std::to_string(lineNumber) + "行有误";
            return parse;
        }
        parse.rows.push_back({fields[0], fields[1], fields[2], fields[3], fields[4]});
    }
    return parse;
}

std::optional<CoveringBound> bestKnownCovering(int v, int k, int t) {
    if (v < 1 || k < 1 || t < 0 || t > k) return std::nullopt;
    if (t == 0 || k >= v) return CoveringBound{v, k, t, 1, 1};
    if (t == 1) {
        const int n = (v + k - 1) / k;
        return CoveringBound{v, k, t, n, n};
    }
    static const CoveringTableParse table = parseCoveringTable(kCoveringTableText);
    for (const CoveringBound& row : table.rows)
        if (row.v == v && row.k == k && row.t == t) return row;
    return std::nullopt;
}

}  // namespace lottodesk
