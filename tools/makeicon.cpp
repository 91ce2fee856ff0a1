// makeicon: draws the program icon (the shapes of data/icons/lottodesk.svg) as PNGs of the sizes
// the desktop's icon theme asks for: FOLDER/lottodesk-<size>.png.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

void ball(QPainter& painter, QPointF centre, qreal radius, QPointF focus, QColor light, QColor colour, QColor rim) {
    QRadialGradient shade(centre, radius, focus);
    shade.setColorAt(0.0, light);
    shade.setColorAt(0.45, colour);
    shade.setColorAt(1.0, rim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
}

// The icon on a 256-unit canvas, scaled to `size` pixels.
QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    painter.setPen(QPen(QColor(0xb9, 0xa7, 0x8c), 6));
    painter.setBrush(QColor(0xfb, 0xf7, 0xef));
    painter.drawRoundedRect(QRectF(16, 16, 224, 224), 40, 40);
    const QColor green(0x22, 0x96, 0x4a);
    painter.fillRect(QRectF(40, 186, 22, 32), green);
    painter.fillRect(QRectF(70, 168, 22, 50), green);
    painter.fillRect(QRectF(100, 196, 22, 22), green);
    ball(painter, {104, 108}, 64, {82, 84}, QColor(0xff, 0x8a, 0x8a), QColor(0xd8, 0x26, 0x26),
         QColor(0x87, 0x18, 0x18));
    ball(painter, {172, 172}, 46, {156, 155}, QColor(0x8f, 0xb2, 0xf5), QColor(0x24, 0x5c, 0xcc),
         QColor(0x16, 0x3a, 0x80));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicon FOLDER   (writes lottodesk-<size>.png)\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = folder.filePath(QStringLiteral("lottodesk-%1.png").arg(size));
        if (!icon(size).save(path, "PNG")) {
            std::fprintf(stderr, "makeicon: cannot write %s\n", qUtf8Printable(path));
            return 1;
        }
    }
    return 0;
}
