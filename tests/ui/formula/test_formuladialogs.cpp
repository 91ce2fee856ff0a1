// The formula dialogs: the formula input dialog (its lists, double-click entry and the check on
// OK), the custom indicator dialog and the cold/hot settings dialog.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "core/gbk.h"
#include "ui/formula/f_addselfzb.h"
#include "ui/formula/f_coldhotset.h"
#include "ui/formula/f_fzsr.h"
#include "support/uifixture.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

const char* const kParenMessage = "\"(\"与\")\"不匹配";
const char* const kBracketMessage = "\"[\"与\"]\"不匹配";

// A control that belongs to `window` itself (the custom indicator dialog holds the formula input
// dialog, whose buttons have the same names).
template <typename T>
T* childOf(const QWidget& window, const char* name) {
    for (T* found : window.findChildren<T*>(QString::fromLatin1(name)))
        if (found->window() == &window) return found;
    qFatal("no child %s", name);
}

// Types `text` into `box` key by key; characters beyond Latin-1 arrive as key events carrying
// their text, as an input method delivers them.
void type(QLineEdit* box, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A double-click as the pointer delivers it: press, release, double-click, release.
void doubleClick(QListWidget* list, QPoint position) {
    QWidget* viewport = list->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, position);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, position);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
}

void doubleClick(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    doubleClick(list, list->visualItemRect(item).center());
}

void click(const QWidget& window, const char* button) {
    QTest::mouseClick(childOf<QPushButton>(window, button), Qt::LeftButton);
}

// Writes the custom indicator file as the program writes it: GBK, CR LF after every line.
void writeSelfzb(const test::ProgramFolder& folder, const QStringList& lines) {
    std::string bytes;
    for (const QString& line : lines) bytes += utf8ToGbk(line.toStdString()) + "\r\n";
    test::writeFile(folder.file("save/selfzb.txt"), bytes);
}

// The formula input dialog on an empty program folder.
struct InputDialog {
    InputDialog() : dialog(folder.path(), prompts) {}

    QLineEdit* edit() const { return childOf<QLineEdit>(dialog, "e_fzsr"); }
    QTabWidget* tabs() const { return childOf<QTabWidget>(dialog, "pc_lists"); }
    int pageOf(const QString& caption) const {
        for (int i = 0; i < tabs()->count(); ++i)
            if (tabs()->tabText(i) == caption) return i;
        qFatal("no page %s", qPrintable(caption));
    }
    QListWidget* list(const QString& caption) const {
        return tabs()->widget(pageOf(caption))->findChild<QListWidget*>();
    }
    QStringList lines(const QString& caption) const {
        QStringList result;
        for (int i = 0; i < list(caption)->count(); ++i) result << list(caption)->item(i)->text();
        return result;
    }
    // Opens the page and double-clicks the entry whose code is `code`.
    void enter(const QString& caption, const QString& code) {
        tabs()->setCurrentIndex(pageOf(caption));
        QListWidget* entries = list(caption);
        for (int i = 0; i < entries->count(); ++i) {
            QListWidgetItem* item = entries->item(i);
            if (item->text().section(QLatin1Char(' '), 0, 0) != code) continue;
            doubleClick(entries, item);
            return;
        }
        QFAIL(qPrintable(QStringLiteral("no entry ") + code));
    }

    test::ProgramFolder folder;
    test::FakePrompts prompts;
    Tf_fzsr dialog;
};

// The custom indicator dialog; the formula input dialog it opens is shown without a nested event
// loop and handed to `workInput`.
struct CustomDialog {
    CustomDialog() : dialog(folder.path(), prompts) {
        dialog.setDialogRunner([this](QDialog& input) {
            ++inputsRun;
            input.setResult(0);
            input.show();
            if (workInput) workInput(static_cast<Tf_fzsr&>(input));
            if (input.isVisible()) input.reject();
            return input.result();
        });
    }
    QLineEdit* box(const char* name) const { return childOf<QLineEdit>(dialog, name); }

