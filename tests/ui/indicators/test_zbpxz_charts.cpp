// The drawn charts of the indicator analysis "指标剖析": the K-line of "信号图", the columns of the
// statistics views and the lines of the trend views, rendered into images and checked pixel by
// pixel, on the real 双色球 history.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "analysis/fieldlayouts.h"
#include "analysis/valueclasses.h"
#include "core/drawtext.h"
#include "core/fileio.h"
#include "core/workspace.h"
#include "support/uifixture.h"
#include "indicators/coldhot.h"
#include "ui/settings/f_zj1.h"
#include "ui/charts/candlechart.h"
#include "ui/charts/columnchart.h"
#include "ui/charts/linechart.h"
#include "ui/common/cellpictures.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/indicators/zbpxz_marks.h"
#include "ui/common/gridscroller.h"
#include "ui/indicators/zbpxz_viewgrid.h"
#include "zbpxz_fixture.h"

using namespace lottodesk;
using namespace lottodesk::test;

namespace {

bool near(QRgb pixel, const QColor& colour) {
    return std::abs(qRed(pixel) - colour.red()) < 40 && std::abs(qGreen(pixel) - colour.green()) < 40 &&
           std::abs(qBlue(pixel) - colour.blue()) < 40;
}
bool white(QRgb pixel) { return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240; }
bool dark(QRgb pixel) { return qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }
// The pixels of `area` in `image` near `colour`, or (without one) not white.
int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& counted) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += counted(image.pixel(x, y));
    return n;
}

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage renderCandles(const CandleChartData& data, const QRect& area, int first, int slotWidth) {
    QImage image = blank(area.width(), area.height());
    QPainter painter(&image);
    paintCandleChart(painter, data, area, first, slotWidth);
    return image;
}

// The analysis window over the 双色球 history, large enough for the charts' pixel checks.
struct ChartAnalysis : Analysis {
    ChartAnalysis() : Analysis("ssq.txt", kSsq, QSize(1000, 700)) {}
    int32_t sum(int record) {
        const int32_t* r = ws.sjk.record(record);
        return r[1] + r[2] + r[3] + r[4] + r[5] + r[6];
    }
};

}  // namespace

class TestAnalysisCharts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void candleGeometryFollowsOpenAndClose();
    void candlesAreDrawnByTheirKind();
    void signalChartDrawsTheSeriesAsCandles();
    void columnsStandOnTheAxisInTheirColours();
    void countColumnsFollowTheOrder();
    void omissionColumnsAreColouredByTheRule();
    void omissionColumnsLeaveUnseenValuesOutOfTheScale();
    void classColumnsCountTheClasses();
    void averageLinesAreSwitchedOneByOne();
    void lineAxisIsCappedOrFittedToTheWindow();
    void omissionTrendDrawsTheOmissionAndItsChange();
    void statisticsCountAChosenPeriodRange();
    void featureTableSelectionRowTogglesClasses();
    void marksAreBallsOrSquaresWithOrWithoutTheNumber();
    void displayMenuRedrawsTheMarkedCells();
    void aNewGameClearsTheCharts();
    void omissionStatisticsOverAChosenRange();
    void marksUseTheProgramsCellPictures();
    void aThreeDigitValueIsWrittenWholeOnItsBall();
    void fieldChartOfASumOpensOnTheZonesOfItsRange();
    void columnsAndClassLevelsArePainted();
    void periodWindowChoiceReachesEveryTrendChart();
    void featureChartsDrawTheClassesAndScrollTogether();
    void changeChartsDrawValueAmplitudeAndTail();
    void remainderChartFollowsTheDivisor();
    void occurrenceChartOpensOnTheLastOccurrences();
    void segmentChartDrawsTheStatisticPerSegment();
    void traitsFollowTheComponentTable();
    void everyViewDrawsOnTheSevenNumberGame();
};

void TestAnalysisCharts::candleGeometryFollowsOpenAndClose() {
    CandleChartData data;
    data.candles = {{5, 5, CandleKind::Line}, {5, 8, CandleKind::Rise}, {8, 2, CandleKind::Fall}};
    const QRect plot(0, 0, 100, 108);  // 99 pixels from value 0 (y 103) to value 8 (y 4)
    const CandleAxis axis = candleAxis(data);
    QCOMPARE(axis.lo, 0);
    QCOMPARE(axis.hi, 8);
    QCOMPARE(candleY(0, plot, axis), 103);
    QCOMPARE(candleY(8, plot, axis), 4);
    QCOMPARE(candleY(4, plot, axis), 103 - 50);  // 49.5 rounds up
    QCOMPARE(candleY(-3, plot, axis), 103);      // beyond the axis: at its end

    const CandleShape first = candleShape(data.candles[0], 0, plot, axis, 10);
    QVERIFY(first.isLine());
    QCOMPARE(first.body.top(), candleY(5, plot, axis));
    QCOMPARE(first.x, 5);
    const CandleShape rise = candleShape(data.candles[1], 1, plot, axis, 10);
    QVERIFY(!rise.isLine());
    QCOMPARE(rise.body, QRect(QPoint(12, candleY(8, plot, axis)), QPoint(17, candleY(5, plot, axis))));
    const CandleShape fall = candleShape(data.candles[2], 2, plot, axis, 10);
    QCOMPARE(fall.body, QRect(QPoint(22, candleY(8, plot, axis)), QPoint(27, candleY(2, plot, axis))));

    // Negative values lower the axis; a cap below the highest value ends it there.
    data.candles.push_back({2, -4, CandleKind::Fall});
    QCOMPARE(candleAxis(data).lo, -4);
    data.capped = true;
    data.cap = 6;
    const CandleAxis capped = candleAxis(data);
    QCOMPARE(capped.hi, 6);
    QCOMPARE(candleY(8, plot, capped), candleY(6, plot, capped));
    // A candle wholly above the cap shrinks to a line at the top.
    QVERIFY(candleShape({7, 8, CandleKind::Rise}, 0, plot, capped, 10).isLine());
    QVERIFY(!candleShape({5, 8, CandleKind::Rise}, 0, plot, capped, 10).isLine());
    // A cap above every value changes nothing.
    data.cap = 50;
    QCOMPARE(candleAxis(data).hi, 8);
}

void TestAnalysisCharts::candlesAreDrawnByTheirKind() {
    CandleChartData data;
    data.periods = {2024001, 2024002, 2024003, 2024004};
    data.candles = {
        {10, 10, CandleKind::Line}, {10, 40, CandleKind::Rise}, {40, 5, CandleKind::Fall}, {5, 5, CandleKind::Line}};
    data.signalTexts = {u("降"), u("升"), u("降"), u("降")};
    data.signalFirst = {0, 1, 0, 0};
    const QRect area(0, 0, 300, 240);
    const int slot = 20;
    const QImage image = renderCandles(data, area, 0, slot);
    const QRect plot = candlePlot(area);
    const CandleAxis axis = candleAxis(data);

    const CandleShape rise = candleShape(data.candles[1], 1, plot, axis, slot);
    QVERIFY(near(image.pixel(rise.body.left(), rise.body.center().y()), kRiseColour));  // red edge
    QVERIFY(white(image.pixel(rise.body.center())));                                    // hollow
    QVERIFY(near(image.pixel(rise.x, rise.body.top()), kRiseColour));
    const CandleShape fall = candleShape(data.candles[2], 2, plot, axis, slot);
    QVERIFY(near(image.pixel(fall.body.center()), kFallColour));  // filled
    QVERIFY(near(image.pixel(fall.body.left() + 1, fall.body.bottom() - 1), kFallColour));
    const CandleShape line = candleShape(data.candles[3], 3, plot, axis, slot);
    QVERIFY(dark(image.pixel(line.x, line.body.top())));
    QVERIFY(white(image.pixel(line.x, line.body.top() - 3)));
    QVERIFY(white(image.pixel(rise.x, rise.body.top() - 3)));  // nothing above the close

    // Scrolled by one: the rising candle is drawn in the first slot.
    const QImage scrolled = renderCandles(data, area, 1, slot);
    const CandleShape moved = candleShape(data.candles[1], 0, plot, axis, slot);
    QVERIFY(near(scrolled.pixel(moved.body.left(), moved.body.center().y()), kRiseColour));
    QVERIFY(white(scrolled.pixel(moved.body.center())));
}

