#pragma once
// What the analysis views may ask of other windows: the generator takes conditions ("导出到过滤"),
// the indicator analysis shows a series. The views talk to these interfaces only, so they are
// tested with a recording fake and never include the windows behind them.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/analysisseries.h"
#include "analysis/derivedstore.h"
#include "core/status.h"
#include "generator/conditions.h"

namespace lottodesk {

struct AnalysisSeries;

class GeneratorHandOff {
public:
    virtual ~GeneratorHandOff() = default;
    // Appends an entry to the generator's self-set, tail or custom-indicator list and ticks the
    // list. Success, or the list's own refusal ("最多可添加…", or the missing-choice message of an
    // entry with an empty allowed set); a view shows its success text only on success.
    virtual Status addSelfSet(tselfcond entry) = 0;
    virtual Status addTail(tselfcond entry) = 0;
    virtual Status addCustom(const std::string& formula, std::vector<int32_t> values, bool tolerant) = 0;
    // The custom-indicator list of the other zone that filter exports reach: none (the game has
    // no secondary numbers), the special number's (one secondary number) or the secondary zone's
    // (two). An entry goes there as addCustom's goes to the main zone's.
    enum class SecondaryTarget { None, Special, Zone };
    virtual SecondaryTarget secondaryTarget() const { return SecondaryTarget::None; }
    virtual Status addSecondaryCustom(const std::string& formula, std::vector<int32_t> values, bool tolerant) {
        (void)formula;
        (void)values;
        (void)tolerant;
        return Status::failure("当前彩种没有副号");
    }
    // Puts a formula into the custom-indicator box for the user to finish.
    virtual void putCustomFormula(const std::string& formula) = 0;
    // Brings the generator's conditions into view.
    virtual void showConditions() = 0;
    // Opens the generator's self-set dialog for the user to compose a condition ("addforselfcond");
    // true when one was added. The view that asks stays in sight behind the dialog.
    virtual bool composeSelfSet() { return false; }
};

class AnalysisOpener {
public:
    virtual ~AnalysisOpener() = default;
    // Shows `series` in the indicator analysis: docked as a page, or modal for a derived series
    // that the calling view owns.
    virtual void openAnalysis(const AnalysisSeries& series, bool modal) = 0;
    // Shows a derived series (one record per element, with its period) modally over `range`,
    // captioned `caption`; the draw history is not touched.
    virtual void openDerived(DerivedStore store, ValueRange range, const std::string& caption) = 0;
    // "剖析" of a catalogue indicator: the indicator management takes the identifier and name
    // with an empty range and starts the analysis.
    virtual void analyseIndicator(const std::string& identifier, const std::string& name) = 0;
};

}  // namespace lottodesk
