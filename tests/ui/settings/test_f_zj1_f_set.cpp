// The component dialog and the settings page.
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QCheckBox>
#include <QSpinBox>
#include <QtTest>

#include "core/settings.h"
#include "core/usersettings.h"
#include "core/workspace.h"
#include "ui/settings/f_set.h"
#include "ui/settings/f_zj1.h"
#include "formula/shapenames.h"
#include "indicators/zoneexplain.h"
#include "support/uifixture.h"

using namespace lottodesk;

namespace {

QStringList names(const QListWidget* list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row) result << list->item(row)->text();
    return result;
}

}  // namespace

class TestComponentsAndSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void componentDialogMovesGroupsAndRebuildsTheTable();
    void theLastGroupInUseStays();
    void settingsPageFollowsTheCurrentPartitions();
    void settingsPageKeepsThePricePerTicket();
    void settingsPageListsTheShapeValues();
    void settingsStoreKeepsValuesBetweenStarts();
    void userSettingsTakeOverTheOlderFileOnce();
    void engineReadsWhatTheDesktopWrote();
};

void TestComponentsAndSettings::componentDialogMovesGroupsAndRebuildsTheTable() {
    test::TempFolder home;
    Workspace ws(home.path());
    Tf_zj1 dialog(ws);
    dialog.show();
    QCOMPARE(names(dialog.usedList()).size(), 8);
    QCOMPARE(names(dialog.availableList()).size(), 22);
    QCOMPARE(dialog.usedList()->currentRow(), 0);
    QCOMPARE(dialog.availableList()->currentRow(), 0);

    // Keep only "尾号", then add "十五区".
    for (int i = 0; i < 7; ++i) {
        dialog.usedList()->setCurrentRow(1);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("b_unuse")), Qt::LeftButton);
    }
    QCOMPARE(names(dialog.usedList()), QStringList{QStringLiteral("尾号")});
    dialog.availableList()->setCurrentRow(names(dialog.availableList()).indexOf(QStringLiteral("十五区")));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("b_use")), Qt::LeftButton);
    QCOMPARE(dialog.availableList()->currentRow(), 0);
    QCOMPARE(names(dialog.usedList()), (QStringList{QStringLiteral("尾号"), QStringLiteral("十五区")}));

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("b_close")), Qt::LeftButton);
    QCOMPARE(int(ws.components.count), 2);
    QVERIFY(ws.components.items[0] == (tzj_list_items{"尾号", 10, 1}));
    QVERIFY(ws.components.items[1] == (tzj_list_items{"十五区", 15, 11}));
}

void TestComponentsAndSettings::theLastGroupInUseStays() {
    test::TempFolder home;
    Workspace ws(home.path());
    Tf_zj1 dialog(ws);
    dialog.show();
    for (int i = 0; i < 10; ++i) dialog.unuseSelected();
    QCOMPARE(dialog.usedList()->count(), 1);
    dialog.close();  // the close box rebuilds the table too
    QCOMPARE(int(ws.components.count), 1);
}

void TestComponentsAndSettings::settingsPageFollowsTheCurrentPartitions() {
    test::TempFolder home;
    Workspace ws(home.path());
    ws.partitions.rebuild(33);
    Tf_set page(ws, nullptr);
    page.show();
    QCOMPARE(page.zonePartitionText(), QString::fromStdString(zonePartitionText(ws.partitions)));
    ws.partitions.rebuild(35);
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("b_refresh")), Qt::LeftButton);
    QVERIFY(
        page.zonePartitionText().contains(QStringLiteral("一区<1..11>          二区<12..23>          三区<24..35>")));
}

// "投注金额": the price per ticket and the add-on reach the workspace and the settings store at once.
void TestComponentsAndSettings::settingsPageKeepsThePricePerTicket() {
    test::TempFolder home;
    Workspace ws(home.path());
    MemorySettings settings;
    Tf_set page(ws, &settings);
    page.show();
    auto* pages = page.findChild<QTabWidget*>(QStringLiteral("pc_set"));
    QCOMPARE(pages->tabText(2), QStringLiteral("投注金额"));
    auto* price = page.findChild<QSpinBox*>(QStringLiteral("sb_price"));
    QCOMPARE(price->value(), 2);
    price->setValue(5);
    page.findChild<QCheckBox*>(QStringLiteral("cb_addon"))->setChecked(true);
    QCOMPARE(ws.price, (TicketPrice{5, true}));
    QCOMPARE(loadTicketPrice(settings), (TicketPrice{5, true}));
}

