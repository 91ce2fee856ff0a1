// "行列式": the grids of the periods, navigation, arrangements (list, random order, design), and the
// three filter sub-pages with their exports and assistants, on the real 双色球 and 七乐彩 histories.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "analysis/arrangement.h"
#include "core/drawtext.h"
#include "core/workspace.h"
#include "indicators/registry.h"
#include "analysisfixture.h"
#include "ui/analysis/f_jzset.h"
#include "ui/analysis/fxd_patternpage.h"
#include "ui/analysis/patterngridview.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct PatternWindow : test::AnalysisFixture {
    PatternWindow() {
        page = new RowColumnPage(context());
        page->setRandomSeed(11);
        page->setDialogRunner([this](QDialog& dialog) {
            if (answer) answer(dialog);
            return QDialog::Accepted;
        });
        window.addPage(RowColumnPage::caption(), page);
        window.resize(1200, 760);
        window.show();
        QTest::qWait(0);
    }
    template <class T>
    T* child(const char* name) {
        T* found = page->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no %s", name);
        return found;
    }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    const std::vector<PatternGridView::Slot>& slots() { return page->grids()->slotsShown(); }

    std::function<void(QDialog&)> answer;
    Tf_fxd window;
    RowColumnPage* page = nullptr;
};

}  // namespace

class TestRowColumnPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnTheLastPageAndPages() {
        PatternWindow w;
        const int last = w.ws.sjk.RecordCount();
        QCOMPARE(w.page->firstRecord(), last - 12);
        QCOMPARE(w.slots().size(), size_t(14));
        QCOMPARE(w.slots()[12].caption, u("2026096期"));
        QVERIFY(w.slots()[13].selection);
        // 2026096: 01 04 16 22 26 31 on the regular 6 x 6.
        QCOMPARE(w.slots()[12].grid.lit.count(), size_t(6));
        QCOMPARE(w.slots()[12].grid.emptyRows, (std::vector<bool>{false, true, false, false, false, false}));

        // The selection grid: a left click toggles a number, a right click clears them all.
        PatternGridView* grids = w.page->grids();
        QTest::mouseClick(grids, Qt::LeftButton, {}, grids->cellRect(13, 7).center());
        QTest::mouseClick(grids, Qt::LeftButton, {}, grids->cellRect(13, 8).center());
        QVERIFY(grids->selection().test(8) && grids->selection().test(9));
        QCOMPARE(grids->selection().count(), size_t(2));
        QTest::mouseClick(grids, Qt::LeftButton, {}, grids->cellRect(12, 7).center());  // a period's grid
        QCOMPARE(grids->selection().count(), size_t(2));
        QTest::mouseClick(grids, Qt::RightButton, {}, grids->cellRect(13, 0).center());
        QVERIFY(grids->selection().none());

