#include "ui/generator/f_wsset.h"

#include <QListWidget>
#include <algorithm>

#include "generator/selfcond.h"
#include "ui/common/prompts.h"
#include "ui_f_wsset.h"

namespace lottodesk {

Tf_wsset::Tf_wsset(Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_prompts(prompts),
      m_ui(new Ui::Tf_wsset),
      m_runChooser(
          [&prompts](QWidget* owner, const ValueChoice& choice) { return runValueChooser(prompts, owner, choice); }) {
    m_ui->setupUi(this);
    for (int digit = 0; digit <= 9; ++digit) {
        auto* item = new QListWidgetItem(QString::number(digit), m_ui->lb_tails);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    // The assistant needs the indicator analysis window: enabled when the caller gives one.
    m_ui->b_assistant->setEnabled(false);
    connect(m_ui->b_assistant, &QPushButton::clicked, this, [this] { assist(); });
    connect(m_ui->b_selectall, &QPushButton::clicked, this, [this] { tickAll(); });
    connect(m_ui->b_reset, &QPushButton::clicked, this, [this] { resetEntry(); });
    connect(m_ui->b_counts, &QPushButton::clicked, this, [this] { chooseCounts(); });
    connect(m_ui->b_ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_ui->b_cancel, &QPushButton::clicked, this, [this] { reject(); });
}

Tf_wsset::~Tf_wsset() = default;

void Tf_wsset::setup(int m, const tselfcond* preset) {
    m_m = m;
    resetEntry();
    if (!preset) return;
    for (uint8_t digit : preset->numbers)
        if (digit <= 9) m_ui->lb_tails->item(digit)->setCheckState(Qt::Checked);
    m_counts = preset->allowed;
    m_ui->cb_tolerant->setChecked(preset->tolerant);
    m_ui->cb_countonce->setChecked(preset->countOnce);
    showCounts();
}

tselfcond Tf_wsset::entry() const {
    tselfcond result;
    for (int digit = 0; digit <= 9; ++digit)
        if (m_ui->lb_tails->item(digit)->checkState() == Qt::Checked) result.numbers.push_back(uint8_t(digit));
    result.tolerant = m_ui->cb_tolerant->isChecked();
    result.countOnce = m_ui->cb_countonce->isChecked();
    result.allowed = m_counts;
    return result;
}

void Tf_wsset::tickAll() {
    for (int digit = 0; digit <= 9; ++digit) m_ui->lb_tails->item(digit)->setCheckState(Qt::Checked);
}

void Tf_wsset::resetEntry() {
    for (int digit = 0; digit <= 9; ++digit) m_ui->lb_tails->item(digit)->setCheckState(Qt::Unchecked);
    m_counts.clear();
    showCounts();
    m_ui->cb_tolerant->setChecked(false);
    m_ui->cb_countonce->setChecked(false);
}

void Tf_wsset::chooseCounts() {
    const std::optional<std::vector<int32_t>> chosen = lottodesk::chooseCounts(m_runChooser, this, m_m);
    if (!chosen) return;
    m_counts = *chosen;
    showCounts();
}

void Tf_wsset::showCounts() { m_ui->e_counts->setText(QString::fromStdString(valueListText(m_counts))); }

void Tf_wsset::accept() {
    const Status status = validateTailDialog(entry());
    if (!status) {
        m_prompts.inform(this, QString::fromStdString(status.message));
        return;
    }
    QDialog::accept();
}

void Tf_wsset::setAssistant(std::function<void(const tselfcond&)> assistant) {
    m_assistant = std::move(assistant);
    m_ui->b_assistant->setEnabled(static_cast<bool>(m_assistant));
}

void Tf_wsset::assist() {
    const tselfcond group = entry();
    if (group.numbers.empty()) {
        m_prompts.warn(this, QStringLiteral("未选择号码"));
        return;
    }
    if (m_assistant) m_assistant(group);
}

}  // namespace lottodesk
