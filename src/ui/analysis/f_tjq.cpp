#include "ui/analysis/f_tjq.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/drawwindow.h"
#include "core/settings.h"
#include "core/workspace.h"
#include "indicators/coldhot.h"
#include "ui/analysis/drawwindowbar.h"
#include "ui/charts/barchart.h"
#include "ui/common/prompts.h"
#include "ui/formula/f_coldhotset.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kDivisorItems[] = {"除三余数", "除四余数", "除五余数"};

// The lines of a page as a key: equal keys have the same groups, lines and bars, so a new run only
// changes the texts and the bars.
QString pageKey(const std::vector<StatGroup>& groups) {
    QString key;
    for (const StatGroup& group : groups) {
        key += q(group.title) + QLatin1Char(group.secondary ? '2' : '1');
        for (const StatLine& line : group.lines) key += q(line.label) + QLatin1Char(line.bar >= 0 ? '|' : ';');
    }
    return key;
}

}  // namespace

// The filled box beside a share: `bar` pixels of 70.
class ShareBar : public QWidget {
public:
    ShareBar(int bar, QWidget* parent) : QWidget(parent), m_bar(bar) { setFixedSize(72, 12); }
    void setBar(int bar) {
        if (bar == m_bar) return;
        m_bar = bar;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(Qt::gray);
        painter.drawRect(0, 0, 71, 11);
        if (m_bar > 0) painter.fillRect(1, 1, std::min(m_bar, 70), 10, QColor(30, 90, 200));
    }

private:
    int m_bar;
};

Tf_tjq::Tf_tjq(Workspace& ws, Prompts& prompts, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), m_ws(ws), m_prompts(prompts), m_settings(settings), m_runDialog([](QDialog& dialog) {
          return dialog.exec();
      }) {
    setObjectName(QStringLiteral("Tf_tjq"));
    m_coalesce = new QTimer(this);
    m_coalesce->setSingleShot(true);
    m_coalesce->setInterval(0);
    connect(m_coalesce, &QTimer::timeout, this, [this] { runStatistics(); });
    buildControls();
}

Tf_tjq::~Tf_tjq() = default;

void Tf_tjq::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_window = new DrawWindowBar(
        {"rb_fxtj_nearqs", "combo_fxtj_nearqs", "sb_fxtj", "rb_fxtj_self", "cb_fxtj_from", "cb_fxtj_to"}, 160, this);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("l_tjq"));
    auto* start = new QPushButton(QStringLiteral("开始统计"), this);
    start->setObjectName(QStringLiteral("b_kstj"));
    auto* mainColdHot = new QPushButton(QStringLiteral("红号冷热号设置 "), this);
    mainColdHot->setObjectName(QStringLiteral("b_coldhotset"));
    auto* secondaryColdHot = new QPushButton(QStringLiteral("蓝号冷热设置 "), this);
    secondaryColdHot->setObjectName(QStringLiteral("b_f_coldhotset"));
    m_window->layOut(bar, QStringLiteral("期统计"), QStringLiteral("至"));
    bar->addWidget(m_total);
    bar->addWidget(start);
    bar->addWidget(mainColdHot);
    bar->addWidget(secondaryColdHot);
    layout->addLayout(bar);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pc_tjq"));
    m_pages->addTab(buildChartPage(), QStringLiteral("号码统计柱状图"));
    m_pages->addTab(buildItemPage(1), QStringLiteral("分项统计一"));
    m_pages->addTab(buildItemPage(2), QStringLiteral("分项统计二"));
    layout->addWidget(m_pages, 1);

    connect(m_window, &DrawWindowBar::modeChanged, this, [this] { modeChanged(); });
    connect(m_window, &DrawWindowBar::windowChanged, this, [this] { scheduleRun(); });
    connect(start, &QPushButton::clicked, this, [this] { runStatistics(); });
    connect(mainColdHot, &QPushButton::clicked, this, [this] { changeColdHotSettings(false); });
    connect(secondaryColdHot, &QPushButton::clicked, this, [this] { changeColdHotSettings(true); });
    modeChanged();
}

