#pragma once
// `widget` with its object name: the control names of the forms ("b_run", "e_zh", ...), by which
// tests and the soak run find them.

#include <QString>

namespace lottodesk {

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
template <class W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace lottodesk
