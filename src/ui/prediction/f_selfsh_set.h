#pragma once
// Tf_selfsh_set ("自定义杀号设置"): creates or changes the custom kill definition of the
// "自定义杀号" page: the indicator (or formula) whose values are killed and its range.

#include <QDialog>

#include "prediction/schemefiles.h"

class QLineEdit;

namespace lottodesk {

class Prompts;

class Tf_selfsh_set : public QDialog {
    Q_OBJECT
public:
    Tf_selfsh_set(Prompts& prompts, QWidget* parent = nullptr);

    void setDefinition(const CustomKill& kill);
    // The target and range of the boxes applied to `kill` (formulas and file name kept). False,
    // with the message shown, when a box does not hold what it should.
    bool applyTo(CustomKill& kill);

    QLineEdit* targetEdit() const { return m_target; }
    QLineEdit* lowEdit() const { return m_low; }
    QLineEdit* highEdit() const { return m_high; }

private:
    Prompts& m_prompts;
    QLineEdit* m_target;
    QLineEdit* m_low;
    QLineEdit* m_high;
};

}  // namespace lottodesk
