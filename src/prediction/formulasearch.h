#pragma once
// The formula search: random linear formulas over one indicator's recent values,
//   ((c1*[-1]I)+(c2*[-2]I)+ ... +c0)%(hi-lo+1)+lo   with c0..cn uniform in 0..99,
// back-tested over a range of draws with the verdict rule of a page, kept when their accuracy lies
// in a band and the error-run constraints hold.
//
// One generator per search, seeded once, so a seed gives the same formulas whether the candidates
// are tried in one go, in slices or on a worker thread. Fast mode computes a candidate's values
// from its coefficients and the indicator's series, clamping offsets at the first draw as the
// evaluator does, so it accepts exactly the formulas evaluator mode accepts. The search only reads
// the history store; the user's prediction record is left out of the range, never removed.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/status.h"
#include "core/workspace.h"
#include "core/randomsource.h"

namespace lottodesk {

inline constexpr int kMaxSearchResults = 100;
inline constexpr int kMaxBackPeriods = 50;
inline constexpr int kCoefficientRange = 100;  // coefficients 0..99

struct SearchConstraint {
    bool on = false;
    int limit = 1;
    int applies = 5;  // "适用公式个数": the constraint holds while fewer formulas were accepted
};

struct SearchParams {
    // hmsh, lmsh, hmtd, fqtd, hmsw, or any other text: a formula whose value is the target to kill.
    std::string kind = "hmsh";
    int wanted = 1;  // 1 in single mode, the scheme size in scheme mode
    std::string indicator = "z_hw";
    int back = 6;
    int low = 1;
    int high = 10;
    int32_t fromPeriod = 0;   // 0: the 50th draw from the end (or the first)
    int32_t toPeriod = 0;     // 0: the newest draw
    bool randomOnly = false;  // "随机生成": accept every candidate untested
    int accuracyLow = 80;
    int accuracyHigh = 100;
    bool fast = true;
    SearchConstraint formulaRun{false, 3, 0};  // "方案中公式允许最大连错<="
    SearchConstraint schemeRun{false, 3, 5};   // "方案允许最大连错<=", G1
    SearchConstraint lastRun{false, 1, 5};     // "方案中公式最后连错的期数>=", G2
    SearchConstraint samePeriod{false, 1, 5};  // "每一期同时发生错误的公式数<=", G3
    uint64_t seed = 0;
};

// The default search range: the last 50 draws (as list indexes into the real periods).
struct PeriodRange {
    int32_t from = 0;
    int32_t to = 0;
};
PeriodRange defaultSearchRange(const std::vector<int32_t>& periods);

struct AcceptedFormula {
    std::string text;
    int right = 0;
    int tested = 0;
};

class FormulaSearch {
public:
    // Reads the parameters and gathers what every candidate needs. A failed start (no draw in the
    // range, a bound out of order, an indicator or kind formula that cannot be evaluated) gives a
    // search that is finished with message() set.
    FormulaSearch(const Workspace& ws, const SearchParams& params);
    ~FormulaSearch();
    FormulaSearch(const FormulaSearch&) = delete;
    FormulaSearch& operator=(const FormulaSearch&) = delete;

    // Tries up to `candidates` more candidates; stops early when the wanted count is reached, on
    // an evaluation error, or when `stop` becomes true. Returns finished().
    bool run(uint64_t candidates, const std::atomic<bool>* stop = nullptr);

    bool finished() const { return m_finished; }
    bool failed() const { return !m_message.empty(); }
    // Why the search stopped or could not start; empty otherwise.
    const std::string& message() const { return m_message; }
    uint64_t tried() const { return m_tried; }
    int tested() const { return m_periods; }
    const std::vector<AcceptedFormula>& accepted() const { return m_accepted; }

    // The candidate formula text of the given coefficients (c[0] = c0, c[i] = ci).
    static std::string formulaText(const std::string& indicator, int back, int low, int high, const int* c);

    // Tries the given coefficients (c0, c1..c_back) as the next candidate, as run() would try a
    // drawn one; true when accepted. For tests and replays.
    bool offer(const std::vector<int>& c);

    // Value of the candidate `c` at tested period b (0-based) as fast mode computes it; for tests.
    int32_t fastValue(const int* c, int b) const;

private:
    struct Prepared;
    void tryOne();
    bool consider(const int* c);
    bool judgeCandidate(const int* c, int& right);
    void fail(std::string message);

    SearchParams m_p;
    std::unique_ptr<Prepared> m_prep;
    RandomSource m_random;
    std::vector<AcceptedFormula> m_accepted;
    std::vector<std::vector<int>> m_acceptedCoefficients;
    uint64_t m_tried = 0;
    int m_periods = 0;
    bool m_finished = false;
    std::string m_message;
};

}  // namespace lottodesk
