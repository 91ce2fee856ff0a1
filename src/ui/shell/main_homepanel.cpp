#include "ui/shell/main_homepanel.h"

#include <QPainter>

#include "ui/common/cellpictures.h"
#include "core/drawtext.h"
#include "core/workspace.h"

namespace lottodesk {
namespace {

constexpr int kBallPicture = 2;  // 46-pixel balls drawn through their mask
constexpr int kRedBall = 0;
constexpr int kBlueBall = 1;
constexpr int kBallSide = 46;

}  // namespace

HomePanel::HomePanel(const Workspace& ws, const CellPictures& pictures, QWidget* parent)
    : QWidget(parent), m_ws(ws), m_pictures(pictures) {
    setObjectName(QStringLiteral("homePanel"));
    setAutoFillBackground(true);
}

void HomePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int left = 48;
    int y = 56;

    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 2.2);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(left, y), QString::fromStdString(m_ws.current().cpmm));
    y += 20;

    painter.setFont(font());
    const t_s_dm& sjk = m_ws.sjk;
    const GameParams& game = m_ws.game;
    QString summary = QStringLiteral("%1 %2..%3 选 %4 个")
                          .arg(QString::fromStdString(m_ws.current().zhname))
                          .arg(game.zh_from)
                          .arg(game.zh_to)
                          .arg(game.zhgs);
    if (game.fhgs > 0)
        summary += QStringLiteral("，%1 %2..%3 选 %4 个")
                       .arg(QString::fromStdString(m_ws.current().specname))
                       .arg(game.spec_from)
                       .arg(game.spec_to)
                       .arg(game.fhgs);
    y += painter.fontMetrics().height();
    painter.drawText(QPoint(left, y), summary);

    y += painter.fontMetrics().height() * 2;
    if (sjk.IsEmpty()) {
        painter.drawText(QPoint(left, y), QStringLiteral("暂无开奖数据"));
        return;
    }
    const int32_t* last = sjk.record(sjk.RecordCount());
    painter.drawText(QPoint(left, y), QStringLiteral("最新一期 %1（共 %2 期）").arg(last[0]).arg(sjk.RecordCount()));
    y += 12;

    QFont ballFont = font();
    ballFont.setBold(true);
    ballFont.setPointSizeF(ballFont.pointSizeF() * 1.3);
    painter.setFont(ballFont);
    int x = left;
    for (int i = 1; i <= game.zhgs + game.fhgs && i < kSlots; ++i) {
        if (i == game.zhgs + 1) x += kBallSide / 2;
        const QRect cell(x, y, kBallSide, kBallSide);
        m_pictures.draw(painter, kBallPicture, i <= game.zhgs ? kRedBall : kBlueBall, cell);
        painter.setPen(Qt::white);
        painter.drawText(cell, Qt::AlignCenter, QString::fromStdString(twoDigits(last[i])));
        x += kBallSide + 8;
    }
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(QPoint(left, y + kBallSide + 40),
                     QStringLiteral("从“功能组件”菜单打开分析页面，从“数据更新维护”菜单选择彩种。"));
}

}  // namespace lottodesk
