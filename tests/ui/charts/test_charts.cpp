// The painted widgets shared by the analysis windows: the number grid, the bar chart, the trend chart,
// and the value axis they label.
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTest>
#include <algorithm>
#include <memory>

#include "ui/charts/axisticks.h"
#include "ui/charts/barchart.h"
#include "ui/charts/cellgrid.h"
#include "ui/charts/trendchart.h"
#include "ui/common/cellpictures.h"

using namespace lottodesk;

namespace {

QString dataFolder() { return QStringLiteral(LOTTODESK_DATA_DIR "/"); }

bool reddish(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
bool bluish(QRgb c) { return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 90; }
// A pixel of a picture's colour, not the grey of text, lines or the white ground.
bool coloured(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) > 60; }
QStringList strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) list << QString::fromLatin1(t);
    return list;
}
int colouredPixels(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) count += coloured(image.pixel(x, y));
    return count;
}

}  // namespace

class TestCharts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void axisLabelsAreExactAndDistinct_data();
    void axisLabelsAreExactAndDistinct();
    void axisTicksInsideFixedEnds();
    void gridModelServesTheTable() {
        auto table = std::make_shared<CellTable>();
        table->resize(2, 3);
        table->columnTitles = {QStringLiteral("期号"), QStringLiteral("01"), QStringLiteral("02")};
        table->rowTitles = {QStringLiteral("2003001"), QStringLiteral("预测区")};
        table->at(0, 0) = 7;
        table->at(0, 1) = 12;
        table->lookAt(1, 2) = CellLook{2, 3, true};
        table->at(1, 2) = 5;
        CellGridModel model;
        model.setTable(table);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("07"));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("12"));
        QCOMPARE(model.index(0, 2).data().toString(), QString());  // blank
        QCOMPARE(model.index(0, 2).data(CellGridModel::ValueRole).toInt(), CellTable::kBlank);
        QCOMPARE(model.index(0, 1).data(CellGridModel::LookRole).toInt(), -1);
        QCOMPARE(model.index(1, 2).data(CellGridModel::LookRole).toInt(), 2 << 8 | 3);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("01"));
        QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("预测区"));
        QVERIFY(!model.index(5, 0).isValid());
    }

    void gridPaintsBallsWithTheirNumber() {
        CellPictures pictures;
        QVERIFY(pictures.load(dataFolder()));
        CellGridView view(pictures);
        auto table = std::make_shared<CellTable>();
        table->resize(1, 1);
        table->at(0, 0) = 9;
        table->lookAt(0, 0) = CellLook{2, 0, true};
        view.setTable(table);
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 40, 40);
        view.itemDelegate()->paint(&painter, option, view.model()->index(0, 0));
        painter.end();
        QVERIFY(image.pixel(0, 0) == qRgb(255, 255, 255));  // outside the ball
        int coloured = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) coloured += image.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY(coloured > 400);
    }

    // The grid over a whole history: the model holds flat arrays and only visible cells are painted.
    // Run with -iterations N to time the first paint (QBENCHMARK runs once in a plain test run).
    void gridOverTheWholeHistoryPaintsOnlyWhatIsVisible() {
        CellPictures pictures;
        QVERIFY(pictures.load(dataFolder()));
        auto table = std::make_shared<CellTable>();
        table->resize(3500, 49);
        for (int r = 0; r < 3500; ++r)
            for (int c = 0; c < 49; ++c) {
                table->at(r, c) = (r * 7 + c) % 50;
                if ((r + c) % 7 == 0) table->lookAt(r, c) = CellLook{2, uint8_t(c % 9), true};
            }
        CellGridView view(pictures);
        view.resize(1000, 600);
        view.setTable(table);
        view.showLastRow();
        QImage image(1000, 600, QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK { view.render(&image); }
        QCOMPARE(view.model()->rowCount(), 3500);
        // Scrolled to the end: the last row starts inside the viewport. The newest whole row, 3498,
        // has its marked cell (3498 + 2) % 7 == 0 painted with its picture and the plain cell
        // beside it without one.
        QVERIFY(view.viewport()->rect().contains(view.visualRect(view.model()->index(3499, 0)).topLeft()));
        const QPoint offset = view.viewport()->mapTo(&view, QPoint(0, 0));
        const QRect marked = view.visualRect(view.model()->index(3498, 2)).translated(offset).adjusted(1, 1, -1, -1);
        const QRect plain = view.visualRect(view.model()->index(3498, 3)).translated(offset).adjusted(1, 1, -1, -1);
        QVERIFY(image.rect().contains(marked) && image.rect().contains(plain));
        QVERIFY2(colouredPixels(image, marked) > marked.width() * marked.height() / 4,
                 qPrintable(QString::number(colouredPixels(image, marked))));
        QCOMPARE(colouredPixels(image, plain), 0);
    }

    void barChartGeometryFollowsTheLargestValue() {
        BarChartData data;
        for (int n = 1; n <= 33; ++n) {
            data.slotLabels.push_back(n);
            data.first.push_back(n == 5 ? 25 : 3);
            data.second.push_back(n == 7 ? 12 : 0);
        }
        const BarChartGeometry g = barChartGeometry(data, 660, 360);
        QCOMPARE(g.originX, 30);
        QCOMPARE(g.originY, 320);
        QCOMPARE(g.plotWidth, 600);
        QCOMPARE(g.plotHeight, 300);
        QCOMPARE(g.step, 3);  // trunc(25 / 10) + 1
        QCOMPARE(g.firstLeft(1), 30 + 12);
        QCOMPARE(g.firstRight(1), 30 + 18);
        QCOMPARE(g.secondRight(1), 30 + 18 + 6);
        QCOMPARE(g.barHeight(30), 300);  // ten divisions of 3 fill the plot

        QImage image(660, 360, QImage::Format_RGB32);
        QPainter painter(&image);
        paintBarChart(painter, data, 660, 360);
        painter.end();
        const int slot5 = (g.firstLeft(5) + g.firstRight(5)) / 2;
        QVERIFY(reddish(image.pixel(slot5, 320 - g.barHeight(25) + 2)));
        const int slot7 = (g.secondLeft(7) + g.secondRight(7)) / 2;
        QVERIFY(bluish(image.pixel(slot7, 318)));
        QVERIFY(!bluish(image.pixel((g.secondLeft(8) + g.secondRight(8)) / 2, 318)));  // omission 0: no bar
        data.showFirst = false;
        image.fill(Qt::white);
        QPainter again(&image);
        paintBarChart(again, data, 660, 360);
        again.end();
        QVERIFY(!reddish(image.pixel(slot5, 320 - g.barHeight(25) + 2)));
    }

    void barChartWithoutSlotsOrValues() {
        BarChartData empty;
        const BarChartGeometry g = barChartGeometry(empty, 100, 50);
        QCOMPARE(g.step, 1);
        QCOMPARE(g.slotWidth, 0.0);
        QImage image(100, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintBarChart(painter, empty, 100, 50);  // nothing to divide by: no crash
        painter.end();
        // No bar of either colour in the plot (the legend above it shows both colours).
        for (int y = std::max(0, g.originY - g.plotHeight); y < std::min(50, g.originY); ++y)
            for (int x = g.originX + 1; x < std::min(100, g.originX + g.plotWidth); ++x)
                QVERIFY(!reddish(image.pixel(x, y)) && !bluish(image.pixel(x, y)));
    }

    void trendChartOpensOnTheNewestPointsAndScrolls() {
        TrendChart chart;
        chart.resize(400, 200);
        TrendSeries series;
        for (int i = 0; i < 3500; ++i) {
            series.periods.push_back(2003001 + i);
            series.values.push_back(i % 50);
        }
        series.lo = 0;
        series.hi = 49;
        chart.setSeries(series);
        QVERIFY(chart.visibleCount() < 3500);
        QCOMPARE(chart.firstVisible(), 3500 - chart.visibleCount());
        chart.scrollBar()->setValue(0);
        QCOMPARE(chart.firstVisible(), 0);
        QImage image(400, 200, QImage::Format_RGB32);
        chart.render(&image);
        bool red = false;
        for (int y = 0; y < 200 && !red; ++y)
            for (int x = 0; x < 400 && !red; ++x) red = reddish(image.pixel(x, y));
        QVERIFY(red);
    }

    void trendPainterHandlesAFlatOrEmptySeries() {
        const QRect area(0, 0, 100, 60);
        const auto paint = [&](const TrendSeries& series, int first) {
            QImage image(100, 60, QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            paintTrend(painter, series, area, first, 10);
            return image;
        };
        const auto redPixels = [](const QImage& image) {
            int red = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) red += reddish(image.pixel(x, y));
            return red;
        };
        // Empty: the white ground only.
        const QImage empty = paint(TrendSeries{}, 0);
        QCOMPARE(empty.pixel(50, 30), qRgb(255, 255, 255));
        QCOMPARE(redPixels(empty), 0);
        // Flat (lo == hi): both points on the lowest line, 4 pixels above the bottom, joined.
        TrendSeries flat{{1, 2}, {5, 5}, 5, 5, {}, Qt::red};
        const QImage drawn = paint(flat, 0);
        const auto redTinted = [](QRgb p) { return qRed(p) - qGreen(p) > 60; };  // antialiased too
        QVERIFY(reddish(drawn.pixel(5, 55)));
        QVERIFY(redTinted(drawn.pixel(10, 55)) || redTinted(drawn.pixel(10, 54)));
        QVERIFY(reddish(drawn.pixel(15, 55)));
        QVERIFY(!redTinted(drawn.pixel(5, 30)));
        // Scrolled past the end: nothing.
        QCOMPARE(redPixels(paint(flat, 5)), 0);
    }
};

void TestCharts::axisLabelsAreExactAndDistinct_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("intervals");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QStringList>("labels");
    // Two periods of 0..2 once read 0, 1, 1, 2, 2 at the quarter lines.
    QTest::newRow("0..2") << 0.0 << 2.0 << 4 << true << strings({"0", "1", "2"});
    QTest::newRow("0..1") << 0.0 << 1.0 << 4 << true << strings({"0", "1"});
    QTest::newRow("flat 5") << 5.0 << 5.0 << 4 << true << strings({"5", "6"});
    QTest::newRow("0..10") << 0.0 << 10.0 << 5 << true << strings({"0", "2", "4", "6", "8", "10"});
    QTest::newRow("0..9") << 0.0 << 9.0 << 4 << true << strings({"0", "5", "10"});
    QTest::newRow("sums 21..183") << 21.0 << 183.0 << 5 << true << strings({"0", "50", "100", "150", "200"});
    QTest::newRow("omissions 0..3493") << 0.0 << 3493.0 << 4 << true
                                       << strings({"0", "1000", "2000", "3000", "4000"});
    QTest::newRow("below zero") << -3.0 << 7.0 << 5 << true << strings({"-4", "-2", "0", "2", "4", "6", "8"});
    QTest::newRow("percent 0..1.5") << 0.0 << 1.5 << 4 << false << strings({"0.0", "0.5", "1.0", "1.5"});
    QTest::newRow("percent 0..0.12") << 0.0 << 0.12 << 3 << false << strings({"0.00", "0.05", "0.10", "0.15"});
}

