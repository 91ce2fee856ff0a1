#include "ui/analysis/fxd_conversionpage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/analysisseries.h"
#include "core/gbktext.h"
#include "core/workspace.h"
#include "indicators/catalogue.h"
#include "ui/analysis/fxd_controls.h"
#include "ui/analysis/texttablemodel.h"
#include "ui/common/filechooser.h"
#include "ui/common/handoff.h"
#include "ui/common/pagesizing.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

QPushButton* button(const char* name, const char* text, QWidget* parent) {
    return named(new QPushButton(QString::fromUtf8(text), parent), name);
}

// "z_num1              红号一": the identifier, blanks, the caption; the catalogue's regular and
// secondary series.
void fillIndicators(QComboBox* box) {
    for (const CatalogueSeries& series : indicatorCatalogue()) {
        if (series.caption != "常规系列" && series.caption != "蓝号系列") continue;
        for (const CatalogueEntry& e : series.entries)
            box->addItem(qtext(e.code).leftJustified(20, QLatin1Char(' ')) + qtext(e.name), qtext(e.code));
    }
}

QTableView* tableView(const char* name, QAbstractItemModel* model, QWidget* parent) {
    auto* view = named(new QTableView(parent), name);
    view->setModel(model);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

}  // namespace

ConversionPage::ConversionPage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context) {
    setObjectName(QStringLiteral("ts_zhfsh"));
    m_pages = named(new QTabWidget(this), "pc_zhfsh");
    m_pages->addTab(buildTablePage(), QStringLiteral("转换表"));
    m_pages->addTab(buildKillPage(), QStringLiteral("转换法杀号"));
    sizeByCurrentPage(m_pages);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
}

QWidget* ConversionPage::buildTablePage() {
    auto* page = new QWidget;
    m_indicator = named(new QComboBox(page), "combo_indicator");
    fillIndicators(m_indicator);
    auto* refreshButton = button("b_refresh", "刷新", page);
    m_column = named(new QComboBox(page), "combo_column");
    m_column->addItem(QStringLiteral("指标值"));
    for (int k = 1; k <= kConversionColumns; ++k) m_column->addItem(QStringLiteral("转换%1").arg(k));
    m_values = named(new QLineEdit(page), "e_values");
    auto* corresponding = button("b_corresponding", "计算对应值", page);
    m_corresponding = named(new QLabel(QStringLiteral("对应指标值："), page), "l_corresponding");
    auto* exportButton = button("b_export", "导出指定列", page);
    auto* analyse = button("b_analyse", "指标剖析", page);
    analyse->setEnabled(static_cast<bool>(m_context.analysis));
    m_tableModel = new LazyTableModel(this);
    m_tableView = tableView("sg_conversion", m_tableModel, page);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("被转换指标："), page));
    top->addWidget(m_indicator);
    top->addWidget(refreshButton);
    top->addStretch(1);
    auto* columnRow = new QHBoxLayout;
    columnRow->addWidget(new QLabel(QStringLiteral("要分析的列："), page));
    columnRow->addWidget(m_column);
    columnRow->addWidget(new QLabel(QStringLiteral("此列的预测期取值："), page));
    columnRow->addWidget(m_values);
    columnRow->addWidget(corresponding);
    columnRow->addWidget(m_corresponding, 1);
    columnRow->addWidget(exportButton);
    columnRow->addWidget(analyse);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(columnRow);
    layout->addWidget(m_tableView, 1);

    connect(refreshButton, &QPushButton::clicked, this, [this] { computeTable(); });
    connect(m_indicator, &QComboBox::activated, this, [this] { computeTable(); });
    connect(corresponding, &QPushButton::clicked, this, [this] { correspondingValues(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportColumn(); });
    connect(analyse, &QPushButton::clicked, this, [this] { analyseColumn(); });
    return page;
}

QWidget* ConversionPage::buildKillPage() {
    auto* page = new QWidget;
    m_killIndicator = named(new QComboBox(page), "combo_killindicator");
    fillIndicators(m_killIndicator);
    m_firstColumn = named(new QComboBox(page), "combo_firstcolumn");
    m_lastColumn = named(new QComboBox(page), "combo_lastcolumn");
    for (int k = 1; k <= kConversionColumns; ++k) {
        m_firstColumn->addItem(QString::number(k));
        m_lastColumn->addItem(QString::number(k));
    }
    m_lastColumn->setCurrentIndex(29);
    m_from = named(new QComboBox(page), "combo_from");
    m_to = named(new QComboBox(page), "combo_to");
    m_width = named(new QSpinBox(page), "e_width");
    m_width->setRange(500, 1200);
    m_width->setValue(600);
    m_width->setPrefix(QStringLiteral("杀号列的宽度："));
    auto* run = button("b_run", "刷新", page);
    m_progress = named(new QProgressBar(page), "pb_kill");
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_killModel = new LazyTableModel(this);
    m_killView = tableView("sg_kill", m_killModel, page);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("要杀号指标："), page));
    top->addWidget(m_killIndicator);
    top->addWidget(m_firstColumn);
    top->addWidget(new QLabel(QStringLiteral("<=转换表使用范围<="), page));
    top->addWidget(m_lastColumn);
    top->addWidget(m_from);
    top->addWidget(new QLabel(QStringLiteral("<=分析期数<="), page));
    top->addWidget(m_to);
    top->addWidget(m_width);
    top->addWidget(run);
    top->addWidget(m_progress, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_killView, 1);
    connect(run, &QPushButton::clicked, this, [this] { runKill(); });
    connect(m_width, &QSpinBox::valueChanged, this, [this](int width) {
        const int kills = m_kill.header.empty() ? -1 : static_cast<int>(m_kill.header.size()) - 3;
        if (kills >= 0) m_killView->horizontalHeader()->resizeSection(kills, width);
    });
    return page;
}

