#pragma once
// The value chooser ("取值选择"). `Tf_getchoiceextend` shows a short range lo..hi as value labels
// that are ticked and unticked by a click; `Tf_getchoiceextend_plus` (f_getchoiceextend_plus.h)
// shows a long range as a check list. Both offer "全选", "全不选", "反选", "重置" (back to the
// values ticked at first), "按条件选择" (the criteria of valuecriteria.h), "过滤助手", "确定" and
// "取消"; `ValueChooser` holds what they share. The caller reads values() after OK.

#include <memory>
#include <QDialog>
#include <QLabel>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ui/generator/zh_dialogs.h"
#include "generator/valuecriteria.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Ui {
class Tf_getchoiceextend;
}

namespace lottodesk {

class Prompts;

// Ranges of at most this many values use the value labels, longer ones the check list.
inline constexpr int kValueLabelLimit = 100;
bool usesValueLabels(const ValueChoice& choice);

// Shows the chooser that fits the range modally: the ticked values in ascending order, or nullopt
// when cancelled. Messages go through `prompts`.
std::optional<std::vector<int32_t>> runValueChooser(Prompts& prompts, QWidget* parent, const ValueChoice& choice);

// How a dialog opens a value chooser; tests substitute one that works a chooser without a nested
// event loop, or answers in its place.
using ValueChooserRunner = std::function<std::optional<std::vector<int32_t>>(QWidget* parent, const ValueChoice&)>;

// The counts chooser of the self-set and tail dialogs: 0..m, nothing preselected; the chosen
// counts in ascending order, or nullopt when cancelled.
std::optional<std::vector<int32_t>> chooseCounts(const ValueChooserRunner& runner, QWidget* parent, int m);

// The controls of the criteria group; a form without "除6余数" .. "除9余数" or "尾数" leaves them out.
struct CriteriaControls {
    struct Remainder {
        int divisor = 0;
        QCheckBox* box = nullptr;
        std::vector<QCheckBox*> remainders;  // index = remainder
    };
    struct Bounds {
        QCheckBox* box = nullptr;
        QLineEdit* from = nullptr;
        QLineEdit* to = nullptr;
    };
    QCheckBox* parity = nullptr;
    QRadioButton* odd = nullptr;
    QRadioButton* even = nullptr;
    QCheckBox* primality = nullptr;
    QRadioButton* prime = nullptr;
    QRadioButton* composite = nullptr;
    std::vector<Remainder> remainders;
    QCheckBox* tail = nullptr;
    QLineEdit* tailDigits = nullptr;
    Bounds amplitude;
    Bounds range;
    Bounds mean;
};

// The buttons both forms have.
struct ChooserButtons {
    QPushButton* selectAll = nullptr;
    QPushButton* selectNone = nullptr;
    QPushButton* invert = nullptr;
    QPushButton* reset = nullptr;
    QPushButton* byCriteria = nullptr;
    QPushButton* assistant = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

class ValueChooser : public QDialog {
    Q_OBJECT
public:
    // Shows lo..hi with the preselected values ticked and the reference value, and enables the
    // criteria the choice allows: no amplitude and no two-period mean for number choosers or
    // without a reference value; "过滤助手" only with an assistant (never for number choosers).
    void setChoice(const ValueChoice& choice);
    const ValueChoice& choice() const { return m_choice; }

    // The ticked values in ascending order.
    std::vector<int32_t> values() const;
    virtual bool isTicked(int32_t value) const = 0;

    void selectAll();           // "全选"
    void selectNone();          // "全不选"
    void invert();              // "反选"
    void resetToPreselected();  // "重置"
    // "按条件选择": unticks everything, then ticks the values every ticked criterion admits. An
    // empty or malformed field shows its message and changes nothing.
    void selectByCriteria();
    // The criteria as the controls show them.
    ValueCriteria criteria() const;

protected:
    ValueChooser(Prompts& prompts, QWidget* parent);
    // Connects the buttons and the criteria boxes; called once by each form after setupUi.
    void wire(const ChooserButtons& buttons, const CriteriaControls& criteria, QLabel* reference);
    // wire() with the controls both forms name alike; `criteria` brings the form's own remainders
    // and tail.
    template <class Form>
    void wireForm(Form& ui, CriteriaControls criteria) {
        criteria.parity = ui.cb_parity;
        criteria.odd = ui.rb_odd;
        criteria.even = ui.rb_even;
        criteria.primality = ui.cb_prime;
        criteria.prime = ui.rb_prime;
        criteria.composite = ui.rb_composite;
        criteria.amplitude = {ui.cb_amplitude, ui.e_amplitudefrom, ui.e_amplitudeto};
        criteria.range = {ui.cb_range, ui.e_rangefrom, ui.e_rangeto};
        criteria.mean = {ui.cb_mean, ui.e_meanfrom, ui.e_meanto};
        wire({ui.b_selectall, ui.b_selectnone, ui.b_invert, ui.b_reset, ui.b_bycriteria, ui.b_assistant, ui.b_ok,
              ui.b_cancel},
             criteria, ui.l_reference);
    }

    virtual void showValues(int32_t lo, int32_t hi) = 0;  // builds the labels or the list
    virtual void setTicked(int32_t value, bool ticked) = 0;

    Prompts& m_prompts;

private:
    void tickExactly(const std::vector<int32_t>& values);
    void followBox(QCheckBox* box, const std::vector<QWidget*>& row);

    ValueChoice m_choice;
    ChooserButtons m_buttons;
    CriteriaControls m_criteria;
    QLabel* m_reference = nullptr;
};

// One value of `Tf_getchoiceextend`: a click ticks or unticks it; a ticked value is shown
// highlighted and sunken.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    ValueLabel(int32_t value, QWidget* parent);
    int32_t value() const { return m_value; }
    bool isTicked() const { return m_ticked; }
    void setTicked(bool ticked);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int32_t m_value;
    bool m_ticked = false;
    bool m_pressed = false;
};

class Tf_getchoiceextend : public ValueChooser {
    Q_OBJECT
public:
    explicit Tf_getchoiceextend(Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_getchoiceextend() override;

    bool isTicked(int32_t value) const override;
    // The label of `value` (named "l_value" + value), or null outside lo..hi.
    ValueLabel* label(int32_t value) const;

protected:
    void showValues(int32_t lo, int32_t hi) override;
    void setTicked(int32_t value, bool ticked) override;

private:
    std::unique_ptr<Ui::Tf_getchoiceextend> m_ui;
    int32_t m_lo = 0;
    std::vector<ValueLabel*> m_labels;  // index = value - lo
};

}  // namespace lottodesk
