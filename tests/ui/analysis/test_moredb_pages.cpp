// The pages of "更多图表" on the real 双色球 history and on a seven-number game (七乐彩), with the
// hand-offs going to a recording fake.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "analysis/analysisseries.h"
#include "core/drawtext.h"
#include "core/workspace.h"
#include "support/uifixture.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysispages.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/moredb_combined.h"
#include "ui/analysis/moredb_texttable.h"
#include "ui/common/handoff.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

// Records what the pages hand over.
class RecordingHandOff : public GeneratorHandOff, public AnalysisOpener {
public:
    Status addSelfSet(tselfcond) override { return record("self"); }
    Status addTail(tselfcond) override { return record("tail"); }
    Status addCustom(const std::string& formula, std::vector<int32_t>, bool) override {
        return record("custom:" + formula);
    }
    void putCustomFormula(const std::string& formula) override { calls.push_back("formula:" + formula); }
    void showConditions() override { calls.push_back("show"); }
    void openAnalysis(const AnalysisSeries& series, bool modal) override {
        calls.push_back(std::string(modal ? "modal:" : "docked:") + series.caption);
        lastSeries = series;
    }

    std::vector<std::string> calls;
    AnalysisSeries lastSeries;

private:
    Status record(const std::string& what) {
        calls.push_back(what);
        return Status::success();
    }
};

// "更多图表" over the seeded 双色球 folder, every page built.
struct MoreCharts {
    explicit MoreCharts(bool withHandOffs = true) : ws(folder.path()) {
        initialiseWorkspace(ws, folder.settings);
        AnalysisContext context{
            ws,
            prompts,
            files,
            shell,
            folder.settings,
            [this, withHandOffs]() -> GeneratorHandOff* { return withHandOffs ? &handOff : nullptr; },
            [this, withHandOffs]() -> AnalysisOpener* { return withHandOffs ? &handOff : nullptr; }};
        addMoreChartPages(window, context);
        window.resize(1100, 700);
        window.show();
    }
    // Replaces the history with 七乐彩's real draws (7 of 1..30 and one special number) in memory.
    void useSevenNumberGame() {
        ws.game = {7, 1, 30, 1, 1, 30, true};
        ws.partitions.rebuild(30);
        ws.sjk.Clear(false);
        for (const DrawRecord& record : parseDrawText(test::readFile(test::samplePath("qlc.txt")), 8).records) {
            ws.sjk.Append();
            ws.sjk.setRecord(ws.sjk.RecNo(), record);
        }
        window.typeChanged();
    }
    template <class T>
    T* child(const QString& name) {
        return window.findChild<T*>(name);
    }
    QString shown(QTableView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }

    test::ProgramFolder folder{true};
    Workspace ws;
    test::FakePrompts prompts;
    test::FakeFileChooser files;
    test::FakeShell shell;
    RecordingHandOff handOff;
    Tf_moredb window;
};

}  // namespace

