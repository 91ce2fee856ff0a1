#include "prizerules.h"

#include <algorithm>

#include "core/fileio.h"
#include "core/gbktext.h"
#include "core/integertext.h"

namespace lottodesk {
namespace {

constexpr std::string_view kBuiltIn =
    "# 2026年12月的奖级规则（游戏规则调整时，可按同样格式修改本文件）\n"
    "# 每行：彩种名、奖级、中奖条件（主区中数+副区中数，以空格分隔）、单注奖金（元，或\"浮动\"），以TAB分隔\n"
    "# 七乐彩的副区为特别号：投注号码中含特别号计为副区中1个\n"
    "双色球\t一等奖\t6+1\t浮动\n"
    "双色球\t二等奖\t6+0\t浮动\n"
    "双色球\t三等奖\t5+1\t3000\n"
    "双色球\t四等奖\t5+0 4+1\t200\n"
    "双色球\t五等奖\t4+0 3+1\t10\n"
    "双色球\t六等奖\t2+1 1+1 0+1\t5\n"
    "超级大乐透\t一等奖\t5+2\t浮动\n"
    "超级大乐透\t二等奖\t5+1\t浮动\n"
    "超级大乐透\t三等奖\t5+0\t10000\n"
    "超级大乐透\t四等奖\t4+2\t3000\n"
    "超级大乐透\t五等奖\t4+1\t300\n"
    "超级大乐透\t六等奖\t3+2\t200\n"
    "超级大乐透\t七等奖\t4+0\t100\n"
    "超级大乐透\t八等奖\t3+1 2+2\t15\n"
    "超级大乐透\t九等奖\t3+0 2+1 1+2 0+2\t5\n"
    "超级大乐透\t追加\t1\n"
    "七乐彩\t一等奖\t7+0\t浮动\n"
    "七乐彩\t二等奖\t6+1\t浮动\n"
    "七乐彩\t三等奖\t6+0\t浮动\n"
    "七乐彩\t四等奖\t5+1\t200\n"
    "七乐彩\t五等奖\t5+0\t50\n"
    "七乐彩\t六等奖\t4+1\t10\n"
    "七乐彩\t七等奖\t4+0\t5\n";

// A rules file is a few lines; anything larger is not one.
constexpr size_t kMaxRulesBytes = size_t{1} << 20;
constexpr long long kMaxAmount = 10'000'000'000LL;

std::optional<long long> wholeYuan(std::string_view text) {
    if (text.empty() || text.size() > 12) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::vector<std::string_view> fields(std::string_view line, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= line.size()) {
        size_t at = line.find(separator, start);
        if (at == std::string_view::npos) at = line.size();
        if (at > start) parts.push_back(line.substr(start, at - start));
        start = at + 1;
    }
    return parts;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::optional<std::pair<int, int>> hitClass(std::string_view text) {
    const size_t plus = text.find('+');
    if (plus == std::string_view::npos) return std::nullopt;
    const std::optional<int> i = parseInteger(text.substr(0, plus));
    const std::optional<int> j = parseInteger(text.substr(plus + 1));
    if (!i || !j || *i < 0 || *i > 7 || *j < 0 || *j > 2) return std::nullopt;
    return std::pair{*i, *j};
}

std::string lineProblem(int number, const std::string& what) {
    return "奖级规则第" + std::to_string(number) + "行：" + what;
}

PrizeRules& gameOf(PrizeRuleBook& book, std::string_view name) {
    for (PrizeRules& rules : book.games)
        if (rules.game == name) return rules;
    book.games.push_back(PrizeRules{std::string(name), {}, 0});
    return book.games.back();
}

// The problem of one line, empty when it was taken into the book.
std::string readLine(std::string_view line, PrizeRuleBook& book) {
    const std::vector<std::string_view> parts = fields(line, '\t');
    if (parts.size() == 3 && trimmed(parts[1]) == "追加") {
        const std::optional<int> extra = parseInteger(trimmed(parts[2]));
        if (!extra || *extra < 0 || *extra > 100) return "追加的加价应为0到100元";
        gameOf(book, trimmed(parts[0])).addOnExtra = *extra;
        return {};
    }
    if (parts.size() != 4) return "应为彩种名、奖级、中奖条件、单注奖金四项，以TAB分隔";
    PrizeLevelRule level;
    level.name = std::string(trimmed(parts[1]));
    if (level.name.empty() || trimmed(parts[0]).empty()) return "彩种名和奖级不能为空";
    for (std::string_view text : fields(parts[2], ' ')) {
        const std::optional<std::pair<int, int>> hits = hitClass(text);
        if (!hits) return "中奖条件\"" + std::string(text) + "\"应为 主区中数+副区中数（如 5+1）";
        level.hits.push_back(*hits);
    }
    if (level.hits.empty()) return "缺少中奖条件";
    const std::string_view amount = trimmed(parts[3]);
    if (amount != kFloatingAmountText) {
        const std::optional<long long> value = wholeYuan(amount);
        if (!value || *value < 0 || *value > kMaxAmount) return "单注奖金应为元数或\"浮动\"";
        level.fixedAmount = *value;
    }
    gameOf(book, trimmed(parts[0])).levels.push_back(std::move(level));
    return {};
}

}  // namespace

std::string_view builtInPrizeRulesText() { return kBuiltIn; }

PrizeRuleBook readPrizeRules(std::string_view text, std::string* problem) {
    PrizeRuleBook book;
    int number = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trimmed(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty()) continue;
        if (line.front() == '#') {
            if (book.dateNote.empty()) book.dateNote = std::string(trimmed(line.substr(1)));
            continue;
        }
        if (const std::string why = readLine(line, book); !why.empty()) {
            if (problem) *problem = lineProblem(number, why);
            return {};
        }
    }
    if (problem) problem->clear();
    return book;
}

PrizeRuleBook loadPrizeRules(const std::string& programFolder, std::string* problem) {
    if (problem) problem->clear();
    const std::string path = programFolder + kPrizeRulesFile;
    if (fileExists(path)) {
        const GbkText file = readGbkText(path);
        std::string why;
        if (file.status && file.text.size() <= kMaxRulesBytes) {
            PrizeRuleBook book = readPrizeRules(file.text, &why);
            if (why.empty()) return book;
        } else {
            why = file.status ? "文件过大" : file.status.message;
        }
        if (problem) *problem = path + "：" + why + "，使用程序自带的奖级规则";
    }
    return readPrizeRules(kBuiltIn);
}

bool secondaryDrawnFromMain(const GameParams& game) {
    return game.fhgs == 1 && game.spec_from == game.zh_from && game.spec_to == game.zh_to;
}

const PrizeRules* rulesForGame(const PrizeRuleBook& book, const Workspace& ws) {
    const std::string& name = ws.current().cpmm;
    const int m = ws.game.zhgs;
    const int h = secondaryDrawnFromMain(ws.game) ? 1 : ws.game.fhgs;
    for (const PrizeRules& rules : book.games) {
        if (rules.game != name || rules.levels.empty()) continue;
        const bool fits = std::all_of(rules.levels.begin(), rules.levels.end(), [&](const PrizeLevelRule& level) {
            return std::all_of(level.hits.begin(), level.hits.end(),
                               [&](const std::pair<int, int>& c) { return c.first <= m && c.second <= h; });
        });
        return fits ? &rules : nullptr;
    }
    return nullptr;
}

int ruleLevel(const PrizeRules& rules, int mainHits, int secondaryHits) {
    for (size_t k = 0; k < rules.levels.size(); ++k)
        for (const std::pair<int, int>& c : rules.levels[k].hits)
            if (c.first == mainHits && c.second == secondaryHits) return static_cast<int>(k) + 1;
    return 0;
}

std::string ruleLevelText(const PrizeRules& rules, int level) {
    if (level < 1 || level > static_cast<int>(rules.levels.size())) return "未中奖";
    return rules.levels[static_cast<size_t>(level - 1)].name;
}

int pricePerTicket(const TicketPrice& price, const PrizeRules* rules) {
    return price.base + (price.addOn && rules ? rules->addOnExtra : 0);
}

std::string costText(uint64_t tickets, int pricePerTicket) {
    return "共" + std::to_string(tickets) + "注，" + std::to_string(tickets * static_cast<uint64_t>(pricePerTicket)) +
           "元";
}

long long levelAmount(const PrizeRules& rules, int level, const PrizeTable* table, bool addOn) {
    if (level < 1 || level > static_cast<int>(rules.levels.size())) return 0;
    const PrizeLevelRule& rule = rules.levels[static_cast<size_t>(level - 1)];
    const auto tableAmount = [table](const std::string& name) -> long long {
        if (!table) return -1;
        for (const PrizeTableLevel& entry : table->levels)
            if (entry.name == name) return entry.amount;
        return -1;
    };
    long long amount = tableAmount(rule.name);
    if (amount < 0) amount = rule.fixedAmount;
    if (amount >= 0 && addOn) amount += std::max(0LL, tableAmount(rule.name + "(追加)"));
    return amount;
}

long long PrizeMoney::amountOfLevel(int level) const {
    if (!rules) return -1;
    return levelAmount(*rules, level, table.levels.empty() ? nullptr : &table, addOn);
}

PrizeMoney prizeMoneyFor(const Workspace& ws, const PrizeRuleBook& book, int32_t period) {
    PrizeMoney money;
    money.rules = rulesForGame(book, ws);
    money.addOn = ws.price.addOn && money.rules && money.rules->addOnExtra > 0;
    money.price = pricePerTicket(ws.price, money.rules);
    if (period <= 0) return money;
    const PrizeTables tables = loadPrizeTables(prizeTablePath(ws.folder, ws.curcp));
    if (const auto found = tables.find(period); found != tables.end()) money.table = found->second;
    const int at = ws.sjk.indexOfPeriod(period);
    if (at > 0 && secondaryDrawnFromMain(ws.game)) money.special = ws.sjk.record(at)[1 + ws.game.zhgs];
    return money;
}

int mainResultLevel(const PrizeMoney& money, const uint8_t* ticket, int m) {
    if (!money.rules || m < 0 || m > 7) return 0;
    int special = 0;
    for (int k = 0; k < m && money.special > 0; ++k) special += ticket[k] == money.special;
    return ruleLevel(*money.rules, ticket[m], special);
}

void addWinning(Winnings& winnings, int level, long long amount) {
    if (level <= 0) return;
    ++winnings.winningTickets;
    if (amount < 0)
        ++winnings.unknownTickets;
    else
        winnings.known += amount;
}

std::string winningsText(const Winnings& winnings, uint64_t tickets, int pricePerTicket) {
    std::string text = "中奖" + std::to_string(winnings.winningTickets) + "注，奖金" + yuanText(winnings.known) + "元";
    if (winnings.unknownTickets > 0)
        text += "（另有" + std::to_string(winnings.unknownTickets) + "注浮动奖金，以开奖公告为准）";
    text += "；投入" + yuanText(static_cast<long long>(tickets * static_cast<uint64_t>(pricePerTicket))) + "元";
    return text;
}

}  // namespace lottodesk
