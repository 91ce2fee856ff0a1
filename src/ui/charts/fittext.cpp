#include "ui/charts/fittext.h"

#include <QFontMetrics>

namespace lottodesk {

namespace {

bool fits(const QFont& font, const QString& text, int width) {
    return QFontMetrics(font).horizontalAdvance(text) <= width;
}

}  // namespace

QFont fontFitting(const QFont& font, const QString& text, int width) {
    if (text.isEmpty() || fits(font, text, width)) return font;
    QFont smaller = font;
    const bool points = font.pointSizeF() > 0;
    for (double size = points ? font.pointSizeF() : font.pixelSize(); size > 6;) {
        size = std::max(6.0, size - 1);
        if (points)
            smaller.setPointSizeF(size);
        else
            smaller.setPixelSize(int(size));
        if (fits(smaller, text, width)) return smaller;
    }
    for (int stretch : {QFont::SemiCondensed, QFont::Condensed, QFont::ExtraCondensed, QFont::UltraCondensed}) {
        smaller.setStretch(stretch);
        if (fits(smaller, text, width)) return smaller;
    }
    return smaller;
}

}  // namespace lottodesk
