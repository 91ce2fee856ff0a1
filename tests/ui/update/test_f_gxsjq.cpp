// The update window: the history grid, typed entry, the number board, modify, delete, clear,
// import, export and the online button. Every test reads back the history file on disk.
#include <QAbstractItemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QClipboard>
#include <QDir>
#include <QtTest>
#include <cstring>
#include <functional>

#include "ui/update/addsj_boardcell.h"
#include "core/drawupdate.h"
#include "core/prizetables.h"
#include "core/workspace.h"
#include "ui/update/f_addsj.h"
#include "ui/common/maskedfield.h"
#include "ui/update/f_gxsjq.h"
#include "ui/update/f_xgzh.h"
#include "ui/update/gxsjq_historymodel.h"
#include "support/uifixture.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

QStringList texts(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) list << u(item);
    return list;
}

const int kSeededDraws = 3493;

// The update window on a program folder (by default seeded with the real histories), shown.
// Modal dialogs it opens are shown without a nested event loop and handed to `workDialog`.
struct UpdateWindow {
    explicit UpdateWindow(bool seed = true)
        : folder(seed), ws(folder.path()), window(ws, prompts, files, [this](QWidget* parent) {
              onlineParents << parent;
              if (online) online();
          }) {
        initialiseWorkspace(ws, folder.settings);
        window.setDialogRunner([this](QDialog& dialog) {
            dialog.setResult(0);
            dialog.show();
            ++dialogsRun;
            if (workDialog) workDialog(dialog);
            if (dialog.isVisible()) dialog.reject();
            return dialog.result();
        });
        window.show();
    }

    // Switches to lottery type `type` the way the type dialog does, before the window is shown again.
    void switchTo(int type) {
        window.hide();
        const int previous = ws.curcp;
        ws.curcp = type;
        QVERIFY(switchLotteryType(ws, previous).ok);
        window.show();
    }

    // A control of the window itself (its dialogs have boxes of the same names).
    template <typename T>
    T* child(const char* name) const {
        for (T* found : window.findChildren<T*>(QString::fromLatin1(name)))
            if (found->window() == &window) return found;
        qFatal("no child %s", name);
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    QAbstractItemModel* grid() const { return window.grid()->model(); }
    int rows() const { return grid()->rowCount(); }
    QString cell(int row, int column) const { return grid()->index(row, column).data().toString(); }
    QStringList row(int r) const {
        QStringList list;
        for (int c = 0; c < grid()->columnCount(); ++c) list << cell(r, c);
        return list;
    }
    QStringList header() const {
        QStringList list;
        for (int c = 0; c < grid()->columnCount(); ++c) list << grid()->headerData(c, Qt::Horizontal).toString();
        return list;
    }
    // Clicks a cell of the grid, as the user selects a draw.
    void selectRow(int r) {
        QTableView* view = window.grid();
        const QModelIndex index = view->model()->index(r, 1);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QCOMPARE(view->currentIndex().row(), r);
    }

    std::string historyFile() const { return test::readFile(ws.historyPath(ws.curcp)); }
    std::vector<DrawRecord> recordsOnDisk() const {
        const std::string bytes = historyFile();
        std::vector<DrawRecord> records(bytes.size() / kDrawRecordSize);
        for (size_t i = 0; i < records.size(); ++i)
            std::memcpy(records[i].data(), bytes.data() + i * kDrawRecordSize, kDrawRecordSize);
        return records;
    }

    test::ProgramFolder folder;
    Workspace ws;
    test::FakePrompts prompts;
    test::FakeFileChooser files;
    QList<QWidget*> onlineParents;
    std::function<void()> online;
    std::function<void(QDialog&)> workDialog;
    int dialogsRun = 0;
    Tf_gxsjq window;
};

// Types into a (masked) entry box from its start, as the user does.
void typeInto(QLineEdit* box, const QString& text) {
    box->clear();
    box->setFocus();
    box->home(false);
    QTest::keyClicks(box, text);
}

bool holdsDigits(const QLineEdit* box) {
    for (QChar c : box->text())
        if (c.isDigit()) return true;
    return false;
}

QStringList numbersOf(const DrawRecord& record, int count) {
    QStringList list;
    for (int i = 0; i <= count; ++i) list << QString::number(record[i]);
    return list;
}

// Grid texts as the integers they stand for ("07" -> "7").
QStringList asNumbers(const QStringList& shown) {
    QStringList list;
    for (const QString& text : shown) list << QString::number(text.toInt());
    return list;
}

QStringList ints(std::initializer_list<int> values) {
    QStringList list;
    for (int v : values) list << QString::number(v);
    return list;
}

QString seededSample() { return QString::fromStdString(test::readFile(test::samplePath("ssq.txt"))); }

}  // namespace

class TestUpdateWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheSeededHistory();
    void headerAndMasksFollowTheGame_data();
    void headerAndMasksFollowTheGame();
    void typedEntry_data();
    void typedEntry();
    void typedEntryWithTwoSecondaryNumbers();
    void boardIsOfferedByAVisibleButton();
    void boardChoosesNumbers_data();
    void boardChoosesNumbers();
    void boardCellsLightUpUnderTheMouse();
    void boardAdds_data();
    void boardAdds();
    void modifyEditsTheSelectedDraw_data();
    void modifyEditsTheSelectedDraw();
    void modifyThatIsRefusedChangesNothing_data();
    void modifyThatIsRefusedChangesNothing();
    void deleteAsks_data();
    void deleteAsks();
    void clearAsks_data();
    void clearAsks();
    void import_data();
    void import();
    void malformedImportChangesNothing_data();
    void malformedImportChangesNothing();
    void importThatIsCancelledOrUnreadable();
    void exportWritesTheHistory_data();
    void exportWritesTheHistory();
    void exportOfAnEmptyHistoryWritesAnEmptyFile();
    void theSelectedDrawsPrizeTableIsShown();
    void onlineButtonRunsTheUpdateAndRefills();
    void pastedDrawLineSplitsIntoTheBoxes_data();
    void pastedDrawLineSplitsIntoTheBoxes();
    void maskedBoxesKeepWhatIsTyped();
};

