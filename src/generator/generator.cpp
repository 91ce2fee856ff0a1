#include "generator.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <random>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "conditioncatalogue.h"
#include "exclusions.h"
#include "fastrows.h"
#include "selfcond.h"
#include "formula/tgs.h"
#include "indicators/seriesmemo.h"
#include "core/drawtext.h"

namespace lottodesk {
namespace {

constexpr uint32_t kSignatureRange = 200000000;
constexpr int kSignatureSlots = 65536;

// The history signature table of one run: 65,536 slots probed linearly from the home slot.
class SignatureTable {
public:
    void clear() { m_occupied.assign(kSignatureSlots, false), m_keys.assign(kSignatureSlots, 0); }
    void insert(uint32_t home, uint32_t key) {
        for (int probe = 0, slot = static_cast<int>(home); probe < kSignatureSlots - 1; ++probe, slot = (slot + 1) % kSignatureSlots)
            if (!m_occupied[slot]) {
                m_occupied[slot] = true;
                m_keys[slot] = key;
                return;
            }
    }
    bool contains(uint32_t home, uint32_t key) const {
        for (int probe = 0, slot = static_cast<int>(home); probe < kSignatureSlots - 1 && m_occupied[slot];
             ++probe, slot = (slot + 1) % kSignatureSlots)
            if (m_keys[slot] == key) return true;
        return false;
    }

private:
    std::vector<bool> m_occupied;
    std::vector<uint32_t> m_keys;
};

// Everything a run decides once: the candidates, the conditions to test and the history view.
struct Plan {
    GameParams game;
    int m = 0;
    std::vector<int> fixedNumbers;  // ascending
    std::vector<int> choosable;     // selectable and not fixed, ascending
    DrawHistory history;            // cut before the filter period
    const ZonePartitions* partitions = nullptr;
    ColdHotSettings settings;
    const MainConditions* c = nullptr;
    bool continueMode = false;
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
    SignatureTable signatures;
    const SignatureTables* tables = nullptr;
};

void sortAscending(int32_t* numbers, int m) {
    for (int i = 1; i < m; ++i)
        for (int j = i; j > 0 && numbers[j - 1] > numbers[j]; --j) std::swap(numbers[j - 1], numbers[j]);
}

struct Signature {
    uint32_t home;
    uint32_t key;
};

Signature signatureOf(const SignatureTables& tables, const int32_t* numbers, int m) {
    uint32_t s1 = 0, s2 = 0;
    for (int i = 0; i < m; ++i) {
        const int n = numbers[i];
        if (n < 0 || n > kMaxMainNumber) continue;
        s1 += tables.r1[n];
        s2 += tables.r2[n];
    }
    return {s1 & 0xFFFF, s2};
}

// A failure that stops the whole run (a formula that divides by zero for some ticket).
struct RunStop {
    std::string message;
};

// Tests one ticket s[0..m-1] (ascending). Only whether it passes and the number of its last
// tolerated failure (in the canonical order: 34, 35, the catalogue rows by number, custom
// indicators 134, self-set 135, tail 136) can be observed, so the strict conditions run first,
// cheapest first, and the tolerant ones only when their count or the tag matters.
class Tester {
public:
    explicit Tester(const Plan& plan) : m_plan(plan) {
        m_record.fill(0);
        m_record[0] = kCandidatePeriod;
        m_ctx = {DrawHistory{plan.history.records, plan.history.realCount, m_record.data()}, plan.game,
                 plan.partitions, plan.settings, &m_memo};
        m_memo.prepare(0, plan.game, plan.settings);
        m_fast = std::make_unique<FastRows>(m_ctx, plan.m);
        for (const Plan::RowTest& row : plan.rows) {
            Plan::RowTest copy = row;
            copy.fast = m_fast->covers(row.row->number);
            (row.tolerant ? m_tolerantRows : m_strictRows).push_back(std::move(copy));
        }
        orderStrictRows();
        m_smallNumbers = plan.game.zh_to < 64 && plan.game.zh_from >= 0;
        if (!plan.continueMode) buildBounds();
        m_needTolerant = plan.continueMode || plan.c->totalToleranceEnabled;
        m_realValued = plan.c->rows[kStandardDeviationRow].enabled || plan.c->rows[kCoefficientRow].enabled;
        for (int n = 1; n <= kMaxMainNumber; ++n) {
            if (plan.c->selectable[n]) m_selectableMask |= uint64_t{1} << n;
            if (plan.c->fixed[n]) m_fixedMask |= uint64_t{1} << n;
        }
    }

