// The combination generator window: the catalogue rows and their enable rule, the number
// choosers, the runs on their thread (progress, cancel, the prediction record), the result pages,
// continue filtering, the condition files and the snapshot ring of the "过滤操作" menu, the reports,
// the result files, the self-set, tail and custom-indicator pages, and the switch of lottery type.
// Dialogs are answered by a fake; files are read back from disk.
#include <QProgressDialog>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTimer>

#include "formula/precheck.h"
#include "generator/conditionbacktest.h"
#include "ui/generator/zh_conditionmenu.h"
#include "ui/common/textviewer.h"
#include "ui/generator/f_zq_lczh.h"
#include "ui/update/f_xgzh.h"
#include "zh_window.h"

using namespace lottodesk;
using namespace lottodesk::test;

class TestGeneratorWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportsFromOtherWindows();
    void handOffsFromTheAnalysisViews();
    void repeatedRunsOnTheLongLivedWorker();
    void showsThePagesAndTheCatalogueRows();
    void rowsFollowTheEnableRule();
    void rangeRowsTakeTypedIntegers();
    void searchShowsTheMatchingRows();
    void numberChoosersAndReset();
    void runOverTheWholeSpaceShowsPagedResults();
    void prizeCheckOrdersTheListByHits();
    void editsTheListByHand();
    void removalDialogRemovesTheListedTickets();
    void pagingStaysWithinThePages();
    void continueFilteringKeepsThePassingResults();
    void cancelLeavesThePreviousResults();
    void predictionRecordStopsTheRun();
    void emptyDeviationRangeStopsTheRun();
    void savedConditionsLoadBackToTheSameState();
    void regularAndExitConditions();
    void snapshotRingStepsBackThroughRuns();
    void showConditionsWritesTheReportAndOpensIt();
    void checkConditionsAsksPeriodThenMode();
    void backtestAsksTheCountAndShowsTheReport();
    void resultFilesSaveAndLoad();
    void resultsOnTransformedDataGoBackThroughTheFilteredPeriod();
    void selfSetAndTailPages();
    void customIndicatorPage();
    void resetForAFiveOfThirtyFiveGame();
};

void TestGeneratorWindow::showsThePagesAndTheCatalogueRows() {
    Window w;
    QCOMPARE(w.window.windowTitle(), u("超强组号"));
    QTabWidget* pages = w.window.pages();
    QCOMPARE(pages->tabText(0), u("红号过滤"));
    QCOMPARE(pages->widget(0)->objectName(), u("ts_zqgl"));
    // 双色球 has one secondary number: its page and the two-zone page show.
    QCOMPARE(pages->tabText(1), u("蓝号过滤"));
    QVERIFY(pages->isTabVisible(1) && pages->isTabEnabled(1));
    QVERIFY(!pages->isTabVisible(2));
    QVERIFY(pages->isTabVisible(3) && pages->isTabEnabled(3));
    QCOMPARE(pages->tabText(3), u("双区匹配"));

    QTabWidget* conditionPages = w.window.mainPage()->conditionPages();
    QStringList captions;
    for (int i = 0; i < conditionPages->count(); ++i) captions << conditionPages->tabText(i);
    QCOMPARE(captions, QStringList({u("指标条件"), u("自设条件"), u("尾数设置"), u("自定义指标")}));

    for (int n = 1; n <= kCatalogueRows; ++n) {
        const QString suffix = QString::number(n);
        QCheckBox* enabled = w.window.findChild<QCheckBox*>(QStringLiteral("cb_zb") + suffix);
        if (n == 36) {
            QVERIFY(!enabled);
            continue;
        }
        QVERIFY2(enabled, qPrintable(suffix));
        QCOMPARE(enabled->text(), QString::fromStdString(conditionRow(n)->caption));
        QVERIFY(!enabled->isChecked());
        QCOMPARE(w.box(qPrintable(QStringLiteral("cb_rc") + suffix))->text(), u("容错"));
        QVERIFY(!w.box(qPrintable(QStringLiteral("cb_rc") + suffix))->isEnabled());
        if (n == 34 || n == 35) continue;
        QCOMPARE(w.button(qPrintable(QStringLiteral("b_zb") + suffix))->text(), u("..."));
        QVERIFY(!w.button(qPrintable(QStringLiteral("b_zb") + suffix))->isEnabled());
    }
    // Rows naming the seventh number take no part in a six-number game.
    for (int n : {33, 48, 56, 60, 64, 65, 66, 72, 77, 81, 85, 86, 87, 94, 127})
        QVERIFY2(!w.box(qPrintable(QStringLiteral("cb_zb%1").arg(n)))->isEnabled(), qPrintable(QString::number(n)));
    for (int n : {1, 25, 32, 47, 93, 126, 133})
        QVERIFY(w.box(qPrintable(QStringLiteral("cb_zb%1").arg(n)))->isEnabled());

    QCOMPARE(w.button("b_run")->text(), u("常规过滤"));
    QVERIFY(!w.button("b_continue")->isEnabled());
    QCOMPARE(w.button("b_continue")->text(), u("继续过滤"));
    QCOMPARE(w.button("b_reset")->text(), u("重置"));
    QCOMPARE(w.label("l_glqh")->text(), u("设置过滤期号："));
    QCOMPARE(w.child<QToolButton>("b_glcz")->text(), u("过滤操作"));
    QStringList menu;
    for (QAction* action : w.child<QToolButton>("b_glcz")->menu()->actions())
        if (!action->isSeparator()) menu << action->text();
    QCOMPARE(menu, QStringList({u("保存条件"), u("载入条件"), u("载入常规过滤条件"), u("覆盖常规过滤条件"),
                                u("载入上次退出前的过滤条件"), u("恢复上一次过滤条件"), u("显示条件"), u("条件对错"),
                                u("条件回测"), u("批量过滤")}));

    // The mode list: regular first and chosen; wheels and random picks (test_zh_ticketmodes).
    QComboBox* modes = w.child<QComboBox>("combo_zhlx");
    QCOMPARE(modes->currentText(), u("常规组号"));
    QCOMPARE(modes->count(), 3);
    auto* model = qobject_cast<QStandardItemModel*>(modes->model());
    QVERIFY(model && model->item(0)->isEnabled() && model->item(1)->isEnabled() && model->item(2)->isEnabled());

    // The filter period list: every period ascending, then "未开奖期", chosen.
    QComboBox* periods = w.child<QComboBox>("combo_glqh");
    QCOMPARE(periods->count(), w.ws.sjk.RecordCount() + 1);
    QCOMPARE(periods->itemText(0), QString::number(w.ws.sjk.FieldValueAt(1, 0)));
    QCOMPARE(periods->itemText(periods->count() - 2),
             QString::number(w.ws.sjk.FieldValueAt(w.ws.sjk.RecordCount(), 0)));
    QCOMPARE(periods->currentText(), u("未开奖期"));
    QCOMPARE(w.window.mainPage()->filterPeriod(), 0);

    // The result display before any run.
    QCOMPARE(w.countLabel(), u("投注结果：共0注，0元"));
    QCOMPARE(w.pageLabel(), u("第1页/ 0页"));
    QCOMPARE(w.header(),
             QStringList({u("序号"), u("红号1"), u("红号2"), u("红号3"), u("红号4"), u("红号5"), u("红号6")}));
    QStringList popup, enabled;
    for (QAction* action : w.window.results()->popup()->actions()) {
        popup << action->text();
        if (action->isEnabled()) enabled << action->text();
    }
    QCOMPARE(popup.size(), 11);
    // On an empty list: the file, edit and prediction commands; 滤除组号 waits for its window, and
    // 打印, 恢复 and 对奖 need a list (enabled as the popup opens).
    QCOMPARE(enabled, QStringList({u("保存组号"), u("载入组号"), u("加到预测区"), u("清除预测区"), u("添加组号"),
                                   u("删除组号"), u("修改组号")}));
    QCOMPARE(w.window.statusText(), QString());
}

