// The lottery type dialog: what it shows, the confirm rules and how it closes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/gbk.h"
#include "core/workspace.h"
#include "ui/update/f_cpstyle.h"
#include "support/uifixture.h"

using namespace lottodesk;

namespace {

struct Dialog {
    explicit Dialog(bool seed = false) : folder(seed), ws(folder.path()), dialog(ws, prompts) {
        initialiseWorkspace(ws, folder.settings);
        dialog.show();
    }
    template <typename T>
    T* child(const char* name) {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }
    std::string typeFile() { return test::readFile(folder.file("database/cps.typ")); }
    tcpstyle storedType(int index) {
        return decodeTypeRecord(std::string_view(typeFile()).substr(size_t(index) * 162, 162));
    }
    // Picks an entry of a drop-down list as the user does from the keyboard: typing its first letter.
    void choose(const char* comboName, const QString& text) {
        QComboBox* combo = child<QComboBox>(comboName);
        QVERIFY2(combo->findText(text) >= 0, qPrintable(text));
        QTest::qWait(QApplication::keyboardInputInterval() + 10);  // a new search, not the last one continued
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.left(1));
        QApplication::sendEvent(combo, &press);
        QCOMPARE(combo->currentText(),
                 combo->objectName() == QStringLiteral("combo_preset") ? combo->itemText(0) : text);
    }

    test::ProgramFolder folder;
    Workspace ws;
    test::FakePrompts prompts;
    Tf_cpstyle dialog;
};

}  // namespace

class TestTypeDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheTypesAndTheCurrentEntry();
    void radioSelectsAndFills();
    void confirmStoresTheEntryAndRewritesTheFile();
    void clearingTheSecondaryZoneStoresNoSecondaryNumbers();
    void textThatIsNotAnIntegerChangesNothing();
    void longNamesAreCut();
    void impossibleGamesAreRefusedBeforeAnythingChanges();
    void theCountsCanBeChanged();
    void presetsFillTheFields();
    void closingByAnyMeansConfirmsTheSelection();
};

void TestTypeDialog::showsTheTypesAndTheCurrentEntry() {
    Dialog d(true);
    QCOMPARE(d.dialog.windowTitle(), QStringLiteral("彩种"));
    for (int i = 0; i < 21; ++i) QCOMPARE(d.dialog.radio(i)->isVisible(), i < 7);
    QCOMPARE(d.dialog.radio(0)->text(), QStringLiteral("双色球"));
    QCOMPARE(d.dialog.radio(20)->text(), QStringLiteral("自定义彩种20"));
    QVERIFY(d.dialog.radio(0)->isChecked());
    QCOMPARE(d.child<QLineEdit>("e_cpmm")->text(), QStringLiteral("双色球"));
    QCOMPARE(d.child<QComboBox>("combo_zh_to")->currentText(), QStringLiteral("33"));
    QCOMPARE(d.child<QComboBox>("combo_zh_to")->count(), 50);
    QCOMPARE(d.child<QComboBox>("combo_spec_to")->currentText(), QStringLiteral("16"));
    QVERIFY(d.child<QCheckBox>("cb_hasspec")->isChecked());
    QCOMPARE(d.child<QCheckBox>("cb_hasspec")->text(), QStringLiteral("是否有特别号码"));
    for (const char* hidden : {"combo_ltorsz", "cb_run"}) QVERIFY2(!d.child<QWidget>(hidden)->isVisible(), hidden);
    QVERIFY(!d.child<QCheckBox>("cb_run")->isEnabled());
    QCOMPARE(d.child<QLabel>("l_zhgs")->text(), QStringLiteral("开奖主号个数："));
    QComboBox* zhgs = d.child<QComboBox>("combo_zhgs");
    QComboBox* fhgs = d.child<QComboBox>("combo_fhgs");
    QVERIFY(zhgs->isVisible() && zhgs->isEnabled());
    QVERIFY(fhgs->isVisible() && fhgs->isEnabled());
    QCOMPARE(zhgs->currentText(), QStringLiteral("6"));
    QCOMPARE(zhgs->count(), 7);
    QCOMPARE(zhgs->itemText(6), QStringLiteral("7"));
    QCOMPARE(fhgs->count(), 3);
    QCOMPARE(fhgs->itemText(2), QStringLiteral("2"));
    QComboBox* presets = d.child<QComboBox>("combo_preset");
    QVERIFY(presets->isVisible());
    QCOMPARE(presets->count(), 5);
    QCOMPARE(presets->itemText(4), QStringLiteral("Lotto 6/49"));
    QCOMPARE(d.child<QPushButton>("Button1")->text(), QStringLiteral("确定修改"));
    QCOMPARE(d.child<QPushButton>("b_ok")->text(), QStringLiteral("确定"));
}

