// Indicator management "指标管理" and the indicator analysis "指标剖析" on the real histories of
// 双色球 and 七乐彩, alone and as pages of the main window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include "ui/indicators/zbpxz_viewgrid.h"
#include <QTest>
#include <filesystem>
#include <fstream>

#include "analysis/valueclasses.h"
#include "analysis/analysisseries.h"
#include "core/datatransform.h"
#include "core/drawtext.h"
#include "core/workspace.h"
#include "indicators/catalogue.h"
#include "support/uifixture.h"
#include "ui/common/handoff.h"
#include "ui/indicators/f_filter_zbpxz.h"
#include "ui/indicators/f_fqfw.h"
#include "ui/common/gridscroller.h"
#include "ui/indicators/f_zbpx.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/shell/f_main.h"
#include "zbpxz_fixture.h"

using namespace lottodesk;
using namespace lottodesk::test;

namespace {

// The management window with a recording opener.
struct Management {
    Management() : ws(folder.path()) {
        initialiseWorkspace(ws, folder.settings);
        window.setDialogRunner([this](QDialog& dialog) { return runner ? runner(dialog) : int(QDialog::Rejected); });
    }
    struct Call {
        std::string text;
        std::optional<ValueRange> typed;
        std::string name;
    };
    ProgramFolder folder{true};
    Workspace ws;
    FakePrompts prompts;
    std::vector<Call> calls;
    Status answer = Status::success();
    int closed = 0;
    std::function<int(QDialog&)> runner;
    Tf_zbpx window{ws, prompts,
                   [this](const std::string& text, const std::optional<ValueRange>& typed, const std::string& name) {
                       calls.push_back({text, typed, name});
                       return answer;
                   },
                   [this] { ++closed; }};
};

void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

}  // namespace

class TestIndicatorAnalysis : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsOfferTheCatalogueAndTheSavedIndicators();
    void clickingAnEntryFillsTheFields();
    void startHandsOverTheChosenTextRangeAndName();
    void viewsAgreeWithAReferenceOnTheRealHistory();
    void aFormulaErrorLeavesThePreviousAnalysis();
    void everyViewOpensOnBothGames();
    void viewsFollowAChangedHistory();
    void exportWritesOneLinePerRecord();
    void mainWindowStartsAndShowsTheAnalysis();
    void filterExportReachesTheGenerator();
    void handedInSeriesOpenDockedOrModal();
    void layoutViewsFollowTheirOptions();
    void zoneDialogExplainsAndSetsTheRange();
    void gridMenuScrollsWithoutRecomputing();
    void savedIndicatorsAreAddedModifiedAndDeleted();
};

void TestIndicatorAnalysis::savedIndicatorsAreAddedModifiedAndDeleted() {
    Management m;
    m.window.show();
    QListWidget* list = m.window.lists().back();
    QCOMPARE(list->objectName(), u("lb_save"));
    auto click = [&](const char* name) { m.window.findChild<QPushButton*>(QString::fromLatin1(name))->click(); };
    QStringList captions;
    auto fill = [&](const char* formula, const char* name) {
        m.runner = [&captions, formula, name](QDialog& dialog) {
            captions << dialog.windowTitle();
            dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString::fromUtf8(formula));
            dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QString::fromUtf8(name));
            return int(QDialog::Accepted);
        };
    };
    fill("z_hz%7", " 和值除七 ");
    click("b_add");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), u("z_hz%7        和值除七"));
    // Nothing selected: modify and delete say so.
    list->setCurrentRow(-1);
    click("b_modify");
    click("b_delete");
    QCOMPARE(m.prompts.warned, (QStringList{u("请先选择你要修改的指标"), u("请先选择你要删除的指标")}));
    list->setCurrentRow(0);
    fill("z_ac*2", "AC两倍");
    click("b_modify");
    QCOMPARE(captions, (QStringList{u("添加自定义指标"), u("修改自定义指标")}));
    QCOMPARE(list->item(0)->text(), u("z_ac*2        AC两倍"));
    QVERIFY(test::readFile(m.folder.file("save/selfzb.txt")).rfind("z_ac*2        AC", 0) == 0);  // GBK
    // An entry of the page starts its analysis like a catalogue entry.
    clickRow(list, 0);
    QCOMPARE(m.window.findChild<QLineEdit*>(QStringLiteral("e_yyzb"))->text(), u("z_ac*2"));
    list->setCurrentRow(0);
    click("b_delete");
    QCOMPARE(list->count(), 0);
    QCOMPARE(test::readFile(m.folder.file("save/selfzb.txt")), std::string());
}

