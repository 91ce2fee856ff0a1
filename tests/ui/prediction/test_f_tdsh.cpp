// The fix-and-kill window, its search dialog, the formula collection and the custom kill
// definition, driven through their widgets offscreen on the seeded 双色球 history.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "core/workspace.h"
#include "generator/generator.h"
#include "generator/secondaryconditions.h"
#include "ui/generator/zh_bonuspage.h"
#include "support/uifixture.h"
#include "ui/generator/f_zh.h"
#include "ui/generator/zh_dialogs.h"
#include "ui/prediction/f_collectgs.h"
#include "ui/prediction/f_scfa.h"
#include "ui/prediction/f_selfsh_set.h"
#include "ui/prediction/f_tdsh.h"
#include "ui/prediction/tdsh_model.h"
#include "ui/shell/f_main.h"

using namespace lottodesk;

namespace {

struct Window {
    explicit Window(TdshPage::Hooks hooks = {}) : folder(true), ws(folder.path()) {
        initialiseWorkspace(ws, folder.settings);
        prepareHistoryAfterStart(ws);
        window = std::make_unique<Tf_tdsh>(ws, prompts, files, std::move(hooks));
        window->resize(1200, 800);
        window->show();
    }
    TdshPage* page(PageKind kind) const { return window->page(kind); }
    QPushButton* button(PageKind kind, const char* name) const {
        const QString object =
            QStringLiteral("b_") + QLatin1String(pageKindInfo(kind).code) + QLatin1Char('_') + QLatin1String(name);
        auto* b = page(kind)->findChild<QPushButton*>(object);
        if (!b) qFatal("no button %s", qPrintable(object));
        return b;
    }
    test::ProgramFolder folder;
    Workspace ws;
    test::FakePrompts prompts;
    test::FakeFileChooser files;
    std::unique_ptr<Tf_tdsh> window;
};

QStringList fileLines(const std::string& path) {
    return QString::fromStdString(test::readFile(path)).split(QStringLiteral("\r\n"));
}

}  // namespace

