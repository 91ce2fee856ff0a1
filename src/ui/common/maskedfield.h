#pragma once
// Masked number fields ("期数", the number groups) that keep what is typed. With a plain input
// mask a click into the empty middle of the field puts the cursor there, and the digits typed
// after it land in the wrong groups or vanish. Here a click or a focus puts the cursor at the
// first empty position when it would land beyond it, and a paste can be taken whole by the owner
// (a draw line pasted into the period field fills the draw) before the mask cuts it.

#include <QString>
#include <functional>

class QLineEdit;

namespace lottodesk {

// `takePaste` gets the clipboard text of a paste (keyboard or context menu) and returns true when
// it used it; otherwise the field pastes as usual.
void keepTypingInMaskedField(QLineEdit* field, std::function<bool(const QString&)> takePaste = {});

// The first position of `field` that the mask leaves empty, or the text's end.
int firstEmptyPosition(const QLineEdit* field);

}  // namespace lottodesk
