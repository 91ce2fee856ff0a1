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
    for (const char* hidden : {"combo_zhgs", "combo_fhgs", "combo_ltorsz", "cb_run"})
        QVERIFY2(!d.child<QWidget>(hidden)->isVisible(), hidden);
    QVERIFY(!d.child<QCheckBox>("cb_run")->isEnabled());
    QCOMPARE(d.child<QLabel>("l_zhgs")->text(), QStringLiteral("开奖主号个数：6个"));
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
    QCOMPARE(d.child<QLabel>("l_zhgs")->text(), QStringLiteral("开奖主号个数：5个"));
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
    QCOMPARE(d.prompts.informed, QStringList{QStringLiteral("“abc”不是有效的整数")});
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

QTEST_MAIN(TestTypeDialog)
#include "test_f_cpstyle.moc"
