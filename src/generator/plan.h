#pragma once
// What a run decides once, before any ticket is tested: the candidates, the conditions to test and
// the history view. Every number that enters here is checked, so the hot loops need not.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "allowedvalues.h"
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
        AllowedValues allowed;  // without the values the row's indicator cannot take
        bool tolerant = false;
        bool fast = false;
        bool pruned = false;  // decided by the enumeration's bounds
        bool has(int32_t v) const { return allowed.has(v); }
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
