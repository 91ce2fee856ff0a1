#include "ui/analysis/fxd_extendedpage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "analysis/analysisseries.h"
#include "core/workspace.h"
#include "indicators/context.h"
#include "ui/analysis/fxd_controls.h"
#include "ui/charts/linechart.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"

namespace lottodesk {

ExtendedSeriesPage::ExtendedSeriesPage(bool second, const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_second(second), m_context(context) {
    setObjectName(second ? QStringLiteral("ts_kzxl2") : QStringLiteral("ts_kzxl1"));
    auto* grid = new QGridLayout;
    auto* kinds = new QButtonGroup(this);
    int line = 0;
    for (const ExtendedSeriesKindInfo& info : extendedKinds()) {
        if ((info.kind == ExtendedSeriesKind::SameSpot) != second) continue;
        Row row{info.kind, new QRadioButton(qtext(info.caption), this), {}};
        row.button->setObjectName(QStringLiteral("rb_kind%1").arg(static_cast<int>(info.kind)));
        kinds->addButton(row.button);
        grid->addWidget(row.button, line, 0);
        int column = 1;
        for (size_t p = 0; p < info.parameters.size(); ++p) {
            const ExtendedParameter& parameter = info.parameters[p];
            grid->addWidget(new QLabel(qtext(parameter.label), this), line, column++);
            QWidget* box = nullptr;
            if (info.kind == ExtendedSeriesKind::SameSpot && p == 0) {
                auto* types = new QComboBox(this);
                for (const std::string& type : sameSpotTypes()) types->addItem(qtext(type));
                connect(types, &QComboBox::currentIndexChanged, this, [this] { settingsChanged(); });
                box = types;
            } else {
                auto* spin = new QSpinBox(this);
                spin->setRange(parameter.lo, parameter.hi);
                spin->setValue(parameter.fallback);
                connect(spin, &QSpinBox::valueChanged, this, [this] { settingsChanged(); });
                box = spin;
            }
            box->setObjectName(QStringLiteral("e_%1_%2").arg(static_cast<int>(info.kind)).arg(p));
            grid->addWidget(box, line, column++);
            row.boxes.push_back(box);
        }
        connect(row.button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) settingsChanged();
        });
        m_rows.push_back(std::move(row));
        ++line;
    }
    // "分区相关：" is the first page's default.
    for (Row& row : m_rows)
        if (row.kind == (second ? ExtendedSeriesKind::SameSpot : ExtendedSeriesKind::Zone))
            row.button->setChecked(true);

    m_countStyle = new QRadioButton(QStringLiteral("求奖号个数"), this);
    m_countStyle->setObjectName(QStringLiteral("rb_count"));
    m_sumStyle = new QRadioButton(QStringLiteral("求奖号和值"), this);
    m_sumStyle->setObjectName(QStringLiteral("rb_sum"));
    auto* styles = new QButtonGroup(this);
    styles->addButton(m_countStyle);
    styles->addButton(m_sumStyle);
    m_countStyle->setChecked(true);
    connect(m_countStyle, &QRadioButton::toggled, this, [this] { settingsChanged(); });

