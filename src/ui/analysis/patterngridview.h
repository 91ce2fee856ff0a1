#pragma once
// The grids of the row/column pattern page: one small grid per period, its drawn cells lit and
// its empty rows and columns shaded, the period under it; after the last record the selection
// grid ("选号区"), whose cells a left click toggles and a right click clears.

#include <QWidget>
#include <bitset>
#include <vector>

#include "analysis/arrangement.h"

namespace lottodesk {

class PatternGridView : public QWidget {
    Q_OBJECT
public:
    struct Slot {
        QString caption;   // "2026096期", "预测区" or "选号区"
        PatternGrid grid;  // unused for the selection grid
        bool selection = false;
    };

    explicit PatternGridView(QWidget* parent = nullptr);

    void setContent(const Arrangement& arrangement, std::vector<Slot> slots, int perLine);
    const std::vector<Slot>& slotsShown() const { return m_slots; }
    // Flags over the numbers 1..50 (the values placed in the cells).
    const std::bitset<51>& selection() const { return m_selection; }
    void setSelection(const std::bitset<51>& selection);
    // The cell of the selection grid at `point`, -1 when none.
    int selectionCellAt(const QPoint& point) const;
    QRect cellRect(int slot, int cell) const;

Q_SIGNALS:
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QSize sizeHint() const override;

private:
    QRect slotRect(int slot) const;

    Arrangement m_arrangement;
    std::vector<Slot> m_slots;
    int m_perLine = 7;
    std::bitset<51> m_selection;
};

}  // namespace lottodesk
