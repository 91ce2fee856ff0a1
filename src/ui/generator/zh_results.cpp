#include "ui/generator/zh_results.h"

#include <QDir>
#include <algorithm>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>

#include "core/datatransform.h"
#include "core/fileio.h"
#include "core/workspace.h"
#include "ui/common/filechooser.h"
#include "generator/printout.h"
#include "generator/prizecheck.h"
#include "generator/prizerules.h"
#include "ui/common/ticketcolumns.h"
#include "generator/removal.h"
#include "generator/resultedit.h"
#include "generator/resultfile.h"
#include "ui/common/prompts.h"
#include "ui/generator/f_zq_lczh.h"
#include "ui/update/f_xgzh.h"
#include "ui_zh_results.h"
#include "ui/generator/zh_resultmodel.h"

namespace lottodesk {
namespace {

const QString kResultFilter = QStringLiteral("组号结果文件 (*.txt)");

struct PopupCommand {
    const char* name;
    const char* caption;
};
// The popup in its order.
constexpr PopupCommand kPopup[] = {
    {"mi_savezh", "保存组号"},
    {"mi_loadzh", "载入组号"},
    {"mi_addyc", "加到预测区"},
    {"mi_clearyc", "清除预测区"},
    {"mi_addzh", "添加组号"},
    {"mi_deletezh", "删除组号"},
    {"mi_modifyzh", "修改组号"},
    {"mi_lczh", "滤除组号"},
    {"mi_print", "打印投注结果"},
    {"mi_restore", "恢复到原始投注结果"},
    {"mi_dj", "对奖"},
};

}  // namespace

ZhResults::ZhResults(Workspace& ws, MainResults& results, Prompts& prompts, FileChooser& files, QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_results(results),
      m_prompts(prompts),
      m_files(files),
      m_ui(new Ui::ZhResults),
      m_model(new ZhResultModel(ws, results, this)),
      m_popup(new QMenu(this)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    m_ui->setupUi(this);
    m_ui->sg_zh->setModel(m_model);
    m_ui->sg_zh->verticalHeader()->setVisible(false);
    m_ui->sg_zh->horizontalHeader()->setMinimumSectionSize(1);

    m_popup->setObjectName(QStringLiteral("pm_zh"));
    for (const PopupCommand& command : kPopup) {
        QAction* action = m_popup->addAction(QString::fromUtf8(command.caption));
        action->setObjectName(QString::fromLatin1(command.name));
        action->setEnabled(false);
    }
    QAction* save = m_popup->findChild<QAction*>(QStringLiteral("mi_savezh"));
    QAction* load = m_popup->findChild<QAction*>(QStringLiteral("mi_loadzh"));
    save->setEnabled(true);
    load->setEnabled(true);
    connect(save, &QAction::triggered, this, [this] { saveResults(); });
    connect(load, &QAction::triggered, this, [this] { loadResults(); });
    QAction* restore = m_popup->findChild<QAction*>(QStringLiteral("mi_restore"));
    connect(restore, &QAction::triggered, this, [this] { restoreOriginal(); });
    const std::pair<const char*, void (ZhResults::*)()> edits[] = {{"mi_addzh", &ZhResults::addTicket},
                                                                   {"mi_modifyzh", &ZhResults::modifyTicket},
                                                                   {"mi_deletezh", &ZhResults::deleteTicket},
                                                                   {"mi_addyc", &ZhResults::addToPrediction},
                                                                   {"mi_clearyc", &ZhResults::clearPrediction}};
    for (const auto& [name, command] : edits) {
        QAction* action = m_popup->findChild<QAction*>(QString::fromLatin1(name));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, command);
    }
    QAction* prize = m_popup->findChild<QAction*>(QStringLiteral("mi_dj"));
    connect(prize, &QAction::triggered, this, [this] { checkPrize(); });
    QAction* print = m_popup->findChild<QAction*>(QStringLiteral("mi_print"));
    connect(print, &QAction::triggered, this, [this] { printResults(); });
    QAction* removal = m_popup->findChild<QAction*>(QStringLiteral("mi_lczh"));
    connect(removal, &QAction::triggered, this, [this] { removeListedTickets(); });
    connect(m_popup, &QMenu::aboutToShow, this, [this, restore, prize, print, removal] {
        restore->setEnabled(canRestore());
        prize->setEnabled(m_choosePeriod && !m_results.tickets.empty());
        print->setEnabled(m_showPrintout && !m_results.tickets.empty());
        removal->setEnabled(!m_results.tickets.empty());
    });
    connect(m_ui->sg_zh, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_ui->sg_zh->viewport()->mapToGlobal(at)); });

    connect(m_ui->b_first, &QPushButton::clicked, this, [this] { showPage(1); });
    connect(m_ui->b_prior, &QPushButton::clicked, this, [this] { showPage(page() - 1); });
    connect(m_ui->b_next, &QPushButton::clicked, this, [this] { showPage(page() + 1); });
    connect(m_ui->b_last, &QPushButton::clicked, this, [this] { showPage(pages()); });
    m_ui->l_prize->setVisible(false);
    m_ui->l_prize->setWordWrap(true);
    showPage(1);
}

