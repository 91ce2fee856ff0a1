// The dialogs of the generator window: the value choosers ("取值选择", value labels and check list)
// with their criteria, the self-set and tail dialogs, the check report's two questions, and the
// production `DialogGeneratorDialogs` that shows them modally.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "ui/generator/f_choiceperiod.h"
#include "ui/generator/f_getchoiceextend.h"
#include "ui/generator/f_getchoiceextend_plus.h"
#include "ui/generator/f_selfcond.h"
#include "ui/generator/f_wsset.h"
#include "ui/generator/zh_dialogs.h"
#include "support/uifixture.h"
#include "generator/valuecriteria.h"

using namespace lottodesk;

Q_DECLARE_METATYPE(lottodesk::ValueCriteria)
Q_DECLARE_METATYPE(std::vector<int32_t>)

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

template <typename T>
T* child(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no child %s", name);
    return found;
}

// A click where the button reacts: a check box or radio button stretched wider than its caption
// takes clicks only on its indicator and caption, so those are clicked near their left end.
void click(QAbstractButton* button) {
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    else
        QTest::mouseClick(button, Qt::LeftButton);
}

void click(const QWidget& window, const char* name) { click(child<QAbstractButton>(window, name)); }

// Types `text` into `box` after clearing it; characters beyond ASCII arrive as key events carrying
// their text, as an input method delivers them.
void type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A click on the check box of a check-list row, where the pointer ticks it.
void clickCheck(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text();
    const QRect check = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, check.center());
}

std::vector<int32_t> checkedRows(const QListWidget* list, int first) {
    std::vector<int32_t> result;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked) result.push_back(first + row);
    return result;
}

QString text(const std::vector<int32_t>& values) {
    QStringList parts;
    for (int32_t v : values) parts << QString::number(v);
    return parts.join(QLatin1Char(' '));
}

std::vector<int32_t> range(int32_t lo, int32_t hi) {
    std::vector<int32_t> result;
    for (int32_t v = lo; v <= hi; ++v) result.push_back(v);
    return result;
}

