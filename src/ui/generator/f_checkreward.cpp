#include "ui/generator/f_checkreward.h"
#include "ui/common/maskedfield.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/workspace.h"
#include "generator/twozone.h"
#include "ui/update/f_xgzh.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

int secondaryCount(const Workspace& ws) { return std::clamp(ws.game.fhgs, 0, kMaxSecondaryTicketNumbers); }
int mainCount(const Workspace& ws) { return std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers); }

}  // namespace

Tf_checkreward::Tf_checkreward(const Workspace& ws, QWidget* parent)
    : QDialog(parent),
      m_ws(ws),
      m_period(new QLineEdit),
      m_mainLabel(new QLabel),
      m_main(new QLineEdit),
      m_secondaryLabel(new QLabel),
      m_secondary(new QLineEdit),
      m_ok(new QPushButton(QStringLiteral("确定"))) {
    setObjectName(QStringLiteral("Tf_checkreward"));
    setWindowTitle(QStringLiteral("对奖"));
    m_period->setObjectName(QStringLiteral("e_djqs"));
    m_period->setInputMask(periodMask());
    // A pasted draw line fills the numbers; the period then names its draw.
    keepTypingInMaskedField(m_period, [this](const QString& text) {
        return fillFromDrawLine(text, mainCount(m_ws), secondaryCount(m_ws), m_period, m_main, m_secondary);
    });
    keepTypingInMaskedField(m_main);
    keepTypingInMaskedField(m_secondary);
    m_main->setObjectName(QStringLiteral("e_zh"));
    m_secondary->setObjectName(QStringLiteral("e_spec"));
    m_ok->setObjectName(QStringLiteral("b_ok"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setObjectName(QStringLiteral("b_cancel"));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("对奖期数"), m_period);
    fields->addRow(m_mainLabel, m_main);
    fields->addRow(m_secondaryLabel, m_secondary);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_period, &QLineEdit::textEdited, this, [this](const QString& text) { takePeriod(text); });
    prepare();
}

void Tf_checkreward::prepare() {
    m_mainLabel->setText(q(m_ws.current().zhname));
    m_secondaryLabel->setText(q(m_ws.current().specname));
    // The groups of the text's mask ("!99-99-…;1;_") in Qt's mask syntax, blanks shown as "_".
    m_main->setInputMask(numberGroupMask(mainCount(m_ws)));
    m_secondary->setInputMask(numberGroupMask(secondaryCount(m_ws)));
    m_period->clear();
    m_main->clear();
    m_secondary->clear();
    m_period->setFocus();
}

void Tf_checkreward::takePeriod(const QString& text) {
    const std::optional<WinningNumbers> drawn = winningNumbersOfPeriod(m_ws, text.trimmed().toStdString());
    if (!drawn) return;
    m_main->setText(q(groupText(drawn->main)));
    m_secondary->setText(q(groupText(drawn->secondary)));
}

WinningNumbers Tf_checkreward::winning() const {
    return {groupValues(m_main->text().toStdString(), mainCount(m_ws)),
            groupValues(m_secondary->text().toStdString(), secondaryCount(m_ws))};
}

int32_t Tf_checkreward::drawPeriod() const {
    const std::string text = m_period->text().trimmed().toStdString();
    const std::optional<WinningNumbers> drawn = winningNumbersOfPeriod(m_ws, text);
    if (!drawn) return 0;
    const WinningNumbers typed = winning();
    return typed.main == drawn->main && typed.secondary == drawn->secondary ? std::stoi(text) : 0;
}

}  // namespace lottodesk
