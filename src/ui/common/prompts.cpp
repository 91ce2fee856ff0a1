#include "ui/common/prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace lottodesk {

void MessageBoxPrompts::inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void MessageBoxPrompts::warn(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
}

void MessageBoxPrompts::reportError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

bool MessageBoxPrompts::ask(QWidget* parent, const QString& caption, const QString& text, bool defaultYes) {
    const auto answer = QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                              defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

}  // namespace lottodesk