        w.click("b_nextpage");  // past the end: the last two records and the selection grid
        QCOMPARE(w.page->firstRecord(), last - 1);
        QCOMPARE(w.slots().size(), size_t(3));
        w.click("b_prevpage");
        QCOMPARE(w.page->firstRecord(), last - 15);
        w.click("b_prev");
        QCOMPARE(w.page->firstRecord(), last - 16);
        w.child<QLineEdit>("e_period")->setText(QStringLiteral("2026001"));
        w.click("b_goto");
        QCOMPARE(w.slots()[0].caption, u("2026001期"));
        w.child<QLineEdit>("e_period")->setText(QStringLiteral("1999001"));
        w.click("b_goto");
        QCOMPARE(w.prompts.warned, QStringList{u("数据库中没有第1999001期的记录")});
        QCOMPARE(w.slots()[0].caption, u("2026001期"));
    }

    void arrangementsSizesTailsAndRandomOrder() {
        PatternWindow w;
        w.child<QRadioButton>("rb_7x5")->click();
        QCOMPARE(w.page->arrangement().columns, 7);
        QCOMPARE(w.page->arrangement().rows, 5);
        w.child<QCheckBox>("cb_tails")->setChecked(true);
        QCOMPARE(w.page->arrangement(), regularOf(2, 5, true));
        QVERIFY(!w.child<QCheckBox>("cb_once")->isHidden());
        w.child<QCheckBox>("cb_tails")->setChecked(false);
        QCOMPARE(w.page->arrangement(), regularOf(6, 6));

        w.page->chooseListEntry(1);
        QCOMPARE(w.page->arrangement(), builtinArrangements()[0]);
        QCOMPARE(w.child<QComboBox>("cb_sort")->count(), 11);
        w.click("b_random");
        QCOMPARE(w.page->arrangement().name, std::string("随机行列式"));
        QCOMPARE(w.page->arrangement().columns, 7);
        QVERIFY(w.page->arrangement() != regularOf(7, 5));
    }

    void designGoesToABuiltInSlot() {
        PatternWindow w;
        w.answer = [](QDialog& dialog) {
            if (auto* design = qobject_cast<Tf_jzset*>(&dialog)) {
                design->nameBox()->setText(u("三列两行"));
                design->columnsBox()->setValue(3);
                design->rowsBox()->setValue(2);
                design->cells()->item(0, 0)->setText(QStringLiteral("5"));
                design->cells()->item(0, 1)->setText(QStringLiteral("133"));  // its last two digits
                design->cells()->item(1, 2)->setText(QStringLiteral("7"));
            } else if (auto* save = qobject_cast<Tf_hns_save*>(&dialog)) {
                save->slotBox()->setCurrentIndex(1);  // slot 2
            }
        };
        w.click("b_design");
        const Arrangement& a = w.page->arrangement();
        QCOMPARE(a.name, std::string("三列两行"));
        QCOMPARE(a.columns, 3);
        QCOMPARE((std::vector<int>{a.cells[0], a.cells[1], a.cells[2], a.cells[5]}), (std::vector<int>{5, 33, 99, 7}));
        QCOMPARE(loadArrangement(builtinArrangementPath(w.ws.folder, 2)).arrangement, a);
        QCOMPARE(loadArrangementList(w.ws.folder)[2], std::string("三列两行"));
        QCOMPARE(w.child<QComboBox>("cb_sort")->itemText(2), u("三列两行"));
    }

    void drawnCountExportAndAssistant() {
        PatternWindow w;
        w.click("b_export1");
        QCOMPARE(w.prompts.warned.last(), u("请选择好行号或列号"));
        w.child<QCheckBox>("cb_row1")->setChecked(true);
        w.click("b_export1");
        QCOMPARE(w.prompts.warned.last(), u("请设置好出号个数。"));
        w.child<QLineEdit>("e_counts")->setText(QStringLiteral("0 3"));
        w.click("b_export1");
        QCOMPARE(w.handOff.calls, (std::vector<std::string>{"self"}));
        QCOMPARE(
            w.prompts.informed.last(),
            u("行列式过滤设置结果是：号码组: 1  2  3  4  5  6  ;出现个数: 0  3  。现已成功导出到超强组号的自设条件中"));
        w.click("b_assist1");
        QCOMPARE(w.handOff.calls.back(), std::string("docked:行：一, 列： 的奖号出现个数走势图（过滤助手）"));

        // Tail mode: row 1 of the 2 x 5 digits holds tails 0 and 1.
        w.child<QCheckBox>("cb_tails")->setChecked(true);
        w.click("b_export1");
        QCOMPARE(w.handOff.calls.back(), std::string("tail"));
        QVERIFY(w.prompts.informed.last().contains(u("尾号组: 0  1  ;")));
        QVERIFY(w.prompts.informed.last().contains(u("(相同尾数仅计算一次)")));

        // The generator's list is full: its refusal is the one message shown, no success.
        const auto informed = w.prompts.informed.size();
        const size_t taken = w.handOff.calls.size();
        w.handOff.room = 0;
        w.click("b_export1");
        QCOMPARE(w.prompts.informed.size(), informed + 1);
        QCOMPARE(w.prompts.warned.last(), u("最多可添加2注"));
        QCOMPARE(w.prompts.informed.last(), u("最多可添加2注"));
        QCOMPARE(w.handOff.calls.size(), taken);
    }

    void emptyLinesAndShapes() {
        PatternWindow w;
        w.child<QRadioButton>("rb_7x5")->click();
        w.page->subPages()->setCurrentIndex(2);
        QCOMPARE(w.child<QSpinBox>("e_columns2")->value(), 7);
        QCOMPARE(w.child<QSpinBox>("e_rows2")->value(), 5);
        w.click("b_export2");
        QCOMPARE(w.prompts.warned.last(), u("请输入个数"));
        w.child<QLineEdit>("e_values2")->setText(QStringLiteral("1 2"));
        w.child<QRadioButton>("rb_empty2")->setChecked(true);
        w.ws.arrangement.fill(0);
        w.click("b_export2");
        const std::string suffix = arrangementSuffix(w.page->arrangement().cells, 35);
        QCOMPARE(suffix.size(), size_t(2 + 70));
        QCOMPARE(w.handOff.calls.back(), "custom:c_hnskhkn_2_7_5" + suffix);
        QVERIFY(w.ws.arrangement == w.page->arrangement().cells);
        QCOMPARE(w.prompts.informed.last(), u("空行空列设置现已成功导出到超强组号的自定义指标中"));
        w.click("b_assist2");
        QCOMPARE(w.handOff.calls.back(), std::string("docked:空行+空列个数走势图（过滤助手）"));

        w.page->subPages()->setCurrentIndex(3);
        w.child<QRadioButton>("rb_shape1")->setChecked(true);
        w.click("b_filter3");
        QCOMPARE(w.handOff.calls.back(), std::string("show"));
        QCOMPARE(w.handOff.calls[w.handOff.calls.size() - 2], "formula:c_hnszhxt_1_7_5" + suffix);
        w.click("b_assist3");
        QCOMPARE(w.handOff.calls.back(), std::string("docked:列组合形态走势图（过滤助手）"));

        // Tail mode refuses both; a zone other than 红号 is only a warning on the filter pages.
        w.page->subPages()->setCurrentIndex(0);
        w.child<QCheckBox>("cb_tails")->setChecked(true);
        w.click("b_assist3");
        QCOMPARE(w.prompts.warned.last(), u("尾号暂不支持行列形态的分析和过滤,如要使用此功能,请先取消尾号的选择"));
        w.child<QRadioButton>("rb_secondary")->click();
        w.page->subPages()->setCurrentIndex(1);
        QVERIFY(w.prompts.informed.last().startsWith(u("行列的过滤操作只针对以红码为内容的行列式")));
    }

    void sevenNumberGame() {
        PatternWindow w;
        w.useGame("qlc.txt", test::kSevenNumberGame);
        w.window.typeChanged();
        QTest::qWait(0);
        QCOMPARE(w.slots().size(), size_t(14));
        QCOMPARE(w.slots()[12].grid.lit.count(), size_t(7));
        w.child<QRadioButton>("rb_both")->click();
        QVERIFY(w.slots()[12].grid.lit.count() >= 7);
    }
};

QTEST_MAIN(TestRowColumnPage)
#include "test_fxd_patternpage.moc"
