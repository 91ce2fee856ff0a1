#pragma once
// Prize checking ("对奖"): the main result list scored by the main numbers it hits in a draw and
// reordered best first; the two-zone list graded into prize levels against winning numbers,
// reordered best first and summarised.
//
// Both reorderings are stable counting sorts (the order of a stable sort by the key, in linear
// time) and the tolerance tags move with their tickets. Numbers outside a zone's range (typed or
// loaded tickets, damaged files) match nothing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"
#include "core/workspace.h"
#include "generator.h"
#include "twozone.h"

namespace lottodesk {

// ---------------------------------------------------------------------------------------------
// The main list.

// Stores in byte m of every result the count of its first m numbers that are among `draw` (the m
// main numbers of a draw), then orders the results by that count, descending, equal counts in
// their previous order; results.tags (when as long as the tickets) move with them.
void checkMainPrize(MainResults& results, int m, const int32_t* draw);

// The same against the draw of `period` in the history ("数据库中没有第P期的记录" when there is none).
Status checkMainPrizeAt(MainResults& results, const Workspace& ws, int32_t period);

// Clears the hit bytes: editing, removal and "恢复" leave no stale hit column.
void clearHits(std::vector<Ticket>& tickets, int m);

// The hits of a checked main list by count, best first: "中6个0注 中5个2注 … 中0个n注".
std::string mainHitsSummary(const std::vector<Ticket>& tickets, int m);

inline constexpr const char* kPrizeBusyText = "正在对奖中，请稍候...";
inline constexpr const char* kHitColumnCaption = "中奖号个数";

// ---------------------------------------------------------------------------------------------
// The two-zone list.

// The prize levels: a game's shipped or edited rules (prizerules.h) when it has them; else the
// table of a game of six main numbers and one secondary number; every other shape shows the hits
// as "i+j" and is ordered and summarised by them.
enum class PrizeShape { SixPlusOne, Rules, Hits };
PrizeShape prizeShapeOf(int m, int h);

// The level of i main and j secondary hits in a six-plus-one game: 1..6, or 0 for no prize.
int prizeLevel(int mainHits, int secondaryHits);
// "一等奖" .. "六等奖", "未中奖".
std::string levelText(int level);

struct WinningNumbers {
    std::vector<int> main;
    std::vector<int> secondary;
};

struct PrizeRules;

struct RewardSummary {
    PrizeShape shape = PrizeShape::SixPlusOne;
    // Levels (six-plus-one and rules): the names, index 0 "未中奖", and the tickets at each level.
    std::vector<std::string> levelNames;
    std::vector<int> levelCounts;
    // Other shapes: tickets per hits class, index i * (h + 1) + j.
    std::vector<int> classCounts;
    // "一等奖:c1个;二等奖:c2个;…;未中奖:c0个", or "i+j:c个;…" over every class from m+h down to 0+0.
    std::string text;
};

// Grades every ticket (its first m main and h secondary numbers) against `winning` (its entries
// beyond m and h are ignored; 0 or out-of-range entries hit nothing) and reorders the tickets:
// by level 1, 2, …, then no prize; other shapes by (i, j) descending. Stable. With `rules`, a game
// whose secondary number is drawn from the main range counts j as that number being among the
// ticket's main numbers.
RewardSummary checkReward(std::vector<TwoZoneTicket>& tickets, int m, int h, const WinningNumbers& winning,
                          const PrizeRules* rules = nullptr, bool secondaryFromMain = false);

// The "中奖情况" text of a checked ticket: its level text, or "i+j".
std::string rewardText(const TwoZoneTicket& ticket, const RewardSummary& summary);

// The prize dialog ("对奖"). The mask of a field of `count` two-digit groups separated by "-":
// "!99-99-…-99;1;_". The field's text read back: each "-"-separated group trimmed, a group that is
// not a whole number (left partly or wholly empty) giving 0, missing groups 0; `count` values.
std::string groupMask(int count);
std::vector<int> groupValues(std::string_view text, int count);
// The numbers as two digits joined by "-" ("01-02-03").
std::string groupText(const std::vector<int>& numbers);
// The winning numbers of the draw of a period typed in "对奖期数": when the text holds more than six
// characters and names a draw of the history; nullopt otherwise (the fields are left as they are).
std::optional<WinningNumbers> winningNumbersOfPeriod(const Workspace& ws, std::string_view periodText);

}  // namespace lottodesk
