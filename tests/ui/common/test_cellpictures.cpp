// The cell pictures built from data/pic: loading, the program folder's own pictures, stretched
// squares, balls through their mask, sharp frames on high-density screens; and the splash and busy
// windows.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/common/cellpictures.h"
#include "ui/shell/f_runpic.h"
#include "ui/shell/f_showpic.h"

using namespace lottodesk;

namespace {

// No picture uses this colour, so any pixel still showing it was left alone.
const QRgb kBackground = qRgb(10, 200, 120);

QString dataFolder() { return QString::fromUtf8(LOTTODESK_DATA_DIR); }

QImage strip(int kind) {
    return QImage(dataFolder() + QStringLiteral("/pic/pic%1.bmp").arg(kind)).convertToFormat(QImage::Format_RGB32);
}

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

QImage drawn(const CellPictures& pictures, int kind, int frame, const QRect& cell, QSize size) {
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    pictures.draw(painter, kind, frame, cell);
    return image;
}

bool near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString describe(QRgb c) { return QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }

QByteArray where(const QString& what, int x, int y) {
    return QStringLiteral("%1 at %2,%3").arg(what).arg(x).arg(y).toUtf8();
}

}  // namespace

class TestCellPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadsNineFramesOfEachKind() {
        CellPictures pictures;
        QVERIFY2(pictures.load(dataFolder()), qPrintable(pictures.message()));
        QVERIFY(pictures.message().isEmpty());
        for (int kind = 1; kind <= 4; ++kind) QCOMPARE(pictures.frameCount(kind), 9);
        QCOMPARE(pictures.frameCount(0), 0);
        QCOMPARE(pictures.frameCount(5), 0);
    }

    void anEmptyFolderUsesTheBuiltInPictures() {
        QTemporaryDir empty;
        CellPictures pictures;
        QVERIFY2(pictures.load(empty.path()), qPrintable(pictures.message()));
        for (int kind = 1; kind <= 4; ++kind) QCOMPARE(pictures.frameCount(kind), 9);
        // The built-in strips are the ones in data/pic.
        for (int kind = 1; kind <= 4; ++kind)
            QCOMPARE(QImage(CellPictures::builtInFolder() + QStringLiteral("/pic%1.bmp").arg(kind))
                         .convertToFormat(QImage::Format_RGB32),
                     strip(kind));
    }

    void theFoldersOwnPicturesWinAndBadOnesFallBack() {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(QStringLiteral("pic"));
        // pic1: the user's own look, three plain frames of one colour.
        QImage own(3 * 18, 18, QImage::Format_RGB32);
        own.fill(qRgb(1, 2, 3));
        QVERIFY(own.save(QDir(folder.path()).filePath(QStringLiteral("pic/pic1.bmp"))));
        // pic2: not a bitmap; pic3: an empty file. Both fall back to the built-in strips.
        QFile broken(QDir(folder.path()).filePath(QStringLiteral("pic/pic2.bmp")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("BM not a bitmap");
        broken.close();
        QFile empty(QDir(folder.path()).filePath(QStringLiteral("pic/pic3.bmp")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();

        CellPictures pictures;
        QVERIFY2(pictures.load(folder.path()), qPrintable(pictures.message()));
        QCOMPARE(pictures.frameCount(1), 3);
        QCOMPARE(drawn(pictures, 1, 2, QRect(0, 0, 10, 10), QSize(10, 10)).pixel(5, 5), qRgb(1, 2, 3));
        QCOMPARE(pictures.frameCount(2), 9);
        QCOMPARE(pictures.frameCount(3), 9);
    }

    void aMissingStripIsNamedWhenNothingIsBuiltIn() {
        QTemporaryDir empty, noBuiltIn;
        CellPictures pictures;
        QVERIFY(!pictures.load(empty.path(), noBuiltIn.path()));
        const QString firstStrip = QDir(empty.path()).filePath(QStringLiteral("pic/pic1.bmp"));
        QCOMPARE(pictures.message(), QString::fromUtf8("缺少图片文件：") + firstStrip);

        // Every strip is required, not just the first one.
        QTemporaryDir partial;
        QDir(partial.path()).mkdir(QStringLiteral("pic"));
        for (int kind = 1; kind <= 3; ++kind) {
            const QString name = QStringLiteral("pic/pic%1.bmp").arg(kind);
            QVERIFY(QFile::copy(dataFolder() + QLatin1Char('/') + name, QDir(partial.path()).filePath(name)));
        }
        QVERIFY(!pictures.load(partial.path() + QLatin1Char('/'), noBuiltIn.path()));
        QVERIFY2(pictures.message().endsWith(QStringLiteral("pic/pic4.bmp")), qPrintable(pictures.message()));
        QCOMPARE(pictures.frameCount(1), 0);
    }

    void framesAreScaledForTheScreensDensity() {
        // At 200 % a 40x40 cell is 80x80 device pixels: the frame is drawn from the strip at that size,
        // exactly as a 80x80 cell at 100 %, not enlarged from a 40x40 picture. Both are drawn by one
        // CellPictures, as when a window moves between screens of different density.
        CellPictures pictures;
        QVERIFY(pictures.load(dataFolder()));
        for (int kind : {1, 2}) {
            QImage dense = canvas(80, 80);
            dense.setDevicePixelRatio(2.0);
            {
                QPainter painter(&dense);
                pictures.draw(painter, kind, 3, QRect(0, 0, 40, 40));
            }
            const QImage plain = drawn(pictures, kind, 3, QRect(0, 0, 80, 80), QSize(80, 80));
            dense.setDevicePixelRatio(1.0);
            QCOMPARE(dense, plain);
        }
    }

    void aSquareIsStretchedOverTheCell() {
        CellPictures pictures;
        QVERIFY(pictures.load(dataFolder()));
        const QImage squares = strip(1);
        const QRect cell(5, 4, 30, 20);
        for (int frame : {0, 1, 8}) {
            const QRgb colour = squares.pixel(frame * 18 + 9, 9);
            const QImage image = drawn(pictures, 1, frame, cell, QSize(40, 30));
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    const QString seen = QStringLiteral("frame %1: %2").arg(frame).arg(describe(pixel));
                    if (!cell.contains(x, y))
                        QVERIFY2(pixel == kBackground, where(seen + QStringLiteral(" outside the cell"), x, y));
                    else if (cell.adjusted(2, 2, -2, -2).contains(x, y))
                        QVERIFY2(pixel == colour,
                                 where(seen + QStringLiteral(" instead of ") + describe(colour), x, y));
                    else
                        QVERIFY2(pixel != kBackground, where(seen + QStringLiteral(", border left out"), x, y));
                }
            }
        }
        QVERIFY(squares.pixel(9, 9) != squares.pixel(18 + 9, 9));
    }

    void aBallShowsTheCellAroundIt_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("side");
        QTest::newRow("pic2") << 2 << 46;
        QTest::newRow("pic4") << 4 << 18;
    }
    void aBallShowsTheCellAroundIt() {
        QFETCH(int, kind);
        QFETCH(int, side);
        CellPictures pictures;
        QVERIFY(pictures.load(dataFolder()));
        const QImage balls = strip(kind);
        // A wide cell: the ball takes the 40x40 square at x 10..49.
        const QRect cell(0, 0, 60, 40);
        for (int frame : {0, 1}) {
            const QImage image = drawn(pictures, kind, frame, cell, cell.size());
            // The cell's corners and the corners of the ball's square: white in the picture, gone through the mask.
            // Just outside the square, the ball must not spill either.
            const QPoint outside[] = {QPoint(0, 0),   QPoint(59, 0), QPoint(0, 39), QPoint(59, 39), QPoint(9, 20),
                                      QPoint(50, 20), QPoint(10, 0), QPoint(49, 0), QPoint(10, 39), QPoint(49, 39)};
            for (const QPoint p : outside)
                QVERIFY2(image.pixel(p) == kBackground, where(describe(image.pixel(p)), p.x(), p.y()));
            const QRgb expected = balls.pixel(frame * side + side / 2, side / 2);
            const QRgb centre = image.pixel(30, 20);
            QVERIFY2(near(centre, expected, 24), qPrintable(QStringLiteral("frame %1 centre %2, ball %3")
                                                                .arg(frame)
                                                                .arg(describe(centre), describe(expected))));
            // The ball reaches out to the square's sides.
            QVERIFY(image.pixel(12, 20) != kBackground && image.pixel(47, 20) != kBackground);
        }
    }

    void theBusyWindowShowsItsTextOverItsParent() {
        QWidget parent;
        parent.setGeometry(100, 80, 640, 420);
        parent.show();
        Tf_showpic busy(&parent);
        const QString text = QString::fromUtf8("请稍候，正在更新数据.");
        busy.showText(text);
        QVERIFY(busy.isVisible());
        QVERIFY(busy.isWindow());
        QVERIFY(busy.windowFlags() & Qt::FramelessWindowHint);
        auto* label = busy.findChild<QLabel*>();
        QVERIFY(label);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), text);
        const QPoint offset = busy.frameGeometry().center() - parent.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, where(QStringLiteral("off centre"), offset.x(), offset.y()));
    }

    void theSplashIsBorderlessAndCentred() {
        Tf_runpic splash;
        splash.showNow();
        QVERIFY(splash.isVisible());
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint offset = splash.frameGeometry().center() - screen.center();
        QVERIFY2(offset.manhattanLength() <= 2, where(QStringLiteral("off centre"), offset.x(), offset.y()));
        // Painted, not blank: the title, the subtitle and the balls give many colours.
        const QImage image = splash.grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 50);
    }
};

QTEST_MAIN(TestCellPictures)
#include "test_cellpictures.moc"
