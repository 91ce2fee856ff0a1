#include "resultfile.h"

#include <algorithm>
#include <bitset>
#include <charconv>

#include "core/platform.h"

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

std::string twoDigitText(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

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

std::string ticketNumbersProblem(const uint8_t* numbers, int count, const TicketRange& range) {
    std::bitset<256> seen;
    for (int i = 0; i < count; ++i) {
        const int n = numbers[i];
        if (n < range.from || n > range.to)
            return "号码" + twoDigitText(n) + "不在" + std::to_string(range.from) + "到" + std::to_string(range.to) + "之间";
        if (seen[static_cast<size_t>(n)]) return "号码" + twoDigitText(n) + "重复";
        seen.set(static_cast<size_t>(n));
    }
    return {};
}

std::string quotedForMessage(std::string_view text, size_t limit) {
    if (text.size() <= limit) return std::string(text);
    size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // a whole UTF-8 character
    return std::string(text.substr(0, cut)) + "…";
}

namespace {

// Reads the tickets of one line after another, checking each as it comes.
class ResultLines {
public:
    ResultLines(int m, const TicketRange* range)
        : m_m(std::clamp(m, 0, static_cast<int>(std::tuple_size_v<Ticket>))), m_range(range) {}

    // False at the first bad line (result().error says which).
    bool line(std::string_view line) {
        ++m_lineNumber;
        Ticket ticket{};
        int count = 0;
        const char* p = line.data();
        const char* const end = p + line.size();
        // Fields are parted by blanks; the fields after the m-th are not read.
        while (count < m_m) {
            while (p < end && isBlank(*p)) ++p;
            if (p == end) break;
            const char* stop = p;
            while (stop < end && !isBlank(*stop)) ++stop;
            const std::string_view token(p, static_cast<size_t>(stop - p));
            if (!readNumber(token, ticket[static_cast<size_t>(count)])) return fail(quotedForMessage(token));
            ++count;
            p = stop;
        }
        if (count == 0) return true;  // a line without a field holds no ticket
        if (m_range) {
            if (count < m_m) return fail("应有" + std::to_string(m_m) + "个号码，实有" + std::to_string(count) + "个");
            if (std::string problem = ticketNumbersProblem(ticket.data(), m_m, *m_range); !problem.empty())
                return fail(problem);
        }
        m_result.tickets.push_back(ticket);
        return true;
    }

    ResultTextParse& result() { return m_result; }

private:
    bool fail(const std::string& what) {
        m_result.tickets.clear();
        m_result.tickets.shrink_to_fit();
        m_result.error = "组号文件第" + std::to_string(m_lineNumber) + "行有误：" + what;
        return false;
    }

    int m_m;
    const TicketRange* m_range;
    size_t m_lineNumber = 0;
    ResultTextParse m_result;
};

}  // namespace

ResultTextParse parseResultText(std::string_view text, int m, const TicketRange* range) {
    ResultLines lines(m, range);
    m = std::clamp(m, 0, static_cast<int>(std::tuple_size_v<Ticket>));
    if (m > 0) lines.result().tickets.reserve(text.size() / (3 * static_cast<size_t>(m) + 2));  // the file's own layout
    forEachLine(text, [&](std::string_view line) { return lines.line(line); });
    return std::move(lines.result());
}

Status saveResultFile(const std::string& path, const std::vector<Ticket>& tickets, int m, const FileLayer& layer) {
    return saveFileAtomically(path, encodeResultText(tickets, m), layer);
}

ResultTextParse loadResultFile(const std::string& path, int m, const TicketRange* range, size_t maxBytes) {
    ResultLines lines(m, range);
    // Sized once from the file's length, as a file the program wrote holds its tickets.
    const int mm = std::clamp(m, 1, static_cast<int>(std::tuple_size_v<Ticket>));
    if (const platform::FileInfo info = platform::fileInfo(path); info.kind == platform::FileKind::regular && info.size <= maxBytes)
        lines.result().tickets.reserve(static_cast<size_t>(info.size) / (3 * static_cast<size_t>(mm) + 2));
    return readTicketLines(path, maxBytes, lines,
                           "组号文件太大（超过" + std::to_string(maxBytes >> 20) + "MB），不是组号结果文件：" + path);
}

}  // namespace lottodesk
