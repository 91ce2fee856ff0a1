#include "ui/generator/zh_dialogs.h"

#include "analysis/filterassistant.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"
#include "ui/generator/f_choiceperiod.h"
#include "ui/generator/f_getchoiceextend.h"
#include "ui/generator/f_selfcond.h"
#include "ui/generator/f_wsset.h"

namespace lottodesk {

DialogGeneratorDialogs::DialogGeneratorDialogs(Prompts& prompts, QWidget* parent)
    : m_prompts(prompts), m_parent(parent) {}

std::optional<std::vector<int32_t>> DialogGeneratorDialogs::chooseValues(QWidget* parent, const ValueChoice& choice) {
    return runValueChooser(m_prompts, owner(parent), choice);
}

std::optional<tselfcond> DialogGeneratorDialogs::editSelfSet(QWidget* parent, const tselfcond* preset, int zh_to,
                                                             int m) {
    Tf_selfcond dialog(m_prompts, owner(parent));
    dialog.setup(zh_to, m, preset);
    if (opener())
        dialog.setAssistant(
            [this, &dialog](const tselfcond& entry) { show(selfSetAssistant(*m_ws, entry.numbers), &dialog); });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.entry();
}

std::optional<tselfcond> DialogGeneratorDialogs::editTail(QWidget* parent, const tselfcond* preset, int m) {
    Tf_wsset dialog(m_prompts, owner(parent));
    dialog.setup(m, preset);
    if (opener())
        dialog.setAssistant([this, &dialog](const tselfcond& entry) {
            show(tailAssistant(*m_ws, entry.numbers, entry.countOnce), &dialog);
        });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.entry();
}

std::optional<int32_t> DialogGeneratorDialogs::choosePeriod(QWidget* parent, const std::vector<int32_t>& periods) {
    Tf_choiceperiod dialog(owner(parent));
    dialog.setPeriods(periods);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.period();
}

std::optional<CheckMode> DialogGeneratorDialogs::chooseCheckMode(QWidget* parent) {
    Tf_choicemode dialog(owner(parent));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.mode();
}

void DialogGeneratorDialogs::setAnalysis(const Workspace* ws, std::function<AnalysisOpener*()> lookup) {
    m_ws = ws;
    m_analysis = std::move(lookup);
}

std::function<void()> DialogGeneratorDialogs::indicatorAssistant(const std::string& text, const std::string& name) {
    if (!opener()) return {};
    return [this, text, name] { show(lottodesk::indicatorAssistant(*m_ws, text, name), nullptr); };
}

void DialogGeneratorDialogs::show(const AssistantSeries& assistant, QWidget* parent) {
    if (!assistant.status) {
        m_prompts.warn(owner(parent), QString::fromStdString(assistant.status.message));
        return;
    }
    if (AnalysisOpener* analysis = opener()) analysis->openAnalysis(assistant.series, true);
}

}  // namespace lottodesk
