#include "ui/analysis/fxd_combinationpages.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "analysis/analysisseries.h"
#include "core/workspace.h"
#include "indicators/context.h"
#include "ui/analysis/f_combodialogs.h"
#include "ui/analysis/texttablemodel.h"
#include "ui/charts/linechart.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"
#include "ui/formula/f_fzsr.h"

namespace lottodesk {
namespace {

const QStringList kDefaultIndicators = {QStringLiteral("z_num1_w"), QStringLiteral("z_num2_w"),
                                        QStringLiteral("z_num3_w")};

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// The series of `text` over the whole history on `chart`; false with the message shown when the
// evaluation fails (the chart keeps what it had).
bool chartSeries(const AnalysisContext& context, QWidget* page, LineChart* chart, const std::string& text,
                 const QComboBox* window) {
    SeriesMemo memo;
    SeriesBuild build = buildSeries(indicatorContext(context.ws, &memo), text, std::nullopt, text);
    if (!build.status) {
        context.prompts.warn(page, qtext(build.status.message));
        return false;
    }
    LineChartData data;
    for (int n = 1; n <= context.ws.sjk.RecordCount(); ++n) data.periods.push_back(context.ws.sjk.FieldValueAt(n, 0));
    data.names << qtext(text);
    data.series.emplace_back(build.series.values.begin() + 1, build.series.values.end());
    data.title = qtext(text);
    data.labels = true;
    data.fitWindow = true;
    chart->setData(std::move(data));
    chart->setWindow(periodWindow(window));
    return true;
}

// "过滤设置" of a combination: a custom-indicator condition allowing 0..999.
void exportRange(const AnalysisContext& context, QWidget* page, const std::string& text) {
    GeneratorHandOff* generator = context.generatorWindow();
    if (!generator || text.empty()) return;
    std::vector<int32_t> values(1000);
    for (int32_t v = 0; v < 1000; ++v) values[static_cast<size_t>(v)] = v;
    const Status added = generator->addCustom(text, std::move(values), false);
    if (added)
        context.prompts.inform(page, QStringLiteral("现已成功导出到超强组号的自定义指标中"));
    else
        context.prompts.warn(page, qtext(added.message));
}

// The command row under a combination chart: the window of periods, "更新", "指标剖析" (with an
// indicator analysis) and "过滤设置" (with a generator).
struct ChartCommands {
    QHBoxLayout* row;
    QComboBox* window;
    QPushButton* update;
    QPushButton* analyse;
    QPushButton* filter;
};
ChartCommands chartCommands(const AnalysisContext& context, QWidget* parent) {
    ChartCommands c{new QHBoxLayout, periodWindowBox(parent), button("b_update", QStringLiteral("更新"), parent),
                    button("b_analyse", QStringLiteral("指标剖析"), parent),
                    button("b_filter", QStringLiteral("过滤设置"), parent)};
    c.analyse->setEnabled(static_cast<bool>(context.analysis));
    c.filter->setEnabled(static_cast<bool>(context.generator));
    for (QWidget* w : std::initializer_list<QWidget*>{c.window, c.update, c.analyse, c.filter}) c.row->addWidget(w);
    c.row->addStretch(1);
    return c;
}

QRadioButton* countChoice(QWidget* parent, QHBoxLayout* row) {
    auto* two = new QRadioButton(QStringLiteral("两个指标组合"), parent);
    two->setObjectName(QStringLiteral("rb_two"));
    auto* three = new QRadioButton(QStringLiteral("三个指标组合"), parent);
    three->setObjectName(QStringLiteral("rb_three"));
    three->setChecked(true);
    auto* group = new QButtonGroup(parent);
    group->addButton(two);
    group->addButton(three);
    row->addWidget(two);
    row->addWidget(three);
    return three;
}

// The range lists "<=分析区域<=": every real period, the last hundred by default.
void fillRange(const Workspace& ws, QComboBox* from, QComboBox* to) {
    const std::vector<int32_t> periods = ws.sjk.realPeriods();
    const QString keptFrom = from->currentText(), keptTo = to->currentText();
    for (QComboBox* box : {from, to}) {
        QSignalBlocker block(box);
        box->clear();
        for (int32_t p : periods) box->addItem(QString::number(p));
    }
    const int count = static_cast<int>(periods.size());
    const int f = from->findText(keptFrom), t = to->findText(keptTo);
    from->setCurrentIndex(f >= 0 ? f : std::max(0, count - 100));
    to->setCurrentIndex(t >= 0 ? t : count - 1);
}

}  // namespace

IndicatorBoxes::IndicatorBoxes(int count, const QStringList& defaults, const AnalysisContext& context,
                               const DialogRunner* runner, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::string folder = context.ws.folder;
    Prompts* prompts = &context.prompts;
    for (int i = 0; i < count; ++i) {
        auto* box = new QLineEdit(i < defaults.size() ? defaults[i] : QString(), this);
        box->setObjectName(QStringLiteral("e_zb%1").arg(i + 1));
        auto* choose = new QToolButton(this);
        choose->setObjectName(QStringLiteral("b_zb%1").arg(i + 1));
        choose->setText(QStringLiteral("..."));
        layout->addWidget(new QLabel(QString::number(i + 1), this), i / 4, (i % 4) * 3);
        layout->addWidget(box, i / 4, (i % 4) * 3 + 1);
        layout->addWidget(choose, i / 4, (i % 4) * 3 + 2);
        connect(choose, &QToolButton::clicked, this, [this, i, folder, prompts, runner] {
            Tf_fzsr dialog(folder, *prompts, this);
            dialog.clearFormula();
            if ((*runner)(dialog) != QDialog::Accepted) return;
            setText(i, dialog.formula());
            Q_EMIT chosen(i, dialog.formula());
        });
        m_boxes.push_back(box);
    }
}

std::vector<std::string> IndicatorBoxes::texts() const {
    std::vector<std::string> texts;
    for (QLineEdit* box : m_boxes) texts.push_back(box->text().trimmed().toStdString());
    return texts;
}

void IndicatorBoxes::setTexts(const std::vector<std::string>& texts) {
    for (size_t i = 0; i < m_boxes.size(); ++i) m_boxes[i]->setText(i < texts.size() ? qtext(texts[i]) : QString());
}

void IndicatorBoxes::setText(int box, const QString& text) {
    if (box >= 0 && box < count()) m_boxes[static_cast<size_t>(box)]->setText(text);
}

CommonCombinationList::CommonCombinationList(std::string path, const std::vector<CommonCombination>& fallback,
                                             const AnalysisContext& context, const DialogRunner* runner,
                                             QWidget* parent)
    : QWidget(parent), m_path(std::move(path)), m_context(context), m_runner(runner), m_list(new QListWidget(this)) {
    m_list->setObjectName(QStringLiteral("lb_common"));
    auto* settings = button("b_commonset", QStringLiteral("设置"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("常用指标组合"), this));
    layout->addWidget(m_list, 1);
    layout->addWidget(settings);
    CommonCombinationLoad load = loadCommonCombinations(m_path, fallback);
    if (!load.status) m_context.prompts.warn(this, qtext(load.status.message));
    m_entries = std::move(load.entries);
    showEntries();
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_list->row(item);
        if (row >= 0 && row < static_cast<int>(m_entries.size())) Q_EMIT chosen(m_entries[static_cast<size_t>(row)]);
    });
    connect(settings, &QPushButton::clicked, this, [this] { edit(); });
    setMaximumWidth(220);
}

