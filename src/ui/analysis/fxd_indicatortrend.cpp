#include "ui/analysis/fxd_indicatortrend.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/workspace.h"
#include "formula/selfzb.h"
#include "indicators/catalogue.h"
#include "ui/analysis/fxd_controls.h"
#include "ui/charts/trendchart.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// The catalogue series the tree offers, in its order; "保存的自定义指标" follows them.
constexpr const char* kTreeSeries[] = {"常规系列", "和值系列", "振幅系列", "遗漏系列",
                                       "遗漏振幅", "振幅遗漏", "线和线差", "尾数系列"};
constexpr int kCodeRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;

int32_t maximumOf(const std::vector<int32_t>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}
int32_t minimumOf(const std::vector<int32_t>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

}  // namespace

IndicatorTrendPage::IndicatorTrendPage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context), m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    setObjectName(QStringLiteral("ts_zbzs"));
    m_tree = named(new QTreeWidget(this), "tv_series");
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumWidth(180);

    m_display = named(new QComboBox(this), "combo_display");
    m_display->addItems(
        {QStringLiteral("显示指标及特征图"), QStringLiteral("只显示指标走势图"), QStringLiteral("只显示特征走势图")});
    m_feature = named(new QComboBox(this), "combo_feature");
    for (const std::string& name : trendFeatureNames())
        m_feature->addItem(name == "除余数" ? QStringLiteral("除n余数") : q(name));
    m_middle = named(new QSpinBox(this), "e_middle");
    m_middle->setRange(1, 1000);
    m_middle->setValue(17);
    m_middle->setPrefix(QStringLiteral("中间值 "));
    m_divisor = named(new QSpinBox(this), "e_divisor");
    m_divisor->setRange(4, 20);
    m_divisor->setValue(4);
    m_divisor->setPrefix(QStringLiteral("除 "));
    m_divisor->setSuffix(QStringLiteral(" 余数"));
    auto* properties = named(new QPushButton(QStringLiteral("图表属性"), this), "b_properties");
    m_analyse = named(new QPushButton(QStringLiteral("剖析"), this), "b_analyse");
    m_analyse->setEnabled(false);

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_display);
    controls->addWidget(new QLabel(QStringLiteral("特征"), this));
    controls->addWidget(m_feature);
    controls->addWidget(m_middle);
    controls->addWidget(m_divisor);
    controls->addWidget(properties);
    controls->addWidget(m_analyse);
    controls->addStretch(1);

    m_valueChart = named(new TrendChart(this), "ch_indicator");
    m_featureChart = named(new TrendChart(this), "ch_feature");
    m_statistics = named(new QPlainTextEdit(this), "m_statistics");
    m_statistics->setReadOnly(true);
    m_statistics->setMaximumHeight(96);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(controls);
    rightLayout->addWidget(m_valueChart, 1);
    rightLayout->addWidget(m_featureChart, 1);
    rightLayout->addWidget(m_statistics);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_tree);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { chooseItem(item); });
    connect(m_display, &QComboBox::currentIndexChanged, this, [this] { showCharts(); });
    connect(m_feature, &QComboBox::currentIndexChanged, this, [this] { recomputeFeatures(); });
    connect(m_middle, &QSpinBox::valueChanged, this, [this] { recomputeFeatures(); });
    connect(m_divisor, &QSpinBox::valueChanged, this, [this] { recomputeFeatures(); });
    connect(properties, &QPushButton::clicked, this, [this] { editProperties(); });
    connect(m_analyse, &QPushButton::clicked, this, [this] {
        if (AnalysisOpener* opener = m_context.analysisWindow()) opener->analyseIndicator(m_code, m_name);
    });
    // The box counts what is on show when its range is "当前显示的记录".
    connect(m_valueChart->scrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (m_properties.range == TrendChartProperties::Range::Shown) showStatistics();
    });
    connect(m_valueChart->scrollBar(), &QScrollBar::valueChanged, m_featureChart->scrollBar(), &QScrollBar::setValue);
    recomputeFeatures();
}

void IndicatorTrendPage::refresh() {
    fillTree();  // the saved custom indicators may have changed
    if (!m_code.empty()) showIndicator(m_code, m_name);
}

void IndicatorTrendPage::fillTree() {
    QSignalBlocker block(m_tree);
    m_tree->clear();
    auto addSeries = [this](const QString& caption, const std::vector<CatalogueEntry>& entries) {
        auto* top = new QTreeWidgetItem(m_tree, {caption});
        for (const CatalogueEntry& e : entries) {
            auto* item = new QTreeWidgetItem(top, {q(e.name)});
            item->setData(0, kCodeRole, q(e.code));
            item->setData(0, kNameRole, q(e.name));
        }
    };
    for (const char* caption : kTreeSeries)
        for (const CatalogueSeries& series : indicatorCatalogue())
            if (series.caption == caption) addSeries(q(series.caption), series.entries);
    std::vector<CatalogueEntry> saved;
    for (const std::string& line : loadSelfzbLines(m_context.ws.folder)) {
        auto [formula, name] = splitSelfzbLine(line);
        saved.push_back({formula, name.empty() ? formula : name});
    }
    addSeries(QStringLiteral("保存的自定义指标"), saved);
}