void TestIndicatorAnalysis::gridMenuScrollsWithoutRecomputing() {
    Analysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    ViewGrid* grid = a.window.currentGrid();
    GridScroller* scroller = a.window.currentScroller();
    QScrollBar* bar = grid->verticalScrollBar();
    const QString first = grid->text(0, 0);
    auto run = [&](const char* name) { scroller->menu()->findChild<QAction*>(QString::fromLatin1(name))->trigger(); };
    bar->setValue(0);
    run("mi_nextpage");
    QCOMPARE(bar->value(), bar->pageStep());
    run("mi_next");
    QCOMPARE(bar->value(), bar->pageStep() + 1);
    run("mi_prev");
    run("mi_prevpage");
    QCOMPARE(bar->value(), 0);
    run("mi_fastest");
    run("mi_start");
    QVERIFY(scroller->scrolling());
    QTRY_VERIFY(bar->value() >= 3);
    run("mi_stop");
    QVERIFY(!scroller->scrolling());
    // Upward from the top ends the scrolling at once.
    run("mi_up");
    bar->setValue(0);
    run("mi_start");
    scroller->tick();
    QVERIFY(!scroller->scrolling());
    QCOMPARE(grid->text(0, 0), first);
}

void TestIndicatorAnalysis::zoneDialogExplainsAndSetsTheRange() {
    QCOMPARE(zoneExplanation({1, 16}, 3),
             u("(3分区的分区设定)\n第1分区<1..5>;  第2分区<6..10>;  第3分区<11..16>;  \n\n"));
    // Counts far above the 49 zones of the number partitions.
    const QString wide = zoneExplanation({0, 999}, 1000);
    QVERIFY(wide.contains(u("第1000分区<999..999>;  ")));

    Analysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    a.view("分项统计");
    QString shown;
    a.window.setDialogRunner([&](QDialog& dialog) {
        auto* fqfw = qobject_cast<Tf_fqfw*>(&dialog);
        [&] {
            QVERIFY(fqfw);
            QVERIFY(fqfw->explanation().startsWith(u("(2分区的分区设定)\n第1分区<1..16>;  第2分区<17..33>;  ")));
        }();
        dialog.findChild<QLineEdit*>(QStringLiteral("me_to"))->setText(QStringLiteral("10"));
        dialog.findChild<QPushButton*>(QStringLiteral("b_apply"))->click();
        dialog.findChild<QRadioButton*>(QStringLiteral("rb_given"))->click();
        shown = fqfw->explanation();
        dialog.findChild<QLineEdit*>(QStringLiteral("me_to"))->setText(QStringLiteral("20"));  // not applied
        return int(QDialog::Accepted);
    });
    a.child<QComboBox>("combo_family")->setCurrentIndex(2);  // 分区
    a.window.findChildren<QPushButton*>(QStringLiteral("b_fqfw")).last()->click();
    QVERIFY(shown.startsWith(u("(20分区的分区设定)")));
    QCOMPARE(a.window.valueRange(), (ValueRange{1, 10}));
    QCOMPARE(a.view("出现次数统计图")->rowCount(), 10 + 1);
}

void TestIndicatorAnalysis::layoutViewsFollowTheirOptions() {
    Analysis a;
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 16}, "红号一").ok);
    const int records = a.ws.sjk.RecordCount();
    // "数据分布图" step 3 over 1..16, and a span of 100 refused and reset.
    ViewGrid* layout = a.view("数据分布图");
    a.child<QLineEdit>("e_min")->setText(QStringLiteral("1"));
    a.child<QLineEdit>("e_max")->setText(QStringLiteral("16"));
    a.child<QComboBox>("combo_layout")->setCurrentIndex(1);
    QStringList header;
    for (int c = 1; c < layout->columnCount(); ++c) header << layout->headerText(c);
    QCOMPARE(header.join(QLatin1Char(' ')), u("1 4 7 10 13 16 2 5 8 11 14 3 6 9 12 15"));
    const int32_t last = a.ws.sjk.record(records)[1];
    const int at = static_cast<int>(header.indexOf(QString::number(last)));
    if (last <= 16) QCOMPARE(layout->text(layout->rowCount() - 1, at + 1), QString::number(last));
    a.child<QLineEdit>("e_max")->setText(QStringLiteral("101"));
    a.child<QComboBox>("combo_layout")->setCurrentIndex(0);
    QCOMPARE(a.prompts.warned.value(0), u("数据分布图中，最大值与最小值之差不能大于100。"));
    QCOMPARE(a.child<QLineEdit>("e_max")->text(), u("35"));

    // "遗漏分布图表": one column per value and the six statistics rows; too wide a range refused.
    ViewGrid* table = a.view("遗漏分布图表");
    QCOMPARE(table->columnCount(), 2 + 16);
    QCOMPARE(table->rowCount(), 100 + 6);
    QCOMPARE(table->text(100, 0), u("选号区"));
    QVERIFY(a.window.analyse("z_hz*3", std::nullopt, "宽").ok);
    a.view("遗漏分布图表");
    QCOMPARE(a.prompts.warned.last(), u("该指标取值范围太宽,不宜用图表显示，请选择取值范围小于200的指标"));
    QCOMPARE(table->rowCount(), 0);

    // "田野走势图": the default layout file is written; a modified layout is written back and used.
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* field = a.view("田野走势图");
    QVERIFY(QFile::exists(a.folder.qfile("database/tyzsd4.txt")));
    QCOMPARE(field->headerText(2), u("01"));
    a.window.setDialogRunner([](QDialog& dialog) {
        const char* texts[] = {"1 2 3 4 5", "6 7 8 9 10", "11,12,13", "14 15 16 17 18 19 20"};
        for (int r = 0; r < 4; ++r)
            dialog.findChild<QLineEdit*>(QStringLiteral("e_row%1").arg(r + 1))->setText(QString::fromUtf8(texts[r]));
        return int(QDialog::Accepted);
    });
    a.child<QPushButton>("b_modifyfield")->click();
    QCOMPARE(field->headerText(4), u("11,12,13"));
    const int32_t v = a.ws.sjk.record(records)[1];
    const int row = v <= 5 ? 0 : v <= 10 ? 1 : v <= 13 ? 2 : v <= 20 ? 3 : -1;
    for (int r = 0; r < 4; ++r) {
        QCOMPARE(field->text(field->rowCount() - 1, r + 2), r == row ? QString::number(v) : QString());
    }
    QVERIFY(test::readFile(a.folder.file("database/tyzsd4.txt")).find("11,12,13") != std::string::npos);

    // "按期数分段走势": the newest segment ends at the last draw, its sum the values of its periods.
    ViewGrid* segments = a.view("按期数分段走势");
    const int lastRow = segments->rowCount() - 1;
    QCOMPARE(segments->text(lastRow, 1).toInt(), a.ws.sjk.record(records)[0]);
    int sum = 0;
    for (int n = records - 4; n <= records; ++n) sum += a.ws.sjk.record(n)[1];
    QCOMPARE(segments->text(lastRow, 2).toInt(), sum);
}