void CommonCombinationList::edit() {
    Tf_regularzbzhset dialog(m_entries, this);
    if ((*m_runner)(dialog) != QDialog::Accepted) return;
    const std::vector<CommonCombination> entries = dialog.entries();
    if (Status saved = saveCommonCombinations(m_path, entries); !saved) {
        m_context.prompts.reportError(this, qtext(saved.message));
        return;  // the list stays as the file holds it
    }
    m_entries = entries;
    showEntries();
}

void CommonCombinationList::showEntries() {
    m_list->clear();
    for (const CommonCombination& e : m_entries) m_list->addItem(qtext(e.name));
}

CombinationFeaturePage::CombinationFeaturePage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context) {
    setObjectName(QStringLiteral("ts_zbzh"));
    m_boxes = new IndicatorBoxes(7, kDefaultIndicators, context, &m_runDialog, this);
    m_feature = new QComboBox(this);
    m_feature->setObjectName(QStringLiteral("combo_feature"));
    for (const std::string& f : combinationFeatures()) m_feature->addItem(qtext(f));
    const ChartCommands commands = chartCommands(context, this);
    m_window = commands.window;
    QPushButton *update = commands.update, *analyse = commands.analyse, *filter = commands.filter;
    commands.row->insertWidget(0, m_feature);
    commands.row->insertWidget(0, new QLabel(QStringLiteral("要分析的特征"), this));
    m_common = new CommonCombinationList(context.ws.path(kCombinationFeatureFile), defaultFeatureCombinations(),
                                         context, &m_runDialog, this);
    m_chart = new LineChart(this);
    m_chart->setObjectName(QStringLiteral("chart"));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("指标组："), this));
    left->addWidget(m_boxes);
    left->addLayout(commands.row);
    left->addWidget(m_chart, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_common);

    connect(update, &QPushButton::clicked, this, [this] { refresh(); });
    connect(m_feature, &QComboBox::currentIndexChanged, this, [this] {
        if (!stale()) refresh();
    });
    connect(m_window, &QComboBox::currentIndexChanged, this, [this] { m_chart->setWindow(periodWindow(m_window)); });
    connect(m_common, &CommonCombinationList::chosen, this, [this](const CommonCombination& entry) {
        m_boxes->setTexts(boxesOf(entry, m_boxes->count()));
        refresh();
    });
    connect(analyse, &QPushButton::clicked, this, [this] {
        const std::string id = identifier();
        if (AnalysisOpener* opener = m_context.analysisWindow(); opener && !id.empty())
            opener->analyseIndicator(id, "指标组合分析" + id);
    });
    connect(filter, &QPushButton::clicked, this, [this] { exportRange(m_context, this, identifier()); });
}

