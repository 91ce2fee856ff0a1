#include "ui/indicators/f_fqfw.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/valueclasses.h"

namespace lottodesk {

QString zoneExplanation(ValueRange range, int zones) {
    QString text = QStringLiteral("(%1分区的分区设定)\n").arg(zones);
    const std::vector<int32_t> bounds = zoneUpperBounds(range, zones);
    int64_t first = range.lo;
    for (size_t j = 0; j < bounds.size(); ++j) {
        text += QStringLiteral("第%1分区<%2..%3>;  ").arg(j + 1).arg(first).arg(bounds[j]);
        first = int64_t{bounds[j]} + 1;
    }
    return text + QStringLiteral("\n\n");
}

Tf_fqfw::Tf_fqfw(ValueRange range, QWidget* parent) : QDialog(parent), m_applied(range) {
    setObjectName(QStringLiteral("Tf_fqfw"));
    setWindowTitle(QStringLiteral("取值范围及分区"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_lo = new QLineEdit(QString::number(range.lo));
    m_lo->setObjectName(QStringLiteral("me_from"));
    m_hi = new QLineEdit(QString::number(range.hi));
    m_hi->setObjectName(QStringLiteral("me_to"));
    for (QLineEdit* box : {m_lo, m_hi}) {
        box->setValidator(new QIntValidator(-999, 999, box));
        box->setMaximumWidth(60);
    }
    top->addWidget(m_lo);
    top->addWidget(new QLabel(QStringLiteral("<=指标取值范围<=")));
    top->addWidget(m_hi);
    top->addStretch();
    layout->addLayout(top);
    auto* modes = new QHBoxLayout;
    m_common = new QRadioButton(QStringLiteral("显示常用分区"));
    m_common->setObjectName(QStringLiteral("rb_common"));
    m_common->setChecked(true);
    m_given = new QRadioButton(QStringLiteral("显示指定分区"));
    m_given->setObjectName(QStringLiteral("rb_given"));
    m_count = new QComboBox;
    m_count->setObjectName(QStringLiteral("combo_zones"));
    for (int n = 2; n <= 1000; ++n) m_count->addItem(QString::number(n));
    m_count->setCurrentIndex(18);  // 20
    modes->addWidget(m_common);
    modes->addWidget(m_given);
    modes->addWidget(m_count);
    modes->addStretch();
    layout->addLayout(modes);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("memo_zones"));
    m_text->setReadOnly(true);
    layout->addWidget(m_text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* applyButton = new QPushButton(QStringLiteral("应用"));
    applyButton->setObjectName(QStringLiteral("b_apply"));
    auto* close = new QPushButton(QStringLiteral("关闭"));
    close->setObjectName(QStringLiteral("b_close"));
    buttons->addWidget(applyButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(m_common, &QRadioButton::clicked, this, [this] { apply(); });
    connect(m_given, &QRadioButton::clicked, this, [this] { apply(); });
    connect(m_count, &QComboBox::activated, this, [this] { apply(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    apply();
}

void Tf_fqfw::apply() {
    bool loOk = false, hiOk = false;
    const int lo = m_lo->text().toInt(&loOk);
    const int hi = m_hi->text().toInt(&hiOk);
    if (loOk && hiOk && lo <= hi) m_applied = {lo, hi};
    QString text;
    if (m_common->isChecked())
        for (int n = 2; n <= 15; ++n) text += zoneExplanation(m_applied, n);
    else
        text = zoneExplanation(m_applied, m_count->currentText().toInt());
    m_text->setPlainText(text);
}

QString Tf_fqfw::explanation() const { return m_text->toPlainText(); }

}  // namespace lottodesk