void ConversionPage::refresh() {
    fillPeriods();
    computeTable();
}

void ConversionPage::fillPeriods() {
    const std::vector<int32_t> periods = m_context.ws.sjk.realPeriods();
    for (QComboBox* box : {m_from, m_to}) {
        const QString kept = box->currentText();
        box->clear();
        for (int32_t p : periods) box->addItem(QString::number(p));
        const int at = box->findText(kept);
        box->setCurrentIndex(at >= 0 ? at : box == m_from ? 0 : box->count() - 1);
    }
}

void ConversionPage::computeTable() {
    ConversionTable table = conversionTable(m_context.ws, m_indicator->currentData().toString().toStdString());
    if (!table.status) {
        m_context.prompts.warn(this, qtext(table.status.message));
        return;
    }
    m_table = std::move(table);
    m_tableModel->setTable(m_table.header, m_table.rows(),
                           [this](int row, int column) { return qtext(m_table.cell(row + 1, column)); });
    m_column->setItemText(0, QStringLiteral("指标值"));
    m_tableView->scrollToBottom();
}

void ConversionPage::correspondingValues() {
    std::string text;
    const Status found = m_table.correspondingValues(m_column->currentIndex(), m_values->text().toStdString(), text);
    if (!found) {
        m_context.prompts.warn(this, qtext(found.message));
        return;
    }
    m_corresponding->setText(QStringLiteral("对应指标值：") + qtext(text));
}

void ConversionPage::exportColumn() {
    if (m_table.rows() == 0) return;
    QString path = m_context.files.saveFile(this, QStringLiteral("导出转换结果"),
                                            QStringLiteral("转换结果 (*.txt)"), qtext(m_context.ws.folder));
    if (path.isEmpty()) return;
    if (!path.contains(QStringLiteral(".txt"))) path += QStringLiteral(".txt");
    std::string text;
    for (const std::string& line : m_table.exportLines(m_column->currentIndex())) text += line + "\n";
    if (Status saved = saveGbkText(path.toStdString(), text); !saved)
        m_context.prompts.reportError(this, qtext(saved.message));
}

// The column, row by row from the first record, goes to the indicator analysis beside the history.
void ConversionPage::analyseColumn() {
    AnalysisOpener* opener = m_context.analysisWindow();
    if (!opener || m_table.rows() == 0) return;
    const int column = m_column->currentIndex();
    AnalysisSeries series;
    series.values.assign(static_cast<size_t>(m_context.ws.sjk.RecordCount()) + 1, 0);
    for (int r = 1; r <= m_table.rows() && r < static_cast<int>(series.values.size()); ++r)
        series.values[static_cast<size_t>(r)] = m_table.chain.at(r, column);
    series.range = seriesRange(series.values, std::nullopt, m_context.ws.game.zhgs);
    series.caption = m_column->currentText().toStdString();
    if (column == 0) series.caption = m_table.header[2];
    series.historyVersion = m_context.ws.sjk.version();
    series.stamp = nextSeriesStamp();
    opener->openAnalysis(series, false);
}

void ConversionPage::runKill() {
    ConversionKillOptions options;
    options.firstColumn = std::min(m_firstColumn->currentIndex(), m_lastColumn->currentIndex()) + 1;
    options.lastColumn = std::max(m_firstColumn->currentIndex(), m_lastColumn->currentIndex()) + 1;
    options.fromPeriod = m_from->currentText().toInt();
    options.toPeriod = m_to->currentText().toInt();
    m_progress->setValue(0);
    ConversionKill kill =
        conversionKill(m_context.ws, m_killIndicator->currentData().toString().toStdString(), options);
    if (!kill.status) {
        m_context.prompts.warn(this, qtext(kill.status.message));
        return;
    }
    m_kill = std::move(kill);
    const bool secondary = m_kill.header.size() == 7;
    m_killModel->setTable(
        m_kill.header, static_cast<int>(m_kill.rows.size()),
        [this, secondary](int row, int column) {
            const ConversionKillRow& r = m_kill.rows[static_cast<size_t>(row)];
            const std::string* cells[] = {&r.period, &r.draw,    &r.secondary, &r.value,
                                          &r.kills,  &r.verdict, &r.positions};
            const int at = secondary || column < 2 ? column : column + 1;
            return at >= 0 && at < 7 ? qtext(*cells[at]) : QString();
        },
        [this](int row, int) -> QVariant {
            const KillVerdict mark = m_kill.rows[static_cast<size_t>(row)].mark;
            if (mark == KillVerdict::Right) return QColor(225, 245, 225);
            if (mark == KillVerdict::Wrong) return QColor(250, 228, 228);
            return {};
        });
    m_killView->horizontalHeader()->resizeSection(static_cast<int>(m_kill.header.size()) - 3, m_width->value());
    m_killView->scrollToBottom();
    m_progress->setValue(100);
}

}  // namespace lottodesk
