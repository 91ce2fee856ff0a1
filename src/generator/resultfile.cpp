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

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// A number token: one to three digits are read directly (every line the program writes), any
// other token goes through from_chars so the rules stay those of a general integer.
bool readNumber(std::string_view token, uint8_t& out) {
    unsigned value = 0;
    if (token.size() <= 3) {
        bool digits = true;
        for (char c : token) {
            digits = digits && c >= '0' && c <= '9';
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        if (digits) {
            out = static_cast<uint8_t>(value);
            return value <= 255;
        }
    }
    int parsed = 0;
    auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), parsed);
    if (ec != std::errc() || ptr != token.data() + token.size() || parsed < 0 || parsed > 255) return false;
    out = static_cast<uint8_t>(parsed);
    return true;
}

}  // namespace

ResultTextParse parseResultText(std::string_view text, int m) {
    ResultTextParse result;
    m = std::clamp(m, 0, static_cast<int>(std::tuple_size_v<Ticket>));
    if (m > 0) result.tickets.reserve(text.size() / (3 * static_cast<size_t>(m) + 2));  // the file's own layout
    text = withoutByteOrderMark(text);
    // One pass over the bytes: a line ends at CR, LF or CR LF; fields are parted by blanks; the
    // fields after the m-th are not read; a line without a field holds no ticket.
    const char* p = text.data();
    const char* const end = p + text.size();
    size_t lineNumber = 0;
    while (p < end) {
        ++lineNumber;
        Ticket ticket{};
        int count = 0;
        while (count < m) {
            while (p < end && isBlank(*p)) ++p;
            if (p == end || isLineEnd(*p)) break;
            const char* stop = p;
            while (stop < end && !isBlank(*stop) && !isLineEnd(*stop)) ++stop;
            const std::string_view token(p, static_cast<size_t>(stop - p));
            if (!readNumber(token, ticket[static_cast<size_t>(count)])) {
                result.tickets.clear();
                result.error = "组号文件第" + std::to_string(lineNumber) + "行有误：" + std::string(token);
                return result;
            }
            ++count;
            p = stop;
        }
        if (count > 0) result.tickets.push_back(ticket);
        while (p < end && !isLineEnd(*p)) ++p;
        if (p < end && *p++ == '\r' && p < end && *p == '\n') ++p;
    }
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
