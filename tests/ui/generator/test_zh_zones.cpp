// The generator's pages of the other zone: the special-number filter (双色球's blue number), the
// secondary-zone filter (超级大乐透's two back numbers), two-zone matching with its random tickets,
// prize check and printout, and the lists' popup commands; driven through the real widgets.
#include <QRadioButton>
#include <QTabBar>

#include "generator/batch.h"
#include "generator/secondaryfilter.h"
#include "generator/twozone.h"
#include "ui/common/textviewer.h"
#include "ui/generator/f_checkreward.h"
#include "ui/generator/f_groupfilter.h"
#include "ui/generator/zh_secondarypage.h"
#include "ui/generator/zh_bonuspage.h"
#include "ui/generator/zh_ticketlist.h"
#include "ui/generator/zh_twozonepage.h"
#include "ui/indicators/f_filter_zbpxz.h"
#include "ui/update/f_xgzh.h"
#include "zh_window.h"

using namespace lottodesk;
using namespace lottodesk::test;

namespace {

QStringList listTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

QStringList gridRow(const QTableView* grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid->model()->columnCount(); ++c) texts << grid->model()->index(row, c).data().toString();
    return texts;
}

QStringList gridHeader(const QTableView* grid) {
    QStringList texts;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        texts << grid->model()->headerData(c, Qt::Horizontal).toString();
    return texts;
}

// Switches the window to 超级大乐透 (five of 1..35 and two of 1..12).
void useTwoSecondaryNumbers(Window& w) {
    const int previous = w.ws.curcp;
    w.ws.curcp = 1;
    QVERIFY(switchLotteryType(w.ws, previous).ok);
    QCOMPARE(w.ws.game.fhgs, 2);
    QCOMPARE(w.ws.game.spec_to, 12);
    w.window.resetForType();
}

std::vector<Ticket> mainTickets(int count) {
    std::vector<Ticket> tickets;
    for (int i = 0; i < count; ++i) {
        Ticket t{};
        for (int k = 0; k < 6; ++k) t[static_cast<size_t>(k)] = static_cast<uint8_t>(1 + (i + k * 5) % 33);
        std::sort(t.begin(), t.begin() + 6);
        tickets.push_back(t);
    }
    return tickets;
}

// Loads `tickets` as the main results through "载入组号".
void loadMainResults(Window& w, const std::vector<Ticket>& tickets) {
    const std::string path = w.folder.file("main.txt");
    QVERIFY(saveResultFile(path, tickets, 6).ok);
    w.files.names.push_back(QString::fromStdString(path));
    w.popup("mi_loadzh");
    QCOMPARE(w.results().tickets.size(), tickets.size());
}

}  // namespace

class TestZhZones : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void specialPageFiltersTheBlueNumber();
    void specialPageRefusesOverAPredictionRecordAndEditsItsList();
    void specialConditionsRoundTripThroughTheirFile();
    void secondaryPageFiltersPairs();
    void secondaryListPopupEditsAndFiles();
    void twoZoneMatchingStylesAndLimits();
    void twoZoneRandomTicketsRewardAndPrintout();
    void batchRunsTheFilesInTurn();
    void batchCancelEndsIt();
    void filterExportReachesTheOtherZone();
    void controlNamesAreUniqueInTheWindow();
};

