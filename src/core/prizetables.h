#pragma once
// The prize table of each draw, kept beside the history in a file of its own
// ("database/prize<N>.txt" for lottery type N; the history's .rec format stays as it is). A text
// file, GBK with CR LF, one draw a line, TAB-separated: the period, the date as the result service
// wrote it, the sales and the pool after the draw in yuan (empty when unknown), then one field per
// prize level, "name|winners|amount per ticket" (a part empty when unknown). Lines the reader does
// not understand are skipped: the table is a help for showing money, never a condition of the draws.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "status.h"

namespace lottodesk {

struct PrizeTableLevel {
    std::string name;       // "一等奖", "一等奖(追加)" ...
    long long winners = -1;  // -1: unknown
    long long amount = -1;   // yuan per winning ticket; -1: unknown
    friend bool operator==(const PrizeTableLevel&, const PrizeTableLevel&) = default;
};

struct PrizeTable {
    int32_t period = 0;
    std::string date;
    long long sales = -1;
    long long pool = -1;
    std::vector<PrizeTableLevel> levels;
    friend bool operator==(const PrizeTable&, const PrizeTable&) = default;
};

using PrizeTables = std::map<int32_t, PrizeTable>;  // by period

std::string prizeTablePath(const std::string& programFolder, int type);

// The tables of the file; a missing or unreadable file gives none.
PrizeTables loadPrizeTables(const std::string& path);

// Adds or replaces the tables of their periods and writes the file atomically.
Status savePrizeTables(const std::string& path, const std::vector<PrizeTable>& tables);

// The table as the update window shows it under the grid: "第2026098期 2026-08-25(二) 销售额
// 395,467,482元 奖池 2,185,628,512元" and then "一等奖 3注 7,165,213元" per level ("—" for what the
// service did not give).
std::string prizeTableDisplay(const PrizeTable& table);

// Yuan with thousands separators ("7,165,213"); "—" when unknown (negative).
std::string yuanText(long long value);

// The line of one table, and one line read back (nothing when it is no table line).
std::string prizeTableLine(const PrizeTable& table);
bool readPrizeTableLine(std::string_view line, PrizeTable& table);

}  // namespace lottodesk
