#include "ui/common/filechooser.h"

#include <QFileDialog>

namespace lottodesk {

QString DialogFileChooser::openFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString DialogFileChooser::saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    return QFileDialog::getSaveFileName(parent, title, folder, filter);
}

}  // namespace lottodesk