void TestAnalysisCharts::signalChartDrawsTheSeriesAsCandles() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    CandleChart* chart = a.window.candleChart();
    QVERIFY(chart && chart->isVisible());
    const int records = a.ws.sjk.RecordCount();
    const CandleChartData& data = chart->data();
    QCOMPARE(static_cast<int>(data.candles.size()), records);
    QCOMPARE(data.title, u("和值的常规图"));
    QCOMPARE(data.periods.back(), a.ws.sjk.record(records)[0]);
    // Each candle opens at the previous sum and closes at its own; the first is a line.
    QCOMPARE(data.candles.front().kind, CandleKind::Line);
    for (int n = 2; n <= records; ++n) {
        const Candle& c = data.candles[static_cast<size_t>(n - 1)];
        QCOMPARE(c.open, a.sum(n - 1));
        QCOMPARE(c.close, a.sum(n));
        QCOMPARE(c.kind, c.close > c.open ? CandleKind::Rise : c.close < c.open ? CandleKind::Fall : CandleKind::Line);
    }
    // The signal row under the candles is the grid's.
    ViewGrid* grid = a.window.currentGrid();
    for (int r = records - 40; r < records; ++r) QCOMPARE(data.signalTexts[r], grid->text(r, 5));

    // Opens on the newest periods.
    QCOMPARE(chart->visibleCount(), 36);
    QCOMPARE(chart->firstVisible() + chart->visibleCount(), records);
    // The newest rising and falling candles in view, as the widget paints them.
    const QImage shot = chart->grab().toImage();
    const QRect plot = candlePlot(chart->chartArea());
    const CandleAxis axis = candleAxis(data);
    int rises = 0, falls = 0;
    for (int k = 0; k < chart->visibleCount(); ++k) {
        const auto i = static_cast<size_t>(chart->firstVisible() + k);
        if (i >= data.candles.size()) break;
        const CandleShape shape = candleShape(data.candles[i], k, plot, axis, chart->slotWidth());
        if (shape.isLine()) continue;
        if (shape.kind == CandleKind::Rise) {
            ++rises;
            QVERIFY(near(shot.pixel(shape.body.left(), shape.body.center().y()), kRiseColour));
            if (shape.body.height() > 4 && shape.body.width() > 4) QVERIFY(white(shot.pixel(shape.body.center())));
        } else {
            ++falls;
            QVERIFY(near(shot.pixel(shape.body.center()), kFallColour));
        }
    }
    QVERIFY(rises > 3 && falls > 3);

    // Scrolling the grid moves the chart along; nothing is recomputed.
    const Candle* before = data.candles.data();
    grid->verticalScrollBar()->setValue(100);
    QCOMPARE(chart->firstVisible(), grid->rowAt(0));
    QCOMPARE(chart->data().candles.data(), before);

    // "限制y轴最大值": the axis ends at the cap; a sum above it is drawn at the top.
    a.child<QLineEdit>("e_ymax")->setText(QStringLiteral("100"));
    a.child<QCheckBox>("cb_ymax")->setChecked(true);
    QCOMPARE(candleAxis(chart->data()).hi, 100);
    QCOMPARE(chart->data().candles.data(), before);
    a.child<QLineEdit>("e_ymax")->setText(QStringLiteral("150"));
    QMetaObject::invokeMethod(a.child<QLineEdit>("e_ymax"), "editingFinished");
    QCOMPARE(candleAxis(chart->data()).hi, 150);
    a.child<QCheckBox>("cb_ymax")->setChecked(false);
    QVERIFY(candleAxis(chart->data()).hi > 150);

    // Another K-line type and signal row: tails 0..9, symbols.
    a.child<QComboBox>("combo_kline")->setCurrentIndex(1);
    a.child<QRadioButton>("rb_symbols")->setChecked(true);
    QCOMPARE(chart->data().title, u("和值的尾数图"));
    QCOMPARE(chart->data().candles.back().close, a.sum(records) % 10);
    QVERIFY(chart->data().signalTexts.back() == u("O") || chart->data().signalTexts.back() == u("X"));
}

namespace {

// The height in pixels of the column drawn at x up from `baseline`: the run of its colour.
int paintedHeight(const QImage& image, int x, int baseline) {
    const QRgb colour = image.pixel(x, baseline);
    if (white(colour)) return 0;
    int h = 0;
    while (baseline - h >= 0 && image.pixel(x, baseline - h) == colour) ++h;
    return h;
}

QImage grabColumns(ColumnChart* chart) { return chart->grab().toImage(); }

}  // namespace

void TestAnalysisCharts::columnsStandOnTheAxisInTheirColours() {
    ColumnChartData data;
    data.labels = {u("1"), u("2"), u("3")};
    data.heights = {4, 0, 8};
    data.texts = {u("4"), u("0"), u("8")};
    data.colours = {Qt::blue, Qt::blue, QColor(0, 150, 0)};
    const QRect area(0, 0, 240, 200);
    QImage image = blank(240, 200);
    QPainter painter(&image);
    paintColumnChart(painter, data, area);
    painter.end();
    const ColumnChartGeometry g = columnChartGeometry(data, area);
    QCOMPARE(g.top, 8.0);
    const QRect third = g.column(2, 8);
    QCOMPARE(third.top(), g.plot.top());  // the highest column reaches the top
    QCOMPARE(third.bottom(), g.plot.bottom());
    QCOMPARE(g.column(0, 4).height(), g.plot.height() / 2);
    QVERIFY(near(image.pixel(third.center()), QColor(0, 150, 0)));
    QVERIFY(near(image.pixel(g.column(0, 4).center()), Qt::blue));
    // Whole heights get an axis of whole nice steps: 9 in steps of 5 ends at 10.
    data.heights = {3, 0, 9};
    QCOMPARE(columnChartGeometry(data, area).top, 10.0);
    QCOMPARE(paintedHeight(image, third.center().x(), g.plot.bottom()), third.height());
    // A zero column leaves its slot empty.
    const QRect second = g.column(1, 1);
    QVERIFY(white(image.pixel(second.center().x(), g.plot.bottom() - 2)));
}

void TestAnalysisCharts::countColumnsFollowTheOrder() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* grid = a.view("出现次数统计图");
    ColumnChart* chart = a.window.countsChart();
    QVERIFY(chart->isVisible());
    const int records = a.ws.sjk.RecordCount();
    std::map<int, int> expected;
    for (int n = records - 99; n <= records; ++n) ++expected[a.ws.sjk.record(n)[1]];
    QCOMPARE(chart->data().labels.size(), 33);
    for (int v = 1; v <= 33; ++v) QCOMPARE(chart->data().heights[v - 1], double(expected[v]));
    QVERIFY(chart->data().title.endsWith(u("（共100期）")));

    // Descending: the painted columns never grow from left to right; labels follow the grid.
    a.child<QComboBox>("combo_countorder")->setCurrentIndex(2);
    const ColumnChartData& data = chart->data();
    const QImage shot = grabColumns(chart);
    const ColumnChartGeometry g = columnChartGeometry(data, chart->rect());
    int previous = 1 << 30;
    for (size_t i = 0; i < data.heights.size(); ++i) {
        QCOMPARE(data.labels[i], grid->text(int(i), 0));
        const int h = paintedHeight(shot, g.column(i, data.heights[i]).center().x(), g.plot.bottom());
        QVERIFY(h <= previous);
        QCOMPARE(h, data.heights[i] > 0 ? g.column(i, data.heights[i]).height() : 0);
        previous = h;
    }
    QVERIFY(data.heights.front() > data.heights.back());
    a.child<QComboBox>("combo_countorder")->setCurrentIndex(1);
    QVERIFY(std::is_sorted(chart->data().heights.begin(), chart->data().heights.end()));
    // Percentages: the same heights, the shares written above them.
    a.child<QCheckBox>("cb_countpercent")->setChecked(true);
    QVERIFY(chart->data().texts.back().endsWith(u("%")));
    QCOMPARE(chart->data().texts.back(), grid->text(32, 1));
}

