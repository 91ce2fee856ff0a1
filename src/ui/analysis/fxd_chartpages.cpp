#include "ui/analysis/fxd_chartpages.h"

#include "core/drawtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/periodcaption.h"
#include "core/workspace.h"
#include "ui/analysis/fxd_controls.h"
#include "ui/charts/linechart.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

QComboBox* combo(const char* name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

LineChartData lineData(const TrendChartData& data, const QString& title) {
    LineChartData line;
    line.periods = data.periods;
    for (const std::string& name : data.names) line.names << q(name);
    line.series = data.series;
    line.title = title;
    line.labels = true;
    return line;
}

}  // namespace

QString ChartTrendPage::caption(Kind kind) {
    switch (kind) {
    case Kind::Remainders: return QStringLiteral("红号余数图");
    case Kind::Spacing: return QStringLiteral("间隔分析");
    case Kind::Dispersion: return QStringLiteral("离中量");
    case Kind::MainOmission: return QStringLiteral("主号遗漏走势");
    case Kind::SecondaryOmission: return QStringLiteral("副号遗漏走势");
    }
    return {};
}

ChartTrendPage::ChartTrendPage(Kind kind, const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_kind(kind), m_context(context) {
    setObjectName(QStringLiteral("ts_chart%1").arg(static_cast<int>(kind)));
    auto* controls = new QHBoxLayout;
    m_window = periodWindowBox(this);
    controls->addWidget(m_window);

    switch (kind) {
    case Kind::Remainders:
        m_choice = combo("combo_choice",
                         {QStringLiteral("除三余数"), QStringLiteral("除四余数"), QStringLiteral("除五余数")}, this);
        break;
    case Kind::Spacing:
        m_choice = combo("combo_choice", {QStringLiteral("全部显示")}, this);
        m_marks = combo("combo_marks", {QStringLiteral("间距标识"), QStringLiteral("主号标识")}, this);
        break;
    case Kind::Dispersion:
        m_choice = combo("combo_choice",
                         {QStringLiteral("平均量"), QStringLiteral("标准差"), QStringLiteral("离散系数")}, this);
        break;
    case Kind::MainOmission:
    case Kind::SecondaryOmission:
        controls->addWidget(new QLabel(
            kind == Kind::MainOmission ? QStringLiteral("主区号码选择") : QStringLiteral("副区号码选择"), this));
        m_choice = combo("combo_choice", {}, this);
        break;
    }
    controls->addWidget(m_choice);
    if (m_marks) controls->addWidget(m_marks);
    if (omissionKind()) {
        const struct {
            const char* name;
            const char* text;
            int step;  // in windows (±100) or periods
        } moves[] = {{"b_prevpage", "上一页", -100},
                     {"b_nextpage", "下一页", 100},
                     {"b_prev", "上一条", -1},
                     {"b_next", "下一条", 1}};
        for (const auto& move : moves) {
            QPushButton* b = button(move.name, QString::fromUtf8(move.text), this);
            const int step = move.step;
            connect(b, &QPushButton::clicked, this,
                    [this, step] { moveBy(step == 100 || step == -100 ? step / 100 * m_chart->window() : step); });
            controls->addWidget(b);
        }
        m_analyse = button("b_analyse", QStringLiteral("指标剖析"), this);
        // Without an indicator analysis to hand to, the command is not offered.
        m_analyse->setEnabled(static_cast<bool>(m_context.analysis));
        connect(m_analyse, &QPushButton::clicked, this, [this] { handToAnalysis(); });
        controls->addWidget(m_analyse);
    }
    controls->addStretch(1);

    m_chart = new LineChart(this);
    m_chart->setObjectName(QStringLiteral("chart"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_chart, 1);

    connect(m_window, &QComboBox::currentIndexChanged, this, [this] { m_chart->setWindow(periodWindow(m_window)); });
    // The divisor and the omission number change the data; the other choices only what is shown.
    if (kind == Kind::Remainders || omissionKind())
        connect(m_choice, &QComboBox::currentIndexChanged, this, [this] {
            if (!stale()) compute();
        });
    else
        connect(m_choice, &QComboBox::currentIndexChanged, this, [this] { showChoice(); });
    if (m_marks) connect(m_marks, &QComboBox::currentIndexChanged, this, [this] { showChoice(); });
}

void ChartTrendPage::refresh() {
    if (omissionKind()) {
        // The number list follows the game; the chosen number stays when the new game has it.
        const GameParams& g = m_context.ws.game;
        const bool secondary = m_kind == Kind::SecondaryOmission;
        const bool has = !secondary || (g.hasspec && g.fhgs > 0);
        const int lo = secondary ? g.spec_from : g.zh_from, hi = secondary ? g.spec_to : g.zh_to;
        const QString chosen = m_choice->currentText();
        QSignalBlocker block(m_choice);
        m_choice->clear();
        for (int n = lo; has && n <= hi; ++n) m_choice->addItem(QString::number(n));
        const int at = m_choice->findText(chosen);
        m_choice->setCurrentIndex(at >= 0 ? at : 0);
    }
    if (m_kind == Kind::Spacing) {
        QSignalBlocker block(m_choice);
        const int chosen = m_choice->currentIndex();
        m_choice->clear();
        m_choice->addItem(QStringLiteral("全部显示"));
        for (int j = 2; j <= std::clamp(m_context.ws.game.zhgs, 0, 7); ++j)
            m_choice->addItem(QStringLiteral("%1_1显示").arg(j));
        m_choice->setCurrentIndex(chosen >= 0 && chosen < m_choice->count() ? chosen : 0);
    }
    compute();
}

void ChartTrendPage::compute() {
    const Workspace& ws = m_context.ws;
    switch (m_kind) {
    case Kind::Remainders: m_data = remainderChart(ws.sjk, ws.game, 3 + m_choice->currentIndex()); break;
    case Kind::Spacing: m_data = spacingChart(ws.sjk, ws.game); break;
    case Kind::Dispersion: m_data = dispersionChart(ws.sjk, ws.game); break;
    case Kind::MainOmission:
    case Kind::SecondaryOmission:
        m_data = m_choice->count() == 0 ? TrendChartData{}
                                        : omissionTrendChart(ws.sjk, ws.game, m_kind == Kind::SecondaryOmission,
                                                             m_choice->currentText().toInt());
        if (m_analyse) m_analyse->setEnabled(static_cast<bool>(m_context.analysis) && m_choice->count() > 0);
        break;
    }
    QString title = caption(m_kind);
    if (m_kind == Kind::Remainders) title = m_choice->currentText();
    LineChartData line = lineData(m_data, title);
    if (m_kind == Kind::Dispersion) line.labels = false;
    // An omission trend has a point per draw of the number, often years apart: its periods keep the year.
    if (m_kind == Kind::MainOmission || m_kind == Kind::SecondaryOmission)
        for (const int32_t period : m_data.periods) line.periodLabels << q(periodCaption(period));
    m_chart->setData(std::move(line));
    m_chart->setWindow(periodWindow(m_window));
    showChoice();
}

void ChartTrendPage::showChoice() {
    LineChartData line = m_chart->data();
    const size_t count = line.series.size();
    std::vector<bool> shown(count, true);
    if (m_kind == Kind::Spacing && m_choice->currentIndex() > 0) {
        shown.assign(count, false);
        if (static_cast<size_t>(m_choice->currentIndex() - 1) < count) shown[m_choice->currentIndex() - 1] = true;
    }
    if (m_kind == Kind::Dispersion) {
        shown.assign(count, false);
        if (static_cast<size_t>(m_choice->currentIndex()) < count) shown[m_choice->currentIndex()] = true;
    }
    if (m_marks) line.marks = m_marks->currentIndex() == 1 ? m_data.marks : std::vector<std::vector<double>>{};
    line.shown = std::move(shown);
    const int first = m_chart->firstVisible();
    const bool atEnd = first == m_chart->scrollBar()->maximum();
    m_chart->setData(std::move(line));
    if (!atEnd) m_chart->scrollBar()->setValue(first);
}

void ChartTrendPage::moveBy(int periods) {
    QScrollBar* bar = m_chart->scrollBar();
    bar->setValue(std::clamp(bar->value() + periods, bar->minimum(), bar->maximum()));
}

// The omission series becomes a derived series of its own: one record per element with its
// period, shown modally by the indicator analysis.
void ChartTrendPage::handToAnalysis() {
    AnalysisOpener* opener = m_context.analysisWindow();
    if (!opener || m_choice->count() == 0) return;
    DerivedStore store;
    int32_t hi = 0;
    const std::vector<double>& gaps = m_data.series.empty() ? std::vector<double>{} : m_data.series[0];
    for (size_t i = 0; i < gaps.size(); ++i) {
        store.append(m_data.periods[i], static_cast<int32_t>(gaps[i]));
        hi = std::max(hi, static_cast<int32_t>(gaps[i]));
    }
    store.finish();
    const QString zone = m_kind == Kind::MainOmission ? QStringLiteral("主区号码") : QStringLiteral("副区号码");
    opener->openDerived(std::move(store), ValueRange{0, hi},
                        (zone + m_choice->currentText() + QStringLiteral("的遗漏")).toStdString());
}

void addChartTrendPages(Tf_fxd& window, const AnalysisContext& context) {
    using Kind = ChartTrendPage::Kind;
    for (Kind kind : {Kind::Remainders, Kind::Spacing, Kind::Dispersion, Kind::MainOmission, Kind::SecondaryOmission})
        window.addPage(ChartTrendPage::caption(kind), new ChartTrendPage(kind, context));
}

}  // namespace lottodesk
