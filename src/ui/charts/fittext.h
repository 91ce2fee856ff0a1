#pragma once
// Text that must fit a small cell whole (the number on a ball or a square): the font is made
// smaller, then narrower, rather than cutting digits off.

#include <QFont>
#include <QString>

namespace lottodesk {

// `font` when `text` fits in `width` pixels; else the same font at a smaller size (down to 6
// points or pixels) and, if need be, condensed.
QFont fontFitting(const QFont& font, const QString& text, int width);

}  // namespace lottodesk
