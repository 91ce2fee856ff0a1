#include "ui/generator/zh_ticketlist.h"

#include <QAbstractTableModel>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/datatransform.h"
#include "core/drawtext.h"
#include "core/workspace.h"
#include "generator/prizerules.h"
#include "generator/resultedit.h"
#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"
#include "ui/common/ticketcolumns.h"
#include "ui/update/f_xgzh.h"

namespace lottodesk {
namespace {

const QString kResultFilter = QStringLiteral("组号结果文件 (*.txt)");
const char* const kPlaceNames[] = {"一", "二", "三", "四", "五", "六", "七"};

QString q(const std::string& text) { return QString::fromStdString(text); }

bool holdsDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

// The list's rows on demand: "第" + i + "条", the numbers as two digits, and the prize text once
// the list was checked.
class ZhTicketListModel : public QAbstractTableModel {
public:
    ZhTicketListModel(const std::vector<TwoZoneTicket>& tickets, QObject* parent)
        : QAbstractTableModel(parent), m_tickets(tickets) {}

    void setShape(int m, int h, QStringList names) {
        beginResetModel();
        m_m = m;
        m_h = h;
        m_names = std::move(names);
        endResetModel();
    }
    // The check's summary and, per level, the amount one ticket won (-1 floating, unknown); the
    // column "奖金" shows when there are amounts.
    void setRewards(std::optional<RewardSummary> summary, std::vector<long long> amounts = {}) {
        beginResetModel();
        m_rewards = std::move(summary);
        m_amounts = std::move(amounts);
        endResetModel();
    }
    void reload() {
        beginResetModel();
        endResetModel();
    }
    bool showsRewards() const { return m_rewards.has_value(); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_tickets.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 1 + m_m + m_h + (m_rewards ? 1 : 0) + (m_amounts.empty() ? 0 : 1);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const TwoZoneTicket& ticket = m_tickets[static_cast<size_t>(index.row())];
        const int column = index.column();
        if (column == 0) return QStringLiteral("第%1条").arg(index.row() + 1);
        if (column <= m_m) return q(twoDigits(ticket.main[static_cast<size_t>(column - 1)]));
        if (column <= m_m + m_h) return q(twoDigits(ticket.secondary[static_cast<size_t>(column - 1 - m_m)]));
        if (column == m_m + m_h + 1) return q(rewardText(ticket, *m_rewards));
        if (ticket.level == 0 || ticket.level >= m_amounts.size()) return QString();
        const long long amount = m_amounts[ticket.level];
        return q(amount < 0 ? std::string(kFloatingAmountText) : yuanText(amount));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        if (section == 0) return QStringLiteral("序号");
        if (section <= m_m + m_h) return m_names.value(section - 1);
        if (section == m_m + m_h + 1) return QStringLiteral("中奖情况");
        return QStringLiteral("奖金");
    }

private:
    const std::vector<TwoZoneTicket>& m_tickets;
    int m_m = 0;
    int m_h = 0;
    QStringList m_names;
    std::optional<RewardSummary> m_rewards;
    std::vector<long long> m_amounts;
};

ZhTicketList::ZhTicketList(Kind kind, Workspace& ws, Prompts& prompts, FileChooser& files, QWidget* parent)
    : QWidget(parent),
      m_kind(kind),
      m_ws(ws),
      m_prompts(prompts),
      m_files(files),
      m_model(new ZhTicketListModel(m_tickets, this)),
      m_grid(new QTableView(this)),
      m_popup(new QMenu(this)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    const bool secondary = kind == Kind::Secondary;
    m_grid->setObjectName(secondary ? QStringLiteral("sg_fq") : QStringLiteral("sg_sq"));
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_popup->setObjectName(secondary ? QStringLiteral("pm_fq") : QStringLiteral("pm_sq"));
    const std::pair<const char*, void (ZhTicketList::*)()> commands[] = {
        {"保存组号", &ZhTicketList::saveTickets},       {"载入组号", &ZhTicketList::loadTickets},
        {"加到预测区", &ZhTicketList::addToPrediction}, {"清除预测区", &ZhTicketList::clearPrediction},
        {"添加组号", &ZhTicketList::addTicket},         {"删除组号", &ZhTicketList::deleteTicket},
        {"修改组号", &ZhTicketList::modifyTicket}};
    for (const auto& [caption, command] : commands) {
        QAction* action = m_popup->addAction(QString::fromUtf8(caption));
        connect(action, &QAction::triggered, this, command);
    }
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_grid->viewport()->mapToGlobal(at)); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    resetForType();
}

ZhTicketList::~ZhTicketList() = default;

int ZhTicketList::mainCount() const {
    return m_kind == Kind::Secondary ? 0 : std::clamp(m_ws.game.zhgs, 0, kMaxTicketNumbers);
}

int ZhTicketList::secondaryCount() const { return std::clamp(m_ws.game.fhgs, 0, kMaxSecondaryTicketNumbers); }

void ZhTicketList::resetForType() {
    const int m = mainCount(), h = secondaryCount();
    QStringList names;
    const QString zhname = q(m_ws.current().zhname), specname = q(m_ws.current().specname);
    for (int i = 1; i <= m; ++i) names << zhname + QString::number(i);
    if (m_kind == Kind::Secondary) {
        for (int i = 0; i < h; ++i) names << QStringLiteral("副号") + QString::fromUtf8(kPlaceNames[i]);
    } else {
        for (int i = 1; i <= h; ++i) names << (h == 1 ? specname : specname + QString::number(i));
    }
    m_tickets.clear();
    m_model->setRewards(std::nullopt);
    m_model->setShape(m, h, names);
    showList();
}

void ZhTicketList::setTickets(std::vector<TwoZoneTicket> tickets) {
    m_tickets = std::move(tickets);
    m_model->setRewards(std::nullopt);
    showList();
}

void ZhTicketList::showRewards(const RewardSummary& summary, std::vector<long long> amounts) {
    m_model->setRewards(summary, std::move(amounts));
    showList();
}

void ZhTicketList::showList() {
    m_model->reload();
    m_wantedWidth = fitTicketColumns(m_grid);
    Q_EMIT changed();
}

std::optional<size_t> ZhTicketList::selected() const {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || static_cast<size_t>(current.row()) >= m_tickets.size()) return std::nullopt;
    return static_cast<size_t>(current.row());
}

