// The data transform window: the grid over the history with its selection row, the transforms
// and back, picking numbers into the prediction record, and that the history file never changes.
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "core/datatransform.h"
#include "core/workspace.h"
#include "support/uifixture.h"
#include "ui/common/cellpictures.h"
#include "ui/transform/bh_gridmodel.h"
#include "ui/transform/f_bh.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

const int kSeededDraws = 3493;

// The window on a seeded program folder (the real 双色球 history), shown.
struct BhWindow {
    BhWindow() : ws(folder.path()), window(ws, pictures, prompts) {
        pictures.load(folder.qfile(""));
        initialiseWorkspace(ws, folder.settings);
        prepareHistoryAfterStart(ws);
        history = test::readFile(ws.sjk.FileName());
        window.resize(1000, 700);
        window.show();
    }
    QAbstractItemModel* grid() const { return window.grid()->model(); }
    QString cell(int row, int column) const { return grid()->index(row, column).data().toString(); }
    int ball(int row, int column) const { return grid()->index(row, column).data(BhGridModel::BallRole).toInt(); }
    int lastRow() const { return grid()->rowCount() - 1; }
    int textColumn() const { return grid()->columnCount() - 1; }
    void clickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        QTableView* view = window.grid();
        const QModelIndex index = grid()->index(row, column);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        if (button == Qt::RightButton) {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &menu);
            return;
        }
        QTest::mouseClick(view->viewport(), button, {}, at);
    }
    void command(const char* name) { window.popup()->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
    QList<int> selected() const {
        QList<int> numbers;
        for (int n = 0; n <= kMaxTransformRange; ++n)
            if (window.selection()[n]) numbers << n;
        return numbers;
    }

    test::ProgramFolder folder{true};
    CellPictures pictures;
    Workspace ws;
    test::FakePrompts prompts;
    Tf_bh window;
    std::string history;
};

}  // namespace

class TestTransformWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gridShowsTheHistoryAndTheSelectionRow();
    void transformsAndBackLeaveTheFileAlone();
    void pickingIntoThePredictionRecord();
    void selectionAndPredictionSurviveATransform();
    void gamesThatCannotBeTransformedOfferOnlyTheRawData();
};

