#include "ui/common/prompts.h"

#include <QMessageBox>

namespace lottodesk {

// The title says what kind of message the box holds, as its icon does.
void MessageBoxPrompts::inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("提示"), text);
}

void MessageBoxPrompts::warn(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("警告"), text);
}

void MessageBoxPrompts::reportError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("错误"), text);
}

bool MessageBoxPrompts::ask(QWidget* parent, const QString& caption, const QString& text, bool defaultYes) {
    const auto answer = QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                              defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

bool MessageBoxPrompts::confirm(QWidget* parent, const QString& caption, const QString& text) {
    const auto answer = QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                              QMessageBox::Ok);
    return answer == QMessageBox::Ok;
}

}  // namespace lottodesk
