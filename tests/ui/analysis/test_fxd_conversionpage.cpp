// "转换法杀号" of "走势分析" on the real 双色球 and 七乐彩 histories: the conversion table against
// the engine, the corresponding values, the export, the analysis hand-off and the kill run.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "analysisfixture.h"
#include "core/gbktext.h"
#include "ui/analysis/fxd_conversionpage.h"
#include "ui/analysis/texttablemodel.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct ConversionWindow : test::AnalysisFixture {
    ConversionWindow() {
        page = new ConversionPage(context());
        window.addPage(ConversionPage::caption(), page);
        window.resize(1200, 700);
        window.show();
        QTest::qWait(0);
    }
    Tf_fxd window;
    ConversionPage* page;
};

}  // namespace

class TestConversionPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tableAgreesWithTheEngine() {
        ConversionWindow w;
        QCOMPARE(w.page->indicatorBox()->currentData().toString(), u("z_num1"));
        const ConversionTable expected = conversionTable(w.ws, "z_num1");
        LazyTableModel* model = w.page->tableModel();
        QCOMPARE(model->rowCount(), expected.rows());
        QCOMPARE(model->columnCount(), 3 + 200);
        QCOMPARE(model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), u("转换1"));
        for (int r : {0, expected.rows() / 2, expected.rows() - 1})
            for (int c : {0, 1, 2, 3, 30, 202})
                QCOMPARE(model->cell(r, c), QString::fromStdString(expected.cell(r + 1, c)));

        w.page->columnBox()->setCurrentIndex(3);
        w.page->valuesBox()->setText(QStringLiteral("0 1 2"));
        w.page->correspondingValues();
        std::string text;
        QVERIFY(expected.correspondingValues(3, "0 1 2", text).ok);
        QCOMPARE(w.page->correspondingLabel()->text(), u("对应指标值：") + QString::fromStdString(text));
        w.page->valuesBox()->setText(QStringLiteral("x"));
        w.page->correspondingValues();
        QCOMPARE(w.prompts.warned.size(), 1);

        w.files.names = {QString::fromStdString(w.folder.file("column3"))};
        w.page->exportColumn();
        const GbkText written = readGbkText(w.folder.file("column3.txt"));
        QVERIFY(written.status.ok);
        QCOMPARE(written.text.substr(0, written.text.find('\n')), expected.exportLines(3)[0]);

        w.page->analyseColumn();
        QCOMPARE(w.handOff.calls, (std::vector<std::string>{"docked:转换3"}));
    }

    void killRunAgreesWithTheEngine() {
        ConversionWindow w;
        w.page->subPages()->setCurrentIndex(1);
        const int first = w.page->fromBox()->findText(QStringLiteral("2025001"));
        w.page->fromBox()->setCurrentIndex(first);
        w.page->runKill();
        ConversionKillOptions options;
        options.fromPeriod = 2025001;
        options.toPeriod = 2026096;
        const ConversionKill expected = conversionKill(w.ws, "z_num1", options);
        LazyTableModel* model = w.page->killModel();
        QCOMPARE(model->rowCount(), static_cast<int>(expected.rows.size()));
        QCOMPARE(model->columnCount(), 7);  // with the secondary column of 双色球
        const int last = model->rowCount() - 1;
        QCOMPARE(model->cell(last, 0), u("正确率"));
        QCOMPARE(model->cell(last, 5), QString::fromStdString(expected.accuracy));
        QCOMPARE(model->cell(last - 1, 0), u("预测期"));
        QCOMPARE(model->cell(5, 4), QString::fromStdString(expected.rows[5].kills));
        QVERIFY(model->data(model->index(5, 0), Qt::BackgroundRole).isValid() ==
                (expected.rows[5].mark != KillVerdict::None));
    }

    void sevenNumberGame() {
        ConversionWindow w;
        w.useGame("qlc.txt", test::kSevenNumberGame);
        w.window.typeChanged();
        QTest::qWait(0);
        // The newest draw 2026096: 05 14 17 24 26 28 29 + 16, its first number 5.
        LazyTableModel* table = w.page->tableModel();
        QCOMPARE(table->rowCount(), w.ws.sjk.RecordCount());
        const int newest = table->rowCount() - 1;
        QCOMPARE(table->cell(newest, 0), u("2026096"));
        QVERIFY2(table->cell(newest, 1).contains(u("05 14 17 24 26 28 29")), qPrintable(table->cell(newest, 1)));
        QCOMPARE(table->cell(newest, 2), u("5"));
        QCOMPARE(table->cell(newest - 1, 2), u("13"));  // 2026095: 13 15 17 18 20 22 25 + 07
        // The kill run ends on the same draw, then "预测期" and "正确率".
        w.page->runKill();
        LazyTableModel* kill = w.page->killModel();
        const int last = kill->rowCount() - 1;
        QVERIFY(last >= 3);
        QCOMPARE(kill->cell(last, 0), u("正确率"));
        QCOMPARE(kill->cell(last - 1, 0), u("预测期"));
        QCOMPARE(kill->cell(last - 2, 0), u("2026096"));
        QCOMPARE(kill->cell(last - 2, 3), u("5"));
    }
};

QTEST_MAIN(TestConversionPage)
#include "test_fxd_conversionpage.moc"
