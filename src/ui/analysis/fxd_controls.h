#pragma once
// Controls the pages of "走势分析" share.

#include <QComboBox>
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

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

inline QString qtext(const std::string& text) { return QString::fromStdString(text); }

}  // namespace lottodesk
