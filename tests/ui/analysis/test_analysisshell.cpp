// The shells of the analysis windows: the tab order of their pages and when a page computes. (What
// the views hand to the generator, and its refusals, is checked with the views that do it.)
#include <QTabWidget>
#include <QTest>

#include "ui/analysis/analysisshell.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

class CountingPage : public AnalysisPage {
public:
    using AnalysisPage::AnalysisPage;
    void refresh() override { ++refreshes; }
    int refreshes = 0;
};

}  // namespace

class TestAnalysisShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagesTakeTheirPlaceInTheTabOrder() {
        Tf_fxd window;
        QCOMPARE(window.pageCount(), 0);
        auto* omission = new CountingPage;
        auto* rows = new CountingPage;
        auto* spacing = new CountingPage;
        QVERIFY(window.addPage(u("红号遗漏图表"), omission));
        QVERIFY(window.addPage(u("间隔分析"), spacing));
        QVERIFY(window.addPage(u("行列式"), rows));
        QVERIFY(!window.addPage(u("行列式"), new CountingPage(&window)));  // taken
        QVERIFY(!window.addPage(u("没有这页"), new CountingPage(&window)));
        QCOMPARE(window.tabs()->count(), 3);
        QCOMPARE(window.tabs()->tabText(0), u("行列式"));
        QCOMPARE(window.tabs()->tabText(1), u("红号遗漏图表"));
        QCOMPARE(window.tabs()->tabText(2), u("间隔分析"));
        QCOMPARE(Tf_fxd::pageCaptions().size(), 19);
        QCOMPARE(Tf_moredb::pageCaptions().size(), 6);
    }

    void aPageComputesWhenShownAfterAChange() {
        Tf_moredb window;
        auto* first = new CountingPage;
        auto* second = new CountingPage;
        window.addPage(u("综合形态"), first);
        window.addPage(u("相生相克"), second);
        window.show();
        QCOMPARE(first->refreshes, 1);   // shown: computed
        QCOMPARE(second->refreshes, 0);  // hidden: nothing
        window.historyChanged();
        QCOMPARE(first->refreshes, 2);  // visible: at once
        QCOMPARE(second->refreshes, 0);
        window.showPage(u("相生相克"));
        QCOMPARE(second->refreshes, 1);
        window.showPage(u("综合形态"));
        QCOMPARE(first->refreshes, 2);  // nothing changed since: kept
        window.typeChanged();
        QCOMPARE(first->refreshes, 3);
        QVERIFY(second->stale());
    }
};

QTEST_MAIN(TestAnalysisShell)
#include "test_analysisshell.moc"
