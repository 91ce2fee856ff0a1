// The combination pages of "走势分析": "扩展系列一/二", "指标组合", "形态走势", "形态图表" and
// "指标拼图", on the real 双色球 history and on 七乐彩, with their files and hand-offs.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "analysis/indicatorcombos.h"
#include "core/drawtext.h"
#include "core/fileio.h"
#include "core/gbktext.h"
#include "core/workspace.h"
#include "formula/tgs.h"
#include "indicators/context.h"
#include "analysisfixture.h"
#include "ui/analysis/f_combodialogs.h"
#include "ui/analysis/fxd_combinationpages.h"
#include "ui/analysis/fxd_extendedpage.h"
#include "ui/analysis/fxd_mosaicpage.h"
#include "ui/analysis/texttablemodel.h"
#include "ui/charts/linechart.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct ComboWindow : test::AnalysisFixture {
    ComboWindow() {
        const AnalysisContext context = this->context();
        extended1 = new ExtendedSeriesPage(false, context);
        extended2 = new ExtendedSeriesPage(true, context);
        combination = new CombinationFeaturePage(context);
        trend = new PatternTrendPage(context);
        table = new PatternTablePage(context);
        mosaic = new MosaicPage(context);
        trend->setTablePage(table);
        DialogRunner runner = [this](QDialog& dialog) {
            if (answer) answer(dialog);
            return QDialog::Accepted;
        };
        for (auto* page : {combination}) page->setDialogRunner(runner);
        trend->setDialogRunner(runner);
        table->setDialogRunner(runner);
        mosaic->setDialogRunner(runner);
        window.addPage(ExtendedSeriesPage::caption(false), extended1);
        window.addPage(ExtendedSeriesPage::caption(true), extended2);
        window.addPage(CombinationFeaturePage::caption(), combination);
        window.addPage(PatternTrendPage::caption(), trend);
        window.addPage(PatternTablePage::caption(), table);
        window.addPage(MosaicPage::caption(), mosaic);
        window.resize(1200, 760);
        window.show();
    }
    void show(const QString& caption) {
        window.showPage(caption);
        QTest::qWait(0);
    }
    // The value of `text` at the newest record, as the registry computes it.
    double newest(const std::string& text) {
        const EvalResult r = tgs(text).evaluate(indicatorContext(ws, nullptr), ws.sjk.RecordCount());
        return r.value;
    }

    std::function<void(QDialog&)> answer;
    Tf_fxd window;
    ExtendedSeriesPage* extended1;
    ExtendedSeriesPage* extended2;
    CombinationFeaturePage* combination;
    PatternTrendPage* trend;
    PatternTablePage* table;
    MosaicPage* mosaic;
};

}  // namespace

class TestCombinationPages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void extendedSeries() {
        ComboWindow w;
        w.show(ExtendedSeriesPage::caption(false));
        ExtendedSeriesPage* page = w.extended1;
        QCOMPARE(page->identifier(), std::string("c_fq_0_4_1"));
        QCOMPARE(page->chart()->data().series[0].back(), w.newest("c_fq_0_4_1"));
        QCOMPARE(page->chart()->data().series[0].size(), size_t(w.ws.sjk.RecordCount()));
        qobject_cast<QSpinBox*>(page->parameterBoxes(ExtendedSeriesKind::Zone)[1])->setValue(3);
        page->findChild<QRadioButton*>(QStringLiteral("rb_sum"))->setChecked(true);
        QCOMPARE(page->identifier(), std::string("c_fq_1_4_3"));
        QCOMPARE(page->chart()->data().series[0].back(), w.newest("c_fq_1_4_3"));

        page->kindButton(ExtendedSeriesKind::Count)->setChecked(true);
        QCOMPARE(page->identifier(), std::string("c_lwr_30_0_2"));
        QVERIFY(!page->findChild<QRadioButton*>(QStringLiteral("rb_sum"))->isEnabled());
        page->findChild<QPushButton*>(QStringLiteral("b_analyse"))->click();
        page->findChild<QPushButton*>(QStringLiteral("b_filter"))->click();
        QCOMPARE(w.handOff.calls,
                 (std::vector<std::string>{"analyse:c_lwr_30_0_2 c_lwr_30_0_2", "custom:c_lwr_30_0_2"}));
        QCOMPARE(w.prompts.informed.last(), u("现已成功导出到超强组号的自定义指标中"));

