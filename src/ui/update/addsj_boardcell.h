#pragma once
// BoardCell: one square of the number board, painted by itself. It shows its text on its fill
// colour and, when it is hoverable, lights up while the mouse is over it.

#include <QAbstractButton>
#include <QColor>

namespace lottodesk {

class BoardCell : public QAbstractButton {
    Q_OBJECT
public:
    BoardCell(const QString& text, QColor fill, QColor textColour, QWidget* parent = nullptr);

    void setFill(QColor fill);
    QColor fill() const { return m_fill; }
    // Cells that only show a value do not light up.
    void setHoverable(bool hoverable) { m_hoverable = hoverable; }
    bool lit() const { return m_hoverable && m_hover; }
    // The colour the cell is painted with now.
    QColor shownColour() const;

    QSize sizeHint() const override;

    static QColor hoverColour() { return QColor(0xB8, 0xE0, 0xFF); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor m_fill;
    QColor m_textColour;
    bool m_hoverable = true;
    bool m_hover = false;
};

}  // namespace lottodesk
