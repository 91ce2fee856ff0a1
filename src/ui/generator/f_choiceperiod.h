#pragma once
// The two questions of the check report ("条件对错") and of the prize check: `Tf_choiceperiod`
// ("选择期号", a period of the history) and `Tf_choicemode` ("选择", which verdict lines to show).

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "generator/condreport.h"

class QListWidget;
class QPushButton;
class QRadioButton;

namespace lottodesk {

class Tf_choiceperiod : public QDialog {
    Q_OBJECT
public:
    explicit Tf_choiceperiod(QWidget* parent = nullptr);

    // Lists the periods in the order given (ascending) with the last one, the newest, selected.
    // "确定" is usable only while a period is selected; a double-click on one chooses it.
    void setPeriods(const std::vector<int32_t>& periods);
    // The selected period, nullopt when none is.
    std::optional<int32_t> period() const;
    QListWidget* periodList() const { return m_periods; }

private:
    QListWidget* m_periods;
    QPushButton* m_ok;
};

class Tf_choicemode : public QDialog {
    Q_OBJECT
public:
    explicit Tf_choicemode(QWidget* parent = nullptr);

    // "全部显示" at first.
    CheckMode mode() const;

private:
    QRadioButton* m_modes[3];
};

}  // namespace lottodesk
