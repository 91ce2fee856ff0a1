#include "soakdriver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "ui/shell/f_main.h"

namespace lottodesk {
namespace {

// A modal window gets at most this many inputs before it is closed.
constexpr int kMaxModalInputs = 8;
// Modal windows opened from modal windows, at most.
constexpr int kMaxDepth = 3;
// After this many steps on one modal window that will not close, it is ended by force (logged).
constexpr int kStubbornModal = 60;

QString describe(const QWidget* w) {
    QString text = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty()) text += QLatin1Char('#') + w->objectName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty())
        text += QStringLiteral(" '") + button->text() + QLatin1Char('\'');
    return text;
}

// The widgets a user can reach inside `scope`: shown, enabled and in the same top-level window.
template <class T>
std::vector<T*> reachable(QWidget* scope) {
    std::vector<T*> found;
    for (T* w : scope->findChildren<T*>())
        if (w->isVisible() && w->isEnabled() && w->window() == scope->window()) found.push_back(w);
    return found;
}

// Types `text` into `w` key by key. QTest knows keys for ASCII only; other characters (Chinese)
// arrive as key events that carry their text, as an input method delivers them.
// False when the widget went away on the way.
bool typeInto(QWidget* widget, const QString& text) {
    const QPointer<QWidget> w(widget);
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, static_cast<char>(c.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &release);
        }
        if (!w) return false;
    }
    return true;
}

}  // namespace

SoakDriver::SoakDriver(Tf_main& window, uint64_t seed, std::FILE* log) : m_window(window), m_random(seed), m_log(log) {}

void SoakDriver::start(int seconds) {
    m_limitMs = int64_t{seconds} * 1000;
    m_clock.start();
    for (QAction* action : menuCommands()) m_sweep.emplace_back(action);
    QTimer::singleShot(0, this, &SoakDriver::step);
}

QStringList SoakDriver::commandsNeverRun() const {
    QStringList never;
    for (QAction* action : menuCommands())
        if (!m_commandCounts.contains(action->text())) never << action->text();
    return never;
}

std::vector<QAction*> SoakDriver::menuCommands() const {
    std::vector<QAction*> commands;
    for (QAction* top : m_window.menuBar()->actions())
        if (QMenu* menu = top->menu())
            for (QAction* action : menu->actions())
                if (!action->isSeparator() && action->isEnabled() && !action->menu()) commands.push_back(action);
    return commands;
}

QWidget* SoakDriver::currentPage() const {
    QTabWidget* pages = m_window.pageControl();
    if (pages && pages->isVisible() && pages->currentWidget()) return pages->currentWidget();
    return m_window.centralWidget() ? m_window.centralWidget() : &m_window;
}

void SoakDriver::note(const QString& what) {
    ++m_inputs;
    std::fprintf(m_log, "%8.3f d%d %s\n", m_clock.elapsed() / 1000.0, m_depth, qPrintable(what));
    std::fflush(m_log);
}