void IndicatorTrendPage::chooseItem(QTreeWidgetItem* item) {
    if (!item || !item->data(0, kCodeRole).isValid()) return;  // a series, not an indicator
    showIndicator(item->data(0, kCodeRole).toString().toStdString(), item->data(0, kNameRole).toString().toStdString());
}

FeatureOptions IndicatorTrendPage::featureOptions() const {
    FeatureOptions options;
    options.feature = static_cast<TrendFeature>(std::max(0, m_feature->currentIndex()));
    options.middle = m_middle->value();
    options.divisor = m_divisor->value();
    return options;
}

void IndicatorTrendPage::showIndicator(const std::string& code, const std::string& name) {
    IndicatorTrend trend = indicatorTrend(m_context.ws, code, featureOptions());
    if (!trend.status) {
        m_context.prompts.warn(this, q(trend.status.message));
        return;  // the charts keep the previous indicator
    }
    m_trend = std::move(trend);
    m_code = code;
    m_name = name;
    m_analyse->setEnabled(static_cast<bool>(m_context.analysis));
    showCharts();
}

void IndicatorTrendPage::recomputeFeatures() {
    const FeatureOptions options = featureOptions();
    m_middle->setEnabled(options.feature == TrendFeature::BigSmall);
    m_divisor->setEnabled(options.feature == TrendFeature::Remainder);
    if (m_code.empty()) return;
    m_trend.features = featureSeries(m_trend.values, options);
    showCharts();
}

void IndicatorTrendPage::showCharts() {
    const int display = m_display->currentIndex();
    m_valueChart->setVisible(display != 2);
    m_featureChart->setVisible(display != 1);
    const bool compact = m_properties.display == TrendChartProperties::Display::Compact;
    const bool capped = m_properties.display == TrendChartProperties::Display::Capped;
    auto series = [&](const std::vector<int32_t>& values, const std::string& title, QColor colour) {
        TrendSeries s;
        s.periods = m_trend.periods;
        s.values = values;
        s.lo = std::min(0, minimumOf(values));
        s.hi = std::max(s.lo + 1, maximumOf(values));
        if (capped) s.hi = std::min(s.hi, std::max(s.lo + 1, m_properties.cap));
        s.title = q(title);
        s.colour = colour;
        s.grid = m_properties.grid;
        s.marks = m_properties.marks;
        return s;
    };
    const std::string featureName = m_name + "的" + featureTitle(featureOptions());
    for (TrendChart* chart : {m_valueChart, m_featureChart}) chart->setPointWidth(compact ? 6 : 12);
    m_valueChart->setSeries(series(m_trend.values, m_name, Qt::red));
    m_featureChart->setSeries(series(m_trend.features, featureName, QColor(20, 60, 220)));
    showStatistics();
}

void IndicatorTrendPage::showStatistics() {
    if (m_code.empty() || m_trend.values.empty()) {
        m_statistics->clear();
        return;
    }
    const std::vector<int32_t>& periods = m_trend.periods;
    int first = 0, last = static_cast<int>(periods.size()) - 1;
    switch (m_properties.range) {
    case TrendChartProperties::Range::All: break;
    case TrendChartProperties::Range::Shown:
        first = m_valueChart->firstVisible();
        last = std::min(last, first + m_valueChart->visibleCount() - 1);
        break;
    case TrendChartProperties::Range::Periods: {
        const int32_t to = m_properties.toPeriod ? m_properties.toPeriod : periods.back();
        first = static_cast<int>(std::lower_bound(periods.begin(), periods.end(), m_properties.fromPeriod) -
                                 periods.begin());
        last = static_cast<int>(std::upper_bound(periods.begin(), periods.end(), to) - periods.begin()) - 1;
        break;
    }
    }
    if (first > last) {
        m_statistics->setPlainText(QStringLiteral("（统计范围内没有记录）"));
        return;
    }
    const std::string featureName = m_name + "的" + featureTitle(featureOptions());
    m_statistics->setPlainText(
        q(statisticsLine(m_name, trendStatistics(m_trend.values, first, last)) + "\n" +
          statisticsLine(featureName, trendStatistics(m_trend.features, first, last)) + "\n" +
          statisticsRangeLine(periods[static_cast<size_t>(first)], periods[static_cast<size_t>(last)])));
}

QString IndicatorTrendPage::statisticsText() const { return m_statistics->toPlainText(); }

void IndicatorTrendPage::editProperties() {
    Tf_zsdset dialog(m_context.ws.sjk.realPeriods(), this);
    dialog.fill(m_properties);
    if (m_runDialog(dialog) != QDialog::Accepted) return;
    m_properties = dialog.properties();
    showCharts();
}

}  // namespace lottodesk