ZhResults::~ZhResults() = default;

int ZhResults::ticketPrice() const { return pricePerTicket(m_ws.price, rulesForGame(m_prizeRules, m_ws)); }

QTableView* ZhResults::grid() const { return m_ui->sg_zh; }

int ZhResults::page() const { return m_model->page(); }

int ZhResults::pages() const { return m_model->pages(); }

void ZhResults::showPage(int page) {
    m_model->setPage(page);
    // Every number and the prize columns in view: the panel asks its splitter for the room.
    QTableView* grid = m_ui->sg_zh;
    const int wanted = fitTicketColumns(grid) + 2 * layout()->contentsMargins().left();
    if (wanted != m_wantedWidth) {
        m_wantedWidth = wanted;
        Q_EMIT wantedWidthChanged(wanted);
    }
    if (m_model->rowCount() > 0) grid->scrollToTop();
    updateLabels();
}

void ZhResults::updateLabels() {
    m_ui->l_count->setText(QStringLiteral("投注结果：") +
                           QString::fromStdString(costText(m_results.tickets.size(), ticketPrice())));
    m_ui->l_page->setText(QStringLiteral("第%1页/ %2页").arg(page()).arg(pages()));
}

void ZhResults::saveResults() {
    QString name = m_files.saveFile(this, QStringLiteral("保存组号结果"), kResultFilter, saveFolder(m_ws));
    if (name.isEmpty()) return;
    if (!name.contains(QStringLiteral(".txt"))) name += QStringLiteral(".txt");
    const Status saved = saveFileAtomically(name.toStdString(), encodeResultText(m_results.tickets, m_ws.game.zhgs));
    if (!saved) {
        m_prompts.inform(this, QString::fromStdString(saved.message));
        return;
    }
    Q_EMIT fileWritten(QDir::toNativeSeparators(name));
}

void ZhResults::loadResults() {
    const QString name =
        m_files.openFile(this, QStringLiteral(" 打开组号结果存储文件"), kResultFilter, saveFolder(m_ws));
    if (name.isEmpty()) return;
    const TicketRange range = mainZoneRange(m_ws.game);
    ResultTextParse parsed = loadResultFile(name.toStdString(), m_ws.game.zhgs, &range);
    if (!parsed.ok()) {
        m_prompts.inform(this, QString::fromStdString(parsed.error));
        return;
    }
    m_results.tickets = std::move(parsed.tickets);
    m_results.tags.assign(m_results.tickets.size(), 0);
    m_results.passCount = static_cast<int>(m_results.tickets.size());
    // A file loaded while transformed is taken as places for the undrawn period.
    listFilteredFor(0);
    showPage(1);
    Q_EMIT resultsLoaded();
}

}  // namespace lottodesk