    test::ProgramFolder folder;
    test::FakePrompts prompts;
    Tf_addselfzb dialog;
    std::function<void(Tf_fzsr&)> workInput;
    int inputsRun = 0;
};

struct ColdHotDialog {
    ColdHotDialog() : dialog(prompts) {}
    QLineEdit* box(const char* name) const { return childOf<QLineEdit>(dialog, name); }

    test::FakePrompts prompts;
    Tf_coldhotset dialog;
};

}  // namespace

class TestFormulaDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inputDialogShowsItsControlsAndPages();
    void entriesLineTheirNamesUp();
    void showingOpensTheOperatorPageWithTheFocusOnTheFormula();
    void doubleClickAppendsTheCode_data();
    void doubleClickAppendsTheCode();
    void doubleClickWithNothingSelectedAsksForASelection();
    void okChecksTheFormula_data();
    void okChecksTheFormula();
    void cancelTakesNothing();
    void savedPageIsReadEachTimeTheDialogIsShown();

    void customDialogForAddAndModify();
    void customDialogOkChecksTheFormula_data();
    void customDialogOkChecksTheFormula();
    void assistedInputFillsTheFormula();

    void coldHotDialogShowsItsFields();
    void coldHotValues_data();
    void coldHotValues();
    void coldHotOkKeepsABadTextOpen();
};

// ---------------------------------------------------------------------------------------------
// The formula input dialog.

void TestFormulaDialogs::inputDialogShowsItsControlsAndPages() {
    InputDialog d;
    d.dialog.show();
    QCOMPARE(d.dialog.windowTitle(), u("辅助输入"));
    QCOMPARE(childOf<QLabel>(d.dialog, "l_fzsr")->text(), u("公式输入："));
    QCOMPARE(childOf<QLabel>(d.dialog, "l_lists")->text(), u("辅助列表（双击可自动将指标代码填入上面的文本框）："));
    QCOMPARE(childOf<QPushButton>(d.dialog, "b_ok")->text(), u("确定"));
    QCOMPARE(childOf<QPushButton>(d.dialog, "b_cancel")->text(), u("取消"));

    // caption, entries (-1: not checked here)
    const std::vector<std::pair<const char*, int>> pages = {
        {"常规", 51},     {"和值系列", -1},     {"振幅系列", -1},        {"遗漏系列", -1},
        {"线和线差", 30}, {"运算符及函数", 19}, {"保存的自定义指标", 0}, {"遗漏振幅", -1},
        {"振幅遗漏", -1}, {"蓝号系列", -1},     {"尾数系列", -1},
    };
    QCOMPARE(d.tabs()->count(), int(pages.size()));
    for (int i = 0; i < int(pages.size()); ++i) {
        QCOMPARE(d.tabs()->tabText(i), u(pages[i].first));
        QListWidget* list = d.tabs()->widget(i)->findChild<QListWidget*>();
        QVERIFY(list);
        if (pages[i].second >= 0) QCOMPARE(list->count(), pages[i].second);
        if (pages[i].second != 0) QVERIFY2(list->count() > 0, pages[i].first);
    }
    const QStringList general = d.lines(u("常规"));
    QVERIFY(general.first().startsWith(u("z_num1 ")));
    QVERIFY(general.first().endsWith(u(" 红号一")));
    QVERIFY(general.last().startsWith(u("f_num1 ")));
    QVERIFY(general.last().endsWith(u(" 蓝号")));
    const QStringList amplitudes = d.lines(u("振幅系列"));
    QVERIFY(std::any_of(amplitudes.cbegin(), amplitudes.cend(),
                        [](const QString& line) { return line.startsWith(u("getzf(z_pd) ")); }));
}