void TestIndicatorAnalysis::filterExportReachesTheGenerator() {
    Analysis a;
    QVERIFY(a.window.analyse("z_num1", std::nullopt, "红号一").ok);
    a.child<QComboBox>("combo_kline")->setCurrentIndex(1);  // 尾数图
    QStringList titles;
    a.window.setDialogRunner([&](QDialog& dialog) {
        titles << dialog.windowTitle();
        auto* from = dialog.findChild<QLineEdit*>(QStringLiteral("e_from"));
        auto* to = dialog.findChild<QLineEdit*>(QStringLiteral("e_to"));
        // Preset to the range of the tails; an empty box and a reversed range are refused.
        if (titles.size() == 1) {
            [&] { QCOMPARE(from->text() + to->text(), u("09")); }();
            to->clear();
            dialog.findChild<QPushButton*>(QStringLiteral("b_main"))->click();
            to->setText(QStringLiteral("-1"));
            dialog.findChild<QPushButton*>(QStringLiteral("b_main"))->click();
            to->setText(QStringLiteral("9"));
        }
        dialog.findChild<QCheckBox*>(QStringLiteral("cb_jo"))->setChecked(true);
        dialog.findChild<QCheckBox*>(QStringLiteral("cb_rc"))->setChecked(true);
        [&] { QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("b_secondary"))->isEnabled()); }();
        dialog.findChild<QPushButton*>(QStringLiteral("b_main"))->click();
        return dialog.result();
    });
    a.child<QPushButton>("b_filter")->click();
    QCOMPARE(titles, QStringList{u("过滤设置")});
    QCOMPARE(a.prompts.warned, (QStringList{u("取值范围不能为空"), u("取值最小值不能大于最大值")}));
    QCOMPARE(a.generator.custom.size(), size_t{1});
    QCOMPARE(a.generator.custom[0].formula, std::string("z_num1%10"));
    QVERIFY(a.generator.custom[0].values == (std::vector<int32_t>{1, 3, 5, 7, 9}));
    QCOMPARE(a.generator.custom[0].tolerant, uint8_t{1});
    QVERIFY(a.prompts.informed.last().startsWith(u("过滤设置成功。")));
}

void TestIndicatorAnalysis::handedInSeriesOpenDockedOrModal() {
    Analysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    AnalysisSeries handed;
    handed.values.assign(static_cast<size_t>(a.ws.sjk.RecordCount()) + 1, 0);
    for (size_t n = 1; n < handed.values.size(); ++n) handed.values[n] = static_cast<int32_t>(n % 5);
    handed.range = {0, 4};
    handed.caption = "派生";
    // Modal: shown in a window of its own, the docked series stays.
    QStringList shown;
    a.window.setDialogRunner([&](QDialog& dialog) {
        shown << dialog.objectName();
        auto* inner = dialog.findChild<Tf_zbpxz*>();
        [&] {
            QVERIFY(inner);
            QCOMPARE(inner->series()->caption, std::string("派生"));
            QCOMPARE(inner->currentGrid()->text(4, 1), u("0"));
        }();
        return int(QDialog::Rejected);
    });
    a.window.openAnalysis(handed, true);
    QCOMPARE(shown, QStringList{u("dlg_zbpxz")});
    QCOMPARE(a.window.series()->caption, std::string("和值"));
    // Docked: replaces the series; it names no expression, so it cannot become a filter.
    a.window.openAnalysis(handed, false);
    QCOMPARE(a.window.series()->caption, std::string("派生"));
    QCOMPARE(a.window.currentGrid()->text(3, 1), u("4"));
    a.child<QPushButton>("b_filter")->click();
    QCOMPARE(a.prompts.warned.value(0), u("该指标不能转至过滤"));
    QCOMPARE(shown.size(), 1);

    // A derived series (the omission series of a number) in a modal window of its own.
    DerivedStore store;
    store.append(2026001, 3);
    store.append(2026005, 0);
    store.append(2026009, 7);
    store.finish();
    QString derivedCaption;
    int derivedCount = 0;
    a.window.setDialogRunner([&](QDialog& dialog) {
        auto* inner = dialog.findChild<Tf_zbpxz*>();
        if (inner && inner->series()) {
            derivedCaption = QString::fromStdString(inner->series()->caption);
            derivedCount = inner->series()->count();
        }
        return int(QDialog::Rejected);
    });
    a.window.openDerived(std::move(store), ValueRange{0, 7}, "主区号码4的遗漏");
    QCOMPARE(derivedCaption, u("主区号码4的遗漏"));
    QCOMPARE(derivedCount, 3);
    QCOMPARE(a.window.series()->caption, std::string("派生"));
    // A catalogue indicator from another view: analysed docked with the range rule.
    a.window.analyseIndicator("z_kd", "主区跨度");
    QCOMPARE(a.window.series()->caption, std::string("主区跨度"));
    a.window.analyseIndicator("z_kd+(", "坏");
    QCOMPARE(a.window.series()->caption, std::string("主区跨度"));
    QVERIFY(a.prompts.warned.last().startsWith(u("公式有误:")));
}

