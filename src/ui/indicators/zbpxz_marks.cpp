#include "ui/indicators/zbpxz_marks.h"

#include <QActionGroup>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "ui/charts/fittext.h"
#include "ui/common/cellpictures.h"
#include "ui/indicators/zbpxz_viewgrid.h"

namespace lottodesk {

void paintMark(QPainter& painter, const QRect& cell, MarkStyle style, const QString& text,
               const CellPictures* pictures) {
    const bool ball = style == MarkStyle::BallNumber || style == MarkStyle::Ball;
    const bool number = style == MarkStyle::BallNumber || style == MarkStyle::SquareNumber;
    const int picture = ball ? kBallPicture : kSquarePicture;
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    // The ball is as wide as its number ("135" as much as "07"), as far as the cell allows; what
    // is still too wide is written smaller, never cut.
    const int side = std::max(2, std::min(cell.width(), cell.height()) - 2);
    const int textWidth = number && !text.isEmpty() ? QFontMetrics(font).horizontalAdvance(text) + 6 : 0;
    const int width = std::min(std::max(side, textWidth), std::max(side, cell.width() - 2));
    if (pictures && pictures->frameCount(picture) > kMarkFrame) {
        if (ball && width > side) {
            // The round picture, stretched sideways about the cell's centre.
            const QPointF centre = QRectF(cell).center();
            painter.save();
            painter.translate(centre);
            painter.scale(double(width) / side, 1.0);
            painter.translate(-centre);
            pictures->draw(painter, picture, kMarkFrame, cell.adjusted(1, 1, -1, -1));
            painter.restore();
        } else {
            pictures->draw(painter, picture, kMarkFrame, cell.adjusted(1, 1, -1, -1));
        }
    } else if (ball) {
        const QRect round(cell.center().x() - width / 2, cell.center().y() - side / 2, width, side);
        QRadialGradient shade(round.center() - QPoint(side / 5, side / 5), side * 0.7);
        shade.setColorAt(0, kBallColour.lighter(150));
        shade.setColorAt(1, kBallColour);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawEllipse(round);
    } else {
        painter.fillRect(cell.adjusted(1, 1, -1, -1), kSquareColour);
    }
    if (number && !text.isEmpty()) {
        painter.setFont(fontFitting(font, text, (ball ? width : cell.width()) - 4));
        painter.setPen(Qt::white);
        painter.drawText(cell, Qt::AlignCenter, text);
    }
    painter.restore();
}

void MarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (!index.data(ViewGridModel::MarkRole).toBool()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(option.rect, background.isValid() ? background.value<QColor>() : option.palette.base().color());
    paintMark(*painter, option.rect, m_style, index.data(Qt::DisplayRole).toString(), m_pictures);
}

MarkDelegate* addDisplayMenu(QMenu* menu, ViewGrid* grid) {
    auto* delegate = new MarkDelegate(grid);
    grid->setItemDelegate(delegate);
    QMenu* display = menu->addMenu(QStringLiteral("显示模式"));
    display->setObjectName(QStringLiteral("pm_display"));
    auto* group = new QActionGroup(display);
    const struct {
        const char* name;
        const char* caption;
        MarkStyle style;
    } kStyles[] = {{"mi_ballnumber", "球+数字", MarkStyle::BallNumber},
                   {"mi_ball", "球", MarkStyle::Ball},
                   {"mi_squarenumber", "方块+数字", MarkStyle::SquareNumber},
                   {"mi_square", "方块", MarkStyle::Square}};
    for (const auto& s : kStyles) {
        QAction* action = display->addAction(QString::fromUtf8(s.caption));
        action->setObjectName(QString::fromLatin1(s.name));
        action->setCheckable(true);
        action->setChecked(s.style == delegate->style());
        group->addAction(action);
        const MarkStyle style = s.style;
        QObject::connect(action, &QAction::triggered, grid, [grid, delegate, style] {
            delegate->setStyle(style);
            grid->viewport()->update();
        });
    }
    return delegate;
}

}  // namespace lottodesk