// Runs `work` on the modal dialog a call opens (once it is shown, from the event loop of its
// exec()), then closes the dialog if `work` left it open, so that a failed expectation cannot hang
// the test.
void onModal(QObject* context, std::function<void(QDialog&)> work) {
    QTimer::singleShot(0, context, [work = std::move(work)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        work(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

// A value chooser of either form, shown, with the user's ways of working it.
struct Chooser {
    Chooser(bool labels, const ValueChoice& choice) {
        if (labels)
            dialog = std::make_unique<Tf_getchoiceextend>(prompts);
        else
            dialog = std::make_unique<Tf_getchoiceextend_plus>(prompts);
        dialog->setChoice(choice);
        dialog->show();
    }
    Tf_getchoiceextend* labelForm() const { return dynamic_cast<Tf_getchoiceextend*>(dialog.get()); }
    Tf_getchoiceextend_plus* listForm() const { return dynamic_cast<Tf_getchoiceextend_plus*>(dialog.get()); }

    // Clicks the value's label, or the check box of its row.
    void toggle(int32_t value) {
        if (Tf_getchoiceextend* form = labelForm()) {
            ValueLabel* label = form->label(value);
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            clickCheck(listForm()->valueList(), value - dialog->choice().lo);
        }
    }
    // What the user sees ticked.
    std::vector<int32_t> shown() const {
        if (Tf_getchoiceextend* form = labelForm()) {
            std::vector<int32_t> result;
            for (int32_t v = dialog->choice().lo; v <= dialog->choice().hi; ++v)
                if (form->label(v)->isTicked()) result.push_back(v);
            return result;
        }
        return checkedRows(listForm()->valueList(), dialog->choice().lo);
    }
    void button(const char* name) { click(*dialog, name); }
    void tick(const char* box) {
        QCheckBox* found = child<QCheckBox>(*dialog, box);
        if (!found->isChecked()) click(found);
    }
    void fill(const char* field, const QString& value) { type(child<QLineEdit>(*dialog, field), value); }

    test::FakePrompts prompts;
    std::unique_ptr<ValueChooser> dialog;
};

ValueChoice choiceOf(int32_t lo, int32_t hi, std::optional<int32_t> reference = std::nullopt,
                     std::vector<int32_t> preselected = {}) {
    ValueChoice choice;
    choice.lo = lo;
    choice.hi = hi;
    choice.reference = reference;
    choice.preselected = std::move(preselected);
    return choice;
}

BoundTexts bounds(const char* from, const char* to) { return {from, to}; }

}  // namespace

class TestGeneratorDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void criteriaSelectValues_data();
    void criteriaSelectValues();
    void twoPeriodMeanRoundsToOneDecimal();

    void labelChooserShowsItsControls();
    void clickingALabelTicksIt();
    void listChooserShowsItsControls();
    void selectionButtons_data();
    void selectionButtons();
    void criteriaThroughTheControls_data();
    void criteriaThroughTheControls();
    void criterionControlsFollowTheirBox();
    void badCriteriaChangeNothing_data();
    void badCriteriaChangeNothing();
    void numberChoosersOfferNoAmplitudeMeanOrAssistant();
    void assistantIsCalledWhenGiven();
    void okAndCancel_data();
    void okAndCancel();
    void formFollowsTheLengthOfTheRange_data();
    void formFollowsTheLengthOfTheRange();

    void selfSetDialogShowsItsControls();
    void selfSetTickButtons();
    void quickChoice_data();
    void quickChoice();
    void selfSetCountsThroughTheChooser();
    void selfSetOk_data();
    void selfSetOk();
    void selfSetPresetForModify();

    void tailDialogShowsItsControls();
    void tailDialogButtonsAndBoxes();
    void tailOk_data();
    void tailOk();
    void tailPresetForModify();

    void periodDialog();
    void periodDialogWithoutPeriods();
    void modeDialog_data();
    void modeDialog();

    void productionDialogsEditSelfSetAndTail();
    void productionDialogsChoosePeriodAndMode();
};

// ---------------------------------------------------------------------------------------------
// The criteria, without widgets.

void TestGeneratorDialogs::criteriaSelectValues_data() {
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("reference");  // -1: none
    QTest::addColumn<ValueCriteria>("criteria");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message");

    auto with = [](auto set) {
        ValueCriteria c;
        set(c);
        return c;
    };
    QTest::newRow("nothing ticked: every value") << 1 << 5 << -1 << ValueCriteria{} << u("1 2 3 4 5") << QString();
    QTest::newRow("odd") << 1 << 10 << -1 << with([](ValueCriteria& c) { c.parity = Parity::Odd; }) << u("1 3 5 7 9")
                         << QString();
    QTest::newRow("even") << 0 << 6 << -1 << with([](ValueCriteria& c) { c.parity = Parity::Even; }) << u("0 2 4 6")
                          << QString();
    QTest::newRow("prime, 1 included") << 0 << 20 << -1
                                       << with([](ValueCriteria& c) { c.primality = Primality::Prime; })
                                       << u("1 2 3 5 7 11 13 17 19") << QString();
    QTest::newRow("composite") << 0 << 12 << -1 << with([](ValueCriteria& c) { c.primality = Primality::Composite; })
                               << u("0 4 6 8 9 10 12") << QString();
    QTest::newRow("mod 3 remainder 0") << 1 << 10 << -1 << with([](ValueCriteria& c) {
        c.remainders = {{3, {0}}};
    }) << u("3 6 9") << QString();
    QTest::newRow("mod 4 remainders 1 and 3") << 0 << 9 << -1 << with([](ValueCriteria& c) {
        c.remainders = {{4, {1, 3}}};
    }) << u("1 3 5 7 9") << QString();
    QTest::newRow("mod 5 with no remainder ticked") << 0 << 9 << -1 << with([](ValueCriteria& c) {
        c.remainders = {{5, {}}};
    }) << QString() << QString();
    QTest::newRow("mod 3 and mod 7") << 0 << 50 << -1 << with([](ValueCriteria& c) {
        c.remainders = {{3, {0}}, {7, {2}}};
    }) << u("9 30") << QString();
    QTest::newRow("tails separated") << 0 << 40 << -1 << with([](ValueCriteria& c) { c.tailDigits = "3 5"; })
                                     << u("3 5 13 15 23 25 33 35") << QString();
    QTest::newRow("tails run together") << 0 << 40 << -1 << with([](ValueCriteria& c) { c.tailDigits = "35"; })
                                        << u("3 5 13 15 23 25 33 35") << QString();
    QTest::newRow("tails with full-width comma")
        << 0 << 25 << -1 << with([](ValueCriteria& c) { c.tailDigits = "1，2"; }) << u("1 2 11 12 21 22") << QString();
    QTest::newRow("default tails: every value")
        << 0 << 12 << -1 << with([](ValueCriteria& c) { c.tailDigits = kDefaultTailDigits; }) << text(range(0, 12))
        << QString();
    QTest::newRow("no tail digit") << 0 << 12 << -1 << with([](ValueCriteria& c) { c.tailDigits = " "; }) << QString()
                                   << QString();
    QTest::newRow("amplitude") << 0 << 20 << 10 << with([](ValueCriteria& c) { c.amplitude = bounds("2", "3"); })
                               << u("7 8 12 13") << QString();
    QTest::newRow("amplitude 0") << 0 << 20 << 10 << with([](ValueCriteria& c) { c.amplitude = bounds(" 0", "0 "); })
                                 << u("10") << QString();
    QTest::newRow("amplitude without reference is not offered")
        << 1 << 4 << -1 << with([](ValueCriteria& c) { c.amplitude = bounds("", ""); }) << u("1 2 3 4") << QString();
    QTest::newRow("range") << 0 << 20 << -1 << with([](ValueCriteria& c) { c.range = bounds("4", "6"); }) << u("4 5 6")
                           << QString();
    QTest::newRow("range from above to") << 0 << 20 << -1 << with([](ValueCriteria& c) { c.range = bounds("6", "4"); })
                                         << QString() << QString();
    QTest::newRow("two-period mean") << 0 << 20 << 10 << with([](ValueCriteria& c) { c.mean = bounds("10.5", "11"); })
                                     << u("11 12") << QString();
    QTest::newRow("two-period mean, halves")
        << 0 << 30 << 5 << with([](ValueCriteria& c) { c.mean = bounds("12", "12.5"); }) << u("19 20") << QString();
    QTest::newRow("all together") << 1 << 33 << 20 << with([](ValueCriteria& c) {
        c.parity = Parity::Odd;
        c.primality = Primality::Prime;
        c.range = bounds("10", "30");
        c.amplitude = bounds("0", "5");
    }) << u("17 19 23") << QString();
    QTest::newRow("amplitude from empty")
        << 0 << 9 << 5 << with([](ValueCriteria& c) { c.amplitude = bounds("", "3"); }) << QString()
        << u("变化量未输入数据");
    QTest::newRow("range to blank") << 0 << 9 << -1 << with([](ValueCriteria& c) { c.range = bounds("1", "  "); })
                                    << QString() << u("取值范围未输入数据");
    QTest::newRow("mean empty") << 0 << 9 << 5 << with([](ValueCriteria& c) { c.mean = bounds("1", ""); }) << QString()
                                << u("二期均值未输入数据");
    QTest::newRow("amplitude first") << 0 << 9 << 5 << with([](ValueCriteria& c) {
        c.amplitude = bounds("", "");
        c.range = bounds("x", "");
    }) << QString() << u("变化量未输入数据");
    QTest::newRow("amplitude not an integer")
        << 0 << 9 << 5 << with([](ValueCriteria& c) { c.amplitude = bounds("a", "3"); }) << QString()
        << u("“a”不是有效的整数");
    QTest::newRow("range decimal") << 0 << 9 << -1 << with([](ValueCriteria& c) { c.range = bounds("1", "1.5"); })
                                   << QString() << u("“1.5”不是有效的整数");
    QTest::newRow("mean with comma") << 0 << 9 << 5 << with([](ValueCriteria& c) { c.mean = bounds("1,5", "3"); })
                                     << QString() << u("“1,5”不是有效的数值");
    QTest::newRow("mean text") << 0 << 9 << 5 << with([](ValueCriteria& c) { c.mean = bounds("2", "abc"); })
                               << QString() << u("“abc”不是有效的数值");
    QTest::newRow("tail letter") << 0 << 9 << -1 << with([](ValueCriteria& c) { c.tailDigits = "3 x5"; }) << QString()
                                 << u("“x5”不是有效的数值");
}

void TestGeneratorDialogs::criteriaSelectValues() {
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, reference);
    QFETCH(ValueCriteria, criteria);
    QFETCH(QString, expected);
    QFETCH(QString, message);

    const CriteriaSelection selection =
        selectByCriteria(lo, hi, reference < 0 ? std::nullopt : std::optional<int32_t>(reference), criteria);
    QCOMPARE(QString::fromStdString(selection.status.message), message);
    QCOMPARE(selection.status.ok, message.isEmpty());
    QCOMPARE(text(selection.values), expected);
}

void TestGeneratorDialogs::twoPeriodMeanRoundsToOneDecimal() {
    QCOMPARE(twoPeriodMean(11, 10), 10.5);
    QCOMPARE(twoPeriodMean(12, 10), 11.0);
    QCOMPARE(twoPeriodMean(0, 7), 3.5);
    QCOMPARE(twoPeriodMean(3, -8), -2.5);
}

// ---------------------------------------------------------------------------------------------
// The value choosers.

void TestGeneratorDialogs::labelChooserShowsItsControls() {
    Chooser c(true, choiceOf(0, 12, 4, {3, 7, 40}));
    const QWidget& d = *c.dialog;
    QCOMPARE(d.windowTitle(), u("取值选择"));
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"b_selectall", "全选"},        {"b_selectnone", "全不选"},  {"b_invert", "反选"},     {"b_reset", "重置"},
        {"b_bycriteria", "按条件选择"}, {"b_assistant", "过滤助手"}, {"b_ok", "确定"},         {"b_cancel", "取消"},
        {"cb_parity", "奇偶"},          {"rb_odd", "奇数"},          {"rb_even", "偶数"},      {"cb_prime", "质合"},
        {"rb_prime", "质数"},           {"rb_composite", "合数"},    {"cb_mod3", "除3余数"},   {"cb_mod4", "除4余数"},
        {"cb_mod5", "除5余数"},         {"cb_amplitude", "振幅"},    {"cb_range", "取值范围"}, {"cb_mean", "二期均值"},
    };
    for (const auto& [name, caption] : captions) QCOMPARE(child<QAbstractButton>(d, name)->text(), u(caption));
    QVERIFY(!d.findChild<QCheckBox*>(QStringLiteral("cb_mod6")));
    QVERIFY(!d.findChild<QCheckBox*>(QStringLiteral("cb_tail")));
    QCOMPARE(child<QCheckBox>(d, "cb_mod5_4")->text(), u("4"));

    // One label per value, the preselected ones inside the range ticked; the reference shown.
    QCOMPARE(d.findChildren<ValueLabel*>().size(), 13);
    for (int32_t v = 0; v <= 12; ++v) {
        QCOMPARE(c.labelForm()->label(v)->text(), QString::number(v));
        QVERIFY(c.labelForm()->label(v)->isVisible());
    }
    QCOMPARE(text(c.shown()), u("3 7"));
    QCOMPARE(text(c.dialog->values()), u("3 7"));
    QLabel* reference = child<QLabel>(d, "l_reference");
    QVERIFY(reference->isVisible());
    QCOMPARE(reference->text(), u("参考值：4"));
    // Nothing has an assistant here.
    QVERIFY(!child<QPushButton>(d, "b_assistant")->isEnabled());
    QVERIFY(child<QCheckBox>(d, "cb_amplitude")->isEnabled());
    QVERIFY(child<QCheckBox>(d, "cb_mean")->isEnabled());

    // Without a reference value: no reference shown, no amplitude, no two-period mean.
    Chooser counts(true, choiceOf(0, 6));
    QVERIFY(!child<QLabel>(*counts.dialog, "l_reference")->isVisible());
    QVERIFY(!child<QCheckBox>(*counts.dialog, "cb_amplitude")->isEnabled());
    QVERIFY(!child<QCheckBox>(*counts.dialog, "cb_mean")->isEnabled());
    QVERIFY(child<QCheckBox>(*counts.dialog, "cb_range")->isEnabled());
    QVERIFY(counts.shown().empty());
}