std::string CombinationFeaturePage::identifier() const {
    return combinationFeatureIdentifier(m_boxes->texts(), m_feature->currentIndex());
}

void CombinationFeaturePage::refresh() {
    const std::string id = identifier();
    if (id.empty()) {
        m_context.prompts.warn(this, QStringLiteral("请在指标组的第一个框中输入指标"));
        return;
    }
    chartSeries(m_context, this, m_chart, id, m_window);
}

PatternTrendPage::PatternTrendPage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context) {
    setObjectName(QStringLiteral("ts_xtzs"));
    auto* countRow = new QHBoxLayout;
    m_three = countChoice(this, countRow);
    countRow->addStretch(1);
    m_boxes = new IndicatorBoxes(3, kDefaultIndicators, context, &m_runDialog, this);

    auto* typeGrid = new QGridLayout;
    m_types = new QButtonGroup(this);
    const std::vector<std::string>& types = patternTypes();
    for (int t = 0; t < static_cast<int>(types.size()); ++t) {
        auto* radio = new QRadioButton(qtext(types[static_cast<size_t>(t)]), this);
        radio->setObjectName(QStringLiteral("rb_type%1").arg(t));
        m_types->addButton(radio, t);
        typeGrid->addWidget(radio, t / 7, t % 7);
    }
    auto* more = new QRadioButton(QStringLiteral("更多组合指标"), this);
    more->setObjectName(QStringLiteral("rb_more"));
    m_types->addButton(more, static_cast<int>(types.size()));
    m_more = new QComboBox(this);
    m_more->setObjectName(QStringLiteral("combo_more"));
    for (const std::string& m : morePatternMeasures()) m_more->addItem(qtext(m));
    typeGrid->addWidget(more, 2, 0);
    typeGrid->addWidget(m_more, 2, 1, 1, 2);
    m_types->button(0)->setChecked(true);

    const ChartCommands commands = chartCommands(context, this);
    m_window = commands.window;
    QPushButton *update = commands.update, *analyse = commands.analyse, *filter = commands.filter;
    m_common = new CommonCombinationList(context.ws.path(kCombinationPatternFile), defaultPatternCombinations(),
                                         context, &m_runDialog, this);
    m_chart = new LineChart(this);
    m_chart->setObjectName(QStringLiteral("chart"));

    auto* left = new QVBoxLayout;
    left->addLayout(countRow);
    left->addWidget(m_boxes);
    left->addLayout(typeGrid);
    left->addLayout(commands.row);
    left->addWidget(m_chart, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_common);

    connect(m_three, &QRadioButton::toggled, this, [this](bool three) {
        m_boxes->box(2)->setEnabled(three);
        if (!stale()) refresh();
    });
    connect(m_types, &QButtonGroup::idClicked, this, [this] {
        if (!stale()) refresh();
    });
    connect(m_more, &QComboBox::currentIndexChanged, this, [this] {
        m_types->button(static_cast<int>(patternTypes().size()))->setChecked(true);
        if (!stale()) refresh();
    });
    connect(update, &QPushButton::clicked, this, [this] { refresh(); });
    connect(m_window, &QComboBox::currentIndexChanged, this, [this] { m_chart->setWindow(periodWindow(m_window)); });
    connect(m_boxes, &IndicatorBoxes::chosen, this, [this](int box, const QString& text) {
        if (m_table) m_table->boxes()->setText(box, text);
    });
    connect(m_common, &CommonCombinationList::chosen, this, [this](const CommonCombination& entry) {
        m_boxes->setTexts(boxesOf(entry, 3));
        setThree(entry.indicators.size() >= 3);
        refresh();
    });
    connect(analyse, &QPushButton::clicked, this, [this] {
        const std::string text = "getzb(" + identifier() + ")";
        if (AnalysisOpener* opener = m_context.analysisWindow()) opener->analyseIndicator(text, "指标组合形态" + text);
    });
    connect(filter, &QPushButton::clicked, this, [this] { toFilter(); });
}