void TestAnalysisCharts::omissionColumnsAreColouredByTheRule() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* grid = a.view("遗漏次数统计图");
    ColumnChart* chart = a.window.omissionChart();
    const ColumnChartData& data = chart->data();
    QCOMPARE(data.heights.size(), size_t{33});
    const QImage shot = grabColumns(chart);
    const ColumnChartGeometry g = columnChartGeometry(data, chart->rect());
    std::set<QRgb> seen;
    for (int r = 0; r < 33; ++r) {
        // Columns: value, hits, longest, shortest, average, previous, current.
        const int current = grid->text(r, 6).toInt(), average = grid->text(r, 4).toInt();
        const int previous = grid->text(r, 5).toInt(), longest = grid->text(r, 2).toInt();
        QCOMPARE(data.heights[size_t(r)], double(current));
        // A value never seen has a mark at the axis, no column.
        QCOMPARE(data.isUnseen(size_t(r)), grid->text(r, 1) == u("0"));
        if (data.isUnseen(size_t(r))) continue;
        const QColor expected = current > longest    ? kAboveLongestColour
                                : current > previous ? kAbovePreviousColour
                                : current > average  ? kAboveAverageColour
                                                     : kQuietOmissionColour;
        QCOMPARE(data.colour(size_t(r)), expected);
        const QRect bar = g.column(size_t(r), current);
        if (bar.height() > 2) {
            QVERIFY(near(shot.pixel(bar.center()), expected));
            seen.insert(expected.rgb());
        }
    }
    QVERIFY(seen.size() >= 2);  // the real history has quiet and alarming values
}

void TestAnalysisCharts::omissionColumnsLeaveUnseenValuesOutOfTheScale() {
    // The main sum over the whole history: the sums below 40 and above 165 or so never came, and
    // their omission, the periods since the range start, once set the scale for every column.
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "主区和值").ok);
    ViewGrid* grid = a.view("遗漏次数统计图");
    ColumnChart* chart = a.window.omissionChart();
    const ColumnChartData& data = chart->data();
    const int records = a.ws.sjk.RecordCount();
    double highestSeen = 0;
    int unseen = 0;
    for (size_t i = 0; i < data.heights.size(); ++i) {
        if (data.isUnseen(i)) {
            ++unseen;
            QCOMPARE(grid->text(int(i), 1), u("0"));
            QCOMPARE(grid->text(int(i), 2), u("9999"));  // the statistics keep their marker
            QCOMPARE(data.texts[qsizetype(i)], u("未出"));
        } else {
            highestSeen = std::max(highestSeen, data.heights[i]);
        }
    }
    QVERIFY(unseen > 10);
    const ColumnChartGeometry g = columnChartGeometry(data, chart->rect());
    QVERIFY(g.top >= highestSeen && g.top - g.step < highestSeen);  // the first grid line above the seen
    QVERIFY(data.title.contains(u("×：未出")));
    // As painted: no column over an unseen value, its cross on the axis; seen values keep theirs.
    const QImage shot = grabColumns(chart);
    for (size_t i = 0; i < data.heights.size(); ++i) {
        const int x = g.column(i, 0).center().x();
        if (data.isUnseen(i)) {
            QVERIFY(white(shot.pixel(x, g.plot.bottom() - 40)));
            QVERIFY(countPixels(shot, QRect(x - 3, g.plot.bottom() - 12, 7, 12), [](QRgb p) { return !white(p); }) > 3);
        } else if (g.column(i, data.heights[i]).height() > 2) {
            QVERIFY(near(shot.pixel(g.column(i, data.heights[i]).center()), data.colour(i)));
        }
    }
}

void TestAnalysisCharts::classColumnsCountTheClasses() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* grid = a.view("分项统计");
    ColumnChart* chart = a.window.classesChart();
    QCOMPARE(chart->data().labels, (QStringList{u("奇"), u("偶")}));
    QCOMPARE(chart->data().heights[0] + chart->data().heights[1], 100.0);
    QCOMPARE(chart->data().heights[0], grid->text(0, 1).toDouble());
    // Three zones of 1..33.
    a.child<QComboBox>("combo_family")->setCurrentIndex(2);
    QCOMPARE(chart->data().labels.size(), 3);
    QCOMPARE(chart->data().labels[0], grid->text(0, 0));
    double total = 0;
    for (double h : chart->data().heights) total += h;
    QCOMPARE(total, 100.0);
}

namespace {

// The mean y of the pixels of `colour` in column x (-1 when none).
double meanY(const QImage& image, int x, const QColor& colour) {
    int sum = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
        if (near(image.pixel(x, y), colour)) sum += y, ++n;
    return n ? double(sum) / n : -1;
}

bool contains(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixel(x, y), colour)) return true;
    return false;
}

}  // namespace

void TestAnalysisCharts::averageLinesAreSwitchedOneByOne() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    a.view("均值走势图");
    LineChart* chart = a.window.averagesChart();
    const int records = a.ws.sjk.RecordCount();
    const LineChartData& data = chart->data();
    QCOMPARE(data.series.size(), size_t{6});
    QCOMPARE(data.names.join(QLatin1Char(' ')), u("常规线 二期均值 三期均值 四期均值 五期均值 十期均值"));
    QCOMPARE(data.series[0].back(), double(a.sum(records)));
    double five = 0;
    for (int n = records - 4; n <= records; ++n) five += a.sum(n);
    QCOMPARE(data.series[4].back(), five / 5);
    QCOMPARE(chart->firstVisible() + chart->window(), records);  // the newest periods

    // Only "十期均值" left: its colour is drawn, the series' is not; nothing was recomputed.
    const double* before = data.series[0].data();
    for (const char* name : {"cb_regular", "cb_avg2", "cb_avg3", "cb_avg4", "cb_avg5"})
        a.child<QCheckBox>(name)->setChecked(false);
    QCOMPARE(chart->data().shown, (std::vector<bool>{false, false, false, false, false, true}));
    QCOMPARE(chart->data().series[0].data(), before);
    QImage image = blank(600, 300);
    {
        QPainter painter(&image);
        paintLineChart(painter, chart->data(), QRect(48, 20, 540, 260), chart->firstVisible(), chart->window());
    }
    QVERIFY(contains(image, lineColour(5)));
    QVERIFY(!contains(image, lineColour(0)));
    a.child<QCheckBox>("cb_regular")->setChecked(true);
    QCOMPARE(chart->data().shown.front(), true);
}

void TestAnalysisCharts::lineAxisIsCappedOrFittedToTheWindow() {
    LineChartData data;
    data.periods = {2024001, 2024002, 2024003};
    data.names = {u("x")};
    data.series = {{0, 50, 200}};
    const QRect area(48, 20, 300, 200);  // y of v: 213 - v / span * 188; points at x 98, 198, 298
    auto render = [&] {
        QImage image = blank(400, 260);
        QPainter painter(&image);
        paintLineChart(painter, data, area, 0, 3);
        return image;
    };
    QVERIFY(std::abs(meanY(render(), 198, lineColour(0)) - (213 - 50 / 200.0 * 188)) < 3);
    data.capped = true;
    data.cap = 100;
    QImage capped = render();
    QVERIFY(std::abs(meanY(capped, 198, lineColour(0)) - (213 - 50 / 100.0 * 188)) < 3);
    QVERIFY(std::abs(meanY(capped, 298, lineColour(0)) - 25) < 3);  // 200 at the top
    // Fitted to the window of the last two points: 50 at the bottom.
    data.capped = false;
    data.fitWindow = true;
    QImage image = blank(400, 260);
    {
        QPainter painter(&image);
        paintLineChart(painter, data, area, 1, 2);  // points at x 123, 273
    }
    QVERIFY(std::abs(meanY(image, 123, lineColour(0)) - 213) < 3);
}