void TestIndicatorAnalysis::listsOfferTheCatalogueAndTheSavedIndicators() {
    Management m;
    {
        std::ofstream out(m.folder.file("save/selfzb.txt"), std::ios::binary);
        out << "z_hz%7        first\r\n";
    }
    m.window.show();
    const auto& lists = m.window.lists();
    QCOMPARE(lists.size(), size_t{10});
    const auto& catalogue = indicatorCatalogue();
    for (size_t i = 0; i < catalogue.size(); ++i)
        QCOMPARE(lists[i]->count(), static_cast<int>(catalogue[i].entries.size()));
    QCOMPARE(lists.back()->count(), 1);
    // Reloaded on every show.
    m.window.hide();
    {
        std::ofstream out(m.folder.file("save/selfzb.txt"), std::ios::binary);
        out << "z_hz%7        first\r\nz_ac*2        second\r\n";
    }
    m.window.show();
    QCOMPARE(lists.back()->count(), 2);
}

void TestIndicatorAnalysis::clickingAnEntryFillsTheFields() {
    Management m;
    m.window.resize(800, 600);
    m.window.show();
    auto* pages = m.window.findChild<QTabWidget*>(QStringLiteral("pc_zblist"));
    auto* code = m.window.findChild<QLineEdit*>(QStringLiteral("e_yyzb"));
    auto* name = m.window.findChild<QLineEdit*>(QStringLiteral("e_zbmm"));
    auto* from = m.window.findChild<QLineEdit*>(QStringLiteral("me_zbqzfrom"));
    QCOMPARE(code->text(), u("z_num1"));
    QCOMPARE(name->text(), u("红号一"));
    m.window.findChild<QRadioButton*>(QStringLiteral("rb_selfzb"))->click();
    QCOMPARE(name->text(), u("自定义指标"));
    from->setText(QStringLiteral("5"));
    // A click on a page with nothing selected (no saved indicators here) asks for a click on an entry.
    QListWidget* saved = m.window.lists().back();
    pages->setCurrentWidget(saved);
    QTest::mouseClick(saved->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(m.prompts.informed.value(0), u("请在列表框中单击你要输入的内容"));
    QCOMPARE(code->text(), u("z_num1"));
    QListWidget* list = m.window.lists()[6];
    pages->setCurrentWidget(list);
    clickRow(list, 0);
    const CatalogueEntry entry = indicatorCatalogue()[6].entries[0];
    QCOMPARE(code->text().toStdString(), entry.code);
    QCOMPARE(name->text().toStdString(), entry.name);
    QVERIFY(m.window.findChild<QRadioButton*>(QStringLiteral("rb_yyzb"))->isChecked());
    QVERIFY(from->text().isEmpty());
}

void TestIndicatorAnalysis::startHandsOverTheChosenTextRangeAndName() {
    Management m;
    m.window.show();
    auto* start = m.window.findChild<QPushButton*>(QStringLiteral("b_start"));
    m.window.findChild<QLineEdit*>(QStringLiteral("e_yyzb"))->setText(QStringLiteral("  z_hz "));
    start->click();
    QCOMPARE(m.calls.size(), size_t{1});
    QCOMPARE(m.calls[0].text, std::string("z_hz"));
    QVERIFY(!m.calls[0].typed);
    QCOMPARE(m.calls[0].name, std::string("红号一"));
    // The custom mode analyses its own text with both range boxes filled.
    m.window.findChild<QRadioButton*>(QStringLiteral("rb_selfzb"))->click();
    m.window.findChild<QLineEdit*>(QStringLiteral("e_selfzb"))->setText(QStringLiteral("z_hz%10"));
    m.window.findChild<QLineEdit*>(QStringLiteral("me_zbqzfrom"))->setText(QStringLiteral("9"));
    m.window.findChild<QLineEdit*>(QStringLiteral("me_zbqzto"))->setText(QStringLiteral("0"));
    start->click();
    QCOMPARE(m.calls.size(), size_t{2});
    QCOMPARE(m.calls[1].text, std::string("z_hz%10"));
    QVERIFY(m.calls[1].typed && *m.calls[1].typed == (ValueRange{9, 0}));
    QCOMPARE(m.calls[1].name, std::string("自定义指标"));
    // One box only: no typed range. A failure is shown.
    m.window.findChild<QLineEdit*>(QStringLiteral("me_zbqzto"))->clear();
    m.answer = Status::failure("公式有误:x");
    start->click();
    QVERIFY(!m.calls[2].typed);
    QCOMPARE(m.prompts.informed.value(0), u("公式有误:x"));
    // A box holding only a sign is no number: refused, nothing started.
    m.window.findChild<QLineEdit*>(QStringLiteral("me_zbqzfrom"))->setText(QStringLiteral("-"));
    start->click();
    QCOMPARE(m.calls.size(), size_t{3});
    QCOMPARE(m.prompts.informed.value(1), u("“-”不是有效的整数"));
    m.window.findChild<QPushButton*>(QStringLiteral("b_cancel"))->click();
    QCOMPARE(m.closed, 1);
}

void TestIndicatorAnalysis::viewsAgreeWithAReferenceOnTheRealHistory() {
    Analysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    const int records = a.ws.sjk.RecordCount();
    ViewGrid* signal = a.window.currentGrid();
    QCOMPARE(signal->rowCount(), records);
    int32_t lo = 1000, hi = -1000;
    for (int n = 1; n <= records; ++n) {
        const int32_t* r = a.ws.sjk.record(n);
        const int32_t sum = r[1] + r[2] + r[3] + r[4] + r[5] + r[6];
        lo = std::min(lo, sum);
        hi = std::max(hi, sum);
        QCOMPARE(signal->text(n - 1, 0).toInt(), r[0]);
        QCOMPARE(signal->text(n - 1, 1).toInt(), sum);
    }
    QCOMPARE(a.window.series()->range, (ValueRange{lo, hi}));
    QCOMPARE(a.window.viewStatus(), u("和值的信号图"));

    // The tail of a line sum: (n2 + n1) mod 10, and the tail signal row by the K-line type.
    QVERIFY(a.window.analyse("xh21%10", std::nullopt, "x").ok);
    for (int n = 1; n <= records; ++n) {
        const int32_t* r = a.ws.sjk.record(n);
        QCOMPARE(a.window.series()->values[static_cast<size_t>(n)], (r[1] + r[2]) % 10);
    }

    // Occurrence counts of the first number over the last 100 draws.
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);
    ViewGrid* counts = a.view("出现次数统计图");
    std::map<int, int> expected;
    for (int n = records - 99; n <= records; ++n) ++expected[a.ws.sjk.record(n)[1]];
    for (int v = 1; v <= 33; ++v) {
        QCOMPARE(counts->text(v - 1, 0).toInt(), v);
        QCOMPARE(counts->text(v - 1, 1).toInt(), expected[v]);
    }
    QCOMPARE(counts->text(33, 0), u("共100期"));

    // Omission statistics over the whole history: the hits add up to the records, the value of
    // the last draw has current omission 0, and a value never drawn as first number shows 9999.
    ViewGrid* omission = a.view("遗漏次数统计图");
    int hits = 0;
    for (int r = 0; r < 33; ++r) hits += omission->text(r, 1).toInt();
    QCOMPARE(hits, records);
    const int last = a.ws.sjk.record(records)[1];
    QCOMPARE(omission->text(last - 1, 6), u("0"));
    QCOMPARE(omission->text(32, 1), u("0"));  // 33 is never the smallest of six numbers
    QCOMPARE(omission->text(32, 2), u("9999"));

    // A range of more than 200 values: every value is listed, a value never seen with its 9999s.
    QVERIFY(a.window.analyse("z_hz", ValueRange{0, 300}, "和值").ok);
    ViewGrid* wideCounts = a.view("出现次数统计图");
    QCOMPARE(wideCounts->rowCount(), 301 + 1);
    QCOMPARE(wideCounts->text(5, 0), u("5"));
    QCOMPARE(wideCounts->text(5, 1), u("0"));
    ViewGrid* wideOmission = a.view("遗漏次数统计图");
    QCOMPARE(wideOmission->rowCount(), 301);
    QCOMPARE(wideOmission->text(290, 0), u("290"));
    QCOMPARE(wideOmission->text(290, 2), u("9999"));
    // A typed range: a value below its low end is in the first zone (the sums lie above 21).
    QVERIFY(a.window.analyse("z_hz", ValueRange{100, 130}, "和值").ok);
    a.child<QComboBox>("combo_family")->setCurrentIndex(2);  // zones
    ViewGrid* zoneClasses = a.view("分项统计");
    int below = 0, inFirst = 0;
    for (int n = records - 99; n <= records; ++n) {
        int32_t sum = 0;
        for (int s = 1; s <= 6; ++s) sum += a.ws.sjk.record(n)[s];
        below += sum < 100;
        inFirst += sum <= zoneUpperBounds({100, 130}, 3)[0];  // three zones by default
    }
    QVERIFY(below > 0);
    QCOMPARE(zoneClasses->text(0, 1).toInt(), inFirst);
    a.child<QComboBox>("combo_family")->setCurrentIndex(0);
    QVERIFY(a.window.analyse("z_num1", ValueRange{1, 33}, "红号一").ok);

    // Odd/even classes over the last 100 draws.
    ViewGrid* classes = a.view("分项统计");
    int odd = 0;
    for (int n = records - 99; n <= records; ++n) odd += a.ws.sjk.record(n)[1] % 2;
    QCOMPARE(classes->text(0, 1).toInt(), odd);
    QCOMPARE(classes->text(1, 1).toInt(), 100 - odd);
    QCOMPARE(a.window.viewStatus(), u("红号一的分项统计"));
}

