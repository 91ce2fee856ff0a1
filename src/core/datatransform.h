#pragma once
// The data transform: the main numbers of the history replaced, in memory only, by their places in
// a recency ranking of the numbers, so every view and the generator work on the places.
//
// Ranking R(k) of history record k: the numbers of the records before k, newest record first and
// each record's numbers in shuffled order D(r) = S(numbers, 3), every number listed once, then the
// numbers never drawn, ascending. Transforms 2..4 shuffle every ranking once more: S(R(k), t - 1).
// Record k (k >= 2) becomes the places of its numbers in R(k - 1), ascending; record 1 keeps its
// numbers; secondary numbers and periods never change. The draw after the last real one (the
// undrawn period, the prediction record, the generator's candidates) is numbered through the
// ranking that would number it: R(N) for N real draws.
//
// Safety: while a transform is applied the history refuses every save (kTransformedSaveMessage),
// and reopening the history goes through applyTransform, which re-applies the current transform.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cpstyle.h"
#include "s_dm.h"
#include "status.h"

namespace lottodesk {

struct Workspace;

inline constexpr const char* kTransformedSaveMessage = "当前为变换数据，不能保存";
constexpr int kTransformKinds = 5;         // 0 "原始数据", 1..4 "变换1".."变换4"
constexpr int kMaxTransformRange = 49;     // ranges above this offer only the raw data
constexpr int kMinTransformMainCount = 3;  // the draw shuffle swaps in place 3

// Flags of the numbers 1..49 picked in the transform window's selection row (index = number).
using NumberFlags = std::array<bool, kMaxTransformRange + 1>;

// How many of the five kinds the game offers: all five, or only "原始数据" (1) for games with
// fewer than three main numbers or a main range of more than 49 numbers.
int offeredTransforms(const GameParams& game);
// "原始数据", "变换1" .. "变换4".
std::string transformName(int transform);

// S(L, t) in place over list[0..d-1]: swap places t and 1, then for i = 2 .. d-1 swap place i with
// place ((L[i-1] - 1) mod (d - 1)) + 2, the remainder taken non-negative so any value (damaged
// records hold any) picks a place inside the list. Needs 1 <= t <= d; d < 2 leaves the list.
void shuffleList(int32_t* list, int d, int t);

// Rebuilds `rankings` from `history`: one record per history record, its period in slot 0 and
// R(k) (after the transform's extra shuffle for 2..4) in slots 1..range. Numbers outside the main
// range and repeats within a record take no part. Linear in records x range: R(k + 1) is D(k)'s
// numbers followed by R(k) without them, which is the scan the definition describes.
void buildRankings(const t_s_dm& history, const GameParams& game, int transform, t_s_dm& rankings);

// Rebuilds `copy` from `history` and its `rankings`: record 1 as it is, record k's main numbers
// replaced by their places in R(k - 1), ascending. A number outside the range, a repeat within the
// record, or a number missing from the ranking, becomes 0.
void buildTransformedCopy(const t_s_dm& history, const t_s_dm& rankings, const GameParams& game, t_s_dm& copy);

// Applies transform 0..4 to the workspace's history: a prediction record (last record, 9999999)
// and `selection` (when given) are remembered as drawn numbers, the history is reopened from its
// file, the prediction record appended again (not saved), the rankings and the transformed copy
// rebuilt and the transformed numbers written into `sjk`; the cursor returns to the period it was
// on (the last record when that period is gone) and the selection is renumbered. Sets ws.transform,
// ws.transformed and the history's save refusal. A transform the game does not offer, or a
// history that cannot be reopened, changes nothing and says why.
Status applyTransform(Workspace& ws, int transform, NumberFlags* selection = nullptr);

// The one way to reopen the history from its file: re-applies the current transform (or reopens
// the raw history when none is applied), so no reload silently drops a transform.
Status reloadHistory(Workspace& ws);

// Forgets the transform without touching `sjk` (the history is about to be reopened for another
// lottery type): index 0, the rankings and the copy emptied, saving allowed again.
void clearTransformState(Workspace& ws);

// The ranking that numbers history record `index` (1-based; count + 1 is the draw after the last
// record): R(index - 1) of the current rankings. The identity zh_from..zh_to when no transform is
// applied or index <= 1 (record 1 keeps its numbers).
std::vector<int32_t> rankingFor(const Workspace& ws, int index);
// The ranking that numbers the undrawn period: the one after the newest real draw.
std::vector<int32_t> undrawnRanking(const Workspace& ws);
// The ranking a generator run for `filterPeriod` numbered its tickets through (0: the undrawn
// period). Empty when the period is not a real draw of the history.
std::vector<int32_t> rankingForFilterPeriod(const Workspace& ws, int32_t filterPeriod);

// The drawn number at 1-based `place` of `ranking`; 0 outside it.
int32_t numberAt(const std::vector<int32_t>& ranking, int32_t place);
// The 1-based place of `number` in `ranking`; 0 when it is not listed.
int32_t placeOf(const std::vector<int32_t>& ranking, int32_t number);

// "恢复到原始投注结果" of one ticket of m numbers: each place replaced by the drawn number at it
// (0 for a place outside the ranking), then sorted ascending.
void restoreTicket(uint8_t* numbers, int m, const std::vector<int32_t>& ranking);

// "将选号导入到预测区": the selected numbers, ascending, become the prediction record (9999999),
// edited when present, appended otherwise; not saved. A selection of other than zhgs numbers is
// refused with "选号区红号个数应为" + zhgs + "个" and changes nothing.
Status putSelectionIntoPrediction(t_s_dm& history, const GameParams& game, const NumberFlags& selection);
// "清除预测区": removes the prediction record when there is one; not saved.
void removePrediction(t_s_dm& history);

}  // namespace lottodesk
