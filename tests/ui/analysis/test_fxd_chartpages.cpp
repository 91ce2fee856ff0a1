// The chart pages of "走势分析" on the real histories of 双色球 and 七乐彩 and on a game without
// secondary numbers: what each draws, the options, scrolling and the hand-off of an omission series.
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "analysis/trendcharts.h"
#include "core/drawtext.h"
#include "core/workspace.h"
#include "analysisfixture.h"
#include "ui/analysis/fxd_chartpages.h"
#include "ui/charts/linechart.h"

using namespace lottodesk;
using Kind = ChartTrendPage::Kind;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct ChartWindow : test::AnalysisFixture {
    explicit ChartWindow(bool withAnalysis = true) {
        addChartTrendPages(window, context(withAnalysis, false));
        window.resize(1100, 700);
        window.show();
    }
    void useGame(const char* file, const GameParams& game) {
        AnalysisFixture::useGame(file, game);
        window.typeChanged();
    }
    ChartTrendPage* show(Kind kind) {
        window.showPage(ChartTrendPage::caption(kind));
        auto* page = static_cast<ChartTrendPage*>(window.page(ChartTrendPage::caption(kind)));
        QTest::qWait(0);
        return page;
    }
    QStringList items(QComboBox* box) const {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
        return list;
    }

    Tf_fxd window;
};

// The pixels of `image` in (about) `colour`.
int pixelsOf(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += std::abs(qRed(p) - colour.red()) < 40 && std::abs(qGreen(p) - colour.green()) < 40 &&
                 std::abs(qBlue(p) - colour.blue()) < 40;
        }
    return n;
}

std::vector<double> lastValues(const LineChartData& data) {
    std::vector<double> values;
    for (const auto& s : data.series) values.push_back(s.back());
    return values;
}

}  // namespace

