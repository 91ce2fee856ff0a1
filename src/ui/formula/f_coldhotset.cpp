#include "ui/formula/f_coldhotset.h"

#include "core/integertext.h"
#include "ui/common/prompts.h"
#include "ui_f_coldhotset.h"

namespace lottodesk {

Tf_coldhotset::Tf_coldhotset(Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_ui(new Ui::Tf_coldhotset) {
    m_ui->setupUi(this);
    connect(m_ui->b_ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_ui->b_cancel, &QPushButton::clicked, this, [this] { reject(); });
}

Tf_coldhotset::~Tf_coldhotset() = default;

void Tf_coldhotset::fill(int qs, int cold, int hot) {
    m_ui->e_qsfield->setText(QString::number(qs));
    m_ui->e_cold->setText(QString::number(cold));
    m_ui->e_hot->setText(QString::number(hot));
}

std::optional<std::array<int, 3>> Tf_coldhotset::values(Prompts& prompts) {
    const QLineEdit* fields[] = {m_ui->e_qsfield, m_ui->e_cold, m_ui->e_hot};
    std::array<int, 3> result{};
    for (size_t i = 0; i < result.size(); ++i) {
        const std::string text = fields[i]->text().toStdString();
        const std::optional<int> value = parseInteger(text);
        if (!value) {
            prompts.inform(this, QString::fromStdString(notAnIntegerMessage(text)));
            return std::nullopt;
        }
        result[i] = *value;
    }
    return result;
}

void Tf_coldhotset::accept() {
    if (!values(m_prompts)) return;
    QDialog::accept();
}

}  // namespace lottodesk
