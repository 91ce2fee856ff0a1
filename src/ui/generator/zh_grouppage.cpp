#include "ui/generator/zh_grouppage.h"

#include "core/workspace.h"
#include "generator/selfcond.h"
#include "ui/generator/zh_dialogs.h"
#include "ui/common/prompts.h"
#include "ui_zh_grouppage.h"

namespace lottodesk {

ZhGroupPage::ZhGroupPage(Kind kind, const Workspace& ws, MainConditions& conditions, Prompts& prompts,
                         GeneratorDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_kind(kind),
      m_ws(ws),
      m_conditions(conditions),
      m_prompts(prompts),
      m_dialogs(dialogs),
      m_ui(new Ui::ZhGroupPage) {
    m_ui->setupUi(this);
    const bool selfSet = kind == Kind::SelfSet;
    const QString prefix = selfSet ? QStringLiteral("zs") : QStringLiteral("ws");
    setObjectName(selfSet ? QStringLiteral("ts_zscond") : QStringLiteral("ts_wsset"));
    m_ui->cb_group->setObjectName(selfSet ? QStringLiteral("cb_zscond") : QStringLiteral("cb_wsset"));
    m_ui->lb_group->setObjectName(selfSet ? QStringLiteral("lb_zscond") : QStringLiteral("lb_wsset"));
    m_ui->b_add->setObjectName(QStringLiteral("b_%1add").arg(prefix));
    m_ui->b_modify->setObjectName(QStringLiteral("b_%1modify").arg(prefix));
    m_ui->b_delete->setObjectName(QStringLiteral("b_%1delete").arg(prefix));
    m_ui->cb_group->setText(selfSet ? QStringLiteral("自设条件") : QStringLiteral("尾数设置"));
    m_ui->b_add->setToolTip(QString::fromUtf8(selfSet ? kSelfSetLimitMessage : kTailLimitMessage));

    connect(m_ui->cb_group, &QCheckBox::clicked, this, [this](bool on) { enabledFlag() = on; });
    connect(m_ui->b_add, &QPushButton::clicked, this, [this] { add(); });
    connect(m_ui->b_modify, &QPushButton::clicked, this, [this] { modify(); });
    connect(m_ui->b_delete, &QPushButton::clicked, this, [this] { remove(); });
}

ZhGroupPage::~ZhGroupPage() = default;

QCheckBox* ZhGroupPage::masterBox() const { return m_ui->cb_group; }
QListWidget* ZhGroupPage::list() const { return m_ui->lb_group; }

std::vector<tselfcond>& ZhGroupPage::entries() const {
    return m_kind == Kind::SelfSet ? m_conditions.selfSet : m_conditions.tails;
}

bool& ZhGroupPage::enabledFlag() const {
    return m_kind == Kind::SelfSet ? m_conditions.selfSetEnabled : m_conditions.tailEnabled;
}

void ZhGroupPage::setLines(std::vector<std::string> lines) {
    m_lines = std::move(lines);
    m_ui->cb_group->setChecked(enabledFlag());
    showLines();
}

void ZhGroupPage::showLines() {
    const int selected = m_ui->lb_group->currentRow();
    m_ui->lb_group->clear();
    for (const std::string& line : m_lines) m_ui->lb_group->addItem(QString::fromStdString(line));
    if (selected >= 0 && selected < m_ui->lb_group->count()) m_ui->lb_group->setCurrentRow(selected);
}

void ZhGroupPage::say(const std::string& message) {
    if (!message.empty()) m_prompts.inform(window(), QString::fromStdString(message));
}

std::optional<tselfcond> ZhGroupPage::edit(const tselfcond* preset) {
    if (m_kind == Kind::SelfSet) return m_dialogs.editSelfSet(window(), preset, m_ws.game.zh_to, m_ws.game.zhgs);
    return m_dialogs.editTail(window(), preset, m_ws.game.zhgs);
}

void ZhGroupPage::add() {
    std::optional<tselfcond> entry = edit(nullptr);
    if (!entry) return;
    const Status added = m_kind == Kind::SelfSet ? addSelfSet(entries(), m_lines, std::move(*entry))
                                                 : addTail(entries(), m_lines, std::move(*entry));
    say(added.message);
    showLines();
    // An entry added to a list that is switched off would be ignored without a word: switch it on.
    if (added) {
        enabledFlag() = true;
        masterBox()->setChecked(true);
    }
}

bool ZhGroupPage::addExported() {
    std::optional<tselfcond> entry = edit(nullptr);
    if (!entry) return false;
    const Status added = m_kind == Kind::SelfSet ? addSelfSet(entries(), m_lines, std::move(*entry))
                                                 : addTail(entries(), m_lines, std::move(*entry));
    showLines();
    if (!added) {
        say(added.message);
        return false;
    }
    enabledFlag() = true;
    masterBox()->setChecked(true);
    say(selfSetExportMessage(m_lines.back()));
    return true;
}

Status ZhGroupPage::append(tselfcond entry) {
    const bool selfSet = m_kind == Kind::SelfSet;
    if (entry.allowed.empty()) return Status::failure(selfSet ? kNoCountChosenMessage : kNoTailCountChosenMessage);
    const Status added =
        selfSet ? addSelfSet(entries(), m_lines, std::move(entry)) : addTail(entries(), m_lines, std::move(entry));
    showLines();
    if (!added) return added;
    enabledFlag() = true;
    masterBox()->setChecked(true);
    return added;
}

void ZhGroupPage::modify() {
    const int index = m_ui->lb_group->currentRow();
    if (index < 0 || index >= static_cast<int>(entries().size())) {
        say(kSelectEntryToModifyMessage);
        return;
    }
    const tselfcond preset = entries()[static_cast<size_t>(index)];
    std::optional<tselfcond> entry = edit(&preset);
    if (!entry) return;
    const Status modified = m_kind == Kind::SelfSet ? modifySelfSet(entries(), m_lines, index, std::move(*entry))
                                                    : modifyTail(entries(), m_lines, index, std::move(*entry));
    say(modified.message);
    showLines();
}

void ZhGroupPage::remove() {
    const int index = m_ui->lb_group->currentRow();
    const Status removed =
        m_kind == Kind::SelfSet ? deleteSelfSet(entries(), m_lines, index) : deleteTail(entries(), m_lines, index);
    say(removed.message);
    showLines();
}

}  // namespace lottodesk
