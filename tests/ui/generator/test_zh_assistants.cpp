// The generator's filter assistants ("过滤助手"): a value chooser's indicator, the self-set and
// tail groups, each shown in the indicator analysis (a recording stand-in) over the real history.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "analysis/filterassistant.h"
#include "analysis/arrangement.h"
#include "core/workspace.h"
#include "support/uifixture.h"
#include "ui/common/handoff.h"
#include "ui/generator/f_selfcond.h"
#include "ui/generator/f_wsset.h"
#include "ui/generator/zh_dialogs.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

class RecordingAnalysis : public AnalysisOpener {
public:
    void openAnalysis(const AnalysisSeries& series, bool modal) override {
        shown.push_back(series);
        modals.push_back(modal);
    }
    void openDerived(DerivedStore, ValueRange, const std::string&) override {}
    void analyseIndicator(const std::string&, const std::string&) override {}
    std::vector<AnalysisSeries> shown;
    std::vector<bool> modals;
};

struct Assisted {
    Assisted() : ws(folder.path()) { initialiseWorkspace(ws, folder.settings); }
    test::ProgramFolder folder{true};
    Workspace ws;
    test::FakePrompts prompts;
    RecordingAnalysis analysis;
    QWidget owner;
};

}  // namespace

class TestFilterAssistants : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void indicatorAssistantShowsTheSeries() {
        Assisted a;
        DialogGeneratorDialogs dialogs(a.prompts, &a.owner);
        QVERIFY2(!dialogs.indicatorAssistant("z_hz", "主区和值"), "no analysis: no assistant");
        dialogs.setAnalysis(&a.ws, [&a]() -> AnalysisOpener* { return &a.analysis; });
        const std::function<void()> assistant = dialogs.indicatorAssistant("z_hz", "主区和值");
        QVERIFY(assistant);
        assistant();
        QCOMPARE(a.analysis.shown.size(), size_t(1));
        const AnalysisSeries& s = a.analysis.shown[0];
        QCOMPARE(s.caption, std::string("主区和值（过滤助手）"));
        QVERIFY(a.analysis.modals[0]);
        QCOMPARE(s.values.size(), size_t(a.ws.sjk.RecordCount() + 1));
        // One value per record, in its place: 2026096 (01 04 16 22 26 31) sums to 100 like the two
        // draws before it and the first draw; 2003002 (04 09 19 20 21 26) sums to 99.
        QCOMPARE(s.values.back(), 100);
        QCOMPARE(s.values[2], 99);
        QCOMPARE(s.range.lo, *std::min_element(s.values.begin() + 1, s.values.end()));

        dialogs.indicatorAssistant("z_hz+(", "坏")();
        QCOMPARE(a.analysis.shown.size(), size_t(1));
        QCOMPARE(a.prompts.warned.size(), 1);
        QVERIFY(a.prompts.warned[0].startsWith(u("公式有误:")));
    }

    void groupAssistants() {
        Assisted a;
        const AssistantSeries self = selfSetAssistant(a.ws, {1, 4});
        QCOMPARE(self.series.caption, std::string("号码组：01,04, 的出现奖号个数走势图（过滤助手）"));
        QCOMPARE(self.series.range, (ValueRange{0, 6}));
        QCOMPARE(self.series.values.back(), 2);
        const AssistantSeries tails = tailAssistant(a.ws, {1, 6}, true);
        QCOMPARE(tails.series.caption, std::string("尾号组：1,6, 的出现个数走势图（过滤助手）(相同尾数仅计算一次)"));
        QCOMPARE(tails.series.values.back(), 2);  // 01, 16, 26, 31: tails 1 and 6 once each
        QCOMPARE(tailAssistant(a.ws, {1, 6}, false).series.values.back(), 4);
    }

    void selfSetAndTailDialogsOfferTheirAssistant() {
        Assisted a;
        Tf_selfcond self(a.prompts);
        self.setup(33, 6, nullptr);
        auto* button = self.findChild<QPushButton*>(QStringLiteral("b_assistant"));
        QVERIFY(!button->isEnabled());
        std::vector<tselfcond> asked;
        self.setAssistant([&asked](const tselfcond& entry) { asked.push_back(entry); });
        QVERIFY(button->isEnabled());
        button->click();
        QCOMPARE(a.prompts.warned, QStringList{u("未选择号码")});
        auto* list = self.findChild<QListWidget*>(QStringLiteral("lb_numbers"));
        list->item(2)->setCheckState(Qt::Checked);
        list->item(9)->setCheckState(Qt::Checked);
        button->click();
        QCOMPARE(asked.size(), size_t(1));
        QCOMPARE(asked[0].numbers, (std::vector<uint8_t>{3, 10}));

        Tf_wsset tail(a.prompts);
        tail.setup(6, nullptr);
        auto* tailButton = tail.findChild<QPushButton*>(QStringLiteral("b_assistant"));
        QVERIFY(!tailButton->isEnabled());
        tail.setAssistant([&asked](const tselfcond& entry) { asked.push_back(entry); });
        QVERIFY(tailButton->isEnabled());
    }
};

QTEST_MAIN(TestFilterAssistants)
#include "test_zh_assistants.moc"