    bool test(const int32_t* s, uint8_t& tag) {
        uint64_t mask = 0;
        int32_t sum = 0;
        for (int i = 0; i < m_plan.m; ++i) {
            mask |= s[i] >= 0 && s[i] < 64 ? uint64_t{1} << s[i] : 0;
            sum += s[i];
        }
        return test(s, mask, sum, tag);
    }

    // `mask` and `sum` of the ticket, kept up to date by the enumeration. With `bounded`, the rows
    // the enumeration already decided (see Bounds) are not tested again.
    bool test(const int32_t* s, uint64_t mask, int32_t sum, uint8_t& tag, bool bounded = false) {
        const Plan& p = m_plan;
        const MainConditions& c = *p.c;
        const int m = p.m;
        if (p.continueMode) {
            if (m_smallNumbers) {
                // Every number selectable, and exactly the fixed numbers' count of them fixed.
                if ((mask & ~m_selectableMask) != 0 || std::popcount(mask & m_fixedMask) != p.fixedCount) return false;
                for (int i = 0; i < m; ++i)
                    if (s[i] < 1) return false;
            } else {
                int fixedIn = 0;
                for (int i = 0; i < m; ++i) {
                    if (s[i] < 1 || s[i] > kMaxMainNumber || !c.selectable[s[i]]) return false;
                    if (c.fixed[s[i]]) ++fixedIn;
                }
                if (fixedIn != p.fixedCount) return false;
            }
        }
        int w = 0, lastRow = 0, lastGroup = 0;
        for (int number : {kStandardDeviationRow, kCoefficientRow}) {
            if (!m_realValued) break;
            const CatalogueCondition& row = c.rows[number];
            if (!row.enabled) continue;
            const float value = number == kStandardDeviationRow ? ticketStandardDeviation(s, m) : ticketCoefficient(s, m);
            if (*row.from <= value && value <= *row.to) continue;
            if (!row.tolerant) return false;
            ++w;
            lastRow = number;
        }
        if (c.noEqualSpacing && equalSpacing(s, m)) return false;
        if (c.noSpecialRuns && (m_smallNumbers ? specialRunsInMask(mask) : specialRuns(s, m))) return false;
        if (c.noPastDraws) {
            const Signature sig = signatureOf(*p.tables, s, m);
            if (p.signatures.contains(sig.home, sig.key)) return false;
        }
        const FastTicket ticket{s, m, mask, sum};
        bool inRecord = false;
        auto rowValue = [&](const Plan::RowTest& row) {
            if (row.fast) return m_fast->value(row.row->number, ticket);
            if (!inRecord) {
                for (int i = 0; i < m; ++i) m_record[i + 1] = s[i];
                inRecord = true;
            }
            return conditionValue(*row.row, m_ctx, p.history.realCount + 1);
        };
        for (const Plan::RowTest& row : m_strictRows)
            if (!(bounded && row.pruned) && !row.has(rowValue(row))) return false;
        if (!p.custom.empty() && !inRecord) {
            for (int i = 0; i < m; ++i) m_record[i + 1] = s[i];
            inRecord = true;
        }
        for (const Plan::CustomTest& custom : p.custom) {
            if (custom.allowed.empty()) break;
            const EvalResult result = custom.formula.evaluate(m_ctx, p.history.realCount + 1);
            if (result.fault == EvalResult::Fault::Stop) throw RunStop{result.message};
            if (!result.ok) break;
            if (std::find(custom.allowed.begin(), custom.allowed.end(), result.value) != custom.allowed.end()) continue;
            if (!custom.tolerant) return false;
            ++w;
            lastGroup = kCustomFailureCode;
        }
        // Self-set and tail lists: false when a strict entry fails.
        auto groupPasses = [&](const std::vector<tselfcond>& list, auto holds, int code) {
            for (const tselfcond& condition : list) {
                if (holds(condition, s, m)) continue;
                if (!condition.tolerant) return false;
                ++w;
                lastGroup = code;
            }
            return true;
        };
        if (c.selfSetEnabled && !groupPasses(c.selfSet, selfSetHolds, kSelfSetFailureCode)) return false;
        if (c.tailEnabled && !groupPasses(c.tails, tailHolds, kTailFailureCode)) return false;
        if (m_needTolerant)
            for (const Plan::RowTest& row : m_tolerantRows)  // in number order
                if (!row.has(rowValue(row))) {
                    ++w;
                    lastRow = row.row->number;
                }
        if (c.totalToleranceEnabled && (w < c.totalFrom || w > c.totalTo)) return false;
        tag = static_cast<uint8_t>(lastGroup != 0 ? lastGroup : lastRow);
        return true;
    }

