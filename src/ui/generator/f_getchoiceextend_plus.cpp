#include "ui/generator/f_getchoiceextend_plus.h"

#include <QCheckBox>
#include <QListWidget>

#include "ui_f_getchoiceextend_plus.h"

namespace lottodesk {

Tf_getchoiceextend_plus::Tf_getchoiceextend_plus(Prompts& prompts, QWidget* parent)
    : ValueChooser(prompts, parent), m_ui(new Ui::Tf_getchoiceextend_plus) {
    m_ui->setupUi(this);
    CriteriaControls criteria;
    for (int k = 3; k <= 9; ++k) {
        CriteriaControls::Remainder remainder;
        remainder.divisor = k;
        remainder.box = findChild<QCheckBox*>(QStringLiteral("cb_mod") + QString::number(k));
        for (int r = 0; r < k; ++r)
            remainder.remainders.push_back(findChild<QCheckBox*>(QStringLiteral("cb_mod%1_%2").arg(k).arg(r)));
        criteria.remainders.push_back(std::move(remainder));
    }
    criteria.tail = m_ui->cb_tail;
    criteria.tailDigits = m_ui->e_tail;
    wireForm(*m_ui, std::move(criteria));
}

Tf_getchoiceextend_plus::~Tf_getchoiceextend_plus() = default;

QListWidget* Tf_getchoiceextend_plus::valueList() const { return m_ui->lb_values; }

void Tf_getchoiceextend_plus::showValues(int32_t lo, int32_t hi) {
    m_ui->lb_values->clear();
    m_lo = lo;
    for (int64_t v = lo; v <= hi; ++v) {
        auto* item = new QListWidgetItem(QString::number(v), m_ui->lb_values);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

bool Tf_getchoiceextend_plus::isTicked(int32_t value) const {
    const QListWidgetItem* item = m_ui->lb_values->item(int(int64_t(value) - m_lo));
    return item && item->checkState() == Qt::Checked;
}

void Tf_getchoiceextend_plus::setTicked(int32_t value, bool ticked) {
    const int64_t row = int64_t(value) - m_lo;
    if (row < 0 || row >= m_ui->lb_values->count()) return;
    m_ui->lb_values->item(int(row))->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

}  // namespace lottodesk