        w.show(ExtendedSeriesPage::caption(true));
        QCOMPARE(w.extended2->identifier(), std::string("c_twyc_0_0_0"));
        qobject_cast<QComboBox*>(w.extended2->parameterBoxes(ExtendedSeriesKind::SameSpot)[0])->setCurrentIndex(3);
        QCOMPARE(w.extended2->identifier(), std::string("c_twyc_0_3_0"));
        QCOMPARE(w.extended2->chart()->data().series[0].back(), w.newest("c_twyc_0_3_0"));
    }

    void combinationFeatureAndItsCommonList() {
        ComboWindow w;
        w.show(CombinationFeaturePage::caption());
        CombinationFeaturePage* page = w.combination;
        QCOMPARE(page->identifier(), std::string("getzb(c_zhfx:z_num1_w|z_num2_w|z_num3_w:0)"));
        QCOMPARE(page->chart()->data().series[0].back(), w.newest(page->identifier()));
        // The installation's list, written to its file on first use.
        QCOMPARE(page->common()->list()->count(), int(defaultFeatureCombinations().size()));
        QVERIFY(fileExists(w.ws.path(kCombinationFeatureFile)));
        page->common()->list()->setCurrentRow(2);  // "六位尾数"
        Q_EMIT page->common()->list()->itemClicked(page->common()->list()->item(2));
        QCOMPARE(page->boxes()->box(5)->text(), u("z_num6_w"));
        page->featureBox()->setCurrentIndex(7);  // "跨度"
        QCOMPARE(page->identifier(),
                 std::string("getzb(c_zhfx:z_num1_w|z_num2_w|z_num3_w|z_num4_w|z_num5_w|z_num6_w:7)"));
        QCOMPARE(page->chart()->data().series[0].back(), w.newest(page->identifier()));
        // Boxes after the first empty one do not count.
        page->boxes()->box(1)->clear();
        QCOMPARE(page->identifier(), std::string("getzb(c_zhfx:z_num1_w:7)"));

        // "..." puts the assisted input's formula into its box.
        w.answer = [](QDialog& dialog) { dialog.findChild<QLineEdit*>(QStringLiteral("e_fzsr"))->setText(u("z_hz")); };
        page->boxes()->findChild<QToolButton*>(QStringLiteral("b_zb2"))->click();
        QCOMPARE(page->boxes()->box(1)->text(), u("z_hz"));

        // "设置" rewrites the file.
        w.answer = [](QDialog& dialog) {
            dialog.findChild<QPlainTextEdit*>(QStringLiteral("m_entries"))
                ->setPlainText(u("甲 z_num1 z_num2\n乙 z_hz"));
        };
        page->common()->findChild<QPushButton*>(QStringLiteral("b_commonset"))->click();
        QCOMPARE(page->common()->list()->count(), 2);
        QCOMPARE(readGbkText(w.ws.path(kCombinationFeatureFile)).text, std::string("甲 z_num1 z_num2\n乙 z_hz\n"));
    }

    void patternTrendExportsAndMirrorsItsBoxes() {
        ComboWindow w;
        w.show(PatternTrendPage::caption());
        PatternTrendPage* page = w.trend;
        QCOMPARE(page->identifier(), std::string("c_3zbzh:z_num1_w|z_num2_w|z_num3_w:0"));
        QCOMPARE(page->chart()->data().series[0].back(), w.newest(page->identifier()));
        page->findChild<QRadioButton*>(QStringLiteral("rb_two"))->setChecked(true);
        page->setType(1);
        QCOMPARE(page->identifier(), std::string("c_2zbzh:z_num1_w|z_num2_w:1"));

        w.answer = [](QDialog& dialog) {
            auto& values = static_cast<Tf_xtqz&>(dialog);
            QCOMPARE(values.list()->count(), 3);  // 两偶, 一偶一奇, 两奇
            values.list()->item(1)->setCheckState(Qt::Checked);
            values.list()->item(2)->setCheckState(Qt::Checked);
            values.tolerance()->setChecked(true);
        };
        page->toFilter();
        QCOMPARE(w.handOff.calls, (std::vector<std::string>{"custom:getzb(c_2zbzh:z_num1_w|z_num2_w:1)"}));
        QCOMPARE(w.prompts.informed.last(), u("指标组合形态设置现已成功导出到超强组号的自定义指标中"));
        page->setType(14 + 2);  // "AC值": the user gives the values in the generator
        page->toFilter();
        QCOMPARE(w.handOff.calls.back(), std::string("show"));
        QCOMPARE(w.handOff.calls[w.handOff.calls.size() - 2],
                 std::string("formula:getzb(c_2zbzh:z_num1_w|z_num2_w:16)"));

        w.answer = [](QDialog& dialog) { dialog.findChild<QLineEdit*>(QStringLiteral("e_fzsr"))->setText(u("z_kd")); };
        page->boxes()->findChild<QToolButton*>(QStringLiteral("b_zb1"))->click();
        QCOMPARE(w.table->boxes()->box(0)->text(), u("z_kd"));
    }

    void patternTableRows() {
        ComboWindow w;
        w.show(PatternTablePage::caption());
        TextTableModel* model = w.table->model();
        QCOMPARE(model->rowCount(), 100);
        QCOMPARE(model->columnCount(), 2 + 3 + 14);
        QCOMPARE(model->cell(99, 0), u("2026096"));
        const ComboTable expected = lottodesk::patternTable(w.ws, {"z_num1_w", "z_num2_w", "z_num3_w"},
                                                            w.ws.sjk.RecordCount(), w.ws.sjk.RecordCount());
        for (int c = 0; c < model->columnCount(); ++c)
            QCOMPARE(model->cell(99, c), QString::fromStdString(expected.rows[0][static_cast<size_t>(c)]));
        w.table->setThree(false);
        QCOMPARE(model->columnCount(), 2 + 2 + 14);
    }

    void mosaicFiles() {
        ComboWindow w;
        w.show(MosaicPage::caption());
        MosaicPage* page = w.mosaic;
        QCOMPARE(page->currentFile(), w.ws.path(kDefaultMosaicFile));
        QCOMPARE(page->entries(), defaultMosaic());
        QCOMPARE(page->model()->rowCount(), 100);
        QCOMPARE(page->model()->cell(99, 1), u("01 04 16 22 26 31-04"));
        QCOMPARE(page->model()->cell(99, 2), u("100"));

        // "修改": the list edited in Tf_zbzh_set is written back to the current file.
        w.answer = [](QDialog& dialog) {
            auto& set = static_cast<Tf_zbzh_set&>(dialog);
            set.clearAll();
            set.codeBox()->setText(u("z_kd"));
            set.nameBox()->setText(u("跨度"));
            set.add();
            set.codeBox()->clear();
            set.nameBox()->setText(u("备注"));
            set.add();
        };
        page->modify();
        QCOMPARE(page->model()->columnCount(), 4);
        QCOMPARE(readGbkText(w.ws.path(kDefaultMosaicFile)).text, std::string("z_kd 跨度\n 备注\n"));

        // "创建" appends ".zbz"; "载入" of a missing file changes nothing.
        w.files.names = {QString::fromStdString(w.folder.file("save/mine"))};
        page->create();
        QCOMPARE(page->currentFile(), w.folder.file("save/mine.zbz"));
        QVERIFY(fileExists(w.folder.file("save/mine.zbz")));
        w.files.names = {QString::fromStdString(w.folder.file("save/none.zbz"))};
        page->load();
        QCOMPARE(w.prompts.errors.size(), 1);
        QCOMPARE(page->currentFile(), w.folder.file("save/mine.zbz"));
        page->makeDefault();
        QCOMPARE(loadMosaic(w.ws.path(kDefaultMosaicFile)).entries, page->entries());
        QCOMPARE(w.files.titles, QStringList({u("保存指标组合"), u("载入指标组合")}));
    }

    void sevenNumberGame() {
        ComboWindow w;
        w.useGame("qlc.txt", test::kSevenNumberGame);
        w.window.typeChanged();
        for (const QString& caption : {ExtendedSeriesPage::caption(false), CombinationFeaturePage::caption(),
                                       PatternTrendPage::caption(), PatternTablePage::caption(), MosaicPage::caption()})
            w.show(caption);
        QCOMPARE(w.extended1->chart()->data().series[0].size(), size_t(w.ws.sjk.RecordCount()));
        QCOMPARE(w.mosaic->model()->cell(99, 1).count(QLatin1Char(' ')), 6);
        QVERIFY(w.prompts.warned.isEmpty());
    }
};

QTEST_MAIN(TestCombinationPages)
#include "test_fxd_combinations.moc"
