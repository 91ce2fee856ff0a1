// The program's text window: GBK reports decoded, the help page from the resources, the notepad
// saved as the program writes text files, and "用其他程序打开".
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "core/gbk.h"
#include "ui/common/textviewer.h"
#include "support/uifixture.h"

using namespace lottodesk;

namespace {

struct Viewer {
    test::TempFolder folder;
    test::FakePrompts prompts;
    test::FakeShell shell;
    TextViewer viewer{shell, prompts};
    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }
    QPushButton* button(const char* name) { return viewer.findChild<QPushButton*>(QString::fromLatin1(name)); }
};

}  // namespace

class TestTextViewer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsAGbkReportDecoded();
    void aReportThatCannotBeReadIsAnError();
    void showsTheHelpPageFromTheResources();
    void notepadSavesWhatWasTyped();
    void notepadThatCannotBeSavedStaysOpen();
    void notepadSavedByAnotherCopyKeepsBothTexts();
};

void TestTextViewer::showsAGbkReportDecoded() {
    Viewer v;
    test::writeFile(v.folder.file("showcond.txt"),
                    utf8ToGbk("可选红号：1，2，3，\r\n指标过滤设置：\r\n和值：70，71，\r\n"));
    QVERIFY(v.viewer.showTextFile(QStringLiteral("过滤条件报告"), v.path("showcond.txt")));
    QVERIFY(v.viewer.isVisible());
    QCOMPARE(v.viewer.windowTitle(), QStringLiteral("过滤条件报告"));
    QCOMPARE(v.viewer.browser()->toPlainText(),
             QStringLiteral("可选红号：1，2，3，\n指标过滤设置：\n和值：70，71，\n"));
    QVERIFY(v.viewer.browser()->isReadOnly());
    QVERIFY(!v.button("b_save")->isVisible());

    QCOMPARE(v.button("b_open")->text(), QStringLiteral("用其他程序打开"));
    QTest::mouseClick(v.button("b_open"), Qt::LeftButton);
    QCOMPARE(v.shell.opened, QStringList{QStringLiteral("document:") + v.path("showcond.txt")});
    QCOMPARE(
        test::readFile(v.folder.file("showcond.txt")),
        utf8ToGbk("可选红号：1，2，3，\r\n指标过滤设置：\r\n和值：70，71，\r\n"));  // a report is never written back

    // A new report replaces the text of the window.
    test::writeFile(v.folder.file("showcond.txt"), utf8ToGbk("正确 和值：70\r\n"));
    QVERIFY(v.viewer.showTextFile(QStringLiteral("过滤条件报告"), v.path("showcond.txt")));
    QCOMPARE(v.viewer.browser()->toPlainText(), QStringLiteral("正确 和值：70\n"));
}

void TestTextViewer::aReportThatCannotBeReadIsAnError() {
    Viewer v;
    QVERIFY(!v.viewer.showTextFile(QStringLiteral("过滤条件报告"), v.path("none.txt")));
    QVERIFY(!v.viewer.isVisible());
    QCOMPARE(v.prompts.errors, QStringList{QStringLiteral("找不到文件：") + v.path("none.txt")});
}

void TestTextViewer::showsTheHelpPageFromTheResources() {
    Viewer v;
    v.viewer.showPage(QStringLiteral("帮助主题"), QUrl(QStringLiteral("qrc:/lottodesk/help.htm")), {});
    QCOMPARE(v.viewer.browser()->documentTitle(), QStringLiteral("lottodesk 使用说明"));
    QVERIFY(v.viewer.browser()->toPlainText().contains(QStringLiteral("lottodesk")));
    QVERIFY(!v.button("b_open")->isVisible());  // no file to hand over

    // Links to the web go to the desktop's browser, the page stays.
    Q_EMIT v.viewer.browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    QCOMPARE(v.shell.opened, QStringList{QStringLiteral("document:https://example.org/")});
    QCOMPARE(v.viewer.browser()->documentTitle(), QStringLiteral("lottodesk 使用说明"));
}

