#include "ui/settings/f_set.h"

#include "core/workspace.h"
#include "formula/shapenames.h"
#include "indicators/zoneexplain.h"
#include "ui_f_set.h"

namespace lottodesk {

Tf_set::Tf_set(const Workspace& ws, QWidget* parent) : QWidget(parent), m_ws(ws), m_ui(new Ui::Tf_set) {
    m_ui->setupUi(this);
    connect(m_ui->b_refresh, &QPushButton::clicked, this, [this] { refresh(); });
    connect(m_ui->pc_set, &QTabWidget::currentChanged, this, [this] { refresh(); });
}

Tf_set::~Tf_set() = default;

QString Tf_set::zonePartitionText() const { return m_ui->memo_fqsm->toPlainText(); }

QString Tf_set::shapeValuesText() const { return m_ui->memo_xtqzsm->toPlainText(); }

void Tf_set::refresh() {
    if (m_ui->pc_set->currentWidget() == m_ui->ts_fqsm)
        m_ui->memo_fqsm->setPlainText(QString::fromStdString(lottodesk::zonePartitionText(m_ws.partitions)));
    else if (m_ui->pc_set->currentWidget() == m_ui->ts_xtqzsm)
        m_ui->memo_xtqzsm->setPlainText(QString::fromStdString(lottodesk::shapeValuesText()));
}

void Tf_set::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

}  // namespace lottodesk
