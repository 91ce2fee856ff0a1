#include "ui/generator/zh_custompage.h"

#include <algorithm>

#include "core/workspace.h"
#include "ui/formula/f_fzsr.h"
#include "formula/evalfailure.h"
#include "formula/precheck.h"
#include "formula/tgs.h"
#include "generator/selfcond.h"
#include "ui/generator/zh_dialogs.h"
#include "indicators/context.h"
#include "ui/common/prompts.h"
#include "ui_zh_custompage.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

constexpr int32_t kValueLow = 0;
constexpr int32_t kValueHigh = 1000;

}  // namespace

ZhCustomPage::ZhCustomPage(const Workspace& ws, CustomList custom, bool& enabled, Prompts& prompts,
                           GeneratorDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_custom(custom),
      m_enabled(enabled),
      m_prompts(prompts),
      m_dialogs(dialogs),
      m_ui(new Ui::ZhCustomPage),
      m_fzsr(new Tf_fzsr(ws.folder, prompts, this)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("ts_selfzb"));
    connect(m_ui->b_fzsr, &QPushButton::clicked, this, [this] { assistInput(); });
    connect(m_ui->b_qz, &QPushButton::clicked, this, [this] { takeValues(); });
    connect(m_ui->b_zbadd, &QPushButton::clicked, this, [this] { add(); });
    connect(m_ui->b_zbmodify, &QPushButton::clicked, this, [this] { modify(); });
    connect(m_ui->b_zbdelete, &QPushButton::clicked, this, [this] { remove(); });
    connect(m_ui->cb_selfzb, &QCheckBox::clicked, this, [this](bool on) { m_enabled = on; });
}

ZhCustomPage::~ZhCustomPage() = default;

QLineEdit* ZhCustomPage::formulaBox() const { return m_ui->e_gs; }
QLineEdit* ZhCustomPage::valueBox() const { return m_ui->e_qz; }
QCheckBox* ZhCustomPage::toleranceBox() const { return m_ui->cb_rc; }
QCheckBox* ZhCustomPage::masterBox() const { return m_ui->cb_selfzb; }
QListWidget* ZhCustomPage::list() const { return m_ui->lb_selfzb; }

void ZhCustomPage::setLines(std::vector<std::string> lines) {
    m_lines = std::move(lines);
    m_ui->cb_selfzb->setChecked(m_enabled);
    showLines();
}

void ZhCustomPage::showLines() {
    const int selected = m_ui->lb_selfzb->currentRow();
    m_ui->lb_selfzb->clear();
    for (const std::string& line : m_lines) m_ui->lb_selfzb->addItem(q(line));
    if (selected >= 0 && selected < m_ui->lb_selfzb->count()) m_ui->lb_selfzb->setCurrentRow(selected);
}

void ZhCustomPage::assistInput() {
    m_fzsr->clearFormula();
    if (m_runDialog(*m_fzsr) == QDialog::Accepted) m_ui->e_gs->setText(m_fzsr->formula());
}

// A typed formula that names no indicator, or whose parentheses do not match, would read as
// -999 or a wrong value in every run: refused where it is typed. Empty text is the list's own
// message.
bool ZhCustomPage::formulaAccepted(const std::string& formula) {
    if (trimFormulaText(formula).empty()) return true;
    const std::string message = precheckEnteredFormula(trimFormulaText(formula));
    if (message.empty()) return true;
    m_prompts.warn(window(), q(message));
    return false;
}

void ZhCustomPage::takeValues() {
    const std::string formula = m_ui->e_gs->text().trimmed().toStdString();
    if (!formulaAccepted(formula)) return;
    const int newest = m_ws.sjk.newestRealRecord();
    ValueChoice choice;
    choice.lo = kValueLow;
    choice.hi = kValueHigh;
    if (newest > 0) {
        const EvalResult result = tgs(formula).evaluate(indicatorContext(m_ws, &m_memo), newest);
        if (!result.ok) {
            m_prompts.inform(window(), q(evaluationFailure(result)));
            return;
        }
        choice.reference = result.value;
    }
    choice.preselected = m_pending;
    choice.assistant = m_dialogs.indicatorAssistant(formula, formula);
    std::optional<std::vector<int32_t>> chosen = m_dialogs.chooseValues(window(), choice);
    if (!chosen) return;
    std::sort(chosen->begin(), chosen->end());
    m_pending = std::move(*chosen);
    m_ui->e_qz->setText(q(valueListText(m_pending)));
}