void SoakDriver::step() {
    if (m_stopped) return;
    // The next step first: it runs inside any event loop this one enters.
    QTimer::singleShot(1, this, &SoakDriver::step);
    ++m_depth;
    ++m_steps;
    if (!m_finishing && m_clock.elapsed() >= m_limitMs) {
        m_finishing = true;
        note(QStringLiteral("time is up: closing the open windows"));
    }
    if (m_finishing)
        finishStep();
    else if (QWidget* popup = QApplication::activePopupWidget()) {
        QMenu* menu = qobject_cast<QMenu*>(popup);
        std::vector<QAction*> items;
        if (menu)
            for (QAction* action : menu->actions())
                if (!action->isSeparator() && action->isEnabled() && action->isVisible()) items.push_back(action);
        if (!items.empty() && chance(0.7)) {
            QAction* chosen = items[static_cast<size_t>(below(static_cast<int>(items.size())))];
            note(QStringLiteral("popup menu item '") + chosen->text() + QLatin1Char('\''));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        } else {
            note(QStringLiteral("popup closed: ") + describe(popup));
            popup->close();
        }
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal != m_lastModal) {
            m_lastModal = modal;
            m_modalInputs = 0;
        }
        ++m_modalInputs;
        if (m_modalInputs > kStubbornModal) {
            note(QStringLiteral("modal window does not close, ended by force: ") + describe(modal));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->QDialog::done(QDialog::Rejected);
            else
                modal->hide();
        } else if (m_depth > kMaxDepth + 1 || m_modalInputs > kMaxModalInputs || chance(0.2)) {
            closeModal(modal, true);
        } else {
            inputInto(modal);
        }
    } else {
        if (!m_window.isVisible()) {
            note(QStringLiteral("main window shown again"));
            m_window.show();
        }
        while (!m_sweep.empty() && !m_sweep.front()) m_sweep.erase(m_sweep.begin());
        if (!m_sweep.empty() && m_depth == 1) {
            QAction* next = m_sweep.front();
            m_sweep.erase(m_sweep.begin());
            runCommand(next);
        } else {
            const int r = below(100);
            if (r < 6) {
                const std::vector<QAction*> commands = menuCommands();
                if (!commands.empty())
                    runCommand(commands[static_cast<size_t>(below(static_cast<int>(commands.size())))]);
            } else if (r < 9) {
                QTabWidget* pages = m_window.pageControl();
                std::vector<int> visible;
                for (int i = 0; pages && i < pages->count(); ++i)
                    if (pages->isTabVisible(i)) visible.push_back(i);
                if (!visible.empty()) {
                    const int tab = visible[static_cast<size_t>(below(static_cast<int>(visible.size())))];
                    note(QStringLiteral("main tab ") + pages->tabText(tab));
                    pages->setCurrentIndex(tab);
                }
            } else if (r < 10) {
                std::vector<QAction*> items;
                for (QAction* action : m_window.tabPopup()->actions())
                    if (!action->isSeparator() && action->isEnabled()) items.push_back(action);
                if (!items.empty()) {
                    QAction* chosen = items[static_cast<size_t>(below(static_cast<int>(items.size())))];
                    note(QStringLiteral("tab popup '") + chosen->text() + QLatin1Char('\''));
                    chosen->trigger();
                }
            } else {
                inputInto(currentPage());
            }
        }
    }
    --m_depth;
}

void SoakDriver::finishStep() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        note(QStringLiteral("popup closed: ") + describe(popup));
        popup->close();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal != m_lastModal) {
            m_lastModal = modal;
            m_modalInputs = 0;
        }
        if (++m_modalInputs > kStubbornModal) {
            note(QStringLiteral("modal window does not close, ended by force: ") + describe(modal));
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->QDialog::done(QDialog::Rejected);
        } else {
            closeModal(modal, false);
        }
    } else if (m_depth == 1) {
        note(QStringLiteral("finished"));
        m_stopped = true;  // the step scheduled at the start of this one does nothing
        Q_EMIT finished();
    }
}

void SoakDriver::closeModal(QWidget* modal, bool randomly) {
    auto* dialog = qobject_cast<QDialog*>(modal);
    // A file dialog accepted with nothing chosen stays open: cancel it.
    const bool accept = randomly && dialog && !qobject_cast<QFileDialog*>(modal) && chance(0.5);
    note(QString(accept ? QStringLiteral("accept ") : QStringLiteral("reject ")) + describe(modal));
    if (!dialog)
        modal->close();
    else if (accept)
        dialog->accept();
    else
        dialog->reject();
}

void SoakDriver::runCommand(QAction* action) {
    note(QStringLiteral("menu command '") + action->text() + QLatin1Char('\''));
    ++m_commandCounts[action->text()];
    action->trigger();
}

