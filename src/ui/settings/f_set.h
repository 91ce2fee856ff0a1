#pragma once
// Tf_set ("设置"): explanatory pages, "分区说明" about the current game's zone partitions and
// "形态取值说明" about the pattern values of the formula families, regenerated whenever shown.

#include <memory>
#include <QWidget>

#include "ui/shell/mainpage.h"

namespace Ui {
class Tf_set;
}

namespace lottodesk {

struct Workspace;

class Tf_set : public QWidget, public MainPage {
    Q_OBJECT
public:
    explicit Tf_set(const Workspace& ws, QWidget* parent = nullptr);
    ~Tf_set() override;

    // The text of the page "分区说明" as shown.
    QString zonePartitionText() const;
    // The text of the page "形态取值说明" as shown.
    QString shapeValuesText() const;
    // Regenerates the text of the page being shown.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Workspace& m_ws;
    std::unique_ptr<Ui::Tf_set> m_ui;
};

}  // namespace lottodesk