void TestAnalysisCharts::omissionTrendDrawsTheOmissionAndItsChange() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* grid = a.view("遗漏值走势");
    LineChart* omission = a.window.omissionLine();
    LineChart* change = a.window.omissionChangeLine();
    QVERIFY(omission->isVisible() && change->isVisible());
    const int records = a.ws.sjk.RecordCount();
    QCOMPARE(omission->data().title, u("红号一的遗漏走势"));
    QCOMPARE(change->data().title, u("红号一的遗漏振幅走势"));
    for (int r = records - 50; r < records; ++r) {
        QCOMPARE(omission->data().series[0][size_t(r)], grid->text(r, 1).toDouble());
        QCOMPARE(change->data().series[0][size_t(r)], grid->text(r, 2).toDouble());
    }
    // Both charts scroll together.
    omission->scrollBar()->setValue(200);
    QCOMPARE(change->firstVisible(), 200);
    change->scrollBar()->setValue(300);
    QCOMPARE(omission->firstVisible(), 300);
    // The axis options reach both charts without recomputing them.
    const double* before = omission->data().series[0].data();
    a.child<QCheckBox>("cb_dynamic")->setChecked(true);
    a.child<QLineEdit>("e_trendymax")->setText(QStringLiteral("20"));
    a.child<QCheckBox>("cb_trendymax")->setChecked(true);
    for (LineChart* chart : {omission, change}) {
        QVERIFY(chart->data().fitWindow);
        QVERIFY(chart->data().capped);
        QCOMPARE(chart->data().cap, 20.0);
    }
    QCOMPARE(omission->data().series[0].data(), before);
    // A new series keeps the chosen axis.
    QVERIFY(a.window.analyse("z_num2", ValueRange{1, 33}, "红号二").ok);
    a.view("遗漏值走势");
    QVERIFY(omission->data().capped && omission->data().fitWindow);
}

void TestAnalysisCharts::statisticsCountAChosenPeriodRange() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    const int records = a.ws.sjk.RecordCount();
    auto period = [&](int record) { return QString::number(a.ws.sjk.record(record)[0]); };
    ViewGrid* grid = a.view("出现次数统计图");
    ColumnChart* chart = a.window.countsChart();
    auto* from = a.child<QComboBox>("combo_countfrom");
    auto* to = a.child<QComboBox>("combo_countto");
    // The lists hold every draw; the custom range starts as the last 100 draws.
    QCOMPARE(from->count(), records);
    QCOMPARE(from->currentText(), period(records - 99));
    QCOMPARE(to->currentText(), period(records));
    QVERIFY(!a.child<QRadioButton>("rb_countcustom")->isChecked());

    // Draws records-30 .. records-21: choosing a period switches to "自定义".
    from->setCurrentText(period(records - 30));
    QVERIFY(a.child<QRadioButton>("rb_countcustom")->isChecked());
    to->setCurrentText(period(records - 21));
    std::map<int, int> expected;
    for (int n = records - 30; n <= records - 21; ++n) ++expected[a.ws.sjk.record(n)[1]];
    for (int v = 1; v <= 33; ++v) QCOMPARE(chart->data().heights[size_t(v - 1)], double(expected[v]));
    QVERIFY(chart->data().title.endsWith(u("（共10期）")));
    QCOMPARE(grid->text(33, 0), u("共10期"));
    // An end before the start counts nothing.
    to->setCurrentText(period(records - 40));
    QCOMPARE(grid->text(33, 0), u("共0期"));
    for (double h : chart->data().heights) QCOMPARE(h, 0.0);
    // Back to "近" N: the count list decides again; the chosen periods stay for the next time.
    a.child<QComboBox>("combo_countrecent")->setCurrentIndex(0);  // 5
    QVERIFY(a.child<QRadioButton>("rb_countrecent")->isChecked());
    QCOMPARE(grid->text(33, 0), u("共5期"));
    QVERIFY(a.window.analyse("z_num2", ValueRange{1, 33}, "红号二").ok);
    a.view("出现次数统计图");
    QCOMPARE(to->currentText(), period(records - 40));

    // "分项统计" has its own choice: odd and even of the first number over ten draws.
    ViewGrid* classes = a.view("分项统计");
    a.child<QComboBox>("combo_classfrom")->setCurrentText(period(records - 9));
    int odd = 0;
    for (int n = records - 9; n <= records; ++n) odd += a.ws.sjk.record(n)[2] % 2;
    QCOMPARE(classes->text(0, 1).toInt(), odd);
    QCOMPARE(classes->text(2, 0), u("共10期"));
    QCOMPARE(a.window.classesChart()->data().heights[1], double(10 - odd));
}

void TestAnalysisCharts::featureTableSelectionRowTogglesClasses() {
    ChartAnalysis a;
    // A prediction record after the draws: it closes the table after the selection row.
    a.ws.sjk.Append();
    DrawRecord prediction{};
    prediction[0] = 9999999;
    for (int i = 1; i <= 7; ++i) prediction[static_cast<size_t>(i)] = i + 2;
    a.ws.sjk.setRecord(a.ws.sjk.RecNo(), prediction);
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* grid = a.view("特性图表");
    QCOMPARE(grid->rowCount(), 100 + 2);
    QCOMPARE(grid->text(100, 0), u("选号区"));
    QCOMPARE(grid->text(101, 0), u("预测区"));
    QCOMPARE(grid->text(101, 1), u("3"));
    int odd = -1;
    for (int c = 0; c < grid->columnCount(); ++c)
        if (grid->headerText(c) == u("奇偶奇")) odd = c;
    QVERIFY(odd > 2);
    QCOMPARE(grid->text(100, odd), u("奇"));
    QCOMPARE(grid->text(100, 2), u("0"));    // the first tail column
    QCOMPARE(grid->text(101, odd), u("3"));  // the prediction's value in its class

    auto click = [&](int row, int column) {
        grid->scrollTo(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, column)).center());
    };
    click(100, odd);
    QVERIFY(a.window.traitSelection().contains(u("奇偶奇")));
    QVERIFY(grid->background(100, odd).isValid());
    click(100, 2);
    QCOMPARE(a.window.traitSelection().size(), 2);
    click(100, odd);
    QVERIFY(!a.window.traitSelection().contains(u("奇偶奇")));
    QVERIFY(!grid->background(100, odd).isValid());
    // Cells of the draws and the value column choose nothing.
    click(99, odd);
    click(100, 1);
    QCOMPARE(a.window.traitSelection(), QSet<QString>{u("尾号0")});
    // A new window of draws keeps the choice.
    a.child<QComboBox>("combo_traitrecent")->setCurrentIndex(0);  // 5
    QCOMPARE(grid->text(5, 0), u("选号区"));
    QVERIFY(grid->background(5, 2).isValid());
    // A new series starts with nothing chosen.
    QVERIFY(a.window.analyse("z_num2", ValueRange{1, 33}, "红号二").ok);
    QVERIFY(a.window.traitSelection().isEmpty());
}

namespace {

bool reddish(QRgb c) { return qRed(c) > 150 && qRed(c) > qGreen(c) + 80 && qRed(c) > qBlue(c) + 80; }

int whitePixels(const QImage& image, const QRect& inside) {
    int n = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) n += white(image.pixel(x, y));
    return n;
}

}  // namespace

void TestAnalysisCharts::marksAreBallsOrSquaresWithOrWithoutTheNumber() {
    const QRect cell(0, 0, 40, 24);
    const QRect inner(16, 8, 8, 8);  // the middle of the ball or square, where the number goes
    auto render = [&](MarkStyle style) {
        QImage image = blank(40, 24);
        QPainter painter(&image);
        paintMark(painter, cell, style, QStringLiteral("8"));
        return image;
    };
    const QImage ball = render(MarkStyle::Ball);
    QVERIFY(reddish(ball.pixel(cell.center())));
    QVERIFY(white(ball.pixel(1, 1)));  // round: the corner stays empty
    QCOMPARE(whitePixels(ball, inner), 0);
    QVERIFY(whitePixels(render(MarkStyle::BallNumber), inner) > 0);
    const QImage square = render(MarkStyle::Square);
    QVERIFY(near(square.pixel(2, 2), kSquareColour));
    QVERIFY(near(square.pixel(cell.center()), kSquareColour));
    QCOMPARE(whitePixels(square, inner), 0);
    QVERIFY(whitePixels(render(MarkStyle::SquareNumber), inner) > 0);
    // A number wider than the cell's height stretches the ball.
    QImage wide = blank(60, 20);
    {
        QPainter painter(&wide);
        paintMark(painter, QRect(0, 0, 60, 20), MarkStyle::BallNumber, QStringLiteral("1234"));
    }
    QVERIFY(!white(wide.pixel(12, 10)));
}

