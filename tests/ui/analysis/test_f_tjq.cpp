// The statistics area "统计区" on the real histories of four games and on awkward ones.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "analysis/statsarea.h"
#include "core/drawtext.h"
#include "core/workspace.h"
#include "support/uifixture.h"
#include "ui/analysis/f_tjq.h"
#include "ui/charts/barchart.h"
#include "ui/formula/f_coldhotset.h"

using namespace lottodesk;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct Game {
    const char* file;
    GameParams game;
};

const Game kGames[] = {
    {"ssq.txt", {6, 1, 33, 1, 1, 16, true}},
    {"dlt.txt", {5, 1, 35, 2, 1, 12, true}},
    {"qlc.txt", {7, 1, 30, 1, 1, 30, true}},
    {"lotto649.txt", {6, 1, 49, 1, 1, 49, true}},
};

// A window over the seeded 双色球 folder.
struct StatsWindow {
    StatsWindow() : ws(folder.path()) {
        initialiseWorkspace(ws, folder.settings);
        window.setDialogRunner([this](QDialog& dialog) {
            if (auto* settings = qobject_cast<Tf_coldhotset*>(&dialog)) settings->fill(50, 3, 9);
            return answer;
        });
        window.resize(1000, 700);
        window.show();
    }
    // Replaces the history with a sample game's draws (in memory) and tells the window.
    void useGame(const Game& g) {
        ws.game = g.game;
        ws.partitions.rebuild(g.game.zh_to);
        ws.sjk.Clear(false);
        for (const DrawRecord& record :
             parseDrawText(test::readFile(test::samplePath(g.file)), g.game.zhgs + g.game.fhgs).records) {
            ws.sjk.Append();
            ws.sjk.setRecord(ws.sjk.RecNo(), record);
        }
        window.typeChanged();
    }
    template <class T>
    T* child(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    int64_t hitTotal(bool secondary) const {
        int64_t total = 0;
        const StatsResult& r = window.result();
        for (const NumberStat& s : (secondary ? r.secondary : r.main).byNumber) total += s.hits;
        return total;
    }

    test::ProgramFolder folder{true};
    Workspace ws;
    test::FakePrompts prompts;
    int answer = QDialog::Accepted;
    Tf_tjq window{ws, prompts, folder.settings};
};

}  // namespace