void TestUpdateWindow::showsTheSeededHistory() {
    UpdateWindow w;
    QCOMPARE(w.window.windowTitle(), u("更新数据库（本数据仅供参考，请以福彩、体彩官方网站的开奖数据为准）"));
    QCOMPARE(w.rows(), kSeededDraws);
    QCOMPARE(w.header(), texts({"期数", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6", "蓝号"}));
    QCOMPARE(w.row(0), texts({"2003001", "10", "11", "12", "13", "26", "28", "11"}));
    QCOMPARE(w.row(kSeededDraws - 1), texts({"2026096", "01", "04", "16", "22", "26", "31", "04"}));
    QCOMPARE(w.grid()->index(0, 1).data(HistoryModel::ValueRole).toInt(), 10);

    // Column 1 of the last row is selected and the grid has the focus.
    QTableView* grid = w.window.grid();
    QCOMPARE(grid->currentIndex(), w.grid()->index(kSeededDraws - 1, 1));
    QCOMPARE(w.window.focusWidget(), grid);
    const int width = grid->fontMetrics().horizontalAdvance(u(" 红号一 "));
    for (int c = 1; c < 8; ++c) QCOMPARE(grid->horizontalHeader()->sectionSize(c), width);  // the number columns
    QVERIFY(grid->horizontalHeader()->sectionSize(0) >= grid->fontMetrics().horizontalAdvance(u(" 2026096 ")));

    const std::pair<const char*, const char*> captions[] = {
        {"Button2", "添加"},         {"b_picadd", "图形化添加"}, {"b_modify", "修改"},
        {"b_delete", "删除"},        {"Button4", "清空"},        {"b_adddr", "追加导入"},
        {"b_overlapdr", "覆盖导入"}, {"b_dc", "导出"},           {"Button1", "在线更新"}};
    for (const auto& [name, caption] : captions) QCOMPARE(w.child<QPushButton>(name)->text(), u(caption));
    QCOMPARE(w.child<QGroupBox>("gb_add")->title(), u("数据添加"));
    QCOMPARE(w.box("e_qs")->inputMask(), QStringLiteral("9999999;_"));
}

void TestUpdateWindow::headerAndMasksFollowTheGame_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("withoutSecondary");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<QString>("mainMask");
    QTest::addColumn<QString>("secondaryMask");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("双色球") << 0 << false
                            << texts({"期数", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6", "蓝号"})
                            << texts({"2003001", "10", "11", "12", "13", "26", "28", "11"}) << u("99-99-99-99-99-99;_")
                            << u("99;_") << texts({"红号", "蓝号"});
    QTest::newRow("超级大乐透, two secondary numbers")
        << 1 << false << texts({"期数", "主号1", "主号2", "主号3", "主号4", "主号5", "副号1", "副号2"})
        << texts({"2007001", "22", "24", "29", "31", "35", "04", "11"}) << u("99-99-99-99-99;_") << u("99-99;_")
        << texts({"主号", "副号"});
    // A new type's history starts with the placeholder draw 2008001, 1..10.
    QTest::newRow("no secondary zone") << 2 << true
                                       << texts({"期数", "主号1", "主号2", "主号3", "主号4", "主号5", "主号6"})
                                       << texts({"2008001", "01", "02", "03", "04", "05", "06"})
                                       << u("99-99-99-99-99-99;_") << QString() << texts({"主号", "特别号"});
}

void TestUpdateWindow::headerAndMasksFollowTheGame() {
    QFETCH(int, type);
    QFETCH(bool, withoutSecondary);
    UpdateWindow w;
    if (withoutSecondary) w.ws.types.cpstyles[type].hasspec = 0;
    if (type != 0) w.switchTo(type);
    QTEST(w.header(), "header");
    QTEST(w.row(0), "firstRow");
    QTEST(w.box("e_zh")->inputMask(), "mainMask");
    QTEST(w.box("e_spec")->inputMask(), "secondaryMask");
    QTEST(QStringList({w.child<QLabel>("l_zh")->text(), w.child<QLabel>("l_spec")->text()}), "labels");
    QCOMPARE(w.rows(), int(w.recordsOnDisk().size()));
}

void TestUpdateWindow::typedEntry_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("secondary");
    QTest::addColumn<QString>("message");  // empty: stored
    QTest::addColumn<int>("row");          // where the new draw shows
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("boxesCleared");

    const QStringList none;
    QTest::newRow("new draw in period order") << u("2003090") << u("010203040506") << u("07") << QString() << 89
                                              << texts({"2003090", "01", "02", "03", "04", "05", "06", "07"}) << true;
    QTest::newRow("new last draw") << u("2026097") << u("030508132233") << u("16") << QString() << kSeededDraws
                                   << texts({"2026097", "03", "05", "08", "13", "22", "33", "16"}) << true;
    QTest::newRow("prediction record") << u("9999999") << u("010203040506") << u("01") << QString() << kSeededDraws
                                       << texts({"预测区", "01", "02", "03", "04", "05", "06", "01"}) << true;
    QTest::newRow("short period") << u("202609") << u("010203040506") << u("07") << u("期数必须是七位比如2009001") << -1
                                  << none << false;
    QTest::newRow("missing secondary") << u("2026097") << u("010203040506") << QString() << u("请输入蓝号") << -1
                                       << none << false;
    QTest::newRow("existing period") << u("2026096") << u("010203040506") << u("07") << u("数据库中已经存在此期的记录")
                                     << -1 << none << true;
    QTest::newRow("missing main number") << u("2026097") << u("0102030405") << u("07") << u("“”不是有效的整数") << -1
                                         << none << false;
}

void TestUpdateWindow::typedEntry() {
    QFETCH(QString, period);
    QFETCH(QString, main);
    QFETCH(QString, secondary);
    QFETCH(QString, message);
    QFETCH(int, row);
    QFETCH(QStringList, shown);
    QFETCH(bool, boxesCleared);

    UpdateWindow w;
    const std::string before = w.historyFile();
    typeInto(w.box("e_qs"), period);
    typeInto(w.box("e_zh"), main);
    typeInto(w.box("e_spec"), secondary);
    w.click("Button2");

    if (boxesCleared) {
        for (const char* name : {"e_qs", "e_zh", "e_spec"}) QVERIFY2(!holdsDigits(w.box(name)), name);
    } else {
        QCOMPARE(w.box("e_qs")->text(), period);
        QVERIFY(holdsDigits(w.box("e_zh")));
    }
    if (!message.isEmpty()) {
        QCOMPARE(w.prompts.informed, QStringList{message});
        QCOMPARE(w.rows(), kSeededDraws);
        QVERIFY(w.historyFile() == before);
        return;
    }
    QVERIFY(w.prompts.informed.isEmpty());
    QCOMPARE(w.rows(), kSeededDraws + 1);
    QCOMPARE(w.row(row), shown);
    QCOMPARE(w.window.grid()->currentIndex(), w.grid()->index(kSeededDraws, 1));
    const std::vector<DrawRecord> disk = w.recordsOnDisk();
    QCOMPARE(int(disk.size()), kSeededDraws + 1);
    QCOMPARE(disk[row][0], shown[0] == u("预测区") ? kPredictionPeriod : shown[0].toInt());
    for (int slot = 1; slot <= 7; ++slot) QCOMPARE(disk[row][slot], shown[slot].toInt());
}

void TestUpdateWindow::typedEntryWithTwoSecondaryNumbers() {
    UpdateWindow w;
    w.switchTo(1);
    const int count = w.rows();
    const std::string before = w.historyFile();
    // An empty box shows only its mask's "-": the secondary numbers are missing.
    typeInto(w.box("e_qs"), u("2026096"));
    typeInto(w.box("e_zh"), u("0102030405"));
    w.click("Button2");
    QCOMPARE(w.prompts.informed, QStringList{u("请输入副号")});
    QVERIFY(w.historyFile() == before);

    typeInto(w.box("e_spec"), u("0112"));
    w.click("Button2");
    QCOMPARE(w.prompts.informed.size(), 1);
    QCOMPARE(w.rows(), count + 1);
    QCOMPARE(w.row(count), texts({"2026096", "01", "02", "03", "04", "05", "01", "12"}));
    QCOMPARE(numbersOf(w.recordsOnDisk().back(), 7), ints({2026096, 1, 2, 3, 4, 5, 1, 12}));
}

void TestUpdateWindow::boardIsOfferedByAVisibleButton() {
    UpdateWindow w;
    QPushButton* picadd = w.child<QPushButton>("b_picadd");
    QVERIFY(picadd->isVisible() && picadd->isEnabled());

    w.window.board()->e_qs()->setText(u("2026001"));
    w.workDialog = [&](QDialog& dialog) {
        Tf_addsj& board = static_cast<Tf_addsj&>(dialog);
        QCOMPARE(&board, w.window.board());
        QCOMPARE(board.windowTitle(), u("添加开奖数据"));
        QVERIFY(board.e_qs()->text().isEmpty());
        for (int n = 1; n <= Tf_addsj::kNumbers; ++n) {
            QCOMPARE(board.numberCell(n)->text(), QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
            QCOMPARE(board.numberCell(n)->fill(), Tf_addsj::normalColour());
        }
        QCOMPARE(board.chosenTexts(), QStringList(7, QString()));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(board.chosenCells()[i]->fill(), i < 6 ? Tf_addsj::mainColour() : Tf_addsj::secondaryColour());
        QCOMPARE(board.findChild<QPushButton*>(QStringLiteral("b_add"))->text(), u("添加"));
        QCOMPARE(board.findChild<QPushButton*>(QStringLiteral("b_reset"))->text(), u("重置"));
        QPushButton* cancel = board.findChild<QPushButton*>(QStringLiteral("b_cancel"));
        QCOMPARE(cancel->text(), u("取消"));
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!board.isVisible());
    };
    QTest::mouseClick(picadd, Qt::LeftButton);
    QCOMPARE(w.dialogsRun, 1);
    QCOMPARE(w.rows(), kSeededDraws);
}

void TestUpdateWindow::boardChoosesNumbers_data() {
    QTest::addColumn<int>("specTo");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("chosen");

    QTest::newRow("ascending main numbers") << 16 << QList<int>{12, 3, 7} << texts({"03", "07", "12", "", "", "", ""});
    QTest::newRow("34 refused as a main number") << 16 << QList<int>{34, 1} << texts({"01", "", "", "", "", "", ""});
    QTest::newRow("a chosen number again") << 16 << QList<int>{5, 5, 6} << texts({"05", "06", "", "", "", "", ""});
    QTest::newRow("34 refused as secondary up to 16")
        << 16 << QList<int>{1, 2, 3, 4, 5, 6, 34} << texts({"01", "02", "03", "04", "05", "06", ""});
    QTest::newRow("34 accepted as secondary up to 40")
        << 40 << QList<int>{34, 6, 5, 4, 3, 2, 1, 34} << texts({"01", "02", "03", "04", "05", "06", "34"});
    QTest::newRow("a main number again as secondary")
        << 16 << QList<int>{1, 2, 3, 4, 5, 6, 6} << texts({"01", "02", "03", "04", "05", "06", "06"});
    QTest::newRow("clicks ignored when full")
        << 16 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << texts({"01", "02", "03", "04", "05", "06", "07"});
}

void TestUpdateWindow::boardChoosesNumbers() {
    QFETCH(int, specTo);
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, chosen);

    UpdateWindow w;
    w.ws.game.spec_to = specTo;
    QTest::mouseDClick(w.child<QGroupBox>("gb_add"), Qt::LeftButton);
    w.workDialog = [&](QDialog& dialog) {
        Tf_addsj& board = static_cast<Tf_addsj&>(dialog);
        for (int n : clicks) QTest::mouseClick(board.numberCell(n), Qt::LeftButton);
        QCOMPARE(board.chosenTexts(), chosen);
        for (int n = 1; n <= Tf_addsj::kNumbers; ++n) {
            const bool isChosen = chosen.contains(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
            QCOMPARE(board.numberCell(n)->fill(), isChosen ? Tf_addsj::chosenColour() : Tf_addsj::normalColour());
        }
        // "重置" starts again.
        QTest::mouseClick(board.findChild<QPushButton*>(QStringLiteral("b_reset")), Qt::LeftButton);
        QCOMPARE(board.chosenTexts(), QStringList(7, QString()));
        for (int n = 1; n <= Tf_addsj::kNumbers; ++n) QCOMPARE(board.numberCell(n)->fill(), Tf_addsj::normalColour());
        QTest::mouseClick(board.numberCell(clicks.last() <= 33 ? clicks.last() : 1), Qt::LeftButton);
        QVERIFY(!board.chosenTexts().first().isEmpty());
    };
    QTest::mouseClick(w.child<QPushButton>("b_picadd"), Qt::LeftButton);
    QCOMPARE(w.dialogsRun, 1);
}

void TestUpdateWindow::boardCellsLightUpUnderTheMouse() {
    UpdateWindow w;
    QTest::mouseDClick(w.child<QGroupBox>("gb_add"), Qt::LeftButton);
    w.workDialog = [&](QDialog& dialog) {
        Tf_addsj& board = static_cast<Tf_addsj&>(dialog);
        BoardCell* cell = board.numberCell(17);
        const auto painted = [cell] { return cell->grab().toImage().pixelColor(3, 3); };
        QCOMPARE(painted(), Tf_addsj::normalColour());
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QApplication::sendEvent(cell, &enter);
        QVERIFY(cell->lit());
        QCOMPARE(painted(), BoardCell::hoverColour());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(cell, &leave);
        QVERIFY(!cell->lit());
        QTest::mouseClick(cell, Qt::LeftButton);
        QCOMPARE(painted(), Tf_addsj::chosenColour());
        // The chosen cells show values only; they do not light up.
        BoardCell* shown = board.chosenCells().front();
        QApplication::sendEvent(shown, &enter);
        QVERIFY(!shown->lit());
        QCOMPARE(shown->grab().toImage().pixelColor(3, 3), Tf_addsj::mainColour());
    };
    QTest::mouseClick(w.child<QPushButton>("b_picadd"), Qt::LeftButton);
    QCOMPARE(w.dialogsRun, 1);
}

void TestUpdateWindow::boardAdds_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("message");  // empty: stored

    const QList<int> full{33, 1, 17, 9, 25, 2, 16};
    QTest::newRow("stored") << u("2026097") << full << QString();
    QTest::newRow("short period") << u("202609") << full << u("期数必须是七位比如2009001");
    QTest::newRow("too few numbers") << u("2026097") << QList<int>{1, 2, 3, 4, 5, 6}
                                     << u("本彩票中，添加的开奖数据不能少于7个");
    QTest::newRow("existing period") << u("2026096") << full << u("数据库中已经存在此期的记录");
}

void TestUpdateWindow::boardAdds() {
    QFETCH(QString, period);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, message);

    UpdateWindow w;
    const std::string before = w.historyFile();
    QTest::mouseDClick(w.child<QGroupBox>("gb_add"), Qt::LeftButton);
    w.workDialog = [&](QDialog& dialog) {
        Tf_addsj& board = static_cast<Tf_addsj&>(dialog);
        typeInto(board.e_qs(), period);
        for (int n : clicks) QTest::mouseClick(board.numberCell(n), Qt::LeftButton);
        QTest::mouseClick(board.findChild<QPushButton*>(QStringLiteral("b_add")), Qt::LeftButton);
        // The board closes with OK only when the draw was stored.
        QCOMPARE(board.isVisible(), !message.isEmpty());
        QCOMPARE(board.result(), message.isEmpty() ? int(QDialog::Accepted) : 0);
    };
    QTest::mouseClick(w.child<QPushButton>("b_picadd"), Qt::LeftButton);
    QCOMPARE(w.dialogsRun, 1);

    if (!message.isEmpty()) {
        QCOMPARE(w.prompts.informed, QStringList{message});
        QCOMPARE(w.rows(), kSeededDraws);
        QVERIFY(w.historyFile() == before);
        return;
    }
    QVERIFY(w.prompts.informed.isEmpty());
    QCOMPARE(w.rows(), kSeededDraws + 1);
    QCOMPARE(w.row(kSeededDraws), texts({"2026097", "01", "02", "09", "17", "25", "33", "16"}));
    QCOMPARE(numbersOf(w.recordsOnDisk().back(), 7), ints({2026097, 1, 2, 9, 17, 25, 33, 16}));
}

void TestUpdateWindow::modifyEditsTheSelectedDraw_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("filled");  // period, main, secondary as the dialog shows them
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("双色球") << 0 << 1 << texts({"2003002", "04-09-19-20-21-26", "12"})
                            << texts({"2003002", "010203040506", "15"})
                            << texts({"2003002", "01", "02", "03", "04", "05", "06", "15"});
    QTest::newRow("超级大乐透") << 1 << 0 << texts({"2007001", "22-24-29-31-35", "04-11"})
                                << texts({"2007001", "0305070911", "0102"})
                                << texts({"2007001", "03", "05", "07", "09", "11", "01", "02"});
    // The new period is not compared with the others; the history is sorted again when saved.
    QTest::newRow("new period moves the draw")
        << 0 << 0 << texts({"2003001", "10-11-12-13-26-28", "11"}) << texts({"2003090", "101112132628", "11"})
        << texts({"2003090", "10", "11", "12", "13", "26", "28", "11"});
}

