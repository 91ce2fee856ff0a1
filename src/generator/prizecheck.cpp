#include "prizecheck.h"

#include <algorithm>

#include "core/drawtext.h"
#include "core/integertext.h"
#include "prizerules.h"

namespace lottodesk {
namespace {

// Which byte values are among `numbers` (values outside 1..255 mark nothing).
std::array<uint8_t, 256> membership(const int32_t* numbers, int count) {
    std::array<uint8_t, 256> table{};
    for (int i = 0; i < count; ++i)
        if (numbers[i] >= 1 && numbers[i] <= 255) table[static_cast<size_t>(numbers[i])] = 1;
    return table;
}

std::string noPeriodMessage(int32_t period) { return "数据库中没有第" + std::to_string(period) + "期的记录"; }

}  // namespace

void checkMainPrize(MainResults& results, int m, const int32_t* draw) {
    m = std::clamp(m, 0, kMaxTicketNumbers);
    const std::array<uint8_t, 256> drawn = membership(draw, m);
    std::vector<Ticket>& tickets = results.tickets;
    const bool withTags = results.tags.size() == tickets.size();
    std::array<size_t, kMaxTicketNumbers + 2> count{};
    for (Ticket& ticket : tickets) {
        uint8_t hits = 0;
        for (int i = 0; i < m; ++i) hits += drawn[ticket[static_cast<size_t>(i)]];
        ticket[static_cast<size_t>(m)] = hits;
        ++count[hits];
    }
    // Best first: the results with m hits start at 0, those with m - 1 after them, and so on.
    std::array<size_t, kMaxTicketNumbers + 2> next{};
    size_t start = 0;
    for (int hits = m; hits >= 0; --hits) {
        next[static_cast<size_t>(hits)] = start;
        start += count[static_cast<size_t>(hits)];
    }
    if (count[static_cast<size_t>(m)] == tickets.size() || tickets.empty()) return;  // one class: nothing moves
    std::vector<Ticket> sorted(tickets.size());
    std::vector<uint8_t> sortedTags(withTags ? tickets.size() : 0);
    for (size_t i = 0; i < tickets.size(); ++i) {
        const size_t to = next[tickets[i][static_cast<size_t>(m)]]++;
        sorted[to] = tickets[i];
        if (withTags) sortedTags[to] = results.tags[i];
    }
    tickets.swap(sorted);
    if (withTags) results.tags.swap(sortedTags);
}

Status checkMainPrizeAt(MainResults& results, const Workspace& ws, int32_t period) {
    const int at = ws.sjk.indexOfPeriod(period);
    if (at <= 0) return Status::failure(StatusCode::NoSuchPeriod, noPeriodMessage(period));
    checkMainPrize(results, ws.game.zhgs, ws.sjk.record(at) + 1);
    return Status::success();
}

void clearHits(std::vector<Ticket>& tickets, int m) {
    if (m < 0 || m > kMaxTicketNumbers) return;
    for (Ticket& ticket : tickets) ticket[static_cast<size_t>(m)] = 0;
}

std::string mainHitsSummary(const std::vector<Ticket>& tickets, int m) {
    m = std::clamp(m, 0, kMaxTicketNumbers);
    std::array<size_t, kMaxTicketNumbers + 1> count{};
    for (const Ticket& ticket : tickets) ++count[std::min<size_t>(ticket[static_cast<size_t>(m)], m)];
    std::string text;
    for (int hits = m; hits >= 0; --hits) {
        if (!text.empty()) text += ' ';
        text += "中" + std::to_string(hits) + "个" + std::to_string(count[static_cast<size_t>(hits)]) + "注";
    }
    return text;
}

PrizeShape prizeShapeOf(int m, int h) { return m == 6 && h == 1 ? PrizeShape::SixPlusOne : PrizeShape::Hits; }

int prizeLevel(int i, int j) {
    if (i == 6 && j == 1) return 1;
    if (i == 6) return 2;
    if (i == 5 && j == 1) return 3;
    if (i == 5 || (i == 4 && j == 1)) return 4;
    if (i == 4 || (i == 3 && j == 1)) return 5;
    if (j == 1) return 6;
    return 0;
}

std::string levelText(int level) {
    static const char* const texts[] = {"未中奖", "一等奖", "二等奖", "三等奖", "四等奖", "五等奖", "六等奖"};
    return level >= 0 && level <= 6 ? texts[level] : texts[0];
}

RewardSummary checkReward(std::vector<TwoZoneTicket>& tickets, int m, int h, const WinningNumbers& winning,
                          const PrizeRules* rules, bool secondaryFromMain) {
    RewardSummary summary;
    m = std::clamp(m, 0, kMaxTicketNumbers);
    h = std::clamp(h, 0, kMaxSecondaryTicketNumbers);
    summary.shape = rules ? PrizeShape::Rules : prizeShapeOf(m, h);
    if (!rules) secondaryFromMain = false;
    std::vector<int32_t> mainNumbers(winning.main.begin(),
                                     winning.main.begin() + std::min<ptrdiff_t>(m, std::ssize(winning.main)));
    std::vector<int32_t> secondaryNumbers(
        winning.secondary.begin(), winning.secondary.begin() + std::min<ptrdiff_t>(h, std::ssize(winning.secondary)));
    const auto mainDrawn = membership(mainNumbers.data(), static_cast<int>(mainNumbers.size()));
    const auto secondaryDrawn = membership(secondaryNumbers.data(), static_cast<int>(secondaryNumbers.size()));

    const bool byLevel = summary.shape != PrizeShape::Hits;
    if (summary.shape == PrizeShape::Rules) {
        summary.levelNames.push_back("未中奖");
        for (const PrizeLevelRule& level : rules->levels) summary.levelNames.push_back(level.name);
    } else if (byLevel) {
        for (int level = 0; level <= 6; ++level) summary.levelNames.push_back(levelText(level));
    }
    const int levels = static_cast<int>(summary.levelNames.size()) - 1;
    summary.levelCounts.assign(summary.levelNames.size(), 0);

    // The sort key, ascending: levels 1.. then no prize (as levels + 1); other shapes (i, j)
    // descending.
    const int classes = byLevel ? levels + 2 : (m + 1) * (h + 1);
    std::vector<size_t> count(static_cast<size_t>(classes), 0);
    std::vector<int> keys(tickets.size());
    summary.classCounts.assign(byLevel ? 0 : static_cast<size_t>(classes), 0);
    for (size_t t = 0; t < tickets.size(); ++t) {
        TwoZoneTicket& ticket = tickets[t];
        int i = 0, j = 0;
        for (int k = 0; k < m; ++k) i += mainDrawn[ticket.main[static_cast<size_t>(k)]];
        if (secondaryFromMain) {  // the special number among the ticket's main numbers
            for (int k = 0; k < m; ++k) j += secondaryDrawn[ticket.main[static_cast<size_t>(k)]];
        } else {
            for (int k = 0; k < h; ++k) j += secondaryDrawn[ticket.secondary[static_cast<size_t>(k)]];
        }
        ticket.mainHits = static_cast<uint8_t>(i);
        ticket.secondaryHits = static_cast<uint8_t>(j);
        if (byLevel) {
            ticket.level = static_cast<uint8_t>(rules ? ruleLevel(*rules, i, j) : prizeLevel(i, j));
            ++summary.levelCounts[ticket.level];
            keys[t] = ticket.level == 0 ? levels + 1 : ticket.level;
        } else {
            ticket.level = 0;
            ++summary.classCounts[static_cast<size_t>(i * (h + 1) + j)];
            keys[t] = (m - i) * (h + 1) + (h - j);
        }
        ++count[static_cast<size_t>(keys[t])];
    }
    std::vector<size_t> next(count.size(), 0);
    for (size_t k = 1; k < count.size(); ++k) next[k] = next[k - 1] + count[k - 1];
    std::vector<TwoZoneTicket> sorted(tickets.size());
    for (size_t t = 0; t < tickets.size(); ++t) sorted[next[static_cast<size_t>(keys[t])]++] = tickets[t];
    tickets.swap(sorted);

    if (byLevel) {
        for (int level = 1; level <= levels + 1; ++level) {
            const size_t k = static_cast<size_t>(level > levels ? 0 : level);
            summary.text += summary.levelNames[k] + ":" + std::to_string(summary.levelCounts[k]) + "个";
            if (level <= levels) summary.text += ';';
        }
    } else {
        for (int i = m; i >= 0; --i)
            for (int j = h; j >= 0; --j) {
                if (!summary.text.empty()) summary.text += ';';
                summary.text += std::to_string(i) + "+" + std::to_string(j) + ":" +
                                std::to_string(summary.classCounts[static_cast<size_t>(i * (h + 1) + j)]) + "个";
            }
    }
    return summary;
}

std::string rewardText(const TwoZoneTicket& ticket, const RewardSummary& summary) {
    if (summary.shape != PrizeShape::Hits)
        return ticket.level < summary.levelNames.size() ? summary.levelNames[ticket.level] : "未中奖";
    return std::to_string(ticket.mainHits) + "+" + std::to_string(ticket.secondaryHits);
}

std::string groupMask(int count) {
    std::string mask = "!";
    for (int i = 0; i < count; ++i) mask += i == 0 ? "99" : "-99";
    return mask + ";1;_";
}

std::vector<int> groupValues(std::string_view text, int count) {
    std::vector<int> values(static_cast<size_t>(std::max(count, 0)), 0);
    size_t at = 0;
    for (int i = 0; i < count && at <= text.size(); ++i) {
        size_t stop = text.find('-', at);
        if (stop == std::string_view::npos) stop = text.size();
        const std::optional<int> value = parseInteger(text.substr(at, stop - at));
        if (value) values[static_cast<size_t>(i)] = *value;
        at = stop + 1;
    }
    return values;
}

std::string groupText(const std::vector<int>& numbers) {
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) text += '-';
        text += twoDigits(numbers[i]);
    }
    return text;
}

std::optional<WinningNumbers> winningNumbersOfPeriod(const Workspace& ws, std::string_view periodText) {
    if (periodText.size() <= 6) return std::nullopt;
    const std::optional<int> period = parseInteger(periodText);
    if (!period) return std::nullopt;
    const int at = ws.sjk.indexOfPeriod(*period);
    if (at <= 0) return std::nullopt;
    const int32_t* record = ws.sjk.record(at);
    WinningNumbers winning;
    const int m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    const int h = std::clamp(ws.game.fhgs, 0, kMaxSecondaryTicketNumbers);
    winning.main.assign(record + 1, record + 1 + m);
    winning.secondary.assign(record + 1 + m, record + 1 + m + h);
    return winning;
}

}  // namespace lottodesk
