#include "ui/indicators/f_zbpxz.h"

#include <QCheckBox>
#include <QDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include "ui/indicators/zbpxz_viewgrid.h"
#include <QVBoxLayout>
#include <cctype>
#include <cstdio>
#include <string_view>

#include "analysis/analysisfilter.h"
#include "analysis/drawwindow.h"
#include "analysis/omissionalert.h"
#include "analysis/seriesexport.h"
#include "analysis/seriestrends.h"
#include "analysis/signalchart.h"
#include "analysis/valueviews.h"
#include "core/workspace.h"
#include "ui/charts/candlechart.h"
#include "ui/charts/columnchart.h"
#include "ui/charts/linechart.h"
#include "ui/analysis/fxd_controls.h"
#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"
#include "ui/indicators/f_filter_zbpxz.h"
#include "ui/indicators/f_fqfw.h"
#include "ui/indicators/zbpxz_grid.h"
#include "ui/indicators/zbpxz_marks.h"
#include "ui/common/gridscroller.h"
#include "ui/indicators/zbpxz_window.h"

namespace lottodesk {
using namespace zbpxz;

namespace {

ColumnChart* columnChart(const char* name) {
    auto* chart = new ColumnChart;
    chart->setObjectName(QString::fromLatin1(name));
    return chart;
}

// Whether `text` reads `test`, the series the analysis replaces. Evaluated again on a changed
// history it would read no series at all and give other values than the user analysed.
bool readsAnalysedSeries(std::string_view text) {
    const auto part = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    for (size_t at = 0; at + 4 <= text.size(); ++at) {
        bool same = true;
        for (size_t i = 0; i < 4 && same; ++i)
            same = std::tolower(static_cast<unsigned char>(text[at + i])) == "test"[i];
        if (same && (at == 0 || !part(text[at - 1])) && (at + 4 == text.size() || !part(text[at + 4]))) return true;
    }
    return false;
}

}  // namespace

QColor alertColour(OmissionAlert alert) {
    switch (alert) {
    case OmissionAlert::AboveAverage: return kAboveAverageColour;
    case OmissionAlert::AbovePrevious: return kAbovePreviousColour;
    case OmissionAlert::AboveLongest: return kAboveLongestColour;
    case OmissionAlert::None: break;
    }
    return kQuietOmissionColour;
}

Tf_zbpxz::Tf_zbpxz(Workspace& ws, Prompts& prompts, FileChooser& files, std::function<GeneratorHandOff*()> generator,
                   QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_prompts(prompts),
      m_files(files),
      m_generator(generator),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }),
      m_filter(new Tf_filter_zbpxz(prompts, std::move(generator), this)) {
    setObjectName(QStringLiteral("Tf_zbpxz"));
    setWindowTitle(QStringLiteral("指标剖析"));
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("pc_zbpxz"));
    layout->addWidget(m_pages);
    addView(buildSignalPage(), "信号图", "的信号图", [this] { showSignal(); });
    addView(buildTraitsPage(), "特性图表", "的特性图表", [this] { showTraits(); });
    addView(buildAveragesPage(), "均值走势图", "的均值走势图", [this] { showAverages(); });
    addView(buildOmissionTablePage(), "遗漏分布图表", "的遗漏分布图表", [this] { showOmissionTable(); });
    addView(buildLayoutPage(), "数据分布图", "的数据分布图", [this] { showLayout(); });
    addView(buildFieldPage(), "田野走势图", "的田野走势图", [this] { showField(); });
    addView(buildClassesPage(), "分项统计", "的分项统计", [this] { showClasses(); });
    addView(buildCountsPage(), "出现次数统计图", "的出现次数统计图", [this] { showCounts(); });
    addView(buildOmissionPage(), "遗漏次数统计图", "的遗漏次数统计图", [this] { showOmission(); });
    addView(buildSegmentsPage(), "按期数分段走势", "的按期数分段走势", [this] { showSegments(); });
    addView(buildOmissionTrendPage(), "遗漏值走势", "的遗漏值走势", [this] { showOmissionTrend(); });
    addView(buildOccurrencesPage(), "单个取值遗漏走势", "的单个取值遗漏走势", [this] { showOccurrences(); });
    addView(buildTransformPage(m_remaindersGrid, "sg_remainders", &m_divisor, m_remainderCharts, {"remainder_chart"}),
            "余数走势图", "的余数走势图", [this] { showRemainders(); });
    addView(buildTransformPage(m_featuresGrid, "sg_features", nullptr, m_featureCharts,
                               {"oddeven_chart", "primecomposite_chart", "smallbig_chart"}),
            "特征图", "的特征图", [this] { showFeatures(); });
    addView(buildTransformPage(m_changesGrid, "sg_changes", nullptr, m_changeCharts,
                               {"regular_chart", "amplitude_chart", "tail_chart"}),
            "变化量及尾数图", "的变化量及尾数图", [this] { showChanges(); });
    // The grids that mark cells offer the display menu in their popup.
    for (size_t i = 0; i < m_grids.size(); ++i)
        if (m_grids[i] == m_traitsGrid || m_grids[i] == m_omissionTableGrid || m_grids[i] == m_layoutGrid ||
            m_grids[i] == m_fieldGrid)
            m_markDelegates.push_back(addDisplayMenu(m_scrollers[i]->menu(), m_grids[i]));
    m_periodWindow = periodWindowBox(this);
    m_pages->setCornerWidget(m_periodWindow, Qt::TopRightCorner);
    connect(m_periodWindow, &QComboBox::currentIndexChanged, this, [this] { applyPeriodWindow(); });
    connect(m_pages, &QTabWidget::currentChanged, this, [this] {
        QWidget* page = m_pages->currentWidget();
        m_periodWindow->setEnabled(page->findChild<LineChart*>() || page->findChild<CandleChart*>());
        refresh();
    });
    m_periodWindow->setEnabled(true);  // the first page holds the K-line
}