void TestIndicatorAnalysis::aFormulaErrorLeavesThePreviousAnalysis() {
    Analysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    const std::vector<int32_t> before = a.window.series()->values;
    const std::vector<QString> shown = Analysis::column(a.window.currentGrid(), 1);
    const Status failed = a.window.analyse("z_hz+(", std::nullopt, "坏");
    QVERIFY(!failed.ok);
    QVERIFY(QString::fromStdString(failed.message).startsWith(u("公式有误:")));
    QCOMPARE(a.window.series()->caption, std::string("和值"));
    QVERIFY(a.window.series()->values == before);
    QVERIFY(Analysis::column(a.window.currentGrid(), 1) == shown);
}

void TestIndicatorAnalysis::everyViewOpensOnBothGames() {
    // z_num7 of the newest draw 2026096: 七乐彩's seventh number 29; 双色球 has six, its slot 7 holds
    // the blue number 04.
    struct GameCase {
        const char* file;
        GameParams game;
        int32_t newest;
    };
    for (const GameCase& g : {GameCase{"ssq.txt", kSsq, 4}, GameCase{"qlc.txt", kQlc, 29}}) {
        Analysis a(g.file, g.game);
        QVERIFY(a.window.analyse("z_num7", std::nullopt, "七").ok);
        auto* pages = a.window.findChild<QTabWidget*>(QStringLiteral("pc_zbpxz"));
        QCOMPARE(pages->count(), 15);
        const QString value = QString::number(g.newest);
        // The views with a row per draw show the newest one's period and value; the statistics
        // views know the newest value as just drawn.
        const auto rowOf = [](ViewGrid* grid, const QString& first) {
            for (int r = grid->rowCount() - 1; r >= 0; --r)
                if (grid->text(r, 0) == first) return r;
            return -1;
        };
        for (int p = 0; p < pages->count(); ++p) {
            pages->setCurrentIndex(p);
            ViewGrid* grid = a.window.currentGrid();
            const QString caption = pages->tabText(p);
            QVERIFY2(grid->rowCount() > 0, qPrintable(caption));
            if (caption == u("出现次数统计图") || caption == u("遗漏次数统计图")) {
                const int row = rowOf(grid, value);
                QVERIFY2(row >= 0, qPrintable(caption));
                if (caption == u("出现次数统计图"))
                    QVERIFY(grid->text(row, 1).toInt() >= 1);
                else
                    QCOMPARE(grid->text(row, 6), u("0"));  // 本次遗漏
            } else if (caption == u("分项统计")) {
                QCOMPARE(grid->text(grid->rowCount() - 1, 0), u("共100期"));
            } else if (caption == u("按期数分段走势")) {
                QCOMPARE(grid->text(grid->rowCount() - 1, 1), u("2026096"));
            } else if (caption == u("单个取值遗漏走势")) {
                QVERIFY2(rowOf(grid, u("2026096")) < 0 || a.child<QComboBox>("combo_value")->currentText() == value,
                         qPrintable(caption));
            } else {
                const int row = rowOf(grid, u("2026096"));
                QVERIFY2(row >= 0, qPrintable(caption));
                if (caption == u("数据分布图")) {
                    for (int c = 1; c < grid->columnCount(); ++c)
                        if (grid->headerText(c) == value) QCOMPARE(grid->text(row, c), value);
                } else if (caption != u("遗漏值走势")) {
                    QCOMPARE(grid->text(row, 1), value);
                }
            }
        }
        // Every K-line type and signal type of the signal chart.
        pages->setCurrentIndex(0);
        auto* kline = a.child<QComboBox>("combo_kline");
        auto* signal = a.child<QComboBox>("combo_signal");
        for (int k = 0; k < kline->count(); ++k)
            for (int s = 0; s < signal->count(); ++s) {
                kline->setCurrentIndex(k);
                signal->setCurrentIndex(s);
                QCOMPARE(a.window.currentGrid()->rowCount(), a.ws.sjk.RecordCount());
            }
    }
}

