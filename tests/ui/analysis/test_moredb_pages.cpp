// The pages of "更多图表" on the real 双色球 history and on a seven-number game (七乐彩), with the
// hand-offs going to a recording fake.
#include <algorithm>
#include <QButtonGroup>
#include <filesystem>
#include <functional>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "analysis/analysisseries.h"
#include "core/drawtext.h"
#include "core/gbktext.h"
#include "core/workspace.h"
#include "support/uifixture.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysispages.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/moredb_association.h"
#include "ui/analysis/moredb_chartpages.h"
#include "ui/analysis/moredb_combined.h"
#include "ui/analysis/moredb_indicatorchoice.h"
#include "ui/analysis/moredb_pairs.h"
#include "ui/analysis/moredb_texttable.h"
#include "ui/common/cellpictures.h"
#include "ui/common/handoff.h"
#include "ui/generator/f_getchoiceextend_plus.h"

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
    bool composeSelfSet() override {
        calls.push_back("compose");
        return true;
    }
    void openAnalysis(const AnalysisSeries& series, bool modal) override {
        calls.push_back(std::string(modal ? "modal:" : "docked:") + series.caption);
        lastSeries = series;
    }
    void openDerived(DerivedStore store, ValueRange range, const std::string& caption) override {
        calls.push_back("derived:" + caption);
        lastDerived = std::move(store);
        lastRange = range;
    }
    void analyseIndicator(const std::string& identifier, const std::string&) override {
        calls.push_back("analyse:" + identifier);
    }

    std::vector<std::string> calls;
    AnalysisSeries lastSeries;
    DerivedStore lastDerived;
    ValueRange lastRange;

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
        pictures.load(QString::fromStdString(ws.folder));
        AnalysisContext context{
            ws,
            prompts,
            files,
            shell,
            folder.settings,
            [this, withHandOffs]() -> GeneratorHandOff* { return withHandOffs ? &handOff : nullptr; },
            [this, withHandOffs]() -> AnalysisOpener* { return withHandOffs ? &handOff : nullptr; },
            &pictures};
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
    CellPictures pictures;
    Tf_moredb window;
};

