#pragma once
// Tf_set ("设置"): explanatory pages, "分区说明" about the current game's zone partitions and
// "形态取值说明" about the pattern values of the formula families, regenerated whenever shown.

#include <memory>
#include <QWidget>

#include "ui/shell/mainpage.h"

namespace Ui {
class Tf_set;
}
class QCheckBox;
class QSpinBox;

namespace lottodesk {

struct Workspace;
class SettingsStore;

class Tf_set : public QWidget, public MainPage {
    Q_OBJECT
public:
    // `settings`: where the price per ticket is kept (none: the page does not offer it).
    Tf_set(Workspace& ws, SettingsStore* settings, QWidget* parent = nullptr);
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
    // The page "投注金额": the price per ticket and 超级大乐透's add-on.
    void addPricePage();
    void savePrice();

    Workspace& m_ws;
    SettingsStore* m_settings;
    std::unique_ptr<Ui::Tf_set> m_ui;
    QSpinBox* m_price = nullptr;
    QCheckBox* m_addOn = nullptr;
};

}  // namespace lottodesk
