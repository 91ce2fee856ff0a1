#pragma once
// The draws a statistics view of the indicator analysis counts: the last N draws ("近" N, or
// "所有") or the draws from one period to another ("自定义", the two period lists).

#include <QWidget>
#include <cstdint>
#include <vector>

#include "analysis/drawwindow.h"

class QComboBox;
class QRadioButton;

namespace lottodesk {

class WindowChooser : public QWidget {
    Q_OBJECT
public:
    // The controls are named after `prefix`: rb_<prefix>recent, combo_<prefix>recent,
    // rb_<prefix>custom, combo_<prefix>from and combo_<prefix>to.
    explicit WindowChooser(const char* prefix, QWidget* parent = nullptr);

    // Offers the periods of the real draws of `history` in the period lists. A history with other
    // periods than before resets the custom range to its default (the 100th most recent draw to
    // the newest); the same periods keep the user's choice.
    void offer(const DrawHistory& history);
    // The chosen draws of `history`; an end period before the start gives an empty window.
    DrawWindow window(const DrawHistory& history) const;

Q_SIGNALS:
    void changed();

private:
    QRadioButton* m_recent;
    QComboBox* m_count;
    QRadioButton* m_custom;
    QComboBox* m_from;
    QComboBox* m_to;
    std::vector<int32_t> m_periods;
};

}  // namespace lottodesk