void TestTypeDialog::radioSelectsAndFills() {
    Dialog d(true);
    QTest::mouseClick(d.dialog.radio(1), Qt::LeftButton);
    QCOMPARE(d.ws.curcp, 1);
    QCOMPARE(d.child<QLineEdit>("e_cpmm")->text(), QStringLiteral("超级大乐透"));
    QCOMPARE(d.child<QComboBox>("combo_zh_to")->currentText(), QStringLiteral("35"));
    QCOMPARE(d.child<QComboBox>("combo_fhgs")->currentText(), QStringLiteral("2"));
    QCOMPARE(d.child<QComboBox>("combo_spec_to")->currentText(), QStringLiteral("12"));
    QCOMPARE(d.child<QComboBox>("combo_zhgs")->currentText(), QStringLiteral("5"));
}

void TestTypeDialog::confirmStoresTheEntryAndRewritesTheFile() {
    Dialog d;
    QTest::mouseClick(d.dialog.radio(3), Qt::LeftButton);
    d.child<QLineEdit>("e_cpmm")->setText(QStringLiteral("七乐彩"));
    d.child<QComboBox>("combo_zh_to")->setCurrentText(QStringLiteral("30"));
    d.child<QComboBox>("combo_spec_to")->setCurrentText(QStringLiteral("30"));
    QTest::mouseClick(d.child<QPushButton>("Button1"), Qt::LeftButton);
    QVERIFY(d.prompts.informed.isEmpty());
    QCOMPARE(d.dialog.radio(3)->text(), QStringLiteral("七乐彩"));

    const std::string bytes = d.typeFile();
    QCOMPARE(bytes.size(), size_t(3402));
    const std::string_view record = std::string_view(bytes).substr(3 * 162, 162);
    const tcpstyle stored = decodeTypeRecord(record);
    QCOMPARE(stored.cpmm, std::string("七乐彩"));
    QCOMPARE(int(stored.zh_to), 30);
    QCOMPARE(int(stored.spec_to), 30);
    QCOMPARE(int(stored.zhgs), 6);
    QCOMPARE(int(stored.ltorsz), 1);
}

void TestTypeDialog::clearingTheSecondaryZoneStoresNoSecondaryNumbers() {
    Dialog d;
    QTest::mouseClick(d.dialog.radio(2), Qt::LeftButton);
    QCheckBox* hasspec = d.child<QCheckBox>("cb_hasspec");
    QTest::mouseClick(hasspec, Qt::LeftButton, {}, QPoint(6, hasspec->height() / 2));
    QVERIFY(!hasspec->isChecked());
    QVERIFY(!d.child<QComboBox>("combo_spec_from")->isEnabled());
    QVERIFY(!d.child<QComboBox>("combo_spec_to")->isEnabled());
    QVERIFY(d.dialog.confirmChanges());
    const tcpstyle stored = decodeTypeRecord(std::string_view(d.typeFile()).substr(2 * 162, 162));
    QCOMPARE(int(stored.hasspec), 0);
    QCOMPARE(int(stored.fhgs), 0);
}

void TestTypeDialog::textThatIsNotAnIntegerChangesNothing() {
    Dialog d;
    const std::string before = d.typeFile();
    const tcpstyle entryBefore = d.ws.current();
    d.child<QLineEdit>("e_cpmm")->setText(QStringLiteral("改名"));
    d.child<QComboBox>("combo_zh_from")->setCurrentText(QStringLiteral("3"));
    d.child<QComboBox>("combo_zh_to")->setCurrentText(QStringLiteral("abc"));
    QVERIFY(!d.dialog.confirmChanges());
    QCOMPARE(d.prompts.warned, QStringList{QStringLiteral("主号范围的结束号码：“abc”不是有效的整数")});
    QVERIFY(d.typeFile() == before);
    QVERIFY(d.ws.current() == entryBefore);
    QCOMPARE(d.dialog.radio(0)->text(), QStringLiteral("自定义彩种0"));
}

void TestTypeDialog::longNamesAreCut() {
    Dialog d;
    d.child<QLineEdit>("e_cpmm")->setText(
        QStringLiteral("一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十"));
    QVERIFY(d.dialog.confirmChanges());
    const std::string bytes = d.typeFile();
    QCOMPARE(int(static_cast<unsigned char>(bytes[1])), 50);
    QCOMPARE(d.dialog.radio(0)->text(), QStringLiteral("一二三四五六七八九十一二三四五六七八九十一二三四五"));
}

void TestTypeDialog::closingByAnyMeansConfirmsTheSelection() {
    Dialog d(true);
    QTest::mouseClick(d.dialog.radio(1), Qt::LeftButton);
    QTest::keyClick(&d.dialog, Qt::Key_Escape);
    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.ws.curcp, 1);

    d.dialog.show();
    QVERIFY(d.dialog.radio(1)->isChecked());
    QTest::mouseClick(d.dialog.radio(0), Qt::LeftButton);
    d.dialog.close();
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.ws.curcp, 0);
}

