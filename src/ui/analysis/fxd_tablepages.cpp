#include "ui/analysis/fxd_tablepages.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/datatables.h"
#include "core/workspace.h"
#include "indicators/drawhistory.h"
#include "ui/analysis/fxd_controls.h"
#include "ui/analysis/texttablemodel.h"
#include "ui/charts/cellgrid.h"
#include "ui/common/handoff.h"
#include "ui/common/gridscroller.h"
#include "ui/formula/f_coldhotset.h"
#include "ui/common/pagesizing.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

// The frames of the cell pictures for the mark codes 0..6 and for cold, warm and hot.
constexpr uint8_t kMarkFrames[] = {0, 2, 3, 4, 5, 6, 7};
constexpr uint8_t kWarmthFrames[] = {1, 3, 0};

}  // namespace

DataTablesPage::DataTablesPage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context), m_tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("ts_sjb"));
    m_tabs->setObjectName(QStringLiteral("pc_sjb"));
    for (int t = 0; t < 3; ++t) {
        m_models[static_cast<size_t>(t)] = new TextTableModel(this);
        auto* view = new QTableView(m_tabs);
        view->setObjectName(QStringLiteral("sg_data%1").arg(t + 1));
        view->setModel(m_models[static_cast<size_t>(t)]);
        view->verticalHeader()->setVisible(false);
        view->verticalHeader()->setDefaultSectionSize(20);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_views[static_cast<size_t>(t)] = view;
        new GridScroller(view);  // the table's popup: automatic scrolling, pages and steps
        m_tabs->addTab(view, QStringLiteral("数据表%1").arg(t + 1));
    }
    sizeByCurrentPage(m_tabs);
    auto* refreshButton = new QPushButton(QStringLiteral("刷新"), this);
    refreshButton->setObjectName(QStringLiteral("b_refresh"));
    auto* top = new QHBoxLayout;
    top->addWidget(refreshButton);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { computeShown(); });
}

void DataTablesPage::refresh() {
    m_stale = {true, true, true};
    computeShown();
}

void DataTablesPage::computeShown() {
    const int t = m_tabs->currentIndex();
    if (t < 0 || !m_stale[static_cast<size_t>(t)]) return;
    const Workspace& ws = m_context.ws;
    const DataTable table =
        t == 0   ? dataTable1(ws.sjk, ws.game, ws.partitions, ws.current().zhname, ws.current().specname)
        : t == 1 ? dataTable2(ws.sjk, ws.game, ws.partitions)
                 : dataTable3(ws.sjk, ws.game, ws.settings, ws.current().zhname, ws.current().specname);
    std::vector<std::vector<std::string>> rows(static_cast<size_t>(table.rows()));
    for (int r = 0; r < table.rows(); ++r) {
        auto first = table.cells.begin() + static_cast<ptrdiff_t>(r) * table.columns();
        rows[static_cast<size_t>(r)].assign(first, first + table.columns());
    }
    m_models[static_cast<size_t>(t)]->setTable(table.header, std::move(rows));
    m_views[static_cast<size_t>(t)]->scrollToBottom();
    m_stale[static_cast<size_t>(t)] = false;
}

DistributionPage::DistributionPage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent),
      m_context(context),
      m_table(std::make_shared<CellTable>()),
      m_grid(new CellGridView(*context.pictures, this)),
      m_rule(new QComboBox(this)),
      m_pattern(new QRadioButton(QStringLiteral("关联分布"), this)),
      m_coldHot(new QRadioButton(QStringLiteral("冷温热分布"), this)) {
    setObjectName(QStringLiteral("ts_fbt"));
    m_grid->setObjectName(QStringLiteral("sg_distribution"));
    m_rule->setObjectName(QStringLiteral("combo_rule"));
    m_pattern->setObjectName(QStringLiteral("rb_pattern"));
    m_coldHot->setObjectName(QStringLiteral("rb_coldhot"));
    for (const std::string& name : markRuleNames()) m_rule->addItem(qtext(name));
    auto* views = new QButtonGroup(this);
    views->addButton(m_pattern);
    views->addButton(m_coldHot);
    m_pattern->setChecked(true);
    auto* update = new QPushButton(QStringLiteral("更新"), this);
    update->setObjectName(QStringLiteral("b_update"));
    auto* back = new QPushButton(QStringLiteral("上一页"), this);
    back->setObjectName(QStringLiteral("b_prev"));
    auto* forward = new QPushButton(QStringLiteral("下一页"), this);
    forward->setObjectName(QStringLiteral("b_next"));
    auto* coldHotSettings = new QPushButton(QStringLiteral("红号冷热设置"), this);
    coldHotSettings->setObjectName(QStringLiteral("b_coldhotset"));
    auto* top = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_rule, update, m_pattern, m_coldHot, coldHotSettings, back, forward})
        top->addWidget(w);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);

    connect(update, &QPushButton::clicked, this, [this] { refresh(); });
    connect(m_rule, &QComboBox::currentIndexChanged, this, [this] { showMarks(); });
    connect(m_pattern, &QRadioButton::toggled, this, [this] { showMarks(); });
    connect(coldHotSettings, &QPushButton::clicked, this, [this] { changeColdHotSettings(); });
    connect(back, &QPushButton::clicked, this, [this] { stepBack(); });
    connect(forward, &QPushButton::clicked, this, [this] { stepForward(); });
    connect(m_grid, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.row() == m_chart.rows()) toggleSelected(index.column());
    });
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("清除选号区"), this, [this] {
        m_selection.fill(false);
        showMarks();
    });
    menu->addAction(QStringLiteral("将选号导入到预测区"), this, [this] { importSelection(); });
    menu->addAction(QStringLiteral("清除预测区"), this, [this] { clearPrediction(); });
    if (m_context.generator)
        menu->addAction(QStringLiteral("过滤条件"), this, [this] {
            if (GeneratorHandOff* generator = m_context.generatorWindow()) generator->showConditions();
        });
    // Drawn numbers as balls or squares, with or without the number.
    QMenu* display = menu->addMenu(QStringLiteral("显示模式"));
    const char* const modes[] = {"球+数字", "球", "方块+数字", "方块"};
    for (int i = 0; i < 4; ++i)
        display->addAction(QString::fromUtf8(modes[i]), this, [this, i] {
            m_display = i;
            showMarks();
        });
    new GridScroller(m_grid, menu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& at) { menu->popup(m_grid->viewport()->mapToGlobal(at)); });
}

