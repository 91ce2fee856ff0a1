#include "ui/update/f_cpstyle.h"

#include <QRadioButton>

#include "core/integertext.h"
#include "core/workspace.h"
#include "ui/common/prompts.h"
#include "ui_f_cpstyle.h"

namespace lottodesk {
namespace {

constexpr int kVisibleTypes = 7;

QString q(const std::string& text) { return QString::fromStdString(text); }

void fillNumbers(QComboBox* combo, int from, int to) {
    for (int n = from; n <= to; ++n) combo->addItem(QString::number(n));
}

QString zhgsCaption(int zhgs) { return QStringLiteral("开奖主号个数：%1个").arg(zhgs); }

}  // namespace

Tf_cpstyle::Tf_cpstyle(Workspace& ws, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_prompts(prompts), m_ui(new Ui::Tf_cpstyle) {
    m_ui->setupUi(this);
    for (int i = 0; i < kTypeCount; ++i) {
        m_radios[i] = findChild<QRadioButton*>(QStringLiteral("rb%1").arg(i));
        m_radios[i]->setVisible(i < kVisibleTypes);
        connect(m_radios[i], &QRadioButton::clicked, this, [this, i] { selectType(i); });
    }
    for (QComboBox* combo : {m_ui->combo_zh_from, m_ui->combo_zh_to, m_ui->combo_spec_from, m_ui->combo_spec_to})
        fillNumbers(combo, 0, 49);
    fillNumbers(m_ui->combo_zhgs, 1, 7);
    fillNumbers(m_ui->combo_fhgs, 0, 7);
    m_ui->combo_ltorsz->addItems({QStringLiteral("乐透型"), QStringLiteral("数字型")});
    // The counts of a type never change after it is created, and nothing applies the start type.
    for (QWidget* hidden : {static_cast<QWidget*>(m_ui->combo_zhgs), static_cast<QWidget*>(m_ui->combo_fhgs),
                            static_cast<QWidget*>(m_ui->combo_ltorsz), static_cast<QWidget*>(m_ui->cb_run)})
        hidden->setVisible(false);
    m_ui->cb_run->setEnabled(false);

    connect(m_ui->cb_hasspec, &QCheckBox::toggled, this, [this] { applySecondaryEnabling(); });
    connect(m_ui->Button1, &QPushButton::clicked, this, [this] { confirmChanges(); });
    connect(m_ui->b_ok, &QPushButton::clicked, this, [this] { accept(); });
}

Tf_cpstyle::~Tf_cpstyle() = default;

void Tf_cpstyle::showEvent(QShowEvent* event) {
    for (int i = 0; i < kTypeCount; ++i) m_radios[i]->setText(q(m_ws.types.cpstyles[i].cpmm));
    m_radios[m_ws.curcp]->setChecked(true);
    selectType(m_ws.curcp);
    QDialog::showEvent(event);
}

void Tf_cpstyle::reject() { accept(); }

void Tf_cpstyle::selectType(int index) {
    m_ws.curcp = index;
    fillFrom(index);
}

void Tf_cpstyle::fillFrom(int index) {
    const tcpstyle& type = m_ws.types.cpstyles[index];
    m_ui->e_cpmm->setText(q(type.cpmm));
    m_ui->combo_zhgs->setCurrentText(QString::number(type.zhgs));
    m_ui->combo_fhgs->setCurrentText(QString::number(type.fhgs));
    m_ui->combo_zh_from->setCurrentText(QString::number(type.zh_from));
    m_ui->combo_spec_from->setCurrentText(QString::number(type.spec_from));
    m_ui->combo_zh_to->setCurrentText(QString::number(type.zh_to));
    m_ui->combo_spec_to->setCurrentText(QString::number(type.spec_to));
    m_ui->cb_hasspec->setChecked(type.hasspec != 0);
    applySecondaryEnabling();
    m_ui->combo_ltorsz->setCurrentIndex(type.ltorsz == 1 ? 0 : 1);
    m_ui->l_zhgs->setText(zhgsCaption(type.zhgs));
}

void Tf_cpstyle::applySecondaryEnabling() {
    const bool has = m_ui->cb_hasspec->isChecked();
    m_ui->combo_spec_from->setEnabled(has);
    m_ui->combo_spec_to->setEnabled(has);
    m_ui->combo_fhgs->setEnabled(has);
}

bool Tf_cpstyle::confirmChanges() {
    // Every number is checked before the entry changes, so a bad field leaves the entry as it was.
    const QComboBox* fields[] = {m_ui->combo_zhgs,  m_ui->combo_fhgs,      m_ui->combo_zh_from,
                                 m_ui->combo_zh_to, m_ui->combo_spec_from, m_ui->combo_spec_to};
    int values[6];
    for (int i = 0; i < 6; ++i) {
        const std::string text = fields[i]->currentText().toStdString();
        std::optional<int> value = parseInteger(text);
        if (!value) {
            m_prompts.inform(this, q(notAnIntegerMessage(text)));
            return false;
        }
        values[i] = *value;
    }
    tcpstyle& type = m_ws.current();
    type.zhgs = static_cast<uint8_t>(values[0]);
    type.fhgs = static_cast<uint8_t>(values[1]);
    type.cpmm = fitTypeText(m_ui->e_cpmm->text().toStdString());
    type.hasspec = m_ui->cb_hasspec->isChecked() ? 1 : 0;
    if (type.hasspec == 0) type.fhgs = 0;
    type.zh_from = static_cast<uint8_t>(values[2]);
    type.zh_to = static_cast<uint8_t>(values[3]);
    type.spec_from = static_cast<uint8_t>(values[4]);
    type.spec_to = static_cast<uint8_t>(values[5]);
    type.ltorsz = m_ui->combo_ltorsz->currentText() == QStringLiteral("乐透型") ? 1 : 0;
    m_radios[m_ws.curcp]->setText(q(type.cpmm));
    if (m_ui->cb_run->isChecked()) m_ws.types.startcp = static_cast<uint8_t>(m_ws.curcp);
    m_ui->l_zhgs->setText(zhgsCaption(type.zhgs));

    const Status saved = saveTypeTable(m_ws.typeFilePath(), m_ws.types);
    if (!saved) m_prompts.inform(this, q(saved.message));
    return saved.ok;
}

}  // namespace lottodesk