void TestComponentsAndSettings::settingsPageListsTheShapeValues() {
    test::TempFolder home;
    Workspace ws(home.path());
    Tf_set page(ws, nullptr);
    page.show();
    auto* pages = page.findChild<QTabWidget*>(QStringLiteral("pc_set"));
    QVERIFY(pages);
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->tabText(1), QStringLiteral("形态取值说明"));
    QVERIFY(page.shapeValuesText().isEmpty());  // generated when its page is shown
    pages->setCurrentIndex(1);
    QCOMPARE(page.shapeValuesText(), QString::fromStdString(shapeValuesText()));
    const QStringList lines = page.shapeValuesText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 35);
    QCOMPARE(lines[0], QStringLiteral("两个指标组合的单选形态"));
    QCOMPARE(lines[1], QStringLiteral("      0=  偶偶      1=  偶奇      2=  奇偶      3=  奇奇"));
    QCOMPARE(lines[8], QString());
    QCOMPARE(lines[9], QStringLiteral("两个指标组合的组选形态"));
    QCOMPARE(lines[18], QStringLiteral("三个指标组合的单选形态"));
    QCOMPARE(lines[27], QStringLiteral("三个指标组合的组选形态"));
    QVERIFY(lines[34].endsWith(QStringLiteral("9=  三传")));
    pages->setCurrentIndex(0);
    QVERIFY(page.zonePartitionText().startsWith(QStringLiteral("(二区的分区设定)")));
}

void TestComponentsAndSettings::settingsStoreKeepsValuesBetweenStarts() {
    test::TempFolder home;
    const QString path = QString::fromStdString(home.file("settings.ini"));
    {
        QtSettingsStore store(path);
        QCOMPARE(loadColdHotSettings(store), ColdHotSettings{});
        store.writeInt("hotcs", 9);
        store.writeString("inform", "欢迎");
    }
    QtSettingsStore again(path);
    ColdHotSettings expected;
    expected.hotcs = 9;
    QCOMPARE(loadColdHotSettings(again), expected);
    QCOMPARE(again.readString("inform"), std::optional<std::string>("欢迎"));
    again.settings().setValue(QStringLiteral("qs"), QStringLiteral("not a number"));
    QCOMPARE(loadColdHotSettings(again).qs, 30);  // a damaged value is replaced by the default
}

// The user's own store (not a test file) under a temporary configuration folder: the values of the
// file of the older name move to "lottodesk/lottodesk.conf" at the first start, and only then.
void TestComponentsAndSettings::userSettingsTakeOverTheOlderFileOnce() {
    test::TempFolder config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(config.path()));
    {
        QSettings legacy(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("duvuzizezid"));
        legacy.setValue(QStringLiteral("qs"), 12);
        legacy.setValue(QStringLiteral("dataserver"), QStringLiteral("http://a.example/x, y"));
    }
    QVERIFY(QFileInfo::exists(QString::fromStdString(config.file("duvuzizezid.conf"))));
    {
        QtSettingsStore store;
        QCOMPARE(store.settings().fileName(), QString::fromStdString(config.file("lottodesk/lottodesk.conf")));
        QCOMPARE(store.readInt("qs"), std::optional<int>(12));
        QCOMPARE(store.readString("dataserver"), std::optional<std::string>("http://a.example/x, y"));
        store.writeInt("qs", 20);
    }
    {
        QSettings legacy(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("duvuzizezid"));
        legacy.setValue(QStringLiteral("qs"), 5);
    }
    QtSettingsStore again;
    QCOMPARE(again.readInt("qs"), std::optional<int>(20));  // the new file is the store from now on
    QVERIFY(QFileInfo::exists(QString::fromStdString(config.file("duvuzizezid.conf"))));  // left as it was
}

// The command line reads the desktop program's settings file without Qt: every value the desktop
// program writes reads back the same.
void TestComponentsAndSettings::engineReadsWhatTheDesktopWrote() {
    test::TempFolder config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(config.path()));
    const std::pair<const char*, int> numbers[] = {{"qs", 12}, {"coldcs", 0}, {"hotcs", -3}, {"f_qs", 2147483647}};
    const std::pair<const char*, const char*> texts[] = {
        {"inform", "第一行\n第二行 \"引号\" \\ 反斜杠; a=b, c"},
        {"downloadie", "http://a.example/1$http://b.example/2$"},
        {"drawsource0", "cwl=http://127.0.0.1:8080"},
        {"at", "@开头"},
        {"blanks", "  two blanks  "},
        {"empty", ""},
    };
    {
        QtSettingsStore store;
        for (auto [name, value] : numbers) store.writeInt(name, value);
        for (auto [name, value] : texts) store.writeString(name, value);
    }
    UserSettings engine = UserSettings::fromFile(config.file("lottodesk/lottodesk.conf"));
    for (auto [name, value] : numbers) QCOMPARE(engine.readInt(name), std::optional<int>(value));
    for (auto [name, value] : texts) QCOMPARE(engine.readString(name), std::optional<std::string>(value));
    ColdHotSettings expected{12, 0, -3, 2147483647, 0, 2};
    QCOMPARE(loadColdHotSettings(engine), expected);
}

QTEST_MAIN(TestComponentsAndSettings)
#include "test_f_zj1_f_set.moc"