void TestTransformWindow::gridShowsTheHistoryAndTheSelectionRow() {
    BhWindow w;
    QCOMPARE(w.window.windowTitle(), u("数据变换"));
    QCOMPARE(w.window.styleBox()->count(), 5);
    QCOMPARE(w.window.styleBox()->itemText(4), u("变换4"));
    QCOMPARE(w.window.zoneBox()->currentText(), u("3"));
    QCOMPARE(w.grid()->rowCount(), kSeededDraws + 1);
    QCOMPARE(w.grid()->columnCount(), 35);
    QCOMPARE(w.grid()->headerData(0, Qt::Horizontal).toString(), u("期号"));
    QCOMPARE(w.grid()->headerData(7, Qt::Horizontal).toString(), u("07"));
    QCOMPARE(w.grid()->headerData(1, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(), QColor(250, 128, 114));
    QCOMPARE(w.cell(0, 0), u("2003001"));
    QCOMPARE(w.grid()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    QCOMPARE(w.cell(w.lastRow(), 0), u("选号区"));
    // 2003001: 10 11 12 13 26 28 + 11.
    QCOMPARE(w.cell(0, w.textColumn()), u("10 11 12 13 26 28 "));
    QCOMPARE(w.cell(0, 10), u("10"));
    QCOMPARE(w.cell(0, 9), QString());
    QCOMPARE(w.ball(0, 11), int(GridBall::Main));
    QCOMPARE(w.ball(0, 9), int(GridBall::None));
    // Zone shading of three zones: 1..11, 12..22, 23..33 alternate.
    const QVariant first = w.grid()->index(5, 1).data(Qt::BackgroundRole);
    QCOMPARE(w.grid()->index(5, 11).data(Qt::BackgroundRole), first);
    QVERIFY(w.grid()->index(5, 12).data(Qt::BackgroundRole) != first);
    QCOMPARE(w.grid()->index(5, 23).data(Qt::BackgroundRole), first);
    w.window.zoneBox()->setCurrentText(u("2"));
    QVERIFY(w.grid()->index(5, 17).data(Qt::BackgroundRole) != first);  // 1..16, 17..33
    // With the secondary numbers: "| 11," and 11 drawn with the second ball.
    w.window.withSecondaryButton()->setChecked(true);
    QCOMPARE(w.cell(0, w.textColumn()), u("10 11 12 13 26 28 | 11,"));
    QCOMPARE(w.ball(0, 11), int(GridBall::Secondary));
    QCOMPARE(w.ball(0, 12), int(GridBall::Main));
    // Column 1 of the last row is selected.
    QCOMPARE(w.window.grid()->currentIndex().row(), w.lastRow());
    QCOMPARE(w.window.grid()->currentIndex().column(), 1);

    // First paint of the whole grid, measured (reported, not asserted).
    QElapsedTimer timer;
    timer.start();
    w.window.fillGrid();
    const QPixmap painted = w.window.grid()->grab();
    qInfo("fill and first paint of the grid (%dx%d): %lld ms", painted.width(), painted.height(),
          static_cast<long long>(timer.elapsed()));
}

void TestTransformWindow::transformsAndBackLeaveTheFileAlone() {
    BhWindow w;
    QSignalSpy applied(&w.window, &Tf_bh::transformApplied);
    w.window.styleBox()->setCurrentIndex(1);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(w.ws.transform, 1);
    // 2003003 (01 07 10 23 28 32) through R(2) = 12 10 28 26 13 11 01 ..
    QCOMPARE(w.cell(2, w.textColumn()), u("02 03 07 13 25 32 "));
    QCOMPARE(w.cell(2, 2), u("02"));
    QCOMPARE(w.cell(0, w.textColumn()), u("10 11 12 13 26 28 "));
    for (int transform : {2, 3, 4, 0}) {
        w.window.styleBox()->setCurrentIndex(transform);
        QCOMPARE(w.ws.transform, transform);
        QCOMPARE(test::readFile(w.ws.sjk.FileName()), w.history);
    }
    QCOMPARE(w.cell(2, w.textColumn()), u("01 07 10 23 28 32 "));
    QVERIFY(w.ws.sjk.saveRefusal().empty());
    // Shown again, the box shows the transform that is applied.
    w.window.styleBox()->setCurrentIndex(3);
    w.window.hide();
    w.window.show();
    QCOMPARE(w.window.styleBox()->currentIndex(), 3);
}

void TestTransformWindow::pickingIntoThePredictionRecord() {
    BhWindow w;
    for (int n : {3, 8, 15, 16, 29}) w.clickCell(w.lastRow(), n);
    w.clickCell(w.lastRow() - 1, 4);  // a history row picks nothing
    QCOMPARE(w.selected(), (QList<int>{3, 8, 15, 16, 29}));
    QCOMPARE(w.ball(w.lastRow(), 8), int(GridBall::Main));
    QCOMPARE(w.cell(w.lastRow(), 8), u("08"));
    w.clickCell(w.lastRow(), 29);  // a second click takes it back
    w.clickCell(w.lastRow(), 30);

    // Five numbers: refused, nothing changes.
    w.command("mi_toyc");
    QCOMPARE(w.prompts.informed, QStringList{u("选号区红号个数应为6个")});
    QCOMPARE(w.grid()->rowCount(), kSeededDraws + 1);
    w.clickCell(w.lastRow(), 33);
    w.command("mi_toyc");
    QCOMPARE(w.grid()->rowCount(), kSeededDraws + 2);
    QCOMPARE(w.cell(kSeededDraws, 0), u("预测区"));
    QCOMPARE(w.cell(kSeededDraws, w.textColumn()), u("03 08 15 16 30 33 "));
    QCOMPARE(test::readFile(w.ws.sjk.FileName()), w.history);  // not saved
    w.command("mi_clearxh");
    QVERIFY(w.selected().isEmpty());
    QCOMPARE(w.ball(w.lastRow(), 8), int(GridBall::None));
    w.command("mi_clearyc");
    QCOMPARE(w.grid()->rowCount(), kSeededDraws + 1);
    QCOMPARE(w.ws.sjk.indexOfPeriod(kPredictionPeriod), 0);

    // The popup opens on the selection row only.
    w.clickCell(w.lastRow() - 1, 3, Qt::RightButton);
    QVERIFY(!w.window.popup()->isVisible());
    w.clickCell(w.lastRow(), 3, Qt::RightButton);
    QTRY_VERIFY(w.window.popup()->isVisible());
    w.window.popup()->hide();
}

void TestTransformWindow::selectionAndPredictionSurviveATransform() {
    BhWindow w;
    for (int n : {1, 2, 3, 4, 5, 6}) w.clickCell(w.lastRow(), n);
    w.command("mi_toyc");
    w.window.styleBox()->setCurrentIndex(2);
    const std::vector<int32_t> undrawn = undrawnRanking(w.ws);
    QList<int> places;
    for (int n : {1, 2, 3, 4, 5, 6}) places << placeOf(undrawn, n);
    std::sort(places.begin(), places.end());
    QCOMPARE(w.selected(), places);
    QCOMPARE(w.cell(kSeededDraws, 0), u("预测区"));
    w.window.styleBox()->setCurrentIndex(0);
    QCOMPARE(w.selected(), (QList<int>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(w.cell(kSeededDraws, w.textColumn()), u("01 02 03 04 05 06 "));
    // Shown again, the selection starts empty.
    w.window.hide();
    w.window.show();
    QVERIFY(w.selected().isEmpty());
}

void TestTransformWindow::gamesThatCannotBeTransformedOfferOnlyTheRawData() {
    BhWindow w;
    w.window.hide();
    w.ws.game.zh_to = 50;
    w.window.show();
    QCOMPARE(w.window.styleBox()->count(), 1);
    QCOMPARE(w.window.styleBox()->itemText(0), u("原始数据"));
}

QTEST_MAIN(TestTransformWindow)
#include "test_f_bh.moc"