class TestMoreCharts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void combinedPatternsOnTheRealHistory() {
        MoreCharts m;
        auto* page = static_cast<CombinedPatternsView*>(m.window.page(u("综合形态")));
        QVERIFY(page);
        QCOMPARE(m.window.tabs()->currentWidget(), page);
        QTableView* view = page->view();
        const int rows = static_cast<int>(m.ws.sjk.RecordCount());
        QCOMPARE(view->model()->rowCount(), rows);
        // Tails (the default) and "大小": the first draw 10 11 12 13 26 28 + 11.
        const QStringList header{u("期号"),      u("开奖号码"),   u("红号1尾"),   u("红号2尾"),
                                 u("红号3尾"),   u("红号4尾"),    u("红号5尾"),   u("红号6尾"),
                                 u("蓝号尾"),    u("间隔数的尾"), u("红号间1尾"), u("红号间2尾"),
                                 u("红号间3尾"), u("红号间4尾"),  u("红号间5尾"), u("红号间6尾")};
        QCOMPARE(view->model()->columnCount(), int(header.size()));
        for (int c = 0; c < header.size(); ++c)
            QCOMPARE(view->model()->headerData(c, Qt::Horizontal).toString(), header[c]);
        const QStringList first{
            u("2003001"), u("10 11 12 13 26 28 -11 "), u("0"), u("0"), u("0"), u("0"), u("1"), u("1"),
            u("0"),       u("0  0  0  2  1  4  "),     u("0"), u("0"), u("0"), u("0"), u("0"), u("0")};
        for (int c = 0; c < first.size(); ++c) QCOMPARE(m.shown(view, 0, c), first[c]);
        // The newest draw 01 04 16 22 26 31 + 04 is the last row, selected.
        QCOMPARE(m.shown(view, rows - 1, 1), u("01 04 16 22 26 31 -04 "));
        QCOMPARE(m.shown(view, rows - 1, 9), u("2  1  5  3  4  2  "));
        QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), rows - 1);
        // Class cells are coloured by their value, the other columns white.
        QCOMPARE(view->model()->index(0, 6).data(Qt::BackgroundRole).value<QColor>(), classColour(1));
        QCOMPARE(view->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
        // A handful of rows agree with the engine cell by cell.
        for (int row : {1, 500, 1800, rows - 2})
            for (int c = 0; c < header.size(); ++c)
                QCOMPARE(m.shown(view, row, c), QString::fromStdString(page->table().cell(row, c)));
    }

    void combinedPatternOptionsRebuildTheTable() {
        MoreCharts m;
        auto* page = static_cast<CombinedPatternsView*>(m.window.page(u("综合形态")));
        QTableView* view = page->view();
        m.child<QCheckBox>(u("cb_zhxt_tails"))->setChecked(false);
        // Without tails: the numbers themselves against b2(1) = 16, gaps with two digits.
        QCOMPARE(view->model()->columnCount(), 2 + 6 + 1 + 6);
        QCOMPARE(view->model()->headerData(2, Qt::Horizontal).toString(), u("红号1"));
        QCOMPARE(view->model()->headerData(8, Qt::Horizontal).toString(), u("间隔数"));
        QCOMPARE(m.shown(view, 0, 8), u("00 00 00 12 01 14 "));
        QCOMPARE(m.shown(view, 0, 5), u("0"));  // 13
        QCOMPARE(m.shown(view, 0, 6), u("1"));  // 26
        // "除" n "余数": the n list counts only while its option is chosen.
        QComboBox* divisor = m.child<QComboBox>(u("cb_zhxt_divisor"));
        divisor->setCurrentIndex(divisor->findText(u("8")));
        QCOMPARE(m.shown(view, 0, 6), u("1"));
        m.child<QRadioButton>(u("rb_zhxt_7"))->setChecked(true);
        QCOMPARE(m.shown(view, 0, 6), u("2"));  // 26 mod 8
        divisor->setCurrentIndex(divisor->findText(u("10")));
        QCOMPARE(m.shown(view, 0, 6), u("6"));
        m.child<QRadioButton>(u("rb_zhxt_2"))->setChecked(true);  // "奇偶": 11 is odd
        QCOMPARE(m.shown(view, 0, 3), u("0"));
        QCOMPARE(m.shown(view, 0, 4), u("1"));
        // "隐掉间隔数" empties the gap text and hides its column.
        QVERIFY(!view->isColumnHidden(8));
        m.child<QCheckBox>(u("cb_zhxt_hidegaps"))->setChecked(true);
        QVERIFY(view->isColumnHidden(8));
        QCOMPARE(m.shown(view, 0, 8), QString());
    }

    void combinedPatternsOnASevenNumberGame() {
        MoreCharts m;
        m.useSevenNumberGame();
        auto* page = static_cast<CombinedPatternsView*>(m.window.page(u("综合形态")));
        QTableView* view = page->view();
        QCOMPARE(view->model()->rowCount(), int(m.ws.sjk.RecordCount()));
        QCOMPARE(view->model()->columnCount(), 2 + 8 + 1 + 7);
        // 2007001: 04 14 19 22 26 29 30 + 11; gaps 9 4 2 3 2 0 and 30 - 30 + 4 - 1 = 3.
        QCOMPARE(m.shown(view, 0, 1), u("04 14 19 22 26 29 30 -11 "));
        QCOMPARE(m.shown(view, 0, 10), u("9  4  2  3  2  0  3  "));
        QImage image(m.window.size(), QImage::Format_ARGB32_Premultiplied);
        m.window.render(&image);
    }
};

QTEST_MAIN(TestMoreCharts)
#include "test_moredb_pages.moc"
