#pragma once
// Tf_runpic: the splash window shown while the program starts.

#include <QWidget>

namespace lottodesk {

class Tf_runpic : public QWidget {
    Q_OBJECT
public:
    explicit Tf_runpic(QWidget* parent = nullptr);

    // Shows the window and paints it before returning: start-up keeps the event loop busy.
    void showNow();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace lottodesk
