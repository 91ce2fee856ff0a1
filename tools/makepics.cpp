// makepics: draws the cell-picture strips pic1.bmp .. pic4.bmp into the folder given on the command
// line. Each strip is a row of square frames, frame k at x = k * side, one frame per colour.
// Squares (pic1, pic3) are flat with a darker 1-px border. Balls (pic2, pic4) sit on white and are
// followed by a mask frame, white where the ball is and black elsewhere: the program ORs the mask
// and then ANDs the picture, so the picture's white background drops out.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QString>
#include <array>
#include <cstdio>

namespace {

// red, blue, green, orange, purple, cyan, magenta, yellow, grey
constexpr std::array<QRgb, 9> kColours = {
    qRgb(216, 38, 38),  qRgb(36, 92, 204),  qRgb(34, 150, 66),  qRgb(240, 136, 24),  qRgb(132, 64, 184),
    qRgb(24, 172, 196), qRgb(222, 72, 164), qRgb(232, 196, 24), qRgb(136, 136, 136),
};

QImage blankStrip(int side, int frames, Qt::GlobalColor background) {
    QImage strip(side * frames, side, QImage::Format_RGB32);
    strip.fill(background);
    return strip;
}

QImage squares(int side) {
    QImage strip = blankStrip(side, int(kColours.size()), Qt::white);
    QPainter painter(&strip);
    for (int k = 0; k < int(kColours.size()); ++k) {
        const QColor colour = QColor::fromRgb(kColours[k]);
        const QRect frame(k * side, 0, side, side);
        painter.fillRect(frame, colour.darker(135));
        painter.fillRect(frame.adjusted(1, 1, -1, -1), colour);
    }
    return strip;
}

// The ball's outline; the picture and the mask use the same one so their antialiased edges agree.
QRectF ballBounds(int k, int side) {
    const qreal margin = side >= 30 ? 1.5 : 0.75;
    return QRectF(k * side + margin, margin, side - 2 * margin, side - 2 * margin);
}

QImage balls(int side) {
    const int count = int(kColours.size());
    QImage strip = blankStrip(side, count + 1, Qt::white);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < count; ++k) {
        const QColor colour = QColor::fromRgb(kColours[k]);
        const QRectF bounds = ballBounds(k, side);
        // Light falls from the upper left: a bright spot there, the rim in shadow.
        const QPointF light(bounds.left() + bounds.width() * 0.36, bounds.top() + bounds.height() * 0.32);
        QRadialGradient shade(bounds.center(), bounds.width() * 0.5, light);
        shade.setColorAt(0.0, colour.lighter(165));
        shade.setColorAt(0.45, colour);
        shade.setColorAt(1.0, colour.darker(160));
        painter.setBrush(shade);
        painter.drawEllipse(bounds);
    }
    const QRect maskFrame(count * side, 0, side, side);
    painter.fillRect(maskFrame, Qt::black);
    painter.setBrush(Qt::white);
    painter.drawEllipse(ballBounds(count, side));
    return strip;
}

bool save(const QImage& strip, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (strip.save(path, "BMP")) return true;
    std::fprintf(stderr, "makepics: cannot write %s\n", qUtf8Printable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makepics FOLDER   (writes pic1.bmp .. pic4.bmp)\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "makepics: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool written =
        save(squares(18), folder, QStringLiteral("pic1.bmp")) && save(balls(46), folder, QStringLiteral("pic2.bmp")) &&
        save(squares(25), folder, QStringLiteral("pic3.bmp")) && save(balls(18), folder, QStringLiteral("pic4.bmp"));
    return written ? 0 : 1;
}