void TestGeneratorDialogs::clickingALabelTicksIt() {
    Chooser c(true, choiceOf(1, 33, std::nullopt, {5}));
    ValueLabel* five = c.labelForm()->label(5);
    ValueLabel* six = c.labelForm()->label(6);
    // A ticked value looks different from the others.
    QVERIFY(five->isTicked());
    QVERIFY(five->palette().color(QPalette::Window) != six->palette().color(QPalette::Window));
    QVERIFY(five->font().bold());
    QVERIFY(!six->font().bold());

    c.toggle(6);
    c.toggle(33);
    c.toggle(5);
    QCOMPARE(text(c.shown()), u("6 33"));
    QCOMPARE(six->palette().color(QPalette::Window), QColor(0xC0, 0x10, 0x10));
    QCOMPARE(five->palette().color(QPalette::Window), QColor(Qt::white));
    c.toggle(6);
    QCOMPARE(text(c.dialog->values()), u("33"));

    // A press that ends outside the label is no click.
    QTest::mousePress(six, Qt::LeftButton);
    QTest::mouseRelease(six, Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(!six->isTicked());
}

void TestGeneratorDialogs::listChooserShowsItsControls() {
    Chooser c(false, choiceOf(0, 200, 17, {150, 3}));
    const QWidget& d = *c.dialog;
    QCOMPARE(d.windowTitle(), u("取值选择"));
    QListWidget* list = c.listForm()->valueList();
    QCOMPARE(list->count(), 201);
    QCOMPARE(list->item(0)->text(), u("0"));
    QCOMPARE(list->item(200)->text(), u("200"));
    QCOMPARE(text(c.shown()), u("3 150"));
    QCOMPARE(child<QLabel>(d, "l_reference")->text(), u("参考值：17"));
    for (int k = 3; k <= 9; ++k) {
        const QByteArray name = "cb_mod" + QByteArray::number(k);
        QCOMPARE(child<QCheckBox>(d, name.constData())->text(), u("除") + QString::number(k) + u("余数"));
        const QByteArray last = name + "_" + QByteArray::number(k - 1);
        QCOMPARE(child<QCheckBox>(d, last.constData())->text(), QString::number(k - 1));
    }
    QCOMPARE(child<QCheckBox>(d, "cb_tail")->text(), u("尾数"));
    QCOMPARE(child<QLineEdit>(d, "e_tail")->text(), u("0 1 2 3 4 5 6 7 8 9"));
    QCOMPARE(child<QPushButton>(d, "b_bycriteria")->text(), u("按条件选择"));

    c.toggle(3);
    c.toggle(199);
    QCOMPARE(text(c.shown()), u("150 199"));
    QCOMPARE(text(c.dialog->values()), u("150 199"));
}

void TestGeneratorDialogs::selectionButtons_data() {
    QTest::addColumn<bool>("labels");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("expected");

    for (bool labels : {true, false}) {
        const char* form = labels ? "labels: " : "list: ";
        const std::vector<int32_t> all = labels ? range(1, 10) : range(1, 110);
        auto row = [&](const char* name) -> QTestData& { return QTest::newRow((QByteArray(form) + name).constData()); };
        row("select all") << labels << QStringList{u("b_selectall")} << text(all);
        row("select none") << labels << QStringList{u("b_selectnone")} << QString();
        std::vector<int32_t> inverted;
        for (int32_t v : all)
            if (v != 2 && v != 5 && v != 7 && v != 9) inverted.push_back(v);
        row("invert") << labels << QStringList{u("b_invert")} << text(inverted);
        row("invert twice") << labels << QStringList{u("b_invert"), u("b_invert")} << u("2 5 7 9");
        row("reset after select all") << labels << QStringList{u("b_selectall"), u("b_reset")} << u("2 5 9");
        row("reset after none") << labels << QStringList{u("b_selectnone"), u("b_reset")} << u("2 5 9");
    }
}

void TestGeneratorDialogs::selectionButtons() {
    QFETCH(bool, labels);
    QFETCH(QStringList, buttons);
    QFETCH(QString, expected);

    Chooser c(labels, choiceOf(1, labels ? 10 : 110, std::nullopt, {5, 2, 9}));
    c.toggle(7);  // a click of the user's, which "重置" undoes
    for (const QString& button : buttons) c.button(button.toLatin1().constData());
    QCOMPARE(text(c.shown()), expected);
    QCOMPARE(text(c.dialog->values()), expected);
    QVERIFY(c.prompts.informed.isEmpty());
}

void TestGeneratorDialogs::criteriaThroughTheControls_data() {
    QTest::addColumn<bool>("labels");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<QStringList>("boxes");   // ticked by a click, in order
    QTest::addColumn<QStringList>("fields");  // name, text, name, text ...
    QTest::addColumn<QString>("expected");

    QTest::newRow("labels: even") << true << 1 << 12 << QStringList{u("cb_parity"), u("rb_even")} << QStringList{}
                                  << u("2 4 6 8 10 12");
    QTest::newRow("labels: odd composite")
        << true << 1 << 30 << QStringList{u("cb_parity"), u("cb_prime"), u("rb_composite")} << QStringList{}
        << u("9 15 21 25 27");
    QTest::newRow("labels: prime, mod 3 remainder 2")
        << true << 1 << 33 << QStringList{u("cb_prime"), u("cb_mod3"), u("cb_mod3_2")} << QStringList{}
        << u("2 5 11 17 23 29");
    QTest::newRow("labels: mod 4 and mod 5")
        << true << 0 << 40 << QStringList{u("cb_mod4"), u("cb_mod4_1"), u("cb_mod5"), u("cb_mod5_0")} << QStringList{}
        << u("5 25");
    QTest::newRow("labels: amplitude around 10")
        << true << 0 << 20 << QStringList{u("cb_amplitude")}
        << QStringList{u("e_amplitudefrom"), u("0"), u("e_amplitudeto"), u("2")} << u("8 9 10 11 12");
    QTest::newRow("labels: range") << true << 0 << 20 << QStringList{u("cb_range")}
                                   << QStringList{u("e_rangefrom"), u("15"), u("e_rangeto"), u("40")}
                                   << u("15 16 17 18 19 20");
    QTest::newRow("labels: two-period mean")
        << true << 0 << 20 << QStringList{u("cb_mean")}
        << QStringList{u("e_meanfrom"), u("12.5"), u("e_meanto"), u("13")} << u("15 16");
    QTest::newRow("labels: nothing ticked") << true << 3 << 6 << QStringList{} << QStringList{} << u("3 4 5 6");
    QTest::newRow("list: mod 7 remainder 6 and tail 3")
        << false << 0 << 200 << QStringList{u("cb_mod7"), u("cb_mod7_6"), u("cb_tail")}
        << QStringList{u("e_tail"), u("3")} << u("13 83 153");
    QTest::newRow("list: mod 9, odd") << false << 0 << 120 << QStringList{u("cb_mod9"), u("cb_mod9_0"), u("cb_parity")}
                                      << QStringList{} << u("9 27 45 63 81 99 117");
    QTest::newRow("list: mod 6 and mod 8")
        << false << 0 << 120 << QStringList{u("cb_mod6"), u("cb_mod6_0"), u("cb_mod8"), u("cb_mod8_0")} << QStringList{}
        << u("0 24 48 72 96 120");
    QTest::newRow("list: tails typed together, range")
        << false << 0 << 300 << QStringList{u("cb_tail"), u("cb_range")}
        << QStringList{u("e_tail"), u("05"), u("e_rangefrom"), u("100"), u("e_rangeto"), u("120")}
        << u("100 105 110 115 120");
    QTest::newRow("list: amplitude and mean")
        << false << 0 << 150 << QStringList{u("cb_amplitude"), u("cb_mean")}
        << QStringList{u("e_amplitudefrom"), u("3"),   u("e_amplitudeto"), u("100"),
                       u("e_meanfrom"),      u("8.5"), u("e_meanto"),      u("12")}
        << u("7 13 14");
}

void TestGeneratorDialogs::criteriaThroughTheControls() {
    QFETCH(bool, labels);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);

    // Reference 10; the values ticked before are replaced.
    Chooser c(labels, choiceOf(lo, hi, 10, {lo, hi}));
    for (const QString& box : boxes) click(*c.dialog, box.toLatin1().constData());
    for (int i = 0; i + 1 < fields.size(); i += 2) c.fill(fields[i].toLatin1().constData(), fields[i + 1]);
    c.button("b_bycriteria");
    QCOMPARE(c.prompts.informed, QStringList{});
    QCOMPARE(text(c.shown()), expected);
    QCOMPARE(text(c.dialog->values()), expected);

    // The values stay the user's to change afterwards.
    c.button("b_invert");
    c.button("b_invert");
    QCOMPARE(text(c.shown()), expected);
}