QString SoakDriver::randomText() {
    static const char* const kPieces[] = {
        "0",
        "1",
        "7",
        "33",
        "49",
        "64",
        "99",
        "100",
        "-1",
        "2147483647",
        "2147483648",
        "-2147483648",
        "999999999999",
        "1e9",
        "3.5",
        " ",
        "  ",
        "\t",
        ",",
        ".",
        "..",
        "-",
        "+",
        "*",
        "/",
        "/0",
        "(",
        ")",
        "[",
        "]",
        "[1]",
        "[-1]",
        "z_hz",
        "z_ac",
        "z_num1",
        "f_hz",
        "getylz(",
        "getzf(",
        "abs(",
        "max(",
        "test",
        "nosuch",
        "01 02 03 04 05 06",
        "07 07 08 09 10 11",
        "2026096",
        "9999999",
        "中文",
        "红号",
        "；",
        "，",
        "%s%n",
        "\\",
        "\"",
        "'",
        "<b>",
        "&",
        "#",
    };
    QString text;
    const int pieces = 1 + below(5);
    for (int i = 0; i < pieces; ++i) {
        if (chance(0.1))
            text += QString(1 + below(300), QChar(u'a' + below(26)));
        else if (chance(0.15))
            text += QChar(32 + below(95));
        else
            text += QString::fromUtf8(kPieces[below(static_cast<int>(std::size(kPieces)))]);
    }
    return text;
}

void SoakDriver::inputInto(QWidget* scope) {
    // A kind of control the scope does not have: another kind.
    for (int attempt = 0; attempt < 6; ++attempt)
        if (inputOnce(scope)) return;
}