void TestFormulaDialogs::entriesLineTheirNamesUp() {
    InputDialog d;
    d.dialog.show();
    // The operator page: the longest code "getylzzf" is followed by two blanks, the names start
    // in one column.
    const QStringList operators = d.lines(u("运算符及函数"));
    QCOMPARE(operators.first(), u("+         加"));
    QCOMPARE(operators[11], u("if        条件函数"));
    QCOMPARE(operators.last(), u("getylzzf  取某指标的遗漏振幅"));
    const QStringList codes = {u("+"),   u("-"),   u("*"),     u("/"),      u("%"),       u("!"),   u(">"),
                               u("<"),   u("="),   u("&"),     u("#"),      u("if"),      u("abs"), u("max"),
                               u("mid"), u("min"), u("getzf"), u("getylz"), u("getylzzf")};
    for (int i = 0; i < codes.size(); ++i) QCOMPARE(operators[i].section(QLatin1Char(' '), 0, 0), codes[i]);

    // Every indicator page: one name column per page, after at least one blank.
    for (const char* caption :
         {"常规", "和值系列", "振幅系列", "遗漏系列", "线和线差", "遗漏振幅", "振幅遗漏", "蓝号系列", "尾数系列"}) {
        const QStringList lines = d.lines(u(caption));
        int column = -1;
        for (const QString& line : lines) {
            const int blank = line.indexOf(QLatin1Char(' '));
            QVERIFY2(blank > 0, qPrintable(line));
            int name = blank;
            while (name < line.size() && line[name] == QLatin1Char(' ')) ++name;
            QVERIFY2(name < line.size(), qPrintable(line));
            if (column < 0) column = name;
            QVERIFY2(name == column, qPrintable(line));
        }
    }
}

void TestFormulaDialogs::showingOpensTheOperatorPageWithTheFocusOnTheFormula() {
    InputDialog d;
    d.dialog.show();
    QCOMPARE(d.tabs()->tabText(d.tabs()->currentIndex()), u("运算符及函数"));
    QCOMPARE(d.dialog.focusWidget(), static_cast<QWidget*>(d.edit()));

    // Another page and the focus elsewhere; showing again goes back.
    d.tabs()->setCurrentIndex(0);
    d.list(u("常规"))->setFocus();
    QCOMPARE(d.dialog.focusWidget(), static_cast<QWidget*>(d.list(u("常规"))));
    d.dialog.hide();
    d.dialog.show();
    QCOMPARE(d.tabs()->currentIndex(), 5);
    QCOMPARE(d.dialog.focusWidget(), static_cast<QWidget*>(d.edit()));
}

void TestFormulaDialogs::doubleClickAppendsTheCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("entries");  // page caption, code, page caption, code, ...
    QTest::addColumn<QString>("expected");

    QTest::newRow("two entries in a row")
        << QString() << QStringList{u("振幅系列"), u("getzf(z_pd)"), u("常规"), u("z_num1")} << u("getzf(z_pd)z_num1");
    QTest::newRow("indicator, operator, indicator")
        << QString() << QStringList{u("常规"), u("z_num1"), u("运算符及函数"), u("+"), u("常规"), u("z_num2")}
        << u("z_num1+z_num2");
    QTest::newRow("after typed text") << u("[-1]") << QStringList{u("和值系列"), u("z_hz")} << u("[-1]z_hz");
    QTest::newRow("function name") << QString() << QStringList{u("运算符及函数"), u("max")} << u("max");
    QTest::newRow("secondary zone") << u("z_hz%") << QStringList{u("蓝号系列"), u("f_num1")} << u("z_hz%f_num1");
}

void TestFormulaDialogs::doubleClickAppendsTheCode() {
    QFETCH(QString, typed);
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);

    InputDialog d;
    d.dialog.show();
    type(d.edit(), typed);
    for (int i = 0; i + 1 < entries.size(); i += 2) d.enter(entries[i], entries[i + 1]);
    QCOMPARE(d.edit()->text(), expected);
    QCOMPARE(d.edit()->cursorPosition(), int(expected.size()));
    QVERIFY(d.prompts.informed.isEmpty());

    // Typing goes on at the end.
    d.edit()->setFocus();
    type(d.edit(), u("%10"));
    QCOMPARE(d.edit()->text(), expected + u("%10"));
}