    m_window = periodWindowBox(this);
    auto* analyse = new QPushButton(QStringLiteral("指标剖析"), this);
    analyse->setObjectName(QStringLiteral("b_analyse"));
    analyse->setEnabled(static_cast<bool>(m_context.analysis));
    m_filter = new QPushButton(QStringLiteral("转至过滤设置"), this);
    m_filter->setObjectName(QStringLiteral("b_filter"));
    m_filter->setEnabled(static_cast<bool>(m_context.generator));
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_countStyle);
    commands->addWidget(m_sumStyle);
    commands->addWidget(m_window);
    commands->addWidget(analyse);
    commands->addWidget(m_filter);
    commands->addStretch(1);

    m_chart = new LineChart(this);
    m_chart->setObjectName(QStringLiteral("chart"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(commands);
    layout->addWidget(m_chart, 1);

    connect(m_window, &QComboBox::currentIndexChanged, this, [this] { m_chart->setWindow(periodWindow(m_window)); });
    connect(analyse, &QPushButton::clicked, this, [this] {
        const std::string id = identifier();
        if (AnalysisOpener* opener = m_context.analysisWindow()) opener->analyseIndicator(id, id);
    });
    connect(m_filter, &QPushButton::clicked, this, [this] { toFilter(); });
    settingsChanged();
}

QRadioButton* ExtendedSeriesPage::kindButton(ExtendedSeriesKind kind) const {
    for (const Row& row : m_rows)
        if (row.kind == kind) return row.button;
    return nullptr;
}

std::vector<QWidget*> ExtendedSeriesPage::parameterBoxes(ExtendedSeriesKind kind) const {
    for (const Row& row : m_rows)
        if (row.kind == kind) return row.boxes;
    return {};
}

const ExtendedSeriesPage::Row* ExtendedSeriesPage::currentRow() const {
    for (const Row& row : m_rows)
        if (row.button->isChecked()) return &row;
    return m_rows.empty() ? nullptr : &m_rows.front();
}

std::string ExtendedSeriesPage::identifier() const {
    const Row* row = currentRow();
    if (!row) return {};
    std::vector<int32_t> values;
    for (QWidget* box : row->boxes) {
        if (auto* spin = qobject_cast<QSpinBox*>(box)) values.push_back(spin->value());
        if (auto* list = qobject_cast<QComboBox*>(box)) values.push_back(std::max(0, list->currentIndex()));
    }
    return extendedIdentifier(row->kind, m_sumStyle && m_sumStyle->isChecked() ? 1 : 0, values);
}

void ExtendedSeriesPage::settingsChanged() {
    if (!m_chart) return;  // still being built
    const Row* row = currentRow();
    const bool styled = row && extendedKind(row->kind).styled;
    m_countStyle->setEnabled(styled);
    m_sumStyle->setEnabled(styled);
    if (!stale()) compute();
}

void ExtendedSeriesPage::refresh() { compute(); }

void ExtendedSeriesPage::compute() {
    const std::string id = identifier();
    SeriesMemo memo;
    SeriesBuild build = buildSeries(indicatorContext(m_context.ws, &memo), id, std::nullopt, id);
    if (!build.status) {
        m_context.prompts.warn(this, qtext(build.status.message));
        return;
    }
    LineChartData data;
    for (int n = 1; n <= m_context.ws.sjk.RecordCount(); ++n)
        data.periods.push_back(m_context.ws.sjk.FieldValueAt(n, 0));
    data.names << qtext(id);
    data.series.emplace_back(build.series.values.begin() + 1, build.series.values.end());
    data.title = qtext(id);
    data.labels = true;
    data.fitWindow = true;
    m_chart->setData(std::move(data));
    m_chart->setWindow(periodWindow(m_window));
    m_shown = id;
}

// The identifier becomes a custom-indicator condition allowing 0..999.
void ExtendedSeriesPage::toFilter() {
    GeneratorHandOff* generator = m_context.generatorWindow();
    if (!generator) return;
    std::vector<int32_t> values(1000);
    for (int32_t v = 0; v < 1000; ++v) values[static_cast<size_t>(v)] = v;
    const Status added = generator->addCustom(identifier(), std::move(values), false);
    if (added)
        m_context.prompts.inform(this, QStringLiteral("现已成功导出到超强组号的自定义指标中"));
    else
        m_context.prompts.warn(this, qtext(added.message));
}

void addExtendedSeriesPages(Tf_fxd& window, const AnalysisContext& context) {
    for (bool second : {false, true})
        window.addPage(ExtendedSeriesPage::caption(second), new ExtendedSeriesPage(second, context));
}

}  // namespace lottodesk
