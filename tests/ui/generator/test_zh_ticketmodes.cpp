// "组号类型" of the generator window: the wheel ("旋转缩水", "过滤后旋转", the guarantees, the question
// before a wide pool, "优化旋转" and its stop) and the random pick ("机选组号", "过滤后机选", the count
// field), driven through the real controls; the tickets are compared with the engine's.
#include <set>

#include "generator/runframe.h"
#include "generator/wheelcheck.h"
#include "zh_window.h"

using namespace lottodesk;
using namespace lottodesk::test;

namespace {

QComboBox* modes(Window& w) { return w.child<QComboBox>("combo_zhlx"); }
QComboBox* guarantees(Window& w) { return w.child<QComboBox>("combo_bz"); }

void chooseMode(Window& w, const char* mode) {
    QComboBox* box = modes(w);
    const int at = box->findText(u(mode));
    if (at < 0) qFatal("no mode %s", mode);
    box->setCurrentIndex(at);
}

void chooseGuarantee(Window& w, const GuaranteeRule& rule) {
    guarantees(w)->setCurrentIndex(guarantees(w)->findText(u(rule.name)));
}

// "可选号码" through its chooser.
void choosePool(Window& w, std::vector<int32_t> numbers) {
    w.dialogs.values.push_back(std::move(numbers));
    w.click("b_kxhm");
}

// Fourteen numbers over the whole range: enough of their tickets pass the typical conditions.
const std::vector<int32_t> kSpreadPool = {2, 4, 7, 9, 12, 14, 17, 19, 22, 24, 27, 29, 31, 33};

WheelPool poolOf(std::vector<int> numbers) { return WheelPool{{}, std::move(numbers)}; }

std::vector<int> range(int from, int to) {
    std::vector<int> numbers;
    for (int n = from; n <= to; ++n) numbers.push_back(n);
    return numbers;
}

std::vector<int32_t> range32(int from, int to) {
    const std::vector<int> numbers = range(from, to);
    return {numbers.begin(), numbers.end()};
}

}  // namespace

class TestTicketModes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theModeNamesTheCommands();
    void wheelsEqualTheEnginesForEveryGuarantee();
    void aWidePoolAsksFirst();
    void filteredWheelKeepsOnlyPassingTickets();
    void optimisedWheelKeepsTheGuarantee();
    void stoppingTheOptimiserKeepsTheWheelFoundSoFar();
    void cancellingAWheelLeavesThePreviousResults();
    void randomPicksTakeTheCountField();
    void filteredPickIsASampleOfThePassingTickets();
    void wheelsAreOfferedOnlyForSixNumberGames();
};

void TestTicketModes::theModeNamesTheCommands() {
    Window w;
    QCOMPARE(modes(w)->count(), 3);
    QCOMPARE(w.button("b_run")->text(), u("常规过滤"));
    QVERIFY(!w.button("b_second")->isEnabled());
    QVERIFY(!w.edit("e_jxzs")->isEnabled());
    QVERIFY(guarantees(w)->isHidden());

    chooseMode(w, "旋转矩阵");
    QCOMPARE(w.button("b_run")->text(), u("旋转缩水"));
    QCOMPARE(w.button("b_second")->text(), u("过滤后旋转"));
    QVERIFY(w.button("b_second")->isEnabled());
    QVERIFY(!guarantees(w)->isHidden() && !w.box("cb_yhxz")->isHidden());
    QStringList offered;
    for (int i = 0; i < guarantees(w)->count(); ++i) offered << guarantees(w)->itemText(i);
    QCOMPARE(offered, QStringList({u("中六保五"), u("中五保五"), u("中六保四"), u("中四保四"), u("中五保四")}));
    QCOMPARE(guarantees(w)->currentText(), u("中六保五"));

    chooseMode(w, "机选组号");
    QCOMPARE(w.button("b_run")->text(), u("机选组号"));
    QCOMPARE(w.button("b_second")->text(), u("过滤后机选"));
    QVERIFY(w.edit("e_jxzs")->isEnabled());
    QCOMPARE(w.edit("e_jxzs")->text(), u("10"));
    QVERIFY(guarantees(w)->isHidden());
    // Four digits at most, digits only.
    w.edit("e_jxzs")->clear();
    QTest::keyClicks(w.edit("e_jxzs"), QStringLiteral("12a345"));
    QCOMPARE(w.edit("e_jxzs")->text(), u("1234"));

    chooseMode(w, "常规组号");
    QCOMPARE(w.button("b_run")->text(), u("常规过滤"));
    QVERIFY(!w.button("b_second")->isEnabled());
    QVERIFY(!w.edit("e_jxzs")->isEnabled());
}