    // Bounds of partial tickets for the strict rows that count numbers of a fixed set or depend on
    // the sum alone: a branch of the enumeration none of whose completions can have an allowed
    // value is skipped. The skipped tickets would all fail, so the results do not change; and a
    // complete ticket's bounds are its values, so those rows need no test at the leaf.
    struct CountBound {
        uint64_t set = 0;
        std::vector<int> nextAllowed;  // smallest allowed count >= c, for c = 0..m+1 (m+1: none)
    };
    std::vector<CountBound> counts;
    std::vector<int> nextSum;  // smallest allowed sum >= x; empty when no sum row takes part
    int maxSum = 0;

    void buildBounds() {
        const int m = m_plan.m;
        if (!m_smallNumbers) return;
        for (Plan::RowTest& row : m_strictRows) {
            uint64_t set = 0;
            if (!row.fast || !m_fast->countSet(row.row->number, set)) continue;
            CountBound bound{set, std::vector<int>(static_cast<size_t>(m) + 2, m + 1)};
            for (int c = m; c >= 0; --c) bound.nextAllowed[c] = row.has(c) ? c : bound.nextAllowed[c + 1];
            counts.push_back(std::move(bound));
            row.pruned = true;
        }
        for (int n : m_plan.choosable) maxSum += n;
        for (int n : m_plan.fixedNumbers) maxSum += n;
        std::vector<Plan::RowTest*> sumRows;
        for (Plan::RowTest& row : m_strictRows)
            if (row.fast && m_fast->sumOnly(row.row->number)) sumRows.push_back(&row);
        if (sumRows.empty()) return;
        const int32_t dummy[8] = {};
        nextSum.assign(static_cast<size_t>(maxSum) + 2, maxSum + 1);
        for (int x = maxSum; x >= 0; --x) {
            const FastTicket ticket{dummy, m, 0, x};
            bool allowed = true;
            for (const Plan::RowTest* row : sumRows) allowed = allowed && row->has(m_fast->value(row->row->number, ticket));
            nextSum[x] = allowed ? x : nextSum[x + 1];
        }
        for (Plan::RowTest* row : sumRows) row->pruned = true;
    }

private:
    // The strict rows ordered by the cost of rejecting a ticket: a sample of tickets gives each
    // row's pass rate, and a row computed from tables costs less than one that needs the general
    // computation. The order changes only speed, never which tickets pass.
    void orderStrictRows() {
        const Plan& p = m_plan;
        if (m_strictRows.size() < 2 || p.choosable.size() < static_cast<size_t>(p.m) || p.fixedCount > 0) {
            std::stable_sort(m_strictRows.begin(), m_strictRows.end(),
                             [](const Plan::RowTest& a, const Plan::RowTest& b) { return a.fast > b.fast; });
            return;
        }
        std::mt19937 random(12345);
        std::vector<int32_t> pool(p.choosable.begin(), p.choosable.end());
        std::vector<double> passes(m_strictRows.size(), 0);
        constexpr int kSample = 512;
        for (int trial = 0; trial < kSample; ++trial) {
            std::shuffle(pool.begin(), pool.end(), random);
            int32_t s[8];
            std::copy(pool.begin(), pool.begin() + p.m, s);
            sortAscending(s, p.m);
            FastTicket ticket{s, p.m, 0, 0};
            for (int i = 0; i < p.m; ++i) {
                ticket.mask |= s[i] >= 0 && s[i] < 64 ? uint64_t{1} << s[i] : 0;
                ticket.sum += s[i];
                m_record[i + 1] = s[i];
            }
            for (size_t r = 0; r < m_strictRows.size(); ++r) {
                const Plan::RowTest& row = m_strictRows[r];
                const int32_t v = row.fast ? m_fast->value(row.row->number, ticket)
                                           : conditionValue(*row.row, m_ctx, p.history.realCount + 1);
                passes[r] += row.has(v);
            }
        }
        std::vector<std::pair<double, size_t>> scored;
        for (size_t r = 0; r < m_strictRows.size(); ++r) {
            const double cost = m_strictRows[r].fast ? 1.0 : 4.0;
            const double rejection = 1.0 - passes[r] / kSample;
            scored.emplace_back(cost / std::max(rejection, 1e-3), r);
        }
        std::stable_sort(scored.begin(), scored.end());
        std::vector<Plan::RowTest> ordered;
        for (const auto& [score, r] : scored) ordered.push_back(m_strictRows[r]);
        m_strictRows = std::move(ordered);
    }