std::vector<std::string> PatternTrendPage::indicators() const {
    std::vector<std::string> texts = m_boxes->texts();
    texts.resize(m_three->isChecked() ? 3 : 2);
    return texts;
}

int PatternTrendPage::type() const {
    const int checked = m_types->checkedId();
    const int fixed = static_cast<int>(patternTypes().size());
    return checked == fixed ? fixed + std::max(0, m_more->currentIndex()) : std::max(0, checked);
}

void PatternTrendPage::setType(int type) {
    const int fixed = static_cast<int>(patternTypes().size());
    if (type >= fixed) m_more->setCurrentIndex(type - fixed);
    m_types->button(std::min(type, fixed))->setChecked(true);
    if (!stale()) refresh();
}

void PatternTrendPage::setThree(bool three) {
    (three ? m_three : findChild<QRadioButton*>(QStringLiteral("rb_two")))->setChecked(true);
}

std::string PatternTrendPage::identifier() const { return patternIdentifier(indicators(), type()); }

void PatternTrendPage::refresh() {
    for (const std::string& text : indicators()) {
        if (text.empty()) {
            m_context.prompts.warn(this, QStringLiteral("请输入要组合的指标"));
            return;
        }
    }
    chartSeries(m_context, this, m_chart, identifier(), m_window);
}

