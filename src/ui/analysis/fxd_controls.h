#pragma once
// Controls the pages of "走势分析" share.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QString>
#include <functional>
#include <string>

#include "ui/common/named.h"

namespace lottodesk {

// "显示36期" .. "显示66期" (object name combo_window), and the periods it stands for.
inline constexpr int kPeriodWindows[] = {36, 45, 54, 60, 66};
inline QComboBox* periodWindowBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("combo_window"));
    for (int w : kPeriodWindows) box->addItem(QStringLiteral("显示%1期").arg(w));
    return box;
}
inline int periodWindow(const QComboBox* box) {
    const int i = box->currentIndex();
    return kPeriodWindows[i < 0 ? 0 : i > 4 ? 4 : i];
}

// How a page shows a modal dialog; tests answer it instead.
using DialogRunner = std::function<int(QDialog&)>;
inline DialogRunner execDialog() {
    return [](QDialog& dialog) { return dialog.exec(); };
}

// "确定" and "取消" closing `dialog` with OK or cancel.
inline QDialogButtonBox* okCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

inline QString qtext(const std::string& text) { return QString::fromStdString(text); }

}  // namespace lottodesk