void TestCharts::axisLabelsAreExactAndDistinct() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, intervals);
    QFETCH(bool, whole);
    QFETCH(QStringList, labels);
    const NiceAxis axis = niceAxis(low, high, intervals, whole);
    QVERIFY(axis.lo <= low && axis.hi >= high);
    QStringList texts;
    for (double v : axisTicks(axis)) {
        texts << tickLabel(v, axis.step);
        QCOMPARE(texts.back().toDouble(), v);  // the label is the value of its line
    }
    QCOMPARE(texts, labels);
    QVERIFY(texts.size() <= intervals + 1 + 1);  // widening to whole steps may add one
}

void TestCharts::axisTicksInsideFixedEnds() {
    // An axis whose ends are fixed (a cap, the K-line's own range) gets the nice multiples inside.
    const auto labels = [](double lo, double hi, int intervals) {
        const double step = niceStep(hi - lo, intervals, true);
        QStringList texts;
        for (double v : ticksWithin(lo, hi, step)) texts << tickLabel(v, step);
        return texts;
    };
    QCOMPARE(labels(0, 2, 4), strings({"0", "1", "2"}));
    QCOMPARE(labels(0, 100, 4), strings({"0", "50", "100"}));
    QCOMPARE(labels(-4, 8, 4), strings({"0", "5"}));
    QCOMPARE(labels(29, 171, 5), strings({"50", "100", "150"}));
    QVERIFY(ticksWithin(3, 2, 1).empty());
}

QTEST_MAIN(TestCharts)
#include "test_charts.moc"