namespace lottodesk {

void ZhResults::hideHits() {
    m_model->setHitColumn(false);
    m_ui->l_prize->clear();
    m_ui->l_prize->setVisible(false);
}

void ZhResults::listFilteredFor(int32_t filterPeriod) {
    hideHits();
    m_listRanking.clear();
    if (m_ws.transform != 0) m_listRanking = rankingForFilterPeriod(m_ws, filterPeriod);
}

bool ZhResults::canRestore() const {
    return m_ws.transform != 0 && !m_listRanking.empty() && !m_results.tickets.empty();
}

void ZhResults::restoreOriginal() {
    if (!canRestore()) return;
    const int m = std::clamp(m_ws.game.zhgs, 1, static_cast<int>(Ticket{}.size()) - 1);
    for (Ticket& ticket : m_results.tickets) restoreTicket(ticket.data(), m, m_listRanking);
    clearHits(m_results.tickets, m);
    hideHits();
    m_listRanking.clear();
    showPage(page());
}

void ZhResults::checkPrize() {
    if (!m_choosePeriod || m_results.tickets.empty()) return;
    const std::optional<int32_t> period = m_choosePeriod(m_ws.sjk.realPeriods());
    if (!period) return;
    const Status checked = checkMainPrizeAt(m_results, m_ws, *period);
    if (!checked) {
        m_prompts.inform(this, QString::fromStdString(checked.message));
        return;
    }
    m_model->setMoney(std::nullopt);
    m_prizeRules = loadPrizeRules(m_ws.folder);
    PrizeMoney money = prizeMoneyFor(m_ws, m_prizeRules, *period);
    m_model->setHitColumn(true);
    m_model->setMoney(money);
    // The summary under the list: the hits by count, and the money when the game has rules.
    const int m = m_ws.game.zhgs;
    QString summary = QString::fromStdString(mainHitsSummary(m_results.tickets, m));
    if (money.rules) {
        Winnings won;
        for (const Ticket& ticket : m_results.tickets) {
            const int level = mainResultLevel(money, ticket.data(), m);
            addWinning(won, level, level > 0 ? money.amountOfLevel(level) : 0);
        }
        summary += QStringLiteral("\n") +
                   QString::fromStdString(winningsText(won, m_results.tickets.size(), money.price));
        if (!secondaryDrawnFromMain(m_ws.game) && m_ws.game.fhgs > 0)
            summary += QStringLiteral("（%1组号不含%2，按%2未中计）")
                           .arg(QString::fromStdString(m_ws.current().zhname),
                                QString::fromStdString(m_ws.current().specname));
    }
    m_ui->l_prize->setText(summary);
    m_ui->l_prize->setVisible(true);
    showPage(1);
}

std::optional<size_t> ZhResults::selectedResult() const {
    const QModelIndex current = m_ui->sg_zh->currentIndex();
    if (!current.isValid()) return std::nullopt;
    const size_t index =
        static_cast<size_t>(page() - 1) * ZhResultModel::kPageSize + static_cast<size_t>(current.row());
    if (index >= m_results.tickets.size()) return std::nullopt;
    return index;
}

std::optional<Ticket> ZhResults::editTicket(const QString& caption, const Ticket* ticket) {
    if (!m_edit) m_edit = new Tf_xgzh(this);
    const int m = m_ws.game.zhgs;
    m_edit->setWindowTitle(caption);
    m_edit->setMasks(m, 0, QString::fromStdString(m_ws.current().zhname), {});
    m_edit->clearBoxes();
    for (QWidget* unused : {static_cast<QWidget*>(m_edit->l_qs()), static_cast<QWidget*>(m_edit->e_qs()),
                            static_cast<QWidget*>(m_edit->l_spec()), static_cast<QWidget*>(m_edit->e_spec())})
        unused->setVisible(false);
    if (ticket) m_edit->e_zh()->setText(QString::fromStdString(ticketGroupsText(*ticket, m)));
    if (m_runDialog(*m_edit) != QDialog::Accepted) return std::nullopt;
    return ticketFromGroups(m_edit->e_zh()->text().toStdString(), m);
}

void ZhResults::addTicket() {
    const std::optional<Ticket> ticket = editTicket(QStringLiteral("添加组号"), nullptr);
    if (!ticket) return;
    appendResult(m_results, *ticket, m_ws.game.zhgs);
    hideHits();
    showPage(pages());
}

void ZhResults::modifyTicket() {
    const std::optional<size_t> index = selectedResult();
    if (!index) {
        m_prompts.inform(this, QString::fromUtf8(kSelectTicketToModifyMessage));
        return;
    }
    const std::optional<Ticket> ticket = editTicket(QStringLiteral("修改组号"), &m_results.tickets[*index]);
    if (!ticket) return;
    replaceResult(m_results, *index, *ticket, m_ws.game.zhgs);
    hideHits();
    const int row = m_ui->sg_zh->currentIndex().row();
    showPage(page());
    m_ui->sg_zh->setCurrentIndex(m_model->index(row, 1));  // the edited ticket stays selected
}

void ZhResults::deleteTicket() {
    const std::optional<size_t> index = selectedResult();
    if (!index) {
        m_prompts.inform(this, QString::fromUtf8(kSelectTicketToDeleteMessage));
        return;
    }
    removeResult(m_results, *index, m_ws.game.zhgs);
    hideHits();
    showPage(page());
}

void ZhResults::addToPrediction() {
    const std::optional<size_t> index = selectedResult();
    if (!index) {
        m_prompts.inform(this, QString::fromUtf8(kSelectTicketMessage));
        return;
    }
    putTicketIntoPrediction(m_ws.sjk, m_results.tickets[*index], m_ws.game.zhgs);
}

void ZhResults::clearPrediction() { removePrediction(m_ws.sjk); }

void ZhResults::removeListedTickets() {
    if (m_results.tickets.empty()) return;
    if (!m_removal) m_removal = new Tf_zq_lczh(m_prompts, m_files, saveFolder(m_ws), this);
    m_removal->setTicketSize(m_ws.game.zhgs);
    if (m_runDialog(*m_removal) != QDialog::Accepted) return;
    const RemovalOutcome outcome = removeListedText(m_results, m_ws.game.zhgs, m_removal->listText());
    hideHits();
    showPage(1);
    if (!outcome.status) {
        m_prompts.warn(this, QString::fromStdString(outcome.status.message));
        return;
    }
    m_prompts.inform(this, QStringLiteral("已滤除%1注，剩余%2注").arg(outcome.removed).arg(m_results.tickets.size()));
}

void ZhResults::printResults() {
    if (!m_showPrintout || m_results.tickets.empty()) return;
    const std::string path = printoutPath(m_ws.folder);
    const Status saved = savePrintout(path, printoutText(m_results.tickets, m_ws.game.zhgs));
    if (!saved) {
        m_prompts.inform(this, QString::fromStdString(saved.message));
        return;
    }
    m_showPrintout(QString::fromStdString(path));
}

}  // namespace lottodesk