void TestZhZones::specialPageFiltersTheBlueNumber() {
    Window w;
    ZhBonusPage* page = w.window.specialPage();
    QCOMPARE(w.window.pages()->indexOf(page), 1);
    // "偶数" on 奇偶 and the amplitude {0..3} as chosen values: the run's list and label agree with
    // the filter itself on the same history.
    w.clickBox(w.box("cb_lh1"));
    w.child<QComboBox>("combo_lh1")->setCurrentIndex(1);
    Q_EMIT w.child<QComboBox>("combo_lh1")->activated(1);
    w.clickBox(w.box("cb_lh7"));
    w.dialogs.values.push_back(std::vector<int32_t>{3, 0, 1, 2});
    w.click("b_lh7");
    QCOMPARE(w.dialogs.choices.back().lo, 0);
    QCOMPARE(w.dialogs.choices.back().hi, 16);
    QVERIFY(w.dialogs.choices.back().reference.has_value());
    QCOMPARE(w.edit("e_lh7")->text(), u("0  1  2  3  "));
    // A mean row takes decimals as typed.
    w.clickBox(w.box("cb_lh9"));
    QTest::keyClicks(w.edit("e_fromlh9"), QStringLiteral("2.5"));
    QTest::keyClicks(w.edit("e_tolh9"), QStringLiteral("14"));
    QCOMPARE(page->conditions().means[0].from, std::optional<double>(2.5));

    w.click("b_lhrun");
    const SpecialRun expected = runSpecialFilter(w.ws, page->conditions());
    QVERIFY(expected.completed);
    QVERIFY(!expected.results.empty());
    QStringList shown;
    for (int n : expected.results) {
        QCOMPARE(n % 2, 0);
        shown << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    QCOMPARE(listTexts(page->resultList()), shown);
    QCOMPARE(w.label("l_lhcount")->text(), QStringLiteral("过滤结果：共%1个").arg(expected.results.size()));

    // Unticking clears the row; "重置" clears every row but keeps the custom list.
    w.clickBox(w.box("cb_lh7"));
    QVERIFY(w.edit("e_lh7")->text().isEmpty());
    QVERIFY(page->conditions().values[3].allowed.empty());
    w.click("b_lhreset");
    QVERIFY(!page->conditions().parity.enabled && !page->conditions().means[0].enabled);
    QVERIFY(!w.box("cb_lh1")->isChecked());
}

void TestZhZones::specialPageRefusesOverAPredictionRecordAndEditsItsList() {
    Window w;
    ZhBonusPage* page = w.window.specialPage();
    const int records = w.ws.sjk.RecordCount();
    // "添加" the chosen number, "删除" the selected one.
    w.child<QComboBox>("combo_lh")->setCurrentIndex(6);
    w.click("b_lhadd");
    w.child<QComboBox>("combo_lh")->setCurrentIndex(15);
    w.click("b_lhadd");
    QCOMPARE(listTexts(page->resultList()), (QStringList{u("07"), u("16")}));
    QCOMPARE(w.label("l_lhcount")->text(), u("过滤结果：共2个"));
    // "加到预测区" writes the selected number into a new prediction record (main numbers 1..6).
    page->resultList()->setCurrentRow(1);
    page->addToPrediction();
    QCOMPARE(w.ws.sjk.RecordCount(), records + 1);
    const int32_t* prediction = w.ws.sjk.record(records + 1);
    QCOMPARE(prediction[0], kPredictionPeriod);
    QCOMPARE(prediction[7], 16);
    QCOMPARE(prediction[6], 6);

    // A run over the prediction record removes it and says so; the list stays.
    w.click("b_lhrun");
    QCOMPARE(w.prompts.informed.back(), QString::fromUtf8(kSpecialPredictionMessage));
    QCOMPARE(w.ws.sjk.RecordCount(), records);
    QCOMPARE(listTexts(page->resultList()), (QStringList{u("07"), u("16")}));

    page->resultList()->setCurrentRow(0);
    w.click("b_lhdelete");
    QCOMPARE(listTexts(page->resultList()), (QStringList{u("16")}));
    // Without a selection "加到预测区" asks for one.
    page->resultList()->setCurrentRow(-1);
    page->addToPrediction();
    QCOMPARE(w.prompts.informed.back(), u("请先在上边的列表中选择一组号码"));
}

void TestZhZones::specialConditionsRoundTripThroughTheirFile() {
    Window w;
    ZhBonusPage* page = w.window.specialPage();
    w.clickBox(w.box("cb_lh3"));
    w.child<QComboBox>("combo_lh3")->setCurrentIndex(1);
    Q_EMIT w.child<QComboBox>("combo_lh3")->activated(1);
    w.clickBox(w.box("cb_rclh3"));
    w.clickBox(w.box("cb_lh13"));
    QTest::keyClicks(w.edit("e_fromlh13"), QStringLiteral("7.5"));
    w.clickBox(w.box("cb_zrclh"));
    const SpecialNumberConditions before = page->conditions();

    const std::string path = w.folder.file("save/blue");
    w.files.names.push_back(QString::fromStdString(path));
    w.click("b_lhsave");
    QCOMPARE(w.files.titles.back(), u("保存蓝号过滤条件"));
    QCOMPARE(w.files.filters.back(), u("蓝号过滤条件格式文件(*.lzh)"));
    QCOMPARE(QFileInfo(QString::fromStdString(path + ".lzh")).size(), 200 * 8437);

    w.click("b_lhreset");
    QVERIFY(!(page->conditions() == before));
    w.files.names.push_back(QString::fromStdString(path + ".lzh"));
    w.click("b_lhload");
    QCOMPARE(w.files.titles.back(), u("打开蓝号过滤条件存储文件"));
    QVERIFY(page->conditions() == before);
    QVERIFY(w.box("cb_lh3")->isChecked() && w.box("cb_rclh3")->isChecked());
    QCOMPARE(w.child<QComboBox>("combo_lh3")->currentText(), u("大数区"));
    QCOMPARE(w.edit("e_fromlh13")->text(), u("7.5"));
    QVERIFY(w.edit("e_tolh13")->text().isEmpty());

    // A file that cannot be read changes nothing and says so.
    w.files.names.push_back(QString::fromStdString(w.folder.file("save/missing.lzh")));
    w.click("b_lhload");
    QVERIFY(!w.prompts.warned.isEmpty());
    QVERIFY(page->conditions() == before);
}

void TestZhZones::secondaryPageFiltersPairs() {
    Window w;
    useTwoSecondaryNumbers(w);
    QTabWidget* pages = w.window.pages();
    ZhSecondaryPage* page = w.window.secondaryPage();
    QVERIFY(pages->isTabVisible(pages->indexOf(page)) && pages->isTabEnabled(pages->indexOf(page)));
    QVERIFY(!pages->isTabVisible(pages->indexOf(w.window.specialPage())));
    QCOMPARE(w.edit("e_fqkxhm")->text(), u("01  02  03  04  05  06  07  08  09  10  11  12  "));

    // No condition: every pair of 1..12.
    w.click("b_fqrun");
    QTableView* grid = page->results()->grid();
    QCOMPARE(grid->model()->rowCount(), 66);
    QCOMPARE(gridHeader(grid), (QStringList{u("序号"), u("副号一"), u("副号二")}));
    QCOMPARE(w.window.statusText(), u("超强组号  已得到符合条件的副号组有66个"));
    QCOMPARE(w.label("l_fqcount")->text(), u("投注结果：共66注"));

    // "副区和值" offers 3..23; {13} keeps the pairs that sum to 13, in the filter's order.
    w.clickBox(w.box("cb_fq5"));
    w.dialogs.values.push_back(std::vector<int32_t>{13});
    w.click("b_fq5");
    QCOMPARE(w.dialogs.choices.back().lo, 3);
    QCOMPARE(w.dialogs.choices.back().hi, 23);
    // "副区偏度" filters too: its chooser offers 0..15.
    w.clickBox(w.box("cb_fq4"));
    w.dialogs.values.push_back(std::nullopt);
    w.click("b_fq4");
    QCOMPARE(w.dialogs.choices.back().hi, 15);
    w.click("b_fqrun");
    const SecondaryRun expected = runSecondaryFilter(w.ws, page->conditions());
    QCOMPARE(grid->model()->rowCount(), static_cast<int>(expected.results.size()));
    QCOMPARE(grid->model()->rowCount(), 6);  // 1+12, 2+11, .. 6+7
    for (int r = 0; r < grid->model()->rowCount(); ++r) {
        const Ticket& pair = expected.results[static_cast<size_t>(r)];
        QCOMPARE(gridRow(grid, r), (QStringList{QStringLiteral("第%1条").arg(r + 1),
                                                QStringLiteral("%1").arg(pair[0], 2, 10, QLatin1Char('0')),
                                                QStringLiteral("%1").arg(pair[1], 2, 10, QLatin1Char('0'))}));
        QCOMPARE(pair[0] + pair[1], 13);
    }

    // More than two fixed numbers: the message, and no fixed number is kept.
    w.dialogs.values.push_back(std::vector<int32_t>{1, 2, 3});
    w.click("b_fqdm");
    QCOMPARE(w.prompts.informed.back(), u("选择副区胆码不能大于2个"));
    QVERIFY(w.edit("e_fqdm")->text().isEmpty());
    QVERIFY(std::none_of(page->conditions().fixed.begin(), page->conditions().fixed.end(), [](bool f) { return f; }));
    w.dialogs.values.push_back(std::vector<int32_t>{5});
    w.click("b_fqdm");
    QCOMPARE(w.edit("e_fqdm")->text(), u("05  "));
    w.click("b_fqrun");
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(gridRow(grid, 0), (QStringList{u("第1条"), u("05"), u("08")}));

    // Saved and loaded as ".fzh"; "副区偏度" travels in record 4.
    const std::string path = w.folder.file("save/back");
    w.files.names.push_back(QString::fromStdString(path));
    w.click("b_fqsave");
    QCOMPARE(w.files.titles.back(), u("保存副号过滤条件"));
    const SecondaryConditions saved = page->conditions();
    w.click("b_fqreset");
    QVERIFY(!w.box("cb_fq5")->isChecked());
    w.files.names.push_back(QString::fromStdString(path + ".fzh"));
    w.click("b_fqload");
    QVERIFY(page->conditions() == saved);
    QCOMPARE(w.edit("e_fq5")->text(), u("13  "));
    QVERIFY(w.box("cb_fq4")->isChecked());
}

void TestZhZones::secondaryListPopupEditsAndFiles() {
    Window w;
    useTwoSecondaryNumbers(w);
    ZhTicketList* list = w.window.secondaryPage()->results();
    QString typed;
    QString shown;
    w.window.setDialogRunner([&](QDialog& dialog) {
        auto& edit = static_cast<Tf_xgzh&>(dialog);
        shown = dialog.windowTitle() + u("|") + edit.e_spec()->text() + u("|") +
                (edit.e_zh()->isVisibleTo(&edit) ? u("main") : u("no main"));
        if (typed.isEmpty()) return int(QDialog::Rejected);
        edit.e_spec()->setText(typed);
        return int(QDialog::Accepted);
    });
    typed = u("11-03");
    list->addTicket();
    QCOMPARE(shown, u("添加组号|-|no main"));
    QCOMPARE(gridRow(list->grid(), 0), (QStringList{u("第1条"), u("11"), u("03")}));  // as typed
    QCOMPARE(w.label("l_fqcount")->text(), u("投注结果：共1注"));

    list->modifyTicket();
    QCOMPARE(w.prompts.informed.back(), u("请先在上边的列表中选择一组需要修改的号码"));
    list->grid()->setCurrentIndex(list->grid()->model()->index(0, 1));
    typed = u("04-09");
    list->modifyTicket();
    QCOMPARE(shown, u("修改副区组号|11-03|no main"));
    QCOMPARE(gridRow(list->grid(), 0), (QStringList{u("第1条"), u("04"), u("09")}));

    // Saved as a result file of two numbers per line, loaded back.
    const std::string path = w.folder.file("pairs");
    w.files.names.push_back(QString::fromStdString(path));
    list->saveTickets();
    QCOMPARE(w.files.titles.back(), u("保存副区组号结果"));
    QCOMPARE(test::readFile(path + ".txt"), std::string("04 09 \r\n"));
    list->deleteTicket();
    QCOMPARE(list->grid()->model()->rowCount(), 0);
    w.files.names.push_back(QString::fromStdString(path + ".txt"));
    list->loadTickets();
    QCOMPARE(w.files.titles.back(), u(" 打开副区组号结果存储文件"));
    QCOMPARE(gridRow(list->grid(), 0), (QStringList{u("第1条"), u("04"), u("09")}));
    // A malformed file names its line and keeps the list.
    const std::string bad = w.folder.file("bad.txt");
    test::writeFile(bad, "01 02\r\n03 x4\r\n");
    w.files.names.push_back(QString::fromStdString(bad));
    list->loadTickets();
    QCOMPARE(w.prompts.warned.back(), u("组号文件第2行有误：x4"));
    QCOMPARE(list->tickets().size(), 1u);

    // "加到预测区": the pair fills the secondary fields of a new record with main numbers 1..5.
    const int records = w.ws.sjk.RecordCount();
    list->grid()->setCurrentIndex(list->grid()->model()->index(0, 1));
    list->addToPrediction();
    const int32_t* prediction = w.ws.sjk.record(records + 1);
    QCOMPARE(std::vector<int32_t>(prediction, prediction + 8),
             (std::vector<int32_t>{kPredictionPeriod, 1, 2, 3, 4, 5, 4, 9}));
    list->clearPrediction();
    QCOMPARE(w.ws.sjk.RecordCount(), records);
}

void TestZhZones::twoZoneMatchingStylesAndLimits() {
    Window w;
    ZhTwoZonePage* page = w.window.twoZonePage();
    QTableView* grid = page->results()->grid();
    // No main results, then no secondary results: the two messages, the list unchanged.
    w.click("b_sqpp");
    QCOMPARE(w.prompts.informed.back(), u("主区没有过滤结果，请先在主区号码中得出过滤结果"));
    const std::vector<Ticket> five = mainTickets(5);
    loadMainResults(w, five);
    w.click("b_sqpp");
    QCOMPARE(w.prompts.informed.back(), u("蓝号没有过滤结果，请先得出蓝号过滤结果"));

    // Sequential: main result i with secondary result ((i - 1) mod Q) + 1.
    w.child<QComboBox>("combo_lh")->setCurrentIndex(2);
    w.click("b_lhadd");
    w.child<QComboBox>("combo_lh")->setCurrentIndex(8);
    w.click("b_lhadd");
    w.click("b_sqpp");
    QCOMPARE(grid->model()->rowCount(), 5);
    QCOMPARE(gridHeader(grid), (QStringList{u("序号"), u("红号1"), u("红号2"), u("红号3"), u("红号4"), u("红号5"),
                                            u("红号6"), u("蓝号")}));
    const char* blues[] = {"03", "09", "03", "09", "03"};
    for (int r = 0; r < 5; ++r) {
        QStringList expected{QStringLiteral("第%1条").arg(r + 1)};
        for (int k = 0; k < 6; ++k)
            expected << QStringLiteral("%1").arg(five[static_cast<size_t>(r)][static_cast<size_t>(k)], 2, 10,
                                                 QLatin1Char('0'));
        expected << u(blues[r]);
        QCOMPARE(gridRow(grid, r), expected);
    }
    QCOMPARE(w.window.statusText(), u("超强组号  已得到双区组合数有5个"));

    // All combinations: 5 x 2, main outer; random: every main result once with one of the two.
    w.clickBox(w.child<QRadioButton>("rb_qzhpp"));
    w.click("b_sqpp");
    QCOMPARE(grid->model()->rowCount(), 10);
    QCOMPARE(gridRow(grid, 1).last(), u("09"));
    QCOMPARE(gridRow(grid, 2).mid(1, 6), gridRow(grid, 3).mid(1, 6));
    w.clickBox(w.child<QRadioButton>("rb_sjpp"));
    page->setSeed(7);
    w.click("b_sqpp");
    QCOMPARE(grid->model()->rowCount(), 5);
    for (int r = 0; r < 5; ++r) QVERIFY(gridRow(grid, r).last() == u("03") || gridRow(grid, r).last() == u("09"));

    // 3,200 x 16 = 51,200 combinations are refused, and the list keeps the last match.
    loadMainResults(w, mainTickets(3200));
    for (int i = 0; i < 14; ++i) w.click("b_lhadd");
    w.clickBox(w.child<QRadioButton>("rb_qzhpp"));
    w.click("b_sqpp");
    QCOMPARE(w.prompts.informed.back(), u("双区组合后得到的注数不能超过50000条，请缩小过滤范围"));
    QCOMPARE(grid->model()->rowCount(), 5);
}

void TestZhZones::twoZoneRandomTicketsRewardAndPrintout() {
    Window w;
    ZhTwoZonePage* page = w.window.twoZonePage();
    ZhTicketList* list = page->results();
    QCOMPARE(page->countBox()->text(), u("  10"));
    page->setSeed(2026);
    w.click("b_jxzh");
    QCOMPARE(list->tickets().size(), 10u);
    for (const TwoZoneTicket& t : list->tickets()) {
        QVERIFY(std::is_sorted(t.main.begin(), t.main.begin() + 6));
        QVERIFY(std::adjacent_find(t.main.begin(), t.main.begin() + 6) == t.main.begin() + 6);
        QVERIFY(t.main[0] >= 1 && t.main[5] <= 33 && t.secondary[0] >= 1 && t.secondary[0] <= 16);
    }
    // The same seed gives the same tickets.
    const std::vector<TwoZoneTicket> first = list->tickets();
    w.click("b_jxzh");
    QVERIFY(list->tickets() == first);
    page->countBox()->setText(u("abc"));
    w.click("b_jxzh");
    QVERIFY(!w.prompts.warned.isEmpty());
    QVERIFY(list->tickets() == first);
    page->countBox()->setText(QString());
    w.click("b_jxzh");
    QCOMPARE(list->tickets().size(), 10u);

    // "对奖": the period fills both fields from the draw; the tickets are graded, ordered best first
    // and summarised. One ticket is the draw itself.
    const int newest = w.ws.sjk.newestRealRecord();
    const int32_t* draw = w.ws.sjk.record(newest);
    TwoZoneTicket winner;
    for (int k = 0; k < 6; ++k) winner.main[static_cast<size_t>(k)] = static_cast<uint8_t>(draw[k + 1]);
    winner.secondary[0] = static_cast<uint8_t>(draw[7]);
    std::vector<TwoZoneTicket> tickets = list->tickets();
    tickets.push_back(winner);
    list->setTickets(tickets);
    QString mainText, title, before;
    w.window.setDialogRunner([&](QDialog& dialog) {
        auto* reward = dynamic_cast<Tf_checkreward*>(&dialog);
        if (!reward) return int(QDialog::Rejected);
        title = reward->windowTitle();
        before = reward->mainBox()->text() + reward->periodBox()->text();
        QTest::keyClicks(reward->periodBox(), QString::number(draw[0]));
        mainText = reward->mainBox()->text();
        return int(QDialog::Accepted);
    });
    w.click("b_dj");
    QCOMPARE(title, u("对奖"));
    QCOMPARE(before, u("-----"));  // all fields start empty: only the mask's separators
    QCOMPARE(mainText, QStringLiteral("%1-%2-%3-%4-%5-%6")
                           .arg(draw[1], 2, 10, QLatin1Char('0'))
                           .arg(draw[2], 2, 10, QLatin1Char('0'))
                           .arg(draw[3], 2, 10, QLatin1Char('0'))
                           .arg(draw[4], 2, 10, QLatin1Char('0'))
                           .arg(draw[5], 2, 10, QLatin1Char('0'))
                           .arg(draw[6], 2, 10, QLatin1Char('0')));
    // Each ticket's level and what it won (the draw has no stored prize table: the 一等奖 floats).
    QCOMPARE(gridHeader(list->grid()).mid(gridHeader(list->grid()).size() - 2),
             (QStringList{u("中奖情况"), u("奖金")}));
    QCOMPARE(gridRow(list->grid(), 0).mid(gridRow(list->grid(), 0).size() - 2), (QStringList{u("一等奖"), u("浮动")}));
    QVERIFY(page->summaryBox()->text().startsWith(u("一等奖:1个;二等奖:")));
    QVERIFY(page->summaryBox()->text().endsWith(u("个")));
    // An edit clears the prize column.
    list->deleteTicket();
    QCOMPARE(w.prompts.informed.back(), u("请先在上边的列表中选择一组需要删除的号码"));
    list->grid()->setCurrentIndex(list->grid()->model()->index(0, 1));
    list->deleteTicket();
    QVERIFY(!gridHeader(list->grid()).contains(u("中奖情况")));

    // "打印": the printout of the two-zone tickets in the program folder, shown in the viewer.
    w.click("b_print");
    const std::string printout = w.folder.file("temppadnote.txt");
    const QString text = QString::fromStdString(gbkToUtf8(test::readFile(printout)));
    QVERIFY(text.startsWith(u("记录号")));
    QCOMPARE(text.count(u("第")), 10);
    QCOMPARE(w.child<TextViewer>("printout")->file(), QString::fromStdString(printout));

    // The two-zone list's ticket dialog needs both zones.
    w.window.setDialogRunner([&](QDialog& dialog) {
        auto& edit = static_cast<Tf_xgzh&>(dialog);
        edit.e_zh()->setText(u("01-02-03-04-05-06"));
        return int(QDialog::Accepted);
    });
    list->addTicket();
    QCOMPARE(w.prompts.warned.back(), u("不能为空"));
    QCOMPARE(list->tickets().size(), 10u);
}

namespace {

// Two condition files: A keeps the numbers 1..16, B asks for 05 among them.
std::pair<std::string, std::string> batchFiles(Window& w) {
    MainConditions a = resetConditions(33);
    for (int n = 17; n <= 33; ++n) a.selectable[static_cast<size_t>(n)] = false;
    MainConditions b = resetConditions(33);
    b.fixed[5] = true;
    const std::string pathA = w.folder.file("save/a.zh"), pathB = w.folder.file("save/b.zh");
    if (!saveMainConditions(pathA, a, 33).ok || !saveMainConditions(pathB, b, 33).ok) qFatal("cannot save");
    return {pathA, pathB};
}

// Answers the batch list with "开始过滤" after adding the queued files, or "返回" when `run` is false.
void answerBatchList(Window& w, int adds, bool run) {
    w.window.setDialogRunner([&w, adds, run](QDialog& dialog) {
        auto* batch = dynamic_cast<Tf_groupfilter*>(&dialog);
        if (!batch) return int(QDialog::Rejected);
        for (int i = 0; i < adds; ++i) QTest::mouseClick(batch->findChild<QPushButton*>(u("b_add")), Qt::LeftButton);
        QTest::mouseClick(batch->findChild<QPushButton*>(run ? u("b_run") : u("b_return")), Qt::LeftButton);
        return batch->result();
    });
}

}  // namespace

void TestZhZones::batchRunsTheFilesInTurn() {
    Window w;
    const auto [pathA, pathB] = batchFiles(w);
    const std::string missing = w.folder.file("save/gone.zh");
    for (const std::string& path : {pathA, missing, pathB}) w.files.names.push_back(QString::fromStdString(path));

    // "返回" runs nothing, and the list stays for the next opening.
    answerBatchList(w, 3, false);
    w.menu("n_batch");
    QVERIFY(!w.window.batchRunning());
    QVERIFY(w.results().tickets.empty());
    QCOMPARE(w.files.titles.back(), u(" 加入过滤条件文件"));
    QCOMPARE(w.window.batchDialog()->list()->count(), 3);

    // The engine's batch on the same files is the reference: A's run, then B continuing it.
    Generator reference(1);
    const BatchPlan plan = prepareBatch(w.ws, {pathA, missing, pathB});
    QVERIFY(runBatch(reference, w.ws, plan, RunOptions{}).completed);
    QVERIFY(!reference.results.tickets.empty());

    answerBatchList(w, 0, true);
    w.menu("n_batch");
    QVERIFY(w.window.batchRunning());
    QVERIFY(!w.child<QWidget>("ts_zqgl")->isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return !w.window.batchRunning(); }, kRunTimeout));
    QCOMPARE(w.prompts.informed.back(), u("批量过滤完毕\n未找到的条件文件：") + QString::fromStdString(missing));
    QVERIFY(w.results().tickets == reference.results.tickets);
    QVERIFY(w.child<QWidget>("ts_zqgl")->isEnabled());
    // The window shows the conditions of the last file.
    QCOMPARE(w.edit("e_dm")->text(), u("05  "));
    QVERIFY(w.window.statusText().contains(
        QStringLiteral("已得到符合条件的红号组有%1个").arg(reference.results.tickets.size())));

    // An empty list ends at once.
    w.window.batchDialog()->clearList();
    w.menu("n_batch");
    QVERIFY(!w.window.batchRunning());
    QCOMPARE(w.prompts.informed.back(), u("批量过滤完毕"));
}

