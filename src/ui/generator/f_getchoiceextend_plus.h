#pragma once
// Tf_getchoiceextend_plus: the value chooser ("取值选择") for long ranges. The values are a check
// list (`lb_values`); besides the criteria of the short form it has "除6余数" .. "除9余数" and
// "尾数" (the digits the value may end in, "0 1 2 3 4 5 6 7 8 9" at first).

#include <memory>
#include "ui/generator/f_getchoiceextend.h"

class QListWidget;

namespace Ui {
class Tf_getchoiceextend_plus;
}

namespace lottodesk {

class Tf_getchoiceextend_plus : public ValueChooser {
    Q_OBJECT
public:
    explicit Tf_getchoiceextend_plus(Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_getchoiceextend_plus() override;

    bool isTicked(int32_t value) const override;
    QListWidget* valueList() const;

protected:
    void showValues(int32_t lo, int32_t hi) override;
    void setTicked(int32_t value, bool ticked) override;

private:
    std::unique_ptr<Ui::Tf_getchoiceextend_plus> m_ui;
    int32_t m_lo = 0;
};

}  // namespace lottodesk