class TestChartPages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPageIsThereInOrder() {
        ChartWindow w;
        QCOMPARE(w.window.pageCount(), 5);
        QCOMPARE(w.window.tabs()->tabText(0), u("红号余数图"));
        QCOMPARE(w.window.tabs()->tabText(3), u("副号遗漏走势"));
        QCOMPARE(w.window.tabs()->tabText(4), u("离中量"));
    }

    // The newest 双色球 draw, 2026096: 01 04 16 22 26 31 + 04.
    void spacingAndItsChoices() {
        ChartWindow w;
        ChartTrendPage* page = w.show(Kind::Spacing);
        const LineChartData& line = page->chart()->data();
        QCOMPARE(line.periods.size(), size_t(w.ws.sjk.RecordCount()));
        QCOMPARE(line.periods.back(), 2026096);
        QCOMPARE(lastValues(line), (std::vector<double>{3, 15, 21, 25, 30}));
        QCOMPARE(w.items(page->choiceBox()),
                 QStringList({u("全部显示"), u("2_1显示"), u("3_1显示"), u("4_1显示"), u("5_1显示"), u("6_1显示")}));
        page->choiceBox()->setCurrentIndex(2);
        QCOMPARE(page->chart()->data().shown, (std::vector<bool>{false, true, false, false, false}));
        auto* marks = page->findChild<QComboBox*>(QStringLiteral("combo_marks"));
        marks->setCurrentIndex(1);  // "主号标识": the points carry the main numbers
        QCOMPARE(page->chart()->data().marks[1].back(), 16.0);
        QCOMPARE(page->chart()->data().shown[1], true);
        // The window of periods: 54 at once, still ending on the newest.
        page->windowBox()->setCurrentIndex(2);
        QCOMPARE(page->chart()->window(), 54);
        QCOMPARE(page->chart()->firstVisible(), w.ws.sjk.RecordCount() - 54);
        // Painted: the one line chosen ("3_1显示", the second series) in its colour, the others not.
        QImage image(page->chart()->size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        page->chart()->render(&image);
        QVERIFY(pixelsOf(image, lineColour(1)) > 50);
        for (size_t s : {size_t{0}, size_t{2}, size_t{3}, size_t{4}}) QCOMPARE(pixelsOf(image, lineColour(s)), 0);
    }

    void remaindersRecomputeDispersionOnlyRepaints() {
        ChartWindow w;
        ChartTrendPage* page = w.show(Kind::Remainders);
        QCOMPARE(lastValues(page->chart()->data()), (std::vector<double>{1, 1, 1, 1, 2, 1}));
        page->choiceBox()->setCurrentIndex(2);  // "除五余数"
        QCOMPARE(lastValues(page->chart()->data()), (std::vector<double>{1, 4, 1, 2, 1, 1}));
        QCOMPARE(page->chart()->data().title, u("除五余数"));

        page = w.show(Kind::Dispersion);
        const std::vector<double> before = page->chart()->data().series[2];
        page->choiceBox()->setCurrentIndex(2);  // "离散系数"
        QCOMPARE(page->chart()->data().shown, (std::vector<bool>{false, false, true}));
        QCOMPARE(page->chart()->data().series[2], before);
        QVERIFY(qAbs(page->chart()->data().series[2].back() - 66.06) < 0.01);
    }

    void omissionTrendMovesAndHandsOver() {
        ChartWindow w;
        ChartTrendPage* page = w.show(Kind::MainOmission);
        QCOMPARE(page->choiceBox()->count(), 33);
        page->choiceBox()->setCurrentIndex(3);  // number 4
        const TrendChartData expected = omissionTrendChart(w.ws.sjk, w.ws.game, false, 4);
        QCOMPARE(page->data().series, expected.series);
        QCOMPARE(page->chart()->data().names, QStringList({u("4的遗漏走势"), u("4的遗漏振幅走势")}));
        // The points lie draws apart, across years: the axis writes whole periods.
        QCOMPARE(page->chart()->data().periodLabels.size(), qsizetype(expected.periods.size()));
        QCOMPARE(page->chart()->data().periodLabels.front(), QString::number(expected.periods.front()));
        QCOMPARE(page->chart()->data().periodLabels.back(), QString::number(expected.periods.back()));
        QVERIFY(page->chart()->data().periodLabels.back().startsWith(u("2026")));
        QScrollBar* bar = page->chart()->scrollBar();
        const int end = bar->value();
        QCOMPARE(end, bar->maximum());
        page->findChild<QPushButton*>(QStringLiteral("b_prevpage"))->click();
        QCOMPARE(bar->value(), end - 36);
        page->findChild<QPushButton*>(QStringLiteral("b_next"))->click();
        QCOMPARE(bar->value(), end - 35);
        page->findChild<QPushButton*>(QStringLiteral("b_nextpage"))->click();
        QCOMPARE(bar->value(), end);

        page->findChild<QPushButton*>(QStringLiteral("b_analyse"))->click();
        QCOMPARE(w.handOff.calls, (std::vector<std::string>{"derived:主区号码4的遗漏"}));
        QCOMPARE(w.handOff.derived.count(), int(expected.periods.size()));
        QCOMPARE(w.handOff.derived.records().record(1)[0], expected.periods.front());
        const double high = *std::max_element(expected.series[0].begin(), expected.series[0].end());
        QCOMPARE(w.handOff.derivedHigh, int32_t(high));
    }

    void sevenNumberGameAndNoSecondaryZone() {
        ChartWindow w;
        w.useGame("qlc.txt", test::kSevenNumberGame);
        ChartTrendPage* page = w.show(Kind::Spacing);
        QCOMPARE(page->chart()->data().series.size(), size_t(6));
        QCOMPARE(page->choiceBox()->itemText(6), u("7_1显示"));
        QCOMPARE(w.show(Kind::SecondaryOmission)->choiceBox()->count(), 30);

        w.useGame("ssq.txt", {6, 1, 33, 0, 1, 16, false});
        page = w.show(Kind::SecondaryOmission);
        QCOMPARE(page->choiceBox()->count(), 0);
        QVERIFY(page->chart()->data().periods.empty());
        QVERIFY(!page->findChild<QPushButton*>(QStringLiteral("b_analyse"))->isEnabled());
    }

    void withoutAnIndicatorAnalysisTheHandOffIsNotOffered() {
        ChartWindow w(false);
        ChartTrendPage* page = w.show(Kind::MainOmission);
        QVERIFY(!page->findChild<QPushButton*>(QStringLiteral("b_analyse"))->isEnabled());
    }
};

QTEST_MAIN(TestChartPages)
#include "test_fxd_chartpages.moc"
