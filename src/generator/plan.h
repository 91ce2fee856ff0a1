#pragma once
// What a run decides once, before any ticket is tested: the candidates, the conditions to test and
// the history view. Every number that enters here is checked, so the hot loops need not.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "conditioncatalogue.h"
#include "conditions.h"
#include "core/workspace.h"
#include "fastrows.h"
#include "formula/tgs.h"
#include "signatures.h"
#include "ticket.h"

namespace lottodesk {

struct RunOptions;

struct Plan {
    GameParams game;
    int m = 0;                      // numbers per ticket, 0..kMaxTicketNumbers
    std::vector<int> fixedNumbers;  // ascending, 1..kMaxMainNumber
    std::vector<int> choosable;     // selectable and not fixed, ascending, 1..kMaxMainNumber
    DrawHistory history;            // cut before the filter period
    const ZonePartitions* partitions = nullptr;
    ColdHotSettings settings;
    const MainConditions* c = nullptr;
    bool continueMode = false;  // the tickets come from outside and are checked against the choice
    int fixedCount = 0;

    struct RowTest {
        const ConditionRow* row;
        int32_t lo = 0;  // allowed values as a bit set over lo..hi
        std::vector<uint8_t> allowed;
        bool tolerant = false;
        bool fast = false;
        bool pruned = false;  // decided by the enumeration's bounds
        // Allowed values within lo..lo+255 as bits, the common case; `allowed` otherwise.
        std::array<uint64_t, 4> bits{};
        bool small = false;
        bool has(int32_t v) const {
            const uint32_t index = static_cast<uint32_t>(v) - static_cast<uint32_t>(lo);
            if (small) return index < 256 && (bits[index >> 6] >> (index & 63) & 1);
            return index < allowed.size() && allowed[index];
        }
    };
    std::vector<RowTest> rows;  // enabled, non-empty, applicable; in number order
    struct CustomTest {
        tgs formula;
        std::vector<int32_t> allowed;
        bool tolerant = false;
    };
    std::vector<CustomTest> custom;
    // The table-driven rows, built once and read by every thread.
    std::unique_ptr<const FastRows> fast;
    HistorySignatures signatures;  // filled only when past draws are excluded
    const SignatureTables* tables = nullptr;
};

// Why a run cannot start with these conditions, or empty.
std::string conditionsCheck(const MainConditions& c);

// The plan of a run over `ws` with the conditions `c`; both must outlive it.
Plan makePlan(const Workspace& ws, const MainConditions& c, const SignatureTables& tables, const RunOptions& options,
              bool continueMode);

}  // namespace lottodesk