void TestTicketModes::wheelsEqualTheEnginesForEveryGuarantee() {
    Window w;
    chooseMode(w, "旋转矩阵");
    choosePool(w, range32(1, 9));
    QVERIFY(!w.button("b_continue")->isEnabled());
    for (const GuaranteeRule& rule : kGuaranteeRules) {
        chooseGuarantee(w, rule);
        QVERIFY2(w.run(), rule.name);
        const WheelResult expected = greedyWheel(poolOf(range(1, 9)), rule.guarantee);
        QVERIFY2(w.results().tickets == expected.tickets, rule.name);
        QVERIFY(std::all_of(w.results().tags.begin(), w.results().tags.end(), [](uint8_t t) { return t == 0; }));
        QVERIFY(w.window.statusText().endsWith(u("已得到符合条件的红号组有%1个").arg(expected.tickets.size())));
        QCOMPARE(w.countLabel(), u("投注结果：共%1注，%2元").arg(expected.tickets.size()).arg(2 * expected.tickets.size()));
    }
    QVERIFY(w.button("b_continue")->isEnabled());
    QVERIFY(w.prompts.asked.isEmpty());  // nine numbers ask nothing

    // Seven numbers, "中五保五": six tickets; the fixed numbers are on every ticket.
    choosePool(w, range32(1, 7));
    chooseGuarantee(w, kGuaranteeRules[1]);
    QVERIFY(w.run());
    QCOMPARE(w.results().tickets.size(), size_t(6));
    w.dialogs.values.push_back(std::vector<int32_t>{3});
    w.click("b_dm");
    choosePool(w, range32(1, 10));
    QVERIFY(w.run());
    for (const Ticket& ticket : w.results().tickets)
        QVERIFY(std::find(ticket.begin(), ticket.begin() + 6, 3) != ticket.begin() + 6);
    QVERIFY(checkWheel(w.results().tickets, WheelPool{{3}, {1, 2, 4, 5, 6, 7, 8, 9, 10}}, Guarantee::FiveKeepFive).ok);
}

void TestTicketModes::aWidePoolAsksFirst() {
    Window w;
    chooseMode(w, "旋转矩阵");
    choosePool(w, range32(1, 9));
    QVERIFY(w.run());
    const std::vector<Ticket> before = w.results().tickets;
    const QString status = w.window.statusText();

    // Cancel changes nothing: no run, the results and the status stay.
    choosePool(w, range32(1, 21));
    w.click("b_run");
    QCOMPARE(w.prompts.asked, QStringList(u("旋转矩阵|") + QString::fromUtf8(kWheelPoolQuestion)));
    QVERIFY(!w.window.isRunning());
    QVERIFY(w.results().tickets == before);
    QCOMPARE(w.window.statusText(), status);

    // Twenty numbers do not ask; twenty-one do, and OK runs.
    w.prompts.answers.push_back(true);
    QVERIFY(w.run());
    QCOMPARE(w.prompts.asked.size(), 2);
    QVERIFY(w.results().tickets == greedyWheel(poolOf(range(1, 21)), Guarantee::SixKeepFive).tickets);
    choosePool(w, range32(1, 20));
    QVERIFY(w.run());
    QCOMPARE(w.prompts.asked.size(), 2);
}

void TestTicketModes::filteredWheelKeepsOnlyPassingTickets() {
    Window w;
    w.loadConditions(fixture("typical.zh"));
    choosePool(w, kSpreadPool);
    QVERIFY(w.run());  // the regular run: the passing tickets of the pool
    const std::vector<Ticket> passing = sortedTickets(w.results().tickets);
    QVERIFY2(passing.size() > 20, qPrintable(QString::number(passing.size())));

    chooseMode(w, "旋转矩阵");
    chooseGuarantee(w, kGuaranteeRules[3]);  // "中四保四"
    QVERIFY(w.run("b_second"));
    const std::vector<Ticket>& wheel = w.results().tickets;
    QVERIFY(!wheel.empty());
    QVERIFY(wheel.size() < passing.size());
    for (const Ticket& ticket : wheel) QVERIFY(std::binary_search(passing.begin(), passing.end(), ticket));
    QCOMPARE(w.results().tags.size(), wheel.size());
    // Untagged tickets come first, as continue filtering places them.
    const auto firstTagged = std::find_if(w.results().tags.begin(), w.results().tags.end(), [](uint8_t t) { return t; });
    QVERIFY(std::all_of(firstTagged, w.results().tags.end(), [](uint8_t t) { return t != 0; }));
}

void TestTicketModes::optimisedWheelKeepsTheGuarantee() {
    Window w;
    chooseMode(w, "旋转矩阵");
    chooseGuarantee(w, kGuaranteeRules[3]);  // "中四保四"
    choosePool(w, range32(1, 10));
    w.clickBox(w.box("cb_yhxz"));
    QVERIFY(w.run());
    // C(10,6,4): the greedy wheel has 21 tickets, the best known 20; the search stops there.
    const std::vector<Ticket>& tickets = w.results().tickets;
    QCOMPARE(tickets.size(), size_t(20));
    QVERIFY(checkWheel(tickets, poolOf(range(1, 10)), Guarantee::FourKeepFour).ok);
    QVERIFY(w.window.statusText().endsWith(u("贪心旋转21注  优化旋转20注  已知最好20注")));
}

