#include "ui/formula/f_addselfzb.h"

#include "ui/formula/f_fzsr.h"
#include "formula/precheck.h"
#include "ui/common/prompts.h"
#include "ui_f_addselfzb.h"

namespace lottodesk {
namespace {

QString trimmed(const QString& text) {
    return QString::fromStdString(std::string(trimFormulaText(text.toStdString())));
}

}  // namespace

Tf_addselfzb::Tf_addselfzb(const std::string& programFolder, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_prompts(prompts),
      m_ui(new Ui::Tf_addselfzb),
      m_fzsr(new Tf_fzsr(programFolder, prompts, this)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    m_ui->setupUi(this);
    connect(m_ui->b_fzsr, &QPushButton::clicked, this, [this] { assistInput(); });
    connect(m_ui->b_ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_ui->b_cancel, &QPushButton::clicked, this, [this] { reject(); });
}

Tf_addselfzb::~Tf_addselfzb() = default;

void Tf_addselfzb::setForAdd() {
    setWindowTitle(QStringLiteral("添加自定义指标"));
    m_ui->Edit1->clear();
    m_ui->Edit2->clear();
}

void Tf_addselfzb::setForModify(const QString& formula, const QString& name) {
    setWindowTitle(QStringLiteral("修改自定义指标"));
    m_ui->Edit1->setText(formula);
    m_ui->Edit2->setText(name);
}

QString Tf_addselfzb::formula() const { return trimmed(m_ui->Edit1->text()); }

QString Tf_addselfzb::name() const { return trimmed(m_ui->Edit2->text()); }

void Tf_addselfzb::accept() {
    // A typed identifier that names no indicator would read as -999 everywhere: refused here.
    const std::string message = precheckEnteredFormula(formula().toStdString());
    if (!message.empty()) {
        m_prompts.warn(this, QString::fromStdString(message));
        return;
    }
    QDialog::accept();
}

void Tf_addselfzb::assistInput() {
    m_fzsr->clearFormula();
    if (m_runDialog(*m_fzsr) == QDialog::Accepted) m_ui->Edit1->setText(m_fzsr->formula());
}

}  // namespace lottodesk
