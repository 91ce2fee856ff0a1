// The painted widgets shared by the analysis windows: the number grid, the bar chart, the trend chart.
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTest>
#include <memory>

#include "ui/charts/barchart.h"
#include "ui/charts/cellgrid.h"
#include "ui/charts/trendchart.h"
#include "ui/common/cellpictures.h"

using namespace lottodesk;

namespace {

QString dataFolder() { return QStringLiteral(LOTTODESK_DATA_DIR "/"); }

bool reddish(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
bool bluish(QRgb c) { return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 90; }

}  // namespace

class TestCharts : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
        QPainter painter(&image);
        paintBarChart(painter, empty, 100, 50);  // nothing to divide by: no crash
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
        QImage image(100, 60, QImage::Format_RGB32);
        QPainter painter(&image);
        paintTrend(painter, TrendSeries{}, QRect(0, 0, 100, 60), 0, 10);
        TrendSeries flat{{1, 2}, {5, 5}, 5, 5, {}, Qt::red};
        paintTrend(painter, flat, QRect(0, 0, 100, 60), 0, 10);
        paintTrend(painter, flat, QRect(0, 0, 100, 60), 5, 10);  // scrolled past the end
    }
};

QTEST_MAIN(TestCharts)
#include "test_charts.moc"
