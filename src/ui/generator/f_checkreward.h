#pragma once
// Tf_checkreward ("对奖"): the winning numbers of a two-zone check. "对奖期数" takes a seven-digit
// period: once it names a draw of the history, both number fields are filled from that draw. The
// main field (labelled with the main-zone name) and the secondary field (the secondary-zone name)
// hold two-digit groups joined by "-"; all three start empty.

#include <QDialog>
#include <cstdint>

#include "generator/prizecheck.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lottodesk {

struct Workspace;

class Tf_checkreward : public QDialog {
    Q_OBJECT
public:
    explicit Tf_checkreward(const Workspace& ws, QWidget* parent = nullptr);

    // Empties the fields and sets their masks for the current game.
    void prepare();
    // The numbers as typed (groups left empty read as 0, which hit nothing).
    WinningNumbers winning() const;
    // The period whose draw the numbers are (typed in "对奖期数" and not changed since), else 0:
    // its stored prize table gives the amounts.
    int32_t drawPeriod() const;

    QLineEdit* periodBox() const { return m_period; }
    QLineEdit* mainBox() const { return m_main; }
    QLineEdit* secondaryBox() const { return m_secondary; }
    QPushButton* okButton() const { return m_ok; }

private:
    void takePeriod(const QString& text);

    const Workspace& m_ws;
    QLineEdit* m_period;
    QLabel* m_mainLabel;
    QLineEdit* m_main;
    QLabel* m_secondaryLabel;
    QLineEdit* m_secondary;
    QPushButton* m_ok;
};

}  // namespace lottodesk
