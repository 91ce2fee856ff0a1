#pragma once
// The prize levels of the games, and what a ticket costs and wins.
//
// The levels are data, kept in "database/prizerules.txt" so a player can follow a change of a
// game's rules without a new program (the built-in table is the one seeded there). A text file,
// GBK with CR LF, TAB-separated; lines starting with "#" are notes (the first names the date of
// the rules). A level line: game name, level name, the hit classes "i+j" (main hits + secondary
// hits) separated by blanks, and the amount per ticket in yuan or "浮动" (from the draw's prize
// table). An add-on line: game name, "追加", the extra price per ticket in yuan.
//
// Games whose secondary number is drawn from the main range (七乐彩's special number) count j as
// the special number being among the ticket's main numbers; the player does not pick it.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/prizetables.h"
#include "core/settings.h"
#include "core/workspace.h"

namespace lottodesk {

struct PrizeLevelRule {
    std::string name;                        // "一等奖"
    std::vector<std::pair<int, int>> hits;   // the (i, j) classes that win this level
    long long fixedAmount = -1;              // yuan per ticket; -1: floating (the draw's table)
    friend bool operator==(const PrizeLevelRule&, const PrizeLevelRule&) = default;
};

struct PrizeRules {
    std::string game;
    std::vector<PrizeLevelRule> levels;  // level k is levels[k - 1]; 0 is no prize
    int addOnExtra = 0;                  // yuan added to the price by "追加"; 0: not offered
    friend bool operator==(const PrizeRules&, const PrizeRules&) = default;
};

struct PrizeRuleBook {
    std::string dateNote;  // the first note line, without "#"
    std::vector<PrizeRules> games;
};

inline constexpr const char* kPrizeRulesFile = "database/prizerules.txt";
inline constexpr const char* kFloatingAmountText = "浮动";

// The table the program ships (UTF-8 with LF).
std::string_view builtInPrizeRulesText();

// Reads a rules text (UTF-8). A line that is not understood makes the whole text refused:
// `problem` names it ("奖级规则第3行：…") and the book is empty.
PrizeRuleBook readPrizeRules(std::string_view text, std::string* problem = nullptr);

// The program folder's rules file when it exists and reads cleanly, else the built-in table;
// `problem` tells why a present file was not used.
PrizeRuleBook loadPrizeRules(const std::string& programFolder, std::string* problem = nullptr);

// The rules of the current game: by its name, and only when every hit class fits its zones.
const PrizeRules* rulesForGame(const PrizeRuleBook& book, const Workspace& ws);

// True for games whose secondary number comes from the main range (drawn after the main numbers).
bool secondaryDrawnFromMain(const GameParams& game);

// The level of i main and j secondary hits: 1..levels, 0 for no prize.
int ruleLevel(const PrizeRules& rules, int mainHits, int secondaryHits);

// "一等奖" .. or "未中奖".
std::string ruleLevelText(const PrizeRules& rules, int level);

// ---------------------------------------------------------------------------------------------
// Money.

// The price of one ticket (TicketPrice, loaded with the settings into the workspace): the base
// price plus the add-on's extra when it is on and the game offers it.
int pricePerTicket(const TicketPrice& price, const PrizeRules* rules);

// "共N注，M元".
std::string costText(uint64_t tickets, int pricePerTicket);

// The amount one ticket of `level` wins: the draw's table when it names the level with an amount,
// else the rule's fixed amount; with the add-on, the table's "<level>(追加)" amount is added.
// -1 when unknown (a floating level without a table).
long long levelAmount(const PrizeRules& rules, int level, const PrizeTable* table, bool addOn);

// A checked list's money against one draw: the game's rules, the draw's stored prize table, the
// add-on, and the special number of games that draw it from the main range.
struct PrizeMoney {
    const PrizeRules* rules = nullptr;  // none: the game has no rules, no amounts
    PrizeTable table;                   // empty levels when the draw has no stored table
    bool addOn = false;
    int special = 0;  // the special number (secondary drawn from the main range), else 0
    int price = 2;    // per ticket
    long long amountOfLevel(int level) const;
};
// The money of the current game against the draw of `period` (0: typed numbers, no table).
PrizeMoney prizeMoneyFor(const Workspace& ws, const PrizeRuleBook& book, int32_t period);

// The level of a checked main result (its hit count in byte m): its main hits with the special
// number when the game draws it from the main range, else with no secondary hit (a main result
// holds no secondary number).
int mainResultLevel(const PrizeMoney& money, const uint8_t* ticket, int m);

// What a checked list won, for its total line.
struct Winnings {
    uint64_t winningTickets = 0;
    long long known = 0;          // yuan of the tickets whose amount is known
    uint64_t unknownTickets = 0;  // winning tickets of floating levels without a table
};
void addWinning(Winnings& winnings, int level, long long amount);

// "中奖N注，奖金X元（另有K注浮动奖金待开奖公告）；投入C元" — the total against the cost.
std::string winningsText(const Winnings& winnings, uint64_t tickets, int pricePerTicket);

}  // namespace lottodesk