void TestGeneratorWindow::rowsFollowTheEnableRule() {
    Window w;
    QCheckBox* enabled = w.box("cb_zb25");
    QPushButton* choose = w.button("b_zb25");
    QCheckBox* tolerant = w.box("cb_rc25");
    w.clickBox(enabled);
    QVERIFY(enabled->isChecked());
    QVERIFY(choose->isEnabled() && tolerant->isEnabled());
    QVERIFY(w.conditions().rows[25].enabled);

    // "...": the chooser over the offered values, with the newest draw's sum as the reference.
    w.dialogs.values.push_back(std::vector<int32_t>{72, 70, 71});
    w.clickRowButton(25);
    QCOMPARE(w.dialogs.choices.size(), size_t(1));
    const ValueChoice& choice = w.dialogs.choices.back();
    QCOMPARE(choice.lo, 40);
    QCOMPARE(choice.hi, 160);
    QVERIFY(!choice.numbers);
    QVERIFY(choice.preselected.empty());
    const int32_t* newest = w.ws.sjk.record(w.ws.sjk.RecordCount());
    int sum = 0;
    for (int i = 1; i <= 6; ++i) sum += newest[i];
    QCOMPARE(choice.reference, std::optional<int32_t>(sum));
    QCOMPARE(w.edit("e_zb25")->text(), u("70  71  72  "));
    QCOMPARE(w.conditions().rows[25].allowed, std::vector<int32_t>({70, 71, 72}));

    // The chooser opens on the current set; a cancel changes nothing.
    w.clickRowButton(25);
    QCOMPARE(w.dialogs.choices.back().preselected, std::vector<int32_t>({70, 71, 72}));
    QCOMPARE(w.edit("e_zb25")->text(), u("70  71  72  "));

    w.clickBox(tolerant);
    QVERIFY(w.conditions().rows[25].tolerant);

    // Another row takes its own offered range and reference (the omission of 红号一).
    w.clickRowBox("cb_zb", 121);
    w.dialogs.values.push_back(std::vector<int32_t>{0, 3});
    w.clickRowButton(121);
    QCOMPARE(w.dialogs.choices.back().lo, 0);
    QCOMPARE(w.dialogs.choices.back().hi, 200);
    QVERIFY(w.dialogs.choices.back().reference.has_value());
    QCOMPARE(w.edit("e_zb121")->text(), u("0  3  "));
    // 红号一: the reference is the newest draw's, 01 of 2026096 (the draws before it, 2026095 and
    // 2026094, and the first draw share its sum 100 but start with 04, 06 and 10).
    w.clickRowBox("cb_zb", 88);
    w.dialogs.values.push_back(std::vector<int32_t>{1});
    w.clickRowButton(88);
    QCOMPARE(w.dialogs.choices.back().reference, std::optional<int32_t>(1));

    // Unticking clears the text and the set, unticks and disables "容错".
    w.clickBox(enabled);
    QVERIFY(!enabled->isChecked());
    QCOMPARE(w.edit("e_zb25")->text(), QString());
    QVERIFY(w.conditions().rows[25].allowed.empty());
    QVERIFY(!w.conditions().rows[25].enabled);
    QVERIFY(!w.conditions().rows[25].tolerant);
    QVERIFY(!tolerant->isChecked() && !tolerant->isEnabled());
    QVERIFY(!choose->isEnabled());
    // A disabled row cannot be ticked with the mouse.
    w.clickRowBox("cb_zb", 94);
    QVERIFY(!w.conditions().rows[94].enabled);
}

void TestGeneratorWindow::rangeRowsTakeTypedIntegers() {
    Window w;
    QLineEdit* from = w.edit("e_zbfrom34");
    QLineEdit* to = w.edit("e_zbto34");
    QVERIFY(!from->isEnabled() && !to->isEnabled());
    w.clickRowBox("cb_zb", 34);
    QVERIFY(from->isEnabled() && to->isEnabled());
    QTest::keyClicks(from, QStringLiteral("3x"));
    QTest::keyClicks(to, QStringLiteral("12"));
    QCOMPARE(from->text(), u("3"));
    QCOMPARE(w.conditions().rows[34].from, std::optional<double>(3));
    QCOMPARE(w.conditions().rows[34].to, std::optional<double>(12));
    w.clickRowBox("cb_zb", 34);
    QCOMPARE(from->text(), QString());
    QVERIFY(!w.conditions().rows[34].from && !w.conditions().rows[34].to);
}

void TestGeneratorWindow::searchShowsTheMatchingRows() {
    Window w;
    ZhCatalogue* catalogue = w.window.mainPage()->catalogue();
    const int all = catalogue->shownRows();
    QCOMPARE(w.label("l_zbsearch")->text(), u("%1/%1").arg(all));
    w.edit("e_zbsearch")->insert(u("除三余"));  // 除三余0个数, 1个数, 2个数 and 除三余数和
    QCOMPARE(catalogue->shownRows(), 4);
    QCOMPARE(w.label("l_zbsearch")->text(), u("4/%1").arg(all));
    QVERIFY(!w.box("cb_zb11")->isHidden() && !w.box("cb_zb13")->isHidden());
    QVERIFY(w.box("cb_zb1")->isHidden() && w.edit("e_zb1")->isHidden());
    // A shown row works as before; a hidden one keeps its condition.
    w.clickRowBox("cb_zb", 11);
    QVERIFY(w.conditions().rows[11].enabled);
    QTest::keyClicks(w.edit("e_zbsearch"), u("x"));
    QCOMPARE(catalogue->shownRows(), 0);
    w.edit("e_zbsearch")->clear();
    QCOMPARE(catalogue->shownRows(), all);
    QVERIFY(!w.box("cb_zb1")->isHidden() && w.box("cb_zb11")->isChecked());
    // The range rows come back with their boxes.
    w.edit("e_zbsearch")->insert(u("标准差"));
    QCOMPARE(catalogue->shownRows(), 1);
    QVERIFY(w.edit("e_zbfrom34")->isVisible() && !w.edit("e_zbfrom35")->isVisible());
    w.edit("e_zbsearch")->clear();
    QVERIFY(w.edit("e_zbfrom35")->isVisible());
}

void TestGeneratorWindow::numberChoosersAndReset() {
    Window w;
    QString all;
    for (int n = 1; n <= 33; ++n) all += QStringLiteral("%1  ").arg(n, 2, 10, QLatin1Char('0'));
    QCOMPARE(w.edit("e_kxhm")->text(), all);
    QCOMPARE(w.edit("e_dm")->text(), QString());
    QCOMPARE(w.button("b_dm")->text(), u("红号胆码"));

    w.dialogs.values.push_back(std::vector<int32_t>{1, 2, 3, 10, 20, 30, 33});
    w.click("b_kxhm");
    const ValueChoice& choice = w.dialogs.choices.back();
    QCOMPARE(choice.lo, 1);
    QCOMPARE(choice.hi, 33);
    QVERIFY(choice.numbers);
    QCOMPARE(choice.preselected.size(), size_t(33));
    QCOMPARE(w.edit("e_kxhm")->text(), u("1  2  3  10  20  30  33  "));
    QVERIFY(w.conditions().selectable[10] && !w.conditions().selectable[11]);

    w.dialogs.values.push_back(std::vector<int32_t>{5, 9});
    w.click("b_dm");
    QCOMPARE(w.edit("e_dm")->text(), u("5  9  "));
    QVERIFY(w.conditions().fixed[5] && w.conditions().fixed[9]);
    // More fixed numbers than a ticket holds clear them all.
    w.dialogs.values.push_back(std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7});
    w.click("b_dm");
    QCOMPARE(w.dialogs.choices.back().preselected, std::vector<int32_t>({5, 9}));
    QCOMPARE(w.prompts.informed, QStringList({u("选择红号胆码不能大于6个")}));
    QCOMPARE(w.edit("e_dm")->text(), QString());
    QVERIFY(std::none_of(w.conditions().fixed.begin(), w.conditions().fixed.end(), [](bool on) { return on; }));

    // Exclusions, total tolerance and a row, then "重置".
    QVERIFY(w.box("cb_djj")->isChecked() && w.box("cb_tslh")->isChecked() && !w.box("cb_lsxt")->isChecked());
    w.clickBox(w.box("cb_djj"));
    w.clickBox(w.box("cb_lsxt"));
    QVERIFY(!w.conditions().noEqualSpacing && w.conditions().noPastDraws);
    QComboBox* from = w.child<QComboBox>("combo_rcfrom");
    QVERIFY(!from->isEnabled());
    w.clickBox(w.box("cb_zrc"));
    QVERIFY(from->isEnabled() && w.conditions().totalToleranceEnabled);
    QCOMPARE(from->count(), 15);
    QCOMPARE(from->itemText(14), u("15"));
    w.clickRowBox("cb_zb", 2);
    w.dialogs.values.push_back(std::vector<int32_t>{2, 3});
    w.clickRowButton(2);
    w.click("b_reset");
    QCOMPARE(w.edit("e_kxhm")->text(), all);
    QCOMPARE(w.edit("e_zb2")->text(), QString());
    QVERIFY(!w.box("cb_zb2")->isChecked() && !w.conditions().rows[2].enabled);
    QVERIFY(!w.box("cb_lsxt")->isChecked() && !w.box("cb_zrc")->isChecked() && !from->isEnabled());
    // The two exclusions that start ticked keep their state.
    QVERIFY(!w.box("cb_djj")->isChecked() && w.box("cb_tslh")->isChecked());
    QVERIFY(!w.conditions().noEqualSpacing && w.conditions().noSpecialRuns);
}

void TestGeneratorWindow::prizeCheckOrdersTheListByHits() {
    Window w;
    // Offered only for a list; a cancelled period changes nothing.
    Q_EMIT w.window.results()->popup()->aboutToShow();
    QVERIFY(!w.window.results()->popup()->findChild<QAction*>(QStringLiteral("mi_dj"))->isEnabled());
    w.dialogs.values.push_back(std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 16, 22, 26, 31});
    w.click("b_kxhm");
    QVERIFY(w.run());
    const std::vector<Ticket> before = w.results().tickets;  // C(12, 6) = 924
    Q_EMIT w.window.results()->popup()->aboutToShow();
    QVERIFY(w.window.results()->popup()->findChild<QAction*>(QStringLiteral("mi_dj"))->isEnabled());
    w.popup("mi_dj");
    QVERIFY(w.results().tickets == before);
    QCOMPARE(w.grid()->columnCount(), 7);

    // 2026096 is 01 04 16 22 26 31 + 04: that ticket first with 6 hits, then the five-hit ones.
    w.dialogs.periods.push_back(2026096);
    w.popup("mi_dj");
    QCOMPARE(w.dialogs.periodLists.back(), w.ws.sjk.realPeriods());
    QCOMPARE(w.header().last(), u("中奖号个数"));
    QCOMPARE(w.row(0), numbersRow({"01", "04", "16", "22", "26", "31", "6"}, u("第1条")));
    QCOMPARE(w.cell(1, 7), u("5"));
    // Best first; equal hits keep their order from before; the same tickets.
    const std::vector<Ticket>& after = w.results().tickets;
    QCOMPARE(after.size(), before.size());
    const auto hitsOf = [](const Ticket& t) { return t[6]; };
    QVERIFY(std::is_sorted(after.begin(), after.end(),
                           [&](const Ticket& a, const Ticket& b) { return hitsOf(a) > hitsOf(b); }));
    const auto positionBefore = [&](const Ticket& t) {
        Ticket numbers = t;
        numbers[6] = 0;
        return std::find(before.begin(), before.end(), numbers) - before.begin();
    };
    for (size_t i = 1; i < after.size(); ++i)
        if (hitsOf(after[i - 1]) == hitsOf(after[i])) QVERIFY(positionBefore(after[i - 1]) < positionBefore(after[i]));

    // A new run hides the column again.
    QVERIFY(w.run());
    QCOMPARE(w.grid()->columnCount(), 7);
}

