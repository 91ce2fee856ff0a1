#pragma once
// CellPictures: the chart cell pictures pic1.bmp .. pic4.bmp, each a strip of square frames.
// Kinds 1 and 3 are flat squares stretched over a cell; kinds 2 and 4 are balls drawn through their
// mask (the strip's last frame) and centred in the cell. The pictures are built into the program;
// a readable pic/picN.bmp in the program folder replaces the built-in one (users change the look
// that way).

#include <QHash>
#include <QPixmap>
#include <QString>
#include <array>
#include <vector>

class QPainter;
class QRect;

namespace lottodesk {

class CellPictures {
public:
    // The folder of the pictures built into the program.
    static QString builtInFolder() { return QStringLiteral(":/lottodesk/pic"); }

    // Loads each strip from <programFolder>/pic/, or from `builtIn` where that file is missing,
    // unreadable or not a strip. False, with message() naming the program folder's file, when
    // neither can be loaded.
    bool load(const QString& programFolder, const QString& builtIn = builtInFolder());
    const QString& message() const { return m_message; }

    // Draws frame `frame` of picture kind 1..4 into `cell`. Kinds 1 and 3 fill the cell; kinds 2 and
    // 4 fill the square of the cell's smaller side at its centre, transparent outside the ball.
    // Out-of-range kinds and frames draw nothing.
    void draw(QPainter& painter, int kind, int frame, const QRect& cell) const;

    // Frames in the strip of `kind`, the mask frame not counted; 0 before a successful load.
    int frameCount(int kind) const;

private:
    static constexpr int kKinds = 4;
    static bool isMasked(int kind) { return kind == 2 || kind == 4; }

    // A frame scaled to the size it is drawn at (device pixels), made once per size: grids draw
    // thousands of cells of one size, and scaling each time would dominate their painting.
    const QPixmap& scaled(int kind, int frame, const QSize& size, qreal ratio) const;

    std::array<std::vector<QPixmap>, kKinds> m_frames;
    mutable QHash<quint64, QPixmap> m_scaled;
    QString m_message;
};

}  // namespace lottodesk