const CellTable& DistributionPage::table() const { return *m_table; }

void DistributionPage::refresh() { compute(); }

void DistributionPage::compute() {
    const Workspace& ws = m_context.ws;
    m_chart = distributionChart(ws.sjk, ws.game);
    m_timeline = mainWarmthTimeline(DrawHistory::of(ws.sjk), ws.game, ws.settings);
    showMarks();
    m_grid->showLastRow();
}

// The marks are computed for the whole chart at once: a row's marks read the two rows before it
// and the one after, and the whole history takes well under a millisecond.
void DistributionPage::showMarks() {
    auto table = std::make_shared<CellTable>();
    const int rows = m_chart.rows(), columns = m_chart.columns;
    table->resize(rows + 1, columns);
    for (int c = 0; c < columns; ++c)
        table->columnTitles[static_cast<size_t>(c)] = qtext(m_chart.header[static_cast<size_t>(c) + 2]);
    table->trailingTitle = QStringLiteral("开奖号码");
    for (int r = 0; r < rows; ++r) {
        table->rowTitles.push_back(qtext(m_chart.periodText(r)));
        table->trailingTexts.push_back(qtext(m_chart.draws[static_cast<size_t>(r)]));
    }
    table->rowTitles.push_back(QStringLiteral("选号区"));
    const bool coldHot = m_coldHot->isChecked();
    const MarkRule rule = static_cast<MarkRule>(std::max(0, m_rule->currentIndex()));
    const MarkMatrix marks = coldHot ? MarkMatrix{} : markMatrix(m_chart, rule, 0, rows);
    const WarmthMarks warmth = coldHot ? warmthMarks(m_chart, m_timeline, 0, rows) : WarmthMarks{};
    const uint8_t picture = m_display < 2 ? 2 : 1;  // ball or square
    const bool numbersShown = m_display % 2 == 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (!m_chart.isDrawn(r, c)) continue;
            table->at(r, c) = m_chart.lo + c;
            uint8_t frame = 0;
            if (coldHot) {
                const int8_t k = warmth.at(r, c);
                frame = k >= 0 && k < 3 ? kWarmthFrames[k] : 0;
            } else {
                const uint8_t code = marks.at(r, c);
                frame = code < std::size(kMarkFrames) ? kMarkFrames[code] : 0;
            }
            table->lookAt(r, c) = CellLook{picture, frame, numbersShown};
        }
    }
    for (int c = 0; c < columns; ++c) {
        const int number = m_chart.lo + c;
        table->at(rows, c) = number;
        if (number >= 0 && number < static_cast<int>(m_selection.size()) && m_selection[static_cast<size_t>(number)])
            table->lookAt(rows, c) = CellLook{2, 1, true};
    }
    table->rowBackgrounds.assign(static_cast<size_t>(rows + 1), QColor());
    table->rowBackgrounds.back() = QColor(255, 250, 225);
    const int scroll = m_grid->verticalScrollBar()->value();
    m_table = table;
    m_grid->setTable(m_table);
    m_grid->horizontalHeader()->resizeSection(columns, 190);
    m_grid->verticalScrollBar()->setValue(scroll);
}

// "红号冷热设置": the main zone's qs, coldcs and hotcs; the chart is drawn again with them.
void DistributionPage::changeColdHotSettings() {
    if (!editColdHotSettings(m_context.ws, m_context.settings, m_context.prompts, false, m_runDialog, this)) return;
    compute();
}

void DistributionPage::toggleSelected(int column) {
    const int number = m_chart.lo + column;
    if (column < 0 || column >= m_chart.columns || number < 0 || number >= static_cast<int>(m_selection.size())) return;
    m_selection[static_cast<size_t>(number)] = !m_selection[static_cast<size_t>(number)];
    showMarks();
}

void DistributionPage::importSelection() {
    const Status put = putSelectionIntoPrediction(m_context.ws.sjk, m_context.ws.game, m_selection);
    if (!put) {
        m_context.prompts.warn(this, qtext(put.message));
        return;
    }
    Q_EMIT historyEdited();
    compute();
}

void DistributionPage::clearPrediction() {
    removePrediction(m_context.ws.sjk);
    Q_EMIT historyEdited();
    compute();
}

void DistributionPage::stepBack() {
    QScrollBar* bar = m_grid->verticalScrollBar();
    bar->setValue(bar->value() - 1);
}

void DistributionPage::stepForward() {
    QScrollBar* bar = m_grid->verticalScrollBar();
    bar->setValue(bar->value() + 1);
}

}  // namespace lottodesk
