#pragma once
// Tf_filter_zbpxz ("过滤设置"): turns the analysed series, as the signal chart transforms it, into a
// custom-indicator condition of the generator. The dialog asks for the range and the options; the
// allowed values and the description come from the engine, the condition goes to the generator's
// hand-off: the main zone's custom indicators, or the other zone's (the special number's or the
// secondary zone's, as the generator says; disabled for games without secondary numbers).

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "analysis/analysisseries.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lottodesk {

class GeneratorHandOff;
class Prompts;

class Tf_filter_zbpxz : public QDialog {
    Q_OBJECT
public:
    // `zoneLabel` names the main zone in the command and the success text ("红号").
    Tf_filter_zbpxz(Prompts& prompts, std::function<GeneratorHandOff*()> generator, QWidget* parent = nullptr);

    // Prepares the dialog for `expression`, presetting "<=取值范围<=" to `range`; `reference` is the
    // transformed value of the newest real draw ("升降" compares with it).
    void prepare(const std::string& expression, ValueRange range, int32_t reference, const std::string& zoneLabel,
                 const std::string& secondaryLabel);

    // "导出到…过滤" of the main zone and of the secondary zone.
    void exportToMain() { exportTo(false); }
    void exportToSecondary() { exportTo(true); }

private:
    void exportTo(bool secondary);

    Prompts& m_prompts;
    std::function<GeneratorHandOff*()> m_generator;
    std::string m_expression;
    int32_t m_reference = 0;
    std::string m_zoneLabel;

    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    QCheckBox* m_parity = nullptr;
    QRadioButton* m_odd = nullptr;
    QCheckBox* m_primality = nullptr;
    QRadioButton* m_prime = nullptr;
    QCheckBox* m_direction = nullptr;
    QRadioButton* m_rise = nullptr;
    QCheckBox* m_tolerance = nullptr;
    QPushButton* m_main = nullptr;
    QPushButton* m_secondary = nullptr;
};

}  // namespace lottodesk