void TestFormulaDialogs::doubleClickWithNothingSelectedAsksForASelection() {
    const QString hint = u("请在列表框中双击你要输入的内容");
    InputDialog d;
    writeSelfzb(d.folder, {u("z_hz%10        和尾")});
    d.dialog.show();
    d.tabs()->setCurrentIndex(d.pageOf(u("保存的自定义指标")));
    QListWidget* saved = d.list(u("保存的自定义指标"));
    QCOMPARE(saved->count(), 1);
    const QPoint blank(5, saved->visualItemRect(saved->item(0)).bottom() + 12);
    QVERIFY(saved->viewport()->rect().contains(blank));

    // Below the only entry, with nothing selected.
    doubleClick(saved, blank);
    QCOMPARE(d.prompts.informed, QStringList{hint});
    QVERIFY(d.edit()->text().isEmpty());

    // A selected entry: the press on blank space takes the selection away, as in any list.
    QTest::mouseClick(saved->viewport(), Qt::LeftButton, {}, saved->visualItemRect(saved->item(0)).center());
    QCOMPARE(saved->selectedItems().size(), 1);
    doubleClick(saved, blank);
    QVERIFY(saved->selectedItems().isEmpty());
    QCOMPARE(d.prompts.informed, (QStringList{hint, hint}));
    QVERIFY(d.edit()->text().isEmpty());

    // A list without entries.
    d.dialog.hide();
    QVERIFY(QFile::remove(d.folder.qfile("save/selfzb.txt")));
    d.dialog.show();
    d.tabs()->setCurrentIndex(d.pageOf(u("保存的自定义指标")));
    QCOMPARE(saved->count(), 0);
    doubleClick(saved, saved->viewport()->rect().center());
    QCOMPARE(d.prompts.informed, (QStringList{hint, hint, hint}));
    QVERIFY(d.edit()->text().isEmpty());
}

void TestFormulaDialogs::okChecksTheFormula_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("formula");

    QTest::newRow("trimmed") << u(" z_hz%10 ") << QString() << u("z_hz%10");
    QTest::newRow("offset and function") << u("getylz([-1]z_hw)%10") << QString() << u("getylz([-1]z_hw)%10");
    QTest::newRow("blank inside") << u("z_hz 5") << u("不能有空格") << QString();
    QTest::newRow("open parenthesis") << u("max(") << u(kParenMessage) << QString();
    QTest::newRow("open bracket") << u("[-1z_hz") << u(kBracketMessage) << QString();
    QTest::newRow("blank and parenthesis") << u("max( z_hz") << u(kParenMessage) << QString();
    QTest::newRow("empty") << u("   ") << u("自定义公式不能为空") << QString();
    QTest::newRow("typo") << u("z_foo") << u("“z_foo”不是系统指标") << QString();
    QTest::newRow("typo inside a function") << u("getylz(z_hz)+getzf(z_hw1)") << u("“z_hw1”不是系统指标") << QString();
    QTest::newRow("typo and open parenthesis") << u("z_foo+(1") << u(kParenMessage) << QString();
    QTest::newRow("custom formula of the families") << u("c_ys(z_hz,3)") << QString() << u("c_ys(z_hz,3)");
}

void TestFormulaDialogs::okChecksTheFormula() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, formula);

    InputDialog d;
    d.dialog.show();
    type(d.edit(), typed);
    click(d.dialog, "b_ok");
    if (message.isEmpty()) {
        QVERIFY(d.prompts.informed.isEmpty());
        QVERIFY(!d.dialog.isVisible());
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog.formula(), formula);
    } else {
        QCOMPARE(d.prompts.warned, QStringList{message});
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.edit()->text(), typed);
    }
}

void TestFormulaDialogs::cancelTakesNothing() {
    InputDialog d;
    d.dialog.show();
    type(d.edit(), u("z_hz 5"));
    click(d.dialog, "b_cancel");
    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
    QVERIFY(d.prompts.informed.isEmpty());

    d.dialog.clearFormula();
    QVERIFY(d.edit()->text().isEmpty());
    QVERIFY(d.dialog.formula().isEmpty());
}