void TestTypeDialog::impossibleGamesAreRefusedBeforeAnythingChanges() {
    struct Case {
        const char* field;
        const char* value;
        const char* message;
    } cases[] = {
        {"combo_zh_from", "40", "主号范围的起始号码必须小于结束号码"},  // 40..33
        {"combo_zh_to", "50", "主号范围必须在0到49之间"},
        {"combo_zh_to", "5", "主号范围只有5个号码，少于开奖主号个数6个"},
        {"combo_spec_from", "16", "特别号码范围的起始号码必须小于结束号码"},
        {"combo_fhgs", "0", "有特别号码时，特别号码个数必须在1到2之间"},
    };
    for (const Case& c : cases) {
        Dialog d;
        const std::string before = d.typeFile();
        const tcpstyle entryBefore = d.ws.current();
        d.child<QLineEdit>("e_cpmm")->setText(QStringLiteral("改名"));
        d.child<QComboBox>(c.field)->setCurrentText(QString::fromUtf8(c.value));
        QTest::mouseClick(d.child<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(d.prompts.warned, QStringList{QString::fromUtf8(c.message)});
        QVERIFY2(d.typeFile() == before, c.message);
        QVERIFY(d.ws.current() == entryBefore);
        QCOMPARE(d.dialog.radio(0)->text(), QStringLiteral("自定义彩种0"));
    }

    // An entry holding a count the dialog does not offer shows it, and is refused until changed.
    Dialog d;
    d.ws.types.cpstyles[4].fhgs = 5;
    QTest::mouseClick(d.dialog.radio(4), Qt::LeftButton);
    QCOMPARE(d.child<QComboBox>("combo_fhgs")->currentText(), QStringLiteral("5"));
    QVERIFY(!d.dialog.confirmChanges());
    QCOMPARE(d.prompts.warned, QStringList{QStringLiteral("有特别号码时，特别号码个数必须在1到2之间")});
    d.choose("combo_fhgs", QStringLiteral("2"));
    QVERIFY(d.dialog.confirmChanges());
    QCOMPARE(int(d.storedType(4).fhgs), 2);
}

void TestTypeDialog::theCountsCanBeChanged() {
    Dialog d;
    QTest::mouseClick(d.dialog.radio(2), Qt::LeftButton);
    d.choose("combo_zhgs", QStringLiteral("7"));
    d.choose("combo_fhgs", QStringLiteral("2"));
    QVERIFY(d.dialog.confirmChanges());
    QVERIFY(d.prompts.informed.isEmpty());
    const tcpstyle stored = d.storedType(2);
    QCOMPARE(int(stored.zhgs), 7);
    QCOMPARE(int(stored.fhgs), 2);
    QCOMPARE(int(d.ws.types.cpstyles[2].zhgs), 7);
}

void TestTypeDialog::presetsFillTheFields() {
    Dialog d;
    const std::string before = d.typeFile();
    QTest::mouseClick(d.dialog.radio(5), Qt::LeftButton);
    d.choose("combo_preset", QStringLiteral("七乐彩"));
    QCOMPARE(d.child<QComboBox>("combo_preset")->currentIndex(), 0);  // ready for the next choice
    QCOMPARE(d.child<QLineEdit>("e_cpmm")->text(), QStringLiteral("七乐彩"));
    QCOMPARE(d.child<QComboBox>("combo_zhgs")->currentText(), QStringLiteral("7"));
    QVERIFY(d.typeFile() == before);
    QCOMPARE(d.ws.types.cpstyles[5].cpmm, std::string("自定义彩种5"));  // nothing stored yet
    QTest::mouseClick(d.child<QPushButton>("Button1"), Qt::LeftButton);
    QVERIFY(d.prompts.informed.isEmpty());
    QCOMPARE(d.dialog.radio(5)->text(), QStringLiteral("七乐彩"));
    tcpstyle stored = d.storedType(5);
    QCOMPARE(stored.cpmm, std::string("七乐彩"));
    QCOMPARE(std::vector<int>({stored.zhgs, stored.zh_from, stored.zh_to, stored.hasspec, stored.fhgs, stored.spec_from,
                               stored.spec_to}),
             std::vector<int>({7, 1, 30, 1, 1, 1, 30}));

    d.choose("combo_preset", QStringLiteral("Lotto 6/49"));
    QVERIFY(!d.child<QCheckBox>("cb_hasspec")->isChecked());
    QVERIFY(!d.child<QComboBox>("combo_fhgs")->isEnabled());
    QVERIFY(d.dialog.confirmChanges());
    stored = d.storedType(5);
    QCOMPARE(stored.cpmm, std::string("Lotto 6/49"));
    QCOMPARE(std::vector<int>({stored.zhgs, stored.zh_from, stored.zh_to, stored.hasspec, stored.fhgs}),
             std::vector<int>({6, 1, 49, 0, 0}));

    for (const char* game : {"双色球", "超级大乐透"}) {
        d.choose("combo_preset", QString::fromUtf8(game));
        QVERIFY(d.dialog.confirmChanges());
        QCOMPARE(d.storedType(5).cpmm, std::string(game));
    }
    QCOMPARE(int(d.storedType(5).fhgs), 2);
    QCOMPARE(int(d.storedType(5).spec_to), 12);
    QVERIFY(d.prompts.informed.isEmpty());
}

QTEST_MAIN(TestTypeDialog)
#include "test_f_cpstyle.moc"
