#include "formulasearch.h"

#include <algorithm>

#include "accuracy.h"
#include "formula/evalfailure.h"
#include "formula/tgs.h"
#include "forecastview.h"
#include "indicators/seriesmemo.h"
#include "judge.h"
#include "pagekind.h"

namespace lottodesk {

namespace {

int32_t wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

}  // namespace

struct FormulaSearch::Prepared {
    explicit Prepared(const Workspace& ws) : view(ws) {}
    ForecastView view;
    SeriesMemo memo;
    IndicatorContext ctx;
    std::unique_ptr<DrawJudge> judge;
    int first = 0;                // record of tested period 0
    int32_t modulus = 1;          // hi - lo + 1
    std::vector<int32_t> lagged;  // [b * back + i - 1]: the indicator at record max(first + b - i, 1)
    // Per tested period: the number (1-based) of the first accepted formula wrong there (0: none),
    // how many formulas are wrong there, and whether the current candidate is.
    std::vector<int> firstWrong;
    std::vector<int> wrongCount;
    std::vector<int> touched;     // periods where the current candidate was wrong (and may have marked)
    std::vector<int> raised;      // periods whose wrong count it raised
    std::vector<int32_t> values;  // the current candidate's value per tested period
};

PeriodRange defaultSearchRange(const std::vector<int32_t>& periods) {
    if (periods.empty()) return {};
    const size_t start = periods.size() > 50 ? periods.size() - 50 : 0;
    return {periods[start], periods.back()};
}

std::string FormulaSearch::formulaText(const std::string& indicator, int back, int low, int high, const int* c) {
    std::string text = "(";
    for (int i = 1; i <= back; ++i)
        text += "(" + std::to_string(c[i]) + "*[-" + std::to_string(i) + "]" + indicator + ")+";
    text += std::to_string(c[0]) + ")%" + std::to_string(int64_t{high} - low + 1) + "+" + std::to_string(low);
    return text;
}

FormulaSearch::FormulaSearch(const Workspace& ws, const SearchParams& params)
    : m_p(params), m_prep(std::make_unique<Prepared>(ws)), m_random(params.seed) {
    Prepared& p = *m_prep;
    // The search judges real draws only: the user's prediction record is outside the view.
    p.ctx = p.view.context(&p.memo, false);
    if (m_p.wanted < 1 || m_p.wanted > kMaxSearchResults) {
        fail("要生成的公式个数应为1.." + std::to_string(kMaxSearchResults));
        return;
    }
    if (m_p.back < 1 || m_p.back > kMaxBackPeriods) {
        fail("回溯期数应为1.." + std::to_string(kMaxBackPeriods));
        return;
    }
    // A negative low would write "+-n", which is not a formula.
    if (m_p.low < 0) {
        fail("取值范围的下限不能小于0");
        return;
    }
    if (m_p.low > m_p.high) {
        fail("取值范围的下限不能大于上限");
        return;
    }
    if (int64_t{m_p.high} - m_p.low + 1 > INT32_MAX) {
        fail("取值范围太大");
        return;
    }
    if (!m_p.randomOnly && m_p.accuracyLow > m_p.accuracyHigh) {
        fail("目标准确率的下限不能大于上限");
        return;
    }
    p.modulus = static_cast<int32_t>(int64_t{m_p.high} - m_p.low + 1);
    if (m_p.randomOnly) return;

    const t_s_dm& store = ws.sjk;
    const int real = p.view.realCount();
    const std::vector<int32_t> periods = store.realPeriods();
    const PeriodRange fallback = defaultSearchRange(periods);
    const int32_t from = m_p.fromPeriod != 0 ? m_p.fromPeriod : fallback.from;
    const int32_t to = m_p.toPeriod != 0 ? m_p.toPeriod : fallback.to;
    const int first = store.indexOfPeriod(from);
    const int last = store.indexOfPeriod(to);
    if (first < 1 || first > real) {
        fail("搜索范围的起始期不在开奖数据中");
        return;
    }
    if (last < 1 || last > real) {
        fail("搜索范围的结束期不在开奖数据中");
        return;
    }
    if (last < first) {
        fail("搜索范围内没有开奖数据，无法计算准确率");
        return;
    }
    p.first = first;
    m_periods = last - first + 1;

    // The verdict rule of the kind; any other text is the formula whose value is killed.
    const std::optional<PageKind> kind = pageKindFromCode(m_p.kind);
    if (kind && *kind != PageKind::selfsh) {
        const PageKindInfo& info = pageKindInfo(*kind);
        p.judge = std::make_unique<DrawJudge>(p.view, info.verdict, info.secondaryZone, first, last);
    } else {
        p.judge = std::make_unique<DrawJudge>(p.view, Verdict::CustomKill, false, first, last);
        const tgs target(m_p.kind);
        std::vector<int32_t> values(static_cast<size_t>(m_periods));
        for (int b = 0; b < m_periods; ++b) {
            const EvalResult r = target.evaluate(p.ctx, first + b);
            if (!r.ok) {
                fail(evaluationFailure(r));
                return;
            }
            values[static_cast<size_t>(b)] = r.value;
        }
        p.judge->setTargets(std::move(values), std::vector<uint8_t>(static_cast<size_t>(m_periods), 1));
    }

    // The indicator's values at the draws the offsets read; an indicator that cannot be evaluated
    // stops the search as the candidate formula itself would.
    const tgs indicator(m_p.indicator);
    const int lowest = std::max(first - m_p.back, 1);
    std::vector<int32_t> series(static_cast<size_t>(last + 1), 0);
    for (int n = lowest; n <= last; ++n) {
        const EvalResult r = indicator.evaluate(p.ctx, n);
        if (!r.ok) {
            fail(evaluationFailure(r));
            return;
        }
        series[static_cast<size_t>(n)] = r.value;
    }
    p.lagged.resize(static_cast<size_t>(m_periods * m_p.back));
    for (int b = 0; b < m_periods; ++b)
        for (int i = 1; i <= m_p.back; ++i)
            p.lagged[static_cast<size_t>(b * m_p.back + i - 1)] =
                series[static_cast<size_t>(std::max(first + b - i, 1))];
    p.firstWrong.assign(static_cast<size_t>(m_periods), 0);
    p.wrongCount.assign(static_cast<size_t>(m_periods), 0);
    p.values.assign(static_cast<size_t>(m_periods), 0);
}

FormulaSearch::~FormulaSearch() = default;

void FormulaSearch::fail(std::string message) {
    m_message = std::move(message);
    m_finished = true;
}

int32_t FormulaSearch::fastValue(const int* c, int b) const {
    // The evaluator's order: left to right, each step wrapped to 32 bits.
    const int32_t* v = m_prep->lagged.data() + static_cast<size_t>(b * m_p.back);
    int32_t acc = wrap(int64_t{c[1]} * v[0]);
    for (int i = 2; i <= m_p.back; ++i) acc = wrap(int64_t{acc} + wrap(int64_t{c[i]} * v[i - 1]));
    acc = wrap(int64_t{acc} + c[0]);
    acc = wrap(int64_t{acc} % m_prep->modulus);
    return wrap(int64_t{acc} + m_p.low);
}

bool FormulaSearch::run(uint64_t candidates, const std::atomic<bool>* stop) {
    for (uint64_t i = 0; i < candidates && !m_finished; ++i) {
        if (stop && stop->load(std::memory_order_relaxed)) break;
        tryOne();
    }
    return m_finished;
}

void FormulaSearch::tryOne() {
    int c[kMaxBackPeriods + 1];
    for (int i = 1; i <= m_p.back; ++i) c[i] = static_cast<int>(m_random.below(kCoefficientRange));
    c[0] = static_cast<int>(m_random.below(kCoefficientRange));
    consider(c);
}

bool FormulaSearch::offer(const std::vector<int>& c) {
    if (m_finished || static_cast<int>(c.size()) != m_p.back + 1) return false;
    return consider(c.data());
}

bool FormulaSearch::consider(const int* c) {
    ++m_tried;
    // A candidate equal to an accepted formula adds nothing.
    for (const std::vector<int>& known : m_acceptedCoefficients)
        if (std::equal(known.begin(), known.end(), c)) return false;
    int right = 0;
    if (!m_p.randomOnly && !judgeCandidate(c, right)) return false;
    m_acceptedCoefficients.emplace_back(c, c + m_p.back + 1);
    m_accepted.push_back(
        {formulaText(m_p.indicator, m_p.back, m_p.low, m_p.high, c), right, m_p.randomOnly ? 0 : m_periods});
    if (static_cast<int>(m_accepted.size()) >= m_p.wanted) m_finished = true;
    return true;
}

// Tests a candidate against the range and the constraints; on rejection every mark and count it
// left is withdrawn.
bool FormulaSearch::judgeCandidate(const int* c, int& right) {
    Prepared& p = *m_prep;
    const int F = static_cast<int>(m_accepted.size());
    const int N = m_periods;
    if (m_p.fast) {
        for (int b = 0; b < N; ++b) p.values[static_cast<size_t>(b)] = fastValue(c, b);
    } else {
        const tgs formula(formulaText(m_p.indicator, m_p.back, m_p.low, m_p.high, c));
        for (int b = 0; b < N; ++b) {
            const EvalResult r = formula.evaluate(p.ctx, p.first + b);
            if (!r.ok) {
                fail(evaluationFailure(r));
                return false;
            }
            p.values[static_cast<size_t>(b)] = r.value;
        }
    }
    p.touched.clear();
    p.raised.clear();
    bool rejected = false;
    int run = 0, longest = 0;
    right = 0;
    for (int b = 0; b < N && !rejected; ++b) {
        if (p.judge->right(p.first + b, p.values[static_cast<size_t>(b)])) {
            ++right;
            run = 0;
            continue;
        }
        ++run;
        longest = std::max(longest, run);
        int& mark = p.firstWrong[static_cast<size_t>(b)];
        if (mark == 0) mark = F + 1;
        p.touched.push_back(b);
        if (m_p.formulaRun.on && longest > m_p.formulaRun.limit) {
            rejected = true;
        } else if (m_p.schemeRun.on && F < m_p.schemeRun.applies) {
            int from = b, to = b;
            while (from > 0 && p.firstWrong[static_cast<size_t>(from - 1)] != 0) --from;
            while (to + 1 < N && p.firstWrong[static_cast<size_t>(to + 1)] != 0) ++to;
            rejected = to - from + 1 > m_p.schemeRun.limit;
        }
        if (rejected) break;
        const int count = ++p.wrongCount[static_cast<size_t>(b)];
        p.raised.push_back(b);
        if (m_p.samePeriod.on && F < m_p.samePeriod.applies && count > m_p.samePeriod.limit) rejected = true;
    }
    if (!rejected && m_p.lastRun.on && F < m_p.lastRun.applies)
        rejected = run < m_p.lastRun.limit || run == 0;  // wrong in the last period, and long enough
    if (!rejected && !accuracyWithin(right, N, m_p.accuracyLow, m_p.accuracyHigh)) rejected = true;
    if (rejected) {
        for (int b : p.touched)
            if (p.firstWrong[static_cast<size_t>(b)] == F + 1) p.firstWrong[static_cast<size_t>(b)] = 0;
        for (int b : p.raised) --p.wrongCount[static_cast<size_t>(b)];
        return false;
    }
    return true;
}

}  // namespace lottodesk
