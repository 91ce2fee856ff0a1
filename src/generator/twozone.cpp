#include "twozone.h"

#include <algorithm>
#include <charconv>
#include <numeric>

#include "core/drawtext.h"
#include "resultfile.h"

namespace lottodesk {
namespace {

TwoZoneTicket joined(const Ticket& main, int m, const Ticket& secondary, int h) {
    TwoZoneTicket ticket;
    std::copy_n(main.begin(), m, ticket.main.begin());
    std::copy_n(secondary.begin(), h, ticket.secondary.begin());
    return ticket;
}

// Takes the last `take` of `sequence` after shuffling them in: every take-set equally likely.
void partialShuffle(std::vector<uint8_t>& sequence, int take, RandomSource& random) {
    const int n = static_cast<int>(sequence.size());
    for (int i = n - 1; i >= n - take; --i)
        std::swap(sequence[static_cast<size_t>(i)], sequence[random.below(static_cast<uint64_t>(i) + 1)]);
}

}  // namespace

std::string noSecondaryResultsMessage(const std::string& specname) {
    return specname + "没有过滤结果，请先得出" + specname + "过滤结果";
}

std::string twoZoneStatusText(size_t count) { return "超强组号  已得到双区组合数有" + std::to_string(count) + "个"; }

MatchOutcome matchZones(const std::vector<Ticket>& mainResults, int m, const std::vector<Ticket>& secondaryResults,
                        int h, MatchStyle style, RandomSource& random, const std::string& specname) {
    MatchOutcome outcome;
    m = std::clamp(m, 0, kMaxTicketNumbers);
    h = std::clamp(h, 0, std::min(kMaxSecondaryTicketNumbers, static_cast<int>(Ticket{}.size())));
    const int64_t p = static_cast<int64_t>(mainResults.size());
    const int64_t q = static_cast<int64_t>(secondaryResults.size());
    if (p > kMaxTwoZoneTickets || (style == MatchStyle::All && p * q > kMaxTwoZoneTickets)) {
        outcome.status = Status::failure(StatusCode::LimitReached, kTwoZoneLimitMessage);
        return outcome;
    }
    if (p == 0) {
        outcome.status = Status::failure(StatusCode::BadInput, kNoMainResultsMessage);
        return outcome;
    }
    if (q == 0) {
        outcome.status = Status::failure(StatusCode::BadInput, noSecondaryResultsMessage(specname));
        return outcome;
    }
    std::vector<TwoZoneTicket>& tickets = outcome.tickets;
    tickets.reserve(static_cast<size_t>(style == MatchStyle::All ? p * q : p));
    for (size_t i = 0; i < mainResults.size(); ++i) {
        switch (style) {
        case MatchStyle::Sequential:
            tickets.push_back(joined(mainResults[i], m, secondaryResults[i % secondaryResults.size()], h));
            break;
        case MatchStyle::Random:
            tickets.push_back(joined(mainResults[i], m, secondaryResults[random.below(secondaryResults.size())], h));
            break;
        case MatchStyle::All:
            for (const Ticket& secondary : secondaryResults) tickets.push_back(joined(mainResults[i], m, secondary, h));
            break;
        }
    }
    outcome.statusText = twoZoneStatusText(tickets.size());
    return outcome;
}

std::vector<TwoZoneTicket> randomTwoZoneTickets(int m, int N, int h, int S, int count, RandomSource& random) {
    std::vector<TwoZoneTicket> tickets;
    if (m < 1 || m > kMaxTicketNumbers || m > N || h < 0 || h > kMaxSecondaryTicketNumbers || h > S || count <= 0)
        return tickets;
    std::vector<uint8_t> mainSequence(static_cast<size_t>(std::min(N, 255)));
    std::iota(mainSequence.begin(), mainSequence.end(), uint8_t{1});
    std::vector<uint8_t> secondarySequence(static_cast<size_t>(std::min(S, 255)));
    std::iota(secondarySequence.begin(), secondarySequence.end(), uint8_t{1});
    tickets.reserve(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n) {
        TwoZoneTicket ticket;
        partialShuffle(mainSequence, m, random);
        std::copy(mainSequence.end() - m, mainSequence.end(), ticket.main.begin());
        std::sort(ticket.main.begin(), ticket.main.begin() + m);
        if (h > 0) {
            partialShuffle(secondarySequence, h, random);
            std::copy(secondarySequence.end() - h, secondarySequence.end(), ticket.secondary.begin());
            std::sort(ticket.secondary.begin(), ticket.secondary.begin() + h);
        }
        tickets.push_back(ticket);
    }
    return tickets;
}

std::string twoZoneLine(const TwoZoneTicket& ticket, int m, int h) {
    std::string line;
    line.reserve(3 * static_cast<size_t>(m + h));
    for (int i = 0; i < m; ++i) {
        line += twoDigits(ticket.main[static_cast<size_t>(i)]);
        line += ' ';
    }
    for (int i = 0; i < h; ++i) {
        line += twoDigits(ticket.secondary[static_cast<size_t>(i)]);
        line += ' ';
    }
    return line;
}

std::string encodeTwoZoneText(const std::vector<TwoZoneTicket>& tickets, int m, int h) {
    m = std::clamp(m, 0, kMaxTicketNumbers);
    h = std::clamp(h, 0, kMaxSecondaryTicketNumbers);
    std::string text;
    text.reserve(tickets.size() * (3 * static_cast<size_t>(m + h) + 2));
    for (const TwoZoneTicket& ticket : tickets) {
        text += twoZoneLine(ticket, m, h);
        text += "\r\n";
    }
    return text;
}

namespace {

// Reads two-zone tickets line by line, checking each as it comes.
class TwoZoneLines {
public:
    TwoZoneLines(int m, int h, const GameParams* game)
        : m_m(std::clamp(m, 0, kMaxTicketNumbers)), m_h(std::clamp(h, 0, kMaxSecondaryTicketNumbers)), m_game(game) {}