std::vector<LineChart*> Tf_zbpxz::lineCharts() const {
    std::vector<LineChart*> charts{m_averagesChart, m_omissionLine, m_omissionChangeLine, m_occurrenceChart,
                                   m_segmentsChart};
    for (const auto* stack : {&m_remainderCharts, &m_featureCharts, &m_changeCharts})
        charts.insert(charts.end(), stack->begin(), stack->end());
    return charts;
}

// Only the windows change: the charts keep their data and repaint.
void Tf_zbpxz::applyPeriodWindow() {
    const int periods = periodWindow(m_periodWindow);
    m_candles->setWindow(periods);
    for (LineChart* chart : lineCharts()) chart->setWindow(periods);
}

void Tf_zbpxz::setPictures(const CellPictures* pictures) {
    m_pictures = pictures;
    for (MarkDelegate* delegate : m_markDelegates) {
        delegate->setPictures(pictures);
        if (auto* view = qobject_cast<QAbstractItemView*>(delegate->parent())) view->viewport()->update();
    }
}

void Tf_zbpxz::addView(QWidget* page, const char* caption, const char* suffix, std::function<void()> show) {
    m_pages->addTab(page, QString::fromUtf8(caption));
    m_views.push_back({QString::fromUtf8(caption), QString::fromUtf8(suffix), std::move(show)});
    ViewGrid* table = page->findChild<ViewGrid*>();
    m_grids.push_back(table);
    m_scrollers.push_back(new GridScroller(table));
}