void TestGeneratorDialogs::criterionControlsFollowTheirBox() {
    Chooser c(false, choiceOf(0, 150, 3));
    const QWidget& d = *c.dialog;
    const std::vector<std::pair<const char*, std::vector<const char*>>> rows = {
        {"cb_parity", {"rb_odd", "rb_even"}},
        {"cb_prime", {"rb_prime", "rb_composite"}},
        {"cb_mod3", {"cb_mod3_0", "cb_mod3_2"}},
        {"cb_mod9", {"cb_mod9_0", "cb_mod9_8"}},
        {"cb_tail", {"e_tail"}},
        {"cb_amplitude", {"e_amplitudefrom", "e_amplitudeto"}},
        {"cb_range", {"e_rangefrom", "e_rangeto"}},
        {"cb_mean", {"e_meanfrom", "e_meanto"}},
    };
    for (const auto& [box, controls] : rows) {
        for (const char* control : controls) QVERIFY2(!child<QWidget>(d, control)->isEnabled(), control);
        click(d, box);
        for (const char* control : controls) QVERIFY2(child<QWidget>(d, control)->isEnabled(), control);
        click(d, box);
        for (const char* control : controls) QVERIFY2(!child<QWidget>(d, control)->isEnabled(), control);
    }
    // The radio pairs are independent of each other.
    click(d, "cb_parity");
    click(d, "cb_prime");
    click(d, "rb_even");
    click(d, "rb_composite");
    QVERIFY(child<QRadioButton>(d, "rb_even")->isChecked());
    QVERIFY(child<QRadioButton>(d, "rb_composite")->isChecked());
    QVERIFY(!child<QRadioButton>(d, "rb_odd")->isChecked());
}

void TestGeneratorDialogs::badCriteriaChangeNothing_data() {
    QTest::addColumn<bool>("labels");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");

    for (bool labels : {true, false}) {
        const QByteArray form = labels ? "labels: " : "list: ";
        QTest::newRow(form + "amplitude empty") << labels << QStringList{u("cb_amplitude")}
                                                << QStringList{u("e_amplitudefrom"), u("1")} << u("变化量未输入数据");
        QTest::newRow(form + "range empty")
            << labels << QStringList{u("cb_range")} << QStringList{u("e_rangeto"), u("5")} << u("取值范围未输入数据");
        QTest::newRow(form + "mean empty")
            << labels << QStringList{u("cb_mean")} << QStringList{} << u("二期均值未输入数据");
        QTest::newRow(form + "amplitude letters")
            << labels << QStringList{u("cb_amplitude")}
            << QStringList{u("e_amplitudefrom"), u("1"), u("e_amplitudeto"), u("五")} << u("“五”不是有效的整数");
        QTest::newRow(form + "range decimal")
            << labels << QStringList{u("cb_range")} << QStringList{u("e_rangefrom"), u("1.5"), u("e_rangeto"), u("5")}
            << u("“1.5”不是有效的整数");
        QTest::newRow(form + "mean letters")
            << labels << QStringList{u("cb_mean"), u("cb_parity")}
            << QStringList{u("e_meanfrom"), u("x1"), u("e_meanto"), u("5")} << u("“x1”不是有效的数值");
        QTest::newRow(form + "mean far too long a number")
            << labels << QStringList{u("cb_mean")} << QStringList{u("e_meanfrom"), u("1e999"), u("e_meanto"), u("5")}
            << u("“1e999”不是有效的数值");
    }
    QTest::newRow("list: tail letters") << false << QStringList{u("cb_tail")} << QStringList{u("e_tail"), u("1 2 a")}
                                        << u("“a”不是有效的数值");
}

void TestGeneratorDialogs::badCriteriaChangeNothing() {
    QFETCH(bool, labels);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);

    Chooser c(labels, choiceOf(1, labels ? 20 : 120, 6, {4, 8}));
    c.toggle(11);
    for (const QString& box : boxes) click(*c.dialog, box.toLatin1().constData());
    for (int i = 0; i + 1 < fields.size(); i += 2) c.fill(fields[i].toLatin1().constData(), fields[i + 1]);
    c.button("b_bycriteria");
    QCOMPARE(c.prompts.informed, QStringList{message});
    QCOMPARE(text(c.shown()), u("4 8 11"));
    QVERIFY(c.dialog->isVisible());

    // Mended, the same criteria select.
    for (int i = 0; i + 1 < fields.size(); i += 2) c.fill(fields[i].toLatin1().constData(), QString());
    click(*c.dialog, boxes.first().toLatin1().constData());
    c.button("b_bycriteria");
    QCOMPARE(c.prompts.informed.size(), 1);
    QVERIFY(!c.shown().empty());
}

