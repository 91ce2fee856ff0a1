#include "resultfile.h"

#include <charconv>

namespace lottodesk {

std::string encodeResultText(const std::vector<Ticket>& tickets, int m) {
    std::string text;
    text.reserve(tickets.size() * (3 * static_cast<size_t>(m) + 2));
    for (const Ticket& ticket : tickets) {
        text += ticketLine(ticket, m);
        text += "\r\n";
    }
    return text;
}

ResultTextParse parseResultText(std::string_view text, int m) {
    ResultTextParse result;
    size_t lineNumber = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        Ticket ticket{};
        int count = 0;
        size_t at = 0;
        while (count < m) {
            while (at < line.size() && (line[at] == ' ' || line[at] == '\t' || line[at] == '\r')) ++at;
            if (at >= line.size()) break;
            size_t stop = at;
            while (stop < line.size() && line[stop] != ' ' && line[stop] != '\t' && line[stop] != '\r') ++stop;
            int value = 0;
            auto [ptr, ec] = std::from_chars(line.data() + at, line.data() + stop, value);
            if (ec != std::errc() || ptr != line.data() + stop || value < 0 || value > 255) {
                result.tickets.clear();
                result.error = "组号文件第" + std::to_string(lineNumber) + "行有误：" + std::string(line.substr(at, stop - at));
                return result;
            }
            ticket[count++] = static_cast<uint8_t>(value);
            at = stop;
        }
        if (count > 0) result.tickets.push_back(ticket);  // blank lines hold no ticket
    }
    return result;
}

}  // namespace lottodesk