QWidget* Tf_zbpxz::buildSignalPage() {
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("K线图类型")));
    m_kline = new QComboBox;
    m_kline->setObjectName(QStringLiteral("combo_kline"));
    for (const KLineType& type : kLineTypes()) m_kline->addItem(q(kLineName(type)));
    options->addWidget(m_kline);
    options->addWidget(new QLabel(QStringLiteral("信号图类型")));
    m_signal = new QComboBox;
    m_signal->setObjectName(QStringLiteral("combo_signal"));
    m_signal->addItems(
        {QStringLiteral("升降图"), QStringLiteral("奇偶图"), QStringLiteral("质合图"), QStringLiteral("大小图")});
    options->addWidget(m_signal);
    options->addWidget(new QLabel(QStringLiteral("（大数>＝")));
    m_big = new QLineEdit;
    m_big->setObjectName(QStringLiteral("e_big"));
    m_big->setValidator(new QIntValidator(-99999, 99999, m_big));
    m_big->setMaximumWidth(60);
    options->addWidget(m_big);
    options->addWidget(new QLabel(QStringLiteral("）")));
    m_symbols = new QRadioButton(QStringLiteral("符号表示"));
    m_symbols->setObjectName(QStringLiteral("rb_symbols"));
    auto* words = new QRadioButton(QStringLiteral("文字表示"));
    words->setObjectName(QStringLiteral("rb_words"));
    words->setChecked(true);
    options->addWidget(m_symbols);
    options->addWidget(words);
    auto* filter = new QPushButton(QStringLiteral("过滤设置"));
    filter->setObjectName(QStringLiteral("b_filter"));
    connect(filter, &QPushButton::clicked, this, [this] { filterSettings(); });
    options->addWidget(filter);
    m_klineCapped = new QCheckBox(QStringLiteral("限制y轴最大值"));
    m_klineCapped->setObjectName(QStringLiteral("cb_ymax"));
    options->addWidget(m_klineCapped);
    m_klineCap = new QLineEdit(QStringLiteral("100"));
    m_klineCap->setObjectName(QStringLiteral("e_ymax"));
    m_klineCap->setValidator(new QIntValidator(1, 999999, m_klineCap));
    m_klineCap->setMaximumWidth(60);
    options->addWidget(m_klineCap);
    options->addStretch();
    m_signalGrid = grid("sg_signal");
    m_candles = new CandleChart;
    m_candles->setObjectName(QStringLiteral("kline_chart"));
    connect(m_kline, &QComboBox::currentIndexChanged, this, [this] { showSignal(); });
    connect(m_signal, &QComboBox::currentIndexChanged, this, [this] { showSignal(); });
    connect(m_big, &QLineEdit::editingFinished, this, [this] { showSignal(); });
    connect(m_symbols, &QRadioButton::toggled, this, [this] { showSignal(); });
    // The cap only changes the axis: the chart repaints, nothing is recomputed.
    auto cap = [this] { m_candles->setCap(m_klineCapped->isChecked(), capValue(m_klineCap)); };
    connect(m_klineCapped, &QCheckBox::toggled, this, cap);
    connect(m_klineCap, &QLineEdit::editingFinished, this, cap);
    followGrid(m_signalGrid, m_candles, [this](int row) { m_candles->setFirstVisible(row); });
    return chartPage(options, m_candles, m_signalGrid);
}

QWidget* Tf_zbpxz::buildCountsPage() {
    auto* options = new QHBoxLayout;
    m_countWindow = new WindowChooser("count");
    options->addWidget(m_countWindow);
    m_countOrder = new QComboBox;
    m_countOrder->setObjectName(QStringLiteral("combo_countorder"));
    m_countOrder->addItems({QStringLiteral("常规显示"), QStringLiteral("升序显示"), QStringLiteral("降序显示")});
    options->addWidget(m_countOrder);
    m_countPercent = new QCheckBox(QStringLiteral("显示百分比例"));
    m_countPercent->setObjectName(QStringLiteral("cb_countpercent"));
    options->addWidget(m_countPercent);
    options->addStretch();
    m_countsGrid = grid("sg_counts");
    m_countsChart = columnChart("counts_chart");
    connect(m_countWindow, &WindowChooser::changed, this, [this] { showCounts(); });
    connect(m_countOrder, &QComboBox::currentIndexChanged, this, [this] { showCounts(); });
    connect(m_countPercent, &QCheckBox::toggled, this, [this] { showCounts(); });
    return chartPage(options, m_countsChart, m_countsGrid);
}

QWidget* Tf_zbpxz::buildOmissionPage() {
    auto* options = new QHBoxLayout;
    m_omissionWindow = new WindowChooser("omission", WindowChooser::Kind::RangeOnly);
    options->addWidget(m_omissionWindow);
    options->addStretch();
    m_omissionGrid = grid("sg_omission");
    m_omissionChart = columnChart("omission_chart");
    connect(m_omissionWindow, &WindowChooser::changed, this, [this] { showOmission(); });
    return chartPage(options, m_omissionChart, m_omissionGrid);
}

