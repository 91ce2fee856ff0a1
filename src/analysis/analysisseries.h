#pragma once
// The analysed series of the indicator analysis and the session that owns it. The series lives
// beside the history, never in its record slots: `test` and section_stat read it through the
// indicator context the session builds. A new series replaces the current one only once it was
// computed completely; a failed computation leaves the current one as it was.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"
#include "core/workspace.h"
#include "derivedstore.h"
#include "indicators/drawhistory.h"
#include "indicators/seriesmemo.h"

namespace lottodesk {

struct ValueRange {
    int32_t lo = 0;
    int32_t hi = 0;
    bool operator==(const ValueRange&) const = default;
};

struct AnalysisSeries {
    std::vector<int32_t> values;  // values[n] for record n (1..count) of its history; index 0 unused
    ValueRange range;             // the columns and bars the views lay out
    std::string caption;          // the indicator's display name, or the opener's description
    std::string identifier;       // the registry identifier that produced it, or
    std::string formula;          // the formula text; both empty for a series built by an assistant
    uint64_t historyVersion = 0;  // the version of the history it was computed on
    uint64_t stamp = 0;           // unique for every series (see AuxiliaryValues)

    int count() const { return values.empty() ? 0 : static_cast<int>(values.size()) - 1; }
    AuxiliaryValues auxiliary() const { return {values.data(), count(), stamp}; }
    // The filter export needs an expression: the identifier, else the formula.
    std::string expression() const { return identifier.empty() ? formula : identifier; }
};

// A fresh stamp for a series.
uint64_t nextSeriesStamp();

// The range of a series whose values are all `value`: value .. value + zhgs - 1, the high end
// held at the largest 32-bit integer (a series of that value alone is its own range).
ValueRange singleValueRange(int32_t value, int zhgs);

// The range rule of the analysis: the typed range (its ends swapped when given high end first), or
// the smallest and largest value; when those are equal, singleValueRange of that value.
ValueRange seriesRange(const std::vector<int32_t>& values, const std::optional<ValueRange>& typed, int zhgs);

struct SeriesBuild {
    Status status;  // failure: "公式有误:" + the evaluator's text, or the message that stopped it
    AnalysisSeries series;
};

// Evaluates `text` (a registry identifier or a formula) at every record of the context's history,
// first to last, prediction record included; stops at the first failure.
SeriesBuild buildSeries(const IndicatorContext& ctx, std::string_view text, const std::optional<ValueRange>& typed,
                        std::string caption);

class AnalysisSession {
public:
    // The current series; null before the first one.
    const AnalysisSeries* series() const { return m_series.get(); }
    // The records the series belongs to: the draw history, or the session's derived store.
    const t_s_dm& history(const Workspace& ws) const { return m_onDerived ? m_derived.records() : ws.sjk; }
    bool onDerived() const { return m_onDerived; }
    // The series was computed on another version of its history (a draw was added or changed).
    bool stale(const Workspace& ws) const { return m_series && m_series->historyVersion != history(ws).version(); }

    // "开始剖析": the series of `text` over the draw history. On failure the current series stays.
    Status analyse(const Workspace& ws, std::string_view text, const std::optional<ValueRange>& typed,
                   std::string caption);
    // A series an assistant built over the draw history (values[n] for record n, complete).
    void adopt(const Workspace& ws, std::vector<int32_t> values, const std::optional<ValueRange>& typed,
               std::string caption);
    // A derived series in its own memory-only store; the draw history is not touched.
    void adoptDerived(const Workspace& ws, DerivedStore store, const std::optional<ValueRange>& typed,
                      std::string caption);

    // The indicator context over the series' history with the series attached; formulas evaluated
    // through it read the series as `test`. Keeps its memo per series.
    IndicatorContext context(const Workspace& ws);
    // The record the charts open on: 36 records before the end (the first when fewer).
    int openingRecord(const Workspace& ws) const;

private:
    void replace(AnalysisSeries series, bool onDerived);

    std::unique_ptr<AnalysisSeries> m_series;
    DerivedStore m_derived;
    bool m_onDerived = false;
    SeriesMemo m_memo;
};

}  // namespace lottodesk
