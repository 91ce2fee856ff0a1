#include "ui/indicators/f_filter_zbpxz.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "analysis/analysisfilter.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// An option: a check box and its two answers, the first chosen.
QRadioButton* option(QGridLayout* grid, int row, QCheckBox*& box, const char* name, const char* caption,
                     const char* first, const char* second) {
    box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString::fromLatin1(name));
    auto* a = new QRadioButton(QString::fromUtf8(first));
    auto* b = new QRadioButton(QString::fromUtf8(second));
    a->setObjectName(QStringLiteral("rb_%1_1").arg(QString::fromLatin1(name)));
    b->setObjectName(QStringLiteral("rb_%1_2").arg(QString::fromLatin1(name)));
    auto* group = new QButtonGroup(box);
    group->addButton(a);
    group->addButton(b);
    a->setChecked(true);
    grid->addWidget(box, row, 0);
    grid->addWidget(a, row, 1);
    grid->addWidget(b, row, 2);
    return a;
}

std::optional<int32_t> boxNumber(const QLineEdit* box) {
    bool ok = false;
    const int value = box->text().trimmed().toInt(&ok);
    return ok ? std::optional<int32_t>(value) : std::nullopt;
}

}  // namespace

Tf_filter_zbpxz::Tf_filter_zbpxz(Prompts& prompts, std::function<GeneratorHandOff*()> generator, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_generator(std::move(generator)) {
    setObjectName(QStringLiteral("Tf_filter_zbpxz"));
    setWindowTitle(QStringLiteral("过滤设置"));
    auto* layout = new QVBoxLayout(this);
    auto* range = new QHBoxLayout;
    m_from = new QLineEdit;
    m_from->setObjectName(QStringLiteral("e_from"));
    m_to = new QLineEdit;
    m_to->setObjectName(QStringLiteral("e_to"));
    for (QLineEdit* box : {m_from, m_to}) box->setValidator(new QIntValidator(-99999999, 99999999, box));
    range->addWidget(m_from);
    range->addWidget(new QLabel(QStringLiteral("<=取值范围<=")));
    range->addWidget(m_to);
    layout->addLayout(range);
    auto* grid = new QGridLayout;
    m_odd = option(grid, 0, m_parity, "cb_jo", "奇偶", "奇数", "偶数");
    m_prime = option(grid, 1, m_primality, "cb_zh", "质合", "质数", "合数");
    m_rise = option(grid, 2, m_direction, "cb_sj", "升降", "升", "降");
    layout->addLayout(grid);
    m_tolerance = new QCheckBox(QStringLiteral("是否容错"));
    m_tolerance->setObjectName(QStringLiteral("cb_rc"));
    layout->addWidget(m_tolerance);
    auto* buttons = new QHBoxLayout;
    m_main = new QPushButton;
    m_main->setObjectName(QStringLiteral("b_main"));
    m_secondary = new QPushButton;
    m_secondary->setObjectName(QStringLiteral("b_secondary"));
    buttons->addWidget(m_main);
    buttons->addWidget(m_secondary);
    layout->addLayout(buttons);
    connect(m_main, &QPushButton::clicked, this, [this] { exportToMain(); });
    connect(m_secondary, &QPushButton::clicked, this, [this] { exportToSecondary(); });
}

void Tf_filter_zbpxz::prepare(const std::string& expression, ValueRange range, int32_t reference,
                              const std::string& zoneLabel, const std::string& secondaryLabel) {
    m_expression = expression;
    m_reference = reference;
    m_zoneLabel = zoneLabel;
    m_from->setText(QString::number(range.lo));
    m_to->setText(QString::number(range.hi));
    m_main->setText(QStringLiteral("导出到%1过滤").arg(q(zoneLabel)));
    m_secondary->setText(QStringLiteral("导出到%1过滤").arg(q(secondaryLabel)));
    const GeneratorHandOff* generator = m_generator ? m_generator() : nullptr;
    m_secondary->setEnabled(generator && generator->secondaryTarget() != GeneratorHandOff::SecondaryTarget::None);
}

void Tf_filter_zbpxz::exportTo(bool secondary) {
    FilterChoice choice;
    if (m_parity->isChecked()) choice.parity = m_odd->isChecked() ? Parity::Odd : Parity::Even;
    if (m_primality->isChecked()) choice.primality = m_prime->isChecked() ? Primality::Prime : Primality::Composite;
    if (m_direction->isChecked()) choice.direction = m_rise->isChecked() ? Direction::Rise : Direction::Fall;
    choice.tolerance = m_tolerance->isChecked();
    const FilterCondition condition =
        filterCondition(m_expression, boxNumber(m_from), boxNumber(m_to), choice, m_reference);
    if (!condition.status) {
        m_prompts.warn(this, q(condition.status.message));
        return;
    }
    GeneratorHandOff* generator = m_generator ? m_generator() : nullptr;
    if (!generator) {
        m_prompts.warn(this, QStringLiteral("超强组号不可用，未设置过滤"));
        return;
    }
    const GeneratorHandOff::SecondaryTarget target = generator->secondaryTarget();
    const Status added = secondary ? generator->addSecondaryCustom(m_expression, condition.allowed, choice.tolerance)
                                   : generator->addCustom(m_expression, condition.allowed, choice.tolerance);
    if (!added) {
        m_prompts.warn(this, q(added.message));
        return;
    }
    const QString zone = !secondary                                             ? q(m_zoneLabel)
                         : target == GeneratorHandOff::SecondaryTarget::Special ? QStringLiteral("蓝号")
                                                                                : QStringLiteral("副区");
    m_prompts.inform(this,
                     QStringLiteral("过滤设置成功。该项过滤设置是在超强组号的%1过滤自定义指标中实现的，可在超强组号的%1"
                                    "过滤自定义指标的列表框中查看。")
                         .arg(zone));
    accept();
}

}  // namespace lottodesk
