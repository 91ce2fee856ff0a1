// "恢复到原始投注结果" of the generator's result list: results made on transformed data go back to
// drawn numbers through the ranking of the period they were filtered for, once.
#include <QAction>
#include <QMenu>
#include <QTableView>
#include <QtTest>

#include "core/datatransform.h"
#include "core/workspace.h"
#include "generator/generator.h"
#include "support/uifixture.h"
#include "ui/generator/zh_results.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct Results {
    Results() : ws(folder.path()), view(ws, results, prompts, files) {
        initialiseWorkspace(ws, folder.settings);
        prepareHistoryAfterStart(ws);
        view.show();
    }
    QAction* restore() const { return view.popup()->findChild<QAction*>(QStringLiteral("mi_restore")); }
    // What the popup offers when it opens.
    bool offered() {
        Q_EMIT view.popup()->aboutToShow();
        return restore()->isEnabled();
    }
    void setTickets(std::initializer_list<Ticket> tickets) {
        results.tickets = tickets;
        results.tags.assign(results.tickets.size(), 0);
    }

    test::ProgramFolder folder{true};
    Workspace ws;
    MainResults results;
    test::FakePrompts prompts;
    test::FakeFileChooser files;
    ZhResults view;
};

}  // namespace

class TestResultRestore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void restoresThroughTheFilteredPeriodsRanking();
    void loadedFilesUseTheUndrawnPeriod();
    void offeredOnlyForTransformedLists();
};

void TestResultRestore::restoresThroughTheFilteredPeriodsRanking() {
    Results r;
    QVERIFY(applyTransform(r.ws, 1));
    r.setTickets({Ticket{1, 2, 3, 5, 7, 8, 0, 0}, Ticket{1, 2, 3, 4, 5, 33, 0, 0}});
    r.view.listFilteredFor(2003003);  // numbered through R(2) = 12 10 28 26 13 11 01 02 ..
    QVERIFY(r.offered());
    // The transform changes meanwhile: the list still maps through the ranking it was made with.
    QVERIFY(applyTransform(r.ws, 2));
    r.restore()->trigger();
    QCOMPARE(r.results.tickets[0], (Ticket{1, 2, 10, 12, 13, 28, 0, 0}));
    QCOMPARE(r.results.tickets[1], (Ticket{10, 12, 13, 26, 28, 33, 0, 0}));
    QCOMPARE(r.view.grid()->model()->index(0, 3).data().toString(), u("10"));
    // Now drawn numbers: no second restore.
    QVERIFY(!r.offered());
}

void TestResultRestore::loadedFilesUseTheUndrawnPeriod() {
    Results r;
    QVERIFY(applyTransform(r.ws, 3));
    test::writeFile(r.folder.file("places.txt"), "01 02 03 04 05 06 \r\n");
    r.files.names = {r.folder.qfile("places.txt")};
    r.view.loadResults();
    QVERIFY(r.offered());
    r.restore()->trigger();
    const std::vector<int32_t> undrawn = undrawnRanking(r.ws);
    std::vector<int> expected(undrawn.begin(), undrawn.begin() + 6);
    std::sort(expected.begin(), expected.end());
    for (int i = 0; i < 6; ++i) QCOMPARE(int(r.results.tickets[0][i]), expected[static_cast<size_t>(i)]);
}

void TestResultRestore::offeredOnlyForTransformedLists() {
    Results r;
    r.setTickets({Ticket{1, 2, 3, 4, 5, 6, 0, 0}});
    r.view.listFilteredFor(0);
    QVERIFY(!r.offered());  // made on the raw numbers
    QVERIFY(applyTransform(r.ws, 1));
    QVERIFY(!r.offered());  // still the raw numbers' list
    r.view.listFilteredFor(0);
    QVERIFY(r.offered());
    QVERIFY(applyTransform(r.ws, 0));
    QVERIFY(!r.offered());  // no transform applied
    r.results.tickets.clear();
    QVERIFY(applyTransform(r.ws, 1));
    r.view.listFilteredFor(0);
    QVERIFY(!r.offered());  // nothing to restore
}

QTEST_MAIN(TestResultRestore)
#include "test_zh_restore.moc"
