#include "ui/generator/zh_twozonepage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/randomsource.h"
#include "core/workspace.h"
#include "ui/common/named.h"
#include "generator/printout.h"
#include "generator/prizecheck.h"
#include "generator/prizerules.h"
#include "generator/twozone.h"
#include "ui/common/prompts.h"
#include "ui/generator/f_checkreward.h"
#include "ui/generator/zh_ticketlist.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kDefaultPickCount = 10;

QRadioButton* radio(const QString& caption, const char* name) {
    auto* r = new QRadioButton(caption);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

}  // namespace

ZhTwoZonePage::ZhTwoZonePage(Workspace& ws, Prompts& prompts, FileChooser& files, MainSource mainResults,
                             TicketSource secondaryResults, QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_prompts(prompts),
      m_mainResults(std::move(mainResults)),
      m_secondaryResults(std::move(secondaryResults)),
      m_sequential(radio(QStringLiteral("顺序匹配"), "rb_sxpp")),
      m_random(radio(QStringLiteral("随机匹配"), "rb_sjpp")),
      m_all(radio(QStringLiteral("全组合匹配"), "rb_qzhpp")),
      m_count(new QLineEdit(QStringLiteral("  10"))),
      m_summary(new QLineEdit),
      m_cost(new QLabel),
      m_results(new ZhTicketList(ZhTicketList::Kind::TwoZone, ws, prompts, files)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    setObjectName(QStringLiteral("ts_sqzh"));
    m_sequential->setChecked(true);
    auto* styles = new QButtonGroup(this);
    for (QRadioButton* r : {m_sequential, m_random, m_all}) styles->addButton(r);
    m_count->setObjectName(QStringLiteral("e_sqjxzs"));
    m_count->setMaximumWidth(60);
    m_summary->setObjectName(QStringLiteral("e_djjg"));
    m_summary->setReadOnly(true);

    QPushButton* matchButton = named(new QPushButton(QStringLiteral("开始匹配")), "b_sqpp");
    QPushButton* pickButton = named(new QPushButton(QStringLiteral("机选组号")), "b_jxzh");
    QPushButton* rewardButton = named(new QPushButton(QStringLiteral("对奖")), "b_dj");
    QPushButton* printButton = named(new QPushButton(QStringLiteral("打印")), "b_print");
    auto* commands = new QHBoxLayout;
    for (QRadioButton* r : {m_sequential, m_random, m_all}) commands->addWidget(r);
    commands->addWidget(matchButton);
    commands->addSpacing(16);
    commands->addWidget(pickButton);
    commands->addWidget(m_count);
    commands->addWidget(new QLabel(QStringLiteral("注")));
    commands->addSpacing(16);
    commands->addWidget(rewardButton);
    commands->addWidget(printButton);
    commands->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_summary);
    m_cost->setObjectName(QStringLiteral("l_sqcost"));
    m_cost->setWordWrap(true);
    layout->addWidget(m_cost);
    connect(m_results, &ZhTicketList::changed, this, [this] { showCost(); });
    connect(m_results, &ZhTicketList::fileWritten, this,
            [this](const QString& path) { Q_EMIT statusChanged(QStringLiteral("超强组号  已保存到 ") + path); });
    showCost();

    connect(matchButton, &QPushButton::clicked, this, [this] { match(); });
    connect(pickButton, &QPushButton::clicked, this, [this] { pickRandom(); });
    connect(rewardButton, &QPushButton::clicked, this, [this] { checkReward(); });
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
}

ZhTwoZonePage::~ZhTwoZonePage() = default;

uint64_t ZhTwoZonePage::seed() const { return m_seed ? *m_seed : RandomSource::entropySeed(); }

void ZhTwoZonePage::setDialogRunner(DialogRunner runner) {
    m_runDialog = runner;
    m_results->setDialogRunner(std::move(runner));
}

