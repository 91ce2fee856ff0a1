#pragma once
// A stand-in for the generator and the indicator analysis: records what the views hand over, and
// refuses once its list is "full".

#include <string>
#include <vector>

#include "analysis/analysisseries.h"
#include "ui/common/handoff.h"

namespace lottodesk::test {

class RecordingHandOff : public GeneratorHandOff, public AnalysisOpener {
public:
    Status addSelfSet(tselfcond entry) override { return take("self", entry.allowed.empty()); }
    Status addTail(tselfcond entry) override { return take("tail", entry.allowed.empty()); }
    Status addCustom(const std::string& formula, std::vector<int32_t> values, bool) override {
        return take("custom:" + formula, values.empty());
    }
    void putCustomFormula(const std::string& formula) override { calls.push_back("formula:" + formula); }
    void showConditions() override { calls.push_back("show"); }
    bool composeSelfSet() override {
        calls.push_back("compose");
        return true;
    }
    void openAnalysis(const AnalysisSeries& series, bool modal) override {
        calls.push_back(std::string(modal ? "modal:" : "docked:") + series.caption);
    }
    void openDerived(DerivedStore store, ValueRange range, const std::string& caption) override {
        derived = std::move(store);
        derivedHigh = range.hi;
        calls.push_back("derived:" + caption);
    }
    void analyseIndicator(const std::string& identifier, const std::string& name) override {
        calls.push_back("analyse:" + identifier + " " + name);
    }

    std::vector<std::string> calls;
    int room = 2;
    DerivedStore derived;
    int32_t derivedHigh = 0;

private:
    Status take(const std::string& what, bool empty) {
        if (empty) return Status::failure("empty");
        if (room == 0) return Status::failure("最多可添加2注");
        --room;
        calls.push_back(what);
        return Status::success();
    }
};

}  // namespace lottodesk::test