QWidget* Tf_tjq::buildChartPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ts_jzd"));
    auto* layout = new QVBoxLayout(page);
    auto* options = new QHBoxLayout;
    auto* zones = new QButtonGroup(page);
    m_mainZone = new QRadioButton(QStringLiteral("红码统计"), page);
    m_mainZone->setObjectName(QStringLiteral("rb_hhtj"));
    m_mainZone->setChecked(true);
    m_secondaryZone = new QRadioButton(QStringLiteral("蓝码统计"), page);
    m_secondaryZone->setObjectName(QStringLiteral("rb_lhtj"));
    zones->addButton(m_mainZone);
    zones->addButton(m_secondaryZone);
    m_order = new QButtonGroup(page);
    const std::pair<const char*, const char*> orders[] = {
        {"rb_ahm", "按号码显示"}, {"rb_aappcs", "按出现次数顺序"}, {"rb_aconccs", "按遗漏次数顺序"}};
    options->addWidget(m_mainZone);
    options->addWidget(m_secondaryZone);
    options->addSpacing(16);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(orders[i].second), page);
        button->setObjectName(QString::fromLatin1(orders[i].first));
        button->setChecked(i == 0);
        m_order->addButton(button, i);
        options->addWidget(button);
    }
    options->addSpacing(16);
    m_showHits = new QCheckBox(QStringLiteral("出现次数"), page);
    m_showHits->setObjectName(QStringLiteral("cb_appcs"));
    m_showHits->setChecked(true);
    m_showOmission = new QCheckBox(QStringLiteral("遗漏次数"), page);
    m_showOmission->setObjectName(QStringLiteral("cb_conccs"));
    m_showOmission->setChecked(true);
    options->addWidget(m_showHits);
    options->addWidget(m_showOmission);
    options->addStretch(1);
    layout->addLayout(options);
    m_chart = new BarChart(page);
    m_chart->setObjectName(QStringLiteral("i_hmtjjzd"));
    layout->addWidget(m_chart, 1);
    m_coldHot = new QLabel(page);
    m_coldHot->setObjectName(QStringLiteral("l_coldhot"));
    m_coldHot->setWordWrap(true);
    m_secondaryColdHot = new QLabel(page);
    m_secondaryColdHot->setObjectName(QStringLiteral("l_f_coldhot"));
    m_secondaryColdHot->setWordWrap(true);
    layout->addWidget(m_coldHot);
    layout->addWidget(m_secondaryColdHot);
    // Chart options only redraw.
    connect(zones, &QButtonGroup::buttonToggled, this, [this] { showChart(); });
    connect(m_order, &QButtonGroup::idToggled, this, [this] { showChart(); });
    connect(m_showHits, &QCheckBox::toggled, this, [this] { showChart(); });
    connect(m_showOmission, &QCheckBox::toggled, this, [this] { showChart(); });
    return page;
}

QWidget* Tf_tjq::buildItemPage(int page) {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(page == 1 ? QStringLiteral("ts_fxtj1") : QStringLiteral("ts_fxtj2"));
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    if (page == 2) {
        auto* divisors = new QHBoxLayout;
        m_mainDivisor = new QComboBox(content);
        m_mainDivisor->setObjectName(QStringLiteral("cb_ys"));
        m_secondaryDivisor = new QComboBox(content);
        m_secondaryDivisor->setObjectName(QStringLiteral("cb_blueys"));
        for (QComboBox* box : {m_mainDivisor, m_secondaryDivisor}) {
            for (int d = 0; d < 3; ++d) box->addItem(QString::fromUtf8(kDivisorItems[d]), d + 3);
            connect(box, &QComboBox::currentIndexChanged, this, [this] { runStatistics(); });
        }
        divisors->addWidget(new QLabel(QStringLiteral("红码"), content));
        divisors->addWidget(m_mainDivisor);
        divisors->addWidget(new QLabel(QStringLiteral("蓝码"), content));
        divisors->addWidget(m_secondaryDivisor);
        divisors->addStretch(1);
        layout->addLayout(divisors);
    }
    auto* groups = new QVBoxLayout;
    layout->addLayout(groups);
    layout->addStretch(1);
    m_itemLayouts.push_back(groups);
    scroll->setWidget(content);
    return scroll;
}

void Tf_tjq::modeChanged() {
    m_window->enableChosenMode();
    if (!m_window->custom()) m_total->clear();
    scheduleRun();
}

void Tf_tjq::fillPeriodLists() {
    // Rebuilt from the store at every show: a period that is gone falls back to the defaults.
    m_window->fillPeriods(DrawHistory::of(m_ws.sjk), true);
}

void Tf_tjq::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fillPeriodLists();
    m_pages->setCurrentIndex(0);
    runStatistics();
}

void Tf_tjq::typeChanged() {
    m_window->clearPeriods();
    if (isVisible()) {
        fillPeriodLists();
        runStatistics();
    }
}

void Tf_tjq::scheduleRun() { m_coalesce->start(); }

