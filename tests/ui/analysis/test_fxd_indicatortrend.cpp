// "指标走势": the tree, the indicator and feature charts, the statistics box, the chart properties
// and the hand-off to the indicator analysis, on the real 双色球 and 七乐彩 histories.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "analysis/indicatortrend.h"
#include "core/drawtext.h"
#include "core/gbk.h"
#include "core/workspace.h"
#include "analysisfixture.h"
#include "ui/analysis/fxd_indicatortrend.h"
#include "ui/charts/trendchart.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct TrendWindow : test::AnalysisFixture {
    TrendWindow() {
        std::filesystem::create_directories(folder.file("save"));
        std::ofstream(folder.file("save/selfzb.txt"))
            << utf8ToGbk("z_hz-z_kd        和值减跨度\r\nz_hz+(        坏公式\r\n");
        page = new IndicatorTrendPage(context(true, false));
        page->setDialogRunner([this](QDialog& dialog) {
            if (answerDialog) answerDialog(dialog);
            return QDialog::Accepted;
        });
        window.addPage(IndicatorTrendPage::caption(), page);
        window.resize(1100, 700);
        window.show();
        QTest::qWait(0);
    }
    QTreeWidgetItem* item(const char* series, const char* name) {
        for (int i = 0; i < page->tree()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* top = page->tree()->topLevelItem(i);
            if (top->text(0) != u(series)) continue;
            for (int k = 0; k < top->childCount(); ++k)
                if (top->child(k)->text(0) == u(name)) return top->child(k);
        }
        return nullptr;
    }
    void choose(const char* series, const char* name) {
        QTreeWidgetItem* it = item(series, name);
        QVERIFY2(it, name);
        page->tree()->setCurrentItem(it);
    }

    std::function<void(QDialog&)> answerDialog;
    Tf_fxd window;
    IndicatorTrendPage* page = nullptr;
};

}  // namespace