void TestAnalysisCharts::displayMenuRedrawsTheMarkedCells() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* grid = a.view("遗漏分布图表");
    const int records = a.ws.sjk.RecordCount();
    // The newest draw's first number is marked in its column; the other cells of the row are not.
    const int row = 99, value = a.ws.sjk.record(records)[1];
    int column = -1;
    for (int c = 2; c < grid->columnCount(); ++c)
        if (grid->headerText(c) == QString::number(value)) column = c;
    QVERIFY(column > 0);
    QVERIFY(grid->marked(row, column));
    QVERIFY(!grid->marked(row, column == 2 ? 3 : 2));
    const int other = column == 2 ? 3 : 2;

    auto* delegate = qobject_cast<MarkDelegate*>(grid->itemDelegate());
    QVERIFY(delegate);
    QCOMPARE(delegate->style(), MarkStyle::BallNumber);
    grid->scrollTo(grid->model()->index(row, column));
    auto shot = [&] { return grid->viewport()->grab().toImage(); };
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    const QRect plain = grid->visualRect(grid->model()->index(row, other));
    auto reddishPixels = [](const QImage& image, const QRect& r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += reddish(image.pixel(x, y));
        return n;
    };
    const QImage balls = shot();
    QVERIFY(reddishPixels(balls, cell) > cell.height() * cell.height() / 3);
    QCOMPARE(reddishPixels(balls, plain), 0);
    QMenu* menu = a.window.currentScroller()->menu();
    menu->findChild<QAction*>(QStringLiteral("mi_square"))->trigger();
    QCOMPARE(delegate->style(), MarkStyle::Square);
    const QImage squares = shot();
    QVERIFY(near(squares.pixel(cell.topLeft() + QPoint(2, 2)), kSquareColour));
    QVERIFY(!near(squares.pixel(plain.topLeft() + QPoint(2, 2)), kSquareColour));
    // The grid texts stay what they were.
    QCOMPARE(grid->text(row, column), QString::number(value));
    // The grids without marks have no display menu.
    a.view("遗漏值走势");
    QVERIFY(!a.window.currentScroller()->menu()->findChild<QAction*>(QStringLiteral("mi_square")));
    // "特性图表", "数据分布图" and "田野走势图" have one each.
    for (const char* caption : {"特性图表", "数据分布图", "田野走势图"}) {
        a.view(caption);
        QVERIFY2(a.window.currentScroller()->menu()->findChild<QAction*>(QStringLiteral("mi_ball")), caption);
    }
}

void TestAnalysisCharts::aNewGameClearsTheCharts() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    // The K-line as drawn before: candles of both colours on the white ground.
    CandleChart* candles = a.window.candleChart();
    const QImage before = candles->grab(candles->chartArea()).toImage();
    QVERIFY(countPixels(before, before.rect(), [](QRgb p) { return near(p, kRiseColour); }) > 0);
    QVERIFY(countPixels(before, before.rect(), [](QRgb p) { return near(p, kFallColour); }) > 0);
    for (const char* caption : {"均值走势图", "出现次数统计图", "遗漏次数统计图", "分项统计", "遗漏值走势"})
        a.view(caption);
    a.window.typeChanged();
    QVERIFY(a.window.candleChart()->data().candles.empty());
    for (ColumnChart* chart : {a.window.countsChart(), a.window.omissionChart(), a.window.classesChart()})
        QVERIFY(chart->data().heights.empty());
    for (LineChart* chart : {a.window.averagesChart(), a.window.omissionLine(), a.window.omissionChangeLine()})
        QVERIFY(chart->data().periods.empty());
    // Painting empty charts draws nothing but the background.
    a.view("信号图");
    const QImage after = candles->grab(candles->chartArea()).toImage();
    QVERIFY(!after.isNull());
    QCOMPARE(countPixels(after, after.rect(), [](QRgb p) { return !white(p); }), 0);
}

void TestAnalysisCharts::omissionStatisticsOverAChosenRange() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    const int records = a.ws.sjk.RecordCount();
    auto period = [&](int record) { return QString::number(a.ws.sjk.record(record)[0]); };
    ViewGrid* grid = a.view("遗漏次数统计图");
    auto* from = a.child<QComboBox>("combo_omissionfrom");
    auto* to = a.child<QComboBox>("combo_omissionto");
    // The whole history by default.
    QCOMPARE(from->currentText(), period(1));
    QCOMPARE(to->currentText(), period(records));
    QVERIFY(a.window.omissionChart()->data().title.contains(QStringLiteral("共%1期").arg(records)));
    // Twenty draws ending 30 draws before the newest: the hits add up to 20, the value of the last
    // draw of the range has current omission 0, and a value missing from the range counts back to
    // its start.
    const int first = records - 49, last = records - 30;
    from->setCurrentText(period(first));
    to->setCurrentText(period(last));
    int hits = 0;
    for (int r = 0; r < 33; ++r) hits += grid->text(r, 1).toInt();
    QCOMPARE(hits, 20);
    const int lastValue = a.ws.sjk.record(last)[1];
    QCOMPARE(grid->text(lastValue - 1, 6), u("0"));
    QCOMPARE(a.window.omissionChart()->data().heights[size_t(lastValue - 1)], 0.0);
    std::set<int> seen;
    for (int n = first; n <= last; ++n) seen.insert(a.ws.sjk.record(n)[1]);
    int missing = 1;
    while (seen.count(missing)) ++missing;
    QCOMPARE(grid->text(missing - 1, 1), u("0"));
    QCOMPARE(grid->text(missing - 1, 2), u("9999"));
    QCOMPARE(grid->text(missing - 1, 6), u("20"));
    // An end before the start counts nothing.
    to->setCurrentText(period(first - 1));
    hits = 0;
    for (int r = 0; r < 33; ++r) hits += grid->text(r, 1).toInt();
    QCOMPARE(hits, 0);
}

namespace {

// A chart's points over its last three periods, drawn into `area` (points at x 98, 198, 298; the
// value v at y 213 - (v - lo) / span * 188).
const QRect kThreePoints(48, 20, 300, 200);
QImage renderLastThree(const LineChartData& data) {
    QImage image = blank(400, 260);
    QPainter painter(&image);
    paintLineChart(painter, data, kThreePoints, static_cast<int>(data.periods.size()) - 3, 3);
    return image;
}

// The pixels of `colour` in column x between the rows top and bottom.
int runOf(const QImage& image, int x, int top, int bottom, const QColor& colour) {
    int n = 0;
    for (int y = top; y <= bottom; ++y) n += near(image.pixel(x, y), colour);
    return n;
}

// The charts show the same periods as each other and as the grid's top row; nothing recomputed.
void checkScrollTogether(ViewGrid* grid, const std::vector<LineChart*>& charts) {
    std::vector<const double*> before;
    for (LineChart* chart : charts) before.push_back(chart->data().series[0].data());
    charts.back()->scrollBar()->setValue(200);
    for (LineChart* chart : charts) QCOMPARE(chart->firstVisible(), 200);
    QScrollBar* bar = grid->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QVERIFY(grid->rowAt(0) > 20 && grid->rowAt(0) != 200);
    for (LineChart* chart : charts) QCOMPARE(chart->firstVisible(), grid->rowAt(0));
    for (size_t c = 0; c < charts.size(); ++c) QCOMPARE(charts[c]->data().series[0].data(), before[c]);
}

}  // namespace

void TestAnalysisCharts::columnsAndClassLevelsArePainted() {
    LineChartData data;
    data.periods = {2024001, 2024002, 2024003};
    data.names = {u("x")};
    data.series = {{0, 50, 100}};
    data.columns = true;
    // Columns stand on 0: none for 0, half the plot for 50, all of it for 100.
    QImage image = renderLastThree(data);
    QVERIFY(runOf(image, 98, 30, 210, lineColour(0)) == 0);
    QVERIFY(std::abs(runOf(image, 198, 30, 219, lineColour(0)) - 94) <= 3);
    QVERIFY(std::abs(runOf(image, 298, 30, 219, lineColour(0)) - 184) <= 3);
    QVERIFY(white(image.pixel(240, 150)));  // between the columns

    // A class chart: its two levels at the bottom and the top, whatever the data span.
    data.columns = false;
    data.series = {{0, 1, 1}};
    data.levels = {u("偶"), u("奇")};
    image = renderLastThree(data);
    QVERIFY(std::abs(meanY(image, 98, lineColour(0)) - 213) < 3);
    QVERIFY(std::abs(meanY(image, 298, lineColour(0)) - 25) < 3);
    // The level names stand on the axis left of the plot.
    int darkPixels = 0;
    for (int y = 15; y < 35; ++y)
        for (int x = 0; x < 46; ++x) darkPixels += dark(image.pixel(x, y));
    QVERIFY(darkPixels > 5);
}

