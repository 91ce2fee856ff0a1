#include "ui/update/f_cpstyle.h"

#include <QRadioButton>

#include "core/typeform.h"
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

// Shows `value` even when the list does not offer it (a count written by another version), so the
// check names it instead of the box silently showing another one.
void showValue(QComboBox* combo, int value) {
    const QString text = QString::number(value);
    if (combo->isEditable()) {
        combo->setCurrentText(text);
        return;
    }
    int index = combo->findText(text);
    if (index < 0) {
        combo->addItem(text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

std::string typed(const QComboBox* combo) { return combo->currentText().toStdString(); }

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
    fillNumbers(m_ui->combo_zhgs, 1, kMaxEnteredMain);
    fillNumbers(m_ui->combo_fhgs, 0, kMaxEnteredSecondary);
    m_ui->combo_ltorsz->addItems({QStringLiteral("乐透型"), QStringLiteral("数字型")});
    // Nothing tells the two kinds apart, and nothing applies the start type.
    m_ui->combo_ltorsz->setVisible(false);
    m_ui->cb_run->setVisible(false);
    m_ui->cb_run->setEnabled(false);

    m_ui->combo_preset->addItem(QStringLiteral("选择常见彩种…"));
    for (const TypePreset& preset : typePresets()) m_ui->combo_preset->addItem(QString::fromUtf8(preset.name));
    connect(m_ui->combo_preset, &QComboBox::activated, this, [this](int index) {
        if (index > 0) fillFrom(presetForm(typePresets()[index - 1]));
        m_ui->combo_preset->setCurrentIndex(0);
    });

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
    showValue(m_ui->combo_zhgs, type.zhgs);
    showValue(m_ui->combo_fhgs, type.fhgs);
    showValue(m_ui->combo_zh_from, type.zh_from);
    showValue(m_ui->combo_spec_from, type.spec_from);
    showValue(m_ui->combo_zh_to, type.zh_to);
    showValue(m_ui->combo_spec_to, type.spec_to);
    m_ui->cb_hasspec->setChecked(type.hasspec != 0);
    applySecondaryEnabling();
    m_ui->combo_ltorsz->setCurrentIndex(type.ltorsz == 1 ? 0 : 1);
}

void Tf_cpstyle::fillFrom(const TypeForm& form) {
    m_ui->e_cpmm->setText(QString::fromStdString(form.cpmm));
    m_ui->combo_zhgs->setCurrentText(QString::fromStdString(form.zhgs));
    m_ui->combo_zh_from->setCurrentText(QString::fromStdString(form.zh_from));
    m_ui->combo_zh_to->setCurrentText(QString::fromStdString(form.zh_to));
    m_ui->cb_hasspec->setChecked(form.hasspec);
    if (form.hasspec) {
        m_ui->combo_fhgs->setCurrentText(QString::fromStdString(form.fhgs));
        m_ui->combo_spec_from->setCurrentText(QString::fromStdString(form.spec_from));
        m_ui->combo_spec_to->setCurrentText(QString::fromStdString(form.spec_to));
    }
    applySecondaryEnabling();
}

TypeForm Tf_cpstyle::typedForm() const {
    return {m_ui->e_cpmm->text().toStdString(), typed(m_ui->combo_zhgs),       typed(m_ui->combo_zh_from),
            typed(m_ui->combo_zh_to),           m_ui->cb_hasspec->isChecked(), typed(m_ui->combo_fhgs),
            typed(m_ui->combo_spec_from),       typed(m_ui->combo_spec_to)};
}

void Tf_cpstyle::applySecondaryEnabling() {
    const bool has = m_ui->cb_hasspec->isChecked();
    m_ui->combo_spec_from->setEnabled(has);
    m_ui->combo_spec_to->setEnabled(has);
    m_ui->combo_fhgs->setEnabled(has);
}

bool Tf_cpstyle::confirmChanges() {
    // Every field is checked before the entry changes, so a bad one leaves the entry as it was.
    const TypeForm form = typedForm();
    if (const std::string problem = typeFormProblem(form); !problem.empty()) {
        m_prompts.warn(this, q(problem));
        return false;
    }
    tcpstyle& type = m_ws.current();
    storeTypeForm(form, type);
    type.ltorsz = m_ui->combo_ltorsz->currentText() == QStringLiteral("乐透型") ? 1 : 0;
    m_radios[m_ws.curcp]->setText(q(type.cpmm));
    if (m_ui->cb_run->isChecked()) m_ws.types.startcp = static_cast<uint8_t>(m_ws.curcp);
    fillFrom(m_ws.curcp);

    const Status saved = saveTypeTable(m_ws.typeFilePath(), m_ws.types);
    if (!saved) m_prompts.reportError(this, q(saved.message));
    return saved.ok;
}

}  // namespace lottodesk