void ZhTicketList::saveTickets() {
    const QString title =
        m_kind == Kind::Secondary ? QStringLiteral("保存副区组号结果") : QStringLiteral("保存组号结果");
    QString name = m_files.saveFile(this, title, kResultFilter, saveFolder(m_ws));
    if (name.isEmpty()) return;
    if (!name.contains(QStringLiteral(".txt"))) name += QStringLiteral(".txt");
    const Status saved = saveTwoZoneFile(name.toStdString(), m_tickets, mainCount(), secondaryCount());
    if (!saved) {
        m_prompts.warn(this, q(saved.message));
        return;
    }
    Q_EMIT fileWritten(QDir::toNativeSeparators(name));
}

void ZhTicketList::loadTickets() {
    const QString title = m_kind == Kind::Secondary ? QStringLiteral(" 打开副区组号结果存储文件")
                                                    : QStringLiteral(" 打开组号结果存储文件");
    const QString name = m_files.openFile(this, title, kResultFilter, saveFolder(m_ws));
    if (name.isEmpty()) return;
    TwoZoneParse parsed = loadTwoZoneFile(name.toStdString(), mainCount(), secondaryCount(), &m_ws.game);
    if (!parsed.ok()) {
        m_prompts.warn(this, q(parsed.error));
        return;
    }
    setTickets(std::move(parsed.tickets));
}