bool SoakDriver::inputOnce(QWidget* scope) {
    const QString where = QStringLiteral("[") +
                          (scope->windowTitle().isEmpty() ? describe(scope) : scope->windowTitle()) +
                          QStringLiteral("] ");
    enum Kind { Edit, Spin, Combo, Button, View, Tabs, Slider, Text, Menu, KindCount };
    const int kind = below(KindCount);
    switch (kind) {
    case Edit: {
        std::vector<QLineEdit*> edits;
        for (QLineEdit* e : reachable<QLineEdit>(scope))
            if (!e->isReadOnly()) edits.push_back(e);
        if (edits.empty()) break;
        QLineEdit* edit = edits[static_cast<size_t>(below(static_cast<int>(edits.size())))];
        const QString text = randomText();
        note(where + QStringLiteral("type into ") + describe(edit) + QStringLiteral(": ") + text);
        edit->setFocus();
        if (chance(0.5)) edit->clear();
        if (typeInto(edit, text) && chance(0.4)) QTest::keyClick(edit, Qt::Key_Return);
        return true;
    }
    case Spin: {
        const auto spins = reachable<QAbstractSpinBox>(scope);
        if (spins.empty()) break;
        QAbstractSpinBox* spin = spins[static_cast<size_t>(below(static_cast<int>(spins.size())))];
        note(where + QStringLiteral("spin ") + describe(spin));
        if (chance(0.5)) {
            spin->stepBy(below(41) - 20);
        } else {
            spin->selectAll();
            if (typeInto(spin, randomText())) QTest::keyClick(spin, Qt::Key_Return);
        }
        return true;
    }
    case Combo: {
        const auto combos = reachable<QComboBox>(scope);
        if (combos.empty()) break;
        QComboBox* combo = combos[static_cast<size_t>(below(static_cast<int>(combos.size())))];
        if (combo->count() == 0) break;
        const int index = below(combo->count());
        note(where + QStringLiteral("choose ") + QString::number(index) + QStringLiteral(" in ") + describe(combo));
        // As a user's choice: the index changes, then the choice is reported.
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
        Q_EMIT combo->textActivated(combo->itemText(index));
        return true;
    }
    case Button: {
        const auto buttons = reachable<QAbstractButton>(scope);
        if (buttons.empty()) break;
        QAbstractButton* button = buttons[static_cast<size_t>(below(static_cast<int>(buttons.size())))];
        note(where + QStringLiteral("click ") + describe(button));
        button->click();
        return true;
    }
    case View: {
        const auto views = reachable<QAbstractItemView>(scope);
        if (views.empty()) break;
        QAbstractItemView* view = views[static_cast<size_t>(below(static_cast<int>(views.size())))];
        QAbstractItemModel* model = view->model();
        const int rows = model ? model->rowCount(view->rootIndex()) : 0;
        const int columns = model ? model->columnCount(view->rootIndex()) : 0;
        if (rows == 0 || columns == 0) {
            note(where + QStringLiteral("click the empty ") + describe(view));
            QTest::mouseClick(view->viewport(), Qt::LeftButton);
            return true;
        }
        const QModelIndex index = model->index(below(rows), below(columns), view->rootIndex());
        view->scrollTo(index);
        const QRect rect = view->visualRect(index);
        const QPoint at = rect.isValid() ? rect.center() : QPoint(1, 1);
        const int how = below(10);
        note(where + QStringLiteral("cell ") + QString::number(index.row()) + QLatin1Char(',') +
             QString::number(index.column()) + QStringLiteral(" of ") + describe(view) + QStringLiteral(" how ") +
             QString::number(how));
        if (how < 5) {
            const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ControlModifier, Qt::ShiftModifier};
            QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers[below(3)], at);
        } else if (how < 7) {
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            if (QWidget* editor = QApplication::focusWidget(); editor && editor != view && view->isAncestorOf(editor)) {
                if (typeInto(editor, randomText())) QTest::keyClick(editor, Qt::Key_Return);
            }
        } else if (how < 9) {
            const Qt::Key keys[] = {Qt::Key_Delete, Qt::Key_Down, Qt::Key_Up, Qt::Key_Space, Qt::Key_Return,
                                    Qt::Key_End,    Qt::Key_Home, Qt::Key_F2, Qt::Key_A};
            view->setCurrentIndex(index);
            QTest::keyClick(view, keys[below(static_cast<int>(std::size(keys)))]);
        } else {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &event);
        }
        return true;
    }
    case Tabs: {
        const auto tabs = reachable<QTabWidget>(scope);
        if (tabs.empty()) break;
        QTabWidget* widget = tabs[static_cast<size_t>(below(static_cast<int>(tabs.size())))];
        if (widget == m_window.pageControl() || widget->count() == 0) break;
        const int index = below(widget->count());
        note(where + QStringLiteral("tab ") + widget->tabText(index) + QStringLiteral(" of ") + describe(widget));
        widget->setCurrentIndex(index);
        return true;
    }
    case Slider: {
        const auto sliders = reachable<QAbstractSlider>(scope);
        if (sliders.empty()) break;
        QAbstractSlider* slider = sliders[static_cast<size_t>(below(static_cast<int>(sliders.size())))];
        const int span = slider->maximum() - slider->minimum();
        note(where + QStringLiteral("slide ") + describe(slider));
        slider->setValue(slider->minimum() + (span > 0 ? below(span + 1) : 0));
        return true;
    }
    case Text: {
        std::vector<QWidget*> texts;
        for (QTextEdit* t : reachable<QTextEdit>(scope))
            if (!t->isReadOnly()) texts.push_back(t);
        for (QPlainTextEdit* t : reachable<QPlainTextEdit>(scope))
            if (!t->isReadOnly()) texts.push_back(t);
        if (texts.empty()) break;
        QWidget* text = texts[static_cast<size_t>(below(static_cast<int>(texts.size())))];
        const QString typed = randomText();
        note(where + QStringLiteral("type into ") + describe(text) + QStringLiteral(": ") + typed);
        if (typeInto(text, typed) && chance(0.5)) QTest::keyClick(text, Qt::Key_Return);
        return true;
    }
    case Menu: {
        // A context menu where the widget offers one.
        std::vector<QWidget*> offering;
        for (QWidget* w : reachable<QWidget>(scope))
            if (w->contextMenuPolicy() == Qt::CustomContextMenu || w->contextMenuPolicy() == Qt::ActionsContextMenu)
                offering.push_back(w);
        if (offering.empty()) break;
        QWidget* w = offering[static_cast<size_t>(below(static_cast<int>(offering.size())))];
        const QPoint at(below(std::max(1, w->width())), below(std::max(1, w->height())));
        note(where + QStringLiteral("context menu of ") + describe(w));
        if (w->contextMenuPolicy() == Qt::CustomContextMenu) {
            Q_EMIT w->customContextMenuRequested(at);
        } else {
            std::vector<QAction*> items;
            for (QAction* action : w->actions())
                if (action->isEnabled() && !action->isSeparator()) items.push_back(action);
            if (!items.empty()) items[static_cast<size_t>(below(static_cast<int>(items.size())))]->trigger();
        }
        return true;
    }
    default: break;
    }
    return false;
}

}  // namespace lottodesk