void TestUpdateWindow::modifyEditsTheSelectedDraw() {
    QFETCH(int, type);
    QFETCH(int, row);
    QFETCH(QStringList, filled);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);

    UpdateWindow w;
    if (type != 0) w.switchTo(type);
    QCOMPARE(w.window.editDialog()->windowTitle(), u("修改组号"));
    const int count = w.rows();
    w.selectRow(row);
    w.workDialog = [&](QDialog& dialog) {
        Tf_xgzh& edit = static_cast<Tf_xgzh&>(dialog);
        QCOMPARE(&edit, w.window.editDialog());
        QCOMPARE(edit.windowTitle(), u("修改开奖号"));
        QCOMPARE(QStringList({edit.e_qs()->text(), edit.e_zh()->text(), edit.e_spec()->text()}), filled);
        QCOMPARE(edit.l_zh()->text(), u(type == 0 ? "红号" : "主号"));
        QCOMPARE(edit.l_spec()->text(), u(type == 0 ? "蓝号" : "副号"));
        for (QWidget* shownBox : {static_cast<QWidget*>(edit.l_qs()), static_cast<QWidget*>(edit.e_qs()),
                                  static_cast<QWidget*>(edit.l_spec()), static_cast<QWidget*>(edit.e_spec())})
            QVERIFY(shownBox->isVisible());
        QCOMPARE(edit.focusWidget(), edit.e_qs());
        typeInto(edit.e_qs(), typed[0]);
        typeInto(edit.e_zh(), typed[1]);
        typeInto(edit.e_spec(), typed[2]);
        QTest::mouseClick(edit.findChild<QPushButton*>(QStringLiteral("b_ok")), Qt::LeftButton);
    };
    w.click("b_modify");
    QCOMPARE(w.dialogsRun, 1);
    QVERIFY(w.prompts.informed.isEmpty());
    QCOMPARE(w.rows(), count);

    const int at = shown[0] == u("2003090") ? 88 : row;
    QCOMPARE(w.row(at), shown);
    const std::vector<DrawRecord> disk = w.recordsOnDisk();
    QCOMPARE(int(disk.size()), count);
    QCOMPARE(numbersOf(disk[at], 7), asNumbers(shown));
    Tf_xgzh* edit = w.window.editDialog();
    QVERIFY(!holdsDigits(edit->e_qs()) && !holdsDigits(edit->e_zh()) && !holdsDigits(edit->e_spec()));
}