QWidget* Tf_zbpxz::buildClassesPage() {
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("分项选择")));
    m_classFamily = new QComboBox;
    m_classFamily->setObjectName(QStringLiteral("combo_family"));
    m_classFamily->addItems(
        {QStringLiteral("奇偶"), QStringLiteral("质合"), QStringLiteral("分区"), QStringLiteral("余数")});
    options->addWidget(m_classFamily);
    m_classK = new QComboBox;
    m_classK->setObjectName(QStringLiteral("combo_k"));
    for (int k = 2; k <= 20; ++k) m_classK->addItem(QString::number(k), k);
    m_classK->setCurrentIndex(1);  // 3
    options->addWidget(m_classK);
    m_classWindow = new WindowChooser("class");
    options->addWidget(m_classWindow);
    m_classPercent = new QCheckBox(QStringLiteral("显示百分比例"));
    m_classPercent->setObjectName(QStringLiteral("cb_classpercent"));
    options->addWidget(m_classPercent);
    options->addStretch();
    options->addWidget(zonesButton());
    m_classesGrid = grid("sg_classes");
    m_classesChart = columnChart("classes_chart");
    connect(m_classFamily, &QComboBox::currentIndexChanged, this, [this] { showClasses(); });
    connect(m_classK, &QComboBox::currentIndexChanged, this, [this] { showClasses(); });
    connect(m_classWindow, &WindowChooser::changed, this, [this] { showClasses(); });
    connect(m_classPercent, &QCheckBox::toggled, this, [this] { showClasses(); });
    return chartPage(options, m_classesChart, m_classesGrid);
}

Status Tf_zbpxz::analyse(const std::string& text, const std::optional<ValueRange>& typed, const std::string& caption) {
    const Status analysed = m_session->analyse(m_ws, text, typed, caption);
    if (!analysed) return analysed;
    m_typed = typed;
    showNewSeries();
    return analysed;
}

void Tf_zbpxz::showNewSeries() {
    m_traitSelection.clear();  // classes of another series
    setWindowTitle(q(m_session->series()->caption));
    // The big-number threshold starts in the middle of the new range.
    m_range = m_session->series()->range;
    const ValueRange r = m_range;
    m_big->setText(QString::number(r.lo + (static_cast<int64_t>(r.hi) - r.lo + 1) / 2));
    m_pages->setCurrentIndex(0);
    refresh();
}

void Tf_zbpxz::adoptSeries(const AnalysisSeries& series) {
    m_session->adopt(m_ws, series.values, series.range, series.caption);
    showNewSeries();
}

void Tf_zbpxz::openAnalysis(const AnalysisSeries& series, bool modal) {
    if (!modal) {
        adoptSeries(series);
        if (m_show) m_show();
        announce();
        return;
    }
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlg_zbpxz"));
    dialog.setWindowTitle(q(series.caption));
    dialog.resize(900, 600);
    auto* layout = new QVBoxLayout(&dialog);
    auto* inner = new Tf_zbpxz(m_ws, m_prompts, m_files, m_generator, &dialog);
    inner->setDialogRunner(m_runDialog);
    inner->setPictures(m_pictures);
    layout->addWidget(inner);
    inner->adoptSeries(series);
    m_runDialog(dialog);
}

void Tf_zbpxz::adoptDerived(DerivedStore store, ValueRange range, const std::string& caption) {
    m_session->adoptDerived(m_ws, std::move(store), range, caption);
    showNewSeries();
}

void Tf_zbpxz::openDerived(DerivedStore store, ValueRange range, const std::string& caption) {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlg_zbpxz"));
    dialog.setWindowTitle(q(caption));
    dialog.resize(900, 600);
    auto* layout = new QVBoxLayout(&dialog);
    auto* inner = new Tf_zbpxz(m_ws, m_prompts, m_files, m_generator, &dialog);
    inner->setDialogRunner(m_runDialog);
    inner->setPictures(m_pictures);
    layout->addWidget(inner);
    inner->adoptDerived(std::move(store), range, caption);
    m_runDialog(dialog);
}

void Tf_zbpxz::analyseIndicator(const std::string& identifier, const std::string& name) {
    const Status analysed = analyse(identifier, std::nullopt, name);
    if (!analysed) {
        m_prompts.warn(this, q(analysed.message));
        return;
    }
    if (m_show) m_show();
    announce();
}