    bool line(std::string_view line) {
        ++m_lineNumber;
        TwoZoneTicket ticket;
        int count = 0;
        size_t at = 0;
        bool zoneMark = false;
        while (count < m_m + m_h) {
            while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
            if (at >= line.size()) break;
            // "01 02 03 04 05 06 + 07", as a draw is typed: the "+" stands between the zones only.
            if (line[at] == '+') {
                if (zoneMark || count != m_m || m_h == 0)
                    return fail("“+”只能写在第" + std::to_string(m_m) + "个号码（主号）与副号之间");
                zoneMark = true;
                ++at;
                continue;
            }
            size_t stop = at;
            while (stop < line.size() && line[stop] != ' ' && line[stop] != '\t' && line[stop] != '+') ++stop;
            int value = 0;
            auto [ptr, ec] = std::from_chars(line.data() + at, line.data() + stop, value);
            if (ec != std::errc() || ptr != line.data() + stop || value < 0 || value > 255)
                return fail(quotedForMessage(line.substr(at, stop - at)));
            if (count < m_m)
                ticket.main[static_cast<size_t>(count)] = static_cast<uint8_t>(value);
            else
                ticket.secondary[static_cast<size_t>(count - m_m)] = static_cast<uint8_t>(value);
            ++count;
            at = stop;
        }
        if (count == 0) return true;  // blank lines hold no ticket
        if (m_game) {
            if (count < m_m + m_h)
                return fail("应有" + std::to_string(m_m + m_h) + "个号码，实有" + std::to_string(count) + "个");
            std::string problem = ticketNumbersProblem(ticket.main.data(), m_m, mainZoneRange(*m_game));
            if (problem.empty())
                problem = ticketNumbersProblem(ticket.secondary.data(), m_h, secondaryZoneRange(*m_game));
            if (!problem.empty()) return fail(problem);
        }
        if (static_cast<int64_t>(m_result.tickets.size()) == kMaxTwoZoneTickets) {
            m_result.error = kTwoZoneLimitMessage;
            m_result.tickets.clear();
            return false;
        }
        m_result.tickets.push_back(ticket);
        return true;
    }

    TwoZoneParse& result() { return m_result; }

private:
    bool fail(const std::string& what) {
        m_result.tickets.clear();
        m_result.error = "组号文件第" + std::to_string(m_lineNumber) + "行有误：" + what;
        return false;
    }

    int m_m;
    int m_h;
    const GameParams* m_game;
    size_t m_lineNumber = 0;
    TwoZoneParse m_result;
};

}  // namespace

TwoZoneParse parseTwoZoneText(std::string_view text, int m, int h, const GameParams* game) {
    TwoZoneLines lines(m, h, game);
    forEachLine(text, [&](std::string_view line) { return lines.line(line); });
    return std::move(lines.result());
}

Status saveTwoZoneFile(const std::string& path, const std::vector<TwoZoneTicket>& tickets, int m, int h,
                       const FileLayer& layer) {
    return saveFileAtomically(path, encodeTwoZoneText(tickets, m, h), layer);
}

TwoZoneParse loadTwoZoneFile(const std::string& path, int m, int h, const GameParams* game) {
    TwoZoneLines lines(m, h, game);
    return readTicketLines(path, kMaxTwoZoneFileBytes, lines, kTwoZoneLimitMessage);
}

}  // namespace lottodesk