void TestUpdateWindow::modifyThatIsRefusedChangesNothing_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("secondary");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");

    QTest::newRow("cancelled") << u("2003001") << u("09") << false << QString();
    QTest::newRow("short period") << u("20030") << u("09") << true << u("期数必须是七位比如2009001");
    QTest::newRow("missing secondary") << u("2003001") << QString() << true << u("请输入蓝号");
}

void TestUpdateWindow::modifyThatIsRefusedChangesNothing() {
    QFETCH(QString, period);
    QFETCH(QString, secondary);
    QFETCH(bool, ok);
    QFETCH(QString, message);

    UpdateWindow w;
    const std::string before = w.historyFile();
    w.selectRow(0);
    w.workDialog = [&](QDialog& dialog) {
        Tf_xgzh& edit = static_cast<Tf_xgzh&>(dialog);
        typeInto(edit.e_qs(), period);
        typeInto(edit.e_zh(), u("010203040506"));
        typeInto(edit.e_spec(), secondary);
        const char* button = ok ? "b_ok" : "b_cancel";
        QTest::mouseClick(edit.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    };
    w.click("b_modify");
    QCOMPARE(w.prompts.informed, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(w.row(0), texts({"2003001", "10", "11", "12", "13", "26", "28", "11"}));
    QVERIFY(w.historyFile() == before);
}

void TestUpdateWindow::deleteAsks_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestUpdateWindow::deleteAsks() {
    QFETCH(bool, yes);
    UpdateWindow w;
    const std::string before = w.historyFile();
    w.selectRow(0);
    w.prompts.answers = {yes};
    w.click("b_delete");
    QCOMPARE(w.prompts.asked, QStringList{u("删除|是否删除当前记录？")});
    if (!yes) {
        QCOMPARE(w.rows(), kSeededDraws);
        QVERIFY(w.historyFile() == before);
        return;
    }
    QCOMPARE(w.rows(), kSeededDraws - 1);
    QCOMPARE(w.cell(0, 0), u("2003002"));
    const std::vector<DrawRecord> disk = w.recordsOnDisk();
    QCOMPARE(int(disk.size()), kSeededDraws - 1);
    QCOMPARE(disk.front()[0], 2003002);
    QCOMPARE(w.window.grid()->currentIndex(), w.grid()->index(kSeededDraws - 2, 1));
}

void TestUpdateWindow::clearAsks_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestUpdateWindow::clearAsks() {
    QFETCH(bool, yes);
    UpdateWindow w;
    const std::string before = w.historyFile();
    w.prompts.answers = {yes};
    w.click("Button4");
    QCOMPARE(w.prompts.asked, QStringList{u("确认|清空数据库后，数据库里的数据都将被删除，是否继续?")});
    if (!yes) {
        QCOMPARE(w.rows(), kSeededDraws);
        QVERIFY(w.historyFile() == before);
        return;
    }
    QCOMPARE(w.rows(), 0);
    QCOMPARE(w.header().size(), 8);
    QCOMPARE(test::fileSize(w.ws.historyPath(0)), 0);
    QVERIFY(!w.window.grid()->currentIndex().isValid());

    // Without a data row, modify and delete only say what to do.
    w.click("b_modify");
    w.click("b_delete");
    QCOMPARE(w.prompts.informed,
             texts({"请先在上边的列表中选择一期需要修改的号码", "请先在上边的列表中选择一期需要删除的号码"}));
    QCOMPARE(w.dialogsRun, 0);
    QCOMPARE(w.prompts.asked.size(), 1);
}

void TestUpdateWindow::import_data() {
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("withSecondary");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addColumn<QString>("said");

    const QStringList seededLast = texts({"2026096", "01", "04", "16", "22", "26", "31", "04"});
    QTest::newRow("append without secondary")
        << false << u("2026097 01 02 03 04 05 06\r\n2026098 07 08 09 10 11 12\r\n") << false << kSeededDraws + 2
        << texts({"2026098", "07", "08", "09", "10", "11", "12", "01"}) << u("新增2期，跳过0期");
    QTest::newRow("append with secondary, period 0 ends")
        << false << u("2026097 1 2 3 4 5 6 7\n0\n2026098 1 2 3 4 5 6 7\n") << true << kSeededDraws + 1
        << texts({"2026097", "01", "02", "03", "04", "05", "06", "07"}) << u("新增1期，跳过0期");
    QTest::newRow("append of periods all present")
        << false << seededSample() << true << kSeededDraws << seededLast << u("新增0期，跳过%1期").arg(kSeededDraws);
    QTest::newRow("overwrite") << true << u("2026001\t01 02 03 04 05 06 07\r\n") << true << 1
                               << texts({"2026001", "01", "02", "03", "04", "05", "06", "07"}) << u("新增1期，跳过0期");
    // A file without draws would empty the history: refused, the history stays.
    QTest::newRow("overwrite with an empty file")
        << true << QString() << true << kSeededDraws << seededLast << u("文件中没有开奖数据");
}

void TestUpdateWindow::import() {
    QFETCH(bool, overwrite);
    QFETCH(QString, content);
    QFETCH(bool, withSecondary);
    QFETCH(int, rows);
    QFETCH(QStringList, lastRow);
    QFETCH(QString, said);

    UpdateWindow w;
    const std::string before = w.historyFile();
    const std::string file = w.folder.file("import.txt");
    test::writeFile(file, content.toStdString());
    w.files.names = {QString::fromStdString(file)};
    w.prompts.answers = {withSecondary};
    w.click(overwrite ? "b_overlapdr" : "b_adddr");

    QCOMPARE(w.files.titles, QStringList{overwrite ? u(" 覆盖方式导入文件") : u(" 追加方式导入文件")});
    QCOMPARE(w.files.filters, QStringList{u("所要导入的文件 (*.txt)")});
    QCOMPARE(w.prompts.asked, QStringList{u("选择|是否有蓝号?")});
    QCOMPARE(w.prompts.informed, QStringList{said});
    QCOMPARE(w.rows(), rows);
    QCOMPARE(test::fileSize(w.ws.historyPath(0)), rows * 204LL);
    QCOMPARE(w.row(rows - 1), lastRow);
    QCOMPARE(w.window.grid()->currentIndex(), w.grid()->index(rows - 1, 1));
    QCOMPARE(numbersOf(w.recordsOnDisk().back(), 7), asNumbers(lastRow));
    if (rows == kSeededDraws) QVERIFY(w.historyFile() == before);
}

void TestUpdateWindow::malformedImportChangesNothing_data() {
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    QTest::newRow("letters") << false << QByteArray("2026097 01 02 xx 04 05 06 07\n")
                             << u("导入文件第1行有误：含有不是整数的内容，数据库未作任何改动");
    QTest::newRow("letters, overwrite") << true << QByteArray("2026097 01 02 xx 04 05 06 07\n")
                                        << u("导入文件第1行有误：含有不是整数的内容，数据库未作任何改动");
    QTest::newRow("short line") << true << QByteArray("2026097 01 02 03 04 05 06 07\r\n2026098 01 02\r\n")
                                << u("导入文件第2行有误：应有6个红号和1个蓝号，实有2个号码，数据库未作任何改动");
    QTest::newRow("number above a byte") << false
                                         << QByteArray("2026097 01 02 03 04 05 06 07\n\n2026098 1 2 3 4 5 6 300\n")
                                         << u("导入文件第3行有误：蓝号300超出范围01到16，数据库未作任何改动");
    QTest::newRow("binary bytes") << true << QByteArray("\x01\x02\xff\xfe", 4)
                                  << u("导入文件第1行有误：含有不是整数的内容，数据库未作任何改动");
    QTest::newRow("too many values") << false << QByteArray("2026097") + QByteArray(" 1").repeated(60) + "\n"
                                     << u("导入文件第1行有误：号码超过50个，数据库未作任何改动");
}

void TestUpdateWindow::malformedImportChangesNothing() {
    QFETCH(bool, overwrite);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    UpdateWindow w;
    const std::string before = w.historyFile();
    const std::string file = w.folder.file("bad.txt");
    test::writeFile(file, content.toStdString());
    w.files.names = {QString::fromStdString(file)};
    w.prompts.answers = {true};
    w.click(overwrite ? "b_overlapdr" : "b_adddr");
    QCOMPARE(w.prompts.informed, QStringList{message});
    QCOMPARE(w.rows(), kSeededDraws);
    QCOMPARE(w.row(kSeededDraws - 1), texts({"2026096", "01", "04", "16", "22", "26", "31", "04"}));
    QVERIFY(w.historyFile() == before);
}

void TestUpdateWindow::importThatIsCancelledOrUnreadable() {
    UpdateWindow w;
    const std::string before = w.historyFile();
    w.click("b_adddr");  // no name: the user cancelled
    QVERIFY(w.prompts.asked.isEmpty());
    QVERIFY(w.prompts.informed.isEmpty());

    const QString missing = w.folder.qfile("missing.txt");
    w.files.names = {missing};
    w.prompts.answers = {true};
    w.click("b_overlapdr");
    QCOMPARE(w.prompts.informed, QStringList{u("无法读取文件：") + missing});
    QCOMPARE(w.rows(), kSeededDraws);
    QVERIFY(w.historyFile() == before);
}

void TestUpdateWindow::exportWritesTheHistory_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("withSecondary");

    QTest::newRow("with secondary, extension appended") << u("out") << u("out.txt") << true;
    QTest::newRow("without secondary, name containing .txt") << u("a.txt.bak") << u("a.txt.bak") << false;
}

void TestUpdateWindow::exportWritesTheHistory() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(bool, withSecondary);

    UpdateWindow w;
    w.files.names = {w.folder.qfile(chosen.toStdString())};
    w.prompts.answers = {withSecondary};
    w.click("b_dc");
    QCOMPARE(w.files.titles, QStringList{u("导出到文本文件")});
    QCOMPARE(w.files.filters, QStringList{u("文本文件 (*.txt)")});
    QCOMPARE(w.prompts.asked, QStringList{u("选择|是否有蓝号？")});
    // The dialog starts in the data folder's save/; the message names the file written.
    QCOMPARE(w.files.folders, QStringList{QString::fromStdString(w.ws.path("save"))});
    QCOMPARE(w.prompts.informed,
             QStringList{u("已导出到：") + QDir::toNativeSeparators(w.folder.qfile(written.toStdString()))});

    const std::string text = test::readFile(w.folder.file(written.toStdString()));
    if (chosen != written) QCOMPARE(test::fileSize(w.folder.file(chosen.toStdString())), -1LL);
    const std::string sample = test::readFile(test::samplePath("ssq.txt"));
    if (withSecondary) {
        // The sample's lines, each value followed by one blank.
        QString expected = QString::fromStdString(sample);
        expected.replace(u("\r\n"), u(" \r\n"));
        QCOMPARE(QString::fromStdString(text), expected);
        return;
    }
    const QStringList lines = QString::fromStdString(text).split(u("\r\n"));
    QCOMPARE(lines.size(), kSeededDraws + 1);
    QCOMPARE(lines.first(), u("2003001 10 11 12 13 26 28 "));
    QCOMPARE(lines[kSeededDraws - 1], u("2026096 01 04 16 22 26 31 "));
    QVERIFY(lines.last().isEmpty());
}

