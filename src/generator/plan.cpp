#include "plan.h"

#include <algorithm>
#include <cassert>
#include <climits>

#include "generator.h"
#include "indicators/seriesmemo.h"

namespace lottodesk {

std::string conditionsCheck(const MainConditions& c) {
    const CatalogueCondition& sd = c.rows[kStandardDeviationRow];
    if (sd.enabled && (!sd.from || !sd.to)) return kDeviationRangeMissing;
    const CatalogueCondition& cv = c.rows[kCoefficientRow];
    if (cv.enabled && (!cv.from || !cv.to)) return kCoefficientRangeMissing;
    return {};
}

Plan makePlan(const Workspace& ws, const MainConditions& c, const SignatureTables& tables, const RunOptions& options,
              bool continueMode) {
    Plan plan;
    plan.game = ws.game;
    plan.m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    plan.c = &c;
    plan.tables = &tables;
    plan.continueMode = continueMode;
    plan.partitions = &ws.partitions;
    plan.settings = ws.settings;
    const int N = std::clamp(ws.game.zh_to, 0, kMaxMainNumber);
    for (int n = 1; n <= N; ++n) {
        if (c.fixed[n])
            plan.fixedNumbers.push_back(n);
        else if (c.selectable[n])
            plan.choosable.push_back(n);
    }
    plan.fixedCount = static_cast<int>(plan.fixedNumbers.size());
    // The enumeration and the tests index by these numbers and shift masks by them unchecked.
    assert(plan.choosable.empty() || (plan.choosable.front() >= 1 && plan.choosable.back() <= kMaxMainNumber));
    assert(plan.fixedNumbers.empty() || (plan.fixedNumbers.front() >= 1 && plan.fixedNumbers.back() <= kMaxMainNumber));
    // The filter period: the run sees the history as it was before that draw.
    plan.history = DrawHistory::of(ws.sjk);
    if (options.filterPeriod != 0)
        if (const int at = ws.sjk.indexOfPeriod(options.filterPeriod); at > 0) plan.history.realCount = at - 1;
    {
        DrawRecord candidate{};
        candidate[0] = kCandidatePeriod;
        SeriesMemo memo;
        memo.prepare(0, plan.game, plan.settings);
        const IndicatorContext ctx{DrawHistory{plan.history.records, plan.history.realCount, candidate.data()},
                                   plan.game, plan.partitions, plan.settings, &memo};
        // Tables for the enabled rows only: an omission row's costs a pass over the history.
        RowSet wanted;
        for (int number = 1; number <= kCatalogueRows; ++number)
            wanted[number] = c.rows[number].enabled && !c.rows[number].allowed.empty();
        plan.fast = std::make_unique<const FastRows>(ctx, plan.m, wanted);
    }

    for (int number = 1; number <= kCatalogueRows; ++number) {
        const CatalogueCondition& condition = c.rows[number];
        const ConditionRow* row = conditionRow(number);
        if (!row || !row->item || !condition.enabled || condition.allowed.empty()) continue;
        if (row->seventhNumber && plan.m != kMaxTicketNumbers) continue;
        // Values the row's indicator cannot take are dropped (a count of 1000000000): they would
        // only widen the table.
        std::vector<int32_t> values;
        int32_t possibleLo = INT32_MIN, possibleHi = INT32_MAX;
        plan.fast->valueRange(number, possibleLo, possibleHi);
        for (int32_t v : condition.allowed)
            if (v >= possibleLo && v <= possibleHi) values.push_back(v);
        Plan::RowTest test{row, AllowedValues(std::move(values))};
        test.tolerant = condition.tolerant;
        plan.rows.push_back(std::move(test));
    }
    if (c.customEnabled)
        for (const tselfzbnode& node : c.custom.items())
            plan.custom.push_back({tgs(node.formula), node.values, node.tolerant != 0});

    if (c.noPastDraws) {
        plan.signatures.clear();
        for (int n = 1; n <= plan.history.realCount; ++n) {
            const int32_t* draw = plan.history.record(n);
            plan.signatures.insert(drawSignature(tables, draw + 1, plan.m));
        }
    }
    return plan;
}

}  // namespace lottodesk
