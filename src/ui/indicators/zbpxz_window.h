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
    // "近" N or "自定义" (the range starting on the last 100 draws), or the range alone (starting
    // on the whole history).
    enum class Kind : uint8_t { RecentOrRange, RangeOnly };

    // The controls are named after `prefix`: rb_<prefix>recent, combo_<prefix>recent,
    // rb_<prefix>custom, combo_<prefix>from and combo_<prefix>to (the last two only for RangeOnly).
    explicit WindowChooser(const char* prefix, Kind kind = Kind::RecentOrRange, QWidget* parent = nullptr);

    // Offers the periods of the real draws of `history` in the period lists. A history with other
    // periods than before resets the range to its default; the same periods keep the user's
    // choice.
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
    Kind m_kind;
    std::vector<int32_t> m_periods;
};

}  // namespace lottodesk
