// The home page of the main window: the last 30 draws as balls, the current omission of every
// number and the next period, on the real 双色球 and 大乐透 histories.
#include <QDate>
#include <QLabel>
#include <QtTest>

#include "analysis/homesummary.h"
#include "analysis/omission.h"
#include "core/workspace.h"
#include "ui/charts/cellgrid.h"
#include "ui/common/cellpictures.h"
#include "ui/shell/main_homepanel.h"
#include "support/uifixture.h"

using namespace lottodesk;

namespace {

struct Home {
    explicit Home(bool seed = true) : folder(seed), ws(folder.path()) {
        initialiseWorkspace(ws, folder.settings);
        pictures.load(QString::fromStdString(ws.folder));
        panel.resize(1000, 620);
        panel.show();
    }
    QString label(const char* name) { return panel.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    const CellTable& recent() const { return panel.recentGrid()->gridModel()->table(); }
    const CellTable& omission() const { return panel.omissionGrid()->gridModel()->table(); }
    // The omission shown under the ball of `number` in the rows titled `zone`.
    int32_t omissionOf(const QString& zone, int number) const {
        const CellTable& t = omission();
        for (int r = 0; r + 1 < t.rows; ++r)
            for (int c = 0; c < t.columns; ++c)
                if (t.rowTitles[r] == zone && t.at(r, c) == number) return t.at(r + 1, c);
        return -1;
    }

    test::ProgramFolder folder;
    Workspace ws;
    CellPictures pictures;
    HomePanel panel{ws, pictures};
};

}  // namespace

class TestHomePanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheLastDrawsAsBalls();
    void showsTheOmissionOfEveryNumber();
    void followsATypeSwitch();
    void anEmptyHistorySaysSo();
};

void TestHomePanel::showsTheLastDrawsAsBalls() {
    Home h;
    const t_s_dm& sjk = h.ws.sjk;
    const int32_t* newest = sjk.record(sjk.RecordCount());
    QCOMPARE(h.label("l_game"), QStringLiteral("双色球"));
    QCOMPARE(h.label("l_shape"), QStringLiteral("红号 1..33 选 6 个，蓝号 1..16 选 1 个"));
    QCOMPARE(h.label("l_period"), QStringLiteral("最新一期 %1（共 %2 期）　下一期 %3")
                                      .arg(newest[0])
                                      .arg(sjk.RecordCount())
                                      .arg(nextPeriod(newest[0], QDate::currentDate().year())));

    const CellTable& t = h.recent();
    QCOMPARE(t.rows, 30);
    QCOMPARE(t.columns, 7);
    QCOMPARE(t.rowTitles.back(), QString::number(newest[0]));
    QCOMPARE(t.rowTitles.front(), QString::number(sjk.record(sjk.RecordCount() - 29)[0]));
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(t.at(29, c), newest[c + 1]);
        QCOMPARE(t.looks[29 * 7 + c], (CellLook{2, uint8_t(c < 6 ? 0 : 1), true}));
    }
    // The newest draw is in view; the grid is as wide as its balls and leaves room for the omissions.
    QVERIFY(h.panel.recentGrid()->isVisible());
    const QRect lastCell = h.panel.recentGrid()->visualRect(h.panel.recentGrid()->gridModel()->index(29, 6));
    QVERIFY(h.panel.recentGrid()->viewport()->rect().contains(lastCell));
    QVERIFY(h.panel.recentGrid()->width() + h.panel.omissionGrid()->width() < 1000 - 64);
}

void TestHomePanel::showsTheOmissionOfEveryNumber() {
    Home h;
    const DrawHistory history = DrawHistory::of(h.ws.sjk);
    const int end = h.ws.sjk.RecordCount();
    const std::vector<int32_t> red = omissionsBefore(history, end, 1, 6, 1, 33);
    const std::vector<int32_t> blue = omissionsBefore(history, end, 7, 1, 1, 16);
    for (int n = 1; n <= 33; ++n) QCOMPARE(h.omissionOf(QStringLiteral("红号"), n), red[n - 1]);
    for (int n = 1; n <= 16; ++n) QCOMPARE(h.omissionOf(QStringLiteral("蓝号"), n), blue[n - 1]);
    // The numbers of the newest draw have just come out.
    for (int s = 1; s <= 6; ++s) QCOMPARE(h.omissionOf(QStringLiteral("红号"), h.ws.sjk.record(end)[s]), 0);
    QCOMPARE(h.omission().rows, 8 + 4);  // 33 red in rows of ten, 16 blue: each with its omission row
    QCOMPARE(h.omission().rowTitles[1], QStringLiteral("遗漏"));
}

void TestHomePanel::followsATypeSwitch() {
    Home h;
    h.ws.curcp = 1;
    QVERIFY(switchLotteryType(h.ws, 0));
    h.panel.refresh();
    QCOMPARE(h.label("l_game"), QStringLiteral("超级大乐透"));
    QCOMPARE(h.recent().columns, 7);
    QCOMPARE(h.recent().looks[5].frame, uint8_t(1));  // the first of the two secondary numbers
    const std::vector<int32_t> secondary =
        omissionsBefore(DrawHistory::of(h.ws.sjk), h.ws.sjk.RecordCount(), 6, 2, 1, 12);
    for (int n = 1; n <= 12; ++n) QCOMPARE(h.omissionOf(QStringLiteral("副号"), n), secondary[n - 1]);
    QCOMPARE(h.omissionOf(QStringLiteral("主号"), 36), -1);  // only the game's numbers
}

void TestHomePanel::anEmptyHistorySaysSo() {
    Home h(false);
    h.ws.sjk.Clear(false);  // in memory only
    h.panel.refresh();
    QCOMPARE(h.label("l_period"), QStringLiteral("暂无开奖数据"));
    QVERIFY(!h.panel.recentGrid()->isVisible());
    QVERIFY(!h.panel.omissionGrid()->isVisible());
}

QTEST_MAIN(TestHomePanel)
#include "test_main_homepanel.moc"