void TestTicketModes::stoppingTheOptimiserKeepsTheWheelFoundSoFar() {
    Window w;
    chooseMode(w, "旋转矩阵");
    chooseGuarantee(w, kGuaranteeRules[1]);  // "中五保五": 15 numbers search long
    choosePool(w, range32(1, 15));
    w.clickBox(w.box("cb_yhxz"));
    w.click("b_run");
    QVERIFY(w.window.isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(w.button("b_stoprun")->text(), u("停止优化"), kRunTimeout);
    QVERIFY(w.label("l_busy")->text().startsWith(u("正在优化旋转：已得到")));
    w.click("b_stoprun");
    QTRY_VERIFY_WITH_TIMEOUT(!w.window.isRunning(), kRunTimeout);
    const std::vector<Ticket>& tickets = w.results().tickets;
    const size_t greedy = greedyWheel(poolOf(range(1, 15)), Guarantee::FiveKeepFive).tickets.size();
    QVERIFY(!tickets.empty() && tickets.size() <= greedy);
    QVERIFY(checkWheel(tickets, poolOf(range(1, 15)), Guarantee::FiveKeepFive).ok);
    QVERIFY(w.window.statusText().contains(u("贪心旋转%1注").arg(greedy)));
    QCOMPARE(w.button("b_stoprun")->text(), u("取消"));
}

void TestTicketModes::cancellingAWheelLeavesThePreviousResults() {
    Window w;
    chooseMode(w, "旋转矩阵");
    choosePool(w, range32(1, 8));
    QVERIFY(w.run());
    const std::vector<Ticket> before = w.results().tickets;
    const QString status = w.window.statusText();

    choosePool(w, range32(1, 33));
    w.prompts.answers.push_back(true);
    w.click("b_run");
    QVERIFY(w.window.isRunning());
    w.click("b_stoprun");
    QTRY_VERIFY_WITH_TIMEOUT(!w.window.isRunning(), kRunTimeout);
    QVERIFY(w.results().tickets == before);
    QCOMPARE(w.window.statusText(), status);
}

void TestTicketModes::randomPicksTakeTheCountField() {
    Window w;
    chooseMode(w, "机选组号");
    QVERIFY(w.run());
    QCOMPARE(w.results().tickets.size(), size_t(10));
    w.edit("e_jxzs")->setText(QStringLiteral("3"));
    QVERIFY(w.run());
    QCOMPARE(w.results().tickets.size(), size_t(3));
    w.edit("e_jxzs")->clear();  // empty: ten
    QVERIFY(w.run());
    QCOMPARE(w.results().tickets.size(), size_t(10));
    for (const Ticket& ticket : w.results().tickets) {
        QVERIFY(std::is_sorted(ticket.begin(), ticket.begin() + 6));
        QVERIFY(std::adjacent_find(ticket.begin(), ticket.begin() + 6) == ticket.begin() + 6);
        QVERIFY(ticket[0] >= 1 && ticket[5] <= 33);
    }
    QVERIFY(w.window.statusText().endsWith(u("已得到符合条件的红号组有10个")));
}

void TestTicketModes::filteredPickIsASampleOfThePassingTickets() {
    Window w;
    w.loadConditions(fixture("typical.zh"));
    choosePool(w, kSpreadPool);
    QVERIFY(w.run());
    const std::vector<Ticket> passing = sortedTickets(w.results().tickets);
    QVERIFY(passing.size() > 3);

    chooseMode(w, "机选组号");
    w.edit("e_jxzs")->setText(QStringLiteral("3"));
    QVERIFY(w.run("b_second"));
    QCOMPARE(w.results().tickets.size(), size_t(3));
    for (const Ticket& ticket : w.results().tickets)
        QVERIFY(std::binary_search(passing.begin(), passing.end(), ticket));

    // More than pass: every passing ticket.
    w.edit("e_jxzs")->setText(QStringLiteral("9999"));
    QVERIFY(w.run("b_second"));
    QVERIFY(sortedTickets(w.results().tickets) == passing);
}

void TestTicketModes::wheelsAreOfferedOnlyForSixNumberGames() {
    Window w;
    chooseMode(w, "旋转矩阵");
    const int previous = w.ws.curcp;
    w.ws.curcp = 1;  // 超级大乐透: five main numbers
    QVERIFY(switchLotteryType(w.ws, previous).ok);
    w.window.resetForType();
    QCOMPARE(modes(w)->currentText(), u("常规组号"));
    auto* model = qobject_cast<QStandardItemModel*>(modes(w)->model());
    QVERIFY(!model->item(1)->isEnabled());
    QCOMPARE(model->item(1)->toolTip(), QString::fromUtf8(kWheelNeedsSixNumbers));
    // Random picks work for every game: five numbers of 1..35.
    chooseMode(w, "机选组号");
    QVERIFY(w.run());
    QCOMPARE(w.results().tickets.size(), size_t(10));
    for (const Ticket& ticket : w.results().tickets) QVERIFY(ticket[4] <= 35 && ticket[5] == 0);

    w.ws.curcp = 0;
    QVERIFY(switchLotteryType(w.ws, 1).ok);
    w.window.resetForType();
    QVERIFY(model->item(1)->isEnabled());
}

QTEST_MAIN(TestTicketModes)
#include "test_zh_ticketmodes.moc"
