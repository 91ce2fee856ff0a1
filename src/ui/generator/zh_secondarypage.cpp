#include "ui/generator/zh_secondarypage.h"

#include "generator/forecastconditions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/drawtext.h"
#include "core/workspace.h"
#include "generator/condfile.h"
#include "generator/conditions.h"
#include "generator/generator.h"
#include "generator/secondaryfilter.h"
#include "generator/selfcond.h"
#include "ui/common/filechooser.h"
#include "ui/common/named.h"
#include "ui/common/prompts.h"
#include "ui/generator/zh_custompage.h"
#include "ui/generator/zh_dialogs.h"
#include "ui/generator/zh_ticketlist.h"
#include "ui/generator/zh_zonerows.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

struct RowCaption {
    const char* caption;
    const char* name;
};
// Records 1..8 of the conditions, in the page's order.
constexpr RowCaption kRows[] = {{"副号一", "fq1"},   {"副号二", "fq2"},   {"副区平均值", "fq3"}, {"副区偏度", "fq4"},
                                {"副区和值", "fq5"}, {"副区差值", "fq6"}, {"副号一遗漏", "fq7"}, {"副号二遗漏", "fq8"}};
constexpr int32_t kMostOmission = 145;

QString twoDigitList(const std::array<bool, kMaxSecondaryNumber + 1>& flags, int highest) {
    QString text;
    for (int n = 1; n <= std::min(highest, kMaxSecondaryNumber); ++n)
        if (flags[static_cast<size_t>(n)]) text += q(twoDigits(n)) + QStringLiteral("  ");
    return text;
}

}  // namespace

ZhSecondaryPage::ZhSecondaryPage(Workspace& ws, Prompts& prompts, FileChooser& files, GeneratorDialogs& dialogs,
                                 QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_prompts(prompts),
      m_files(files),
      m_dialogs(dialogs),
      m_conditions(resetSecondaryConditions(ws.game.spec_to)) {
    setObjectName(QStringLiteral("ts_fqgl"));
    auto* conditionsPanel = new QWidget;
    auto* numbers = new QGridLayout;
    QPushButton* chooseSelectable = named(new QPushButton(QStringLiteral("副区可选号码  ")), "b_fqkxhm");
    QPushButton* chooseFixed = named(new QPushButton(QStringLiteral("副区胆码")), "b_fqdm");
    m_selectable = new QLineEdit;
    m_selectable->setObjectName(QStringLiteral("e_fqkxhm"));
    m_fixed = new QLineEdit;
    m_fixed->setObjectName(QStringLiteral("e_fqdm"));
    for (QLineEdit* box : {m_selectable, m_fixed}) box->setReadOnly(true);
    numbers->addWidget(chooseSelectable, 0, 0);
    numbers->addWidget(m_selectable, 0, 1);
    numbers->addWidget(chooseFixed, 1, 0);
    numbers->addWidget(m_fixed, 1, 1);

    auto* pages = new QTabWidget;
    pages->setObjectName(QStringLiteral("pc_fqcond"));
    auto* rowsPage = new QWidget;
    rowsPage->setObjectName(QStringLiteral("ts_fqzb"));
    auto* grid = new QGridLayout(rowsPage);
    const ZoneRowServices services{ws, dialogs, m_memo, this};
    for (int record = 1; record <= 8; ++record) {
        const RowCaption& row = kRows[record - 1];
        m_rows.push_back(new ZoneValueRow(services, QString::fromUtf8(row.caption), kSecondaryRowIds[record], row.name,
                                          m_conditions.rows[static_cast<size_t>(record)], grid, record - 1));
    }
    m_total = new ZoneTotalTolerance("fq", m_conditions.totalToleranceEnabled, m_conditions.totalFrom,
                                     m_conditions.totalTo, grid, 8, this);
    grid->setRowStretch(9, 1);
    grid->setColumnStretch(1, 1);
    pages->addTab(rowsPage, QStringLiteral("指标条件"));
    m_custom = new ZhCustomPage(ws, &m_conditions.custom, m_conditions.customEnabled, prompts, dialogs);
    m_custom->setObjectName(QStringLiteral("ts_fqselfzb"));
    suffixControlNames(m_custom, QStringLiteral("_fq"));
    pages->addTab(m_custom, QStringLiteral("自定义指标"));

    auto* commands = new QHBoxLayout;
    const ZoneCommands command =
        addZoneCommands(commands, "fq", QStringLiteral("保存条件  "), QStringLiteral("  载入条件  "));

    auto* left = new QVBoxLayout(conditionsPanel);
    left->addLayout(numbers);
    left->addWidget(pages, 1);
    left->addLayout(commands);

    auto* resultsPanel = new QWidget;
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("l_fqcount"));
    m_results = new ZhTicketList(ZhTicketList::Kind::Secondary, ws, prompts, files);
    auto* right = new QVBoxLayout(resultsPanel);
    right->addWidget(m_count);
    right->addWidget(m_results, 1);

    layOutZonePage(this, conditionsPanel, resultsPanel, 2);

    connect(chooseSelectable, &QPushButton::clicked, this, [this] { chooseNumbers(false); });
    connect(chooseFixed, &QPushButton::clicked, this, [this] { chooseNumbers(true); });
    connect(command.run, &QPushButton::clicked, this, [this] { run(); });
    connect(command.reset, &QPushButton::clicked, this, [this] { reset(); });
    connect(command.save, &QPushButton::clicked, this, [this] { saveConditions(); });
    connect(command.load, &QPushButton::clicked, this, [this] { loadConditions(); });
    connect(m_results, &ZhTicketList::changed, this, [this] { showCount(); });
    connect(m_results, &ZhTicketList::fileWritten, this,
            [this](const QString& path) { Q_EMIT statusChanged(QStringLiteral("超强组号  已保存到 ") + path); });
    resetForType();
}