void TestFormulaDialogs::savedPageIsReadEachTimeTheDialogIsShown() {
    InputDialog d;
    writeSelfzb(d.folder, {u("[-1]z_hw%10        上期和尾"), u("z_hz%10"), u("z_num1+z_num2        一二 位和")});
    d.dialog.show();
    QCOMPARE(d.lines(u("保存的自定义指标")),
             (QStringList{u("[-1]z_hw%10        上期和尾"), u("z_hz%10"), u("z_num1+z_num2        一二 位和")}));
    d.enter(u("保存的自定义指标"), u("[-1]z_hw%10"));
    d.enter(u("运算符及函数"), u("+"));
    d.enter(u("保存的自定义指标"), u("z_hz%10"));
    QCOMPARE(d.edit()->text(), u("[-1]z_hw%10+z_hz%10"));

    // Changed while hidden: the next showing lists the file as it is now.
    d.dialog.hide();
    writeSelfzb(d.folder, {u("getzf(z_hz)        和值振幅")});
    QCOMPARE(d.lines(u("保存的自定义指标")).size(), 3);
    d.dialog.show();
    QCOMPARE(d.lines(u("保存的自定义指标")), QStringList{u("getzf(z_hz)        和值振幅")});

    // Removed: the page is empty.
    d.dialog.hide();
    QVERIFY(QFile::remove(d.folder.qfile("save/selfzb.txt")));
    d.dialog.show();
    QCOMPARE(d.list(u("保存的自定义指标"))->count(), 0);
    QVERIFY(d.prompts.informed.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// The custom indicator dialog.

void TestFormulaDialogs::customDialogForAddAndModify() {
    CustomDialog d;
    QCOMPARE(childOf<QLabel>(d.dialog, "Label1")->text(), u("自定义指标公式："));
    QCOMPARE(childOf<QLabel>(d.dialog, "Label2")->text(), u("自定义指标命名："));
    QCOMPARE(childOf<QPushButton>(d.dialog, "b_fzsr")->text(), u("辅助输入"));
    QCOMPARE(childOf<QPushButton>(d.dialog, "b_ok")->text(), u("确定"));
    QCOMPARE(childOf<QPushButton>(d.dialog, "b_cancel")->text(), u("取消"));

    d.dialog.setForModify(u("[-1]z_hw%10"), u("上期 和尾"));
    d.dialog.show();
    QCOMPARE(d.dialog.windowTitle(), u("修改自定义指标"));
    QCOMPARE(d.box("Edit1")->text(), u("[-1]z_hw%10"));
    QCOMPARE(d.box("Edit2")->text(), u("上期 和尾"));
    click(d.dialog, "b_cancel");
    QCOMPARE(d.dialog.result(), int(QDialog::Rejected));

    d.dialog.setForAdd();
    d.dialog.show();
    QCOMPARE(d.dialog.windowTitle(), u("添加自定义指标"));
    QVERIFY(d.box("Edit1")->text().isEmpty());
    QVERIFY(d.box("Edit2")->text().isEmpty());
    QVERIFY(d.prompts.informed.isEmpty());
}

void TestFormulaDialogs::customDialogOkChecksTheFormula_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("acceptedFormula");
    QTest::addColumn<QString>("acceptedName");

    QTest::newRow("formula and name") << u(" [-1]z_hw%10 ") << u("  上期 和尾 ") << QString() << u("[-1]z_hw%10")
                                      << u("上期 和尾");
    QTest::newRow("no name") << u("z_hz%10") << QString() << QString() << u("z_hz%10") << QString();
    QTest::newRow("blank") << u("z_hz 5") << u("x") << u("不能有空格") << QString() << QString();
    QTest::newRow("parenthesis") << u("max(z_hz") << u("x") << u(kParenMessage) << QString() << QString();
    QTest::newRow("bracket") << u("[-1z_hz") << QString() << u(kBracketMessage) << QString() << QString();
    QTest::newRow("empty") << u("  ") << u("x") << u("自定义公式不能为空") << QString() << QString();
    QTest::newRow("typo") << u("[-1]z_hwx%10") << u("x") << u("“z_hwx”不是系统指标") << QString() << QString();
}

void TestFormulaDialogs::customDialogOkChecksTheFormula() {
    QFETCH(QString, formula);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, acceptedFormula);
    QFETCH(QString, acceptedName);

    CustomDialog d;
    d.dialog.setForAdd();
    d.dialog.show();
    type(d.box("Edit1"), formula);
    type(d.box("Edit2"), name);
    click(d.dialog, "b_ok");
    if (message.isEmpty()) {
        QVERIFY(d.prompts.informed.isEmpty());
        QVERIFY(!d.dialog.isVisible());
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog.formula(), acceptedFormula);
        QCOMPARE(d.dialog.name(), acceptedName);
    } else {
        QCOMPARE(d.prompts.warned, QStringList{message});
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.box("Edit1")->text(), formula);
    }
}