void TestGeneratorDialogs::numberChoosersOfferNoAmplitudeMeanOrAssistant() {
    for (bool labels : {true, false}) {
        int called = 0;
        ValueChoice choice = choiceOf(1, labels ? 33 : 120, 12, {1, 2});
        choice.numbers = true;
        choice.assistant = [&called] { ++called; };
        Chooser c(labels, choice);
        const QWidget& d = *c.dialog;
        for (const char* name :
             {"cb_amplitude", "e_amplitudefrom", "e_amplitudeto", "cb_mean", "e_meanfrom", "e_meanto", "b_assistant"})
            QVERIFY2(!child<QWidget>(d, name)->isEnabled(), name);
        for (const char* name : {"cb_parity", "cb_prime", "cb_mod3", "cb_range"})
            QVERIFY2(child<QWidget>(d, name)->isEnabled(), name);
        click(d, "cb_amplitude");
        click(d, "b_assistant");
        QVERIFY(!child<QCheckBox>(d, "cb_amplitude")->isChecked());
        QCOMPARE(called, 0);

        click(d, "cb_range");
        c.fill("e_rangefrom", u("30"));
        c.fill("e_rangeto", u("33"));
        c.button("b_bycriteria");
        QCOMPARE(text(c.shown()), u("30 31 32 33"));
    }
}

void TestGeneratorDialogs::assistantIsCalledWhenGiven() {
    for (bool labels : {true, false}) {
        int called = 0;
        ValueChoice choice = choiceOf(0, labels ? 50 : 500, 20);
        choice.assistant = [&called] { ++called; };
        Chooser c(labels, choice);
        QPushButton* assistant = child<QPushButton>(*c.dialog, "b_assistant");
        QVERIFY(assistant->isEnabled());
        QTest::mouseClick(assistant, Qt::LeftButton);
        QCOMPARE(called, 1);
        QVERIFY(c.dialog->isVisible());
    }
}

void TestGeneratorDialogs::okAndCancel_data() {
    QTest::addColumn<bool>("labels");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    for (bool labels : {true, false}) {
        const QByteArray form = labels ? "labels: " : "list: ";
        QTest::newRow(form + "ok") << labels << u("b_ok") << int(QDialog::Accepted);
        QTest::newRow(form + "cancel") << labels << u("b_cancel") << int(QDialog::Rejected);
    }
}

void TestGeneratorDialogs::okAndCancel() {
    QFETCH(bool, labels);
    QFETCH(QString, button);
    QFETCH(int, result);
    Chooser c(labels, choiceOf(0, labels ? 9 : 999, std::nullopt, {9}));
    c.toggle(0);
    c.toggle(4);
    c.button(button.toLatin1().constData());
    QVERIFY(!c.dialog->isVisible());
    QCOMPARE(c.dialog->result(), result);
    QCOMPARE(text(c.dialog->values()), u("0 4 9"));
}

void TestGeneratorDialogs::formFollowsTheLengthOfTheRange_data() {
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<bool>("labels");
    QTest::newRow("0..6") << 0 << 6 << true;
    QTest::newRow("1..100: 100 values") << 1 << 100 << true;
    QTest::newRow("0..100: 101 values") << 0 << 100 << false;
    QTest::newRow("0..1000") << 0 << 1000 << false;
}

void TestGeneratorDialogs::formFollowsTheLengthOfTheRange() {
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(bool, labels);

    test::FakePrompts prompts;
    QWidget owner;
    DialogGeneratorDialogs dialogs(prompts, &owner);
    QString form;
    onModal(this, [&](QDialog& dialog) {
        form = QString::fromLatin1(dialog.metaObject()->className());
        QCOMPARE(dialog.parentWidget(), &owner);
        auto& chooser = static_cast<ValueChooser&>(dialog);
        QCOMPARE(text(chooser.values()), u("5"));
        click(dialog, "b_selectnone");
        click(dialog, "b_invert");
        click(dialog, "b_ok");
    });
    const std::optional<std::vector<int32_t>> chosen = dialogs.chooseValues(nullptr, choiceOf(lo, hi, 3, {5}));
    QCOMPARE(form, labels ? u("lottodesk::Tf_getchoiceextend") : u("lottodesk::Tf_getchoiceextend_plus"));
    QVERIFY(chosen);
    QCOMPARE(text(*chosen), text(range(lo, hi)));

    // Cancelled: nothing.
    onModal(this, [](QDialog& dialog) { click(dialog, "b_cancel"); });
    QVERIFY(!dialogs.chooseValues(&owner, choiceOf(lo, hi)));
}

// ---------------------------------------------------------------------------------------------
// The self-set dialog.

namespace {

struct SelfSet {
    explicit SelfSet(int zh_to = 33, int m = 6, const tselfcond* preset = nullptr) : dialog(prompts) {
        dialog.setChooserRunner([this](QWidget* parent, const ValueChoice& choice) {
            choices.push_back(choice);
            parents.push_back(parent);
            return answer(parent, choice);
        });
        dialog.setup(zh_to, m, preset);
        dialog.show();
    }
    QListWidget* list() const { return child<QListWidget>(dialog, "lb_numbers"); }
    QString counts() const { return child<QLineEdit>(dialog, "e_counts")->text(); }
    void tick(int n) { clickCheck(list(), n - 1); }
    std::vector<int32_t> ticked() const { return checkedRows(list(), 1); }
    void quick(int index) {
        QComboBox* combo = child<QComboBox>(dialog, "combo_quick");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
    }

    test::FakePrompts prompts;
    Tf_selfcond dialog;
    std::vector<ValueChoice> choices;
    std::vector<QWidget*> parents;
    // The chooser's answer; by default the real chooser, worked by `work` without a nested loop.
    std::function<void(Tf_getchoiceextend&)> work;
    std::function<std::optional<std::vector<int32_t>>(QWidget*, const ValueChoice&)> answer =
        [this](QWidget* parent, const ValueChoice& choice) -> std::optional<std::vector<int32_t>> {
        Tf_getchoiceextend chooser(prompts, parent);
        chooser.setChoice(choice);
        chooser.show();
        if (work) work(chooser);
        if (chooser.isVisible()) chooser.reject();
        if (chooser.result() != QDialog::Accepted) return std::nullopt;
        return chooser.values();
    };
};

}  // namespace