bool ZhCustomPage::addExported(const std::string& formula, int32_t lo, int32_t hi) {
    const QString trimmed = q(formula).trimmed();
    if (trimmed.isEmpty()) return false;
    const int newest = m_ws.sjk.newestRealRecord();
    ValueChoice choice;
    choice.lo = lo;
    choice.hi = hi;
    if (newest > 0) {
        const EvalResult result = tgs(trimmed.toStdString()).evaluate(indicatorContext(m_ws, &m_memo), newest);
        if (result.ok) choice.reference = result.value;
    }
    std::optional<std::vector<int32_t>> chosen = m_dialogs.chooseValues(window(), choice);
    if (!chosen) return false;
    std::sort(chosen->begin(), chosen->end());
    const bool tolerant = m_prompts.ask(window(), QStringLiteral("容错选择"), QStringLiteral("是否进行容错?"), false);
    const CustomAdd added = std::visit(
        [&](auto* list) { return addCustom(*list, m_lines, trimmed.toStdString(), tolerant, *chosen); }, m_custom);
    if (!added.added) {
        if (!added.message.empty()) m_prompts.inform(window(), q(added.message));
        return false;
    }
    m_ui->e_gs->clear();
    m_ui->e_qz->clear();
    m_ui->cb_rc->setChecked(false);
    m_pending.clear();
    showLines();
    m_enabled = true;
    masterBox()->setChecked(true);
    m_prompts.inform(window(), q(customExportMessage(m_lines.back())));
    return true;
}

Status ZhCustomPage::append(const std::string& formula, std::vector<int32_t> values, bool tolerant) {
    if (values.empty()) return Status::failure(kNoValueChosenMessage);
    std::sort(values.begin(), values.end());
    const CustomAdd added = std::visit(
        [&](auto* list) { return addCustom(*list, m_lines, formula, tolerant, std::move(values)); }, m_custom);
    if (!added.added) return Status::failure(added.message.empty() ? kErrEmpty : added.message);
    showLines();
    m_enabled = true;
    masterBox()->setChecked(true);
    return Status::success();
}

void ZhCustomPage::putFormula(const std::string& formula) { m_ui->e_gs->setText(q(formula)); }

void ZhCustomPage::add() {
    if (!formulaAccepted(m_ui->e_gs->text().toStdString())) return;
    const CustomAdd added = std::visit(
        [&](auto* list) {
            return addCustom(*list, m_lines, m_ui->e_gs->text().toStdString(), m_ui->cb_rc->isChecked(), m_pending);
        },
        m_custom);
    if (!added.message.empty()) m_prompts.inform(window(), q(added.message));
    if (!added.added) return;
    m_ui->e_gs->clear();
    m_ui->e_qz->clear();
    m_ui->cb_rc->setChecked(false);
    m_pending.clear();
    showLines();
    m_ui->lb_selfzb->setCurrentRow(m_ui->lb_selfzb->count() - 1);
    // An entry added to a list that is switched off would be ignored without a word: switch it on.
    m_enabled = true;
    masterBox()->setChecked(true);
}

void ZhCustomPage::modify() {
    const int index = m_ui->lb_selfzb->currentRow();
    if (index < 0 || index >= std::visit([](auto* list) { return list->count(); }, m_custom)) {
        m_prompts.inform(window(), QString::fromUtf8(kSelectCustomToModifyMessage));
        return;
    }
    ValueChoice choice;
    choice.lo = kValueLow;
    choice.hi = kValueHigh;
    choice.preselected = std::visit([&](auto* list) { return (*list)[index].values; }, m_custom);
    std::optional<std::vector<int32_t>> chosen = m_dialogs.chooseValues(window(), choice);
    if (!chosen) return;
    std::sort(chosen->begin(), chosen->end());
    const bool tolerant = m_prompts.ask(window(), QStringLiteral("确认"),
                                        QStringLiteral("是否容错？如果容错，请选yes;如果不容错，请选no"), true);
    const Status modified = std::visit(
        [&](auto* list) { return modifyCustom(*list, m_lines, index, std::move(*chosen), tolerant); }, m_custom);
    if (!modified) m_prompts.inform(window(), q(modified.message));
    showLines();
}

void ZhCustomPage::remove() {
    const Status removed =
        std::visit([&](auto* list) { return deleteCustom(*list, m_lines, m_ui->lb_selfzb->currentRow()); }, m_custom);
    if (!removed) m_prompts.inform(window(), q(removed.message));
    showLines();
}

}  // namespace lottodesk