void TestGeneratorWindow::editsTheListByHand() {
    Window w;
    ZhResults* results = w.window.results();
    QString shown, typed;
    results->setDialogRunner([&](QDialog& dialog) {
        auto& edit = static_cast<Tf_xgzh&>(dialog);
        shown = dialog.windowTitle() + u("|") + edit.e_zh()->text();
        if (typed.isEmpty()) return int(QDialog::Rejected);
        edit.e_zh()->setText(typed);
        return int(QDialog::Accepted);
    });
    const auto numbers = [&](size_t i) {
        const Ticket& t = w.results().tickets[i];
        return std::vector<int>(t.begin(), t.begin() + 6);
    };

    // "添加组号": stored as typed; a cancelled dialog adds nothing.
    typed = u("05-01-33-02-09-10");
    w.popup("mi_addzh");
    QCOMPARE(shown, u("添加组号|-----"));
    typed = u("01-02-03-04-05-06");
    w.popup("mi_addzh");
    typed.clear();
    w.popup("mi_addzh");
    QCOMPARE(w.results().tickets.size(), size_t(2));
    QCOMPARE(numbers(0), std::vector<int>({5, 1, 33, 2, 9, 10}));
    QCOMPARE(w.row(0), numbersRow({"05", "01", "33", "02", "09", "10"}, u("第1条")));
    QCOMPARE(w.countLabel(), u("投注结果：共2注，4元"));

    // Modify, delete and the prediction record need a selected row.
    results->grid()->setCurrentIndex({});
    for (const char* command : {"mi_modifyzh", "mi_deletezh", "mi_addyc"}) w.popup(command);
    QCOMPARE(w.prompts.informed,
             QStringList({u("请先在上边的列表中选择一组需要修改的号码"), u("请先在上边的列表中选择一组需要删除的号码"),
                          u("请先在上边的列表中选择一组号码")}));
    results->grid()->setCurrentIndex(w.grid()->index(0, 1));
    typed = u("07-08-09-10-11-12");
    w.popup("mi_modifyzh");
    QCOMPARE(shown, u("修改组号|05-01-33-02-09-10"));
    QCOMPARE(numbers(0), std::vector<int>({7, 8, 9, 10, 11, 12}));

    // "加到预测区": the ticket and 01 02 as secondary numbers, in memory; "清除预测区" removes it.
    const int records = w.ws.sjk.RecordCount();
    w.popup("mi_addyc");
    QCOMPARE(w.ws.sjk.RecordCount(), records + 1);
    const int32_t* prediction = w.ws.sjk.record(records + 1);
    QCOMPARE(std::vector<int32_t>(prediction, prediction + 9),
             std::vector<int32_t>({9999999, 7, 8, 9, 10, 11, 12, 1, 2}));
    w.popup("mi_clearyc");
    QCOMPARE(w.ws.sjk.RecordCount(), records);

    results->grid()->setCurrentIndex(w.grid()->index(0, 1));
    w.popup("mi_deletezh");
    QCOMPARE(w.results().tickets.size(), size_t(1));
    QCOMPARE(numbers(0), std::vector<int>({1, 2, 3, 4, 5, 6}));
    QCOMPARE(w.results().tags.size(), size_t(1));

    // "打印投注结果": the printout in the program folder (GBK), shown in the program's own window.
    Q_EMIT results->popup()->aboutToShow();
    w.popup("mi_print");
    const std::string printout = w.folder.file("temppadnote.txt");
    const QString text = QString::fromStdString(gbkToUtf8(test::readFile(printout)));
    QVERIFY2(text.startsWith(u("记录号          红号一")), qPrintable(text.left(30)));
    QVERIFY(text.contains(u("      01      02      03      04      05      06")));
    auto* viewer = w.child<TextViewer>("printout");
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->file(), QString::fromStdString(printout));
    QVERIFY(w.shell.opened.isEmpty());
}

void TestGeneratorWindow::removalDialogRemovesTheListedTickets() {
    Window w;
    w.dialogs.values.push_back(std::vector<int32_t>{1, 5, 9, 14, 20, 26, 31});  // no runs
    w.click("b_kxhm");
    QVERIFY(w.run());
    QCOMPARE(w.results().tickets.size(), size_t(7));
    const std::string saved = w.folder.file("removal.txt");
    QString title;
    int afterBadLine = -1;
    w.window.results()->setDialogRunner([&](QDialog& dialog) {
        auto& removal = dynamic_cast<Tf_zq_lczh&>(dialog);
        title = removal.windowTitle();
        // A bad line is named and the dialog stays open.
        removal.list()->setPlainText(u("01 02 03 04 05 9x"));
        QTest::mouseClick(removal.findChild<QPushButton*>(u("b_ok")), Qt::LeftButton);
        afterBadLine = removal.result();
        // Typed in any order; the list saved as two-digit numbers, CR LF.
        removal.list()->setPlainText(u("31 26 20 14 09 05\n1 5 9 14 20 26\n\n"));
        w.files.names.push_back(QString::fromStdString(saved));
        QTest::mouseClick(removal.findChild<QPushButton*>(u("b_save")), Qt::LeftButton);
        QTest::mouseClick(removal.findChild<QPushButton*>(u("b_hint")), Qt::LeftButton);
        QTest::mouseClick(removal.findChild<QPushButton*>(u("b_ok")), Qt::LeftButton);
        return removal.result();
    });
    Q_EMIT w.window.results()->popup()->aboutToShow();
    w.popup("mi_lczh");
    QCOMPARE(title, u("滤除组号"));
    QCOMPARE(afterBadLine, int(QDialog::Rejected));
    QCOMPARE(w.prompts.warned, QStringList(u("第1行号码组有误，请正确填入")));
    QCOMPARE(test::readFile(saved), std::string("05 09 14 20 26 31\r\n01 05 09 14 20 26\r\n"));
    // The warning, the hint, then what was removed.
    QCOMPARE(w.prompts.informed.size(), 3);
    QVERIFY(w.prompts.informed.at(1).startsWith(u("号码组格式如：01 03 04 08 09 12")));
    QCOMPARE(w.prompts.informed.at(2), u("已滤除2注，剩余5注"));
    QCOMPARE(w.results().tickets.size(), size_t(5));
    for (const Ticket& t : w.results().tickets)
        QVERIFY(t != (Ticket{1, 5, 9, 14, 20, 26, 0, 0}) && t != (Ticket{5, 9, 14, 20, 26, 31, 0, 0}));
    QCOMPARE(w.countLabel(), u("投注结果：共5注，10元"));
}

void TestGeneratorWindow::runOverTheWholeSpaceShowsPagedResults() {
    Window w;
    QSignalSpy status(&w.window, &Tf_zh::statusChanged);
    w.loadConditions(fixture("no-condition.zh"));
    QCOMPARE(w.files.titles, QStringList({u(" 打开主区过滤条件存储文件")}));
    QCOMPARE(w.files.filters, QStringList({u("主区过滤条件格式文件(*.zh)")}));
    QVERIFY(w.prompts.informed.isEmpty());

    w.click("b_run");
    QVERIFY(w.window.isRunning());
    QVERIFY(w.child<QWidget>("pn_run")->isVisible());
    QCOMPARE(w.label("l_busy")->text(), u("正在过滤中，请稍候..."));
    QVERIFY(w.button("b_stoprun")->isEnabled());
    QVERIFY(!w.child<QWidget>("ts_zqgl")->isEnabled());
    QCOMPARE(w.window.statusText(), u("超强组号   正在过滤中,请稍候"));
    QVERIFY(w.button("b_continue")->isEnabledTo(w.child<QWidget>("ts_zqgl")));
    QTRY_VERIFY_WITH_TIMEOUT(!w.window.isRunning(), kRunTimeout);
    QVERIFY(w.button("b_continue")->isEnabled());

    QVERIFY(w.prompts.informed.isEmpty());
    QVERIFY(!w.child<QWidget>("pn_run")->isVisible());
    QVERIFY(w.child<QWidget>("ts_zqgl")->isEnabled());
    QCOMPARE(int(w.results().tickets.size()), kAllTickets);
    QCOMPARE(w.countLabel(), u("投注结果：共1107568注，2215136元"));
    QCOMPARE(w.pageLabel(), u("第1页/ 111页"));
    QCOMPARE(w.grid()->rowCount(), 10000);
    QCOMPARE(w.row(0), numbersRow({"28", "29", "30", "31", "32", "33"}, u("第1条")));
    QCOMPARE(w.row(1), numbersRow({"27", "29", "30", "31", "32", "33"}, u("第2条")));
    QCOMPARE(w.cell(9999, 0), u("第10000条"));

    const QString text = w.window.statusText();
    QVERIFY2(text.startsWith(u("超强组号  筛选耗时")), qPrintable(text));
    QVERIFY2(text.endsWith(u("微秒  已得到符合条件的红号组有1107568个")), qPrintable(text));
    QCOMPARE(status.size(), 2);
    QCOMPARE(status.at(0).at(0).toString(), u("超强组号   正在过滤中,请稍候"));
    QCOMPARE(status.at(1).at(0).toString(), text);
    // The run's conditions went to the first snapshot file.
    QCOMPARE(w.window.snapshotRing().current, 0);
    QCOMPARE(test::fileSize(w.folder.file("hfset0.zh")), kConditionFileSize);
    QCOMPARE(test::readFile(w.folder.file("hfset0.zh")), test::readFile(fixture("no-condition.zh")));
}

