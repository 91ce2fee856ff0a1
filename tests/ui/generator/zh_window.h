#pragma once
// The generator window on the seeded 双色球 history, with fakes for its dialogs, prompts and files,
// and the ways a user drives it; shared by the generator window tests.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <deque>
#include <memory>

#include "core/datatransform.h"
#include "core/gbk.h"
#include "core/workspace.h"
#include "ui/formula/f_fzsr.h"
#include "ui/generator/f_zh.h"
#include "generator/condfile.h"
#include "generator/conditioncatalogue.h"
#include "generator/resultfile.h"
#include "ui/generator/zh_custompage.h"
#include "ui/generator/zh_dialogs.h"
#include "ui/generator/zh_grouppage.h"
#include "ui/generator/zh_mainpage.h"
#include "indicators/context.h"
#include "indicators/seriesmemo.h"
#include "support/uifixture.h"
#include "ui/generator/zh_catalogue.h"
#include "ui/generator/zh_conditionmenu.h"
#include "ui/generator/zh_custompage.h"
#include "ui/generator/zh_grouppage.h"
#include "ui/generator/zh_mainpage.h"
#include "ui/generator/zh_resultmodel.h"
#include "ui/generator/zh_results.h"

namespace lottodesk::test {

inline QString u(const char* text) { return QString::fromUtf8(text); }

constexpr int kAllTickets = 1107568;  // C(33, 6)
constexpr long long kConditionFileSize = 11828674;
constexpr int kRunTimeout = 120000;

inline std::string fixture(const char* name) { return std::string(LOTTODESK_TEST_DATA_DIR) + "/" + name; }

// Answers the generator's dialogs with queued answers (cancel when none is queued) and records
// what they were asked.
class FakeDialogs : public GeneratorDialogs {
public:
    std::optional<std::vector<int32_t>> chooseValues(QWidget*, const ValueChoice& choice) override {
        choices.push_back(choice);
        return next(values);
    }
    std::optional<tselfcond> editSelfSet(QWidget*, const tselfcond* preset, int zh_to, int m) override {
        selfSetPresets.push_back(preset ? std::optional<tselfcond>(*preset) : std::nullopt);
        selfSetShape = {zh_to, m};
        return next(selfSets);
    }
    std::optional<tselfcond> editTail(QWidget*, const tselfcond* preset, int) override {
        tailPresets.push_back(preset ? std::optional<tselfcond>(*preset) : std::nullopt);
        return next(tails);
    }
    std::optional<int32_t> choosePeriod(QWidget*, const std::vector<int32_t>& offered) override {
        periodLists.push_back(offered);
        return next(periods);
    }
    std::optional<CheckMode> chooseCheckMode(QWidget*) override { return next(modes); }

    std::deque<std::optional<std::vector<int32_t>>> values;
    std::deque<std::optional<tselfcond>> selfSets;
    std::deque<std::optional<tselfcond>> tails;
    std::deque<std::optional<int32_t>> periods;
    std::deque<std::optional<CheckMode>> modes;

    std::vector<ValueChoice> choices;
    std::vector<std::optional<tselfcond>> selfSetPresets;
    std::vector<std::optional<tselfcond>> tailPresets;
    std::pair<int, int> selfSetShape{0, 0};
    std::vector<std::vector<int32_t>> periodLists;

private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& queue) {
        std::optional<T> answer;
        if (!queue.empty()) {
            answer.swap(queue.front());
            queue.pop_front();
        }
        return answer;
    }
};

inline tselfcond group(std::vector<uint8_t> numbers, std::vector<int32_t> allowed, bool tolerant = false,
                bool countOnce = false) {
    tselfcond entry;
    entry.numbers = std::move(numbers);
    entry.allowed = std::move(allowed);
    entry.tolerant = tolerant;
    entry.countOnce = countOnce;
    return entry;
}