class TestIndicatorTrend : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void treeOffersTheSeriesAndTheSavedIndicators() {
        TrendWindow w;
        QTreeWidget* tree = w.page->tree();
        QCOMPARE(tree->topLevelItemCount(), 9);
        QCOMPARE(tree->topLevelItem(0)->text(0), u("常规系列"));
        QCOMPARE(tree->topLevelItem(7)->text(0), u("尾数系列"));
        QCOMPARE(tree->topLevelItem(8)->text(0), u("保存的自定义指标"));
        QCOMPARE(tree->topLevelItem(8)->childCount(), 2);
        QCOMPARE(tree->topLevelItem(8)->child(0)->text(0), u("和值减跨度"));
    }

    void chartsAndStatisticsOfAnIndicator() {
        TrendWindow w;
        w.choose("保存的自定义指标", "和值减跨度");
        const IndicatorTrend expected = indicatorTrend(w.ws, "z_hz-z_kd", {});
        QCOMPARE(w.page->indicatorChart()->series().values, expected.values);
        QCOMPARE(w.page->featureChart()->series().values, expected.features);
        QCOMPARE(w.page->indicatorChart()->series().periods.back(), 2026096);
        QCOMPARE(w.page->featureChart()->series().title, u("和值减跨度的奇偶"));
        const QStringList lines = w.page->statisticsText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(u("和值减跨度统计结果：（最小值：")));
        QVERIFY(lines[1].startsWith(u("和值减跨度的奇偶统计结果：（最小值：1；最大值：2；中间值：1）；")));
        QCOMPARE(lines[2], u("（统计范围：从2003001至2026096）"));

        // A feature option recomputes only the feature; the indicator stays.
        w.page->featureBox()->setCurrentIndex(8);  // "除n余数"
        w.page->findChild<QSpinBox*>(QStringLiteral("e_divisor"))->setValue(7);
        QCOMPARE(w.page->featureChart()->series().values,
                 featureSeries(expected.values, {TrendFeature::Remainder, 17, 7}));
        QCOMPARE(w.page->featureChart()->series().title, u("和值减跨度的除7余数"));
        QVERIFY(!w.page->findChild<QSpinBox*>(QStringLiteral("e_middle"))->isEnabled());

        w.page->displayBox()->setCurrentIndex(1);  // "只显示指标走势图"
        QVERIFY(w.page->indicatorChart()->isVisible());
        QVERIFY(!w.page->featureChart()->isVisible());

        w.page->findChild<QPushButton*>(QStringLiteral("b_analyse"))->click();
        QCOMPARE(w.handOff.calls, (std::vector<std::string>{"analyse:z_hz-z_kd 和值减跨度"}));
    }

    void aFormulaThatFailsKeepsThePreviousCharts() {
        TrendWindow w;
        w.choose("和值系列", "主区和值");
        const std::vector<int32_t> before = w.page->indicatorChart()->series().values;
        QVERIFY(!before.empty());
        w.choose("保存的自定义指标", "坏公式");
        QCOMPARE(w.prompts.warned.size(), 1);
        QVERIFY(w.prompts.warned[0].startsWith(u("公式有误:")));
        QCOMPARE(w.page->indicatorChart()->series().values, before);
    }

    void thePredictionRecordIsNamedNotNumbered() {
        TrendWindow w;
        w.ws.sjk.Append();
        w.ws.sjk.SetFieldValue(0, kPredictionPeriod);
        for (int i = 1; i <= 7; ++i) w.ws.sjk.SetFieldValue(i, i);
        QVERIFY(w.ws.sjk.Post());
        w.choose("和值系列", "主区和值");
        QCOMPARE(w.page->indicatorChart()->series().periods.back(), kPredictionPeriod);
        const QStringList lines = w.page->statisticsText().split(QLatin1Char('\n'));
        QCOMPARE(lines[2], u("（统计范围：从2003001至预测区）"));
        w.page->indicatorChart()->grab();  // the axis writes "预测区" under the last point
    }

    void chartPropertiesSetTheRangeAndTheCap() {
        TrendWindow w;
        w.choose("和值系列", "主区和值");
        const std::vector<int32_t> periods = w.ws.sjk.realPeriods();
        const QString hundredth = QString::number(periods[periods.size() - 100]);
        w.answerDialog = [hundredth](QDialog& dialog) {
            dialog.findChild<QRadioButton*>(QStringLiteral("rb_range"))->setChecked(true);
            auto* from = dialog.findChild<QComboBox*>(QStringLiteral("combo_from"));
            QCOMPARE(from->currentText(), hundredth);  // the 100th most recent draw
            from->setCurrentIndex(from->findText(QStringLiteral("2026092")));
            dialog.findChild<QComboBox*>(QStringLiteral("combo_display"))->setCurrentIndex(2);
            dialog.findChild<QSpinBox*>(QStringLiteral("e_cap"))->setValue(50);
        };
        w.page->findChild<QPushButton*>(QStringLiteral("b_properties"))->click();
        const QStringList lines = w.page->statisticsText().split(QLatin1Char('\n'));
        // 2026092 .. 2026096 sum to 120, 93, 100, 100, 100 (the three newest alike: the first and
        // the last two of the range tell a shifted range apart).
        QCOMPARE(lines[2], u("（统计范围：从2026092至2026096）"));
        QVERIFY2(lines[0].contains(u("（最小值：93；最大值：120；中间值：106）")), qPrintable(lines[0]));
        QCOMPARE(w.page->indicatorChart()->series().hi, 50);
    }

    void sevenNumberGame() {
        TrendWindow w;
        w.useGame("qlc.txt", test::kSevenNumberGame);
        w.window.typeChanged();
        w.choose("和值系列", "主区和值");
        QCOMPARE(w.page->indicatorChart()->series().values, indicatorTrend(w.ws, "z_hz", {}).values);
        QCOMPARE(w.page->indicatorChart()->series().values.size(), size_t(w.ws.sjk.RecordCount()));
    }
};

QTEST_MAIN(TestIndicatorTrend)
#include "test_fxd_indicatortrend.moc"