ZhSecondaryPage::~ZhSecondaryPage() = default;

void ZhSecondaryPage::refresh() {
    const GameParams& game = m_ws.game;
    const int from = game.spec_from, S = game.spec_to;
    // The values each row offers.
    const std::pair<int32_t, int32_t> offered[] = {
        {from, S - 1},  {from + 1, S}, {from, S},          {0, 15},
        {3, 2 * S - 1}, {1, S - 1},    {0, kMostOmission}, {0, kMostOmission}};
    for (size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i]->setOffered(offered[i].first, offered[i].second);
        m_rows[i]->refresh();
    }
    m_total->refresh();
    m_selectable->setText(twoDigitList(m_conditions.selectable, S));
    m_fixed->setText(twoDigitList(m_conditions.fixed, S));
}

std::string ZhSecondaryPage::takeForecast(const std::vector<int32_t>& killed, const std::vector<int32_t>& fixed) {
    const ForecastApplied applied = applySecondaryForecast(m_conditions, killed, fixed, m_ws.game);
    refresh();
    std::string text = applied.summary;
    for (const std::string& note : applied.notes) text += note + "\n";
    return text;
}

void ZhSecondaryPage::showCount() {
    m_count->setText(QStringLiteral("投注结果：共%1注").arg(m_results->tickets().size()));
}

void ZhSecondaryPage::chooseNumbers(bool fixed) {
    std::array<bool, kMaxSecondaryNumber + 1>& flags = fixed ? m_conditions.fixed : m_conditions.selectable;
    ValueChoice choice;
    choice.lo = std::max(1, m_ws.game.spec_from);
    choice.hi = std::min(m_ws.game.spec_to, kMaxSecondaryNumber);
    for (int n = choice.lo; n <= choice.hi; ++n)
        if (flags[static_cast<size_t>(n)]) choice.preselected.push_back(n);
    choice.numbers = true;
    const std::optional<std::vector<int32_t>> chosen = m_dialogs.chooseValues(window(), choice);
    if (!chosen) return;
    flags.fill(false);
    for (int32_t n : *chosen)
        if (n >= 1 && n <= kMaxSecondaryNumber) flags[static_cast<size_t>(n)] = true;
    if (fixed) {
        if (const Status fits = checkFixedCount(chosen->size(), m_ws.game.fhgs, true); !fits) {
            m_conditions.fixed.fill(false);
            m_prompts.inform(window(), q(fits.message));
        }
    }
    refresh();
}

void ZhSecondaryPage::run() {
    if (removePredictionRecord(m_ws.sjk)) {
        m_prompts.inform(window(), q(kPredictionPresentMessage));
        return;
    }
    const SecondaryRun outcome = runSecondaryFilter(m_ws, m_conditions);
    if (!outcome.completed) {
        m_prompts.inform(window(), q(outcome.message));
        return;
    }
    std::vector<TwoZoneTicket> tickets(outcome.results.size());
    const int h = std::clamp(m_ws.game.fhgs, 0, kMaxSecondaryTicketNumbers);
    for (size_t i = 0; i < tickets.size(); ++i)
        std::copy_n(outcome.results[i].begin(), h, tickets[i].secondary.begin());
    m_results->setTickets(std::move(tickets));
    m_count->setText(q(outcome.countText));
    Q_EMIT statusChanged(q(outcome.statusText));
}

void ZhSecondaryPage::reset() {
    SecondaryConditions fresh = resetSecondaryConditions(m_ws.game.spec_to);
    fresh.custom = std::move(m_conditions.custom);
    m_conditions = std::move(fresh);
    m_custom->setLines(m_custom->lines());
    refresh();
}

void ZhSecondaryPage::resetForType() {
    m_conditions = resetSecondaryConditions(m_ws.game.spec_to);
    m_custom->setLines({});
    m_results->resetForType();
    refresh();
}

void ZhSecondaryPage::saveConditions() {
    const std::string path = chooseZoneConditionFile(true, ".fzh", m_files, window(), m_ws);
    if (path.empty()) return;
    const Status saved = saveSecondaryConditions(path, m_conditions, m_ws.game.spec_to);
    if (!saved) m_prompts.warn(window(), q(saved.message));
}

void ZhSecondaryPage::loadConditions() {
    const std::string path = chooseZoneConditionFile(false, ".fzh", m_files, window(), m_ws);
    if (path.empty()) return;
    SecondaryConditionLoad load = loadSecondaryConditions(path, m_ws.game.spec_to);
    if (!load.status) {
        m_prompts.warn(window(), q(load.status.message));
        return;
    }
    m_conditions = std::move(load.conditions);
    m_custom->setLines(customLinesAfterLoad(m_conditions.custom));
    refresh();
    for (const std::string& note : load.notes) m_prompts.inform(window(), q(note));
}

}  // namespace lottodesk
