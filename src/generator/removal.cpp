#include "removal.h"

#include <algorithm>
#include <bit>

#include "core/drawtext.h"
#include "core/fileio.h"
#include "prizecheck.h"

namespace lottodesk {
namespace {

// The first m bytes of a ticket as one key; bit 63 marks a used slot of the set.
uint64_t ticketKey(const Ticket& ticket, int m) {
    uint64_t key = 0;
    for (int i = 0; i < m; ++i) key |= uint64_t{ticket[static_cast<size_t>(i)]} << (8 * i);
    return key | (uint64_t{1} << 63);
}

// An open-addressing set of ticket keys, sized once for the list: one probe sequence per result.
class TicketSet {
public:
    explicit TicketSet(size_t count) {
        const size_t slots = std::bit_ceil(std::max<size_t>(16, count * 2));
        m_shift = 64 - std::countr_zero(slots);
        m_slots.assign(slots, 0);
    }
    void insert(uint64_t key) {
        for (size_t at = slot(key);; at = (at + 1) & (m_slots.size() - 1)) {
            if (m_slots[at] == key) return;
            if (m_slots[at] == 0) {
                m_slots[at] = key;
                return;
            }
        }
    }
    bool contains(uint64_t key) const {
        for (size_t at = slot(key);; at = (at + 1) & (m_slots.size() - 1)) {
            if (m_slots[at] == key) return true;
            if (m_slots[at] == 0) return false;
        }
    }

private:
    size_t slot(uint64_t key) const { return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> m_shift); }
    std::vector<uint64_t> m_slots;
    int m_shift = 60;
};

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    return line;
}

// The line's m numbers, sorted; false when it is not exactly m numbers of one or two digits.
bool parseLine(std::string_view line, int m, Ticket& ticket) {
    ticket = {};
    int count = 0;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        if (at == line.size()) break;
        size_t stop = at;
        while (stop < line.size() && line[stop] != ' ' && line[stop] != '\t') ++stop;
        const std::string_view field = line.substr(at, stop - at);
        if (count == m || field.size() > 2 ||
            !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        int value = 0;
        for (char c : field) value = value * 10 + (c - '0');
        ticket[static_cast<size_t>(count++)] = static_cast<uint8_t>(value);
        at = stop;
    }
    if (count != m) return false;
    std::sort(ticket.begin(), ticket.begin() + m);
    return true;
}

}  // namespace

std::string removalLineError(size_t line) { return "第" + std::to_string(line) + "行号码组有误，请正确填入"; }

RemovalListParse parseRemovalList(std::string_view text, int m) {
    RemovalListParse result;
    m = std::clamp(m, 1, kMaxTicketNumbers);
    size_t lineNumber = 0, firstEmpty = 0;
    forEachLine(text, [&](std::string_view raw) {
        ++lineNumber;
        const std::string_view line = trimmed(raw);
        if (line.empty()) {
            if (firstEmpty == 0) firstEmpty = lineNumber;
            return true;
        }
        if (firstEmpty != 0) {  // an empty line with tickets after it
            result.error = removalLineError(firstEmpty);
            return false;
        }
        Ticket ticket;
        if (!parseLine(line, m, ticket)) {
            result.error = removalLineError(lineNumber);
            return false;
        }
        result.tickets.push_back(ticket);
        return true;
    });
    if (!result.ok()) result.tickets.clear();
    return result;
}

size_t removeListed(MainResults& results, int m, const std::vector<Ticket>& listed) {
    m = std::clamp(m, 1, kMaxTicketNumbers);  // as the list is read
    clearHits(results.tickets, m);
    if (listed.empty()) return 0;
    TicketSet set(listed.size());
    for (const Ticket& ticket : listed) set.insert(ticketKey(ticket, m));
    std::vector<Ticket>& tickets = results.tickets;
    const bool withTags = results.tags.size() == tickets.size();
    size_t kept = 0;
    for (size_t i = 0; i < tickets.size(); ++i) {
        if (set.contains(ticketKey(tickets[i], m))) continue;
        if (kept != i) {
            tickets[kept] = tickets[i];
            if (withTags) results.tags[kept] = results.tags[i];
        }
        ++kept;
    }
    const size_t removed = tickets.size() - kept;
    tickets.resize(kept);
    if (withTags) results.tags.resize(kept);
    return removed;
}

RemovalOutcome removeListedText(MainResults& results, int m, std::string_view listText) {
    RemovalOutcome outcome;
    const RemovalListParse parsed = parseRemovalList(listText, m);
    if (!parsed.ok()) {
        clearHits(results.tickets, std::clamp(m, 1, kMaxTicketNumbers));
        outcome.status = Status::failure(StatusCode::BadFileContent, parsed.error);
        return outcome;
    }
    outcome.removed = removeListed(results, m, parsed.tickets);
    return outcome;
}

std::string encodeRemovalList(const std::vector<Ticket>& tickets, int m) {
    m = std::clamp(m, 0, kMaxTicketNumbers);
    std::string text;
    for (const Ticket& ticket : tickets) {
        for (int i = 0; i < m; ++i) {
            if (i > 0) text += ' ';
            text += twoDigits(ticket[static_cast<size_t>(i)]);
        }
        text += "\r\n";
    }
    return text;
}

std::string removalHint(int m) {
    std::string example;
    if (m == 5) {
        example = "01 03 06 07 09";
    } else if (m == 6) {
        example = "01 03 04 08 09 12";
    } else {
        static const int numbers[] = {1, 2, 5, 7, 9, 13, 14};
        for (int i = 0; i < std::clamp(m, 1, 7); ++i) example += (i > 0 ? " " : "") + twoDigits(numbers[i]);
    }
    return "号码组格式如：" + example +
           "，当输完一条组号，可按回车键换行输入下一条组号（不能留空行,号码间只能一个空格）";
}

}  // namespace lottodesk
