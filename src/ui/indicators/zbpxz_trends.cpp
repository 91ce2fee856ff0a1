// The per-record trend views of the indicator analysis, each a grid under its drawn charts:
// "余数走势图" (the remainder by a chosen divisor), "特征图" (odd/even, prime/composite and
// small/big, one chart each), "变化量及尾数图" (value, absolute change, tail, one chart each),
// "单个取值遗漏走势" (the omissions of one value's occurrences) and "按期数分段走势" (a statistic
// per segment). The charts of a page scroll together and follow its grid; only their window is
// painted, and scrolling or switching columns and lines never recomputes a series.
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "analysis/drawwindow.h"
#include "analysis/seriestrends.h"
#include "analysis/signalchart.h"
#include "analysis/valueviews.h"
#include "ui/charts/linechart.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/indicators/zbpxz_grid.h"

namespace lottodesk {

using namespace zbpxz;

namespace {

// The charts of one page, stacked; each follows the others' scroll bars, so they show the same
// periods.
QWidget* chartStack(std::vector<LineChart*>& charts, std::initializer_list<const char*> names) {
    auto* stack = new QWidget;
    auto* layout = new QVBoxLayout(stack);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (const char* name : names) {
        auto* chart = new LineChart;
        chart->setObjectName(QString::fromLatin1(name));
        chart->setMinimumHeight(names.size() > 1 ? 90 : 120);
        layout->addWidget(chart);
        charts.push_back(chart);
    }
    for (LineChart* one : charts)
        for (LineChart* other : charts)
            if (one != other)
                QObject::connect(one->scrollBar(), &QScrollBar::valueChanged, other->scrollBar(),
                                 &QScrollBar::setValue);
    return stack;
}

// "柱状图" or "折线图": how the single-value and the segment charts draw their points.
QComboBox* styleCombo(const char* name, int current) {
    return combo(name, {QStringLiteral("柱状图"), QStringLiteral("折线图")}, current);
}

LineChartData oneSeries(const QString& title, std::vector<int32_t> periods, std::vector<double> values) {
    LineChartData data;
    data.title = title;
    data.names << title;
    data.periods = std::move(periods);
    data.series.push_back(std::move(values));
    data.labels = true;
    return data;
}

// Fills one row per record: the period, then the columns' texts.
void fillRecords(ViewGrid* table, const DrawHistory& draws, const QStringList& header,
                 const std::function<QStringList(size_t)>& cells) {
    setHeader(table, header, draws.count());
    for (int n = 1; n <= draws.count(); ++n) {
        setCell(table, n - 1, 0, periodText(draws.record(n)[0]));
        const QStringList texts = cells(static_cast<size_t>(n));
        for (int c = 0; c < texts.size(); ++c) setCell(table, n - 1, c + 1, texts[c]);
    }
    table->scrollToBottom();
}

}  // namespace

namespace {

// A segment's periods as its axis label: "2026072-076", or both in full across a new year.
QString segmentLabel(int32_t first, int32_t last) {
    if (first == last) return QString::number(first);
    // Periods are the year followed by three digits of the draw: within a year the end is
    // written by its draw number alone.
    if (first / 1000 == last / 1000)
        return QStringLiteral("%1-%2").arg(first).arg(last % 1000, 3, 10, QLatin1Char('0'));
    return QStringLiteral("%1-%2").arg(first).arg(last);
}

}  // namespace

QWidget* Tf_zbpxz::buildSegmentsPage() {
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("区段长度：")));
    QStringList lengths;
    for (int l = 50; l >= 5; l -= 5) lengths << QString::number(l);
    for (int l = 4; l >= 2; --l) lengths << QString::number(l);
    m_segmentLength = combo("combo_length", lengths, static_cast<int>(lengths.indexOf(QStringLiteral("5"))));
    options->addWidget(m_segmentLength);
    options->addWidget(new QLabel(QStringLiteral("位置调节：")));
    QStringList shifts;
    for (int a = -10; a <= 10; ++a) shifts << QString::number(a);
    m_segmentShift = combo("combo_shift", shifts, 10);
    options->addWidget(m_segmentShift);
    options->addWidget(new QLabel(QStringLiteral("显示内容：")));
    m_segmentContent = combo("combo_content",
                             {QStringLiteral("区段总和"), QStringLiteral("区段平均值"), QStringLiteral("区段最大值"),
                              QStringLiteral("区段最小值"), QStringLiteral("区段平均振幅"), QStringLiteral("相同个数")},
                             0);
    options->addWidget(m_segmentContent);
    m_segmentStyle = styleCombo("combo_segmentstyle", 1);
    options->addWidget(m_segmentStyle);
    options->addStretch();
    m_segmentsGrid = grid("sg_segments");
    for (QComboBox* box : {m_segmentLength, m_segmentShift, m_segmentContent})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { showSegments(); });
    std::vector<LineChart*> charts;
    QWidget* stack = chartStack(charts, {"segments_chart"});
    m_segmentsChart = charts.front();
    connect(m_segmentStyle, &QComboBox::currentIndexChanged, this,
            [this](int style) { m_segmentsChart->setColumns(style == 0); });
    followGrid(m_segmentsGrid, m_segmentsChart, [this](int row) { m_segmentsChart->scrollBar()->setValue(row); });
    return chartPage(options, stack, m_segmentsGrid);
}