void TestTextViewer::notepadSavesWhatWasTyped() {
    Viewer v;
    const QString notes = v.path("notepad.txt");
    QVERIFY(v.viewer.editTextFile(QStringLiteral("记事本"), notes));  // a missing file starts empty
    QVERIFY(v.viewer.browser()->toPlainText().isEmpty());
    QVERIFY(!v.viewer.browser()->isReadOnly());
    QVERIFY(v.button("b_save")->isVisible());
    QTest::keyClicks(v.viewer.browser(), QStringLiteral("line 1"));
    QTest::keyClick(v.viewer.browser(), Qt::Key_Return);
    v.viewer.browser()->insertPlainText(QStringLiteral("红号 07"));
    QTest::mouseClick(v.button("b_save"), Qt::LeftButton);
    QCOMPARE(test::readFile(v.folder.file("notepad.txt")), utf8ToGbk("line 1\r\n红号 07"));

    // Handing the file to another program saves it first; closing saves too.
    v.viewer.browser()->insertPlainText(QStringLiteral("!"));
    QTest::mouseClick(v.button("b_open"), Qt::LeftButton);
    QCOMPARE(v.shell.opened, QStringList{QStringLiteral("document:") + notes});
    QCOMPARE(test::readFile(v.folder.file("notepad.txt")), utf8ToGbk("line 1\r\n红号 07!"));
    v.viewer.browser()->insertPlainText(QStringLiteral("?"));
    QTest::keyClick(&v.viewer, Qt::Key_Escape);
    QVERIFY(!v.viewer.isVisible());
    QCOMPARE(test::readFile(v.folder.file("notepad.txt")), utf8ToGbk("line 1\r\n红号 07!?"));

    QVERIFY(v.viewer.editTextFile(QStringLiteral("记事本"), notes));
    QCOMPARE(v.viewer.browser()->toPlainText(), QStringLiteral("line 1\n红号 07!?"));
    QVERIFY(v.prompts.informed.isEmpty());
}

void TestTextViewer::notepadThatCannotBeSavedStaysOpen() {
    Viewer v;
    const QString notes = v.path("no-such-folder/notepad.txt");
    QVERIFY(v.viewer.editTextFile(QStringLiteral("记事本"), notes));
    v.viewer.browser()->insertPlainText(QStringLiteral("别丢"));
    v.viewer.close();
    QVERIFY(v.viewer.isVisible());
    QCOMPARE(v.prompts.errors.size(), 1);
    QCOMPARE(v.viewer.browser()->toPlainText(), QStringLiteral("别丢"));
    v.viewer.browser()->document()->setModified(false);  // the user gives up the text
}

// A second copy of the program saved the notepad while this window had it open: its text stays
// in the file, this window's goes to a copy beside it, and the window shows the file as it is.
void TestTextViewer::notepadSavedByAnotherCopyKeepsBothTexts() {
    Viewer v;
    const QString notes = v.path("notepad.txt");
    test::writeFile(v.folder.file("notepad.txt"), utf8ToGbk("旧的\r\n"));
    QVERIFY(v.viewer.editTextFile(QStringLiteral("记事本"), notes));
    v.viewer.browser()->insertPlainText(QStringLiteral("本窗口写的"));
    test::writeFile(v.folder.file("notepad.txt"), utf8ToGbk("另一个程序写的\r\n"));
    QTest::mouseClick(v.button("b_save"), Qt::LeftButton);

    QCOMPARE(test::readFile(v.folder.file("notepad.txt")), utf8ToGbk("另一个程序写的\r\n"));
    const std::string copy = v.folder.file("notepad（本窗口的修改）.txt");
    QCOMPARE(test::readFile(copy), utf8ToGbk("本窗口写的旧的\r\n"));
    QCOMPARE(v.viewer.browser()->toPlainText(), QStringLiteral("另一个程序写的\n"));
    QCOMPARE(v.prompts.warned.size(), 1);
    QVERIFY(v.prompts.warned[0].contains(QString::fromStdString(copy)));
    QVERIFY(!v.viewer.browser()->document()->isModified());

    // A second conflict gets a numbered copy; the first is never overwritten.
    v.viewer.browser()->insertPlainText(QStringLiteral("又一次"));
    test::writeFile(v.folder.file("notepad.txt"), utf8ToGbk("第三个\r\n"));
    QTest::mouseClick(v.button("b_save"), Qt::LeftButton);
    QCOMPARE(test::readFile(copy), utf8ToGbk("本窗口写的旧的\r\n"));
    QVERIFY(!test::readFile(v.folder.file("notepad（本窗口的修改）2.txt")).empty());
}

QTEST_MAIN(TestTextViewer)
#include "test_textviewer.moc"
