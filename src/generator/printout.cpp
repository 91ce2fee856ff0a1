#include "printout.h"

#include <algorithm>

#include "core/drawtext.h"
#include "core/gbk.h"

namespace lottodesk {
namespace {

// "第" and "条" are two bytes each in the file's code page; a label of more than eight digits is
// kept whole rather than cut inside a character.
void appendRowLabel(std::string& text, size_t index) {
    const std::string digits = std::to_string(index);
    text += "第" + digits + "条";
    const size_t bytes = 4 + digits.size();
    if (bytes < 12) text.append(12 - bytes, ' ');
}

void appendNumber(std::string& text, int number) {
    text += "      ";
    text += twoDigits(number);
}

// The header with the columns of `m` numbers: a six-number game has no "红号七" column.
std::string headerFor(int m) {
    const std::string_view header = kPrintoutHeader;
    size_t end = header.size();
    for (int columns = kMaxTicketNumbers; columns > m; --columns) end = header.rfind("  ", end - 1);
    return std::string(header.substr(0, end));
}

}  // namespace

std::string printoutText(const std::vector<Ticket>& tickets, int m) {
    m = std::clamp(m, 0, kMaxTicketNumbers);
    std::string text = headerFor(m) + "\r\n";
    text.reserve(text.size() + tickets.size() * (16 + 8 * static_cast<size_t>(m)));
    for (size_t i = 0; i < tickets.size(); ++i) {
        appendRowLabel(text, i + 1);
        for (int k = 0; k < m; ++k) appendNumber(text, tickets[i][static_cast<size_t>(k)]);
        text += "\r\n";
    }
    return text;
}

std::string printoutText(const std::vector<TwoZoneTicket>& tickets, int m, int h) {
    m = std::clamp(m, 0, kMaxTicketNumbers);
    h = std::clamp(h, 0, kMaxSecondaryTicketNumbers);
    std::string text = std::string(kPrintoutHeader) + "\r\n";
    for (size_t i = 0; i < tickets.size(); ++i) {
        appendRowLabel(text, i + 1);
        for (int k = 0; k < m; ++k) appendNumber(text, tickets[i].main[static_cast<size_t>(k)]);
        for (int k = 0; k < h; ++k) appendNumber(text, tickets[i].secondary[static_cast<size_t>(k)]);
        text += "\r\n";
    }
    return text;
}

std::string printoutPath(const std::string& programFolder) { return programFolder + kPrintoutFile; }

Status savePrintout(const std::string& path, const std::string& text, const FileLayer& layer) {
    return saveFileAtomically(path, utf8ToGbk(text), layer);
}

}  // namespace lottodesk
