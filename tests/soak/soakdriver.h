#pragma once
// Drives a started main window with random input, the way a careless user would: menu commands,
// pages and tabs, text typed into fields, buttons, lists, grids, drop-down lists and context menus,
// and every modal window that opens on the way, answered at random.
//
// Each step schedules the next one on a fresh single-shot timer before it acts, so the steps go on
// inside the nested event loop of a modal window (Qt never re-enters one timer). There a step acts
// on that window only, as the real user can, and after a few inputs closes it by accepting or
// rejecting. Each step is written to the log and flushed first, so a crash names the step that
// caused it.

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

class QAction;
class QWidget;

namespace lottodesk {

class Tf_main;

class SoakDriver : public QObject {
    Q_OBJECT
public:
    // `log` receives one line per step; it must outlive the driver.
    SoakDriver(Tf_main& window, uint64_t seed, std::FILE* log);

    // Every enabled menu command once first, then random input for `seconds`; then the modal
    // windows are closed and finished() is emitted from the outermost event loop.
    void start(int seconds);

    int steps() const { return m_steps; }
    int inputs() const { return m_inputs; }  // steps that did something
    // Menu commands by caption and how often each ran; the enabled commands that never ran.
    const QHash<QString, int>& commandCounts() const { return m_commandCounts; }
    QStringList commandsNeverRun() const;

Q_SIGNALS:
    void finished();

private:
    void step();
    void finishStep();
    // One random input inside `scope` (a page or a modal window).
    void inputInto(QWidget* scope);
    bool inputOnce(QWidget* scope);  // false: the scope has no control of the kind chosen
    void closeModal(QWidget* modal, bool randomly);
    void runCommand(QAction* action);
    std::vector<QAction*> menuCommands() const;
    QWidget* currentPage() const;

    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    QString randomText();
    void note(const QString& what);

    Tf_main& m_window;
    std::mt19937_64 m_random;
    std::FILE* m_log;
    QElapsedTimer m_clock;
    int64_t m_limitMs = 0;
    bool m_finishing = false;
    bool m_stopped = false;
    int m_depth = 0;  // nested steps (one per modal event loop)
    int m_steps = 0;
    int m_inputs = 0;
    int m_modalInputs = 0;  // inputs into the current top modal window
    QPointer<QWidget> m_lastModal;
    std::vector<QPointer<QAction>> m_sweep;  // commands still to run once
    QHash<QString, int> m_commandCounts;
};

}  // namespace lottodesk