void TestAnalysisCharts::featureChartsDrawTheClassesAndScrollTogether() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    a.child<QLineEdit>("e_big")->setText(QStringLiteral("100"));
    ViewGrid* grid = a.view("特征图");
    const std::vector<LineChart*>& charts = a.window.featureCharts();
    QCOMPARE(charts.size(), size_t{3});
    const char* const titles[] = {"和值的奇偶走势", "和值的质合走势", "和值的大小走势"};
    const char* const levels[] = {"偶 奇", "合 质", "小 大"};
    const int records = a.ws.sjk.RecordCount();
    for (size_t c = 0; c < 3; ++c) {
        QVERIFY(charts[c]->isVisible());
        QCOMPARE(charts[c]->data().title, u(titles[c]));
        QCOMPARE(charts[c]->data().levels.join(QLatin1Char(' ')), u(levels[c]));
        QCOMPARE(charts[c]->firstVisible() + charts[c]->window(), records);  // the newest periods
    }
    for (int r = records - 60; r < records; ++r) {
        const int32_t sum = a.sum(r + 1);
        QCOMPARE(charts[0]->data().series[0][size_t(r)], double(sum % 2));
        QCOMPARE(charts[1]->data().series[0][size_t(r)], grid->text(r, 3) == u("质") ? 1.0 : 0.0);
        QCOMPARE(charts[2]->data().series[0][size_t(r)], sum >= 100 ? 1.0 : 0.0);
    }
    // The newest three periods drawn: odd at the top, even at the bottom.
    const QImage image = renderLastThree(charts[0]->data());
    for (int k = 0; k < 3; ++k) {
        const bool odd = a.sum(records - 2 + k) % 2 == 1;
        QVERIFY(std::abs(meanY(image, 98 + 100 * k, lineColour(0)) - (odd ? 25 : 213)) < 40);
    }
    checkScrollTogether(grid, charts);
}

void TestAnalysisCharts::changeChartsDrawValueAmplitudeAndTail() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    ViewGrid* grid = a.view("变化量及尾数图");
    const std::vector<LineChart*>& charts = a.window.changeCharts();
    QCOMPARE(charts.size(), size_t{3});
    QCOMPARE(charts[0]->data().title, u("和值的常规图"));
    QCOMPARE(charts[1]->data().title, u("和值的绝对振幅图"));
    QCOMPARE(charts[2]->data().title, u("和值的尾数图"));
    const int records = a.ws.sjk.RecordCount();
    for (int r = records - 60; r < records; ++r) {
        const int32_t sum = a.sum(r + 1);
        QCOMPARE(charts[0]->data().series[0][size_t(r)], double(sum));
        QCOMPARE(charts[1]->data().series[0][size_t(r)], double(std::abs(sum - a.sum(r))));
        QCOMPARE(charts[2]->data().series[0][size_t(r)], double(sum % 10));
    }
    // The tail axis spans 0..9 over the history: the newest tail drawn at its height.
    const QImage image = renderLastThree(charts[2]->data());
    const int tail = a.sum(records) % 10;
    QVERIFY(std::abs(meanY(image, 298, lineColour(0)) - (213 - tail / 9.0 * 188)) < 6);
    checkScrollTogether(grid, charts);
}

void TestAnalysisCharts::remainderChartFollowsTheDivisor() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    ViewGrid* grid = a.view("余数走势图");
    LineChart* chart = a.window.remainderCharts().front();
    QCOMPARE(chart->data().title, u("和值的除3余数走势"));
    a.child<QComboBox>("combo_divisor")->setCurrentText(QStringLiteral("7"));
    QCOMPARE(chart->data().title, u("和值的除7余数走势"));
    const int records = a.ws.sjk.RecordCount();
    for (int r = records - 60; r < records; ++r) {
        QCOMPARE(chart->data().series[0][size_t(r)], double(a.sum(r + 1) % 7));
        QCOMPARE(grid->text(r, 2), QString::number(a.sum(r + 1) % 7));
    }
    QCOMPARE(chart->firstVisible() + chart->window(), records);
    const QImage image = renderLastThree(chart->data());
    QVERIFY(std::abs(meanY(image, 298, lineColour(0)) - (213 - (a.sum(records) % 7) / 6.0 * 188)) < 6);
    checkScrollTogether(grid, {chart});
}

void TestAnalysisCharts::occurrenceChartOpensOnTheLastOccurrences() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* grid = a.view("单个取值遗漏走势");
    auto* value = a.child<QComboBox>("combo_value");
    value->setCurrentText(QStringLiteral("5"));
    Q_EMIT value->activated(value->currentIndex());
    LineChart* chart = a.window.occurrenceChart();
    QCOMPARE(chart->data().title, u("红号一取值5的遗漏走势"));
    // One point per draw whose first red number is 5, at its period, with the grid's omission.
    std::vector<int32_t> periods;
    for (int n = 1; n <= a.ws.sjk.RecordCount(); ++n)
        if (a.ws.sjk.record(n)[1] == 5) periods.push_back(a.ws.sjk.record(n)[0]);
    QVERIFY(periods.size() > 100);
    QCOMPARE(chart->data().periods, periods);
    for (int r = 0; r < grid->rowCount(); ++r)
        QCOMPARE(chart->data().series[0][size_t(r)], grid->text(r, 1).toDouble());
    // The last 36 occurrences in view, as columns.
    QCOMPARE(chart->window(), 36);
    QCOMPARE(chart->firstVisible() + 36, int(periods.size()));
    QVERIFY(chart->data().columns);
    const QImage columns = renderLastThree(chart->data());
    double top = 0;
    for (double v : chart->data().series[0]) top = std::max(top, v);
    const double newest = chart->data().series[0].back();
    QVERIFY(std::abs(runOf(columns, 298, 30, 219, lineColour(0)) - newest / top * 188) <= 4);
    // Lines instead: repainted, not recomputed.
    const double* before = chart->data().series[0].data();
    a.child<QComboBox>("combo_occurrencestyle")->setCurrentIndex(1);
    QVERIFY(!chart->data().columns);
    QCOMPARE(chart->data().series[0].data(), before);
    checkScrollTogether(grid, {chart});
}

void TestAnalysisCharts::segmentChartDrawsTheStatisticPerSegment() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    ViewGrid* grid = a.view("按期数分段走势");
    a.child<QComboBox>("combo_length")->setCurrentText(QStringLiteral("10"));
    LineChart* chart = a.window.segmentsChart();
    QCOMPARE(chart->data().title, u("和值的区段总和（每段10期）"));
    QVERIFY(!chart->data().columns);
    const int records = a.ws.sjk.RecordCount();
    // The newest segment: the last ten draws, drawn at the newest period.
    int32_t sum = 0;
    for (int n = records - 9; n <= records; ++n) sum += a.sum(n);
    QCOMPARE(chart->data().series[0].back(), double(sum));
    QCOMPARE(chart->data().periods.back(), a.ws.sjk.record(records)[0]);
    QCOMPARE(int(chart->data().periods.size()), grid->rowCount());
    for (int r = 0; r < grid->rowCount(); ++r) {
        QCOMPARE(chart->data().series[0][size_t(r)], grid->text(r, 2).toDouble());
        QCOMPARE(QString::number(chart->data().periods[size_t(r)]), grid->text(r, 1));
    }
    // The axis names each segment by its periods (the draw numbers alone once said "72, 102, 11"):
    // "2026087-096", both in full across a new year.
    bool acrossYears = false;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QString from = grid->text(r, 0), to = grid->text(r, 1);
        const bool sameYear = from.left(4) == to.left(4);
        acrossYears = acrossYears || !sameYear;
        QCOMPARE(chart->data().periodLabels[r], from + u("-") + (sameYear ? to.right(3) : to));
    }
    QVERIFY(acrossYears);
    QCOMPARE(chart->firstVisible() + chart->window(), grid->rowCount());
    a.child<QComboBox>("combo_content")->setCurrentText(QStringLiteral("区段最大值"));
    QCOMPARE(chart->data().title, u("和值的区段最大值（每段10期）"));
    // The mean, the mean amplitude and "相同个数" are the section statistics of the history
    // indicators: whole numbers (ties to even) and the repeat score, read as section_stat reads them.
    const std::vector<int32_t> values = [&] {
        std::vector<int32_t> v(size_t(records) + 1, 0);
        for (int n = 1; n <= records; ++n) v[size_t(n)] = a.sum(n);
        return v;
    }();
    for (const char* content : {"区段平均值", "区段平均振幅", "相同个数"}) {
        a.child<QComboBox>("combo_content")->setCurrentText(u(content));
        SectionStatistics newest;
        for (int n = records - 9; n <= records; ++n) newest.add(values[size_t(n)]);
        const int last = grid->rowCount() - 1;
        QCOMPARE(grid->text(last, 2), QString::number(newest.result(sectionKind(content))));
        QVERIFY2(!grid->text(last, 2).contains(QLatin1Char('.')), content);
    }
    a.child<QComboBox>("combo_segmentstyle")->setCurrentIndex(0);
    QVERIFY(chart->data().columns);
    checkScrollTogether(grid, {chart});
}