void TestZhZones::batchCancelEndsIt() {
    Window w;
    const auto [pathA, pathB] = batchFiles(w);
    for (const std::string& path : {pathA, pathB}) w.files.names.push_back(QString::fromStdString(path));
    answerBatchList(w, 2, true);
    const int messages = static_cast<int>(w.prompts.informed.size());
    w.menu("n_batch");
    QVERIFY(w.window.batchRunning());
    w.click("b_stoprun");
    QVERIFY(QTest::qWaitFor([&] { return !w.window.batchRunning() && !w.window.isRunning(); }, kRunTimeout));
    // Nothing ran to the end: the list is as before and no "批量过滤完毕".
    QVERIFY(w.results().tickets.empty());
    QCOMPARE(static_cast<int>(w.prompts.informed.size()), messages);
    QVERIFY(w.child<QWidget>("ts_zqgl")->isEnabled());

    // Hiding the window (another page brought forward) abandons the run and with it the batch; the
    // page is usable when it comes back.
    w.menu("n_batch");
    QVERIFY(w.window.batchRunning());
    w.window.hide();
    QVERIFY(!w.window.batchRunning() && !w.window.isRunning());
    w.window.show();
    QVERIFY(w.child<QWidget>("ts_zqgl")->isEnabled());
    QCOMPARE(static_cast<int>(w.prompts.informed.size()), messages);
}