// How often x and y were drawn together in records from..to (1-based), counted from the records.
int together(const t_s_dm& store, int k, int from, int to, int x, int y) {
    int count = 0;
    for (int n = from; n <= to; ++n) {
        const int32_t* r = store.record(n);
        bool hasX = false, hasY = false;
        for (int p = 1; p <= k; ++p) {
            hasX = hasX || r[p] == x;
            hasY = hasY || r[p] == y;
        }
        count += hasX && hasY;
    }
    return count;
}

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
        // The newest draw 2026096: 05 14 17 24 26 28 29 + 16; gaps 8 2 6 1 1 0 and 30 - 29 + 5 - 1 = 5.
        const int last = view->model()->rowCount() - 1;
        QCOMPARE(m.shown(view, last, 0), u("2026096"));
        QCOMPARE(m.shown(view, last, 1), u("05 14 17 24 26 28 29 -16 "));
        QCOMPARE(m.shown(view, last, 10), u("8  2  6  1  1  0  5  "));
        // Painted: the view's cells carry text and their class colours.
        QImage image(m.window.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        m.window.render(&image);
        const QRect cells(view->viewport()->mapTo(&m.window, QPoint(0, 0)), view->viewport()->size());
        int dark = 0, tinted = 0;
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            for (int x = cells.left(); x <= cells.right(); ++x) {
                const QRgb p = image.pixel(x, y);
                dark += qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80;
                tinted += p != qRgb(255, 255, 255) && std::max({qRed(p), qGreen(p), qBlue(p)}) -
                                                              std::min({qRed(p), qGreen(p), qBlue(p)}) > 30;
            }
        QVERIFY(dark > 100);
        QVERIFY(tinted > 100);
    }

    void associationFollowsThePositionBoxes() {
        MoreCharts m;
        m.window.showPage(u("关联分析"));
        auto* page = static_cast<AssociationView*>(m.window.page(u("关联分析")));
        QTableView* view = page->view();
        QCOMPARE(view->model()->rowCount(), int(m.ws.sjk.RecordCount()));  // nothing chosen: every draw
        QCOMPARE(view->model()->columnCount(), 2 * (6 + 1 + 1));
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), u("本期期号"));
        QCOMPARE(view->model()->headerData(8, Qt::Horizontal).toString(), u("下期期号"));
        // The first draw beside the second.
        QCOMPARE(m.shown(view, 0, 0), u("2003001"));
        QCOMPARE(m.shown(view, 0, 8), u("2003002"));
        QCOMPARE(m.shown(view, 0, 9), u("04"));
        // The newest draw has no next draw.
        const int rows = view->model()->rowCount();
        QCOMPARE(m.shown(view, rows - 1, 8), QString());
        QCOMPARE(page->caption()->text(), u("本期系列一共有%1条;下期系列一共有%2条").arg(rows).arg(rows - 1));
        // Box 1 at "05": bound, only draws whose first number is 05; unbound, any main position.
        m.child<QComboBox>(u("cb_glfx_pos1"))
            ->setCurrentIndex(m.child<QComboBox>(u("cb_glfx_pos1"))->findText(u("05")));
        const int bound = view->model()->rowCount();
        QVERIFY(bound > 0);
        for (int r = 0; r < bound; ++r) QCOMPARE(m.shown(view, r, 1), u("05"));
        m.child<QCheckBox>(u("cb_glfx_unbound"))->setChecked(true);
        const int unbound = view->model()->rowCount();
        QVERIFY(unbound > bound);
        for (int r = 0; r < unbound; ++r) {
            bool holds = false;
            for (int c = 1; c <= 6; ++c) holds = holds || m.shown(view, r, c) == u("05");
            QVERIFY(holds);
        }
        // The period tail narrows further.
        m.child<QComboBox>(u("cb_glfx_tail"))->setCurrentIndex(m.child<QComboBox>(u("cb_glfx_tail"))->findText(u("7")));
        QVERIFY(view->model()->rowCount() < unbound);
        for (int r = 0; r < view->model()->rowCount(); ++r) QVERIFY(m.shown(view, r, 0).endsWith(u("7")));
    }

    void associationSlotsTakeEffectWithOk() {
        MoreCharts m;
        m.window.showPage(u("关联分析"));
        auto* page = static_cast<AssociationView*>(m.window.page(u("关联分析")));
        ValueChoice offered;
        std::vector<int> tick;  // the values the user ticks; empty: cancelled
        bool assist = false;
        page->setDialogRunner([&](QDialog& dialog) {
            auto& chooser = static_cast<Tf_getchoiceextend_plus&>(dialog);
            offered = chooser.choice();
            if (assist) {
                // "过滤助手" shows the slot's indicator over the history in the indicator analysis.
                auto* assistant = chooser.findChild<QPushButton*>(u("b_assistant"));
                [&] { QVERIFY(assistant && assistant->isEnabled()); }();
                assistant->click();
            }
            if (tick.empty()) return int(QDialog::Rejected);
            for (int v : tick) chooser.valueList()->item(v)->setCheckState(Qt::Checked);
            return int(QDialog::Accepted);
        });
        QCheckBox* first = m.child<QCheckBox>(u("cb_glfx_slot1"));
        QCheckBox* second = m.child<QCheckBox>(u("cb_glfx_slot2"));
        QCheckBox* third = m.child<QCheckBox>(u("cb_glfx_slot3"));
        QVERIFY(!second->isEnabled());
        first->setChecked(true);
        QVERIFY(second->isEnabled());
        QVERIFY(!third->isEnabled());
        second->setChecked(true);
        QVERIFY(third->isEnabled());
        first->setChecked(false);  // unticks and disables the slots after it
        QVERIFY(!second->isChecked());
        QVERIFY(!second->isEnabled());
        first->setChecked(true);
        m.child<QLineEdit>(u("e_glfx_expr1"))->setText(u("z_hz"));
        QTableView* view = page->view();
        const int before = view->model()->columnCount();
        // Cancelled: nothing changes.
        QTest::mouseClick(m.child<QPushButton>(u("b_glfx_pick1")), Qt::LeftButton);
        QCOMPARE(m.child<QLineEdit>(u("e_glfx_values1"))->text(), QString());
        QCOMPARE(view->model()->columnCount(), before);  // not before "确定"
        QTest::mouseClick(m.child<QPushButton>(u("b_glfx_ok")), Qt::LeftButton);
        QCOMPARE(view->model()->columnCount(), before + 2);
        QCOMPARE(view->model()->headerData(8, Qt::Horizontal).toString(), u("指标1"));
        // 2003001: 10 + 11 + 12 + 13 + 26 + 28 = 100, and the next draw 04 09 19 20 21 26 sums to 99.
        QCOMPARE(m.shown(view, 0, 8), u("100"));
        QCOMPARE(m.shown(view, 0, 9 + 8), u("99"));
        assist = true;
        QTest::mouseClick(m.child<QPushButton>(u("b_glfx_pick1")), Qt::LeftButton);
        QCOMPARE(m.handOff.calls.back(), std::string("modal:z_hz（过滤助手）"));
        QCOMPARE(m.handOff.lastSeries.values[1], 100);
        assist = false;
        // Allowed values keep only those sums once "确定" is pressed.
        tick = {102, 100, 101};
        QTest::mouseClick(m.child<QPushButton>(u("b_glfx_pick1")), Qt::LeftButton);
        QCOMPARE(offered.lo, 0);
        QCOMPARE(offered.hi, 1000);
        QCOMPARE(offered.reference, std::optional<int32_t>(0));
        QCOMPARE(m.child<QLineEdit>(u("e_glfx_values1"))->text(), u("100  101  102  "));
        QTest::mouseClick(m.child<QPushButton>(u("b_glfx_ok")), Qt::LeftButton);
        QVERIFY(view->model()->rowCount() > 0);
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            const int sum = m.shown(view, r, 8).toInt();
            QVERIFY2(sum >= 100 && sum <= 102, qPrintable(m.shown(view, r, 0)));
        }
    }

    void associationHandsAColumnToTheAnalysis() {
        MoreCharts m;
        m.window.showPage(u("关联分析"));
        auto* page = static_cast<AssociationView*>(m.window.page(u("关联分析")));
        m.child<QComboBox>(u("cb_glfx_pos1"))
            ->setCurrentIndex(m.child<QComboBox>(u("cb_glfx_pos1"))->findText(u("01")));
        const int rows = page->view()->model()->rowCount();
        page->analyseColumn(0);  // the period column: ignored
        page->analyseColumn(8);  // "下期期号": ignored
        QVERIFY(m.handOff.calls.empty());
        page->analyseColumn(9);  // the next draw's first number
        QCOMPARE(m.handOff.calls, (std::vector<std::string>{"derived:红号1"}));
        const int next = rows - (page->view()->model()->index(rows - 1, 8).data().toString().isEmpty() ? 1 : 0);
        QCOMPARE(m.handOff.lastDerived.count(), next);
        QCOMPARE(m.handOff.lastDerived.values()[1], page->view()->model()->index(0, 9).data().toString().toInt());
        QVERIFY(m.handOff.lastRange.lo <= m.handOff.lastRange.hi);
    }

    void withoutTheAnalysisTheDetailSaysSo() {
        MoreCharts m(false);
        m.window.showPage(u("关联分析"));
        auto* page = static_cast<AssociationView*>(m.window.page(u("关联分析")));
        page->analyseColumn(3);
        QCOMPARE(m.prompts.informed.size(), 1);
        QVERIFY(m.handOff.calls.empty());
    }

    void associationExportWritesTheNextDraws() {
        MoreCharts m;
        m.window.showPage(u("关联分析"));
        auto* page = static_cast<AssociationView*>(m.window.page(u("关联分析")));
        m.child<QComboBox>(u("cb_glfx_pos1"))
            ->setCurrentIndex(m.child<QComboBox>(u("cb_glfx_pos1"))->findText(u("10")));
        m.child<QComboBox>(u("cb_glfx_pos2"))
            ->setCurrentIndex(m.child<QComboBox>(u("cb_glfx_pos2"))->findText(u("11")));
        const QString name = m.folder.qfile("next");
        m.files.names = {name, m.folder.qfile("next6.txt")};
        m.prompts.answers = {true, false};
        QTest::mouseClick(m.child<QPushButton>(u("b_glfx_export")), Qt::LeftButton);
        QCOMPARE(m.files.titles.value(0), u("导出到文本文件"));
        QCOMPARE(m.files.filters.value(0), u("文本文件 (*.txt)"));
        QVERIFY(m.prompts.asked.value(0).endsWith(u("是否有蓝号，如果有蓝号请选yes,如果没有请选no.")));
        const std::string seven = test::readFile(m.folder.file("next.txt"));
        // The first row is 2003001 (10 11 ...): its next draw 2003002.
        QVERIFY(seven.rfind("2003002 04 09 19 20 21 26 12 \r\n", 0) == 0);
        page->exportNextDraws();
        const std::string six = test::readFile(m.folder.file("next6.txt"));
        QVERIFY(six.rfind("2003002 04 09 19 20 21 26 \r\n", 0) == 0);
    }

    void associationOnASevenNumberGame() {
        MoreCharts m;
        m.useSevenNumberGame();
        m.window.showPage(u("关联分析"));
        auto* page = static_cast<AssociationView*>(m.window.page(u("关联分析")));
        QTableView* view = page->view();
        QCOMPARE(view->model()->columnCount(), 2 * (7 + 1 + 1));
        // Box 8 does not exist; box 7 tests the seventh main number.
        m.child<QComboBox>(u("cb_glfx_pos7"))
            ->setCurrentIndex(m.child<QComboBox>(u("cb_glfx_pos7"))->findText(u("30")));
        for (int r = 0; r < view->model()->rowCount(); ++r) QCOMPARE(m.shown(view, r, 7), u("30"));
        QVERIFY(view->model()->rowCount() > 0);
    }

    void pairsCountTheRecentDraws() {
        MoreCharts m;
        m.window.showPage(u("相生相克"));
        auto* page = static_cast<PairsView*>(m.window.page(u("相生相克")));
        QTableView* grid = page->grid();
        QCOMPARE(grid->model()->rowCount(), 33);
        QCOMPARE(grid->model()->columnCount(), 33);
        QCOMPARE(grid->model()->headerData(32, Qt::Horizontal).toString(), u("33"));
        const int last = m.ws.sjk.RecordCount();
        for (auto [x, y] : {std::pair{1, 2}, {3, 17}, {14, 22}, {30, 33}}) {
            const int expected = together(m.ws.sjk, 6, last - 99, last, x, y);
            QCOMPARE(grid->model()->index(x - 1, y - 1).data().toString().toInt(), expected);
            QCOMPARE(grid->model()->index(y - 1, x - 1).data().toString().toInt(), expected);
        }
        QCOMPARE(grid->model()->index(4, 4).data().toString(), QString());  // the diagonal
        // Lists and their labels: together above 6, apart below 1.
        QListWidget* high = page->togetherList();
        QListWidget* low = page->apartList();
        QCOMPARE(m.child<QLabel>(u("l_xsxk_together"))->text(), u("相生[%1]").arg(high->count()));
        QCOMPARE(m.child<QLabel>(u("l_xsxk_apart"))->text(), u("相克[%1]").arg(low->count()));
        for (int i = 0; i < high->count(); ++i) {
            const QString entry = high->item(i)->text();  // "03:17==>9次"
            QVERIFY(entry.mid(8, entry.size() - 9).toInt() > 6);
            const int x = entry.left(2).toInt(), y = entry.mid(3, 2).toInt();
            QCOMPARE(entry.mid(8, entry.size() - 9).toInt(), together(m.ws.sjk, 6, last - 99, last, x, y));
            QCOMPARE(grid->model()->index(x - 1, y - 1).data(Qt::BackgroundRole).value<QColor>(),
                     QColor(255, 110, 110));
        }
        // The together threshold 0: every pair drawn together at least once.
        QComboBox* threshold = m.child<QComboBox>(u("cb_xsxk_together"));
        threshold->setCurrentIndex(0);
        int drawn = 0;
        for (int y = 2; y <= 33; ++y)
            for (int x = 1; x < y; ++x) drawn += together(m.ws.sjk, 6, last - 99, last, x, y) > 0;
        QCOMPARE(high->count(), drawn);
        // "所有" moves the bar to its end; the bar writes its position into the list.
        QComboBox* count = m.child<QComboBox>(u("cb_xsxk_near"));
        QScrollBar* bar = m.child<QScrollBar>(u("sb_xsxk"));
        count->setCurrentIndex(count->findText(u("所有")));
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(bar->maximum(), last);
        QCOMPARE(page->pairs().window.count, last);
        bar->setValue(37);
        QCOMPARE(count->currentText(), u("37"));
        QCOMPARE(page->pairs().window.count, 37);
    }

    void pairsOverACustomWindow() {
        MoreCharts m;
        m.window.showPage(u("相生相克"));
        auto* page = static_cast<PairsView*>(m.window.page(u("相生相克")));
        QComboBox* from = m.child<QComboBox>(u("cb_xsxk_from"));
        QComboBox* to = m.child<QComboBox>(u("cb_xsxk_to"));
        const int last = m.ws.sjk.RecordCount();
        QCOMPARE(to->currentText(), QString::number(m.ws.sjk.record(last)[0]));
        QCOMPARE(from->currentText(), QString::number(m.ws.sjk.record(last - 99)[0]));
        m.child<QRadioButton>(u("rb_xsxk_self"))->setChecked(true);
        QCOMPARE(m.child<QLabel>(u("l_xsxk_total"))->text(), u("共100期"));
        from->setCurrentIndex(0);
        to->setCurrentIndex(9);
        QCOMPARE(m.child<QLabel>(u("l_xsxk_total"))->text(), u("共10期"));
        QCOMPARE(page->grid()->model()->index(9, 10).data().toString().toInt(), together(m.ws.sjk, 6, 1, 10, 10, 11));
        // A start after the end counts nothing: every pair is apart.
        from->setCurrentIndex(20);
        QCOMPARE(page->togetherList()->count(), 0);
        QCOMPARE(page->apartList()->count(), 33 * 32 / 2);
        m.child<QRadioButton>(u("rb_xsxk_near"))->setChecked(true);
        QCOMPARE(m.child<QLabel>(u("l_xsxk_total"))->text(), QString());
    }

    void pairFilterGoesToTheGenerator() {
        MoreCharts m;
        m.window.showPage(u("相生相克"));
        // The self-set dialog of the generator ("addforselfcond"), over this page and its pair lists.
        QTest::mouseClick(m.child<QPushButton>(u("b_xsxk_filter")), Qt::LeftButton);
        QCOMPARE(m.handOff.calls, (std::vector<std::string>{"compose"}));
        MoreCharts alone(false);
        alone.window.showPage(u("相生相克"));
        QTest::mouseClick(alone.child<QPushButton>(u("b_xsxk_filter")), Qt::LeftButton);
        QCOMPARE(alone.prompts.informed.size(), 1);
    }

    void pairsOnASevenNumberGame() {
        MoreCharts m;
        m.useSevenNumberGame();
        m.window.showPage(u("相生相克"));
        auto* page = static_cast<PairsView*>(m.window.page(u("相生相克")));
        QCOMPARE(page->grid()->model()->rowCount(), 30);
        const int last = m.ws.sjk.RecordCount();
        QCOMPARE(page->grid()->model()->index(0, 29).data().toString().toInt(),
                 together(m.ws.sjk, 7, last - 99, last, 1, 30));
        QCOMPARE(m.child<QScrollBar>(u("sb_xsxk"))->maximum(), last);
    }

    void chartPagesOpenOnBothGames() {
        for (bool seven : {false, true}) {
            MoreCharts m;
            if (seven) m.useSevenNumberGame();
            const int positions = m.ws.game.zhgs + m.ws.game.fhgs;
            for (const char* caption : {"特性分布", "扩展图表", "田野走势图"}) {
                m.window.showPage(u(caption));
                auto* page = static_cast<ChartPage*>(m.window.page(u(caption)));
                QVERIFY(page->isVisible());
                const t_s_grid& grid = page->grid();
                QVERIFY2(grid.dataRows() > 0, caption);
                // The newest draw stands on the second-to-last row, the selection row below it.
                QCOMPARE(grid.recordAt(grid.dataRows() - 2), int(m.ws.sjk.RecordCount()));
                QCOMPARE(grid.cell(0, grid.selectionRow()).text, std::string("选号区"));
                QImage image(page->size(), QImage::Format_ARGB32_Premultiplied);
                page->render(&image);
                if (qEnvironmentVariableIsSet("MOREDB_SHOTS"))
                    image.save(
                        u("%1/%2%3.png").arg(qEnvironmentVariable("MOREDB_SHOTS"), u(caption)).arg(seven ? 7 : 6));
            }
            auto* property = static_cast<ChartPage*>(m.window.page(u("特性分布")));
            QCOMPARE(int(property->data().blocks.size()), positions);
            // Grid cells agree with the engine for the rows in view.
            const t_s_grid& grid = property->grid();
            for (int row = 0; row + 1 < grid.dataRows(); ++row) {
                const int record = grid.recordAt(row);
                for (int b = 0; b < positions; ++b) {
                    const int column = property->data().blocks[size_t(b)].first + property->data().mark(record, b);
                    const int tail = m.ws.sjk.record(record)[b + 1] % 10;
                    QCOMPARE(grid.cell(column, grid.headerRows() + row).text, std::to_string(tail));
                    QVERIFY(grid.cell(column, grid.headerRows() + row).marked);
                }
            }
        }
    }

    void chartOptionsSelectionAndHighlight() {
        MoreCharts m;
        m.window.showPage(u("特性分布"));
        auto* page = static_cast<ChartPage*>(m.window.page(u("特性分布")));
        const t_s_grid& grid = page->grid();
        // A click on a data row highlights its record; a click on the selection row marks a class.
        page->clickCell(3, grid.headerRows());
        const int lit = grid.recordAt(0);
        QCOMPARE(page->highlightRecord(), lit);
        QVERIFY(grid.cell(5, grid.headerRows()).highlighted);
        page->clickCell(4, grid.selectionRow());
        QVERIFY(grid.cell(4, grid.selectionRow()).marked);
        QCOMPARE(grid.cell(4, grid.selectionRow()).text, std::string("3"));
        // Scrolling keeps both.
        const int first = page->firstRecord();
        page->scrollTo(first - 5);
        page->scrollTo(first);
        QVERIFY(grid.cell(4, grid.selectionRow()).marked);
        // "奇偶": the chart starts over.
        m.child<QRadioButton>(u("rb_txfb_1"))->setChecked(true);
        QCOMPARE(page->data().blocks[0].count, 2);
        QCOMPARE(page->highlightRecord(), 0);
        QVERIFY(!grid.cell(1, grid.selectionRow()).marked && !grid.cell(2, grid.selectionRow()).marked);
        const std::string parity = grid.cell(1, grid.headerRows()).text + grid.cell(2, grid.headerRows()).text;
        QVERIFY(parity == "奇" || parity == "偶");
        // The zone count of "扩展图表" counts only while its option is chosen.
        m.window.showPage(u("扩展图表"));
        auto* extended = static_cast<ChartPage*>(m.window.page(u("扩展图表")));
        QCOMPARE(extended->data().blocks.size(), size_t(7));
        m.child<QRadioButton>(u("rb_kztb_1"))->setChecked(true);
        QCOMPARE(extended->data().blocks.size(), size_t(3));
        QComboBox* zones = m.child<QComboBox>(u("cb_kztb_zones"));
        zones->setCurrentIndex(zones->findText(u("5")));
        QCOMPARE(extended->data().blocks.size(), size_t(5));
        QCOMPARE(extended->data().blocks[0].title, std::string("5-1分区个数"));
    }

    void automaticScrollingStops() {
        MoreCharts m;
        m.window.showPage(u("特性分布"));
        auto* page = static_cast<ChartPage*>(m.window.page(u("特性分布")));
        page->setScrollSpeed(300);
        page->scrollTo(10);
        page->startScrolling();
        QVERIFY(page->scrolling());
        QCOMPARE(page->scrollInterval(), 300);
        page->tick();
        QCOMPARE(page->firstRecord(), 11);
        // Upwards to the oldest record, where it stops.
        page->setScrollUp(true);
        for (int i = 0; i < 20; ++i) page->tick();
        QCOMPARE(page->firstRecord(), 1);
        QVERIFY(!page->scrolling());
        // Downwards it stops once the newest record is in view.
        page->setScrollUp(false);
        page->scrollTo(int(m.ws.sjk.RecordCount()) - 40);
        page->startScrolling();
        for (int i = 0; i < 60 && page->scrolling(); ++i) page->tick();
        QVERIFY(!page->scrolling());
        QVERIFY(page->grid().selectionRow() >= 0);
        // Another page shown: the next tick stops it.
        page->scrollTo(100);
        page->startScrolling();
        m.window.showPage(u("综合形态"));
        page->tick();
        QVERIFY(!page->scrolling());
        QCOMPARE(page->firstRecord(), 100);
    }

    void fieldChartTemplates() {
        MoreCharts m;
        // A malformed template 1 is named and left alone; template 0 is created with its default.
        const std::string bad = m.folder.file("save/mb_tyd1.jz");
        std::filesystem::create_directories(m.folder.file("save"));
        saveGbkText(bad, "坏\n3\n3\n1 2\n");
        const std::string before = test::readFile(bad);
        m.window.showPage(u("田野走势图"));
        auto* page = static_cast<FieldChartPage*>(m.window.page(u("田野走势图")));
        QVERIFY(std::filesystem::exists(m.folder.file("save/tyzsdstyle.txt")));
        QVERIFY(std::filesystem::exists(m.folder.file("save/mb_tyd0.jz")));
        QCOMPARE(m.child<QLineEdit>(u("e_tyzst_name"))->text(), u("田野走势图1"));
        QCOMPARE(m.child<QLineEdit>(u("e_tyzst_columns"))->text(), u("6"));
        QCOMPARE(page->grid().headerRows(), 7);
        QVERIFY(m.prompts.warned.isEmpty());
        m.child<QComboBox>(u("cb_tyzst_list"))->setCurrentIndex(1);
        QCOMPARE(m.prompts.warned.size(), 1);
        QVERIFY(m.prompts.warned[0].contains(u("mb_tyd1.jz")));
        QCOMPARE(test::readFile(bad), before);
        QCOMPARE(page->chosenTemplate(), defaultFieldTemplate("田野走势图2"));
        // A template of its own after "修改": 2 columns, 1 row.
        saveGbkText(bad, "两列\n2\n1\n1 99\n");
        QTest::mouseClick(m.child<QPushButton>(u("b_tyzst_reload")), Qt::LeftButton);
        QCOMPARE(m.child<QLineEdit>(u("e_tyzst_name"))->text(), u("两列"));
        QCOMPARE(page->grid().headerRows(), 2);
        QCOMPARE(page->data().blocks[0].count, 2);
        // 1 sits in the first column, every other number in the last.
        const t_s_grid& grid = page->grid();
        const int record = grid.recordAt(0);
        const int first = m.ws.sjk.record(record)[1];
        QVERIFY(grid.cell(first == 1 ? 1 : 2, grid.headerRows()).marked);
    }

    // Run with -iterations N to time a scroll step of a chart page with its paint (Release build).
    void aChartScrollStepAndItsPaint() {
        MoreCharts m;
        m.window.showPage(u("特性分布"));
        auto* page = static_cast<ChartPage*>(m.window.page(u("特性分布")));
        QImage image(page->canvas()->size(), QImage::Format_ARGB32_Premultiplied);
        int first = 100;
        QBENCHMARK {
            first = first % 3000 + 1;
            page->scrollTo(first);
            page->canvas()->render(&image);
        }
        // The page and its grid start at the last record scrolled to.
        QCOMPARE(page->firstRecord(), first);
        QCOMPARE(page->grid().recordAt(0), first);
    }

    // Run with -iterations N to time an option change of the combined patterns with its paint.
    void aCombinedPatternOptionChangeAndItsPaint() {
        MoreCharts m;
        QCheckBox* tails = m.child<QCheckBox>(u("cb_zhxt_tails"));
        QImage image(m.window.size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            tails->setChecked(!tails->isChecked());
            m.window.render(&image);
        }
        // The table follows the last state of the box: the first draw's gaps with or without tails.
        QTableView* view = static_cast<CombinedPatternsView*>(m.window.page(u("综合形态")))->view();
        if (tails->isChecked())
            QCOMPARE(m.shown(view, 0, 9), u("0  0  0  2  1  4  "));
        else
            QCOMPARE(m.shown(view, 0, 8), u("00 00 00 12 01 14 "));
    }

    void theIndicatorChoiceFillsASlot() {
        MoreCharts m;
        m.window.showPage(u("关联分析"));
        auto* page = static_cast<AssociationView*>(m.window.page(u("关联分析")));
        QPushButton* choose = m.child<QPushButton>(u("b_glfx_choose1"));
        QVERIFY(!choose->isEnabled());
        m.child<QCheckBox>(u("cb_glfx_slot1"))->setChecked(true);
        QVERIFY(choose->isEnabled());
        int answer = QDialog::Accepted;
        QString seen;
        std::function<void(IndicatorChoiceDialog&)> act = [](IndicatorChoiceDialog&) {};
        page->setDialogRunner([&](QDialog& dialog) {
            auto& choice = static_cast<IndicatorChoiceDialog&>(dialog);
            seen = choice.windowTitle();
            act(choice);
            return answer;
        });
        // The list opens on z_hw with the range 0..9; another entry brings its registry range.
        act = [](IndicatorChoiceDialog& choice) {
            QCOMPARE(choice.list()->count(), 123);
            QVERIFY(choice.list()->item(0)->text().startsWith(u("z_hw ")));
            QVERIFY(choice.list()->item(0)->text().endsWith(u("主区和尾")));
            QCOMPARE(choice.rangeLow(), 0);
            QCOMPARE(choice.rangeHigh(), 9);
            choice.list()->setCurrentRow(37);  // z_hz
            QVERIFY(choice.rangeHigh() > 100);
        };
        QTest::mouseClick(choose, Qt::LeftButton);
        QCOMPARE(seen, u("选择指标"));
        QCOMPARE(m.child<QLineEdit>(u("e_glfx_expr1"))->text(), u("z_hz"));
        // A typed formula; cancel changes nothing.
        act = [](IndicatorChoiceDialog& choice) {
            choice.userDefined()->setChecked(true);
            choice.typed()->setText(u("  z_hz%2 "));
        };
        QTest::mouseClick(choose, Qt::LeftButton);
        QCOMPARE(m.child<QLineEdit>(u("e_glfx_expr1"))->text(), u("z_hz%2"));
        answer = QDialog::Rejected;
        act = [](IndicatorChoiceDialog& choice) { choice.list()->setCurrentRow(1); };
        QTest::mouseClick(choose, Qt::LeftButton);
        QCOMPARE(m.child<QLineEdit>(u("e_glfx_expr1"))->text(), u("z_hz%2"));
    }

    void eachShowingOpensOnTheFirstPage() {
        MoreCharts m;
        m.window.showPage(u("田野走势图"));
        m.child<QComboBox>(u("cb_tyzst_list"))->setCurrentIndex(2);
        QCOMPARE(m.child<QLineEdit>(u("e_tyzst_name"))->text(), u("田野走势图3"));
        m.window.showPage(u("相生相克"));
        QComboBox* from = m.child<QComboBox>(u("cb_xsxk_from"));
        from->setCurrentIndex(0);
        m.window.hide();
        m.window.show();
        QCOMPARE(m.window.tabs()->currentWidget(), m.window.page(u("综合形态")));
        m.window.showPage(u("相生相克"));
        QCOMPARE(from->currentText(), QString::number(m.ws.sjk.record(int(m.ws.sjk.RecordCount()) - 99)[0]));
        QCOMPARE(m.child<QComboBox>(u("cb_tyzst_list"))->currentIndex(), 0);
        m.window.showPage(u("田野走势图"));
        QCOMPARE(m.child<QLineEdit>(u("e_tyzst_name"))->text(), u("田野走势图1"));
    }
};

QTEST_MAIN(TestMoreCharts)
#include "test_moredb_pages.moc"
