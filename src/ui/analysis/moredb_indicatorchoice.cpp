#include "ui/analysis/moredb_indicatorchoice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "indicators/registry.h"
#include "ui/formula/f_fzsr.h"

namespace lottodesk {

IndicatorChoiceDialog::IndicatorChoiceDialog(const std::string& programFolder, const GameParams& game,
                                             const std::string& specname, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_folder(programFolder),
      m_game(game),
      m_specname(specname),
      m_prompts(prompts),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    setObjectName(QStringLiteral("Tf_selfsh_set"));
    setWindowTitle(QStringLiteral("选择指标"));
    auto* layout = new QVBoxLayout(this);
    m_existing = new QRadioButton(QStringLiteral("系统已有指标"), this);
    m_existing->setObjectName(QStringLiteral("rb_existing"));
    m_existing->setChecked(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lb_indicators"));
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const IndicatorChoiceEntry& entry : indicatorChoiceEntries())
        m_list->addItem(QString::fromLatin1(entry.id).leftJustified(16) + QString::fromUtf8(entry.description));
    m_user = new QRadioButton(QStringLiteral("用户自定义指标"), this);
    m_user->setObjectName(QStringLiteral("rb_user"));
    m_typed = new QLineEdit(this);
    m_typed->setObjectName(QStringLiteral("e_user"));
    auto* assist = new QPushButton(QStringLiteral("辅助输入"), this);
    assist->setObjectName(QStringLiteral("b_fzsr"));
    auto* userRow = new QHBoxLayout;
    userRow->addWidget(m_user);
    userRow->addWidget(m_typed, 1);
    userRow->addWidget(assist);
    m_low = new QComboBox(this);
    m_low->setObjectName(QStringLiteral("cb_low"));
    m_high = new QComboBox(this);
    m_high->setObjectName(QStringLiteral("cb_high"));
    for (int v = 0; v <= 999; ++v) {
        m_low->addItem(QString::number(v));
        m_high->addItem(QString::number(v));
    }
    m_low->setCurrentIndex(0);
    m_high->setCurrentIndex(9);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(m_low);
    rangeRow->addWidget(new QLabel(QStringLiteral("<=指标取值范围<="), this));
    rangeRow->addWidget(m_high);
    rangeRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("b_ok"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("b_cancel"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addWidget(m_existing);
    layout->addWidget(m_list, 1);
    layout->addLayout(userRow);
    layout->addLayout(rangeRow);
    layout->addLayout(buttons);
    m_list->setCurrentRow(0);  // z_hw
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { followEntry(); });
    connect(assist, &QPushButton::clicked, this, [this] { assistedInput(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 420);
}

void IndicatorChoiceDialog::followEntry() {
    const int row = m_list->currentRow();
    if (row < 0) return;
    tsetaccostr entry;
    if (!Registry::instance().lookup_name(indicatorChoiceEntries()[static_cast<size_t>(row)].id, m_game, m_specname,
                                          entry))
        return;
    m_low->setCurrentIndex(std::clamp(entry.min, 0, 999));
    m_high->setCurrentIndex(std::clamp(entry.max, 0, 999));
}

void IndicatorChoiceDialog::assistedInput() {
    Tf_fzsr input(m_folder, m_prompts, this);
    if (m_runDialog(input) == QDialog::Accepted) m_typed->setText(input.formula());
}

QString IndicatorChoiceDialog::result() const {
    if (m_user->isChecked()) return m_typed->text().trimmed();
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->text().section(QLatin1Char(' '), 0, 0) : QString();
}

int IndicatorChoiceDialog::rangeLow() const { return m_low->currentIndex(); }
int IndicatorChoiceDialog::rangeHigh() const { return m_high->currentIndex(); }

}  // namespace lottodesk