void Tf_zbpxz::showSegments() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const DrawHistory history = seriesDraws(*s);
    const SectionKind kind = sectionKind(m_segmentContent->currentText().toStdString());
    const int length = m_segmentLength->currentText().toInt();
    const std::vector<Segment> segments = segmentTrend(s->values, lastDrawRecord(history), length,
                                                       m_segmentShift->currentText().toInt(), kind);
    setHeader(m_segmentsGrid, {QStringLiteral("起始期号"), QStringLiteral("终止期号"), m_segmentContent->currentText()},
              static_cast<int>(segments.size()));
    std::vector<int32_t> periods;
    std::vector<double> values;
    QStringList labels;
    for (size_t i = 0; i < segments.size(); ++i) {
        const Segment& seg = segments[i];
        const int row = static_cast<int>(i);
        setCell(m_segmentsGrid, row, 0, periodText(history.record(seg.first)[0]));
        setCell(m_segmentsGrid, row, 1, periodText(history.record(seg.last)[0]));
        setCell(m_segmentsGrid, row, 2, QString::number(seg.value));
        periods.push_back(history.record(seg.last)[0]);  // a segment is drawn at its last period
        labels << segmentLabel(history.record(seg.first)[0], history.record(seg.last)[0]);
        values.push_back(seg.value);
    }
    m_segmentsGrid->scrollToBottom();
    LineChartData chart = oneSeries(q(s->caption) + QStringLiteral("的") + m_segmentContent->currentText() +
                                        QStringLiteral("（每段%1期）").arg(length),
                                    std::move(periods), std::move(values));
    chart.periodLabels = std::move(labels);
    chart.columns = m_segmentStyle->currentIndex() == 0;
    m_segmentsChart->setData(std::move(chart));  // opens on the newest segments
}

QWidget* Tf_zbpxz::buildTransformPage(ViewGrid*& table, const char* name, QComboBox** divisor,
                                      std::vector<LineChart*>& charts, std::initializer_list<const char*> chartNames) {
    QHBoxLayout* options = nullptr;
    if (divisor) {
        options = new QHBoxLayout;
        options->addWidget(new QLabel(QStringLiteral("除")));
        QStringList divisors;
        for (int k = 2; k <= 20; ++k) divisors << QString::number(k);
        *divisor = combo("combo_divisor", divisors, 1);
        options->addWidget(*divisor);
        options->addWidget(new QLabel(QStringLiteral("余数")));
        options->addStretch();
        connect(*divisor, &QComboBox::currentIndexChanged, this, [this] { showRemainders(); });
    }
    table = grid(name);
    QWidget* stack = chartStack(charts, chartNames);
    LineChart* leader = charts.front();
    followGrid(table, leader, [leader](int row) { leader->scrollBar()->setValue(row); });
    return chartPage(options, stack, table);
}

QWidget* Tf_zbpxz::buildOccurrencesPage() {
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("取值选择")));
    m_occurrenceValue = new QComboBox;
    m_occurrenceValue->setObjectName(QStringLiteral("combo_value"));
    options->addWidget(m_occurrenceValue);
    m_occurrenceStyle = styleCombo("combo_occurrencestyle", 0);
    options->addWidget(m_occurrenceStyle);
    options->addStretch();
    m_occurrencesGrid = grid("sg_occurrences");
    connect(m_occurrenceValue, &QComboBox::activated, this, [this] { showOccurrences(); });
    std::vector<LineChart*> charts;
    QWidget* stack = chartStack(charts, {"occurrence_chart"});
    m_occurrenceChart = charts.front();
    connect(m_occurrenceStyle, &QComboBox::currentIndexChanged, this,
            [this](int style) { m_occurrenceChart->setColumns(style == 0); });
    followGrid(m_occurrencesGrid, m_occurrenceChart,
               [this](int row) { m_occurrenceChart->scrollBar()->setValue(row); });
    return chartPage(options, stack, m_occurrencesGrid);
}

