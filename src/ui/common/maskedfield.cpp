#include "ui/common/maskedfield.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace lottodesk {
namespace {

// The mask's blank character: what follows the last ';' of the mask ("9999999;_" -> '_').
QChar blankOf(const QLineEdit* field) {
    const QString mask = field->inputMask();
    const qsizetype at = mask.lastIndexOf(QLatin1Char(';'));
    return at >= 0 && at + 1 < mask.size() ? mask.at(at + 1) : QLatin1Char(' ');
}

class MaskedFieldGuard : public QObject {
public:
    MaskedFieldGuard(QLineEdit* field, std::function<bool(const QString&)> takePaste)
        : QObject(field), m_field(field), m_takePaste(std::move(takePaste)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_field || m_field->inputMask().isEmpty()) return false;
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::FocusIn:
            // After the field's own handling (a focus by Tab selects, a click places the cursor).
            QTimer::singleShot(0, this, [this] { keepCursorInTypedPart(); });
            return false;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return pasted();
            return false;
        case QEvent::ContextMenu: {
            QMenu* menu = m_field->createStandardContextMenu();
            if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste")); paste && m_takePaste) {
                disconnect(paste, nullptr, nullptr, nullptr);
                connect(paste, &QAction::triggered, this, [this] {
                    if (!pasted()) m_field->paste();
                });
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        default: return false;
        }
    }

private:
    // True when the owner took the clipboard's text.
    bool pasted() {
        const QString text = QGuiApplication::clipboard()->text();
        return m_takePaste && !text.isEmpty() && m_takePaste(text);
    }

    void keepCursorInTypedPart() {
        if (!m_field || m_field->hasSelectedText()) {
            if (m_field && m_field->selectedText().remove(blankOf(m_field)).remove(QLatin1Char('-')).isEmpty())
                m_field->deselect();  // an empty field selected by Tab: typing starts at its first place
            else
                return;
        }
        const int first = firstEmptyPosition(m_field);
        if (m_field->cursorPosition() > first) m_field->setCursorPosition(first);
    }

    QPointer<QLineEdit> m_field;
    std::function<bool(const QString&)> m_takePaste;
};

}  // namespace

int firstEmptyPosition(const QLineEdit* field) {
    const QString shown = field->displayText();
    const qsizetype at = shown.indexOf(blankOf(field));
    return static_cast<int>(at < 0 ? shown.size() : at);
}

void keepTypingInMaskedField(QLineEdit* field, std::function<bool(const QString&)> takePaste) {
    field->installEventFilter(new MaskedFieldGuard(field, std::move(takePaste)));
}

}  // namespace lottodesk
