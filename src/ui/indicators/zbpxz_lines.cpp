// The line views of the indicator analysis: "均值走势图" (the series and its moving averages, each
// switchable) and "遗漏值走势" (the omission of the series and its change, with a dynamic or
// capped axis). Switching a line or the axis repaints the charts; nothing is recomputed.
#include <QCheckBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include "analysis/seriestrends.h"
#include "analysis/signalchart.h"
#include "ui/charts/linechart.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/indicators/zbpxz_grid.h"

namespace lottodesk {

using namespace zbpxz;

namespace {

const char* const kAverageNames[] = {"常规线", "二期均值", "三期均值", "四期均值", "五期均值", "十期均值"};
const char* const kAverageObjects[] = {"cb_regular", "cb_avg2", "cb_avg3", "cb_avg4", "cb_avg5", "cb_avg10"};

LineChart* lineChart(const char* name) {
    auto* chart = new LineChart;
    chart->setObjectName(QString::fromLatin1(name));
    chart->setMinimumHeight(120);
    return chart;
}

}  // namespace

QWidget* Tf_zbpxz::buildAveragesPage() {
    auto* options = new QHBoxLayout;
    m_averagesChart = lineChart("averages_chart");
    for (size_t i = 0; i < std::size(kAverageNames); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kAverageNames[i]));
        box->setObjectName(QString::fromLatin1(kAverageObjects[i]));
        box->setChecked(true);
        options->addWidget(box);
        m_averageLines.push_back(box);
        connect(box, &QCheckBox::toggled, this, [this] {
            std::vector<bool> shown;
            for (QCheckBox* line : m_averageLines) shown.push_back(line->isChecked());
            m_averagesChart->setSeriesShown(std::move(shown));
        });
    }
    auto* exportButton = new QPushButton(QStringLiteral("导出指标值"));
    exportButton->setObjectName(QStringLiteral("b_export"));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportValues(); });
    options->addWidget(exportButton);
    options->addStretch();
    m_averagesGrid = grid("sg_averages");
    followGrid(m_averagesGrid, m_averagesChart, [this](int row) { m_averagesChart->scrollBar()->setValue(row); });
    return chartPage(options, m_averagesChart, m_averagesGrid);
}

void Tf_zbpxz::showAverages() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    std::vector<std::vector<double>> averages;
    for (int span : kAverageSpans) averages.push_back(movingAverage(s->values, span));
    const DrawHistory draws = seriesDraws(*s);
    const int records = draws.count();
    setHeader(m_averagesGrid,
              {QStringLiteral("期号"), QStringLiteral("常规线"), QStringLiteral("二期均值"), QStringLiteral("三期均值"),
               QStringLiteral("四期均值"), QStringLiteral("五期均值"), QStringLiteral("十期均值")},
              records);
    for (int n = 1; n <= records; ++n) {
        const auto i = static_cast<size_t>(n);
        setCell(m_averagesGrid, n - 1, 0, QString::number(draws.record(n)[0]));
        setCell(m_averagesGrid, n - 1, 1, QString::number(s->values[i]));
        for (size_t a = 0; a < averages.size(); ++a)
            setCell(m_averagesGrid, n - 1, static_cast<int>(a) + 2, decimal(averages[a][i]));
    }
    m_averagesGrid->scrollToRow(m_session->openingRecord(m_ws) - 1);

    LineChartData chart;
    chart.title = q(s->caption) + QStringLiteral("的均值走势图");
    chart.periods = periodsOf(draws);
    for (const char* name : kAverageNames) chart.names << QString::fromUtf8(name);
    chart.series.push_back(doubles(s->values));
    for (std::vector<double>& average : averages) {
        average.erase(average.begin());  // index 0 is unused
        chart.series.push_back(std::move(average));
    }
    for (QCheckBox* line : m_averageLines) chart.shown.push_back(line->isChecked());
    m_averagesChart->setData(std::move(chart));  // opens on the newest periods
}

