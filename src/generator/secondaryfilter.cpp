#include "secondaryfilter.h"

#include <algorithm>
#include <cmath>

#include "formula/tgs.h"
#include "generator.h"
#include "indicators/numberprops.h"
#include "indicators/registry.h"
#include "indicators/seriesmemo.h"

namespace lottodesk {
namespace {

// The history as the run sees it: cut before the filter period when the history holds it.
DrawHistory cutHistory(const Workspace& ws, int32_t filterPeriod) {
    DrawHistory history = DrawHistory::of(ws.sjk);
    if (filterPeriod != 0)
        if (const int at = ws.sjk.indexOfPeriod(filterPeriod); at > 0) history.realCount = at - 1;
    return history;
}

struct ValueTest {
    ResolvedIdentifier id;
    std::string text;
    const std::vector<int32_t>* allowed;
    bool tolerant;
    int code;
};

struct CustomTest {
    tgs formula;
    const std::vector<int32_t>* allowed;
    bool tolerant;
};

bool contains(const std::vector<int32_t>& values, int32_t v) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

// The custom-indicator entries: false when a strict one fails; an unevaluable formula or an empty
// set ends them. A formula that stops the evaluation (division by zero) stops the whole run with
// its message in `stop`, as in a main run.
bool customPasses(const std::vector<CustomTest>& tests, const IndicatorContext& ctx, int n, int& w, int& code,
                  std::string& stop) {
    for (const CustomTest& test : tests) {
        if (test.allowed->empty()) break;
        const EvalResult result = test.formula.evaluate(ctx, n);
        if (result.fault == EvalResult::Fault::Stop) {
            stop = result.message;
            return false;
        }
        if (!result.ok) break;
        if (contains(*test.allowed, result.value)) continue;
        if (!test.tolerant) return false;
        ++w;
        code = kSpecialCustomFailureCode;
    }
    return true;
}

template <int Capacity>
std::vector<CustomTest> customTests(bool enabled, const SelfzbConditionList<Capacity>& list) {
    std::vector<CustomTest> tests;
    if (enabled)
        for (const tselfzbnode& node : list.items())
            tests.push_back({tgs(node.formula), &node.values, node.tolerant != 0});
    return tests;
}

// Every k-selection of `candidates` in the main enumeration's order: include-first from the
// highest candidate down.
template <typename Visit>
void enumerateSelections(const std::vector<int>& candidates, int k, std::vector<int>& chosen, int p, Visit&& visit) {
    if (static_cast<int>(chosen.size()) == k) {
        visit(chosen);
        return;
    }
    if (p < k - static_cast<int>(chosen.size())) return;  // too few candidates left to complete it
    chosen.push_back(candidates[static_cast<size_t>(p - 1)]);
    enumerateSelections(candidates, k, chosen, p - 1, visit);
    chosen.pop_back();
    enumerateSelections(candidates, k, chosen, p - 1, visit);
}

}  // namespace

int32_t meanTenths(int64_t sum, int64_t count) {
    if (count <= 0) return 0;
    const int64_t n = sum * 10;
    int64_t q = n / count, r = n % count;
    if (r < 0) {  // floor division for negative sums
        r += count;
        --q;
    }
    if (2 * r > count || (2 * r == count && (q & 1))) ++q;
    return static_cast<int32_t>(q);
}

SecondaryRun runSecondaryFilter(const Workspace& ws, const SecondaryConditions& c, int32_t filterPeriod) {
    SecondaryRun run;
    const int h = ws.game.fhgs;
    const int m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    if (h < 1 || h > static_cast<int>(Ticket{}.size()) || m + h >= kSlots) {
        run.message = kSecondaryFilterShapeMessage;
        return run;
    }
    if (ws.sjk.indexOfPeriod(kPredictionPeriod) > 0) {
        run.message = kPredictionPresentMessage;
        return run;
    }
    const int S = std::clamp(ws.game.spec_to, 0, kMaxSecondaryNumber);
    std::vector<int> fixed, candidates;
    for (int n = 1; n <= S; ++n) {
        if (c.fixed[n])
            fixed.push_back(n);
        else if (c.selectable[n])
            candidates.push_back(n);
    }

    std::vector<ValueTest> rows;
    for (int number = 1; number <= 8; ++number) {
        const ValueCondition& row = c.rows[static_cast<size_t>(number)];
        if (row.enabled && !row.allowed.empty())
            rows.push_back({resolveIdentifier(kSecondaryRowIds[number]), kSecondaryRowIds[number], &row.allowed,
                            row.tolerant, number});
    }
    const std::vector<CustomTest> custom = customTests(c.customEnabled, c.custom);

    DrawRecord record{};
    record[0] = kCandidatePeriod;
    SeriesMemo memo;
    memo.prepare(0, ws.game, ws.settings);
    DrawHistory history = cutHistory(ws, filterPeriod);
    history.candidate = record.data();
    const IndicatorContext ctx{history, ws.game, &ws.partitions, ws.settings, &memo, &ws.arrangement};
    const int n = history.realCount + 1;

    const int k = h - static_cast<int>(fixed.size());
    std::vector<int> chosen;
    if (k >= 0)
        enumerateSelections(
            candidates, k, chosen, static_cast<int>(candidates.size()), [&](const std::vector<int>& part) {
                std::array<int, kMaxSecondaryNumber> selection{};
                int count = 0;
                for (int v : fixed) selection[static_cast<size_t>(count++)] = v;
                for (int v : part) selection[static_cast<size_t>(count++)] = v;
                std::sort(selection.begin(), selection.begin() + count);
                for (int i = 0; i < h; ++i) record[static_cast<size_t>(m + 1 + i)] = selection[static_cast<size_t>(i)];
                int w = 0, code = 0;
                for (const ValueTest& row : rows) {
                    if (contains(*row.allowed, resolvedValue(row.id, row.text, ctx, n))) continue;
                    if (!row.tolerant) return;
                    ++w;
                }
                if (!run.message.empty() || !customPasses(custom, ctx, n, w, code, run.message)) return;
                if (c.totalToleranceEnabled && (w < c.totalFrom || w > c.totalTo)) return;
                Ticket ticket{};
                for (int i = 0; i < h; ++i)
                    ticket[static_cast<size_t>(i)] = static_cast<uint8_t>(selection[static_cast<size_t>(i)]);
                run.results.push_back(ticket);
            });
    if (!run.message.empty()) {
        run.results.clear();
        return run;
    }
    run.completed = true;
    const std::string count = std::to_string(run.results.size());
    run.statusText = "超强组号  已得到符合条件的副号组有" + count + "个";
    run.countText = "投注结果：共" + count + "注";
    return run;
}

SpecialRun runSpecialFilter(const Workspace& ws, const SpecialNumberConditions& c, int32_t filterPeriod) {
    SpecialRun run;
    const int m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    if (ws.game.fhgs != 1) {
        run.message = kSpecialFilterShapeMessage;
        return run;
    }
    if (ws.sjk.indexOfPeriod(kPredictionPeriod) > 0) {
        run.message = kSpecialPredictionMessage;
        return run;
    }
    const int S = std::clamp(ws.game.spec_to, 0, kMaxSecondaryNumber);
    const std::vector<CustomTest> custom = customTests(c.customEnabled, c.custom);

    DrawRecord record{};
    record[0] = kCandidatePeriod;
    for (int i = 1; i <= m; ++i) record[static_cast<size_t>(i)] = i;
    SeriesMemo memo;
    memo.prepare(0, ws.game, ws.settings);
    DrawHistory history = cutHistory(ws, filterPeriod);
    history.candidate = record.data();
    const IndicatorContext ctx{history, ws.game, &ws.partitions, ws.settings, &memo, &ws.arrangement};
    const int n = history.realCount + 1;
    const ResolvedIdentifier amplitude = resolveIdentifier("f_num1zf");
    const ResolvedIdentifier omission = resolveIdentifier("f_num1yl");
    const int slot = m + 1;

    // The mean bounds in tenths: from rounded up, to rounded down (a typed 7.25 admits 7.2).
    struct MeanBound {
        bool active = false;
        int32_t from = 0, to = 0;
        bool tolerant = false;
    };
    std::array<MeanBound, 5> means{};
    for (size_t r = 0; r < means.size(); ++r) {
        const RangeCondition& row = c.means[r];
        if (!row.enabled || !row.from || !row.to) continue;
        means[r] = {true, static_cast<int32_t>(std::ceil(*row.from * 10 - 1e-9)),
                    static_cast<int32_t>(std::floor(*row.to * 10 + 1e-9)), row.tolerant};
    }
    constexpr int kMeanDraws[5] = {2, 3, 4, 5, 10};

    run.passed.assign(static_cast<size_t>(S) + 1, 0);
    run.codes.assign(static_cast<size_t>(S) + 1, 0);
    for (int J = 1; J <= S; ++J) {
        record[static_cast<size_t>(slot)] = J;
        int w = 0, code = 0;
        bool rejected = false;
        auto fail = [&](bool tolerant, int number) {
            if (!tolerant) {
                rejected = true;
                return;
            }
            ++w;
            code = number;
        };
        if (c.parity.enabled && (J % 2 == 0) != (c.parity.choice == 1)) fail(c.parity.tolerant, 1);
        if (!rejected && c.primality.enabled && is_prime(J) != (c.primality.choice == 0)) fail(c.primality.tolerant, 2);
        if (!rejected && c.zone.enabled && (J > S / 2) != (c.zone.choice == 1)) fail(c.zone.tolerant, 3);
        for (int r = 0; r < 5 && !rejected; ++r) {
            const ValueCondition& row = c.values[static_cast<size_t>(r)];
            if (!row.enabled || row.allowed.empty()) continue;
            const int32_t value = r < 3    ? J % (r + 3)
                                  : r == 3 ? resolvedValue(amplitude, "f_num1zf", ctx, n)
                                           : resolvedValue(omission, "f_num1yl", ctx, n);
            if (!contains(row.allowed, value)) fail(row.tolerant, r + 4);
        }
        for (int r = 0; r < 5 && !rejected; ++r) {
            if (!means[static_cast<size_t>(r)].active) continue;
            int64_t sum = J, count = 1;
            for (int back = 1; back < kMeanDraws[r] && n - back >= 1; ++back, ++count)
                sum += history.record(n - back)[slot];
            const int32_t mean = meanTenths(sum, count);
            if (mean < means[static_cast<size_t>(r)].from || mean > means[static_cast<size_t>(r)].to)
                fail(means[static_cast<size_t>(r)].tolerant, r + 9);
        }
        if (!rejected && !customPasses(custom, ctx, n, w, code, run.message)) {
            if (!run.message.empty()) {
                run.results.clear();
                return run;
            }
            rejected = true;
        }
        if (!rejected && c.totalToleranceEnabled && (w > c.totalTo || w < c.totalFrom)) rejected = true;
        run.codes[static_cast<size_t>(J)] = static_cast<uint8_t>(code);
        if (rejected) continue;
        run.passed[static_cast<size_t>(J)] = 1;
        run.results.push_back(J);
    }
    run.completed = true;
    run.countText = "过滤结果：共" + std::to_string(run.results.size()) + "个";
    return run;
}

}  // namespace lottodesk