void TestGeneratorWindow::pagingStaysWithinThePages() {
    Window w;
    w.loadConditions(fixture("no-condition.zh"));
    QVERIFY(w.run());
    w.click("b_prior");
    QCOMPARE(w.pageLabel(), u("第1页/ 111页"));
    w.click("b_next");
    QCOMPARE(w.pageLabel(), u("第2页/ 111页"));
    QCOMPARE(w.cell(0, 0), u("第10001条"));
    QCOMPARE(w.grid()->rowCount(), 10000);
    w.click("b_last");
    QCOMPARE(w.pageLabel(), u("第111页/ 111页"));
    QCOMPARE(w.grid()->rowCount(), kAllTickets - 110 * 10000);
    QCOMPARE(w.row(w.grid()->rowCount() - 1), numbersRow({"01", "02", "03", "04", "05", "06"}, u("第1107568条")));
    w.click("b_next");
    QCOMPARE(w.pageLabel(), u("第111页/ 111页"));
    w.click("b_prior");
    QCOMPARE(w.pageLabel(), u("第110页/ 111页"));
    QCOMPARE(w.cell(0, 0), u("第1090001条"));
    w.click("b_first");
    QCOMPARE(w.pageLabel(), u("第1页/ 111页"));
    QCOMPARE(w.cell(0, 1), u("28"));
}

void TestGeneratorWindow::continueFilteringKeepsThePassingResults() {
    Window w;
    w.loadConditions(fixture("no-condition.zh"));
    QVERIFY(w.run());
    w.loadConditions(fixture("typical.zh"));
    QVERIFY(w.conditions().rows[25].enabled);

    // What a regular run with the typical set keeps, from the engine.
    Generator expected(7);
    expected.conditions = w.conditions();
    QVERIFY(expected.run(w.ws, RunOptions{}).completed);
    QVERIFY(!expected.results.tickets.empty());

    w.click("b_continue");
    QVERIFY(w.window.isRunning());
    QCOMPARE(w.label("l_busy")->text(), u("正在过滤中，请稍候."));
    QCOMPARE(w.window.statusText(), u("超强组号   正在筛选中,请稍候"));
    QTRY_VERIFY_WITH_TIMEOUT(!w.window.isRunning(), kRunTimeout);
    QVERIFY(w.prompts.informed.isEmpty());

    const size_t kept = expected.results.tickets.size();
    QCOMPARE(w.results().tickets.size(), kept);
    QCOMPARE(sortedTickets(w.results().tickets), sortedTickets(expected.results.tickets));
    QVERIFY(std::all_of(w.results().tags.begin(), w.results().tags.end(), [](uint8_t tag) { return tag == 0; }));
    QCOMPARE(w.countLabel(), QStringLiteral("投注结果：共%1注，%2元").arg(kept).arg(2 * kept));
    QCOMPARE(w.pageLabel(), QStringLiteral("第1页/ %1页").arg((kept + 9999) / 10000));
    const QString text = w.window.statusText();
    QVERIFY2(text.endsWith(QStringLiteral("微秒  已得到符合条件的红号组有%1个  系统保留的记录个数%1").arg(kept)),
             qPrintable(text));
    // Both runs were written to the ring.
    QCOMPARE(w.window.snapshotRing().current, 1);
    QCOMPARE(w.window.snapshotRing().count, 1);
    QCOMPARE(test::readFile(w.folder.file("hfset1.zh")), test::readFile(fixture("typical.zh")));

    // Continue again with nothing changed keeps every result in its place.
    const std::vector<Ticket> before = w.results().tickets;
    QVERIFY(w.run("b_continue"));
    QVERIFY(w.results().tickets == before);
}

void TestGeneratorWindow::cancelLeavesThePreviousResults() {
    Window w;
    w.loadConditions(fixture("no-condition.zh"));
    QVERIFY(w.run());
    const QString status = w.window.statusText();
    const std::vector<Ticket> before = w.results().tickets;
    w.click("b_next");

    w.loadConditions(fixture("typical.zh"));
    w.click("b_run");
    QVERIFY(w.window.isRunning());
    w.click("b_stoprun");
    QVERIFY(!w.button("b_stoprun")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!w.window.isRunning(), kRunTimeout);
    QVERIFY(w.prompts.informed.isEmpty());
    QVERIFY(w.results().tickets == before);
    QCOMPARE(w.countLabel(), u("投注结果：共1107568注，2215136元"));
    QCOMPARE(w.pageLabel(), u("第2页/ 111页"));
    QCOMPARE(w.window.statusText(), status);
    QVERIFY(w.child<QWidget>("ts_zqgl")->isEnabled());
    // No snapshot for a cancelled run.
    QCOMPARE(w.window.snapshotRing().current, 0);
    QVERIFY(!QFile::exists(w.folder.qfile("hfset1.zh")));

    // A cancelled continue run leaves them too.
    w.click("b_continue");
    w.click("b_stoprun");
    QTRY_VERIFY_WITH_TIMEOUT(!w.window.isRunning(), kRunTimeout);
    QVERIFY(w.results().tickets == before);

    // Hiding the window stops a run at once, as a cancel does.
    QSignalSpy running(&w.window, &Tf_zh::runningChanged);
    w.click("b_run");
    QVERIFY(w.window.isRunning());
    w.window.hide();
    QVERIFY(!w.window.isRunning());
    QCOMPARE(running.size(), 2);
    QVERIFY(running.at(0).at(0).toBool() && !running.at(1).at(0).toBool());
    QVERIFY(w.results().tickets == before);
    QCOMPARE(w.window.statusText(), status);
    w.window.show();
    QVERIFY(w.child<QWidget>("ts_zqgl")->isEnabled());
    QCoreApplication::processEvents();  // the abandoned run's end, if it was posted, changes nothing
    QVERIFY(w.results().tickets == before);
    QCOMPARE(w.window.snapshotRing().current, 0);
}

void TestGeneratorWindow::predictionRecordStopsTheRun() {
    Window w;
    w.loadConditions(fixture("no-condition.zh"));
    QVERIFY(w.run());
    const std::vector<Ticket> before = w.results().tickets;
    const QString status = w.window.statusText();
    const int draws = w.ws.sjk.RecordCount();
    DrawRecord prediction{};
    prediction[0] = kPredictionPeriod;
    for (int i = 1; i <= 7; ++i) prediction[i] = i;
    w.ws.sjk.Append();
    w.ws.sjk.setRecord(w.ws.sjk.RecordCount(), prediction);

    for (const char* command : {"b_run", "b_continue"}) {
        w.prompts.informed.clear();
        if (std::string(command) == "b_continue") {
            w.ws.sjk.Append();
            w.ws.sjk.setRecord(w.ws.sjk.RecordCount(), prediction);
        }
        w.click(command);
        QVERIFY(!w.window.isRunning());
        QCOMPARE(w.prompts.informed, QStringList({u("在过滤前，如果预测区存在，必须先清除预测区，否则条件设置可能存在错"
                                                    "误。预测区已清除，请你重新设置条件。")}));
        QCOMPARE(w.ws.sjk.RecordCount(), draws);
        QVERIFY(w.results().tickets == before);
        QCOMPARE(w.window.statusText(), status);
        QCOMPARE(w.window.snapshotRing().current, 0);
    }
}

void TestGeneratorWindow::emptyDeviationRangeStopsTheRun() {
    Window w;
    w.clickRowBox("cb_zb", 35);
    QTest::keyClicks(w.edit("e_zbfrom35"), QStringLiteral("10"));
    QVERIFY(w.run());
    QCOMPARE(w.prompts.informed, QStringList({u("离散系数还未确定范围")}));
    QCOMPARE(w.countLabel(), u("投注结果：共0注，0元"));
    QCOMPARE(w.window.statusText(), QString());
    QCOMPARE(w.window.snapshotRing().current, -1);
    // The conditions stay as set.
    QVERIFY(w.box("cb_zb35")->isChecked());
    QCOMPARE(w.edit("e_zbfrom35")->text(), u("10"));
}

