#include "ui/prediction/f_selfsh_set.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/integertext.h"
#include "formula/precheck.h"
#include "ui/common/prompts.h"

namespace lottodesk {

Tf_selfsh_set::Tf_selfsh_set(Prompts& prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("f_selfsh_set"));
    setWindowTitle(QStringLiteral("自定义杀号设置"));
    auto* form = new QFormLayout(this);
    m_target = new QLineEdit(this);
    m_low = new QLineEdit(QStringLiteral("0"), this);
    m_high = new QLineEdit(QStringLiteral("0"), this);
    form->addRow(QStringLiteral("要杀号的指标:"), m_target);
    form->addRow(QStringLiteral("指标取值下限"), m_low);
    form->addRow(QStringLiteral("指标取值上限"), m_high);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        CustomKill probe;
        if (applyTo(probe)) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void Tf_selfsh_set::setDefinition(const CustomKill& kill) {
    m_target->setText(QString::fromStdString(kill.target));
    m_low->setText(QString::number(kill.low));
    m_high->setText(QString::number(kill.high));
}

bool Tf_selfsh_set::applyTo(CustomKill& kill) {
    const std::string target = m_target->text().trimmed().toStdString();
    if (target.empty()) {
        m_prompts.inform(this, QStringLiteral("请输入要杀号的指标"));
        return false;
    }
    const std::optional<int> low = parseInteger(m_low->text().toStdString());
    const std::optional<int> high = parseInteger(m_high->text().toStdString());
    if (!low || !high) {
        m_prompts.inform(this,
                         QString::fromStdString(notAnIntegerMessage((!low ? m_low : m_high)->text().toStdString())));
        return false;
    }
    if (*low > *high) {
        m_prompts.inform(this, QStringLiteral("指标取值下限不能大于上限"));
        return false;
    }
    kill.target = target;
    kill.low = *low;
    kill.high = *high;
    return true;
}

}  // namespace lottodesk