QWidget* Tf_zbpxz::buildOmissionTrendPage() {
    auto* options = new QHBoxLayout;
    m_trendDynamic = new QCheckBox(QStringLiteral("动态坐标"));
    m_trendDynamic->setObjectName(QStringLiteral("cb_dynamic"));
    options->addWidget(m_trendDynamic);
    m_trendCapped = new QCheckBox(QStringLiteral("限制y轴最大值"));
    m_trendCapped->setObjectName(QStringLiteral("cb_trendymax"));
    options->addWidget(m_trendCapped);
    m_trendCap = new QLineEdit(QStringLiteral("100"));
    m_trendCap->setObjectName(QStringLiteral("e_trendymax"));
    m_trendCap->setValidator(new QIntValidator(1, 999999, m_trendCap));
    m_trendCap->setMaximumWidth(60);
    options->addWidget(m_trendCap);
    options->addStretch();
    connect(m_trendDynamic, &QCheckBox::toggled, this, [this] { applyTrendAxis(); });
    connect(m_trendCapped, &QCheckBox::toggled, this, [this] { applyTrendAxis(); });
    connect(m_trendCap, &QLineEdit::editingFinished, this, [this] { applyTrendAxis(); });

    m_omissionLine = lineChart("omission_line");
    m_omissionChangeLine = lineChart("omission_change_line");
    // The two charts show the same periods: each follows the other's scroll bar and the grid.
    connect(m_omissionLine->scrollBar(), &QScrollBar::valueChanged, m_omissionChangeLine->scrollBar(),
            &QScrollBar::setValue);
    connect(m_omissionChangeLine->scrollBar(), &QScrollBar::valueChanged, m_omissionLine->scrollBar(),
            &QScrollBar::setValue);
    auto* charts = new QWidget;
    auto* chartLayout = new QVBoxLayout(charts);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(m_omissionLine);
    chartLayout->addWidget(m_omissionChangeLine);
    m_omissionTrendGrid = grid("sg_omissiontrend");
    followGrid(m_omissionTrendGrid, m_omissionLine, [this](int row) { m_omissionLine->scrollBar()->setValue(row); });
    return chartPage(options, charts, m_omissionTrendGrid);
}

void Tf_zbpxz::applyTrendAxis() {
    for (LineChart* chart : {m_omissionLine, m_omissionChangeLine})
        chart->setAxis(m_trendDynamic->isChecked(), m_trendCapped->isChecked(), capValue(m_trendCap));
}

void Tf_zbpxz::showOmissionTrend() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const std::vector<int32_t> omission = transformedSeries(s->values, {KLineKind::Omission});
    const std::vector<int32_t> change = transformedSeries(s->values, {KLineKind::OmissionAmplitude});
    const DrawHistory draws = seriesDraws(*s);
    const int records = draws.count();
    const QString omissionTitle = q(s->caption) + QStringLiteral("的遗漏走势");
    const QString changeTitle = q(s->caption) + QStringLiteral("的遗漏振幅走势");
    setHeader(m_omissionTrendGrid, {QStringLiteral("期号"), omissionTitle, changeTitle}, records);
    for (int n = 1; n <= records; ++n) {
        const auto i = static_cast<size_t>(n);
        setCell(m_omissionTrendGrid, n - 1, 0, periodText(draws.record(n)[0]));
        setCell(m_omissionTrendGrid, n - 1, 1, QString::number(omission[i]));
        setCell(m_omissionTrendGrid, n - 1, 2, QString::number(change[i]));
    }
    m_omissionTrendGrid->scrollToBottom();

    const std::vector<int32_t> periods = periodsOf(draws);
    const std::pair<LineChart*, std::pair<QString, const std::vector<int32_t>*>> charts[] = {
        {m_omissionLine, {omissionTitle, &omission}}, {m_omissionChangeLine, {changeTitle, &change}}};
    for (const auto& [chart, what] : charts) {
        LineChartData data;
        data.title = what.first;
        data.names << what.first;
        data.periods = periods;
        data.series.push_back(doubles(*what.second));
        data.labels = true;
        data.fitWindow = m_trendDynamic->isChecked();
        data.capped = m_trendCapped->isChecked();
        data.cap = capValue(m_trendCap);
        chart->setData(std::move(data));
    }
}

}  // namespace lottodesk
