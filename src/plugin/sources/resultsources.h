#pragma once
// The result services the program knows, as plain C++ shared by the download plug-in and the
// command line: the address of a page of draws, and a page's answer read into draws with their
// prize tables. The readers are tolerant of what services change without notice (a number given
// as text or as a number, thousands separators, a missing prize field) and say plainly when an
// answer is not what they know (HTML, a renamed field), so that a user can report it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lottodesk::sources {

// One level of a draw's prize table: its name as the service gives it ("一等奖", "一等奖(追加)"),
// the number of winning tickets and the amount per ticket in yuan; -1 where the service gives none.
struct PrizeLevel {
    std::string name;
    long long winners = -1;
    long long amount = -1;
    friend bool operator==(const PrizeLevel&, const PrizeLevel&) = default;
};

struct SourceDraw {
    int32_t period = 0;            // seven digits: year and the draw of the year
    std::vector<int> main;         // as drawn, in the service's order
    std::vector<int> secondary;
    std::string date;              // as the service writes it, for display
    long long sales = -1;          // yuan, -1 when not given
    long long pool = -1;           // the jackpot pool after the draw, -1 when not given
    std::vector<PrizeLevel> levels;
};

struct SourcePage {
    std::vector<SourceDraw> draws;
    int pages = 1;      // how many pages the service has for the query
    std::string error;  // empty when the answer was read; else what is wrong with it
    bool ok() const { return error.empty(); }
};

enum class SourceKind { Cwl, Sporttery };

struct SourceInfo {
    SourceKind kind;
    const char* name;     // the command line's name: "cwl", "sporttery"
    const char* caption;  // for the user
    const char* base;     // scheme, host and port
};

// The source of a lottery type by its name ("双色球", "七乐彩": cwl; "超级大乐透": sporttery).
std::optional<SourceKind> sourceOfType(std::string_view typeName);
const SourceInfo& sourceInfo(SourceKind kind);
std::optional<SourceKind> sourceNamed(std::string_view name);

// The address of page `page` (from 1, newest draws first, kPageSize a page) of the draws of
// `typeName`. `base` replaces the source's scheme, host and port when not empty.
inline constexpr int kPageSize = 30;
std::string pageAddress(SourceKind kind, std::string_view base, std::string_view typeName, int page);

// The answers of the welfare lottery's service (`result[]` with `code`, `red`, `blue`,
// `prizegrades[]`) and of the sports lottery's (`value.list[]` with `lotteryDrawNum`,
// `lotteryDrawResult`, `prizeLevelList[]`, `value.pages`). `mainCount` splits the sports lottery's
// numbers into the main and the secondary zone.
SourcePage readCwlPage(std::string_view body);
SourcePage readSportteryPage(std::string_view body, int mainCount);
SourcePage readPage(SourceKind kind, std::string_view body, int mainCount);

// How many main numbers the game of a type with a built-in source draws (0 for other types).
int mainCountOfType(std::string_view typeName);

// A source as the user names it: "cwl", "sporttery", either with "=BASE" (another scheme, host and
// port for the same service); nullopt for anything else (an address or a file).
struct NamedSource {
    SourceKind kind;
    std::string base;
};
std::optional<NamedSource> namedSource(std::string_view text);

// The prize tables of the draws as lines of the program's prize-table file: period, date, sales,
// pool, then "name|winners|amount" per level, TAB-separated, unknown numbers empty.
std::string prizeTableText(const std::vector<SourceDraw>& draws);

// The period as seven digits: "2023118" stays, the sports lottery's "23118" becomes 2023118.
std::optional<int32_t> periodOf(std::string_view text);

// The draws as lines of the import format ("2023118 01 02 11 19 25 29 04"), ascending by period,
// a period given twice written once.
std::string importText(std::vector<SourceDraw> draws);

}  // namespace lottodesk::sources
