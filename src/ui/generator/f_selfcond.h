#pragma once
// Tf_selfcond ("自设条件"): builds one self-set condition, a group of main numbers 1..N and the
// allowed counts 0..m of how many of them a ticket holds. The generator window opens it to add or
// modify an entry and takes entry() after OK.

#include <functional>
#include <memory>
#include <QDialog>

#include "ui/generator/f_getchoiceextend.h"
#include "generator/conditions.h"

namespace Ui {
class Tf_selfcond;
}

namespace lottodesk {

class Prompts;

class Tf_selfcond : public QDialog {
    Q_OBJECT
public:
    // The quick choices of "快速选号", in the order of the list: {divisor, remainder}.
    static constexpr int kQuickChoices[][2] = {{3, 0}, {3, 1}, {3, 2}, {4, 0}, {4, 1}, {4, 2},
                                               {4, 3}, {5, 0}, {5, 1}, {5, 2}, {5, 3}, {5, 4}};

    explicit Tf_selfcond(Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_selfcond() override;

    // Lists the numbers 1..zh_to (counts 0..m) and shows `preset` when modifying (its numbers
    // ticked, its counts and their text, its tolerance), or nothing ticked and no counts.
    void setup(int zh_to, int m, const tselfcond* preset);
    // The group (ascending), the allowed counts (ascending) and the tolerance as shown.
    tselfcond entry() const;

    // The "..." of "出现个数选择" opens the chooser through this; the default shows it modally.
    void setChooserRunner(ValueChooserRunner runner) { m_runChooser = std::move(runner); }
    // "过滤助手": enabled once set; shows the history of the group as it is ticked now.
    void setAssistant(std::function<void(const tselfcond&)> assistant);
    void assist();

    void tickAll(bool ticked);    // "全选", "全不选"
    void resetEntry();            // "复位": nothing ticked, no counts, not tolerant
    void quickChoice(int index);  // "快速选号": exactly the numbers n with n mod k = r
    // "...": the value chooser over 0..m with nothing ticked; on OK its values become the counts.
    void chooseCounts();
    // "确定": closes with OK unless `validateSelfSetDialog` refuses (its message is shown).
    void accept() override;

private:
    void showCounts();

    Prompts& m_prompts;
    std::unique_ptr<Ui::Tf_selfcond> m_ui;
    ValueChooserRunner m_runChooser;
    std::function<void(const tselfcond&)> m_assistant;
    int m_m = 6;
    std::vector<int32_t> m_counts;
};

}  // namespace lottodesk
