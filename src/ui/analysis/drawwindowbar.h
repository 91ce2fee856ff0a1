#pragma once
// The window of draws a statistics view counts over: "近" N draws (a list of counts, editable, and
// a slider that moves with it) or "自定义" from one period to another. Shared by the statistics
// area and the pair grid of "更多图表"; the view lays the controls out, reads them and recomputes
// when they change.

#include <QObject>
#include <optional>

class QComboBox;
class QHBoxLayout;
class QRadioButton;
class QScrollBar;
class QString;
class QWidget;

namespace lottodesk {

struct DrawHistory;

class DrawWindowBar : public QObject {
    Q_OBJECT
public:
    // The controls' object names.
    struct Names {
        const char* recent;
        const char* count;
        const char* slider;
        const char* custom;
        const char* from;
        const char* to;
    };
    DrawWindowBar(const Names& names, int sliderWidth, QWidget* parent);

    // Appends the controls to `row`: "近", the count, `afterCount` (when not empty), the slider,
    // "自定义", from, `between`, to.
    void layOut(QHBoxLayout* row, const QString& afterCount, const QString& between);
    // Refills the period lists from the history and sets the slider's range. `keepChosen`: a period
    // still in the history stays chosen; otherwise (and for periods that are gone) the default
    // custom window is chosen.
    void fillPeriods(const DrawHistory& history, bool keepChosen);
    // Empties the period lists (a new game: its periods are listed when next shown).
    void clearPeriods();
    // Enables the controls of the chosen mode only.
    void enableChosenMode();

    bool custom() const;
    // The count list's value: 0 for "所有"; nullopt when the text is not a count.
    std::optional<int> recentCount() const;
    int32_t fromPeriod() const;
    int32_t toPeriod() const;

    QRadioButton* recentButton() const { return m_recent; }
    QComboBox* countBox() const { return m_count; }

Q_SIGNALS:
    // "近" or "自定义" was chosen.
    void modeChanged();
    // The count, the slider or a period changed (not while the lists are refilled).
    void windowChanged();

private:
    QRadioButton* m_recent;
    QComboBox* m_count;
    QScrollBar* m_slider;
    QRadioButton* m_custom;
    QComboBox* m_from;
    QComboBox* m_to;
    bool m_filling = false;
};

}  // namespace lottodesk