// "特性图表" shows the families of the component table; "组件设置" changes them for every view.
void TestAnalysisCharts::traitsFollowTheComponentTable() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    ViewGrid* grid = a.view("特性图表");
    auto headers = [grid] {
        QStringList texts;
        for (int c = 0; c < grid->columnCount(); ++c) texts << grid->headerText(c);
        return texts;
    };
    // The eight default groups: 10 + 2 + 2 + 2 + 3 + 4 + 3 + 4 class columns after 期号 and 指标值.
    QCOMPARE(grid->columnCount(), 2 + 30);
    QVERIFY(headers().contains(u("四区4")));
    QVERIFY(headers().contains(u("除四余数3")));
    // "组件设置": 尾号 and 奇偶 go out, 十五区 comes in at the end.
    a.window.setDialogRunner([](QDialog& dialog) {
        auto* zj1 = qobject_cast<Tf_zj1*>(&dialog);
        if (!zj1) return int(QDialog::Rejected);
        zj1->show();
        for (int i = 0; i < 2; ++i) {
            zj1->usedList()->setCurrentRow(0);
            zj1->unuseSelected();
        }
        const QList<QListWidgetItem*> fifteen = zj1->availableList()->findItems(u("十五区"), Qt::MatchExactly);
        zj1->availableList()->setCurrentItem(fifteen.front());
        zj1->useSelected();
        zj1->accept();
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(a.child<QPushButton>("b_zj1"), Qt::LeftButton);
    QCOMPARE(a.ws.components.count, uint8_t(7));
    QCOMPARE(a.ws.components.items[6].name, std::string("十五区"));
    QCOMPARE(grid->columnCount(), 2 + 30 - 12 + 15);
    QCOMPARE(grid->headerText(2), u("质合质"));
    QVERIFY(!headers().contains(u("尾号0")));
    QCOMPARE(grid->headerText(grid->columnCount() - 1), u("十五区15"));
}

namespace {

// A strip of three square frames of one colour; a ball's strip ends in its white mask.
void saveStrip(const std::string& path, const QColor& colour, bool masked) {
    QImage strip(3 * 18, 18, QImage::Format_RGB32);
    strip.fill(colour);
    if (masked) {
        QPainter painter(&strip);
        painter.fillRect(QRect(36, 0, 18, 18), Qt::white);
    }
    QVERIFY(strip.save(QString::fromStdString(path)));
}

}  // namespace

void TestAnalysisCharts::aThreeDigitValueIsWrittenWholeOnItsBall() {
    // The main sum in the feature table: "135" on a ball once showed "35", its "1" written white
    // beside the ball on the white cell. Painted here on a black cell, every white pixel of the
    // number must lie over the ball.
    ChartAnalysis a;
    std::filesystem::create_directories(a.folder.file("pic"));
    saveStrip(a.folder.file("pic/pic1.bmp"), QColor(20, 180, 60), false);
    saveStrip(a.folder.file("pic/pic2.bmp"), QColor(200, 0, 200), true);
    CellPictures pictures;
    QVERIFY2(pictures.load(QString::fromStdString(a.folder.path())), qPrintable(pictures.message()));
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "主区和值").ok);
    ViewGrid* grid = a.view("特性图表");
    int row = -1, column = -1;
    for (int r = grid->rowCount() - 1; r >= 0 && row < 0; --r)
        for (int c = 2; c < grid->columnCount(); ++c)
            if (grid->marked(r, c) && grid->text(r, c).size() == 3) {
                row = r;
                column = c;
                break;
            }
    QVERIFY(row >= 0);
    auto* marks = qobject_cast<MarkDelegate*>(grid->itemDelegate());
    QVERIFY(marks);
    for (const CellPictures* drawn : std::initializer_list<const CellPictures*>{nullptr, &pictures}) {
        marks->setPictures(drawn);
        QStyleOptionViewItem option;
        option.initFrom(grid);
        option.rect = QRect(0, 0, grid->columnWidth(column), grid->rowHeight(row));
        option.palette.setColor(QPalette::Base, Qt::black);
        option.widget = grid;
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            marks->paint(&painter, option, grid->model()->index(row, column));
        }
        const auto colouredAt = [](QRgb p) {
            return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 60;
        };
        int ballLeft = image.width(), ballRight = -1, textLeft = image.width(), textRight = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (colouredAt(p)) ballLeft = std::min(ballLeft, x), ballRight = std::max(ballRight, x);
                if (white(p)) textLeft = std::min(textLeft, x), textRight = std::max(textRight, x);
            }
        QVERIFY2(textRight > textLeft + 6, "the number is drawn");
        QVERIFY2(textLeft >= ballLeft && textRight <= ballRight,
                 qPrintable(QStringLiteral("text %1..%2 outside the ball %3..%4")
                                .arg(textLeft).arg(textRight).arg(ballLeft).arg(ballRight)));
    }
}

void TestAnalysisCharts::fieldChartOfASumOpensOnTheZonesOfItsRange() {
    // The default rows "01".."04" name no sum: the chart once opened with every row empty.
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "主区和值").ok);
    ViewGrid* grid = a.view("田野走势图");
    auto* note = a.child<QLabel>("l_fieldnote");
    QVERIFY(note->isVisible());
    QVERIFY(note->text().contains(u("修改田野图")));
    const ValueRange range = a.window.valueRange();
    const RangeFieldRows zones = rangeFieldRows(range, 4);
    QCOMPARE(grid->columnCount(), 6);
    for (int c = 0; c < 4; ++c) QCOMPARE(grid->headerText(c + 2), QString::fromStdString(zones.captions[size_t(c)]));
    for (int r = 0; r < grid->rowCount(); ++r) {
        const int32_t v = grid->text(r, 1).toInt();
        const int at = zoneOf(v, range, zones.upperBounds);
        QVERIFY(at >= 0);
        QVERIFY(grid->marked(r, at + 2));
        QCOMPARE(grid->text(r, at + 2), QString::number(v));
    }
    // Rows that name sums are the chart's rows again, and the note goes.
    std::string layouts;
    for (int l = 0; l < kFieldLayoutCount; ++l) layouts += "100\r\n99 101\r\n";
    QVERIFY(saveFileAtomically(a.folder.file("database/tyzsd2.txt"), layouts).ok);
    a.child<QComboBox>("combo_fieldrows")->setCurrentText(u("2"));
    QVERIFY(!note->isVisible());
    QCOMPARE(grid->headerText(2), u("100"));
    QCOMPARE(grid->headerText(3), u("99 101"));
    int marked = 0;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const int32_t v = grid->text(r, 1).toInt();
        QCOMPARE(grid->marked(r, 2), v == 100);
        QCOMPARE(grid->marked(r, 3), v == 99 || v == 101);
        marked += grid->marked(r, 2) + grid->marked(r, 3);
    }
    QVERIFY(marked > 0);
}