void TestUpdateWindow::pastedDrawLineSplitsIntoTheBoxes_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("h");
    QTest::addColumn<QStringList>("boxes");  // empty: not a draw line
    QTest::newRow("blanks and plus") << u("2026097 01 02 03 04 05 06 + 07") << 6 << 1
                                     << QStringList{u("2026097"), u("01-02-03-04-05-06"), u("07")};
    QTest::newRow("commas, one digit") << u(" 2026097,1,2,3,4,5,6,7 ") << 6 << 1
                                       << QStringList{u("2026097"), u("01-02-03-04-05-06"), u("07")};
    QTest::newRow("two secondary") << u("2026095 04 06 08 10 14 + 04 05") << 5 << 2
                                   << QStringList{u("2026095"), u("04-06-08-10-14"), u("04-05")};
    QTest::newRow("a number short") << u("2026097 01 02 03 04 05 + 07") << 6 << 1 << QStringList();
    QTest::newRow("six-digit period") << u("202609 01 02 03 04 05 06 07") << 6 << 1 << QStringList();
    QTest::newRow("three-digit number") << u("2026097 01 02 03 04 05 100 07") << 6 << 1 << QStringList();
    QTest::newRow("zero") << u("2026097 00 02 03 04 05 06 07") << 6 << 1 << QStringList();
    QTest::newRow("words") << u("第2026097期 红 01") << 6 << 1 << QStringList();
}

