#pragma once
// Tf_zj1 ("组件"): chooses the classification groups of the indicator analysis and their order.
// Closing it, by any means, rebuilds the workspace's component table from the groups in use.

#include <memory>
#include <QDialog>

class QListWidget;

namespace Ui {
class Tf_zj1;
}

namespace lottodesk {

struct Workspace;

class Tf_zj1 : public QDialog {
    Q_OBJECT
public:
    explicit Tf_zj1(Workspace& ws, QWidget* parent = nullptr);
    ~Tf_zj1() override;

    QListWidget* usedList() const;
    QListWidget* availableList() const;

    void useSelected();    // "<<"
    void unuseSelected();  // ">>"

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    Workspace& m_ws;
    std::unique_ptr<Ui::Tf_zj1> m_ui;
};

}  // namespace lottodesk
