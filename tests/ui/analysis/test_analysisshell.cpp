// The shells of the analysis windows and the hand-off to the generator, with recording fakes.
#include <QTabWidget>
#include <QTest>

#include "analysis/analysisseries.h"
#include "ui/analysis/analysisshell.h"
#include "ui/common/handoff.h"
#include "recordinghandoff.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

class CountingPage : public AnalysisPage {
public:
    using AnalysisPage::AnalysisPage;
    void refresh() override { ++refreshes; }
    int refreshes = 0;
};

using test::RecordingHandOff;

// What a view does with a hand-off: its success text only on success, else the refusal.
QString exportThrough(GeneratorHandOff& handOff, tselfcond entry) {
    const Status added = handOff.addSelfSet(std::move(entry));
    return added ? u("现已成功导出到超强组号的自设条件中") : QString::fromStdString(added.message);
}

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

    void handOffsSaySuccessOnlyOnSuccess() {
        RecordingHandOff handOff;
        tselfcond entry;
        entry.numbers = {1, 2};
        entry.allowed = {1};
        QCOMPARE(exportThrough(handOff, entry), u("现已成功导出到超强组号的自设条件中"));
        QCOMPARE(exportThrough(handOff, tselfcond{}), u("empty"));
        QVERIFY(handOff.addCustom("z_hz", {1}, false).ok);
        QCOMPARE(exportThrough(handOff, entry), u("最多可添加2注"));
        AnalysisSeries series;
        series.caption = "和值";
        static_cast<AnalysisOpener&>(handOff).openAnalysis(series, true);
        QCOMPARE(handOff.calls, (std::vector<std::string>{"self", "custom:z_hz", "modal:和值"}));
    }
};

QTEST_MAIN(TestAnalysisShell)
#include "test_analysisshell.moc"