    const Plan& m_plan;
    DrawRecord m_record;
    SeriesMemo m_memo;
    IndicatorContext m_ctx;
    std::unique_ptr<FastRows> m_fast;
    std::vector<Plan::RowTest> m_strictRows, m_tolerantRows;
    bool m_needTolerant = false;
    bool m_realValued = false;
    bool m_smallNumbers = false;
    uint64_t m_selectableMask = 0, m_fixedMask = 0;
};

// Checks before a run; a message when it cannot start. Removes a prediction record.
std::string startCheck(Workspace& ws, const MainConditions& c) {
    t_s_dm& sjk = ws.sjk;
    if (const int at = sjk.indexOfPeriod(kPredictionPeriod); at > 0) {
        sjk.SetRecNo(at);
        sjk.Delete(false);
        return kPredictionPresentMessage;
    }
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
    plan.m = std::clamp(ws.game.zhgs, 0, 7);
    plan.c = &c;
    plan.tables = &tables;
    plan.continueMode = continueMode;
    plan.partitions = &ws.partitions;
    plan.settings = ws.settings;
    const int N = std::clamp(ws.game.zh_to, 0, kMaxMainNumber);
    for (int n = 1; n <= N; ++n) {
        if (c.fixed[n]) plan.fixedNumbers.push_back(n);
        else if (c.selectable[n]) plan.choosable.push_back(n);
    }
    plan.fixedCount = static_cast<int>(plan.fixedNumbers.size());
    // The filter period: the run sees the history as it was before that draw.
    plan.history = DrawHistory::of(ws.sjk);
    if (options.filterPeriod != 0)
        if (const int at = ws.sjk.indexOfPeriod(options.filterPeriod); at > 0) plan.history.realCount = at - 1;

    for (int number = 1; number <= kCatalogueRows; ++number) {
        const CatalogueCondition& condition = c.rows[number];
        const ConditionRow* row = conditionRow(number);
        if (!row || !row->item || !condition.enabled || condition.allowed.empty()) continue;
        if (row->seventhNumber && plan.m != 7) continue;
        Plan::RowTest test{row, 0, {}, false, false, false, {}, false};
        const auto [lo, hi] = std::minmax_element(condition.allowed.begin(), condition.allowed.end());
        test.lo = *lo;
        test.allowed.assign(static_cast<size_t>(int64_t{*hi} - *lo + 1), 0);
        for (int32_t v : condition.allowed) test.allowed[v - test.lo] = 1;
        test.small = test.allowed.size() <= 256;
        if (test.small)
            for (int32_t v : condition.allowed) test.bits[(v - test.lo) >> 6] |= uint64_t{1} << ((v - test.lo) & 63);
        test.tolerant = condition.tolerant;
        plan.rows.push_back(std::move(test));
    }
    if (c.customEnabled)
        for (const tselfzbnode& node : c.custom.items())
            plan.custom.push_back({tgs(node.formula), node.values, node.tolerant != 0});

    if (c.noPastDraws) {
        plan.signatures.clear();
        for (int n = 1; n <= plan.history.realCount; ++n) {
            int32_t numbers[kSlots];
            const int32_t* draw = plan.history.record(n);
            for (int i = 0; i < plan.m; ++i) numbers[i] = draw[i + 1];
            const Signature sig = signatureOf(tables, numbers, plan.m);
            plan.signatures.insert(sig.home, sig.key);
        }
    }
    return plan;
}

// The same walk without bounds, as a flat odometer: faster when there is nothing to bound.
// Within the block the order is the include-first walk from the highest entry down, that is the
// chosen positions in descending lexicographic order.
void enumerateAll(const Plan& plan, Tester& tester, int top, std::vector<Ticket>& out, std::vector<uint8_t>& tags) {
    const int m = plan.m;
    const int k = m - plan.fixedCount;
    const int fixedCount = plan.fixedCount;
    int idx[8];
    int32_t ticket[8];
    // The chosen numbers ascending in ticket[0..k-1] (idx holds them descending), with the mask
    // and sum of the chosen part kept per position so a step updates only what changed.
    uint64_t chosenMask[9] = {};
    int32_t chosenSum[9] = {};
    uint64_t fixedMask = 0;
    int32_t fixedSum = 0;
    for (int f : plan.fixedNumbers) {
        fixedMask |= f >= 0 && f < 64 ? uint64_t{1} << f : 0;
        fixedSum += f;
    }
    int32_t chosenAscending[8];
    auto place = [&](int from) {  // positions from..k-1 of idx changed
        for (int j = from; j < k; ++j) {
            const int32_t n = plan.choosable[idx[j]];
            chosenAscending[k - 1 - j] = n;
            chosenMask[j + 1] = chosenMask[j] | (n >= 0 && n < 64 ? uint64_t{1} << n : 0);
            chosenSum[j + 1] = chosenSum[j] + n;
        }
    };
    auto emit = [&] {
        const int32_t* s = chosenAscending;
        if (fixedCount > 0) {
            // Merge the chosen numbers with the fixed ones, both ascending.
            int a = 0, b = 0, at = 0;
            while (at < m) ticket[at++] = (b >= fixedCount || (a < k && chosenAscending[a] < plan.fixedNumbers[b]))
                                              ? chosenAscending[a++]
                                              : plan.fixedNumbers[b++];
            s = ticket;
        }
        uint8_t tag = 0;
        if (!tester.test(s, chosenMask[k] | fixedMask, chosenSum[k] + fixedSum, tag)) return;
        Ticket t{};
        for (int i = 0; i < m; ++i) t[i] = static_cast<uint8_t>(s[i]);
        out.push_back(t);
        tags.push_back(tag);
    };
    if (k == 0) {
        emit();  // the fixed numbers alone
        return;
    }
    // Room for every ticket of the block when nothing is filtered out, within reason.
    double size = 1;
    for (int i = 1; i < k; ++i) size = size * (top - i + 1) / i;
    out.reserve(out.size() + static_cast<size_t>(std::min(size, 4.0e6)));
    tags.reserve(out.capacity());
    idx[0] = top;
    for (int j = 1; j < k; ++j) idx[j] = top - j;
    place(0);
    while (true) {
        emit();
        // The next combination: lower the rightmost position that can go lower, then fill the
        // positions after it as high as they can be.
        int j = k - 1;
        while (j >= 1 && idx[j] == k - 1 - j) --j;
        if (j < 1) return;
        --idx[j];
        for (int i = j + 1; i < k; ++i) idx[i] = idx[i - 1] - 1;
        place(j);
    }
}

// The tickets of one block of the enumeration: those whose highest chosen number is choosable[top].
// Within the block the order is the include-first walk from the highest entry down: each position
// takes the remaining entries from the highest down. Branches that the tester's bounds rule out
// are skipped.
class BlockWalk {
public:
    BlockWalk(const Plan& plan, Tester& tester, std::vector<Ticket>& out, std::vector<uint8_t>& tags)
        : m_plan(plan), m_tester(tester), m_out(out), m_tags(tags), m_k(plan.m - plan.fixedCount) {
        const size_t c = plan.choosable.size();
        m_poolMask.assign(c + 1, 0);
        m_poolSum.assign(c + 1, 0);
        for (size_t i = 0; i < c; ++i) {
            const int32_t n = plan.choosable[i];
            m_poolMask[i + 1] = m_poolMask[i] | (n >= 0 && n < 64 ? uint64_t{1} << n : 0);
            m_poolSum[i + 1] = m_poolSum[i] + n;
        }
        for (int f : plan.fixedNumbers) {
            m_fixedMask |= f >= 0 && f < 64 ? uint64_t{1} << f : 0;
            m_fixedSum += f;
        }
    }