QPushButton* Tf_zbpxz::zonesButton() {
    auto* button = new QPushButton(QStringLiteral("分区及范围"));
    button->setObjectName(QStringLiteral("b_fqfw"));
    connect(button, &QPushButton::clicked, this, [this] { chooseZones(); });
    return button;
}

void Tf_zbpxz::chooseZones() {
    if (!liveSeries()) return;
    Tf_fqfw dialog(m_range, this);
    m_runDialog(dialog);
    m_range = dialog.appliedRange();
    refresh();
}

void Tf_zbpxz::filterSettings() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const KLineType type = kLineTypes()[static_cast<size_t>(m_kline->currentIndex())];
    const std::string expression = filterExpression(*s, type);
    const DrawHistory history = seriesDraws(*s);
    if (expression.empty() || m_session->onDerived() ||
        !checkFilterExpression(m_session->context(m_ws), expression, lastDrawRecord(history))) {
        m_prompts.warn(this, QString::fromUtf8(kNotAFilterMessage));
        return;
    }
    const std::vector<int32_t> t = transformedSeries(s->values, type);
    m_filter->prepare(expression, transformedRange(t), filterReference(t, history), m_ws.current().zhname,
                      m_ws.current().specname);
    m_runDialog(*m_filter);
}

QString Tf_zbpxz::pageCaption() const {
    const AnalysisSeries* s = m_session->series();
    return s && s->caption == "蓝号" ? QStringLiteral("蓝号分析") : QStringLiteral("指标剖析");
}

QString Tf_zbpxz::viewStatus() const {
    const AnalysisSeries* s = m_session->series();
    if (!s) return {};
    return q(s->caption) + m_views[static_cast<size_t>(m_pages->currentIndex())].suffix;
}

ViewGrid* Tf_zbpxz::currentGrid() const { return m_grids[static_cast<size_t>(m_pages->currentIndex())]; }

GridScroller* Tf_zbpxz::currentScroller() const { return m_scrollers[static_cast<size_t>(m_pages->currentIndex())]; }

void Tf_zbpxz::typeChanged() { clearViews(); }

void Tf_zbpxz::historyChanged() {
    if (isVisible()) refresh();
}

void Tf_zbpxz::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The history may have changed while the window was hidden (the prediction record is edited
    // by other windows without a notice to this one).
    if (m_session->stale(m_ws)) refresh();
}

const AnalysisSeries* Tf_zbpxz::liveSeries() {
    const AnalysisSeries* s = m_session->series();
    if (!s || !m_session->stale(m_ws)) return s;
    // A series of another version of the history would index records it does not have or show
    // values of other draws. An indicator or a formula is computed again on the history as it is
    // now, with the range typed for it; the range of "分区及范围" stays when the user chose one.
    const std::string text = s->expression();
    if (!m_session->onDerived() && !text.empty() && !readsAnalysedSeries(text)) {
        const ValueRange previous = s->range;
        const std::string caption = s->caption;
        if (m_session->analyse(m_ws, text, m_typed, caption)) {
            s = m_session->series();
            if (m_range == previous) m_range = s->range;
            if (s->count() == m_session->history(m_ws).RecordCount()) return s;
        }
    }
    // A series handed in by another view, or one that fails on the new history: the views wait
    // for a new analysis.
    clearViews();
    return nullptr;
}

DrawHistory Tf_zbpxz::seriesDraws(const AnalysisSeries& series) const {
    DrawHistory draws = DrawHistory::of(m_session->history(m_ws));
    draws.realCount = std::min(draws.realCount, series.count());
    return draws;
}

void Tf_zbpxz::clearViews() {
    m_session = std::make_unique<AnalysisSession>();
    for (ViewGrid* table : m_grids) {
        table->reset({}, 0);
    }
    // The charts drop the old series with the grids.
    m_candles->setData({});
    for (ColumnChart* chart : {m_countsChart, m_omissionChart, m_classesChart}) chart->setData({});
    for (LineChart* chart : lineCharts()) chart->setData({});
    m_traitSelection.clear();
}

void Tf_zbpxz::refresh() {
    if (!liveSeries()) return;
    m_views[static_cast<size_t>(m_pages->currentIndex())].show();
    reportStatus(viewStatus());
}