Tf_checkreward* ZhTwoZonePage::rewardDialog() {
    if (!m_reward) m_reward = new Tf_checkreward(m_ws, this);
    return m_reward;
}

void ZhTwoZonePage::match() {
    const MatchStyle style = m_random->isChecked() ? MatchStyle::Random
                             : m_all->isChecked()  ? MatchStyle::All
                                                   : MatchStyle::Sequential;
    RandomSource random(seed());
    MatchOutcome outcome = matchZones(m_mainResults(), m_ws.game.zhgs, m_secondaryResults(), m_ws.game.fhgs, style,
                                      random, m_ws.current().specname);
    if (!outcome.status) {
        m_prompts.inform(window(), q(outcome.status.message));
        return;
    }
    m_results->setTickets(std::move(outcome.tickets));
    m_summary->clear();
    Q_EMIT statusChanged(q(outcome.statusText));
}

void ZhTwoZonePage::pickRandom() {
    bool ok = false;
    int count = m_count->text().trimmed().toInt(&ok);
    if (m_count->text().trimmed().isEmpty()) count = kDefaultPickCount;
    if ((!ok && !m_count->text().trimmed().isEmpty()) || count < 1 || count > kMaxTwoZoneTickets) {
        m_prompts.warn(window(), QStringLiteral("机选注数必须是1至%1之间的整数").arg(kMaxTwoZoneTickets));
        return;
    }
    RandomSource random(seed());
    const GameParams& game = m_ws.game;
    m_results->setTickets(randomTwoZoneTickets(game.zhgs, game.zh_to, game.fhgs, game.spec_to, count, random));
    m_summary->clear();
    Q_EMIT statusChanged(q(twoZoneStatusText(m_results->tickets().size())));
}

void ZhTwoZonePage::checkReward() {
    Tf_checkreward* dialog = rewardDialog();
    dialog->prepare();
    if (m_runDialog(*dialog) != QDialog::Accepted) return;
    const PrizeRuleBook book = loadPrizeRules(m_ws.folder);
    const PrizeMoney money = prizeMoneyFor(m_ws, book, dialog->drawPeriod());
    const RewardSummary summary =
        lottodesk::checkReward(m_results->ticketsForCheck(), m_ws.game.zhgs, m_ws.game.fhgs, dialog->winning(),
                               money.rules, secondaryDrawnFromMain(m_ws.game));
    std::vector<long long> amounts;
    Winnings won;
    if (money.rules) {
        for (size_t level = 0; level < summary.levelNames.size(); ++level)
            amounts.push_back(level == 0 ? 0 : money.amountOfLevel(static_cast<int>(level)));
        for (const TwoZoneTicket& ticket : m_results->tickets())
            addWinning(won, ticket.level, ticket.level < amounts.size() ? amounts[ticket.level] : 0);
    }
    m_results->showRewards(summary, amounts);
    m_summary->setText(q(summary.text));
    showCost(money.rules ? q(winningsText(won, m_results->tickets().size(), money.price)) : QString());
}

void ZhTwoZonePage::showCost(const QString& winnings) {
    const PrizeRuleBook book = loadPrizeRules(m_ws.folder);
    const int price = pricePerTicket(m_ws.price, rulesForGame(book, m_ws));
    QString text = q(costText(m_results->tickets().size(), price));
    if (!winnings.isEmpty()) text += QStringLiteral("；") + winnings;
    m_cost->setText(text);
}

void ZhTwoZonePage::print() {
    if (!m_showPrintout) return;
    const std::string path = printoutPath(m_ws.folder);
    const Status saved = savePrintout(path, printoutText(m_results->tickets(), m_ws.game.zhgs, m_ws.game.fhgs));
    if (!saved) {
        m_prompts.warn(window(), q(saved.message));
        return;
    }
    m_showPrintout(q(path));
}

void ZhTwoZonePage::resetForType() {
    m_results->resetForType();
    m_summary->clear();
}

}  // namespace lottodesk