    void run(int top) {
        if (m_k == 0) {
            leaf(m_fixedMask, m_fixedSum);  // the fixed numbers alone
            return;
        }
        // Room for every ticket of the block when nothing is filtered out, within reason.
        double size = 1;
        for (int i = 1; i < m_k; ++i) size = size * (top - i + 1) / i;
        m_out.reserve(m_out.size() + static_cast<size_t>(std::min(size, 4.0e6)));
        m_tags.reserve(m_out.capacity());
        const int32_t n = m_plan.choosable[top];
        const uint64_t mask = m_fixedMask | (n >= 0 && n < 64 ? uint64_t{1} << n : 0);
        const int32_t sum = m_fixedSum + n;
        m_chosen[0] = n;
        if (feasible(mask, sum, m_k - 1, top)) walk(1, top, mask, sum);
    }

private:
    // Whether some completion with `left` more numbers from choosable[0..below-1] can pass the
    // bounded rows.
    bool feasible(uint64_t mask, int32_t sum, int left, int below) const {
        for (const Tester::CountBound& bound : m_tester.counts) {
            const int c = std::popcount(mask & bound.set);
            const int in = std::popcount(m_poolMask[below] & bound.set);
            const int lo = c + std::max(0, left - (below - in));
            const int hi = c + std::min(left, in);
            if (bound.nextAllowed[std::min<size_t>(lo, bound.nextAllowed.size() - 1)] > hi) return false;
        }
        if (!m_tester.nextSum.empty()) {
            const int lo = sum + m_poolSum[left];
            const int hi = sum + m_poolSum[below] - m_poolSum[below - left];
            if (lo > m_tester.maxSum || m_tester.nextSum[std::max(lo, 0)] > hi) return false;
        }
        return true;
    }

