// The omission tables of "走势分析" on the real 双色球 and 七乐彩 histories: the grid against the
// engine's view, the options, the selection row and the prediction commands.
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "analysisfixture.h"
#include "ui/analysis/fxd_omissionpage.h"
#include "ui/charts/cellgrid.h"
#include "ui/common/gridscroller.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct OmissionWindow : test::AnalysisFixture {
    OmissionWindow() {
        const AnalysisContext c = context();
        for (OmissionVariant v : {OmissionVariant::Main, OmissionVariant::Secondary, OmissionVariant::Tails}) {
            pages.push_back(new OmissionTablePage(v, c));
            window.addPage(OmissionTablePage::caption(v), pages.back());
        }
        window.resize(1200, 700);
        window.show();
    }
    OmissionTablePage* show(OmissionVariant v) {
        window.showPage(OmissionTablePage::caption(v));
        QTest::qWait(0);
        return pages[static_cast<size_t>(v)];
    }
    std::vector<OmissionTablePage*> pages;
    Tf_fxd window;
};

// The grid's text of a cell, as the user reads it.
QString cellText(const OmissionTablePage* page, int row, int column) {
    return page->grid()->model()->index(row, column).data().toString();
}

}  // namespace

class TestOmissionTables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mainTableAgreesWithTheEngine() {
        OmissionWindow w;
        OmissionTablePage* page = w.show(OmissionVariant::Main);
        const OmissionView& v = page->view();
        const int rows = w.ws.sjk.RecordCount();
        QCOMPARE(v.rows(), rows);
        QCOMPARE(page->grid()->model()->rowCount(), rows + 6);
        QCOMPARE(page->grid()->model()->columnCount(), 33 + 1);
        QCOMPARE(page->grid()->model()->headerData(rows - 1, Qt::Vertical).toString(), u("2026096"));
        QCOMPARE(page->grid()->model()->headerData(33, Qt::Horizontal).toString(), u("开奖号码"));
        for (int r : {0, 1, rows / 2, rows - 1})
            for (int c = 0; c < 33; c += 4)
                QCOMPARE(cellText(page, r, c).toInt(), QString::fromStdString(v.cell(r, c + 1)).toInt());
        QCOMPARE(cellText(page, rows - 1, 33), QString::fromStdString(v.draws.back()));
        // 2026096 draws 01: a ball with its number; 02 was not drawn: its omission as text.
        QCOMPARE(page->table().looks[static_cast<size_t>(rows - 1) * 33].picture, uint8_t(2));
        QCOMPARE(page->table().at(rows - 1, 1), v.table.cell(rows - 1, 1));
        for (int stat = 1; stat < 6; ++stat) {
            const std::vector<std::string> expected = v.statRow(stat);
            QCOMPARE(page->grid()->model()->headerData(rows + stat, Qt::Vertical).toString(),
                     QString::fromStdString(expected[0]));
            for (int c = 0; c < 33; c += 5)
                QCOMPARE(page->table().at(rows + stat, c), std::stoi(expected[static_cast<size_t>(c) + 1]));
        }
    }

    void optionsChangeWhatIsShown() {
        OmissionWindow w;
        OmissionTablePage* page = w.show(OmissionVariant::Main);
        page->orderBox()->setCurrentIndex(2);  // "按奇偶"
        Q_EMIT page->orderBox()->activated(2);
        QCOMPARE(page->grid()->model()->headerData(0, Qt::Horizontal).toString(), u("02"));
        page->highlightBox()->setCurrentIndex(1);  // "显示奇数号": even numbers' draws are plain
        Q_EMIT page->highlightBox()->activated(1);
        const int rows = page->view().rows();
        bool evenBall = false;
        for (int r = 0; r < rows; ++r)
            evenBall = evenBall || page->table().looks[static_cast<size_t>(r) * 33].picture != 0;
        QVERIFY(!evenBall);
        page->zonesBox()->setCurrentIndex(2);  // three zones
        Q_EMIT page->zonesBox()->activated(2);
        QCOMPARE(page->table().columnBackgrounds.size(), size_t(33));
        page->fromBox()->setCurrentIndex(page->fromBox()->findText(QStringLiteral("2026090")));
        Q_EMIT page->fromBox()->activated(0);
        QCOMPARE(page->view().rows(), 7);
        // "方块": squares without the number on the odd numbers drawn in 2026096 (01, 31).
        page->setDisplay(OmissionTablePage::Display::Square);
        const std::vector<int32_t>& numbers = page->view().numbers;
        const int one = static_cast<int>(std::find(numbers.begin(), numbers.end(), 1) - numbers.begin());
        QVERIFY(page->table().looks[static_cast<size_t>(6 * 33 + one)] == (CellLook{1, 0, false}));
    }

    void selectionAndPrediction() {
        OmissionWindow w;
        OmissionTablePage* tails = w.show(OmissionVariant::Tails);
        OmissionTablePage* page = w.show(OmissionVariant::Main);
        const int rows = page->view().rows();
        for (int c : {0, 1, 2}) page->toggleSelected(c);
        page->importSelection();
        QCOMPARE(w.prompts.warned, QStringList{u("选号区红号个数应为6个")});
        QCOMPARE(w.ws.sjk.RecordCount(), rows);
        for (int c : {3, 4, 5}) page->toggleSelected(c);
        QCOMPARE(page->table().looks[static_cast<size_t>(rows) * 33 + 3].picture, uint8_t(2));
        QVERIFY(!tails->stale());
        page->importSelection();
        QCOMPARE(w.ws.sjk.FieldValueAt(w.ws.sjk.RecordCount(), 0), kPredictionPeriod);
        QCOMPARE(page->toBox()->currentText(), QStringLiteral("9999999"));
        QCOMPARE(page->grid()->model()->headerData(rows, Qt::Vertical).toString(), u("预测区"));
        QVERIFY2(tails->stale(), "every page of the window recomputes");
        page->importSelection();  // again: the record is replaced, the list gains no second entry
        QCOMPARE(page->toBox()->findText(QStringLiteral("9999999")), page->toBox()->count() - 1);
        QCOMPARE(page->toBox()->count(), page->fromBox()->count() + 1);
        page->clearPrediction();
        QCOMPARE(w.ws.sjk.RecordCount(), rows);
        QCOMPARE(page->toBox()->currentText(), QStringLiteral("2026096"));
    }

    void secondaryAndTailTablesOnTwoGames() {
        OmissionWindow w;
        QCOMPARE(w.show(OmissionVariant::Secondary)->table().columns, 16);
        OmissionTablePage* tails = w.show(OmissionVariant::Tails);
        QCOMPARE(tails->table().columns, 10);
        QCOMPARE(tails->grid()->model()->headerData(0, Qt::Horizontal).toString(), u("0"));
        w.useGame("qlc.txt", test::kSevenNumberGame);
        w.window.typeChanged();
        QCOMPARE(w.show(OmissionVariant::Main)->table().columns, 30);
        QCOMPARE(w.show(OmissionVariant::Secondary)->table().columns, 30);
        QCOMPARE(w.pages[0]->view().rows(), w.ws.sjk.RecordCount());
    }

    // The table's popup also scrolls it: a tick moves one row down, and stops once another page
    // of the window is shown.
    void automaticScrollingMovesTheTable() {
        OmissionWindow w;
        OmissionTablePage* page = w.show(OmissionVariant::Main);
        auto* scroller = page->grid()->findChild<GridScroller*>();
        QVERIFY(scroller);
        QStringList captions;
        for (QAction* action : scroller->menu()->actions()) captions << action->text();
        for (const char* caption : {"清除选号区", "开始滚动", "停止滚动", "向上滚动", "特快", "下一页", "上一条"})
            QVERIFY2(captions.contains(u(caption)), caption);
        QScrollBar* bar = page->grid()->verticalScrollBar();
        bar->setValue(0);
        scroller->menu()->findChild<QAction*>(u("mi_start"))->trigger();
        QVERIFY(scroller->scrolling());
        scroller->tick();
        QCOMPARE(bar->value(), 1);
        w.show(OmissionVariant::Tails);
        scroller->tick();
        QVERIFY(!scroller->scrolling());
        QCOMPARE(bar->value(), 1);
    }
};

QTEST_MAIN(TestOmissionTables)
#include "test_fxd_omissionpage.moc"
