// "常规数据表" and "红号分布图" of "走势分析" on the real 双色球 and 七乐彩 histories.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "analysis/coldhotperiod.h"
#include "analysis/datatables.h"
#include "indicators/drawhistory.h"
#include "analysisfixture.h"
#include "ui/analysis/fxd_tablepages.h"
#include "ui/analysis/texttablemodel.h"
#include "ui/charts/cellgrid.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct TablesWindow : test::AnalysisFixture {
    TablesWindow() {
        const AnalysisContext c = context();
        data = new DataTablesPage(c);
        distribution = new DistributionPage(c);
        window.addPage(DataTablesPage::caption(), data);
        window.addPage(DistributionPage::caption(), distribution);
        window.resize(1200, 700);
        window.show();
        QTest::qWait(0);
    }
    Tf_fxd window;
    DataTablesPage* data;
    DistributionPage* distribution;
};

}  // namespace

class TestTablePages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dataTablesComputeWhenShown() {
        TablesWindow w;
        const int rows = w.ws.sjk.RecordCount();
        QCOMPARE(w.data->model(0)->rowCount(), rows);
        QCOMPARE(w.data->model(1)->rowCount(), 0);
        const DataTable one = dataTable1(w.ws.sjk, w.ws.game, w.ws.partitions, "红号", "蓝号");
        QCOMPARE(w.data->model(0)->columnCount(), one.columns());
        for (int c = 0; c < one.columns(); ++c) {
            QCOMPARE(w.data->model(0)->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QString::fromStdString(one.header[static_cast<size_t>(c)]));
            QCOMPARE(w.data->model(0)->cell(rows - 1, c), QString::fromStdString(one.cell(rows - 1, c)));
        }
        w.data->tables()->setCurrentIndex(2);
        const DataTable three = dataTable3(w.ws.sjk, w.ws.game, w.ws.settings, "红号", "蓝号");
        QCOMPARE(w.data->model(2)->rowCount(), three.rows());
        QCOMPARE(w.data->model(2)->cell(rows - 1, 1), QString::fromStdString(three.cell(rows - 1, 1)));
    }

    void distributionMarksAndClasses() {
        TablesWindow w;
        w.window.showPage(DistributionPage::caption());
        QTest::qWait(0);
        const DistributionChart& chart = w.distribution->chart();
        const int rows = chart.rows();
        QCOMPARE(w.distribution->table().rows, rows + 1);
        QCOMPARE(w.distribution->grid()->model()->headerData(rows, Qt::Vertical).toString(), u("选号区"));
        QVERIFY(w.pictures.frameCount(2) >= 8);
        w.distribution->ruleBox()->setCurrentIndex(static_cast<int>(MarkRule::Repeat));
        const MarkMatrix marks = markMatrix(chart, MarkRule::Repeat, 0, rows);
        int marked = 0;
        for (int r = rows - 50; r < rows; ++r)
            for (int c = 0; c < chart.columns; ++c) {
                if (!chart.isDrawn(r, c)) continue;
                QCOMPARE(w.distribution->table().at(r, c), chart.lo + c);
                const bool expected = marks.at(r, c) != 0;
                QCOMPARE(w.distribution->table().looks[static_cast<size_t>(r) * chart.columns + c].frame != 0,
                         expected);
                marked += expected;
            }
        QVERIFY(marked > 0);
        w.distribution->coldHotButton()->setChecked(true);
        QVERIFY(w.distribution->table().looks.size() == size_t(rows + 1) * chart.columns);

        for (int c : {0, 3, 8, 12, 20}) w.distribution->toggleSelected(c);
        w.distribution->importSelection();
        QCOMPARE(w.prompts.warned, QStringList{u("选号区红号个数应为6个")});
        w.distribution->toggleSelected(30);
        w.distribution->importSelection();
        QCOMPARE(w.ws.sjk.FieldValueAt(w.ws.sjk.RecordCount(), 0), kPredictionPeriod);
        QCOMPARE(w.distribution->chart().periodText(rows), std::string("预测区"));
        QVERIFY(w.data->stale());
        w.distribution->clearPrediction();
        QCOMPARE(w.distribution->chart().rows(), rows);
    }

    void distributionColdHotSettingsAndDisplayMode() {
        TablesWindow w;
        w.window.showPage(DistributionPage::caption());
        QTest::qWait(0);
        const DistributionChart& chart = w.distribution->chart();
        const int rows = chart.rows();
        auto lookOf = [&](int r, int c) { return w.distribution->table().looks[size_t(r) * chart.columns + c]; };
        int row = rows - 1, column = 0;
        while (!chart.isDrawn(row, column)) ++column;
        QCOMPARE(int(lookOf(row, column).picture), 2);  // balls with their numbers
        QVERIFY(lookOf(row, column).showText);
        // "显示模式": squares without the number.
        QMenu* display = nullptr;
        for (QMenu* menu : w.distribution->findChildren<QMenu*>())
            if (menu->title() == u("显示模式")) display = menu;
        QVERIFY(display);
        QCOMPARE(display->actions().size(), 4);
        display->actions().at(3)->trigger();  // "方块"
        QCOMPARE(int(lookOf(row, column).picture), 1);
        QVERIFY(!lookOf(row, column).showText);
        // "红号冷热设置": the three values reach the settings and the cold/warm/hot view follows them.
        w.distribution->coldHotButton()->setChecked(true);
        const std::vector<CellLook> before = w.distribution->table().looks;
        w.distribution->setDialogRunner([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("e_qsfield"))->setText(QStringLiteral("5"));
            dialog.findChild<QLineEdit*>(QStringLiteral("e_cold"))->setText(QStringLiteral("0"));
            dialog.findChild<QLineEdit*>(QStringLiteral("e_hot"))->setText(QStringLiteral("2"));
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(w.distribution->findChild<QPushButton*>(QStringLiteral("b_coldhotset")), Qt::LeftButton);
        QCOMPARE(w.ws.settings.qs, 5);
        QCOMPARE(w.ws.settings.coldcs, 0);
        QCOMPARE(w.ws.settings.hotcs, 2);
        QCOMPARE(w.folder.settings.readInt("qs"), std::optional<int>(5));
        // Each drawn cell now wears the frame of its class under the new settings (one frame per class).
        const WarmthTimeline timeline = mainWarmthTimeline(DrawHistory::of(w.ws.sjk), w.ws.game, w.ws.settings);
        const WarmthMarks expected = warmthMarks(chart, timeline, 0, rows);
        std::map<int, uint8_t> frameOfClass;
        for (int r = rows - 60; r < rows; ++r)
            for (int c = 0; c < chart.columns; ++c) {
                if (!chart.isDrawn(r, c)) continue;
                const auto [at, fresh] = frameOfClass.emplace(expected.at(r, c), lookOf(r, c).frame);
                QCOMPARE(lookOf(r, c).frame, at->second);
            }
        QVERIFY(frameOfClass.size() >= 2);
        QVERIFY(w.distribution->table().looks != before);
        QVERIFY(w.prompts.informed.isEmpty());
    }

    void sevenNumberGame() {
        TablesWindow w;
        w.useGame("qlc.txt", test::kSevenNumberGame);
        w.window.typeChanged();
        QCOMPARE(w.data->model(0)->rowCount(), w.ws.sjk.RecordCount());
        w.window.showPage(DistributionPage::caption());
        QTest::qWait(0);
        QCOMPARE(w.distribution->chart().columns, 30);
    }
};

QTEST_MAIN(TestTablePages)
#include "test_fxd_tablepages.moc"