std::optional<TwoZoneTicket> ZhTicketList::editTicket(const QString& caption, const TwoZoneTicket* ticket) {
    if (!m_edit) m_edit = new Tf_xgzh(this);
    const int m = mainCount(), h = secondaryCount();
    m_edit->setWindowTitle(caption);
    m_edit->setMasks(m, h, q(m_ws.current().zhname), q(m_ws.current().specname));
    m_edit->clearBoxes();
    m_edit->l_qs()->setVisible(false);
    m_edit->e_qs()->setVisible(false);
    m_edit->l_zh()->setVisible(m > 0);
    m_edit->e_zh()->setVisible(m > 0);
    if (ticket) {
        Ticket main{};
        std::copy_n(ticket->main.begin(), m, main.begin());
        m_edit->e_zh()->setText(q(ticketGroupsText(main, m)));
        m_edit->e_spec()->setText(q(secondaryGroupsText(*ticket, h)));
    }
    if (m_runDialog(*m_edit) != QDialog::Accepted) return std::nullopt;
    if (m_kind == Kind::TwoZone && (!holdsDigit(m_edit->e_zh()->text()) || !holdsDigit(m_edit->e_spec()->text()))) {
        m_prompts.warn(this, QStringLiteral("不能为空"));
        return std::nullopt;
    }
    TwoZoneTicket typed;
    const Ticket main = ticketFromGroups(m_edit->e_zh()->text().toStdString(), m);
    std::copy_n(main.begin(), m, typed.main.begin());
    const std::vector<int> secondary = groupValues(m_edit->e_spec()->text().toStdString(), h);
    for (size_t i = 0; i < secondary.size() && i < typed.secondary.size(); ++i)
        typed.secondary[i] = static_cast<uint8_t>(secondary[i] >= 0 && secondary[i] <= 255 ? secondary[i] : 0);
    return typed;
}

void ZhTicketList::addTicket() {
    const std::optional<TwoZoneTicket> ticket = editTicket(QStringLiteral("添加组号"), nullptr);
    if (!ticket) return;
    m_tickets.push_back(*ticket);
    m_model->setRewards(std::nullopt);
    showList();
    m_grid->scrollToBottom();
}

void ZhTicketList::modifyTicket() {
    const std::optional<size_t> index = selected();
    if (!index) {
        m_prompts.inform(this, QString::fromUtf8(kSelectTicketToModifyMessage));
        return;
    }
    const QString caption = m_kind == Kind::Secondary ? QStringLiteral("修改副区组号") : QStringLiteral("修改组号");
    const std::optional<TwoZoneTicket> ticket = editTicket(caption, &m_tickets[*index]);
    if (!ticket) return;
    m_tickets[*index] = *ticket;
    m_model->setRewards(std::nullopt);
    showList();
    m_grid->setCurrentIndex(m_model->index(static_cast<int>(*index), 1));
}

void ZhTicketList::deleteTicket() {
    const std::optional<size_t> index = selected();
    if (!index) {
        m_prompts.inform(this, QString::fromUtf8(kSelectTicketToDeleteMessage));
        return;
    }
    m_tickets.erase(m_tickets.begin() + static_cast<std::ptrdiff_t>(*index));
    m_model->setRewards(std::nullopt);
    showList();
}

void ZhTicketList::addToPrediction() {
    const std::optional<size_t> index = selected();
    if (!index) {
        m_prompts.inform(this, QString::fromUtf8(kSelectTicketMessage));
        return;
    }
    const TwoZoneTicket& ticket = m_tickets[*index];
    if (m_kind == Kind::Secondary)
        putSecondaryIntoPrediction(m_ws.sjk, ticket.secondary.data(), secondaryCount(), m_ws.game.zhgs);
    else
        putTwoZoneIntoPrediction(m_ws.sjk, ticket, m_ws.game.zhgs, secondaryCount());
}

void ZhTicketList::clearPrediction() { removePrediction(m_ws.sjk); }

}  // namespace lottodesk