class TestStatisticsArea : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnTheLastHundredDraws() {
        StatsWindow w;
        const StatsResult& r = w.window.result();
        QCOMPARE(r.window.count, 100);
        QCOMPARE(r.main.byNumber.size(), size_t(33));
        QCOMPARE(r.secondary.byNumber.size(), size_t(16));
        QCOMPARE(w.hitTotal(false), 600);
        QCOMPARE(w.hitTotal(true), 100);
        QCOMPARE(w.window.barChart()->data().slotLabels.size(), size_t(33));
        QVERIFY(w.window.coldHotLine(false).startsWith(u("红码冷号:")));
        QVERIFY(w.window.coldHotLine(true).startsWith(u("蓝码冷号:")));
        const QStringList page1 = w.window.pageLines(1);
        QVERIFY(page1.filter(u("奇数个数:")).size() == 1);
        QVERIFY(page1.filter(u("7个质数:")).isEmpty());  // only for seven-number games
        // Ordering by hits: the least drawn first, ties in number order.
        w.child<QRadioButton>("rb_aappcs")->setChecked(true);
        const std::vector<int32_t>& labels = w.window.barChart()->data().slotLabels;
        const std::vector<int32_t>& hits = w.window.barChart()->data().first;
        for (size_t i = 1; i < labels.size(); ++i) {
            QVERIFY(hits[i - 1] <= hits[i]);
            if (hits[i - 1] == hits[i]) QVERIFY(labels[i - 1] < labels[i]);
        }
    }

    // Run with -iterations N to time a statistics run over every draw with the page painted.
    void aRunOverTheWholeHistoryAndItsPaint() {
        StatsWindow w;
        w.child<QComboBox>("combo_fxtj_nearqs")
            ->setCurrentIndex(w.child<QComboBox>("combo_fxtj_nearqs")->findText(u("所有")));
        QImage image(w.window.size(), QImage::Format_ARGB32_Premultiplied);
        QComboBox* count = w.child<QComboBox>("combo_fxtj_nearqs");
        bool all = true;
        QBENCHMARK {
            // Another window, as a slider step gives: new options, so the run is computed.
            all = !all;
            count->setEditText(all ? u("所有") : u("3492"));
            w.window.runStatistics();
            w.window.render(&image);
        }
        // The last run's window: every one of the 3493 draws, or the newest 3492; six numbers each.
        QCOMPARE(w.window.result().window.count, all ? 3493 : 3492);
        int hits = 0;
        for (int32_t h : w.window.barChart()->data().first) hits += h;
        QCOMPARE(hits, 6 * w.window.result().window.count);
    }

    void theSliderComputesOnlyWhereItRests() {
        StatsWindow w;
        QScrollBar* slider = w.child<QScrollBar>("sb_fxtj");
        QCOMPARE(slider->maximum(), 3493);
        for (int n : {7, 20, 33}) slider->setValue(n);
        QCOMPARE(w.window.result().window.count, 100);  // nothing computed yet
        QTRY_COMPARE(w.window.result().window.count, 33);
        QCOMPARE(w.child<QComboBox>("combo_fxtj_nearqs")->currentText(), u("33"));
        w.child<QComboBox>("combo_fxtj_nearqs")
            ->setCurrentIndex(w.child<QComboBox>("combo_fxtj_nearqs")->findText(u("所有")));
        QTRY_COMPARE(w.window.result().window.count, 3493);
        QCOMPARE(slider->value(), 3493);
    }

    void customWindowsAndTheirCaption() {
        StatsWindow w;
        w.child<QRadioButton>("rb_fxtj_self")->setChecked(true);
        QComboBox* from = w.child<QComboBox>("cb_fxtj_from");
        QComboBox* to = w.child<QComboBox>("cb_fxtj_to");
        QCOMPARE(to->currentText(), u("2026096"));
        QCOMPARE(from->currentIndex(), from->count() - 100);
        QTRY_COMPARE(w.child<QLabel>("l_tjq")->text(), u("共100期"));
        from->setCurrentIndex(to->currentIndex());
        QTRY_COMPARE(w.child<QLabel>("l_tjq")->text(), u("共1期"));
        QCOMPARE(w.hitTotal(false), 6);
        // "to" before "from": an empty window completes with blanks, no message.
        from->setCurrentIndex(to->count() - 1);
        to->setCurrentIndex(0);
        QTRY_COMPARE(w.child<QLabel>("l_tjq")->text(), u("共0期"));
        QVERIFY(w.prompts.informed.isEmpty());
        for (const QString& line : w.window.pageLines(1))
            if (line.startsWith(u("奇数个数:"))) QCOMPARE(line, u("奇数个数:\t0\t"));
    }

    void everyGameShape() {
        StatsWindow w;
        for (const Game& g : kGames) {
            w.useGame(g);
            w.window.runStatistics();
            const StatsResult& r = w.window.result();
            QCOMPARE(int(r.main.byNumber.size()), g.game.zh_to);
            QCOMPARE(int(r.secondary.byNumber.size()), g.game.spec_to);
            QCOMPARE(w.hitTotal(false), 100 * g.game.zhgs);
            QCOMPARE(w.window.pageLines(1).filter(u("7个质数:")).size(), g.game.zhgs == 7 ? 1 : 0);
        }
    }

    void anEmptyHistory() {
        StatsWindow w;
        w.ws.sjk.Clear(false);
        w.window.typeChanged();
        w.window.runStatistics();
        QCOMPARE(w.window.result().window.count, 0);
        QVERIFY(w.prompts.informed.isEmpty());
    }

    void aCountThatIsNotANumber() {
        StatsWindow w;
        w.child<QComboBox>("combo_fxtj_nearqs")->setEditText(u("abc"));
        w.window.runStatistics();
        QCOMPARE(w.prompts.informed, QStringList{u("“abc”不是有效的整数")});
        QCOMPARE(w.window.result().window.count, 100);  // the last run stays
    }

    void coldHotSettingsAreStoredAndApplied() {
        StatsWindow w;
        w.answer = QDialog::Rejected;
        w.window.changeColdHotSettings(false);
        QCOMPARE(w.ws.settings.qs, 30);
        w.answer = QDialog::Accepted;
        w.window.changeColdHotSettings(true);
        QCOMPARE(w.ws.settings.f_qs, 50);
        QCOMPARE(w.ws.settings.f_coldcs, 3);
        QCOMPARE(w.ws.settings.f_hotcs, 9);
        QCOMPARE(w.folder.settings.readInt("f_qs"), std::optional<int>(50));
        QCOMPARE(w.ws.settings.qs, 30);  // the other zone is untouched
    }
};

QTEST_MAIN(TestStatisticsArea)
#include "test_f_tjq.moc"
