#pragma once
// The marked cells of the indicator analysis's grids (a hit of the omission table, the class of a
// value, its column or field row) drawn as the display menu chooses: "球+数字", "球",
// "方块+数字" or "方块", from the program's cell pictures when the window has them, else painted.
// Unmarked cells keep the grid's plain look.

#include <QColor>
#include <QStyledItemDelegate>

class QMenu;

namespace lottodesk {

class CellPictures;
class ViewGrid;

enum class MarkStyle : uint8_t { BallNumber, Ball, SquareNumber, Square };

inline const QColor kBallColour{215, 30, 30};
inline const QColor kSquareColour{30, 90, 200};

// The cell pictures of the marks: the ball (kind 2) and the square (kind 1), first colour.
inline constexpr int kBallPicture = 2;
inline constexpr int kSquarePicture = 1;
inline constexpr int kMarkFrame = 0;

// Draws one mark into `cell`: a ball in the square of its smaller side (stretched for a wide
// number) or a square filling it, with `text` in white over it for the styles with the number.
// With `pictures` that hold the mark's picture, the ball or square is that picture instead.
void paintMark(QPainter& painter, const QRect& cell, MarkStyle style, const QString& text,
               const CellPictures* pictures = nullptr);

class MarkDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setStyle(MarkStyle style) { m_style = style; }
    MarkStyle style() const { return m_style; }
    // The program's cell pictures (nullptr: painted marks); they must outlive the delegate.
    void setPictures(const CellPictures* pictures) { m_pictures = pictures; }
    const CellPictures* pictures() const { return m_pictures; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    MarkStyle m_style = MarkStyle::BallNumber;
    const CellPictures* m_pictures = nullptr;
};

// Gives `grid` the mark delegate and adds the submenu "显示模式" with the four styles to `menu`
// (actions mi_ballnumber, mi_ball, mi_squarenumber, mi_square). Returns the delegate.
MarkDelegate* addDisplayMenu(QMenu* menu, ViewGrid* grid);

}  // namespace lottodesk
