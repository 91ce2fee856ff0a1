#include "ui/shell/f_runpic.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>

namespace lottodesk {
namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 280;

void drawBall(QPainter& painter, const QRectF& bounds, const QColor& colour, const QString& number) {
    const QPointF light(bounds.left() + bounds.width() * 0.36, bounds.top() + bounds.height() * 0.32);
    QRadialGradient shade(bounds.center(), bounds.width() * 0.5, light);
    shade.setColorAt(0.0, colour.lighter(160));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1.0, colour.darker(170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(bounds);
    painter.setPen(Qt::white);
    painter.drawText(bounds, Qt::AlignCenter, number);
}

}  // namespace

Tf_runpic::Tf_runpic(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("f_runpic"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Tf_runpic::showNow() {
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
}

void Tf_runpic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(18, 36, 74));
    sky.setColorAt(1.0, QColor(8, 16, 38));
    painter.fillRect(rect(), sky);
    painter.setPen(QColor(255, 255, 255, 40));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont title = font();
    title.setPixelSize(44);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 40, width(), 60), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("lottodesk"));

    QFont subtitle = font();
    subtitle.setPixelSize(20);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    painter.setFont(subtitle);
    painter.setPen(QColor(200, 214, 240));
    painter.drawText(QRect(0, 104, width(), 30), Qt::AlignHCenter | Qt::AlignVCenter,
                     QString::fromUtf8("彩票分析工作站"));

    painter.setPen(QColor(255, 255, 255, 50));
    painter.drawLine(QPointF(width() * 0.2, 150.5), QPointF(width() * 0.8, 150.5));

    // A 双色球 line: six red balls and one blue.
    const int numbers[] = {3, 9, 16, 21, 27, 33, 8};
    constexpr int kBalls = 7;
    constexpr qreal kDiameter = 40;
    constexpr qreal kGap = 12;
    const qreal rowWidth = kBalls * kDiameter + (kBalls - 1) * kGap + kGap;  // extra gap before blue
    qreal x = (width() - rowWidth) / 2;
    QFont ballFont = font();
    ballFont.setPixelSize(16);
    ballFont.setBold(true);
    painter.setFont(ballFont);
    for (int i = 0; i < kBalls; ++i) {
        const bool blue = i == kBalls - 1;
        if (blue) x += kGap;
        drawBall(painter, QRectF(x, 180, kDiameter, kDiameter), blue ? QColor(36, 92, 204) : QColor(216, 38, 38),
                 QStringLiteral("%1").arg(numbers[i], 2, 10, QLatin1Char('0')));
        x += kDiameter + kGap;
    }
}

}  // namespace lottodesk