// A pattern type becomes a condition on the ticked patterns; a measure (types 14..) goes to the
// generator's custom-indicator box for the user to give its values there.
void PatternTrendPage::toFilter() {
    GeneratorHandOff* generator = m_context.generatorWindow();
    if (!generator) return;
    const std::string text = "getzb(" + identifier() + ")";
    const int t = type();
    if (t >= static_cast<int>(patternTypes().size())) {
        generator->putCustomFormula(text);
        generator->showConditions();
        return;
    }
    Tf_xtqz dialog(patternValueLines(static_cast<int>(indicators().size()), t), this);
    if (m_runDialog(dialog) != QDialog::Accepted) return;
    const Status added = generator->addCustom(text, dialog.ticked(), dialog.tolerant());
    if (added)
        m_context.prompts.inform(this, QStringLiteral("指标组合形态设置现已成功导出到超强组号的自定义指标中"));
    else
        m_context.prompts.warn(this, qtext(added.message));
}

PatternTablePage::PatternTablePage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context) {
    setObjectName(QStringLiteral("ts_xttb"));
    auto* top = new QHBoxLayout;
    m_three = countChoice(this, top);
    m_from = new QComboBox(this);
    m_from->setObjectName(QStringLiteral("combo_from"));
    m_to = new QComboBox(this);
    m_to->setObjectName(QStringLiteral("combo_to"));
    top->addWidget(m_from);
    top->addWidget(new QLabel(QStringLiteral("<=分析区域<="), this));
    top->addWidget(m_to);
    auto* update = button("b_update", QStringLiteral("更新"), this);
    top->addWidget(update);
    top->addStretch(1);
    m_boxes = new IndicatorBoxes(3, kDefaultIndicators, context, &m_runDialog, this);
    m_common = new CommonCombinationList(context.ws.path(kCombinationPatternFile), defaultPatternCombinations(),
                                         context, &m_runDialog, this);
    m_model = new TextTableModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("sg_patterns"));
    m_view->setModel(m_model);
    m_view->verticalHeader()->setVisible(false);
    m_view->verticalHeader()->setDefaultSectionSize(20);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(m_boxes);
    left->addWidget(m_view, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_common);

    connect(update, &QPushButton::clicked, this, [this] { compute(); });
    connect(m_three, &QRadioButton::toggled, this, [this](bool three) {
        m_boxes->box(2)->setEnabled(three);
        if (!stale()) compute();
    });
    connect(m_common, &CommonCombinationList::chosen, this, [this](const CommonCombination& entry) {
        m_boxes->setTexts(boxesOf(entry, 3));
        setThree(entry.indicators.size() >= 3);
        compute();
    });
}

void PatternTablePage::setThree(bool three) {
    (three ? m_three : findChild<QRadioButton*>(QStringLiteral("rb_two")))->setChecked(true);
}

void PatternTablePage::refresh() {
    fillRange(m_context.ws, m_from, m_to);
    compute();
}

void PatternTablePage::compute() {
    std::vector<std::string> indicators = m_boxes->texts();
    indicators.resize(m_three->isChecked() ? 3 : 2);
    for (const std::string& text : indicators) {
        if (text.empty()) {
            m_context.prompts.warn(this, QStringLiteral("请输入要组合的指标"));
            return;
        }
    }
    const t_s_dm& history = m_context.ws.sjk;
    int first = history.indexOfPeriod(m_from->currentText().toInt());
    int last = history.indexOfPeriod(m_to->currentText().toInt());
    if (first > last) std::swap(first, last);
    ComboTable table = patternTable(m_context.ws, indicators, first, last);
    if (!table.status) {
        m_context.prompts.warn(this, qtext(table.status.message));
        return;
    }
    m_model->setTable(std::move(table.header), std::move(table.rows));
    m_view->scrollToBottom();
}

void addCombinationPages(Tf_fxd& window, const AnalysisContext& context) {
    auto* combination = new CombinationFeaturePage(context);
    auto* trend = new PatternTrendPage(context);
    auto* table = new PatternTablePage(context);
    trend->setTablePage(table);
    window.addPage(CombinationFeaturePage::caption(), combination);
    window.addPage(PatternTrendPage::caption(), trend);
    window.addPage(PatternTablePage::caption(), table);
}

}  // namespace lottodesk
