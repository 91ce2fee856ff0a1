#include "ui/generator/f_choiceperiod.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lottodesk {
namespace {

// "确定" and "取消" at the right of a row.
QHBoxLayout* okCancelRow(QDialog& dialog, QPushButton*& ok) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    ok = new QPushButton(QStringLiteral("确定"), &dialog);
    ok->setObjectName(QStringLiteral("b_ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), &dialog);
    cancel->setObjectName(QStringLiteral("b_cancel"));
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog] { dialog.accept(); });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, [&dialog] { dialog.reject(); });
    return row;
}

}  // namespace

Tf_choiceperiod::Tf_choiceperiod(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tf_choiceperiod"));
    setWindowTitle(QStringLiteral("选择期号"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("期号"), this);
    caption->setObjectName(QStringLiteral("l_period"));
    layout->addWidget(caption);
    m_periods = new QListWidget(this);
    m_periods->setObjectName(QStringLiteral("lb_period"));
    m_periods->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_periods);
    layout->addLayout(okCancelRow(*this, m_ok));
    m_ok->setEnabled(false);
    connect(m_periods, &QListWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(!m_periods->selectedItems().isEmpty()); });
    connect(m_periods, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item) accept();
    });
}

void Tf_choiceperiod::setPeriods(const std::vector<int32_t>& periods) {
    m_periods->clear();
    for (int32_t period : periods) {
        auto* item = new QListWidgetItem(QString::number(period), m_periods);
        item->setData(Qt::UserRole, period);
    }
    if (m_periods->count() > 0) {
        QListWidgetItem* newest = m_periods->item(m_periods->count() - 1);
        m_periods->setCurrentItem(newest);
        m_periods->scrollToItem(newest);
    }
    m_ok->setEnabled(!m_periods->selectedItems().isEmpty());
}

std::optional<int32_t> Tf_choiceperiod::period() const {
    const QList<QListWidgetItem*> selected = m_periods->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return selected.first()->data(Qt::UserRole).toInt();
}

Tf_choicemode::Tf_choicemode(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tf_choicemode"));
    setWindowTitle(QStringLiteral("选择"));
    auto* layout = new QVBoxLayout(this);
    const char* names[] = {"rb_all", "rb_right", "rb_wrong"};
    for (int i = 0; i < 3; ++i) {
        m_modes[i] = new QRadioButton(QString::fromUtf8(kCheckModeTexts[i]), this);
        m_modes[i]->setObjectName(QString::fromLatin1(names[i]));
        layout->addWidget(m_modes[i]);
    }
    m_modes[0]->setChecked(true);
    QPushButton* ok = nullptr;
    layout->addLayout(okCancelRow(*this, ok));
}

CheckMode Tf_choicemode::mode() const {
    if (m_modes[1]->isChecked()) return CheckMode::RightOnly;
    if (m_modes[2]->isChecked()) return CheckMode::WrongOnly;
    return CheckMode::All;
}

}  // namespace lottodesk
