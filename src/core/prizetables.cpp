#include "prizetables.h"

#include <optional>

#include "fileio.h"
#include "gbk.h"
#include "integertext.h"

namespace lottodesk {
namespace {

// Prize tables are small: 3,500 draws take about 1 MB.
constexpr size_t kMaxPrizeTableBytes = size_t{64} << 20;

std::string amountText(long long value) { return value < 0 ? std::string() : std::to_string(value); }

long long amountOf(std::string_view text) {
    if (text.empty() || text.size() > 18) return -1;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The fields of a line: TAB-separated; TABs and line ends inside a text are written as blanks.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        const size_t at = text.find(separator, start);
        fields.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return fields;
        start = at + 1;
    }
}

std::string clean(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n' || c == '|') c = ' ';
    return out;
}

}  // namespace

std::string yuanText(long long value) {
    if (value < 0) return "—";
    std::string digits = std::to_string(value), text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string prizeTableDisplay(const PrizeTable& table) {
    std::string text = "第" + std::to_string(table.period) + "期";
    if (!table.date.empty()) text += " " + table.date;
    if (table.sales >= 0) text += "  销售额 " + yuanText(table.sales) + "元";
    if (table.pool >= 0) text += "  奖池 " + yuanText(table.pool) + "元";
    for (const PrizeTableLevel& level : table.levels) {
        text += "\n" + level.name + " ";
        text += level.winners < 0 ? std::string("—") : std::to_string(level.winners) + "注";
        text += " " + (level.amount < 0 ? std::string("—") : yuanText(level.amount) + "元");
    }
    return text;
}

std::string prizeTablePath(const std::string& programFolder, int type) {
    return programFolder + "database/prize" + std::to_string(type) + ".txt";
}

std::string prizeTableLine(const PrizeTable& table) {
    std::string line = std::to_string(table.period) + '\t' + clean(table.date) + '\t' + amountText(table.sales) +
                       '\t' + amountText(table.pool);
    for (const PrizeTableLevel& level : table.levels)
        line += '\t' + clean(level.name) + '|' + amountText(level.winners) + '|' + amountText(level.amount);
    return line;
}

bool readPrizeTableLine(std::string_view line, PrizeTable& table) {
    const std::vector<std::string_view> fields = split(line, '\t');
    if (fields.size() < 4) return false;
    const std::optional<int> period = parseInteger(fields[0]);
    if (!period || *period < 1000000 || *period > 9999998) return false;
    table = PrizeTable{};
    table.period = *period;
    table.date = std::string(fields[1]);
    table.sales = amountOf(fields[2]);
    table.pool = amountOf(fields[3]);
    for (size_t i = 4; i < fields.size(); ++i) {
        const std::vector<std::string_view> parts = split(fields[i], '|');
        if (parts.size() != 3 || parts[0].empty()) continue;
        table.levels.push_back({std::string(parts[0]), amountOf(parts[1]), amountOf(parts[2])});
    }
    return true;
}

PrizeTables loadPrizeTables(const std::string& path) {
    PrizeTables tables;
    const std::optional<std::string> bytes = readWholeFile(path, kMaxPrizeTableBytes);
    if (!bytes) return tables;
    forEachLine(gbkToUtf8(*bytes), [&](std::string_view line) {
        PrizeTable table;
        if (readPrizeTableLine(line, table)) tables[table.period] = std::move(table);
        return true;
    });
    return tables;
}

Status savePrizeTables(const std::string& path, const std::vector<PrizeTable>& tables) {
    PrizeTables all = loadPrizeTables(path);
    for (const PrizeTable& table : tables) all[table.period] = table;
    std::string text;
    for (const auto& [period, table] : all) text += prizeTableLine(table) + "\r\n";
    return saveFileAtomically(path, utf8ToGbk(text));
}

}  // namespace lottodesk