void TestUpdateWindow::pastedDrawLineSplitsIntoTheBoxes() {
    QFETCH(QString, line);
    QFETCH(int, m);
    QFETCH(int, h);
    QFETCH(QStringList, boxes);
    const std::optional<DrawLineFields> fields = drawLineFields(line, m, h);
    QCOMPARE(fields.has_value(), !boxes.isEmpty());
    if (fields) QCOMPARE((QStringList{fields->period, fields->main, fields->secondary}), boxes);
}

// A click into the empty middle of a masked box puts the cursor at its first empty place, so the
// digits typed next land where they belong; a draw line pasted into 期数 fills the whole draw.
void TestUpdateWindow::maskedBoxesKeepWhatIsTyped() {
    UpdateWindow w;
    QLineEdit* period = w.box("e_qs");
    QLineEdit* main = w.box("e_zh");
    QTest::mouseClick(period, Qt::LeftButton, {}, QPoint(period->width() / 2, period->height() / 2));
    QTRY_COMPARE(period->cursorPosition(), 0);
    QTest::keyClicks(period, u("2026097"));
    QCOMPARE(period->text(), u("2026097"));

    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(main->width() - 4, main->height() / 2));
    QTRY_COMPARE(main->cursorPosition(), 0);
    QTest::keyClicks(main, u("0102"));
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(main->width() - 4, main->height() / 2));
    QTRY_COMPARE(main->cursorPosition(), firstEmptyPosition(main));
    QTest::keyClicks(main, u("03"));
    QVERIFY2(main->text().startsWith(u("01-02-03")), qPrintable(main->text()));

    period->clear();
    main->clear();
    QGuiApplication::clipboard()->setText(u("2026097 03 09 16 17 24 33 + 15"));
    period->setFocus();
    QTest::keySequence(period, QKeySequence::Paste);
    QCOMPARE(period->text(), u("2026097"));
    QCOMPARE(main->text(), u("03-09-16-17-24-33"));
    QCOMPARE(w.box("e_spec")->text(), u("15"));
    w.click("Button2");
    QCOMPARE(w.rows(), kSeededDraws + 1);
    QCOMPARE(w.row(kSeededDraws).first(), u("2026097"));
}