void TestGeneratorWindow::savedConditionsLoadBackToTheSameState() {
    Window w;
    // Rows, numbers, exclusions, total tolerance and the three lists.
    w.clickRowBox("cb_zb", 25);
    w.dialogs.values.push_back(std::vector<int32_t>{70, 71, 72});
    w.clickRowButton(25);
    w.clickRowBox("cb_rc", 25);
    w.clickRowBox("cb_zb", 34);
    QTest::keyClicks(w.edit("e_zbfrom34"), QStringLiteral("4"));
    QTest::keyClicks(w.edit("e_zbto34"), QStringLiteral("11"));
    w.dialogs.values.push_back(std::vector<int32_t>{3, 7});
    w.click("b_dm");
    w.clickBox(w.box("cb_lsxt"));
    w.clickBox(w.box("cb_zrc"));
    w.child<QComboBox>("combo_rcto")->setCurrentIndex(2);
    Q_EMIT w.child<QComboBox>("combo_rcto")->activated(2);
    QCOMPARE(w.conditions().totalTo, 3);

    w.showConditionPage(w.window.selfSetPage());
    w.dialogs.selfSets.push_back(group({1, 2, 3}, {0, 1}, true));
    w.click("b_zsadd");  // adding an entry switches its list on
    w.showConditionPage(w.window.tailPage());
    w.dialogs.tails.push_back(group({3, 5}, {2}, false, true));
    w.click("b_wsadd");
    w.showConditionPage(w.window.customPage());
    w.edit("e_gs")->setText(QStringLiteral("z_hz%10"));
    w.dialogs.values.push_back(std::vector<int32_t>{1, 3});
    w.click("b_qz");
    w.click("b_zbadd");
    QVERIFY(w.box("cb_zscond")->isChecked() && w.box("cb_wsset")->isChecked() && w.box("cb_selfzb")->isChecked());
    const MainConditions saved = w.conditions();

    w.files.names.push_back(w.folder.qfile("save/mine"));
    w.menu("n_savecond");
    QCOMPARE(w.files.titles.back(), u("保存主区过滤条件"));
    QCOMPARE(w.files.filters.back(), u("主区过滤条件格式文件(*.zh)"));
    QVERIFY(w.prompts.informed.isEmpty());
    const std::string path = w.folder.file("save/mine.zh");
    QCOMPARE(test::fileSize(path), kConditionFileSize);
    QCOMPARE(test::readFile(path), encodeMainConditions(saved, 33));

    w.click("b_reset");
    QVERIFY(!w.box("cb_zb25")->isChecked());
    QCOMPARE(w.window.selfSetPage()->list()->count(), 0);
    QCOMPARE(w.window.tailPage()->list()->count(), 0);
    QVERIFY(!w.box("cb_selfzb")->isChecked());
    QCOMPARE(w.window.customPage()->list()->count(), 1);  // unticked, but kept

    w.loadConditions(path);
    QCOMPARE(encodeMainConditions(w.conditions(), 33), encodeMainConditions(saved, 33));
    QVERIFY(w.box("cb_zb25")->isChecked() && w.box("cb_rc25")->isChecked() && w.box("cb_rc25")->isEnabled());
    QCOMPARE(w.edit("e_zb25")->text(), u("70  71  72  "));
    QCOMPARE(w.edit("e_zbfrom34")->text(), u("4"));
    QCOMPARE(w.edit("e_zbto34")->text(), u("11"));
    QCOMPARE(w.edit("e_dm")->text(), u("03  07  "));
    QVERIFY(w.box("cb_lsxt")->isChecked() && w.box("cb_zrc")->isChecked());
    QCOMPARE(w.child<QComboBox>("combo_rcto")->currentText(), u("3"));
    QVERIFY(w.box("cb_zscond")->isChecked() && w.box("cb_wsset")->isChecked() && w.box("cb_selfzb")->isChecked());
    QCOMPARE(w.window.selfSetPage()->list()->item(0)->text(), u("号码组合:1  2  3    出现个数0  1  容错"));
    QCOMPARE(w.window.tailPage()->list()->item(0)->text(), u("尾号组:3  5    出现个数2  (相同尾数仅计算一次)"));
    QCOMPARE(w.window.customPage()->list()->item(0)->text(), u("z_hz%10  取值：1  3  "));

    // A name that already holds the extension is kept as it is.
    w.files.names.push_back(w.folder.qfile("save/other.zh.bak"));
    w.menu("n_savecond");
    QCOMPARE(test::fileSize(w.folder.file("save/other.zh.bak")), kConditionFileSize);
    // A cancelled dialog writes nothing; a file that cannot be read says so and keeps the conditions.
    w.menu("n_savecond");
    w.loadConditions(w.folder.file("save/missing.zh"));
    QCOMPARE(w.prompts.informed.size(), 1);
    QVERIFY(w.prompts.informed.back().startsWith(u("无法读取文件：")));
    QVERIFY(w.box("cb_zb25")->isChecked());
}

void TestGeneratorWindow::regularAndExitConditions() {
    Window w;
    w.menu("n_loadcg");
    QCOMPARE(w.prompts.informed.back(), u("常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件"));
    w.menu("n_loadexit");
    QCOMPARE(w.prompts.informed.back(), u("你是第一次使用，上次退出前的过滤条件的文件并不存在"));

    w.clickRowBox("cb_zb", 2);
    w.dialogs.values.push_back(std::vector<int32_t>{2, 3, 4});
    w.clickRowButton(2);
    w.menu("n_savecg");
    QCOMPARE(test::fileSize(w.folder.file("save/cgset.zh")), kConditionFileSize);
    w.click("b_reset");
    w.menu("n_loadcg");
    QCOMPARE(w.edit("e_zb2")->text(), u("2  3  4  "));

    // At exit: "exitset.zh", and the snapshot files go.
    QVERIFY(w.run());
    QVERIFY(QFile::exists(w.folder.qfile("hfset0.zh")));
    QVERIFY(w.window.saveExitConditions().ok);
    QCOMPARE(test::fileSize(w.folder.file("exitset.zh")), kConditionFileSize);
    QVERIFY(!QFile::exists(w.folder.qfile("hfset0.zh")));
    w.click("b_reset");
    w.menu("n_loadexit");
    QCOMPARE(w.edit("e_zb2")->text(), u("2  3  4  "));
}

void TestGeneratorWindow::snapshotRingStepsBackThroughRuns() {
    Window w;
    w.menu("n_restore");
    QCOMPARE(w.prompts.informed, QStringList({u("没有过滤条件可供恢复")}));
    w.prompts.informed.clear();
    // Fix five numbers so that each run is short: the sixth number is free.
    w.dialogs.values.push_back(std::vector<int32_t>{11, 12, 14, 20, 25});
    w.click("b_dm");
    w.clickRowBox("cb_zb", 2);
    w.dialogs.values.push_back(std::vector<int32_t>{2});
    w.clickRowButton(2);
    QVERIFY(w.run());
    w.dialogs.values.push_back(std::vector<int32_t>{3});
    w.clickRowButton(2);
    QVERIFY(w.run());
    w.dialogs.values.push_back(std::vector<int32_t>{4});
    w.clickRowButton(2);
    QVERIFY(w.run());
    QVERIFY(w.prompts.informed.isEmpty());
    QCOMPARE(w.edit("e_zb2")->text(), u("4  "));

    w.menu("n_restore");
    QCOMPARE(w.edit("e_zb2")->text(), u("3  "));
    QCOMPARE(w.edit("e_dm")->text(), u("11  12  14  20  25  "));
    w.menu("n_restore");
    QCOMPARE(w.edit("e_zb2")->text(), u("2  "));
    QVERIFY(w.prompts.informed.isEmpty());
    w.menu("n_restore");
    QCOMPARE(w.prompts.informed, QStringList({u("没有过滤条件可供恢复")}));
    QCOMPARE(w.edit("e_zb2")->text(), u("2  "));
}

void TestGeneratorWindow::showConditionsWritesTheReportAndOpensIt() {
    Window w;
    w.clickRowBox("cb_zb", 25);
    w.dialogs.values.push_back(std::vector<int32_t>{70, 71});
    w.clickRowButton(25);
    w.menu("n_showcond");
    const std::string path = w.folder.file("database/showcond.txt");
    const QString text = QString::fromStdString(gbkToUtf8(test::readFile(path)));
    QVERIFY2(text.startsWith(u("可选红号：1，2，")), qPrintable(text.left(40)));
    QVERIFY(text.contains(u("\r\n指标过滤设置：\r\n")));
    QVERIFY(text.contains(u("和值：70，71，\r\n")));
    QVERIFY(text.contains(u("去除等间距组合\r\n")));
    // The report shows in a window of the program, decoded, whatever editors the desktop has.
    QVERIFY(w.shell.opened.isEmpty());
    auto* viewer = w.child<TextViewer>("conditionReport");
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->file(), QString::fromStdString(path));
    QCOMPARE(viewer->browser()->toPlainText(), QString(text).replace(u("\r\n"), u("\n")));
}