void TestGeneratorDialogs::selfSetDialogShowsItsControls() {
    SelfSet s;
    const QWidget& d = s.dialog;
    QCOMPARE(d.windowTitle(), u("自设条件"));
    QCOMPARE(s.list()->count(), 33);
    QCOMPARE(s.list()->item(0)->text(), u("01"));
    QCOMPARE(s.list()->item(32)->text(), u("33"));
    QVERIFY(s.ticked().empty());
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"b_selectall", "全选"}, {"b_selectnone", "全不选"},  {"b_reset", "复位"}, {"b_counts", "..."},
        {"cb_tolerant", "容错"}, {"b_assistant", "过滤助手"}, {"b_ok", "确定"},    {"b_cancel", "取消"},
    };
    for (const auto& [name, caption] : captions) QCOMPARE(child<QAbstractButton>(d, name)->text(), u(caption));
    QCOMPARE(child<QLabel>(d, "l_quick")->text(), u("快速选号"));
    QCOMPARE(child<QLabel>(d, "l_counts")->text(), u("出现个数选择"));
    QVERIFY(!child<QPushButton>(d, "b_assistant")->isEnabled());
    QVERIFY(child<QLineEdit>(d, "e_counts")->isReadOnly());
    QVERIFY(s.counts().isEmpty());

    QComboBox* quick = child<QComboBox>(d, "combo_quick");
    const QStringList items = {u("除三余零数"), u("除三余一数"), u("除三余二数"), u("除四余零数"),
                               u("除四余一数"), u("除四余二数"), u("除四余三数"), u("除五余零数"),
                               u("除五余一数"), u("除五余二数"), u("除五余三数"), u("除五余四数")};
    QCOMPARE(quick->count(), int(items.size()));
    for (int i = 0; i < quick->count(); ++i) QCOMPARE(quick->itemText(i), items[i]);

    // Another game: 1..35.
    s.dialog.setup(35, 5, nullptr);
    QCOMPARE(s.list()->count(), 35);
}

void TestGeneratorDialogs::selfSetTickButtons() {
    SelfSet s;
    s.tick(3);
    s.tick(30);
    s.tick(3);
    QCOMPARE(text(s.ticked()), u("30"));
    click(s.dialog, "b_selectall");
    QCOMPARE(text(s.ticked()), text(range(1, 33)));
    click(s.dialog, "b_selectnone");
    QVERIFY(s.ticked().empty());

    // "复位": no numbers, no counts, not tolerant.
    s.tick(7);
    s.answer = [](QWidget*, const ValueChoice&) { return std::optional<std::vector<int32_t>>({1, 2}); };
    click(s.dialog, "b_counts");
    click(s.dialog, "cb_tolerant");
    QCOMPARE(s.counts(), u("1  2  "));
    click(s.dialog, "b_reset");
    QVERIFY(s.ticked().empty());
    QVERIFY(s.counts().isEmpty());
    QVERIFY(!child<QCheckBox>(s.dialog, "cb_tolerant")->isChecked());
    QVERIFY(s.dialog.entry().allowed.empty());
}

void TestGeneratorDialogs::quickChoice_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mod 3 = 0") << 0 << u("除三余零数") << u("3 6 9 12 15 18 21 24 27 30 33");
    QTest::newRow("mod 3 = 1") << 1 << u("除三余一数") << u("1 4 7 10 13 16 19 22 25 28 31");
    QTest::newRow("mod 3 = 2") << 2 << u("除三余二数") << u("2 5 8 11 14 17 20 23 26 29 32");
    QTest::newRow("mod 4 = 0") << 3 << u("除四余零数") << u("4 8 12 16 20 24 28 32");
    QTest::newRow("mod 4 = 1") << 4 << u("除四余一数") << u("1 5 9 13 17 21 25 29 33");
    QTest::newRow("mod 4 = 2") << 5 << u("除四余二数") << u("2 6 10 14 18 22 26 30");
    QTest::newRow("mod 4 = 3") << 6 << u("除四余三数") << u("3 7 11 15 19 23 27 31");
    QTest::newRow("mod 5 = 0") << 7 << u("除五余零数") << u("5 10 15 20 25 30");
    QTest::newRow("mod 5 = 1") << 8 << u("除五余一数") << u("1 6 11 16 21 26 31");
    QTest::newRow("mod 5 = 2") << 9 << u("除五余二数") << u("2 7 12 17 22 27 32");
    QTest::newRow("mod 5 = 3") << 10 << u("除五余三数") << u("3 8 13 18 23 28 33");
    QTest::newRow("mod 5 = 4") << 11 << u("除五余四数") << u("4 9 14 19 24 29");
}

void TestGeneratorDialogs::quickChoice() {
    QFETCH(int, index);
    QFETCH(QString, item);
    QFETCH(QString, expected);
    SelfSet s;
    s.tick(1);
    s.tick(2);
    s.quick(index);
    QCOMPARE(child<QComboBox>(s.dialog, "combo_quick")->currentText(), item);
    QCOMPARE(text(s.ticked()), expected);
    const tselfcond entry = s.dialog.entry();
    QCOMPARE(text(std::vector<int32_t>(entry.numbers.begin(), entry.numbers.end())), expected);
}

void TestGeneratorDialogs::selfSetCountsThroughTheChooser() {
    SelfSet s(33, 6);
    // The chooser over 0..6, nothing ticked, no reference, no assistant; the user ticks 2, 0, 1.
    s.work = [](Tf_getchoiceextend& chooser) {
        QCOMPARE(chooser.findChildren<ValueLabel*>().size(), 7);
        QVERIFY(chooser.values().empty());
        QVERIFY(!child<QPushButton>(chooser, "b_assistant")->isEnabled());
        QVERIFY(!child<QCheckBox>(chooser, "cb_amplitude")->isEnabled());
        QTest::mouseClick(chooser.label(2), Qt::LeftButton);
        QTest::mouseClick(chooser.label(0), Qt::LeftButton);
        QTest::mouseClick(chooser.label(1), Qt::LeftButton);
        click(chooser, "b_ok");
    };
    click(s.dialog, "b_counts");
    QCOMPARE(s.choices.size(), size_t(1));
    QCOMPARE(s.choices[0].lo, 0);
    QCOMPARE(s.choices[0].hi, 6);
    QVERIFY(!s.choices[0].reference);
    QVERIFY(s.choices[0].preselected.empty());
    QVERIFY(!s.choices[0].assistant);
    QCOMPARE(s.parents[0], static_cast<QWidget*>(&s.dialog));
    QCOMPARE(s.counts(), u("0  1  2  "));
    QCOMPARE(text(s.dialog.entry().allowed), u("0 1 2"));

    // Cancelled: the counts stay.
    s.work = [](Tf_getchoiceextend& chooser) {
        QTest::mouseClick(chooser.label(5), Qt::LeftButton);
        click(chooser, "b_cancel");
    };
    click(s.dialog, "b_counts");
    QCOMPARE(s.counts(), u("0  1  2  "));

    // Chosen again: nothing preselected, the new choice replaces the old one; a game of 5 numbers.
    s.dialog.setup(35, 5, nullptr);
    s.work = [](Tf_getchoiceextend& chooser) {
        QVERIFY(chooser.values().empty());
        QCOMPARE(chooser.findChildren<ValueLabel*>().size(), 6);
        click(chooser, "b_selectall");
        click(chooser, "b_ok");
    };
    click(s.dialog, "b_counts");
    QCOMPARE(s.choices.back().hi, 5);
    QCOMPARE(s.counts(), u("0  1  2  3  4  5  "));
}

void TestGeneratorDialogs::selfSetOk_data() {
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<bool>("tolerant");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QList<int>{} << QList<int>{} << false << u("未选择号码组应出现的次数");
    QTest::newRow("numbers without counts")
        << QList<int>{1, 2} << QList<int>{} << false << u("未选择号码组应出现的次数");
    QTest::newRow("counts without numbers") << QList<int>{} << QList<int>{0} << true << u("未选择号码");
    QTest::newRow("both") << QList<int>{33, 1, 2} << QList<int>{1, 0} << false << QString();
    QTest::newRow("both, tolerant") << QList<int>{10} << QList<int>{6} << true << QString();
}

