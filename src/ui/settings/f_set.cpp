#include "ui/settings/f_set.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/workspace.h"
#include "formula/shapenames.h"
#include "indicators/zoneexplain.h"
#include "ui_f_set.h"

namespace lottodesk {

Tf_set::Tf_set(Workspace& ws, SettingsStore* settings, QWidget* parent)
    : QWidget(parent), m_ws(ws), m_settings(settings), m_ui(new Ui::Tf_set) {
    m_ui->setupUi(this);
    if (m_settings) addPricePage();
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

void Tf_set::addPricePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ts_price"));
    m_price = new QSpinBox(page);
    m_price->setObjectName(QStringLiteral("sb_price"));
    m_price->setRange(1, 1000);
    m_price->setSuffix(QStringLiteral(" 元"));
    m_price->setValue(m_ws.price.base);
    m_addOn = new QCheckBox(QStringLiteral("超级大乐透追加投注（每注加1元，中奖时加上奖金表中的追加奖金）"), page);
    m_addOn->setObjectName(QStringLiteral("cb_addon"));
    m_addOn->setChecked(m_ws.price.addOn);
    auto* note = new QLabel(QStringLiteral("投注单上的金额（“共N注，2N元”）和对奖后的投入按此计算。奖级规则见数据文件夹中的 "
                                           "database/prizerules.txt（不存在时使用程序自带的规则）。"),
                            page);
    note->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("每注金额"), m_price);
    form->addRow(QString(), m_addOn);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch();
    m_ui->pc_set->addTab(page, QStringLiteral("投注金额"));
    connect(m_price, &QSpinBox::valueChanged, this, [this] { savePrice(); });
    connect(m_addOn, &QCheckBox::toggled, this, [this] { savePrice(); });
}

void Tf_set::savePrice() {
    m_ws.price = {m_price->value(), m_addOn->isChecked()};
    saveTicketPrice(*m_settings, m_ws.price);
}

void Tf_set::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

}  // namespace lottodesk