class TestFixAndKill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagesFollowTheSecondaryCount() {
        Window w;
        QCOMPARE(w.window->shownCaptions(),
                 QStringList({QStringLiteral("红码杀号"), QStringLiteral("蓝码杀号"), QStringLiteral("红码定胆"),
                              QStringLiteral("红码杀尾"), QStringLiteral("自定义杀号")}));
        QCOMPARE(w.window->tabs()->currentIndex(), 0);
        w.ws.game.fhgs = 2;
        w.window->typeChanged();
        QCOMPARE(w.window->shownCaptions().size(), 6);
        w.ws.game.fhgs = 0;
        w.window->typeChanged();
        QVERIFY(!w.window->shownCaptions().contains(QStringLiteral("蓝码杀号")));
        // Every scheme file exists with its default.
        for (PageKind kind : {PageKind::hmsh, PageKind::lmsh, PageKind::hmtd, PageKind::fqtd, PageKind::hmsw})
            QCOMPARE(fileLines(schemeFilePath(w.ws.folder, kind, 0)).front(), QStringLiteral("[-1]z_hw"));
    }

    void backtestTableMemoAndHistoryUntouched() {
        Window w;
        TdshPage* page = w.page(PageKind::hmsh);
        QCOMPARE(page->periodList()->count(), w.ws.sjk.RecordCount());
        const int records = w.ws.sjk.RecordCount();
        const int cursor = w.ws.sjk.RecNo();
        page->periodList()->setCurrentText(QStringLiteral("2026090"));  // reruns
        const BacktestResult& r = page->result();
        QCOMPARE(r.tested, 7);
        QCOMPARE(r.formulaCount, 10);
        QTableView* table = page->table();
        QCOMPARE(table->model()->rowCount(), 7 + 4);
        QCOMPARE(table->model()->index(8, 1).data().toString(), QStringLiteral("预测期"));
        QCOMPARE(table->model()->index(10, 1).data().toString(), QStringLiteral("正确率"));
        QCOMPARE(table->model()->index(0, 3).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(251, 183, 166));
        // The list column marks the numbers the row's draw holds.
        for (int row = 1; row <= 7; ++row) {
            const QVariantList drawn =
                table->model()->index(row, r.listColumn()).data(TdshModel::DrawnNumbersRole).toList();
            for (int32_t n : r.rowNumbers(row)) QCOMPARE(drawn.contains(n), r.drawnAt(row, n));
        }
        table->grab();  // paints every visible cell through the delegate
        // Click a row whose formulas gave numbers of the zone: the memo lists them.
        int row = 1;
        while (row <= 8 && r.rowNumbers(row).empty()) ++row;
        QVERIFY(row <= 8);
        table->scrollTo(table->model()->index(row, 2));
        const QRect cell = table->visualRect(table->model()->index(row, 2));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(page->memo()->toPlainText(), QString::fromStdString(r.memoText(row)));
        QVERIFY(!page->memo()->toPlainText().isEmpty());
        QCOMPARE(w.ws.sjk.RecordCount(), records);
        QCOMPARE(w.ws.sjk.RecNo(), cursor);
        QVERIFY(w.prompts.informed.isEmpty());
    }

    void confirmEditImportAndSave() {
        Window w;
        TdshPage* page = w.page(PageKind::fqtd);
        page->slotList()->setCurrentText(QStringLiteral("2"));
        page->edit()->setText(QStringLiteral("z_num1%16+1"));
        QTest::mouseClick(w.button(PageKind::fqtd, "save"), Qt::LeftButton);
        QCOMPARE(fileLines(w.ws.path("save/fqtd0.txt")).at(1), QStringLiteral("z_num1%16+1"));
        // Twelve lines: the first ten are read and the count becomes 10.
        std::string set;
        for (int i = 1; i <= 12; ++i) set += "[-" + std::to_string(i) + "]f_num1\r\n";
        test::writeFile(w.folder.file("save/set.txt"), set);
        w.files.names.push_back(w.folder.qfile("save/set.txt"));
        QTest::mouseClick(w.button(PageKind::fqtd, "dr"), Qt::LeftButton);
        QCOMPARE(page->countList()->currentText(), QStringLiteral("10"));
        QCOMPARE(page->edit()->text(), QStringLiteral("[-1]f_num1"));
        QCOMPARE(fileLines(w.ws.path("save/fqtd0.txt")).at(9), QStringLiteral("[-10]f_num1"));
        QCOMPARE(page->result().formulaCount, 10);
        // Save the group used (No), then export the table.
        w.files.names.push_back(w.folder.qfile("save/group"));
        QTest::mouseClick(w.button(PageKind::fqtd, "savegsz"), Qt::LeftButton);
        QCOMPARE(fileLines(w.folder.file("save/group.txt")).size(), 11);  // ten lines and the final line end
        w.files.names.push_back(w.folder.qfile("save/fix"));
        QTest::mouseClick(w.button(PageKind::fqtd, "dcshsj"), Qt::LeftButton);
        QCOMPARE(w.files.titles.last(), QStringLiteral("保存定胆数据"));
        QVERIFY(test::readFile(w.folder.file("save/fix.txt")).size() > 100);
    }

    void failingFormulasShowMinusOneAndADivisionByZeroStopsTheRun() {
        Window w;
        TdshPage* page = w.page(PageKind::fqtd);
        page->countList()->setCurrentText(QStringLiteral("2"));
        page->slotList()->setCurrentText(QStringLiteral("2"));
        page->edit()->setText(QStringLiteral("z_num1+"));
        QTest::mouseClick(w.button(PageKind::fqtd, "save"), Qt::LeftButton);
        QAbstractItemModel* model = page->table()->model();
        const BacktestResult& r = page->result();
        QCOMPARE(model->index(1, r.firstFormulaColumn() + 1).data().toString(), QStringLiteral("-1"));
        QCOMPARE(model->index(r.forecastRow(), r.firstFormulaColumn() + 1).data().toString(), QStringLiteral("-1"));
        QCOMPARE(w.prompts.informed.last(), QStringLiteral("第2条公式有误:运算符号后只能接指标或数据或括号"));
        const int rows = model->rowCount();
        // 1/0: the run stops with the formula named; the last table stays as it was.
        page->edit()->setText(QStringLiteral("1/0"));
        QTest::mouseClick(w.button(PageKind::fqtd, "save"), Qt::LeftButton);
        QCOMPARE(w.prompts.informed.last(), QStringLiteral("公式“1/0”中除数为0，计算已停止"));
        QCOMPARE(model->rowCount(), rows);
        QCOMPARE(model->index(1, r.firstFormulaColumn() + 1).data().toString(), QStringLiteral("-1"));
        QCOMPARE(fileLines(w.ws.path("save/fqtd0.txt")).at(1), QStringLiteral("1/0"));  // the edit is kept
    }

    void optimiseFillsTheSchemeFromTheSearch() {
        TdshPage::Hooks hooks;
        bool shownWhole = false;
        hooks.runDialog = [&shownWhole](QDialog& dialog) {
            auto& search = static_cast<Tf_scfa&>(dialog);
            search.setSeed(7);
            if (search.applyButton()->isEnabled()) return int(QDialog::Rejected);  // nothing from an earlier run
            QTest::mouseClick(search.startButton(), Qt::LeftButton);
            search.waitForEnd();
            if (!search.applyButton()->isEnabled()) return int(QDialog::Rejected);
            // As the user sees it: every formula's column wide enough for the whole text.
            search.show();
            QTableWidget* list = search.foundList();
            QCoreApplication::processEvents();
            shownWhole = list->rowCount() > 0;
            for (int row = 0; row < list->rowCount(); ++row)
                shownWhole = shownWhole && list->columnWidth(1) >= list->fontMetrics().horizontalAdvance(
                                                                        list->item(row, 1)->text());
            search.hide();
            return int(QDialog::Accepted);
        };
        Window w(hooks);
        TdshPage* page = w.page(PageKind::hmsh);
        page->countList()->setCurrentText(QStringLiteral("3"));
        QTest::mouseClick(w.button(PageKind::hmsh, "rebuildfa"), Qt::LeftButton);
        // Ten formulas for slots 1..10, whatever count the page tests.
        const std::vector<std::string> found = page->searchDialog()->results();
        QCOMPARE(found.size(), size_t(10));
        QCOMPARE(page->schemes().formula(0, 1), found[0]);
        QCOMPARE(page->schemes().formula(0, 3), found[2]);
        QCOMPARE(page->schemes().formula(0, 10), found[9]);
        QCOMPARE(page->schemes().formula(0, 11), std::string("[-1]z_hw"));
        QCOMPARE(fileLines(w.ws.path("save/hmsh0.txt")).at(9), QString::fromStdString(found[9]));
        // Each found formula whole beside its accuracy (the list once cut both off at its edge).
        QTableWidget* list = page->searchDialog()->foundList();
        QCOMPARE(list->rowCount(), 10);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(list->item(row, 1)->text().toStdString(), found[size_t(row)]);
            QVERIFY(list->item(row, 0)->text().endsWith(QLatin1Char('%')));
        }
        QVERIFY(shownWhole);
        // The same seed gives the same formulas again.
        QTest::mouseClick(w.button(PageKind::hmsh, "gsss"), Qt::LeftButton);
        QCOMPARE(page->edit()->text().toStdString(), page->searchDialog()->results().front());
    }

    void firstUseHintAndEachFormulasAccuracy() {
        // Ten identical default formulas once gave ten identical columns and no word of help.
        Window w;
        TdshPage* page = w.page(PageKind::hmsh);
        QVERIFY(page->hint()->isVisible());
        QVERIFY(page->hint()->text().contains(QStringLiteral("[-1]z_hw")));
        QVERIFY(page->hint()->text().contains(QStringLiteral("确认修改")));
        QTableWidget* list = page->formulaList();
        QCOMPARE(list->rowCount(), 10);
        for (int row = 0; row < 10; ++row) {
            QCOMPARE(list->item(row, 1)->text(), QStringLiteral("[-1]z_hw"));
            QVERIFY(list->item(row, 2)->text().isEmpty());  // nothing tested yet
        }
        // Give formula 2 a formula of its own: the hint has done its work once the table is run.
        page->periodList()->setCurrentIndex(page->periodList()->count() - 50);
        page->slotList()->setCurrentText(QStringLiteral("2"));
        page->edit()->setText(QStringLiteral("[-1]z_hz%33+1"));
        QTest::mouseClick(w.button(PageKind::hmsh, "save"), Qt::LeftButton);
        QVERIFY(!page->hint()->isVisible());
        const BacktestResult& r = page->result();
        QCOMPARE(r.tested, 50);
        QCOMPARE(list->item(1, 1)->text(), QStringLiteral("[-1]z_hz%33+1"));
        for (int j = 1; j <= 10; ++j)
            QCOMPARE(list->item(j - 1, 2)->text(),
                     QString::fromStdString(r.cell(r.accuracyRow(), r.firstFormulaColumn() + j - 1)) + u'%');
        // A formula of the list is the one the edit box shows.
        list->scrollToItem(list->item(1, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1, 1)).center());
        QCOMPARE(page->slotList()->currentText(), QStringLiteral("2"));
        QCOMPARE(page->edit()->text(), QStringLiteral("[-1]z_hz%33+1"));
        // An edited, not yet confirmed formula has no accuracy of its own.
        page->edit()->setText(QStringLiteral("[-2]z_hz%33+1"));
        page->countList()->setCurrentText(QStringLiteral("3"));
        QCOMPARE(list->rowCount(), 3);
        QVERIFY(!list->item(1, 2)->text().isEmpty());
    }

    void drawNumbersStayOnOneLine() {
        // At 1024x768 and at 1366x768 the draw of a row is one line and shows whole.
        for (const QSize size : {QSize(1000, 680), QSize(1340, 680)}) {
            Window w;
            w.window->resize(size);
            TdshPage* page = w.page(PageKind::hmsh);
            page->periodList()->setCurrentIndex(page->periodList()->count() - 20);
            QTableView* table = page->table();
            const QString draw = table->model()->index(1, 2).data().toString();
            QVERIFY(draw.count(u' ') >= 6);  // "01 04 16 22 26 31 "
            QVERIFY(!table->wordWrap());
            QVERIFY(table->columnWidth(2) >= table->fontMetrics().horizontalAdvance(draw));
            QVERIFY(table->rowHeight(1) < 2 * table->fontMetrics().lineSpacing());
            for (int c = 0; c < table->model()->columnCount(); ++c)
                QVERIFY(table->columnWidth(c) >=
                        table->fontMetrics().horizontalAdvance(table->model()->index(0, c).data().toString()));
        }
    }

    void searchStopsAtOnce() {
        Window w;
        Tf_scfa dialog(w.ws, w.prompts);
        dialog.preset("hmsh", 100, 1, 33, 100);  // hardly anything is always right: it runs on
        dialog.fastBox()->setChecked(false);
        QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
        QVERIFY(dialog.isSearching());
        QCOMPARE(dialog.startButton()->text(), QStringLiteral("停止生成"));
        // Stopped while the worker is inside the search: after a candidate was tried, before the
        // run ended by itself.
        QTRY_VERIFY(dialog.tried() > 0);
        QVERIFY(dialog.isSearching());
        QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
        QVERIFY(!dialog.isSearching());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("搜索完毕"));
        QCOMPARE(dialog.startButton()->text(), QStringLiteral("开始生成"));
        QVERIFY(dialog.results().size() < 100);
        // The worker has ended: the count shown is the final one.
        const QString count = QStringLiteral("已尝试候选公式%1个").arg(dialog.tried());
        bool shown = false;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) shown = shown || label->text() == count;
        QVERIFY2(shown, qPrintable(count));
        QCOMPARE(dialog.applyButton()->isEnabled(), !dialog.results().empty());
    }

    void forecastGoesToTheGenerator() {
        test::FakeShell shell;
        std::unique_ptr<Tf_zh> generator;
        std::unique_ptr<DialogGeneratorDialogs> dialogs;
        TdshPage::Hooks hooks;
        hooks.toGenerator = [&](const ForecastConditions& forecast) { return generator->takeForecast(forecast); };
        Window w(hooks);
        dialogs = std::make_unique<DialogGeneratorDialogs>(w.prompts, nullptr);
        generator = std::make_unique<Tf_zh>(w.ws, w.prompts, w.files, shell, *dialogs);
        // Kill: 01 and 02 leave the selectable numbers.
        TdshPage* kill = w.page(PageKind::hmsh);
        kill->countList()->setCurrentText(QStringLiteral("2"));
        kill->edit()->setText(QStringLiteral("1"));
        QTest::mouseClick(w.button(PageKind::hmsh, "save"), Qt::LeftButton);
        kill->slotList()->setCurrentText(QStringLiteral("2"));
        kill->edit()->setText(QStringLiteral("2"));
        QTest::mouseClick(w.button(PageKind::hmsh, "save"), Qt::LeftButton);
        QTest::mouseClick(w.button(PageKind::hmsh, "yczzgl"), Qt::LeftButton);
        const MainConditions& c = generator->generator().conditions;
        QVERIFY(!c.selectable[1] && !c.selectable[2] && c.selectable[3]);
        QCOMPARE(kill->lastHandOff(), QStringLiteral("已从可选号码中去除：01 02"));
        // Tails: a tail condition with count 0.
        TdshPage* tails = w.page(PageKind::hmsw);
        tails->countList()->setCurrentText(QStringLiteral("1"));
        tails->edit()->setText(QStringLiteral("7"));
        QTest::mouseClick(w.button(PageKind::hmsw, "save"), Qt::LeftButton);
        QTest::mouseClick(w.button(PageKind::hmsw, "yczzgl"), Qt::LeftButton);
        QCOMPARE(c.tails.size(), size_t(1));
        QCOMPARE(c.tails[0].numbers, std::vector<uint8_t>{7});
        QCOMPARE(c.tails[0].allowed, std::vector<int32_t>{0});
        QVERIFY(c.tailEnabled);
        // Fixed numbers: a self-set condition with counts 1..m.
        TdshPage* fix = w.page(PageKind::hmtd);
        fix->countList()->setCurrentText(QStringLiteral("2"));
        fix->edit()->setText(QStringLiteral("8"));
        QTest::mouseClick(w.button(PageKind::hmtd, "save"), Qt::LeftButton);
        fix->slotList()->setCurrentText(QStringLiteral("2"));
        fix->edit()->setText(QStringLiteral("9"));
        QTest::mouseClick(w.button(PageKind::hmtd, "save"), Qt::LeftButton);
        QTest::mouseClick(w.button(PageKind::hmtd, "yczzgl"), Qt::LeftButton);
        QCOMPARE(c.selfSet.size(), size_t(1));
        QCOMPARE(c.selfSet[0].numbers, (std::vector<uint8_t>{8, 9}));
        QCOMPARE(c.selfSet[0].allowed, (std::vector<int32_t>{1, 2}));
        QCOMPARE(w.prompts.informed.last(), QStringLiteral("已添加自设条件：号码组 08 09，出现个数 1..2"));
        // The secondary kill of a game with one secondary number goes to the special number's page: a
        // custom-indicator condition on f_num1 without the killed numbers, the page brought forward.
        TdshPage* blue = w.page(PageKind::lmsh);
        blue->countList()->setCurrentText(QStringLiteral("2"));
        blue->edit()->setText(QStringLiteral("3"));
        QTest::mouseClick(w.button(PageKind::lmsh, "save"), Qt::LeftButton);
        blue->slotList()->setCurrentText(QStringLiteral("2"));
        blue->edit()->setText(QStringLiteral("16"));
        QTest::mouseClick(w.button(PageKind::lmsh, "save"), Qt::LeftButton);
        QTest::mouseClick(w.button(PageKind::lmsh, "yczzgl"), Qt::LeftButton);
        const SpecialNumberConditions& special = generator->specialPage()->conditions();
        QVERIFY(special.customEnabled);
        QCOMPARE(special.custom.count(), 1);
        QCOMPARE(special.custom[0].formula, std::string("f_num1"));
        QCOMPARE(special.custom[0].values,
                 (std::vector<int32_t>{1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
        QCOMPARE(generator->pages()->currentWidget(), static_cast<QWidget*>(generator->specialPage()));
        QVERIFY(w.prompts.informed.last().startsWith(QStringLiteral("已添加自定义指标条件：f_num1 取 1  2  4")));
    }

    void mainWindowHandsTheForecastToItsGenerator() {
        test::ProgramFolder folder(true);
        Workspace ws(folder.path());
        test::FakePrompts prompts;
        test::FakeShell shell;
        test::FakeFileChooser files;
        Tf_main main(ws, {prompts, shell, folder.settings, files});
        main.show();
        QTRY_VERIFY(main.startupDone());
        main.openPage(PageId::tdsh);
        auto* window = main.pageWindow<Tf_tdsh>(PageId::tdsh);
        QVERIFY(window);
        TdshPage* kill = window->page(PageKind::hmsh);
        kill->countList()->setCurrentText(QStringLiteral("1"));
        kill->edit()->setText(QStringLiteral("33"));
        kill->confirmEdit();
        kill->handToGenerator();
        QCOMPARE(kill->lastHandOff(), QStringLiteral("已从可选号码中去除：33"));
        QVERIFY(!main.pageWindow<Tf_zh>(PageId::zh)->generator().conditions.selectable[33]);
    }

    void customKillDefineSaveAndLoad() {
        TdshPage::Hooks hooks;
        QString target = QStringLiteral("z_num1");
        hooks.runDialog = [&](QDialog& dialog) {
            auto* define = qobject_cast<Tf_selfsh_set*>(&dialog);
            if (!define) return int(QDialog::Rejected);
            define->targetEdit()->setText(target);
            define->lowEdit()->setText(QStringLiteral("1"));
            define->highEdit()->setText(QStringLiteral("28"));
            return int(QDialog::Accepted);
        };
        Window w(hooks);
        TdshPage* page = w.page(PageKind::selfsh);
        QTest::mouseClick(w.button(PageKind::selfsh, "set"), Qt::LeftButton);
        QCOMPARE(page->customKill().target, std::string("z_num1"));
        page->edit()->setText(QStringLiteral("[-1]z_num1"));
        w.files.names.push_back(w.folder.qfile("save/first"));
        QTest::mouseClick(w.button(PageKind::selfsh, "save"), Qt::LeftButton);
        QCOMPARE(fileLines(w.folder.file("save/first.scs")).mid(0, 4),
                 QStringList({QStringLiteral("z_num1"), QStringLiteral("1"), QStringLiteral("28"),
                              QStringLiteral("[-1]z_num1")}));
        QCOMPARE(page->result().cell(0, 3), std::string("指标z_num1"));
        // Loading it on a fresh window runs its back-test.
        Window other;
        other.files.names.push_back(w.folder.qfile("save/first.scs"));
        QTest::mouseClick(other.button(PageKind::selfsh, "load"), Qt::LeftButton);
        QCOMPARE(other.page(PageKind::selfsh)->edit()->text(), QStringLiteral("[-1]z_num1"));
        QCOMPARE(other.page(PageKind::selfsh)->result().tested, other.ws.sjk.RecordCount());
        QCOMPARE(other.page(PageKind::selfsh)->killLabel()->text(),
                 QStringLiteral("要杀号的指标:z_num1    1<=指标取值范围<=28"));
    }

    void collectionWindow() {
        Window w;
        TdshPage* page = w.page(PageKind::hmsh);
        page->edit()->setText(QStringLiteral("  [-2]z_hw  "));
        QTest::mouseClick(w.button(PageKind::hmsh, "collectgs"), Qt::LeftButton);
        Tf_collectgs* c = w.window->collection();
        QCOMPARE(c->formulas(), QStringList({QStringLiteral("[-2]z_hw")}));
        QCOMPARE(c->windowTitle(), QStringLiteral("已收集公式1条"));
        c->modifySelected();
        QCOMPARE(w.prompts.informed.last(), QStringLiteral("请先选中上面列表要修改的公式项"));
        c->list()->setCurrentRow(0);
        c->edit()->setText(QStringLiteral("[-3]z_hw"));
        c->modifySelected();
        w.files.names.push_back(w.folder.qfile("save/collected"));
        c->save();
        QCOMPARE(test::readFile(w.folder.file("save/collected.txt")), std::string("[-3]z_hw\r\n"));
        c->clearAll();
        QCOMPARE(c->windowTitle(), QStringLiteral("已收集公式0条"));
        w.files.names.push_back(w.folder.qfile("save/collected.txt"));
        c->load();
        QCOMPARE(c->formulas(), QStringList({QStringLiteral("[-3]z_hw")}));
    }
};

QTEST_MAIN(TestFixAndKill)
#include "test_f_tdsh.moc"
