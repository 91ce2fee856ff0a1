#pragma once
// Tf_wsset ("尾数设置"): builds one tail condition, a group of digits 0..9 and the allowed counts
// 0..m of the ticket's numbers ending in them ("相同尾数仅计算一次": each digit counted once). The
// generator window opens it to add or modify an entry and takes entry() after OK.

#include <functional>
#include <memory>
#include <QDialog>

#include "ui/generator/f_getchoiceextend.h"
#include "generator/conditions.h"

namespace Ui {
class Tf_wsset;
}

namespace lottodesk {

class Prompts;

class Tf_wsset : public QDialog {
    Q_OBJECT
public:
    explicit Tf_wsset(Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_wsset() override;

    // Counts 0..m; shows `preset` when modifying (digits, counts and their text, both boxes), or
    // nothing ticked and no counts.
    void setup(int m, const tselfcond* preset);
    tselfcond entry() const;

    void setChooserRunner(ValueChooserRunner runner) { m_runChooser = std::move(runner); }
    // "过滤助手": enabled once set; shows the history of the group as it is ticked now.
    void setAssistant(std::function<void(const tselfcond&)> assistant);
    void assist();

    void tickAll();     // "全选"
    void resetEntry();  // "复位": no digit, no counts, both boxes unticked
    // "...": the value chooser over 0..m with nothing ticked; on OK its values become the counts.
    void chooseCounts();
    // "确定": closes with OK unless `validateTailDialog` refuses (its message is shown).
    void accept() override;

private:
    void showCounts();

    Prompts& m_prompts;
    std::unique_ptr<Ui::Tf_wsset> m_ui;
    ValueChooserRunner m_runChooser;
    std::function<void(const tselfcond&)> m_assistant;
    int m_m = 6;
    std::vector<int32_t> m_counts;
};

}  // namespace lottodesk