// The workspace of a seeded program folder, initialised as the main window does.
struct SeededWorkspace {
    SeededWorkspace() : folder(true), ws(folder.path()) {
        initialiseWorkspace(ws, folder.settings);
        prepareHistoryAfterStart(ws);
    }
    test::ProgramFolder folder;
    Workspace ws;
};

// The generator window on the seeded 双色球 history, shown.
struct Window : SeededWorkspace {
    Window() : window(ws, prompts, files, shell, dialogs) {
        window.resize(1400, 900);
        window.show();
    }

    template <typename T>
    T* child(const QString& name) const {
        T* found = window.findChild<T*>(name);
        if (!found) qFatal("no child %s", qPrintable(name));
        return found;
    }
    template <typename T>
    T* child(const char* name) const {
        return child<T>(QString::fromLatin1(name));
    }
    QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QLabel* label(const char* name) const { return child<QLabel>(name); }
    // Clicks where the user would: on the target's page, scrolled into view.
    void clickOn(QAbstractButton* target) {
        reveal(target);
        // A check box takes clicks on its box and caption, at its left end.
        const QPoint at = qobject_cast<QCheckBox*>(target) ? QPoint(6, target->height() / 2) : target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
    }
    void click(const char* name) { clickOn(button(name)); }
    void clickBox(QAbstractButton* target) { clickOn(target); }
    void clickRowBox(const char* prefix, int n) {
        clickOn(child<QCheckBox>(QString::fromLatin1(prefix) + QString::number(n)));
    }
    void clickRowButton(int n) { clickOn(child<QPushButton>(QStringLiteral("b_zb%1").arg(n))); }
    static void reveal(QWidget* target) {
        for (QWidget* at = target; at; at = at->parentWidget()) {
            auto* stack = qobject_cast<QStackedWidget*>(at->parentWidget());
            if (!stack) continue;
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(at);
            else
                stack->setCurrentWidget(at);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QWidget* at = target->parentWidget(); at; at = at->parentWidget())
            if (auto* area = qobject_cast<QScrollArea*>(at)) area->ensureWidgetVisible(target);
        // Only the layouts: a run's end must not be delivered behind the test's back.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    void menu(const char* name) {
        QAction* action = window.conditionMenu()->command(name);
        if (!action) qFatal("no command %s", name);
        action->trigger();
    }
    void popup(const char* name) {
        QAction* action = window.results()->popup()->findChild<QAction*>(QString::fromLatin1(name));
        if (!action) qFatal("no popup command %s", name);
        action->trigger();
    }
    void showConditionPage(QWidget* page) { window.mainPage()->conditionPages()->setCurrentWidget(page); }

    // Loads a condition file through "载入条件".
    void loadConditions(const std::string& path) {
        files.names.push_back(QString::fromStdString(path));
        menu("n_loadcond");
    }
    // "常规过滤" (or "继续过滤") and the wait for its end.
    bool run(const char* command = "b_run") {
        click(command);
        if (!window.isRunning()) return false;
        return QTest::qWaitFor([this] { return !window.isRunning(); }, kRunTimeout);
    }

    const MainConditions& conditions() const { return window.generator().conditions; }
    const MainResults& results() const { return window.generator().results; }
    QAbstractItemModel* grid() const { return window.results()->grid()->model(); }
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
    QString countLabel() const { return label("l_count")->text(); }
    QString pageLabel() const { return label("l_page")->text(); }

    test::FakePrompts prompts;
    test::FakeFileChooser files;
    test::FakeShell shell;
    FakeDialogs dialogs;
    Tf_zh window;
};

inline QStringList numbersRow(std::initializer_list<const char*> numbers, const QString& first) {
    QStringList list{first};
    for (const char* n : numbers) list << QString::fromLatin1(n);
    return list;
}

inline std::vector<Ticket> sortedTickets(std::vector<Ticket> tickets) {
    std::sort(tickets.begin(), tickets.end());
    return tickets;
}

}  // namespace lottodesk::test
