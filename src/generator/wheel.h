#pragma once
// Wheels ("旋转矩阵"): a reduced set of six-number tickets from a pool of numbers that keeps a
// guarantee "if k drawn numbers are in the pool, at least g of them are on one ticket", found by
// the greedy covering search over all tickets of the pool. The fixed numbers ("胆码") are on every
// ticket and in every covered combination; the guarantee then holds for draws that have them.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "conditions.h"
#include "generator.h"

namespace lottodesk {

enum class Guarantee {
    SixKeepFive,   // "中六保五"
    FiveKeepFive,  // "中五保五"
    SixKeepFour,   // "中六保四"
    FourKeepFour,  // "中四保四"
    FiveKeepFour,  // "中五保四"
};

struct GuaranteeRule {
    Guarantee guarantee;
    const char* name;
    int drawn;  // k: drawn numbers in the pool
    int kept;   // g: of them on one ticket
};

// In the order the window lists them ("中六保五" first, the preselected one).
inline constexpr std::array<GuaranteeRule, 5> kGuaranteeRules = {{
    {Guarantee::SixKeepFive, "中六保五", 6, 5},
    {Guarantee::FiveKeepFive, "中五保五", 5, 5},
    {Guarantee::SixKeepFour, "中六保四", 6, 4},
    {Guarantee::FourKeepFour, "中四保四", 4, 4},
    {Guarantee::FiveKeepFour, "中五保四", 5, 4},
}};

const GuaranteeRule& guaranteeRule(Guarantee guarantee);
std::optional<Guarantee> guaranteeNamed(std::string_view name);

inline constexpr int kWheelTicketSize = 6;

// The pool of a wheel: the fixed numbers and the other selectable numbers, each ascending, disjoint.
struct WheelPool {
    std::vector<int> fixed;
    std::vector<int> choosable;
    int size() const { return static_cast<int>(fixed.size() + choosable.size()); }
};

// The pool of the generator's conditions: numbers 1..zh_to, the fixed ones and the selectable
// ones that are not fixed.
WheelPool wheelPoolOf(const MainConditions& conditions, int zh_to);

struct WheelProgress {
    int stage = 1;  // "中五保四" runs two stages; the others one
    int stages = 1;
    int64_t covered = 0;
    int64_t targets = 0;
};

struct WheelOptions {
    // Called from the computing thread now and then (about every thousandth of the targets).
    std::function<void(const WheelProgress&)> progress;
    // Polled once per chosen ticket; when set, the search stops and the result is not completed.
    const std::atomic<bool>* cancel = nullptr;
};

struct WheelResult {
    bool completed = false;       // false: cancelled; the tickets are then meaningless
    std::vector<Ticket> tickets;  // numbers ascending in bytes 0..5
    std::vector<uint8_t> tags;    // per ticket: 0, or the number of its last tolerated failure
};

// "旋转缩水": the greedy wheel over every ticket of the pool. Tags are 0.
WheelResult greedyWheel(const WheelPool& pool, Guarantee guarantee, const WheelOptions& options = {});

// "过滤后旋转": the same search where a ticket can only be chosen when it passed the filter. `passing`
// are the tickets of the pool that passed (in any order) and `tags` their tolerance tags (the T of
// their own test). Each chosen ticket keeps its tag; untagged tickets gather at the front as
// continue filtering places them.
WheelResult filteredWheel(const WheelPool& pool, Guarantee guarantee, const std::vector<Ticket>& passing,
                          const std::vector<uint8_t>& tags, const WheelOptions& options = {});

// Reorders tickets and tags as continue filtering does when every ticket passes: tickets with tag
// 0 move to the front in their order, the others fill the rest.
void gatherUntagged(std::vector<Ticket>& tickets, std::vector<uint8_t>& tags);

}  // namespace lottodesk