    void walk(int depth, int upper, uint64_t mask, int32_t sum) {
        if (depth == m_k) {
            leaf(mask, sum);
            return;
        }
        const int left = m_k - depth;  // numbers still to choose, this one included
        for (int idx = upper - 1; idx >= left - 1; --idx) {
            const int32_t n = m_plan.choosable[idx];
            const uint64_t nextMask = mask | (n >= 0 && n < 64 ? uint64_t{1} << n : 0);
            const int32_t nextSum = sum + n;
            if (!feasible(nextMask, nextSum, left - 1, idx)) continue;
            m_chosen[depth] = n;
            walk(depth + 1, idx, nextMask, nextSum);
        }
    }

    void leaf(uint64_t mask, int32_t sum) {
        const int m = m_plan.m;
        const int fixedCount = m_plan.fixedCount;
        // The chosen numbers are descending in m_chosen; merge them with the fixed ones ascending.
        int a = m_k - 1, b = 0;
        for (int at = 0; at < m; ++at)
            m_ticket[at] = (b >= fixedCount || (a >= 0 && m_chosen[std::max(a, 0)] < m_plan.fixedNumbers[b]))
                               ? m_chosen[std::max(a--, 0)]
                               : m_plan.fixedNumbers[b++];
        uint8_t tag = 0;
        if (!m_tester.test(m_ticket, mask, sum, tag, true)) return;
        Ticket t{};
        for (int i = 0; i < m; ++i) t[i] = static_cast<uint8_t>(m_ticket[i]);
        m_out.push_back(t);
        m_tags.push_back(tag);
    }