void Tf_zbpxz::showOccurrences() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    // The choice lists the values of the range (only those that occur when the range is too wide).
    const QString chosen = m_occurrenceValue->currentText();
    const DrawHistory history = seriesDraws(*s);
    const ValueColumns columns = valueColumns(s->values.data(), recentWindow(history, 0), m_range);
    QStringList values;
    for (int32_t v : columns.values) values << QString::number(v);
    if (values.isEmpty()) values << QString::number(m_range.lo);
    if (m_occurrenceValue->count() != values.size() || m_occurrenceValue->itemText(0) != values.front()) {
        m_occurrenceValue->clear();
        m_occurrenceValue->addItems(values);
        const auto at = values.indexOf(chosen);
        m_occurrenceValue->setCurrentIndex(at < 0 ? 0 : static_cast<int>(at));
    }
    const std::vector<Occurrence> hits =
        valueOccurrences(s->values, history.count(), m_occurrenceValue->currentText().toInt());
    setHeader(m_occurrencesGrid, {QStringLiteral("期号"), QStringLiteral("遗漏")}, static_cast<int>(hits.size()));
    std::vector<int32_t> periods;
    std::vector<double> omissions;
    periods.reserve(hits.size());
    omissions.reserve(hits.size());
    for (size_t i = 0; i < hits.size(); ++i) {
        const int32_t period = history.record(hits[i].record)[0];
        setCell(m_occurrencesGrid, static_cast<int>(i), 0, periodText(period));
        setCell(m_occurrencesGrid, static_cast<int>(i), 1, QString::number(hits[i].omission));
        periods.push_back(period);
        omissions.push_back(hits[i].omission);
    }
    m_occurrencesGrid->scrollToBottom();
    LineChartData chart =
        oneSeries(q(s->caption) + QStringLiteral("取值%1的遗漏走势").arg(m_occurrenceValue->currentText()),
                  std::move(periods), std::move(omissions));
    chart.columns = m_occurrenceStyle->currentIndex() == 0;
    m_occurrenceChart->setData(std::move(chart));  // the last 36 occurrences in view
}

void Tf_zbpxz::showRemainders() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const int k = m_divisor->currentIndex() + 2;
    const std::vector<int32_t> r = transformedSeries(s->values, {KLineKind::Remainder, k});
    const DrawHistory draws = seriesDraws(*s);
    fillRecords(m_remaindersGrid, draws,
                {QStringLiteral("期号"), QStringLiteral("值"), QStringLiteral("除%1余数").arg(k)}, [&](size_t n) {
                    return QStringList{QString::number(s->values[n]), QString::number(r[n])};
                });
    m_remainderCharts.front()->setData(
        oneSeries(q(s->caption) + QStringLiteral("的除%1余数走势").arg(k), periodsOf(draws), doubles(r)));
}

void Tf_zbpxz::showFeatures() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const int32_t big = m_big->text().toInt();
    const std::vector<uint8_t> odd = signalRow(s->values, SignalKind::OddEven, 0);
    const std::vector<uint8_t> prime = signalRow(s->values, SignalKind::PrimeComposite, 0);
    const std::vector<uint8_t> large = signalRow(s->values, SignalKind::BigSmall, big);
    const DrawHistory draws = seriesDraws(*s);
    fillRecords(m_featuresGrid, draws,
                {QStringLiteral("期号"), QStringLiteral("值"), QStringLiteral("奇偶"), QStringLiteral("质合"),
                 QStringLiteral("大小")},
                [&](size_t n) {
                    return QStringList{QString::number(s->values[n]), q(signalText(SignalKind::OddEven, odd[n], false)),
                                       q(signalText(SignalKind::PrimeComposite, prime[n], false)),
                                       q(signalText(SignalKind::BigSmall, large[n], false))};
                });
    // One chart per class pair: the first class of the pair (奇, 质, 大) high, the other low.
    const struct {
        const char* title;
        const std::vector<uint8_t>* row;
        SignalKind kind;
    } rows[] = {{"的奇偶走势", &odd, SignalKind::OddEven},
                {"的质合走势", &prime, SignalKind::PrimeComposite},
                {"的大小走势", &large, SignalKind::BigSmall}};
    const std::vector<int32_t> periods = periodsOf(draws);
    for (size_t c = 0; c < std::size(rows); ++c) {
        const std::vector<uint8_t>& row = *rows[c].row;
        std::vector<double> points(row.begin() + 1, row.end());
        LineChartData chart = oneSeries(q(s->caption) + QString::fromUtf8(rows[c].title), periods, std::move(points));
        chart.levels = {q(signalText(rows[c].kind, false, false)), q(signalText(rows[c].kind, true, false))};
        m_featureCharts[c]->setData(std::move(chart));
    }
}

void Tf_zbpxz::showChanges() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const std::vector<int32_t> change = transformedSeries(s->values, {KLineKind::Amplitude});
    const std::vector<int32_t> tail = transformedSeries(s->values, {KLineKind::Tail});
    const DrawHistory draws = seriesDraws(*s);
    fillRecords(
        m_changesGrid, draws,
        {QStringLiteral("期号"), QStringLiteral("常规"), QStringLiteral("绝对振幅"), QStringLiteral("尾数")},
        [&](size_t n) {
            return QStringList{QString::number(s->values[n]), QString::number(change[n]), QString::number(tail[n])};
        });
    const std::vector<int32_t> periods = periodsOf(draws);
    const std::pair<const char*, const std::vector<int32_t>*> rows[] = {
        {"的常规图", &s->values}, {"的绝对振幅图", &change}, {"的尾数图", &tail}};
    for (size_t c = 0; c < std::size(rows); ++c)
        m_changeCharts[c]->setData(
            oneSeries(q(s->caption) + QString::fromUtf8(rows[c].first), periods, doubles(*rows[c].second)));
}

}  // namespace lottodesk