void TestAnalysisCharts::marksUseTheProgramsCellPictures() {
    ChartAnalysis a;
    const QColor squareLook(20, 180, 60), ballLook(200, 0, 200);
    std::filesystem::create_directories(a.folder.file("pic"));
    saveStrip(a.folder.file("pic/pic1.bmp"), squareLook, false);
    saveStrip(a.folder.file("pic/pic2.bmp"), ballLook, true);
    CellPictures pictures;
    QVERIFY2(pictures.load(QString::fromStdString(a.folder.path())), qPrintable(pictures.message()));

    // One mark: the picture of its style, the number in white over it.
    const QRect cell(0, 0, 40, 24);
    auto render = [&](MarkStyle style) {
        QImage image = blank(40, 24);
        QPainter painter(&image);
        paintMark(painter, cell, style, QStringLiteral("8"), &pictures);
        return image;
    };
    QVERIFY(near(render(MarkStyle::Square).pixel(cell.center()), squareLook));
    QVERIFY(near(render(MarkStyle::Ball).pixel(cell.center()), ballLook));
    QVERIFY(whitePixels(render(MarkStyle::BallNumber), QRect(16, 8, 8, 8)) > 0);

    // The window's marked cells take the pictures it is given, and its painted marks without them.
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    a.window.setPictures(&pictures);
    ViewGrid* grid = a.view("遗漏分布图表");
    const int row = 99, value = a.ws.sjk.record(a.ws.sjk.RecordCount())[1];
    int column = -1;
    for (int c = 2; c < grid->columnCount(); ++c)
        if (grid->headerText(c) == QString::number(value)) column = c;
    QVERIFY(column > 0 && grid->marked(row, column));
    grid->scrollTo(grid->model()->index(row, column));
    const QRect at = grid->visualRect(grid->model()->index(row, column));
    const QPoint corner = at.center() + QPoint(-at.height() / 4, -at.height() / 4);  // beside the number
    QVERIFY(near(grid->viewport()->grab().toImage().pixel(corner), ballLook));
    a.window.currentScroller()->menu()->findChild<QAction*>(QStringLiteral("mi_square"))->trigger();
    QVERIFY(near(grid->viewport()->grab().toImage().pixel(at.topLeft() + QPoint(3, 3)), squareLook));
    // A series handed in modally gets a window of its own with the same pictures.
    const CellPictures* modalPictures = nullptr;
    a.window.setDialogRunner([&](QDialog& dialog) {
        auto* table = dialog.findChild<ViewGrid*>(QStringLiteral("sg_omissiontable"));
        if (auto* marks = table ? qobject_cast<MarkDelegate*>(table->itemDelegate()) : nullptr)
            modalPictures = marks->pictures();
        return int(QDialog::Rejected);
    });
    a.window.openAnalysis(*a.window.series(), true);
    QCOMPARE(modalPictures, &pictures);
    a.window.setPictures(nullptr);
    QVERIFY(near(grid->viewport()->grab().toImage().pixel(at.topLeft() + QPoint(3, 3)), kSquareColour));
}

void TestAnalysisCharts::periodWindowChoiceReachesEveryTrendChart() {
    ChartAnalysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    QComboBox* choice = a.window.periodWindowChoice();
    QCOMPARE(choice->objectName(), QStringLiteral("combo_window"));
    QCOMPARE(choice->itemText(0), u("显示36期"));
    QCOMPARE(choice->itemText(choice->count() - 1), u("显示66期"));
    QVERIFY(choice->isEnabled());  // "信号图"
    const int records = a.ws.sjk.RecordCount();
    CandleChart* candles = a.window.candleChart();
    const int before = candles->slotWidth();
    a.view("均值走势图");
    LineChart* averages = a.window.averagesChart();
    const double* data = averages->data().series[0].data();
    choice->setCurrentText(u("显示66期"));
    // Every chart shows 66 periods, still the newest, without recomputing.
    QCOMPARE(averages->window(), 66);
    QCOMPARE(averages->firstVisible() + 66, records);
    QCOMPARE(averages->data().series[0].data(), data);
    QCOMPARE(candles->window(), 66);
    QVERIFY(candles->slotWidth() < before);
    for (const auto* charts : {&a.window.featureCharts(), &a.window.changeCharts(), &a.window.remainderCharts()})
        for (LineChart* chart : *charts) QCOMPARE(chart->window(), 66);
    for (LineChart* chart : {a.window.omissionLine(), a.window.occurrenceChart(), a.window.segmentsChart()})
        QCOMPARE(chart->window(), 66);
    // A page without such a chart leaves the choice off.
    a.view("遗漏分布图表");
    QVERIFY(!choice->isEnabled());
    a.view("特征图");
    QVERIFY(choice->isEnabled());
    QCOMPARE(a.window.featureCharts().front()->firstVisible() + 66, records);
    // A new series keeps the choice: the single value's last 66 occurrences in view.
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    a.view("单个取值遗漏走势");
    LineChart* occurrences = a.window.occurrenceChart();
    QCOMPARE(occurrences->window(), 66);
    QCOMPARE(occurrences->firstVisible() + 66, int(occurrences->data().periods.size()));
}

// Every view of 七乐彩's main sum (seven of 1..30, sums up to 189) shown and painted, and the
// drawn charts hold one point per record of the history.
void TestAnalysisCharts::everyViewDrawsOnTheSevenNumberGame() {
    Analysis a("qlc.txt", kQlc, QSize(1000, 700));
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    auto* pages = a.child<QTabWidget>("pc_zbpxz");
    QCOMPARE(pages->count(), 15);
    // Every page painted: its drawn chart (the K-line, the columns, the lines) or its grid puts
    // something other than the white ground on the screen.
    for (int p = 0; p < pages->count(); ++p) {
        pages->setCurrentIndex(p);
        QWidget* page = pages->currentWidget();
        QWidget* chart = page->findChild<CandleChart*>();
        if (!chart) chart = page->findChild<ColumnChart*>();
        if (!chart) chart = page->findChild<LineChart*>();
        if (!chart) chart = a.window.currentGrid()->viewport();
        const QImage shot = chart->grab().toImage();
        QVERIFY2(countPixels(shot, shot.rect(), [](QRgb px) { return !white(px); }) > 100,
                 qPrintable(pages->tabText(p)));
    }
    // The newest candle: 2026095 summed to 13+15+17+18+20+22+25 = 130, 2026096 to
    // 05+14+17+24+26+28+29 = 143, a rise, drawn in the rise colour at the right end.
    const size_t records = static_cast<size_t>(a.ws.sjk.RecordCount());
    const CandleChartData& kline = a.window.candleChart()->data();
    QCOMPARE(kline.candles.size(), records);
    QCOMPARE(kline.periods.back(), 2026096);
    QCOMPARE(kline.candles.back().open, 130);
    QCOMPARE(kline.candles.back().close, 143);
    QCOMPARE(kline.candles.back().kind, CandleKind::Rise);
    pages->setCurrentIndex(0);
    CandleChart* candles = a.window.candleChart();
    const QImage drawn = candles->grab(candles->chartArea()).toImage();
    const QRect newest(drawn.width() * 3 / 4, 0, drawn.width() / 4, drawn.height());
    QVERIFY(countPixels(drawn, newest, [](QRgb p) { return near(p, kRiseColour); }) > 0);
    for (LineChart* chart : {a.window.averagesChart(), a.window.omissionLine(), a.window.omissionChangeLine()}) {
        QVERIFY(!chart->data().series.empty());
        QCOMPARE(chart->data().periods.size(), records);
        QCOMPARE(chart->data().periods.back(), 2026096);
    }
    QCOMPARE(a.window.averagesChart()->data().series.front().back(), 143.0);
    // The counts of the last 100 draws add up to 100.
    for (ColumnChart* chart : {a.window.countsChart(), a.window.classesChart()}) {
        int32_t total = 0;
        for (auto h : chart->data().heights) total += static_cast<int32_t>(h);
        QCOMPARE(total, 100);
    }
    QVERIFY(!a.window.omissionChart()->data().heights.empty());
}

QTEST_MAIN(TestAnalysisCharts)
#include "test_zbpxz_charts.moc"