StatsOptions Tf_tjq::options() const {
    StatsOptions o;
    o.mode = m_window->custom() ? StatsWindowMode::Custom : StatsWindowMode::Recent;
    o.recent = m_window->recentCount().value_or(kDefaultRecent);
    o.fromPeriod = m_window->fromPeriod();
    o.toPeriod = m_window->toPeriod();
    o.mainDivisor = m_mainDivisor ? m_mainDivisor->currentData().toInt() : 3;
    o.secondaryDivisor = m_secondaryDivisor ? m_secondaryDivisor->currentData().toInt() : 3;
    return o;
}

void Tf_tjq::runStatistics() {
    m_coalesce->stop();
    if (!m_window->custom() && !m_window->recentCount()) {
        m_prompts.inform(this, QStringLiteral("“%1”不是有效的整数").arg(m_window->countBox()->currentText()));
        return;
    }
    m_area.run(m_ws, options());
    showResult();
}

void Tf_tjq::showResult() {
    const StatsResult& r = m_area.last();
    if (m_window->custom()) m_total->setText(q(r.caption));
    m_coldHot->setText(q(r.mainColdHot));
    m_secondaryColdHot->setText(q(r.secondaryColdHot));
    m_secondaryZone->setEnabled(m_ws.game.fhgs > 0);
    if (m_ws.game.fhgs == 0) m_mainZone->setChecked(true);
    showChart();
    showItems(1);
    showItems(2);
}

void Tf_tjq::showChart() {
    if (!m_area.hasRun()) return;
    const StatsResult& r = m_area.last();
    const ZoneNumbers& zone = m_secondaryZone->isChecked() ? r.secondary : r.main;
    BarChartData data;
    for (const NumberStat& stat : zone.ordered(static_cast<BarOrder>(std::max(0, m_order->checkedId())))) {
        data.slotLabels.push_back(stat.number);
        data.first.push_back(stat.hits);
        data.second.push_back(stat.omission);
    }
    data.showFirst = m_showHits->isChecked();
    data.showSecond = m_showOmission->isChecked();
    data.firstLegend = QStringLiteral("出现次数");
    data.secondLegend = QStringLiteral("遗漏次数");
    m_chart->setData(std::move(data));
}

void Tf_tjq::showItems(int page) {
    const StatsPages& pages = m_area.last().pages;
    const std::vector<StatGroup>& shown = page == 1 ? pages.page1 : pages.page2;
    ItemPage& items = m_itemPages[static_cast<size_t>(page - 1)];
    const QString key = pageKey(shown);
    if (key == items.key) {
        // The same lines as before: only the texts and the bars change.
        size_t at = 0;
        for (const StatGroup& group : shown)
            for (const StatLine& line : group.lines) {
                const ItemRow& row = items.rows[at++];
                row.value->setText(q(line.value));
                row.share->setText(q(line.share));
                if (row.bar) row.bar->setBar(line.bar);
            }
        return;
    }
    QVBoxLayout* groups = m_itemLayouts[static_cast<size_t>(page - 1)];
    while (QLayoutItem* item = groups->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    items.key = key;
    items.rows.clear();
    auto* grid = new QWidget;
    auto* columns = new QGridLayout(grid);
    int at = 0;
    for (const StatGroup& group : shown) {
        auto* box = new QGroupBox(q(group.title) + (group.secondary ? QStringLiteral("（蓝码）") : QString()), grid);
        auto* lines = new QGridLayout(box);
        int row = 0;
        for (const StatLine& line : group.lines) {
            ItemRow added{new QLabel(q(line.label), box), new QLabel(q(line.value), box),
                          new QLabel(q(line.share), box), line.bar >= 0 ? new ShareBar(line.bar, box) : nullptr};
            lines->addWidget(added.label, row, 0);
            lines->addWidget(added.value, row, 1);
            lines->addWidget(added.share, row, 2);
            if (added.bar) lines->addWidget(added.bar, row, 3);
            items.rows.push_back(added);
            ++row;
        }
        columns->addWidget(box, at / 3, at % 3);
        ++at;
    }
    groups->addWidget(grid);
}

QStringList Tf_tjq::pageLines(int page) const {
    QStringList lines;
    const StatsPages& pages = m_area.last().pages;
    for (const StatGroup& group : page == 1 ? pages.page1 : pages.page2)
        for (const StatLine& line : group.lines)
            lines << q(line.label) + QLatin1Char('\t') + q(line.value) + QLatin1Char('\t') + q(line.share);
    return lines;
}

QString Tf_tjq::coldHotLine(bool secondary) const { return secondary ? m_secondaryColdHot->text() : m_coldHot->text(); }

void Tf_tjq::changeColdHotSettings(bool secondary) {
    // The page shows the classification as of its window's end.
    if (!editColdHotSettings(m_ws, m_settings, m_prompts, secondary, m_runDialog, this)) return;
    runStatistics();
}

}  // namespace lottodesk
