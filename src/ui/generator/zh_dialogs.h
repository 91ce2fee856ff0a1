#pragma once
// The dialogs the generator window opens, behind one interface: the value choosers, the self-set
// and tail dialogs and the two questions of the check report. Tests answer them directly.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "generator/condreport.h"
#include "generator/conditions.h"

class QWidget;

namespace lottodesk {

class AnalysisOpener;
struct AssistantSeries;
struct Workspace;

class Prompts;

// What a value chooser ("取值选择") offers: the values lo..hi, the reference value of the
// amplitude and two-period-mean criteria (the newest draw's value), the values ticked at first.
struct ValueChoice {
    int32_t lo = 0;
    int32_t hi = 0;
    std::optional<int32_t> reference;
    std::vector<int32_t> preselected;
    // The choosers of selectable and fixed numbers: no amplitude, no two-period mean, no assistant.
    bool numbers = false;
    // "过滤助手": shown enabled only when set (it needs the indicator analysis window).
    std::function<void()> assistant;
};

class GeneratorDialogs {
public:
    virtual ~GeneratorDialogs() = default;
    // The chosen values in ascending order, or nullopt when cancelled. Ranges of up to 100 values
    // use the value-label chooser `Tf_getchoiceextend`, longer ones the check list
    // `Tf_getchoiceextend_plus`.
    virtual std::optional<std::vector<int32_t>> chooseValues(QWidget* parent, const ValueChoice& choice) = 0;
    // The self-set dialog `Tf_selfcond` over 1..zh_to (counts 0..m), preset with `preset` when
    // modifying; nullopt when cancelled.
    virtual std::optional<tselfcond> editSelfSet(QWidget* parent, const tselfcond* preset, int zh_to, int m) = 0;
    // The tail dialog `Tf_wsset` (digits 0..9, counts 0..m).
    virtual std::optional<tselfcond> editTail(QWidget* parent, const tselfcond* preset, int m) = 0;
    // The check report's "选择期号" dialog over the history's periods, and its "选择" mode dialog.
    virtual std::optional<int32_t> choosePeriod(QWidget* parent, const std::vector<int32_t>& periods) = 0;
    virtual std::optional<CheckMode> chooseCheckMode(QWidget* parent) = 0;
    // "过滤助手" of a value chooser: shows `text` (an indicator or formula) captioned `name` in the
    // indicator analysis. Empty when there is no indicator analysis to show it in.
    virtual std::function<void()> indicatorAssistant(const std::string& text, const std::string& name) {
        (void)text;
        (void)name;
        return {};
    }
};

// The dialogs themselves, shown modally over `parent` (or over the window given at construction
// when a call passes none); their messages go through `prompts`.
class DialogGeneratorDialogs : public GeneratorDialogs {
public:
    DialogGeneratorDialogs(Prompts& prompts, QWidget* parent);

    std::optional<std::vector<int32_t>> chooseValues(QWidget* parent, const ValueChoice& choice) override;
    std::optional<tselfcond> editSelfSet(QWidget* parent, const tselfcond* preset, int zh_to, int m) override;
    std::optional<tselfcond> editTail(QWidget* parent, const tselfcond* preset, int m) override;
    std::optional<int32_t> choosePeriod(QWidget* parent, const std::vector<int32_t>& periods) override;
    std::optional<CheckMode> chooseCheckMode(QWidget* parent) override;
    std::function<void()> indicatorAssistant(const std::string& text, const std::string& name) override;

    // The indicator analysis the assistants ("过滤助手") show their series in, modally over the
    // dialog that asked; without it no dialog offers an assistant.
    void setAnalysis(const Workspace* ws, std::function<AnalysisOpener*()> lookup);

private:
    QWidget* owner(QWidget* parent) const { return parent ? parent : m_parent; }
    AnalysisOpener* opener() const { return m_ws && m_analysis ? m_analysis() : nullptr; }
    void show(const AssistantSeries& assistant, QWidget* parent);

    Prompts& m_prompts;
    QWidget* m_parent;
    const Workspace* m_ws = nullptr;
    std::function<AnalysisOpener*()> m_analysis;
};

}  // namespace lottodesk