// Every view after the history changed under the analysis without a word to the window (as
// "将选号导入到预测区" of another window does): the rows of each view are its series' records, the
// 预测区 row shows the value of the new prediction record, and a removed record leaves no row.
void TestIndicatorAnalysis::viewsFollowAChangedHistory() {
    // The views, the column of their value (-1: none), and whether they end on the newest record
    // with its period (the statistics views count real draws only).
    struct ViewCase {
        const char* caption;
        int valueColumn;
        bool perRecord;
    };
    const ViewCase views[] = {
        {"信号图", 1, true},           {"特性图表", 1, true},        {"均值走势图", 1, true},
        {"遗漏分布图表", -1, false},   {"数据分布图", -1, true},     {"田野走势图", 1, true},
        {"分项统计", -1, false},       {"出现次数统计图", -1, false}, {"遗漏次数统计图", -1, false},
        {"按期数分段走势", -1, false}, {"遗漏值走势", -1, true},     {"单个取值遗漏走势", -1, false},
        {"余数走势图", 1, true},       {"特征图", 1, true},          {"变化量及尾数图", 1, true}};
    const auto sumOf = [](const int32_t* r) { return r[1] + r[2] + r[3] + r[4] + r[5] + r[6]; };
    // The last row of a view that ends on the newest record, its period and its value.
    // (特性图表 puts its selection row "选号区" after the draws, before the prediction record.)
    const auto newestRow = [](ViewGrid* grid) {
        const int last = grid->rowCount() - 1;
        return grid->text(last, 0) == u("选号区") ? last - 1 : last;
    };
    const auto periodShown = [](const QString& text) {
        return text == u("预测区") ? kPredictionPeriod : text.toInt();
    };
    // Reads every view and checks its newest row against the record `newest` of the history.
    const auto checkViews = [&](Analysis& a, int newest, int32_t value) {
        for (const ViewCase& v : views) {
            ViewGrid* grid = a.view(v.caption);
            QVERIFY2(a.window.series() && a.window.series()->count() == a.ws.sjk.RecordCount(), v.caption);
            QVERIFY2(grid->rowCount() > 0, v.caption);
            if (!v.perRecord) continue;
            const int row = newestRow(grid);
            QVERIFY2(periodShown(grid->text(row, 0)) == a.ws.sjk.record(newest)[0],
                     qPrintable(QString::fromUtf8(v.caption) + u(": ") + grid->text(row, 0)));
            if (v.valueColumn >= 0)
                QVERIFY2(grid->text(row, v.valueColumn) == QString::number(value),
                         qPrintable(QString::fromUtf8(v.caption) + u(": ") + grid->text(row, v.valueColumn)));
        }
        // The distribution layout marks the value in its column; the per-record views have a row
        // per record.
        ViewGrid* layout = a.view("数据分布图");
        for (int c = 1; c < layout->columnCount(); ++c)
            QCOMPARE(layout->text(newestRow(layout), c), layout->headerText(c) == QString::number(value)
                                                             ? QString::number(value)
                                                             : QString());
        for (const char* caption : {"信号图", "均值走势图", "遗漏值走势", "余数走势图", "特征图", "变化量及尾数图"})
            QCOMPARE(a.view(caption)->rowCount(), a.ws.sjk.RecordCount());
    };

    Analysis a;
    a.child<QLineEdit>("e_min")->setText(u("20"));
    a.child<QLineEdit>("e_max")->setText(u("119"));
    auto* occurrence = a.child<QComboBox>("combo_value");
    const auto chooseOccurrence = [&](int32_t value) {
        a.view("单个取值遗漏走势");
        const int at = occurrence->findText(QString::number(value));
        QVERIFY(at >= 0);
        occurrence->setCurrentIndex(at);
        Q_EMIT occurrence->activated(at);
    };
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    const int draws = a.ws.sjk.RecordCount();
    for (const ViewCase& v : views) a.view(v.caption);  // every view computed on the draws alone
    chooseOccurrence(57);
    a.view("信号图");

    // The prediction record 02 05 08 11 14 17 (sum 57) while the window is hidden: shown again, the
    // current view has its row at once.
    a.window.hide();
    NumberFlags selection{};
    for (int n : {2, 5, 8, 11, 14, 17}) selection[static_cast<size_t>(n)] = true;
    QVERIFY(putSelectionIntoPrediction(a.ws.sjk, a.ws.game, selection).ok);
    QCOMPARE(a.ws.sjk.RecordCount(), draws + 1);
    a.window.show();
    QCOMPARE(a.window.currentGrid()->rowCount(), draws + 1);  // (compared first: a failure ends the test)
    QCOMPARE(a.window.currentGrid()->text(draws, 1), u("57"));
    checkViews(a, draws + 1, 57);
    if (QTest::currentTestFailed()) return;  // the rows read below may not be there
    QCOMPARE(a.view("余数走势图")->text(draws, 2), u("0"));      // 57 mod 3
    QCOMPARE(a.view("变化量及尾数图")->text(draws, 3), u("7"));  // its tail
    // The omission of 57 at the prediction record: the draws since the last draw summing to 57.
    int since = 0;
    for (int n = draws; n >= 1 && sumOf(a.ws.sjk.record(n)) != 57; --n) ++since;
    ViewGrid* occurrences = a.view("单个取值遗漏走势");
    QCOMPARE(occurrences->text(newestRow(occurrences), 0), u("预测区"));
    QCOMPARE(occurrences->text(newestRow(occurrences), 1), QString::number(since));
    // The statistics views count the draws, not the prediction record.
    ViewGrid* omission = a.view("遗漏次数统计图");
    int hits = 0;
    for (int r = 0; r < omission->rowCount(); ++r) hits += omission->text(r, 1).toInt();
    QCOMPARE(hits, draws);

    // "清除预测区" under a series analysed with the prediction record: no view reaches past the
    // history's records, each ends on the newest draw.
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    QCOMPARE(a.window.series()->count(), draws + 1);
    for (const ViewCase& v : views) a.view(v.caption);
    removePrediction(a.ws.sjk);
    QCOMPARE(a.ws.sjk.RecordCount(), draws);
    checkViews(a, draws, sumOf(a.ws.sjk.record(draws)));
    if (QTest::currentTestFailed()) return;
    occurrences = a.view("单个取值遗漏走势");
    QVERIFY(!Analysis::column(occurrences, 0).empty());
    for (const QString& period : Analysis::column(occurrences, 0)) QVERIFY(period != u("预测区"));

    // A series handed in by another view cannot be computed again: the views are cleared.
    AnalysisSeries handed;
    handed.values.assign(static_cast<size_t>(draws) + 1, 1);
    handed.range = {0, 4};
    handed.caption = "派生";
    a.window.openAnalysis(handed, false);
    a.window.hide();  // another page is on show while the prediction record is edited
    QVERIFY(putSelectionIntoPrediction(a.ws.sjk, a.ws.game, selection).ok);
    a.window.show();
    for (const ViewCase& v : views) QVERIFY2(a.view(v.caption)->rowCount() == 0, v.caption);
    QVERIFY(!a.window.series());
}