void Tf_zbpxz::showSignal() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const KLineType type = kLineTypes()[static_cast<size_t>(m_kline->currentIndex())];
    const auto kind = static_cast<SignalKind>(m_signal->currentIndex());
    bool ok = false;
    const int32_t big = m_big->text().toInt(&ok);
    const std::vector<int32_t> t = transformedSeries(s->values, type);
    const std::vector<Candle> bars = candles(t);
    const std::vector<uint8_t> signals = signalRow(t, kind, ok ? big : 0);
    const DrawHistory draws = seriesDraws(*s);
    const int records = draws.count();
    CandleChartData chart;
    chart.title = q(s->caption + "的" + kLineName(type));
    chart.periods.reserve(static_cast<size_t>(records));
    for (int n = 1; n <= records; ++n) {
        const auto i = static_cast<size_t>(n);
        chart.periods.push_back(draws.record(n)[0]);
        chart.candles.push_back(bars[i]);
        chart.signalTexts << q(signalText(kind, signals[i] != 0, m_symbols->isChecked()));
        chart.signalFirst.push_back(signals[i]);
    }
    static const char* const kinds[] = {"线", "升", "降"};
    setHeader(m_signalGrid,
              {QStringLiteral("期号"), QStringLiteral("值"), QStringLiteral("开盘"), QStringLiteral("收盘"),
               QStringLiteral("形态"), QStringLiteral("信号")},
              records);
    for (int n = 1; n <= records; ++n) {
        const auto i = static_cast<size_t>(n);
        const int row = n - 1;
        setCell(m_signalGrid, row, 0, QString::number(draws.record(n)[0]));
        setCell(m_signalGrid, row, 1, QString::number(t[i]));
        setCell(m_signalGrid, row, 2, QString::number(bars[i].open));
        setCell(m_signalGrid, row, 3, QString::number(bars[i].close));
        setCell(m_signalGrid, row, 4, QString::fromUtf8(kinds[static_cast<int>(bars[i].kind)]));
        setCell(m_signalGrid, row, 5, chart.signalTexts[row]);
    }
    m_signalGrid->scrollToRow(m_session->openingRecord(m_ws) - 1);
    // The chart opens on the newest periods and follows the grid from then on.
    chart.capped = m_klineCapped->isChecked();
    chart.cap = capValue(m_klineCap);
    m_candles->setData(std::move(chart));
}

void Tf_zbpxz::showCounts() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const DrawHistory history = seriesDraws(*s);
    m_countWindow->offer(history);
    const DrawWindow window = m_countWindow->window(history);
    const ValueCounts counts = valueCounts(s->values.data(), window, m_range);
    const auto order = static_cast<CountOrder>(m_countOrder->currentIndex());
    const std::vector<int> columns = countOrder(counts, order);
    const int extra = counts.columns.occurringOnly ? 2 : 1;
    setHeader(m_countsGrid, {QStringLiteral("指标取值"), QStringLiteral("出现次数")},
              static_cast<int>(columns.size()) + extra);
    int row = 0;
    ColumnChartData chart;
    chart.title = q(s->caption) + QStringLiteral("的出现次数（共%1期）").arg(counts.periods);
    for (int c : columns) {
        const QString value = QString::number(counts.columns.values[static_cast<size_t>(c)]);
        const int32_t count = counts.counts[static_cast<size_t>(c)];
        const QString text = q(countText(count, counts.periods, m_countPercent->isChecked()));
        setCell(m_countsGrid, row, 0, value);
        setCell(m_countsGrid, row, 1, text);
        chart.labels << value;
        chart.heights.push_back(count);
        chart.texts << text;
        ++row;
    }
    m_countsChart->setData(std::move(chart));
    setCell(m_countsGrid, row++, 0, QStringLiteral("共%1期").arg(counts.periods));
    if (counts.columns.occurringOnly) setCell(m_countsGrid, row, 0, QString::fromUtf8(kOccurringValuesNote));
}

