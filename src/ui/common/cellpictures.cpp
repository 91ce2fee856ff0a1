#include "ui/common/cellpictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>

namespace lottodesk {
namespace {

// One frame of a masked strip as an image with alpha, equal to drawing the mask with OR and then
// the picture with AND: where the mask is white the picture shows, where it is black the cell does.
// Grey (antialiased) mask pixels become partial alpha, and since the picture was blended onto white
// there, removing that white gives the premultiplied colour picture + mask - 255.
QImage maskedFrame(const QImage& picture, const QImage& mask) {
    QImage result(picture.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* p = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const QRgb* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = qGray(m[x]);
            const auto channel = [alpha](int value) { return std::clamp(value + alpha - 255, 0, alpha); };
            out[x] = qRgba(channel(qRed(p[x])), channel(qGreen(p[x])), channel(qBlue(p[x])), alpha);
        }
    }
    return result;
}

// A strip of at least `minFrames` square frames from `path`; a null image when the file is missing,
// unreadable or too small.
QImage loadStrip(const QString& path, int minFrames) {
    QImage strip;
    const int side = strip.load(path) ? strip.height() : 0;
    const int frames = side > 0 ? strip.width() / side : 0;
    return frames >= minFrames ? strip : QImage();
}

}  // namespace

bool CellPictures::load(const QString& programFolder, const QString& builtIn) {
    for (auto& frames : m_frames) frames.clear();
    m_scaled.clear();
    m_message.clear();
    const QDir folder(programFolder);
    for (int kind = 1; kind <= kKinds; ++kind) {
        const QString name = QStringLiteral("pic%1.bmp").arg(kind);
        const QString path = folder.filePath(QStringLiteral("pic/") + name);
        const int minFrames = isMasked(kind) ? 2 : 1;
        QImage strip = loadStrip(path, minFrames);
        if (strip.isNull()) strip = loadStrip(QDir(builtIn).filePath(name), minFrames);
        if (strip.isNull()) {
            for (auto& loaded : m_frames) loaded.clear();
            m_message = QStringLiteral("缺少图片文件：") + path;
            return false;
        }
        const int side = strip.height();
        const int frames = strip.width() / side;
        strip = strip.convertToFormat(QImage::Format_RGB32);
        const auto frameAt = [&](int k) { return strip.copy(k * side, 0, side, side); };
        std::vector<QPixmap>& target = m_frames[kind - 1];
        if (isMasked(kind)) {
            const QImage mask = frameAt(frames - 1);
            for (int k = 0; k < frames - 1; ++k) target.push_back(QPixmap::fromImage(maskedFrame(frameAt(k), mask)));
        } else {
            for (int k = 0; k < frames; ++k) target.push_back(QPixmap::fromImage(frameAt(k)));
        }
    }
    return true;
}

int CellPictures::frameCount(int kind) const {
    if (kind < 1 || kind > kKinds) return 0;
    return int(m_frames[kind - 1].size());
}

const QPixmap& CellPictures::scaled(int kind, int frame, const QSize& size, qreal ratio) const {
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    // The ratio is part of the key: 80 device pixels are a 40-pixel cell at 200 % and an 80-pixel
    // cell at 100 %, and a window may show on screens of both densities.
    const quint64 ratioSteps = quint64(qBound(1, qRound(ratio * 16), 511));
    const quint64 key = quint64(kind) << 61 | quint64(frame & 0xFF) << 53 | ratioSteps << 44 |
                        quint64(pixels.width() & 0x3FFFFF) << 22 | quint64(pixels.height() & 0x3FFFFF);
    auto found = m_scaled.constFind(key);
    if (found != m_scaled.constEnd()) return *found;
    // Squares keep their hard edges; balls are smoothed.
    const Qt::TransformationMode mode = isMasked(kind) ? Qt::SmoothTransformation : Qt::FastTransformation;
    QPixmap picture = m_frames[kind - 1][frame].scaled(pixels, Qt::IgnoreAspectRatio, mode);
    picture.setDevicePixelRatio(ratio);
    return *m_scaled.insert(key, picture);
}

void CellPictures::draw(QPainter& painter, int kind, int frame, const QRect& cell) const {
    if (frame < 0 || frame >= frameCount(kind) || cell.isEmpty()) return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (!isMasked(kind)) {
        painter.drawPixmap(cell.topLeft(), scaled(kind, frame, cell.size(), ratio));
        return;
    }
    const int side = std::min(cell.width(), cell.height());
    QRect square(0, 0, side, side);
    square.moveCenter(cell.center());
    painter.drawPixmap(square.topLeft(), scaled(kind, frame, square.size(), ratio));
}

}  // namespace lottodesk
