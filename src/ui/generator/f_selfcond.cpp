#include "ui/generator/f_selfcond.h"

#include <QListWidget>
#include <algorithm>

#include "generator/selfcond.h"
#include "ui/common/prompts.h"
#include "ui_f_selfcond.h"

namespace lottodesk {

Tf_selfcond::Tf_selfcond(Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_prompts(prompts),
      m_ui(new Ui::Tf_selfcond),
      m_runChooser(
          [&prompts](QWidget* owner, const ValueChoice& choice) { return runValueChooser(prompts, owner, choice); }) {
    m_ui->setupUi(this);
    m_ui->combo_quick->setCurrentIndex(-1);
    // The assistant needs the indicator analysis window: enabled when the caller gives one.
    m_ui->b_assistant->setEnabled(false);
    connect(m_ui->b_assistant, &QPushButton::clicked, this, [this] { assist(); });
    connect(m_ui->b_selectall, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(m_ui->b_selectnone, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(m_ui->b_reset, &QPushButton::clicked, this, [this] { resetEntry(); });
    connect(m_ui->combo_quick, &QComboBox::activated, this, [this](int index) { quickChoice(index); });
    connect(m_ui->b_counts, &QPushButton::clicked, this, [this] { chooseCounts(); });
    connect(m_ui->b_ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_ui->b_cancel, &QPushButton::clicked, this, [this] { reject(); });
    setup(33, 6, nullptr);
}

Tf_selfcond::~Tf_selfcond() = default;

void Tf_selfcond::setup(int zh_to, int m, const tselfcond* preset) {
    m_m = m;
    QListWidget* list = m_ui->lb_numbers;
    list->clear();
    for (int n = 1; n <= zh_to; ++n) {
        auto* item = new QListWidgetItem(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), list);
        item->setData(Qt::UserRole, n);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    m_ui->combo_quick->setCurrentIndex(-1);
    m_counts.clear();
    m_ui->cb_tolerant->setChecked(false);
    if (preset) {
        for (uint8_t n : preset->numbers)
            if (n >= 1 && n <= zh_to) list->item(n - 1)->setCheckState(Qt::Checked);
        m_counts = preset->allowed;
        m_ui->cb_tolerant->setChecked(preset->tolerant);
    }
    showCounts();
}

tselfcond Tf_selfcond::entry() const {
    tselfcond result;
    for (int row = 0; row < m_ui->lb_numbers->count(); ++row) {
        const QListWidgetItem* item = m_ui->lb_numbers->item(row);
        if (item->checkState() == Qt::Checked) result.numbers.push_back(uint8_t(item->data(Qt::UserRole).toInt()));
    }
    result.tolerant = m_ui->cb_tolerant->isChecked();
    result.allowed = m_counts;
    return result;
}

void Tf_selfcond::tickAll(bool ticked) {
    for (int row = 0; row < m_ui->lb_numbers->count(); ++row)
        m_ui->lb_numbers->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void Tf_selfcond::resetEntry() {
    tickAll(false);
    m_counts.clear();
    showCounts();
    m_ui->cb_tolerant->setChecked(false);
}

void Tf_selfcond::quickChoice(int index) {
    if (index < 0 || index >= int(std::size(kQuickChoices))) return;
    const int divisor = kQuickChoices[index][0];
    const int remainder = kQuickChoices[index][1];
    for (int row = 0; row < m_ui->lb_numbers->count(); ++row) {
        QListWidgetItem* item = m_ui->lb_numbers->item(row);
        const bool ticked = item->data(Qt::UserRole).toInt() % divisor == remainder;
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void Tf_selfcond::chooseCounts() {
    const std::optional<std::vector<int32_t>> chosen = lottodesk::chooseCounts(m_runChooser, this, m_m);
    if (!chosen) return;
    m_counts = *chosen;
    showCounts();
}

void Tf_selfcond::showCounts() { m_ui->e_counts->setText(QString::fromStdString(valueListText(m_counts))); }

void Tf_selfcond::accept() {
    const Status status = validateSelfSetDialog(entry());
    if (!status) {
        m_prompts.inform(this, QString::fromStdString(status.message));
        return;
    }
    QDialog::accept();
}

void Tf_selfcond::setAssistant(std::function<void(const tselfcond&)> assistant) {
    m_assistant = std::move(assistant);
    m_ui->b_assistant->setEnabled(static_cast<bool>(m_assistant));
}

void Tf_selfcond::assist() {
    const tselfcond group = entry();
    if (group.numbers.empty()) {
        m_prompts.warn(this, QStringLiteral("未选择号码"));
        return;
    }
    if (m_assistant) m_assistant(group);
}

}  // namespace lottodesk