    const Plan& m_plan;
    Tester& m_tester;
    std::vector<Ticket>& m_out;
    std::vector<uint8_t>& m_tags;
    const int m_k;
    std::vector<uint64_t> m_poolMask;  // numbers of choosable[0..i-1]
    std::vector<int32_t> m_poolSum;    // their sum
    uint64_t m_fixedMask = 0;
    int32_t m_fixedSum = 0;
    int32_t m_chosen[8] = {};
    int32_t m_ticket[8] = {};
};

}  // namespace

SignatureTables::SignatureTables(uint64_t seed) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<uint32_t> value(0, kSignatureRange - 1);
    for (int n = 1; n <= kMaxMainNumber; ++n) {
        r1[n] = value(random);
        r2[n] = value(random);
    }
}

Generator::Generator(uint64_t seed) : m_signatures(seed) {}

std::string ticketLine(const Ticket& ticket, int m) {
    std::string line;
    for (int i = 0; i < m; ++i) {
        line += twoDigits(ticket[i]);
        line += ' ';
    }
    return line;
}

namespace {

// Runs body(tester, task) for tasks 0..count-1 on up to options.threads threads, each with its
// own tester, reporting progress after each task and stopping early on a cancel or a RunStop.
// Returns the RunStop's message, empty when every task ran (or the run was cancelled).
std::string runTasks(const Plan& plan, int count, const RunOptions& options,
                     const std::function<void(Tester&, int)>& body) {
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> stopped{false};
    std::string stopMessage;
    std::mutex stopMutex;
    auto worker = [&] {
        Tester tester(plan);
        for (int task; (task = next.fetch_add(1)) < count;) {
            if (stopped || (options.cancel && *options.cancel)) return;
            try {
                body(tester, task);
            } catch (const RunStop& stop) {
                std::lock_guard lock(stopMutex);
                stopMessage = stop.message;
                stopped = true;
            }
            if (options.progress) options.progress(done.fetch_add(1) + 1, count);
        }
    };
    const int threads = std::max(1, std::min(options.threads, count));
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i) pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool) thread.join();
    return stopMessage;
}

// "超强组号  筛选耗时…微秒  已得到符合条件的红号组有…个", the status text of a completed run.
std::string runStatus(int64_t micros, size_t passed) {
    return "超强组号  筛选耗时" + std::to_string(micros) + "微秒  已得到符合条件的红号组有" + std::to_string(passed) + "个";
}

}  // namespace

RunReport Generator::run(Workspace& ws, const RunOptions& options) {
    RunReport report;
    report.message = startCheck(ws, conditions);
    if (!report.message.empty()) return report;
    const auto start = std::chrono::steady_clock::now();
    Plan plan = makePlan(ws, conditions, m_signatures, options, false);
    const int k = plan.m - plan.fixedCount;
    // More fixed numbers than the ticket holds give no ticket at all.
    const int blocks = k < 0 ? 0 : (k == 0 ? 1 : static_cast<int>(plan.choosable.size()));

    std::vector<std::vector<Ticket>>& found = m_blockTickets;
    std::vector<std::vector<uint8_t>>& foundTags = m_blockTags;
    found.resize(static_cast<size_t>(std::max(blocks, 0)));
    foundTags.resize(found.size());
    for (size_t b = 0; b < found.size(); ++b) {
        found[b].clear();
        foundTags[b].clear();
    }
    report.message = runTasks(plan, blocks, options, [&](Tester& tester, int block) {
        // Blocks run from the highest top number down, the enumeration order.
        const int top = k == 0 ? 0 : blocks - 1 - block;
        if (k > 0 && top < k - 1) return;
        // The block's buffers are filled through vectors on this thread's stack: the vector
        // headers of neighbouring blocks share cache lines with other threads.
        std::vector<Ticket> tickets;
        std::vector<uint8_t> tags;
        tickets.swap(found[block]);
        tags.swap(foundTags[block]);
        if (tester.counts.empty() && tester.nextSum.empty())
            enumerateAll(plan, tester, top, tickets, tags);
        else
            BlockWalk(plan, tester, tickets, tags).run(top);
        tickets.swap(found[block]);
        tags.swap(foundTags[block]);
    });
    if (!report.message.empty()) return report;
    if (options.cancel && *options.cancel) return report;

    MainResults fresh = std::move(m_spare);
    fresh.tickets.clear();
    fresh.tags.clear();
    size_t total = 0;
    for (const auto& block : found) total += block.size();
    fresh.tickets.reserve(total);
    fresh.tags.reserve(total);
    for (size_t b = 0; b < found.size(); ++b) {
        fresh.tickets.insert(fresh.tickets.end(), found[b].begin(), found[b].end());
        // A regular run clears the tags.
        fresh.tags.insert(fresh.tags.end(), foundTags[b].size(), 0);
    }
    fresh.passCount = static_cast<int>(total);
    fresh.elapsedMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    m_spare = std::move(results);
    results = std::move(fresh);
    report.completed = true;
    report.statusText = runStatus(results.elapsedMicros, results.tickets.size());
    return report;
}