void TestFormulaDialogs::assistedInputFillsTheFormula() {
    CustomDialog d;
    writeSelfzb(d.folder, {u("[-1]z_hw%10        上期和尾")});
    d.dialog.setForModify(u("z_hz"), u("和值"));
    d.dialog.show();

    // Built in the input dialog, which opens cleared on its operator page.
    QString seenOnOpening = u("?");
    d.workInput = [&](Tf_fzsr& input) {
        QLineEdit* edit = childOf<QLineEdit>(input, "e_fzsr");
        seenOnOpening = edit->text();
        QTabWidget* tabs = childOf<QTabWidget>(input, "pc_lists");
        QCOMPARE(tabs->tabText(tabs->currentIndex()), u("运算符及函数"));
        QListWidget* saved = tabs->widget(6)->findChild<QListWidget*>();
        QCOMPARE(saved->count(), 1);
        tabs->setCurrentIndex(6);
        doubleClick(saved, saved->item(0));
        type(edit, u("+1 "));
        click(input, "b_ok");
    };
    click(d.dialog, "b_fzsr");
    QCOMPARE(d.inputsRun, 1);
    QCOMPARE(seenOnOpening, QString());
    QCOMPARE(d.box("Edit1")->text(), u("[-1]z_hw%10+1"));
    QCOMPARE(d.box("Edit2")->text(), u("和值"));

    // Refused in the input dialog and then cancelled: the formula stays as it was.
    d.workInput = [&](Tf_fzsr& input) {
        seenOnOpening = childOf<QLineEdit>(input, "e_fzsr")->text();
        type(childOf<QLineEdit>(input, "e_fzsr"), u("z_hz 5"));
        click(input, "b_ok");
        QVERIFY(input.isVisible());
        click(input, "b_cancel");
    };
    click(d.dialog, "b_fzsr");
    QCOMPARE(d.inputsRun, 2);
    QCOMPARE(seenOnOpening, QString());
    QCOMPARE(d.prompts.informed, QStringList{u("不能有空格")});
    QCOMPARE(d.box("Edit1")->text(), u("[-1]z_hw%10+1"));
    QVERIFY(d.dialog.isVisible());

    click(d.dialog, "b_ok");
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.dialog.formula(), u("[-1]z_hw%10+1"));
}

// ---------------------------------------------------------------------------------------------
// The cold/hot settings dialog.