void TestGeneratorWindow::checkConditionsAsksPeriodThenMode() {
    Window w;
    w.loadConditions(fixture("typical.zh"));
    const int newest = w.ws.sjk.RecordCount();
    const int32_t period = w.ws.sjk.FieldValueAt(newest, 0);

    // Cancelling the period or the mode writes nothing.
    w.menu("n_checkcond");
    QCOMPARE(w.dialogs.periodLists.size(), size_t(1));
    QCOMPARE(int(w.dialogs.periodLists[0].size()), newest);
    QCOMPARE(w.dialogs.periodLists[0].back(), period);
    QVERIFY(std::is_sorted(w.dialogs.periodLists[0].begin(), w.dialogs.periodLists[0].end()));
    w.dialogs.periods.push_back(period);
    w.menu("n_checkcond");
    QVERIFY(w.shell.opened.isEmpty());
    QVERIFY(!w.window.findChild<TextViewer*>(u("conditionReport")));

    w.dialogs.periods.push_back(period);
    w.dialogs.modes.push_back(CheckMode::All);
    w.menu("n_checkcond");
    const std::string path = w.folder.file("database/showcond.txt");
    QVERIFY(w.shell.opened.isEmpty());
    QCOMPARE(w.child<TextViewer>("conditionReport")->file(), QString::fromStdString(path));
    QVERIFY(w.child<TextViewer>("conditionReport")->isVisible());
    const std::string written = test::readFile(path);
    SeriesMemo memo;
    const CheckReport expected = checkReport(w.conditions(), indicatorContext(w.ws, &memo), newest, CheckMode::All);
    std::string lines;
    for (const std::string& line : expected.lines) lines += line + "\r\n";
    QCOMPARE(gbkToUtf8(written), lines);
    const QString text = QString::fromStdString(lines);
    QVERIFY(text.startsWith(u("正确 可选红号：")));
    QVERIFY(text.contains(u("和值：")));
}

void TestGeneratorWindow::backtestAsksTheCountAndShowsTheReport() {
    Window w;
    w.loadConditions(fixture("typical.zh"));
    std::vector<std::pair<int, int>> asked;
    std::optional<int> answer;  // the number dialog cancelled
    w.window.conditionMenu()->setAskCount([&](QWidget*, int preset, int most) {
        asked.emplace_back(preset, most);
        return answer;
    });
    const std::string path = w.folder.file("database/backtest.txt");
    w.menu("n_backtest");
    QCOMPARE(asked, (std::vector<std::pair<int, int>>{{100, w.ws.sjk.RecordCount() - 1}}));
    QCOMPARE(test::fileSize(path), -1);

    // Cancelled in the progress dialog: nothing written, nothing said.
    answer = 3;
    QTimer::singleShot(0, &w.window, [&] {
        auto* progress = w.window.findChild<QProgressDialog*>(u("backtestProgress"));
        QVERIFY(progress && progress->isVisible());
        QPushButton* cancel = progress->findChild<QPushButton*>();
        QVERIFY(cancel);
        cancel->click();
    });
    w.menu("n_backtest");
    QCOMPARE(test::fileSize(path), -1);
    QVERIFY(w.prompts.informed.isEmpty());
    QVERIFY(!w.window.findChild<QProgressDialog*>(u("backtestProgress")));

    // The report of the last two draws, as the engine writes it, in the program's viewer.
    answer = 2;
    w.menu("n_backtest");
    QVERIFY(w.prompts.informed.isEmpty());
    Generator generator{1};
    generator.conditions = w.conditions();
    const ConditionBacktest expected = conditionBacktest(generator, w.ws, 2, RunOptions{});
    QVERIFY(expected.completed);
    std::string lines;
    for (const std::string& line : conditionBacktestReport(expected)) lines += line + "\r\n";
    QCOMPARE(gbkToUtf8(test::readFile(path)), lines);
    auto* viewer = w.child<TextViewer>("conditionReport");
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->file(), QString::fromStdString(path));
    QVERIFY(viewer->browser()->toPlainText().startsWith(u("条件回测：最近2期")));
    QVERIFY(w.shell.opened.isEmpty());

    // A prediction record stops it as it stops a run, and is removed.
    const int draws = w.ws.sjk.RecordCount();
    DrawRecord prediction{};
    prediction[0] = kPredictionPeriod;
    for (int i = 1; i <= 7; ++i) prediction[i] = i;
    w.ws.sjk.Append();
    w.ws.sjk.setRecord(w.ws.sjk.RecordCount(), prediction);
    w.menu("n_backtest");
    QCOMPARE(w.prompts.informed, QStringList({QString::fromUtf8(kPredictionPresentMessage)}));
    QCOMPARE(w.ws.sjk.RecordCount(), draws);
    QCOMPARE(asked.size(), size_t(3));
}

void TestGeneratorWindow::resultFilesSaveAndLoad() {
    Window w;
    // Five fixed numbers leave 28 tickets; the exclusions would remove them, so they are off.
    w.clickBox(w.box("cb_djj"));
    w.clickBox(w.box("cb_tslh"));
    w.dialogs.values.push_back(std::vector<int32_t>{1, 2, 3, 4, 5});
    w.click("b_dm");
    QVERIFY(w.run());
    QCOMPARE(w.countLabel(), u("投注结果：共28注，56元"));
    QCOMPARE(w.pageLabel(), u("第1页/ 1页"));
    QCOMPARE(w.row(0), numbersRow({"01", "02", "03", "04", "05", "33"}, u("第1条")));
    QCOMPARE(w.row(27), numbersRow({"01", "02", "03", "04", "05", "06"}, u("第28条")));

    w.files.names.push_back(w.folder.qfile("results"));
    w.popup("mi_savezh");
    QCOMPARE(w.files.titles.back(), u("保存组号结果"));
    QCOMPARE(w.files.filters.back(), u("组号结果文件 (*.txt)"));
    const std::string written = test::readFile(w.folder.file("results.txt"));
    QCOMPARE(written.size(), size_t(28 * 20));
    QVERIFY(written.rfind("01 02 03 04 05 33 \r\n01 02 03 04 05 32 \r\n", 0) == 0);
    QCOMPARE(written, encodeResultText(w.results().tickets, 6));

    // A fresh window loads them and may continue from them.
    Window other;
    QVERIFY(!other.button("b_continue")->isEnabled());
    other.files.names.push_back(w.folder.qfile("results.txt"));
    other.popup("mi_loadzh");
    QCOMPARE(other.files.titles.back(), u(" 打开组号结果存储文件"));
    QCOMPARE(other.countLabel(), u("投注结果：共28注，56元"));
    QCOMPARE(other.row(0), numbersRow({"01", "02", "03", "04", "05", "33"}, u("第1条")));
    QVERIFY(other.button("b_continue")->isEnabled());
    QCOMPARE(other.window.statusText(), u("超强组号  已得到符合条件的红号组有28个"));

    // Continue filtering the loaded list with the default conditions: the special runs go.
    QVERIFY(other.run("b_continue"));
    QCOMPARE(other.countLabel(), u("投注结果：共0注，0元"));
    QVERIFY(other.window.statusText().endsWith(u("已得到符合条件的红号组有0个  系统保留的记录个数0")));
}

void TestGeneratorWindow::selfSetAndTailPages() {
    Window w;
    ZhGroupPage* page = w.window.selfSetPage();
    w.showConditionPage(page);
    QCOMPARE(w.box("cb_zscond")->text(), u("自设条件"));
    QCOMPARE(w.button("b_zsadd")->text(), u("增加"));
    QCOMPARE(w.button("b_zsadd")->toolTip(), u("最多可添加400注自设条件"));

    w.click("b_zsmodify");
    w.click("b_zsdelete");
    QCOMPARE(w.prompts.informed, QStringList({u("请先在中间的列表框中选择一项要修改的数据"),
                                              u("请先在中间的列表框中选择一项要删除的数据")}));
    QVERIFY(w.dialogs.selfSetPresets.empty());

    w.dialogs.selfSets.push_back(group({1, 2, 3}, {0, 1}));
    w.dialogs.selfSets.push_back(group({10, 20}, {1}, true));
    w.dialogs.selfSets.push_back(group({33}, {0}));
    w.click("b_zsadd");
    w.click("b_zsadd");
    w.click("b_zsadd");
    w.click("b_zsadd");  // cancelled
    QCOMPARE(w.dialogs.selfSetShape, std::make_pair(33, 6));
    QCOMPARE(page->list()->count(), 3);
    QCOMPARE(page->list()->item(0)->text(), u("号码组: 1  2  3  ;出现个数: 0  1  "));
    QCOMPARE(page->list()->item(1)->text(), u("号码组: 10  20  ;出现个数: 1  容错"));
    QCOMPARE(w.conditions().selfSet.size(), size_t(3));

    page->list()->setCurrentRow(1);
    w.dialogs.selfSets.push_back(group({10, 21}, {0, 2}));
    w.click("b_zsmodify");
    QVERIFY(w.dialogs.selfSetPresets.back().has_value());
    QCOMPARE(w.dialogs.selfSetPresets.back()->numbers, std::vector<uint8_t>({10, 20}));
    QCOMPARE(page->list()->item(1)->text(), u("号码组: 10  21  ;出现个数: 0  2  "));

    page->list()->setCurrentRow(0);
    w.click("b_zsdelete");
    QCOMPARE(page->list()->count(), 2);
    QCOMPARE(page->list()->item(0)->text(), u("号码组: 10  21  ;出现个数: 0  2  "));
    QCOMPARE(page->list()->item(1)->text(), u("号码组: 33  ;出现个数: 0  "));
    QCOMPARE(w.conditions().selfSet[0].numbers, std::vector<uint8_t>({10, 21}));
    // Adding an entry switched the list on (an entry in a list that is off would be ignored).
    QVERIFY(w.conditions().selfSetEnabled);
    w.clickBox(w.box("cb_zscond"));
    QVERIFY(!w.conditions().selfSetEnabled);
    w.clickBox(w.box("cb_zscond"));
    QVERIFY(w.conditions().selfSetEnabled);

    ZhGroupPage* tails = w.window.tailPage();
    w.showConditionPage(tails);
    QCOMPARE(w.box("cb_wsset")->text(), u("尾数设置"));
    QCOMPARE(w.button("b_wsadd")->toolTip(), u("最多可添加50注尾数条件"));
    w.dialogs.tails.push_back(group({3, 5}, {2}, false, true));
    w.click("b_wsadd");
    QCOMPARE(tails->list()->item(0)->text(), u("尾号组: 3  5  ;出现个数: 2  (相同尾数仅计算一次)"));
    QVERIFY(w.dialogs.tailPresets.back() == std::nullopt);
    tails->list()->setCurrentRow(0);
    w.dialogs.tails.push_back(group({3}, {2}, true));
    w.click("b_wsmodify");
    QCOMPARE(w.dialogs.tailPresets.back()->numbers, std::vector<uint8_t>({3, 5}));
    QCOMPARE(tails->list()->item(0)->text(), u("尾号组: 3  ;出现个数: 2  容错"));
    w.click("b_wsdelete");
    QCOMPARE(tails->list()->count(), 0);
    QVERIFY(w.conditions().tails.empty());

    // The reset empties both lists and unticks their boxes.
    w.click("b_reset");
    QCOMPARE(page->list()->count(), 0);
    QVERIFY(!w.box("cb_zscond")->isChecked() && w.conditions().selfSet.empty());
}