void TestIndicatorAnalysis::exportWritesOneLinePerRecord() {
    Analysis a;
    QVERIFY(a.window.analyse("z_hz", std::nullopt, "和值").ok);
    a.files.names.push_back(a.folder.qfile("values"));
    a.view("均值走势图");
    a.child<QPushButton>("b_export")->click();
    QCOMPARE(a.files.titles.value(0), u("导出指标值"));
    QFile file(a.folder.qfile("values.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), a.ws.sjk.RecordCount() + 1);  // the last line end leaves an empty tail
    const int32_t* r = a.ws.sjk.record(1);
    QCOMPARE(lines[0],
             QByteArray::number(r[0]) + "    " + QByteArray::number(r[1] + r[2] + r[3] + r[4] + r[5] + r[6]) + "\r");
}

void TestIndicatorAnalysis::mainWindowStartsAndShowsTheAnalysis() {
    ProgramFolder folder(true);
    Workspace ws(folder.path());
    FakePrompts prompts;
    test::FakeShell shell;
    FakeFileChooser files;
    Tf_main main(ws, {prompts, shell, folder.settings, files});
    main.show();
    QTRY_VERIFY(main.startupDone());
    main.command("n_zbpx")->trigger();
    auto* management = main.pageWindow<Tf_zbpx>(PageId::zbpx);
    auto* analysis = main.pageWindow<Tf_zbpxz>(PageId::zbpxz);
    QVERIFY(management && analysis);
    management->findChild<QLineEdit*>(QStringLiteral("e_yyzb"))->setText(QStringLiteral("z_hz"));
    management->findChild<QLineEdit*>(QStringLiteral("e_zbmm"))->setText(QStringLiteral("和值"));
    management->findChild<QPushButton*>(QStringLiteral("b_start"))->click();
    QVERIFY(main.visibleTabCaptions().contains(u("指标剖析")));
    QCOMPARE(main.pageControl()->currentWidget(), main.page(PageId::zbpxz));
    QCOMPARE(main.statusText(), u("和值的信号图"));
    // "蓝号分析": f_num1 over 1..16, the page captioned for it.
    QVERIFY(main.command("n_bluefxd")->isEnabled());
    main.command("n_bluefxd")->trigger();
    QCOMPARE(analysis->series()->range, (ValueRange{1, 16}));
    QCOMPARE(analysis->series()->caption, std::string("蓝号"));
    QVERIFY(main.visibleTabCaptions().contains(u("蓝号分析")));
    // A formula error is reported and the blue analysis stays.
    main.openPage(PageId::zbpx);
    management->findChild<QLineEdit*>(QStringLiteral("e_yyzb"))->setText(QStringLiteral("z_hz+("));
    management->findChild<QPushButton*>(QStringLiteral("b_start"))->click();
    QVERIFY(prompts.informed.value(prompts.informed.size() - 1).startsWith(u("公式有误:")));
    QCOMPARE(analysis->series()->caption, std::string("蓝号"));
    // A game without secondary numbers has no "蓝号分析"; the old series is dropped with the type.
    ws.types.cpstyles[3].hasspec = 0;
    ws.curcp = 3;
    main.applyTypeSwitch(0);
    QCOMPARE(ws.curcp, 3);
    QVERIFY(!main.command("n_bluefxd")->isEnabled());
    QVERIFY(!analysis->series());
}

QTEST_MAIN(TestIndicatorAnalysis)
#include "test_f_zbpx.moc"