void TestFormulaDialogs::coldHotDialogShowsItsFields() {
    ColdHotDialog d;
    d.dialog.fill(30, 2, 8);
    d.dialog.show();
    QCOMPARE(d.dialog.windowTitle(), u("冷热号设置"));
    const std::vector<std::pair<const char*, const char*>> labels = {
        {"l_qs", "设定期数范围 :   最近"},
        {"l_qsunit", "期以内"},
        {"l_cold", "冷号的定义:   在规定期数内出现次数"},
        {"l_coldunit", "次以下"},
        {"l_hot", "热号的定义:   在规定期数内出现次数"},
        {"l_hotunit", "次以上"},
        {"l_warm", "温号介于冷号与热号之间"},
    };
    for (const auto& [name, text] : labels) QCOMPARE(childOf<QLabel>(d.dialog, name)->text(), u(text));
    QCOMPARE(childOf<QPushButton>(d.dialog, "b_ok")->text(), u("确定"));
    QCOMPARE(childOf<QPushButton>(d.dialog, "b_cancel")->text(), u("取消"));
    QCOMPARE(d.box("e_qsfield")->text(), u("30"));
    QCOMPARE(d.box("e_cold")->text(), u("2"));
    QCOMPARE(d.box("e_hot")->text(), u("8"));

    click(d.dialog, "b_ok");
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QVERIFY(d.dialog.values(d.prompts) == (std::array<int, 3>{30, 2, 8}));
    QVERIFY(d.prompts.informed.isEmpty());
}

void TestFormulaDialogs::coldHotValues_data() {
    QTest::addColumn<QStringList>("texts");  // window, cold, hot
    QTest::addColumn<QString>("message");    // empty: converted
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("plain") << QStringList{u("16"), u("0"), u("2")} << QString() << QList<int>{16, 0, 2};
    QTest::newRow("surrounding blanks") << QStringList{u(" 50 "), u("3"), u("9 ")} << QString() << QList<int>{50, 3, 9};
    QTest::newRow("negative") << QStringList{u("30"), u("-1"), u("8")} << QString() << QList<int>{30, -1, 8};
    QTest::newRow("window not a number") << QStringList{u("abc"), u("2"), u("8")} << u("“abc”不是有效的整数")
                                         << QList<int>{};
    QTest::newRow("cold empty") << QStringList{u("30"), QString(), u("8")} << u("“”不是有效的整数") << QList<int>{};
    QTest::newRow("first bad text only") << QStringList{u("30"), u("2.5"), u("x")} << u("“2.5”不是有效的整数")
                                         << QList<int>{};
    QTest::newRow("hot with a letter") << QStringList{u("30"), u("2"), u("8x")} << u("“8x”不是有效的整数")
                                       << QList<int>{};
}

void TestFormulaDialogs::coldHotValues() {
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    QFETCH(QList<int>, values);

    ColdHotDialog d;
    d.dialog.show();
    const char* boxes[] = {"e_qsfield", "e_cold", "e_hot"};
    for (int i = 0; i < 3; ++i) type(d.box(boxes[i]), texts[i]);
    const std::optional<std::array<int, 3>> got = d.dialog.values(d.prompts);
    if (message.isEmpty()) {
        QVERIFY(got.has_value());
        QCOMPARE((QList<int>{(*got)[0], (*got)[1], (*got)[2]}), values);
        QVERIFY(d.prompts.informed.isEmpty());
    } else {
        QVERIFY(!got.has_value());
        QCOMPARE(d.prompts.informed, QStringList{message});
    }
}

void TestFormulaDialogs::coldHotOkKeepsABadTextOpen() {
    ColdHotDialog d;
    d.dialog.fill(30, 2, 8);
    d.dialog.show();
    d.box("e_hot")->clear();
    type(d.box("e_hot"), u("九"));
    click(d.dialog, "b_ok");
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(d.prompts.informed, QStringList{u("“九”不是有效的整数")});

    // Enter in a box is the same as "确定".
    QTest::keyClick(d.box("e_cold"), Qt::Key_Return);
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(d.prompts.informed.size(), 2);

    d.box("e_hot")->clear();
    type(d.box("e_hot"), u("9"));
    click(d.dialog, "b_ok");
    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QVERIFY(d.dialog.values(d.prompts) == (std::array<int, 3>{30, 2, 9}));

    // Cancel closes whatever the texts are, without a message.
    d.dialog.show();
    d.box("e_qsfield")->setText(u("x"));
    click(d.dialog, "b_cancel");
    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(d.prompts.informed.size(), 2);
}

QTEST_MAIN(TestFormulaDialogs)
#include "test_formuladialogs.moc"