void TestGeneratorDialogs::selfSetOk() {
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, counts);
    QFETCH(bool, tolerant);
    QFETCH(QString, message);

    SelfSet s;
    for (int n : numbers) s.tick(n);
    const std::vector<int32_t> chosen(counts.begin(), counts.end());
    s.answer = [chosen](QWidget*, const ValueChoice&) { return std::optional<std::vector<int32_t>>(chosen); };
    click(s.dialog, "b_counts");
    if (tolerant) click(s.dialog, "cb_tolerant");
    click(s.dialog, "b_ok");
    if (!message.isEmpty()) {
        QCOMPARE(s.prompts.informed, QStringList{message});
        QVERIFY(s.dialog.isVisible());
        return;
    }
    QVERIFY(s.prompts.informed.isEmpty());
    QVERIFY(!s.dialog.isVisible());
    QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
    const tselfcond entry = s.dialog.entry();
    std::vector<int> sorted(numbers.begin(), numbers.end());
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(std::vector<int>(entry.numbers.begin(), entry.numbers.end()), sorted);
    std::vector<int32_t> ascending = chosen;
    std::sort(ascending.begin(), ascending.end());
    QCOMPARE(entry.allowed, ascending);
    QCOMPARE(entry.tolerant, tolerant);
    QVERIFY(!entry.countOnce);
}

void TestGeneratorDialogs::selfSetPresetForModify() {
    tselfcond preset;
    preset.numbers = {2, 17, 33};
    preset.allowed = {1, 3};
    preset.tolerant = true;
    SelfSet s(33, 6, &preset);
    QCOMPARE(text(s.ticked()), u("2 17 33"));
    QCOMPARE(s.counts(), u("1  3  "));
    QVERIFY(child<QCheckBox>(s.dialog, "cb_tolerant")->isChecked());

    // Unchanged, OK gives the entry back.
    click(s.dialog, "b_ok");
    QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
    const tselfcond entry = s.dialog.entry();
    QCOMPARE(entry.numbers, preset.numbers);
    QCOMPARE(entry.allowed, preset.allowed);
    QVERIFY(entry.tolerant);

    // Set up for adding again: empty.
    s.dialog.setup(33, 6, nullptr);
    QVERIFY(s.ticked().empty());
    QVERIFY(s.counts().isEmpty());
    QVERIFY(!child<QCheckBox>(s.dialog, "cb_tolerant")->isChecked());
}

// ---------------------------------------------------------------------------------------------
// The tail dialog.

namespace {

struct Tail {
    explicit Tail(int m = 6, const tselfcond* preset = nullptr) : dialog(prompts) {
        dialog.setChooserRunner([this](QWidget*, const ValueChoice& choice) {
            choices.push_back(choice);
            return answer;
        });
        dialog.setup(m, preset);
        dialog.show();
    }
    QListWidget* list() const { return child<QListWidget>(dialog, "lb_tails"); }
    QString counts() const { return child<QLineEdit>(dialog, "e_counts")->text(); }
    std::vector<int32_t> ticked() const { return checkedRows(list(), 0); }

    test::FakePrompts prompts;
    Tf_wsset dialog;
    std::vector<ValueChoice> choices;
    std::optional<std::vector<int32_t>> answer;
};

}  // namespace

void TestGeneratorDialogs::tailDialogShowsItsControls() {
    Tail t;
    const QWidget& d = t.dialog;
    QCOMPARE(d.windowTitle(), u("尾数设置"));
    QCOMPARE(child<QLabel>(d, "l_tails")->text(), u("尾数选择"));
    QCOMPARE(t.list()->count(), 10);
    for (int digit = 0; digit <= 9; ++digit) QCOMPARE(t.list()->item(digit)->text(), QString::number(digit));
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"b_selectall", "全选"},
        {"b_reset", "复位"},
        {"b_counts", "..."},
        {"cb_tolerant", "容错"},
        {"cb_countonce", "相同尾数仅计算一次"},
        {"b_assistant", "过滤助手"},
        {"b_ok", "确定"},
        {"b_cancel", "取消"},
    };
    for (const auto& [name, caption] : captions) QCOMPARE(child<QAbstractButton>(d, name)->text(), u(caption));
    QCOMPARE(child<QLabel>(d, "l_counts")->text(), u("出现个数选择"));
    QVERIFY(!child<QPushButton>(d, "b_assistant")->isEnabled());
    QVERIFY(t.ticked().empty());
    QVERIFY(t.counts().isEmpty());
}

void TestGeneratorDialogs::tailDialogButtonsAndBoxes() {
    Tail t(5);
    clickCheck(t.list(), 3);
    clickCheck(t.list(), 0);
    QCOMPARE(text(t.ticked()), u("0 3"));
    click(t.dialog, "b_selectall");
    QCOMPARE(text(t.ticked()), text(range(0, 9)));

    t.answer = std::vector<int32_t>{2, 1};
    click(t.dialog, "b_counts");
    QCOMPARE(t.choices.size(), size_t(1));
    QCOMPARE(t.choices[0].lo, 0);
    QCOMPARE(t.choices[0].hi, 5);
    QVERIFY(t.choices[0].preselected.empty());
    QCOMPARE(t.counts(), u("1  2  "));
    t.answer.reset();  // cancelled
    click(t.dialog, "b_counts");
    QCOMPARE(t.counts(), u("1  2  "));

    click(t.dialog, "cb_tolerant");
    click(t.dialog, "cb_countonce");
    tselfcond entry = t.dialog.entry();
    QVERIFY(entry.tolerant);
    QVERIFY(entry.countOnce);
    QCOMPARE(entry.numbers.size(), size_t(10));

    click(t.dialog, "b_reset");
    QVERIFY(t.ticked().empty());
    QVERIFY(t.counts().isEmpty());
    entry = t.dialog.entry();
    QVERIFY(!entry.tolerant);
    QVERIFY(!entry.countOnce);
    QVERIFY(entry.allowed.empty());
}

void TestGeneratorDialogs::tailOk_data() {
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QList<int>{} << QList<int>{} << u("未选择号码");
    QTest::newRow("counts without digits") << QList<int>{} << QList<int>{2} << u("未选择号码");
    QTest::newRow("digits without counts") << QList<int>{3} << QList<int>{} << u("未选择尾号组应出现的次数");
    QTest::newRow("both") << QList<int>{5, 3} << QList<int>{2} << QString();
}

void TestGeneratorDialogs::tailOk() {
    QFETCH(QList<int>, digits);
    QFETCH(QList<int>, counts);
    QFETCH(QString, message);

    Tail t;
    for (int digit : digits) clickCheck(t.list(), digit);
    t.answer = std::vector<int32_t>(counts.begin(), counts.end());
    click(t.dialog, "b_counts");
    click(t.dialog, "cb_countonce");
    click(t.dialog, "b_ok");
    if (!message.isEmpty()) {
        QCOMPARE(t.prompts.informed, QStringList{message});
        QVERIFY(t.dialog.isVisible());
        return;
    }
    QVERIFY(t.prompts.informed.isEmpty());
    QCOMPARE(t.dialog.result(), int(QDialog::Accepted));
    const tselfcond entry = t.dialog.entry();
    QCOMPARE(entry.numbers, (std::vector<uint8_t>{3, 5}));
    QCOMPARE(entry.allowed, (std::vector<int32_t>{2}));
    QVERIFY(entry.countOnce);
    QVERIFY(!entry.tolerant);
}