void TestGeneratorWindow::customIndicatorPage() {
    Window w;
    ZhCustomPage* page = w.window.customPage();
    w.showConditionPage(page);
    QCOMPARE(w.label("l_gs")->text(), u("自定义公式："));
    QCOMPARE(w.label("l_qz")->text(), u("自定义公式取值："));
    QCOMPARE(w.button("b_fzsr")->text(), u(" 辅助输入 "));
    QCOMPARE(w.box("cb_selfzb")->text(), u("自定义指标"));

    // " 辅助输入 ": the formula input dialog, cleared; its formula goes into the field.
    page->setDialogRunner([](QDialog& dialog) {
        auto* input = dialog.findChild<QLineEdit*>(QStringLiteral("e_fzsr"));
        if (!input || !input->text().isEmpty()) return int(QDialog::Rejected);
        input->setText(QStringLiteral("z_num2%10"));
        dialog.accept();
        return dialog.result();
    });
    w.click("b_fzsr");
    QCOMPARE(w.edit("e_gs")->text(), u("z_num2%10"));

    // "取值": the chooser over 0..1000 with the formula's value at the newest draw (2026096: 01 04
    // 16 22 26 31, so 4; the draws before it give 6 and 3, the first draw 1).
    w.dialogs.values.push_back(std::vector<int32_t>{3, 1});
    w.click("b_qz");
    const ValueChoice& choice = w.dialogs.choices.back();
    QCOMPARE(choice.lo, 0);
    QCOMPARE(choice.hi, 1000);
    QCOMPARE(choice.reference, std::optional<int32_t>(4));
    QCOMPARE(w.edit("e_qz")->text(), u("1  3  "));

    w.clickBox(w.box("cb_rc"));
    w.click("b_zbadd");
    QCOMPARE(page->list()->count(), 1);
    QCOMPARE(page->list()->item(0)->text(), u("z_num2%10  容错  取值: 1  3  "));
    QCOMPARE(w.edit("e_gs")->text(), QString());
    QCOMPARE(w.edit("e_qz")->text(), QString());
    QVERIFY(!w.box("cb_rc")->isChecked());
    QCOMPARE(w.conditions().custom.count(), 1);
    QCOMPARE(w.conditions().custom[0].values, std::vector<int32_t>({1, 3}));

    // An empty formula adds nothing; a formula that cannot be evaluated says so.
    w.click("b_zbadd");
    QCOMPARE(page->list()->count(), 1);
    w.edit("e_gs")->setText(QStringLiteral("z_hz+"));
    w.click("b_qz");
    QCOMPARE(w.prompts.informed.size(), 1);
    QVERIFY(w.prompts.informed.back().startsWith(u("公式有误:")));
    w.prompts.informed.clear();

    // A typed identifier that names no indicator, or unmatched parentheses, are refused where they
    // are typed: no chooser, nothing added.
    w.prompts.warned.clear();
    const size_t choicesBefore = w.dialogs.choices.size();
    for (const char* typo : {"z_foo%10", "z_hz+(1"}) {
        w.edit("e_gs")->setText(QString::fromUtf8(typo));
        w.click("b_qz");
        w.click("b_zbadd");
    }
    const QString unknown = QString::fromStdString(notAnIndicatorMessage("z_foo"));
    const QString parentheses = QString::fromUtf8(kParenthesesMessage);
    QCOMPARE(w.prompts.warned, QStringList({unknown, unknown, parentheses, parentheses}));
    QCOMPARE(w.dialogs.choices.size(), choicesBefore);
    QCOMPARE(page->list()->count(), 1);
    w.prompts.informed.clear();
    w.prompts.warned.clear();

    // "修改" and "删除" need a selected line.
    page->list()->setCurrentRow(-1);
    w.click("b_zbmodify");
    w.click("b_zbdelete");
    QCOMPARE(w.prompts.informed, QStringList({u("请先在自定义指标列表框中选择一项要修改的条件"),
                                              u("请先在自定义指标列表框中选择一项要删除的条件")}));
    page->list()->setCurrentRow(0);
    w.dialogs.values.push_back(std::vector<int32_t>{2});
    w.prompts.answers.push_back(true);
    w.click("b_zbmodify");
    QCOMPARE(w.dialogs.choices.back().preselected, std::vector<int32_t>({1, 3}));
    QCOMPARE(w.prompts.asked.back(), u("确认|是否容错？如果容错，请选yes;如果不容错，请选no"));
    QCOMPARE(page->list()->item(0)->text(), u("z_num2%10 容错 取值:2  "));
    w.dialogs.values.push_back(std::vector<int32_t>{2, 4});
    w.prompts.answers.push_back(false);
    w.click("b_zbmodify");
    QCOMPARE(page->list()->item(0)->text(), u("z_num2%10 取值:2  4  "));
    QVERIFY(!w.conditions().custom[0].tolerant);

    // An empty value set is refused like the other lists' empty sets: by "添加" and by "修改".
    w.prompts.informed.clear();
    w.edit("e_gs")->setText(QStringLiteral("z_hz"));
    w.click("b_zbadd");
    page->list()->setCurrentRow(0);
    w.dialogs.values.push_back(std::vector<int32_t>{});
    w.prompts.answers.push_back(false);
    w.click("b_zbmodify");
    QCOMPARE(w.prompts.informed, QStringList({u("未选择指标的取值"), u("未选择指标的取值")}));
    QCOMPARE(page->list()->count(), 1);
    QCOMPARE(page->list()->item(0)->text(), u("z_num2%10 取值:2  4  "));
    QCOMPARE(w.conditions().custom[0].values, std::vector<int32_t>({2, 4}));
    w.edit("e_gs")->clear();

    // A run with the custom indicator filters by it: every ticket's second number ends in 2 or 4.
    // Adding it switched the list on.
    QVERIFY(w.box("cb_selfzb")->isChecked());
    w.dialogs.values.push_back(std::vector<int32_t>{1, 2, 3, 4, 5});
    w.click("b_dm");
    w.clickBox(w.box("cb_tslh"));
    QVERIFY(w.run());
    QVERIFY(!w.results().tickets.empty());
    for (const Ticket& ticket : w.results().tickets) QVERIFY(ticket[1] % 10 == 2 || ticket[1] % 10 == 4);

    w.click("b_zbdelete");
    QCOMPARE(page->list()->count(), 0);
    QCOMPARE(w.conditions().custom.count(), 0);
}