void Tf_zbpxz::showOmission() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const DrawHistory history = seriesDraws(*s);
    m_omissionWindow->offer(history);
    const DrawWindow window = m_omissionWindow->window(history);
    const ValueOmissions o = valueOmissions(s->values.data(), window, m_range);
    const int rows = static_cast<int>(o.columns.values.size());
    setHeader(
        m_omissionGrid,
        {QStringLiteral("指标取值"), QStringLiteral("出现次数"), QStringLiteral("最大遗漏"), QStringLiteral("最小遗漏"),
         QStringLiteral("平均遗漏"), QStringLiteral("上次遗漏"), QStringLiteral("本次遗漏")},
        rows + (o.columns.occurringOnly ? 1 : 0));
    ColumnChartData chart;
    chart.title =
        q(s->caption) +
        QStringLiteral("的本次遗漏（%1；橙：超过平均遗漏  深橙：超过上次遗漏  红：超过最大遗漏  ×：%2）")
            .arg(q(windowCaption(window)), QString::fromUtf8(kUnseenMark));
    for (int c = 0; c < rows; ++c) {
        const auto i = static_cast<size_t>(c);
        const int32_t current = o.stats.current[i];
        // A value never seen in the range has no omission to compare: a mark, not a column.
        const bool unseen = o.stats.hits[i] == 0;
        chart.labels << QString::number(o.columns.values[i]);
        chart.heights.push_back(current);
        chart.unseen.push_back(unseen);
        chart.texts << (unseen ? QString::fromUtf8(kUnseenMark) : QString::number(current));
        chart.colours.push_back(
            alertColour(omissionAlert(current, o.stats.average[i], o.stats.previous[i], o.stats.longest[i])));
        setCell(m_omissionGrid, c, 0, QString::number(o.columns.values[i]));
        setCell(m_omissionGrid, c, 1, stat(o.stats.hits[i]));
        setCell(m_omissionGrid, c, 2, stat(o.stats.longest[i]));
        setCell(m_omissionGrid, c, 3, stat(o.stats.shortest[i]));
        setCell(m_omissionGrid, c, 4, stat(o.stats.average[i]));
        setCell(m_omissionGrid, c, 5, stat(o.stats.previous[i]));
        setCell(m_omissionGrid, c, 6, stat(o.stats.current[i]));
    }
    if (o.columns.occurringOnly) setCell(m_omissionGrid, rows, 0, QString::fromUtf8(kOccurringValuesNote));
    m_omissionChart->setData(std::move(chart));
}

void Tf_zbpxz::showClasses() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const DrawHistory history = seriesDraws(*s);
    m_classWindow->offer(history);
    const DrawWindow window = m_classWindow->window(history);
    const auto family = static_cast<ClassFamily>(m_classFamily->currentIndex());
    m_classK->setEnabled(family == ClassFamily::Zones || family == ClassFamily::Remainder);
    const ClassCounts counts = classCounts(s->values.data(), window, m_range, family, m_classK->currentData().toInt());
    const int rows = static_cast<int>(counts.labels.size());
    setHeader(m_classesGrid, {QStringLiteral("分项"), QStringLiteral("次数")}, rows + 1);
    ColumnChartData chart;
    chart.title = q(s->caption) + QStringLiteral("的") + m_classFamily->currentText() +
                  QStringLiteral("统计（共%1期）").arg(counts.periods);
    for (int c = 0; c < rows; ++c) {
        const auto i = static_cast<size_t>(c);
        const QString text = q(countText(counts.counts[i], counts.periods, m_classPercent->isChecked()));
        setCell(m_classesGrid, c, 0, q(counts.labels[i]));
        setCell(m_classesGrid, c, 1, text);
        chart.labels << q(counts.labels[i]);
        chart.heights.push_back(counts.counts[i]);
        chart.texts << text;
    }
    m_classesChart->setData(std::move(chart));
    setCell(m_classesGrid, rows, 0, QStringLiteral("共%1期").arg(counts.periods));
}

void Tf_zbpxz::exportValues() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const QString chosen = m_files.saveFile(this, QString::fromUtf8(kSeriesExportTitle),
                                            QString::fromUtf8(kSeriesExportFilter), q(m_ws.folder));
    if (chosen.isEmpty()) return;
    const Status written = exportSeries(seriesExportPath(chosen.toStdString()), m_session->history(m_ws), *s);
    if (!written) m_prompts.reportError(this, q(written.message));
}

}  // namespace lottodesk
