#include "ui/update/f_xgzh.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

#include "ui/common/maskedfield.h"
#include <QVBoxLayout>

namespace lottodesk {
namespace {

QLineEdit* box(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

QString numberGroupMask(int groups) {
    if (groups <= 0) return {};
    QStringList parts;
    for (int i = 0; i < groups; ++i) parts << QStringLiteral("99");
    return parts.join(QLatin1Char('-')) + QStringLiteral(";_");
}

QString periodMask() { return QStringLiteral("9999999;_"); }

std::optional<DrawLineFields> drawLineFields(const QString& text, int m, int h) {
    static const QRegularExpression separators(QStringLiteral("[\\s,，+＋\\-]+"));
    const QStringList parts = text.trimmed().split(separators, Qt::SkipEmptyParts);
    if (parts.size() != 1 + m + h) return std::nullopt;
    if (parts[0].size() != 7 || !std::all_of(parts[0].begin(), parts[0].end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    QStringList numbers;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        bool ok = false;
        const int value = parts[i].toInt(&ok);
        if (!ok || value < 1 || value > 99 || parts[i].size() > 2) return std::nullopt;
        numbers << QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    }
    return DrawLineFields{parts[0], numbers.mid(0, m).join(QLatin1Char('-')), numbers.mid(m).join(QLatin1Char('-'))};
}

bool fillFromDrawLine(const QString& text, int m, int h, QLineEdit* period, QLineEdit* main, QLineEdit* secondary) {
    const std::optional<DrawLineFields> fields = drawLineFields(text, m, h);
    if (!fields) return false;
    period->setText(fields->period);
    if (main) main->setText(fields->main);
    if (secondary) secondary->setText(fields->secondary);
    return true;
}

Tf_xgzh::Tf_xgzh(QWidget* parent)
    : QDialog(parent),
      m_lQs(label("l_qs", QStringLiteral("期数"), this)),
      m_eQs(box("e_qs", this)),
      m_lZh(label("l_zh", QStringLiteral("主号"), this)),
      m_eZh(box("e_zh", this)),
      m_lSpec(label("l_spec", QStringLiteral("特别号"), this)),
      m_eSpec(box("e_spec", this)),
      m_ok(new QPushButton(QStringLiteral("确定"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("修改组号"));
    m_ok->setObjectName(QStringLiteral("b_ok"));
    m_cancel->setObjectName(QStringLiteral("b_cancel"));
    m_ok->setDefault(true);
    m_eQs->setInputMask(periodMask());
    keepTypingInMaskedField(m_eQs, [this](const QString& text) {
        return fillFromDrawLine(text, m_groups.first, m_groups.second, m_eQs, m_eZh, m_eSpec);
    });
    keepTypingInMaskedField(m_eZh);
    keepTypingInMaskedField(m_eSpec);

    auto* fields = new QFormLayout;
    fields->addRow(m_lQs, m_eQs);
    fields->addRow(m_lZh, m_eZh);
    fields->addRow(m_lSpec, m_eSpec);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void Tf_xgzh::setMasks(int zhgs, int fhgs, const QString& zhname, const QString& specname) {
    m_groups = {zhgs, fhgs};
    m_eZh->setInputMask(numberGroupMask(zhgs));
    m_eSpec->setInputMask(numberGroupMask(fhgs));
    m_lZh->setText(zhname);
    m_lSpec->setText(specname);
}

void Tf_xgzh::clearBoxes() {
    m_eQs->clear();
    m_eZh->clear();
    m_eSpec->clear();
}

void Tf_xgzh::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (QLineEdit* edit : {m_eQs, m_eZh, m_eSpec}) {
        if (edit->isVisibleTo(this)) {
            edit->setFocus();
            break;
        }
    }
}

}  // namespace lottodesk