void TestGeneratorWindow::resetForAFiveOfThirtyFiveGame() {
    Window w;
    w.loadConditions(fixture("no-condition.zh"));
    QVERIFY(w.run());
    w.clickRowBox("cb_zb", 2);
    w.dialogs.values.push_back(std::vector<int32_t>{2});
    w.clickRowButton(2);
    w.showConditionPage(w.window.selfSetPage());
    w.dialogs.selfSets.push_back(group({1, 2}, {1}));
    w.click("b_zsadd");

    const int previous = w.ws.curcp;
    w.ws.curcp = 1;
    QVERIFY(switchLotteryType(w.ws, previous).ok);
    QCOMPARE(w.ws.game.zhgs, 5);
    QCOMPARE(w.ws.game.zh_to, 35);
    w.window.resetForType();

    QCOMPARE(w.window.pages()->tabText(0), u("主号过滤"));
    QVERIFY(!w.window.pages()->isTabVisible(1));
    QVERIFY(w.window.pages()->isTabVisible(2) && w.window.pages()->isTabEnabled(2));
    QString all;
    for (int n = 1; n <= 35; ++n) all += QStringLiteral("%1  ").arg(n, 2, 10, QLatin1Char('0'));
    QCOMPARE(w.edit("e_kxhm")->text(), all);
    QVERIFY(w.conditions().selectable[35]);
    QVERIFY(!w.box("cb_zb2")->isChecked());
    QCOMPARE(w.edit("e_zb2")->text(), QString());
    QCOMPARE(w.window.selfSetPage()->list()->count(), 0);
    QVERIFY(w.conditions().selfSet.empty());
    QVERIFY(!w.box("cb_zb94")->isEnabled());
    QVERIFY(w.box("cb_zb93")->isEnabled());

    QCOMPARE(w.countLabel(), u("投注结果：共0注，0元"));
    QCOMPARE(w.pageLabel(), u("第1页/ 0页"));
    QCOMPARE(w.header(), QStringList({u("序号"), u("主号1"), u("主号2"), u("主号3"), u("主号4"), u("主号5")}));
    QVERIFY(!w.button("b_continue")->isEnabled());
    QCOMPARE(w.window.statusText(), QString());
    QComboBox* periods = w.child<QComboBox>("combo_glqh");
    QCOMPARE(periods->count(), w.ws.sjk.RecordCount() + 1);
    QCOMPARE(periods->currentText(), u("未开奖期"));

    // The choosers take the new ranges.
    w.dialogs.values.push_back(std::nullopt);
    w.click("b_kxhm");
    QCOMPARE(w.dialogs.choices.back().hi, 35);
    w.clickRowBox("cb_zb", 1);
    w.clickRowButton(1);
    QCOMPARE(w.dialogs.choices.back().lo, 0);
    QCOMPARE(w.dialogs.choices.back().hi, 5);
    w.clickRowBox("cb_zb", 1);

    // The exclusions keep the state the loaded file gave them (off): a run over the new game
    // gives all C(35, 5) tickets, five numbers each.
    QVERIFY(!w.box("cb_djj")->isChecked() && !w.box("cb_tslh")->isChecked());
    QVERIFY(w.run());
    QCOMPARE(int(w.results().tickets.size()), 324632);
    QCOMPARE(w.row(0), numbersRow({"31", "32", "33", "34", "35"}, u("第1条")));
    QCOMPARE(w.pageLabel(), u("第1页/ 33页"));
}

void TestGeneratorWindow::exportsFromOtherWindows() {
    Window w;
    // addforselfcond: the self-set dialog, then the entry, the ticked box and the confirmation.
    w.dialogs.selfSets.push_back(group({1, 2, 3}, {0, 1}));
    QVERIFY(w.window.addforselfcond());
    QVERIFY(w.window.generator().conditions.selfSetEnabled);
    QCOMPARE(w.window.generator().conditions.selfSet.size(), size_t(1));
    QCOMPARE(w.prompts.informed.size(), 1);
    QVERIFY(
        w.prompts.informed.back().startsWith(QStringLiteral("过滤条件设置结果是：号码组: 1  2  3  ;出现个数: 0  1  ")));
    QVERIFY(w.prompts.informed.back().endsWith(QStringLiteral("。现已成功导出到超强组号的自设条件中")));
    QVERIFY(!w.window.addforselfcond());  // cancelled: nothing added
    QCOMPARE(w.window.generator().conditions.selfSet.size(), size_t(1));

    // addforselfzb: an empty formula does nothing; otherwise values over lo..hi with the newest
    // value as the reference, the tolerance question, the entry and the confirmation.
    QVERIFY(!w.window.addforselfzb("   ", 0, 9));
    w.dialogs.values.push_back(std::vector<int32_t>{7, 3});
    w.prompts.answers.push_back(true);
    QVERIFY(w.window.addforselfzb(" z_hz%10 ", 0, 9));
    QCOMPARE(w.dialogs.choices.back().lo, 0);
    QCOMPARE(w.dialogs.choices.back().hi, 9);
    QCOMPARE(w.dialogs.choices.back().reference, std::optional<int32_t>(100 % 10));  // 2026096 sums to 100
    QVERIFY(w.prompts.asked.back() == QStringLiteral("容错选择|是否进行容错?"));
    const MainConditions& c = w.window.generator().conditions;
    QVERIFY(c.customEnabled);
    QCOMPARE(c.custom.count(), 1);
    QCOMPARE(c.custom[0].formula, std::string("z_hz%10"));
    QCOMPARE(c.custom[0].values, (std::vector<int32_t>{3, 7}));
    QCOMPARE(int(c.custom[0].tolerant), 1);
    QCOMPARE(
        w.prompts.informed.back(),
        QStringLiteral("过滤条件设置结果是：z_hz%10  容错  取值: 3  7  。现已成功导出到超强组号的自定义指标条件中"));
    // The sum is 100 at the draws before it too: a formula of the first number tells them apart
    // (01 at 2026096; 04, 06 at the two before). Cancelled: nothing more is added.
    w.dialogs.values.push_back(std::nullopt);
    QVERIFY(!w.window.addforselfzb("z_num1", 0, 9));
    QCOMPARE(w.dialogs.choices.back().reference, std::optional<int32_t>(1));
    QCOMPARE(c.custom.count(), 1);
}

// The window runs on one worker for its life: a second run of the typical condition set gives the
// same tickets and reuses the first run's buffers. The engine's times of both runs are printed
// (they are measured by the benchmarks, not asserted here).
void TestGeneratorWindow::repeatedRunsOnTheLongLivedWorker() {
    Window w;
    w.loadConditions(fixture("typical.zh"));
    QElapsedTimer clock;
    std::vector<Ticket> first;
    for (int run = 1; run <= 3; ++run) {
        clock.start();
        QVERIFY(w.run());
        const qint64 wall = clock.nsecsElapsed() / 1000;
        QCOMPARE(w.results().tickets.size(), size_t(58293));
        if (run == 1)
            first = w.results().tickets;
        else
            QCOMPARE(w.results().tickets, first);
        qInfo("run %d: %s; from the click to the results %lld us", run, qPrintable(w.window.statusText()),
              static_cast<long long>(wall));
    }
}

void TestGeneratorWindow::handOffsFromTheAnalysisViews() {
    Window w;
    GeneratorHandOff& handOff = w.window;
    // An entry with nothing allowed is refused with the list's own text; nothing changes, nothing shown.
    QCOMPARE(handOff.addSelfSet(group({1, 2}, {})).message, std::string("未选择号码组应出现的次数"));
    QCOMPARE(handOff.addTail(group({3}, {})).message, std::string("未选择尾号组应出现的次数"));
    QCOMPARE(handOff.addCustom("z_hz", {}, false).message, std::string("未选择指标的取值"));
    QVERIFY(w.window.generator().conditions.selfSet.empty());
    QVERIFY(!w.window.selfSetPage()->masterBox()->isChecked());

    QVERIFY(handOff.addSelfSet(group({1, 2}, {1})).ok);
    QVERIFY(handOff.addTail(group({3, 5}, {2}, false, true)).ok);
    QVERIFY(handOff.addCustom("z_hz%10", {7, 3}, true).ok);
    const MainConditions& c = w.window.generator().conditions;
    QVERIFY(c.selfSetEnabled && c.tailEnabled && c.customEnabled);
    QVERIFY(w.window.selfSetPage()->masterBox()->isChecked());
    QVERIFY(w.window.tailPage()->masterBox()->isChecked());
    QCOMPARE(c.custom[0].values, (std::vector<int32_t>{3, 7}));
    QCOMPARE(w.window.selfSetPage()->lines().size(), size_t(1));
    QVERIFY(w.prompts.informed.isEmpty());  // the view says what happened, not the generator

    // A full list refuses with its limit.
    for (int i = 1; i < 400; ++i) QVERIFY(handOff.addSelfSet(group({1}, {1})).ok);
    QCOMPARE(handOff.addSelfSet(group({1}, {1})).message, std::string("最多可添加400注自设条件"));
    QCOMPARE(c.selfSet.size(), size_t(400));

    handOff.putCustomFormula("getzf(z_hz)");
    QCOMPARE(w.window.mainPage()->conditionPages()->currentWidget(), static_cast<QWidget*>(w.window.customPage()));
}

void TestGeneratorWindow::resultsOnTransformedDataGoBackThroughTheFilteredPeriod() {
    Window w;
    QVERIFY(applyTransform(w.ws, 1));
    w.window.mainPage()->fillPeriods();
    QComboBox* periods = w.child<QComboBox>("combo_glqh");
    periods->setCurrentIndex(periods->findData(2003003));
    w.loadConditions(fixture("no-condition.zh"));
    QVERIFY(w.run());
    const Ticket first = w.results().tickets.front();
    QMenu* popup = w.window.results()->popup();
    QAction* restore = popup->findChild<QAction*>(QStringLiteral("mi_restore"));
    Q_EMIT popup->aboutToShow();
    QVERIFY(restore->isEnabled());
    w.popup("mi_restore");
    // Tickets for 2003003 stand for places in R(2) = 12 10 28 26 13 11 01 02 ..
    const std::vector<int32_t> ranking = rankingForFilterPeriod(w.ws, 2003003);
    QCOMPARE(ranking[0], 12);
    Ticket expected = first;
    restoreTicket(expected.data(), 6, ranking);
    QCOMPARE(w.results().tickets.front(), expected);
    QCOMPARE(int(w.results().tickets.size()), kAllTickets);
    Q_EMIT popup->aboutToShow();
    QVERIFY(!restore->isEnabled());
    QVERIFY(applyTransform(w.ws, 0));
}

QTEST_MAIN(TestGeneratorWindow)
#include "test_f_zh.moc"