// "过滤设置" of the indicator analysis exports to the special number's custom indicators (双色球)
// or to the secondary zone's (超级大乐透), each with its own success text.
void TestZhZones::filterExportReachesTheOtherZone() {
    Window w;
    Tf_filter_zbpxz dialog(w.prompts, [&w]() -> GeneratorHandOff* { return &w.window; });
    const auto exportOdd = [&](const char* label) {
        dialog.prepare("f_num1", ValueRange{1, 16}, 5, w.ws.current().zhname, label);
        auto* secondary = dialog.findChild<QPushButton*>(u("b_secondary"));
        QVERIFY(secondary->isEnabled());
        QCOMPARE(secondary->text(), u("导出到") + u(label) + u("过滤"));
        dialog.findChild<QCheckBox*>(u("cb_jo"))->setChecked(true);
        secondary->click();
    };
    exportOdd("蓝号");
    QCOMPARE(w.prompts.informed.back(), u("过滤设置成功。该项过滤设置是在超强组号的蓝号过滤自定义指标中实现的，"
                                          "可在超强组号的蓝号过滤自定义指标的列表框中查看。"));
    ZhCustomPage* special = w.window.specialPage()->customPage();
    QCOMPARE(special->lines().size(), size_t{1});
    QVERIFY(QString::fromStdString(special->lines()[0]).startsWith(u("f_num1")));
    QVERIFY(w.window.specialPage()->conditions().customEnabled);
    QVERIFY(w.window.specialPage()->conditions().custom[0].values == (std::vector<int32_t>{1, 3, 5, 7, 9, 11, 13, 15}));
    QVERIFY(w.window.generator().conditions.custom.count() == 0);

    useTwoSecondaryNumbers(w);
    exportOdd("副号");
    QCOMPARE(w.prompts.informed.back(), u("过滤设置成功。该项过滤设置是在超强组号的副区过滤自定义指标中实现的，"
                                          "可在超强组号的副区过滤自定义指标的列表框中查看。"));
    QCOMPARE(w.window.secondaryPage()->conditions().custom.count(), 1);
    QVERIFY(w.window.secondaryPage()->conditions().customEnabled);
}

// Tests and the soak run find the controls by name: two pages with one name would let a command
// reach the wrong page.
void TestZhZones::controlNamesAreUniqueInTheWindow() {
    Window w;
    for (int type : {0, 1}) {
        if (type == 1) useTwoSecondaryNumbers(w);
        QMap<QString, int> seen;
        for (QWidget* control : w.window.findChildren<QWidget*>()) {
            const QString name = control->objectName();
            // Qt's own parts (qt_*, a tab bar's scroll buttons) are not ours.
            if (name.isEmpty() || name.startsWith(u("qt_")) || control->window() != &w.window ||
                qobject_cast<QTabBar*>(control->parentWidget()))
                continue;
            ++seen[name];
        }
        QStringList repeated;
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            if (it.value() > 1) repeated << it.key();
        QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(u(", "))));
    }
}

QTEST_MAIN(TestZhZones)
#include "test_zh_zones.moc"