RunReport Generator::continueFiltering(Workspace& ws, const RunOptions& options) {
    RunReport report;
    report.message = startCheck(ws, conditions);
    if (!report.message.empty()) return report;
    const auto start = std::chrono::steady_clock::now();
    Plan plan = makePlan(ws, conditions, m_signatures, options, true);
    // The spare buffers take the copy (their pages are already there); the results stay as they
    // were until the run completes.
    MainResults next = std::move(m_spare);
    next.tickets.assign(results.tickets.begin(), results.tickets.end());
    next.tags.assign(results.tags.begin(), results.tags.end());
    next.tags.resize(next.tickets.size(), 0);
    const size_t present = next.tickets.size();

    // Each stored result is sorted and tested once, wherever the reordering below moves it, so
    // the verdicts can be found first, on all threads, and the reordering then only reads them.
    std::vector<uint8_t> passed(present, 0), verdictTags(present, 0);
    constexpr size_t kChunk = 16384;
    const int chunks = static_cast<int>((present + kChunk - 1) / kChunk);
    report.message = runTasks(plan, chunks, options, [&](Tester& tester, int chunk) {
        for (size_t i = chunk * kChunk; i < std::min(present, (chunk + 1) * kChunk); ++i) {
            int32_t s[8];
            bool ascending = true;
            for (int j = 0; j < plan.m; ++j) {
                s[j] = next.tickets[i][j];
                ascending = ascending && (j == 0 || s[j - 1] < s[j]);
            }
            if (!ascending) {
                sortAscending(s, plan.m);
                for (int j = 0; j < plan.m; ++j) next.tickets[i][j] = static_cast<uint8_t>(s[j]);
            }
            passed[i] = tester.test(s, verdictTags[i]);
        }
    });
    if (!report.message.empty()) return report;
    if (options.cancel && *options.cancel) return report;

    // The in-place walk: a failed result is replaced by the last one, which is tested next; a
    // clean pass is swapped to the front part of clean passes; a tolerated pass keeps its tag.
    std::vector<uint32_t> origin(present);
    for (size_t i = 0; i < present; ++i) origin[i] = static_cast<uint32_t>(i);
    int pass = 0;
    size_t h = 0, f = 0;
    for (size_t tested = 0; tested < present && h < next.tickets.size(); ++tested) {
        const uint32_t at = origin[h];
        if (!passed[at]) {
            next.tickets[h] = next.tickets.back();
            next.tags[h] = next.tags.back();
            origin[h] = origin[next.tickets.size() - 1];
            next.tickets.pop_back();
            next.tags.pop_back();
            continue;
        }
        ++pass;
        if (verdictTags[at] != 0) {
            next.tags[h] = verdictTags[at];
        } else {
            while (f < h && next.tags[f] == 0) ++f;
            if (f == h) {
                next.tags[h] = 0;
            } else {
                std::swap(next.tickets[h], next.tickets[f]);
                std::swap(origin[h], origin[f]);
                next.tags[h] = next.tags[f];
                next.tags[f] = 0;
                ++f;
            }
        }
        ++h;
    }
    next.passCount = pass;
    next.elapsedMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    m_spare = std::move(results);
    results = std::move(next);
    report.completed = true;
    report.statusText = runStatus(results.elapsedMicros, static_cast<size_t>(pass)) + "  系统保留的记录个数" +
                        std::to_string(results.tickets.size());
    return report;
}

}  // namespace lottodesk
