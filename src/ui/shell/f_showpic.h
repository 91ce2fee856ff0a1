#pragma once
// Tf_showpic: the borderless busy window, a line of text shown while long work runs.

#include <QWidget>

class QLabel;

namespace lottodesk {

class Tf_showpic : public QWidget {
    Q_OBJECT
public:
    explicit Tf_showpic(QWidget* parent = nullptr);

    // Sets the text, shows the window centred over its parent's window (or the primary screen) and
    // paints it before returning: the work that follows keeps the event loop busy.
    void showText(const QString& text);

private:
    void centre();

    QLabel* m_label;
};

}  // namespace lottodesk
