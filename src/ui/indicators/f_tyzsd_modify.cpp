#include "ui/indicators/f_tyzsd_modify.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lottodesk {

Tf_tyzsd_modify::Tf_tyzsd_modify(const std::vector<std::string>& rowTexts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tf_tyzsd_modify"));
    setWindowTitle(QStringLiteral("田野走势图修改"));
    static const char* const kNumbers[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (size_t i = 0; i < rowTexts.size() && i < std::size(kNumbers); ++i) {
        auto* box = new QLineEdit(QString::fromStdString(rowTexts[i]));
        box->setObjectName(QStringLiteral("e_row%1").arg(i + 1));
        form->addRow(QStringLiteral("第%1行：").arg(QString::fromUtf8(kNumbers[i])), box);
        m_rows.push_back(box);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::vector<std::string> Tf_tyzsd_modify::rowTexts() const {
    std::vector<std::string> texts;
    for (const QLineEdit* box : m_rows) texts.push_back(box->text().trimmed().toStdString());
    return texts;
}

}  // namespace lottodesk