// The prize tables the online update kept are shown under the grid for the selected draw.
void TestUpdateWindow::theSelectedDrawsPrizeTableIsShown() {
    {
        UpdateWindow w;
        QVERIFY(savePrizeTables(prizeTablePath(w.ws.folder, 0),
                                {{2026096, "2026-08-23(日)", 380000000, 2000000000, {{"一等奖", 5, 6000000}, {"六等奖", -1, 5}}}}));
        w.window.fillGrid();
        QLabel* label = w.child<QLabel>("l_prize");
        QVERIFY(label->isVisible());
        QCOMPARE(w.cell(w.rows() - 1, 0), u("2026096"));
        QCOMPARE(label->text(), u("第2026096期 2026-08-23(日)  销售额 380,000,000元  奖池 2,000,000,000元\n"
                                  "一等奖 5注 6,000,000元\n六等奖 — 5元"));
        w.selectRow(w.rows() - 2);  // 2026095 has no table
        QVERIFY(!label->isVisible());
        w.selectRow(w.rows() - 1);
        QVERIFY(label->text().startsWith(u("第2026096期")));
    }
}

void TestUpdateWindow::exportOfAnEmptyHistoryWritesAnEmptyFile() {
    UpdateWindow w;
    w.prompts.answers = {true};
    w.click("Button4");
    QCOMPARE(w.rows(), 0);

    w.click("b_dc");  // cancelled: nothing asked, nothing written
    QCOMPARE(w.prompts.asked.size(), 1);

    w.files.names = {w.folder.qfile("empty")};
    w.prompts.answers = {true};
    w.click("b_dc");
    QCOMPARE(w.prompts.asked.size(), 2);
    QCOMPARE(test::fileSize(w.folder.file("empty.txt")), 0LL);
}

void TestUpdateWindow::onlineButtonRunsTheUpdateAndRefills() {
    UpdateWindow w;
    w.online = [&w] {
        DrawRecord record{};
        record[0] = 2026097;
        for (int slot = 1; slot <= 7; ++slot) record[slot] = slot;
        QVERIFY(addDraw(w.ws.sjk, record).ok);
    };
    w.click("Button1");
    QCOMPARE(w.onlineParents, QList<QWidget*>{&w.window});
    QCOMPARE(w.rows(), kSeededDraws + 1);
    QCOMPARE(w.row(kSeededDraws), texts({"2026097", "01", "02", "03", "04", "05", "06", "07"}));
    QCOMPARE(w.window.grid()->currentIndex(), w.grid()->index(kSeededDraws, 1));

    // Without an update routine the button only refills the grid.
    test::FakePrompts prompts;
    test::FakeFileChooser files;
    Tf_gxsjq bare(w.ws, prompts, files, {});
    bare.show();
    QTest::mouseClick(bare.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(bare.grid()->model()->rowCount(), kSeededDraws + 1);
}

QTEST_MAIN(TestUpdateWindow)
#include "test_f_gxsjq.moc"