void TestGeneratorDialogs::tailPresetForModify() {
    tselfcond preset;
    preset.numbers = {0, 9};
    preset.allowed = {0, 2, 4};
    preset.countOnce = true;
    Tail t(6, &preset);
    QCOMPARE(text(t.ticked()), u("0 9"));
    QCOMPARE(t.counts(), u("0  2  4  "));
    QVERIFY(child<QCheckBox>(t.dialog, "cb_countonce")->isChecked());
    QVERIFY(!child<QCheckBox>(t.dialog, "cb_tolerant")->isChecked());
    click(t.dialog, "b_ok");
    const tselfcond entry = t.dialog.entry();
    QCOMPARE(entry.numbers, preset.numbers);
    QCOMPARE(entry.allowed, preset.allowed);
    QVERIFY(entry.countOnce);

    t.dialog.setup(6, nullptr);
    QVERIFY(t.ticked().empty());
    QVERIFY(!child<QCheckBox>(t.dialog, "cb_countonce")->isChecked());
}

// ---------------------------------------------------------------------------------------------
// The check report's questions.

void TestGeneratorDialogs::periodDialog() {
    Tf_choiceperiod dialog;
    dialog.setPeriods({2023001, 2023002, 2023003, 2024001});
    dialog.show();
    QCOMPARE(dialog.windowTitle(), u("选择期号"));
    QCOMPARE(child<QLabel>(dialog, "l_period")->text(), u("期号"));
    QListWidget* list = child<QListWidget>(dialog, "lb_period");
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(0)->text(), u("2023001"));
    QCOMPARE(list->item(3)->text(), u("2024001"));
    QCOMPARE(dialog.period(), std::optional<int32_t>(2024001));
    QVERIFY(child<QPushButton>(dialog, "b_ok")->isEnabled());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(dialog.period(), std::optional<int32_t>(2023002));
    click(dialog, "b_ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.period(), std::optional<int32_t>(2023002));

    // A double-click chooses at once.
    dialog.show();
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.period(), std::optional<int32_t>(2023001));

    dialog.show();
    click(dialog, "b_cancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestGeneratorDialogs::periodDialogWithoutPeriods() {
    Tf_choiceperiod dialog;
    dialog.setPeriods({});
    dialog.show();
    QCOMPARE(child<QListWidget>(dialog, "lb_period")->count(), 0);
    QVERIFY(!child<QPushButton>(dialog, "b_ok")->isEnabled());
    QVERIFY(!dialog.period());
}

void TestGeneratorDialogs::modeDialog_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("mode");
    QTest::newRow("all") << QString() << int(CheckMode::All);
    QTest::newRow("right only") << u("rb_right") << int(CheckMode::RightOnly);
    QTest::newRow("wrong only") << u("rb_wrong") << int(CheckMode::WrongOnly);
    QTest::newRow("back to all") << u("rb_all") << int(CheckMode::All);
}

void TestGeneratorDialogs::modeDialog() {
    QFETCH(QString, radio);
    QFETCH(int, mode);
    Tf_choicemode dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), u("选择"));
    QCOMPARE(child<QRadioButton>(dialog, "rb_all")->text(), u("全部显示"));
    QCOMPARE(child<QRadioButton>(dialog, "rb_right")->text(), u("只显示对"));
    QCOMPARE(child<QRadioButton>(dialog, "rb_wrong")->text(), u("只显示错"));
    QVERIFY(child<QRadioButton>(dialog, "rb_all")->isChecked());
    click(dialog, "rb_wrong");
    if (!radio.isEmpty())
        click(dialog, radio.toLatin1().constData());
    else
        click(dialog, "rb_all");
    click(dialog, "b_ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(dialog.mode()), mode);
}

// ---------------------------------------------------------------------------------------------
// The production dialogs, shown modally.

void TestGeneratorDialogs::productionDialogsEditSelfSetAndTail() {
    test::FakePrompts prompts;
    QWidget owner;
    DialogGeneratorDialogs dialogs(prompts, &owner);

    // Self-set: the dialog over 1..35, a refusal, then numbers and counts (the chooser opened from
    // the dialog is modal too).
    QString title;
    int listed = 0;
    onModal(this, [&](QDialog& dialog) {
        title = dialog.windowTitle();
        QListWidget* list = child<QListWidget>(dialog, "lb_numbers");
        listed = list->count();
        clickCheck(list, 34);
        clickCheck(list, 0);
        click(dialog, "b_ok");  // no counts yet: refused, stays open
        onModal(&dialog, [](QDialog& chooser) {
            QTest::mouseClick(static_cast<Tf_getchoiceextend&>(chooser).label(5), Qt::LeftButton);
            click(chooser, "b_ok");
        });
        click(dialog, "b_counts");
        click(dialog, "b_ok");
    });
    std::optional<tselfcond> entry = dialogs.editSelfSet(nullptr, nullptr, 35, 5);
    QCOMPARE(title, u("自设条件"));
    QCOMPARE(listed, 35);
    QCOMPARE(prompts.informed, QStringList{u("未选择号码组应出现的次数")});
    QVERIFY(entry);
    QCOMPARE(entry->numbers, (std::vector<uint8_t>{1, 35}));
    QCOMPARE(entry->allowed, (std::vector<int32_t>{5}));

    // Modify, cancelled: nothing.
    onModal(this, [](QDialog& dialog) {
        QCOMPARE(child<QLineEdit>(dialog, "e_counts")->text(), u("5  "));
        click(dialog, "b_cancel");
    });
    QVERIFY(!dialogs.editSelfSet(&owner, &*entry, 35, 5));

    // Tail, preset: OK gives it back with the count-once box ticked by the user.
    tselfcond tail;
    tail.numbers = {3};
    tail.allowed = {2};
    onModal(this, [&](QDialog& dialog) {
        title = dialog.windowTitle();
        click(dialog, "cb_countonce");
        click(dialog, "b_ok");
    });
    entry = dialogs.editTail(nullptr, &tail, 6);
    QCOMPARE(title, u("尾数设置"));
    QVERIFY(entry);
    QCOMPARE(entry->numbers, tail.numbers);
    QCOMPARE(entry->allowed, tail.allowed);
    QVERIFY(entry->countOnce);

    onModal(this, [](QDialog& dialog) { click(dialog, "b_cancel"); });
    QVERIFY(!dialogs.editTail(nullptr, nullptr, 6));
}

void TestGeneratorDialogs::productionDialogsChoosePeriodAndMode() {
    test::FakePrompts prompts;
    QWidget owner;
    DialogGeneratorDialogs dialogs(prompts, &owner);

    onModal(this, [](QDialog& dialog) { click(dialog, "b_ok"); });
    QCOMPARE(dialogs.choosePeriod(nullptr, {2024001, 2024002, 2024003}), std::optional<int32_t>(2024003));
    onModal(this, [](QDialog& dialog) { click(dialog, "b_cancel"); });
    QVERIFY(!dialogs.choosePeriod(nullptr, {2024001}));

    onModal(this, [](QDialog& dialog) {
        click(dialog, "rb_right");
        click(dialog, "b_ok");
    });
    QCOMPARE(dialogs.chooseCheckMode(nullptr), std::optional<CheckMode>(CheckMode::RightOnly));
    onModal(this, [](QDialog& dialog) { click(dialog, "b_cancel"); });
    QVERIFY(!dialogs.chooseCheckMode(&owner));
}

QTEST_MAIN(TestGeneratorDialogs)
#include "test_generatordialogs.moc"
