#include "resultfile.h"

#include <algorithm>
#include <charconv>

namespace lottodesk {

std::string encodeResultText(const std::vector<Ticket>& tickets, int m) {
    m = std::clamp(m, 0, static_cast<int>(std::tuple_size_v<Ticket>));
    // Written straight into one buffer: a million lines built as small strings cost more than the
    // disk write. Numbers of 100 and more take three digits, as twoDigits writes them.
    std::string text;
    text.reserve(tickets.size() * (3 * static_cast<size_t>(m) + 2));
    for (const Ticket& ticket : tickets) {
        for (int i = 0; i < m; ++i) {
            const unsigned v = ticket[static_cast<size_t>(i)];
            if (v >= 100) text += static_cast<char>('0' + v / 100);
            text += static_cast<char>('0' + v / 10 % 10);
            text += static_cast<char>('0' + v % 10);
            text += ' ';
        }
        text += "\r\n";
    }
    return text;
}

ResultTextParse parseResultText(std::string_view text, int m) {
    ResultTextParse result;
    m = std::clamp(m, 0, static_cast<int>(std::tuple_size_v<Ticket>));
    if (m > 0) result.tickets.reserve(text.size() / (3 * static_cast<size_t>(m) + 2));  // the file's own layout
    size_t lineNumber = 0;
    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        Ticket ticket{};
        int count = 0;
        size_t at = 0;
        while (count < m) {
            while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
            if (at >= line.size()) break;
            size_t stop = at;
            while (stop < line.size() && line[stop] != ' ' && line[stop] != '\t') ++stop;
            int value = 0;
            auto [ptr, ec] = std::from_chars(line.data() + at, line.data() + stop, value);
            if (ec != std::errc() || ptr != line.data() + stop || value < 0 || value > 255) {
                result.tickets.clear();
                result.error =
                    "组号文件第" + std::to_string(lineNumber) + "行有误：" + std::string(line.substr(at, stop - at));
                return false;
            }
            ticket[count++] = static_cast<uint8_t>(value);
            at = stop;
        }
        if (count > 0) result.tickets.push_back(ticket);  // blank lines hold no ticket
        return true;
    });
    return result;
}

Status saveResultFile(const std::string& path, const std::vector<Ticket>& tickets, int m, const FileLayer& layer) {
    return saveFileAtomically(path, encodeResultText(tickets, m), layer);
}

ResultTextParse loadResultFile(const std::string& path, int m) {
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) {
        ResultTextParse failed;
        failed.error = "无法读取文件：" + path;
        return failed;
    }
    return parseResultText(*text, m);
}

}  // namespace lottodesk
