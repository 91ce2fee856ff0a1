#pragma once
// Tf_fqfw ("取值范围及分区"): shows how the analysis range splits into zones and lets the user
// change the range the views lay out. "应用" takes the typed range and explains the partitions
// ("显示常用分区": 2..15 zones; "显示指定分区": the chosen count, up to 1000); on closing, the
// range last applied is the window's value range; edits not applied are dropped.

#include <QDialog>

#include "analysis/analysisseries.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace lottodesk {

class Tf_fqfw : public QDialog {
    Q_OBJECT
public:
    explicit Tf_fqfw(ValueRange range, QWidget* parent = nullptr);

    // "应用": reads the boxes (a box that does not hold a number, or a range given high end
    // first, keeps the last applied range) and refills the explanation.
    void apply();
    ValueRange appliedRange() const { return m_applied; }
    QString explanation() const;

private:
    ValueRange m_applied;
    QLineEdit* m_lo = nullptr;
    QLineEdit* m_hi = nullptr;
    QRadioButton* m_common = nullptr;
    QRadioButton* m_given = nullptr;
    QComboBox* m_count = nullptr;
    QPlainTextEdit* m_text = nullptr;
};

// The explanation of the N-zone partition of `range`: "(N分区的分区设定)", then one line of
// "第j分区<first..last>;  " for every zone, then an empty line.
QString zoneExplanation(ValueRange range, int zones);

}  // namespace lottodesk
